// A new user's first session and the next start, with the whole program
// brought up and down twice in one process: the default database made, a
// folder with two articles added through the actions, typing, a language
// and an option set, a save by Ctrl+S, a bookmark and an attachment, a
// changed article saved at the exit's question; then everything found
// again. Also an article closed with "丢弃" after its caret moved past the
// stored text.
#include <filesystem>
#include <fstream>

#include "app/action_module.h"
#include "app/attr_form.h"
#include "app/db_module.h"
#include "app/main_form.h"
#include "app/new_form.h"
#include "app/node_tree.h"
#include "editor/highlighting/syn_highlighter.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/syn_text_editor.h"
#include "platform/ui/itemviews/list_item.h"
#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/itemviews/tree_view.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/textedit/edit.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "skin/controls/bs_skin_page_control.h"
#include "tests/support/test_data.h"
#include "tests/app/program_test_support.h"

namespace {

class TEndToEndTest : public TProgramTest {
protected:
    // Keys as a user types them, the program idle before each.
    static void Key(UINT VirtualKey, UINT Modifiers = 0)
    {
        Idle();
        InjectKeyStroke(VirtualKey, Modifiers);
        Application->ProcessMessages();
    }
    static void Type(const AnsiString& Text)
    {
        Idle();
        InjectText(Text);
        Application->ProcessMessages();
    }

    static void NewNode(TCustomAction* Action, const AnsiString& Title)
    {
        TModalAnswers::Push([Title](const TModalRequest& Request) {
            static_cast<TNewForm*>(Request.Form)->Edit1->SetText(Title);
            return mrOk;
        });
        Idle();
        Action->Execute();
        ASSERT_EQ(TModalAnswers::Count(), 0);
    }

    static AnsiString LanguageOf(TCustomSynTextEditor* Editor)
    {
        return Editor->Highlighter() ? Editor->Highlighter()->GetFriendlyLanguageName() : AnsiString();
    }
};

}  // namespace

