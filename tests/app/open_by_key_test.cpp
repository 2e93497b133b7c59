// Articles reached by keyboard alone, through the program's message loop:
// Enter on a node of the tree or on a hit of the title search (which Enter
// in its box starts) opens the article as a double click does, with the
// focus in it; the bookmark page's three buttons are its list's context
// menu, and Enter on a bookmark goes to it. A rename box, in the tree or
// the bookmark list, starts with nothing to undo.
#include <functional>

#include "app/db_module.h"
#include "app/main_form.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/syn_text_editor.h"
#include "platform/ui/itemviews/list_item.h"
#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/screen.h"
#include "platform/ui/textedit/edit.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "skin/form/bs_skin_form.h"
#include "tests/app/notes_test_support.h"
#include "tests/app/program_test_support.h"

namespace {

class TOpenByKeyTest : public TProgramTest {
protected:
    void SetUp() override
    {
        TProgramTest::SetUp();
        Start(DataFile());
    }
    static TbsSkinMenu* Menus() { return MainForm->bsSkinForm1->SkinMenu(); }
    // The rows of the context menu Shift+F10 opens on the focused control.
    static std::vector<AnsiString> ContextMenuRows()
    {
        Stroke(VK_F10, InjectShift);
        std::vector<AnsiString> rows;
        if (TbsSkinPopupWindow* window = Menus()->ChainOpen() ? Menus()->LastPopup() : nullptr)
            for (int i = 0; i < window->ItemCount(); ++i)
                rows.push_back(window->Item(i)->MenuItem()->Caption());
        return rows;
    }
    // An article holding "one two" with the caret at (5, 1), and the focus
    // in the bookmark page's list, which is returned.
    TbsSkinListView* ShowBookmarksOfAnArticle()
    {
        TCustomSynTextEditor* editor = NewArticle("說門");
        InjectText("one two");
        Idle();
        editor->SetCaretXY(BufferCoord(5, 1));
        MainForm->LeftPages->SetActivePageIndex(2);
        MainForm->BookMarkList->SetFocus();
        Idle();
        return MainForm->BookMarkList;
    }
    // Runs row Row of the context menu on the focused control by its keys.
    static void RunContextMenuRow(int Row)
    {
        // Down passes disabled rows by.
        ContextMenuRows();
        ASSERT_TRUE(Menus()->ChainOpen());
        for (int i = 0; i < 3 && Menus()->LastPopup()->ActiveItem != Row; ++i)
            Stroke(VK_DOWN);
        ASSERT_EQ(Menus()->LastPopup()->ActiveItem, Row);
        Stroke(VK_RETURN);
    }
};

}  // namespace

TEST_F(TOpenByKeyTest, EnterOnANodeOrASearchHitOpensItsArticleWithTheFocus)
{
    NewArticle("說門");
    NewArticle("中文");
    DBModule->aCloseAllNode->Execute();
    Idle();
    ASSERT_EQ(MainForm->GetEditorCount(), 0);

    MainForm->Tree->SetFocus();
    Stroke(VK_HOME);
    TTreeNode* first = MainForm->Tree->Selected();
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(first->Text(), "說門");
    Stroke(VK_RETURN);
    ASSERT_EQ(OpenTitles(), std::vector<AnsiString>{"說門"});
    TCustomSynTextEditor* editor = ShownArticleEditor();
    ASSERT_TRUE(editor->Focused());
    // The key's character typed nothing on its way.
    InjectText("k");
    Idle();
    EXPECT_EQ(editor->Text(), "k");
    EXPECT_EQ(MainForm->Tree->Selected(), first);

    // The title search: Enter in its box, Tab to the hits, Enter on one.
    MainForm->LeftPages->SetActivePageIndex(1);
    MainForm->SearchText->SetFocus();
    InjectText("中");
    Stroke(VK_RETURN);
    ASSERT_EQ(MainForm->SearchList->Items()->Count(), 1);
    Stroke(VK_TAB);
    ASSERT_TRUE(MainForm->SearchList->Focused());
    Stroke(VK_DOWN);
    Stroke(VK_RETURN);
    EXPECT_EQ(OpenTitles(), (std::vector<AnsiString>{"說門", "中文"}));
    ASSERT_EQ(ActiveArticleEditor(), ShownArticleEditor());
    EXPECT_TRUE(ActiveArticleEditor()->Focused());
    EXPECT_EQ(ActiveArticleEditor()->Text(), "");
}

