// A skinned form frame at full-HD size: rebuilding its nine-part image (the
// budget is 5 ms for a whole rebuild) and turning a window-sized mask into
// a region.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "platform/gdi/gdi_object.h"
#include "platform/ui/graphics/bitmap.h"
#include "skin/data/bs_masks.h"
#include "skin/data/bs_nine_part.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A form skin piece of 200 x 150: a caption band 30 high, borders 8 wide,
// caption ornaments 60 wide at both ends of the top band.
struct TFormSkin {
    TFormSkin()
    {
        Picture.SetPixelFormat(pf32bit);
        Picture.SetSize(200, 150);
        for (int y = 0; y < 150; ++y) {
            auto* row = static_cast<uint32_t*>(Picture.ScanLine(y));
            for (int x = 0; x < 200; ++x)
                row[x] = 0xFF000000u | uint32_t(x * 1237 + y * 7919);
        }
    }
    TBitmap Picture;
    TRect R{0, 0, 200, 150};
    TRect Cl{8, 30, 192, 142};
    TPoint LT{60, 30}, RT{140, 30}, LB{8, 142}, RB{192, 142};
    int DX = kWidth - 200;
    int DY = kHeight - 150;
    TPoint NewRT{RT.X + DX, RT.Y}, NewLB{LB.X, LB.Y + DY}, NewRB{RB.X + DX, RB.Y + DY};
    TRect NewCl{Cl.Left, Cl.Top, Cl.Right + DX, Cl.Bottom + DY};
};

void FrameImage(benchmark::State& state, bool Stretch, bool DrawClient)
{
    TFormSkin skin;
    TBitmap target;
    target.SetPixelFormat(pf32bit);
    for (auto _ : state) {
        CreateSkinImage(skin.LT, skin.RT, skin.LB, skin.RB, skin.Cl, skin.LT, skin.NewRT, skin.NewLB, skin.NewRB,
                        skin.NewCl, &target, &skin.Picture, skin.R, kWidth, kHeight, DrawClient, Stretch, Stretch,
                        Stretch, Stretch, Stretch, stfull);
        benchmark::DoNotOptimize(target.Handle());
    }
}

void BM_FrameImageStretched(benchmark::State& state) { FrameImage(state, true, true); }
BENCHMARK(BM_FrameImageStretched)->Unit(benchmark::kMillisecond);

void BM_FrameImageTiled(benchmark::State& state) { FrameImage(state, false, true); }
BENCHMARK(BM_FrameImageTiled)->Unit(benchmark::kMillisecond);

void BM_FrameImageBordersOnly(benchmark::State& state) { FrameImage(state, false, false); }
BENCHMARK(BM_FrameImageBordersOnly)->Unit(benchmark::kMillisecond);

void BM_FrameBorderStrips(benchmark::State& state)
{
    TFormSkin skin;
    TBitmap left, top, right, bottom;
    for (auto _ : state) {
        CreateSkinBorderImages(skin.LT, skin.RT, skin.LB, skin.RB, skin.Cl, skin.LT, skin.NewRT, skin.NewLB,
                               skin.NewRB, skin.NewCl, &left, &top, &right, &bottom, &skin.Picture, skin.R, kWidth,
                               kHeight, false, false, false, false);
        benchmark::DoNotOptimize(top.Handle());
    }
}
BENCHMARK(BM_FrameBorderStrips)->Unit(benchmark::kMillisecond);

// A window mask of 1024 x 768 with rounded corners and a ragged, shadowed
// edge: a few runs per row, as real form masks have.
void BM_MaskToRegion(benchmark::State& state)
{
    TBitmap mask;
    mask.SetPixelFormat(pf32bit);
    mask.SetSize(1024, 768);
    for (int y = 0; y < 768; ++y) {
        auto* row = static_cast<uint32_t*>(mask.ScanLine(y));
        int dy = y < 12 ? 12 - y : y > 755 ? y - 755 : 0;
        for (int x = 0; x < 1024; ++x) {
            int dx = x < 12 ? 12 - x : x > 1011 ? x - 1011 : 0;
            bool inside = dx * dx + dy * dy <= 144 && !(x % 97 == 0 && y % 3 == 0);
            row[x] = inside ? 0xFF000000u : 0xFFFFFFFFu;
        }
    }
    for (auto _ : state) {
        HRGN region = CreateRegionFromBitmap(&mask);
        benchmark::DoNotOptimize(region);
        DeleteObject(region);
    }
}
BENCHMARK(BM_MaskToRegion)->Unit(benchmark::kMillisecond);

// The same mask laid out as a nine-part window region at full-HD size.
void BM_SkinRegion(benchmark::State& state)
{
    TFormSkin skin;
    TBitmap mask;
    mask.SetPixelFormat(pf32bit);
    mask.SetSize(200, 150);
    for (int y = 0; y < 150; ++y) {
        auto* row = static_cast<uint32_t*>(mask.ScanLine(y));
        for (int x = 0; x < 200; ++x) {
            bool corner = (x < 6 || x > 193) && (y < 6 || y > 143) && (x + y) % 3;
            row[x] = corner ? 0xFFFFFFFFu : 0xFF000000u;
        }
    }
    for (auto _ : state) {
        HRGN region = CreateSkinRegion(skin.LT, skin.RT, skin.LB, skin.RB, skin.Cl, skin.LT, skin.NewRT, skin.NewLB,
                                       skin.NewRB, skin.NewCl, &mask, kWidth, kHeight);
        benchmark::DoNotOptimize(region);
        DeleteObject(region);
    }
}
BENCHMARK(BM_SkinRegion)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
