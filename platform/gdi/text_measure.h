// Measuring text and asking about the DC's font. Results are in logical
// units of the DC's mapping. Widths of 8-bit text are per character: a
// double-byte character's width belongs to its lead byte.
#pragma once

#include <cstdint>

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"

// Bits of tmPitchAndFamily. As the other desktop has it, TMPF_FIXED_PITCH
// set means the font is NOT fixed-pitch.
inline constexpr uint8_t TMPF_FIXED_PITCH = 0x01;
inline constexpr uint8_t TMPF_VECTOR = 0x02;
inline constexpr uint8_t TMPF_TRUETYPE = 0x04;
inline constexpr uint8_t TMPF_DEVICE = 0x08;

struct TEXTMETRIC {
    int32_t tmHeight = 0;
    int32_t tmAscent = 0;
    int32_t tmDescent = 0;
    int32_t tmInternalLeading = 0;
    int32_t tmExternalLeading = 0;
    int32_t tmAveCharWidth = 0;
    int32_t tmMaxCharWidth = 0;  // of the single-byte characters
    int32_t tmWeight = 0;
    int32_t tmOverhang = 0;  // 0: bold and italic never widen the advances measured here
    int32_t tmDigitizedAspectX = 96;
    int32_t tmDigitizedAspectY = 96;
    uint8_t tmFirstChar = 0x20;
    uint8_t tmLastChar = 0xFF;
    uint8_t tmDefaultChar = 0x1F;
    uint8_t tmBreakChar = 0x20;
    uint8_t tmItalic = 0;
    uint8_t tmUnderlined = 0;
    uint8_t tmStruckOut = 0;
    uint8_t tmPitchAndFamily = 0;  // TMPF_* bits and the FF_* family
    uint8_t tmCharSet = 0;         // DEFAULT_CHARSET resolves to GB2312_CHARSET, our code page's
};

struct ABC {
    int32_t abcA = 0;
    uint32_t abcB = 0;
    int32_t abcC = 0;
};

// GetFontLanguageInfo.
inline constexpr unsigned GCP_DBCS = 0x0001;
inline constexpr unsigned GCP_ERROR = 0x8000;

bool GetTextMetrics(HDC DC, TEXTMETRIC* Metrics);
// The width of the text with the DC's character extra, and the font's
// cell height.
bool GetTextExtentPoint32(HDC DC, const char* Text, int Count, TSize* Size);
bool GetTextExtentPoint32W(HDC DC, const char16_t* Text, int Count, TSize* Size);
// As GetTextExtentPoint32, and also: Dx (when given) receives for every
// byte the width of the text up to the end of that byte's character; Fit
// (when given) the number of bytes of the whole characters that fit in
// MaxExtent.
bool GetTextExtentExPoint(HDC DC, const char* Text, int Count, int MaxExtent, int* Fit, int* Dx, TSize* Size);
// Codes below 256 are single bytes; a double-byte character is given as
// lead byte * 256 + trail byte. A code that does not decode measures as
// the font's default glyph. Neither call adds the character extra.
bool GetCharABCWidths(HDC DC, unsigned First, unsigned Last, ABC* Widths);
bool GetCharWidth(HDC DC, unsigned First, unsigned Last, int* Widths);
bool GetCharWidth32(HDC DC, unsigned First, unsigned Last, int* Widths);
// GCP_DBCS when the font's character set is a double-byte one (the system
// default counts as ours, GBK); GCP_ERROR for a bad DC.
unsigned GetFontLanguageInfo(HDC DC);
// Copies the name of the face the DC's font is drawn with (GBK, zero-
// terminated, cut to Count bytes) and answers the bytes copied including
// the zero; with no buffer, the size needed.
int GetTextFace(HDC DC, int Count, char* FaceName);
