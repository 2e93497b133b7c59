// Flat scroll bars: the window's own scroll bars with a flatter look. The
// FlatSB_ calls answer exactly as the plain scroll-bar calls do, whether
// or not flat scroll bars were initialised on the window; initialising
// only lets the look be chosen through the properties.
#pragma once

#include "platform/win/scroll_bars.h"
#include "platform/win/win_types.h"

// FlatSB_SetScrollProp indexes.
enum : UINT {
    WSB_PROP_CYVSCROLL = 0x0001,
    WSB_PROP_CXHSCROLL = 0x0002,
    WSB_PROP_CYHSCROLL = 0x0004,
    WSB_PROP_CXVSCROLL = 0x0008,
    WSB_PROP_CXHTHUMB = 0x0010,
    WSB_PROP_CYVTHUMB = 0x0020,
    WSB_PROP_VBKGCOLOR = 0x0040,
    WSB_PROP_HBKGCOLOR = 0x0080,
    WSB_PROP_VSTYLE = 0x0100,
    WSB_PROP_HSTYLE = 0x0200,
    WSB_PROP_WINSTYLE = 0x0400,
    WSB_PROP_PALETTE = 0x0800,
    WSB_PROP_MASK = 0x0FFF,
};

// WSB_PROP_VSTYLE and WSB_PROP_HSTYLE values.
enum : int { FSB_REGULAR_MODE = 0, FSB_ENCARTA_MODE = 1, FSB_FLAT_MODE = 2 };

bool InitializeFlatSB(HWND Window);
// False when flat scroll bars were not initialised on the window.
bool UninitializeFlatSB(HWND Window);
bool FlatSB_GetScrollInfo(HWND Window, int Bar, SCROLLINFO* Info);
int FlatSB_SetScrollInfo(HWND Window, int Bar, const SCROLLINFO* Info, bool Redraw);
bool FlatSB_EnableScrollBar(HWND Window, int Bar, UINT Arrows);
bool FlatSB_ShowScrollBar(HWND Window, int Bar, bool Show);
// Only the style properties change anything: bars in FSB_ENCARTA_MODE or
// FSB_FLAT_MODE are drawn flat; other indexes are accepted and have no
// effect. False unless flat scroll bars are initialised on the window.
bool FlatSB_SetScrollProp(HWND Window, UINT Index, intptr_t Value, bool Redraw);
