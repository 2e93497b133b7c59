// The skinned panel on the test skin and without one: client rectangles,
// rolling up and back (height, constraints, hidden children, skin changes),
// caption clicks, and its looks: nine-part with caption, check and roll
// marks, plain, transparent over a striped parent, background pictures and
// degenerate client parts.
#include "skin/controls/bs_skin_panel.h"

#include <gtest/gtest.h>

#include "platform/gdi/test_font.h"
#include "platform/win/headless_input.h"
#include "platform/win/focus.h"
#include "tests/skin/controls/skin_controls_test_support.h"
#include "tests/skin/controls/test_skin_panels.h"

// A namespace of its own, so that the names taken from the test skin's
// part stay in this file when sources are compiled together.
namespace bs_skin_panel_test {

using namespace test_skin_panels;

using enum TbsSkinBorderStyle;

// Stripes of 4 pixels: red on even stripes, blue on odd ones.
class TStripedParent : public TCustomControl {
public:
    explicit TStripedParent(TWinControl* Parent) : TCustomControl(Parent)
    {
        SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls));
        SetBounds(0, 0, 200, 120);
        SetParent(Parent);
    }
    static TColor Stripe(int X) { return X / 4 % 2 ? clBlue : clRed; }

protected:
    void Paint() override
    {
        for (int x = 0; x < Width(); x += 4) {
            Canvas()->Brush()->SetColor(Stripe(x));
            Canvas()->FillRect(Rect(x, 0, x + 4, Height()));
        }
    }
};

class BsSkinPanel : public SkinControlsTest {
protected:
    void SetUp() override
    {
        bgPicture_ = AddTo(skin_);
        SkinControlsTest::SetUp();
        SetActiveWindow(form_->Handle());
    }

    TbsSkinPanel* Add(bool Skinned, TWinControl* Parent = nullptr)
    {
        auto* panel = new TbsSkinPanel(form_.get());
        panel->SetParent(Parent ? Parent : form_.get());
        panel->SetBounds(10, 10, 150, 100);
        if (Skinned)
            panel->SetSkinData(data_.get());
        panel->DefaultFont()->SetName(kTestFontName);
        panel->DefaultFont()->SetHeight(16);
        return panel;
    }

    // Loads the changed skin and runs the skin change over Panel.
    void Reskin(TbsSkinPanel* Panel)
    {
        Panel->BeforeChangeSkinData();
        skin_.LoadInto(*data_);
        Panel->ChangeSkinData();
    }

    int bgPicture_ = -1;
};

TEST_F(BsSkinPanel, ClientRectangles)
{
    TbsSkinPanel* panel = Add(false);
    panel->SetBorderStyle(bvNone);
    EXPECT_EQ(panel->GetSkinClientRect(), Rect(0, 0, 150, 100));
    panel->SetBorderStyle(bvFrame);
    panel->SetCaptionMode(true);
    EXPECT_EQ(panel->GetSkinClientRect(), Rect(1, 23, 149, 99));
    panel->SetRibbonStyle(true);
    EXPECT_EQ(panel->GetSkinClientRect(), Rect(1, 1, 149, 77));

    // Skinned: the description's client part at the panel's size, whatever
    // the plain caption height says.
    TbsSkinPanel* skinned = Add(true);
    skinned->SetCaptionMode(true);
    skinned->SetDefaultCaptionHeight(40);
    EXPECT_EQ(skinned->GetSkinClientRect(), Rect(kPanelCorner, kPanelTop, 150 - kPanelCorner, 100 - kPanelCorner));
    // bvNone without a caption over all four corners: the whole panel.
    skinned->SetCaptionMode(false);
    skinned->SetBorderStyle(bvNone);
    EXPECT_EQ(skinned->GetSkinClientRect(), Rect(0, 0, 150, 100));
}

