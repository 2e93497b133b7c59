#include "skin/data/bs_layer_manager.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/gdi/pen_brush.h"
#include "platform/win/clock.h"
#include "platform/win/headless_screen.h"
#include "platform/win/message_queue.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"
#include "tests/skin/data/skin_pictures.h"
#include "tests/support/message_pump.h"

namespace {

constexpr COLORREF Background = RGB(200, 100, 50);

class TLayerManagerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        setenv("TANDRIL_BACKEND", "headless", 1);
        static const bool registered = [] {
            WNDCLASSEX c;
            c.lpszClassName = "LayerTestBackground";
            c.hbrBackground = CreateSolidBrush(Background);
            return RegisterClassEx(c) != 0;
        }();
        ASSERT_TRUE(registered);
    }

    void SetUp() override { SetManualClock(true); }

    void TearDown() override
    {
        if (background_)
            DestroyWindow(background_);
        Pump();
        SetManualClock(false);
    }

    // An opaque window of the background colour over (0, 0)-(100, 100).
    void MakeBackground()
    {
        background_ = CreateWindowEx(0, "LayerTestBackground", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                     0, nullptr);
        ASSERT_NE(background_, nullptr);
        Pump();
    }

    static void Pump() { PumpMessages(); }

    // Runs the fade a timer interval at a time until its timer stops (at
    // most Limit ticks) and answers the alpha after each tick.
    static std::vector<int> RunFade(TbsLayerManager& Manager, int Limit = 40)
    {
        std::vector<int> alphas;
        while (Manager.TimerEnabled() && static_cast<int>(alphas.size()) < Limit) {
            AdvanceClock(TbsLayerManager::TimerInterval);
            Pump();
            alphas.push_back(Manager.CurrentAlpha());
        }
        return alphas;
    }

    HWND background_ = nullptr;
};

// A 3 x 1 glow: colour RGB(255, 0, 128) under mask greys 255, 128 and 0.
struct TGlow {
    std::unique_ptr<TBitmap> Picture = NewPicture(3, 1);
    std::unique_ptr<TBitmap> Mask = NewPicture(3, 1);
    TGlow()
    {
        const uint32_t greys[3] = {0xFFFFFFFF, 0xFF808080, 0xFF000000};
        for (int x = 0; x < 3; ++x) {
            PixelOf(*Picture, x, 0) = 0xFFFF0080;
            PixelOf(*Mask, x, 0) = greys[x];
        }
    }
};

std::vector<int> Steps(int From, int To, int By)
{
    std::vector<int> v;
    for (int a = From; a <= To; a += By)
        v.push_back(a);
    return v;
}

TEST_F(TLayerManagerTest, FadeTicksRiseByATenthAndStopAtTheTarget)
{
    TGlow glow;
    TbsLayerManager manager(nullptr);
    EXPECT_TRUE(manager.TopMost);

    manager.Show(10, 10, glow.Picture.get(), glow.Mask.get(), 200);
    EXPECT_TRUE(manager.Showing());
    EXPECT_EQ(manager.CurrentAlpha(), 0);
    AdvanceClock(TbsLayerManager::TimerInterval - 1);
    Pump();
    EXPECT_EQ(manager.CurrentAlpha(), 0);
    AdvanceClock(1);
    Pump();
    EXPECT_EQ(manager.CurrentAlpha(), 20);
    std::vector<int> rest = RunFade(manager);
    EXPECT_EQ(rest, Steps(40, 200, 20));

    // Showing again starts over from 0 in a new window.
    manager.Show(10, 10, glow.Picture.get(), glow.Mask.get(), 255);
    EXPECT_EQ(manager.CurrentAlpha(), 0);
    std::vector<int> expected = Steps(25, 250, 25);
    expected.push_back(255);
    EXPECT_EQ(RunFade(manager), expected);

    manager.Show(10, 10, glow.Picture.get(), glow.Mask.get(), 0);
    EXPECT_EQ(RunFade(manager), std::vector<int>{0});

    // A step of 5 div 10 = 0 would never reach 5: the step is at least 1.
    manager.Show(10, 10, glow.Picture.get(), glow.Mask.get(), 5);
    EXPECT_EQ(RunFade(manager), Steps(1, 5, 1));
    EXPECT_FALSE(manager.TimerEnabled());

    // Out-of-range targets are held to 0..255.
    manager.Show(10, 10, glow.Picture.get(), glow.Mask.get(), 300);
    EXPECT_EQ(manager.TargetAlpha(), 255);
    EXPECT_EQ(RunFade(manager).size(), 11u);

    manager.Hide();
    EXPECT_FALSE(manager.Showing());
    EXPECT_EQ(manager.LayerWindow(), nullptr);
    EXPECT_EQ(manager.LayerBitmap(), nullptr);
}

