// Device contexts of windows. They draw on the backing bitmap of the
// window's top-level window, with the window's origin as the device
// origin, and only where the window can be seen: inside its parents'
// client areas and every window region on the way, outside siblings
// above it when it has WS_CLIPSIBLINGS and outside its own children when
// it has WS_CLIPCHILDREN. ReleaseDC shows what was drawn.
#pragma once

#include "platform/gdi/gdi_object.h"
#include "platform/win/win_types.h"

// The client area. Window 0 gives a DC of the screen that measures and
// selects but draws nothing.
HDC GetDC(HWND Window);
// The whole window, frame included.
HDC GetWindowDC(HWND Window);
// Answers false for a DC that is not the window's.
bool ReleaseDC(HWND Window, HDC DC);