TEST_F(BsSkinPanel, RollingUpAndBackRestoresHeightConstraintsAndOnlyTheChildrenItHid)
{
    TbsSkinPanel* panel = Add(false);
    panel->Constraints()->SetMinHeight(50);
    panel->Constraints()->SetMaxHeight(300);
    panel->Constraints()->SetMaxWidth(400);
    auto* shown = new TbsSkinPanel(form_.get());
    shown->SetParent(panel);
    auto* hidden = new TbsSkinPanel(form_.get());
    hidden->SetParent(panel);
    hidden->Hide();
    int changes = 0;
    panel->OnChangeRollUpState = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });

    // Off: nothing rolls and no constraint changes.
    panel->SetRollUpState(true);
    EXPECT_FALSE(panel->RollUpState());
    EXPECT_EQ(panel->Constraints()->MinHeight(), 50);
    EXPECT_EQ(panel->Constraints()->MaxHeight(), 300);

    panel->SetRollUpMode(true);
    for (int round = 0; round < 2; ++round) {
        panel->SetRollUpState(true);
        EXPECT_EQ(panel->RealHeight(), 100);
        EXPECT_EQ(panel->Height(), 23);  // DefaultCaptionHeight + 1, below MinHeight
        EXPECT_EQ(panel->Constraints()->MinHeight(), 0);
        EXPECT_FALSE(shown->Visible());
        panel->SetRollUpState(false);
        EXPECT_EQ(panel->Height(), 100);
        EXPECT_EQ(panel->RealHeight(), -1);
        EXPECT_EQ(panel->Constraints()->MinHeight(), 50);
        EXPECT_EQ(panel->Constraints()->MaxHeight(), 300);
        EXPECT_EQ(panel->Constraints()->MaxWidth(), 400);
        EXPECT_TRUE(shown->Visible());
        EXPECT_FALSE(hidden->Visible());
    }
    EXPECT_EQ(changes, 4);

    // Rolled, then RollUpMode off and the state cleared: the constraints
    // come back once and nothing rolls back.
    panel->SetRollUpState(true);
    panel->SetRollUpMode(false);
    panel->SetRollUpState(false);
    EXPECT_EQ(panel->Constraints()->MinHeight(), 50);
    EXPECT_EQ(panel->Height(), 50);  // the minimum back in force
    panel->Constraints()->SetMinHeight(0);
    panel->SetRollUpState(true);
    panel->SetRollUpState(false);
    EXPECT_EQ(panel->Constraints()->MinHeight(), 0);
}

TEST_F(BsSkinPanel, ASkinChangeWhileRolledKeepsItRolledAtTheNewSkinsHeight)
{
    TbsSkinPanel* panel = Add(true);
    panel->SetRollUpMode(true);
    panel->SetRollUpState(true);
    EXPECT_EQ(panel->Height(), kPanelTop + kPanelCorner);
    EXPECT_EQ(panel->RealHeight(), 100);

    skin_.Set("panel", "clientrect", TTestSkin::RectText(Rect(kPanelCorner, 10, kPanelWidth - kPanelCorner, 30)));
    Reskin(panel);
    EXPECT_TRUE(panel->RollUpState());
    EXPECT_EQ(panel->Height(), 10 + kPanelHeight - 30);
    EXPECT_EQ(panel->RealHeight(), 100);
    panel->SetRollUpState(false);
    EXPECT_EQ(panel->Height(), 100);
}

TEST_F(BsSkinPanel, AReleaseOnTheCaptionTogglesCheckAndRoll)
{
    TbsSkinPanel* panel = Add(false);
    auto* child = new TbsSkinPanel(form_.get());
    child->SetParent(panel);
    child->SetBounds(100, 40, 20, 20);
    panel->SetCaptionMode(true);
    panel->SetCheckedMode(true);
    panel->SetRollUpMode(true);
    int checks = 0;
    panel->OnChecked = TNotifyEvent::FromCallable([&](TObject*) { ++checks; });

    PixelOf(panel, 0, 0);
    InjectClick(panel->ClientToScreen(Point(60, 30)));  // below the caption
    PixelOf(panel, 0, 0);
    EXPECT_FALSE(panel->Checked());
    InjectClick(panel->ClientToScreen(Point(60, 10)));
    PixelOf(panel, 0, 0);
    EXPECT_TRUE(panel->Checked());
    EXPECT_TRUE(panel->RollUpState());
    EXPECT_TRUE(child->Enabled());
    EXPECT_EQ(checks, 1);
    InjectClick(panel->ClientToScreen(Point(60, 10)));
    PixelOf(panel, 0, 0);
    EXPECT_FALSE(panel->Checked());
    EXPECT_FALSE(panel->RollUpState());
    EXPECT_FALSE(child->Enabled());

    // The same value again still fires and still sets the children.
    child->SetEnabled(true);
    panel->SetChecked(false);
    EXPECT_EQ(checks, 3);
    EXPECT_FALSE(child->Enabled());
}

TEST_F(BsSkinPanel, SkinnedLookWithCaptionCheckAndRollMarks)
{
    TbsSkinPanel* panel = Add(true);
    EXPECT_EQ(PieceAt(panel, 0, 0), "panel.normal.lt");
    EXPECT_EQ(PieceAt(panel, 75, 5), "panel.normal.t");
    EXPECT_EQ(PieceAt(panel, 149, 99), "panel.normal.rb");
    EXPECT_EQ(PieceAt(panel, 75, 50), "panel.normal.client");
    EXPECT_EQ(PieceAt(panel, 2, 50), "panel.normal.l");

    panel->SetCaption("ab");
    panel->SetCaptionMode(true);
    panel->SetCheckedMode(true);
    panel->SetRollUpMode(true);
    panel->Invalidate();  // the mode alone repaints only the plain look
    // The caption rectangle keeps its left and top and stretches with the
    // top edge: (4, 2, 146, 18).
    EXPECT_EQ(PieceAt(panel, 5, 5), "panel.uncheck.face");
    EXPECT_EQ(panel->CaptionHitRect(), Rect(4, 2, 146, 18));
    // The text follows the 10-pixel mark and 2 pixels, its top at
    // 2 + 16 / 2 - 16 / 2 (an even height); the test font's box starts at
    // column 1.
    EXPECT_EQ(PixelOf(panel, 4 + 12 + 1, 2 + 5), kPanelFontColour);
    EXPECT_EQ(PieceAt(panel, 4 + 12, 2 + 5), "panel.normal.t");  // the box's first column is empty
    // The roll-up mark: the markframe part in the 10 pixels after the
    // 12-pixel cut of the right edge.
    EXPECT_EQ(PieceAt(panel, 146 - 12 + 1, 17), "panel.markframe.face");
    panel->SetChecked(true);
    EXPECT_EQ(PieceAt(panel, 5, 5), "panel.check.face");
}

