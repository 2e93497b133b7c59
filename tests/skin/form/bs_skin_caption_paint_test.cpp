// The caption as a user sees it on the skinned frame: the title shortened
// by whole characters and placed beside the quick buttons, the caption
// image in three parts, the activation's animation frames, the glow, halo
// and reflection looks, the quick buttons' own look, and the alpha the
// caption leaves on a layered window's bitmap.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "platform/base/code_page.h"
#include "platform/gdi/raster_image.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/focus.h"
#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_caption_text.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/test_caption_skin.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixel_colour.h"
#include "tests/support/test_data.h"

namespace {

constexpr TColor kImageColour = 0x00336699;

// Anti-aliased white text: near white in every channel.
bool NearWhite(uint32_t Colour)
{
    return (Colour & 0xFF) >= 0xC0 && ((Colour >> 8) & 0xFF) >= 0xC0 && ((Colour >> 16) & 0xFF) >= 0xC0;
}

class CaptionPaintTest : public SkinFormTest {
protected:
    void SetUp() override
    {
        test_caption_skin::AddTo(skin_);
        SkinFormTest::SetUp();
        caption_ = dynamic_cast<TbsSkinCaptionObject*>(Object("caption"));
        ASSERT_NE(caption_, nullptr);
        // The form's first activation plays the strip; the tests start
        // after it.
        FinishAnimation();
    }

    void TearDown() override
    {
        frame_->OnCaptionPaint = nullptr;
        SkinFormTest::TearDown();
    }

    void FinishAnimation()
    {
        for (int tick = 0; tick < 10; ++tick)
            Tick(25);
    }

    // Three 16 x 16 buttons in one colour.
    void AddQuickButtons()
    {
        images_ = new TCustomImageList(form_);
        TBitmap strip;
        strip.SetSize(48, 16);
        strip.Canvas()->Brush()->SetColor(kImageColour);
        strip.Canvas()->FillRect(TRect{0, 0, 48, 16});
        images_->Add(&strip, nullptr);
        frame_->SetQuickImageList(images_);
        for (int i = 0; i < 3; ++i)
            static_cast<TbsQuickButtonItem*>(frame_->QuickButtons()->Add())->SetImageIndex(i);
    }

    TRasterImage Painted() { return FramePaintedIntoMemory(form_); }
    // The piece of the test skin at (X, Y) of the painted frame.
    std::string PieceAt(const TRasterImage& Image, int X, int Y) { return skin_.PieceOf(PixelAt(Image, X, Y)); }
    // The caption's band of the painted frame.
    TRasterImage CaptionBand(const TRasterImage& Image)
    {
        TRect r = caption_->ObjectRect;
        TRasterImage band = TRasterImage::Sized(r.Width(), r.Height() + 8);
        for (int y = 0; y < band.Height; ++y)
            for (int x = 0; x < band.Width; ++x)
                band.Row(y)[x] = Image.Row(r.Top + y)[r.Left + x];
        return band;
    }
    void Deactivate()
    {
        other_ = std::make_unique<TCustomForm>(nullptr);
        other_->SetBounds(500, 400, 100, 80);
        other_->Show();
        SetActiveWindow(other_->Handle());
        PumpMessages();
    }
    void Activate()
    {
        SetActiveWindow(form_->Handle());
        PumpMessages();
    }

