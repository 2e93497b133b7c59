// Sixteen bytes of a line compared in one instruction, for the scans that
// find what the regular-expression matcher needs in long runs of bytes.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// A comparison of chunks answers, in each byte, all ones where it holds
// and zero where it does not.
using TByteChunk = unsigned char __attribute__((vector_size(16)));
using TByteMarks = signed char __attribute__((vector_size(16)));

inline TByteChunk LoadByteChunk(const unsigned char* P)
{
    TByteChunk chunk;
    std::memcpy(&chunk, P, sizeof chunk);
    return chunk;
}

// One bit for each of the sixteen bytes of Marks, the first byte's lowest.
inline uint64_t BitsOf(TByteMarks Marks)
{
#if defined(__SSE2__)
    return static_cast<uint32_t>(_mm_movemask_epi8(reinterpret_cast<__m128i>(Marks)));
#else
    uint64_t halves[2];
    std::memcpy(halves, &Marks, sizeof halves);
    // The multiply gathers the high bits of the eight bytes into the top
    // byte, in order.
    const auto gather = [](uint64_t Half) {
        if constexpr (std::endian::native == std::endian::big)
            Half = __builtin_bswap64(Half);
        return (((Half & 0x8080808080808080u) >> 7) * 0x0102040810204080u) >> 56;
    };
    return gather(halves[0]) | gather(halves[1]) << 8;
#endif
}

// The sum of the sixteen bytes of Chunk.
inline size_t SumOfBytes(TByteChunk Chunk)
{
#if defined(__SSE2__)
    const auto halves = reinterpret_cast<__v2du>(_mm_sad_epu8(reinterpret_cast<__m128i>(Chunk), __m128i{}));
    return static_cast<size_t>(halves[0] + halves[1]);
#else
    size_t sum = 0;
    for (size_t at = 0; at < sizeof Chunk; ++at)
        sum += Chunk[at];
    return sum;
#endif
}
