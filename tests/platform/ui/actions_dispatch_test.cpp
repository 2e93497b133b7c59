// Actions reaching what they work on: the idle update through the
// program's own message loop, DisableIfNoHandler, the focused control and
// the forms as targets, and shortcuts that reach actions before the
// focused control sees the key.
#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/base/code_page.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/widgets/panel.h"
#include "platform/ui/widgets/speed_button.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"

namespace {

using TLines = std::vector<std::string>;

// Works on any edit: upper-cases its text; enabled while it has text.
class TUpperCaseAction : public TAction {
public:
    using TAction::TAction;
    bool HandlesTarget(TObject* Target) override { return dynamic_cast<TCustomEdit*>(Target) != nullptr; }
    void UpdateTarget(TObject* Target) override { SetEnabled(!static_cast<TCustomEdit*>(Target)->Text().empty()); }
    void ExecuteTarget(TObject* Target) override
    {
        auto* edit = static_cast<TCustomEdit*>(Target);
        edit->SetText(AnsiUpperCase(edit->Text()));
    }
};

// An action kind that controls of their own choosing take, the way an
// editor takes the standard edit actions.
class TStampAction : public TAction {
public:
    using TAction::TAction;
};

// A control that takes stamp actions: it counts the ones run on it and
// enables them while Ready.
class TStampPad : public TPanel {
public:
    using TPanel::TPanel;
    bool Ready = true;
    int Stamps = 0;

    bool ExecuteAction(TBasicAction* Action) override
    {
        if (!dynamic_cast<TStampAction*>(Action))
            return TPanel::ExecuteAction(Action);
        ++Stamps;
        return true;
    }
    bool UpdateAction(TBasicAction* Action) override
    {
        auto* stamp = dynamic_cast<TStampAction*>(Action);
        if (!stamp)
            return TPanel::UpdateAction(Action);
        stamp->SetEnabled(Ready);
        return true;
    }
};

class TEditorForm : public TForm {
public:
    TEditorForm() : TForm(nullptr)
    {
        SetBounds(40, 40, 400, 220);
        List = new TActionList(this);
        Upper = new TUpperCaseAction(this);
        Upper->SetActionList(List);
        Upper->SetCaption("&Upper");
        Upper->SetShortCut(ShortCut('U', {ssCtrl}));
        First = AddEdit(10);
        Second = AddEdit(40);
        Tool = new TSpeedButton(this);
        Tool->SetBounds(250, 10, 60, 22);
        Tool->SetParent(this);
        Tool->SetAction(Upper);
        Pad = new TStampPad(this);
        Pad->SetBounds(10, 80, 100, 60);
        Pad->SetParent(this);
        Pad->SetTabStop(true);
    }

    TEdit* AddEdit(int Top)
    {
        auto* edit = new TEdit(this);
        edit->SetBounds(10, Top, 200, 22);
        edit->SetParent(this);
        return edit;
    }

