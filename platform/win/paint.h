// Painting in answer to WM_PAINT, and the window manager's default
// handling of WM_PAINT, WM_ERASEBKGND and WM_SETREDRAW.
//
// BeginPaint sends WM_NCPAINT when the frame is due, then WM_ERASEBKGND
// when the background is due, and answers a DC on the client area that
// can draw only inside the update region it took; the update region is
// empty afterwards. EndPaint releases the DC and shows what was painted.
// The caret is hidden from BeginPaint to EndPaint.
// DefWindowProc erases with the class background brush and paints nothing
// but validates. While WM_SETREDRAW has turned redrawing off a window and
// its descendants paint nothing and get no WM_PAINT; what is invalidated
// meanwhile waits until redrawing is turned on again.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"
#include "platform/win/win_types.h"

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    bool fErase = false;  // the background still needs erasing: WM_ERASEBKGND answered 0
    TRect rcPaint;        // bounds of the area to paint, in client coordinates
};

HDC BeginPaint(HWND Window, PAINTSTRUCT* Paint);
bool EndPaint(HWND Window, const PAINTSTRUCT* Paint);

// Answers WM_PAINT for a window that also paints on a DC its caller hands
// it in WParam: Paint draws on that DC, or between BeginPaint and EndPaint
// when WParam is 0.
template <class TPaintTo>
LRESULT PaintOnGivenOrOwnDC(HWND Window, WPARAM WParam, TPaintTo&& Paint)
{
    if (WParam) {
        Paint(reinterpret_cast<HDC>(WParam));
        return 0;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Window, &ps);
    Paint(dc);
    EndPaint(Window, &ps);
    return 0;
}
