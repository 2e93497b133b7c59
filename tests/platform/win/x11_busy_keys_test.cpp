// Keys that reach the display while the program is busy (an article
// opening, the process paused) wait in the display's queue with the focus
// changes made meanwhile; each must take the modifiers held when it was
// typed, not those held when the program gets round to it.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/win/focus.h"
#include "platform/win/keyboard.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"
#include "platform/win/x11_backend.h"
#include "x11_test_support.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using TLines = std::vector<std::string>;

// What the user does on the display while the program is busy.
enum TAct { Typed, Down, Up, Clicked };
struct TStep {
    TAct Act;
    unsigned long Sym = 0;
};
// What the user does while the program is busy, and the messages the
// program makes of it.
struct TBusyCase {
    const char* What;
    std::vector<TStep> WhileBusy;
    TLines Made;
};

class TX11BusyKeysTest : public TX11Test {
protected:
    void SetUp() override
    {
        TX11Test::SetUp();
        form_ = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
        ASSERT_TRUE(HasXFocus(form_));
    }
    void TearDown() override
    {
        // No key stays down on the display for the next test.
        LetGoOfModifiers();
        if (otherWindow_) {
            XDestroyWindow(Other(), otherWindow_);
            XSync(Other(), False);
        }
        TX11Test::TearDown();
    }

    // What the other program does on the display: a key goes down or up,
    // or the desktop gives the keyboard to a window (0: to none).
    static void Press(unsigned long Sym, bool Down)
    {
        XTestFakeKeyEvent(Other(), XKeysymToKeycode(Other(), Sym), Down, 0);
        XSync(Other(), False);
    }
    static void Type(unsigned long Sym)
    {
        Press(Sym, true);
        Press(Sym, false);
    }
    static void FocusTo(HWND Window)
    {
        XSetInputFocus(Other(), Window ? X11WindowOf(Window) : 0, RevertToParent, CurrentTime);
        XSync(Other(), False);
    }
    // The user goes to a window of another program.
    void FocusToOtherProgram()
    {
        if (!otherWindow_) {
            otherWindow_ = XCreateSimpleWindow(Other(), DefaultRootWindow(Other()), 700, 500, 100, 100, 0, 0, 0);
            XMapWindow(Other(), otherWindow_);
        }
        XSetInputFocus(Other(), otherWindow_, RevertToParent, CurrentTime);
        XSync(Other(), False);
    }
    void Play(const std::vector<TStep>& Steps)
    {
        for (const TStep& step : Steps) {
            if (step.Act == Clicked)
                Click(ClientCenter(form_));
            else if (step.Act == Typed)
                Type(step.Sym);
            else
                Press(step.Sym, step.Act == Down);
        }
    }
    void LetGoOfModifiers()
    {
        Press(XK_Control_L, false);
        Press(XK_Alt_L, false);
        PumpUntil([] { return GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0; });
    }

    // The key, character and left-press messages the program makes of
    // what waited, as "window:message wParam", a key down with " Ctrl"
    // when Ctrl counts as held for it; once Last has come.
    TLines KeysAfterBusy(const std::string& Last)
    {
        TLines lines;
        Hook = [&](const std::string& Name, HWND, UINT Message, WPARAM WParam, LPARAM, LRESULT&) {
            if (Message != WM_KEYDOWN && Message != WM_CHAR && Message != WM_SYSKEYDOWN && Message != WM_SYSCHAR &&
                Message != WM_LBUTTONDOWN)
                return false;
            char line[64];
            std::snprintf(line, sizeof line, "%s:%s %02X%s", Name.c_str(), InputMessageName(Message),
                          static_cast<unsigned>(WParam),
                          Message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 ? " Ctrl" : "");
            lines.push_back(line);
            return false;
        };
        PumpUntil([&] { return !lines.empty() && lines.back() == Last; });
        Hook = nullptr;
        return lines;
    }

    HWND form_ = nullptr;
    unsigned long otherWindow_ = 0;
};

TEST_F(TX11BusyKeysTest, KeysTypedAfterTheFocusCameBackTakeTheModifiersTheyWereTypedWith)
{
    const TBusyCase cases[] = {
        {"\"bod\", then Ctrl held",
         {{Typed, XK_b}, {Typed, XK_o}, {Typed, XK_d}, {Down, XK_Control_L}},
         {"F:WM_KEYDOWN 42", "F:WM_CHAR 62", "F:WM_KEYDOWN 4F", "F:WM_CHAR 6F", "F:WM_KEYDOWN 44", "F:WM_CHAR 64",
          "F:WM_KEYDOWN 11 Ctrl"}},
        {"\"ev\", then Alt held",
         {{Typed, XK_e}, {Typed, XK_v}, {Down, XK_Alt_L}},
         {"F:WM_KEYDOWN 45", "F:WM_CHAR 65", "F:WM_KEYDOWN 56", "F:WM_CHAR 76", "F:WM_SYSKEYDOWN 12"}},
        {"Ctrl+S pressed and let go",
         {{Down, XK_Control_L}, {Typed, XK_s}, {Up, XK_Control_L}},
         {"F:WM_KEYDOWN 11 Ctrl", "F:WM_KEYDOWN 53 Ctrl", "F:WM_CHAR 13"}},
        {"a click, then Ctrl held",
         {{Clicked}, {Down, XK_Control_L}},
         {"F:WM_LBUTTONDOWN 01", "F:WM_KEYDOWN 11 Ctrl"}},
    };
    for (const TBusyCase& c : cases) {
        // Busy: the program takes nothing from the display meanwhile.
        FocusTo(nullptr);
        FocusTo(form_);
        Play(c.WhileBusy);
        EXPECT_EQ(KeysAfterBusy(c.Made.back()), c.Made) << c.What;
        LetGoOfModifiers();
    }
}

