// The frame's window commands on a real X display (the suite's own Xvfb):
// maximizing covers exactly the work area the desktop announces on the
// root window and restoring brings the old rectangle back; minimizing the
// main form asks the desktop to iconify it, as the test, listening on the
// root as a desktop does, sees.
#include "form_x11_test_support.h"
#include "platform/ui/kernel/application.h"
#include "platform/win/window_attributes.h"
#include "platform/win/x11_backend.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/test_frame_skin.h"

// Last: Xlib's macros would rename our classes' members.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

class WindowCommandsX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        frameSkin_.LoadInto(data_);
    }

    // The application's main form at (100, 100), 300 x 200, skinned.
    void ShowMainForm()
    {
        Application->CreateForm(form_);
        form_->SetBounds(100, 100, 300, 200);
        frame_ = new TbsSkinForm(form_);
        frame_->SetSkinData(&data_);
        form_->Show();
        ASSERT_TRUE(BecomesViewable(form_->Handle()));
    }

    unsigned long XWindow() const { return X11WindowOf(form_->Handle()); }

    // Where the X window lies on the screen.
    TRect XBounds() const
    {
        XWindowAttributes attributes{};
        XGetWindowAttributes(Other(), XWindow(), &attributes);
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(Other(), XWindow(), DefaultRootWindow(Other()), 0, 0, &x, &y, &child);
        return Rect(x, y, x + attributes.width, y + attributes.height);
    }

    TTestSkin skin_;
    TTestFrameSkin frameSkin_{skin_};
    TbsSkinData data_{nullptr};
    TbsSkinForm* frame_ = nullptr;
};

TEST_F(WindowCommandsX11Test, MaximizedTheWindowCoversTheDesktopsWorkAreaAndRestoresToItsOldPlace)
{
    Display* x = Other();
    int width = DisplayWidth(x, DefaultScreen(x));
    int height = DisplayHeight(x, DefaultScreen(x));
    // A panel of 24 pixels at the top and a task bar of 30 at the bottom.
    TDesktopWorkArea desktop(Rect(0, 24, width, height - 30));

    ShowMainForm();
    ASSERT_TRUE(PumpUntil([&] { return XBounds() == Rect(100, 100, 400, 300); }));
    frame_->SetWindowState(wsMaximized);
    TRect expected = Rect(0, 24, width, height - 30);
    EXPECT_TRUE(PumpUntil([&] { return XBounds() == expected; }));
    EXPECT_EQ(form_->BoundsRect(), expected);
    EXPECT_TRUE(PumpUntil([&] { return DisplayShowsBacking(); }));
    SaveScreenshot("TANDRIL_MAXIMIZED_SCREENSHOT");

    frame_->SetWindowState(wsNormal);
    EXPECT_TRUE(PumpUntil([&] { return XBounds() == Rect(100, 100, 400, 300); }));
    EXPECT_EQ(form_->BoundsRect(), Rect(100, 100, 400, 300));
}

// The test plays the desktop: it holds the root window's redirect, so the
// iconify request comes to it.
TEST_F(WindowCommandsX11Test, MinimizingTheMainFormAsksTheDesktopToIconifyIt)
{
    ShowMainForm();
    frame_->SetWindowState(wsMaximized);
    Display* x = Other();
    TDesktopRedirect desktop;

    frame_->SetWindowState(wsMinimized);
    EXPECT_TRUE(IsIconic(form_->Handle()));
    // The frame stays as it was, to come back maximized.
    EXPECT_EQ(frame_->WindowState(), wsMaximized);
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
    EXPECT_EQ(request.window, XWindow());
    EXPECT_EQ(request.data.l[0], IconicState);
}

}  // namespace
