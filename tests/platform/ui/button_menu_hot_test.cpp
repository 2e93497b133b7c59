// Flat tool and speed buttons that open a menu: the menu loop holds the
// mouse, so the button hears no leave while it is open. Once the menu
// closes the button is drawn plain when the pointer is elsewhere, and stays
// hot when the pointer is back over it.

#include <vector>

#include "menu_test_support.h"
#include "platform/ui/kernel/menu_loop.h"
#include "platform/ui/kernel/popup_menu_window.h"
#include "platform/ui/widgets/speed_button.h"
#include "platform/ui/widgets/tool_bar.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/message_queue.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_pos.h"

namespace {

using TLines = std::vector<std::string>;

class TButtonMenuHotTest : public TMenuTest {
protected:
    void SetUp() override
    {
        TMenuTest::SetUp();
        form_ = new TForm(nullptr);
        form_->SetBounds(40, 40, 300, 200);
        bar_ = new TToolBar(form_);
        bar_->SetParent(form_);
        bar_->SetFlat(true);
        menu_ = new TPopupMenu(form_);
        Add(menu_->Items(), "&Whole page");
        Add(menu_->Items(), "&Page width");
    }

    void TearDown() override
    {
        delete form_;
        TMenuTest::TearDown();
    }

    // The control's pixels as the form's window shows them, once every
    // paint is done.
    std::vector<uint32_t> Look(TControl* Control)
    {
        Process();
        TRect window;
        GetWindowRect(form_->Handle(), &window);
        TPoint at = ScreenPoint(Control, 0, 0);
        TRasterImage image = WindowImage(form_->Handle());
        std::vector<uint32_t> pixels;
        for (int y = 0; y < Control->Height(); ++y)
            for (int x = 0; x < Control->Width(); ++x)
                pixels.push_back(image.Row(at.Y - window.Top + y)[at.X - window.Left + x]);
        return pixels;
    }

    // Steps for the menu loop: the mouse goes to the second row and clicks
    // it, away from the button.
    void ClickSecondRow()
    {
        Steps({[] {
            TPoint row = RowPoint(MenuLoopLevel(0), 1);
            InjectMouseMove(row);
            InjectClick(row);
            return true;
        }});
    }

