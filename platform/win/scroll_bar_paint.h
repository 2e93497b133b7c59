// The default look of a scroll bar, for the window's own bars and for
// scroll-bar controls alike.
#pragma once

#include "platform/win/scroll_bar_layout.h"

// Draws the bar filling Bar: arrows, track and thumb; Pressed shows as held
// down. Flat draws the buttons without the outer 3D edge.
void DrawScrollBar(HDC DC, const TRect& Bar, bool Vertical, const TScrollBarState& State, bool Flat,
                   TScrollBarPart Pressed);
