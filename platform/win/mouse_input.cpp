// Mouse messages: where a mouse event goes and what goes before it.
#include "platform/win/mouse_input.h"

#include "platform/win/focus.h"
#include "platform/win/input_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_class.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

constexpr UINT NonClientOffset = WM_MOUSEMOVE - WM_NCMOUSEMOVE;

UINT ButtonMessage(int button, bool down, bool doubleClick)
{
    UINT first = button == 1 ? WM_LBUTTONDOWN : button == 2 ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
    return doubleClick ? first + 2 : down ? first : first + 1;
}

LPARAM SetCursorInfo(const TMouseRoute& route)
{
    return MAKELPARAM(static_cast<WORD>(route.Hit), static_cast<WORD>(route.RawMessage));
}

// A wheel turned over a child window reaches its parents in turn until one
// answers.
LRESULT DefMouseWheel(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    TWindow* record = WindowOf(window);
    if (!record || !(record->Style & WS_CHILD) || record->IsTopLevel())
        return 0;
    return SendMessage(record->Parent->Handle, message, wParam, lParam);
}

}  // namespace

TWindow* WindowUnderMouse(TPoint Screen, LRESULT* Hit)
{
    TWindow* window = WindowOf(WindowFromPoint(Screen));
    if (!window || window->IsDesktop())
        return nullptr;
    // Disabled child windows let the mouse through to their parent; a
    // disabled top-level window takes it but answers HTERROR.
    while ((window->Style & WS_DISABLED) && !window->IsTopLevel())
        window = window->Parent;
    if (window->Style & WS_DISABLED) {
        *Hit = HTERROR;
        return window;
    }
    HWND handle = window->Handle;
    *Hit = SendMessage(handle, WM_NCHITTEST, 0, PointToLParam(Screen.X, Screen.Y));
    return WindowOf(handle);
}

void RouteMouseEvent(const TInputEvent& Event, TMouseRoute& Route)
{
    const TBackendMouseEvent& mouse = Event.MouseEvent;
    Route.After = SyncKeys();
    Route.Msg.time = Event.Time;
    Route.Msg.pt = Event.Cursor;
    bool down = mouse.Kind == TBackendMouseEvent::ButtonDown;
    if (down || mouse.Kind == TBackendMouseEvent::ButtonUp) {
        if (!ButtonKey(mouse.Button))
            return;
        Route.Button = mouse.Button;
        Route.Press = down;
        Route.After.Apply(ButtonKey(mouse.Button), down);
    }
    WPARAM keys = MouseKeyFlags(Route.After);
    TPoint screen = mouse.Screen;
    TInputState& input = InputState();
    if (mouse.Kind == TBackendMouseEvent::Wheel || mouse.Kind == TBackendMouseEvent::HorizontalWheel) {
        HWND target = input.Focus ? input.Focus : input.Active;
        if (!WindowOf(target))
            return;
        Route.Msg.hwnd = target;
        Route.Msg.message = mouse.Kind == TBackendMouseEvent::Wheel ? WM_MOUSEWHEEL : WM_MOUSEHWHEEL;
        Route.Msg.wParam = MAKEWPARAM(static_cast<WORD>(keys), static_cast<WORD>(mouse.WheelDelta));
        Route.Msg.lParam = PointToLParam(screen.X, screen.Y);
        return;
    }
    if (mouse.Kind == TBackendMouseEvent::Leave)
        return;
    Route.RawMessage = down || mouse.Kind == TBackendMouseEvent::ButtonUp ? ButtonMessage(mouse.Button, down, false)
                                                                          : WM_MOUSEMOVE;
    TWindow* window = WindowOf(input.Capture);
    if (window) {
        Route.Captured = true;
        Route.Hit = HTCLIENT;
    } else {
        window = WindowUnderMouse(screen, &Route.Hit);
        if (!window)
            return;
        Route.Deliver = Route.Hit != HTERROR && Route.Hit != HTNOWHERE && Route.Hit != HTTRANSPARENT;
    }
    Route.NonClient = Route.Hit != HTCLIENT;
    if (Route.Press && Route.Deliver) {
        bool classWants = window->Class && (window->Class->Style & CS_DBLCLKS);
        Route.DoubleClick = (Route.NonClient || classWants) &&
                            IsDoubleClick(window->Handle, mouse.Button, Route.NonClient, screen, Event.Time);
    }
    UINT message = Route.RawMessage == WM_MOUSEMOVE ? WM_MOUSEMOVE
                                                    : ButtonMessage(mouse.Button, down, Route.DoubleClick);
    Route.Msg.hwnd = window->Handle;
    if (Route.NonClient) {
        Route.Msg.message = message - NonClientOffset;
        Route.Msg.wParam = static_cast<WPARAM>(Route.Hit);
        Route.Msg.lParam = PointToLParam(screen.X, screen.Y);
    } else {
        TPoint origin = window->ClientScreenOrigin();
        Route.Msg.message = message;
        Route.Msg.wParam = keys;
        Route.Msg.lParam = PointToLParam(screen.X - origin.X, screen.Y - origin.Y);
    }
}

bool MouseMessageTaken(const TInputEvent& Event, TMouseRoute& Route)
{
    SyncKeys() = Route.After;
    // Alt held through a click or a drag is no lone Alt.
    if (Event.MouseEvent.Kind == TBackendMouseEvent::ButtonDown)
        ForgetLastKeyDown();
    HWND window = Route.Msg.hwnd;
    if (!window) {
        TBackendMouseEvent::TKind kind = Event.MouseEvent.Kind;
        if (kind != TBackendMouseEvent::Wheel && kind != TBackendMouseEvent::HorizontalWheel)
            MouseMessageGoing(nullptr, false);
        return false;
    }
    if (Route.Msg.message == WM_MOUSEWHEEL || Route.Msg.message == WM_MOUSEHWHEEL)
        return WindowOf(window) != nullptr;
    MouseMessageGoing(Route.Deliver ? window : nullptr, Route.NonClient);
    if (!Route.Deliver) {
        SendMessage(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), SetCursorInfo(Route));
        return false;
    }
    bool eat = false;
    if (Route.Press && !Route.Captured && window != InputState().Active) {
        TWindow* record = WindowOf(window);
        if (!record)
            return false;
        HWND top = record->Root()->Handle;
        switch (SendMessage(window, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top), SetCursorInfo(Route))) {
        case MA_NOACTIVATEANDEAT:
            eat = true;
            break;
        case MA_NOACTIVATE:
            break;
        case MA_ACTIVATEANDEAT:
            eat = true;
            MouseActivate(top);
            break;
        default:
            MouseActivate(top);
            break;
        }
        if (!WindowOf(window))
            return false;
    }
    if (!Route.Captured) {
        SendMessage(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), SetCursorInfo(Route));
        if (!WindowOf(window))
            return false;
    }
    if (eat)
        return false;
    if (Route.Press)
        RememberPress(window, Route.Button, Route.NonClient, Event.MouseEvent.Screen, Event.Time, Route.DoubleClick);
    return true;
}

void InstallMouseHandlers()
{
    SetDefWindowProcHandler(WM_MOUSEWHEEL, DefMouseWheel);
    SetDefWindowProcHandler(WM_MOUSEHWHEEL, DefMouseWheel);
}
