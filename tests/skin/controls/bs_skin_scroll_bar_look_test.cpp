// What the skinned scroll bar and up-down show: with the test skin, the
// piece of each part in each state (normal, hot, pressed, disabled,
// focused); without a skin, the plain look's colours; and the skin mask's
// cut corner letting a click through to the parent.
#include <functional>
#include <string>
#include <vector>

#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/controls/bs_skin_up_down.h"
#include "tests/skin/controls/skin_controls_test_support.h"
#include "platform/win/headless_screen.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_data.h"

namespace {

constexpr TColor HotFrame = 0x00800000;
constexpr TColor HotFill = 0x00D2BDB6;
constexpr TColor PressedFill = 0x00B59385;

class TbsScrollBarLookTest : public SkinControlsTest {
protected:
    void SetUp() override
    {
        SkinControlsTest::SetUp();
        SetActiveWindow(form_->Handle());
        bar_ = new TbsSkinScrollBar(form_.get());
        bar_->SetParent(form_.get());
        bar_->SetBounds(10, 10, 200, 19);
        upDown_ = new TbsSkinUpDown(form_.get());
        upDown_->SetParent(form_.get());
        upDown_->SetBounds(250, 100, 50, 25);
        PumpMessages();
    }

    void Input(void (*Inject)(TPoint, int), TControl* Control, int X, int Y)
    {
        Inject(Control->ClientToScreen(Point(X, Y)), 1);
        PumpMessages();
    }
    void MoveTo(TControl* Control, int X, int Y)
    {
        InjectMouseMove(Control->ClientToScreen(Point(X, Y)));
        PumpMessages();
    }
    std::string Piece(TControl* Control, int X, int Y) { return PieceAt(Control, X, Y); }
    TRasterImage Shot(TWinControl* Control)
    {
        PumpMessages();
        return WindowImage(Control->Handle());
    }
    // Normal, hot and pressed over each point, then disabled, left to right.
    TRasterImage States(TWinControl* Control, const std::vector<TPoint>& Points)
    {
        std::vector<TRasterImage> shots{Shot(Control)};
        for (TPoint p : Points) {
            MoveTo(Control, p.X, p.Y);
            shots.push_back(Shot(Control));
            Input(InjectMouseDown, Control, p.X, p.Y);
            shots.push_back(Shot(Control));
            Input(InjectMouseUp, Control, p.X, p.Y);
        }
        MoveTo(form_.get(), 300, 200);
        Control->SetEnabled(false);
        shots.push_back(Shot(Control));
        Control->SetEnabled(true);
        return ComposeImages(shots, true);
    }

