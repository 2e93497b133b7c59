// The "SysHeader32" window class and the header messages it answers.
#pragma once

#include "platform/base/geometry.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_types.h"

inline constexpr char WC_HEADER[] = "SysHeader32";

inline constexpr UINT HDM_FIRST = 0x1200;
inline constexpr UINT HDM_GETITEMCOUNT = HDM_FIRST + 0;  // answers the number of columns
inline constexpr UINT HDM_HITTEST = HDM_FIRST + 6;       // LParam HDHITTESTINFO*: answers the column or -1
inline constexpr UINT HDM_GETITEMRECT = HDM_FIRST + 7;   // WParam column, LParam TRect*: answers true
inline constexpr UINT HDM_GETORDERARRAY = HDM_FIRST + 17;  // WParam count, LParam int*: the shown order

inline constexpr UINT HHT_NOWHERE = 0x0001;
inline constexpr UINT HHT_ONHEADER = 0x0002;
inline constexpr UINT HHT_ONDIVIDER = 0x0004;
inline constexpr UINT HHT_TORIGHT = 0x0800;

struct HDHITTESTINFO {
    TPoint pt;       // in the header's client points
    UINT flags = 0;  // HHT_*
    int iItem = -1;
};

// Registers the class on first use; true when it is there. A header
// control makes its window from this class; the procedure binds the window
// to the control at its first message, then hands every message to the
// header bound to the window, and what that leaves to DefWindowProc.
bool RegisterHeaderClass();
