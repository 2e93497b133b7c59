// What the back ends' notification areas hand to the program: pointer input
// on an icon, as the icon's callback message, and the news that a
// notification area appeared anew.
#pragma once

#include "platform/win/backend.h"

// The pointer did Message (WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK
// ...) over Icon at Screen: the cursor is there now, and Icon's window gets
// its callback message posted with wParam the icon's id and lParam Message.
// Nothing is posted for an icon without a callback message.
void TrayIconMouse(const TBackendTrayIcon& Icon, UINT Message, TPoint Screen);

// A notification area appeared where there was none, or another took the
// old one's place, with none of the program's icons: every top-level
// window hears the "TaskbarCreated" message, so that it adds its icons again.
void TrayCreated();
