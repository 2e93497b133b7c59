// Formatted text in a rectangle: lines, word wrap, alignment, tabs,
// accelerator prefixes and ellipses.
//
// - Lines end at CR, LF, CR LF or LF CR (one break each), except with
//   DT_SINGLELINE; a break at the very end adds no empty line, and empty
//   text has no lines (one empty line with DT_SINGLELINE).
// - DT_WORDBREAK wraps a line that is wider than the rectangle after a
//   run of spaces (which is dropped) or on either side of a double-byte
//   character, never inside one; a word with no place to break stays whole
//   and sticks out.
// - '&' underlines the next character as an accelerator and "&&" stands
//   for one '&', unless DT_NOPREFIX; DT_HIDEPREFIX drops the '&' without
//   underlining.
// - DT_VCENTER and DT_BOTTOM place a DT_SINGLELINE line; other text starts
//   at the top.
// - DT_END_ELLIPSIS cuts a line that is too wide and ends it with "...";
//   DT_PATH_ELLIPSIS puts the "..." before the last '/' or '\' instead.
// - DT_CALCRECT draws nothing: the rectangle keeps its top-left corner and
//   becomes as wide as the widest line and as high as the lines. Drawn into
//   with the same flags, that rectangle gives the same lines (when a word
//   sticks out, the rectangle grows to it and the lines are laid out again
//   at that width).
// - Without DT_NOCLIP nothing is drawn outside the rectangle.
// - The DC's text alignment is not used; its background mode and colours
//   are.
// The result is the height of the text, or for a DT_VCENTER or DT_BOTTOM
// single line the distance from the rectangle's top to the text's bottom;
// 0 on failure.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"

inline constexpr unsigned DT_TOP = 0x00000000;
inline constexpr unsigned DT_LEFT = 0x00000000;
inline constexpr unsigned DT_CENTER = 0x00000001;
inline constexpr unsigned DT_RIGHT = 0x00000002;
inline constexpr unsigned DT_VCENTER = 0x00000004;
inline constexpr unsigned DT_BOTTOM = 0x00000008;
inline constexpr unsigned DT_WORDBREAK = 0x00000010;
inline constexpr unsigned DT_SINGLELINE = 0x00000020;
inline constexpr unsigned DT_EXPANDTABS = 0x00000040;  // tab stops every 8 average character widths
inline constexpr unsigned DT_NOCLIP = 0x00000100;
inline constexpr unsigned DT_EXTERNALLEADING = 0x00000200;  // lines are spaced by the font's external leading too
inline constexpr unsigned DT_CALCRECT = 0x00000400;
inline constexpr unsigned DT_NOPREFIX = 0x00000800;
inline constexpr unsigned DT_EDITCONTROL = 0x00002000;  // with DT_WORDBREAK, a word wider than the line breaks between characters
inline constexpr unsigned DT_PATH_ELLIPSIS = 0x00004000;
inline constexpr unsigned DT_END_ELLIPSIS = 0x00008000;
inline constexpr unsigned DT_RTLREADING = 0x00020000;  // accepted; text is drawn left to right
inline constexpr unsigned DT_HIDEPREFIX = 0x00100000;

// Count -1 takes the text up to its terminating zero.
int DrawText(HDC DC, const char* Text, int Count, TRect* R, unsigned Format);
int DrawTextW(HDC DC, const char16_t* Text, int Count, TRect* R, unsigned Format);
