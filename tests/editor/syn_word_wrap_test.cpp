// Word wrap seen through the editor: rows, position conversions, the rows
// following edits, the view, and caret moves across wrapped rows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "editor/syn_memo.h"
#include "editor/view/syn_right_edge.h"
#include "editor/view/syn_word_wrap.h"
#include "platform/base/code_page.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_styles.h"
#include "tests/support/test_random.h"
#include "syn_view_test_support.h"

namespace {

void WrapAt(TCustomSynText* Memo, int Width)
{
    Memo->WordWrap()->SetStyle(wwsSpecified);
    Memo->WordWrap()->SetPosition(Width);
    Memo->WordWrap()->SetEnabled(true);
}

// The buffer position where each row starts: the whole row mapping.
std::vector<TBufferCoord> RowStarts(TCustomSynText* Memo)
{
    std::vector<TBufferCoord> starts;
    for (int row = 1; row <= Memo->DisplayLineCount(); ++row)
        starts.push_back(Memo->DisplayToBufferPos(DisplayCoord(1, row)));
    return starts;
}

AnsiString RandomText(TRandom& Random, int Lines, int MaxLength)
{
    static const char* const pieces[] = {"說", "門", "這", "乗", "中", " ", "\t", "a", "b", "x", "-", "@", "\\"};
    AnsiString text;
    for (int i = 0; i < Lines; ++i) {
        const int target = Random.Between(0, MaxLength);
        AnsiString line;
        while (static_cast<int>(line.size()) < target)
            line += Random.Pick(pieces);
        text += line;
        if (i + 1 < Lines)
            text += "\r\n";
    }
    return text;
}

class TSynWordWrapTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override { memo = new TSynMemo(nullptr); }
    void TearDown() override { delete memo; }
    void Load(const AnsiString& Text, TSynTextEditorOptions Options = {})
    {
        memo->SetOptions(Options);
        memo->SetCaretXY(BufferCoord(1, 1));
        memo->SetText(Text);
        memo->ClearUndo();
        memo->SetCaretXY(BufferCoord(1, 1));
    }
    void Run(TSynTextEditorCommand Command, char AChar = '\0', void* Data = nullptr)
    {
        memo->CommandProcessor(Command, AChar, Data);
    }
    TSynMemo* memo = nullptr;
};

}  // namespace

TEST_F(TSynWordWrapTest, LinesWrapIntoRowsAndNarrowWidthsEnd)
{
    Load(AnsiString(100, 'a') + "\r\n\r\nxyz");
    EXPECT_FALSE(memo->GetWordWrap());
    EXPECT_EQ(memo->DisplayLineCount(), 3);
    WrapAt(memo, 40);
    ASSERT_TRUE(memo->GetWordWrap());
    EXPECT_EQ(RowStarts(memo), (std::vector<TBufferCoord>{{1, 1}, {41, 1}, {81, 1}, {1, 2}, {1, 3}}));
    EXPECT_EQ(memo->BufferToDisplayPos(BufferCoord(101, 1)), DisplayCoord(21, 3));
    EXPECT_EQ(memo->RowToLine(3), 1);
    EXPECT_EQ(memo->RowToLine(4), 2);
    EXPECT_EQ(memo->LineToRow(3), 5);
    // Beyond the text rows and lines keep counting one to one.
    EXPECT_EQ(memo->LineToRow(5), 7);
    EXPECT_EQ(memo->RowToLine(7), 5);

    // 說 would straddle column 40: it starts the second row whole.
    Load(AnsiString(39, 'a') + "說" + AnsiString(10, 'b'));
    EXPECT_EQ(RowStarts(memo), (std::vector<TBufferCoord>{{1, 1}, {40, 1}}));
    EXPECT_EQ(memo->BufferToDisplayPos(BufferCoord(42, 1)), DisplayCoord(3, 2));

    // A row narrower than a double-byte character still takes it whole, and
    // a width of 0 wraps nothing.
    Load("說門中a");
    WrapAt(memo, 1);
    EXPECT_EQ(RowStarts(memo), (std::vector<TBufferCoord>{{1, 1}, {3, 1}, {5, 1}, {7, 1}}));
    WrapAt(memo, 0);
    Load(AnsiString(300, 'a'));
    EXPECT_EQ(memo->DisplayLineCount(), 1);
    EXPECT_EQ(memo->BufferToDisplayPos(BufferCoord(301, 1)), DisplayCoord(301, 1));

    // Switching off maps lines to rows one to one again.
    WrapAt(memo, 40);
    EXPECT_EQ(memo->DisplayLineCount(), 8);
    memo->WordWrap()->SetEnabled(false);
    EXPECT_FALSE(memo->GetWordWrap());
    EXPECT_EQ(memo->DisplayLineCount(), 1);
    EXPECT_EQ(memo->RowToLine(5), 5);
}

