// What a window's scroll bar looks like right now: where it lies on the
// screen, how long its arrows are, where its thumb is, and the state of
// each of its parts, as painting and the mouse see them.
#pragma once

#include "platform/base/geometry.h"
#include "platform/win/win_types.h"

// Which bar GetScrollBarInfo is asked about.
enum : LONG {
    OBJID_CLIENT = -4,  // the window is a scroll-bar control
    OBJID_VSCROLL = -5,
    OBJID_HSCROLL = -6,
};

// Part states.
enum : DWORD {
    STATE_SYSTEM_UNAVAILABLE = 0x0001,
    STATE_SYSTEM_PRESSED = 0x0008,
    STATE_SYSTEM_INVISIBLE = 0x8000,
};

// Indexes of SCROLLBARINFO::rgstate.
enum : int {
    SBI_BAR = 0,
    SBI_LINE_UP = 1,  // up or left arrow
    SBI_PAGE_UP = 2,  // the track before the thumb
    SBI_THUMB = 3,
    SBI_PAGE_DOWN = 4,  // the track after the thumb
    SBI_LINE_DOWN = 5,  // down or right arrow
    SBI_COUNT = 6,
};

struct SCROLLBARINFO {
    DWORD cbSize = sizeof(SCROLLBARINFO);
    TRect rcScrollBar;      // the whole bar, arrows included, in screen coordinates
    int dxyLineButton = 0;  // length of one arrow along the bar
    int xyThumbTop = 0;     // thumb edges from rcScrollBar's top (left); both 0 without a thumb
    int xyThumbBottom = 0;
    int reserved = 0;
    DWORD rgstate[SBI_COUNT] = {};  // STATE_SYSTEM_ bits by SBI_ index
};

// Fills Info (whose cbSize must be sizeof(SCROLLBARINFO)) for the
// window's OBJID_VSCROLL or OBJID_HSCROLL bar. A bar the window does not
// show answers true with the bar marked invisible and the rest zero.
// False for a stale handle, a wrong cbSize, and OBJID_CLIENT: the window
// manager has no scroll-bar control class.
bool GetScrollBarInfo(HWND Window, LONG ObjectId, SCROLLBARINFO* Info);
