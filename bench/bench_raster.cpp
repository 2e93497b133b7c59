// Filling, copying and blending a full-HD 32-bit bitmap, beside a plain
// memcpy of the same bytes: the raster engine should stay within a small
// factor of memory speed.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/pen_brush.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int64_t kBytes = int64_t(kWidth) * kHeight * 4;

struct Canvas {
    Canvas()
    {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        Bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        Pixels = static_cast<uint32_t*>(bits);
        DC = CreateCompatibleDC(nullptr);
        SelectObject(DC, Bitmap);
    }
    ~Canvas()
    {
        DeleteDC(DC);
        DeleteObject(Bitmap);
    }
    HBITMAP Bitmap;
    HDC DC;
    uint32_t* Pixels;
};

void BM_Memcpy(benchmark::State& state)
{
    std::vector<uint8_t> from(kBytes, 1), to(kBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

void BM_FillRect(benchmark::State& state)
{
    Canvas canvas;
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    TRect all{0, 0, kWidth, kHeight};
    for (auto _ : state) {
        FillRect(canvas.DC, &all, brush);
        benchmark::ClobberMemory();
    }
    DeleteObject(brush);
    state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(BM_FillRect)->Unit(benchmark::kMillisecond);

void BM_BitBltCopy(benchmark::State& state)
{
    Canvas from, to;
    for (auto _ : state) {
        BitBlt(to.DC, 0, 0, kWidth, kHeight, from.DC, 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(BM_BitBltCopy)->Unit(benchmark::kMillisecond);

void BM_AlphaBlend(benchmark::State& state)
{
    Canvas from, to;
    // Half the pixels see-through, half partly so: the blending loop works
    // on every pixel.
    for (int64_t i = 0; i < int64_t(kWidth) * kHeight; ++i)
        from.Pixels[i] = (i & 1) ? 0x80402010u : 0xFF808080u;
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    for (auto _ : state) {
        AlphaBlend(to.DC, 0, 0, kWidth, kHeight, from.DC, 0, 0, kWidth, kHeight, blend);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(BM_AlphaBlend)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