TEST_F(TSynWordWrapTest, PositionsRoundTripThroughTheEditor)
{
    TRandom random(5);
    memo->SetTabWidth(4);
    Load(RandomText(random, 40, 150));
    for (int width : {1, 2, 7, 25, 0}) {
        WrapAt(memo, width);
        int previousRow = 0;
        for (int line = 1; line <= memo->Lines()->Count(); ++line) {
            const AnsiString text = memo->Lines()->Strings(line - 1);
            for (int column = 1; column <= static_cast<int>(text.size()) + 1; ++column) {
                if (column <= static_cast<int>(text.size()) &&
                    ByteTypeAt(text, static_cast<size_t>(column - 1)) == mbTrailByte)
                    continue;
                const TDisplayCoord display = memo->BufferToDisplayPos(BufferCoord(column, line));
                EXPECT_GE(display.Row, previousRow) << width;
                EXPECT_LE(display.Row, memo->DisplayLineCount()) << width;
                EXPECT_EQ(memo->RowToLine(display.Row), line) << width;
                EXPECT_EQ(memo->DisplayToBufferPos(display), BufferCoord(column, line))
                    << width << " line " << line << " column " << column;
                previousRow = display.Row;
            }
        }
        EXPECT_EQ(previousRow, memo->DisplayLineCount()) << width;
    }
}

TEST_F(TSynWordWrapTest, EditingKeepsTheRowsOfAFullWrap)
{
    TRandom random(17);
    Load(RandomText(random, 30, 90), {eoAutoIndent, eoGroupUndo});
    WrapAt(memo, 13);
    const AnsiString ime = "說門 這";
    const AnsiString pasted = "x 中\r\n\r\n" + AnsiString(30, 'q');
    for (int step = 0; step < 300; ++step) {
        TBufferCoord at = BufferCoord(1, 1);
        if (memo->Lines()->Count() > 0) {
            at.Line = random.Between(1, memo->Lines()->Count());
            const int length = static_cast<int>(memo->Lines()->Strings(at.Line - 1).size());
            at.Char = random.Between(1, length + 1);
        }
        Run(ecGotoXY, '\0', &at);
        switch (random.Below(8)) {
        case 0:
            Run(ecChar, 'k');
            break;
        case 1:
            Run(ecChar, ' ');
            break;
        case 2:
            Run(ecImeStr, '\0', const_cast<char*>(ime.c_str()));
            break;
        case 3:
            Run(ecLineBreak);
            break;
        case 4:
            Run(ecDeleteLastChar);
            break;
        case 5:
            Run(ecDeleteLine);
            break;
        case 6:
            memo->SetSelText(pasted);
            break;
        default:
            Run(ecUndo);
            break;
        }
        const std::vector<TBufferCoord> incremental = RowStarts(memo);
        memo->WordWrap()->SetEnabled(false);
        memo->WordWrap()->SetEnabled(true);
        ASSERT_EQ(incremental, RowStarts(memo)) << step;
    }
    memo->ClearAll();
    EXPECT_EQ(memo->DisplayLineCount(), 0);
    memo->SetText("a b c d e f g h i j k");
    // The space at the wrap point opens the next row.
    EXPECT_EQ(RowStarts(memo), (std::vector<TBufferCoord>{{1, 1}, {14, 1}}));
}

