// The tip of a notification-area icon, for areas that leave showing it to
// the program (the freedesktop system tray): a small window of the info
// colours with the tip's text, near the pointer and inside the screen.
#pragma once

#include "platform/base/ansi_string.h"
#include "platform/base/geometry.h"
#include "platform/win/win_types.h"

// Shows Tip (GBK) below and right of the pointer at Near, or above it
// where the screen ends; an empty tip hides the window.
void ShowTrayTip(const AnsiString& Tip, TPoint Near);
void HideTrayTip();
// The tip's window while it is shown, else 0.
HWND TrayTipWindow();
