#include <cstdlib>
#include <string>

#include "platform/base/sys_utils.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "syn_view_test_support.h"

namespace {

AnsiString NumberedLines(int Count)
{
    AnsiString text;
    for (int i = 1; i <= Count; ++i) {
        text += std::to_string(i);
        if (i < Count)
            text += "\r\n";
    }
    return text;
}

SCROLLINFO VerticalBar(TSynMemo* Memo)
{
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    EXPECT_TRUE(GetScrollInfo(Memo->Handle(), SB_VERT, &info));
    return info;
}

}  // namespace

TEST_F(TEditorViewTest, VerticalRangeScalesPastSixteenBitsAndTopLineClamps)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    const int rows = memo->LinesInWindow();
    ASSERT_GT(rows, 2);

    memo->Lines()->SetText(NumberedLines(10));
    memo->UpdateScrollBars();
    SCROLLINFO small = VerticalBar(memo);
    EXPECT_EQ(small.nMin, 1);
    EXPECT_EQ(small.nMax, 10);

    memo->Lines()->SetText(NumberedLines(100000));
    memo->SetTopLine(50000);
    memo->UpdateScrollBars();
    SCROLLINFO big = VerticalBar(memo);
    EXPECT_EQ(big.nMin, 0);
    EXPECT_EQ(big.nMax, 32767);
    EXPECT_EQ(big.nPage, static_cast<UINT>(MulDiv(32767, rows, 100000)));
    EXPECT_EQ(big.nPos, MulDiv(32767, 50000, 100000));

    memo->Lines()->SetText(NumberedLines(100));
    memo->SetTopLine(1000);
    EXPECT_EQ(memo->TopLine(), 100 - rows + 1);  // the last line at the bottom
    memo->SetTopLine(-5);
    EXPECT_EQ(memo->TopLine(), 1);
    TSynTextEditorOptions options = memo->Options();
    memo->SetOptions(options.Include(eoScrollPastEof));
    memo->SetTopLine(1000);
    EXPECT_EQ(memo->TopLine(), 100);  // the last line at the top
}

TEST_F(TEditorViewTest, WheelScrollsThreeLinesPerFullNotchOnlyTheView)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    memo->Lines()->SetText(NumberedLines(200));
    memo->SetCaretXY(BufferCoord(1, 60));
    memo->SetTopLine(50);
    const TPoint screen = memo->ClientToScreen(Point(10, 10));
    const LPARAM at = PointToLParam(screen.X, screen.Y);

    memo->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-60)), at);
    EXPECT_EQ(memo->TopLine(), 50);
    memo->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-60)), at);
    EXPECT_EQ(memo->TopLine(), 53);
    memo->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, 240), at);
    EXPECT_EQ(memo->TopLine(), 47);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 60));
}

TEST_F(TEditorViewTest, CaretPastTheRightEdgeShowsRoomButStaysInNarrowWindows)
{
    TSynMemo* memo = AddMemo(0, 400, 100);
    const int columns = memo->CharsInWindow();
    ASSERT_GT(columns, 24);
    memo->Lines()->SetText(AnsiString(300, 'x'));
    memo->SetCaretXY(BufferCoord(columns + 1, 1));
    EXPECT_EQ(memo->LeftChar(), columns + 1 - columns + 24);
    memo->SetCaretXY(BufferCoord(3, 1));
    EXPECT_EQ(memo->LeftChar(), 3);

    memo->SetWidth(memo->CharWidth() * 10 + 2 + memo->GutterWidth());
    Pump();
    ASSERT_EQ(memo->CharsInWindow(), 10);
    memo->SetCaretXY(BufferCoord(40, 1));
    EXPECT_LE(memo->LeftChar(), 40);
    EXPECT_GT(memo->LeftChar() + memo->CharsInWindow(), 40);
}

// The hint beside a dragged thumb may still be up when the program ends:
// the process ends cleanly all the same.
TEST_F(TEditorViewTest, AScrollHintStillShownWhenTheProgramEndsEndsCleanly)
{
    EXPECT_EXIT(
        {
            TSynMemo* memo = AddMemo(0, 300, 200);
            TSynTextEditorOptions options = memo->Options();
            options.Include(eoShowScrollHint);
            memo->SetOptions(options);
            memo->Lines()->SetText(NumberedLines(1000));
            memo->UpdateScrollBars();
            SendMessage(memo->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 500), 0);
            std::exit(memo->TopLine() > 1 ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
}
