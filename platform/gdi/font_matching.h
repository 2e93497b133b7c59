// From the face names programs ask for to the fonts installed here. The
// names of the other desktop ("Courier New", "MS Sans Serif", "宋体" ...)
// go through one substitution table to a generic family, then fontconfig
// picks the installed face; other names go to fontconfig as they are.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/code_page.h"
#include "platform/gdi/font.h"

// Where a face's outlines are, and what must be synthesised because the
// installed face lacks the weight or slant asked for.
struct TFaceSource {
    std::string File;  // UTF-8 path; empty when nothing was found
    int Index = 0;     // the face within a collection file
    bool Embolden = false;
    bool Oblique = false;
    bool FixedPitch = false;
    AnsiString Family;  // GBK

    bool Found() const { return !File.empty(); }
};

// The installed face for a logical font. A fixed-pitch request always gets
// a fixed-pitch face, whatever its name.
TFaceSource MatchFace(const LOGFONT& Log);
// An installed face that has a glyph for the code point, for text that the
// matched face cannot show (Chinese in a Latin face); not Found() when no
// installed face has it.
TFaceSource FallbackFace(char32_t Code, int32_t Weight, bool Italic);

// A font family the font dialogs can offer.
struct TFontFamily {
    AnsiString FaceName;     // GBK
    uint8_t PitchAndFamily;  // as in LOGFONT: FIXED_PITCH or VARIABLE_PITCH, and an FF_ family
    uint8_t CharSet;         // GB2312_CHARSET for faces that cover Chinese, else ANSI_CHARSET
    bool TrueType;           // an outline face, drawable at any size
};

// The installed families and the substituted names that lead to them,
// sorted by name without case, each once.
std::vector<TFontFamily> GetFontFamilies();
