// Fonts by handle: the logical font a program asks for. What it looks like
// on a device (the installed face it maps to, its metrics and glyphs) is
// decided when text is drawn or measured (font_instance.h).
#pragma once

#include <cstdint>

#include "platform/gdi/gdi_object.h"

// Character sets.
inline constexpr uint8_t ANSI_CHARSET = 0;
inline constexpr uint8_t DEFAULT_CHARSET = 1;
inline constexpr uint8_t SYMBOL_CHARSET = 2;
inline constexpr uint8_t MAC_CHARSET = 77;
inline constexpr uint8_t SHIFTJIS_CHARSET = 128;
inline constexpr uint8_t HANGEUL_CHARSET = 129;
inline constexpr uint8_t HANGUL_CHARSET = 129;
inline constexpr uint8_t JOHAB_CHARSET = 130;
inline constexpr uint8_t GB2312_CHARSET = 134;
inline constexpr uint8_t CHINESEBIG5_CHARSET = 136;
inline constexpr uint8_t GREEK_CHARSET = 161;
inline constexpr uint8_t TURKISH_CHARSET = 162;
inline constexpr uint8_t VIETNAMESE_CHARSET = 163;
inline constexpr uint8_t HEBREW_CHARSET = 177;
inline constexpr uint8_t ARABIC_CHARSET = 178;
inline constexpr uint8_t BALTIC_CHARSET = 186;
inline constexpr uint8_t RUSSIAN_CHARSET = 204;
inline constexpr uint8_t THAI_CHARSET = 222;
inline constexpr uint8_t EASTEUROPE_CHARSET = 238;
inline constexpr uint8_t OEM_CHARSET = 255;

// Weights.
inline constexpr int32_t FW_DONTCARE = 0;
inline constexpr int32_t FW_THIN = 100;
inline constexpr int32_t FW_EXTRALIGHT = 200;
inline constexpr int32_t FW_LIGHT = 300;
inline constexpr int32_t FW_NORMAL = 400;
inline constexpr int32_t FW_REGULAR = 400;
inline constexpr int32_t FW_MEDIUM = 500;
inline constexpr int32_t FW_SEMIBOLD = 600;
inline constexpr int32_t FW_BOLD = 700;
inline constexpr int32_t FW_EXTRABOLD = 800;
inline constexpr int32_t FW_HEAVY = 900;

// Pitch (bits 0-1) and family (bits 4-7) of lfPitchAndFamily. Bit 2 is the
// TrueType bit of the same byte in a font's text metrics (TMPF_TRUETYPE);
// a logical font keeps whatever the program put there.
inline constexpr uint8_t DEFAULT_PITCH = 0;
inline constexpr uint8_t FIXED_PITCH = 1;
inline constexpr uint8_t VARIABLE_PITCH = 2;
inline constexpr uint8_t PITCH_MASK = 3;
inline constexpr uint8_t FF_DONTCARE = 0x00;
inline constexpr uint8_t FF_ROMAN = 0x10;
inline constexpr uint8_t FF_SWISS = 0x20;
inline constexpr uint8_t FF_MODERN = 0x30;
inline constexpr uint8_t FF_SCRIPT = 0x40;
inline constexpr uint8_t FF_DECORATIVE = 0x50;
inline constexpr uint8_t FAMILY_MASK = 0xF0;

// Output precision, clip precision and quality: kept in the logical font,
// not used for matching.
inline constexpr uint8_t OUT_DEFAULT_PRECIS = 0;
inline constexpr uint8_t OUT_STRING_PRECIS = 1;
inline constexpr uint8_t OUT_CHARACTER_PRECIS = 2;
inline constexpr uint8_t OUT_STROKE_PRECIS = 3;
inline constexpr uint8_t OUT_TT_PRECIS = 4;
inline constexpr uint8_t OUT_DEVICE_PRECIS = 5;
inline constexpr uint8_t OUT_RASTER_PRECIS = 6;
inline constexpr uint8_t OUT_TT_ONLY_PRECIS = 7;
inline constexpr uint8_t OUT_OUTLINE_PRECIS = 8;
inline constexpr uint8_t CLIP_DEFAULT_PRECIS = 0;
inline constexpr uint8_t CLIP_CHARACTER_PRECIS = 1;
inline constexpr uint8_t CLIP_STROKE_PRECIS = 2;
inline constexpr uint8_t DEFAULT_QUALITY = 0;
inline constexpr uint8_t DRAFT_QUALITY = 1;
inline constexpr uint8_t PROOF_QUALITY = 2;
inline constexpr uint8_t NONANTIALIASED_QUALITY = 3;
inline constexpr uint8_t ANTIALIASED_QUALITY = 4;
inline constexpr uint8_t CLEARTYPE_QUALITY = 5;

inline constexpr int LF_FACESIZE = 32;

// The logical font, 60 bytes, compared byte for byte by the programs that
// share fonts. Heights are in logical units at 96 dpi: negative for the
// character height (the em), positive for the cell height, 0 for the
// default. The face name is GBK, zero-terminated.
struct LOGFONT {
    int32_t lfHeight = 0;
    int32_t lfWidth = 0;        // average character width; 0 keeps the face's proportions
    int32_t lfEscapement = 0;   // tenths of a degree, counter-clockwise; text turns by the nearest quarter turn
    int32_t lfOrientation = 0;
    int32_t lfWeight = FW_DONTCARE;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = ANSI_CHARSET;
    uint8_t lfOutPrecision = OUT_DEFAULT_PRECIS;
    uint8_t lfClipPrecision = CLIP_DEFAULT_PRECIS;
    uint8_t lfQuality = DEFAULT_QUALITY;
    uint8_t lfPitchAndFamily = DEFAULT_PITCH;
    char lfFaceName[LF_FACESIZE] = {};
};
static_assert(sizeof(LOGFONT) == 60);

class TGdiFont : public TGdiObject {
public:
    explicit TGdiFont(const LOGFONT& Log) : TGdiObject(OBJ_FONT), Log(Log) {}
    // GetObject gives the LOGFONT exactly as it was created.
    int Describe(int Size, void* Buffer) const override;

    const LOGFONT Log;
};

// The logical font behind a handle a DC holds (stock fonts included), or
// nullptr.
const LOGFONT* SelectedFontLog(HFONT Font);

HFONT CreateFontIndirect(const LOGFONT& Log);
HFONT CreateFont(int Height, int Width, int Escapement, int Orientation, int Weight, unsigned Italic,
                 unsigned Underline, unsigned StrikeOut, unsigned CharSet, unsigned OutPrecision,
                 unsigned ClipPrecision, unsigned Quality, unsigned PitchAndFamily, const char* FaceName);

// Puts the fonts of this layer behind the stock font handles (SYSTEM_FONT,
// DEFAULT_GUI_FONT, ANSI_VAR_FONT, ANSI_FIXED_FONT and the rest). Runs once;
// every font call makes sure it has run.
void InstallStockFonts();
