#include "editor/document/syn_text_file_writer.h"

#include <cstring>

TSynTextFiler::TSynTextFiler(const AnsiString& FileName, uint16_t Mode)
    : stream_(std::make_unique<TFileStream>(FileName, Mode)),
      buffer_(std::make_unique_for_overwrite<char[]>(bufferSize_))
{
}

TSynTextFileWriter::TSynTextFileWriter(const AnsiString& FileName) : TSynTextFiler(FileName, fmCreate) {}

TSynTextFileWriter::~TSynTextFileWriter()
{
    try {
        Flush();
    } catch (...) {
        // Nowhere to report it from here; SaveToFile flushes before this.
    }
}

char* TSynTextFileWriter::Reserve(size_t Needed)
{
    if (Needed > bufferSize_ - filled_) {
        Flush();
        if (Needed > bufferSize_) {
            buffer_ = std::make_unique_for_overwrite<char[]>(Needed);
            bufferSize_ = Needed;
        }
    }
    char* dest = buffer_.get() + filled_;
    filled_ += Needed;
    return dest;
}

void TSynTextFileWriter::Write(std::string_view S)
{
    if (!S.empty())
        std::memcpy(Reserve(S.size()), S.data(), S.size());
}

void TSynTextFileWriter::WriteLine(std::string_view S)
{
    const size_t breakLength = FileFormat == sffDos ? 2 : 1;
    char* dest = Reserve(S.size() + breakLength);
    if (!S.empty())
        std::memcpy(dest, S.data(), S.size());
    dest += S.size();
    if (FileFormat != sffUnix)
        *dest++ = '\r';
    if (FileFormat != sffMac)
        *dest = '\n';
}

void TSynTextFileWriter::Flush()
{
    // Emptied first: after a failed write the buffer is not written twice.
    const size_t count = filled_;
    filled_ = 0;
    if (count > 0)
        stream_->WriteBuffer(buffer_.get(), static_cast<int64_t>(count));
}
