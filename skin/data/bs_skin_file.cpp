#include "skin/data/bs_skin_file.h"

#include <climits>

#include "platform/base/streams.h"

namespace {

int32_t ReadInt32(TStream* Stream)
{
    uint8_t b[4];
    Stream->ReadBuffer(b, 4);
    return static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
}

void WriteInt32(TStream* Stream, int32_t Value)
{
    auto v = static_cast<uint32_t>(Value);
    uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    Stream->WriteBuffer(b, 4);
}

}  // namespace

std::string ReadSkinFileData(TStream* Stream)
{
    Stream->SetPosition(0);
    if (ReadInt32(Stream) > kSkinFileVersion)
        return {};
    int32_t size = ReadInt32(Stream);
    // The size is checked before anything is allocated, so a damaged field
    // can't ask for gigabytes.
    if (size < 0 || size > Stream->Size() - Stream->Position())
        throw EReadError("Skin file size field is out of range");
    std::string data(static_cast<size_t>(size), '\0');
    Stream->ReadBuffer(data.data(), size);
    return data;
}

void WriteSkinFileData(TStream* Stream, const std::string& Data)
{
    if (Data.size() > INT32_MAX)
        throw EWriteError("Stored skin is too large for a skin file");
    WriteInt32(Stream, kSkinFileVersion);
    WriteInt32(Stream, static_cast<int32_t>(Data.size()));
    Stream->WriteBuffer(Data.data(), static_cast<int64_t>(Data.size()));
}
