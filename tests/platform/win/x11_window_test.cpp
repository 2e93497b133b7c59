#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/regions.h"
#include "platform/win/focus.h"
#include "platform/win/monitors.h"
#include "platform/win/paint.h"
#include "platform/win/system_metrics.h"
#include "platform/win/system_parameters.h"
#include "platform/win/update_region.h"
#include "platform/win/window_attributes.h"
#include "platform/win/win_messages.h"
#include "platform/win/window.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_region.h"
#include "platform/win/window_styles.h"
#include "platform/win/x11_backend.h"
#include "x11_test_support.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

namespace {

using TX11WindowTest = TX11Test;

// The window's pixels on the display, or empty while it shows nothing.
std::vector<uint32_t> DisplayedPixels(Display* display, unsigned long window, int width, int height)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return {};
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height),
                              AllPlanes, ZPixmap);
    if (!image)
        return {};
    std::vector<uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(static_cast<uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF);
    XDestroyImage(image);
    return pixels;
}

std::vector<uint32_t> BackingPixels(HWND window, int width, int height)
{
    auto* bitmap = GdiObjectAs<TGdiBitmap>(WindowOf(window)->Backing);
    TSurface surface = bitmap->Surface();
    std::vector<uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(surface.GetPixel(x, y) & 0xFFFFFF);
    return pixels;
}

TEST_F(TX11WindowTest, PaintedWindowShowsItsBackingPixels)
{
    // A captioned window whose client area paints two bands: the frame
    // and caption come from the window manager, the bands from the window.
    Hook = [](const std::string&, HWND window, UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message != WM_PAINT)
            return false;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBRUSH red = CreateSolidBrush(RGB(200, 30, 40));
        HBRUSH blue = CreateSolidBrush(RGB(20, 60, 220));
        TRect top = Rect(0, 0, 300, 40);
        TRect bottom = Rect(0, 40, 300, 300);
        FillRect(dc, &top, red);
        FillRect(dc, &bottom, blue);
        DeleteObject(red);
        DeleteObject(blue);
        EndPaint(window, &paint);
        result = 0;
        return true;
    };
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(40, 50, 220, 140));
    unsigned long xw = X11WindowOf(form);
    ASSERT_NE(xw, 0u);

    std::vector<uint32_t> shown;
    bool same = PumpUntil([&] {
        shown = DisplayedPixels(Other(), xw, 220, 140);
        return shown == BackingPixels(form, 220, 140);
    });
    EXPECT_TRUE(same) << "the window never showed its backing pixels";
    ASSERT_EQ(shown.size(), 220u * 140u);
    // Both bands and the frame are really there, not a blank window twice.
    TRect client;
    GetClientRect(form, &client);
    TPoint origin{0, 0};
    ClientToScreen(form, &origin);
    int cx = origin.X - 40, cy = origin.Y - 50;
    EXPECT_EQ(shown[static_cast<size_t>((cy + 10) * 220 + cx + 10)], 0xC81E28u);
    EXPECT_EQ(shown[static_cast<size_t>((cy + 60) * 220 + cx + 10)], 0x143CDCu);

    // A later change reaches the display too.
    Hook = nullptr;
    InvalidateRect(form, nullptr, true);
    EXPECT_TRUE(PumpUntil([&] { return DisplayedPixels(Other(), xw, 220, 140) == BackingPixels(form, 220, 140); }));
}

