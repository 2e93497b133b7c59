// The X11 back end's event loop: waiting for the display, handing each
// event to its area, and bringing the window manager's state (cursor,
// capture, activation, layered looks, the composition spot) onto the
// display before every wait.
#include <poll.h>

#include <functional>
#include <optional>

#include "platform/win/window.h"
#include "platform/win/window_styles.h"
#include "platform/win/x11_internal.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

bool TX11Backend::WaitForEvents(int TimeoutMs)
{
    SyncState();
    XFlush(display_);
    if (!XPending(display_)) {
        pollfd fd{ConnectionNumber(display_), POLLIN, 0};
        poll(&fd, 1, TimeoutMs);
    }
    DispatchPending();
    return true;
}

void TX11Backend::DispatchPending()
{
    while (XPending(display_)) {
        XEvent event;
        XNextEvent(display_, &event);
        // The input method takes the keys it composes with.
        if (XFilterEvent(&event, 0))
            continue;
        Dispatch(event);
    }
    // The pointer left one of our windows and entered none of the others.
    if (leavePending_) {
        leavePending_ = false;
        if (BackendEvents().Mouse) {
            TBackendMouseEvent leave;
            leave.Kind = TBackendMouseEvent::Leave;
            leave.Screen = InputState().Cursor;
            BackendEvents().Mouse(leave);
        }
    }
}

std::optional<bool> TX11Backend::KeyboardElsewhereAfter(const XEvent& Event)
{
    // A click on one of our windows (a tray icon's too) is the user coming
    // back to the program. The wheel (buttons 4 to 7) and the other buttons
    // are not: a notch scrolls what is under the pointer while the user
    // goes on typing in another program.
    if (Event.type == ButtonPress)
        return Event.xbutton.button <= Button3 ? std::optional<bool>(false) : std::nullopt;
    if (Event.type != FocusIn && Event.type != FocusOut)
        return std::nullopt;
    // Grabs and the pointer wandering are no change of the window that has
    // the keyboard.
    const XFocusChangeEvent& focus = Event.xfocus;
    if (focus.mode == NotifyGrab || focus.mode == NotifyUngrab || focus.detail == NotifyPointer)
        return std::nullopt;
    // The root window, or nobody, takes the keyboard when the window that
    // had it went (another program closed): that is no program's, and it
    // leaves there for the window of whoever takes it next.
    if (focus.window == root_)
        return focus.detail == NotifyVirtual || focus.detail == NotifyNonlinearVirtual
                   ? std::nullopt
                   : std::optional<bool>(Event.type == FocusOut);
    if (!FindSurface(focus.window) || focus.detail == NotifyInferior)
        return std::nullopt;
    return Event.type == FocusOut;
}

void TX11Backend::Dispatch(XEvent& Event)
{
    if (const std::optional<bool> elsewhere = KeyboardElsewhereAfter(Event)) {
        keyboardElsewhere_ = *elsewhere;
        keptBack_ = nullptr;
        keyboardFallen_ = Event.type == FocusIn && Event.xfocus.window == root_;
    }
    if (tray_ && HandleTrayEvent(Event))
        return;
    switch (Event.type) {
    case KeyPress:
    case KeyRelease:
        time_ = Event.xkey.time;
        HandleKey(Event);
        break;
    case ButtonPress:
    case ButtonRelease:
        time_ = Event.xbutton.time;
        HandleButton(Event);
        break;
    case MotionNotify:
        time_ = Event.xmotion.time;
        HandleMotion(Event);
        break;
    case EnterNotify:
    case LeaveNotify:
        time_ = Event.xcrossing.time;
        HandleCrossing(Event);
        break;
    case FocusIn:
    case FocusOut: {
        const XFocusChangeEvent& focus = Event.xfocus;
        TX11Surface* surface = FindSurface(focus.window);
        if (!surface || focus.detail == NotifyPointer)
            break;
        bool gained = Event.type == FocusIn;
        // The keyboard comes back (from another program, or from the
        // desktop's grab, as its Alt+Tab takes it): the keys held may have
        // gone down or up elsewhere, and the server's KeymapNotify right
        // after tells them as they were at this point. Read now, they would
        // count for keys typed before that are still waiting here.
        if (gained)
            keymapDue_ = true;
        else if (focus.mode == NotifyGrab)
            ReportKeysHeldSoFar();
        // Grabs and the pointer wandering inside a window are no change
        // of the window that has the keyboard.
        if (focus.mode == NotifyGrab || focus.mode == NotifyUngrab || focus.detail == NotifyInferior)
            break;
        if (gained)
            xFocus_ = surface->Window;
        else if (xFocus_ == surface->Window)
            xFocus_ = nullptr;
        if (surface->InputContext) {
            if (gained)
                XSetICFocus(surface->InputContext);
            else
                XUnsetICFocus(surface->InputContext);
        }
        if (BackendEvents().Focus)
            BackendEvents().Focus(surface->Window, gained);
        break;
    }
    case KeymapNotify:
        if (keymapDue_) {
            keymapDue_ = false;
            ReportHeldKeys(Event.xkeymap.key_vector);
        }
        break;
    case MappingNotify:
        XRefreshKeyboardMapping(&Event.xmapping);
        if (Event.xmapping.request == MappingModifier)
            ReadAltMask();
        break;
    case MapNotify:
        HandleMap(Event);
        break;
    case ConfigureNotify:
        HandleConfigure(Event);
        break;
    case UnmapNotify:
        HandleUnmap(Event);
        break;
    case Expose:
        // Our pixels are in the backing bitmap: put the exposed part back.
        if (TX11Surface* surface = FindSurface(Event.xexpose.window)) {
            TWindow* window = WindowOf(surface->Window);
            if (window && window->Backing) {
                const XExposeEvent& e = Event.xexpose;
                Present(*surface, window->Backing, TRegion(Bounds(e.x, e.y, e.width, e.height)));
            }
        }
        break;
    case ClientMessage:
        HandleClientMessage(Event);
        break;
    case SelectionRequest:
        time_ = Event.xselectionrequest.time ? Event.xselectionrequest.time : time_;
        HandleSelectionRequest(Event);
        break;
    case SelectionClear:
        HandleSelectionClear(Event);
        break;
    case SelectionNotify:
        HandleClipboardOffer(Event);
        break;
    case PropertyNotify:
        time_ = Event.xproperty.time;
        ContinueIncrTransfer(Event);
        break;
    default:
        // The extensions' events have numbers of their own.
        HandleClipboardOwnerChange(Event);
        HandleKeyboardMapping(Event);
        break;
    }
}

