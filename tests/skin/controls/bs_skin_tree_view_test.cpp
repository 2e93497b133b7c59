// The skinned tree view: its external bars (when they show, the corner they
// share, both ways of scrolling, positions past 16 bits), its colours from
// the skin and without one, the private messages, and its skinned drawing
// of lines, expand buttons and the selected node, with the test skin and
// without one; the tip of a node the view cuts off.
#include "skin/controls/bs_skin_tree_view.h"

#include <gtest/gtest.h>

#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/hint_window.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_proc.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_controls_tabs.h"
#include "tests/skin/controls/skin_controls_test_support.h"
#include "tests/skin/controls/test_skin_views.h"
#include "platform/win/headless_screen.h"
#include "platform/win/window_pos.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixel_colour.h"

// A namespace of its own, so that the names taken from the test skin's
// part stay in this file when sources are compiled together.
namespace bs_skin_tree_view_test {

using namespace test_skin_views;

class BsSkinTreeView : public SkinControlsTest {
protected:
    void SetUp() override
    {
        AddTo(skin_);
        SkinControlsTest::SetUp();
        tree_ = new TbsSkinTreeView(form_.get());
        tree_->SetBounds(10, 10, 150, 120);
        tree_->SetParent(form_.get());
        vBar_ = new TbsSkinScrollBar(form_.get());
        vBar_->SetKind(sbVertical);
        vBar_->SetBounds(160, 10, 19, 120);
        vBar_->SetParent(form_.get());
        hBar_ = new TbsSkinScrollBar(form_.get());
        hBar_->SetBounds(10, 130, 150, 19);
        hBar_->SetParent(form_.get());
        tree_->SetVScrollBar(vBar_);
        tree_->SetHScrollBar(hBar_);
    }

    // Count top nodes "n0", "n1" ...
    void Fill(int Count)
    {
        tree_->Items()->BeginUpdate();
        for (int i = 0; i < Count; ++i)
            tree_->Items()->Add(nullptr, "n" + std::to_string(i));
        tree_->Items()->EndUpdate();
        Paint();
    }

    void Paint()
    {
        PumpMessages();
        form_->Update();
    }

    // Drags Bar's thumb from its middle by DX, DY.
    void DragThumb(TbsSkinScrollBar* Bar, TPoint From, int DX, int DY)
    {
        InjectMouseDown(Bar->ClientToScreen(From));
        PumpMessages();
        InjectMouseMove(Bar->ClientToScreen(Point(From.X + DX, From.Y + DY)));
        PumpMessages();
        InjectMouseUp(Bar->ClientToScreen(Point(From.X + DX, From.Y + DY)));
        Paint();
    }

