// The skinned tool bar: centred children, buttons that fit or scroll with
// the two non-client scroll buttons (shown, clicked, held on the timer,
// limits), the focus kept when the window is made again, the skin data
// handed to buttons and bevels, the children's descriptions renamed with
// the bar's at design time, and the looks of the bar and its scroll buttons
// with the test skin and without one.
#include "skin/controls/bs_skin_tool_bar.h"

#include <gtest/gtest.h>

#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/window_pos.h"
#include "skin/controls/bs_skin_bevel.h"
#include "skin/controls/bs_skin_menu_speed_button.h"
#include "skin/controls/bs_skin_speed_button.h"
#include "tests/skin/controls/skin_controls_test_support.h"
#include "tests/skin/controls/test_skin_expanel.h"
#include "tests/skin/controls/test_skin_panels.h"
#include "tests/support/message_pump.h"

namespace {

// A focusable child that is no skinned control.
class TFocusable : public TCustomControl {
public:
    TFocusable(TWinControl* Parent, TRect Bounds) : TCustomControl(Parent)
    {
        SetTabStop(true);
        SetBoundsRect(Bounds);
        SetParent(Parent);
    }
};

class BsSkinToolBar : public SkinControlsTest {
protected:
    void SetUp() override
    {
        test_skin_panels::AddTo(skin_);
        test_skin_expanel::AddTo(skin_);
        SkinControlsTest::SetUp();
        SetActiveWindow(form_->Handle());
        PumpMessages();
        bar_ = new TbsSkinToolBar(form_.get());
        bar_->SetParent(form_.get());
        bar_->SetBounds(10, 10, 300, 25);
        bar_->SetCanScroll(true);
    }

    // Count buttons of 23 pixels side by side from x = 0.
    void AddButtons(int Count)
    {
        for (int i = 0; i < Count; ++i) {
            auto* button = new TbsSkinSpeedButton(form_.get());
            button->SetParent(bar_);
            button->SetBounds(i * 23, 0, 23, 22);
        }
        bar_->SetWidth(bar_->Width());
    }

    // A press and release on the left (Left) or right scroll button.
    void ClickScrollButton(bool Left)
    {
        TPoint p = ScrollButtonPoint(Left);
        InjectClick(p);
        PumpMessages();
    }

    TPoint ScrollButtonPoint(bool Left)
    {
        return bar_->ClientToScreen(Point(Left ? -6 : bar_->ClientWidth() + 6, 12));
    }

    void Wait(int Milliseconds)
    {
        for (int t = 0; t < Milliseconds; t += 10) {
            AdvanceClock(10);
            PumpMessages();
        }
    }