void TX11Backend::HandleClientMessage(XEvent& Event)
{
    const XClientMessageEvent& message = Event.xclient;
    if (message.message_type == Intern("WM_PROTOCOLS")) {
        TX11Surface* surface = FindSurface(message.window);
        if (!surface)
            return;
        TXId protocol = static_cast<TXId>(message.data.l[0]);
        if (protocol == Intern("WM_DELETE_WINDOW")) {
            if (BackendEvents().CloseRequested)
                BackendEvents().CloseRequested(surface->Window);
        } else if (protocol == Intern("WM_TAKE_FOCUS")) {
            time_ = static_cast<unsigned long>(message.data.l[1]);
            if (!(surface->ExStyle & WS_EX_NOACTIVATE) && surface->Mapped)
                XSetInputFocus(display_, surface->XWindow, RevertToParent, time_);
        }
        return;
    }
    HandleDndMessage(Event);
}

void TX11Backend::SyncState()
{
    SyncCursor();
    SyncCapture();
    SyncLayeredLooks();
    // Activation the program made itself (SetActiveWindow, a click that
    // activated, a window shown) goes to X, so keys follow it.
    HWND active = InputState().Active;
    if (active && active != xFocus_ && active != focusAsked_ && active != keptBack_) {
        TX11Surface* surface = FindSurface(active);
        if (surface && surface->Mapped && !surface->OverrideRedirect)
            TakeKeyboard(*surface);
    }
    if (!active && keyboardFallen_) {
        keyboardFallen_ = false;
        TakeFallenKeyboardUnderPointer();
    }
    if (active == xFocus_)
        focusAsked_ = nullptr;
    SyncCompositionSpot();
}

namespace {

using TQueuedVisit = std::function<void(const XEvent&)>;

// XCheckIfEvent's test, which sees every queued event in order and takes
// none of them.
Bool VisitQueued(Display*, XEvent* Event, XPointer Visit)
{
    (*reinterpret_cast<TQueuedVisit*>(Visit))(*Event);
    return False;
}

}  // namespace

bool TX11Backend::KeyboardWithNobody()
{
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    // The root window has it when the window that had it went away.
    return focus == None || focus == PointerRoot || focus == root_;
}

bool TX11Backend::MayTakeKeyboard()
{
    // A round trip: every event the server sent before its answer is now
    // in the queue.
    const bool withNobody = KeyboardWithNobody();
    // The focus as the server last told it, whatever the program did
    // meanwhile: after a long save the user's switch to another program
    // still waits there unread.
    bool elsewhere = keyboardElsewhere_;
    TQueuedVisit visit = [&](const XEvent& Event) {
        if (const std::optional<bool> after = KeyboardElsewhereAfter(Event))
            elsewhere = *after;
    };
    XEvent unused;
    XCheckIfEvent(display_, &unused, VisitQueued, reinterpret_cast<XPointer>(&visit));
    // Fallen to nobody since, it is no other program's.
    return !elsewhere || withNobody;
}

void TX11Backend::TakeKeyboard(TX11Surface& Surface)
{
    if (!MayTakeKeyboard()) {
        keptBack_ = Surface.Window;
        return;
    }
    AskForKeyboard(Surface);
}

void TX11Backend::AskForKeyboard(const TX11Surface& Surface)
{
    focusAsked_ = Surface.Window;
    XSetInputFocus(display_, Surface.XWindow, RevertToParent, CurrentTime);
}

bool TX11Backend::CanHaveKeyboard(const TX11Surface& Surface)
{
    return Surface.Mapped && !Surface.OverrideRedirect && !(Surface.ExStyle & WS_EX_NOACTIVATE);
}

void TX11Backend::TakeFallenKeyboardUnderPointer()
{
    // Unless the user went to a program since.
    if (!KeyboardWithNobody())
        return;
    Window root = 0, child = 0;
    int x = 0, y = 0, windowX = 0, windowY = 0;
    unsigned buttons = 0;
    if (!XQueryPointer(display_, root_, &root, &child, &x, &y, &windowX, &windowY, &buttons) || !child)
        return;
    if (TX11Surface* surface = FindSurface(child); surface && CanHaveKeyboard(*surface))
        AskForKeyboard(*surface);
}
