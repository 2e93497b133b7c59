// The X11 back end: opening the display, and the X11 windows behind the
// surfaces with their desktop hints and the moves the desktop makes.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/base/code_page.h"
#include "platform/win/system_info.h"
#include "platform/win/window.h"
#include "platform/win/window_manager_start.h"
#include "platform/win/window_styles.h"
#include "platform/win/x11_backend.h"
#include "platform/win/x11_internal.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/shape.h>

namespace {

// A request the server refused (a restack against a window the desktop
// reparented, a focus change on a window that just went away) is logged,
// not fatal: the program goes on with the display as it is.
int LogXError(Display* display, XErrorEvent* error)
{
    char text[160];
    XGetErrorText(display, error->error_code, text, sizeof text);
    char line[256];
    std::snprintf(line, sizeof line, "X11 request %d failed: %s", error->request_code, text);
    OutputDebugString(line);
    return 0;
}

// A popup that never takes activation is left alone by the desktop.
bool IsOverrideRedirect(DWORD style, DWORD exStyle)
{
    return (style & WS_POPUP) && (style & WS_CAPTION) != WS_CAPTION &&
           (exStyle & (WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE));
}

bool CompositorRunning(Display* display, int screen, TX11Backend& backend)
{
    char name[32];
    std::snprintf(name, sizeof name, "_NET_WM_CM_S%d", screen);
    return XGetSelectionOwner(display, backend.Intern(name)) != 0;
}

std::unique_ptr<TBackend> MakeX11Backend()
{
    AnsiString error;
    std::unique_ptr<TBackend> backend = OpenX11Backend(nullptr, error);
    if (!backend) {
        std::fprintf(stderr, "Tandril: %s\n", error.c_str());
        std::exit(1);
    }
    return backend;
}

}  // namespace

void RegisterX11Backend()
{
    RegisterBackend("x11", MakeX11Backend);
}

std::unique_ptr<TBackend> OpenX11Backend(const char* DisplayName, AnsiString& Error)
{
    // What the display reports from the start (another program's
    // clipboard) goes to the window manager's areas.
    StartWindowManager();
    const char* name = DisplayName ? DisplayName : std::getenv("DISPLAY");
    AnsiString shown = name ? name : "";
    Display* display = XOpenDisplay(DisplayName);
    if (!display) {
        Error = "cannot open the X display \"" + shown + "\"; check DISPLAY, or set TANDRIL_BACKEND=headless";
        return nullptr;
    }
    int screen = DefaultScreen(display);
    Visual* visual = DefaultVisual(display, screen);
    if (DefaultDepth(display, screen) < 24 || visual->red_mask != 0xFF0000 || visual->green_mask != 0xFF00 ||
        visual->blue_mask != 0xFF) {
        XCloseDisplay(display);
        Error = "the X display \"" + shown + "\" is not a 24-bit true-colour display";
        return nullptr;
    }
    XSetErrorHandler(LogXError);
    return std::make_unique<TX11Backend>(display, screen);
}

TX11Backend* X11Backend()
{
    return dynamic_cast<TX11Backend*>(&Backend());
}

unsigned long X11WindowOf(HWND Window)
{
    TX11Backend* backend = X11Backend();
    TX11Surface* surface = backend ? backend->FindSurface(Window) : nullptr;
    return surface ? surface->XWindow : 0;
}

TX11Backend::TX11Backend(_XDisplay* Connection, int Screen)
    : display_(Connection), screen_(Screen), root_(RootWindow(Connection, Screen))
{
    int major = 0, minor = 0;
    Bool pixmaps = False;
    shm_ = XShmQueryVersion(display_, &major, &minor, &pixmaps);
    int event = 0, error = 0;
    shape_ = XShapeQueryExtension(display_, &event, &error);
    randrMonitors_ = X11HasRandrMonitors(display_);
    XVisualInfo info;
    if (XMatchVisualInfo(display_, screen_, 32, TrueColor, &info)) {
        argbVisual_ = info.visual;
        argbVisualColormap_ = XCreateColormap(display_, root_, info.visual, AllocNone);
    }
    XSetWindowAttributes attributes{};
    attributes.event_mask = PropertyChangeMask;
    helper_ = XCreateWindow(display_, root_, -10, -10, 1, 1, 0, CopyFromParent, InputOnly, CopyFromParent,
                            CWEventMask, &attributes);
    // A held key repeats as presses only, never as release-press pairs.
    Bool supported = False;
    XkbSetDetectableAutoRepeat(display_, True, &supported);
    WatchKeyboardMapping();
    ReadAltMask();
    // The root window tells when the keyboard falls to nobody (the window
    // of another program that had it went) and when it leaves there.
    XWindowAttributes root{};
    XGetWindowAttributes(display_, root_, &root);
    XSelectInput(display_, root_, root.your_event_mask | FocusChangeMask);
    OpenInputMethod();
    // A connection just opened owns no selection: whatever the program's
    // clipboard held, what is pasted now is whatever another program
    // copies, before we started or at any time after, until we copy.
    if (BackendEvents().ClipboardLost)
        BackendEvents().ClipboardLost();
    WatchClipboardOwner();
    XFlush(display_);
}

