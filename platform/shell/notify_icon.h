// Shell_NotifyIconA: icons in the desktop's notification area, through the
// back end's area (on X11 the freedesktop system tray). Without a
// notification area every call answers false; when one appears anew, every
// top-level window hears the "TaskbarCreated" registered message.
#pragma once

#include "platform/win/win_types.h"

inline constexpr DWORD NIM_ADD = 0;
inline constexpr DWORD NIM_MODIFY = 1;
inline constexpr DWORD NIM_DELETE = 2;

inline constexpr UINT NIF_MESSAGE = 0x1;
inline constexpr UINT NIF_ICON = 0x2;
inline constexpr UINT NIF_TIP = 0x4;

// The balloon's click; no area here has balloons, so it never comes.
inline constexpr UINT NIN_BALLOONUSERCLICK = 0x405;

// The record's layout of its 488-byte form, with handles pointer-sized.
// The balloon fields are kept for the layout and not used.
struct NOTIFYICONDATAA {
    DWORD cbSize = sizeof(NOTIFYICONDATAA);
    HWND hWnd = nullptr;
    UINT uID = 0;
    UINT uFlags = 0;             // NIF_ flags: which fields below count
    UINT uCallbackMessage = 0;   // NIF_MESSAGE: posted to hWnd for pointer input on the icon
    HICON hIcon = nullptr;       // NIF_ICON
    char szTip[128] = {};        // NIF_TIP: GBK, NUL-terminated
    DWORD dwState = 0;
    DWORD dwStateMask = 0;
    char szInfo[256] = {};
    UINT uTimeout = 0;
    char szInfoTitle[64] = {};
    DWORD dwInfoFlags = 0;
};

// NIM_ADD puts the icon (hWnd, uID) into the area with the fields uFlags
// names; NIM_MODIFY changes those fields of an icon that is there;
// NIM_DELETE takes it away. False on failure: no area, an icon added twice
// or not there, a record whose cbSize is wrong or whose window is gone.
bool Shell_NotifyIconA(DWORD Message, const NOTIFYICONDATAA* Data);
