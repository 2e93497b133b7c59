// Editing cases that random sessions found broken, each reduced to its
// smallest form: points inside double-byte characters, undo and redo that
// did not give the text back, marks and fold ranges left past the text,
// edits reaching into collapsed ranges, and carets left past line ends.
#include <gtest/gtest.h>

#include <cstdlib>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_memo.h"
#include "editor/syn_text_commands.h"
#include "platform/win/edit_control_messages.h"

namespace {

class TSynTextConsistencyTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override
    {
        memo = new TSynMemo(nullptr);
        memo->CodeFolding()->FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
        memo->CodeFolding()->SetHighlighterFoldRegions(false);
        memo->CodeFolding()->SetEnabled(true);
    }
    void TearDown() override { delete memo; }
    void Load(const AnsiString& Text, TSynTextEditorOptions Options = SYNTEXT_DEFAULT_OPTIONS)
    {
        memo->SetOptions(Options);
        memo->SetInsertMode(true);
        memo->SetSelectionMode(smNormal);
        memo->SetCaretXY(BufferCoord(1, 1));
        memo->SetText(Text);
        memo->ClearUndo();
        memo->RebuildFoldRanges();
        memo->SetCaretXY(BufferCoord(1, 1));
    }
    void Run(TSynTextEditorCommand Command, char AChar = '\0', void* Data = nullptr)
    {
        memo->CommandProcessor(Command, AChar, Data);
    }
    void Select(TSynSelectionMode Mode, TBufferCoord From, TBufferCoord To)
    {
        memo->SetSelectionMode(Mode);
        memo->SetCaretAndSelection(To, From, To);
    }
    void Fold(int Line)
    {
        TSynTextFoldRange* range = memo->GetFoldRangeAtLine(Line);
        ASSERT_NE(range, nullptr) << "no range at line " << Line;
        memo->Collapse(range);
        ASSERT_TRUE(range->Collapsed);
    }
    void UndoAll()
    {
        while (memo->CanUndo())
            memo->Undo();
    }
    void RedoAll()
    {
        while (memo->CanRedo())
            memo->Redo();
    }
    TSynMemo* memo = nullptr;
};

}  // namespace

TEST_F(TSynTextConsistencyTest, PointsNeverStandInsideADoubleByteCharacter)
{
    // Smart Shift+Tab takes its column from the line above; here that
    // column falls inside 這, which goes whole.
    Load(" 門  char\r\n這");
    memo->SetCaretXY(BufferCoord(3, 2));
    Run(ecShiftTab);
    EXPECT_EQ(memo->Lines()->Strings(1), "");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 2));

    // A caret moved or a selection drawn into 說 stops at its start.
    Load("a說z");
    TBufferCoord inside = BufferCoord(3, 1);
    Run(ecGotoXY, '\0', &inside);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(2, 1));
    EXPECT_EQ(memo->BlockBegin(), BufferCoord(2, 1));
    memo->SetCaretXY(BufferCoord(1, 1));
    Run(ecSelGotoXY, '\0', &inside);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(2, 1));
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(2, 1));

    // Overwriting a column of single-byte characters with 說 widens the
    // block; the caret on its right edge moves along.
    Load("abc\r\ndef");
    Select(smColumn, BufferCoord(1, 1), BufferCoord(2, 2));
    memo->SetInsertMode(false);
    Run(ecChar, '\xD5');
    Run(ecChar, '\x66');
    EXPECT_EQ(memo->Text(), "說bc\r\n說ef");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(3, 2));

    // A column block whose left edge cuts into 說 on its top line: after
    // deleting it the caret stands after 說, and a line break there keeps
    // the character whole.
    Load("a說b\r\nxyzw");
    Select(smColumn, BufferCoord(3, 1), BufferCoord(4, 2));
    Run(ecLineBreak);
    EXPECT_EQ(memo->Text(), "a說\r\nb\r\nxyw");

    // Deleting whole lines leaves the caret at the start of the next line,
    // not at the selection's column.
    Load("ab\r\n\t這}");
    Select(smLine, BufferCoord(3, 1), BufferCoord(4, 1));
    Run(ecLineBreak);
    EXPECT_EQ(memo->Text(), "\r\n\t這}");

    // Collapsing a range moves a caret on a hidden line to the first line,
    // at a character's start.
    Load("說{\r\nab\r\n}");
    memo->SetCaretXY(BufferCoord(2, 2));
    Fold(1);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 1));

    // A column unindent moves the line left under the block's end column.
    Load(" 中");
    Select(smColumn, BufferCoord(1, 1), BufferCoord(2, 1));
    Run(ecBlockUnindent);
    EXPECT_EQ(memo->Text(), "中");
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(3, 1));

    // A line block reaches past the line ends; as a normal block it ends
    // within its line.
    Load("ab\r\ncd");
    Select(smLine, BufferCoord(1, 1), BufferCoord(9, 2));
    memo->SetSelectionMode(smNormal);
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(3, 2));
}

