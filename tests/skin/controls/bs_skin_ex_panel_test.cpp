// The expandable panel as a user meets it: its skinned and plain looks,
// the close and roll buttons pressed through injected mouse input, rolls
// both ways and back (sizes, constraints, hidden children, the kind it was
// rolled by), dragging a Moveable panel by its caption and sizing a
// Sizeable one by its edges.
#include "skin/controls/bs_skin_ex_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/test_font.h"
#include "platform/win/headless_input.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "tests/platform/ui/form_test_support.h"
#include "tests/skin/controls/skin_controls_test_support.h"
#include "tests/skin/controls/test_skin_expanel.h"
#include "tests/support/message_pump.h"

// A namespace of its own, so that the names taken from the test skin's
// part stay in this file when sources are compiled together.
namespace bs_skin_ex_panel_test {

using namespace test_skin_expanel;

using TLog = std::vector<std::string>;

class BsSkinExPanel : public SkinControlsTest {
protected:
    void SetUp() override
    {
        AddTo(skin_);
        SkinControlsTest::SetUp();
        panel_ = new TbsSkinExPanel(form_.get());
        panel_->SetParent(form_.get());
        panel_->SetBounds(10, 10, 100, 60);
        panel_->OnClose = TNotifyEvent::FromCallable([this](TObject*) { log_.push_back("close"); });
        panel_->OnChangeRollState = TNotifyEvent::FromCallable([this](TObject*) { log_.push_back("roll"); });
    }

    void Skin() { panel_->SetSkinData(data_.get()); }
    TPoint At(int X, int Y) { return panel_->ClientToScreen(Point(X, Y)); }
    void Move(int X, int Y)
    {
        InjectMouseMove(At(X, Y));
        PumpMessages();
    }
    void Click(int X, int Y)
    {
        InjectMouseMove(At(X, Y));
        InjectClick(At(X, Y));
        PumpMessages();
    }
    LRESULT Hit(int X, int Y)
    {
        TPoint p = At(X, Y);
        return SendMessage(panel_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y));
    }

    TbsSkinExPanel* panel_ = nullptr;
    TLog log_;
};

// The skinned buttons of a 100-wide panel: the close button at the
// caption's right end (97), the roll button 2 pixels left of it.
constexpr int CloseX = 90, RollX = 76, ButtonY = 10;

TEST_F(BsSkinExPanel, ShowsTheSkinsBodyCaptionAndButtonsInTheirStates)
{
    Skin();
    EXPECT_EQ(PieceAt(panel_, 0, 0), "expanel.normal.lt");
    EXPECT_EQ(PieceAt(panel_, 40, 2), "expanel.normal.t");
    EXPECT_EQ(PieceAt(panel_, 50, 40), "expanel.normal.client");
    EXPECT_EQ(PieceAt(panel_, 99, 59), "expanel.normal.rb");
    EXPECT_EQ(PieceAt(panel_, CloseX, ButtonY), "expanel.close.normal.face");
    EXPECT_EQ(PieceAt(panel_, RollX, ButtonY), "expanel.vroll.normal.face");

    Move(CloseX, ButtonY);
    EXPECT_EQ(PieceAt(panel_, CloseX, ButtonY), "expanel.close.active.face");
    InjectMouseDown(At(CloseX, ButtonY));
    PumpMessages();
    EXPECT_EQ(PieceAt(panel_, CloseX, ButtonY), "expanel.close.down.face");
    // Held, the close button keeps the roll button from lighting up.
    Move(RollX, ButtonY);
    EXPECT_EQ(PieceAt(panel_, RollX, ButtonY), "expanel.vroll.normal.face");
    EXPECT_EQ(PieceAt(panel_, CloseX, ButtonY), "expanel.close.normal.face");

    // Released away from it: nothing happens.
    InjectMouseUp(At(RollX, ButtonY));
    PumpMessages();
    EXPECT_TRUE(panel_->Visible());
    EXPECT_TRUE(log_.empty());

    Click(CloseX, ButtonY);
    EXPECT_FALSE(panel_->Visible());
    EXPECT_EQ(log_, TLog{"close"});
}

