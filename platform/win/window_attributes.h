// Styles, ids, user data, text and the enabled, visible, minimized and
// maximized states of a window.
#pragma once

#include <string>

#include "platform/win/win_types.h"
#include "platform/base/ansi_string.h"

// GWL_STYLE, GWL_EXSTYLE, GWL_ID, GWL_USERDATA, GWL_HWNDPARENT (the owner).
// Changing a style sends WM_STYLECHANGING and WM_STYLECHANGED but moves
// nothing: a new frame takes effect with SetWindowPos(SWP_FRAMECHANGED).
// WS_EX_TOPMOST only changes through SetWindowPos. Setting answers the old
// value; both answer 0 for a stale handle or an unknown index.
LONG_PTR GetWindowLongPtr(HWND Window, int Index);
LONG_PTR SetWindowLongPtr(HWND Window, int Index, LONG_PTR Value);
inline LONG GetWindowLong(HWND Window, int Index) { return static_cast<LONG>(GetWindowLongPtr(Window, Index)); }
inline LONG SetWindowLong(HWND Window, int Index, LONG Value)
{
    return static_cast<LONG>(SetWindowLongPtr(Window, Index, Value));
}

// Through WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH, so a window can
// answer with text of its own. GetWindowText copies at most Size - 1 bytes
// and never the first byte of a double-byte character without its second.
bool SetWindowText(HWND Window, const char* Text);
int GetWindowText(HWND Window, char* Buffer, int Size);
int GetWindowTextLength(HWND Window);
AnsiString GetWindowText(HWND Window);

// WS_VISIBLE on the window and all its ancestors.
bool IsWindowVisible(HWND Window);
bool IsWindowEnabled(HWND Window);
// Sends WM_ENABLE when the state changes; answers whether the window was
// disabled before.
bool EnableWindow(HWND Window, bool Enable);
bool IsIconic(HWND Window);
bool IsZoomed(HWND Window);