TEST_F(TX11WindowTest, RegionShapesTheWindowAndPopupsStayOutOfTheWay)
{
    HWND form = Make("F", WS_POPUP | WS_VISIBLE, nullptr, Bounds(100, 100, 200, 100));
    // The shape's rectangles as the server keeps them.
    auto shape = [&] {
        int count = 0, ordering = 0;
        XRectangle* rects = XShapeGetRectangles(Other(), X11WindowOf(form), ShapeBounding, &count, &ordering);
        std::vector<TRect> shown;
        for (int i = 0; i < count; ++i)
            shown.push_back(Bounds(rects[i].x, rects[i].y, rects[i].width, rects[i].height));
        if (rects)
            XFree(rects);
        return shown;
    };
    SetWindowRgn(form, CreateRectRgn(10, 20, 110, 70), true);
    EXPECT_TRUE(PumpUntil([&] { return shape() == std::vector<TRect>{Rect(10, 20, 110, 70)}; }));
    // Taking the region off shows the whole window again.
    SetWindowRgn(form, nullptr, true);
    EXPECT_TRUE(PumpUntil([&] { return shape() == std::vector<TRect>{Rect(0, 0, 200, 100)}; }));

    // The form has the X focus; a hint-like popup shown over it does not
    // take it, and the desktop does not manage it.
    ASSERT_TRUE(HasXFocus(form));
    HWND popup = Make("P", WS_POPUP | WS_BORDER, nullptr, Bounds(120, 120, 80, 20),
                      WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST);
    ShowWindow(popup, SW_SHOWNOACTIVATE);
    XWindowAttributes attributes{};
    ASSERT_TRUE(PumpUntil([&] {
        XGetWindowAttributes(Other(), X11WindowOf(popup), &attributes);
        return attributes.map_state == IsViewable;
    }));
    EXPECT_TRUE(attributes.override_redirect);
    XGetWindowAttributes(Other(), X11WindowOf(form), &attributes);
    EXPECT_FALSE(attributes.override_redirect);
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(Other(), &focus, &revert);
    EXPECT_EQ(focus, X11WindowOf(form));
    EXPECT_EQ(GetActiveWindow(), form);

    // Even a click on it leaves the focus where it was.
    Take({});
    Click(Point(150, 130));
    std::vector<std::string> clicks;
    EXPECT_TRUE(PumpUntil([&] {
        for (const std::string& line : Take({WM_LBUTTONDOWN, WM_LBUTTONUP}))
            clicks.push_back(line);
        return clicks.size() == 2;
    }));
    EXPECT_EQ(clicks, (std::vector<std::string>{"P:WM_LBUTTONDOWN", "P:WM_LBUTTONUP"}));
    XGetInputFocus(Other(), &focus, &revert);
    EXPECT_EQ(focus, X11WindowOf(form));
    EXPECT_EQ(GetActiveWindow(), form);
}

TEST_F(TX11WindowTest, ClicksPassThroughATransparentPopup)
{
    // A glow-like popup lies over the form's client area; a click on it
    // reaches the form below, and the server keeps no input shape for it.
    Make("F", WS_POPUP | WS_VISIBLE, nullptr, Bounds(100, 100, 200, 100));
    HWND glow = Make("G", WS_POPUP, nullptr, Bounds(130, 120, 60, 40),
                     WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST | WS_EX_TRANSPARENT);
    // Made layered after creation, as the glow layers are.
    SetWindowLong(glow, GWL_EXSTYLE, GetWindowLong(glow, GWL_EXSTYLE) | WS_EX_LAYERED);
    ShowWindow(glow, SW_SHOWNOACTIVATE);
    ASSERT_TRUE(BecomesViewable(glow));
    int count = -1, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(Other(), X11WindowOf(glow), ShapeInput, &count, &ordering);
    if (rects)
        XFree(rects);
    EXPECT_EQ(count, 0);

    Take({});
    Click(Point(150, 140));
    std::vector<std::string> clicks;
    EXPECT_TRUE(PumpUntil([&] {
        for (const std::string& line : Take({WM_LBUTTONDOWN, WM_LBUTTONUP}))
            clicks.push_back(line);
        return clicks.size() == 2;
    }));
    EXPECT_EQ(clicks, (std::vector<std::string>{"F:WM_LBUTTONDOWN", "F:WM_LBUTTONUP"}));
}

