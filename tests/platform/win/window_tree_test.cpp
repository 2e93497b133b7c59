// Parents, owners, z-order, coordinates, hit testing, styles and text.
#include <gtest/gtest.h>

#include "platform/gdi/regions.h"
#include "platform/win/headless_backend.h"
#include "platform/win/window.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_tree.h"
#include "window_test_support.h"

using Log = std::vector<std::string>;

class WindowTree : public TWindowTest {};

TEST_F(WindowTree, ZOrderOwnersAndTopmostWindows)
{
    TMessageLog log;
    // Nothing here is activated, which would bring windows to the top.
    HWND a = log.Make("A", WS_POPUP, nullptr, Bounds(0, 0, 100, 100));
    HWND owned = log.Make("O", WS_POPUP, a, Bounds(10, 10, 20, 20));
    HWND b = log.Make("B", WS_POPUP, nullptr, Bounds(0, 0, 100, 100));
    HWND top = log.Make("T", WS_POPUP, nullptr, Bounds(0, 0, 10, 10), WS_EX_TOPMOST);
    HWND c = log.Make("C", WS_POPUP, nullptr, Bounds(0, 0, 10, 10));
    // Topmost windows stay above; new windows go on top of the rest.
    EXPECT_EQ(GetTopWindow(nullptr), top);
    EXPECT_EQ(GetWindow(top, GW_HWNDNEXT), c);
    EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(owned, GW_OWNER), a);
    EXPECT_EQ(GetParent(owned), a);
    EXPECT_EQ(GetAncestor(owned, GA_PARENT), GetDesktopWindow());
    // Raising the owner raises what it owns above it.
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindow(top, GW_HWNDNEXT), owned);
    EXPECT_EQ(GetWindow(owned, GW_HWNDNEXT), a);
    SetWindowPos(b, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetTopWindow(nullptr), b);
    EXPECT_TRUE(GetWindowLong(b, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetWindowPos(b, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindow(top, GW_HWNDNEXT), b);
    EXPECT_FALSE(GetWindowLong(b, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetWindowPos(top, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindow(top, GW_HWNDLAST), top);
    EXPECT_FALSE(GetWindowLong(top, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // An owner put on top takes what it owns along, above it; a window
    // made for a topmost owner is topmost too.
    SetWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetTopWindow(nullptr), owned);
    EXPECT_EQ(GetWindow(owned, GW_HWNDNEXT), a);
    EXPECT_TRUE(GetWindowLong(owned, GWL_EXSTYLE) & WS_EX_TOPMOST);
    HWND later = log.Make("L", WS_POPUP, a, Bounds(10, 10, 20, 20));
    EXPECT_EQ(GetTopWindow(nullptr), later);
    EXPECT_TRUE(GetWindowLong(later, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // The back end stacks its surfaces the same way.
    std::vector<HWND> stacked, order;
    for (auto& s : HeadlessBackend()->Surfaces())
        if (IsWindow(s.Window))
            stacked.push_back(s.Window);
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
        order.push_back(h);
    EXPECT_EQ(stacked, order);

    // Minimizing an owner hides its popups; restoring shows them again.
    ShowWindow(a, SW_SHOWNA);
    ShowWindow(owned, SW_SHOWNA);
    ShowOwnedPopups(a, false);
    EXPECT_FALSE(IsWindowVisible(owned));
    ShowOwnedPopups(a, true);
    EXPECT_TRUE(IsWindowVisible(owned));

    // Destroying the owner destroys what it owns.
    DestroyWindow(a);
    EXPECT_FALSE(IsWindow(owned));

    // Children: made at the bottom, in order of creation.
    HWND x = log.Make("X", WS_CHILD, b, Bounds(0, 0, 10, 10));
    HWND y = log.Make("Y", WS_CHILD, b, Bounds(0, 0, 10, 10));
    HWND z = log.Make("Z", WS_CHILD, y, Bounds(0, 0, 10, 10));
    EXPECT_EQ(GetWindow(b, GW_CHILD), x);
    EXPECT_EQ(GetWindow(x, GW_HWNDNEXT), y);
    EXPECT_EQ(GetWindow(y, GW_HWNDPREV), x);
    EXPECT_TRUE(IsChild(b, z));
    EXPECT_FALSE(IsChild(x, z));
    EXPECT_EQ(GetAncestor(z, GA_ROOT), b);
    std::vector<HWND> all;
    EnumChildWindows(b, WNDENUMPROC::FromCallable([&](HWND h, LPARAM) {
                         all.push_back(h);
                         return true;
                     }),
                     0);
    EXPECT_EQ(all, (std::vector<HWND>{x, y, z}));
    // A window cannot move into its own descendant; moving elsewhere keeps
    // its coordinates and puts it on top.
    EXPECT_EQ(SetParent(y, z), nullptr);
    EXPECT_EQ(SetParent(z, x), y);
    EXPECT_EQ(GetParent(z), x);
    EXPECT_EQ(GetWindow(x, GW_CHILD), z);
}

TEST_F(WindowTree, CoordinatesAndHitTesting)
{
    TMessageLog log;
    HWND a = log.Make("A", WS_POPUP | WS_VISIBLE | WS_BORDER, nullptr, Bounds(100, 50, 200, 200));
    HWND b = log.Make("B", WS_CHILD | WS_VISIBLE, a, Bounds(10, 10, 100, 100));
    HWND glass = log.Make("G", WS_CHILD | WS_VISIBLE, b, Bounds(0, 0, 50, 50));
    HWND off = log.Make("D", WS_CHILD | WS_VISIBLE | WS_DISABLED, a, Bounds(150, 150, 40, 40));
    log.Make("H", WS_CHILD | WS_DISABLED, off, Bounds(0, 0, 40, 40));
    // Client origins: A's border is one pixel.
    TPoint p{5, 5};
    ClientToScreen(glass, &p);
    EXPECT_EQ(p, Point(116, 66));
    ScreenToClient(b, &p);
    EXPECT_EQ(p, Point(5, 5));
    TRect r = Rect(0, 0, 2, 2);
    int offset = MapWindowPoints(glass, a, &r);
    EXPECT_EQ(r, Rect(10, 10, 12, 12));
    EXPECT_EQ(offset, MAKELONG(10, 10));
    TPoint q{0, 0};
    MapWindowPoints(nullptr, a, &q, 1);
    EXPECT_EQ(q, Point(-101, -51));

    EXPECT_EQ(WindowFromPoint({120, 70}), glass);
    EXPECT_EQ(WindowFromPoint({200, 140}), b);
    EXPECT_EQ(WindowFromPoint({260, 210}), off);  // disabled: found, not searched
    EXPECT_EQ(WindowFromPoint({100, 50}), a);     // on the border
    EXPECT_EQ(WindowFromPoint({99, 50}), nullptr);
    // A window answering HTTRANSPARENT lets the point through.
    log.Hook = [&](const std::string& name, HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
        result = HTTRANSPARENT;
        return message == WM_NCHITTEST && name == "G";
    };
    EXPECT_EQ(WindowFromPoint({120, 70}), b);
    // A window region cuts the window's shape.
    TWindow* record = WindowOf(b);
    record->WindowRgn = CreateRectRgn(20, 20, 100, 100);
    log.Hook = nullptr;
    EXPECT_EQ(WindowFromPoint({111, 61 + 5}), a);
    EXPECT_EQ(WindowFromPoint({111 + 25, 61 + 25}), glass);

    EXPECT_EQ(ChildWindowFromPoint(a, {5, 5}), a);
    EXPECT_EQ(ChildWindowFromPoint(a, {15, 15}), b);
    EXPECT_EQ(ChildWindowFromPoint(a, {500, 5}), nullptr);
    EXPECT_EQ(ChildWindowFromPointEx(a, {160, 160}, CWP_SKIPDISABLED), a);
}

TEST_F(WindowTree, StylesTextAndEnabling)
{
    TMessageLog log;
    HWND a = log.Make("A", WS_POPUP | WS_BORDER, nullptr, Bounds(0, 0, 100, 100));
    log.Take();
    // Style changes are announced but the frame waits for SWP_FRAMECHANGED.
    LONG old = SetWindowLong(a, GWL_STYLE, WS_POPUP | WS_BORDER | WS_VSCROLL);
    EXPECT_EQ(DWORD(old), DWORD(WS_POPUP | WS_BORDER | WS_CLIPSIBLINGS));
    EXPECT_EQ(log.Take(), (Log{"A:WM_STYLECHANGING", "A:WM_STYLECHANGED"}));
    TRect client;
    GetClientRect(a, &client);
    EXPECT_EQ(client.Width(), 98);
    SetWindowPos(a, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    GetClientRect(a, &client);
    EXPECT_EQ(client, Rect(0, 0, 98 - 16, 98));
    SetWindowLong(a, GWL_EXSTYLE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    EXPECT_EQ(DWORD(GetWindowLong(a, GWL_EXSTYLE)), DWORD(WS_EX_TOOLWINDOW));  // topmost only by SetWindowPos
    SetWindowLongPtr(a, GWL_USERDATA, 0x1234);
    EXPECT_EQ(GetWindowLongPtr(a, GWL_USERDATA), 0x1234);

    // Text: GBK double-byte characters are never cut in half.
    log.Take();
    const char* text = "\xD5\x66\xE9\x54\xDF\x40 ok";  // 說門這 ok
    EXPECT_TRUE(SetWindowText(a, text));
    EXPECT_EQ(GetWindowText(a), text);
    EXPECT_EQ(GetWindowTextLength(a), 9);
    EXPECT_EQ(HeadlessBackend()->FindSurface(a)->Title, text);
    char buffer[4];
    EXPECT_EQ(GetWindowText(a, buffer, 4), 2);
    EXPECT_EQ(std::string(buffer), "\xD5\x66");
    EXPECT_EQ(GetWindowText(a, buffer, 1), 0);
    EXPECT_EQ(log.Take(), (Log{"A:WM_SETTEXT", "A:WM_GETTEXTLENGTH", "A:WM_GETTEXT", "A:WM_GETTEXTLENGTH",
                               "A:WM_GETTEXT", "A:WM_GETTEXT"}));
    HWND named = log.Make("N", WS_POPUP, nullptr, Bounds(0, 0, 1, 1));
    EXPECT_EQ(GetWindowText(named), "N");
    EXPECT_EQ(GetClassName(named), "TandrilLogWindow");

    log.Take();
    EXPECT_FALSE(EnableWindow(a, false));
    EXPECT_TRUE(EnableWindow(a, false));
    EXPECT_FALSE(IsWindowEnabled(a));
    EXPECT_TRUE(EnableWindow(a, true));
    EXPECT_EQ(log.Take(), (Log{"A:WM_CANCELMODE", "A:WM_ENABLE", "A:WM_ENABLE"}));
}
