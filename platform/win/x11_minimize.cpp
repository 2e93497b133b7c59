// The X11 back end's minimizing. A minimized surface asks the desktop to
// iconify it (the ICCCM WM_CHANGE_STATE request); the desktop unmaps it
// and keeps its task-bar entry, and maps it again when the user brings it
// back, which the program hears as its restore command. On a bare display
// nobody would: the window is restored at once instead of staying a strip
// that takes no input.
#include "platform/win/window.h"
#include "platform/win/window_styles.h"
#include "platform/win/x11_internal.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

void TX11Backend::SetWmHints(TX11Surface& Surface)
{
    XWMHints wm{};
    wm.flags = InputHint | StateHint;
    wm.input = !(Surface.ExStyle & WS_EX_NOACTIVATE);
    wm.initial_state = Surface.Minimized ? IconicState : NormalState;
    XSetWMHints(display_, Surface.XWindow, &wm);
}

namespace {

bool redirectRefused = false;

int NoteRedirectRefused(Display*, XErrorEvent* Error)
{
    redirectRefused = redirectRefused || Error->error_code == BadAccess;
    return 0;
}

}  // namespace

bool TX11Backend::DesktopManagesWindows()
{
    // Only one client may hold the redirect: asking for it fails exactly
    // while a window manager runs. Held for a moment, it is given back.
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, root_, &attributes);
    XSync(display_, False);
    redirectRefused = false;
    auto previous = XSetErrorHandler(NoteRedirectRefused);
    XSelectInput(display_, root_, attributes.your_event_mask | SubstructureRedirectMask);
    XSync(display_, False);
    XSetErrorHandler(previous);
    if (!redirectRefused) {
        XSelectInput(display_, root_, attributes.your_event_mask);
        XSync(display_, False);
    }
    return redirectRefused;
}

void TX11Backend::MinimizeSurface(HWND Window)
{
    TX11Surface* surface = FindSurface(Window);
    if (!surface || surface->Minimized)
        return;
    surface->Minimized = true;
    // A hidden surface is mapped as an icon when it is shown.
    if (!surface->Visible || surface->OverrideRedirect)
        return;
    if (!DesktopManagesWindows()) {
        surface->Minimized = false;
        if (BackendEvents().Restored)
            BackendEvents().Restored(surface->Window);
        return;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = surface->XWindow;
    event.xclient.message_type = Intern("WM_CHANGE_STATE");
    event.xclient.format = 32;
    event.xclient.data.l[0] = IconicState;
    XSendEvent(display_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display_);
}

void TX11Backend::RestoreSurface(HWND Window)
{
    TX11Surface* surface = FindSurface(Window);
    if (!surface || !surface->Minimized)
        return;
    surface->Minimized = false;
    surface->Iconic = false;
    SetWmHints(*surface);
    // Mapping an iconic window asks the desktop for its normal state.
    if (surface->Visible)
        XMapWindow(display_, surface->XWindow);
    XFlush(display_);
}

void TX11Backend::HandleMap(XEvent& Event)
{
    TX11Surface* surface = FindSurface(Event.xmap.window);
    if (!surface)
        return;
    surface->Mapped = true;
    if (surface->FocusOnMap) {
        surface->FocusOnMap = false;
        TakeKeyboard(*surface);
    }
    // Only a map after the desktop took the window away is the user's: the
    // map of a show that came before the iconify request is not.
    if (surface->Minimized && surface->Iconic) {
        surface->Minimized = false;
        surface->Iconic = false;
        SetWmHints(*surface);
        if (BackendEvents().Restored)
            BackendEvents().Restored(surface->Window);
    }
}

void TX11Backend::HandleUnmap(XEvent& Event)
{
    TX11Surface* surface = FindSurface(Event.xunmap.window);
    if (!surface)
        return;
    surface->Mapped = false;
    if (surface->Minimized && surface->Visible)
        surface->Iconic = true;
}