TEST_F(TX11WindowTest, MovesAndResizesByTheDesktopReachTheWindow)
{
    // The form lays its child over the whole client area on WM_SIZE; the
    // child paints itself green.
    HWND form = nullptr;
    HWND child = nullptr;
    Hook = [&](const std::string& name, HWND window, UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
        if (name == "F" && message == WM_SIZE && child) {
            MoveWindow(child, 0, 0, LOWORD(lParam), HIWORD(lParam), true);
            return false;
        }
        if (name != "C" || message != WM_PAINT)
            return false;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBRUSH green = CreateSolidBrush(RGB(30, 180, 60));
        TRect all;
        GetClientRect(window, &all);
        FillRect(dc, &all, green);
        DeleteObject(green);
        EndPaint(window, &paint);
        result = 0;
        return true;
    };
    form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(40, 50, 220, 140));
    child = Make("C", WS_CHILD | WS_VISIBLE, form, Bounds(0, 0, 10, 10));
    TRect client;
    GetClientRect(form, &client);
    MoveWindow(child, 0, 0, client.Width(), client.Height(), true);
    Display* x = Other();
    unsigned long xw = X11WindowOf(form);
    auto geometry = [&] {
        XWindowAttributes attributes{};
        XGetWindowAttributes(x, xw, &attributes);
        return Bounds(attributes.x, attributes.y, attributes.width, attributes.height);
    };
    auto rect = [](HWND window) {
        TRect r;
        GetWindowRect(window, &r);
        return r;
    };
    auto shownAsBacked = [&] {
        TRect r = rect(form);
        return DisplayedPixels(x, xw, r.Width(), r.Height()) == BackingPixels(form, r.Width(), r.Height());
    };
    ASSERT_TRUE(PumpUntil(shownAsBacked));
    Take({});

    // Another program sizes and moves the window: the window manager takes
    // the new bounds, the form lays out again and the display shows it.
    XMoveResizeWindow(x, xw, 300, 200, 360, 240);
    XSync(x, False);
    ASSERT_TRUE(PumpUntil([&] { return rect(form) == Bounds(300, 200, 360, 240) && shownAsBacked(); }));
    std::vector<std::string> told = Take({WM_SIZE, WM_MOVE});
    EXPECT_NE(std::find(told.begin(), told.end(), "F:WM_SIZE"), told.end());
    EXPECT_NE(std::find(told.begin(), told.end(), "F:WM_MOVE"), told.end());
    GetClientRect(form, &client);
    EXPECT_EQ(rect(child).Width(), client.Width());
    EXPECT_EQ(rect(child).Height(), client.Height());
    TPoint origin{0, 0};
    ClientToScreen(form, &origin);
    std::vector<uint32_t> shown = DisplayedPixels(x, xw, 360, 240);
    ASSERT_EQ(shown.size(), 360u * 240u);
    // The far corner of the client area, outside the old size.
    EXPECT_EQ(shown[static_cast<size_t>((origin.Y - 200 + client.Height() - 2) * 360 + origin.X - 300 +
                                        client.Width() - 2)],
              0x1EB43Cu);

    // A move alone.
    XMoveWindow(x, xw, 120, 90);
    XSync(x, False);
    EXPECT_TRUE(PumpUntil([&] { return rect(form) == Bounds(120, 90, 360, 240); }));
    told = Take({WM_SIZE, WM_MOVE});
    EXPECT_EQ(std::count(told.begin(), told.end(), "F:WM_SIZE"), 0);

    // The program's own moves in quick succession: the display's reports
    // of the first one are no move by the desktop, so nothing goes back.
    SetWindowPos(form, nullptr, 10, 20, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(form, nullptr, 30, 40, 320, 210, SWP_NOZORDER | SWP_NOACTIVATE);
    Take({});
    EXPECT_TRUE(PumpUntil([&] { return geometry() == Bounds(30, 40, 320, 210); }));
    XSync(x, False);
    long long settled = 0;
    PumpUntil([&] { return ++settled > 20; });
    EXPECT_EQ(Take({WM_SIZE, WM_MOVE}), std::vector<std::string>{});
    EXPECT_EQ(rect(form), Bounds(30, 40, 320, 210));
    EXPECT_EQ(geometry(), Bounds(30, 40, 320, 210));

    // Under a window manager (the test's connection plays one) the
    // program takes the manager's sizing without asking for it back.
    XSelectInput(x, DefaultRootWindow(x), SubstructureRedirectMask);
    XMoveResizeWindow(x, xw, 200, 150, 330, 220);
    XSync(x, False);
    EXPECT_TRUE(PumpUntil([&] { return rect(form) == Bounds(200, 150, 330, 220); }));
    settled = 0;
    PumpUntil([&] { return ++settled > 20; });
    XSync(x, False);
    XEvent request{};
    bool asked = XCheckTypedEvent(x, ConfigureRequest, &request);
    XSelectInput(x, DefaultRootWindow(x), NoEventMask);
    XSync(x, False);
    EXPECT_FALSE(asked) << "the program asked to be configured again";
}

}  // namespace

