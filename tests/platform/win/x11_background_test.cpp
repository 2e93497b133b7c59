// The program in the background on a real X display: a window it brings
// up while the user is in another program (a box after a paste that failed
// meanwhile) leaves that program the keyboard, and has it as soon as the
// user comes back, or as soon as the keyboard falls to nobody.
#include <gtest/gtest.h>

#include "platform/win/focus.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"
#include "platform/win/x11_backend.h"
#include "x11_test_support.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

class TX11BackgroundTest : public TX11Test {
protected:
    void TearDown() override
    {
        if (otherWindow_) {
            XDestroyWindow(Other(), otherWindow_);
            XSync(Other(), False);
        }
        TX11Test::TearDown();
    }

    // The window that holds the display's keyboard.
    static Window XFocus()
    {
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(Other(), &focus, &revert);
        return focus;
    }
    // The user goes to a window of another program.
    void GoToOtherProgram()
    {
        otherWindow_ = XCreateSimpleWindow(Other(), DefaultRootWindow(Other()), 700, 500, 100, 100, 0, 0, 0);
        XMapWindow(Other(), otherWindow_);
        XSetInputFocus(Other(), otherWindow_, RevertToParent, CurrentTime);
        XSync(Other(), False);
    }
    // The user time a window of ours tells the desktop (-1: none).
    static long UserTime(HWND Handle)
    {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(Other(), X11WindowOf(Handle), XInternAtom(Other(), "_NET_WM_USER_TIME", False), 0, 1,
                           False, XA_CARDINAL, &type, &format, &count, &after, &data);
        long time = count ? *reinterpret_cast<long*>(data) : -1;
        if (data)
            XFree(data);
        return time;
    }

    Window otherWindow_ = 0;
};

TEST_F(TX11BackgroundTest, ABoxRaisedWhileAnotherProgramIsActiveWaitsForTheUser)
{
    enum TWayBack { FocusFromTheDesktop, ClickOnTheMainWindow };
    struct TCase {
        const char* What;
        bool HeardOfTheSwitch;  // the program read the switch before the box came (a wait that reads the display)
        TWayBack Way;
        // The wheel turned a notch over the main window, before the box
        // came and while it waits: the user is not back for that.
        bool WheelNotches = false;
    };
    const TCase cases[] = {
        {"after a wait for the clipboard, back by the desktop", true, FocusFromTheDesktop},
        {"after a wait for the clipboard, back by a click", true, ClickOnTheMainWindow},
        {"after a long save that read nothing, back by the desktop", false, FocusFromTheDesktop},
        {"after a wait for the clipboard and wheel notches, back by the desktop", true, FocusFromTheDesktop, true},
        {"after a long save that read nothing and wheel notches, back by a click", false, ClickOnTheMainWindow, true},
    };
    for (const TCase& c : cases) {
        HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
        ASSERT_TRUE(HasXFocus(form));
        GoToOtherProgram();
        if (c.HeardOfTheSwitch) {
            ASSERT_TRUE(PumpUntil([] { return GetActiveWindow() == nullptr; }));
        }
        // A notch before the box, still unread when it comes.
        if (c.WheelNotches)
            Click(ClientCenter(form), Button5);

        // The program's modal box comes up on its own.
        EnableWindow(form, false);
        HWND box = Make("B", WS_POPUP | WS_CAPTION | WS_VISIBLE, form, Bounds(320, 230, 120, 80));
        EXPECT_EQ(UserTime(box), 0) << c.What << ": the desktop is not told to give it the keyboard";
        ASSERT_TRUE(BecomesViewable(box));
        // Long enough for the program to hear of the map and act on it.
        for (int round = 0; round < 10; ++round)
            PumpUntil([] { return true; });
        XSync(Other(), False);
        EXPECT_EQ(XFocus(), otherWindow_) << c.What;
        if (c.WheelNotches) {
            Click(ClientCenter(form), Button4);
            for (int round = 0; round < 10; ++round)
                PumpUntil([] { return true; });
            XSync(Other(), False);
            EXPECT_EQ(XFocus(), otherWindow_) << c.What << ": the box waits after a notch";
        }

        // The user comes back to the program, and finds the box.
        if (c.Way == FocusFromTheDesktop) {
            XSetInputFocus(Other(), X11WindowOf(form), RevertToParent, CurrentTime);
            XSync(Other(), False);
        } else {
            Click(ClientCenter(form));
        }
        EXPECT_TRUE(HasXFocus(box)) << c.What;
        EXPECT_EQ(GetActiveWindow(), box) << c.What;
        DestroyWindow(box);
        EnableWindow(form, true);
        DestroyWindow(form);
        XDestroyWindow(Other(), otherWindow_);
        otherWindow_ = 0;
    }
}

