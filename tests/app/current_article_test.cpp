// The article the page control shows is the current one, through the
// program's message loop: after its neighbour's tab is closed by the menu,
// after a cancelled exit closed some tabs, after a tab is clicked and after
// a deletion, the commands, the attachment list, the status bar, typing and
// F6 all speak of the article on show.
#include <fstream>
#include <functional>
#include <string>

#include "app/db_module.h"
#include "app/main_form.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/streams.h"
#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/clipboard.h"
#include "platform/win/clipboard_text.h"
#include "platform/win/headless_input.h"
#include "platform/win/message_queue.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "skin/controls/bs_skin_label.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_status_bar.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "tests/app/notes_test_support.h"
#include "tests/app/program_test_support.h"

namespace {

class TCurrentArticleTest : public TProgramTest {
protected:
    void SetUp() override
    {
        TProgramTest::SetUp();
        Start(DataFile());
    }
    // Status panels 1 to 3: line, column, modified.
    static std::vector<AnsiString> CaretPanels()
    {
        return {MainForm->StatusPanels[0]->Caption(), MainForm->StatusPanels[1]->Caption(),
                MainForm->StatusPanels[2]->Caption()};
    }
    // Article "說門", modified, its caret on line 2 column 3, with one
    // attachment; then article "中文", untouched, which has the focus.
    void OpenTwoArticles()
    {
        first_ = NewArticle("說門");
        InjectText("one");
        Stroke(VK_RETURN);
        InjectText("ab");
        Idle();
        const AnsiString file = folder_ + "/att.txt";
        {
            TFileStream out(file, fmCreate);
            out.WriteBuffer("x", 1);
        }
        DBModule->AddAttachments(first_, {file});
        second_ = NewArticle("中文");
        ASSERT_TRUE(second_->Focused());
        ASSERT_EQ(MainForm->List->Items()->Count(), 0);
    }
    // What a user of the first article sees and can do with it.
    void ExpectFirstArticleCurrent()
    {
        ASSERT_EQ(OpenTitles(), std::vector<AnsiString>{"說門"});
        ASSERT_EQ(ShownArticleEditor(), first_);
        EXPECT_EQ(ActiveArticleEditor(), first_);
        EXPECT_TRUE(first_->Focused());
        EXPECT_EQ(CaretPanels(), (std::vector<AnsiString>{"行 2", "列 3", "修改"}));
        EXPECT_EQ(MainForm->List->Items()->Count(), 1);
        Idle();
        EXPECT_TRUE(DBModule->aCloseNode->Enabled());
        EXPECT_TRUE(DBModule->aSaveNode->Enabled());
    }

    TCustomSynTextEditor* first_ = nullptr;
    TCustomSynTextEditor* second_ = nullptr;
};

}  // namespace

TEST_F(TCurrentArticleTest, AfterTheMenuClosedAnArticleTheOneShownTakesTheKeysAndCommands)
{
    ASSERT_NO_FATAL_FAILURE(OpenTwoArticles());
    Stroke('F', InjectAlt);
    Stroke('L');
    ASSERT_NO_FATAL_FAILURE(ExpectFirstArticleCurrent());

    InjectText("c");
    Idle();
    EXPECT_EQ(first_->Text(), "one\r\nabc");
    // F6 walks the list, the tree and back into the article.
    Stroke(VK_F6);
    EXPECT_EQ(Screen->ActiveControl(), MainForm->List);
    Stroke(VK_F6);
    Stroke(VK_F6);
    EXPECT_TRUE(first_->Focused());
}

TEST_F(TCurrentArticleTest, AfterACancelledExitTheArticleLeftIsCurrentAndCtrlSSavesIt)
{
    ASSERT_NO_FATAL_FAILURE(OpenTwoArticles());
    // The second article closes unasked; the first one's question is
    // cancelled, which keeps the window.
    AnswerBoxes(1, 3);
    PostMessage(MainForm->Handle(), WM_CLOSE, 0, 0);
    Idle();
    ASSERT_EQ(TakeBoxes().size(), 1u);
    ASSERT_TRUE(MainForm->Visible());
    ASSERT_NO_FATAL_FAILURE(ExpectFirstArticleCurrent());

    Stroke('S', InjectCtrl);
    EXPECT_EQ(SelectColumn(DBModule->DataBase(), "select 内容 from Contents where 标识=1"), "one\r\nab");
    EXPECT_FALSE(first_->Modified());
}

