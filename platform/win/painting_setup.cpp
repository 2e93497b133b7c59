// The WM_PAINT message source and the default handling the painting,
// frame and scroll-bar files give DefWindowProc.
#include "platform/win/clock.h"
#include "platform/win/message_queue.h"
#include "platform/win/painting_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

// Set whenever some window may need painting; cleared by a search of all
// windows that finds none.
bool paintPending = false;

bool NeedsPaint(const TWindow& window)
{
    return window.FramePending || window.InternalPaint || !window.UpdateRegion.IsEmpty();
}

// Parents come before their children, so a parent's painting never covers
// what a child painted after it.
TWindow* FindWindowToPaint(TWindow& window, HWND filter, UINT min, UINT max, UINT& message)
{
    if (!(window.Style & WS_VISIBLE) || !window.RedrawEnabled)
        return nullptr;
    if (NeedsPaint(window)) {
        // Only the frame is due: WM_NCPAINT alone does it.
        message = (window.UpdateRegion.IsEmpty() && !window.InternalPaint) ? WM_NCPAINT : WM_PAINT;
        if (MessageMatches(window.Handle, message, filter, min, max))
            return &window;
    }
    for (TWindow* child : window.Children)
        if (TWindow* found = FindWindowToPaint(*child, filter, min, max, message))
            return found;
    return nullptr;
}

bool PaintMessageSource(MSG& Msg, HWND Filter, UINT Min, UINT Max, bool Remove)
{
    if (!paintPending)
        return false;
    for (TWindow* top : DesktopRecord().Children) {
        UINT message = 0;
        TWindow* window = FindWindowToPaint(*top, Filter, Min, Max, message);
        if (!window)
            continue;
        Msg = MSG{window->Handle, message, message == WM_NCPAINT ? 1u : 0u, 0, GetTickCount(), InputState().Cursor};
        if (Remove) {
            if (message == WM_NCPAINT)
                window->FramePending = false;
            else
                window->InternalPaint = false;
        }
        return true;
    }
    if (!Filter && Min == 0 && Max == 0)
        paintPending = false;
    return false;
}

}  // namespace

void InstallPainting()
{
    for (UINT message : {WM_PAINT, WM_ERASEBKGND, WM_SETREDRAW})
        SetDefWindowProcHandler(message, DefPaintMessage);
    for (UINT message : {WM_NCPAINT, WM_NCACTIVATE})
        SetDefWindowProcHandler(message, DefNcPaintMessage);
    SetDefWindowProcHandler(WM_NCHITTEST, DefNcHitTest);
    // The mouse code handles other presses on the frame; presses on a
    // scroll bar come here first.
    SetNextNcButtonDownHandler(SetDefWindowProcHandler(WM_NCLBUTTONDOWN, DefScrollBarButtonDown));
    SetNextSetTextHandler(SetDefWindowProcHandler(WM_SETTEXT, DefSetText));
    SetMessageSource(TMessageSourceKind::Paint, PaintMessageSource);
    InstallPaintObserver();
}

TPaintState& PaintState(TWindow& Window)
{
    return WindowExtension<TPaintState>(Window);
}

void MarkPaintPending()
{
    paintPending = true;
}
