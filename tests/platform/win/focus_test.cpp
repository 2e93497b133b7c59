#include <gtest/gtest.h>

#include "input_test_support.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"

namespace {

using TFocusTest = TInputTest;

constexpr DWORD Overlapped = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
const std::initializer_list<UINT> ActivationMessages = {
    WM_ACTIVATE, WM_ACTIVATEAPP, WM_NCACTIVATE, WM_SETFOCUS, WM_KILLFOCUS,
    WM_MOUSEACTIVATE, WM_SETCURSOR, WM_LBUTTONDOWN, WM_LBUTTONUP};

using TLines = std::vector<std::string>;

TEST_F(TFocusTest, ClicksMoveActivationAndFocusInThePlatformsOrder)
{
    HWND a = Make("A", Overlapped, nullptr, Bounds(100, 100, 300, 200));
    EXPECT_EQ(Take(ActivationMessages),
              (TLines{"A:WM_ACTIVATEAPP", "A:WM_NCACTIVATE", "A:WM_ACTIVATE", "A:WM_SETFOCUS"}));
    HWND b = Make("B", Overlapped, nullptr, Bounds(500, 100, 300, 200));
    EXPECT_EQ(Take(ActivationMessages), (TLines{"A:WM_NCACTIVATE", "A:WM_ACTIVATE", "B:WM_NCACTIVATE",
                                                "B:WM_ACTIVATE", "A:WM_KILLFOCUS", "B:WM_SETFOCUS"}));
    HWND c = Make("C", WS_CHILD | WS_VISIBLE, a, Bounds(10, 10, 100, 50));
    Hook = [&](const std::string& name, HWND window, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (name == "C" && message == WM_LBUTTONDOWN)
            SetFocus(window);
        return false;
    };
    InjectMouseMove(ClientCenter(a));
    Pump();
    Take({});

    InjectClick(ClientCenter(a));
    Pump();
    std::vector<TLogged> logged = TakeLogged(ActivationMessages);
    TLines names;
    for (const TLogged& entry : logged)
        names.push_back(entry.Window + ":" + InputMessageName(entry.Message));
    EXPECT_EQ(names, (TLines{"A:WM_MOUSEACTIVATE", "B:WM_NCACTIVATE", "B:WM_ACTIVATE", "A:WM_NCACTIVATE",
                             "A:WM_ACTIVATE", "B:WM_KILLFOCUS", "A:WM_SETFOCUS", "A:WM_SETCURSOR", "A:WM_LBUTTONDOWN",
                             "A:WM_SETCURSOR", "A:WM_LBUTTONUP"}));
    ASSERT_EQ(logged.size(), 11u);
    EXPECT_EQ(logged[0].WParam, reinterpret_cast<WPARAM>(a));
    EXPECT_EQ(HIWORD(static_cast<uintptr_t>(logged[0].LParam)), WM_LBUTTONDOWN);
    EXPECT_EQ(LOWORD(static_cast<uintptr_t>(logged[0].LParam)), HTCLIENT);
    EXPECT_EQ(LOWORD(logged[2].WParam), WA_INACTIVE);
    EXPECT_EQ(logged[2].LParam, reinterpret_cast<LPARAM>(a));
    EXPECT_EQ(LOWORD(logged[4].WParam), WA_CLICKACTIVE);
    EXPECT_EQ(logged[4].LParam, reinterpret_cast<LPARAM>(b));
    EXPECT_EQ(logged[5].WParam, reinterpret_cast<WPARAM>(a));
    EXPECT_EQ(logged[6].WParam, reinterpret_cast<WPARAM>(b));
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetForegroundWindow(), a);
    EXPECT_EQ(GetTopWindow(nullptr), a);

    // Into the child of the active window: the child asks its parent and
    // takes the focus itself.
    InjectMouseMove(ClientCenter(c));
    Pump();
    Take({});
    InjectClick(ClientCenter(c));
    Pump();
    EXPECT_EQ(Take(ActivationMessages),
              (TLines{"C:WM_MOUSEACTIVATE", "A:WM_MOUSEACTIVATE", "C:WM_SETCURSOR", "A:WM_SETCURSOR",
                      "C:WM_LBUTTONDOWN", "A:WM_KILLFOCUS", "C:WM_SETFOCUS", "C:WM_SETCURSOR", "A:WM_SETCURSOR",
                      "C:WM_LBUTTONUP"}));
    EXPECT_EQ(GetFocus(), c);

    // The desktop gives activation to another program and back.
    InjectSurfaceFocus(a, false);
    Pump();
    EXPECT_EQ(Take(ActivationMessages), (TLines{"A:WM_NCACTIVATE", "A:WM_ACTIVATE", "A:WM_ACTIVATEAPP",
                                                "B:WM_ACTIVATEAPP", "C:WM_KILLFOCUS"}));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    InjectSurfaceFocus(b, true);
    Pump();
    EXPECT_EQ(Take(ActivationMessages), (TLines{"A:WM_ACTIVATEAPP", "B:WM_ACTIVATEAPP", "B:WM_NCACTIVATE",
                                                "B:WM_ACTIVATE", "B:WM_SETFOCUS"}));
}