TEST_F(TEndToEndTest, ANewUsersNotesAreAllThereAtTheNextStart)
{
    // 1. The first start makes the default database.
    Start(DataFile());
    ASSERT_TRUE(DBModule->Connected());
    ASSERT_TRUE(std::filesystem::exists(DataFile()));

    // 2. A folder, and two articles in it.
    NewNode(DBModule->aNewNodeA, "說門 folder");
    TCustomTreeView* tree = MainForm->GetNodeTree();
    ASSERT_EQ(tree->Items()->Count(), 1);
    tree->SetSelected(tree->Items()->Item(0));
    NewNode(DBModule->aNewNodeB, "中文 one");
    TCustomSynTextEditor* first = ActiveArticleEditor();
    ASSERT_NE(first, nullptr);

    // 3. Text typed into the first, and its language and tab width set in
    // its properties.
    Type("說門中文");
    Key(VK_RETURN);
    Type("second line\tend");
    Key(VK_RETURN);
    Type("第三 乗\\ line");
    TModalAnswers::Push([](const TModalRequest& Request) {
        auto* form = static_cast<TAttrForm*>(Request.Form);
        form->SelectLanguage("Python");
        form->SynText->SetTabWidth(3);
        return mrOk;
    });
    Idle();
    DBModule->aNodeAttr->Execute();
    ASSERT_EQ(TModalAnswers::Count(), 0);
    EXPECT_EQ(LanguageOf(first), "Python");

    // 4. Saved with Ctrl+S; a bookmark named in place; an attachment.
    Key('S', InjectCtrl);
    EXPECT_FALSE(first->Modified());
    // The bookmark page, where its add button is.
    MainForm->LeftPages->SetActivePageIndex(2);
    Idle();
    MainForm->aSynAddBookmark->Execute();
    Type("說門 mark");
    Key(VK_RETURN);
    const std::string attachment = folder_ + "/notes.bin";
    std::ofstream(attachment, std::ios::binary) << std::string("\x00\x01\xD5\x66\xE9\x54", 6);
    AnswerFileDialog(attachment);
    first->SetFocus();
    Idle();
    DBModule->aAddAttachment->Execute();
    ASSERT_EQ(TModalAnswers::Count(), 0);
    ASSERT_EQ(MainForm->GetAttachmentList()->Items()->Count(), 1);

    // 5. The second article, changed and saved by the question at exit.
    tree->SetSelected(tree->Items()->Item(0));
    NewNode(DBModule->aNewNodeB, "two");
    TCustomSynTextEditor* second = ActiveArticleEditor();
    ASSERT_NE(second, first);
    Type("only in the second");
    const AnsiString firstText = first->Text();
    const AnsiString secondText = second->Text();
    const int firstCaret = first->SelStart();
    const int secondCaret = second->SelStart();
    AnswerBoxes(1, 1);  // "保存"
    CloseAndStop();
    ASSERT_EQ(TakeBoxes().size(), 1u);

    // 6. The next start finds it all.
    Start(DataFile());
    tree = MainForm->GetNodeTree();
    ASSERT_EQ(tree->Items()->Count(), 3);
    TTreeNode* folder = tree->Items()->Item(0);
    EXPECT_EQ(folder->Text(), "說門 folder");
    ASSERT_EQ(folder->Count(), 2);
    EXPECT_EQ(folder->Item(0)->Text(), "中文 one");
    EXPECT_EQ(folder->Item(1)->Text(), "two");

    first = DBModule->OpenNode(NodeIdOf(folder->Item(0)));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Text(), firstText);
    EXPECT_EQ(first->SelStart(), firstCaret);
    EXPECT_EQ(LanguageOf(first), "Python");
    EXPECT_EQ(first->TabWidth(), 3);
    ASSERT_EQ(MainForm->GetAttachmentList()->Items()->Count(), 1);
    EXPECT_EQ(MainForm->GetAttachmentList()->Items()->Item(0)->Caption(), "notes.bin");
    const int attachmentId =
        static_cast<int>(reinterpret_cast<intptr_t>(MainForm->GetAttachmentList()->Items()->Item(0)->Data));
    DBModule->SaveAttachmentAs(attachmentId, folder_ + "/back.bin");
    EXPECT_EQ(ReadWholeFile(folder_ + "/back.bin"), ReadWholeFile(attachment));

    second = DBModule->OpenNode(NodeIdOf(folder->Item(1)));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Text(), secondText);
    EXPECT_EQ(second->SelStart(), secondCaret);
    EXPECT_EQ(LanguageOf(second), "");

    ASSERT_EQ(MainForm->GetBookMarkList()->Items()->Count(), 1);
    EXPECT_EQ(MainForm->GetBookMarkList()->Items()->Item(0)->Caption(), "說門 mark");
    CloseAndStop();
}

TEST_F(TEndToEndTest, AnArticleDiscardedWithItsCaretPastTheStoredTextOpensWithTheCaretAtTheEnd)
{
    Start(DataFile());
    NewNode(DBModule->aNewNodeB, "short");
    TCustomSynTextEditor* editor = ActiveArticleEditor();
    Type("中文");
    Key('S', InjectCtrl);
    Type(" and much more that is never saved");
    ASSERT_GT(editor->SelStart(), 4);
    AnswerBoxes(1, 2);  // "丢弃"
    Idle();
    DBModule->aCloseNode->Execute();
    ASSERT_EQ(TakeBoxes().size(), 1u);
    ASSERT_EQ(ActionModule->Manager->GetEditorCount(), 0);

    editor = DBModule->OpenNode(NodeIdOf(MainForm->GetNodeTree()->Items()->Item(0)));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Text(), "中文");
    EXPECT_EQ(editor->SelStart(), 4);
    EXPECT_TRUE(TakeBoxes().empty());
}