TX11Backend::~TX11Backend()
{
    for (auto& surface : surfaces_) {
        DestroyInputContext(*surface);
        surface->Pixels.reset();
        XDestroyWindow(display_, surface->XWindow);
    }
    surfaces_.clear();
    CloseInputMethod();
    if (keymap_)
        XkbFreeKeyboard(keymap_, 0, True);
    for (auto& [shape, cursor] : cursors_)
        XFreeCursor(display_, cursor);
    if (blankCursor_)
        XFreeCursor(display_, blankCursor_);
    if (argbVisualColormap_)
        XFreeColormap(display_, argbVisualColormap_);
    XDestroyWindow(display_, helper_);
    XCloseDisplay(display_);
}

TXId TX11Backend::Intern(const char* Name)
{
    auto it = atoms_.find(Name);
    if (it != atoms_.end())
        return it->second;
    TXId atom = XInternAtom(display_, Name, False);
    atoms_.emplace(Name, atom);
    return atom;
}

TX11Surface* TX11Backend::FindSurface(HWND Window)
{
    for (auto& surface : surfaces_)
        if (surface->Window == Window)
            return surface.get();
    return nullptr;
}

TX11Surface* TX11Backend::FindSurface(TXId XWindow)
{
    for (auto& surface : surfaces_)
        if (surface->XWindow == XWindow)
            return surface.get();
    return nullptr;
}

bool TX11Backend::LayeredWindowsComposited() { return CompositorRunning(display_, screen_, *this); }

TRect TX11Backend::ScreenRect() const
{
    return Rect(0, 0, DisplayWidth(display_, screen_), DisplayHeight(display_, screen_));
}

bool TX11Backend::PointerPosition(TPoint& Screen) const
{
    Window root = 0, child = 0;
    int x = 0, y = 0, windowX = 0, windowY = 0;
    unsigned int buttons = 0;
    if (!XQueryPointer(display_, RootWindow(display_, screen_), &root, &child, &x, &y, &windowX, &windowY, &buttons))
        return false;  // the pointer is on another screen
    Screen = {x, y};
    return true;
}

void TX11Backend::CreateSurface(HWND Window, const TRect& Bounds, DWORD Style, DWORD ExStyle)
{
    auto surface = std::make_unique<TX11Surface>();
    surface->Window = Window;
    surface->Bounds = Bounds;
    surface->Style = Style;
    surface->ExStyle = ExStyle;
    surface->OverrideRedirect = IsOverrideRedirect(Style, ExStyle);
    surface->Argb = (ExStyle & WS_EX_LAYERED) && argbVisual_ && CompositorRunning(display_, screen_, *this);

    XSetWindowAttributes attributes{};
    unsigned long mask = CWEventMask | CWOverrideRedirect | CWBitGravity | CWBackPixel | CWBorderPixel;
    attributes.event_mask = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                            EnterWindowMask | LeaveWindowMask | FocusChangeMask | KeymapStateMask |
                            StructureNotifyMask | ExposureMask;
    attributes.override_redirect = surface->OverrideRedirect;
    attributes.bit_gravity = NorthWestGravity;
    attributes.background_pixel = 0;
    attributes.border_pixel = 0;
    int depth = CopyFromParent;
    Visual* visual = CopyFromParent;
    if (surface->Argb) {
        mask |= CWColormap;
        attributes.colormap = argbVisualColormap_;
        depth = 32;
        visual = static_cast<Visual*>(argbVisual_);
    }
    surface->XWindow = XCreateWindow(display_, root_, Bounds.Left, Bounds.Top,
                                     static_cast<unsigned>(std::max(1, Bounds.Width())),
                                     static_cast<unsigned>(std::max(1, Bounds.Height())), 0, depth, InputOutput,
                                     visual, mask, &attributes);
    SetHints(*surface);
    // A window the mouse must not see (a glow drawn over the caption
    // buttons) takes no input: clicks reach what lies below, as the window
    // manager's own hit test has it.
    if ((ExStyle & WS_EX_TRANSPARENT) && shape_)
        XShapeCombineRectangles(display_, surface->XWindow, ShapeInput, 0, 0, nullptr, 0, ShapeSet, Unsorted);
    CreateInputContext(*surface);
    surfaces_.push_back(std::move(surface));
}

