// The font lists of the options dialog: the fixed-pitch families its name
// boxes offer, and the point sizes its size box offers for a family (the
// standard list for an outline family, the sizes a bitmap family has).
#pragma once

#include <cstdint>

#include "platform/base/ansi_string.h"

class TStrings;
struct TEXTMETRIC;

// Takes one enumerated entry of a family into Sizes (kept in ascending
// numeric order, each size once): an outline family gives the 18 standard
// sizes and ends the enumeration (false); a bitmap entry gives its size in
// points at PixelsPerInch.
bool AddEnumeratedSizes(TStrings* Sizes, const TEXTMETRIC& Metrics, uint32_t FontType, int PixelsPerInch);

// Sizes gets the sizes of Family on the screen, and nothing else.
void ListFontSizes(const AnsiString& Family, TStrings* Sizes);

// The installed fixed-pitch families, sorted by name: the editor lays text
// out on a grid of cells.
void ListFixedPitchFamilies(TStrings* Families);
