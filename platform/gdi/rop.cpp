#include "platform/gdi/rop.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

namespace {

// Any ternary operation, minterm by minterm.
inline uint32_t GenericRop3(uint8_t code, uint32_t p, uint32_t s, uint32_t d)
{
    uint32_t r = 0;
    for (int i = 0; i < 8; ++i)
        if (code & (1 << i))
            r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    return r;
}

template <typename F>
void Loop(const uint32_t* src, const uint32_t* pat, uint32_t* dst, int n, F f)
{
    for (int i = 0; i < n; ++i)
        dst[i] = f(pat ? pat[i] : 0, src ? src[i] : 0, dst[i]);
}

inline uint32_t GenericRop2(int rop2, uint32_t p, uint32_t d)
{
    unsigned table = static_cast<unsigned>(rop2 - 1);
    uint32_t r = 0;
    for (int i = 0; i < 4; ++i)
        if (table & (1u << i))
            r |= ((i & 2) ? p : ~p) & ((i & 1) ? d : ~d);
    return r & kColorBits;
}

}  // namespace

void ApplyRop3Row(uint8_t Code, const uint32_t* Src, const uint32_t* Pat, uint32_t* Dst, int Count)
{
    const uint32_t c = kColorBits;
    switch (Code) {
    case 0xCC:  // SRCCOPY
        std::memmove(Dst, Src, static_cast<size_t>(Count) * 4);
        return;
    case 0xAA:  // D: nothing to do
        return;
    case 0x88:
        return Loop(Src, Pat, Dst, Count, [](uint32_t, uint32_t s, uint32_t d) { return s & d; });
    case 0xEE:
        return Loop(Src, Pat, Dst, Count, [](uint32_t, uint32_t s, uint32_t d) { return s | d; });
    case 0x66:
        return Loop(Src, Pat, Dst, Count, [](uint32_t, uint32_t s, uint32_t d) { return s ^ d; });
    case 0x44:
        return Loop(Src, Pat, Dst, Count, [](uint32_t, uint32_t s, uint32_t d) { return s & ~d; });
    case 0x33:
        return Loop(Src, Pat, Dst, Count, [](uint32_t, uint32_t s, uint32_t) { return ~s; });
    case 0x11:
        return Loop(Src, Pat, Dst, Count, [](uint32_t, uint32_t s, uint32_t d) { return ~(s | d); });
    case 0xC0:
        return Loop(Src, Pat, Dst, Count, [](uint32_t p, uint32_t s, uint32_t) { return p & s; });
    case 0xBB:
        return Loop(Src, Pat, Dst, Count, [](uint32_t, uint32_t s, uint32_t d) { return ~s | d; });
    case 0xF0:
        return Loop(Src, Pat, Dst, Count, [c](uint32_t p, uint32_t, uint32_t) { return p & c; });
    case 0xFB:
        return Loop(Src, Pat, Dst, Count, [](uint32_t p, uint32_t s, uint32_t d) { return p | ~s | d; });
    case 0x5A:
        return Loop(Src, Pat, Dst, Count, [c](uint32_t p, uint32_t, uint32_t d) { return (p ^ d) & c; });
    case 0x55:
        return Loop(Src, Pat, Dst, Count, [c](uint32_t, uint32_t, uint32_t d) { return ~d & c; });
    case 0x00:
        std::fill_n(Dst, Count, 0u);
        return;
    case 0xFF:
        std::fill_n(Dst, Count, c);
        return;
    }
    uint32_t mask = Rop3UsesSource(Code) ? 0xFFFFFFFFu : c;
    Loop(Src, Pat, Dst, Count, [Code, mask](uint32_t p, uint32_t s, uint32_t d) {
        return GenericRop3(Code, p, s, d) & mask;
    });
}

void ApplyRop2Row(int Rop2, uint32_t Pen, uint32_t* Dst, int Count)
{
    switch (Rop2) {
    case R2_NOP:
        return;
    case R2_COPYPEN:
        std::fill_n(Dst, Count, Pen & kColorBits);
        return;
    case R2_XORPEN:
        for (int i = 0; i < Count; ++i)
            Dst[i] = (Dst[i] ^ Pen) & kColorBits;
        return;
    case R2_NOT:
        for (int i = 0; i < Count; ++i)
            Dst[i] = ~Dst[i] & kColorBits;
        return;
    }
    for (int i = 0; i < Count; ++i)
        Dst[i] = GenericRop2(Rop2, Pen, Dst[i]);
}

void ApplyRop2PatternRow(int Rop2, const uint32_t* Pat, uint32_t* Dst, int Count)
{
    if (Rop2 == R2_NOP)
        return;
    for (int i = 0; i < Count; ++i)
        Dst[i] = GenericRop2(Rop2, Pat[i], Dst[i]);
}
