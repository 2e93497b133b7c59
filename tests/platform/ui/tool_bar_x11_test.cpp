// A tool bar and a status bar worked from a real X display (the suite's
// own Xvfb) with the display's XTest mouse, in the default font: a click
// on a tool button runs it, a press on a drop-down arrow opens the menu
// below the button whose row a click then runs, the flat button drawn plain
// again with the pointer left on that row, and a drag of the status bar's
// grip sizes the form.
#include <string>
#include <vector>

#include "form_x11_test_support.h"
#include "platform/ui/kernel/menu_loop.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/popup_menu_window.h"
#include "platform/ui/widgets/status_bar.h"
#include "platform/ui/widgets/tool_bar.h"
#include "platform/win/backend.h"

namespace {

using TLines = std::vector<std::string>;

class TToolBarX11Test : public TFormX11Test {
protected:
    TToolButton* AddButton(TToolBar* Bar, TToolButtonStyle Style, const AnsiString& Caption)
    {
        auto* button = new TToolButton(form_);
        button->SetStyle(Style);
        button->SetCaption(Caption);
        button->SetParent(Bar);
        button->OnClick = TNotifyEvent::FromCallable([this, Caption](TObject*) { log_.push_back(Caption); });
        return button;
    }

    TMenuItem* AddItem(TPopupMenu* Menu, const AnsiString& Caption)
    {
        auto* item = new TMenuItem(Menu);
        item->SetCaption(Caption);
        item->OnClick = TNotifyEvent::FromCallable([this, Caption](TObject*) { log_.push_back(Caption); });
        Menu->Items()->Add(item);
        return item;
    }

    TLines log_;
};

TEST_F(TToolBarX11Test, ButtonsDropDownMenuAndSizeGrip)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(80, 60, 360, 240);
    form_->SetCaption("Preview");
    auto* bar = new TToolBar(form_);
    bar->SetParent(form_);
    bar->SetShowCaptions(true);
    bar->SetFlat(true);
    bar->SetAutoSize(true);
    TToolButton* print = AddButton(bar, tbsButton, "Print");
    AddButton(bar, tbsSeparator, "");
    TToolButton* zoom = AddButton(bar, tbsDropDown, "\xD5\x66\xE9\x54");  // 說門
    auto* menu = new TPopupMenu(form_);
    AddItem(menu, "Whole page");
    AddItem(menu, "Page width");
    zoom->SetDropdownMenu(menu);
    auto* status = new TStatusBar(form_);
    status->SetParent(form_);
    status->Panels()->Add()->SetWidth(200);
    status->Panels()->Add()->SetText(" Page: 1");
    form_->Show();
    Pump();
    ASSERT_TRUE(FormHasXFocus());
    EXPECT_TRUE(DisplayShowsBacking());
    auto zoomShown = [&] {
        TPoint corner = zoom->ClientToScreen(Point(0, 0));
        return ScreenImage(Bounds(corner.X, corner.Y, zoom->Width(), zoom->Height())).Pixels;
    };
    const std::vector<uint32_t> plain = zoomShown();

    Click(print->ClientToScreen(Point(print->Width() / 2, print->Height() / 2)));
    ASSERT_TRUE(PumpUntil([&] { return !log_.empty(); }));
    EXPECT_EQ(log_, (TLines{"Print"}));

    // The menu opens under the button, which shows held down while it is
    // open; a click on its second row runs that row.
    log_.clear();
    bool heldWhileOpen = false;
    TPoint below{-1, -1};
    SetMenuIdleHook([&, step = 0]() mutable {
        if (step == 0 && MenuLoopLevelCount() == 1) {
            TPopupMenuWindow* level = MenuLoopLevel(0);
            heldWhileOpen = zoom->Pressed();
            below = level->ClientToScreen(Point(0, 0));
            TRect row = level->RowRect(1);
            Click(level->ClientToScreen(Point(20, (row.Top + row.Bottom) / 2)));
            ++step;
        }
        Backend().WaitForEvents(10);
        return true;
    });
    TRect arrow = zoom->ArrowRect();
    Click(zoom->ClientToScreen(Point((arrow.Left + arrow.Right) / 2, zoom->Height() / 2)));
    ASSERT_TRUE(PumpUntil([&] { return !log_.empty(); }));
    SetMenuIdleHook(nullptr);
    EXPECT_EQ(log_, (TLines{"Page width"}));
    EXPECT_TRUE(heldWhileOpen);
    TPoint corner = zoom->ClientToScreen(Point(0, zoom->Height()));
    EXPECT_EQ(menu->PopupPoint(), corner);
    EXPECT_NEAR(below.X, corner.X, 3);
    EXPECT_NEAR(below.Y, corner.Y, 3);
    EXPECT_FALSE(zoom->Pressed());
    // The pointer stayed on the row, below the bar: the button is plain.
    EXPECT_TRUE(PumpUntil([&] { return !zoom->Hot(); }));
    EXPECT_TRUE(PumpUntil([&] { return zoomShown() == plain; }));
    EXPECT_TRUE(DisplayShowsBacking());

    // The grip pulls the form's corner along.
    TRect grip = status->GripRect();
    ASSERT_FALSE(IsRectEmpty(grip));
    int width = form_->Width(), height = form_->Height();
    TPoint from = status->ClientToScreen(Point(grip.Right - 4, grip.Bottom - 4));
    Drag(from, Point(from.X + 60, from.Y + 40));
    ASSERT_TRUE(PumpUntil([&] { return form_->Width() == width + 60 && form_->Height() == height + 40; }));
    EXPECT_EQ(status->Top() + status->Height(), form_->ClientHeight());
    EXPECT_TRUE(DisplayShowsBacking());
}

}  // namespace
