// The skinned caption on a real X display (the suite's own Xvfb): the
// display shows the caption image, the glowing title and the quick buttons
// as the frame paints them, and a click of XTest on a quick button runs
// its OnClick.
#include <vector>

#include "form_x11_test_support.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/window_coords.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/test_caption_skin.h"
#include "tests/skin/form/test_frame_skin.h"
#include "tests/support/pixel_colour.h"

// Last: Xlib's macros would rename our classes' members.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

class SkinCaptionX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        test_caption_skin::AddTo(skin_);
        frameSkin_.LoadInto(data_);
    }

    // The hand-driven clock moved on by Milliseconds, with the display's
    // events and the timers' messages taken in 25 ms steps.
    void Run(unsigned Milliseconds)
    {
        for (unsigned t = 0; t < Milliseconds; t += 25) {
            AdvanceClock(25);
            PumpUntil([] { return true; });
        }
    }

    TTestSkin skin_;
    TTestFrameSkin frameSkin_{skin_};
    TbsSkinData data_{nullptr};
    TbsSkinForm* frame_ = nullptr;
};

TEST_F(SkinCaptionX11Test, TheDisplayShowsTheCaptionAndAQuickButtonClicks)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(100, 100, 360, 200);
    form_->SetCaption("Notes 說門中");
    frame_ = new TbsSkinForm(form_);
    auto* images = new TCustomImageList(form_);
    TBitmap strip;
    strip.SetSize(48, 16);
    for (int i = 0; i < 3; ++i) {
        strip.Canvas()->Brush()->SetColor(TColor(0x00206020 + 0x300000 * i));
        strip.Canvas()->FillRect(TRect{16 * i + 2, 2, 16 * i + 14, 14});
    }
    images->Add(&strip, nullptr);
    frame_->SetQuickImageList(images);
    std::vector<int> clicks;
    for (int i = 0; i < 3; ++i) {
        auto* item = static_cast<TbsQuickButtonItem*>(frame_->QuickButtons()->Add());
        item->SetImageIndex(i);
        item->OnClick = TNotifyEvent::FromCallable([&clicks, i](TObject*) { clicks.push_back(i); });
    }
    frame_->SetSkinData(&data_);
    TbsSkinCaptionObject* caption = nullptr;
    for (int i = 0; i < frame_->ObjectCount(); ++i)
        if (auto* c = dynamic_cast<TbsSkinCaptionObject*>(frame_->Objects(i)))
            caption = c;
    ASSERT_NE(caption, nullptr);
    caption->GlowEffect = true;
    caption->GlowSize = 3;
    caption->GlowActiveColor = 0x0000D0FF;
    caption->ActiveFontColor = 0x00202020;
    form_->Show();
    ASSERT_TRUE(BecomesViewable(form_->Handle()));
    SetActiveWindow(form_->Handle());
    ASSERT_TRUE(PumpUntil([&] { return frame_->GetFormActive(); }));
    // After the activation's strip the display shows the frame as painted.
    Run(500);
    EXPECT_GT(caption->AnimationFrame, caption->FrameCount);
    EXPECT_TRUE(DisplayShowsBacking());
    caption->LayoutQuickButtons();
    TRect button = frame_->QuickButtons()->Items(1)->ItemRect;
    TPoint on{form_->Left() + button.Left + 10, form_->Top() + button.Top + 10};
    TRasterImage shown = ScreenImage(TRect{on.X, on.Y, on.X + 1, on.Y + 1});
    EXPECT_EQ(PixelAt(shown, 0, 0), TColor(0x00506020));
    SaveScreenshot("TANDRIL_CAPTION_SCREENSHOT");

    XTestFakeMotionEvent(Other(), -1, on.X, on.Y, 0);
    XFlush(Other());
    EXPECT_TRUE(PumpUntil([&] {
        Run(25);
        return frame_->QuickButtons()->Items(1)->Hot;
    }));
    Click(on);
    EXPECT_TRUE(PumpUntil([&] { return clicks == std::vector<int>{1}; }));
}

}  // namespace
