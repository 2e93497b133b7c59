#include "skin/data/bs_stored_skin.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/base/streams.h"
#include "skin/data/bs_zlib.h"
#include "tests/skin/data/stored_skin_fuzz.h"
#include "tests/support/test_data.h"

// Named, so that its helpers stay apart from other files' when sources are
// compiled together.
namespace bs_stored_skin_test {

const AnsiString kFolder = TestData("/stored_skin/");

std::string FileBytes(const std::string& Name)
{
    std::ifstream in(Name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Bytes(TMemoryStream& Stream)
{
    return {static_cast<const char*>(Stream.Memory()), static_cast<size_t>(Stream.Size())};
}

std::string Inflate(const std::string& Z)
{
    TMemoryStream out;
    ZDecompress(Z.data(), static_cast<int64_t>(Z.size()), &out);
    return Bytes(out);
}

std::string Deflate(const std::string& Data)
{
    TMemoryStream out;
    ZCompress(Data.data(), static_cast<int64_t>(Data.size()), &out);
    return Bytes(out);
}

uint32_t Le32(const std::string& S, size_t At)
{
    auto b = [&](size_t i) { return uint32_t(static_cast<uint8_t>(S.at(At + i))); };
    return b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
}

std::string Int32(int32_t V)
{
    auto u = static_cast<uint32_t>(V);
    return {char(u), char(u >> 8), char(u >> 16), char(u >> 24)};
}

// A packed stream by hand: an empty slot string is a slot without picture.
std::string Packed(int32_t Version, const std::vector<std::string>& Slots, int32_t Count,
                   const std::vector<std::string>& Pictures, const std::string& Ini)
{
    std::string s = Int32(Version);
    for (const std::string& slot : Slots)
        s += slot.empty() ? std::string(1, '\1') : '\0' + slot;
    s += Int32(Count);
    for (const std::string& p : Pictures)
        s += p;
    return s + Ini;
}

std::unique_ptr<TbsUnpackedSkin> Read(const std::string& PackedBytes)
{
    TMemoryStream stream;
    stream.WriteBuffer(PackedBytes.data(), static_cast<int64_t>(PackedBytes.size()));
    stream.SetPosition(0);
    return ReadPackedSkin(&stream);
}

void SetCompressed(TbsCompressedStoredSkin& Skin, const std::string& Z)
{
    TMemoryStream stream;
    stream.WriteBuffer(Z.data(), static_cast<int64_t>(Z.size()));
    Skin.ReadCompressedData(&stream);
}

std::string SkinFile(TbsCompressedStoredSkin& Skin)
{
    TMemoryStream stream;
    Skin.SaveToSkinStream(&stream);
    return Bytes(stream);
}

void LoadSkinFile(TbsCompressedStoredSkin& Skin, const std::string& File)
{
    TMemoryStream stream;
    stream.WriteBuffer(File.data(), static_cast<int64_t>(File.size()));
    Skin.LoadFromSkinStream(&stream);
}

class TempFolder {
public:
    TempFolder() : path_(std::filesystem::temp_directory_path() / ("s8_stored_skin_" + std::to_string(getpid())))
    {
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    AnsiString Name(const char* File) const { return (path_ / File).string(); }
    void Write(const char* File, const std::string& Data) const { std::ofstream(Name(File), std::ios::binary) << Data; }

private:
    std::filesystem::path path_;
};


TEST(StoredSkin, PackedLayoutOfASkinFolder)
{
    TbsCompressedStoredSkin skin(nullptr);
    EXPECT_TRUE(skin.IsEmpty());
    skin.LoadFromSkinIni(kFolder + "skin.ini");
    ASSERT_FALSE(skin.IsEmpty());
    // A zlib header announcing the best compression level.
    EXPECT_EQ(0x78, static_cast<uint8_t>(skin.CompressedData()[0]));
    EXPECT_EQ(0xDA, static_cast<uint8_t>(skin.CompressedData()[1]));

    std::string packed = Inflate(skin.CompressedData());
    EXPECT_EQ(std::string("\3\0\0\0", 4), packed.substr(0, 4));
    size_t at = 4;
    auto bmp = [&] {
        EXPECT_EQ("BM", packed.substr(at, 2));
        at += Le32(packed, at + 2);
    };
    EXPECT_EQ(0, packed[at++]);  // main picture
    bmp();
    EXPECT_EQ(1, packed[at++]);  // empty "inactivepicture": no bytes follow
    EXPECT_EQ(0, packed[at++]);  // mask
    bmp();
    EXPECT_EQ(2u, Le32(packed, at));
    at += 4;
    bmp();
    bmp();
    EXPECT_EQ(FileBytes(kFolder + "skin.ini"), packed.substr(at));

    auto unpacked = skin.Unpack();
    EXPECT_EQ(3, unpacked->Version);
    EXPECT_EQ(5, unpacked->Picture->Width());
    EXPECT_EQ(3, unpacked->Picture->Height());
    EXPECT_TRUE(unpacked->InactivePicture->Empty());
    EXPECT_EQ(5, unpacked->Mask->Width());
    ASSERT_EQ(2u, unpacked->ActivePictures.size());
    TRasterImage button = unpacked->ActivePictures[0]->ToImage();
    ASSERT_EQ(2, button.Width);
    EXPECT_EQ(0xA0FF0000u, button.Row(1)[0]);  // 32-bit picture keeps its alpha
    EXPECT_EQ(0x3200C8u, unpacked->ActivePictures[1]->ToImage().Row(0)[1] & 0xFFFFFF);
    EXPECT_EQ("說門 test", unpacked->Ini.ReadString("VERSION", "skinname", ""));
    EXPECT_EQ("1,1,4,2", unpacked->Ini.ReadString("FORMINFO", "clientrect", ""));
}

TEST(StoredSkin, SkinFileAndPropertyRoundTrip)
{
    TempFolder temp;
    TbsCompressedStoredSkin skin(nullptr);
    EXPECT_EQ(std::string("\3\0\0\0\0\0\0\0", 8), SkinFile(skin));
    skin.LoadFromSkinIni(kFolder + "skin.ini");
    std::string file = SkinFile(skin);
    EXPECT_EQ(std::string("\3\0\0\0", 4), file.substr(0, 4));
    EXPECT_EQ(skin.CompressedData().size(), Le32(file, 4));
    EXPECT_EQ(skin.CompressedData(), file.substr(8));

    temp.Write("a.skn", file);
    TbsCompressedStoredSkin copy(nullptr);
    copy.LoadFromSkinFile(temp.Name("a.skn"));
    EXPECT_EQ(file, SkinFile(copy));

    // The outer version only gates reading; 2 reads like 3, 4 empties.
    std::string v2 = file;
    v2[0] = 2;
    LoadSkinFile(copy, v2);
    EXPECT_EQ(skin.CompressedData(), copy.CompressedData());
    std::string v4 = file;
    v4[0] = 4;
    LoadSkinFile(copy, v4);
    EXPECT_TRUE(copy.IsEmpty());
    LoadSkinFile(copy, Int32(3) + Int32(0));
    EXPECT_TRUE(copy.IsEmpty());

    TMemoryStream property;
    skin.WriteCompressedData(&property);
    EXPECT_EQ(skin.CompressedData(), Bytes(property));
    copy.ReadCompressedData(&property);
    EXPECT_EQ(skin.CompressedData(), copy.CompressedData());
}

TEST(StoredSkin, DamagedSkinFilesAreRefusedAndKeepTheData)
{
    TbsCompressedStoredSkin skin(nullptr);
    skin.LoadFromSkinIni(kFolder + "skin.ini");
    const std::string kept = skin.CompressedData();
    std::string file = SkinFile(skin);
    for (const std::string& bad : {Int32(3) + Int32(-1) + "xyz",
                                   Int32(3) + Int32(INT32_MAX) + "xyz",
                                   Int32(3) + Int32(static_cast<int32_t>(kept.size()) + 1) + kept,
                                   std::string("\3\0\0\0\5", 5)}) {
        EXPECT_THROW(LoadSkinFile(skin, bad), EReadError);
        EXPECT_EQ(kept, skin.CompressedData());
    }
    LoadSkinFile(skin, file + "trailing bytes are not ours");
    EXPECT_EQ(kept, skin.CompressedData());
    EXPECT_THROW(skin.LoadFromSkinFile(kFolder + "no such file.skn"), EFOpenError);
}

TEST(StoredSkin, HostilePackedStreams)
{
    const std::string button = FileBytes(kFolder + "button.bmp");
    const std::string main = FileBytes(kFolder + "main.bmp");
    const std::string ini = "[VERSION]\r\nskinname=x\r\n";

    // Version 2 carries five slots; the last two are dropped.
    auto v2 = Read(Packed(2, {main, "", button, main, main}, 1, {button}, ini));
    EXPECT_EQ(5, v2->Picture->Width());
    EXPECT_TRUE(v2->InactivePicture->Empty());
    EXPECT_EQ(2, v2->Mask->Width());
    EXPECT_EQ(1u, v2->ActivePictures.size());
    EXPECT_EQ("x", v2->Ini.ReadString("VERSION", "skinname", ""));
    EXPECT_EQ(0u, Read(Packed(3, {"", "", ""}, -5, {}, ini))->ActivePictures.size());

    EXPECT_THROW(Read(Packed(4, {"", "", ""}, 0, {}, ini)), EReadError);
    // A count far beyond the pictures present ends where the data ends.
    EXPECT_THROW(Read(Packed(3, {"", "", ""}, INT32_MAX, {button}, "")), EReadError);
    // A file size in the header past the stream, and one short of the pixels.
    std::string longer = button;
    longer[2] = '\xF0';
    longer[3] = '\x7F';
    EXPECT_THROW(Read(Packed(3, {longer, "", ""}, 0, {}, ini)), EReadError);
    std::string shorter = button;
    shorter[2] = 40;
    EXPECT_THROW(Read(Packed(3, {shorter, "", ""}, 0, {}, ini)), EInvalidGraphic);
    // An info header claiming a huge picture inside a file of 70 bytes.
    std::string wide = button;
    wide[18] = '\0';
    wide[19] = '\0';
    wide[20] = '\1';
    EXPECT_THROW(Read(Packed(3, {"", "", ""}, 1, {wide}, ini)), EInvalidGraphic);
    EXPECT_THROW(Read(Packed(3, {"", "", ""}, 1, {"XX" + button.substr(2)}, ini)), EInvalidGraphic);

    // INI text is bounded in bytes and in lines before it is split: a few
    // hundred kilobytes of deflated "k=v" lines would otherwise hold
    // gigabytes as lines. The last line counts without its break.
    std::string lines(size_t(kMaxSkinIniLines - 1) * 2, '\n');
    for (size_t i = 0; i < lines.size(); i += 2)
        lines[i] = '\r';
    EXPECT_EQ(0u, Read(Packed(3, {"", "", ""}, 0, {}, lines))->ActivePictures.size());
    try {
        Read(Packed(3, {"", "", ""}, 0, {}, lines + "\r"));
        ADD_FAILURE() << "one line too many was taken";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Skin INI text has too many lines: 100001, where a skin holds at most 100000");
    }
    EXPECT_THROW(Read(Packed(3, {"", "", ""}, 0, {}, lines + "\n\r\n")), EReadError);
    std::string bytes(size_t(kMaxSkinIniSize), ';');
    EXPECT_EQ(0u, Read(Packed(3, {"", "", ""}, 0, {}, bytes))->ActivePictures.size());
    try {
        Read(Packed(3, {"", "", ""}, 0, {}, bytes + ";"));
        ADD_FAILURE() << "one byte too many was taken";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Skin INI text is too large: 4194305 bytes, where a skin holds at most 4194304");
    }

    TbsCompressedStoredSkin skin(nullptr);
    const std::string z = Deflate(Packed(3, {main, "", ""}, 1, {button}, ini));
    SetCompressed(skin, z);
    EXPECT_EQ(1u, skin.Unpack()->ActivePictures.size());
    SetCompressed(skin, z.substr(0, z.size() - 5));
    EXPECT_THROW(skin.Unpack(), EZDecompressionError);
    std::string flipped = z;
    flipped[z.size() / 2] ^= 0x55;
    SetCompressed(skin, flipped);
    EXPECT_THROW(skin.Unpack(), EZDecompressionError);
    SetCompressed(skin, "");
    EXPECT_THROW(skin.Unpack(), EZDecompressionError);

    // Output is capped, so a small bomb can't take all memory.
    const std::string bomb = Deflate(std::string(1 << 20, '\0'));
    TMemoryStream out;
    EXPECT_THROW(ZDecompress(bomb.data(), static_cast<int64_t>(bomb.size()), &out, 100000), EZDecompressionError);
    EXPECT_LE(out.Size(), 100000 + 4096);
}

// The inflater is handed room by guess: output far beyond the first guess
// still comes out whole, appended after what the target held, up to the
// cap and not a byte past it; a refusal leaves the target as it was, and
// bytes after the end of the stream are not read.
TEST(StoredSkin, InflatesWholeStreamsOfAnySizeUpToTheCap)
{
    std::string big(size_t(6) << 20, '\0');
    for (size_t i = 0; i < big.size(); i += 4093)
        big[i] = static_cast<char>(i / 4093);
    const std::string z = Deflate(big);
    ASSERT_LT(z.size() * 4, big.size() / 8);

    TMemoryStream out;
    out.WriteBuffer("abc", 3);
    ZDecompress(z.data(), static_cast<int64_t>(z.size()), &out);
    EXPECT_TRUE(Bytes(out) == "abc" + big);

    const std::string trailed = z + "trailing bytes";
    EXPECT_TRUE(Inflate(trailed) == big);

    TMemoryStream capped;
    ZDecompress(z.data(), static_cast<int64_t>(z.size()), &capped, static_cast<int64_t>(big.size()));
    EXPECT_EQ(capped.Size(), static_cast<int64_t>(big.size()));
    TMemoryStream refused;
    refused.WriteBuffer("abc", 3);
    EXPECT_THROW(ZDecompress(z.data(), static_cast<int64_t>(z.size()), &refused, static_cast<int64_t>(big.size()) - 1),
                 EZDecompressionError);
    EXPECT_EQ(Bytes(refused), "abc");
    EXPECT_THROW(ZDecompress(z.data(), static_cast<int64_t>(z.size()) - 1, &refused), EZDecompressionError);
    EXPECT_EQ(Bytes(refused), "abc");
}

TEST(StoredSkin, PackingReplacesTheDataOnlyOnSuccess)
{
    TempFolder temp;
    TbsCompressedStoredSkin skin(nullptr);
    skin.LoadFromSkinIni(kFolder + "skin.ini");
    const std::string kept = skin.CompressedData();
    const std::string ini = FileBytes(kFolder + "skin.ini");
    auto replaced = [&](const std::string& From, const std::string& To) {
        std::string s = ini;
        s.replace(s.find(From), From.size(), To);
        return s;
    };
    temp.Write("main.bmp", FileBytes(kFolder + "main.bmp"));
    temp.Write("mask.bmp", FileBytes(kFolder + "mask.bmp"));
    temp.Write("button.bmp", FileBytes(kFolder + "button.bmp"));
    temp.Write("empty.bmp", "");
    temp.Write("broken.bmp", "BMbroken");

    temp.Write("missing.ini", replaced("mask=mask.bmp", "mask=gone.bmp"));
    EXPECT_THROW(skin.LoadFromSkinIni(temp.Name("missing.ini")), EFOpenError);
    temp.Write("broken.ini", replaced("0=button.bmp", "0=broken.bmp"));
    EXPECT_THROW(skin.LoadFromSkinIni(temp.Name("broken.ini")), EInvalidGraphic);
    temp.Write("empty.ini", replaced("1=main.bmp", "1=empty.bmp"));
    EXPECT_THROW(skin.LoadFromSkinIni(temp.Name("empty.ini")), EInvalidGraphic);
    temp.Write("noname.ini", replaced("1=main.bmp", "1="));
    EXPECT_THROW(skin.LoadFromSkinIni(temp.Name("noname.ini")), Exception);
    temp.Write("plain.ini", replaced("[SKINCONTROLS]", "[OTHER]"));
    skin.LoadFromSkinIni(temp.Name("plain.ini"));
    EXPECT_EQ(kept, skin.CompressedData());
    std::string flood = ini;
    for (int i = 0; i < kMaxSkinIniLines; ++i)
        flood += "k=v\r\n";
    temp.Write("flood.ini", flood);
    EXPECT_THROW(skin.LoadFromSkinIni(temp.Name("flood.ini")), EReadError);
    EXPECT_EQ(kept, skin.CompressedData());

    // The same folder elsewhere packs to the same bytes.
    temp.Write("skin.ini", ini);
    TbsCompressedStoredSkin again(nullptr);
    again.LoadFromSkinIni(temp.Name("skin.ini"));
    EXPECT_EQ(kept, again.CompressedData());

    // At run time the names are only stored; while designed they load.
    skin.SetFileName(temp.Name("noname.ini"));
    EXPECT_EQ(temp.Name("noname.ini"), skin.FileName());
    skin.SetCompressedFileName("nowhere/x.skn");
    EXPECT_EQ("nowhere/x.skn", skin.CompressedFileName());
    EXPECT_EQ(kept, skin.CompressedData());
    TbsCompressedStoredSkin designed(nullptr);
    designed.SetDesigning(true);
    designed.SetFileName(temp.Name("skin.ini"));
    EXPECT_EQ("skin.ini", designed.FileName());
    EXPECT_EQ(kept, designed.CompressedData());
    temp.Write("v4.skn", Int32(4) + Int32(0));
    designed.SetCompressedFileName(temp.Name("v4.skn"));
    EXPECT_EQ("v4.skn", designed.CompressedFileName());
    EXPECT_TRUE(designed.IsEmpty());
}

TEST(StoredSkin, FuzzCorpusIsRefusedCleanly)
{
    TbsCompressedStoredSkin skin(nullptr);
    skin.LoadFromSkinIni(kFolder + "skin.ini");
    const std::string file = SkinFile(skin);
    const std::string packed = Inflate(skin.CompressedData());
    auto fuzz = [](const std::string& s) {
        return FuzzStoredSkinReader(reinterpret_cast<const uint8_t*>(s.data()), s.size());
    };
    EXPECT_EQ(1, fuzz(packed) & 1);
    EXPECT_EQ(2, fuzz(file) & 2);
    int refused = 0;
    for (size_t cut = 0; cut < packed.size(); cut += 7)
        refused += (fuzz(packed.substr(0, cut)) & 1) == 0;
    EXPECT_GT(refused, 0);
    for (size_t at = 0; at < 80; ++at) {
        std::string p = packed;
        p[at] = static_cast<char>(p[at] ^ 0xA5);
        fuzz(p);
        std::string f = file;
        f[at] = static_cast<char>(f[at] ^ 0xA5);
        fuzz(f);
    }
    for (const auto& entry : std::filesystem::directory_iterator(TestData("/stored_skin_corpus")))
        EXPECT_EQ(0, fuzz(FileBytes(entry.path().string()))) << entry.path();
}

}  // namespace bs_stored_skin_test
