// The list view's looks compared pixel for pixel with the pictures in
// golden/ (see tests/support/golden_image.h for accepting changes), in the
// built-in test font: each style with the same items, small and large
// images, check boxes, a selection and a GBK caption cut with "...".
#include <string>

#include "form_test_support.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/win/headless_screen.h"
#include "tests/support/golden_image.h"
#include "tests/support/test_data.h"

namespace {

// 說門說門說門說門: wider than its column, cut after a whole character.
const std::string LongGbk = "\xD5\x66\xE9\x54\xD5\x66\xE9\x54\xD5\x66\xE9\x54\xD5\x66\xE9\x54";

class TListViewGoldenTest : public TFormTest {
protected:
    void SetUp() override
    {
        TFormTest::SetUp();
        form_ = new TForm(nullptr);
        form_->SetBounds(0, 0, 420, 320);
        form_->Font()->SetName(kTestFontName);
        form_->Font()->SetHeight(16);
        form_->Show();
        Process();
    }
    void TearDown() override
    {
        delete form_;
        TFormTest::TearDown();
    }
    TImageList* Images(int Side)
    {
        auto* images = new TImageList(form_);
        images->SetWidth(Side);
        images->SetHeight(Side);
        for (TColor color : {clRed, clBlue}) {
            TBitmap bitmap;
            bitmap.SetSize(Side, Side);
            bitmap.Canvas()->Brush()->SetColor(color);
            bitmap.Canvas()->FillRect(Rect(0, 0, Side, Side));
            images->Add(&bitmap, nullptr);
        }
        return images;
    }
    TListView* List(TViewStyle Style)
    {
        auto* list = new TListView(form_);
        list->SetBounds(10, 10, 260, 150);
        list->SetViewStyle(Style);
        list->SetParent(form_);
        list->SetSmallImages(Images(10));
        list->SetLargeImages(Images(24));
        const char* names[] = {"Name", "Size", "Kind"};
        for (int i = 0; i < 3; ++i) {
            TListColumn* column = list->Columns()->Add();
            column->SetCaption(names[i]);
            column->SetWidth(i == 0 ? 90 : 60);
        }
        list->Columns()->Item(1)->SetAlignment(taRightJustify);
        const std::string captions[] = {"Apple", LongGbk, "Cherry", "Date", "Elder", "Fig", "Grape"};
        for (int i = 0; i < 7; ++i) {
            TListItem* item = list->Items()->Add();
            item->SetCaption(captions[i]);
            item->SetImageIndex(i % 2);
            item->SubItems()->Add(std::to_string((i + 1) * 120));
            item->SubItems()->Add(i % 2 ? "fruit" : "tree");
        }
        list->SetItemIndex(2);
        return list;
    }
    void ExpectLooks(TWinControl* Control, const std::string& Name)
    {
        Process();
        ::ExpectGolden(WindowImage(Control->Handle()), TestFolder() + "/golden/" + Name);
    }

    TForm* form_ = nullptr;
};

TEST_F(TListViewGoldenTest, ReportWithHeaderGridAndChecks)
{
    TListView* list = List(vsReport);
    ExpectLooks(list, "list_view_report.png");
    list->SetGridLines(true);
    list->SetCheckboxes(true);
    list->SetRowSelect(true);
    list->Items()->Item(0)->SetChecked(true);
    list->SetFocus();
    ExpectLooks(list, "list_view_report_grid.png");
}

TEST_F(TListViewGoldenTest, ListSmallIconAndIconStyles)
{
    TListView* list = List(vsList);
    list->SetFocus();
    ExpectLooks(list, "list_view_list.png");
    list->SetViewStyle(vsSmallIcon);
    ExpectLooks(list, "list_view_small_icon.png");
    list->SetViewStyle(vsIcon);
    ExpectLooks(list, "list_view_icon.png");
}

}  // namespace