    TbsSkinScrollBar* bar_ = nullptr;
    TbsSkinUpDown* upDown_ = nullptr;
};

TEST_F(TbsScrollBarLookTest, ASkinnedBarShowsEachPartsPieceByState)
{
    bar_->SetSkinData(data_.get());
    // Left and right parts kept: the height is the picture's.
    EXPECT_EQ(bar_->Height(), 16);
    EXPECT_EQ(Piece(bar_, 8, 8), "hscrollbar.normal.upbutton");
    EXPECT_EQ(Piece(bar_, 100, 8), "hscrollbar.normal.track");
    EXPECT_EQ(Piece(bar_, 190, 8), "hscrollbar.normal.downbutton");
    // The thumb (16..36) copied as it is, its glyph centred on it.
    EXPECT_EQ(Piece(bar_, 17, 8), "hscrollbar.thumb.l");
    EXPECT_EQ(Piece(bar_, 21, 2), "hscrollbar.thumb.m");
    EXPECT_EQ(Piece(bar_, 26, 8), "hscrollbar.glyph.face");
    EXPECT_EQ(Piece(bar_, 34, 8), "hscrollbar.thumb.r");

    MoveTo(bar_, 190, 8);
    EXPECT_EQ(Piece(bar_, 190, 8), "hscrollbar.downbutton-active.face");
    MoveTo(bar_, 26, 8);
    EXPECT_EQ(Piece(bar_, 190, 8), "hscrollbar.normal.downbutton");
    EXPECT_EQ(Piece(bar_, 21, 2), "hscrollbar.thumb-active.m");
    EXPECT_EQ(Piece(bar_, 26, 8), "hscrollbar.glyph-active.face");
    Input(InjectMouseDown, bar_, 26, 8);
    EXPECT_EQ(Piece(bar_, 21, 2), "hscrollbar.thumb-down.m");
    EXPECT_EQ(Piece(bar_, 26, 8), "hscrollbar.glyph-down.face");
    Input(InjectMouseUp, bar_, 26, 8);

    Input(InjectMouseDown, bar_, 8, 8);
    EXPECT_EQ(Piece(bar_, 8, 8), "hscrollbar.upbutton-down.face");
    Input(InjectMouseUp, bar_, 8, 8);

    // Focused, a bar that takes the focus shows its thumb pressed.
    bar_->SetCanFocused(true);
    bar_->SetFocus();
    MoveTo(bar_, 100, 100);
    EXPECT_EQ(Piece(bar_, 21, 2), "hscrollbar.thumb-down.m");

    bar_->SetEnabled(false);
    EXPECT_EQ(Piece(bar_, 21, 2), "hscrollbar.normal.track");
}

TEST_F(TbsScrollBarLookTest, ASkinnedThumbOfAPageKeepsItsEndsAndTilesItsMiddle)
{
    bar_->SetSkinData(data_.get());
    // 168 x 50 / 101 = 83.2: 83 long, drawn over 82 (16..98).
    bar_->SetRange(0, 100, 0, 50);
    EXPECT_EQ(Piece(bar_, 17, 8), "hscrollbar.thumb.l");
    EXPECT_EQ(Piece(bar_, 50, 2), "hscrollbar.thumb.m");
    EXPECT_EQ(Piece(bar_, 95, 8), "hscrollbar.thumb.r");
    EXPECT_EQ(Piece(bar_, 99, 8), "hscrollbar.normal.track");
}

TEST_F(TbsScrollBarLookTest, AClickOnTheCutCornerReachesTheParent)
{
    bar_->SetSkinData(data_.get());
    int parentClicks = 0;
    form_->OnMouseDown =
        TMouseEvent::FromCallable([&](TObject*, TMouseButton, TShiftState, int, int) { ++parentClicks; });
    EXPECT_EQ(PixelOf(bar_, 0, 0), clLime);
    Input(InjectClick, bar_, 1, 1);
    EXPECT_EQ(parentClicks, 1);
    EXPECT_EQ(bar_->Position(), 0);
    // Just inside the mask the bar takes it.
    Input(InjectClick, bar_, 2, 2);
    EXPECT_EQ(parentClicks, 1);
    EXPECT_EQ(bar_->Position(), 1);
}

TEST_F(TbsScrollBarLookTest, APlainBarDrawsFramedButtonsAndItsThumbOnlyWhenEnabled)
{
    EXPECT_EQ(PixelOf(bar_, 1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(bar_, 3, 3), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelOf(bar_, 17, 1), ColorToRGB(clBtnShadow));  // the thumb's frame
    EXPECT_EQ(PixelOf(bar_, 100, 0), ColorToRGB(clBtnFace));
    MoveTo(bar_, 190, 9);
    EXPECT_EQ(PixelOf(bar_, 183, 1), HotFrame);
    EXPECT_EQ(PixelOf(bar_, 185, 3), HotFill);
    Input(InjectMouseDown, bar_, 190, 9);
    EXPECT_EQ(PixelOf(bar_, 183, 1), HotFrame);
    EXPECT_EQ(PixelOf(bar_, 185, 3), PressedFill);
    Input(InjectMouseUp, bar_, 190, 9);
    MoveTo(bar_, 100, 100);
    EXPECT_EQ(PixelOf(bar_, 185, 3), ColorToRGB(clBtnFace));
    // The arrow is black in the button's middle.
    EXPECT_EQ(PixelOf(bar_, 191, 9), clBlack);

    bar_->SetEnabled(false);
    EXPECT_EQ(PixelOf(bar_, 18, 1), ColorToRGB(clBtnFace));
}

TEST_F(TbsScrollBarLookTest, ASkinnedUpDownShowsItsButtonsStates)
{
    upDown_->SetSkinData(data_.get());
    EXPECT_EQ(upDown_->Width(), 32);
    EXPECT_EQ(upDown_->Height(), 16);
    EXPECT_EQ(Piece(upDown_, 8, 8), "hupdown.normal.downbutton");
    EXPECT_EQ(Piece(upDown_, 24, 8), "hupdown.normal.upbutton");
    MoveTo(upDown_, 24, 8);
    EXPECT_EQ(Piece(upDown_, 24, 8), "hupdown.upbutton-active.face");
    Input(InjectMouseDown, upDown_, 24, 8);
    EXPECT_EQ(Piece(upDown_, 24, 8), "hupdown.upbutton-down.face");
    Input(InjectMouseUp, upDown_, 24, 8);

    // Sized freely, each half is the stretched "resizebutton".
    upDown_->UseSkinSize = false;
    upDown_->SetBounds(250, 100, 60, 20);
    upDown_->ChangeSkinData();
    EXPECT_EQ(upDown_->Width(), 60);
    MoveTo(upDown_, 45, 10);
    EXPECT_EQ(Piece(upDown_, 15, 1), "resizebutton.normal.t");
    EXPECT_EQ(Piece(upDown_, 45, 1), "resizebutton.active.t");
    upDown_->SetEnabled(false);
    EXPECT_EQ(Piece(upDown_, 1, 10), "resizebutton.normal.l");
}

TEST_F(TbsScrollBarLookTest, APlainUpDownSplitsIntoFramedHalves)
{
    upDown_->SetBounds(250, 100, 25, 20);
    EXPECT_EQ(PixelOf(upDown_, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(upDown_, 11, 5), ColorToRGB(clBtnShadow));  // the left half is 12 wide
    EXPECT_EQ(PixelOf(upDown_, 12, 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(upDown_, 13, 5), ColorToRGB(clBtnFace));
    MoveTo(upDown_, 20, 5);
    EXPECT_EQ(PixelOf(upDown_, 12, 5), HotFrame);
    EXPECT_EQ(PixelOf(upDown_, 14, 2), HotFill);
    Input(InjectMouseDown, upDown_, 20, 5);
    EXPECT_EQ(PixelOf(upDown_, 14, 2), PressedFill);
    Input(InjectMouseUp, upDown_, 20, 5);
    // Disabled, the arrows are grey.
    auto blackPixels = [&] {
        int n = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 25; ++x)
                n += PixelOf(upDown_, x, y) == clBlack;
        return n;
    };
    EXPECT_GT(blackPixels(), 0);
    upDown_->SetEnabled(false);
    EXPECT_EQ(blackPixels(), 0);
}

// Reviewed once: the plain bar (arrows, hot and pressed up button and
// thumb, no thumb when disabled), a vertical one, the skinned bar, and the
// up-down plain and skinned, in their states.
TEST_F(TbsScrollBarLookTest, Looks)
{
    // Position 30, a page of 20: the thumb's middle is at 83 (82 skinned,
    // 51 down the vertical bar).
    bar_->SetRange(0, 100, 30, 20);
    std::vector<TRasterImage> rows{States(bar_, {Point(190, 9), Point(83, 9)})};
    bar_->SetKind(sbVertical);
    bar_->SetBounds(10, 10, 19, 120);
    rows.push_back(States(bar_, {Point(9, 110), Point(9, 51)}));
    bar_->SetKind(sbHorizontal);
    bar_->SetBounds(10, 10, 200, 19);
    bar_->SetSkinData(data_.get());
    rows.push_back(States(bar_, {Point(190, 8), Point(82, 8)}));
    rows.push_back(States(upDown_, {Point(40, 12), Point(8, 12)}));
    upDown_->SetSkinData(data_.get());
    rows.push_back(States(upDown_, {Point(24, 8)}));
    ExpectGolden(ComposeImages(rows, false), TestFolder() + "/golden/scroll_bar_up_down.png");
}

}  // namespace
