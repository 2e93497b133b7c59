#include "platform/win/paint.h"

#include "platform/gdi/clipping.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/regions.h"
#include "platform/win/input_internal.h"
#include "platform/win/painting_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_class.h"
#include "platform/win/window_proc.h"

namespace {

LRESULT EraseWithClassBrush(TWindow& window, HDC dc)
{
    HBRUSH brush = window.Class ? window.Class->Background : nullptr;
    if (!brush)
        return 0;
    TRect box;
    if (GetClipBox(dc, &box) == ERROR)
        return 0;
    FillRect(dc, &box, brush);
    return 1;
}

}  // namespace

void HideCaretForPaint(HWND Window, bool Hide)
{
    CaretPaintHook(Window, Hide);
}

HDC BeginPaint(HWND Window, PAINTSTRUCT* Paint)
{
    TWindow* window = WindowOf(Window);
    if (!window || !Paint)
        return nullptr;
    HideCaretForPaint(Window, true);
    TRegion update = std::move(window->UpdateRegion);
    window->UpdateRegion = TRegion();
    window->InternalPaint = false;
    bool erase = window->EraseBackground;
    window->EraseBackground = false;
    if (window->FramePending) {
        window->FramePending = false;
        SendMessage(Window, WM_NCPAINT, 1, 0);
        window = WindowOf(Window);
        if (!window) {
            HideCaretForPaint(Window, false);
            return nullptr;
        }
    }
    HDC dc = MakeWindowDC(*window, true, &update);
    *Paint = PAINTSTRUCT{dc, erase, {}};
    if (erase)
        Paint->fErase = SendMessage(Window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
    if ((window = WindowOf(Window)) && !update.IsEmpty()) {
        TRect bounds;
        IntersectRect(bounds, update.Bounds(), window->Client);
        OffsetRect(bounds, -window->Client.Left, -window->Client.Top);
        Paint->rcPaint = bounds;
    }
    return dc;
}

bool EndPaint(HWND Window, const PAINTSTRUCT* Paint)
{
    if (!Paint)
        return false;
    bool released = ReleaseWindowDC(Window, Paint->hdc);
    HideCaretForPaint(Window, false);
    return released;
}

LRESULT DefPaintMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM)
{
    TWindow* window = WindowOf(Window);
    if (!window)
        return 0;
    switch (Message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        if (BeginPaint(Window, &paint))
            EndPaint(Window, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return EraseWithClassBrush(*window, reinterpret_cast<HDC>(WParam));
    default:  // WM_SETREDRAW
        window->RedrawEnabled = WParam != 0;
        if (window->RedrawEnabled)
            MarkPaintPending();
        return 0;
    }
}
