// Alpha-blending a full-screen skin surface onto another: the whole
// TbsBitmap path, and the two blend rows it can run on.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_pixel_rows.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int64_t kBytes = int64_t(kWidth) * kHeight * 4;

// Every alpha from 0 to 255 across each row, as a glow or shadow has them.
void FillTranslucent(TbsBitmap& B)
{
    B.SetSize(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            *B.PixelPtr(x, y) = uint32_t(x & 0xFF) << 24 | uint32_t(y & 0xFF) << 16 | uint32_t(x * 7 & 0xFF);
    B.AlphaBlendFlag = true;
}

void FillOpaque(TbsBitmap& B)
{
    B.SetSize(kWidth, kHeight);
    B.FillRect(Rect(0, 0, kWidth, kHeight), 0xFF336699);
}

void BM_BlendFullHDBitmap(benchmark::State& state)
{
    TbsBitmap source, target;
    FillTranslucent(source);
    FillOpaque(target);
    for (auto _ : state) {
        source.DrawToBitmap(&target, 0, 0);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(BM_BlendFullHDBitmap)->Unit(benchmark::kMillisecond);

// Argument 0: the plain row, 1: the vector row.
void BM_BlendFullHDRows(benchmark::State& state)
{
    TbsBitmap source, target;
    FillTranslucent(source);
    FillOpaque(target);
    auto blend = state.range(0) ? BlendRowVector : BlendRowPlain;
    for (auto _ : state) {
        blend(source.Bits(), target.Bits(), kWidth * kHeight);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(BM_BlendFullHDRows)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