TEST_F(TSynWordWrapTest, CaretMovesAcrossWrappedRows)
{
    // Rows of 10, 10 and 3 letters, then a short line.
    Load(AnsiString("abcdefghijklmnopqrstuvw\r\nxyz"));
    WrapAt(memo, 10);

    Run(ecDown);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(11, 1));
    EXPECT_EQ(memo->DisplayXY(), DisplayCoord(1, 2));
    Run(ecDown);
    EXPECT_EQ(memo->DisplayXY(), DisplayCoord(1, 3));
    Run(ecDown);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 2));
    EXPECT_EQ(memo->DisplayXY(), DisplayCoord(1, 4));
    Run(ecUp);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(21, 1));

    // End stops at the end of the caret's row: the wrap point, shown at the
    // end of the upper row.
    memo->SetCaretXY(BufferCoord(15, 1));
    Run(ecLineEnd);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(21, 1));
    EXPECT_EQ(memo->DisplayXY(), DisplayCoord(11, 2));
    // Home goes to the start of that row, not of the line.
    Run(ecLineStart);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(11, 1));
    EXPECT_EQ(memo->DisplayXY(), DisplayCoord(1, 2));
    // On the last row End goes to the line end.
    memo->SetCaretXY(BufferCoord(22, 1));
    Run(ecLineEnd);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(24, 1));
    EXPECT_EQ(memo->DisplayXY(), DisplayCoord(4, 3));

    // Right onto a wrap point shows the caret at the end of the upper row,
    // Right again at the start of the lower one, Left back.
    memo->SetCaretXY(BufferCoord(10, 1));
    Run(ecRight);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(11, 1));
    EXPECT_EQ(memo->DisplayXY(), DisplayCoord(11, 1));
    Run(ecRight);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(11, 1));
    EXPECT_EQ(memo->DisplayXY(), DisplayCoord(1, 2));
    Run(ecRight);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(12, 1));
    Run(ecLeft);
    Run(ecLeft);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(11, 1));
    EXPECT_EQ(memo->DisplayXY(), DisplayCoord(11, 1));
    Run(ecLeft);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(10, 1));
    // Down from the end of the upper row keeps to the row below.
    Run(ecLineEnd);
    Run(ecDown);
    EXPECT_EQ(memo->DisplayXY(), DisplayCoord(11, 2));
    EXPECT_EQ(memo->CaretXY(), BufferCoord(21, 1));

    // A block caret has no place between the rows.
    memo->SetInsertCaret(ctBlock);
    memo->SetCaretXY(BufferCoord(10, 1));
    Run(ecRight);
    EXPECT_EQ(memo->DisplayXY(), DisplayCoord(1, 2));
    Run(ecLeft);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(10, 1));

    // Enhanced Home on the first row looks at that row's indentation only.
    Load("    abcdefghij", {eoEnhanceHomeKey});
    memo->SetCaretXY(BufferCoord(9, 1));
    Run(ecLineStart);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(5, 1));
    Run(ecLineStart);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 1));
    Load(AnsiString(12, ' ') + "abc", {eoEnhanceHomeKey});
    Run(ecLineStart);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 1));
}

