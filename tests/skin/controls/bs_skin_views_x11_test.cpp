// The skinned tree and list views on a real X display (the suite's own
// Xvfb), worked with the pointer of XTest: a drag of the tree's external
// bar scrolls the tree, a click on a header section of the list (its
// sections with images) presses it, a click on the horizontal bar of an
// icon list brings more of its wide icon into view, and the display shows
// what the windows painted. The screen is written to the file
// TANDRIL_VIEWS_SCREENSHOT names, when set, for a person to look at.
#include <string>
#include <vector>

#include "form_x11_test_support.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/itemviews/header_control.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "tests/skin/controls/test_skin.h"
#include "tests/skin/controls/test_skin_views.h"

namespace {

class TSkinViewsX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        test_skin_views::AddTo(skin_);
        skin_.LoadInto(data_);
    }

    // A vertical bar; Skinned takes the "vscrollbar" description.
    TbsSkinScrollBar* VBar(TRect Bounds, bool Skinned)
    {
        auto* bar = new TbsSkinScrollBar(form_);
        bar->SetKind(sbVertical);
        bar->SetDefaultHeight(0);
        bar->SetSkinDataName("vscrollbar");
        bar->SetBoundsRect(Bounds);
        bar->SetParent(form_);
        if (Skinned)
            bar->SetSkinData(&data_);
        return bar;
    }

    // Images of W x H cut from stripes of Colours, Stripe pixels wide
    // each: one image a stripe, or one of several stripes.
    TImageList* Images(int W, int H, const std::vector<TColor>& Colours, int Stripe)
    {
        auto* images = new TImageList(form_);
        images->SetWidth(W);
        images->SetHeight(H);
        TBitmap bitmap;
        bitmap.SetSize(Stripe * static_cast<int>(Colours.size()), H);
        for (size_t i = 0; i < Colours.size(); ++i) {
            bitmap.Canvas()->Brush()->SetColor(Colours[i]);
            bitmap.Canvas()->FillRect(Rect(static_cast<int>(i) * Stripe, 0, bitmap.Width(), H));
        }
        images->Add(&bitmap, nullptr);
        return images;
    }

    TTestSkin skin_;
    TbsSkinData data_{nullptr};
};

TEST_F(TSkinViewsX11Test, BarDragsScrollTheTreeAndAWideIconAndAHeaderClickPressesASection)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(60, 40, 460, 400);
    auto* tree = new TbsSkinTreeView(form_);
    tree->SetBounds(8, 8, 180, 180);
    tree->SetParent(form_);
    tree->SetSkinData(&data_);
    tree->SetDrawSkin(true);
    tree->SetHideSelection(false);
    tree->Items()->BeginUpdate();
    for (int f = 0; f < 20; ++f) {
        TTreeNode* folder = tree->Items()->Add(nullptr, "說門 folder " + std::to_string(f));
        for (int a = 0; a < 3; ++a)
            tree->Items()->AddChild(folder, "中文 article " + std::to_string(a));
        if (f % 2 == 0)
            folder->Expand(false);
    }
    tree->Items()->EndUpdate();
    tree->SetSelected(tree->Items()->GetFirstNode()->getFirstChild());
    // The tree's bar in the plain look: its thumb starts below the 17-pixel
    // arrow button.
    TbsSkinScrollBar* vBar = VBar(Rect(188, 8, 204, 188), false);
    tree->SetVScrollBar(vBar);

    auto* list = new TbsSkinListView(form_);
    list->SetBounds(212, 8, 220, 180);
    list->HeaderSkinDataName = "resizebutton";
    list->SetViewStyle(vsReport);
    list->SetRowSelect(true);
    list->SetCheckboxes(true);
    list->SetParent(form_);
    list->SetSkinData(&data_);
    list->SetDrawSkin(true);
    list->SetDrawSkinLines(true);
    list->SetHideSelection(false);
    list->SetSmallImages(Images(12, 12, {clRed, clBlue}, 12));
    for (const char* caption : {"說門說門說門說門 name", "size"}) {
        TListColumn* column = list->Columns()->Add();
        column->SetCaption(caption);
        column->SetWidth(100);
        column->SetImageIndex(list->Columns()->Count() - 1);
    }
    for (int i = 0; i < 30; ++i) {
        TListItem* item = list->Items()->Add();
        item->SetCaption("file " + std::to_string(i));
        item->SubItems()->Add(std::to_string(i * 1024));
        item->SetChecked(i % 3 == 0);
    }
    list->Items()->Item(2)->SetSelected(true);
    list->SetVScrollBar(VBar(Rect(432, 8, 448, 188), true));

    // An icon list narrower than its icon, with a horizontal bar below.
    auto* icons = new TbsSkinListView(form_);
    icons->SetBounds(8, 196, 240, 130);
    icons->SetViewStyle(vsIcon);
    icons->SetParent(form_);
    icons->SetSkinData(&data_);
    icons->SetLargeImages(Images(320, 40, {clRed, clYellow, clLime, clAqua, clBlue}, 64));
    for (const char* caption : {"說門 banner", "中文 banner"}) {
        TListItem* item = icons->Items()->Add();
        item->SetCaption(caption);
        item->SetImageIndex(0);
    }
    auto* hBar = new TbsSkinScrollBar(form_);
    hBar->SetBounds(8, 326, 240, 19);
    hBar->SetParent(form_);
    hBar->SetSkinData(&data_);
    icons->SetHScrollBar(hBar);
    form_->Show();
    ASSERT_TRUE(BecomesViewable(form_->Handle()));

    ASSERT_TRUE(PumpUntil([&] { return vBar->Visible(); }));
    // Drag the thumb down by half the bar.
    const TPoint thumb = vBar->ClientToScreen(Point(8, 22));
    Drag(thumb, Point(thumb.X, thumb.Y + 80));
    ASSERT_TRUE(PumpUntil([&] { return vBar->Position() > 0; }));
    EXPECT_TRUE(PumpUntil([&] { return tree->TopItem() != tree->Items()->GetFirstNode(); }));

    // Hold the first header section down.
    const TPoint section = list->Header()->ClientToScreen(Point(40, 6));
    Click(section);
    EXPECT_TRUE(PumpUntil([&] { return list->PressedSection() == -1 && !list->SectionPressed(); }));

    // A click in the icon bar's track, right of its thumb, pages the icon
    // across.
    ASSERT_TRUE(PumpUntil([&] { return hBar->Visible(); }));
    Click(hBar->ClientToScreen(Point(hBar->Width() - 24, 9)));
    ASSERT_TRUE(PumpUntil([&] { return hBar->Position() > 0; }));
    EXPECT_EQ(icons->Items()->Item(0)->DisplayRect(drBounds).Left, -hBar->Position());
    EXPECT_TRUE(PumpUntil([&] { return DisplayShowsBacking(); }));
    SaveScreenshot("TANDRIL_VIEWS_SCREENSHOT");
}

}  // namespace
