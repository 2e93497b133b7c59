// The skinned frame painter on the test skin's frame: the strips stretched
// to the window around an untouched client, the objects drawn into the top
// or the bottom strip, the inactive picture and the inactive effects.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gdi/colors.h"
#include "platform/gdi/raster_image.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "skin/data/bs_effects.h"
#include "skin/form/bs_frame_layout.h"
#include "skin/form/bs_skin_frame_paint.h"
#include "tests/skin/form/frame_paint_test_objects.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/pixel_colour.h"
#include "tests/support/test_data.h"

namespace {

class SkinFramePaint : public FrameTest {
protected:
    TbsSkinFramePaint Frame(int W, int H, bool Active)
    {
        TbsFrameMetrics m = CalcFrameMetrics(*data_, TTestFrameSkin::PW, TTestFrameSkin::PH, W, H);
        TbsSkinFramePaint frame;
        frame.W = W;
        frame.H = H;
        frame.Skin = data_.get();
        frame.NewLTPoint = m.LTPoint;
        frame.NewRTPoint = m.RTPoint;
        frame.NewLBPoint = m.LBPoint;
        frame.NewRBPoint = m.RBPoint;
        frame.NewClRect = m.NewClRect;
        frame.Active = Active;
        frame.MinWidth = 150;
        frame.MinHeight = 60;
        return frame;
    }

    // The frame painted over a lime window picture.
    TRasterImage Paint(const TbsSkinFramePaint& Frame)
    {
        TBitmap window;
        window.SetPixelFormat(pf24bit);
        window.SetSize(Frame.W, Frame.H);
        window.Canvas()->Brush()->SetColor(clLime);
        window.Canvas()->FillRect(Rect(0, 0, Frame.W, Frame.H));
        PaintSkinFrame(window.Canvas()->Handle(), Frame, objects_);
        return ImageFromBitmap(window.Handle());
    }

    static TColor Zone(const char* Name) { return TTestFrameSkin::ZoneColour(Name); }