// Composed by the per-pixel rule over RGB(200, 100, 50): at constant alpha
// a the premultiplied source S and its alpha As become Div255(S * a) and
// Div255(As * a), and the result is S' + Div255(D * (255 - As')).
TEST_F(TLayerManagerTest, ShownGlowComposesOverTheScreenAndFollowsShowMoveHide)
{
    MakeBackground();
    TGlow glow;
    TbsLayerManager manager(nullptr);
    manager.Show(10, 20, glow.Picture.get(), glow.Mask.get(), 200);
    ASSERT_NE(manager.LayerWindow(), nullptr);
    HWND layer = manager.LayerWindow()->Handle();
    EXPECT_TRUE(IsWindowVisible(layer));
    EXPECT_EQ(GetWindowLong(layer, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_TOPMOST),
              WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_TOPMOST);
    TRect bounds;
    GetWindowRect(layer, &bounds);
    EXPECT_EQ(bounds, Rect(10, 20, 13, 21));

    // Alpha 0 at first: nothing shows.
    EXPECT_EQ(ScreenPixel(10, 20), Background);
    EXPECT_EQ(ScreenPixel(11, 20), Background);

    AdvanceClock(TbsLayerManager::TimerInterval);
    Pump();
    EXPECT_EQ(ScreenPixel(10, 20), RGB(204, 92, 56));

    RunFade(manager);
    EXPECT_EQ(ScreenPixel(10, 20), RGB(243, 22, 111));
    EXPECT_EQ(ScreenPixel(11, 20), RGB(222, 61, 130));
    EXPECT_EQ(ScreenPixel(12, 20), Background);
    EXPECT_EQ(ScreenPixel(9, 20), Background);

    // Moved by its user, then shown there again.
    SetWindowPos(layer, nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    manager.TopMost = false;
    manager.UpdatePosition();
    EXPECT_EQ(GetWindowLong(layer, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(ScreenPixel(10, 20), Background);
    EXPECT_EQ(ScreenPixel(50, 60), RGB(243, 22, 111));

    manager.Hide();
    EXPECT_FALSE(IsWindow(layer));
    EXPECT_EQ(ScreenPixel(50, 60), Background);
    // Hidden, it is not brought back.
    manager.UpdatePosition();
    EXPECT_EQ(manager.LayerWindow(), nullptr);
}

TEST_F(TLayerManagerTest, HideAndDestructionStopTheFadeWhereverItIs)
{
    TGlow glow;
    TbsLayerManager manager(nullptr);
    manager.Hide();
    EXPECT_FALSE(manager.TimerEnabled());
    manager.Show(0, 0, glow.Picture.get(), glow.Mask.get(), 7);
    RunFade(manager, 3);
    manager.Hide();
    EXPECT_FALSE(manager.TimerEnabled());
    EXPECT_EQ(manager.CurrentAlpha(), 3);
    AdvanceClock(100);
    Pump();
    EXPECT_EQ(manager.CurrentAlpha(), 3);

    // An owner frees its manager halfway through a fade; later ticks must
    // not reach it.
    auto* owner = new TComponent(nullptr);
    auto* owned = new TbsLayerManager(owner);
    owned->Show(0, 0, glow.Picture.get(), glow.Mask.get(), 200);
    AdvanceClock(TbsLayerManager::TimerInterval);
    Pump();
    HWND layer = owned->LayerWindow()->Handle();
    delete owner;
    EXPECT_FALSE(IsWindow(layer));
    for (int i = 0; i < 5; ++i) {
        AdvanceClock(TbsLayerManager::TimerInterval);
        Pump();
    }
}

}  // namespace
