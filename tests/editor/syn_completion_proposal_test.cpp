#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "editor/completion/syn_auto_complete.h"
#include "editor/completion/syn_completion_proposal.h"
#include "platform/base/string_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
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
        SetActiveWindow(host_->Handle());
        Pump();
        memo->SetFocus();
    }
    void Load(const AnsiString& Text, int CaretX, int CaretY = 1)
    {
        memo->SetText(Text);
        memo->ClearUndo();
        memo->SetCaretXY(BufferCoord(CaretX, CaretY));
    }
    // Typing into the editor: its key-press chain, then the character command.
    void Type(const AnsiString& Text)
    {
        for (char c : Text) {
            char key = c;
            memo->KbdHandler()->RunKeyPress(memo, key);
            if (key != 0)
                memo->CommandProcessor(ecChar, key, nullptr);
        }
    }
    // A key pressed in the editor; answers whether a handler took it.
    bool Press(WORD Key, TShiftState Shift)
    {
        WORD key = Key;
        memo->KbdHandler()->RunKeyDown(memo, key, Shift);
        return key == 0;
    }
    // Keys and text typed while the popup has the focus.
    static void Stroke(UINT Key, UINT Modifiers = 0)
    {
        InjectKeyStroke(Key, Modifiers);
        Pump();
    }
    static void Text(const AnsiString& Typed)
    {
        InjectText(Typed);
        Pump();
    }
    // Where lists and parameter hints open: below the caret.
    TPoint BelowCaret() const
    {
        const TPoint p = memo->ClientToScreen(memo->RowColumnToPixels(memo->DisplayXY()));
        return {p.X, p.Y + memo->LineHeight()};
    }
    TSynMemo* memo = nullptr;
};

TEST_F(TSynCompletionTest, ShortcutOpensTheListWhereKeysFilterMoveAcceptAndCancel)
{
    TSynCompletionProposal cp(nullptr);
    cp.ItemList()->SetCommaText("alpha,alpaca,alpine,alps,alpenglow,alphabet,beta");
    cp.SetNbLinesInWindow(3);
    cp.AddEditor(memo);
    std::vector<AnsiString> completed;
    cp.OnAfterCodeCompletion = TAfterCodeCompletionEvent::FromCallable(
        [&](TObject*, const AnsiString& Value, TShiftState, int, char) { completed.push_back(Value); });
    int cancelled = 0;
    cp.OnCancelled = TNotifyEvent::FromCallable([&](TObject*) { ++cancelled; });

    const AnsiString before = "\xD5\x66 alp x";  // 說 alp x
    Load(before, 7);
    EXPECT_TRUE(Press(VK_SPACE, TShiftState{ssCtrl}));
    ASSERT_TRUE(cp.Visible());
    EXPECT_EQ(Point(cp.Form()->Left(), cp.Form()->Top()), BelowCaret());
    EXPECT_TRUE(cp.Form()->Focused());
    char shortcutChar = ' ';
    memo->KbdHandler()->RunKeyPress(memo, shortcutChar);
    EXPECT_EQ(shortcutChar, 0);
    EXPECT_EQ(cp.Form()->AssignedList()->Count(), 6);

    const std::vector<std::pair<UINT, UINT>> moves = {{VK_NEXT, 0},  {VK_NEXT, 0},         {VK_PRIOR, 0},
                                                      {VK_UP, 0},    {VK_DOWN, InjectCtrl}, {VK_UP, InjectCtrl},
                                                      {VK_END, 0},   {VK_HOME, 0}};
    std::vector<int> positions;
    for (const auto& [key, modifiers] : moves) {
        Stroke(key, modifiers);
        positions.push_back(cp.Form()->Position());
    }
    EXPECT_EQ(positions, (std::vector<int>{3, 5, 2, 1, 5, 0, 5, 0}));

    Text("h");
    EXPECT_EQ(memo->Text(), "\xD5\x66 alph x");
    EXPECT_EQ(cp.Form()->AssignedList()->Count(), 2);
    Stroke(VK_DOWN);
    Stroke(VK_RETURN);
    EXPECT_FALSE(cp.Visible());
    EXPECT_TRUE(memo->Focused());
    EXPECT_EQ(memo->Text(), "\xD5\x66 alphabet x");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(12, 1));
    memo->Undo();  // the acceptance alone, byte for byte
    EXPECT_EQ(memo->Text(), "\xD5\x66 alph x");

    // Tab replaces the whole word at the caret.
    Load("\xD5\x66 alpine x", 7);
    Press(VK_SPACE, TShiftState{ssCtrl});
    Stroke(VK_TAB);
    EXPECT_EQ(memo->Text(), "\xD5\x66 alpha x");
    memo->Undo();
    EXPECT_EQ(memo->Text(), "\xD5\x66 alpine x");

    // An end character accepts what is typed so far and is typed after it.
    Load(before, 7);
    Press(VK_SPACE, TShiftState{ssCtrl});
    Text("(");
    EXPECT_FALSE(cp.Visible());
    EXPECT_EQ(memo->Text(), "\xD5\x66 alpha( x");
    EXPECT_EQ(completed.back(), "alpha");

    Load(before, 7);
    Press(VK_SPACE, TShiftState{ssCtrl});
    Stroke(VK_ESCAPE);
    EXPECT_FALSE(cp.Visible());
    EXPECT_EQ(cancelled, 1);
    EXPECT_TRUE(memo->Focused());
    EXPECT_EQ(memo->Text(), before);
    EXPECT_EQ(completed.size(), 3u);

    // A read-only editor gets no list.
    memo->SetReadOnly(true);
    EXPECT_FALSE(Press(VK_SPACE, TShiftState{ssCtrl}));
    EXPECT_FALSE(cp.Visible());
}

