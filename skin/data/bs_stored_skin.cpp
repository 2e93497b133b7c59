#include "skin/data/bs_stored_skin.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/base/files.h"
#include "platform/base/format.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"
#include "platform/gdi/raster_image.h"
#include "skin/data/bs_ini_codecs.h"
#include "skin/data/bs_skin_file.h"
#include "skin/data/bs_zlib.h"

namespace {

constexpr int kBmpFileHeaderSize = 14;
constexpr uint8_t kSlotHasPicture = 0;
constexpr uint8_t kSlotEmpty = 1;

uint32_t LittleEndian32(const uint8_t* B)
{
    return uint32_t(B[0]) | uint32_t(B[1]) << 8 | uint32_t(B[2]) << 16 | uint32_t(B[3]) << 24;
}

int32_t ReadStoredInt32(TStream* Stream)
{
    uint8_t b[4];
    Stream->ReadBuffer(b, 4);
    return static_cast<int32_t>(LittleEndian32(b));
}

void WriteStoredInt32(TStream* Stream, int32_t Value)
{
    auto v = static_cast<uint32_t>(Value);
    uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    Stream->WriteBuffer(b, 4);
}

// One BMP file out of the packed stream. Its file header gives its length;
// the bitmap reader then checks the rest against that many bytes only.
void ReadPackedBitmap(TStream* Stream, TBitmap* Bitmap)
{
    uint8_t header[kBmpFileHeaderSize];
    Stream->ReadBuffer(header, kBmpFileHeaderSize);
    int64_t size = LittleEndian32(header + 2);
    if (header[0] != 'B' || header[1] != 'M' || size <= kBmpFileHeaderSize)
        throw EInvalidGraphic("Bitmap image is not valid");
    if (size - kBmpFileHeaderSize > Stream->Size() - Stream->Position())
        throw EReadError("Stream read error");
    std::vector<uint8_t> file(static_cast<size_t>(size));
    std::memcpy(file.data(), header, kBmpFileHeaderSize);
    Stream->ReadBuffer(file.data() + kBmpFileHeaderSize, size - kBmpFileHeaderSize);
    Bitmap->LoadFromBmp(file);
}

void ReadSlot(TStream* Stream, TBitmap* Bitmap)
{
    uint8_t flag;
    Stream->ReadBuffer(&flag, 1);
    if (flag == kSlotHasPicture)
        ReadPackedBitmap(Stream, Bitmap);
}

void WriteSlot(TStream* Stream, TBitmap* Bitmap)
{
    uint8_t flag = Bitmap->Empty() ? kSlotEmpty : kSlotHasPicture;
    Stream->WriteBuffer(&flag, 1);
    Bitmap->SaveToStream(Stream);
}

// The skin INI text from Stream's position to its end, as lines, checked
// against the bounds before anything is allocated for it.
void ReadSkinIniLines(TStream* Stream, TStringList* Lines)
{
    const int64_t size = Stream->Size() - Stream->Position();
    if (size > kMaxSkinIniSize)
        throw EReadError("Skin INI text is too large: " + std::to_string(size) + " bytes, where a skin holds at most " +
                         std::to_string(kMaxSkinIniSize));
    std::string text(static_cast<size_t>(size), '\0');
    Stream->ReadBuffer(text.data(), size);
    int64_t lines = 1;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++lines;
    }
    if (lines > kMaxSkinIniLines)
        throw EReadError("Skin INI text has too many lines: " + std::to_string(lines) + ", where a skin holds at most " +
                         std::to_string(kMaxSkinIniLines));
    Lines->SetText(text);
}

// An empty bitmap writes no bytes, which would shift every later field of
// the stream; a listed picture has to be a real one.
void LoadActivePicture(const AnsiString& FileName, TBitmap* Bitmap)
{
    Bitmap->LoadFromFile(FileName);
    if (Bitmap->Empty())
        throw EInvalidGraphic(Format("Skin picture \"%s\" is empty", {FileName}));
}

}  // namespace