TEST_F(TSynTextConsistencyTest, UndoAndRedoGiveTheTextBackExactly)
{
    // A column deletion over short lines: undo adds no padding.
    Load("abcdef\r\nab\r\nabcd");
    Select(smColumn, BufferCoord(3, 1), BufferCoord(6, 3));
    Run(ecDeleteChar);
    EXPECT_EQ(memo->Text(), "abf\r\nab\r\nab");
    UndoAll();
    EXPECT_EQ(memo->Text(), "abcdef\r\nab\r\nabcd");
    RedoAll();
    EXPECT_EQ(memo->Text(), "abf\r\nab\r\nab");

    // Lines deleted up to the end of the text come back without an extra
    // empty line.
    Load("a\r\nb\r\nc");
    Select(smLine, BufferCoord(1, 2), BufferCoord(1, 3));
    Run(ecChar, 'X');
    EXPECT_EQ(memo->Text(), "a\r\nX\r\n");
    UndoAll();
    EXPECT_EQ(memo->Text(), "a\r\nb\r\nc");

    // Undo in overwrite mode inserts what it puts back.
    Load("a\r\nb\r\nc\r\nd\r\ne");
    memo->SetInsertMode(false);
    Select(smLine, BufferCoord(1, 2), BufferCoord(1, 3));
    Run(ecChar, 'X');
    EXPECT_EQ(memo->Text(), "a\r\nX\r\ne");
    UndoAll();
    EXPECT_EQ(memo->Text(), "a\r\nb\r\nc\r\nd\r\ne");

    // An input-method string overwriting text: redo overwrites again.
    Load("\t\t\tint x;");
    memo->SetInsertMode(false);
    AnsiString ime = "說這";
    Run(ecImeStr, '\0', ime.data());
    EXPECT_EQ(memo->Text(), "說這nt x;");
    UndoAll();
    EXPECT_EQ(memo->Text(), "\t\t\tint x;");
    RedoAll();
    EXPECT_EQ(memo->Text(), "說這nt x;");

    // A column piece put in after 說 that its column cuts into is recorded
    // where it went.
    Load("xy\r\na說b");
    memo->SetSelectionMode(smColumn);
    memo->SetCaretXY(BufferCoord(3, 2));
    memo->SetSelText("Q");
    EXPECT_EQ(memo->Text(), "xy\r\na說Qb");
    UndoAll();
    EXPECT_EQ(memo->Text(), "xy\r\na說b");

    // A column block whose top line ends before the block: its text goes
    // back at the block's column, not where the caret stops on that line.
    Load("ab\r\nxyzw中", {eoGroupUndo});
    Select(smColumn, BufferCoord(4, 2), BufferCoord(6, 1));
    Run(ecUpperCaseBlock);
    EXPECT_EQ(memo->Text(), "ab\r\nxyzW中");
    UndoAll();
    EXPECT_EQ(memo->Text(), "ab\r\nxyzw中");

    // A word deleted from past the line's end joins the next line at that
    // column, also when redone with trailing spaces trimmed.
    Load("x\r\na\r\n*", {eoScrollPastEol, eoTrimTrailingSpaces});
    memo->SetCaretXY(BufferCoord(12, 2));
    Run(ecDeleteWord);
    EXPECT_EQ(memo->Text(), "x\r\na          *");
    UndoAll();
    EXPECT_EQ(memo->Text(), "x\r\na\r\n*");
    RedoAll();
    EXPECT_EQ(memo->Text(), "x\r\na          *");

    // A break whose moved text starts with a blank: undo restores the
    // blank trimmed from the end of the first part.
    Load("const  s", {eoTrimTrailingSpaces});
    memo->SetCaretXY(BufferCoord(7, 1));
    Run(ecLineBreak);
    EXPECT_EQ(memo->Text(), "const\r\n s");
    UndoAll();
    EXPECT_EQ(memo->Text(), "const  s");

    // Text set without a selection goes in at the caret and is recorded
    // there, wherever an undo left the block points.
    Load("ab cd");
    Run(ecDeleteWord);
    EXPECT_EQ(memo->Text(), "cd");
    memo->Undo();
    memo->SetSelText("X");
    EXPECT_EQ(memo->Text(), "Xab cd");
    memo->Undo();
    EXPECT_EQ(memo->Text(), "ab cd");

    // Lines deleted above a collapsed range are recorded by their lines in
    // the expanded text.
    Load("a\r\nb\r\nif {\r\nx\r\n}\r\nz");
    Fold(3);
    Select(smLine, BufferCoord(1, 1), BufferCoord(1, 2));
    Run(ecDeleteLastChar);
    EXPECT_EQ(memo->Text(), "if {\r\nx\r\n}\r\nz");
    UndoAll();
    EXPECT_EQ(memo->Text(), "a\r\nb\r\nif {\r\nx\r\n}\r\nz");
    RedoAll();
    EXPECT_EQ(memo->Text(), "if {\r\nx\r\n}\r\nz");

    // Redoing a Delete leaves the caret where the key left it; undoing a
    // break takes the block off the line that goes.
    Load("abc");
    memo->SetCaretXY(BufferCoord(2, 1));
    Run(ecDeleteChar);
    memo->Undo();
    memo->Redo();
    EXPECT_EQ(memo->CaretXY(), BufferCoord(2, 1));
    Load("ab");
    memo->SetCaretXY(BufferCoord(3, 1));
    Run(ecLineBreak);
    memo->Undo();
    EXPECT_EQ(memo->BlockBegin(), BufferCoord(3, 1));
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(3, 1));
}

