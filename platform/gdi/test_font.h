// The built-in test font "Tandril Test": exact metrics and box glyphs that
// need no font file, so layout and painting tests never depend on what
// fonts a machine has.
//
// At the default size (lfHeight 0, or 16 / -16) the cell is 8 x 16 pixels:
// ascent 13, descent 3, no leading. Other heights scale it: the cell height
// H is |lfHeight| (the em and the cell are the same), the descent H * 3 / 16,
// the cell width lfWidth or else H / 2.
//
// Glyphs, with W the cell width and the baseline at row Ascent of the cell:
// - a single-byte character (and a control character) is one cell wide,
//   any other character (every double-byte one) two cells: advance W or 2W;
// - no ink for control characters, the space, DEL and the ideographic space;
// - else the ink is a solid box from column 1 to the advance minus 1 (A = 1,
//   C = 1), from row 2 of the cell down to the baseline (exclusive);
// - bold (weight 600 and up) widens the box by one column to the right;
// - italic moves the box's rows above its middle row ((2 + Ascent) / 2 of
//   the cell) one column right;
// - underline is the row just below the baseline, strike-out the row
//   Ascent / 2 rows above that, across the whole text;
// - no anti-aliasing: coverage is 0 or 255.
// It is a fixed-pitch font (average = maximum width = W) that reports the
// modern family and is not an outline face.
#pragma once

#include <memory>

#include "platform/gdi/font_instance.h"

inline constexpr const char* kTestFontName = "Tandril Test";
inline constexpr int kTestFontCellWidth = 8;
inline constexpr int kTestFontCellHeight = 16;
inline constexpr int kTestFontAscent = 13;
inline constexpr int kTestFontDescent = 3;

bool IsTestFontName(const char* FaceName);
// Whether every font is drawn as the test font: the environment variable
// TANDRIL_TEST_FONT=1, read once, which lets a built program's pictures be
// compared with golden ones whatever fonts the machine has.
bool EveryFontIsTestFont();
std::unique_ptr<TFontInstance> CreateTestFontInstance(const TFontRequest& Request, int Quadrant);
