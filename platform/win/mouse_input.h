// Mouse messages.
//
// A mouse message goes to the window holding the capture (see capture.h),
// else to the deepest visible window under the cursor, which is first
// asked WM_NCHITTEST. Over the client area it is a client message
// (WM_MOUSEMOVE, WM_LBUTTONDOWN ...; wParam: MK_ flags, lParam: client
// coordinates); elsewhere its non-client twin (WM_NCMOUSEMOVE ...;
// wParam: the hit code, whatever the window answered; lParam: screen
// coordinates). Before it, the window gets WM_SETCURSOR (wParam: the
// window, lParam: hit code and the client message number), and a press
// on a window that is not the active window first gets WM_MOUSEACTIVATE
// (wParam: the top-level window, lParam: the same), whose answer decides
// whether the top-level window is activated (WA_CLICKACTIVE) and whether
// the press is delivered. A press on a disabled window (HTERROR) or on
// nothing (HTNOWHERE) is dropped after WM_SETCURSOR.
//
// A second press of the same button on the same window and area within
// GetDoubleClickTime of the first and within SM_CXDOUBLECLK x
// SM_CYDOUBLECLK of it arrives as a double click (WM_LBUTTONDBLCLK ...),
// in the client area only for classes with CS_DBLCLKS; so a double click
// arrives as down, up, double-click, up, and a third press starts over.
//
// The wheel goes to the window with the focus (else the active window) as
// WM_MOUSEWHEEL (wParam: MK_ flags and, in the high word, the signed
// delta; lParam: screen coordinates); DefWindowProc passes it on to the
// parent of a child window. A sideways wheel comes the same way as
// WM_MOUSEHWHEEL, its delta positive to the right.
#pragma once

#include "platform/win/win_types.h"

enum : WPARAM {
    MK_LBUTTON = 0x0001,
    MK_RBUTTON = 0x0002,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
    MK_MBUTTON = 0x0010,
};

constexpr int WHEEL_DELTA = 120;
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM Value) { return static_cast<int16_t>(HIWORD(Value)); }
constexpr WORD GET_KEYSTATE_WPARAM(WPARAM Value) { return LOWORD(Value); }

// Mouse-leave tracking: after TrackMouseEvent(TME_LEAVE) the window gets
// one WM_MOUSELEAVE when the mouse messages stop coming to its client area
// (with TME_NONCLIENT: one WM_NCMOUSELEAVE when they stop coming to its
// frame), posted at once when they don't come there now. A window holding
// the capture keeps getting them, so it is not left until it lets go.
// TME_CANCEL ends the tracking instead.
enum : DWORD {
    TME_LEAVE = 0x00000002,
    TME_NONCLIENT = 0x00000010,
    TME_CANCEL = 0x80000000,
};

struct TRACKMOUSEEVENT {
    DWORD cbSize = sizeof(TRACKMOUSEEVENT);
    DWORD dwFlags = 0;
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = 0;  // hover tracking is not offered
};

bool TrackMouseEvent(TRACKMOUSEEVENT* Event);
