#include "platform/gdi/blit.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif


#include "platform/gdi/blit_geometry.h"
#include "platform/gdi/painter.h"

// The arithmetic, per channel (B, G, R and A alike), with
// Div255(x) = (x + 128 + ((x + 128) >> 8)) >> 8, which is x / 255 rounded
// to nearest for every x from 0 to 255 * 255:
//   without AC_SRC_ALPHA, constant alpha c:
//     D = Div255(S * c + D * (255 - c))
//   with AC_SRC_ALPHA (premultiplied source):
//     S' = Div255(S * c) (S itself when c is 255)
//     D = min(255, S' + Div255(D * (255 - S'.A)))
// A source that is not properly premultiplied (colour above its alpha)
// therefore adds to the destination, saturating at 255.

namespace {

inline uint32_t Div255(uint32_t x)
{
    return (x + 128 + ((x + 128) >> 8)) >> 8;
}

inline uint32_t BlendConstant(uint32_t s, uint32_t d, uint32_t c)
{
    uint32_t r = 0;
    for (int k = 0; k < 32; k += 8)
        r |= Div255(((s >> k) & 0xFF) * c + ((d >> k) & 0xFF) * (255 - c)) << k;
    return r;
}

inline uint32_t ScalePixel(uint32_t s, uint32_t c)
{
    uint32_t r = 0;
    for (int k = 0; k < 32; k += 8)
        r |= Div255(((s >> k) & 0xFF) * c) << k;
    return r;
}

// Premultiplied source over destination, two channels per multiply: each
// 16-bit lane holds at most 255 * 255 + 128 + 254, so lanes never carry.
// No branches: alpha 255 and a zero source come out exact by themselves.
inline uint32_t BlendPremultiplied(uint32_t s, uint32_t d)
{
    uint32_t ia = 255 - (s >> 24);
    uint32_t rb = (d & 0x00FF00FF) * ia + 0x00800080;
    rb = ((rb + ((rb >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
    uint32_t ag = ((d >> 8) & 0x00FF00FF) * ia + 0x00800080;
    ag = ((ag + ((ag >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
    rb += s & 0x00FF00FF;
    ag += (s >> 8) & 0x00FF00FF;
    // Saturate lanes that went past 255.
    uint32_t over = rb & 0x01000100;
    rb = (rb | (over - (over >> 8))) & 0x00FF00FF;
    over = ag & 0x01000100;
    ag = (ag | (over - (over >> 8))) & 0x00FF00FF;
    return rb | (ag << 8);
}

// A row of premultiplied source over destination, four pixels at a time in
// 16-bit lanes where the processor has them; the same arithmetic as
// BlendPremultiplied, so both give identical pixels.
void BlendRow(const uint32_t* s, uint32_t* d, int n)
{
    int i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128(), full = _mm_set1_epi16(255), half = _mm_set1_epi16(128);
    auto lanes = [&](__m128i src, __m128i dst) {
        __m128i a = _mm_shufflehi_epi16(_mm_shufflelo_epi16(src, 0xFF), 0xFF);
        __m128i x = _mm_add_epi16(_mm_mullo_epi16(dst, _mm_sub_epi16(full, a)), half);
        return _mm_srli_epi16(_mm_add_epi16(x, _mm_srli_epi16(x, 8)), 8);
    };
    for (; i + 4 <= n; i += 4) {
        __m128i src = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        __m128i dst = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        __m128i lo = lanes(_mm_unpacklo_epi8(src, zero), _mm_unpacklo_epi8(dst, zero));
        __m128i hi = lanes(_mm_unpackhi_epi8(src, zero), _mm_unpackhi_epi8(dst, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_adds_epu8(src, _mm_packus_epi16(lo, hi)));
    }
#endif
    for (; i < n; ++i)
        d[i] = BlendPremultiplied(s[i], d[i]);
}

}  // namespace

bool AlphaBlend(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SrcX, int SrcY, int SrcWidth,
                int SrcHeight, BLENDFUNCTION Blend)
{
    TDeviceContext* dst = DeviceContextOf(Dest);
    TDeviceContext* src = DeviceContextOf(Source);
    if (!dst || !src || Blend.BlendOp != AC_SRC_OVER || Width < 0 || Height < 0 || SrcWidth < 0 || SrcHeight < 0)
        return false;
    TSurface in = src->Surface();
    TPainter painter(*dst);
    const TSurface& out = painter.Surface();
    bool perPixel = Blend.AlphaFormat & AC_SRC_ALPHA;
    if (!in.IsValid() || in.BitsPerPixel == 1 || out.BitsPerPixel == 1 || (perPixel && in.BitsPerPixel != 32))
        return false;
    TRect srcRect = src->LPtoSurface(TRect{SrcX, SrcY, SrcX + SrcWidth, SrcY + SrcHeight});
    TRect inside;
    if (!IntersectRect(inside, srcRect, in.Bounds()) || inside != srcRect)
        return false;
    TRect dstRect = dst->LPtoSurface(TRect{X, Y, X + Width, Y + Height});
    if (in.Row0 == out.Row0 && IntersectRect(inside, srcRect, dstRect))
        return false;
    TBlitGeometry g;
    if (!painter.CanDraw() ||
        !g.Build(*dst, X, Y, Width, Height, src, SrcX, SrcY, SrcWidth, SrcHeight, painter.Clip().Bounds()))
        return true;
    uint32_t c = Blend.SourceConstantAlpha;
    bool fast = perPixel && c == 255 && !g.Stretched && in.BitsPerPixel == 32 && out.BitsPerPixel == 32;
    painter.Clip().ForEachRectIn(g.Valid, [&](const TRect& r) {
        int n = r.Width();
        uint32_t* row = painter.Scratch(n, 0);
        for (int y = r.Top; y < r.Bottom; ++y) {
            const uint32_t* srcRow = in.Row32(g.SrcY(y));
            if (fast) {
                BlendRow(srcRow + g.SrcX(r.Left), out.Row32(y) + r.Left, n);
                continue;
            }
            uint32_t* s = painter.Scratch(n, 1);
            if (in.BitsPerPixel == 32)
                for (int i = 0; i < n; ++i)
                    s[i] = srcRow[g.SrcX(r.Left + i)];
            else
                for (int i = 0; i < n; ++i)
                    s[i] = in.GetPixel(g.SrcX(r.Left + i), g.SrcY(y));
            out.ReadRow(r.Left, y, n, row);
            for (int i = 0; i < n; ++i)
                row[i] = perPixel ? BlendPremultiplied(c == 255 ? s[i] : ScalePixel(s[i], c), row[i])
                                  : BlendConstant(s[i], row[i], c);
            out.WriteRow(r.Left, y, n, row);
        }
    });
    return true;
}