    TbsSkinCaptionObject* caption_ = nullptr;
    TCustomImageList* images_ = nullptr;
    std::unique_ptr<TCustomForm> other_;
};

TEST_F(CaptionPaintTest, DoubleByteTitleIsCutBetweenCharacters)
{
    std::string title;
    for (int i = 0; i < 12; ++i)
        title += "說門中";
    form_->SetCaption(title);
    TBitmap b;
    caption_->SetCaptionFont(b.Canvas(), clBlack);
    TRect area = caption_->CalcTextRect();
    TbsCaptionTextPlace place = caption_->PlaceText(b.Canvas(), area);
    ASSERT_GT(place.Text.size(), 3u);
    ASSERT_EQ(place.Text.substr(place.Text.size() - 3), "...");
    std::string kept = place.Text.substr(0, place.Text.size() - 3);
    // Whole characters of the title: every one is two bytes, and the one
    // that follows would not have fitted.
    EXPECT_EQ(kept.size() % 2, 0u);
    EXPECT_EQ(title.compare(0, kept.size(), kept), 0);
    EXPECT_LE(place.W, area.Width());
    std::string longer = title.substr(0, kept.size() + 2) + "...";
    EXPECT_GT(CaptionTextSize(b.Canvas(), longer).cx, area.Width());
    // What shows on the frame stays inside the text area: the white title
    // on the active caption image.
    TRasterImage band = CaptionBand(Painted());
    int rightmost = -1;
    for (int y = 0; y < band.Height; ++y)
        for (int x = 0; x < band.Width; ++x)
            if (NearWhite(static_cast<uint32_t>(PixelAt(band, x, y))))
                rightmost = std::max(rightmost, x);
    EXPECT_GT(rightmost, area.Left);
    EXPECT_LT(rightmost, area.Right);
}

TEST_F(CaptionPaintTest, QuickButtonsMoveTheTitleRightAndCentreIt)
{
    form_->SetCaption("Notes");
    TBitmap b;
    caption_->SetCaptionFont(b.Canvas(), clBlack);
    TRect plain = caption_->CalcTextRect();
    caption_->Alignment = taLeftJustify;
    EXPECT_EQ(caption_->PlaceText(b.Canvas(), plain).X, plain.Left);
    caption_->Alignment = taRightJustify;
    TbsCaptionTextPlace right = caption_->PlaceText(b.Canvas(), plain);
    EXPECT_EQ(right.X, plain.Right - right.W);
    AddQuickButtons();
    TRect shifted = caption_->CalcTextRect();
    EXPECT_EQ(shifted.Left, plain.Left + 72);
    TbsCaptionTextPlace centred = caption_->PlaceText(b.Canvas(), shifted);
    EXPECT_EQ(centred.X, shifted.Left + shifted.Width() / 2 - centred.W / 2);
    // On the frame: the buttons' images from the caption's left end, after
    // the divider, and the title right of them.
    TRasterImage painted = Painted();
    caption_->LayoutQuickButtons();
    for (int i = 0; i < 3; ++i) {
        TRect r = frame_->QuickButtons()->Items(i)->ItemRect;
        EXPECT_EQ(PixelAt(painted, r.Left + r.Width() / 2, r.Top + r.Height() / 2), kImageColour) << i;
    }
    TRect first = frame_->QuickButtons()->Items(0)->ItemRect;
    EXPECT_EQ(first.Left, caption_->ObjectRect.Left + 3 + 2 + 3);
    EXPECT_EQ(PieceAt(painted, caption_->ObjectRect.Left + 3, caption_->ObjectRect.Top + 9), "caption.divider.line");
}

TEST_F(CaptionPaintTest, HotAndPressedQuickButtonsShowTheSkinsLook)
{
    AddQuickButtons();
    caption_->LayoutQuickButtons();
    TbsQuickButtonItem* item = frame_->QuickButtons()->Items(1);
    TRect r = item->ItemRect;
    // At rest the caption image shows around the image.
    EXPECT_EQ(PieceAt(Painted(), r.Left, r.Top + 8).rfind("caption.active.", 0), 0u);
    item->Hot = true;
    EXPECT_EQ(PieceAt(Painted(), r.Left, r.Top + 8), "officequickbutton.active.l");
    EXPECT_EQ(PieceAt(Painted(), r.Left, r.Top), "officequickbutton.active.lt");
    item->Down = true;
    EXPECT_EQ(PieceAt(Painted(), r.Right - 1, r.Bottom - 1), "officequickbutton.down.rb");
    // A disabled button's image is drawn greyed, not in its colour.
    item->SetEnabled(false);
    EXPECT_NE(PixelAt(Painted(), r.Left + 10, r.Top + 10), kImageColour);
}

TEST_F(CaptionPaintTest, ActiveImageKeepsItsEndsAndStretchesTheMiddle)
{
    TRasterImage painted = Painted();
    TRect o = caption_->ObjectRect;
    ASSERT_GT(o.Width(), 108);  // wider than the skin's caption
    int y = o.Top + 1;
    EXPECT_EQ(PieceAt(painted, o.Left, y), "caption.active.left");
    EXPECT_EQ(PieceAt(painted, o.Left + test_caption_skin::LeftEnd - 1, y), "caption.active.left");
    EXPECT_EQ(PieceAt(painted, o.Left + test_caption_skin::LeftEnd, y), "caption.active.middle");
    EXPECT_EQ(PieceAt(painted, o.Right - test_caption_skin::RightEnd - 1, y), "caption.active.middle");
    EXPECT_EQ(PieceAt(painted, o.Right - test_caption_skin::RightEnd, y), "caption.active.right");
    EXPECT_EQ(PieceAt(painted, o.Right - 1, y), "caption.active.right");
}

TEST_F(CaptionPaintTest, ActivationPlaysTheStripThenShowsTheActiveImage)
{
    Deactivate();
    EXPECT_EQ(caption_->AnimationFrame, 0);  // "inactiveanimation" is off
    TRect o = caption_->ObjectRect;
    // Inactive: the frame picture's caption with the title straight on it.
    EXPECT_EQ(PixelAt(Painted(), o.Left + 1, o.Top + 1), TTestFrameSkin::ZoneColour("caption"));
    Activate();
    std::vector<std::string> seen;
    for (int tick = 0; tick < 12; ++tick) {
        seen.push_back(PieceAt(Painted(), o.Left + 1, o.Top + 1));
        Tick(25);
    }
    // Each frame shows for the interval (two ticks), then the active image.
    std::vector<std::string> expected = {"caption.animation.f1", "caption.animation.f1", "caption.animation.f2",
                                         "caption.animation.f2", "caption.animation.f3", "caption.animation.f3"};
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(seen[i], expected[i]) << i;
    EXPECT_EQ(seen.back(), "caption.active.left");
    EXPECT_EQ(caption_->AnimationFrame, 4);
    EXPECT_FALSE(frame_->AnimationTimer()->Enabled());
}

TEST_F(CaptionPaintTest, InactiveAnimationRunsTheStripBackwards)
{
    caption_->InActiveAnimation = true;
    Deactivate();
    EXPECT_EQ(caption_->AnimationFrame, 3);
    TRect o = caption_->ObjectRect;
    EXPECT_EQ(PieceAt(Painted(), o.Left + 1, o.Top + 1), "caption.animation.f3");
    for (int tick = 0; tick < 8; ++tick)
        Tick(25);
    EXPECT_EQ(caption_->AnimationFrame, 0);
    EXPECT_EQ(PixelAt(Painted(), o.Left + 1, o.Top + 1), TTestFrameSkin::ZoneColour("caption"));
}

// The caption drawn for a layered window onto an opaque light layer 40
// pixels high, where a reflection has room below the text.
TRasterImage LayerPicture(TbsSkinCaptionObject* Caption)
{
    TbsBitmap layer;
    const TRect o = Caption->ObjectRect;
    layer.SetSize(o.Right + 4, o.Top + 40);
    layer.FillRect(TRect{0, 0, layer.Width(), layer.Height()}, 0xFFE8E8E8);
    Caption->DrawAlpha(layer.GetCanvas());
    TRasterImage picture = TRasterImage::Sized(o.Width(), 40 - o.Top);
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            picture.Row(y)[x] = *layer.PixelPtr(o.Left + x, o.Top + y);
    return picture;
}

TEST_F(CaptionPaintTest, GoldenGlowHaloAndReflection)
{
    form_->SetCaption("Notes 說門中");
    caption_->ActiveFontColor = 0x00202020;
    caption_->GlowSize = 3;
    caption_->GlowActiveColor = 0x0000D0FF;
    caption_->ReflectionActiveColor = 0x00FF8000;
    caption_->ReflectionOffset = 0;
    std::vector<TRasterImage> frame, layer;
    for (bool TbsSkinCaptionObject::*effect :
         {&TbsSkinCaptionObject::GlowEffect, &TbsSkinCaptionObject::VistaGlowEffect,
          &TbsSkinCaptionObject::ReflectionEffect}) {
        caption_->*effect = true;
        frame.push_back(CaptionBand(Painted()));
        layer.push_back(LayerPicture(caption_));
        caption_->*effect = false;
    }
    TRasterImage plain = CaptionBand(Painted());
    for (const TRasterImage& effect : frame)
        EXPECT_NE(effect.Pixels, plain.Pixels);
    // On the frame (plain, glow, halo, reflection cut by the caption's
    // height) and on a layered window (glow, halo, reflection).
    ExpectGolden(ComposeImages({ComposeImages({plain, frame[0], frame[1], frame[2]}, false),
                                ComposeImages(layer, false)},
                               true),
                 TestFolder() + "/golden/caption_effects.png");
}

TEST_F(CaptionPaintTest, CaptionPaintEventPaintsInsteadOfTheTitleAndShows)
{
    form_->SetCaption("Notes");
    int calls = 0;
    bool active = false;
    // A red bar in the middle of the rectangle it is given.
    frame_->OnCaptionPaint = TbsCaptionPaintEvent::FromCallable([&](TCanvas* Canvas, const TRect& R, bool Active) {
        ++calls;
        active = Active;
        EXPECT_EQ(R.Width(), caption_->ObjectRect.Width());
        EXPECT_EQ(R.Height(), caption_->ObjectRect.Height());
        Canvas->Brush()->SetColor(clRed);
        Canvas->FillRect(TRect{R.Left + 40, R.Top + 5, R.Left + 60, R.Top + 10});
    });
    // Over the active caption image, which is made off screen.
    TRasterImage painted = CaptionBand(Painted());
    EXPECT_GE(calls, 1);
    EXPECT_TRUE(active);
    EXPECT_EQ(PixelAt(painted, 50, 7), clRed);
    int light = 0;
    for (int y = 0; y < painted.Height; ++y)
        for (int x = 0; x < painted.Width; ++x)
            light += NearWhite(static_cast<uint32_t>(PixelAt(painted, x, y)));
    EXPECT_EQ(light, 0);  // no title
    // Inactive, straight onto the frame.
    Deactivate();
    painted = CaptionBand(Painted());
    EXPECT_FALSE(active);
    EXPECT_EQ(PixelAt(painted, 50, 7), clRed);
}

// A bitmap standing for a layered window: the caption's place, each pixel
// Pixel.
void FillLayer(TbsBitmap& Layer, const TRect& Object, uint32_t Pixel)
{
    Layer.SetSize(Object.Right + 4, Object.Bottom + 4);
    Layer.FillRect(TRect{0, 0, Layer.Width(), Layer.Height()}, Pixel);
}

TEST_F(CaptionPaintTest, DrawAlphaGivesTheTitleAndImagesAlphaAndKeepsTheRest)
{
    form_->SetCaption("Notes 說門");
    AddQuickButtons();
    TbsBitmap layer;
    const uint32_t veil = 0x80102030;  // half transparent
    FillLayer(layer, caption_->ObjectRect, veil);
    caption_->DrawAlpha(layer.GetCanvas());
    const TRect o = caption_->ObjectRect;
    // The buttons start 5 pixels in, or after the divider and 6 more.
    TRect first = frame_->QuickButtons()->Items(0)->ItemRect;
    EXPECT_EQ(first.Left, o.Left + 2 + 6);
    int opaqueText = 0;
    int changedVeil = 0;
    for (int y = 0; y < layer.Height(); ++y)
        for (int x = 0; x < layer.Width(); ++x) {
            uint32_t p = *layer.PixelPtr(x, y);
            if (x >= o.Left + 80 && (p >> 24) >= 0xC0 && NearWhite(p))
                ++opaqueText;
            // The faintest edge of a letter may tint a pixel too little
            // to move its alpha by one step.
            if ((p >> 24) == 0x80 && std::abs(static_cast<int>(p & 0xFF) - 0x30) > 4)
                ++changedVeil;
        }
    EXPECT_GT(opaqueText, 10);  // white, (nearly) opaque text right of the buttons
    EXPECT_EQ(changedVeil, 0);  // colours change only where alpha does
    // The images are opaque in their colour.
    uint32_t image = *layer.PixelPtr(first.Left + 10, first.Top + 10);
    EXPECT_EQ(image, 0xFF996633u);
    // Far from the caption the layer is as it was.
    EXPECT_EQ(*layer.PixelPtr(o.Left, o.Bottom + 3), veil);
}

TEST_F(CaptionPaintTest, DrawAlphaGlowFadesIntoATransparentLayer)
{
    form_->SetCaption("Notes");
    caption_->GlowEffect = true;
    caption_->GlowSize = 3;
    caption_->GlowActiveColor = clRed;
    TbsBitmap layer;
    FillLayer(layer, caption_->ObjectRect, 0);
    caption_->DrawAlpha(layer.GetCanvas());
    std::set<uint32_t> alphas;
    for (int y = 0; y < layer.Height(); ++y)
        for (int x = 0; x < layer.Width(); ++x)
            alphas.insert(*layer.PixelPtr(x, y) >> 24);
    // Transparent away from the text, (nearly) opaque in it, and partly
    // covered in the glow between.
    EXPECT_TRUE(alphas.count(0));
    EXPECT_GE(*alphas.rbegin(), 0xC0u);
    EXPECT_GT(alphas.size(), 20u);
}

}  // namespace
