// The combo box worked from a real X display (the suite's own Xvfb) with
// the display's XTest keys and mouse: the list opens as a popup of its own
// that leaves the form the keyboard focus, a click on a row takes it, a
// click outside closes it, and the keys open, move and cancel it.

#include <string>
#include <vector>

#include "form_x11_test_support.h"
#include "platform/base/strings.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/win/x11_backend.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

using TLines = std::vector<std::string>;

class TListsX11Test : public TFormX11Test {
protected:
    // Whether the display shows the dropped list's own window, on top of
    // the form and not managed by a window manager.
    bool ListMapped(TComboBox* Combo)
    {
        TCustomListBox* list = Combo->DropDownList();
        if (!list->HandleAllocated())
            return false;
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(Other(), X11WindowOf(list->Handle()), &attributes))
            return false;
        return attributes.map_state == IsViewable && attributes.override_redirect;
    }

    bool ListUnmapped(TComboBox* Combo)
    {
        return PumpUntil([&] { return !ListMapped(Combo); });
    }
};

TEST_F(TListsX11Test, TheDroppedListTakesClicksAndKeysFromTheDisplay)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(80, 60, 320, 260);
    form_->SetCaption("Lists");
    auto* combo = new TComboBox(form_);
    combo->SetStyle(csDropDownList);
    combo->SetBounds(10, 10, 200, 0);
    combo->SetParent(form_);
    for (int i = 0; i < 12; ++i)
        combo->Items()->Add("entry " + std::to_string(i));
    TLines log;
    combo->OnChange = TNotifyEvent::FromCallable(
        [&log, combo](TObject*) { log.push_back("change " + std::to_string(combo->ItemIndex())); });
    form_->SetActiveControl(combo);
    form_->Show();
    Pump();
    ASSERT_TRUE(FormHasXFocus());

    // A click on the box drops the list; the form keeps the focus.
    Click(combo->ClientToScreen(Point(20, 8)));
    ASSERT_TRUE(PumpUntil([&] { return ListMapped(combo); }));
    EXPECT_TRUE(FormHasXFocus());
    // A click on a row takes it.
    TCustomListBox* list = combo->DropDownList();
    const TRect row = list->ItemRect(3);
    Click(list->ClientToScreen(Point(20, (row.Top + row.Bottom) / 2)));
    ASSERT_TRUE(ListUnmapped(combo));
    EXPECT_TRUE(PumpUntil([&] { return combo->ItemIndex() == 3; }));
    EXPECT_EQ(log, (TLines{"change 3"}));

    // Opened again, a click outside it closes it and changes nothing.
    Click(combo->ClientToScreen(Point(20, 8)));
    ASSERT_TRUE(PumpUntil([&] { return ListMapped(combo); }));
    Click(form_->ClientToScreen(Point(300, 230)));
    ASSERT_TRUE(ListUnmapped(combo));
    EXPECT_EQ(combo->ItemIndex(), 3);

    // Alt+Down opens, Down moves, Escape cancels; F4, Down, Return takes.
    Key(XK_Down, {XK_Alt_L});
    ASSERT_TRUE(PumpUntil([&] { return ListMapped(combo); }));
    Key(XK_Down);
    Key(XK_Escape);
    ASSERT_TRUE(ListUnmapped(combo));
    EXPECT_EQ(combo->ItemIndex(), 3);
    Key(XK_F4);
    ASSERT_TRUE(PumpUntil([&] { return ListMapped(combo); }));
    Key(XK_Down);
    Key(XK_Down);
    Key(XK_Return);
    ASSERT_TRUE(ListUnmapped(combo));
    EXPECT_TRUE(PumpUntil([&] { return combo->ItemIndex() == 5; }));
    EXPECT_EQ(log, (TLines{"change 3", "change 5"}));
}

}  // namespace
