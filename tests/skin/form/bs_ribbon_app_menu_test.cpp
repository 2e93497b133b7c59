// The ribbon's application button and menu headless: the events' order on
// Enter, a second press that only closes, Esc only while the form is
// active, the message chain shared with another hook, the column's scroll
// bar and size grip, a vertical page's step, and the keys between the
// tabs and the button.
#include "skin/form/bs_ribbon_app_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/form/bs_ribbon.h"
#include "skin/form/bs_ribbon_app_button.h"
#include "skin/form/bs_ribbon_app_menu_page.h"
#include "skin/form/bs_ribbon_page.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/support/message_pump.h"

namespace {

class BsRibbonAppMenu : public SkinFormTest {
protected:
    void SetUp() override
    {
        SkinFormTest::SetUp();
        form_->SetBounds(100, 80, 500, 400);
        ribbon_ = new TbsRibbon(form_);
        ribbon_->SetParent(form_);
        ribbon_->SkinForm = frame_;
        menu_ = new TbsAppMenu(form_);
        ribbon_->SetAppMenu(menu_);
        auto* page = new TbsRibbonPage(form_);
        page->SetCaption("說");
        ribbon_->Tabs()->Add()->SetPage(page);
        PumpMessages();
    }

    TbsAppMenuItem* AddItem(const std::string& Caption)
    {
        TbsAppMenuItem* item = menu_->Items()->Add();
        item->SetCaption(Caption);
        item->OnClick = TNotifyEvent::FromCallable([this, Caption](TObject* Sender) {
            log_.push_back(Caption + (Sender == ribbon_ ? " by ribbon" : ""));
        });
        return item;
    }

    void Log(TNotifyEvent& Event, const std::string& Text)
    {
        Event = TNotifyEvent::FromCallable([this, Text](TObject*) { log_.push_back(Text); });
    }

    TPoint ButtonPoint() { return ribbon_->AppButton()->ClientToScreen(TPoint{10, 10}); }