void TX11Backend::SetHints(TX11Surface& Surface)
{
    Window xw = Surface.XWindow;
    XSizeHints size{};
    // Our windows are where the window manager put them, not where the
    // desktop would like them.
    size.flags = USPosition | USSize | PPosition | PSize;
    size.x = Surface.Bounds.Left;
    size.y = Surface.Bounds.Top;
    size.width = Surface.Bounds.Width();
    size.height = Surface.Bounds.Height();
    XSetWMNormalHints(display_, xw, &size);

    SetWmHints(Surface);

    XClassHint classHint{const_cast<char*>("tandril"), const_cast<char*>("Tandril")};
    XSetClassHint(display_, xw, &classHint);

    Atom protocols[] = {Intern("WM_DELETE_WINDOW"), Intern("WM_TAKE_FOCUS")};
    XSetWMProtocols(display_, xw, protocols, 2);

    // The frame is ours: no decorations from the desktop.
    long motif[5] = {2, 0, 0, 0, 0};
    Atom motifAtom = Intern("_MOTIF_WM_HINTS");
    XChangeProperty(display_, xw, motifAtom, motifAtom, 32, PropModeReplace, reinterpret_cast<unsigned char*>(motif),
                    5);

    SetOwnerHints(Surface);

    // Drops are taken on every managed window (XDND version 5).
    if (!Surface.OverrideRedirect) {
        Atom version = 5;
        XChangeProperty(display_, xw, Intern("XdndAware"), XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&version), 1);
    }
    SetNetState(Surface);
}