TEST_F(TSynCompletionTest, DoubleByteCharactersAndAnEmptyListInThePopup)
{
    TSynCompletionProposal cp(nullptr);
    // 說門 (D5 66 E9 54): trail bytes that read as "f" and "T".
    cp.ItemList()->SetCommaText("\xD5\x66\xE9\x54,\xD5\x66one,zeta");
    cp.AddEditor(memo);
    int changes = 0;
    cp.Form()->OnChange = TCompletionChange::FromCallable([&](TObject*, int) { ++changes; });
    int codeCompletions = 0;
    cp.OnCodeCompletion = TCodeCompletionEvent::FromCallable(
        [&](TObject*, AnsiString&, TShiftState, int, char) { ++codeCompletions; });

    Load("x \xE9\x54!", 3);  // x |門!
    Press(VK_SPACE, TShiftState{ssCtrl});
    ASSERT_EQ(cp.Form()->AssignedList()->Count(), 3);
    Text("\xD5\x66");
    EXPECT_EQ(cp.Form()->CurrentString(), "\xD5\x66");
    EXPECT_EQ(cp.Form()->AssignedList()->Count(), 2);
    Stroke(VK_RIGHT);  // takes 門 from the text
    EXPECT_EQ(cp.Form()->CurrentString(), "\xD5\x66\xE9\x54");
    EXPECT_EQ(memo->CaretX(), 7);
    Stroke(VK_LEFT);
    EXPECT_EQ(cp.Form()->CurrentString(), "\xD5\x66");
    EXPECT_EQ(memo->CaretX(), 5);
    Stroke(VK_BACK);
    EXPECT_EQ(cp.Form()->CurrentString(), "");
    EXPECT_EQ(memo->Text(), "x \xE9\x54!");

    // Nothing matches: no selection, no change reported, Enter accepts nothing.
    Text("q");
    EXPECT_EQ(cp.Form()->AssignedList()->Count(), 0);
    changes = 0;
    Stroke(VK_DOWN);
    Stroke(VK_NEXT);
    EXPECT_EQ(cp.Form()->Position(), -1);
    EXPECT_EQ(changes, 0);
    Stroke(VK_RETURN);
    EXPECT_TRUE(cp.Visible());
    EXPECT_EQ(codeCompletions, 0);
    EXPECT_EQ(memo->Text(), "x q\xE9\x54!");
    Text("(");  // an end character still closes it, and is typed
    EXPECT_FALSE(cp.Visible());
    EXPECT_EQ(memo->Text(), "x q(\xE9\x54!");
}

