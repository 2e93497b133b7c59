// Mouse capture. While a window holds the capture every mouse message goes
// to it as a client-area message in its client coordinates, wherever the
// cursor is: over its frame, over another window or outside every window.
// It gets no WM_NCHITTEST, WM_SETCURSOR or WM_MOUSEACTIVATE meanwhile.
// The window that loses the capture hears WM_CAPTURECHANGED (lParam: the
// new holder, or 0). A window that is disabled or destroyed loses it, and
// DefWindowProc's WM_CANCELMODE releases it.
#pragma once

#include "platform/win/win_types.h"

// Answers the previous holder. A stale handle changes nothing and answers 0.
HWND SetCapture(HWND Window);
bool ReleaseCapture();
HWND GetCapture();
