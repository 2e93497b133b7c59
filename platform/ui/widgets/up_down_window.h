// The "msctls_updown32" window class: two arrow buttons that step a
// position through a range and tell the parent of every step.
#pragma once

#include "platform/base/geometry.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_types.h"

inline constexpr char UPDOWN_CLASS[] = "msctls_updown32";

// Window styles of the class.
inline constexpr DWORD UDS_WRAP = 0x0001;  // stepping past one end lands on the other
inline constexpr DWORD UDS_HORZ = 0x0040;  // arrows left and right, WM_HSCROLL to the parent

inline constexpr UINT UDM_SETACCEL = WM_USER + 107;    // WParam 1, LParam the UDACCEL
inline constexpr UINT UDM_SETRANGE32 = WM_USER + 111;  // WParam the low end, LParam the high end
inline constexpr UINT UDM_GETRANGE32 = WM_USER + 112;  // WParam and LParam point to ints
inline constexpr UINT UDM_SETPOS32 = WM_USER + 113;    // answers the old position
inline constexpr UINT UDM_GETPOS32 = WM_USER + 114;

// One step of the arrows; nSec is kept for the record layout, the step
// stays the same however long an arrow is held.
struct UDACCEL {
    UINT nSec = 0;
    UINT nInc = 1;
};

// Registers the class on first use; true when it is there.
bool RegisterUpDownClass();

// The arrow of an up-down of Size under Point: +1 for up or right, -1 for
// down or left, 0 outside.
int UpDownArrowAt(TSize Size, bool Horizontal, TPoint Point);
