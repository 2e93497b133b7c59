// The headless notification area, for tests: it records the icons the
// program puts there and lets a test play the user's pointer on them, or
// take the area away and bring it back as a restarted panel would.
#pragma once

#include "platform/win/headless_backend.h"

// The icon of Window and Id in the running headless back end's area, or
// nullptr.
const TBackendTrayIcon* HeadlessTrayIcon(HWND Window, UINT Id);
// The pointer did Message (WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONUP
// ...) on the icon at Screen; false when the icon is not there. The
// callback message waits in the queue until the message loop runs.
bool InjectTrayMouse(HWND Window, UINT Id, UINT Message, TPoint Screen);
