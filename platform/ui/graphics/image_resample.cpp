#include "platform/ui/graphics/image_resample.h"

#include <algorithm>
#include <cstdint>

namespace {

int64_t CeilDiv(int64_t N, int64_t D)
{
    return N >= 0 ? (N + D - 1) / D : -((-N) / D);
}

// The source pixels [First, Last) whose centres lie inside target pixel I
// of Count over a source Size long; at least the nearest one.
void Span(int I, int Count, int Size, int& First, int& Last)
{
    // Target pixel i covers [i Size / Count, (i + 1) Size / Count) of the
    // source; source pixel s has its centre at s + 1/2.
    First = static_cast<int>(CeilDiv(int64_t(2) * I * Size - Count, int64_t(2) * Count));
    Last = static_cast<int>(CeilDiv(int64_t(2) * (I + 1) * Size - Count, int64_t(2) * Count));
    if (Last <= First) {
        First = std::min(Size - 1, static_cast<int>((int64_t(2) * I + 1) * Size / (int64_t(2) * Count)));
        Last = First + 1;
    }
}

}  // namespace

TRasterImage ResampleImage(const TRasterImage& Image, int Width, int Height)
{
    TRasterImage out = TRasterImage::Sized(Width, Height);
    out.HasAlpha = Image.HasAlpha;
    if (Image.Empty())
        return out;
    for (int y = 0; y < Height; ++y) {
        int y0 = 0, y1 = 0;
        Span(y, Height, Image.Height, y0, y1);
        for (int x = 0; x < Width; ++x) {
            int x0 = 0, x1 = 0;
            Span(x, Width, Image.Width, x0, x1);
            uint64_t a = 0, r = 0, g = 0, b = 0, n = 0;
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    uint32_t p = Image.Row(sy)[sx];
                    uint32_t pa = p >> 24;
                    a += pa;
                    r += ((p >> 16) & 0xFF) * pa;
                    g += ((p >> 8) & 0xFF) * pa;
                    b += (p & 0xFF) * pa;
                    ++n;
                }
            uint32_t pixel = 0;
            if (a) {
                auto channel = [a](uint64_t sum) { return static_cast<uint32_t>((sum + a / 2) / a); };
                uint32_t alpha = static_cast<uint32_t>((a + n / 2) / n);
                pixel = (alpha << 24) | (channel(r) << 16) | (channel(g) << 8) | channel(b);
            }
            out.Row(y)[x] = pixel;
        }
    }
    return out;
}