TEST_F(BsSkinExPanel, RollsVerticallyToTheSkinsStripAndBack)
{
    Skin();
    Click(RollX, ButtonY);
    EXPECT_TRUE(panel_->RollState());
    EXPECT_EQ(panel_->Height(), kStrip);
    EXPECT_EQ(panel_->RealHeight(), 60);
    EXPECT_EQ(PieceAt(panel_, 40, 2), "expanel.rollv.m");
    EXPECT_EQ(PieceAt(panel_, 1, 2), "expanel.rollv.l");
    EXPECT_EQ(PieceAt(panel_, RollX, ButtonY), "expanel.vrestore.active.face");

    // The rolled height stays; the width may change.
    panel_->SetBounds(10, 10, 120, 80);
    EXPECT_EQ(panel_->Height(), kStrip);
    EXPECT_EQ(panel_->Width(), 120);

    Click(RollX + 20, ButtonY);
    EXPECT_FALSE(panel_->RollState());
    EXPECT_EQ(panel_->Height(), 60);
    EXPECT_EQ(panel_->RealHeight(), 0);
    EXPECT_EQ(PieceAt(panel_, 50, 40), "expanel.normal.client");
    EXPECT_EQ(log_, (TLog{"roll", "roll"}));
}

TEST_F(BsSkinExPanel, RollsHorizontallyWithItsButtonsStackedAndTheCaptionTurned)
{
    Skin();
    panel_->SetCaption("ABC");
    panel_->SetRollKind(rkRollHorizontal);
    panel_->SetRollState(true);
    EXPECT_EQ(panel_->Width(), kStrip);
    EXPECT_EQ(panel_->RealWidth(), 100);
    EXPECT_EQ(panel_->Height(), 60);
    EXPECT_EQ(PieceAt(panel_, 2, 30), "expanel.rollh.m");
    EXPECT_EQ(PieceAt(panel_, 10, 59), "expanel.rollh.b");
    EXPECT_EQ(PieceAt(panel_, 8, 8), "expanel.close.normal.face");
    EXPECT_EQ(PieceAt(panel_, 8, 22), "expanel.hrestore.normal.face");

    // The caption reads upwards: its ink is taller than it is wide.
    int left = 100, right = -1, top = 100, bottom = -1;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < kStrip; ++x)
            if (PixelOf(panel_, x, y) == kFontColour) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, left);
    EXPECT_GT(bottom - top, right - left);
    EXPECT_GT(top, 22 + kButton);  // below the buttons
}

TEST_F(BsSkinExPanel, UnrollsByTheKindItWasRolledByWhateverRollKindSaysNow)
{
    Skin();
    panel_->SetRollKind(rkRollHorizontal);
    panel_->SetRollState(true);
    panel_->SetRollKind(rkRollVertical);
    // Still a vertical strip: the width stays pinned, the height is free.
    panel_->SetBounds(10, 10, 100, 90);
    EXPECT_EQ(panel_->Width(), kStrip);
    EXPECT_EQ(panel_->Height(), 90);
    panel_->SetRollState(false);
    EXPECT_EQ(panel_->Width(), 100);
    EXPECT_EQ(panel_->Height(), 90);
    EXPECT_EQ(panel_->RealWidth(), 0);
    // The next roll takes the new kind.
    panel_->SetRollState(true);
    EXPECT_EQ(panel_->Height(), kStrip);
    EXPECT_EQ(panel_->Width(), 100);
}

TEST_F(BsSkinExPanel, ARollKeepsConstraintsAndHiddenChildrenForTheUnroll)
{
    panel_->Constraints()->SetMinHeight(50);
    panel_->Constraints()->SetMaxWidth(300);
    auto* shown = new TProbe(form_.get(), panel_, TRect{2, 30, 20, 40});
    auto* hidden = new TProbe(form_.get(), panel_, TRect{30, 30, 40, 40});
    hidden->Hide();

    panel_->SetRollState(true);
    EXPECT_EQ(panel_->Height(), 21);  // the plain strip: DefaultCaptionHeight
    EXPECT_EQ(panel_->Constraints()->MinHeight(), 0);
    EXPECT_FALSE(shown->Visible());
    // Hidden children a roll did not hide stay hidden; one freed meanwhile
    // is forgotten.
    auto* freed = new TProbe(form_.get(), panel_, TRect{50, 30, 60, 40});
    delete freed;

    panel_->SetRollState(false);
    EXPECT_EQ(panel_->Height(), 60);
    EXPECT_EQ(panel_->Constraints()->MinHeight(), 50);
    EXPECT_EQ(panel_->Constraints()->MaxWidth(), 300);
    EXPECT_TRUE(shown->Visible());
    EXPECT_FALSE(hidden->Visible());
    EXPECT_EQ(log_, (TLog{"roll", "roll"}));
}

