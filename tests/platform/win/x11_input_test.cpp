#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "platform/win/capture.h"
#include "platform/win/cursor.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/keyboard.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_styles.h"
#include "platform/win/x11_backend.h"
#include "x11_test_support.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using TX11InputTest = TX11Test;
using TLines = std::vector<std::string>;

const std::initializer_list<UINT> Keys = {WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR};

TLines Describe(const std::vector<TLogged>& entries)
{
    TLines lines;
    for (const TLogged& entry : entries) {
        char line[96];
        std::snprintf(line, sizeof line, "%s:%s %02X %08X", entry.Window.c_str(), InputMessageName(entry.Message),
                      static_cast<unsigned>(entry.WParam), static_cast<unsigned>(entry.LParam));
        lines.push_back(line);
    }
    return lines;
}

TEST_F(TX11InputTest, KeysFromTheDisplayArriveAsInjectedKeysDo)
{
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    HWND edit = Make("E", WS_CHILD | WS_VISIBLE, form, Bounds(10, 10, 100, 20));
    SetFocus(edit);
    ASSERT_TRUE(HasXFocus(form));
    TakeLogged({});

    // A letter with Shift, an arrow key held until the server repeats it,
    // Alt with a letter, and Ctrl with a letter.
    Display* x = Other();
    XkbSetAutoRepeatRate(x, XkbUseCoreKbd, 40, 20);
    std::vector<TLogged> fromDisplay;
    auto collect = [&](const std::function<bool()>& done) {
        return PumpUntil([&] {
            for (const TLogged& entry : TakeLogged(Keys))
                fromDisplay.push_back(entry);
            return done();
        });
    };
    auto count = [&](UINT message, WPARAM key) {
        return std::count_if(fromDisplay.begin(), fromDisplay.end(),
                             [&](const TLogged& e) { return e.Message == message && e.WParam == key; });
    };
    Key(XK_a);
    Key(XK_b, {XK_Shift_L});
    const KeyCode left = XKeysymToKeycode(x, XK_Left);
    XTestFakeKeyEvent(x, left, True, 0);
    XSync(x, False);
    ASSERT_TRUE(collect([&] { return count(WM_KEYDOWN, VK_LEFT) >= 3; })) << "the held key never repeated";
    XTestFakeKeyEvent(x, left, False, 0);
    XSync(x, False);
    ASSERT_TRUE(collect([&] { return count(WM_KEYUP, VK_LEFT) == 1; }));
    long repeats = count(WM_KEYDOWN, VK_LEFT);
    Key(XK_f, {XK_Alt_L});
    Key(XK_c, {XK_Control_L});
    collect([&] { return count(WM_KEYUP, VK_CONTROL) == 1; });
    TakeLogged({});

    InjectKeyStroke('A');
    InjectKeyStroke('B', InjectShift);
    for (long i = 0; i < repeats; ++i)
        InjectKeyDown(VK_LEFT);
    InjectKeyUp(VK_LEFT);
    InjectKeyStroke('F', InjectAlt);
    InjectKeyStroke('C', InjectCtrl);
    Pump();
    std::vector<TLogged> injected = TakeLogged(Keys);

    EXPECT_EQ(Describe(fromDisplay), Describe(injected));
    TLines lines = Describe(fromDisplay);
    // The held key: three downs, the later two with the previous-state bit.
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "E:WM_KEYDOWN 25 014B0001"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "E:WM_KEYDOWN 25 414B0001"), repeats - 1);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "E:WM_SYSKEYDOWN 46 20210001"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "E:WM_CHAR 03 002E0001"), lines.end());
}

TEST_F(TX11InputTest, MouseButtonsWheelAndCapture)
{
    HWND form = Make("F", WS_POPUP | WS_VISIBLE, nullptr, Bounds(200, 200, 200, 150));
    ASSERT_TRUE(BecomesViewable(form));
    Take({});
    Display* x = Other();
    XTestFakeMotionEvent(x, 0, 250, 260, 0);
    XTestFakeButtonEvent(x, 3, True, 0);
    XTestFakeButtonEvent(x, 3, False, 0);
    XTestFakeButtonEvent(x, 4, True, 0);
    XTestFakeButtonEvent(x, 4, False, 0);
    XSync(x, False);
    std::vector<TLogged> got;
    PumpUntil([&] {
        for (const TLogged& entry : TakeLogged({WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MOUSEWHEEL}))
            got.push_back(entry);
        return got.size() >= 3;
    });
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].Message, static_cast<UINT>(WM_RBUTTONDOWN));
    EXPECT_EQ(got[0].LParam, MAKELPARAM(50, 60));
    EXPECT_EQ(got[1].Message, static_cast<UINT>(WM_RBUTTONUP));
    EXPECT_EQ(got[2].Message, static_cast<UINT>(WM_MOUSEWHEEL));
    EXPECT_EQ(static_cast<short>(HIWORD(got[2].WParam)), 120);

    // With the capture, moves far outside every window still come, in
    // client coordinates.
    SetCapture(form);
    PumpUntil([] { return true; });
    XTestFakeMotionEvent(x, 0, 900, 700, 0);
    XSync(x, False);
    std::vector<TLogged> moves;
    EXPECT_TRUE(PumpUntil([&] {
        for (const TLogged& entry : TakeLogged({WM_MOUSEMOVE}))
            moves.push_back(entry);
        return !moves.empty() && moves.back().LParam == MAKELPARAM(700, 500);
    }));
    ReleaseCapture();
    Pump();
}