// The test plays the desktop: it holds the root window's redirect, so the
// iconify request comes to it, and it unmaps and maps the window as a
// desktop would when the user minimizes and then clicks the task-bar entry.
TEST_F(TX11WindowTest, MinimizingAsksTheDesktopToIconifyAndTheDesktopsMapRestores)
{
    std::vector<WPARAM> commands;
    Hook = [&](const std::string& name, HWND, UINT message, WPARAM wParam, LPARAM, LRESULT&) {
        if (name == "F" && message == WM_SYSCOMMAND)
            commands.push_back(wParam & 0xFFF0);
        return false;
    };
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(40, 50, 220, 140));
    ASSERT_TRUE(BecomesViewable(form));
    Display* x = Other();
    unsigned long xw = X11WindowOf(form);
    TDesktopRedirect desktop;

    ShowWindow(form, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(form));
    Atom changeState = XInternAtom(x, "WM_CHANGE_STATE", False);
    XClientMessageEvent request{};
    ASSERT_TRUE(PumpUntil([&] {
        while (XPending(x)) {
            XEvent event;
            XNextEvent(x, &event);
            if (event.type == ClientMessage && event.xclient.message_type == changeState)
                request = event.xclient;
        }
        return request.window != 0;
    }));
    EXPECT_EQ(request.window, xw);
    EXPECT_EQ(request.format, 32);
    EXPECT_EQ(request.data.l[0], IconicState);

    // The desktop iconifies it; the window stays minimized.
    XUnmapWindow(x, xw);
    XSync(x, False);
    EXPECT_TRUE(PumpUntil([&] {
        XWindowAttributes attributes{};
        XGetWindowAttributes(x, xw, &attributes);
        return attributes.map_state == IsUnmapped;
    }));
    EXPECT_TRUE(IsIconic(form));
    EXPECT_TRUE(commands.empty());

    // The user brings it back.
    XMapWindow(x, xw);
    XSync(x, False);
    EXPECT_TRUE(PumpUntil([&] { return !IsIconic(form); }));
    EXPECT_EQ(commands, std::vector<WPARAM>{SC_RESTORE});
    TRect r;
    GetWindowRect(form, &r);
    EXPECT_EQ(r, Bounds(40, 50, 220, 140));
    EXPECT_TRUE(BecomesViewable(form));
}

// On a bare display nobody answers the iconify request: the window comes
// back as it was, still taking clicks, instead of staying minimized.
TEST_F(TX11WindowTest, MinimizingWithoutADesktopLeavesTheWindowUsable)
{
    std::vector<WPARAM> commands;
    Hook = [&](const std::string& name, HWND, UINT message, WPARAM wParam, LPARAM, LRESULT&) {
        if (name == "F" && message == WM_SYSCOMMAND)
            commands.push_back(wParam & 0xFFF0);
        return false;
    };
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(40, 50, 220, 140));
    ASSERT_TRUE(BecomesViewable(form));

    ShowWindow(form, SW_MINIMIZE);
    EXPECT_TRUE(PumpUntil([&] { return !IsIconic(form); })) << "minimized with nobody to bring it back";
    EXPECT_EQ(commands, std::vector<WPARAM>{SC_RESTORE});
    TRect r;
    GetWindowRect(form, &r);
    EXPECT_EQ(r, Bounds(40, 50, 220, 140));
    EXPECT_TRUE(BecomesViewable(form));

    // The redirect was only borrowed: a desktop started now gets it.
    Display* x = Other();
    XSelectInput(x, DefaultRootWindow(x), SubstructureRedirectMask);
    XSync(x, False);
    XWindowAttributes attributes{};
    XGetWindowAttributes(x, DefaultRootWindow(x), &attributes);
    const bool taken = attributes.your_event_mask & SubstructureRedirectMask;
    XSelectInput(x, DefaultRootWindow(x), NoEventMask);
    XSync(x, False);
    EXPECT_TRUE(taken);
}