TEST_F(TSynCompletionTest, TheListShowsWhatTypingLeftOfIt)
{
    TSynCompletionProposal cp(nullptr);
    cp.ItemList()->SetCommaText("alpha,alpaca,alpine,alps,alpenglow,alphabet,beta");
    cp.AddEditor(memo);
    TSynBaseCompletionProposalForm* form = cp.Form();
    // Whether row Row of the list is drawn selected, seen right of its
    // text.
    auto rowSelected = [form](int Row) {
        const TPoint p = form->ClientToScreen(
            Point(form->ClientWidth() / 2, form->TitleHeight() + Row * form->ItemHeight() + form->ItemHeight() / 2));
        return ScreenPixel(p.X, p.Y) == static_cast<COLORREF>(ColorToRGB(form->ClSelect));
    };
    Load("\xD5\x66 alp x", 7);
    Press(VK_SPACE, TShiftState{ssCtrl});
    Pump();
    ASSERT_EQ(form->AssignedList()->Count(), 6);
    EXPECT_TRUE(rowSelected(0));

    Text("q");  // nothing matches
    EXPECT_EQ(form->AssignedList()->Count(), 0);
    EXPECT_FALSE(rowSelected(0));

    Stroke(VK_BACK);
    Stroke(VK_DOWN);
    EXPECT_FALSE(rowSelected(0));
    EXPECT_TRUE(rowSelected(1));
    Stroke(VK_RETURN);
    EXPECT_FALSE(cp.Visible());
    EXPECT_EQ(memo->Text(), "\xD5\x66 alpaca x");
}

TEST_F(TSynCompletionTest, TriggerCharacterOpensTheListOnlyAfterTheDelay)
{
    SetManualClock(true);
    const bool wasActive = Application->Active();
    Application->ActivateChanged(true);
    TSynCompletionProposal cp(nullptr);
    cp.ItemList()->SetCommaText("Add,Clear");
    cp.SetOptions(TSynCompletionOptions(cp.Options()).Include(scoUseBuiltInTimer));
    cp.AddEditor(memo);

    Load("list", 5);
    Type(".");
    AdvanceClock(999);
    Pump();
    EXPECT_FALSE(cp.Visible());
    AdvanceClock(2);
    Pump();
    EXPECT_TRUE(cp.Visible());
    EXPECT_EQ(cp.Form()->AssignedList()->Count(), 2);
    Text("c");
    Stroke(VK_TAB);
    EXPECT_EQ(memo->Text(), "list.Clear");

    // Typing on, moving the caret or another program being active: no list.
    Type(".");
    AdvanceClock(500);
    Type("x");
    AdvanceClock(1000);
    Pump();
    EXPECT_FALSE(cp.Visible());
    Type(".");
    memo->CommandProcessor(ecLeft, 0, nullptr);
    AdvanceClock(1001);
    Pump();
    EXPECT_FALSE(cp.Visible());
    Type(".");
    Application->ActivateChanged(false);
    AdvanceClock(1001);
    Pump();
    EXPECT_FALSE(cp.Visible());
    EXPECT_EQ(memo->Text(), "list.Clear.x..");

    Application->ActivateChanged(wasActive);
    SetManualClock(false);
}

