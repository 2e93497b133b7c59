// The program in the background on a real X display: a window it brings
// up while the user is in another program (a box after a paste that failed
// meanwhile) leaves that program the keyboard, and has it as soon as the
// user comes back.
#include <gtest/gtest.h>

#include "platform/win/focus.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"
#include "platform/win/x11_backend.h"
#include "x11_test_support.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

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
    for (TWayBack way : {FocusFromTheDesktop, ClickOnTheMainWindow}) {
        HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
        ASSERT_TRUE(HasXFocus(form));
        GoToOtherProgram();
        ASSERT_TRUE(PumpUntil([] { return GetActiveWindow() == nullptr; }));

        // The program's modal box comes up on its own.
        EnableWindow(form, false);
        HWND box = Make("B", WS_POPUP | WS_CAPTION | WS_VISIBLE, form, Bounds(320, 230, 120, 80));
        ASSERT_TRUE(BecomesViewable(box));
        // Long enough for the program to hear of the map and act on it.
        for (int round = 0; round < 10; ++round)
            PumpUntil([] { return true; });
        XSync(Other(), False);
        EXPECT_EQ(XFocus(), otherWindow_) << way;
        EXPECT_EQ(UserTime(box), 0) << "the desktop is not told to give it the keyboard either";

        // The user comes back to the program, and finds the box.
        if (way == FocusFromTheDesktop) {
            XSetInputFocus(Other(), X11WindowOf(form), RevertToParent, CurrentTime);
            XSync(Other(), False);
        } else {
            Click(ClientCenter(form));
        }
        EXPECT_TRUE(HasXFocus(box)) << way;
        EXPECT_EQ(GetActiveWindow(), box) << way;
        DestroyWindow(box);
        EnableWindow(form, true);
        DestroyWindow(form);
        XDestroyWindow(Other(), otherWindow_);
        otherWindow_ = 0;
    }
}

// The window that had the keyboard went, and the keyboard went back to
// the screen's root: it is no other program's, and the program's next
// window takes it.
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
}

}  // namespace