TEST_F(BsSkinPanel, PlainLook)
{
    TbsSkinPanel* panel = Add(false);
    EXPECT_EQ(PixelOf(panel, 0, 50), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(panel, 149, 50), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(panel, 50, 50), ColorToRGB(clBtnFace));
    panel->SetBorderStyle(bvRaised);
    EXPECT_EQ(PixelOf(panel, 0, 50), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelOf(panel, 149, 50), ColorToRGB(clBtnShadow));

    panel->SetCaptionMode(true);
    panel->SetCheckedMode(true);
    panel->SetChecked(true);
    // Strip (1, 1, 149, 22) framed twice: R = (3, 3, 147, 20); the check box
    // at x = 5, top 3 + 17 / 2 - 7 = 4.
    EXPECT_EQ(PixelOf(panel, 1, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(panel, 2, 10), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelOf(panel, 5, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(panel, 18, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(panel, 10, 4), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(panel, 10, 17), ColorToRGB(clBtnShadow));
}

TEST_F(BsSkinPanel, TransparentOverAStripedParent)
{
    auto* parent = new TStripedParent(form_.get());
    TbsSkinPanel* panel = Add(true, parent);
    panel->SetBounds(20, 20, 100, 60);
    panel->SetBorderStyle(bvNone);
    panel->SetTransparentMode(true);
    for (int x : {0, 3, 4, 7, 50, 99})
        EXPECT_EQ(PixelOf(panel, x, 30), ColorToRGB(TStripedParent::Stripe(20 + x))) << x;
    // With a border: a frame in the skin's button shadow colour.
    panel->SetBorderStyle(bvFrame);
    panel->Invalidate();  // the border alone repaints only the plain look
    EXPECT_EQ(PixelOf(panel, 0, 30), ColorToRGB(data_->SkinColors.BtnShadow));
    EXPECT_EQ(PixelOf(panel, 50, 30), ColorToRGB(TStripedParent::Stripe(70)));
}

TEST_F(BsSkinPanel, BackgroundPictureIsTiledAndOneBeyondTheListIsNone)
{
    skin_.Set("panel", "bgpictureindex", std::to_string(bgPicture_));
    skin_.LoadInto(*data_);
    TbsSkinPanel* panel = Add(true);
    EXPECT_EQ(panel->GetSkinClientRect(), Rect(0, 0, 150, 100));
    EXPECT_EQ(PixelOf(panel, 0, 0), clWhite);
    EXPECT_EQ(PixelOf(panel, 4, 4), clBlack);
    EXPECT_EQ(PixelOf(panel, kBgPictureSize * 3, kBgPictureSize * 2 + 1), clWhite);

    // A description whose index names no picture (changed after the load):
    // the frame and a client rectangle as without a background.
    int index = data_->FindControlDescription("panel");
    static_cast<TbsDataSkinPanelControl*>(data_->ControlList[index].get())->BgPictureIndex = 99;
    panel->Invalidate();
    EXPECT_EQ(PieceAt(panel, 0, 0), "panel.normal.lt");
    EXPECT_EQ(panel->GetSkinClientRect(), Rect(kPanelCorner, kPanelTop, 150 - kPanelCorner, 100 - kPanelCorner));
}

TEST_F(BsSkinPanel, AClientPartOfNoSizeLeavesTheFramesOwnPaint)
{
    // bvNone without a caption over all four corners lays the client part
    // over the whole panel; one of no width has nothing to lay.
    skin_.Set("panel", "clientrect", TTestSkin::RectText(Rect(kPanelCorner, kPanelTop, kPanelCorner, 36)));
    skin_.LoadInto(*data_);
    TbsSkinPanel* panel = Add(false);
    panel->SetBorderStyle(bvNone);
    panel->SetSkinData(data_.get());
    EXPECT_EQ(PieceAt(panel, 0, 0), "panel.normal.lt");
    EXPECT_EQ(PieceAt(panel, 149, 99), "panel.normal.rb");
}

}  // namespace bs_skin_panel_test
