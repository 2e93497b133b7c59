// The skinned menu chain as a user drives it: commands deep in sub-menus,
// the messages to the opener and the form in their order, a second menu
// opened over the first, openers freed by their own command, the sub-menu
// delay, and closing part of the chain while a sub-menu waits.
#include <gtest/gtest.h>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_lifecycle.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "tests/skin/controls/skin_menu_test_support.h"
#include "tests/support/message_pump.h"

namespace {

class TSkinMenuChainTest : public SkinMenuTest {
protected:
    // "File" > "Recent" > "More" > "Deep", and "Exit".
    void BuildDeepMenu()
    {
        TMenuItem* file = Add(root_.get(), "File");
        AddCommand(root_.get(), "Exit");
        TMenuItem* recent = Add(file, "Recent");
        AddCommand(file, "Save");
        TMenuItem* more = Add(recent, "More");
        AddCommand(more, "Deep");
    }
    void WatchClose()
    {
        TEventLog* log = &log_;
        menu_->OnMenuClose = TNotifyEvent::FromCallable([log](TObject*) { log->push_back("menu closed"); });
    }
};

TEST_F(TSkinMenuChainTest, ACommandThreeLevelsDownClosesAllThenRunsThenTellsTheOpener)
{
    BuildDeepMenu();
    Open(root_.get(), opener_);
    WatchClose();
    ClickRow(0, 0);
    ASSERT_EQ(menu_->PopupCount(), 2);
    ClickRow(1, 0);
    ASSERT_EQ(menu_->PopupCount(), 3);
    ClickRow(2, 0);
    ASSERT_EQ(menu_->PopupCount(), 4);
    // The window whose mouse message runs the command stays until that
    // message returns, hidden and out of the chain.
    HWND last = Window(3)->Handle();
    TMenuItem* deep = Window(3)->Item(0)->MenuItem();
    TNotifyEvent logClick = deep->OnClick;
    bool kept = false;
    deep->OnClick = TNotifyEvent::FromCallable([&](TObject* Sender) {
        kept = IsWindow(last) && !IsWindowVisible(last) && menu_->PopupCount() == 0;
        logClick(Sender);
    });
    log_.clear();
    ClickRow(3, 0);
    EXPECT_TRUE(kept);
    EXPECT_FALSE(IsWindow(last));
    // The order pinned here: opener, OnMenuClose, form, command, opener.
    EXPECT_EQ(log_, (TEventLog{"opener 1228", "menu closed", "form 1228", "Deep clicked", "opener 1229"}));
    EXPECT_EQ(menu_->PopupCount(), 0);
    EXPECT_FALSE(menu_->ChainOpen());
    EXPECT_EQ(menu_->LastPopupCtrl(), nullptr);
    Wait(1000);
    EXPECT_EQ(log_.size(), 5u);
}

TEST_F(TSkinMenuChainTest, ASecondMenuOverAnOpenOneTellsOnlyTheFirstOpenerAndKeepsTheSecond)
{
    AddCommand(root_.get(), "One");
    auto* second = new TMenuOpener(menuForm_.get(), &log_, "second");
    Open(root_.get(), opener_);
    log_.clear();
    Open(root_.get(), second);
    EXPECT_EQ(log_, (TEventLog{"opener 1228"}));
    EXPECT_EQ(menu_->PopupCtrl(), second);
    EXPECT_TRUE(menu_->ChainOpen());
    log_.clear();
    ClickRow(0, 0);
    EXPECT_EQ(log_, (TEventLog{"second 1228", "form 1228", "One clicked", "second 1229"}));
}

TEST_F(TSkinMenuChainTest, ACommandThatFreesItsOpenerSendsItNothing)
{
    TMenuItem* close = Add(root_.get(), "Close tab");
    auto* tab = new TMenuOpener(menuForm_.get(), &log_, "tab");
    close->OnClick = TNotifyEvent::FromCallable([&](TObject*) { delete tab; });
    Open(root_.get(), tab);
    log_.clear();
    ClickRow(0, 0);
    EXPECT_EQ(log_, (TEventLog{"tab 1228", "form 1228"}));

    // Freed while its menu is open: the close that follows skips it.
    auto* other = new TMenuOpener(menuForm_.get(), &log_, "other");
    Open(root_.get(), other);
    delete other;
    log_.clear();
    menu_->CloseMenu();
    EXPECT_EQ(log_, (TEventLog{"form 1228"}));
}

TEST_F(TSkinMenuChainTest, EscapeInAOneLevelMenuClosesItWithoutTellingTheForm)
{
    AddCommand(root_.get(), "One");
    Open(root_.get(), opener_);
    WatchClose();
    log_.clear();
    Key(VK_ESCAPE);
    EXPECT_EQ(log_, (TEventLog{"opener 1228", "menu closed"}));
    EXPECT_FALSE(menu_->ChainOpen());
}

TEST_F(TSkinMenuChainTest, ASubMenuOpensAfterTheMouseRestsHalfASecond)
{
    BuildDeepMenu();
    AddCommand(root_.get(), "Help");
    Open(root_.get(), opener_);
    Hover(0, 0);  // the delay starts when the 50 ms poll sees the mouse
    Wait(490);
    EXPECT_EQ(menu_->PopupCount(), 1);
    Wait(20);
    EXPECT_EQ(menu_->PopupCount(), 2);

    // Resting less than the delay and moving on opens nothing.
    Hover(0, 1);
    EXPECT_EQ(menu_->PopupCount(), 1);
    Hover(0, 0);
    Wait(200);
    Hover(0, 2);
    Wait(1000);
    EXPECT_EQ(menu_->PopupCount(), 1);
}

TEST_F(TSkinMenuChainTest, EscapeWhileASubMenuWaitsForTheDelayCancelsIt)
{
    BuildDeepMenu();
    Open(root_.get(), opener_);
    ClickRow(0, 0);
    ASSERT_EQ(menu_->PopupCount(), 2);
    Hover(1, 0);  // "Recent" waits for its delay
    ASSERT_NE(menu_->PendingItem, nullptr);
    Key(VK_ESCAPE);
    EXPECT_EQ(menu_->PopupCount(), 1);
    EXPECT_EQ(menu_->PendingItem, nullptr);
    EXPECT_FALSE(menu_->DelayTimer()->Enabled());
    Wait(1000);
    EXPECT_EQ(menu_->PopupCount(), 1);
}

TEST_F(TSkinMenuChainTest, EscapeInASubMenuClosesOnlyItAndReleasesTheParentRow)
{
    BuildDeepMenu();
    Open(root_.get(), opener_);
    Key(VK_RIGHT);
    ASSERT_EQ(menu_->PopupCount(), 2);
    EXPECT_TRUE(Window(0)->Item(0)->Down);
    log_.clear();
    Key(VK_ESCAPE);
    EXPECT_EQ(menu_->PopupCount(), 1);
    EXPECT_FALSE(Window(0)->Item(0)->Down);
    EXPECT_TRUE(log_.empty());

    // The parent window's active row may be none, or past its rows.
    for (int active : {-1, 7}) {
        menu_->CloseMenu();
        Open(root_.get(), opener_);
        Key(VK_RIGHT);
        ASSERT_EQ(menu_->PopupCount(), 2);
        Window(0)->ActiveItem = active;
        Key(active < 0 ? VK_LEFT : VK_ESCAPE);
        EXPECT_EQ(menu_->PopupCount(), 1);
    }
}

TEST_F(TSkinMenuChainTest, KeysSkipSeparatorsAndDisabledRowsAndAnAcceleratorClicksAtOnce)
{
    Add(root_.get(), "-header-")->SetEnabled(false);
    AddCommand(root_.get(), "&Alpha");
    Add(root_.get(), "-");
    AddCommand(root_.get(), "Beta")->SetEnabled(false);
    AddCommand(root_.get(), "&Gamma");
    Open(root_.get(), opener_);
    EXPECT_EQ(Window(0)->ActiveItem, 1);
    Key(VK_DOWN);
    EXPECT_EQ(Window(0)->ActiveItem, 4);
    Key(VK_UP);
    EXPECT_EQ(Window(0)->ActiveItem, 1);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(Window(0)->ActiveItem, 1);
    log_.clear();
    Key('A');
    EXPECT_EQ(log_, (TEventLog{"opener 1228", "form 1228", "&Alpha clicked", "opener 1229"}));
}

TEST_F(TSkinMenuChainTest, DownOnTheLastRowOfAScrolledWindowShowsTheFirstRowsAgain)
{
    menu_->MaxMenuItemsInWindow = 3;
    Add(root_.get(), "Off")->SetEnabled(false);
    for (const char* caption : {"B", "C", "D", "E", "F"})
        AddCommand(root_.get(), caption);
    Open(root_.get(), opener_);
    TbsSkinPopupWindow* window = Window(0);
    ASSERT_TRUE(window->Scrollable());
    for (int i = 0; i < 4; ++i)
        Key(VK_DOWN);
    EXPECT_EQ(window->ActiveItem, 5);
    EXPECT_TRUE(window->Item(5)->Visible);
    EXPECT_EQ(window->TopIndex(), 3);
    Key(VK_DOWN);
    EXPECT_EQ(window->TopIndex(), 0);
    EXPECT_EQ(window->ActiveItem, 1);
    EXPECT_TRUE(window->Item(1)->Visible);
}

TEST_F(TSkinMenuChainTest, TheLastTopIndexKeepsTheSkinnedRowsAreaClearOfTheArrows)
{
    // With a separator fourth from the end, counting down to 10 instead of
    // the rows area's top + 10 takes one row too many.
    menu_->MaxMenuItemsInWindow = 3;
    for (const char* caption : {"A", "B", "-", "D", "E", "F"})
        AddCommand(root_.get(), caption);
    Open(root_.get(), opener_);
    TbsSkinPopupWindow* window = Window(0);
    ASSERT_TRUE(window->Scrollable());
    ASSERT_EQ(window->ItemsRect().Top, 6);
    EXPECT_EQ(window->GetLastTopIndex(), 3);
    Key(VK_UP);
    EXPECT_EQ(window->ActiveItem, 5);
    EXPECT_EQ(window->TopIndex(), 3);
    EXPECT_TRUE(window->Item(5)->Visible);
}

TEST_F(TSkinMenuChainTest, TheSkinnedPopupMenuFindsTheFrameOfItsOwnersForm)
{
    auto* panel = new TMenuOpener(menuForm_.get(), &log_, "panel");
    auto* popup = new TbsSkinPopupMenu(panel);
    AddCommand(popup->Items(), "One");
    TEventLog* log = &log_;
    popup->OnPopup = TNotifyEvent::FromCallable([log](TObject*) { log->push_back("popup"); });
    popup->Popup(200, 150);
    PumpMessages();
    EXPECT_EQ(log_, (TEventLog{"popup", "frame active"}));
    ASSERT_EQ(menu_->PopupCount(), 1);
    EXPECT_EQ(popup->SkinData(), data_.get());
    EXPECT_EQ(popup->PopupPoint(), (TPoint{200, 150}));
    EXPECT_EQ(Window(0)->Left(), 200);
    EXPECT_EQ(Window(0)->Top(), 150);

    // Opening again while open leaves the menu mode first.
    log_.clear();
    popup->PopupForControl(opener_, 220, 160);
    EXPECT_EQ(log_, (TEventLog{"popup", "frame inactive", "frame active"}));
    EXPECT_EQ(menu_->PopupCtrl(), opener_);

    // Without a frame nothing shows.
    menu_->CloseMenu();
    auto* loose = new TbsSkinPopupMenu(nullptr);
    AddCommand(loose->Items(), "Two");
    loose->Popup(10, 10);
    EXPECT_EQ(menu_->PopupCount(), 0);
    delete loose;
}

TEST_F(TSkinMenuChainTest, TheFormsCloseMessagesCloseTheChainAndKeysGoToTheLastWindow)
{
    BuildDeepMenu();
    Open(root_.get(), opener_);
    EXPECT_TRUE(frame_->FormMessage(WM_KEYDOWN, VK_RIGHT));
    EXPECT_EQ(menu_->PopupCount(), 2);
    log_.clear();
    EXPECT_FALSE(frame_->FormMessage(WM_LBUTTONDOWN));
    EXPECT_EQ(log_, (TEventLog{"opener 1228", "form 1228"}));
    EXPECT_FALSE(frame_->FormMessage(WM_KEYDOWN, VK_DOWN));
}

TEST_F(TSkinMenuChainTest, AMenuWithoutRowsFromTheStartIndexOpensNothing)
{
    Open(root_.get(), opener_);
    EXPECT_FALSE(menu_->ChainOpen());
    AddCommand(root_.get(), "One");
    menu_->PopupRect(opener_, data_.get(), false, root_.get(), TRect{0, 0, 10, 10}, 1);
    EXPECT_FALSE(menu_->ChainOpen());
    EXPECT_EQ(menu_->PopupCount(), 0);
}

// A command that frees the form whose frame owns the menu, with the
// opener on it: nothing of the chain, the manager or the opener is heard
// of afterwards, whether the row was clicked or chosen with Enter.
class TSkinMenuFormFreedTest : public TSkinMenuChainTest {
protected:
    void OpenQuitMenu()
    {
        AddCommand(root_.get(), "Keep");
        TMenuItem* quit = Add(root_.get(), "Quit");
        quit->OnClick = TNotifyEvent::FromCallable([this](TObject*) {
            log_.push_back("quit");
            menuForm_.reset();
        });
        auto* opener = new TMenuOpener(menuForm_.get(), &log_, "opener");
        Open(root_.get(), opener);
        log_.clear();
    }
};

TEST_F(TSkinMenuFormFreedTest, ByAClick)
{
    OpenQuitMenu();
    ClickRow(0, 1);
    Application->ProcessMessages();
    PumpMessages();
    EXPECT_EQ(menuForm_, nullptr);
    EXPECT_EQ(log_, (TEventLog{"opener 1228", "form 1228", "quit"}));
}

TEST_F(TSkinMenuFormFreedTest, ByEnter)
{
    OpenQuitMenu();
    for (int i = 0; i < 2 && Window(0)->ActiveItem != 1; ++i)
        Key(VK_DOWN);
    ASSERT_EQ(Window(0)->ActiveItem, 1);
    Key(VK_RETURN);
    Application->ProcessMessages();
    PumpMessages();
    EXPECT_EQ(menuForm_, nullptr);
    EXPECT_EQ(log_, (TEventLog{"opener 1228", "form 1228", "quit"}));
}

}  // namespace