    TbsRibbon* ribbon_ = nullptr;
    TbsAppMenu* menu_ = nullptr;
    std::vector<std::string> log_;
};

TEST_F(BsRibbonAppMenu, EnterOnACommandRunsItThenClosesTheMenuWithItsEvents)
{
    AddItem("門");
    AddItem("open");
    Log(ribbon_->OnMenuClose, "menu close");
    Log(menu_->OnHideMenu, "hide");
    Log(menu_->OnShowMenu, "show");
    InjectClick(ButtonPoint());
    PumpMessages();
    ASSERT_TRUE(menu_->Visible());
    EXPECT_EQ(menu_->Parent(), form_);
    EXPECT_EQ(menu_->BoundsRect(), (TRect{0, ribbon_->Top() + 25, form_->ClientWidth(), form_->ClientHeight()}));
    EXPECT_EQ(menu_->ItemIndex(), 0);
    EXPECT_TRUE(menu_->Focused());
    InjectKeyStroke(VK_DOWN);
    InjectKeyStroke(VK_RETURN);
    PumpMessages();
    EXPECT_FALSE(menu_->Visible());
    EXPECT_EQ(log_, (std::vector<std::string>{"show", "open by ribbon", "menu close", "hide"}));
}

TEST_F(BsRibbonAppMenu, APressWhileTheMenuIsOpenOnlyClosesIt)
{
    AddItem("a");
    Log(menu_->OnShowMenu, "show");
    Log(menu_->OnHideMenu, "hide");
    InjectClick(ButtonPoint());
    PumpMessages();
    ASSERT_TRUE(menu_->Visible());
    InjectClick(ButtonPoint());
    PumpMessages();
    EXPECT_FALSE(menu_->Visible());
    EXPECT_FALSE(ribbon_->AppButton()->Down());
    EXPECT_EQ(log_, (std::vector<std::string>{"show", "hide"}));
}

TEST_F(BsRibbonAppMenu, EscClosesTheMenuOnlyWhileTheFormIsActive)
{
    AddItem("a");
    ribbon_->ShowAppMenu();
    PumpMessages();
    auto* other = new TCustomForm(nullptr);
    other->SetBounds(0, 0, 50, 50);
    other->Show();
    SetActiveWindow(other->Handle());
    PumpMessages();
    ASSERT_FALSE(frame_->GetFormActive());
    InjectKeyStroke(VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_TRUE(menu_->Visible());
    delete other;
    SetActiveWindow(form_->Handle());
    PumpMessages();
    menu_->SetFocus();
    InjectKeyStroke(VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_FALSE(menu_->Visible());
}

TEST_F(BsRibbonAppMenu, TheEscHookSharesTheChainWithOtherHooksInEitherOrder)
{
    int before = Application->OnMessage.Count();
    int seen = 0;
    TMessageEvent other = TMessageEvent::FromCallable([&seen](MSG& Msg, bool&) {
        if (Msg.message == WM_KEYDOWN)
            ++seen;
    });
    for (bool ribbonFirst : {true, false}) {
        SCOPED_TRACE(ribbonFirst);
        seen = 0;
        if (ribbonFirst)
            ribbon_->ShowAppMenu();
        Application->OnMessage.Add(other);
        if (!ribbonFirst)
            ribbon_->ShowAppMenu();
        menu_->SetFocus();
        InjectKeyStroke(VK_DOWN);
        Application->ProcessMessages();
        EXPECT_EQ(seen, 1);  // the ribbon's hook passes other keys on
        if (ribbonFirst) {
            ribbon_->HideAppMenu(nullptr);
            Application->OnMessage.Remove(other);
        } else {
            Application->OnMessage.Remove(other);
            ribbon_->HideAppMenu(nullptr);
        }
        EXPECT_EQ(Application->OnMessage.Count(), before);
    }
}

TEST_F(BsRibbonAppMenu, TheColumnScrollBarComesAndGoesWithTheItems)
{
    ribbon_->ShowAppMenu();
    PumpMessages();
    int height = menu_->Height();
    int fit = (height - 8) / 28;
    for (int i = 0; i < fit; ++i)
        AddItem("item" + std::to_string(i));
    EXPECT_EQ(menu_->ScrollBar(), nullptr);
    TbsAppMenuItem* extra = AddItem("extra");
    ASSERT_NE(menu_->ScrollBar(), nullptr);
    EXPECT_EQ(menu_->ScrollBar()->Width(), 19);
    EXPECT_EQ(menu_->ScrollBar()->Left(), menu_->Width() - 19);
    EXPECT_EQ(menu_->ScrollBar()->Height(), height - 20);  // the grip below
    EXPECT_EQ(menu_->ScrollBar()->SmallChange(), 28);
    menu_->SelectItem(menu_->Items()->Count() - 1);
    EXPECT_GT(menu_->ScrollBar()->Position(), 0);  // the last item shows
    menu_->Items()->Delete(extra->Index());
    EXPECT_EQ(menu_->ScrollBar(), nullptr);
}

TEST_F(BsRibbonAppMenu, TheSizeGripGoesWhenTheFormIsMaximized)
{
    ribbon_->ShowAppMenu();
    PumpMessages();
    TPoint corner = menu_->ClientToScreen(TPoint{menu_->Width() - 3, menu_->Height() - 3});
    EXPECT_EQ(SendMessage(menu_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(corner.X, corner.Y)), HTBOTTOMRIGHT);
    frame_->SetWindowState(wsMaximized);
    PumpMessages();
    corner = menu_->ClientToScreen(TPoint{menu_->Width() - 3, menu_->Height() - 3});
    EXPECT_NE(SendMessage(menu_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(corner.X, corner.Y)), HTBOTTOMRIGHT);
}

TEST_F(BsRibbonAppMenu, AVerticalPageStepsByOneClientHeight)
{
    TbsAppMenuItem* item = AddItem("recent");
    auto* page = new TbsAppMenuPage(form_);
    page->SetCanScroll(true);
    item->SetPage(page);
    for (int i = 0; i < 20; ++i) {
        auto* child = new TCustomControl(form_);
        child->SetParent(page);
        child->SetBounds(0, i * 40, 50, 40);
    }
    page->UpdateScroll();
    EXPECT_FALSE(page->ScrollButtonsVisible());  // suspended while hidden
    ribbon_->ShowAppMenu();
    PumpMessages();
    EXPECT_EQ(page->BoundsRect(), menu_->GetPageBounds());
    ASSERT_TRUE(page->ScrollButtonsVisible());
    int client = page->ClientHeight();
    EXPECT_EQ(client, page->Height() - 24);
    TPoint down = page->ClientToScreen(TPoint{20, client + 6});
    InjectClick(down);
    PumpMessages();
    EXPECT_EQ(page->ScrollPosition(), client);
    EXPECT_EQ(page->Controls(0)->Top(), -client);
}

TEST_F(BsRibbonAppMenu, LeftOnTheFirstTabFocusesTheButtonButTheWheelNever)
{
    ribbon_->SetFocus();
    PumpMessages();
    TPoint over = ribbon_->ClientToScreen(TPoint{100, 10});
    InjectWheel(over, 120);
    PumpMessages();
    EXPECT_TRUE(ribbon_->Focused());
    InjectKeyStroke(VK_LEFT);
    PumpMessages();
    EXPECT_TRUE(ribbon_->AppButton()->Focused());
    InjectKeyStroke(VK_RIGHT);
    PumpMessages();
    EXPECT_TRUE(ribbon_->Focused());
}

}  // namespace
