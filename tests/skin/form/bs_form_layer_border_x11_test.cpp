// The layered border on a real X display (the suite's own Xvfb): with a
// compositing manager (the test's other connection owns _NET_WM_CM_S0)
// four ARGB override-redirect windows appear around the form and follow a
// caption drag; without one none appear, rather than opaque boxes.
#include <cstdlib>

#include "form_x11_test_support.h"
#include "platform/win/clock.h"
#include "platform/win/timers.h"
#include "skin/data/bs_bitmap.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/win_messages.h"
#include "platform/win/x11_backend.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_form_layer_border.h"
#include "skin/form/bs_form_layer_window.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/test_frame_skin.h"
#include "tests/skin/form/test_layer_skin.h"

// Last: Xlib's macros would rename our classes' members.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

constexpr TbsLayerSide kSides[] = {TbsLayerSide::Left, TbsLayerSide::Right, TbsLayerSide::Top,
                                   TbsLayerSide::Bottom};

class LayerBorderX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        TTestLayerSkin::AddTo(skin_);
        frameSkin_.LoadInto(data_);
    }

    // Shows the form and lets the border's fade-in of its first show run
    // on the tests' hand-driven clock.
    void ShowForm()
    {
        form_ = new TForm(nullptr);
        form_->SetBounds(100, 100, 300, 200);
        frame_ = new TbsSkinForm(form_);
        frame_->SetSkinData(&data_);
        form_->Show();
        ASSERT_TRUE(BecomesViewable(form_->Handle()));
        AdvanceClock(USER_TIMER_MINIMUM);
        Pump();
    }

    // The alpha the display holds at a point of a border window.
    static int XAlphaAt(HWND Window, int X, int Y)
    {
        XImage* image = XGetImage(Other(), X11WindowOf(Window), X, Y, 1, 1, AllPlanes, ZPixmap);
        if (!image)
            return -1;
        int alpha = static_cast<int>(XGetPixel(image, 0, 0) >> 24);
        XDestroyImage(image);
        return alpha;
    }

    // Where the X server has an X window, and whether it is mapped.
    static TRect XBounds(unsigned long XWindow)
    {
        XWindowAttributes a{};
        XGetWindowAttributes(Other(), XWindow, &a);
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(Other(), XWindow, DefaultRootWindow(Other()), 0, 0, &x, &y, &child);
        return Bounds(x, y, a.width, a.height);
    }

    // The border's windows as the X server shows them: mapped,
    // override-redirect, 32 bits deep, at the border's places.
    bool XShowsBorder()
    {
        TbsFormLayerBorder* border = frame_->LayerBorder();
        if (!border->Showing())
            return false;
        const TbsLayerPlacement& p = border->Placement();
        for (TbsLayerSide side : kSides) {
            unsigned long xw = X11WindowOf(border->Window(side)->Handle());
            XWindowAttributes a{};
            if (!xw || !XGetWindowAttributes(Other(), xw, &a))
                return false;
            const TRect& at = OfSide(side, p.Left, p.Right, p.Top, p.Bottom);
            if (a.map_state != IsViewable || !a.override_redirect || a.depth != 32 || XBounds(xw) != at)
                return false;
        }
        return true;
    }

    TTestSkin skin_;
    TTestFrameSkin frameSkin_{skin_};
    TbsSkinData data_{nullptr};
    TbsSkinForm* frame_ = nullptr;
};

TEST_F(LayerBorderX11Test, UnderACompositorFourArgbWindowsFollowACaptionDrag)
{
    PlayCompositor(true);
    ShowForm();
    ASSERT_TRUE(PumpUntil([&] { return XShowsBorder(); }));
    EXPECT_EQ(frame_->LayerBorder()->Placement().Outer, Bounds(84, 84, 332, 232));
    // The strip's per-pixel alpha under the border's alpha of 200.
    HWND top = frame_->LayerBorder()->Window(TbsLayerSide::Top)->Handle();
    int stripAlpha = static_cast<int>(*frame_->LayerBorder()->Image(TbsLayerSide::Top)->PixelPtr(100, 8) >> 24);
    ASSERT_GT(stripAlpha, 0);
    EXPECT_TRUE(PumpUntil([&] { return std::abs(XAlphaAt(top, 100, 8) - stripAlpha * 200 / 255) <= 1; }));

    TPoint from{form_->Left() + 60, form_->Top() + 12};
    ASSERT_EQ(SendMessage(form_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(from.X, from.Y)), HTCAPTION);
    Drag(from, Point(from.X + 70, from.Y + 45));
    EXPECT_TRUE(PumpUntil([&] { return form_->BoundsRect() == Bounds(170, 145, 300, 200); }));
    EXPECT_TRUE(PumpUntil([&] { return XShowsBorder(); }));
    EXPECT_EQ(frame_->LayerBorder()->Placement().Outer, Bounds(154, 129, 332, 232));
}

TEST_F(LayerBorderX11Test, WithoutACompositorNoBorderWindowAppears)
{
    ShowForm();
    PumpUntil([] { return false; });
    EXPECT_FALSE(frame_->LayerBorder()->Showing());
    int shown = 0;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    XQueryTree(Other(), DefaultRootWindow(Other()), &root, &parent, &children, &count);
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes a{};
        XGetWindowAttributes(Other(), children[i], &a);
        shown += a.map_state == IsViewable && a.depth == 32;
    }
    if (children)
        XFree(children);
    EXPECT_EQ(shown, 0);
}

}  // namespace
