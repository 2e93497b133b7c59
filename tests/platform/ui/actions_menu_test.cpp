// Actions behind the items of open menus: a popup level updates its items'
// actions as it opens, and a command picked there runs its action after
// the menu is gone.
#include <gtest/gtest.h>

#include "menu_test_support.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/menu_loop.h"
#include "platform/ui/kernel/popup_menu_window.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"

namespace {

using TLines = std::vector<std::string>;

class TActionMenuTest : public TMenuTest {};

TEST_F(TActionMenuTest, AnOpeningLevelShowsItsActionsAsTheyAreNow)
{
    auto* form = new TForm(nullptr);
    form->SetBounds(100, 100, 400, 300);
    auto* list = new TActionList(form);
    auto* popup = new TPopupMenu(form);
    bool canPaste = false;
    TLines run;
    auto* paste = new TAction(form);
    paste->SetActionList(list);
    paste->SetCaption("&Paste");
    paste->OnUpdate = TNotifyEvent::FromCallable([&](TObject*) { paste->SetEnabled(canPaste); });
    paste->SetOnExecute(TNotifyEvent::FromCallable([&](TObject*) { run.push_back("paste"); }));
    auto* special = new TAction(form);
    special->SetActionList(list);
    special->SetCaption("Paste &special");
    special->OnUpdate = TNotifyEvent::FromCallable([&](TObject*) { special->SetVisible(canPaste); });
    Add(popup->Items(), "&Copy");
    auto* line = new TMenuItem(form);
    line->SetCaption("-");
    popup->Items()->Add(line);
    for (TAction* action : {paste, special}) {
        auto* item = new TMenuItem(form);
        item->SetAction(action);
        popup->Items()->Add(item);
    }
    form->Show();
    SetActiveWindow(form->Handle());
    Process();

    // Nothing to paste: one item is disabled, the other hidden.
    std::string rows;
    Steps({[&] {
        rows = Rows(MenuLoopLevel(0));
        return false;
    }});
    popup->Popup(150, 150);
    EXPECT_EQ(rows, "Copy|-|Paste");
    EXPECT_FALSE(popup->Items()->Items(2)->Enabled());

    // Something to paste now: both show, and the last but one runs.
    canPaste = true;
    Steps({[&] {
        rows = Rows(MenuLoopLevel(0));
        InjectKeyStroke(VK_UP);
        InjectKeyStroke(VK_UP);
        InjectKeyStroke(VK_RETURN);
        return true;
    }});
    popup->Popup(150, 150);
    EXPECT_EQ(rows, "Copy|-|Paste|Paste special");
    EXPECT_EQ(run, TLines{"paste"});
    EXPECT_FALSE(AnyMenuWindowShown());
    delete form;
}

}  // namespace