TEST_F(TOpenByKeyTest, TheBookmarkListsMenuAddsDeletesAndReloadsAndEnterGoesToABookmark)
{
    TbsSkinListView* list = ShowBookmarksOfAnArticle();
    EXPECT_EQ(ContextMenuRows(), (std::vector<AnsiString>{"添加", "删除", "刷新"}));
    Stroke(VK_ESCAPE);
    ASSERT_FALSE(Menus()->ChainOpen());

    // 添加: the new bookmark waits for its name in the list.
    ASSERT_NO_FATAL_FAILURE(RunContextMenuRow(0));
    ASSERT_TRUE(list->IsEditing());
    InjectText("mark");
    Stroke(VK_RETURN);
    ASSERT_EQ(list->Items()->Count(), 1);
    EXPECT_EQ(SelectColumn(DBModule->DataBase(), "select 名称 from Bookmarks"), "mark");

    // Enter on it, with its article saved and closed, opens the article at
    // the mark.
    AnswerBoxes(1);
    DBModule->aCloseAllNode->Execute();
    Idle();
    ASSERT_EQ(MainForm->GetEditorCount(), 0);
    list->SetFocus();
    Stroke(VK_DOWN);
    ASSERT_NE(list->Selected(), nullptr);
    Stroke(VK_RETURN);
    ASSERT_EQ(OpenTitles(), std::vector<AnsiString>{"說門"});
    TCustomSynTextEditor* editor = ShownArticleEditor();
    EXPECT_TRUE(editor->Focused());
    EXPECT_EQ(editor->CaretXY(), BufferCoord(5, 1));
    EXPECT_EQ(editor->Text(), "one two");

    // 删除, then 刷新 shows the list as the file holds it.
    list->SetFocus();
    Stroke(VK_DOWN);
    ASSERT_NO_FATAL_FAILURE(RunContextMenuRow(1));
    EXPECT_EQ(list->Items()->Count(), 0);
    EXPECT_EQ(SelectColumn(DBModule->DataBase(), "select count(*) from Bookmarks"), "0");
    list->Items()->Add()->SetCaption("stale");
    ASSERT_NO_FATAL_FAILURE(RunContextMenuRow(2));
    EXPECT_EQ(list->Items()->Count(), 0);
}

TEST_F(TOpenByKeyTest, EnterOnAViewWithNothingSelectedTakesTheRowShowingTheFocus)
{
    TbsSkinListView* list = ShowBookmarksOfAnArticle();
    ASSERT_NO_FATAL_FAILURE(RunContextMenuRow(0));
    InjectText("mark");
    Stroke(VK_RETURN);
    ASSERT_EQ(list->Items()->Count(), 1);
    AnswerBoxes(1);
    DBModule->aCloseAllNode->Execute();
    Idle();
    ASSERT_EQ(MainForm->GetEditorCount(), 0);

    // A list reached by Tab shows the focus on its bookmark, nothing selected.
    list->SetSelected(nullptr);
    list->SetFocus();
    Idle();
    ASSERT_EQ(list->Selected(), nullptr);
    Stroke(VK_RETURN);
    ASSERT_EQ(OpenTitles(), std::vector<AnsiString>{"說門"});
    EXPECT_TRUE(ShownArticleEditor()->Focused());
    EXPECT_EQ(ShownArticleEditor()->CaretXY(), BufferCoord(5, 1));

    // The tree on a fresh start: the focus on its first node, none selected.
    DBModule->aCloseAllNode->Execute();
    Idle();
    ASSERT_EQ(MainForm->GetEditorCount(), 0);
    MainForm->LeftPages->SetActivePageIndex(0);
    MainForm->Tree->SetSelected(nullptr);
    MainForm->Tree->SetFocus();
    Idle();
    Stroke(VK_RETURN);
    ASSERT_EQ(OpenTitles(), std::vector<AnsiString>{"說門"});
    EXPECT_TRUE(ShownArticleEditor()->Focused());
}

TEST_F(TOpenByKeyTest, ARenameBoxStartsWithNothingToUndo)
{
    TbsSkinListView* list = ShowBookmarksOfAnArticle();
    struct TRename {
        const char* How;
        // Opens the rename box, the focus in it.
        std::function<void()> Open;
        // The name the rename gave.
        std::function<AnsiString()> Name;
    };
    const TRename renames[] = {
        {"F2 on the article's node",
         [] {
             MainForm->LeftPages->SetActivePageIndex(0);
             MainForm->Tree->SetSelected(MainForm->Tree->Items()->GetFirstNode());
             MainForm->Tree->SetFocus();
             Stroke(VK_F2);
         },
         [] { return MainForm->Tree->Items()->GetFirstNode()->Text(); }},
        {"添加 in the bookmark list",
         [list] {
             MainForm->LeftPages->SetActivePageIndex(2);
             list->SetFocus();
             RunContextMenuRow(0);
         },
         [list] { return list->Items()->Item(list->Items()->Count() - 1)->Caption(); }},
        {"F2 on a bookmark",
         [list] {
             list->SetSelected(list->Items()->Item(0));
             list->SetFocus();
             Stroke(VK_F2);
         },
         [list] { return list->Items()->Item(0)->Caption(); }},
    };
    // Each way twice: the second box is the first one's, shown again.
    int renamed = 0;
    for (const TRename& rename : renames)
        for (int round = 0; round < 2; ++round) {
            const AnsiString name = "n" + std::to_string(++renamed);
            SCOPED_TRACE(rename.How + (" to " + name));
            rename.Open();
            auto* box = dynamic_cast<TCustomEdit*>(Screen->ActiveControl());
            ASSERT_NE(box, nullptr);
            const AnsiString shown = box->Text();
            Stroke('Z', InjectCtrl);
            EXPECT_EQ(box->Text(), shown);
            InjectText(name);
            Stroke(VK_RETURN);
            EXPECT_EQ(rename.Name(), name);
        }
    EXPECT_TRUE(TakeBoxes().empty());
}