TEST_F(TSynCompletionTest, ParameterHintFollowsTheCaretThroughNestedBrackets)
{
    TSynCompletionProposal cp(nullptr);
    cp.SetDefaultType(ctParams);
    cp.ItemList()->Add("x, y, z");
    cp.AddEditor(memo);
    // The host finds the innermost open bracket before the caret and counts
    // the commas after it; outside any bracket it declines.
    cp.OnExecute = TCompletionExecute::FromCallable([&](SynCompletionType, TObject*, AnsiString&, int&, int&,
                                                        bool& CanExecute) {
        const AnsiString line = memo->LineText().substr(0, static_cast<size_t>(memo->CaretX() - 1));
        int depth = 0;
        int index = 0;
        size_t i = line.size();
        for (; i > 0; --i) {
            const char c = line[i - 1];
            if (c == '(' && depth == 0)
                break;
            depth += c == ')' ? 1 : c == '(' ? -1 : 0;
            index += c == ',' && depth == 0 ? 1 : 0;
        }
        CanExecute = i > 0;
        cp.Form()->SetCurrentIndex(index);
    });

    Load("", 1);
    Type("f(");
    Press(VK_SPACE, TShiftState{ssCtrl});
    ASSERT_TRUE(cp.Visible());
    EXPECT_EQ(cp.PreviousToken(), "f");
    EXPECT_TRUE(memo->Focused());  // a hint does not take the focus
    std::vector<int> indexes;
    for (char c : AnsiString("a, g(b, c), d")) {
        Type(AnsiString(1, c));
        ASSERT_TRUE(cp.Visible());
        EXPECT_EQ(Point(cp.Form()->Left(), cp.Form()->Top()), BelowCaret());
        if (c == '(') {
            EXPECT_EQ(cp.PreviousToken(), "g");
        }
        indexes.push_back(cp.Form()->CurrentIndex());
    }
    EXPECT_EQ(indexes, (std::vector<int>{0, 1, 1, 1, 0, 0, 1, 1, 1, 1, 2, 2, 2}));
    Type(")");
    EXPECT_FALSE(cp.Visible());
    EXPECT_EQ(memo->Text(), "f(a, g(b, c), d)");

    // Escape typed, or the commands that close hints.
    memo->SetCaretXY(BufferCoord(3, 1));
    Press(VK_SPACE, TShiftState{ssCtrl});
    ASSERT_TRUE(cp.Visible());
    memo->CommandProcessor(ecChar, '\x1B', nullptr);
    EXPECT_FALSE(cp.Visible());
    Press(VK_SPACE, TShiftState{ssCtrl});
    memo->CommandProcessor(480, 0, nullptr);
    EXPECT_FALSE(cp.Visible());

    // A plain hint goes with the next command.
    cp.SetDefaultType(ctHint);
    cp.OnExecute = TCompletionExecute();
    Press(VK_SPACE, TShiftState{ssCtrl});
    EXPECT_TRUE(cp.Visible());
    memo->CommandProcessor(ecRight, 0, nullptr);
    EXPECT_FALSE(cp.Visible());
}

TEST_F(TSynCompletionTest, TemplateTakesIndentationAndPlacesTheCaret)
{
    TSynAutoComplete ac(nullptr);
    ac.AutoCompleteList()->SetText("for\r\n|loop\r\n=for i := 0 to | do\r\n=begin\r\n=\tend\r\nend\r\n=end");
    ac.AddEditor(memo);
    memo->SetOptions(TSynTextEditorOptions(memo->Options()).Include(eoAutoIndent).Include(eoTrimTrailingSpaces));
    const TSynTextEditorOptions options = memo->Options();
    int events = 0;
    ac.OnBeforeExecute = TNotifyEvent::FromCallable([&](TObject*) { ++events; });
    ac.OnAfterExecute = TNotifyEvent::FromCallable([&](TObject*) { ++events; });

    Load("x\r\n  for", 6, 2);
    EXPECT_TRUE(Press(VK_SPACE, TShiftState{ssShift}));
    EXPECT_EQ(memo->Text(), "x\r\n  for i := 0 to  do\r\n  begin\r\n        end");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(17, 2));
    EXPECT_EQ(memo->Options(), options);
    EXPECT_EQ(events, 2);
    char ch = ' ';  // the shortcut's character does not reach the text
    memo->KbdHandler()->RunKeyPress(memo, ch);
    EXPECT_EQ(ch, 0);
    memo->Undo();
    EXPECT_EQ(memo->Text(), "x\r\n  for");

    // Tabs before the keyword count to their stops; the indentation and the
    // template's own tab stay tabs, whatever smart tabs or overwrite say.
    memo->SetOptions(TSynTextEditorOptions(options).Exclude(eoTabsToSpaces).Include(eoSmartTabs));
    memo->SetInsertMode(false);
    for (int tabWidth : {4, 8}) {
        memo->SetTabWidth(tabWidth);
        Load("\t  for tail", 7);
        Press(VK_SPACE, TShiftState{ssShift});
        EXPECT_EQ(memo->Text(), "\t  for i := 0 to  do\r\n\t  begin\r\n\t  \tend tail") << tabWidth;
        EXPECT_FALSE(memo->InsertMode());
        memo->Undo();
        EXPECT_EQ(memo->Text(), "\t  for tail");
    }
    memo->SetInsertMode(true);

    // An unknown word without the lookup list changes nothing.
    ac.SetDoLookupWhenNotExact(false);
    Load("fox", 4);
    events = 0;
    Press(VK_SPACE, TShiftState{ssShift});
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

