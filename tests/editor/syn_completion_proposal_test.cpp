#include <gtest/gtest.h>

#include <stdexcept>

#include "editor/syn_auto_complete.h"
#include "editor/syn_completion_proposal.h"
#include "platform/base/string_list.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "syn_view_test_support.h"

namespace {

class TSynCompletionTest : public TEditorViewTest {
protected:
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        memo = AddMemo(0, 400, 300);
    }
    void Load(const AnsiString& Text, int CaretX, int CaretY = 1)
    {
        memo->SetText(Text);
        memo->ClearUndo();
        memo->SetCaretXY(BufferCoord(CaretX, CaretY));
    }
    TSynMemo* memo = nullptr;
};

TEST_F(TSynCompletionTest, TemplateTakesIndentationAndPlacesTheCaret)
{
    TSynAutoComplete ac(nullptr);
    ac.AutoCompleteList()->SetText("for\r\n|loop\r\n=for i := 0 to | do\r\n=begin\r\nend\r\n=end");
    ac.AddEditor(memo);
    memo->SetOptions(TSynTextEditorOptions(memo->Options()).Include(eoAutoIndent).Include(eoTrimTrailingSpaces));
    const TSynTextEditorOptions options = memo->Options();
    int events = 0;
    ac.OnBeforeExecute = TNotifyEvent::FromCallable([&](TObject*) { ++events; });
    ac.OnAfterExecute = TNotifyEvent::FromCallable([&](TObject*) { ++events; });

    Load("x\r\n  for", 6, 2);
    WORD key = VK_SPACE;
    memo->KbdHandler()->RunKeyDown(memo, key, TShiftState{ssShift});
    EXPECT_EQ(key, 0);
    EXPECT_EQ(memo->Text(), "x\r\n  for i := 0 to  do\r\n  begin");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(17, 2));
    EXPECT_EQ(memo->Options(), options);
    EXPECT_EQ(events, 2);
    char ch = ' ';  // the shortcut's character does not reach the text
    memo->KbdHandler()->RunKeyPress(memo, ch);
    EXPECT_EQ(ch, 0);

    // Undo takes the whole expansion back in one step.
    memo->Undo();
    EXPECT_EQ(memo->Text(), "x\r\n  for");

    // An unknown word without the lookup list changes nothing.
    ac.SetDoLookupWhenNotExact(false);
    Load("fox", 4);
    events = 0;
    ac.Execute(ac.TokenBeforeCaret(memo), memo, ac.DoLookupWhenNotExact());
    EXPECT_EQ(memo->Text(), "fox");
    EXPECT_EQ(events, 2);
}

TEST_F(TSynCompletionTest, ChineseKeywordKeepsTheTextBeforeIt)
{
    TSynAutoComplete ac(nullptr);
    // 中乗 (D6 D0 81 5C): a trail byte that reads as a backslash.
    ac.AutoCompleteList()->SetText("\xD6\xD0\x81\x5C\r\n=\xDF\x40|\xD5\x66");
    const AnsiString before = "a \xD5\x66\xE9\x54 \xD6\xD0\x81\x5C";
    Load(before, 12);
    EXPECT_EQ(ac.TokenBeforeCaret(memo), "\xD6\xD0\x81\x5C");
    ac.Execute(ac.TokenBeforeCaret(memo), memo);
    EXPECT_EQ(memo->Text(), "a \xD5\x66\xE9\x54 \xDF\x40\xD5\x66");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(10, 1));
    memo->Undo();
    EXPECT_EQ(memo->Text(), before);
}

TEST_F(TSynCompletionTest, AcceptingIsOneUndoStep)
{
    TSynCompletionProposal cp(nullptr);
    cp.ItemList()->SetText("alpha\r\nbeta\r\nalphabet");
    cp.AddEditor(memo);
    AnsiString completed;
    cp.OnAfterCodeCompletion =
        TAfterCodeCompletionEvent::FromCallable([&](TObject*, const AnsiString& Value, TShiftState, int, char) { completed = Value; });

    const AnsiString before = "\xD5\x66 alp";
    Load(before, 7);
    WORD key = VK_SPACE;
    memo->KbdHandler()->RunKeyDown(memo, key, TShiftState{ssCtrl});
    ASSERT_TRUE(cp.Visible());
    EXPECT_EQ(cp.Form()->CurrentString(), "alp");
    EXPECT_EQ(cp.Form()->AssignedList()->Count(), 2);
    cp.Form()->Perform(WM_KEYDOWN, VK_DOWN, 0);
    cp.Form()->Perform(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(cp.Visible());
    EXPECT_EQ(completed, "alphabet");
    EXPECT_EQ(memo->Text(), "\xD5\x66 alphabet");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(12, 1));
    memo->Undo();
    EXPECT_EQ(memo->Text(), before);

    // Escape leaves the text alone.
    Load(before, 7);
    key = VK_SPACE;
    memo->KbdHandler()->RunKeyDown(memo, key, TShiftState{ssCtrl});
    cp.Form()->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(cp.Visible());
    EXPECT_EQ(memo->Text(), before);

    // A host event that throws still closes the undo block and the paint lock.
    cp.OnCodeCompletion = TCodeCompletionEvent::FromCallable(
        [](TObject*, AnsiString&, TShiftState, int, char) { throw std::runtime_error("host"); });
    key = VK_SPACE;
    memo->KbdHandler()->RunKeyDown(memo, key, TShiftState{ssCtrl});
    cp.Form()->Perform(WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(memo->PaintLock(), 0);
    memo->SetCaretXY(BufferCoord(1, 1));
    memo->SetSelText("z");
    memo->Undo();
    EXPECT_EQ(memo->Text(), before);
    cp.OnCodeCompletion = TCodeCompletionEvent();
}

TEST_F(TSynCompletionTest, LookupListExpandsTheChosenKeyword)
{
    TSynAutoComplete ac(nullptr);
    ac.AutoCompleteList()->SetText("while\r\n|loop\r\n=while | do\r\nwith\r\n=with | do");
    ac.SetOptions(TSynCompletionOptions{scoLimitToMatchedText, scoCompleteWithEnter, scoUseBuiltInTimer});
    Load("  wh", 5);
    ac.Execute(ac.TokenBeforeCaret(memo), memo);
    ASSERT_NE(ac.Lookup(), nullptr);
    ASSERT_TRUE(ac.Lookup()->Visible());
    EXPECT_EQ(ac.Lookup()->ItemList()->Strings(0), "\\style{+B}while\\style{-B}\\column{}loop");
    EXPECT_EQ(ac.Lookup()->Form()->AssignedList()->Count(), 1);
    EXPECT_EQ(ac.Lookup()->Timer(), nullptr);
    ac.Lookup()->Form()->Perform(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(memo->Text(), "  while  do");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(9, 1));
    EXPECT_EQ(ac.Lookup()->EditorCount(), 0);
}

}  // namespace
