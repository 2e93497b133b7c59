// Actions and their clients as a program uses them: a menu item and
// buttons following one action, its hint, clicks and shortcuts running it,
// radio groups, the order of the handlers, and actions or clients freed
// while the others still refer to them.
#include "platform/ui/kernel/actions.h"

#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/kernel/hint_window.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/widgets/radio_button.h"
#include "platform/ui/widgets/speed_button.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/window_attributes.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"

namespace {

using TLines = std::vector<std::string>;

TNotifyEvent Log(TLines& Lines, const std::string& Name)
{
    return TNotifyEvent::FromCallable([&Lines, Name](TObject*) { Lines.push_back(Name); });
}

// A form with an action list, a popup menu and a few buttons, the way a
// program builds one in code.
class TActionForm : public TForm {
public:
    TActionForm() : TForm(nullptr)
    {
        SetBounds(40, 40, 360, 200);
        List = new TActionList(this);
        Popup = new TPopupMenu(this);
        Save = NewAction("&Save", ShortCut('S', {ssCtrl}));
        Item = new TMenuItem(this);
        Popup->Items()->Add(Item);
        Item->SetAction(Save);
        Button = new TButton(this);
        Button->SetBounds(10, 10, 75, 25);
        Button->SetParent(this);
        Button->SetAction(Save);
    }

    TAction* NewAction(const AnsiString& Caption, TShortCut Key = scNone)
    {
        auto* action = new TAction(this);
        action->SetActionList(List);
        action->SetCaption(Caption);
        action->SetShortCut(Key);
        return action;
    }

