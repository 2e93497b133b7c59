// Coordinates between windows and the screen, and which window lies under
// a point.
#pragma once

#include "platform/base/geometry.h"
#include "platform/win/win_types.h"

bool ClientToScreen(HWND Window, TPoint* Point);
bool ScreenToClient(HWND Window, TPoint* Point);
// Maps points from From's client coordinates to To's (0 is the screen) and
// answers the offset added, x in the low and y in the high word.
int MapWindowPoints(HWND From, HWND To, TPoint* Points, UINT Count);
int MapWindowPoints(HWND From, HWND To, TRect* Rect);

// The deepest visible window under a screen point. Each candidate is asked
// WM_NCHITTEST; one that answers HTTRANSPARENT passes the point on to the
// windows below it. A disabled window is found but not searched further.
// Layered windows with WS_EX_TRANSPARENT, and points outside a window
// region, miss.
HWND WindowFromPoint(TPoint Point);
// The child of Parent under a point in Parent's client coordinates, Parent
// itself when no child is there, 0 when the point is outside Parent.
HWND ChildWindowFromPointEx(HWND Parent, TPoint Point, UINT Flags);
inline HWND ChildWindowFromPoint(HWND Parent, TPoint Point) { return ChildWindowFromPointEx(Parent, Point, 0); }