TEST_F(TFocusTest, NoActivatePopupsAndEatenClicksKeepTheActiveWindow)
{
    HWND a = Make("A", Overlapped, nullptr, Bounds(100, 100, 300, 200));
    HWND b = Make("B", Overlapped, nullptr, Bounds(500, 100, 300, 200));
    HWND popup = Make("P", WS_POPUP | WS_VISIBLE, b, Bounds(150, 400, 100, 50), WS_EX_NOACTIVATE);
    EXPECT_EQ(GetActiveWindow(), b);
    Take({});

    InjectClick(ClientCenter(popup));
    Pump();
    EXPECT_EQ(Take({WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN}),
              (TLines{"P:WM_MOUSEACTIVATE", "P:WM_LBUTTONDOWN"}));
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(SetActiveWindow(popup), nullptr);
    EXPECT_FALSE(SetForegroundWindow(popup));
    EXPECT_EQ(GetActiveWindow(), b);

    // MA_ACTIVATEANDEAT activates but swallows the press.
    Hook = [&](const std::string& name, HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (name == "A" && message == WM_MOUSEACTIVATE) {
            result = MA_ACTIVATEANDEAT;
            return true;
        }
        return false;
    };
    InjectClick(ClientCenter(a));
    Pump();
    EXPECT_EQ(Take({WM_MOUSEACTIVATE, WM_LBUTTONDOWN, WM_LBUTTONUP}), (TLines{"A:WM_MOUSEACTIVATE", "A:WM_LBUTTONUP"}));
    EXPECT_EQ(GetActiveWindow(), a);

    // A child of another window cannot be activated by itself; SetFocus on
    // it activates its top-level window.
    HWND c = Make("C", WS_CHILD | WS_VISIBLE, b, Bounds(0, 0, 50, 50));
    EXPECT_EQ(SetActiveWindow(c), a);
    EXPECT_EQ(GetActiveWindow(), a);
    // The activation gives the focus to B on the way.
    EXPECT_EQ(SetFocus(c), b);
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(GetFocus(), c);
}

TEST_F(TFocusTest, ActivationAndFocusLeaveWindowsThatGoAway)
{
    HWND a = Make("A", Overlapped, nullptr, Bounds(100, 100, 300, 200));
    HWND b = Make("B", Overlapped, nullptr, Bounds(500, 100, 300, 200));
    HWND c = Make("C", WS_CHILD | WS_VISIBLE, b, Bounds(0, 0, 50, 50));
    HWND dialog = Make("D", WS_POPUP | WS_CAPTION | WS_VISIBLE, a, Bounds(150, 150, 100, 100));
    EXPECT_EQ(GetActiveWindow(), dialog);

    // The owner takes over from a destroyed window, even below another.
    SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(dialog);
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetFocus(), a);

    // A hidden window hands activation to the next one.
    ShowWindow(a, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), b);

    // A focused child that is hidden gives the focus to its parent; one
    // that is disabled loses it, and cannot take it back.
    SetFocus(c);
    ShowWindow(c, SW_HIDE);
    EXPECT_EQ(GetFocus(), b);
    ShowWindow(c, SW_SHOW);
    SetFocus(c);
    Take({});
    EnableWindow(c, false);
    EXPECT_EQ(Take({WM_KILLFOCUS}), (TLines{"C:WM_KILLFOCUS"}));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(c), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);

    // Nothing is left to activate: the program is no longer active.
    DestroyWindow(b);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(Take({WM_ACTIVATEAPP}), (TLines{"B:WM_ACTIVATEAPP", "A:WM_ACTIVATEAPP"}));
    EXPECT_TRUE(IsWindow(a));
}

// The desktop's Alt+Tab may pick a window a modal dialog disables: the
// dialog (or the box that dialog brought up) takes the activation and the
// keys, and the disabled window gets none of them.
TEST_F(TFocusTest, ADisabledWindowTheDesktopActivatesHandsOverToItsModalWindow)
{
    HWND main = Make("M", Overlapped, nullptr, Bounds(100, 100, 300, 200));
    HWND other = Make("O", Overlapped, nullptr, Bounds(500, 100, 300, 200));
    HWND dialog = Make("D", WS_POPUP | WS_CAPTION | WS_VISIBLE, main, Bounds(150, 150, 100, 100));
    HWND box = Make("B", WS_POPUP | WS_CAPTION, dialog, Bounds(170, 170, 60, 40));
    EnableWindow(main, false);
    for (HWND modal : {dialog, box}) {
        InjectSurfaceFocus(modal, false);
        Pump();
        EXPECT_EQ(GetActiveWindow(), nullptr);
        Take({});
        InjectSurfaceFocus(main, true);
        Pump();
        EXPECT_EQ(GetActiveWindow(), modal);
        EXPECT_EQ(GetFocus(), modal);
        EXPECT_EQ(Take({WM_ACTIVATE}), (TLines{std::string(modal == box ? "B" : "D") + ":WM_ACTIVATE"}));
        InjectKeyStroke('K');
        Pump();
        EXPECT_EQ(TakeLogged({WM_KEYDOWN}).size(), 1u);
        // The box comes up over the dialog, which it disables in turn.
        EnableWindow(dialog, false);
        ShowWindow(box, SW_SHOW);
        SetActiveWindow(box);
    }
    EnableWindow(dialog, true);
    EnableWindow(main, true);
    // An enabled window the desktop activates takes the activation itself.
    InjectSurfaceFocus(other, true);
    Pump();
    EXPECT_EQ(GetActiveWindow(), other);
}

}  // namespace
