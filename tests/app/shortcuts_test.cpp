// The program's shortcuts, typed into an article: every action's shortcut
// reaches its action through the program's message loop, whether the action sits on
// the main window, the action module or the database module, and before
// the editor sees the key.
#include <set>

#include "app/about_form.h"
#include "app/action_module.h"
#include "app/db_module.h"
#include "app/main_form.h"
#include "app/new_form.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/form/bs_skin_form.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/syn_text_editor.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/textedit/edit.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "tests/app/program_test_support.h"

namespace {

class TShortcutTest : public TProgramTest {
protected:
    // A key as the user presses it: the program has been idle (its actions
    // updated) since the last one.
    static void Type(TShortCut Key) { TypeShortCut(Key); }

    // Starts with a database and one article open, its editor focused.
    void StartWithArticle()
    {
        Start(DataFile());
        TModalAnswers::Push([](const TModalRequest& Request) {
            static_cast<TNewForm*>(Request.Form)->Edit1->SetText("說門");
            return mrOk;
        });
        DBModule->aNewNodeB->Execute();
        ASSERT_NE(ActiveArticleEditor(), nullptr);
        ASSERT_TRUE(ActiveArticleEditor()->Focused());
    }
};

}  // namespace

TEST_F(TShortcutTest, EveryActionsShortcutRunsItWhereverTheActionSits)
{
    StartWithArticle();
    // Each list records what runs instead of running it, with every action
    // enabled, so that only the way from the key to the action is tested.
    std::vector<AnsiString> ran;
    std::vector<TCustomAction*> actions;
    for (TCustomActionList* list : {ActionModule->ActionList, DBModule->DBActions, MainForm->FormActions}) {
        list->OnUpdate = TActionEvent::FromCallable([](TBasicAction* Action, bool& Handled) {
            static_cast<TCustomAction*>(Action)->SetEnabled(true);
            Handled = true;
        });
        list->OnExecute = TActionEvent::FromCallable([&ran](TBasicAction* Action, bool& Handled) {
            ran.push_back(Action->Name());
            Handled = true;
        });
        for (int i = 0; i < list->ActionCount(); ++i)
            if (auto* action = static_cast<TCustomAction*>(list->Actions(i)); action->ShortCut() != scNone)
                actions.push_back(action);
    }
    ASSERT_EQ(actions.size(), 56u);
    const AnsiString text = ActiveArticleEditor()->Text();
    for (TCustomAction* action : actions) {
        ran.clear();
        Type(action->ShortCut());
        EXPECT_EQ(ran, std::vector<AnsiString>{action->Name()}) << ShortCutToText(action->ShortCut());
    }
    // The editor saw none of the keys.
    EXPECT_EQ(ActiveArticleEditor()->Text(), text);
}

TEST_F(TShortcutTest, TheProgramsKeysDoTheirWork)
{
    StartWithArticle();
    TCustomSynTextEditor* editor = ActiveArticleEditor();
    InjectText("中文");
    Application->ProcessMessages();
    ASSERT_TRUE(editor->Modified());

    Type(scCtrl | 'S');
    EXPECT_FALSE(editor->Modified());
    EXPECT_EQ(editor->Text(), "中文");

    Type(scCtrl | scShift | '3');
    int x = 0, y = 0;
    EXPECT_TRUE(editor->GetBookMark(3, x, y));

    // The dialogs the keys open, each answered "cancel".
    std::vector<AnsiString> captions;
    for (int i = 0; i < 3; ++i)
        TModalAnswers::Push([&captions](const TModalRequest& Request) {
            captions.push_back(Request.Caption);
            return mrCancel;
        });
    Type(scCtrl | 'N');
    Type(scCtrl | 'O');
    Type(VK_F1);
    EXPECT_EQ(captions, (std::vector<AnsiString>{"新建文章", "打开文档库...", "关于"}));
    EXPECT_EQ(TModalAnswers::Count(), 0);
    EXPECT_EQ(editor->Text(), "中文");
}

TEST_F(TShortcutTest, AltSpaceOpensTheSkinnedSystemMenuAndTheMenuKeysStillWork)
{
    StartWithArticle();
    TbsSkinMenu* menu = MainForm->bsSkinForm1->SkinMenu();
    Type(scAlt | VK_SPACE);
    EXPECT_TRUE(menu->ChainOpen());
    InjectKeyStroke(VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_FALSE(menu->ChainOpen());
    EXPECT_EQ(ActiveArticleEditor()->Text(), "");

    InjectText("a");
    Type(scCtrl | 'S');
    EXPECT_FALSE(ActiveArticleEditor()->Modified());
}