TEST_F(TSynTextConsistencyTest, RedoingABlockDeletionLeavesTheCaretWhereTheBlockClosedUp)
{
    // A line block drawn upward ends in a column of its first line; the
    // line that closes up there has 說 in that column.
    Load("ab\r\ncd\r\n說說");
    Select(smLine, BufferCoord(1, 2), BufferCoord(4, 1));
    Run(ecDeleteChar);
    EXPECT_EQ(memo->Text(), "說說");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 1));
    memo->Undo();
    EXPECT_EQ(memo->Text(), "ab\r\ncd\r\n說說");
    memo->Redo();
    EXPECT_EQ(memo->Text(), "說說");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 1));

    // A column block drawn upward from the second line, whose left edge
    // cuts into 乗 on the first: the caret closes up after 乗, on redo too.
    Load("a乗bc\r\nxyzw");
    Select(smColumn, BufferCoord(3, 2), BufferCoord(5, 1));
    Run(ecDeleteChar);
    EXPECT_EQ(memo->Text(), "a乗c\r\nxy");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(4, 1));
    memo->Undo();
    EXPECT_EQ(memo->Text(), "a乗bc\r\nxyzw");
    memo->Redo();
    EXPECT_EQ(memo->Text(), "a乗c\r\nxy");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(4, 1));

    // A column block unindented by a tab: its edge on the first line then
    // cuts into 這 and stands after it, when redone as well.
    Load("\ta這b\r\n\tcd\r\n");
    Select(smColumn, BufferCoord(1, 3), BufferCoord(3, 1));
    Run(ecBlockUnindent);
    EXPECT_EQ(memo->Text(), "a這b\r\ncd\r\n");
    const TBufferCoord begin = memo->BlockBegin();
    const TBufferCoord end = memo->BlockEnd();
    EXPECT_EQ(begin, BufferCoord(4, 1));
    memo->Undo();
    EXPECT_EQ(memo->Text(), "\ta這b\r\n\tcd\r\n");
    memo->Redo();
    EXPECT_EQ(memo->Text(), "a這b\r\ncd\r\n");
    EXPECT_EQ(memo->BlockBegin(), begin);
    EXPECT_EQ(memo->BlockEnd(), end);
    EXPECT_EQ(memo->CaretXY(), begin);
}