// The user types while the program is busy and goes to another program
// before it catches up: what was typed reaches the window that had the
// keyboard, and only then is the program left inactive; it takes the
// keyboard again when the user comes back.
TEST_F(TX11BusyKeysTest, KeysTypedBeforeTheUserWentToAnotherProgramStillArrive)
{
    const TBusyCase cases[] = {
        {"\"abc\"",
         {{Typed, XK_a}, {Typed, XK_b}, {Typed, XK_c}},
         {"F:WM_KEYDOWN 41", "F:WM_CHAR 61", "F:WM_KEYDOWN 42", "F:WM_CHAR 62", "F:WM_KEYDOWN 43", "F:WM_CHAR 63"}},
        {"Ctrl+F", {{Down, XK_Control_L}, {Typed, XK_f}, {Up, XK_Control_L}},
         {"F:WM_KEYDOWN 11 Ctrl", "F:WM_KEYDOWN 46 Ctrl", "F:WM_CHAR 06"}},
    };
    for (const TBusyCase& c : cases) {
        Play(c.WhileBusy);
        FocusToOtherProgram();
        EXPECT_EQ(KeysAfterBusy(c.Made.back()), c.Made) << c.What;
        EXPECT_TRUE(PumpUntil([] { return GetActiveWindow() == nullptr; })) << c.What;
        FocusTo(form_);
        EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == form_; })) << c.What;
    }
}

// Alt goes down just before the desktop hands the keyboard to a dialog,
// and its letter just after: Alt goes where the keyboard was, and the
// letter comes to the dialog with Alt.
TEST_F(TX11BusyKeysTest, AModifierPressedJustBeforeTheFocusMovedStillHoldsAfterIt)
{
    HWND dialog = Make("D", WS_POPUP | WS_CAPTION | WS_VISIBLE, form_, Bounds(150, 150, 100, 80));
    ASSERT_TRUE(HasXFocus(dialog));
    SetActiveWindow(form_);
    ASSERT_TRUE(HasXFocus(form_));
    Press(XK_Alt_L, true);
    FocusTo(dialog);
    Type(XK_o);
    Press(XK_Alt_L, false);
    EXPECT_EQ(KeysAfterBusy("D:WM_SYSCHAR 6F"), (TLines{"F:WM_SYSKEYDOWN 12", "D:WM_SYSKEYDOWN 4F", "D:WM_SYSCHAR 6F"}));
}

// A typing tool sends keys straight to the window with the modifiers in
// each key's state and presses no modifier key: each key takes its own.
// The program has just started: Alt's bit is known from the start alone
// (a key from another keyboard device, as earlier tests type through the
// display, makes the back end read it again).
TEST_F(TX11BusyKeysTest, AKeySentWithModifiersInItsStateTakesThem)
{
    Display* x = Other();
    AnsiString error;
    std::unique_ptr<TBackend> started = OpenX11Backend(DisplayString(x), error);
    ASSERT_NE(started, nullptr) << error;
    std::unique_ptr<TBackend> suites = SwapBackend(std::move(started));
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    EXPECT_TRUE(HasXFocus(form));
    const auto send = [&](unsigned long Sym, unsigned State) {
        for (int type : {KeyPress, KeyRelease}) {
            XEvent event{};
            event.xkey.type = type;
            event.xkey.display = x;
            event.xkey.window = X11WindowOf(form);
            event.xkey.root = DefaultRootWindow(x);
            event.xkey.same_screen = True;
            event.xkey.keycode = XKeysymToKeycode(x, Sym);
            event.xkey.state = State;
            XSendEvent(x, event.xkey.window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &event);
        }
        XSync(x, False);
    };
    send(XK_s, ControlMask);
    send(XK_x, 0);
    send(XK_s, Mod1Mask);
    send(XK_y, 0);
    const TLines made = KeysAfterBusy("F:WM_CHAR 79");
    DestroyWindow(form);
    Pump();
    SwapBackend(std::move(suites));
    EXPECT_EQ(made, (TLines{"F:WM_KEYDOWN 53 Ctrl", "F:WM_CHAR 13", "F:WM_KEYDOWN 58", "F:WM_CHAR 78",
                            "F:WM_SYSKEYDOWN 53", "F:WM_SYSCHAR 73", "F:WM_KEYDOWN 59", "F:WM_CHAR 79"}));
}

// A dialog goes (its own Return closed it) and a key follows at once,
// before the program has run its loop again: the key reaches the window
// that takes over rather than falling to the desktop.
TEST_F(TX11BusyKeysTest, AKeyRightAfterADialogWentReachesTheWindowTakingOver)
{
    // Away from every window: the server would otherwise hand keys for
    // the root window to the window under the pointer.
    XTestFakeMotionEvent(Other(), 0, 1200, 780, 0);
    XSync(Other(), False);
    for (bool destroyed : {false, true}) {
        HWND dialog = Make("D", WS_POPUP | WS_CAPTION | WS_VISIBLE, form_, Bounds(150, 150, 100, 80));
        ASSERT_TRUE(HasXFocus(dialog));
        if (destroyed)
            DestroyWindow(dialog);
        else
            ShowWindow(dialog, SW_HIDE);
        Type(XK_x);
        EXPECT_EQ(KeysAfterBusy("F:WM_CHAR 78"), (TLines{"F:WM_KEYDOWN 58", "F:WM_CHAR 78"}))
            << (destroyed ? "destroyed" : "hidden");
        if (!destroyed)
            DestroyWindow(dialog);
    }
}

}  // namespace