// The display has one monitor; the work area is the desktop's
// _NET_WORKAREA, as another program (the desktop) sets it on the root.
TEST_F(TX11WindowTest, TheMonitorsWorkAreaIsTheDesktops)
{
    Display* x = Other();
    int width = DisplayWidth(x, DefaultScreen(x));
    int height = DisplayHeight(x, DefaultScreen(x));
    TDesktopWorkArea desktop(Rect(0, 24, width, height - 30));

    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
    MONITORINFO info;
    ASSERT_TRUE(GetMonitorInfo(MonitorFromPoint({width / 2, height / 2}, MONITOR_DEFAULTTONULL), &info));
    EXPECT_EQ(info.rcMonitor, Rect(0, 0, width, height));
    EXPECT_EQ(info.rcWork, Rect(0, 24, width, height - 30));
    EXPECT_EQ(info.dwFlags, DWORD(MONITORINFOF_PRIMARY));
    TRect work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, info.rcWork);

    // A work area past the screen's edge is clipped to the monitor.
    desktop.Set(Rect(0, 24, width + 500, height - 30));
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, Rect(0, 24, width, height - 30));
}

// What the desktop reads to place and stack our windows: their types are
// real atoms, and a dialog shown while its owner is disabled says it is
// that owner's modal dialog.
TEST_F(TX11WindowTest, WindowTypesAndTheModalStateAreAtomsTheDesktopCanRead)
{
    Display* x = Other();
    auto atomsOf = [&](HWND window, const char* property) {
        std::vector<std::string> names;
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(x, X11WindowOf(window), XInternAtom(x, property, False), 0, 32, False, XA_ATOM, &type,
                               &format, &count, &after, &data) == 0 && data) {
            for (unsigned long i = 0; i < count; ++i) {
                char* name = XGetAtomName(x, reinterpret_cast<Atom*>(data)[i]);
                names.push_back(name ? name : "(not an atom)");
                if (name)
                    XFree(name);
            }
            XFree(data);
        }
        return names;
    };
    auto has = [](const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(40, 50, 220, 140));
    ASSERT_TRUE(BecomesViewable(form));
    EXPECT_EQ(atomsOf(form, "_NET_WM_WINDOW_TYPE"), std::vector<std::string>{"_NET_WM_WINDOW_TYPE_NORMAL"});

    EnableWindow(form, false);
    HWND dialog = Make("D", WS_POPUP | WS_CAPTION | WS_VISIBLE, form, Bounds(60, 70, 120, 80));
    ASSERT_TRUE(BecomesViewable(dialog));
    EXPECT_EQ(atomsOf(dialog, "_NET_WM_WINDOW_TYPE"), std::vector<std::string>{"_NET_WM_WINDOW_TYPE_DIALOG"});
    EXPECT_TRUE(has(atomsOf(dialog, "_NET_WM_STATE"), "_NET_WM_STATE_MODAL"));
    Window transientFor = 0;
    ASSERT_TRUE(XGetTransientForHint(x, X11WindowOf(dialog), &transientFor));
    EXPECT_EQ(transientFor, X11WindowOf(form));

    // A dialog over an enabled owner is not modal.
    EnableWindow(form, true);
    HWND modeless = Make("M", WS_POPUP | WS_CAPTION | WS_VISIBLE, form, Bounds(80, 90, 120, 80));
    ASSERT_TRUE(BecomesViewable(modeless));
    EXPECT_FALSE(has(atomsOf(modeless, "_NET_WM_STATE"), "_NET_WM_STATE_MODAL"));
}