TEST_F(TSynTextConsistencyTest, ReplacingTheSelectionByMessageUndoesExactly)
{
    const auto replace = [this](const char* Text) {
        memo->Perform(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(Text));
    };
    // A line block replaced by one line: undo takes out that line only.
    Load("a\r\nb\r\nc\r\nd");
    Select(smLine, BufferCoord(1, 2), BufferCoord(2, 2));
    replace("X\r\n");
    EXPECT_EQ(memo->Text(), "a\r\nX\r\nc\r\nd");
    UndoAll();
    EXPECT_EQ(memo->Text(), "a\r\nb\r\nc\r\nd");
    RedoAll();
    EXPECT_EQ(memo->Text(), "a\r\nX\r\nc\r\nd");

    // A column piece past the end of a short line: the padding goes too.
    Load("abcd\r\na");
    Select(smColumn, BufferCoord(4, 1), BufferCoord(4, 1));
    replace("說\r\n門");
    EXPECT_EQ(memo->Text(), "abc說d\r\na  門");
    UndoAll();
    EXPECT_EQ(memo->Text(), "abcd\r\na");
}

TEST_F(TSynTextConsistencyTest, MarksAndRangesStayWithinTheText)
{
    // The last line joins the one above: its bookmark and its range stay
    // on a line that exists.
    Load("a\r\nb{");
    memo->SetBookMark(0, 1, 2);
    memo->SetCaretXY(BufferCoord(1, 2));
    Run(ecDeleteLastChar);
    ASSERT_EQ(memo->Lines()->Count(), 1);
    int x = 0;
    int y = 0;
    ASSERT_TRUE(memo->GetBookMark(0, x, y));
    EXPECT_EQ(y, 1);
    ASSERT_EQ(memo->AllFoldRanges()->AllCount(), 1);
    EXPECT_EQ(memo->AllFoldRanges()->AllRanges(0)->FromLine(), 1);
    EXPECT_EQ(memo->AllFoldRanges()->AllRanges(0)->ToLine(), 1);
}

