// Loading a stored skin into TbsSkinData, as switching skins does: inflate,
// decode the pictures, read the INI and build the descriptions. The skin is
// sized for a 1920x1080 desktop: a full-screen background picture, a
// 640x480 frame picture with its mask, and 39 more pictures of buttons,
// bars and panels, 40 active pictures in all.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "platform/base/streams.h"
#include "platform/ui/graphics/bitmap.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_stored_skin.h"
#include "skin/data/bs_zlib.h"

namespace {

constexpr int kPictures = 40;

// Gradients with a little texture, as skin artwork has them.
std::string BmpFile(int Width, int Height, int Seed)
{
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(Width, Height);
    for (int y = 0; y < Height; ++y) {
        auto* row = static_cast<uint8_t*>(bitmap.ScanLine(y));
        for (int x = 0; x < Width; ++x) {
            uint8_t grain = uint8_t((x * 7 + y * 13 + Seed) % 5);
            row[x * 3] = uint8_t(x * 255 / Width + grain);
            row[x * 3 + 1] = uint8_t(y * 255 / Height);
            row[x * 3 + 2] = uint8_t(Seed * 40 + grain);
        }
    }
    TMemoryStream stream;
    bitmap.SaveToStream(&stream);
    return {static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size())};
}

std::string Int32(int32_t V)
{
    auto u = static_cast<uint32_t>(V);
    return {char(u), char(u >> 8), char(u >> 16), char(u >> 24)};
}

std::string SkinIni()
{
    std::string ini = "[VERSION]\r\nskinname=Bench\r\n[PICTURES]\r\npicture=frame.bmp\r\nmask=mask.bmp\r\n"
                      "activepicturescount=" + std::to_string(kPictures) + "\r\n";
    for (int i = 0; i < kPictures; ++i)
        ini += std::to_string(i) + "=p" + std::to_string(i) + ".bmp\r\n";
    ini += "[FORMINFO]\r\nclientrect=6,30,634,474\r\nlefttoppoint=20,30\r\nrightbottompoint=620,460\r\n"
           "bgpictureindex=0\r\n[LAYERFRAME]\r\npictureindex=1\r\n[SKINOBJECTS]\r\ncount=8\r\n";
    for (int i = 0; i < 8; ++i)
        ini += std::to_string(i) + "=object" + std::to_string(i) + ":button\r\n";
    const char* kinds[] = {"button", "panel", "edit", "memo", "listbox", "combobox", "scrollbar", "tab"};
    ini += "[SKINCONTROLS]\r\ncount=32\r\n";
    for (int i = 0; i < 32; ++i)
        ini += std::to_string(i) + "=control" + std::to_string(i) + ":" + kinds[i % 8] + "\r\n";
    for (int i = 0; i < 32; ++i)
        ini += "[control" + std::to_string(i) + "]\r\npictureindex=" + std::to_string(i % kPictures) +
               "\r\nskinrect=0,0,64,24\r\nclientrect=4,4,60,20\r\n";
    return ini;
}

std::string PackedSkin()
{
    std::string packed = Int32(kPackedSkinVersion) + '\0' + BmpFile(640, 480, 1) + '\1' + '\0' +
                         BmpFile(640, 480, 2) + Int32(kPictures) + BmpFile(1920, 1080, 3);
    for (int i = 1; i < kPictures; ++i)
        packed += BmpFile(256, 128, i);
    return packed + SkinIni();
}

void BM_LoadStoredSkin(benchmark::State& state)
{
    const std::string packed = PackedSkin();
    TMemoryStream compressed;
    ZCompress(packed.data(), static_cast<int64_t>(packed.size()), &compressed);
    compressed.SetPosition(0);
    TbsCompressedStoredSkin stored(nullptr);
    stored.ReadCompressedData(&compressed);
    TbsSkinData data(nullptr);
    for (auto _ : state) {
        data.LoadStoredSkin(&stored);
        benchmark::DoNotOptimize(data.ActivePictures.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(packed.size()));
    state.counters["compressed_bytes"] = double(stored.CompressedData().size());
}
BENCHMARK(BM_LoadStoredSkin)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
