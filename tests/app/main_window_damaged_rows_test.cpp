// Damaged rows met through the main window: an article whose stored options
// hold numbers the editor can't show, or that are cut short, and bookmarks
// that hold no number where one belongs. The article still opens, shows its
// text and takes typing; the user is told in Chinese what is damaged where.
#include "app/editor_config_string.h"
#include "editor/view/syn_right_edge.h"
#include "editor_services/syn_text_editor.h"
#include "platform/ui/itemviews/list_item.h"
#include "platform/ui/kernel/actions.h"
#include "platform/ui/itemviews/list_items.h"
#include "skin/controls/bs_skin_list_view.h"
#include "tests/app/main_window_test_support.h"

namespace {

// Every option off but the specified line spacing (rule 3); the numbers
// after the digits come from the test.
const char kHead[] = "0000000000000000000000000000#001100000030#";
const char kTail[] = "#Courier New,10,[],clWindowText,0,1#-16777211#-16777202#-16777203#-16777208#-16777192";

}  // namespace

TEST_F(TMainWindowTest, AnArticleWhoseOptionsHoldNumbersTooLargeShowsItsTextAndTakesTyping)
{
    CreateDataBase();
    const int id = NewNode(true, "a");
    TCustomSynTextEditor* fresh = form_->GetActiveEditor();
    const int lineSpacing = fresh->LineSpacing();
    const int rightEdge = fresh->RightEdge()->Position();
    ASSERT_TRUE(module_->CloseAllNodes());
    for (const char* numbers : {"2147483647#2147483647#10#2147483647#2147483647#2147483647",
                                "-1000000#-1000000#10#-1000000#-1000000#-1000000"}) {
        module_->ExecSQL(AnsiString("update Contents set 内容='line one\r\nline two', 位置=0, 配置='") + kHead +
                         numbers + kTail + "'");
        ASSERT_NE(module_->OpenNode(id), nullptr);
        Process();
        TCustomSynTextEditor* editor = form_->GetActiveEditor();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->LineSpacingRule(), lsSpecified) << numbers;
        // The numbers no one can choose kept the editor's own values.
        EXPECT_EQ(editor->LineSpacing(), lineSpacing) << numbers;
        EXPECT_GT(editor->LineHeight(), 0) << numbers;
        EXPECT_LT(editor->LineHeight(), 100) << numbers;
        EXPECT_EQ(editor->RightEdge()->Position(), rightEdge) << numbers;
        EXPECT_GE(editor->LinesInWindow(), 2) << numbers;
        Type("x");
        Process();
        EXPECT_EQ(editor->Lines()->Strings(0), "xline one") << numbers;
        form_->Repaint();
        Process();
        AnswerBoxes({2});  // 丢弃
        ASSERT_TRUE(module_->CloseAllNodes());
    }
    EXPECT_EQ(Boxes.size(), 2u);
}

TEST_F(TMainWindowTest, DamagedOptionsAndBookmarksAreToldInChineseAndOpenWithTheDefaults)
{
    CreateDataBase();
    const int id = NewNode(true, "說門");
    const AnsiString defaults = EditorConfigToString(form_->GetActiveEditor());
    ASSERT_TRUE(module_->CloseAllNodes());
    // The options cut short after the line spacing: 8 itself is a number.
    module_->ExecSQL(AnsiString("update Contents set 内容='0123456789', 位置=3, 配置='") + kHead +
                     "2#8#10#1024#80#8'");
    AnswerBoxes({1});
    ASSERT_NE(module_->OpenNode(id), nullptr);
    Process();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].substr(Boxes[0].find(": ") + 2),
              "文章“說門”的配置已经损坏：缺少“字体”及以后的各项。已经改用默认设置！");
    TCustomSynTextEditor* editor = form_->GetActiveEditor();
    EXPECT_EQ(EditorConfigToString(editor), defaults);
    EXPECT_EQ(editor->Text(), "0123456789");
    EXPECT_EQ(editor->SelStart(), 3);
    ASSERT_TRUE(module_->CloseAllNodes());

    // A bookmark with no position opens its article where it was left; one
    // whose article id is no number opens nothing.
    const AnsiString node = std::to_string(id);
    module_->ExecSQL("insert into Bookmarks (名称, 文档标识, 文档名称, 文档位置) values ('1 no place', " + node +
                     ", '說門', NULL)");
    module_->ExecSQL("insert into Bookmarks (名称, 文档标识, 文档名称, 文档位置) values ('2 no article', 'x1', '說門', 2)");
    form_->aSynUpdateBookmark->Execute();
    TListItems* items = form_->BookMarkList->Items();
    ASSERT_EQ(items->Count(), 2);
    Boxes.clear();
    AnswerBoxes({1, 1});
    for (int i = 0; i < 2; ++i) {
        form_->BookMarkList->SetSelected(items->Item(i));
        form_->BookMarkList->OnDblClick(form_->BookMarkList);
        Process();
    }
    ASSERT_EQ(Boxes.size(), 2u);
    EXPECT_EQ(Boxes[0].substr(Boxes[0].find(": ") + 2),
              "书签“1 no place”没有记录位置，文章停在原来的位置！");
    EXPECT_EQ(Boxes[1].substr(Boxes[1].find(": ") + 2),
              "书签“2 no article”记录的文章标识“x1”已经损坏，无法打开它的文章！");
    ASSERT_EQ(form_->GetEditorCount(), 1);
    EXPECT_EQ(form_->GetActiveEditor()->SelStart(), 3);
}
