// The form's effects on its first show: the window's fade-in and constant
// alpha, the layered border's own fade, and centring on the form's
// monitor, all on the hand-driven clock.
#include <gtest/gtest.h>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_backend.h"
#include "platform/win/layered_window.h"
#include "platform/win/system_info.h"
#include "platform/win/timers.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_styles.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_form_layer_border.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/test_layer_skin.h"
#include "tests/support/message_pump.h"

namespace {

class SkinFormEffects : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        form_ = new TCustomForm(nullptr);
        form_->SetBounds(100, 80, 300, 200);
        frame_ = new TbsSkinForm(form_);
    }
    void TearDown() override
    {
        delete form_;
        Application->ProcessMessages();
        ResetReportedVersion();
        FrameTest::TearDown();
    }
    // Shows the form and lets timer 1 (asked for at 1 ms, given the
    // platform's shortest interval) start the fade; answers how many
    // milliseconds the fade's loop took on the hand-driven clock.
    uint32_t ShowAndFade()
    {
        form_->Show();
        SetActiveWindow(form_->Handle());
        PumpMessages();
        uint32_t start = GetTickCount();
        AdvanceClock(USER_TIMER_MINIMUM);
        PumpMessages();
        return GetTickCount() - start - USER_TIMER_MINIMUM;
    }
    bool Layered() { return GetWindowLong(form_->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED; }
    int Alpha()
    {
        BYTE alpha = 0;
        return GetLayeredWindowAttributes(form_->Handle(), nullptr, &alpha, nullptr) ? alpha : -1;
    }

    TCustomForm* form_ = nullptr;
    TbsSkinForm* frame_ = nullptr;
};

// The first step is taken at once, each next one 6 ms after the last.
constexpr uint32_t FadeMs(uint32_t Steps) { return (Steps - 1) * 6; }

TEST_F(SkinFormEffects, AnimationAloneFadesTo255AndLeavesTheFormNotLayered)
{
    frame_->SetSkinData(data_.get());
    frame_->AlphaBlendAnimation = true;
    // 255 div 15 = 17 a step: 15 steps.
    EXPECT_EQ(ShowAndFade(), FadeMs(15));
    EXPECT_FALSE(Layered());
}

TEST_F(SkinFormEffects, ConstantAlphaWithoutAnimationIsSetAtOnce)
{
    frame_->SetSkinData(data_.get());
    frame_->SetAlphaBlend(true);
    frame_->SetAlphaBlendValue(0);
    EXPECT_EQ(ShowAndFade(), 0u);
    EXPECT_TRUE(Layered());
    EXPECT_EQ(Alpha(), 0);

    frame_->SetAlphaBlendValue(90);
    EXPECT_EQ(Alpha(), 90);
    frame_->SetAlphaBlend(false);
    EXPECT_FALSE(Layered());
}

TEST_F(SkinFormEffects, AValueBelow15FadesInStepsOf1)
{
    frame_->SetSkinData(data_.get());
    frame_->SetAlphaBlend(true);
    frame_->SetAlphaBlendValue(10);
    frame_->AlphaBlendAnimation = true;
    EXPECT_EQ(ShowAndFade(), FadeMs(10));
    EXPECT_TRUE(Layered());
    EXPECT_EQ(Alpha(), 10);
}

TEST_F(SkinFormEffects, AStepThatDoesNotDivideTheValueStopsAtIt)
{
    frame_->SetSkinData(data_.get());
    frame_->SetAlphaBlend(true);
    frame_->SetAlphaBlendValue(200);
    frame_->AlphaBlendAnimation = true;
    // Steps of 13: the 16th is clamped to 200.
    EXPECT_EQ(ShowAndFade(), FadeMs(16));
    EXPECT_EQ(Alpha(), 200);
}

TEST_F(SkinFormEffects, TheSkinsAnimationFadesEveryForm)
{
    data_->AnimationForAllWindows = true;
    frame_->SetSkinData(data_.get());
    EXPECT_EQ(ShowAndFade(), FadeMs(15));
    EXPECT_FALSE(Layered());
}

TEST_F(SkinFormEffects, WithoutAnEffectNothingFades)
{
    frame_->SetSkinData(data_.get());
    EXPECT_EQ(ShowAndFade(), 0u);
    EXPECT_FALSE(Layered());
}

// The border alone fades in to the skin's alpha; its steps are clamped to
// the target, so a step that does not divide it never passes it.
TEST_F(SkinFormEffects, TheBorderFadesAloneToItsAlphaWithoutOvershooting)
{
    SetReportedVersion(6, 1, 7601);
    TTestLayerSkin::AddTo(skin_);
    struct TCase {
        const char* Alpha;
        int Value;
        uint32_t Steps;
    };
    // 10: steps of 1; 200: steps of 13, the 16th clamped to 200.
    for (TCase c : {TCase{"10", 10, 10}, TCase{"200", 200, 16}}) {
        SCOPED_TRACE(c.Alpha);
        skin_.Set("LAYERFRAME", "alphablendvalue", c.Alpha);
        frameSkin_.LoadInto(*data_);
        frame_->SetSkinData(data_.get());
        frame_->FirstShow = true;
        EXPECT_EQ(ShowAndFade(), FadeMs(c.Steps));
        EXPECT_FALSE(Layered());
        ASSERT_TRUE(frame_->LayerBorder()->Showing());
        EXPECT_EQ(frame_->LayerBorder()->CurrentAlpha(), c.Value);
        form_->Hide();
        PumpMessages();
    }
}

TEST_F(SkinFormEffects, TheBorderFollowsTheWindowsFadeAndAlpha)
{
    TTestLayerSkin::AddTo(skin_);
    frameSkin_.LoadInto(*data_);
    frame_->SetSkinData(data_.get());
    frame_->SetAlphaBlend(true);
    frame_->SetAlphaBlendValue(102);
    EXPECT_EQ(ShowAndFade(), 0u);
    // 102 of 255 of the skin's 200.
    EXPECT_EQ(frame_->LayerBorder()->CurrentAlpha(), 80);
}

TEST_F(SkinFormEffects, CentringUsesTheFormsMonitorWithTruncatingDivision)
{
    THeadlessBackend* backend = HeadlessBackend();
    std::vector<TBackendMonitor> monitors = backend->Monitors();
    backend->SetMonitors({{Rect(0, 0, 1280, 800), Rect(0, 0, 1280, 760), true},
                          {Rect(1280, 0, 2305, 769), Rect(1280, 31, 2305, 769), false}});
    struct TCase {
        TbsPositionInMonitor Kind;
        TPoint At;
    };
    // 1280 + 1025 div 2 - 301 div 2 = 1642; 769 div 2 - 201 div 2 = 284;
    // the work area: 31 + 738 div 2 - 100 = 300.
    for (TCase c : {TCase{bspScreenCenter, {1642, 284}}, TCase{bspDesktopCenter, {1642, 300}}}) {
        auto* form = new TCustomForm(nullptr);
        form->SetBounds(1400, 100, 301, 201);
        auto* frame = new TbsSkinForm(form);
        frame->SetSkinData(data_.get());
        frame->PositionInMonitor = c.Kind;
        form->Show();
        PumpMessages();
        EXPECT_EQ(form->BoundsRect().TopLeft(), c.At);
        delete form;
        Application->ProcessMessages();
    }
    backend->SetMonitors(monitors);
}

}  // namespace
