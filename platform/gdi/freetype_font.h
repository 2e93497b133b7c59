// Fonts drawn from installed outline faces through FreeType: anti-aliased
// glyphs, bold and slant synthesised where the face has none, and a glyph
// from another installed face for each code point the matched face lacks.
//
// Metrics follow the other desktop's rules, so that sizes in stored
// settings give the sizes they gave there: a negative height is the em, a
// positive height the cell (the face's usWinAscent plus usWinDescent); the
// average width is the face's own; advances are whole pixels.
#pragma once

#include <memory>
#include <string>

#include "platform/gdi/font_instance.h"

std::unique_ptr<TFontInstance> CreateFreeTypeFontInstance(const TFontRequest& Request, int Quadrant);

// Whether every printable ASCII character of a face has the same advance:
// what makes a face fixed-pitch for programs that measure single-byte text,
// even when its double-byte characters are twice as wide.
bool HasFixedPitchAscii(const std::string& File, int Index);
