// The plain frame without a skin: the three rings, the ridged caption
// broken around its text, the shortened caption, the caller's caption
// painting and the objects drawn into the caption strip.
#include <gtest/gtest.h>

#include "platform/gdi/colors.h"
#include "platform/gdi/raster_image.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "skin/form/bs_default_frame_paint.h"
#include "tests/skin/form/frame_paint_test_objects.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/pixel_colour.h"
#include "tests/support/test_data.h"

namespace {

// A frame of W x H whose default caption buttons lie right of Right and
// whose system-menu button ends at Left.
TbsDefaultFrame Frame(int W, int H, int Left, int Right, TFont* Font)
{
    TbsDefaultFrame frame;
    frame.W = W;
    frame.H = H;
    frame.CaptionRect = Rect(Left, 3, Right, 19);
    frame.Font = Font;
    return frame;
}

// Paints Frame over a lime window picture.
TRasterImage Paint(const TbsDefaultFrame& Frame, TbsFramePaintObjects& Objects)
{
    TBitmap window;
    window.SetPixelFormat(pf24bit);
    window.SetSize(Frame.W, Frame.H);
    window.Canvas()->Brush()->SetColor(clLime);
    window.Canvas()->FillRect(Rect(0, 0, Frame.W, Frame.H));
    HDC dc = window.Canvas()->Handle();
    PaintDefaultFrame(dc, Frame, Objects);
    // The client stays clipped out for the painter only.
    window.Canvas()->Brush()->SetColor(clBlue);
    window.Canvas()->FillRect(Rect(Frame.W - 10, Frame.H - 10, Frame.W - 5, Frame.H - 5));
    return ImageFromBitmap(window.Handle());
}

TColor Sys(TColor Colour) { return ColorToRGB(Colour); }

class DefaultFramePaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        font_.SetName(kTestFontName);
        font_.SetHeight(-14);
        font_.SetColor(clBtnText);
    }
    TFont font_;
    TTestPaintObjects objects_;
};

TEST_F(DefaultFramePaint, RingsRidgesAndTheTextGap)
{
    TbsDefaultFrame frame = Frame(200, 80, 20, 146, &font_);
    frame.Caption = "Ab";
    objects_.Objects = {{Rect(180, 4, 197, 21), clRed, true}, {Rect(163, 4, 180, 21), clYellow, false},
                        {Rect(3, 4, 20, 21), clFuchsia, true}};
    TRasterImage image = Paint(frame, objects_);

    // Three rings on every side, outermost first.
    for (int y : {25, 60}) {
        EXPECT_EQ(PixelAt(image, 0, y), Sys(cl3DLight));
        EXPECT_EQ(PixelAt(image, 1, y), Sys(clBtnHighlight));
        EXPECT_EQ(PixelAt(image, 2, y), Sys(clBtnFace));
        EXPECT_EQ(PixelAt(image, 199, y), Sys(cl3DDkShadow));
        EXPECT_EQ(PixelAt(image, 198, y), Sys(clBtnShadow));
        EXPECT_EQ(PixelAt(image, 197, y), Sys(clBtnFace));
    }
    EXPECT_EQ(PixelAt(image, 100, 0), Sys(cl3DLight));
    EXPECT_EQ(PixelAt(image, 100, 79), Sys(cl3DDkShadow));
    EXPECT_EQ(PixelAt(image, 100, 78), Sys(clBtnShadow));
    EXPECT_EQ(PixelAt(image, 100, 77), Sys(clBtnFace));
    // The client (3, 22, 197, 77) is left alone; the clip is gone after.
    EXPECT_EQ(PixelAt(image, 3, 22), clLime);
    EXPECT_EQ(PixelAt(image, 196, 76), clLime);
    EXPECT_EQ(PixelAt(image, 190, 70), clBlue);

    // Ridges on strip rows 2 .. 15 (window rows 5 .. 18), light first,
    // from strip x 19 to 140 (window 22 .. 142).
    EXPECT_EQ(PixelAt(image, 30, 5), Sys(clBtnHighlight));
    EXPECT_EQ(PixelAt(image, 30, 6), Sys(clBtnShadow));
    EXPECT_EQ(PixelAt(image, 30, 18), Sys(clBtnShadow));
    EXPECT_EQ(PixelAt(image, 30, 19), Sys(clBtnFace));
    EXPECT_EQ(PixelAt(image, 30, 4), Sys(clBtnFace));
    EXPECT_EQ(PixelAt(image, 21, 5), Sys(clBtnFace));
    EXPECT_EQ(PixelAt(image, 22, 5), Sys(clBtnHighlight));
    EXPECT_EQ(PixelAt(image, 142, 5), Sys(clBtnHighlight));
    EXPECT_EQ(PixelAt(image, 143, 5), Sys(clBtnFace));

    // "Ab" is 14 wide: at strip x 17 + 129 div 2 - 19 div 2 = 72, y 2; its
    // box grown by 2 (strip 70 .. 87, rows 0 .. 17) breaks the ridges.
    EXPECT_EQ(PixelAt(image, 3 + 69, 8), Sys(clBtnShadow));
    EXPECT_EQ(PixelAt(image, 3 + 70, 8), Sys(clBtnFace));
    EXPECT_EQ(PixelAt(image, 3 + 87, 8), Sys(clBtnFace));
    EXPECT_EQ(PixelAt(image, 3 + 88, 8), Sys(clBtnShadow));
    // The test font's boxes: 'A' inks strip columns 73 .. 78 from row 4.
    EXPECT_EQ(PixelAt(image, 3 + 73, 3 + 8), Sys(clBtnText));
    EXPECT_EQ(PixelAt(image, 3 + 72, 3 + 8), Sys(clBtnFace));

    // Visible objects only, into the strip, moved by (-3, -3), updating.
    ASSERT_EQ(objects_.Drawn.size(), 2u);
    EXPECT_EQ(objects_.Drawn[0].Index, 0);
    EXPECT_EQ(objects_.Drawn[1].Index, 2);
    EXPECT_EQ(objects_.Drawn[0].Offset, (TPoint{-3, -3}));
    EXPECT_TRUE(objects_.Drawn[0].UpDate);
    EXPECT_EQ(PixelAt(image, 180, 4), clRed);
    EXPECT_EQ(PixelAt(image, 196, 20), clRed);
    EXPECT_EQ(PixelAt(image, 170, 10), Sys(clBtnFace));
    EXPECT_EQ(PixelAt(image, 3, 4), clFuchsia);
}

