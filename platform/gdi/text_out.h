// Text output. Text is 8-bit in the system code page; coordinates and
// advances are logical. The DC's text alignment places the reference
// point, its text and background colours and background mode paint, its
// character extra spaces the characters, and its clip region limits.
//
// Glyphs are anti-aliased: each pixel mixes the text colour into what is
// there by the glyph's coverage. Like every other drawing call of this
// engine, text writes 0 into the alpha byte of the 32-bit pixels it
// touches (glyph pixels and the opaque background); code that needs alpha
// sets it afterwards. On a monochrome surface a pixel takes the text
// colour where the coverage is at least half.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/text_font.h"

inline constexpr unsigned ETO_OPAQUE = 0x0002;   // fill the rectangle with the background colour first
inline constexpr unsigned ETO_CLIPPED = 0x0004;  // draw nothing outside the rectangle

bool TextOut(HDC DC, int X, int Y, const char* Text, int Count);
// Dx, when given, holds one advance per byte of the text: the next
// character starts that far on, and a double-byte character advances by
// the sum of its two entries. With Dx the DC's character extra is not
// added. R may be null when the options name no rectangle.
bool ExtTextOut(HDC DC, int X, int Y, unsigned Options, const TRect* R, const char* Text, int Count, const int* Dx);

// The drawing behind the text calls: characters with one logical advance
// each (CharDx, or the font's advances plus the character extra when it is
// null).
bool PaintText(TDeviceContext& DC, int X, int Y, unsigned Options, const TRect* R, const std::vector<TTextChar>& Chars,
               const int* CharDx);