std::unique_ptr<TbsUnpackedSkin> ReadPackedSkin(TStream* Stream)
{
    auto skin = std::make_unique<TbsUnpackedSkin>();
    skin->Version = ReadStoredInt32(Stream);
    if (skin->Version > kPackedSkinVersion)
        throw EReadError(Format("Skin version %d is not supported", {skin->Version}));
    ReadSlot(Stream, skin->Picture.get());
    ReadSlot(Stream, skin->InactivePicture.get());
    ReadSlot(Stream, skin->Mask.get());
    if (skin->Version == 2) {
        TBitmap dropped;
        ReadSlot(Stream, &dropped);
        ReadSlot(Stream, &dropped);
    }
    // Each picture consumes its bytes or raises, so a huge count ends at the
    // end of the stream instead of looping on.
    int32_t count = ReadStoredInt32(Stream);
    for (int32_t i = 0; i < count; ++i) {
        skin->ActivePictures.push_back(std::make_unique<TBitmap>());
        ReadPackedBitmap(Stream, skin->ActivePictures.back().get());
    }
    TStringList lines;
    ReadSkinIniLines(Stream, &lines);
    skin->Ini.SetStrings(&lines);
    return skin;
}

TbsCompressedStoredSkin::TbsCompressedStoredSkin(TComponent* AOwner) : TComponent(AOwner) {}

bool TbsCompressedStoredSkin::DesignedNotLoading() const
{
    return ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading);
}

void TbsCompressedStoredSkin::SetFileName(const AnsiString& Value)
{
    if (!DesignedNotLoading()) {
        fileName_ = Value;
        return;
    }
    fileName_ = ExtractFileName(Value);
    LoadFromSkinIni(Value);
}

void TbsCompressedStoredSkin::SetCompressedFileName(const AnsiString& Value)
{
    if (!DesignedNotLoading()) {
        compressedFileName_ = Value;
        return;
    }
    compressedFileName_ = ExtractFileName(Value);
    LoadFromSkinFile(Value);
}

void TbsCompressedStoredSkin::DecompressToStream(TStream* Target) const
{
    ZDecompress(compressedData_.data(), static_cast<int64_t>(compressedData_.size()), Target);
}

std::unique_ptr<TbsUnpackedSkin> TbsCompressedStoredSkin::Unpack() const
{
    TMemoryStream packed;
    DecompressToStream(&packed);
    packed.SetPosition(0);
    return ReadPackedSkin(&packed);
}

void TbsCompressedStoredSkin::LoadFromSkinIni(const AnsiString& AFileName)
{
    TStringList lines;
    {
        TFileStream file(AFileName, fmOpenRead | fmShareDenyWrite);
        ReadSkinIniLines(&file, &lines);
    }
    TMemIniFile ini("");
    ini.SetStrings(&lines);
    if (!IsSkinIni(&ini))
        return;
    AnsiString folder = ExtractFilePath(AFileName);

    TMemoryStream packed;
    WriteStoredInt32(&packed, kPackedSkinVersion);
    for (const char* key : {"picture", "inactivepicture", "mask"}) {
        TBitmap bitmap;
        AnsiString name = ini.ReadString("PICTURES", key, "");
        if (!name.empty())
            bitmap.LoadFromFile(folder + name);
        WriteSlot(&packed, &bitmap);
    }
    TStringList names;
    ReadStrings(&ini, "PICTURES", "activepictures", &names);
    WriteStoredInt32(&packed, names.Count());
    for (int i = 0; i < names.Count(); ++i) {
        TBitmap bitmap;
        LoadActivePicture(folder + names.Strings(i), &bitmap);
        bitmap.SaveToStream(&packed);
    }
    lines.SaveToStream(&packed);

    TMemoryStream compressed;
    ZCompress(packed.Memory(), packed.Size(), &compressed);
    compressedData_.assign(static_cast<const char*>(compressed.Memory()), static_cast<size_t>(compressed.Size()));
}

void TbsCompressedStoredSkin::LoadFromSkinFile(const AnsiString& AFileName)
{
    TFileStream file(AFileName, fmOpenRead | fmShareDenyWrite);
    LoadFromSkinStream(&file);
}

void TbsCompressedStoredSkin::LoadFromSkinStream(TStream* Stream)
{
    compressedData_ = ReadSkinFileData(Stream);
}

void TbsCompressedStoredSkin::SaveToSkinStream(TStream* Stream) const
{
    WriteSkinFileData(Stream, compressedData_);
}

void TbsCompressedStoredSkin::ReadCompressedData(TStream* Stream)
{
    Stream->SetPosition(0);
    std::string data(static_cast<size_t>(Stream->Size()), '\0');
    Stream->ReadBuffer(data.data(), static_cast<int64_t>(data.size()));
    compressedData_ = std::move(data);
}

void TbsCompressedStoredSkin::WriteCompressedData(TStream* Stream) const
{
    Stream->WriteBuffer(compressedData_.data(), static_cast<int64_t>(compressedData_.size()));
}
