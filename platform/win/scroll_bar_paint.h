// The default look of a scroll bar, for the window's own bars and for
// scroll-bar controls alike.
#pragma once

#include "platform/gdi/gdi_object.h"
#include "platform/win/scroll_bar_layout.h"

enum class TArrowGlyph { Up, Down, Left, Right };

// A solid triangle pointing the arrow's way, centred in R (one pixel down
// and right when Pressed), a quarter of R's smaller side wide, in the
// system colour of ColorIndex. Scroll bars, combo boxes and menus share it.
void DrawArrowGlyph(HDC DC, const TRect& R, TArrowGlyph Arrow, int ColorIndex, bool Pressed);

// Draws the bar filling Bar: arrows, track and thumb; Pressed shows as held
// down. Flat draws the buttons without the outer 3D edge.
void DrawScrollBar(HDC DC, const TRect& Bar, bool Vertical, const TScrollBarState& State, bool Flat,
                   TScrollBarPart Pressed);
