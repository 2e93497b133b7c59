// Scrolling the pixels of a client area.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"
#include "platform/win/win_types.h"

enum : UINT {
    SW_SCROLLCHILDREN = 0x0001,  // children inside Scroll move along
    SW_INVALIDATE = 0x0002,      // what was uncovered is invalidated
    SW_ERASE = 0x0004,           // with SW_INVALIDATE: and erased
};

// Moves the pixels of Scroll (the whole client area when null) by DX, DY,
// keeping inside Clip (the whole client area when null). Pixels that come
// from outside the visible part of the window are not copied but count as
// uncovered, as does what the move leaves behind; that area is written to
// UpdateRegion and UpdateRect (client coordinates; both may be null). The
// update region already pending inside Scroll moves along. Answers the
// kind of the uncovered region, ERROR for a stale handle.
int ScrollWindowEx(HWND Window, int DX, int DY, const TRect* Scroll, const TRect* Clip, HRGN UpdateRegion,
                   TRect* UpdateRect, UINT Flags);
// ScrollWindowEx with SW_INVALIDATE | SW_ERASE; children move along when
// Scroll is null.
bool ScrollWindow(HWND Window, int DX, int DY, const TRect* Scroll, const TRect* Clip);