    TTestPaintObjects objects_;
};

TEST_F(SkinFramePaint, StripsStretchAroundAnUntouchedClient)
{
    // At 300 x 200 the client is (4, 26, 296, 196): strips 26 high on top,
    // 4 wide at the sides and 4 high below.
    TRasterImage image = Paint(Frame(300, 200, true));
    EXPECT_EQ(PixelAt(image, 1, 1), Zone("lt"));
    EXPECT_EQ(PixelAt(image, 298, 1), Zone("rt"));
    EXPECT_EQ(PixelAt(image, 150, 1), Zone("t"));
    EXPECT_EQ(PixelAt(image, 150, 10), Zone("caption"));
    EXPECT_EQ(PixelAt(image, 1, 100), Zone("l"));
    EXPECT_EQ(PixelAt(image, 298, 100), Zone("r"));
    EXPECT_EQ(PixelAt(image, 1, 198), Zone("lb"));
    EXPECT_EQ(PixelAt(image, 150, 198), Zone("b"));
    EXPECT_EQ(PixelAt(image, 298, 198), Zone("rb"));
    EXPECT_EQ(PixelAt(image, 4, 26), clLime);
    EXPECT_EQ(PixelAt(image, 295, 195), clLime);
    // The left strip starts with the corner rows below the top strip.
    EXPECT_EQ(PixelAt(image, 3, 26), Zone("lt"));
    EXPECT_EQ(PixelAt(image, 3, 30), Zone("l"));

    // Below the minimum size nothing is painted.
    image = Paint(Frame(149, 200, true));
    EXPECT_EQ(PixelAt(image, 1, 1), clLime);
    image = Paint(Frame(300, 59, true));
    EXPECT_EQ(PixelAt(image, 1, 1), clLime);
}

TEST_F(SkinFramePaint, ObjectsGoToTheTopOrTheBottomStrip)
{
    // A caption button in the top strip; a status-bar style button whose
    // rectangle reaches below the client's top goes to the bottom strip,
    // moved up by the client's bottom, and lands where it lies.
    objects_.Objects = {{Rect(250, 5, 270, 20), clRed, true},
                        {Rect(20, 196, 60, 200), clBlue, true},
                        {Rect(100, 5, 120, 20), clYellow, false}};
    TRasterImage image = Paint(Frame(300, 200, true));
    ASSERT_EQ(objects_.Drawn.size(), 2u);
    EXPECT_EQ(objects_.Drawn[0].Offset, (TPoint{0, 0}));
    EXPECT_FALSE(objects_.Drawn[0].UpDate);
    EXPECT_EQ(objects_.Drawn[1].Offset, (TPoint{0, -196}));
    EXPECT_NE(objects_.Drawn[0].Canvas, objects_.Drawn[1].Canvas);
    EXPECT_EQ(PixelAt(image, 250, 5), clRed);
    EXPECT_EQ(PixelAt(image, 269, 19), clRed);
    EXPECT_EQ(PixelAt(image, 20, 196), clBlue);
    EXPECT_EQ(PixelAt(image, 59, 199), clBlue);
    EXPECT_EQ(PixelAt(image, 60, 199), Zone("b"));
    EXPECT_EQ(PixelAt(image, 110, 10), Zone("caption"));
}

// Pixels of the frame (outside the client) that differ between A and B.
int FrameDifferences(const TRasterImage& A, const TRasterImage& B, const TRect& Client)
{
    int differ = 0;
    for (int y = 0; y < A.Height; ++y)
        for (int x = 0; x < A.Width; ++x)
            if (!PtInRect(Client, TPoint{x, y}) && PixelAt(A, x, y) != PixelAt(B, x, y))
                ++differ;
    return differ;
}

// Image through an effect bitmap, as a whole.
TRasterImage WithEffect(const TRasterImage& Image, void (TbsEffectBmp::*Effect)())
{
    HBITMAP handle = CreateBitmapFromImage(Image, 24);
    std::unique_ptr<TbsEffectBmp> effect = TbsEffectBmp::CreateFromHandle(handle);
    DeleteObject(handle);
    (effect.get()->*Effect)();
    return ImageFromBitmap(effect->Handle());
}

TEST_F(SkinFramePaint, InactiveFramesKeepOrDimTheStrips)
{
    const TRect client = Rect(4, 26, 296, 196);
    TRasterImage active = Paint(Frame(300, 200, true));
    // No inactive picture and no inactive rendering: the same strips.
    EXPECT_EQ(FrameDifferences(active, Paint(Frame(300, 200, false)), client), 0);

    data_->AutoRenderingInActiveImage = true;
    data_->InActiveEffect = iegrayscale;
    TRasterImage grey = Paint(Frame(300, 200, false));
    EXPECT_EQ(FrameDifferences(WithEffect(active, &TbsEffectBmp::Grayscale), grey, client), 0);
    EXPECT_NE(PixelAt(grey, 1, 1), Zone("lt"));
    // The active frame is never dimmed.
    EXPECT_EQ(FrameDifferences(active, Paint(Frame(300, 200, true)), client), 0);
    // An effect number past the known ones leaves the strips as they are.
    data_->InActiveEffect = static_cast<TbsImageEffect>(6);
    EXPECT_EQ(FrameDifferences(active, Paint(Frame(300, 200, false)), client), 0);
    data_->InActiveEffect = ieinvert;
    EXPECT_EQ(FrameDifferences(WithEffect(active, &TbsEffectBmp::Invert), Paint(Frame(300, 200, false)), client),
              0);

    // An inactive picture of its own is drawn while inactive.
    data_->AutoRenderingInActiveImage = false;
    data_->InactivePicture = std::make_unique<TBitmap>();
    data_->InactivePicture->Assign(data_->Picture.get());
    data_->InactivePicture->Canvas()->Brush()->SetColor(clNavy);
    data_->InactivePicture->Canvas()->FillRect(Rect(0, 0, 40, 30));
    TRasterImage own = Paint(Frame(300, 200, false));
    EXPECT_EQ(PixelAt(own, 1, 1), clNavy);
    EXPECT_EQ(PixelAt(own, 298, 198), Zone("rb"));
}

TEST_F(SkinFramePaint, GoldenActiveAndGreyInactiveFrames)
{
    objects_.Objects = {{Rect(255, 6, 272, 21), clRed, true}, {Rect(275, 6, 292, 21), clBlue, true}};
    TRasterImage active = Paint(Frame(300, 160, true));
    data_->AutoRenderingInActiveImage = true;
    data_->InActiveEffect = iegrayscale;
    TRasterImage inactive = Paint(Frame(300, 160, false));
    ExpectGolden(ComposeImages({active, inactive}, false), TestFolder() + "/golden/skin_frame.png");
}

}  // namespace