    TbsSkinTreeView* tree_ = nullptr;
    TbsSkinScrollBar* vBar_ = nullptr;
    TbsSkinScrollBar* hBar_ = nullptr;
};

TEST_F(BsSkinTreeView, FadingLinesFadeOverTheirSecondHalfAndShortOnesStayOpaque)
{
    EXPECT_EQ(FadingLineAlpha(0, 0), 255);
    EXPECT_EQ(FadingLineAlpha(1, 0), 255);
    // 10 pixels: 5 opaque, then 51 less each.
    std::vector<int> alphas;
    for (int i = 0; i < 10; ++i)
        alphas.push_back(FadingLineAlpha(10, i));
    EXPECT_EQ(alphas, (std::vector<int>{255, 255, 255, 255, 255, 204, 153, 102, 51, 0}));
    // round(255 / 2) = 128 (half to even), and never below 0.
    EXPECT_EQ(FadingLineAlpha(4, 2), 127);
    EXPECT_EQ(FadingLineAlpha(4, 3), 0);
    EXPECT_EQ(FadingLineAlpha(3, 1), 0);
}

TEST_F(BsSkinTreeView, TheBarsShowOnlyWhileTheContentAsksForThem)
{
    Fill(0);
    // No items: Max 0, no bar; the horizontal bar then uses the whole corner.
    EXPECT_FALSE(vBar_->Visible());
    EXPECT_FALSE(hBar_->Visible());
    EXPECT_FALSE(hBar_->Both());
    const int rows = tree_->VisibleCount();
    Fill(rows);
    EXPECT_FALSE(vBar_->Visible()) << "as many rows as fit";
    tree_->Items()->Add(nullptr, "one more");
    Paint();
    ASSERT_TRUE(vBar_->Visible());
    EXPECT_EQ(vBar_->Max(), rows);
    EXPECT_EQ(vBar_->PageSize(), rows);
    EXPECT_EQ(vBar_->Position(), 0);

    // A text as wide as the view does not ask for the horizontal bar; one
    // that runs past it does, and leaves the corner to the vertical bar.
    tree_->Items()->Add(nullptr, std::string(60, 'W'));
    Paint();
    ASSERT_TRUE(hBar_->Visible());
    EXPECT_TRUE(hBar_->Both());
    EXPECT_GT(hBar_->Max(), tree_->Width());
    EXPECT_EQ(hBar_->PageSize(), tree_->Width());
    tree_->Items()->Clear();
    Paint();
    EXPECT_FALSE(vBar_->Visible());
    EXPECT_FALSE(hBar_->Visible());
    EXPECT_FALSE(hBar_->Both());
    // Hidden with the view, whatever the content.
    Fill(rows * 3);
    ASSERT_TRUE(vBar_->Visible());
    tree_->SetVisible(false);
    EXPECT_FALSE(vBar_->Visible());
}

TEST_F(BsSkinTreeView, DraggingABarScrollsTheViewAndKeysMoveTheBarWithoutScrollingBack)
{
    Fill(100);
    const int rows = tree_->VisibleCount();
    // The plain vertical bar: its thumb is 16 long at least, from y 17.
    const TRect track = Rect(1, 17, vBar_->Width() - 1, vBar_->Height() - 17);
    DragThumb(vBar_, Point(9, track.Top + 10), 0, track.Height());
    EXPECT_EQ(vBar_->Position(), 100 - rows);
    EXPECT_EQ(tree_->TopItem()->Text(), "n" + std::to_string(100 - rows));

    // Keys scroll the view; the bar follows without sending the view back.
    int scrollMessages = 0;
    const TWndMethod inherited = tree_->WindowProc;
    tree_->WindowProc = TWndMethod::FromCallable([&scrollMessages, inherited](TMessage& Message) {
        scrollMessages += Message.Msg == WM_VSCROLL;
        inherited(Message);
    });
    tree_->SetFocus();
    InjectKeyStroke(VK_HOME);
    Paint();
    EXPECT_EQ(tree_->TopItem()->Text(), "n0");
    EXPECT_EQ(vBar_->Position(), 0);
    InjectKeyStroke(VK_NEXT);
    InjectKeyStroke(VK_NEXT);
    Paint();
    const int topRow = std::stoi(tree_->TopItem()->Text().substr(1));
    EXPECT_GT(topRow, 0);
    EXPECT_EQ(vBar_->Position(), topRow);
    EXPECT_EQ(scrollMessages, 0);
    tree_->WindowProc = inherited;
}

TEST_F(BsSkinTreeView, AVerticalDragReachesRowsPast65535AndAHorizontalDragScrollsAcross)
{
    Fill(70000);
    const int last = 70000 - tree_->VisibleCount();
    const TRect track = Rect(1, 17, vBar_->Width() - 1, vBar_->Height() - 17);
    DragThumb(vBar_, Point(9, track.Top + 8), 0, track.Height());
    EXPECT_EQ(vBar_->Position(), last);
    EXPECT_EQ(tree_->TopItem()->Text(), "n" + std::to_string(last));
    // Below the 16-bit line again.
    vBar_->SetPosition(100);
    Paint();
    EXPECT_EQ(tree_->TopItem()->Text(), "n100");

    tree_->Items()->Clear();
    TTreeNode* wide = tree_->Items()->Add(nullptr, std::string(60, 'W'));
    Paint();
    ASSERT_TRUE(hBar_->Visible());
    const int left = wide->DisplayRect(true).Left;
    DragThumb(hBar_, Point(17 + 8, 9), 40, 0);
    EXPECT_GT(hBar_->Position(), 0);
    EXPECT_EQ(wide->DisplayRect(true).Left, left - hBar_->Position());
}

// The bar's arrows move the nodes one indent across and a click in its
// track a page, as the view's own bar does, not a pixel each.
TEST_F(BsSkinTreeView, TheHorizontalBarStepsByTheIndentAndPagesByTheWidth)
{
    TTreeNode* wide = tree_->Items()->Add(nullptr, std::string(200, 'W'));
    Paint();
    ASSERT_TRUE(hBar_->Visible());
    const int left = wide->DisplayRect(true).Left;
    const TPoint rightArrow = Point(hBar_->Width() - 8, 9);
    InjectClick(hBar_->ClientToScreen(rightArrow));
    Paint();
    ASSERT_GT(tree_->Indent(), 1);
    EXPECT_EQ(hBar_->Position(), tree_->Indent());
    EXPECT_EQ(wide->DisplayRect(true).Left, left - tree_->Indent());

    // Just left of the right arrow is the track, right of the thumb.
    InjectClick(hBar_->ClientToScreen(Point(hBar_->Width() - 17 - 3, 9)));
    Paint();
    EXPECT_EQ(hBar_->Position(), tree_->Indent() + tree_->Width());
    EXPECT_EQ(wide->DisplayRect(true).Left, left - hBar_->Position());
}

TEST_F(BsSkinTreeView, ColoursAndFontFollowTheSkinAndTheDefaultsWithout)
{
    tree_->DefaultFont()->SetName(kTestFontName);
    tree_->SetDefaultFont(tree_->DefaultFont());
    tree_->SetDefaultColor(0x123456);
    EXPECT_EQ(tree_->Color(), 0x123456);
    EXPECT_EQ(tree_->LineColor(), clGray);
    tree_->SetSkinData(data_.get());
    EXPECT_NE(tree_->SkinIndex(), -1);
    EXPECT_EQ(tree_->Color(), kTreeBgColour);
    EXPECT_EQ(tree_->Font()->Color(), kTreeFontColour);
    EXPECT_EQ(tree_->Font()->Height(), 16);
    const TColor middle = MiddleColor(kTreeFontColour, kTreeBgColour);
    EXPECT_EQ(tree_->ButtonColor(), middle);
    EXPECT_EQ(tree_->LineColor(), MiddleColor(middle, kTreeBgColour));
    EXPECT_NE(tree_->LineColor(), tree_->ButtonColor());
    EXPECT_EQ(tree_->ExpandImage()->Width(), kExpandSide);
    EXPECT_EQ(tree_->ButtonHalfSize(), kExpandSide / 2 - 2);

    // No skin: the defaults and grey lines again.
    tree_->SetSkinData(nullptr);
    tree_->ChangeSkinData();
    EXPECT_EQ(tree_->SkinIndex(), -1);
    EXPECT_EQ(tree_->Color(), 0x123456);
    EXPECT_EQ(tree_->Font()->Name(), kTestFontName);
    EXPECT_EQ(tree_->LineColor(), clGray);
    EXPECT_TRUE(tree_->ExpandImage()->Empty());
}

TEST_F(BsSkinTreeView, AnExpandPictureIndexPastThePicturesGivesNoImages)
{
    // The loader already drops such an index; a description changed after
    // the load must not reach past the pictures either.
    auto* description = dynamic_cast<TbsDataSkinTreeView*>(
        data_->ControlList[data_->FindControlDescription("treeview")].get());
    ASSERT_NE(description, nullptr);
    description->PictureIndex = static_cast<int>(data_->ActivePictures.size()) + 3;
    tree_->SetSkinData(data_.get());
    EXPECT_TRUE(tree_->ExpandImage()->Empty());
    EXPECT_TRUE(tree_->NoExpandImage()->Empty());
    EXPECT_EQ(tree_->ButtonHalfSize(), 5);
}

TEST_F(BsSkinTreeView, ANodeCutOffByTheSkinnedViewShowsItsTextInATip)
{
    tree_->SetSkinData(data_.get());
    const AnsiString text = "說門 a title far too long for this view";
    TTreeNode* node = tree_->Items()->Add(nullptr, text);
    Paint();
    const TRect r = node->DisplayRect(true);
    InjectMouseMove(tree_->ClientToScreen(Point(r.Left + 4, (r.Top + r.Bottom) / 2)));
    PumpMessages();
    ASSERT_NE(tree_->ToolTipWindow(), nullptr);
    EXPECT_EQ(tree_->ToolTipWindow()->Caption(), text);
    EXPECT_EQ(tree_->ToolTipWindow()->Left(), tree_->ClientToScreen(Point(r.Left, r.Top)).X);
    InjectMouseMove(Point(600, 400));
    PumpMessages();
    EXPECT_EQ(tree_->ToolTipWindow(), nullptr);
}

TEST_F(BsSkinTreeView, PrivateMessagesAndNoFrame)
{
    tree_->HandleNeeded();
    EXPECT_EQ(SendMessage(tree_->Handle(), WM_SKINCONTROLQUERY, 0, 0), SkinControlQueryAnswer);
    EXPECT_EQ(SendMessage(tree_->Handle(), WM_NCHITTEST, 0, 0), HTCLIENT);
    EXPECT_EQ(tree_->ClientWidth(), tree_->Width());
    EXPECT_EQ(tree_->ClientHeight(), tree_->Height());
}

// A folder with two articles, the first selected, drawn from the skin.
class BsSkinTreeViewLook : public BsSkinTreeView {
protected:
    void Build(bool Skinned)
    {
        tree_->SetIndent(19);
        tree_->DefaultFont()->SetName(kTestFontName);
        tree_->SetDefaultFont(tree_->DefaultFont());
        if (Skinned)
            tree_->SetSkinData(data_.get());
        tree_->SetDrawSkin(true);
        tree_->SetHideSelection(false);
        folder_ = tree_->Items()->Add(nullptr, "說門");
        article_ = tree_->Items()->AddChild(folder_, "中文");
        tree_->Items()->AddChild(folder_, "Tx");
        tree_->Items()->AddChild(tree_->Items()->Add(nullptr, "closed"), "hidden");
        folder_->Expand(false);
        tree_->SetSelected(article_);
        tree_->SetFocus();
        Paint();
    }
    // Some pixel of R shows Piece.
    bool RowShows(const TRect& R, const std::string& Piece) { return Shows(R, skin_.Colour(Piece)); }
    // Some pixel of R (in the tree) is Colour.
    bool Shows(const TRect& R, TColor Colour)
    {
        Paint();
        const TRasterImage image = WindowImage(form_->Handle());
        TRect window{};
        GetWindowRect(form_->Handle(), &window);
        const TPoint origin = tree_->ClientToScreen(TPoint{0, 0});
        for (int x = R.Left; x < R.Right; ++x)
            for (int y = R.Top; y < R.Bottom; ++y)
                if (PixelAt(image, origin.X - window.Left + x, origin.Y - window.Top + y) == Colour)
                    return true;
        return false;
    }
    TTreeNode* folder_ = nullptr;
    TTreeNode* article_ = nullptr;
};

TEST_F(BsSkinTreeViewLook, SkinnedLinesButtonsAndSelection)
{
    Build(true);
    const TRect row = folder_->DisplayRect(false);
    const int centre = row.Top + row.Height() / 2;
    const int lineX = 19 / 2 - 1;
    // The folder's expanded button is the skin's image, centred on the line.
    EXPECT_EQ(PieceAt(tree_, lineX, centre), "treeview.expand.face");
    const TTreeNode* closed = folder_->getNextSibling();
    const TRect closedRow = closed->DisplayRect(false);
    EXPECT_EQ(PieceAt(tree_, lineX, closedRow.Top + closedRow.Height() / 2), "treeview.noexpand.face");
    // The article's line fades from the line colour to the background.
    const TRect articleRow = article_->DisplayRect(false);
    const int articleCentre = articleRow.Top + articleRow.Height() / 2;
    const int articleLine = 19 + lineX;
    EXPECT_EQ(PixelOf(tree_, articleLine, articleCentre), tree_->LineColor());
    EXPECT_EQ(PixelOf(tree_, articleLine + 9, articleCentre), kTreeBgColour);
    const TColor fading = PixelOf(tree_, articleLine + 6, articleCentre);
    EXPECT_NE(fading, tree_->LineColor());
    EXPECT_NE(fading, kTreeBgColour);
    // The folder's line down to its children and the rows' background.
    EXPECT_EQ(PixelOf(tree_, lineX, row.Bottom - 1), tree_->LineColor());
    EXPECT_EQ(PixelOf(tree_, 140, articleCentre), kTreeBgColour);
    // The focused selection is the item image, the text on it.
    const TRect text = article_->DisplayRect(true);
    EXPECT_EQ(PieceAt(tree_, text.Left, text.Top), "listbox.focusitem.lt");
    EXPECT_EQ(PieceAt(tree_, text.Right - 1, text.Bottom - 1), "listbox.focusitem.rb");
    EXPECT_TRUE(RowShows(text, "listbox.focusitem.client"));
    EXPECT_TRUE(Shows(text, kItemFocusFontColour));
    // Without the focus, the active image.
    form_->SetFocus();
    SetFocus(nullptr);
    Paint();
    EXPECT_TRUE(RowShows(text, "listbox.activeitem.client"));
    EXPECT_FALSE(RowShows(text, "listbox.focusitem.client"));
}

TEST_F(BsSkinTreeViewLook, AFadingLineShorterThanTwoPixelsIsDrawnOpaque)
{
    // Drawn boxes for buttons: Indent 11 leaves the folder one pixel of
    // line right of its button.
    skin_.Erase("treeview", "expandimagerect");
    skin_.LoadInto(*data_);
    Build(true);
    tree_->SetIndent(11);
    Paint();
    const TRect row = folder_->DisplayRect(false);
    const int lineX = 11 / 2 - 1;
    const int start = lineX + tree_->ButtonHalfSize() + 1;
    ASSERT_EQ(11 - start, 1);
    EXPECT_EQ(PixelOf(tree_, start, row.Top + row.Height() / 2), tree_->LineColor());
}

TEST_F(BsSkinTreeViewLook, WithoutASkinThePlatformDrawsInTheDefaultColours)
{
    Build(false);
    const TRect row = article_->DisplayRect(false);
    EXPECT_EQ(PixelOf(tree_, 140, row.Top + 1), ColorToRGB(clWindow));
    // The platform's selection: no skin piece anywhere in the row.
    const TRect text = article_->DisplayRect(true);
    EXPECT_FALSE(RowShows(text, "listbox.focusitem.client"));
    EXPECT_EQ(PixelOf(tree_, text.Left + 1, text.Top + 3), ColorToRGB(clHighlight));
}

}  // namespace bs_skin_tree_view_test
