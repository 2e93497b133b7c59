// The memo: its Lines, wrapping rows and the row messages, keys that move
// between rows, scrolling with its bars and the wheel, the text rectangle
// and margins, and which keys it keeps from the form.
#include <string>
#include <vector>

#include "edit_test_support.h"
#include "platform/base/exceptions.h"
#include "platform/base/strings.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/win/clock.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/system_metrics.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"

namespace {

using TLines = std::vector<std::string>;

TLines LinesOf(TMemo* Memo)
{
    TLines lines;
    for (int i = 0; i < Memo->Lines()->Count(); ++i)
        lines.push_back(Memo->Lines()->Strings(i));
    return lines;
}

// Row starts by EM_LINEINDEX, for as many rows as EM_GETLINECOUNT gives.
std::vector<int> RowStarts(HWND Box)
{
    std::vector<int> starts;
    auto rows = static_cast<int>(SendMessage(Box, EM_GETLINECOUNT, 0, 0));
    for (int i = 0; i < rows; ++i)
        starts.push_back(static_cast<int>(SendMessage(Box, EM_LINEINDEX, static_cast<WPARAM>(i), 0)));
    return starts;
}

}  // namespace

TEST_F(TEditTest, MemoLinesReadAndChangeTheText)
{
    TMemo* memo = ShowMemo();
    // Wrapping or not, Lines are the lines between breaks.
    for (bool wrap : {true, false}) {
        SCOPED_TRACE(wrap ? "wrapping" : "not wrapping");
        memo->SetWordWrap(wrap);
        TStrings* lines = memo->Lines();
        EXPECT_EQ(lines->Count(), 0);
        lines->Add("one");
        lines->Add(Shuo + Men);
        lines->Insert(1, "mid");
        EXPECT_EQ(BoxText(), "one\r\nmid\r\n" + Shuo + Men);
        lines->SetStrings(0, "ONE");
        lines->Delete(2);
        EXPECT_EQ(LinesOf(memo), (TLines{"ONE", "mid"}));
        EXPECT_EQ(lines->Text(), "ONE\r\nmid");
        lines->Delete(0);
        EXPECT_EQ(BoxText(), "mid");
        // A break at the end starts no line; setting the text splits it again.
        lines->SetText("a\r\nb\r\n");
        EXPECT_EQ(LinesOf(memo), (TLines{"a", "b"}));
        lines->Add("c");
        EXPECT_EQ(BoxText(), "a\r\nb\r\nc\r\n");
        EXPECT_EQ(lines->IndexOf("B"), 1);
        // Lines changes are the program's: nothing to undo.
        EXPECT_FALSE(memo->CanUndo());
        lines->Clear();
        EXPECT_EQ(BoxText(), "");
        EXPECT_THROW(lines->Delete(0), EStringListError);
    }
}

TEST_F(TEditTest, MemoWrapsWordsIntoRowsWithoutSplittingCharacters)
{
    // 24 cells of 8 pixels fit a row.
    TMemo* memo = ShowMemo(200, 100);
    memo->SetText("aaaa bbbb cccc dddd eeee ffff gggg");
    EXPECT_EQ(RowStarts(Box()), (std::vector<int>{0, 20}));
    EXPECT_EQ(memo->Lines()->Count(), 1);
    EXPECT_EQ(SendMessage(Box(), EM_LINEFROMCHAR, 19, 0), 0);
    EXPECT_EQ(SendMessage(Box(), EM_LINEFROMCHAR, 20, 0), 1);
    // A run of double-byte characters breaks between two of them: 12 of
    // 16 pixels fit.
    AnsiString wide;
    for (int i = 0; i < 14; ++i)
        wide += i % 2 ? Men : Shuo;
    memo->SetText("ab\r\n" + wide);
    EXPECT_EQ(RowStarts(Box()), (std::vector<int>{0, 4, 28}));
    EXPECT_EQ(SendMessage(Box(), EM_LINEINDEX, 2, 0), 28);
    EXPECT_EQ(SendMessage(Box(), EM_LINEINDEX, 3, 0), -1);
    // Typing at the end of the first row moves the words on.
    memo->SetText("aaaa bbbb cccc dddd eeee");
    Select(4, 4);
    SendChars("xxxx");
    EXPECT_EQ(RowStarts(Box()), (std::vector<int>{0, 24}));
    // Without wrapping, a row is a line.
    memo->SetWordWrap(false);
    EXPECT_EQ(RowStarts(Box()), (std::vector<int>{0}));
}

