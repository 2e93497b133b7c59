// The skinned status bar, labels and status panels: the size grip (its hit
// code, a drag on it sizing the form, its lines and skin picture), text
// placement (odd font heights, ellipsis over double-byte text, glow),
// auto-size, glyph frames of a disabled status panel, and the skinned
// looks on the test skin.
#include "skin/controls/bs_skin_label.h"
#include "skin/controls/bs_skin_status_bar.h"

#include <gtest/gtest.h>

#include "platform/gdi/test_font.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/window_proc.h"
#include "tests/skin/controls/skin_controls_test_support.h"
#include "tests/skin/controls/test_skin_panels.h"
#include "tests/support/message_pump.h"

// A namespace of its own, so that the names taken from the test skin's
// part stay in this file when sources are compiled together.
namespace bs_skin_status_bar_test {

using namespace test_skin_panels;

class BsSkinStatusBar : public SkinControlsTest {
protected:
    void SetUp() override
    {
        AddTo(skin_);
        SkinControlsTest::SetUp();
        SetActiveWindow(form_->Handle());
        PumpMessages();
    }

    TbsSkinStatusBar* AddBar(bool Skinned)
    {
        auto* bar = new TbsSkinStatusBar(form_.get());
        bar->SetParent(form_.get());
        if (Skinned)
            bar->SetSkinData(data_.get());
        return bar;
    }

    template <typename T>
    T* AddLabel(bool Skinned, const AnsiString& Caption, TWinControl* Parent = nullptr)
    {
        auto* label = new T(form_.get());
        label->SetParent(Parent ? Parent : form_.get());
        label->SetLeft(10);
        label->SetTop(10);
        label->DefaultFont()->SetName(kTestFontName);
        label->DefaultFont()->SetHeight(16);
        label->SetCaption(Caption);
        if (Skinned)
            label->SetSkinData(data_.get());
        return label;
    }

    LRESULT HitTest(TWinControl* Control, int X, int Y)
    {
        TPoint p = Control->ClientToScreen(Point(X, Y));
        return SendMessage(Control->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y));
    }

    bool Ink(TControl* Control, int X, int Y, TColor Background)
    {
        return PixelOf(Control, X, Y) != ColorToRGB(Background);
    }
};

TEST_F(BsSkinStatusBar, TheGripAnswersTheCornerOnlyWhileShown)
{
    TbsSkinStatusBar* bar = AddBar(false);
    int w = bar->Width();
    EXPECT_EQ(bar->Align(), alBottom);
    EXPECT_EQ(bar->Height(), 21);
    EXPECT_NE(HitTest(bar, w - 5, 10), HTBOTTOMRIGHT);
    bar->SetSizeGrip(true);
    EXPECT_EQ(bar->GripRect(), Rect(w - 19, 0, w, 19));
    EXPECT_EQ(bar->GetSkinClientRect(), Rect(0, 0, w - 21, 21));
    EXPECT_EQ(HitTest(bar, w - 5, 10), HTBOTTOMRIGHT);
    EXPECT_EQ(HitTest(bar, 20, 10), HTCLIENT);
    // The frame hides the grip of a maximised form.
    bar->SetGripVisible(false);
    EXPECT_NE(HitTest(bar, w - 5, 10), HTBOTTOMRIGHT);
    EXPECT_EQ(bar->GetSkinClientRect(), Rect(0, 0, w, 21));
}

TEST_F(BsSkinStatusBar, ADragOnTheGripSizesTheForm)
{
    TbsSkinStatusBar* bar = AddBar(false);
    bar->SetSizeGrip(true);
    PumpMessages();
    int formWidth = form_->Width();
    int formHeight = form_->Height();
    TRect barBounds = bar->BoundsRect();
    TPoint grip = bar->ClientToScreen(Point(bar->Width() - 5, 10));
    InjectMouseDown(grip);
    InjectMouseMove(Point(grip.X + 30, grip.Y + 20));
    InjectMouseUp(Point(grip.X + 30, grip.Y + 20));
    PumpMessages();
    EXPECT_EQ(form_->Width(), formWidth + 30);
    EXPECT_EQ(form_->Height(), formHeight + 20);
    // The bar stays along the bottom, only wider.
    EXPECT_EQ(bar->Height(), barBounds.Height());
    EXPECT_EQ(bar->Width(), barBounds.Width() + 30);
    EXPECT_EQ(bar->Top(), barBounds.Top + 20);
}

