#include "platform/win/window_pos.h"

#include <algorithm>

#include "platform/win/backend.h"
#include "platform/win/frame_geometry.h"
#include "platform/win/monitors.h"
#include "platform/win/system_metrics.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_internal.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

constexpr UINT CallerFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE |
                             SWP_FRAMECHANGED | SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_NOCOPYBITS |
                             SWP_NOOWNERZORDER | SWP_NOSENDCHANGING | SWP_DEFERERASE | SWP_ASYNCWINDOWPOS;
// WM_WINDOWPOSCHANGED goes out unless all of these are set and none of
// the status flags.
constexpr UINT NoPositionChange = SWP_NOSIZE | SWP_NOMOVE | SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE | SWP_NOZORDER;
constexpr UINT StatusFlags = NoPositionChange | SWP_FRAMECHANGED | SWP_HIDEWINDOW | SWP_SHOWWINDOW | SWP_STATECHANGED;

bool IsSibling(const TWindow* window, HWND other)
{
    const TWindow* o = WindowOf(other);
    return o && o != window && o->Parent == window->Parent;
}

// Drops the flags that ask for what already is, as the window will see them.
bool FixFlags(const TWindow* window, WINDOWPOS& pos)
{
    pos.cx = std::max(pos.cx, 0);
    pos.cy = std::max(pos.cy, 0);
    if (window->Style & WS_VISIBLE)
        pos.flags &= ~SWP_SHOWWINDOW;
    else
        pos.flags &= ~SWP_HIDEWINDOW;
    if (window->Rect.Width() == pos.cx && window->Rect.Height() == pos.cy)
        pos.flags |= SWP_NOSIZE;
    if (window->Rect.Left == pos.x && window->Rect.Top == pos.y)
        pos.flags |= SWP_NOMOVE;
    if (pos.hwndInsertAfter == window->Handle)
        pos.flags |= SWP_NOZORDER;
    if (!(pos.flags & SWP_NOZORDER) && !window->IsTopLevel() &&
        (pos.hwndInsertAfter == HWND_TOPMOST || pos.hwndInsertAfter == HWND_NOTOPMOST))
        pos.hwndInsertAfter = HWND_TOP;
    bool special = pos.hwndInsertAfter == HWND_TOP || pos.hwndInsertAfter == HWND_BOTTOM ||
                   pos.hwndInsertAfter == HWND_TOPMOST || pos.hwndInsertAfter == HWND_NOTOPMOST;
    return (pos.flags & SWP_NOZORDER) || special || IsSibling(window, pos.hwndInsertAfter);
}

}  // namespace

