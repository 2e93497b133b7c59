// Update regions: what of a window waits to be painted. Invalidating adds
// to a window's update region; the message loop sends WM_PAINT to windows
// whose region is not empty once no posted message or input is waiting
// (timers come after painting). BeginPaint takes the region and validates
// it; the calls below read and change it directly.
//
// A window's update region covers its client area; a pending repaint of
// its frame travels alongside it and is done by WM_NCPAINT. Hidden windows
// collect nothing: showing a window invalidates it whole.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"
#include "platform/win/win_types.h"

// RedrawWindow flags.
enum : UINT {
    RDW_INVALIDATE = 0x0001,
    RDW_INTERNALPAINT = 0x0002,  // WM_PAINT is due even with an empty update region
    RDW_ERASE = 0x0004,          // with RDW_INVALIDATE: WM_ERASEBKGND comes first
    RDW_VALIDATE = 0x0008,
    RDW_NOINTERNALPAINT = 0x0010,
    RDW_NOERASE = 0x0020,
    RDW_NOCHILDREN = 0x0040,
    RDW_ALLCHILDREN = 0x0080,
    RDW_UPDATENOW = 0x0100,  // paints before returning
    RDW_ERASENOW = 0x0200,   // erases and repaints frames before returning
    RDW_FRAME = 0x0400,      // the frame is invalidated (RDW_INVALIDATE) too
    RDW_NOFRAME = 0x0800,    // the frame is validated (RDW_VALIDATE) too
};

// Rectangles and regions are in client coordinates; a null one means the
// whole client area (the whole window with RDW_FRAME). Without
// RDW_ALLCHILDREN or RDW_NOCHILDREN, children share in what happens to
// their parent's area unless the parent has WS_CLIPCHILDREN. Window 0 is
// the desktop, which stands for every top-level window.
bool RedrawWindow(HWND Window, const TRect* Update, HRGN UpdateRegion, UINT Flags);
// Erase: WM_ERASEBKGND is sent before the next WM_PAINT.
bool InvalidateRect(HWND Window, const TRect* Rect, bool Erase);
bool InvalidateRgn(HWND Window, HRGN Region, bool Erase);
bool ValidateRect(HWND Window, const TRect* Rect);
bool ValidateRgn(HWND Window, HRGN Region);

// The bounds of the update region in client coordinates (all zeros when
// it is empty); answers whether it is not empty. Erase sends the pending
// WM_ERASEBKGND (and WM_NCPAINT) at once. Rect may be null.
bool GetUpdateRect(HWND Window, TRect* Rect, bool Erase);
// Copies the update region (client coordinates) into Region and answers
// its kind (NULLREGION, SIMPLEREGION, COMPLEXREGION or ERROR).
int GetUpdateRgn(HWND Window, HRGN Region, bool Erase);

// Sends WM_PAINT now to the window and its descendants that need it.
bool UpdateWindow(HWND Window);