    TActionList* List;
    TUpperCaseAction* Upper;
    TEdit* First;
    TEdit* Second;
    TSpeedButton* Tool;
    TStampPad* Pad;
};

class TActionDispatchTest : public TFormTest {
protected:
    // One idle step of the program's loop, after every waiting message.
    static void Idle()
    {
        Process();
        Application->OnIdle = TIdleEvent::FromCallable([](TObject*, bool& Done) { Done = false; });
        Application->HandleMessage();
        Application->OnIdle = {};
    }
};

TEST_F(TActionDispatchTest, TheIdleStepUpdatesTheActionsOfShownClientsOnly)
{
    TEditorForm form;
    auto* save = new TAction(&form);
    save->SetActionList(form.List);
    int updates = 0;
    bool modified = false;
    save->OnUpdate = TNotifyEvent::FromCallable([&](TObject*) {
        ++updates;
        save->SetEnabled(modified);
    });
    auto* button = new TButton(&form);
    button->SetBounds(250, 40, 75, 25);
    button->SetParent(&form);
    button->SetAction(save);
    auto* item = new TMenuItem(&form);
    auto* menu = new TMainMenu(&form);
    menu->Items()->Add(item);
    item->SetAction(save);
    form.SetMenu(menu);

    // A hidden form updates nothing.
    Idle();
    EXPECT_EQ(updates, 0);
    EXPECT_TRUE(button->Enabled());

    form.Show();
    Idle();
    EXPECT_GT(updates, 0);
    EXPECT_FALSE(button->Enabled());
    EXPECT_FALSE(item->Enabled());
    modified = true;
    Idle();
    EXPECT_TRUE(button->Enabled());
    EXPECT_TRUE(item->Enabled());

    // Hidden clients are not asked.
    button->SetVisible(false);
    item->SetVisible(false);
    updates = 0;
    Idle();
    EXPECT_EQ(updates, 0);
    // A client inside a hidden container is hidden too.
    auto* panel = new TPanel(&form);
    panel->SetBounds(120, 80, 100, 60);
    panel->SetParent(&form);
    button->SetParent(panel);
    button->SetVisible(true);
    panel->SetVisible(false);
    Idle();
    EXPECT_EQ(updates, 0);
    panel->SetVisible(true);
    Idle();
    EXPECT_GT(updates, 0);
}

TEST_F(TActionDispatchTest, AnUpdateAsksTheListTheApplicationTheActionAndThenTheTarget)
{
    TEditorForm form;
    TLines log;
    int takenBy = 4;  // which step handles the update; 4: none of the events
    form.List->OnUpdate = TActionEvent::FromCallable([&](TBasicAction*, bool& Handled) {
        log.push_back("list");
        Handled = takenBy == 1;
    });
    Application->OnActionUpdate = TActionEvent::FromCallable([&](TBasicAction*, bool& Handled) {
        log.push_back("application");
        Handled = takenBy == 2;
    });
    form.Upper->OnUpdate = TNotifyEvent::FromCallable([&](TObject*) { log.push_back("action"); });
    form.First->SetText("x");
    form.Show();
    form.First->SetFocus();
    form.Upper->SetEnabled(false);
    Idle();
    EXPECT_EQ(log, (TLines{"list", "application", "action"}));
    EXPECT_FALSE(form.Upper->Enabled());  // the action's own handler took it
    form.Upper->OnUpdate = {};
    log.clear();
    Idle();
    EXPECT_EQ(log, (TLines{"list", "application"}));
    EXPECT_TRUE(form.Upper->Enabled());  // then the focused edit did
    takenBy = 2;
    form.Upper->SetEnabled(false);
    log.clear();
    Idle();
    EXPECT_EQ(log, (TLines{"list", "application"}));
    EXPECT_FALSE(form.Upper->Enabled());
    takenBy = 1;
    log.clear();
    Idle();
    Application->OnActionUpdate = {};
    EXPECT_EQ(log, TLines{"list"});
}

TEST_F(TActionDispatchTest, AnActionNobodyHandlesIsDisabledUnlessItMayNotBe)
{
    TEditorForm form;
    auto* orphan = new TAction(&form);
    orphan->SetActionList(form.List);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    button->SetAction(orphan);
    form.Show();
    Idle();
    EXPECT_FALSE(orphan->Enabled());
    EXPECT_FALSE(button->Enabled());

    // An OnExecute of its own, the list's or the application's keeps an
    // action enabled; so does DisableIfNoHandler off.
    auto kept = [&](auto Setup) {
        auto* action = new TAction(&form);
        auto* client = new TButton(&form);
        client->SetParent(&form);
        client->SetAction(action);
        Setup(action);
        Idle();
        bool enabled = action->Enabled();
        delete client;
        delete action;
        return enabled;
    };
    EXPECT_TRUE(kept([](TAction* A) { A->SetOnExecute(TNotifyEvent::FromCallable([](TObject*) {})); }));
    EXPECT_TRUE(kept([](TAction* A) { A->DisableIfNoHandler = false; }));
    EXPECT_TRUE(kept([&](TAction* A) {
        A->SetActionList(form.List);
        form.List->OnExecute = TActionEvent::FromCallable([](TBasicAction*, bool&) {});
    }));
    form.List->OnExecute = {};
    EXPECT_TRUE(kept([](TAction*) {
        Application->OnActionExecute = TActionEvent::FromCallable([](TBasicAction*, bool&) {});
    }));
    Application->OnActionExecute = {};
    EXPECT_FALSE(kept([](TAction*) {}));
    // An update handler decides alone, and the program's own choice stays.
    EXPECT_TRUE(kept([](TAction* A) { A->OnUpdate = TNotifyEvent::FromCallable([](TObject*) {}); }));
    EXPECT_FALSE(kept([](TAction* A) {
        A->SetOnExecute(TNotifyEvent::FromCallable([](TObject*) {}));
        A->SetEnabled(false);
    }));
}

TEST_F(TActionDispatchTest, TheFocusedControlIsTheTargetOfAnActionThatWorksOnIt)
{
    TEditorForm form;
    form.First->SetText("first");
    form.Second->SetText("");
    form.Show();
    form.First->SetFocus();
    Idle();
    EXPECT_TRUE(form.Upper->Enabled());
    EXPECT_TRUE(form.Tool->Enabled());
    // The empty edit gets the focus: the action follows it.
    form.Second->SetFocus();
    Idle();
    EXPECT_FALSE(form.Upper->Enabled());
    EXPECT_FALSE(form.Tool->Enabled());
    InjectText("ab說c");
    Idle();
    EXPECT_TRUE(form.Tool->Enabled());
    // The speed button takes no focus: its click works on the edit.
    InjectClick(ScreenPoint(form.Tool, 10, 10));
    Process();
    EXPECT_EQ(form.Second->Text(), "AB說C");
    EXPECT_EQ(form.First->Text(), "first");
    // On a control it does not work on, nobody takes it and it is
    // disabled.
    form.Pad->SetFocus();
    Idle();
    EXPECT_FALSE(form.Upper->Enabled());
}

TEST_F(TActionDispatchTest, AControlClassTakesTheActionsOfItsKindAndTheFormsComeAfterIt)
{
    TEditorForm form;
    auto* stamp = new TStampAction(&form);
    stamp->SetActionList(form.List);
    stamp->SetShortCut(ShortCut('T', {ssCtrl}));
    auto* button = new TSpeedButton(&form);
    button->SetBounds(250, 40, 60, 22);
    button->SetParent(&form);
    button->SetAction(stamp);
    form.Show();
    form.Pad->SetFocus();
    Idle();
    EXPECT_TRUE(stamp->Enabled());
    form.Pad->Ready = false;
    Idle();
    EXPECT_FALSE(button->Enabled());
    form.Pad->Ready = true;
    Idle();
    InjectKeyStroke('T', InjectCtrl);
    Process();
    InjectClick(ScreenPoint(button, 10, 10));
    Process();
    EXPECT_EQ(form.Pad->Stamps, 2);

    // With the focus elsewhere the active form is offered the action, and
    // then the main form.
    TLines offered;
    class TFormTarget : public TAction {
    public:
        TFormTarget(TComponent* AOwner, TLines& Log, TCustomForm* Wanted)
            : TAction(AOwner), log_(Log), wanted_(Wanted) {}
        bool HandlesTarget(TObject* Target) override
        {
            auto* control = dynamic_cast<TControl*>(Target);
            log_.push_back(control ? control->Name() : "?");
            return Target == wanted_;
        }
        void ExecuteTarget(TObject*) override { log_.push_back("run"); }

    private:
        TLines& log_;
        TCustomForm* wanted_;
    };
    TForm* main = nullptr;
    Application->CreateForm(main);  // the first form the application makes is the main form
    ASSERT_EQ(Application->MainForm(), main);
    main->SetName("Main");
    form.SetName("Editor");
    form.Second->SetName("Second");
    form.Second->SetFocus();
    TFormTarget toMain(nullptr, offered, main);
    EXPECT_TRUE(toMain.Execute());
    EXPECT_EQ(offered, (TLines{"Second", "Editor", "Main", "Second", "Editor", "Main", "run"}));
    delete main;
}

TEST_F(TActionDispatchTest, AShortCutReachesItsActionBeforeTheFocusedEdit)
{
    TEditorForm form;
    form.Show();
    form.First->SetFocus();
    InjectText("abc");
    Process();
    TLines log;
    auto* selectAll = new TAction(&form);
    selectAll->SetActionList(form.List);
    selectAll->SetShortCut(ShortCut('A', {ssCtrl}));
    selectAll->SetOnExecute(TNotifyEvent::FromCallable([&](TObject*) { log.push_back("action"); }));
    InjectKeyStroke('A', InjectCtrl);
    Process();
    EXPECT_EQ(log, TLines{"action"});
    EXPECT_EQ(form.First->SelLength(), 0);
    EXPECT_EQ(form.First->Text(), "abc");

    // A disabled action lets the key through to the edit.
    selectAll->SetEnabled(false);
    selectAll->OnUpdate = TNotifyEvent::FromCallable([](TObject*) {});
    InjectKeyStroke('A', InjectCtrl);
    Process();
    EXPECT_EQ(log, TLines{"action"});
    EXPECT_EQ(form.First->SelLength(), 3);

    // The form's target-seeking action takes Ctrl+U from the edit: the
    // text changes and no character is typed.
    InjectKeyStroke(VK_END);
    InjectKeyStroke('U', InjectCtrl);
    Process();
    EXPECT_EQ(form.First->Text(), "ABC");

    // OnShortCut and the main menu come first.
    auto* menu = new TMainMenu(&form);
    auto* item = new TMenuItem(&form);
    item->SetCaption("&Upper in menu");
    item->SetShortCut(ShortCut('U', {ssCtrl}));
    item->OnClick = TNotifyEvent::FromCallable([&](TObject*) { log.push_back("menu"); });
    menu->Items()->Add(item);
    form.SetMenu(menu);
    InjectKeyStroke('U', InjectCtrl);
    Process();
    form.OnShortCut = TShortCutEvent::FromCallable([&](TMessage& Key, bool& Handled) {
        if (Key.WParam == 'U') {
            log.push_back("form");
            Handled = true;
        }
    });
    InjectKeyStroke('U', InjectCtrl);
    Process();
    EXPECT_EQ(log, (TLines{"action", "menu", "form"}));
}

}  // namespace
