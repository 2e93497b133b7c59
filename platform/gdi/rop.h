// Raster operations. A ternary raster operation (ROP3) combines pattern P,
// source S and destination D bit by bit; its code byte is the truth table,
// bit (P << 2 | S << 1 | D). A binary one (ROP2, R2_*) combines pen and D.
//
// Alpha: the operations work on all 32 bits of a pixel, and the pattern
// and pen colours carry alpha 0. An operation that reads the source
// keeps what the bits give (SRCCOPY copies alpha exactly); one that does
// not read the source leaves alpha 0, as a fill does.
#pragma once

#include <cstdint>

enum : uint32_t {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
    SRCERASE = 0x00440328,
    NOTSRCCOPY = 0x00330008,
    NOTSRCERASE = 0x001100A6,
    MERGECOPY = 0x00C000CA,
    MERGEPAINT = 0x00BB0226,
    PATCOPY = 0x00F00021,
    PATPAINT = 0x00FB0A09,
    PATINVERT = 0x005A0049,
    DSTINVERT = 0x00550009,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
};

constexpr uint8_t Rop3Code(uint32_t Rop) { return static_cast<uint8_t>(Rop >> 16); }
constexpr bool Rop3UsesSource(uint8_t Code) { return ((Code >> 2) & 0x33) != (Code & 0x33); }
constexpr bool Rop3UsesPattern(uint8_t Code) { return ((Code >> 4) & 0x0F) != (Code & 0x0F); }
constexpr bool Rop3UsesDest(uint8_t Code) { return ((Code >> 1) & 0x55) != (Code & 0x55); }

// Dst[i] = op(Pat[i], Src[i], Dst[i]). Src may be null when the operation
// does not read it, Pat when it does not read the pattern.
void ApplyRop3Row(uint8_t Code, const uint32_t* Src, const uint32_t* Pat, uint32_t* Dst, int Count);
// Dst[i] = op(Pen, Dst[i]) for an R2_* code; R2_NOP changes nothing.
void ApplyRop2Row(int Rop2, uint32_t Pen, uint32_t* Dst, int Count);
void ApplyRop2PatternRow(int Rop2, const uint32_t* Pat, uint32_t* Dst, int Count);
