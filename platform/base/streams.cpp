#include "platform/base/streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"

namespace {

constexpr const char* SReadError = "Stream read error";
constexpr const char* SWriteError = "Stream write error";

// One system call moves at most this much, well below what read() and
// write() accept.
constexpr int64_t MaxChunk = int64_t{1} << 30;

// The position a seek asks for, before any clamping.
int64_t SeekTarget(int64_t offset, TSeekOrigin origin, int64_t position, int64_t size)
{
    switch (origin) {
    case soCurrent:
        return position + offset;
    case soEnd:
        return size + offset;
    case soBeginning:
        break;
    }
    return offset;
}

// How many bytes a read of count at position gets from size bytes of data.
int64_t Available(int64_t count, int64_t position, int64_t size)
{
    if (count <= 0 || position < 0 || position >= size)
        return 0;
    return std::min(count, size - position);
}

}  // namespace

int64_t TStream::Size()
{
    int64_t position = Seek(0, soCurrent);
    int64_t size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

void TStream::ReadBuffer(void* Buffer, int64_t Count)
{
    if (Count != 0 && Read(Buffer, Count) != Count)
        throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count)
{
    if (Count != 0 && Write(Buffer, Count) != Count)
        throw EWriteError(SWriteError);
}

int64_t TStream::CopyFrom(TStream* Source, int64_t Count)
{
    if (Count < 0)
        throw EReadError(SReadError);
    if (Count == 0) {
        Source->SetPosition(0);
        Count = Source->Size();
    }
    std::vector<char> buffer(static_cast<size_t>(std::min<int64_t>(Count, 0xF000)));
    for (int64_t left = Count; left > 0;) {
        int64_t n = std::min<int64_t>(left, static_cast<int64_t>(buffer.size()));
        Source->ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= n;
    }
    return Count;
}

TFileStream::TFileStream(const AnsiString& FileName, uint16_t Mode) : fileName_(FileName)
{
    bool create = (Mode & fmCreate) == fmCreate;
    int flags = O_CLOEXEC;
    int error = 0;
    if (create) {
        flags |= O_RDWR | O_CREAT | O_TRUNC;
    } else {
        switch (Mode & 0x0003) {
        case fmOpenRead:
            flags |= O_RDONLY;
            break;
        case fmOpenWrite:
            flags |= O_WRONLY;
            break;
        case fmOpenReadWrite:
            flags |= O_RDWR;
            break;
        default:
            error = EINVAL;
            break;
        }
    }
    if (error == 0) {
        std::string path = GbkToUtf8(FileName);
        do
            fd_ = ::open(path.c_str(), flags, 0666);
        while (fd_ < 0 && errno == EINTR);
        error = fd_ < 0 ? errno : 0;
    }
    // A folder opens for reading here, but is no file to read.
    struct stat info;
    if (fd_ >= 0 && ::fstat(fd_, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        error = EISDIR;
    }
    if (fd_ < 0) {
        AnsiString reason = std::strerror(error);
        if (create)
            throw EFCreateError("Cannot create file \"" + FileName + "\". " + reason);
        throw EFOpenError("Cannot open file \"" + FileName + "\". " + reason);
    }
}

TFileStream::~TFileStream()
{
    if (fd_ >= 0)
        ::close(fd_);
}

int64_t TFileStream::Read(void* Buffer, int64_t Count)
{
    auto* bytes = static_cast<char*>(Buffer);
    int64_t done = 0;
    while (done < Count) {
        ssize_t n = ::read(fd_, bytes + done, static_cast<size_t>(std::min(Count - done, MaxChunk)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count)
{
    const auto* bytes = static_cast<const char*>(Buffer);
    int64_t done = 0;
    while (done < Count) {
        ssize_t n = ::write(fd_, bytes + done, static_cast<size_t>(std::min(Count - done, MaxChunk)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin)
{
    int whence = Origin == soCurrent ? SEEK_CUR : Origin == soEnd ? SEEK_END : SEEK_SET;
    return ::lseek(fd_, Offset, whence);
}

void TFileStream::SetSize(int64_t NewSize)
{
    int result;
    do
        result = ::ftruncate(fd_, NewSize);
    while (result < 0 && errno == EINTR);
    if (result < 0)
        throw EStreamError(std::strerror(errno));
    if (Position() > NewSize)
        Seek(NewSize, soBeginning);
}

int64_t TMemoryStream::Read(void* Buffer, int64_t Count)
{
    int64_t n = Available(Count, position_, Size());
    if (n > 0)
        std::memcpy(Buffer, data_.data() + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count)
{
    if (Count <= 0 || position_ < 0)
        return 0;
    int64_t end = position_ + Count;
    if (end > Size())
        data_.resize(static_cast<size_t>(end));
    std::memcpy(data_.data() + position_, Buffer, static_cast<size_t>(Count));
    position_ = end;
    return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin)
{
    position_ = SeekTarget(Offset, Origin, position_, Size());
    return position_;
}

void TMemoryStream::SetSize(int64_t NewSize)
{
    NewSize = std::max<int64_t>(NewSize, 0);
    data_.resize(static_cast<size_t>(NewSize));
    position_ = std::min(position_, NewSize);
}

void TMemoryStream::Clear()
{
    AnsiString().swap(data_);
    position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream)
{
    Stream->SetPosition(0);
    int64_t count = Stream->Size();
    SetSize(count);
    Stream->ReadBuffer(data_.data(), count);
}

void TMemoryStream::LoadFromFile(const AnsiString& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TMemoryStream::SaveToStream(TStream* Stream) { Stream->WriteBuffer(data_.data(), Size()); }

void TMemoryStream::SaveToFile(const AnsiString& FileName)
{
    TFileStream stream(FileName, fmCreate);
    SaveToStream(&stream);
}

int64_t TStringStream::Read(void* Buffer, int64_t Count)
{
    int64_t n = Available(Count, position_, Size());
    if (n > 0)
        std::memcpy(Buffer, data_.data() + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

int64_t TStringStream::Write(const void* Buffer, int64_t Count)
{
    if (Count <= 0)
        return 0;
    int64_t end = position_ + Count;
    if (end > Size())
        data_.resize(static_cast<size_t>(end));
    std::memcpy(data_.data() + position_, Buffer, static_cast<size_t>(Count));
    position_ = end;
    return Count;
}

int64_t TStringStream::Seek(int64_t Offset, TSeekOrigin Origin)
{
    position_ = std::clamp<int64_t>(SeekTarget(Offset, Origin, position_, Size()), 0, Size());
    return position_;
}

void TStringStream::SetSize(int64_t NewSize)
{
    NewSize = std::max<int64_t>(NewSize, 0);
    data_.resize(static_cast<size_t>(NewSize));
    position_ = std::min(position_, NewSize);
}

AnsiString TStringStream::ReadString(int64_t Count)
{
    int64_t n = Available(Count, position_, Size());
    AnsiString result = data_.substr(static_cast<size_t>(position_), static_cast<size_t>(n));
    position_ += n;
    return result;
}

void TStringStream::WriteString(const AnsiString& S) { Write(S.data(), static_cast<int64_t>(S.size())); }