TEST_F(BsSkinExPanel, ASkinChangeWhileRolledTakesTheNewSkinsStrip)
{
    panel_->SetRollState(true);
    EXPECT_EQ(panel_->Height(), 21);
    Skin();
    EXPECT_TRUE(panel_->RollState());
    EXPECT_EQ(panel_->Height(), kStrip);
    panel_->SetRollState(false);
    EXPECT_EQ(panel_->Height(), 60);
}

TEST_F(BsSkinExPanel, PlainLookHasAFramedCaptionBarAndFlatButtons)
{
    // Buttons 15 square: the close one at 83..98, the roll one at 68..83.
    EXPECT_EQ(PixelOf(panel_, 50, 59), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(panel_, 50, 30), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelOf(panel_, 50, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelOf(panel_, 84, 4), ColorToRGB(clBtnFace));
    Move(90, 10);
    EXPECT_EQ(PixelOf(panel_, 83, 3), TColor(0x00800000));
    EXPECT_EQ(PixelOf(panel_, 84, 4), TColor(0x00D2BDB6));
    InjectMouseDown(At(90, 10));
    PumpMessages();
    EXPECT_EQ(PixelOf(panel_, 84, 4), TColor(0x00B59385));
    InjectMouseUp(At(90, 10));
    PumpMessages();
    EXPECT_FALSE(panel_->Visible());
}

TEST_F(BsSkinExPanel, AMoveablePanelIsDraggedByItsCaptionOffTheButtons)
{
    Skin();
    EXPECT_EQ(Hit(40, 8), HTCLIENT);  // not Moveable
    panel_->Moveable = true;
    EXPECT_EQ(Hit(40, 8), HTCAPTION);
    EXPECT_EQ(Hit(CloseX, ButtonY), HTCLIENT);
    EXPECT_EQ(Hit(50, 40), HTCLIENT);

    InjectMouseDown(At(40, 8));
    InjectMouseMove(At(70, 28));
    InjectMouseUp(At(70, 28));
    PumpMessages();
    EXPECT_EQ(panel_->BoundsRect(), Bounds(40, 30, 100, 60));

    // With both buttons hidden the whole caption drags.
    panel_->SetShowCloseButton(false);
    panel_->SetShowRollButton(false);
    EXPECT_EQ(Hit(CloseX, ButtonY), HTCAPTION);
}

TEST_F(BsSkinExPanel, ASizeablePanelIsSizedByItsRightAndBottomZones)
{
    Skin();
    panel_->Sizeable = true;
    // The skin's client part ends 3 pixels before the right and bottom.
    EXPECT_EQ(Hit(98, 58), HTBOTTOMRIGHT);
    EXPECT_EQ(Hit(50, 58), HTBOTTOM);
    EXPECT_EQ(Hit(98, 30), HTRIGHT);
    EXPECT_EQ(Hit(50, 30), HTCLIENT);

    InjectMouseDown(At(98, 58));
    InjectMouseMove(At(128, 78));
    InjectMouseUp(At(128, 78));
    PumpMessages();
    EXPECT_EQ(panel_->BoundsRect(), Bounds(10, 10, 130, 80));
    EXPECT_EQ(PieceAt(panel_, 129, 79), "expanel.normal.rb");

    // Rolled, it has no size zones.
    panel_->SetRollState(true);
    EXPECT_EQ(Hit(98, 18), HTCLIENT);
}

TEST_F(BsSkinExPanel, PiecesOfNoSizeDrawNothingFromTheSkin)
{
    // A client part and rolled strips of no size: nothing to lay, so the
    // frame shows around an unpainted body and nothing hangs.
    skin_.Set("expanel", "clientrect", "3,20,3,20");
    skin_.Set("expanel", "rollvskinrect", "0,0,0,0");
    skin_.Set("expanel", "rollhskinrect", "5,5,5,60");
    skin_.LoadInto(*data_);
    Skin();
    EXPECT_EQ(PieceAt(panel_, 0, 0), "expanel.normal.lt");
    EXPECT_EQ(PieceAt(panel_, 20, 30), "");  // inside the client part, now 3..43 x 20..40
    panel_->SetRollState(true);
    EXPECT_EQ(panel_->Height(), 0);
    panel_->SetRollState(false);
    panel_->SetRollKind(rkRollHorizontal);
    panel_->SetRollState(true);
    EXPECT_EQ(panel_->Width(), 0);
    panel_->SetBounds(10, 10, 100, 60);
    EXPECT_EQ(PieceAt(panel_, 0, 30), "");
}

}  // namespace bs_skin_ex_panel_test