// On a bare display, when another program closes and the keyboard falls to
// nobody, a box held back for that program takes it, else the program's
// window under the pointer does: the Return typed next reaches it rather
// than being lost. With the pointer elsewhere the keyboard stays where it
// fell.
TEST_F(TX11BackgroundTest, TheProgramTakesTheKeyboardWhenItFallsToNobody)
{
    enum TTaker { TheBox, TheMainWindow, Nobody };
    struct TCase {
        const char* What;
        int RevertTo;  // where the display sends the keyboard when the other program's window goes
        TTaker Taker;  // the box is up, or the pointer rests on the main window, or neither
    };
    const TCase cases[] = {
        {"a box, to the root window", RevertToParent, TheBox},
        {"a box, to the window under the pointer", RevertToPointerRoot, TheBox},
        {"a box, to nobody at all", RevertToNone, TheBox},
        {"the pointer on the article, to the root window", RevertToParent, TheMainWindow},
        {"the pointer on the article, to the window under the pointer", RevertToPointerRoot, TheMainWindow},
        {"the pointer on the article, to nobody at all", RevertToNone, TheMainWindow},
        {"the pointer elsewhere, to the root window", RevertToParent, Nobody},
        {"the pointer elsewhere, to nobody at all", RevertToNone, Nobody},
    };
    for (const TCase& c : cases) {
        HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
        ASSERT_TRUE(HasXFocus(form));
        // Away from every window, but on the main window when it is to
        // take the keyboard: the display hands keys for the root window to
        // the window under the pointer, which would hide a box left out.
        const TPoint pointer = c.Taker == TheMainWindow ? ClientCenter(form) : TPoint{1200, 780};
        XTestFakeMotionEvent(Other(), 0, pointer.X, pointer.Y, 0);
        GoToOtherProgram();
        XSetInputFocus(Other(), otherWindow_, c.RevertTo, CurrentTime);
        XSync(Other(), False);
        ASSERT_TRUE(PumpUntil([] { return GetActiveWindow() == nullptr; }));
        HWND box = nullptr;
        if (c.Taker == TheBox) {
            EnableWindow(form, false);
            box = Make("B", WS_POPUP | WS_CAPTION | WS_VISIBLE, form, Bounds(320, 230, 120, 80));
            ASSERT_TRUE(BecomesViewable(box));
        }
        XSync(Other(), False);
        ASSERT_EQ(XFocus(), otherWindow_) << c.What;

        // The other program closes.
        XDestroyWindow(Other(), otherWindow_);
        otherWindow_ = 0;
        XSync(Other(), False);
        HWND taker = c.Taker == TheBox ? box : c.Taker == TheMainWindow ? form : nullptr;
        if (taker) {
            EXPECT_TRUE(HasXFocus(taker)) << c.What;
        } else {
            for (int round = 0; round < 10; ++round)
                PumpUntil([] { return true; });
            EXPECT_NE(XFocus(), X11WindowOf(form)) << c.What;
        }
        EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == taker; })) << c.What;
        if (taker) {
            TakeLogged({});
            std::vector<std::string> keys;
            Key(XK_Return);
            PumpUntil([&] {
                for (const std::string& key : Take({WM_KEYDOWN}))
                    keys.push_back(key);
                return !keys.empty();
            });
            EXPECT_EQ(keys, std::vector<std::string>{taker == box ? "B:WM_KEYDOWN" : "F:WM_KEYDOWN"}) << c.What;
        }
        if (box)
            DestroyWindow(box);
        EnableWindow(form, true);
        DestroyWindow(form);
    }
}

// The window that had the keyboard went, and the keyboard went back to
// the screen's root: it is no other program's, and the program's next
// window takes it. Once another program takes it from there, the window
// after leaves it to that program.
TEST_F(TX11BackgroundTest, AKeyboardLeftToNobodyIsTakenByTheNextWindow)
{
    HWND first = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    ASSERT_TRUE(HasXFocus(first));
    XSetInputFocus(Other(), PointerRoot, RevertToParent, CurrentTime);
    XSync(Other(), False);
    ASSERT_TRUE(PumpUntil([] { return GetActiveWindow() == nullptr; }));
    HWND next = Make("N", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(150, 150, 300, 200));
    EXPECT_TRUE(HasXFocus(next));
    EXPECT_EQ(UserTime(next), -1);

    XSetInputFocus(Other(), PointerRoot, RevertToParent, CurrentTime);
    XSync(Other(), False);
    ASSERT_TRUE(PumpUntil([] { return GetActiveWindow() == nullptr; }));
    GoToOtherProgram();
    HWND last = Make("L", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(200, 200, 300, 200));
    EXPECT_EQ(UserTime(last), 0);
    ASSERT_TRUE(BecomesViewable(last));
    XSync(Other(), False);
    EXPECT_EQ(XFocus(), otherWindow_);
}

}  // namespace