TEST_F(TEditTest, MemoKeysMoveBetweenRowsAndTypeLineBreaks)
{
    TMemo* memo = ShowMemo(200, 100);
    SendChars("ab" + Shuo + "\rxyz\r\r1");
    EXPECT_EQ(BoxText(), "ab" + Shuo + "\r\nxyz\r\n\r\n1");
    // 0 a, 1 b, 2 說, 4 CR LF, 6 xyz, 9 CR LF, 11 CR LF, 13 "1", 14 end.
    // Down keeps to the column it started from, through shorter rows.
    Select(4, 4);
    Stroke(VK_DOWN);
    EXPECT_EQ(Selection(), std::make_pair(9, 9));
    Stroke(VK_DOWN);
    EXPECT_EQ(Selection(), std::make_pair(11, 11));
    Stroke(VK_DOWN);
    EXPECT_EQ(Selection(), std::make_pair(14, 14));
    Stroke(VK_UP, InjectShift);
    Stroke(VK_UP, InjectShift);
    EXPECT_EQ(Selection(), std::make_pair(9, 14));
    Stroke(VK_HOME);
    EXPECT_EQ(Selection(), std::make_pair(6, 6));
    Stroke(VK_END);
    EXPECT_EQ(Selection(), std::make_pair(9, 9));
    Stroke(VK_END, InjectCtrl);
    EXPECT_EQ(Selection(), std::make_pair(14, 14));
    // Backspace takes a line break whole.
    Select(6, 6);
    Stroke(VK_BACK);
    EXPECT_EQ(BoxText(), "ab" + Shuo + "xyz\r\n\r\n1");
    Stroke(VK_HOME, InjectCtrl);
    EXPECT_EQ(Selection(), std::make_pair(0, 0));
    // Tab goes to the form unless the memo wants tabs.
    memo->WantTabs = true;
    Stroke(VK_TAB);
    EXPECT_EQ(BoxText().substr(0, 3), "\tab");
}