    TbsSkinToolBar* bar_ = nullptr;
};

TEST_F(BsSkinToolBar, ButtonsThatFitNeedNoScrollButtons)
{
    AddButtons(5);
    EXPECT_FALSE(bar_->ScrollButtonsVisible());
    EXPECT_EQ(bar_->ClientWidth(), 300);
    EXPECT_EQ(bar_->GetSkinClientRect(), Rect(0, 0, 300, 25));
    EXPECT_EQ(bar_->ScrollPosition(), 0);
    // Skinned children centre themselves, others are centred by the bar.
    auto* other = new TFocusable(bar_, Rect(200, 0, 210, 10));
    bar_->SetWidth(301);
    EXPECT_EQ(other->Top(), 12 - 5);
    EXPECT_EQ(bar_->Controls(0)->Top(), 12 - 11);
}

TEST_F(BsSkinToolBar, ScrollingByClicksStopsAtTheLimit)
{
    AddButtons(5);  // content 115 wide
    bar_->SetWidth(60);
    ASSERT_TRUE(bar_->ScrollButtonsVisible());
    EXPECT_EQ(bar_->ClientWidth(), 60 - 24);
    EXPECT_EQ(bar_->ScrollPosition(), 0);

    bar_->SetScrollOffset(20);
    std::vector<int> positions;
    for (int i = 0; i < 5; ++i) {
        ClickScrollButton(false);
        positions.push_back(bar_->ScrollPosition());
    }
    // The limit is 114 - 36 + 1.
    EXPECT_EQ(positions, (std::vector<int>{20, 40, 60, 79, 79}));
    EXPECT_EQ(bar_->ScrollDirection(), 0);
    EXPECT_EQ(bar_->Controls(0)->Left(), -79);
    EXPECT_EQ(bar_->Controls(4)->Left() + 23, 36);

    ClickScrollButton(true);
    EXPECT_EQ(bar_->ScrollPosition(), 59);
    EXPECT_EQ(bar_->Controls(0)->Left(), -59);

    // Widening at the limit moves the content back right by the growth,
    // never past 0.
    ClickScrollButton(false);
    ASSERT_EQ(bar_->ScrollPosition(), 79);
    bar_->SetWidth(80);
    EXPECT_EQ(bar_->ScrollPosition(), 59);
    EXPECT_EQ(bar_->Controls(0)->Left(), -59);
    bar_->SetWidth(200);
    EXPECT_FALSE(bar_->ScrollButtonsVisible());
    EXPECT_EQ(bar_->ScrollPosition(), 0);
    EXPECT_EQ(bar_->Controls(0)->Left(), 0);
}

TEST_F(BsSkinToolBar, AHeldButtonScrollsOnTheTimerByOneClientWidth)
{
    AddButtons(5);
    bar_->SetWidth(60);
    bar_->SetScrollTimerInterval(0);  // ignored: 50 stays
    EXPECT_EQ(bar_->ScrollTimerInterval(), 50);
    InjectMouseDown(ScrollButtonPoint(false));
    PumpMessages();
    EXPECT_EQ(bar_->ScrollDirection(), 2);
    EXPECT_EQ(bar_->ScrollPosition(), 0);
    Wait(40);
    EXPECT_EQ(bar_->ScrollPosition(), 0);
    Wait(10);
    EXPECT_EQ(bar_->ScrollPosition(), 36);
    Wait(50);
    EXPECT_EQ(bar_->ScrollPosition(), 72);
    Wait(50);
    EXPECT_EQ(bar_->ScrollPosition(), 79);
    // At the limit the timer stops by itself.
    Wait(50);
    EXPECT_EQ(bar_->ScrollDirection(), 0);
    InjectMouseUp(ScrollButtonPoint(false));
    PumpMessages();
    EXPECT_EQ(bar_->ScrollPosition(), 79);
}

TEST_F(BsSkinToolBar, TheFocusedControlInsideKeepsTheFocusWhenTheWindowIsMadeAgain)
{
    AddButtons(3);
    auto* edit = new TFocusable(bar_, Rect(70, 2, 100, 20));
    edit->SetFocus();
    PumpMessages();
    ASSERT_TRUE(edit->Focused());
    bar_->SetWidth(60);
    ASSERT_TRUE(bar_->ScrollButtonsVisible());
    EXPECT_TRUE(edit->Focused());
    bar_->SetWidth(300);
    ASSERT_FALSE(bar_->ScrollButtonsVisible());
    EXPECT_TRUE(edit->Focused());
}

TEST_F(BsSkinToolBar, ScrollButtonLooks)
{
    AddButtons(5);
    bar_->SetWidth(60);
    // Plain: clBtnShadow frame on clBtnFace, the arrow in clBtnText.
    EXPECT_EQ(PixelOf(bar_, -12, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(bar_, -10, 3), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelOf(bar_, -1, 24), ColorToRGB(clBtnShadow));
    // The hot look under the mouse.
    InjectMouseMove(ScrollButtonPoint(true));
    PumpMessages();
    EXPECT_EQ(PixelOf(bar_, -12, 0), TColor(0x00800000));
    EXPECT_EQ(PixelOf(bar_, -10, 3), TColor(0x00D2BDB6));

    // Skinned: the "resizebutton" description, hot while the mouse rests.
    bar_->SetSkinData(data_.get());
    bar_->Perform(WM_NCPAINT, 1, 0);
    EXPECT_EQ(PieceAt(bar_, -12, 0), "resizebutton.active.lt");
    EXPECT_EQ(PieceAt(bar_, 36 + 11, 24), "resizebutton.normal.rb");
    EXPECT_EQ(PieceAt(bar_, 10, 5), "toolbutton.normal.face");
}

TEST_F(BsSkinToolBar, SkinnedBarWithButtons)
{
    AddButtons(3);
    bar_->SetSkinData(data_.get());
    // Without a border the client part covers the bar.
    EXPECT_EQ(PieceAt(bar_, 0, 0), "toolpanel.normal.client");
    EXPECT_EQ(PieceAt(bar_, 299, 24), "toolpanel.normal.client");
    bar_->SetBorderStyle(TbsSkinBorderStyle::bvFrame);
    bar_->SetWidth(bar_->Width());
    bar_->Invalidate();
    EXPECT_EQ(PieceAt(bar_, 0, 0), "toolpanel.normal.lt");
    EXPECT_EQ(PieceAt(bar_, 299, 24), "toolpanel.normal.rb");
    EXPECT_EQ(PieceAt(bar_, 150, 12), "toolpanel.normal.client");
    // The buttons took the bar's skin data and sit centred in its client
    // part (3, 3, 297, 22).
    EXPECT_EQ(PieceAt(bar_, 10, 12), "toolbutton.normal.face");
    EXPECT_EQ(bar_->Controls(0)->Top(), 3 + 19 / 2 - 11);
}

TEST_F(BsSkinToolBar, BevelsOnTheBarTakeItsSkinDataAndStayCentred)
{
    AddButtons(2);
    auto* bevel = new TbsSkinBevel(form_.get());
    bevel->SetParent(bar_);
    bevel->SetShape(bsLeftLine);
    bevel->SetBounds(50, 0, 4, 16);
    EXPECT_EQ(bevel->Top(), 12 - 8);
    // Lowered: the dark line left of the light one.
    EXPECT_EQ(PixelOf(bevel, 0, 8), ColorToRGB(clBtnShadow));

    bar_->SetSkinData(data_.get());
    EXPECT_EQ(bevel->SkinData(), data_.get());
    EXPECT_EQ(PixelOf(bevel, 0, 8), test_skin_expanel::kBevelDark);
    EXPECT_EQ(PixelOf(bevel, 1, 8), test_skin_expanel::kBevelLight);

    // A taller bar keeps the bevel in its middle; no skin brings the
    // system's colours back.
    bar_->SetHeight(41);
    EXPECT_EQ(bevel->Top(), 20 - 8);
    bar_->SetSkinData(nullptr);
    EXPECT_EQ(bevel->SkinData(), nullptr);
    EXPECT_EQ(PixelOf(bevel, 0, 8), ColorToRGB(clBtnShadow));
}

TEST_F(BsSkinToolBar, RenamingTheBarAtDesignTimeRenamesItsButtons)
{
    auto* plain = new TbsSkinSpeedButton(form_.get());
    auto* menu = new TbsSkinMenuSpeedButton(form_.get());
    auto* track = new TbsSkinMenuSpeedButton(form_.get());
    track->SetTrackButtonMode(true);
    for (TbsSkinSpeedButton* button : std::initializer_list<TbsSkinSpeedButton*>{plain, menu, track})
        button->SetParent(bar_);
    auto names = [&] {
        return std::vector<AnsiString>{plain->SkinDataName(), menu->SkinDataName(), track->SkinDataName()};
    };
    using Names = std::vector<AnsiString>;

    // At run time the names are left alone.
    Names before = names();
    bar_->SetSkinDataName("bigtoolpanel");
    EXPECT_EQ(names(), before);

    bar_->SetDesigning(true);
    bar_->SetSkinDataName("bigtoolpanel");
    EXPECT_EQ(names(), (Names{"bigtoolbutton", "bigtoolmenubutton", "bigtoolmenutrackbutton"}));
    bar_->SetSkinDataName("toolpanel");
    EXPECT_EQ(names(), (Names{"toolbutton", "toolmenubutton", "toolmenutrackbutton"}));
    bar_->SetSkinDataName("mytoolpanel");
    EXPECT_EQ(names(), (Names{"toolbutton", "toolmenubutton", "toolmenutrackbutton"}));
    bar_->SetSkinDataName("resizetoolpanel");
    EXPECT_EQ(names(), (Names{"resizetoolbutton", "resizetoolbutton", "resizetoolbutton"}));
    bar_->SetSkinDataName("panel");
    EXPECT_EQ(names(), (Names{"resizebutton", "resizebutton", "resizebutton"}));
}

}  // namespace
