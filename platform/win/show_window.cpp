#include <vector>

#include "platform/win/stand_in_window.h"
#include "platform/win/system_metrics.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_internal.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

// A minimized top-level window's rectangle is off the screen (its surface
// stays where it was, as the desktop's icon); minimized children line
// up at the bottom left of their parent.
TRect MinimizedRect(const TWindow& window)
{
    int width = GetSystemMetrics(SM_CXMINIMIZED);
    int height = GetSystemMetrics(SM_CYMINIMIZED);
    if (window.IsTopLevel())
        return Bounds(-32000, -32000, width, height);
    return Bounds(0, window.Parent->Client.Height() - height, width, height);
}

TRect MaximizedRect(TWindow& window)
{
    MINMAXINFO info = GetMinMaxInfo(window.Handle);
    return Bounds(info.ptMaxPosition.X, info.ptMaxPosition.Y, info.ptMaxSize.X, info.ptMaxSize.Y);
}

}  // namespace

TRect MinMaximize(TWindow& Window, int Command)
{
    bool minimized = Window.Style & WS_MINIMIZE;
    bool maximized = Window.Style & WS_MAXIMIZE;
    if (!minimized && !maximized)
        Window.NormalRect = Window.Rect;
    switch (Command) {
    case SW_MINIMIZE:
        Window.RestoreToMaximized = maximized;
        Window.Style = (Window.Style | WS_MINIMIZE) & ~WS_MAXIMIZE;
        return MinimizedRect(Window);
    case SW_MAXIMIZE:
        Window.Style = (Window.Style | WS_MAXIMIZE) & ~WS_MINIMIZE;
        return MaximizedRect(Window);
    default:  // SW_RESTORE
        Window.Style &= ~WS_MINIMIZE;
        if (minimized && Window.RestoreToMaximized) {
            Window.RestoreToMaximized = false;
            Window.Style |= WS_MAXIMIZE;
            return MaximizedRect(Window);
        }
        Window.Style &= ~WS_MAXIMIZE;
        return Window.NormalRect;
    }
}

bool ShowWindow(HWND Window, int Command)
{
    if (bool standIn = false; ShowStandIn(Window, Command, standIn))
        return standIn;
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop())
        return false;
    TWindowPin pin(window);
    bool wasVisible = window->Style & WS_VISIBLE;
    bool show = Command != SW_HIDE;
    UINT flags = 0;
    int state = 0;  // the min/max state to enter, if any
    switch (Command) {
    case SW_HIDE:
        if (!wasVisible)
            return false;
        flags = SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE;
        if (Window != InputState().Active)
            flags |= SWP_NOACTIVATE | SWP_NOZORDER;
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        flags |= SWP_NOACTIVATE | SWP_NOZORDER;
        [[fallthrough]];
    case SW_SHOWMINIMIZED:
        flags |= SWP_SHOWWINDOW | SWP_FRAMECHANGED;
        if (window->Style & WS_MINIMIZE)
            flags |= SWP_NOSIZE | SWP_NOMOVE;
        else
            state = SW_MINIMIZE;
        break;
    case SW_SHOWMAXIMIZED:
        flags |= SWP_SHOWWINDOW | SWP_FRAMECHANGED;
        if (window->Style & WS_MAXIMIZE)
            flags |= SWP_NOSIZE | SWP_NOMOVE;
        else
            state = SW_MAXIMIZE;
        break;
    case SW_SHOWNA:
        flags = SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER;
        break;
    case SW_SHOW:
        if (wasVisible)
            return true;
        flags = SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE;
        break;
    case SW_SHOWNOACTIVATE:
        flags |= SWP_NOACTIVATE | SWP_NOZORDER;
        [[fallthrough]];
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
        flags |= SWP_SHOWWINDOW;
        if (window->Style & (WS_MINIMIZE | WS_MAXIMIZE)) {
            flags |= SWP_FRAMECHANGED;
            state = SW_RESTORE;
        } else {
            if (wasVisible)
                return true;
            flags |= SWP_NOSIZE | SWP_NOMOVE;
        }
        break;
    default:
        return wasVisible;
    }

    // Showing a child never activates it or changes its place among its
    // siblings, unless it is being maximized.
    if ((window->Style & WS_CHILD) && Command != SW_SHOWMAXIMIZED)
        flags |= SWP_NOACTIVATE | SWP_NOZORDER;
    TRect rect = window->Rect;
    if (state) {
        rect = MinMaximize(*window, state);
        flags |= SWP_STATECHANGED;
        if (window->Destroyed)
            return wasVisible;
    }
    if (show != wasVisible || Command == SW_SHOWNA) {
        SendMessage(Window, WM_SHOWWINDOW, show, 0);
        if (window->Destroyed)
            return wasVisible;
    }
    bool parentHidden = !window->IsTopLevel() && !window->Parent->Visible();
    if (parentHidden && (flags & (SWP_NOSIZE | SWP_NOMOVE)) == (SWP_NOSIZE | SWP_NOMOVE)) {
        // Nothing can be seen yet: the flag is all that changes.
        if (show)
            window->Style |= WS_VISIBLE;
        else
            window->Style &= ~WS_VISIBLE;
    } else {
        SetWindowPosInternal(window, HWND_TOP, rect.Left, rect.Top, rect.Width(), rect.Height(), flags);
    }
    return wasVisible;
}

bool ShowOwnedPopups(HWND Owner, bool Show)
{
    TWindow* owner = WindowOf(Owner);
    if (!owner)
        return false;
    std::vector<HWND> popups;
    for (TWindow* w : DesktopRecord().Children)
        if (w->Owner == owner && (w->Style & WS_POPUP))
            popups.push_back(w->Handle);
    for (HWND h : popups) {
        TWindow* popup = WindowOf(h);
        if (!popup)
            continue;
        if (Show && popup->HiddenByOwner) {
            popup->HiddenByOwner = false;
            SendMessage(h, WM_SHOWWINDOW, 1, SW_PARENTOPENING);
        } else if (!Show && (popup->Style & WS_VISIBLE)) {
            popup->HiddenByOwner = true;
            SendMessage(h, WM_SHOWWINDOW, 0, SW_PARENTCLOSING);
        }
    }
    return true;
}