// Keys that came up while another program had the keyboard (the desktop's
// grab for its Alt+Tab, the focus elsewhere) or the pointer (its Alt+drag)
// are read from the display when the keyboard comes back: typing goes on
// as plain keys, and that Alt's release asks for no menu.
TEST_F(TX11InputTest, KeysThatCameUpElsewhereAreReadFromTheDisplay)
{
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    ASSERT_TRUE(HasXFocus(form));
    Display* x = Other();
    const KeyCode alt = XKeysymToKeycode(x, XK_Alt_L);
    auto altKey = [&](bool down) {
        XTestFakeKeyEvent(x, alt, down, 0);
        XSync(x, False);
    };
    const std::initializer_list<UINT> seen = {WM_KEYDOWN, WM_CHAR, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSCOMMAND};
    std::vector<TLogged> got;
    auto collect = [&](const std::function<bool()>& done) {
        return PumpUntil([&] {
            for (const TLogged& entry : TakeLogged(seen))
                got.push_back(entry);
            return done();
        });
    };
    auto typeD = [&] {
        got.clear();
        Key(XK_d);
        collect([&] { return got.size() >= 2; });
        return Describe(got);
    };
    const TLines plainD = {"F:WM_KEYDOWN 44 00200001", "F:WM_CHAR 64 00200001"};
    // What the server sends next has arrived and been handled.
    auto settle = [&] {
        int rounds = 0;
        PumpUntil([&] { return ++rounds > 10; });
    };

    // Alt down, then a grab takes the keyboard and Alt comes up in it.
    altKey(true);
    ASSERT_TRUE(PumpUntil([] { return GetKeyState(VK_MENU) < 0; }));
    TakeLogged({});
    ASSERT_EQ(XGrabKeyboard(x, DefaultRootWindow(x), False, GrabModeAsync, GrabModeAsync, CurrentTime), GrabSuccess);
    XSync(x, False);
    altKey(false);
    XUngrabKeyboard(x, CurrentTime);
    XSync(x, False);
    EXPECT_TRUE(PumpUntil([] { return GetKeyState(VK_MENU) >= 0; }));
    EXPECT_EQ(typeD(), plainD);

    // The focus goes elsewhere; Alt goes down there and is still held
    // when the focus comes back: it counts as held, but not as alone.
    XSetInputFocus(x, None, RevertToNone, CurrentTime);
    XSync(x, False);
    ASSERT_TRUE(PumpUntil([] { return GetActiveWindow() == nullptr; }));
    altKey(true);
    SetActiveWindow(form);
    ASSERT_TRUE(HasXFocus(form));
    EXPECT_TRUE(PumpUntil([] { return GetKeyState(VK_MENU) < 0; }));
    altKey(false);
    EXPECT_TRUE(PumpUntil([] { return GetKeyState(VK_MENU) >= 0; }));
    TakeLogged({});

    // Alt down while another program grabs the pointer over the window,
    // as the desktop's Alt+drag does.
    XTestFakeMotionEvent(x, 0, 250, 200, 0);
    XSync(x, False);
    settle();
    altKey(true);
    ASSERT_TRUE(PumpUntil([] { return GetKeyState(VK_MENU) < 0; }));
    ASSERT_EQ(XGrabPointer(x, DefaultRootWindow(x), False, ButtonPressMask, GrabModeAsync, GrabModeAsync, None, None,
                           CurrentTime),
              GrabSuccess);
    XSync(x, False);
    settle();
    XUngrabPointer(x, CurrentTime);
    altKey(false);
    EXPECT_TRUE(PumpUntil([] { return GetKeyState(VK_MENU) >= 0; }));
    settle();
    EXPECT_TRUE(TakeLogged({WM_SYSCOMMAND}).empty()) << "the Alt counted as pressed alone";
    EXPECT_EQ(typeD(), plainD);

    // Alt comes up in a window that its Alt+letter closed before the
    // release was read: the release still counts, for the focus now.
    HWND dialog = Make("D", WS_POPUP | WS_CAPTION | WS_VISIBLE, form, Bounds(150, 150, 100, 80));
    ASSERT_TRUE(HasXFocus(dialog));
    altKey(true);
    ASSERT_TRUE(PumpUntil([] { return GetKeyState(VK_MENU) < 0; }));
    altKey(false);
    DestroyWindow(dialog);
    TakeLogged({});
    EXPECT_TRUE(PumpUntil([] { return GetKeyState(VK_MENU) >= 0; }));
    EXPECT_EQ(Describe(TakeLogged({WM_SYSKEYUP})), TLines{"F:WM_SYSKEYUP 12 C0380001"});
}

// A back end coming into use takes the cursor from its display's pointer,
// not from where the back end before it left the cursor: a form shown
// there would otherwise count as under the mouse until the pointer moved.
TEST_F(TX11InputTest, TheCursorStartsWhereTheDisplaysPointerIs)
{
    XTestFakeMotionEvent(Other(), 0, 37, 41, 0);
    XSync(Other(), False);
    SetCursorPos(500, 300);
    Pump();
    AnsiString error;
    std::unique_ptr<TBackend> opened = OpenX11Backend(DisplayString(Other()), error);
    ASSERT_NE(opened, nullptr) << error;
    std::unique_ptr<TBackend> suites = SwapBackend(std::move(opened));
    TPoint cursor{};
    GetCursorPos(&cursor);
    SwapBackend(std::move(suites));
    EXPECT_EQ(cursor.X, 37);
    EXPECT_EQ(cursor.Y, 41);
}

}  // namespace
