// The go-to dialog worked with keys and clicks through the message loop:
// a line number (letters and Chinese characters typed in between are
// dropped), a line past the end, each mode chosen by the arrows or a
// click with its hint, a bookmark, offsets and moves that cannot wrap
// around, and numbers that are no integer.

#include "editor_services/dialogs/syn_jump_dialog.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/editor/syn_view_test_support.h"
#include "platform/base/exceptions.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/label.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"

namespace {

class TSynJumpDialogTest : public TEditorViewTest {
protected:
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        editor_ = AddMemo(0, 600, 300);
        AnsiString text;
        for (int i = 1; i <= 40; ++i)
            text += "說門 " + std::to_string(i) + (i < 40 ? "\r\n" : "");
        editor_->SetText(text);
        editor_->SetCaretXY(BufferCoord(1, 1));
    }
    void TearDown() override
    {
        EXPECT_EQ(TModalAnswers::Count(), 0) << "the dialog did not come up";
        TModalAnswers::Clear();
        TEditorViewTest::TearDown();
    }

    // Runs a go-to dialog worked by Steps once it is up.
    void Jump(const std::function<void(TSynJumpDlg* Dialog)>& Steps)
    {
        TModalAnswers::Push([Steps](const TModalRequest& Request) {
            Steps(static_cast<TSynJumpDlg*>(Request.Form));
            Pump();
            EXPECT_NE(Request.Form->ModalResult(), mrNone) << "the keys left the dialog open";
            return Request.Form->ModalResult() == mrNone ? mrCancel : mrNone;
        });
        TSynJumpDlg dialog(nullptr);
        dialog.ExecuteJump(editor_);
    }

    // Chooses Mode by the arrows (with none selected the first Down
    // selects the first), types Number and presses OK.
    void JumpBy(int Mode, const AnsiString& Number)
    {
        Jump([&](TSynJumpDlg*) {
            for (int i = 0; i <= Mode; ++i)
                InjectKeyStroke(VK_DOWN);
            InjectText(Number);
            InjectKeyStroke(VK_RETURN);
        });
    }

    TSynMemo* editor_ = nullptr;
};

TEST_F(TSynJumpDialogTest, ALineNumberMovesTheCaretThereAndLettersAreDropped)
{
    AnsiString typed, caption, hint;
    Jump([&](TSynJumpDlg* Dialog) {
        caption = Dialog->Caption();
        InjectText("1說a");
        InjectKeyStroke(VK_DELETE);
        InjectText("門 Z-2");
        Pump();
        typed = Dialog->bsLine->Text();
        hint = Dialog->HintLabel->Caption();
        InjectKeyStroke(VK_RETURN);
    });
    EXPECT_EQ(caption, "跳转");
    EXPECT_EQ(typed, "12");
    EXPECT_EQ(hint, "要跳转到的位置的行号");
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(1, 12));
    EXPECT_FALSE(editor_->SelAvail());
    // Centred: the line stands in the middle of the window.
    EXPECT_GT(editor_->TopLine(), 1);
    EXPECT_LT(editor_->TopLine(), 12);

    // Past the end: the last line.
    JumpBy(0, "999");
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(1, 40));
}

TEST_F(TSynJumpDialogTest, TheArrowsChooseTheModeAndItsHintFromTheNumberEdit)
{
    std::vector<AnsiString> hints;
    std::vector<int> modes;
    Jump([&](TSynJumpDlg* Dialog) {
        auto note = [&] {
            Pump();
            hints.push_back(Dialog->HintLabel->Caption());
            modes.push_back(Dialog->ListBox1->ItemIndex());
        };
        InjectKeyStroke(VK_UP);  // before the first: the first
        note();
        for (int i = 0; i < 5; ++i)
            InjectKeyStroke(VK_DOWN);
        note();
        InjectKeyStroke(VK_DOWN);  // after the last: the first
        note();
        InjectKeyStroke(VK_DOWN);
        note();
        EXPECT_TRUE(Dialog->bsLine->Focused());
        InjectText("7");
        InjectKeyStroke(VK_RETURN);
    });
    EXPECT_EQ(modes, (std::vector<int>{0, 5, 0, 1}));
    EXPECT_EQ(hints, (std::vector<AnsiString>{"要跳转到的位置的行号", "由当前光标向上移动指定量",
                                              "要跳转到的位置的行号", "要跳转的位置的列号"}));
    // Column 7 of the caret's line; 說門 are columns 1 to 4.
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(7, 1));
    // A column inside a double-byte character goes to its start.
    editor_->SetCaretXY(BufferCoord(1, 3));
    JumpBy(1, "4");
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(3, 3));
}

TEST_F(TSynJumpDialogTest, AClickedModeShowsItsHintAndABookmarkIsGoneTo)
{
    editor_->SetBookMark(3, 5, 20);
    AnsiString hint;
    bool editFocused = false;
    Jump([&](TSynJumpDlg* Dialog) {
        TListBox* list = Dialog->ListBox1;
        const TRect row = list->ItemRect(2);
        InjectClick(list->ClientToScreen(Point(row.Left + 10, row.Top + row.Height() / 2)));
        Pump();
        hint = Dialog->HintLabel->Caption();
        editFocused = Dialog->bsLine->Focused();
        InjectText("3");
        InjectKeyStroke(VK_RETURN);
    });
    EXPECT_EQ(hint, "要跳转到的书签号(0-9)");
    EXPECT_TRUE(editFocused);
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(5, 20));
    // A bookmark not set, or past the ten there are, goes nowhere.
    JumpBy(2, "4");
    JumpBy(2, "12");
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(5, 20));
}

TEST_F(TSynJumpDialogTest, OffsetsAndMovesCountCharactersAndNeverWrapAround)
{
    editor_->SetText("abcd\r\nefgh\r\n說門");
    JumpBy(3, "6");
    EXPECT_EQ(editor_->SelStart(), 6);
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(1, 2));
    JumpBy(4, "4");
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(5, 2));
    JumpBy(5, "2");
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(3, 2));
    // The largest integers move to the ends, not round to the other side
    // (past the end of the text the editor keeps the caret on the last
    // line, as far out as it lets a caret go).
    JumpBy(4, "2147483647");
    EXPECT_EQ(editor_->CaretY(), 3);
    EXPECT_GE(editor_->CaretX(), 5);
    JumpBy(5, "2147483647");
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(1, 1));
    // An offset inside 說 lands on its start.
    JumpBy(3, "13");
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(1, 3));
}

TEST_F(TSynJumpDialogTest, NoNumberOrOneTooLargeIsAConversionErrorAndCancelDoesNothing)
{
    editor_->SetCaretXY(BufferCoord(6, 5));
    EXPECT_THROW(JumpBy(0, ""), EConvertError);
    EXPECT_THROW(JumpBy(0, "2147483648"), EConvertError);
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(6, 5));
    Jump([](TSynJumpDlg*) {
        InjectText("9");
        InjectKeyStroke(VK_ESCAPE);
    });
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(6, 5));
    // Tab to Cancel: Space presses it, the focus is not pulled away.
    Jump([](TSynJumpDlg*) {
        InjectText("9");
        for (int i = 0; i < 3; ++i)
            InjectKeyStroke(VK_TAB);
        InjectKeyStroke(VK_SPACE);
    });
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(6, 5));
    // Without an editor no dialog comes up.
    TSynJumpDlg dialog(nullptr);
    dialog.ExecuteJump(nullptr);
    EXPECT_EQ(TModalAnswers::Count(), 0);
}

}  // namespace
