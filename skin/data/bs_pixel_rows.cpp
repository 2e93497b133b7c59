#include "skin/data/bs_pixel_rows.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

uint32_t BlendPixelPlain(uint32_t Src, uint32_t Dst)
{
    uint32_t a = Src >> 24;
    if (a == 255)
        return Src;
    if (a == 0)
        return Dst;
    uint32_t na = 255 - a;
    // Red and blue share one multiply: each lane's sum stays below 65536, so
    // it never carries into the other.
    uint32_t rb = (((Src & 0xFF00FF) * a + (Dst & 0xFF00FF) * na) >> 8) & 0xFF00FF;
    uint32_t g = (((Src & 0xFF00) * a + (Dst & 0xFF00) * na) >> 8) & 0xFF00;
    return 0xFF000000 | rb | g;
}

uint32_t BlendPixelVector(uint32_t Src, uint32_t Dst)
{
    uint32_t a = Src >> 24;
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        uint32_t s = (Src >> shift) & 0xFF;
        uint32_t d = (Dst >> shift) & 0xFF;
        result |= ((s * a + d * (256 - a)) >> 8) << shift;
    }
    return result;
}

void BlendRowPlain(const uint32_t* Src, uint32_t* Dst, int Count)
{
    for (int i = 0; i < Count; ++i)
        Dst[i] = BlendPixelPlain(Src[i], Dst[i]);
}

void BlendRowVector(const uint32_t* Src, uint32_t* Dst, int Count)
{
    int i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(255);
    for (; i + 4 <= Count; i += 4) {
        __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Src + i));
        __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Dst + i));
        __m128i a = _mm_srli_epi32(s, 24);
        __m128i full = _mm_cmpeq_epi32(a, opaque);
        // Each pixel's alpha in all four 16-bit lanes of that pixel.
        __m128i a2 = _mm_or_si128(a, _mm_slli_epi32(a, 16));
        __m128i aLo = _mm_unpacklo_epi32(a2, a2);
        __m128i aHi = _mm_unpackhi_epi32(a2, a2);
        __m128i sLo = _mm_unpacklo_epi8(s, zero);
        __m128i sHi = _mm_unpackhi_epi8(s, zero);
        __m128i dLo = _mm_unpacklo_epi8(d, zero);
        __m128i dHi = _mm_unpackhi_epi8(d, zero);
        // d * 256 + (s - d) * a lies in 0..65280, so the 16-bit lanes hold it
        // exactly once read as unsigned, whatever the wrap on the way.
        __m128i rLo = _mm_add_epi16(_mm_slli_epi16(dLo, 8), _mm_mullo_epi16(_mm_sub_epi16(sLo, dLo), aLo));
        __m128i rHi = _mm_add_epi16(_mm_slli_epi16(dHi, 8), _mm_mullo_epi16(_mm_sub_epi16(sHi, dHi), aHi));
        rLo = _mm_srli_epi16(rLo, 8);
        rHi = _mm_srli_epi16(rHi, 8);
        __m128i r = _mm_packus_epi16(rLo, rHi);
        // Alpha 0 gives d by the formula itself; alpha 255 must give s.
        r = _mm_or_si128(_mm_and_si128(full, s), _mm_andnot_si128(full, r));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(Dst + i), r);
    }
#endif
    for (; i < Count; ++i) {
        uint32_t a = Src[i] >> 24;
        if (a == 255)
            Dst[i] = Src[i];
        else if (a != 0)
            Dst[i] = BlendPixelVector(Src[i], Dst[i]);
    }
}

void CopyRowKeyed(const uint32_t* Src, uint32_t* Dst, int Count)
{
    for (int i = 0; i < Count; ++i)
        if ((Src[i] & kPixelColorBits) != (kKeyPixel & kPixelColorBits))
            Dst[i] = Src[i] | 0xFF000000;
}

void CopyRow(const uint32_t* Src, uint32_t* Dst, int Count)
{
    if (Count > 0 && Src != Dst)
        std::memmove(Dst, Src, static_cast<size_t>(Count) * sizeof(uint32_t));
}

void FillRow(uint32_t* Dst, int Count, uint32_t Value)
{
    if (Count > 0)
        std::fill_n(Dst, Count, Value);
}

void FillRectBits(uint32_t* Bits, int RowLength, uint32_t Value, int Left, int Top, int Right, int Bottom)
{
    for (int y = Top; y <= Bottom; ++y)
        FillRow(Bits + static_cast<ptrdiff_t>(y) * RowLength + Left, Right - Left + 1, Value);
}

void SetAlphaRow(uint32_t* Dst, int Count, uint8_t Alpha)
{
    uint32_t alpha = uint32_t(Alpha) << 24;
    for (int i = 0; i < Count; ++i)
        Dst[i] = (Dst[i] & kPixelColorBits) | alpha;
}

void SetAlphaRectBits(uint32_t* Bits, int RowLength, uint8_t Alpha, int Left, int Top, int Right, int Bottom)
{
    for (int y = Top; y <= Bottom; ++y)
        SetAlphaRow(Bits + static_cast<ptrdiff_t>(y) * RowLength + Left, Right - Left + 1, Alpha);
}

void ClearKeyAlpha(uint32_t* Dst, int Count, uint32_t Color)
{
    uint32_t key = Color & kPixelColorBits;
    for (int i = 0; i < Count; ++i)
        if ((Dst[i] & kPixelColorBits) == key)
            Dst[i] = key;
}

bool HasMMX()
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_cpu_init();
    return __builtin_cpu_supports("sse2");
#else
    return false;
#endif
}
