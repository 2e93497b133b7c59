// The layered border on a real X display (the suite's own Xvfb): with a
// compositing manager (the test's other connection owns _NET_WM_CM_S0)
// four ARGB override-redirect windows appear around the form and follow a
// caption drag, and a full border's caption button glows beside the place
// its top window shows it at; without a compositor no window appears,
// rather than opaque boxes.
#include <cstdlib>

#include "form_x11_test_support.h"
#include "platform/win/clock.h"
#include "platform/win/timers.h"
#include "skin/data/bs_bitmap.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/win_messages.h"
#include "platform/win/x11_backend.h"
#include "skin/data/bs_layer_manager.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_active_skin_object.h"
#include "skin/form/bs_form_layer_border.h"
#include "skin/form/bs_form_layer_window.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/test_frame_skin.h"
#include "tests/skin/form/test_layer_skin.h"

// Last: Xlib's macros would rename our classes' members.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

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

TEST_F(LayerBorderX11Test, AFullBordersButtonGlowsBesideItsPlaceOnTheTopWindow)
{
    skin_.Set("LAYERFRAME", "fullborder", "1");
    skin_.Set("LAYERFRAME", "captionrect", TTestSkin::RectText({4, 0, 60, 16}));
    skin_.Set("LAYERFRAME", "buttonsrect", TTestSkin::RectText({20, 1, 60, 16}));
    TRect glowCell = skin_.AddCell("closeglow", 25, 23, {}, {}, {"glow"});
    TRect maskCell = skin_.AddCell("closeglowmask", 25, 23, {}, {}, {"grey"});
    skin_.Set("closebutton", "glowlayerpictureindex", std::to_string(skin_.AddCellPicture("glow.bmp", glowCell)));
    skin_.Set("closebutton", "glowlayermaskpictureindex",
              std::to_string(skin_.AddCellPicture("glow_mask.bmp", maskCell)));
    skin_.Set("closebutton", "glowlayeroffsetx", "4");
    skin_.Set("closebutton", "glowlayeroffsety", "4");
    skin_.Set("closebutton", "glowlayeralphablendvalue", "200");
    frameSkin_.LoadInto(data_);
    PlayCompositor(true);
    ShowForm();
    ASSERT_TRUE(PumpUntil([&] { return XShowsBorder(); }));
    TbsFormLayerBorder* border = frame_->LayerBorder();
    int close = -1;
    for (int i = 0; i < frame_->ObjectCount(); ++i)
        if (frame_->Objects(i)->IDName == "closebutton")
            close = i;
    ASSERT_NE(close, -1);
    TRect place = border->ObjectPlace(close);
    TRect top = border->Placement().Top;
    XTestFakeMotionEvent(Other(), -1, top.Left + (place.Left + place.Right) / 2,
                         top.Top + (place.Top + place.Bottom) / 2, 0);
    XSync(Other(), False);
    TbsLayerManager* glow = frame_->LayerManager();
    ASSERT_TRUE(PumpUntil([&] { return glow->Showing(); }));
    unsigned long xw = X11WindowOf(glow->LayerWindow()->Handle());
    XWindowAttributes a{};
    ASSERT_TRUE(PumpUntil([&] { return XGetWindowAttributes(Other(), xw, &a) && a.map_state == IsViewable; }));
    EXPECT_EQ(a.depth, 32);
    EXPECT_EQ(XBounds(xw), Bounds(top.Left + place.Left - 4, top.Top + place.Top - 4, 25, 23));
    // Faded in on the clock to the mask's alpha under the glow's 200.
    for (int i = 0; i < 10; ++i) {
        AdvanceClock(TbsLayerManager::TimerInterval);
        Pump();
    }
    EXPECT_EQ(glow->CurrentAlpha(), 200);
    int maskAlpha = static_cast<int>(*glow->LayerBitmap()->PixelPtr(12, 12) >> 24);
    ASSERT_GT(maskAlpha, 0);
    EXPECT_TRUE(PumpUntil([&] {
        return std::abs(XAlphaAt(glow->LayerWindow()->Handle(), 12, 12) - maskAlpha * 200 / 255) <= 1;
    }));
    SaveScreenshot("TANDRIL_LAYER_GLOW_SCREENSHOT");
    // Into the form: the top window lets the button go, and its glow.
    XTestFakeMotionEvent(Other(), -1, form_->Left() + 150, form_->Top() + 100, 0);
    XSync(Other(), False);
    EXPECT_TRUE(PumpUntil([&] { return !glow->Showing(); }));
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