TEST_F(DefaultFramePaint, CaptionPaintReplacesTheTextAndToolWindowsAreLower)
{
    TbsDefaultFrame frame = Frame(200, 80, 20, 146, &font_);
    frame.Caption = "Ab";
    frame.Active = false;
    TRect asked;
    bool active = true;
    frame.OnCaptionPaint = TbsCaptionPaintEvent::FromCallable([&](TCanvas*, const TRect& R, bool Active) {
        asked = R;
        active = Active;
    });
    TRasterImage image = Paint(frame, objects_);
    // (X0, 0, strip width - G - 3, caption height), G = 194 - 146.
    EXPECT_EQ(asked, Rect(17, 0, 143, 19));
    EXPECT_FALSE(active);
    // No text, so the ridges run on where the text would be.
    EXPECT_EQ(PixelAt(image, 3 + 75, 8), Sys(clBtnShadow));
    EXPECT_EQ(PixelAt(image, 3 + 75, 9), Sys(clBtnHighlight));

    // A tool window: a 15-pixel caption, ridges to strip row 11 (dark,
    // the tenth), the client from row 18.
    frame = Frame(200, 80, 16, 158, &font_);
    frame.CaptionHeight = 15;
    frame.CaptionRect.Bottom = 15;
    image = Paint(frame, objects_);
    EXPECT_EQ(PixelAt(image, 30, 3 + 11), Sys(clBtnShadow));
    EXPECT_EQ(PixelAt(image, 30, 3 + 12), Sys(clBtnFace));
    EXPECT_EQ(PixelAt(image, 30, 17), Sys(clBtnFace));
    EXPECT_EQ(PixelAt(image, 30, 18), clLime);
}

// The separate ink boxes the test font draws on row Y between X0 and X1.
int InkRuns(const TRasterImage& Image, int Y, int X0, int X1)
{
    int runs = 0;
    bool inside = false;
    for (int x = X0; x < X1; ++x) {
        bool ink = PixelAt(Image, x, Y) == ColorToRGB(clBtnText);
        runs += ink && !inside;
        inside = ink;
    }
    return runs;
}

TEST_F(DefaultFramePaint, ShortenedCaptionKeepsDoubleByteCharactersWhole)
{
    // The test font gives 7 pixels a byte: 說門中文說門中文 is 112 wide and
    // the caption has 98. Five characters and "..." take 91; a cut by bytes
    // would keep the lead byte of 門 too (98) and draw it as a box of its
    // own.
    TbsDefaultFrame frame = Frame(200, 60, 20, 115, &font_);
    frame.Caption = "\xD5\x66\xE9\x54\xD6\xD0\xCE\xC4\xD5\x66\xE9\x54\xD6\xD0\xCE\xC4";
    TRasterImage image = Paint(frame, objects_);
    EXPECT_EQ(InkRuns(image, 3 + 8, 3, 197), 5 + 3);
}

TEST_F(DefaultFramePaint, GoldenActiveInactiveAndTheShortenedCaption)
{
    // What a user sees: the default caption fonts, Arial bold 14, in button
    // text and shadow colours; a caption that fits and one in Chinese that
    // is shortened with "..." by whole characters.
    TFont active;
    active.SetName("Arial");
    active.SetHeight(14);
    active.SetStyle(TFontStyles{fsBold});
    active.SetColor(clBtnText);
    TFont inactive;
    inactive.Assign(&active);
    inactive.SetColor(clBtnShadow);
    TTestPaintObjects none;

    TbsDefaultFrame wide = Frame(260, 50, 20, 206, &active);
    wide.Caption = "Tandril \xD5\x66\xE9\x54";  // 說門
    TbsDefaultFrame dimmed = wide;
    dimmed.Active = false;
    dimmed.Font = &inactive;
    TbsDefaultFrame narrow = Frame(150, 50, 20, 96, &active);
    narrow.Caption = "\xD5\x66\xE9\x54\xD6\xD0\xCE\xC4\xD5\x66\xE9\x54\xD6\xD0\xCE\xC4";  // 說門中文說門中文
    ExpectGolden(ComposeImages({Paint(wide, none), Paint(dimmed, none), Paint(narrow, none)}, false),
                 TestFolder() + "/golden/default_frame.png");
}

}  // namespace
