// Article tabs: one tab per node, the save question's answers (the close
// box included), rows that are gone, a malformed options string, and an
// article opened as stored with its caret kept within the text.
#include "app/editor_config_string.h"
#include "editor/document/syn_text_string_list.h"
#include "platform/db/db_errors.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/win/win_messages.h"
#include "tests/app/notes_test_support.h"

using TNotesTabsTest = TNotesTest;

TEST_F(TNotesTabsTest, OpeningAnOpenNodeActivatesItsTab)
{
    CreateDataBase();
    const int id = NewNode(true, "a");
    EXPECT_EQ(module_->OpenNode(id), window_->Frame(0)->GetEditor());
    EXPECT_EQ(window_->Log, "create activate 1 ");
    EXPECT_EQ(window_->GetEditorCount(), 1);
}

TEST_F(TNotesTabsTest, CloseAnswersDiscardCancelAndTheCloseBox)
{
    CreateDataBase();
    const int id = NewNode(true, "說門");
    TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
    editor->SetText("stored");
    module_->SaveNode(editor);
    editor->SetText("changed 中文");
    editor->SetSelStart(3);
    editor->SetTabWidth(5);

    AnswerBoxes({3});  // 取消
    EXPECT_FALSE(module_->CloseNode(editor));
    EXPECT_EQ(Boxes, std::vector<std::string>{"文章 說門已经被改变，是否保存？"});
    // The close box of the question cancels too.
    TModalAnswers::Push([](const TModalRequest& Request) {
        Request.Form->Perform(WM_CLOSE, 0, 0);
        return 0;
    });
    EXPECT_FALSE(module_->CloseNode(editor));
    EXPECT_EQ(window_->GetEditorCount(), 1);
    EXPECT_EQ(Column("select 位置 from Contents"), "0");

    AnswerBoxes({2});  // 丢弃: caret and options are written, the text is not
    const AnsiString config = EditorConfigToString(editor);
    EXPECT_TRUE(module_->CloseNode(editor));
    EXPECT_EQ(window_->GetEditorCount(), 0);
    EXPECT_EQ(Column("select 内容 from Contents"), "stored");
    EXPECT_EQ(Column("select 位置 from Contents"), "3");
    EXPECT_EQ(Column("select 配置 from Contents"), config);
    EXPECT_TRUE(module_->CloseAllNodes());
    (void)id;
}

TEST_F(TNotesTabsTest, CloseAllStopsAtTheFirstCancel)
{
    CreateDataBase();
    NewNode(true, "a");
    NewNode(true, "b");
    NewNode(true, "c");
    window_->Frame(1)->GetEditor()->SetText("changed");
    AnswerBoxes({3});
    EXPECT_FALSE(module_->CloseAllNodes());
    // c (after b in the list) is closed already; a and b stay.
    EXPECT_EQ(window_->GetEditorCount(), 2);
    EXPECT_EQ(window_->Frame(0)->GetNodeName(), "a");
}

TEST_F(TNotesTabsTest, RowsThatAreGoneOpenNoTabAndSaveNowhere)
{
    CreateDataBase();
    const int id = NewNode(true, "a");
    TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
    module_->ExecSQL("delete from Contents");
    editor->SetText("text");
    // The save offers to keep the text as a new article; declined, it
    // writes nothing.
    AnswerBoxes({2});
    EXPECT_FALSE(module_->SaveNode(editor));
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_NE(Boxes[0].find("已经被另一个程序删除了"), std::string::npos) << Boxes[0];
    EXPECT_EQ(Column("select count(*) from Contents"), "0");

    AnswerBoxes({2, 1});  // discard, then the report that the row is gone
    EXPECT_TRUE(module_->CloseNode(editor));
    EXPECT_EQ(Column("select count(*) from Contents"), "0");

    window_->Log.clear();
    AnswerBoxes({1, 1});
    EXPECT_EQ(module_->OpenNode(id), nullptr);
    EXPECT_EQ(module_->OpenNode(77), nullptr);
    EXPECT_EQ(window_->Log, "");
    EXPECT_EQ(Boxes.back(), "这篇文章已经不在数据库中，可能已经被删除！");
}

TEST_F(TNotesTabsTest, AMalformedOptionsStringStillOpensTheWholeArticle)
{
    CreateDataBase();
    const int id = NewNode(true, "a");
    ASSERT_TRUE(module_->CloseAllNodes());
    module_->ExecSQL("update Contents set 内容='說門 text', 位置=2, 配置='1111111111111111111111111111#1210'");
    AnswerBoxes({1});
    TCustomSynTextEditor* editor = module_->OpenNode(id);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(editor->Text(), "說門 text");
    EXPECT_EQ(editor->SelStart(), 2);
    EXPECT_FALSE(editor->Modified());
    EXPECT_EQ(editor->PaintLock(), 0);
    module_->SaveNode(editor);
    EXPECT_EQ(Column("select 内容 from Contents"), "說門 text");
}

TEST_F(TNotesTabsTest, ARowThatCannotBeReadWholeMakesNoTabThatCouldOverwriteIt)
{
    CreateDataBase();
    const int id = NewNode(true, "a");
    window_->Frame(0)->GetEditor()->SetText(std::string(10071, 'x'));
    module_->SaveNode(window_->Frame(0)->GetEditor());
    ASSERT_TRUE(module_->CloseAllNodes());
    // A column gone while the file is open.
    module_->ExecSQL("alter table Contents drop column 语言");
    window_->Log.clear();
    EXPECT_THROW(module_->OpenNode(id), EDatabaseError);
    EXPECT_EQ(window_->GetEditorCount(), 0);
    EXPECT_EQ(window_->Log, "");
    // Nothing is left to save over the stored text.
    module_->SaveAllNodes();
    EXPECT_EQ(Column("select length(内容) from Contents"), "10071");
}

TEST_F(TNotesTabsTest, AnArticleOpensAsStoredWithItsCaretWithinTheText)
{
    CreateDataBase();
    const int id = NewNode(true, "a");
    ASSERT_TRUE(module_->CloseAllNodes());
    const struct {
        int Stored, Opened;
    } rows[] = {{-5, 0}, {0, 0}, {2, 2}, {4, 4}, {7, 7}, {8, 7}, {9, 7}, {1000, 7}};
    for (const auto& row : rows) {
        module_->ExecSQL("update Contents set 内容='ab\r\n說d', 位置=" + std::to_string(row.Stored));
        TCustomSynTextEditor* editor = module_->OpenNode(id);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->SelStart(), row.Opened) << "stored " << row.Stored;
        EXPECT_EQ(editor->Text(), "ab\r\n說d");
        // As loaded: nothing to save, and no line marked in the gutter.
        EXPECT_FALSE(editor->Modified());
        EXPECT_FALSE(editor->CanUndo());
        for (int i = 0; i < editor->Lines()->Count(); ++i)
            EXPECT_EQ(editor->Lines()->GetLineState(i)->Modified, lmUnchanged) << "line " << i;
        ASSERT_TRUE(module_->CloseNode(editor));
    }
    // A text another program left null opens empty.
    module_->ExecSQL("update Contents set 内容=null");
    TCustomSynTextEditor* editor = module_->OpenNode(id);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Text(), "");
}