bool SetWindowPosInternal(TWindow* Window, HWND InsertAfter, int X, int Y, int Width, int Height, UINT Flags)
{
    HWND handle = Window->Handle;
    TWindowPin pin(Window);
    WINDOWPOS pos{handle, InsertAfter, X, Y, Width, Height, Flags};
    if (Flags & SWP_NOMOVE) {
        pos.x = Window->Rect.Left;
        pos.y = Window->Rect.Top;
    }
    if (Flags & SWP_NOSIZE) {
        pos.cx = Window->Rect.Width();
        pos.cy = Window->Rect.Height();
    }
    if (!FixFlags(Window, pos))
        return false;
    if (!(pos.flags & SWP_NOSENDCHANGING)) {
        SendMessage(handle, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        if (Window->Destroyed)
            return false;
        // The window may have changed anything; what it changed counts
        // only where the flags let it.
        if (pos.flags & SWP_NOMOVE) {
            pos.x = Window->Rect.Left;
            pos.y = Window->Rect.Top;
        }
        if (pos.flags & SWP_NOSIZE) {
            pos.cx = Window->Rect.Width();
            pos.cy = Window->Rect.Height();
        }
        if (!FixFlags(Window, pos))
            return false;
    }

    TWindowPosChange change{Window->Rect, Window->Client, bool(Window->Style & WS_VISIBLE), false, 0};
    TRect newRect = Bounds(pos.x, pos.y, pos.cx, pos.cy);
    TRect newClient = Window->Client;
    if (!(pos.flags & SWP_NOSIZE) || (pos.flags & SWP_FRAMECHANGED)) {
        NCCALCSIZE_PARAMS params;
        params.rgrc[0] = newRect;
        params.rgrc[1] = change.OldRect;
        params.rgrc[2] = change.OldClient;
        OffsetRect(params.rgrc[2], change.OldRect.Left, change.OldRect.Top);
        params.lppos = &pos;
        SendMessage(handle, WM_NCCALCSIZE, 1, reinterpret_cast<LPARAM>(&params));
        if (Window->Destroyed)
            return false;
        TRect& c = params.rgrc[0];
        newClient = Rect(c.Left - newRect.Left, c.Top - newRect.Top, std::max(c.Left, c.Right) - newRect.Left,
                         std::max(c.Top, c.Bottom) - newRect.Top);
    }

    Window->Rect = newRect;
    Window->Client = newClient;
    if (newClient.Width() == change.OldClient.Width() && newClient.Height() == change.OldClient.Height())
        pos.flags |= SWP_NOCLIENTSIZE;
    if (newRect.Left + newClient.Left == change.OldRect.Left + change.OldClient.Left &&
        newRect.Top + newClient.Top == change.OldRect.Top + change.OldClient.Top)
        pos.flags |= SWP_NOCLIENTMOVE;
    if (!(pos.flags & SWP_NOZORDER))
        change.ZOrderChanged = RestackWindow(Window, pos.hwndInsertAfter, !(pos.flags & SWP_NOOWNERZORDER));
    if (pos.flags & SWP_SHOWWINDOW)
        Window->Style |= WS_VISIBLE;
    if (pos.flags & SWP_HIDEWINDOW)
        Window->Style &= ~WS_VISIBLE;
    change.Flags = pos.flags;
    SurfaceChanged(*Window, change);
    for (TWindowObserver* observer : WindowObservers())
        observer->WindowPosChanged(*Window, change);
    if (Window->Destroyed)
        return false;

    if (!(pos.flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW))) {
        if (Window->IsTopLevel()) {
            if (Window->Visible() && InputState().Active != handle)
                for (TWindowObserver* observer : WindowObservers())
                    observer->WindowActivationRequested(*Window);
        } else if ((Window->Style & (WS_CHILD | WS_POPUP)) == WS_CHILD) {
            SendMessage(handle, WM_CHILDACTIVATE, 0, 0);
        }
        if (Window->Destroyed)
            return false;
    }

    if ((pos.flags & StatusFlags) != NoPositionChange) {
        pos.x = newRect.Left;
        pos.y = newRect.Top;
        pos.cx = newRect.Width();
        pos.cy = newRect.Height();
        SendMessage(handle, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    }
    return true;
}

bool SetWindowPos(HWND Window, HWND InsertAfter, int X, int Y, int Width, int Height, UINT Flags)
{
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop())
        return false;
    return SetWindowPosInternal(window, InsertAfter, X, Y, Width, Height, Flags & CallerFlags);
}

bool MoveWindow(HWND Window, int X, int Y, int Width, int Height, bool Repaint)
{
    return SetWindowPos(Window, nullptr, X, Y, Width, Height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (Repaint ? 0u : UINT(SWP_NOREDRAW)));
}

bool GetWindowRect(HWND Window, TRect* Rect)
{
    TWindow* window = WindowOf(Window);
    if (!window || !Rect)
        return false;
    TPoint origin = window->ScreenOrigin();
    *Rect = Bounds(origin.X, origin.Y, window->Rect.Width(), window->Rect.Height());
    return true;
}

bool GetClientRect(HWND Window, TRect* Rect)
{
    TWindow* window = WindowOf(Window);
    if (!window || !Rect)
        return false;
    *Rect = ::Rect(0, 0, window->Client.Width(), window->Client.Height());
    return true;
}

MINMAXINFO GetMinMaxInfo(HWND Window)
{
    MINMAXINFO info;
    TWindow* window = WindowOf(Window);
    if (!window)
        return info;
    // A maximized window fills the work area of its monitor (a child its
    // parent's client area) with its border just outside.
    int border = FrameBorderWidth(window->Style, window->ExStyle);
    TRect area;
    MONITORINFO monitor;
    if (!window->IsTopLevel() && !window->IsDesktop())
        area = ::Rect(0, 0, window->Parent->Client.Width(), window->Parent->Client.Height());
    else if (GetMonitorInfo(MonitorFromWindow(Window, MONITOR_DEFAULTTONEAREST), &monitor))
        area = monitor.rcWork;
    else
        area = Backend().WorkArea();
    info.ptMaxSize = {area.Width() + 2 * border, area.Height() + 2 * border};
    info.ptMaxPosition = {area.Left - border, area.Top - border};
    if (window->Style & (WS_DLGFRAME | WS_BORDER))
        info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    else
        info.ptMinTrackSize = {2 * border, 2 * border};
    info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SendMessage(Window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    info.ptMaxTrackSize.X = std::max(info.ptMaxTrackSize.X, info.ptMinTrackSize.X);
    info.ptMaxTrackSize.Y = std::max(info.ptMaxTrackSize.Y, info.ptMinTrackSize.Y);
    return info;
}