TEST_F(BsSkinStatusBar, GripLinesAndTheSkinsGripper)
{
    TbsSkinStatusBar* bar = AddBar(false);
    bar->SetSizeGrip(true);
    int left = bar->Width() - 19;
    // The first pair of lines runs from (left + 3, 19) up to the right.
    EXPECT_EQ(PixelOf(bar, left + 8, 14), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(bar, left + 9, 14), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelOf(bar, left + 10, 14), ColorToRGB(clBtnFace));

    TbsSkinStatusBar* skinned = AddBar(true);
    skinned->SetSizeGrip(true);
    int w = skinned->Width();
    // Without a border the client part covers the bar; the gripper sits
    // at the bottom right.
    EXPECT_EQ(skinned->GripRect(), Rect(w - kGripperSize, 21 - kGripperSize, w, 21));
    EXPECT_EQ(PieceAt(skinned, w - 6, 15), "statusbar.gripper.face");
    EXPECT_EQ(PieceAt(skinned, 0, 0), "statusbar.normal.client");
    // With one, the nine-part frame and the gripper on the client part's
    // bottom, right of it.
    skinned->SetBorderStyle(TbsSkinBorderStyle::bvFrame);
    skinned->Realign();
    skinned->Invalidate();
    EXPECT_EQ(skinned->GripRect(), Rect(w - 3 - kGripperSize, 18 - kGripperSize, w - 3, 18));
    EXPECT_EQ(PieceAt(skinned, w - 10, 10), "statusbar.gripper.face");
    EXPECT_EQ(PieceAt(skinned, 20, 10), "statusbar.normal.client");
    EXPECT_EQ(PieceAt(skinned, 0, 0), "statusbar.normal.lt");
}

TEST_F(BsSkinStatusBar, TheBarHandsItsSkinToItsPanels)
{
    TbsSkinStatusBar* bar = AddBar(false);
    auto* panel = AddLabel<TbsSkinStatusPanel>(false, "x", bar);
    EXPECT_EQ(panel->Width(), 120);
    bar->SetSkinData(data_.get());
    EXPECT_EQ(panel->SkinData(), data_.get());
    EXPECT_EQ(PieceAt(panel, 0, 0), "statuspanel.normal.lt");
}

TEST_F(BsSkinStatusBar, AnOddFontHeightPutsTheTextOnePixelHigher)
{
    auto* label = AddLabel<TbsSkinLabel>(false, "H");
    label->SetBorderStyle(TbsSkinBorderStyle::bvNone);
    // Text rectangle (3, 3, 72, 18); the box starts 2 rows into the cell.
    label->DefaultFont()->SetHeight(14);
    EXPECT_FALSE(Ink(label, 5, 4, clBtnFace));
    EXPECT_TRUE(Ink(label, 5, 5, clBtnFace));
    label->DefaultFont()->SetHeight(15);
    EXPECT_FALSE(Ink(label, 5, 3, clBtnFace));
    EXPECT_TRUE(Ink(label, 5, 4, clBtnFace));
}

