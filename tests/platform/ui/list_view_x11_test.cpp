// The list view worked from a real X display (the suite's own Xvfb) with
// the display's XTest keys and mouse: clicks and keys move the selection,
// Space checks, a drag on a header divider sizes a column, and F2 renames.
#include <string>

#include "form_x11_test_support.h"
#include "platform/ui/itemviews/header_control.h"
#include "platform/ui/itemviews/list_view.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

class TListViewX11Test : public TFormX11Test {};

TEST_F(TListViewX11Test, ClicksKeysAndADividerDragFromTheDisplay)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(80, 60, 360, 260);
    form_->SetCaption("List view");
    auto* list = new TListView(form_);
    list->SetBounds(10, 10, 330, 200);
    list->SetViewStyle(vsReport);
    list->SetCheckboxes(true);
    list->SetMultiSelect(true);
    list->SetParent(form_);
    const char* names[] = {"Name", "Size", "Kind"};
    for (int i = 0; i < 3; ++i) {
        TListColumn* column = list->Columns()->Add();
        column->SetCaption(names[i]);
        column->SetWidth(100);
    }
    for (int i = 0; i < 20; ++i) {
        TListItem* item = list->Items()->Add();
        item->SetCaption("item " + std::to_string(i));
        item->SubItems()->Add(std::to_string(i * 10));
        item->SubItems()->Add(i % 2 ? "odd" : "even");
    }
    form_->SetActiveControl(list);
    form_->Show();
    Pump();
    ASSERT_TRUE(FormHasXFocus());

    auto caption = [list](int Index) {
        const TRect label = list->Items()->Item(Index)->DisplayRect(drLabel);
        return list->ClientToScreen(Point(label.Left + 8, (label.Top + label.Bottom) / 2));
    };
    Click(caption(1));
    ASSERT_TRUE(PumpUntil([&] { return list->ItemIndex() == 1; }));
    Key(XK_Down);
    Key(XK_Down, {XK_Shift_L});
    ASSERT_TRUE(PumpUntil([&] { return list->ItemIndex() == 3; }));
    EXPECT_EQ(list->SelCount(), 2);
    Key(XK_space);
    ASSERT_TRUE(PumpUntil([&] { return list->Items()->Item(3)->Checked(); }));
    EXPECT_TRUE(list->Items()->Item(2)->Checked());

    // The divider between the first two columns, dragged 40 to the right.
    const TPoint divider = list->Header()->ClientToScreen(Point(100, 6));
    Drag(divider, Point(divider.X + 40, divider.Y));
    ASSERT_TRUE(PumpUntil([&] { return list->Columns()->Item(0)->Width() == 140; }));

    Key(XK_F2);
    ASSERT_TRUE(PumpUntil([&] { return list->IsEditing(); }));
    Key(XK_z);
    Key(XK_Return);
    ASSERT_TRUE(PumpUntil([&] { return !list->IsEditing(); }));
    EXPECT_EQ(list->Items()->Item(3)->Caption(), "z");
    EXPECT_TRUE(DisplayShowsBacking());
}

}  // namespace