TEST_F(TEditTest, MemoScrollsToTheCaretWithItsBarsAndTheWheel)
{
    TMemo* memo = ShowMemo(200, 100);
    memo->SetScrollBars(ssVertical);
    memo->SetFocus();
    AnsiString text;
    for (int i = 0; i < 20; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    memo->SetText(text);
    // Five rows of 16 show in a client area 96 high less the top pixel.
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(Box(), SB_VERT, &info);
    EXPECT_EQ(info.nMax, 20);
    EXPECT_EQ(static_cast<int>(info.nPage), 5);
    EXPECT_EQ(info.nPos, 0);
    Stroke(VK_END, InjectCtrl);
    EXPECT_EQ(SendMessage(Box(), EM_GETFIRSTVISIBLELINE, 0, 0), 16);
    SendMessage(Box(), WM_VSCROLL, SB_LINEUP, 0);
    SendMessage(Box(), WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(SendMessage(Box(), EM_GETFIRSTVISIBLELINE, 0, 0), 10);
    GetScrollInfo(Box(), SB_VERT, &info);
    EXPECT_EQ(info.nPos, 10);
    InjectWheel(ScreenPoint(memo, 20, 20), -WHEEL_DELTA);
    Pump();
    EXPECT_EQ(SendMessage(Box(), EM_GETFIRSTVISIBLELINE, 0, 0), 13);
    SendMessage(Box(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(SendMessage(Box(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    // Page Down moves the caret a page of rows.
    Select(0, 0);
    Stroke(VK_NEXT);
    EXPECT_EQ(SendMessage(Box(), EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0), 5);
}

TEST_F(TEditTest, TextRectangleAndMarginsNarrowTheRows)
{
    TMemo* memo = ShowMemo(200, 100);
    memo->SetText("aaaa bbbb cccc dddd eeee");
    EXPECT_EQ(RowStarts(Box()), (std::vector<int>{0}));
    TRect narrow = Rect(0, 0, 90, 96);
    SendMessage(Box(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&narrow));
    // 88 pixels less the margins: 11 cells.
    EXPECT_EQ(RowStarts(Box()), (std::vector<int>{0, 10, 20}));
    SendMessage(Box(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(2, 0));
    EXPECT_EQ(RowStarts(Box()), (std::vector<int>{0, 10, 20}));
    SendMessage(Box(), EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(20, 0));
    EXPECT_EQ(RowStarts(Box()), (std::vector<int>{0, 5, 10, 15, 20}));
    // Back to the client area, with the left margin kept.
    SendMessage(Box(), EM_SETRECTNP, 0, 0);
    EXPECT_EQ(RowStarts(Box()), (std::vector<int>{0, 20}));
}

TEST_F(TEditTest, EnterGoesToTheFormFromAnEditButNotFromAMemo)
{
    TEdit* edit = ShowEdit();
    std::vector<std::string> keys;
    const TWndMethod inner = form_->WindowProc;
    form_->WindowProc = TWndMethod::FromCallable([&keys, inner](TMessage& Message) {
        if (Message.Msg == CM_DIALOGKEY)
            keys.push_back(std::to_string(Message.WParam));
        inner(Message);
    });
    Stroke(VK_RETURN);
    Stroke(VK_ESCAPE);
    EXPECT_EQ(keys, (TLines{std::to_string(VK_RETURN), std::to_string(VK_ESCAPE)}));
    EXPECT_EQ(edit->Text(), "");
    keys.clear();
    auto* memo = new TMemo(form_.get());
    memo->SetBounds(10, 60, 100, 60);
    memo->SetParent(form_.get());
    memo->SetFocus();
    Stroke(VK_RETURN);
    EXPECT_TRUE(keys.empty());
    EXPECT_EQ(memo->Text(), "\r\n");
    memo->WantReturns = false;
    Stroke(VK_RETURN);
    EXPECT_EQ(keys, TLines{std::to_string(VK_RETURN)});
    EXPECT_EQ(memo->Text(), "\r\n");
    form_->WindowProc = inner;
}

TEST_F(TEditTest, DraggingBelowAMemoScrollsItRowByRow)
{
    TMemo* memo = ShowMemo(200, 100);
    AnsiString text;
    for (int i = 0; i < 12; ++i)
        text += "row" + std::to_string(i) + "\r\n";
    memo->SetText(text);
    InjectMouseDown(ScreenPoint(memo, 2, 5));
    InjectMouseMove(ScreenPoint(memo, 2, 150));
    Pump();
    // The selection reaches the row below the last one shown, and the rows
    // scroll one a tick while the mouse stays below.
    EXPECT_EQ(SendMessage(Box(), EM_GETFIRSTVISIBLELINE, 0, 0), 1);
    for (int i = 0; i < 3; ++i) {
        AdvanceClock(100);
        Pump();
    }
    EXPECT_EQ(SendMessage(Box(), EM_GETFIRSTVISIBLELINE, 0, 0), 4);
    InjectMouseUp(ScreenPoint(memo, 2, 150));
    Pump();
    EXPECT_EQ(Selection(), std::make_pair(0, static_cast<int>(SendMessage(Box(), EM_LINEINDEX, 8, 0))));
}

TEST_F(TEditTest, AMemoWithAHorizontalBarScrollsSideways)
{
    TMemo* memo = ShowMemo(200, 100);
    memo->SetScrollBars(ssBoth);
    memo->SetFocus();
    // 40 cells: 320 pixels, in a text area 200 - 4 - 17 - 2 wide.
    memo->SetText(AnsiString(40, 'w') + "\r\nshort");
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(Box(), SB_HORZ, &info);
    EXPECT_EQ(info.nMax, 320);
    const int page = static_cast<int>(info.nPage);
    EXPECT_EQ(page, 200 - 4 - GetSystemMetrics(SM_CXVSCROLL) - 2);
    Select(40, 40);
    GetScrollInfo(Box(), SB_HORZ, &info);
    EXPECT_EQ(info.nPos, 320 - page + 1);
    SendMessage(Box(), WM_HSCROLL, SB_LEFT, 0);
    GetScrollInfo(Box(), SB_HORZ, &info);
    EXPECT_EQ(info.nPos, 0);
    SendMessage(Box(), WM_HSCROLL, SB_LINERIGHT, 0);
    GetScrollInfo(Box(), SB_HORZ, &info);
    EXPECT_EQ(info.nPos, 8);
    // A page on stops where the longest row's end comes into sight.
    SendMessage(Box(), WM_HSCROLL, SB_PAGERIGHT, 0);
    GetScrollInfo(Box(), SB_HORZ, &info);
    EXPECT_EQ(info.nPos, 320 - page + 1);
}