TEST_F(TSynTextConsistencyTest, EditsNextToCollapsedRangesTakeTheirLinesInView)
{
    const AnsiString text = "a\r\nb\r\nif {\r\nx\r\n}\r\nz";

    // Overwriting whole lines continues into a collapsed range below: its
    // first line is overwritten as text, and undo gives it back without
    // the collapse mark.
    Load(text);
    Fold(3);
    memo->SetInsertMode(false);
    Select(smLine, BufferCoord(1, 1), BufferCoord(1, 2));
    Run(ecChar, 'Q');
    EXPECT_EQ(memo->Text(), "Q\r\nx\r\n}\r\nz");
    UndoAll();
    EXPECT_EQ(memo->Text(), text);

    // A line break or a tab after deleting lines lands on the first line
    // of a collapsed range: the range comes into view and undo gives the
    // line back as it was.
    for (const TSynTextEditorCommand command : {ecLineBreak, ecTab}) {
        Load(text, {eoTrimTrailingSpaces});
        Fold(3);
        Select(smLine, BufferCoord(1, 1), BufferCoord(1, 2));
        Run(command);
        EXPECT_EQ(memo->Text(), command == ecLineBreak ? "\r\nif {\r\nx\r\n}\r\nz" : "\tif {\r\nx\r\n}\r\nz");
        EXPECT_FALSE(memo->AllFoldRanges()->HasCollapsed());
        UndoAll();
        EXPECT_EQ(memo->Text(), text) << command;
    }

    // Overwriting a column with a character: the collapse mark of a first
    // line in the block is no text to overwrite.
    Load("ab\r\n{c\r\nx\r\n}");
    Fold(2);
    memo->SetInsertMode(false);
    Select(smColumn, BufferCoord(5, 2), BufferCoord(3, 1));
    Run(ecChar, 'Q');
    EXPECT_EQ(memo->Text(), "abQQ\r\n{cQQ\r\nx\r\n}");

    // A selection from an earlier line to the end of a collapsed first line
    // takes the hidden lines along, to copy and to replace; setting the
    // text replaces them too.
    Load("a\r\nb {\r\nx\r\n}");
    Fold(2);
    memo->SetCaretAndSelection(BufferCoord(9, 2), BufferCoord(1, 1), BufferCoord(9, 2));
    EXPECT_EQ(memo->SelText(), "a\r\nb {\r\nx\r\n}");
    memo->SetSelText("z");
    EXPECT_EQ(memo->Text(), "z");
    Load("b {\r\nx\r\n}");
    Fold(1);
    memo->SetText("new");
    EXPECT_EQ(memo->Text(), "new");

    // Column pieces go down the lines of the text, collapsed ones too.
    Load("ab\r\n{\r\nx\r\n}\r\nz");
    Fold(2);
    memo->SetSelectionMode(smColumn);
    memo->SetCaretXY(BufferCoord(2, 1));
    memo->SetSelText("1\r\n2\r\n3");
    EXPECT_EQ(memo->Text(), "a1b\r\n{2\r\nx3\r\n}\r\nz");
    UndoAll();
    EXPECT_EQ(memo->Text(), "ab\r\n{\r\nx\r\n}\r\nz");

    // A line block taking a collapsed range whole takes the collapsed range
    // inside it too: undo gives back every line, and redo takes them again.
    Load("a\r\nb {\r\nc\r\nd {\r\ne\r\n}\r\nf\r\n}\r\ng");
    Fold(4);
    Fold(2);
    Select(smLine, BufferCoord(1, 2), BufferCoord(1, 1));
    Run(ecDeleteChar);
    EXPECT_EQ(memo->Text(), "g");
    UndoAll();
    EXPECT_EQ(memo->Text(), "a\r\nb {\r\nc\r\nd {\r\ne\r\n}\r\nf\r\n}\r\ng");
    RedoAll();
    EXPECT_EQ(memo->Text(), "g");

    // A case change at the caret on the first line of a collapsed range
    // leaves its collapse mark alone.
    Load("a\r\n\t\t{\r\nx\r\n}\r\nz");
    Fold(2);
    memo->SetSelectionMode(smColumn);
    memo->SetCaretXY(BufferCoord(5, 2));
    Run(ecToggleCaseBlock);
    Run(ecUpperCase);
    EXPECT_EQ(memo->Text(), "a\r\n\t\t{\r\nx\r\n}\r\nz");
    UndoAll();
    EXPECT_EQ(memo->Text(), "a\r\n\t\t{\r\nx\r\n}\r\nz");
}

