// The skinned frame on a real X display (the suite's own Xvfb): the window
// is cut to the skin's mask by the X shape, shows what the frame paints,
// and follows the mouse of XTest through our move and size loop, within
// the skin's minimum size.
#include <vector>

#include "form_x11_test_support.h"
#include "platform/gdi/regions.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_region.h"
#include "platform/win/win_messages.h"
#include "platform/win/x11_backend.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/test_frame_skin.h"
#include "tests/support/pixel_colour.h"

// Last: Xlib's macros would rename our classes' members.
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

namespace {

class SkinFormX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        frameSkin_.LoadInto(data_);
    }

    // A shown form at (100, 100) of the given size with a frame component
    // on Data (none: the plain frame).
    void ShowForm(int W, int H, TbsSkinData* Data)
    {
        form_ = new TForm(nullptr);
        form_->SetBounds(100, 100, W, H);
        frame_ = new TbsSkinForm(form_);
        frame_->SetSkinData(Data);
        form_->Show();
        ASSERT_TRUE(BecomesViewable(form_->Handle()));
    }

    // A point of the window on the screen.
    TPoint Screen(int X, int Y) const { return {form_->Left() + X, form_->Top() + Y}; }

    unsigned long XWindow() const { return X11WindowOf(form_->Handle()); }

    // Where the X window's top-left corner lies on the screen, and its size.
    TRect XBounds() const
    {
        XWindowAttributes attributes{};
        XGetWindowAttributes(Other(), XWindow(), &attributes);
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(Other(), XWindow(), DefaultRootWindow(Other()), 0, 0, &x, &y, &child);
        return Rect(x, y, x + attributes.width, y + attributes.height);
    }

    // The rectangles of the X window's bounding shape.
    std::vector<XRectangle> XShape() const
    {
        int count = 0, ordering = 0;
        XRectangle* rects = XShapeGetRectangles(Other(), XWindow(), ShapeBounding, &count, &ordering);
        std::vector<XRectangle> shape(rects, rects + count);
        if (rects)
            XFree(rects);
        return shape;
    }

    // The window as the X server holds it.
    TRasterImage XImageOfWindow() const
    {
        XImage* shot = XGetImage(Other(), XWindow(), 0, 0, static_cast<unsigned>(form_->Width()),
                                 static_cast<unsigned>(form_->Height()), AllPlanes, ZPixmap);
        if (!shot)
            return {};
        TRasterImage image = TRasterImage::Sized(form_->Width(), form_->Height());
        for (int y = 0; y < image.Height; ++y)
            for (int x = 0; x < image.Width; ++x)
                image.Row(y)[x] = 0xFF000000u | static_cast<uint32_t>(XGetPixel(shot, x, y) & 0xFFFFFF);
        XDestroyImage(shot);
        return image;
    }

    // Frame pixels (outside Client, inside the skin's mask when Masked)
    // that the display shows otherwise than the frame painted them.
    int FrameDifferences(const TRect& Client, bool Masked) const
    {
        TRasterImage shown = XImageOfWindow();
        if (shown.Width != form_->Width() || shown.Height != form_->Height())
            return -1;
        return ::FrameDifferences(FramePaintedIntoMemory(form_), shown, Client, Masked);
    }

    TTestSkin skin_;
    TTestFrameSkin frameSkin_{skin_};
    TbsSkinData data_{nullptr};
    TbsSkinForm* frame_ = nullptr;
};

TEST_F(SkinFormX11Test, ACaptionDragMovesTheWindowByTheDrag)
{
    ShowForm(300, 200, &data_);
    ASSERT_EQ(XBounds(), Rect(100, 100, 400, 300));
    // (60, 12) lies on the caption, left of the caption buttons.
    TPoint from = Screen(60, 12);
    ASSERT_EQ(SendMessage(form_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(from.X, from.Y)), HTCAPTION);
    Drag(from, Point(from.X + 70, from.Y + 45));
    EXPECT_TRUE(PumpUntil([&] { return XBounds() == Rect(170, 145, 470, 345); }));
    EXPECT_EQ(form_->BoundsRect(), Rect(170, 145, 470, 345));
}

TEST_F(SkinFormX11Test, ACornerDragStopsAtTheSkinsMinimumSize)
{
    // The skin's "formminwidth" 150 and "formminheight" 60.
    ShowForm(300, 200, &data_);
    TPoint corner = Screen(298, 198);
    ASSERT_EQ(SendMessage(form_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(corner.X, corner.Y)), HTBOTTOMRIGHT);
    Drag(corner, Point(corner.X - 250, corner.Y - 190));
    EXPECT_TRUE(PumpUntil([&] { return XBounds() == Rect(100, 100, 250, 160); }));
    EXPECT_EQ(form_->BoundsRect(), Rect(100, 100, 250, 160));
    // Larger again: the corner follows the mouse.
    corner = Screen(148, 58);
    Drag(corner, Point(corner.X + 100, corner.Y + 80));
    EXPECT_TRUE(PumpUntil([&] { return XBounds() == Rect(100, 100, 350, 240); }));
}

TEST_F(SkinFormX11Test, TheXShapeIsTheStretchedMaskRegion)
{
    ShowForm(500, 300, &data_);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(form_->Handle(), region), 0);
    // Every pixel is in the shape exactly when it is in the window's
    // region, which keeps all but the rounded top corners.
    auto wrong = [&] {
        std::vector<XRectangle> shape = XShape();
        int count = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 500; ++x) {
                bool shown = false;
                for (const XRectangle& r : shape)
                    shown = shown || (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height);
                bool kept = PtInRegion(region, x, y);
                count += shown != kept || kept != TTestFrameSkin::MaskKeeps(x, y, 500);
            }
        return count;
    };
    EXPECT_TRUE(PumpUntil([&] { return wrong() == 0; })) << wrong() << " pixels differ";
    DeleteObject(region);
}

TEST_F(SkinFormX11Test, TheDisplayShowsTheFrameAsItPaints)
{
    ShowForm(300, 200, &data_);
    TRect client = frame_->Metrics().NewClRect;
    EXPECT_TRUE(PumpUntil([&] { return FrameDifferences(client, true) == 0; }))
        << FrameDifferences(client, true) << " frame pixels differ";
    TRasterImage shown = XImageOfWindow();
    EXPECT_EQ(PixelAt(shown, 0, 100), TTestFrameSkin::ZoneColour("l"));
    EXPECT_EQ(PixelAt(shown, 150, 199), TTestFrameSkin::ZoneColour("b"));
}

TEST_F(SkinFormX11Test, TheDisplayShowsThePlainFrameAsItPaints)
{
    ShowForm(300, 200, nullptr);
    EXPECT_TRUE(PumpUntil([&] { return FrameDifferences(Rect(3, 22, 297, 197), false) == 0; }))
        << FrameDifferences(Rect(3, 22, 297, 197), false) << " frame pixels differ";
    TRasterImage shown = XImageOfWindow();
    EXPECT_EQ(PixelAt(shown, 0, 100), ColorToRGB(cl3DLight));
    EXPECT_EQ(PixelAt(shown, 299, 100), ColorToRGB(cl3DDkShadow));
    // Without a mask the shape is the whole window.
    EXPECT_TRUE(PumpUntil([&] {
        std::vector<XRectangle> shape = XShape();
        return shape.size() == 1 && shape[0].x == 0 && shape[0].y == 0 && shape[0].width == 300 &&
               shape[0].height == 200;
    }));
}

}  // namespace