TEST_F(BsSkinStatusBar, TheEllipsisNeverLeavesALoneLeadByte)
{
    auto* label = AddLabel<TbsSkinLabel>(false, "說門這說門這");
    label->SetEllipsType(bsetEllips);
    // 69 pixels of text rectangle: "說門" and three dots (8 pixels each,
    // ink from the cell's second column) fit, "說門這..." does not.
    int y = 10;
    EXPECT_TRUE(Ink(label, 4, y, clBtnFace));
    EXPECT_TRUE(Ink(label, 33, y, clBtnFace));
    for (int dot = 0; dot < 3; ++dot) {
        EXPECT_FALSE(Ink(label, 35 + dot * 8, y, clBtnFace)) << dot;
        EXPECT_TRUE(Ink(label, 36 + dot * 8, y, clBtnFace)) << dot;
    }
    EXPECT_FALSE(Ink(label, 60, y, clBtnFace));
}

TEST_F(BsSkinStatusBar, AutoSizeFollowsTheTextButNotOnAClientAlignedLabel)
{
    auto* label = AddLabel<TbsSkinLabel>(false, "abc");
    label->SetAutoSize(true);
    EXPECT_EQ(label->Width(), 3 * 8 + 4);
    label->SetCaption("abcdefghij");
    EXPECT_EQ(label->Width(), 10 * 8 + 4);

    auto* filling = AddLabel<TbsSkinLabel>(false, "abc");
    filling->SetAlign(alClient);
    int width = filling->Width();
    filling->SetAutoSize(true);
    filling->SetCaption("abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(filling->Width(), width);
}

TEST_F(BsSkinStatusBar, ADisabledStatusPanelShowsTheSecondFrameOnlyWhenThereIsOne)
{
    // Frames of 8 x 8: red, then blue; the bottom row is the transparent
    // colour.
    TBitmap glyph;
    glyph.SetSize(16, 8);
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect(Rect(0, 0, 8, 8));
    glyph.Canvas()->Brush()->SetColor(clBlue);
    glyph.Canvas()->FillRect(Rect(8, 0, 16, 8));
    glyph.Canvas()->Brush()->SetColor(clWhite);
    glyph.Canvas()->FillRect(Rect(0, 7, 16, 8));
    auto* panel = AddLabel<TbsSkinStatusPanel>(false, "");
    panel->SetGlyph(&glyph);
    panel->SetNumGlyphs(2);
    // At x = 3, centred on the height: rows 7 to 13.
    EXPECT_EQ(PixelOf(panel, 5, 9), clRed);
    panel->SetEnabled(false);
    EXPECT_EQ(PixelOf(panel, 5, 9), clBlue);

    TBitmap single;
    single.SetSize(8, 8);
    single.Canvas()->Brush()->SetColor(clRed);
    single.Canvas()->FillRect(Rect(0, 0, 8, 7));
    single.Canvas()->Brush()->SetColor(clWhite);
    single.Canvas()->FillRect(Rect(0, 7, 8, 8));
    panel->SetNumGlyphs(1);
    panel->SetGlyph(&single);
    EXPECT_EQ(PixelOf(panel, 5, 9), clRed);
}

TEST_F(BsSkinStatusBar, SkinnedLabelAndShadow)
{
    auto* label = AddLabel<TbsSkinLabel>(true, "ab");
    EXPECT_EQ(PieceAt(label, 0, 0), "label.normal.lt");
    EXPECT_EQ(PieceAt(label, 74, 20), "label.normal.rb");
    // Text in the client part (3, 3, 72, 18), the skin's colour.
    EXPECT_EQ(PixelOf(label, 4, 8), kLabelFontColour);
    EXPECT_EQ(PieceAt(label, 3, 8), "label.normal.client");

    // The plain glow: colour around the letters where the face was.
    auto* glowing = AddLabel<TbsSkinLabel>(false, "ab");
    glowing->SetTop(40);
    glowing->SetBorderStyle(TbsSkinBorderStyle::bvNone);
    EXPECT_EQ(PixelOf(glowing, 3, 8), ColorToRGB(clBtnFace));
    glowing->SetShadowColor(clRed);
    glowing->SetShadowEffect(true);
    EXPECT_NE(PixelOf(glowing, 3, 8), ColorToRGB(clBtnFace));
}

}  // namespace bs_skin_status_bar_test