TEST_F(TCurrentArticleTest, TheStatusBarSpeaksOfAClickedTabsArticleAndNotOfADeletionDone)
{
    ASSERT_NO_FATAL_FAILURE(OpenTwoArticles());
    first_->SetHighlighter(nullptr);
    const AnsiString secondLanguage = MainForm->StatusPanels[4]->Caption();
    ClickTab(0);
    EXPECT_EQ(CaretPanels(), (std::vector<AnsiString>{"行 2", "列 3", "修改"}));
    EXPECT_EQ(MainForm->StatusPanels[4]->Caption(), "[不显示语法高亮]");
    ClickTab(1);
    EXPECT_EQ(CaretPanels(), (std::vector<AnsiString>{"行 1", "列 1", "正常"}));
    EXPECT_EQ(MainForm->StatusPanels[4]->Caption(), secondLanguage);

    // The second article deleted from the tree: its line goes when done,
    // and the first article, on show again, is current.
    TTreeNode* node = MainForm->Tree->Items()->GetFirstNode()->getNextSibling();
    ASSERT_NE(node, nullptr);
    ASSERT_EQ(node->Text(), "中文");
    MainForm->Tree->SetSelected(node);
    MainForm->Tree->SetFocus();
    AnswerBoxes(1, 1);
    DBModule->aDeleteNode->Execute();
    Idle();
    ASSERT_EQ(TakeBoxes().size(), 1u);
    ASSERT_EQ(OpenTitles(), std::vector<AnsiString>{"說門"});
    EXPECT_EQ(MainForm->StatusPanels[5]->Caption(), "");
    EXPECT_EQ(ActiveArticleEditor(), first_);
    EXPECT_EQ(CaretPanels(), (std::vector<AnsiString>{"行 2", "列 3", "修改"}));
    // The user was working in the tree, which keeps the keys.
    EXPECT_TRUE(MainForm->Tree->Focused());
}

// A page picked on its tabs by keys takes the keyboard as a clicked one
// does: the article Ctrl+Tab or Ctrl+Shift+Tab brings up takes what is
// typed and Ctrl+S, and a left-hand page gives its first control the focus.
TEST_F(TCurrentArticleTest, APagePickedByKeysOrByAClickTakesTheKeyboard)
{
    ASSERT_NO_FATAL_FAILURE(OpenTwoArticles());
    Stroke(VK_TAB, InjectCtrl);
    ASSERT_EQ(ShownArticleEditor(), first_);
    EXPECT_TRUE(first_->Focused());
    EXPECT_EQ(ActiveArticleEditor(), first_);
    InjectText("c");
    Stroke('S', InjectCtrl);
    EXPECT_EQ(SelectColumn(DBModule->DataBase(), "select 内容 from Contents where 标识=1"), "one\r\nabc");
    Stroke(VK_TAB, InjectCtrl | InjectShift);
    EXPECT_TRUE(second_->Focused());
    InjectText("d");
    Idle();
    EXPECT_EQ(second_->Text(), "d");

    TbsSkinPageControl* left = MainForm->LeftPages;
    struct TPick {
        const char* How;
        std::function<void()> Pick;
        int Page;
        TWinControl* Focused;
    };
    const TPick picks[] = {
        {"a click on the tab on show, from the article", [&] { ClickTab(0, left); }, 0, MainForm->Tree},
        {"Ctrl+Tab from the tree", [] { Stroke(VK_TAB, InjectCtrl); }, 1, MainForm->SearchText},
        {"Ctrl+Tab from the search box", [] { Stroke(VK_TAB, InjectCtrl); }, 2, MainForm->BookMarkList},
        {"Ctrl+Shift+Tab from the bookmarks", [] { Stroke(VK_TAB, InjectCtrl | InjectShift); }, 1,
         MainForm->SearchText},
        {"a click on 书签", [&] { ClickTab(2, left); }, 2, MainForm->BookMarkList},
        {"the arrow on the tabs", [&] {
             left->SetFocus();
             Stroke(VK_LEFT);
         }, 1, MainForm->SearchText},
    };
    for (const TPick& pick : picks) {
        pick.Pick();
        EXPECT_EQ(left->ActivePageIndex(), pick.Page) << pick.How;
        EXPECT_EQ(Screen->ActiveControl(), pick.Focused) << pick.How;
    }
    // What is typed goes into the search box.
    InjectText("ab");
    Idle();
    EXPECT_EQ(MainForm->SearchText->Text(), "ab");
}