TEST_F(TSynCompletionTest, LookupListExpandsTheChosenKeyword)
{
    TSynAutoComplete ac(nullptr);
    ac.AutoCompleteList()->SetText("while\r\n|loop\r\n=while | do\r\nwith\r\n=with | do");
    ac.SetOptions(TSynCompletionOptions{scoLimitToMatchedText, scoCompleteWithEnter, scoUseBuiltInTimer});
    ac.AddEditor(memo);
    Load("  wh", 5);
    Press(VK_SPACE, TShiftState{ssShift});
    ASSERT_NE(ac.Lookup(), nullptr);
    ASSERT_TRUE(ac.Lookup()->Visible());
    EXPECT_EQ(ac.Lookup()->ItemList()->Strings(0), "\\style{+B}while\\style{-B}\\column{}loop");
    EXPECT_EQ(ac.Lookup()->Form()->AssignedList()->Count(), 1);
    EXPECT_EQ(ac.Lookup()->Timer(), nullptr);
    Stroke(VK_RETURN);
    EXPECT_EQ(memo->Text(), "  while  do");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(9, 1));
    EXPECT_EQ(ac.Lookup()->EditorCount(), 0);
    // The template first, then the keyword the list put in.
    memo->Undo();
    EXPECT_EQ(memo->Text(), "  while");
    memo->Undo();
    EXPECT_EQ(memo->Text(), "  wh");
}

TEST_F(TSynCompletionTest, FailingEventsLeaveTheEditorAsTheyFoundIt)
{
    const auto released = [&] {
        EXPECT_EQ(memo->PaintLock(), 0);
        EXPECT_EQ(memo->UndoList()->BlockCount(), 0);
    };
    TSynCompletionProposal cp(nullptr);
    cp.ItemList()->SetText("alpha");
    cp.AddEditor(memo);
    const AnsiString before = "\xD5\x66 alp";
    Load(before, 7);
    cp.OnCodeCompletion = TCodeCompletionEvent::FromCallable(
        [](TObject*, AnsiString&, TShiftState, int, char) { throw std::runtime_error("host"); });
    Press(VK_SPACE, TShiftState{ssCtrl});
    EXPECT_THROW(cp.Form()->Perform(WM_KEYDOWN, VK_TAB, 0), std::runtime_error);
    released();
    EXPECT_EQ(memo->Text(), before);
    cp.OnCodeCompletion = TCodeCompletionEvent();

    // The editor's own report, fired as the paint lock is given back.
    memo->OnStatusChange =
        TStatusChangeEvent::FromCallable([](TObject*, TSynStatusChanges) { throw std::runtime_error("status"); });
    Press(VK_SPACE, TShiftState{ssCtrl});
    EXPECT_THROW(cp.Form()->Perform(WM_KEYDOWN, VK_TAB, 0), std::runtime_error);
    memo->OnStatusChange = TStatusChangeEvent();
    released();
    EXPECT_EQ(memo->Text(), "\xD5\x66 alpha");
    memo->Undo();
    EXPECT_EQ(memo->Text(), before);

    // Failing in the middle of a template chosen from the lookup list.
    TSynAutoComplete ac(nullptr);
    ac.AutoCompleteList()->SetText("while\r\n=while |\r\n=end");
    ac.SetOptions(TSynCompletionOptions{scoCompleteWithEnter});
    const TSynTextEditorOptions options =
        TSynTextEditorOptions(memo->Options()).Include(eoAutoIndent).Include(eoTrimTrailingSpaces).Include(eoSmartTabs);
    memo->SetOptions(options);
    memo->SetInsertMode(false);
    Load("  wh", 5);
    ac.Execute(ac.TokenBeforeCaret(memo), memo);
    ASSERT_TRUE(ac.Lookup()->Visible());
    memo->OnCommandProcessed =
        TProcessCommandEvent::FromCallable([](TObject*, TSynTextEditorCommand& Command, char&, void*) {
            if (Command == ecLineBreak)
                throw std::runtime_error("processed");
        });
    EXPECT_THROW(ac.Lookup()->Form()->Perform(WM_KEYDOWN, VK_RETURN, 0), std::runtime_error);
    memo->OnCommandProcessed = TProcessCommandEvent();
    released();
    EXPECT_EQ(memo->Options(), options);
    EXPECT_FALSE(memo->InsertMode());
    EXPECT_EQ(ac.Lookup()->EditorCount(), 0);
    memo->Undo();  // without its end mark the broken template goes with the keyword
    EXPECT_EQ(memo->Text(), "  wh");
}

}  // namespace