void TX11Backend::SetOwnerHints(TX11Surface& Surface)
{
    Window xw = Surface.XWindow;
    TWindow* window = WindowOf(Surface.Window);
    TX11Surface* owner = window && window->Owner ? FindSurface(window->Owner->Handle) : nullptr;
    if (owner)
        XSetTransientForHint(display_, xw, owner->XWindow);
    else
        XDeleteProperty(display_, xw, XA_WM_TRANSIENT_FOR);

    const char* type = "_NET_WM_WINDOW_TYPE_NORMAL";
    if (Surface.OverrideRedirect)
        type = (Surface.ExStyle & WS_EX_NOACTIVATE) ? "_NET_WM_WINDOW_TYPE_TOOLTIP" : "_NET_WM_WINDOW_TYPE_POPUP_MENU";
    else if (Surface.ExStyle & WS_EX_TOOLWINDOW)
        type = "_NET_WM_WINDOW_TYPE_UTILITY";
    else if (owner)
        type = "_NET_WM_WINDOW_TYPE_DIALOG";
    Atom typeAtom = Intern(type);
    XChangeProperty(display_, xw, Intern("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&typeAtom), 1);
}

void TX11Backend::SetSurfaceOwner(HWND Window)
{
    TX11Surface* surface = FindSurface(Window);
    if (!surface || surface->OverrideRedirect)
        return;
    SetOwnerHints(*surface);
    SetNetState(*surface);
    XFlush(display_);
}

// Stay-on-top and task-bar entry: before the map as a property, after it
// as a request to the desktop (which owns the property then).
void TX11Backend::SetNetState(TX11Surface& Surface)
{
    if (Surface.OverrideRedirect)
        return;
    TWindow* window = WindowOf(Surface.Window);
    DWORD exStyle = window ? window->ExStyle : Surface.ExStyle;
    bool above = exStyle & WS_EX_TOPMOST;
    bool skipTaskbar = !(exStyle & WS_EX_APPWINDOW) && ((exStyle & WS_EX_TOOLWINDOW) || (window && window->Owner));
    // A window shown while its owner is disabled is that owner's modal
    // dialog: the desktop keeps it above the owner and sends the owner's
    // activation to it.
    bool modal = window && window->Owner && (window->Owner->Style & WS_DISABLED);
    Atom state = Intern("_NET_WM_STATE");
    Atom aboveAtom = Intern("_NET_WM_STATE_ABOVE");
    Atom skipAtom = Intern("_NET_WM_STATE_SKIP_TASKBAR");
    Atom modalAtom = Intern("_NET_WM_STATE_MODAL");
    const std::pair<Atom, bool> states[] = {{aboveAtom, above}, {skipAtom, skipTaskbar}, {modalAtom, modal}};
    if (!Surface.Mapped) {
        std::vector<Atom> set;
        for (auto [atom, on] : states)
            if (on)
                set.push_back(atom);
        XChangeProperty(display_, Surface.XWindow, state, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(set.data()), static_cast<int>(set.size()));
        return;
    }
    for (auto [atom, on] : states) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = Surface.XWindow;
        event.xclient.message_type = state;
        event.xclient.format = 32;
        event.xclient.data.l[0] = on ? 1 : 0;
        event.xclient.data.l[1] = static_cast<long>(atom);
        event.xclient.data.l[3] = 1;
        XSendEvent(display_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    }
}

void TX11Backend::DestroySurface(HWND Window)
{
    auto it = std::find_if(surfaces_.begin(), surfaces_.end(), [&](const auto& s) { return s->Window == Window; });
    if (it == surfaces_.end())
        return;
    TX11Surface& surface = **it;
    if (grabbed_ == Window) {
        XUngrabPointer(display_, CurrentTime);
        grabbed_ = nullptr;
    }
    PassKeyboardOn(surface);
    if (xFocus_ == Window)
        xFocus_ = nullptr;
    if (focusAsked_ == Window)
        focusAsked_ = nullptr;
    if (dndTarget_ == Window)
        dndTarget_ = nullptr;
    DestroyInputContext(surface);
    surface.Pixels.reset();
    XDestroyWindow(display_, surface.XWindow);
    surfaces_.erase(it);
    XFlush(display_);
}

void TX11Backend::ShowSurface(HWND Window, bool Activate)
{
    TX11Surface* surface = FindSurface(Window);
    if (!surface)
        return;
    surface->Visible = true;
    surface->FocusOnMap = Activate && !surface->OverrideRedirect && !(surface->ExStyle & WS_EX_NOACTIVATE);
    // Shown while another program has the keyboard, the window is not
    // for the desktop to give it to either (a user time of 0 says so).
    if (!surface->OverrideRedirect) {
        const long userTime = 0;
        if (MayTakeKeyboard())
            XDeleteProperty(display_, surface->XWindow, Intern("_NET_WM_USER_TIME"));
        else
            XChangeProperty(display_, surface->XWindow, Intern("_NET_WM_USER_TIME"), XA_CARDINAL, 32,
                            PropModeReplace, reinterpret_cast<const unsigned char*>(&userTime), 1);
    }
    SetNetState(*surface);
    // A minimized window is mapped as an icon, and stays one until the
    // desktop maps it for the user.
    SetWmHints(*surface);
    surface->Iconic = surface->Minimized;
    XMapWindow(display_, surface->XWindow);
    XFlush(display_);
}

void TX11Backend::HideSurface(HWND Window)
{
    TX11Surface* surface = FindSurface(Window);
    if (!surface)
        return;
    surface->Visible = false;
    surface->FocusOnMap = false;
    PassKeyboardOn(*surface);
    XUnmapWindow(display_, surface->XWindow);
    // A managed window is withdrawn only when the desktop hears it.
    if (!surface->OverrideRedirect) {
        XEvent event{};
        event.xunmap.type = UnmapNotify;
        event.xunmap.event = root_;
        event.xunmap.window = surface->XWindow;
        XSendEvent(display_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    }
    XFlush(display_);
}

void TX11Backend::PassKeyboardOn(const TX11Surface& Leaving)
{
    if (xFocus_ != Leaving.Window && focusAsked_ != Leaving.Window)
        return;
    // The window the program made active, else the one it belongs to.
    TWindow* window = WindowOf(Leaving.Window);
    for (HWND candidate : {InputState().Active, window && window->Owner ? window->Owner->Handle : nullptr}) {
        TX11Surface* next = candidate ? FindSurface(candidate) : nullptr;
        if (next && next != &Leaving && CanHaveKeyboard(*next)) {
            AskForKeyboard(*next);
            return;
        }
    }
}

void TX11Backend::MoveSurface(HWND Window, const TRect& Bounds)
{
    TX11Surface* surface = FindSurface(Window);
    if (!surface)
        return;
    // The window taking bounds the desktop gave: the X window has them.
    if (Bounds == surface->Bounds)
        return;
    bool resized = Bounds.Width() != surface->Bounds.Width() || Bounds.Height() != surface->Bounds.Height();
    surface->Bounds = Bounds;
    if (resized)
        surface->Pixels.reset();
    surface->ConfigureSerial = NextRequest(display_);
    XMoveResizeWindow(display_, surface->XWindow, Bounds.Left, Bounds.Top,
                      static_cast<unsigned>(std::max(1, Bounds.Width())),
                      static_cast<unsigned>(std::max(1, Bounds.Height())));
    XFlush(display_);
}

void TX11Backend::HandleConfigure(XEvent& Event)
{
    const XConfigureEvent& configure = Event.xconfigure;
    TX11Surface* surface = FindSurface(configure.window);
    if (!surface || configure.event != configure.window)
        return;
    // Reported before the server took our own latest move: that move
    // decides, and its own report follows.
    if (static_cast<long>(configure.serial - surface->ConfigureSerial) < 0)
        return;
    // A real report is relative to the parent, which is the desktop's
    // frame once a window manager has reparented the window; its own
    // (synthetic) reports are on the screen.
    int left = configure.x, top = configure.y;
    if (!configure.send_event) {
        Window child = 0;
        XTranslateCoordinates(display_, surface->XWindow, root_, 0, 0, &left, &top, &child);
    }
    TRect bounds = ::Bounds(left, top, configure.width, configure.height);
    if (bounds == surface->Bounds)
        return;
    // While it is an icon the window's own rectangle is off the screen;
    // the surface keeps the place it will come back to.
    if (surface->Minimized) {
        surface->Bounds = bounds;
        surface->Pixels.reset();
        return;
    }
    if (bounds.Width() != surface->Bounds.Width() || bounds.Height() != surface->Bounds.Height())
        surface->Pixels.reset();
    surface->Bounds = bounds;
    if (BackendEvents().Configured)
        BackendEvents().Configured(surface->Window, bounds);
}

void TX11Backend::RestackSurface(HWND Window, HWND Upper)
{
    TX11Surface* surface = FindSurface(Window);
    if (!surface)
        return;
    TX11Surface* upper = Upper ? FindSurface(Upper) : nullptr;
    XWindowChanges changes{};
    unsigned mask = CWStackMode;
    if (upper) {
        changes.sibling = upper->XWindow;
        changes.stack_mode = Below;
        mask |= CWSibling;
    } else {
        changes.stack_mode = Above;
    }
    // XReconfigureWMWindow asks the desktop when it has reparented the window.
    if (!Upper || upper)
        XReconfigureWMWindow(display_, surface->XWindow, screen_, mask, &changes);
    SetNetState(*surface);
    XFlush(display_);
}

void TX11Backend::SetSurfaceShape(HWND Window, const TRegion* Shape)
{
    TX11Surface* surface = FindSurface(Window);
    if (!surface || !shape_)
        return;
    if (!Shape) {
        XShapeCombineMask(display_, surface->XWindow, ShapeBounding, 0, 0, 0, ShapeSet);
    } else {
        std::vector<XRectangle> rects;
        rects.reserve(Shape->Rects().size());
        for (const TRect& r : Shape->Rects())
            rects.push_back({static_cast<short>(r.Left), static_cast<short>(r.Top),
                             static_cast<unsigned short>(r.Width()), static_cast<unsigned short>(r.Height())});
        XShapeCombineRectangles(display_, surface->XWindow, ShapeBounding, 0, 0, rects.data(),
                                static_cast<int>(rects.size()), ShapeSet, YXBanded);
    }
    XFlush(display_);
}

void TX11Backend::SetSurfaceTitle(HWND Window, const AnsiString& Title)
{
    TX11Surface* surface = FindSurface(Window);
    if (!surface)
        return;
    std::string utf8 = GbkToUtf8(Title);
    XChangeProperty(display_, surface->XWindow, Intern("_NET_WM_NAME"), Intern("UTF8_STRING"), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8.data()), static_cast<int>(utf8.size()));
    // The old property for desktops that read only that one: ASCII only.
    std::string plain;
    for (char c : Title)
        plain += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    XStoreName(display_, surface->XWindow, plain.c_str());
    XFlush(display_);
}

void TX11Backend::SetSurfaceIcon(HWND Window, const std::vector<TRasterImage>& Images)
{
    TX11Surface* surface = FindSurface(Window);
    if (!surface)
        return;
    // _NET_WM_ICON: for each picture its width, its height and its pixels
    // as ARGB, each in one long of the 32-bit property format.
    std::vector<unsigned long> data;
    for (const TRasterImage& image : Images) {
        data.push_back(static_cast<unsigned long>(image.Width));
        data.push_back(static_cast<unsigned long>(image.Height));
        data.insert(data.end(), image.Pixels.begin(), image.Pixels.end());
    }
    if (data.empty())
        XDeleteProperty(display_, surface->XWindow, Intern("_NET_WM_ICON"));
    else
        XChangeProperty(display_, surface->XWindow, Intern("_NET_WM_ICON"), XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size()));
    XFlush(display_);
}

void TX11Backend::Beep()
{
    XBell(display_, 0);
    XFlush(display_);
}
