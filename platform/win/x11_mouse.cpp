// The X11 back end's mouse: buttons, the wheel, motion, leaving the
// program's windows, the pointer grab behind capture, and cursor shapes.
#include "platform/win/window.h"
#include "platform/win/x11_internal.h"

#include <X11/Xlib.h>
#include <X11/cursorfont.h>

namespace {

// Points are placed by the bounds our window manager gave the surface, not
// by where the desktop says the window is: the two can differ for a moment
// while a move is on its way, and the window manager routes by its own.
TPoint ScreenPoint(const TX11Surface& surface, int x, int y)
{
    return {surface.Bounds.Left + x, surface.Bounds.Top + y};
}

void Send(const TBackendMouseEvent& event)
{
    if (BackendEvents().Mouse)
        BackendEvents().Mouse(event);
}

unsigned FontCursorOf(TCursorShape shape)
{
    switch (shape) {
    case TCursorShape::Arrow: return XC_left_ptr;
    case TCursorShape::IBeam: return XC_xterm;
    case TCursorShape::Wait: return XC_watch;
    case TCursorShape::Cross: return XC_crosshair;
    case TCursorShape::SizeNWSE: return XC_bottom_right_corner;
    case TCursorShape::SizeNESW: return XC_bottom_left_corner;
    case TCursorShape::SizeWE: return XC_sb_h_double_arrow;
    case TCursorShape::SizeNS: return XC_sb_v_double_arrow;
    case TCursorShape::SizeAll: return XC_fleur;
    case TCursorShape::No: return XC_circle;
    case TCursorShape::Hand: return XC_hand2;
    case TCursorShape::AppStarting: return XC_watch;
    case TCursorShape::Help: return XC_question_arrow;
    case TCursorShape::HSplit: return XC_sb_h_double_arrow;
    case TCursorShape::VSplit: return XC_sb_v_double_arrow;
    case TCursorShape::Drag: return XC_dotbox;
    case TCursorShape::MultiDrag: return XC_plus;
    case TCursorShape::NoDrop: return XC_X_cursor;
    }
    return XC_left_ptr;
}

}  // namespace

void TX11Backend::HandleButton(XEvent& Event)
{
    const XButtonEvent& button = Event.xbutton;
    TX11Surface* surface = FindSurface(button.window);
    if (!surface)
        return;
    bool press = Event.type == ButtonPress;
    TBackendMouseEvent event;
    event.Surface = surface->Window;
    event.Screen = ScreenPoint(*surface, button.x, button.y);
    switch (button.button) {
    case Button1: case Button2: case Button3:
        // X numbers the middle button 2; the window manager the right one.
        event.Kind = press ? TBackendMouseEvent::ButtonDown : TBackendMouseEvent::ButtonUp;
        event.Button = button.button == Button1 ? 1 : button.button == Button2 ? 3 : 2;
        buttonsDown_ += press ? 1 : -1;
        if (buttonsDown_ < 0)
            buttonsDown_ = 0;
        break;
    case Button4: case Button5:
        // The wheel presses and releases a button per notch: the press is the notch.
        if (!press)
            return;
        event.Kind = TBackendMouseEvent::Wheel;
        event.WheelDelta = button.button == Button4 ? 120 : -120;
        break;
    case 6: case 7:
        // Buttons 6 and 7 are the sideways wheel, left and right.
        if (!press)
            return;
        event.Kind = TBackendMouseEvent::HorizontalWheel;
        event.WheelDelta = button.button == 6 ? -120 : 120;
        break;
    default:
        return;
    }
    Send(event);
}

void TX11Backend::HandleMotion(XEvent& Event)
{
    // Only where the pointer is now matters, but only up to the next other
    // event: a move must not jump over a press or release that came
    // between, or a drag would arrive as a move before its own press.
    XEvent next;
    while (XPending(display_)) {
        XPeekEvent(display_, &next);
        if (next.type != MotionNotify || next.xmotion.window != Event.xmotion.window)
            break;
        XNextEvent(display_, &Event);
    }
    time_ = Event.xmotion.time;
    TX11Surface* surface = FindSurface(Event.xmotion.window);
    if (!surface)
        return;
    TBackendMouseEvent event;
    event.Surface = surface->Window;
    event.Screen = ScreenPoint(*surface, Event.xmotion.x, Event.xmotion.y);
    Send(event);
}

void TX11Backend::HandleCrossing(XEvent& Event)
{
    const XCrossingEvent& crossing = Event.xcrossing;
    TX11Surface* surface = FindSurface(crossing.window);
    if (!surface)
        return;
    // Another program grabbed the pointer (the desktop's Alt+drag moves
    // the window): the press it took makes Alt no lone key either.
    if (crossing.mode == NotifyGrab && !grabbed_)
        ReportKeysHeldSoFar();
    if (crossing.mode != NotifyNormal)
        return;
    if (Event.type == LeaveNotify) {
        // Told once the events that came with it are through: moving into
        // another of our windows is no leave.
        leavePending_ = true;
        return;
    }
    leavePending_ = false;
    TBackendMouseEvent event;
    event.Surface = surface->Window;
    event.Screen = ScreenPoint(*surface, crossing.x, crossing.y);
    Send(event);
}

void TX11Backend::SyncCursor()
{
    HCURSOR wanted = GetCursor();
    if (shownCursor_ && *shownCursor_ == wanted)
        return;
    shownCursor_ = wanted;
    TXId cursor = 0;
    TCursorShape shape;
    if (CursorShapeOf(wanted, &shape)) {
        auto it = cursors_.find(static_cast<int>(shape));
        if (it == cursors_.end())
            it = cursors_.emplace(static_cast<int>(shape), XCreateFontCursor(display_, FontCursorOf(shape))).first;
        cursor = it->second;
    } else if (!wanted) {
        if (!blankCursor_) {
            char nothing = 0;
            Pixmap pixmap = XCreateBitmapFromData(display_, root_, &nothing, 1, 1);
            XColor black{};
            blankCursor_ = XCreatePixmapCursor(display_, pixmap, pixmap, &black, &black, 0, 0);
            XFreePixmap(display_, pixmap);
        }
        cursor = blankCursor_;
    }
    for (auto& surface : surfaces_)
        XDefineCursor(display_, surface->XWindow, cursor);
}

// While a window has the capture, the pointer is grabbed for its surface
// so that moves and releases outside every window of the program still
// come here. A press grabs on its own until the release.
void TX11Backend::SyncCapture()
{
    HWND capture = InputState().Capture;
    TWindow* window = WindowOf(capture);
    HWND wanted = window ? window->Root()->Handle : nullptr;
    if (wanted == grabbed_)
        return;
    if (grabbed_) {
        XUngrabPointer(display_, CurrentTime);
        grabbed_ = nullptr;
    }
    TX11Surface* surface = wanted ? FindSurface(wanted) : nullptr;
    if (!surface || !surface->Mapped)
        return;
    unsigned mask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask;
    if (XGrabPointer(display_, surface->XWindow, True, mask, GrabModeAsync, GrabModeAsync, 0, 0, CurrentTime) ==
        GrabSuccess)
        grabbed_ = wanted;
}