TEST_F(TSynTextConsistencyTest, ALineBreakPastedIntoIndentationUndoesAndRedoesInOrder)
{
    // The indentation left of the break is trimmed away, so the recorded
    // insertion starts past its line's end; undo must close up there, not
    // at the shortened line's end.
    const AnsiString text = "a\r\n    \tb\r\nc";
    for (const bool grouped : {false, true}) {
        Load(text, grouped ? TSynTextEditorOptions{eoTrimTrailingSpaces, eoGroupUndo}
                           : TSynTextEditorOptions{eoTrimTrailingSpaces});
        memo->SetCaretXY(BufferCoord(5, 2));
        memo->SetSelText("\r\n    ");
        EXPECT_EQ(memo->Text(), "a\r\n\r\n    \tb\r\nc");
        memo->SetSelText("\r\n    ");
        const AnsiString edited = memo->Text();
        EXPECT_EQ(edited, "a\r\n\r\n\r\n    \tb\r\nc");
        UndoAll();
        EXPECT_EQ(memo->Text(), text) << grouped;
        RedoAll();
        EXPECT_EQ(memo->Text(), edited) << grouped;
        EXPECT_EQ(memo->CaretXY(), BufferCoord(5, 4)) << grouped;
    }
}

TEST_F(TSynTextConsistencyTest, ABlockCollapsedAtTheEndOfItsParentFoldsAwayWithIt)
{
    // The else block and the function end on the same line: with the else
    // block collapsed, the function ends on its first line, and collapsing
    // the function hides that line too.
    const AnsiString text = "f {\r\n\tif {\r\n\t} else {\r\n\t\tx;\r\n\t}}\r\ny";
    Load(text);
    Fold(3);
    Fold(1);
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Lines()->Strings(1), "y");

    // Typing over a selection after it leaves the hidden ranges whole.
    Select(smNormal, BufferCoord(1, 2), BufferCoord(2, 2));
    Run(ecChar, 'z');
    memo->Uncollapse(memo->GetFoldRangeAtLine(1));
    ASSERT_EQ(memo->Lines()->Count(), 4);
    TSynTextFoldRange* inner = memo->GetFoldRangeAtLine(3);
    ASSERT_NE(inner, nullptr);
    EXPECT_TRUE(inner->Collapsed);
    EXPECT_EQ(memo->Lines()->Strings(2), "\t} else {" + inner->CollapsedSuffix());
    memo->UncollapseAll();
    EXPECT_EQ(memo->Text(), "f {\r\n\tif {\r\n\t} else {\r\n\t\tx;\r\n\t}}\r\nz");
    UndoAll();
    EXPECT_EQ(memo->Text(), text);
}

TEST_F(TSynTextConsistencyTest, WithoutScrollPastEolTheCaretStaysInItsLine)
{
    // Auto-indent on an empty line: no indentation to stand in.
    Load("\tx\r\n", {eoAutoIndent});
    memo->SetTabWidth(2);
    memo->SetCaretXY(BufferCoord(1, 2));
    Run(ecLineBreak);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 3));

    // The trailing-space rule takes blanks from under the caret.
    Load("ab", {eoTrimTrailingSpaces});
    memo->SetCaretXY(BufferCoord(3, 1));
    AnsiString ime = "說 ";
    Run(ecImeStr, '\0', ime.data());
    EXPECT_EQ(memo->Text(), "ab說");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(5, 1));
    Load("ab  c", {eoTrimTrailingSpaces});
    memo->SetCaretXY(BufferCoord(6, 1));
    Run(ecDeleteLastChar);
    EXPECT_EQ(memo->Text(), "ab");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(3, 1));

    // Expanding a range with the caret after its collapse mark.
    Load("{\r\nx\r\n}", {});
    Fold(1);
    memo->SetCaretXY(BufferCoord(static_cast<int>(memo->Lines()->Strings(0).size()) + 1, 1));
    memo->UncollapseAll();
    EXPECT_EQ(memo->CaretXY(), BufferCoord(2, 1));
}
