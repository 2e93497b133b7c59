// The scroll bars of a window (WS_HSCROLL, WS_VSCROLL): drawn in the frame
// by the default WM_NCPAINT, hit as HTHSCROLL and HTVSCROLL, and driven by
// the mouse through DefWindowProc's WM_NCLBUTTONDOWN, which sends
// WM_HSCROLL and WM_VSCROLL (SB_ code in the low word of wParam, for
// SB_THUMBTRACK and SB_THUMBPOSITION the position in the high word).
//
// A bar's range starts as 0 to 100 with position 0 and no page. Setting a
// range or page with which nothing can scroll hides the bar (the window
// loses WS_VSCROLL or WS_HSCROLL and its frame is recalculated), or with
// SIF_DISABLENOSCROLL disables it instead; a range that can scroll shows
// and enables it again.
#pragma once

#include "platform/win/win_types.h"

// Bars.
enum : int { SB_HORZ = 0, SB_VERT = 1, SB_CTL = 2, SB_BOTH = 3 };

// WM_HSCROLL and WM_VSCROLL codes.
enum : WORD {
    SB_LINEUP = 0,
    SB_LINELEFT = 0,
    SB_LINEDOWN = 1,
    SB_LINERIGHT = 1,
    SB_PAGEUP = 2,
    SB_PAGELEFT = 2,
    SB_PAGEDOWN = 3,
    SB_PAGERIGHT = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_LEFT = 6,
    SB_BOTTOM = 7,
    SB_RIGHT = 7,
    SB_ENDSCROLL = 8,
};

enum : UINT {
    SIF_RANGE = 0x0001,
    SIF_PAGE = 0x0002,
    SIF_POS = 0x0004,
    SIF_DISABLENOSCROLL = 0x0008,
    SIF_TRACKPOS = 0x0010,
    SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS,
};

// EnableScrollBar arrows.
enum : UINT {
    ESB_ENABLE_BOTH = 0x0000,
    ESB_DISABLE_LEFT = 0x0001,
    ESB_DISABLE_UP = 0x0001,
    ESB_DISABLE_LTUP = 0x0001,
    ESB_DISABLE_RIGHT = 0x0002,
    ESB_DISABLE_DOWN = 0x0002,
    ESB_DISABLE_RTDN = 0x0002,
    ESB_DISABLE_BOTH = 0x0003,
};

struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;  // where the thumb is dragged to; the position when no drag runs
};

// Bar is SB_HORZ or SB_VERT. The page is kept within 0 .. Max - Min + 1
// and the position within Min .. Max - max(Page - 1, 0); a range with Min
// above Max, or wider than 0x7FFFFFFF, becomes 0 .. 0. Answers the
// position that results (0 for a stale handle or another bar).
int SetScrollInfo(HWND Window, int Bar, const SCROLLINFO* Info, bool Redraw);
// Fills what fMask asks for; false when the window has neither the bar's
// style nor ever had its information set.
bool GetScrollInfo(HWND Window, int Bar, SCROLLINFO* Info);
int GetScrollPos(HWND Window, int Bar);
// Answers the previous position.
int SetScrollPos(HWND Window, int Bar, int Pos, bool Redraw);
bool GetScrollRange(HWND Window, int Bar, int* Min, int* Max);
bool SetScrollRange(HWND Window, int Bar, int Min, int Max, bool Redraw);
// Bar may be SB_BOTH.
bool ShowScrollBar(HWND Window, int Bar, bool Show);
// Arrows is an ESB_ value; answers false when nothing changed.
bool EnableScrollBar(HWND Window, UINT Bar, UINT Arrows);