TEST_F(TCurrentArticleTest, TheStatusBarShowsTheCaretWhereAnInsertedFileLeftIt)
{
    struct TInsertion {
        std::vector<AnsiString> Typed;  // the article's lines, typed
        std::string File;      // the file inserted there
        const char* Text;      // the article's text after it
        const char* Line;      // the panels then
        const char* Column;
    };
    const TInsertion insertions[] = {
        {{"ab"}, "one\ntwo\n" + std::string(reinterpret_cast<const char*>(u8"說門x")), "abone\r\ntwo\r\n說門x", "行 3",
         "列 6"},
        // The caret keeps its column: the line moves alone.
        {{"1", "2", "3", ""}, "one\ntwo\nthree\n", "1\r\n2\r\n3\r\none\r\ntwo\r\nthree\r\n", "行 7", "列 1"},
    };
    for (const TInsertion& insertion : insertions) {
        SCOPED_TRACE(insertion.Text);
        TCustomSynTextEditor* editor = NewArticle(insertion.Typed.front());
        for (size_t i = 0; i < insertion.Typed.size(); ++i) {
            if (i > 0)
                Stroke(VK_RETURN);
            InjectText(insertion.Typed[i]);
        }
        Idle();
        ASSERT_EQ(CaretPanels()[0], "行 " + std::to_string(insertion.Typed.size()));
        const AnsiString file = folder_ + "/inserted.txt";
        std::ofstream(file, std::ios::binary | std::ios::trunc) << insertion.File;

        // 插入文档, the first row of the article's context menu.
        AnswerFileDialog(file);
        Stroke(VK_APPS);
        Stroke(VK_RETURN);
        ASSERT_EQ(editor->Text(), insertion.Text);
        EXPECT_EQ(CaretPanels(), (std::vector<AnsiString>{insertion.Line, insertion.Column, "修改"}));
    }
}

// 插入文档 leaves the view as a paste of the same text does: on the caret
// at the insert's end, and where it was while the caret stays in view.
TEST_F(TCurrentArticleTest, AfterAnInsertedFileTheViewShowsTheCaretAsAfterAPaste)
{
    struct TCase {
        const char* What;
        int Lines;      // the article's lines
        int TopLine;    // the view's first line
        int CaretLine;  // the caret's line, at column 1
        int FileLines;  // the inserted file's lines, each ending in a line break
        bool Stays;     // the view stays where it was
    };
    const TCase cases[] = {
        {"a long file into an empty article", 1, 1, 1, 150, false},
        {"a short file low in a long article", 300, 240, 245, 3, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        std::string inserted;
        for (int i = 1; i <= c.FileLines; ++i)
            inserted += "說門 " + std::to_string(i) + "\r\n";
        const AnsiString file = folder_ + "/inserted.txt";
        std::ofstream(file, std::ios::binary | std::ios::trunc) << inserted;
        AnsiString text;
        for (int i = 1; i < c.Lines; ++i)
            text += "line " + std::to_string(i) + "\r\n";
        TCustomSynTextEditor* editor = NewArticle("說門");
        std::vector<int> tops;
        for (bool paste : {false, true}) {
            editor->SetText(text);
            editor->SetTopLine(c.TopLine);
            editor->SetCaretXY(BufferCoord(1, c.CaretLine));
            Idle();
            ASSERT_EQ(editor->TopLine(), c.TopLine);
            if (paste) {
                ASSERT_TRUE(SetClipboardText(MainForm->Handle(), {{CF_TEXT, inserted}}));
                Stroke('V', InjectCtrl);
            } else {
                AnswerFileDialog(file);
                Stroke(VK_APPS);
                Stroke(VK_RETURN);
            }
            Idle();
            const int caret = c.CaretLine + c.FileLines;
            ASSERT_EQ(editor->CaretY(), caret) << paste;
            EXPECT_LE(editor->TopLine(), caret) << paste;
            EXPECT_LT(caret, editor->TopLine() + editor->LinesInWindow()) << paste;
            if (c.Stays) {
                EXPECT_EQ(editor->TopLine(), c.TopLine) << paste;
            }
            tops.push_back(editor->TopLine());
        }
        EXPECT_EQ(tops[0], tops[1]);
    }
}