    TActionList* List;
    TPopupMenu* Popup;
    TAction* Save;
    TMenuItem* Item;
    TButton* Button;
};

class TActionTest : public TFormTest {};

TEST_F(TActionTest, AMenuItemAndAButtonShowWhatTheActionShows)
{
    TActionForm form;
    // Linking takes the action's state at once.
    EXPECT_EQ(form.Item->Caption(), "&Save");
    EXPECT_EQ(form.Button->Caption(), "&Save");
    EXPECT_EQ(ShortCutToText(form.Item->ShortCut()), "Ctrl+S");
    EXPECT_EQ(form.Item->Action(), form.Save);
    EXPECT_EQ(form.Button->Action(), form.Save);

    form.Save->SetCaption("保存(&S)");
    form.Save->SetHint("Save|Saves the article");
    form.Save->SetImageIndex(3);
    form.Save->SetShortCut(ShortCut(VK_F2, {ssShift}));
    EXPECT_EQ(form.Item->Caption(), "保存(&S)");
    EXPECT_EQ(form.Button->Caption(), "保存(&S)");
    EXPECT_EQ(form.Item->Hint(), "Save|Saves the article");
    EXPECT_EQ(form.Button->Hint, "Save|Saves the article");
    EXPECT_EQ(form.Item->ImageIndex(), 3);
    EXPECT_EQ(ShortCutToText(form.Item->ShortCut()), "Shift+F2");

    form.Save->SetEnabled(false);
    EXPECT_FALSE(form.Item->Enabled());
    EXPECT_FALSE(form.Button->Enabled());
    form.Save->SetChecked(true);
    EXPECT_TRUE(form.Item->Checked());
    form.Save->SetVisible(false);
    EXPECT_FALSE(form.Item->Visible());
    EXPECT_FALSE(form.Button->Visible());
    form.Save->SetVisible(true);
    form.Save->SetEnabled(true);
    EXPECT_TRUE(form.Item->Visible() && form.Item->Enabled());
    EXPECT_TRUE(form.Button->Visible() && form.Button->Enabled());

    // A second action moves the clients over; the first one no longer
    // reaches them.
    TAction* other = form.NewAction("Other");
    form.Button->SetAction(other);
    EXPECT_EQ(form.Button->Caption(), "Other");
    form.Save->SetCaption("Keep");
    EXPECT_EQ(form.Button->Caption(), "Other");
    EXPECT_EQ(form.Item->Caption(), "Keep");
    // Without an action the client keeps what it shows.
    form.Item->SetAction(nullptr);
    form.Save->SetCaption("Gone");
    EXPECT_EQ(form.Item->Caption(), "Keep");
    EXPECT_EQ(form.Item->Action(), nullptr);
}

TEST_F(TActionTest, TheActionsHintShowsItsShortPartOverTheButtonAndItsLongPartAsTheStatus)
{
    TActionForm form;
    form.Save->SetHint("Save|Saves the article to the notes file");
    form.Button->SetShowHint(true);
    form.Show();
    Process();
    InjectMouseMove(ScreenPoint(form.Button, 20, 10));
    Process();
    EXPECT_EQ(Application->Hint(), "Saves the article to the notes file");
    AdvanceClock(Application->HintPause + 10);
    Process();
    THintWindow* hint = Application->HintWindow();
    ASSERT_NE(hint, nullptr);
    ASSERT_TRUE(IsWindowVisible(hint->Handle()));
    EXPECT_EQ(hint->Caption(), "Save");
    InjectMouseMove(ScreenPoint(&form, 300, 150));
    Process();
}

TEST_F(TActionTest, TheActionsOnHintMayRewordOrWithholdTheHintOfItsButton)
{
    TActionForm form;
    form.Save->SetHint("Save|Saves the article");
    form.Button->SetShowHint(true);
    bool allow = true;
    std::vector<AnsiString> asked;
    form.Save->OnHint = TActionHintEvent::FromCallable([&](AnsiString& HintStr, bool& CanShow) {
        asked.push_back(HintStr);
        HintStr += " (Ctrl+S)";
        CanShow = allow;
    });
    form.Show();
    Process();
    const auto hintShown = [] {
        THintWindow* hint = Application->HintWindow();
        return hint && hint->HandleAllocated() && IsWindowVisible(hint->Handle());
    };
    InjectMouseMove(ScreenPoint(form.Button, 20, 10));
    Process();
    AdvanceClock(Application->HintPause + 10);
    Process();
    ASSERT_TRUE(hintShown());
    EXPECT_EQ(Application->HintWindow()->Caption(), "Save (Ctrl+S)");
    EXPECT_EQ(asked, std::vector<AnsiString>{"Save"});
    // Refused: no hint window comes, though the action was asked again.
    InjectMouseMove(ScreenPoint(&form, 300, 150));
    Process();
    allow = false;
    InjectMouseMove(ScreenPoint(form.Button, 22, 12));
    Process();
    AdvanceClock(Application->HintPause + 10);
    Process();
    EXPECT_FALSE(hintShown());
    EXPECT_EQ(asked.size(), 2u);
    InjectMouseMove(ScreenPoint(&form, 300, 150));
    Process();
    Application->CancelHint();
}

TEST_F(TActionTest, ClicksOnTheButtonAndTheItemRunTheActionForTheirClient)
{
    TActionForm form;
    TLines log;
    form.Save->SetOnExecute(TNotifyEvent::FromCallable([&](TObject* Sender) {
        auto* action = static_cast<TBasicAction*>(Sender);
        log.push_back(action->ActionComponent() == form.Button ? "button" : action->ActionComponent() == form.Item ? "item" : "?");
    }));
    form.Show();
    Process();
    InjectClick(ScreenPoint(form.Button, 20, 10));
    Process();
    form.Item->Click();
    EXPECT_EQ(log, (TLines{"button", "item"}));
    EXPECT_EQ(form.Save->ActionComponent(), nullptr);

    // A disabled action does not run, whoever asks.
    form.Save->SetEnabled(false);
    EXPECT_FALSE(form.Save->Execute());
    form.Item->Click();
    EXPECT_EQ(log.size(), 2u);
    form.Save->SetEnabled(true);

    // An OnClick of the client's own runs instead of the action; the
    // action's own handler given as OnClick runs through the action.
    form.Button->OnClick = Log(log, "own");
    InjectClick(ScreenPoint(form.Button, 20, 10));
    Process();
    form.Button->OnClick = form.Save->OnExecute();
    InjectClick(ScreenPoint(form.Button, 20, 10));
    Process();
    EXPECT_EQ(log, (TLines{"button", "item", "own", "button"}));
}

TEST_F(TActionTest, ExecutionAsksTheListTheApplicationAndThenTheAction)
{
    TActionForm form;
    TLines log;
    bool listTakes = false;
    bool applicationTakes = false;
    form.List->OnExecute = TActionEvent::FromCallable([&](TBasicAction* Action, bool& Handled) {
        log.push_back("list:" + static_cast<TCustomAction*>(Action)->Caption());
        Handled = listTakes;
    });
    Application->OnActionExecute = TActionEvent::FromCallable([&](TBasicAction*, bool& Handled) {
        log.push_back("application");
        Handled = applicationTakes;
    });
    form.Save->SetOnExecute(Log(log, "action"));
    EXPECT_TRUE(form.Save->Execute());
    applicationTakes = true;
    EXPECT_TRUE(form.Save->Execute());
    listTakes = true;
    EXPECT_TRUE(form.Save->Execute());
    Application->OnActionExecute = {};
    EXPECT_EQ(log, (TLines{"list:&Save", "application", "action", "list:&Save", "application", "list:&Save"}));
}

TEST_F(TActionTest, AutoCheckWithAGroupIndexMakesARadioGroup)
{
    TActionForm form;
    TAction* views[3];
    TMenuItem* items[3];
    TRadioButton* radios[3];
    const char* names[3] = {"&Tree", "&List", "&Icons"};
    TLines log;
    for (int i = 0; i < 3; ++i) {
        views[i] = form.NewAction(names[i]);
        views[i]->SetGroupIndex(1);
        views[i]->SetAutoCheck(true);
        views[i]->SetOnExecute(Log(log, names[i]));
        items[i] = new TMenuItem(&form);
        form.Popup->Items()->Add(items[i]);
        items[i]->SetAction(views[i]);
        radios[i] = new TRadioButton(&form);
        radios[i]->SetBounds(10, 60 + 20 * i, 100, 17);
        radios[i]->SetParent(&form);
        radios[i]->SetAction(views[i]);
    }
    auto checked = [&] {
        std::string s;
        for (int i = 0; i < 3; ++i)
            s += std::string(views[i]->Checked() ? "A" : "a") + (items[i]->Checked() ? "M" : "m") +
                 (radios[i]->Checked() ? "R" : "r") + " ";
        return s;
    };
    items[1]->Click();
    EXPECT_EQ(checked(), "amr AMR amr ");
    items[2]->Click();
    EXPECT_EQ(checked(), "amr amr AMR ");
    // The checked one stays checked: a group always has one.
    items[2]->Click();
    EXPECT_EQ(checked(), "amr amr AMR ");
    // A click on a radio button runs its action once and checks the group.
    form.Show();
    Process();
    InjectClick(ScreenPoint(radios[0], 5, 8));
    Process();
    EXPECT_EQ(checked(), "AMR amr amr ");
    EXPECT_EQ(log, (TLines{"&List", "&Icons", "&Icons", "&Tree"}));

    // Without a group AutoCheck toggles; a check box follows without
    // running the action again.
    TAction* wrap = form.NewAction("&Wrap");
    wrap->SetAutoCheck(true);
    wrap->SetOnExecute(Log(log, "wrap"));
    auto* box = new TCheckBox(&form);
    box->SetBounds(150, 60, 100, 17);
    box->SetParent(&form);
    box->SetAction(wrap);
    log.clear();
    InjectClick(ScreenPoint(box, 5, 8));
    Process();
    EXPECT_TRUE(wrap->Checked());
    EXPECT_TRUE(box->Checked());
    wrap->Execute();
    EXPECT_FALSE(wrap->Checked());
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(log, (TLines{"wrap", "wrap"}));
    // Joining a group with a checked action unchecks the others there.
    wrap->SetChecked(true);
    wrap->SetGroupIndex(1);
    EXPECT_EQ(checked(), "amr amr amr ");
    EXPECT_TRUE(wrap->Checked());
}

TEST_F(TActionTest, GroupedSpeedButtonsAreDownWhileTheirActionsAreChecked)
{
    TActionForm form;
    TAction* bold = form.NewAction("B");
    bold->SetAutoCheck(true);
    TAction* left = form.NewAction("L");
    TAction* right = form.NewAction("R");
    TSpeedButton* buttons[3];
    TAction* actions[3] = {bold, left, right};
    int groups[3] = {1, 2, 2};
    for (int i = 0; i < 3; ++i) {
        actions[i]->SetOnExecute(TNotifyEvent::FromCallable([](TObject*) {}));
        buttons[i] = new TSpeedButton(&form);
        buttons[i]->SetBounds(100 + 30 * i, 10, 24, 24);
        buttons[i]->SetParent(&form);
        buttons[i]->SetGroupIndex(groups[i]);
        buttons[i]->SetAction(actions[i]);
    }
    buttons[0]->SetAllowAllUp(true);
    left->SetGroupIndex(2);
    right->SetGroupIndex(2);
    left->SetAutoCheck(true);
    right->SetAutoCheck(true);
    auto down = [&] {
        return std::string(buttons[0]->Down() ? "D" : "u") + (buttons[1]->Down() ? "D" : "u") +
               (buttons[2]->Down() ? "D" : "u");
    };
    form.Show();
    Process();
    // A toggling button goes down and up with its action.
    InjectClick(ScreenPoint(buttons[0], 5, 5));
    Process();
    EXPECT_TRUE(bold->Checked());
    EXPECT_EQ(down(), "Duu");
    bold->Execute();
    EXPECT_EQ(down(), "uuu");
    // The action decides even where the button alone would stay down.
    InjectClick(ScreenPoint(buttons[1], 5, 5));
    Process();
    EXPECT_EQ(down(), "uDu");
    right->Execute();
    EXPECT_EQ(down(), "uuD");
    right->SetChecked(false);
    EXPECT_EQ(down(), "uuu");
    EXPECT_FALSE(left->Checked());
}

TEST_F(TActionTest, SecondaryShortCutsRunTheActionButOnlyTheFirstIsShown)
{
    TActionForm form;
    int runs = 0;
    form.Save->SetOnExecute(TNotifyEvent::FromCallable([&](TObject*) { ++runs; }));
    form.Save->SecondaryShortCuts()->Add("Shift+Ctrl+S");
    form.Save->SecondaryShortCuts()->Add("F12");
    form.Save->SecondaryShortCuts()->Add("Hyper+Q");
    EXPECT_EQ(form.Save->SecondaryShortCuts()->ShortCuts(0), ShortCut('S', {ssShift, ssCtrl}));
    EXPECT_EQ(form.Save->SecondaryShortCuts()->Strings(2), "Hyper+Q");
    EXPECT_EQ(form.Save->SecondaryShortCuts()->ShortCuts(2), scNone);
    EXPECT_EQ(ShortCutToText(form.Item->ShortCut()), "Ctrl+S");
    EXPECT_TRUE(form.Save->HasShortCut(ShortCut(VK_F12, {})));
    EXPECT_FALSE(form.Save->HasShortCut(scNone));

    TMessage key{WM_KEYDOWN, VK_F12, 0, 0};
    EXPECT_TRUE(form.List->IsShortCut(key));
    EXPECT_EQ(runs, 1);
    TMessage other{WM_KEYDOWN, VK_F11, 0, 0};
    EXPECT_FALSE(form.List->IsShortCut(other));
    // A disabled action lets its key go on.
    form.Save->SetEnabled(false);
    EXPECT_FALSE(form.List->IsShortCut(key));
    EXPECT_EQ(runs, 1);
}

TEST_F(TActionTest, AFreedActionLeavesItsClientsAsTheyWere)
{
    TActionForm form;
    TLines log;
    form.Button->OnClick = {};
    delete form.Save;
    EXPECT_EQ(form.Button->Action(), nullptr);
    EXPECT_EQ(form.Item->Action(), nullptr);
    EXPECT_EQ(form.Button->Caption(), "&Save");
    EXPECT_EQ(form.List->ActionCount(), 0);
    // Clicks find no action and run what the client has of its own.
    form.Item->Click();
    form.Item->OnClick = Log(log, "item");
    form.Item->Click();
    form.Show();
    Process();
    InjectClick(ScreenPoint(form.Button, 20, 10));
    Process();
    EXPECT_EQ(log, TLines{"item"});
    form.Item->SetAction(nullptr);
}

TEST_F(TActionTest, AClientFreedFirstIsNoLongerTold)
{
    TActionForm form;
    delete form.Item;
    delete form.Button;
    form.Save->SetCaption("After");
    form.Save->SetEnabled(false);
    EXPECT_EQ(form.Save->Caption(), "After");
}

TEST_F(TActionTest, AnActionMayFreeItsClientItsFormOrItselfWhileItRuns)
{
    // The button's click frees the form holding the button, the list and
    // the action.
    auto* form = new TActionForm;
    form->Save->SetOnExecute(TNotifyEvent::FromCallable([form](TObject*) { delete form; }));
    form->Show();
    Process();
    InjectClick(ScreenPoint(form->Button, 20, 10));
    Process();

    // An action freeing itself from its handler, reached through a menu
    // item that stays.
    TActionForm other;
    TAction* save = other.Save;
    save->SetOnExecute(TNotifyEvent::FromCallable([save](TObject*) { delete save; }));
    save->SetAutoCheck(true);
    other.Item->Click();
    EXPECT_EQ(other.Item->Action(), nullptr);
    EXPECT_TRUE(other.Item->Checked());

    // The list freed first frees its actions.
    TAction* kept = other.NewAction("Kept");
    other.Button->SetAction(kept);
    delete other.List;
    EXPECT_EQ(other.Button->Action(), nullptr);
    EXPECT_EQ(other.Button->Caption(), "Kept");
}

}  // namespace