    TForm* form_ = nullptr;
    TToolBar* bar_ = nullptr;
    TPopupMenu* menu_ = nullptr;
};

TEST_F(TButtonMenuHotTest, AToolButtonIsPlainAfterItsMenuClosesWithThePointerElsewhere)
{
    auto* zoom = new TToolButton(form_);
    zoom->SetStyle(tbsDropDown);
    zoom->SetParent(bar_);
    zoom->SetDropdownMenu(menu_);
    form_->Show();
    const std::vector<uint32_t> plain = Look(zoom);
    TPoint arrow = ScreenPoint(zoom, zoom->ArrowRect().Left + 4, 10);
    InjectMouseMove(arrow);
    EXPECT_NE(Look(zoom), plain);
    ASSERT_TRUE(zoom->Hot());

    // A row chosen by the mouse: the pointer is below the bar.
    ClickSecondRow();
    InjectMouseDown(arrow);
    Process();
    EXPECT_EQ(Log, (TLines{"Page width"}));
    EXPECT_FALSE(zoom->Hot());
    EXPECT_EQ(Look(zoom), plain);

    // Closed by Escape with the pointer back on the button: still hot.
    InjectMouseMove(arrow);
    Process();
    ASSERT_TRUE(zoom->Hot());
    const std::vector<uint32_t> hot = Look(zoom);
    Steps({[] {
        InjectKeyStroke(VK_ESCAPE);
        return true;
    }});
    InjectMouseDown(arrow);
    InjectMouseUp(arrow);
    Process();
    EXPECT_TRUE(zoom->Hot());
    EXPECT_EQ(Look(zoom), hot);
}

TEST_F(TButtonMenuHotTest, ASpeedButtonIsPlainAfterItsMenusCloseWithThePointerElsewhere)
{
    auto* button = new TSpeedButton(form_);
    button->SetBounds(10, 60, 23, 22);
    button->SetFlat(true);
    button->SetParent(form_);
    button->OnClick = TNotifyEvent::FromCallable([this, button](TObject*) {
        TPoint below = button->ClientToScreen(Point(0, button->Height()));
        menu_->Popup(below.X, below.Y);
    });
    form_->Show();
    const std::vector<uint32_t> plain = Look(button);
    TPoint middle = ScreenPoint(button, 11, 11);
    InjectMouseMove(middle);
    EXPECT_NE(Look(button), plain);

    // The menu the click opens.
    ClickSecondRow();
    InjectClick(middle);
    Process();
    EXPECT_EQ(Log, (TLines{"Page width"}));
    EXPECT_FALSE(button->Hot());
    EXPECT_EQ(Look(button), plain);

    // The form's context menu, asked for over the button: no press of the
    // button ends here.
    form_->SetPopupMenu(menu_);
    InjectMouseMove(middle);
    EXPECT_NE(Look(button), plain);
    ClickSecondRow();
    InjectClick(middle, 2);
    Process();
    EXPECT_EQ(Log, (TLines{"Page width", "Page width"}));
    EXPECT_FALSE(button->Hot());
    EXPECT_EQ(Look(button), plain);
}

// A command that holds the mouse in a loop of its own (as a skinned popup
// chain does) while the pointer moves away: the button hears of it when
// the command returns.
void HoldTheMouseWhileItMovesTo(TPoint Screen)
{
    InjectMouseMove(Screen);
    MSG msg;
    while (PeekMessage(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
}

TEST_F(TButtonMenuHotTest, ButtonsArePlainAfterACommandHeldTheMouseAwayFromThem)
{
    auto* zoom = new TToolButton(form_);
    zoom->SetStyle(tbsDropDown);
    zoom->SetParent(bar_);
    zoom->SetDropdownMenu(menu_);
    auto* button = new TSpeedButton(form_);
    button->SetBounds(10, 60, 23, 22);
    button->SetFlat(true);
    button->SetParent(form_);
    TPoint away = ScreenPoint(form_, 200, 120);
    button->OnClick = TNotifyEvent::FromCallable([&](TObject*) { HoldTheMouseWhileItMovesTo(away); });
    zoom->OnClick = button->OnClick;
    menu_->Items()->Items(0)->OnClick = button->OnClick;
    form_->Show();
    const std::vector<uint32_t> plainZoom = Look(zoom);
    const std::vector<uint32_t> plainButton = Look(button);

    InjectClick(ScreenPoint(button, 11, 11));
    Process();
    EXPECT_FALSE(button->Hot());
    EXPECT_EQ(Look(button), plainButton);

    // The tool button's own part, then its menu's row chosen by the
    // keyboard, the pointer still on the arrow when the menu closes; the
    // command takes the pointer away along the bar.
    away = ScreenPoint(bar_, bar_->Width() - 5, 5);
    InjectClick(ScreenPoint(zoom, 5, 10));
    Process();
    EXPECT_FALSE(zoom->Hot());
    EXPECT_EQ(Look(zoom), plainZoom);
    TPoint arrow = ScreenPoint(zoom, zoom->ArrowRect().Left + 4, 10);
    InjectMouseMove(arrow);
    Process();
    ASSERT_TRUE(zoom->Hot());
    Steps({[] {
        InjectKeyStroke(VK_DOWN);
        InjectKeyStroke(VK_RETURN);
        return true;
    }});
    InjectMouseDown(arrow);
    Process();
    EXPECT_FALSE(zoom->Hot());
    EXPECT_EQ(Look(zoom), plainZoom);
    // The button goes up again off the controls: held, it drags the mouse
    // through the windows of the tests that follow.
    InjectMouseUp(ScreenPoint(form_, 250, 150));
    Process();
}

}  // namespace