TEST_F(TEditorViewTest, WordWrapFollowsTheWindowAndKeepsTheTopLine)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    memo->SetOptions({});
    AnsiString text;
    for (int i = 0; i < 100; ++i)
        text += AnsiString(6, 'w') + AnsiString(" ") + AnsiString(150, 'a') + (i < 99 ? "\r\n" : "");
    memo->Lines()->SetText(text);
    ASSERT_EQ(memo->Lines()->Count(), 100);
    const int chars = memo->CharsInWindow();
    ASSERT_GT(chars, 10);
    memo->SetTopLine(40);
    memo->SetLeftChar(30);
    EXPECT_EQ(memo->LeftChar(), 30);

    memo->WordWrap()->SetEnabled(true);
    EXPECT_EQ(memo->GetWrapAreaWidth(), chars);
    EXPECT_EQ(memo->RowToLine(memo->TopLine()), 40);
    EXPECT_EQ(memo->TopLine(), memo->LineToRow(40));
    // Rows that fit the window leave nothing to scroll sideways.
    EXPECT_EQ(memo->LeftChar(), 1);
    memo->SetLeftChar(5);
    EXPECT_EQ(memo->LeftChar(), 1);
    EXPECT_EQ(GetWindowLong(memo->Handle(), GWL_STYLE) & WS_HSCROLL, 0);
    const int rows = memo->DisplayLineCount();
    EXPECT_GT(rows, 200);
    SCROLLINFO vertical;
    vertical.fMask = SIF_RANGE;
    ASSERT_TRUE(GetScrollInfo(memo->Handle(), SB_VERT, &vertical));
    EXPECT_EQ(vertical.nMax, rows);

    // A wider window wraps into fewer rows, the top line staying on top.
    memo->SetBounds(0, 0, 600, 200);
    Pump();
    EXPECT_GT(memo->CharsInWindow(), chars);
    EXPECT_LT(memo->DisplayLineCount(), rows);
    EXPECT_EQ(memo->RowToLine(memo->TopLine()), 40);

    // Wrapping at the right edge: wider than the window scrolls sideways.
    memo->RightEdge()->SetPosition(120);
    memo->WordWrap()->SetStyle(wwsRightEdge);
    EXPECT_EQ(memo->BufferToDisplayPos(BufferCoord(158, 1)), DisplayCoord(38, 2));
    memo->RightEdge()->SetPosition(30);
    EXPECT_EQ(memo->BufferToDisplayPos(BufferCoord(158, 1)), DisplayCoord(8, 6));
    memo->RightEdge()->SetPosition(memo->CharsInWindow() + 20);
    memo->SetLeftChar(15);
    EXPECT_EQ(memo->LeftChar(), 15);
    memo->SetLeftChar(100);
    EXPECT_EQ(memo->LeftChar(), 21);

    memo->WordWrap()->SetEnabled(false);
    EXPECT_EQ(memo->TopLine(), 40);
    EXPECT_EQ(memo->DisplayLineCount(), 100);
}

// A text set whole with word wrap on, as the program opens an article,
// with and without a line break at its end: the rows are those of a full
// wrap, and undo gives the text before it back, wrapped in full too.
TEST_F(TEditorViewTest, ATextSetWholeIsWrappedInFull)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    WrapAt(memo, 13);
    TRandom random(23);
    AnsiString before = memo->Text();
    for (const bool finalBreak : {false, true}) {
        SCOPED_TRACE(finalBreak ? "a line break at the end" : "text on the last line");
        const AnsiString text = RandomText(random, 300, 90) + (finalBreak ? "\r\n" : "");
        memo->SetText(text);
        const std::vector<TBufferCoord> rows = RowStarts(memo);
        memo->WordWrap()->SetEnabled(false);
        memo->WordWrap()->SetEnabled(true);
        EXPECT_EQ(RowStarts(memo), rows);
        memo->Undo();
        EXPECT_EQ(memo->Text(), before);
        const std::vector<TBufferCoord> undone = RowStarts(memo);
        memo->WordWrap()->SetEnabled(false);
        memo->WordWrap()->SetEnabled(true);
        EXPECT_EQ(RowStarts(memo), undone);
        memo->SetText(text);
        before = text;
    }
}
