#include <algorithm>
#include <string>
#include <vector>

#include "editor/folding/fold_regions.h"
#include "editor/completion/syn_completion_proposal.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/view/syn_right_edge.h"
#include "editor/syn_text_keystrokes.h"
#include "editor/document/syn_text_mark.h"
#include "platform/base/string_list.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/clock.h"
#include "platform/win/cursor.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/ime_result.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "syn_view_test_support.h"

namespace {

// Shows the hint that lists a collapsed range's lines.
class TInputMemo : public TSynMemo {
public:
    using TSynMemo::TSynMemo;
    TSynCompletionProposal* CollapsedHint() const { return collapsedHint_.get(); }
};

class TInputTest : public TEditorViewTest {
protected:
    // The clock runs by hand: presses a second apart are never a double click.
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        SetManualClock(true);
    }
    void TearDown() override
    {
        SetManualClock(false);
        TEditorViewTest::TearDown();
    }

    static void Press(TPoint Screen, int Button = 1)
    {
        AdvanceClock(1000);
        InjectMouseDown(Screen, Button);
        Pump();
    }

    static void Click(TPoint Screen, int Button = 1)
    {
        Press(Screen, Button);
        InjectMouseUp(Screen, Button);
        Pump();
    }

    TInputMemo* AddInputMemo()
    {
        auto* memo = new TInputMemo(host_.get());
        memo->SetBorderStyle(bsNone);
        memo->SetBounds(0, 0, 300, 200);
        memo->SetParent(host_.get());
        memo->HandleNeeded();
        memo->SetFocus();
        Pump();
        return memo;
    }

    // The screen point a little right of the left edge of a cell.
    static TPoint Cell(TSynMemo* Memo, int Column, int Row)
    {
        const TPoint p = Memo->RowColumnToPixels(DisplayCoord(Column, Row));
        return Memo->ClientToScreen(Point(p.X + 1, p.Y + Memo->LineHeight() / 2));
    }

    static void Drag(TPoint From, TPoint To)
    {
        Press(From);
        InjectMouseMove(To);
        Pump();
        InjectMouseUp(To);
        Pump();
    }
};

AnsiString NumberedLines(const AnsiString& First, int Count, const AnsiString& Last)
{
    AnsiString text = First;
    for (int i = 2; i < Count; ++i)
        text += "\r\n\tline " + std::to_string(i);
    return text + "\r\n" + Last;
}

}  // namespace

TEST_F(TInputTest, BoundKeysEatTheirCharacterAndInputMethodStringsTypeOnce)
{
    TInputMemo* memo = AddInputMemo();
    memo->SetText("ab");
    std::vector<TSynTextEditorCommand> commands;
    memo->OnCommandProcessed = TProcessCommandEvent::FromCallable(
        [&](TObject*, TSynTextEditorCommand& Command, char&, void*) { commands.push_back(Command); });

    TSynTextKeyStroke* binding = memo->Keystrokes()->Add();
    binding->Key = 'Q';
    binding->Command = ecSelectAll;
    InjectKeyStroke('Q');
    Pump();
    EXPECT_EQ(memo->Text(), "ab");
    EXPECT_EQ(memo->SelText(), "ab");
    EXPECT_EQ(std::count(commands.begin(), commands.end(), ecChar), 0);
    // The next key is not bound: its character types over the selection.
    InjectKeyStroke('W');
    Pump();
    EXPECT_EQ(memo->Text(), "w");

    // 說門: one command for the string, the four characters that follow eaten.
    memo->SetText("");
    commands.clear();
    InjectImeResult("\xD5\x66\xE9\x54");
    Pump();
    EXPECT_EQ(memo->Text(), "\xD5\x66\xE9\x54");
    EXPECT_EQ(std::count(commands.begin(), commands.end(), ecImeStr), 1);
    EXPECT_EQ(std::count(commands.begin(), commands.end(), ecChar), 0);
    InjectText("x");
    Pump();
    EXPECT_EQ(memo->Text(), "\xD5\x66\xE9\x54x");

    // Opening the input method gives it the editor's font.
    SendMessage(memo->Handle(), WM_IME_NOTIFY, IMN_SETOPENSTATUS, 0);
    LOGFONT font;
    const HIMC context = ImmGetContext(memo->Handle());
    ASSERT_TRUE(ImmGetCompositionFont(context, &font));
    ImmReleaseContext(memo->Handle(), context);
    EXPECT_EQ(AnsiString(font.lfFaceName), memo->Font()->Name());
    memo->OnCommandProcessed = nullptr;
}

TEST_F(TInputTest, ReturnKeepsTheAutoIndentWithFoldingOnAsOff)
{
    const AnsiString text = "int f() {\r\n"
                            "    \xD5\x66 x;\r\n"  // 說 x;
                            "}";
    struct TOutcome {
        AnsiString Text;
        TBufferCoord Caret;
    };
    std::vector<TOutcome> outcomes;
    for (const bool folding : {false, true}) {
        TInputMemo* memo = AddInputMemo();
        memo->CodeFolding()->FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
        memo->CodeFolding()->SetHighlighterFoldRegions(false);
        memo->CodeFolding()->SetEnabled(folding);
        memo->SetText(text);
        memo->SetCaretXY(BufferCoord(12, 2));
        InjectKeyStroke(VK_RETURN);
        Pump();
        outcomes.push_back({memo->Text(), memo->CaretXY()});
        InjectText("y");
        Pump();
        outcomes.push_back({memo->Text(), memo->CaretXY()});
        delete memo;
    }
    EXPECT_EQ(outcomes[0].Text, "int f() {\r\n    \xD5\x66 x;\r\n    \r\n}");
    EXPECT_EQ(outcomes[0].Caret, BufferCoord(5, 3));
    EXPECT_EQ(outcomes[1].Text, "int f() {\r\n    \xD5\x66 x;\r\n    y\r\n}");
    EXPECT_EQ(outcomes[1].Caret, BufferCoord(6, 3));
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(outcomes[i + 2].Text, outcomes[i].Text) << i;
        EXPECT_EQ(outcomes[i + 2].Caret, outcomes[i].Caret) << i;
    }

    // At the end of a collapsed block's first line Return expands the block
    // and breaks the line after it.
    TInputMemo* memo = AddInputMemo();
    memo->CodeFolding()->FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
    memo->CodeFolding()->SetHighlighterFoldRegions(false);
    memo->CodeFolding()->SetEnabled(true);
    memo->SetText(text);
    memo->Collapse(memo->GetFoldRangeAtLine(1));
    memo->SetCaretXY(BufferCoord(10, 1));
    InjectKeyStroke(VK_RETURN);
    Pump();
    EXPECT_EQ(memo->Text(), text + "\r\n");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 4));
}

TEST_F(TInputTest, PressDragAndReleaseSelectInEachWay)
{
    TInputMemo* memo = AddInputMemo();
    memo->SetText("abcdef\r\nghijkl\r\nmnopqr");

    Drag(Cell(memo, 2, 1), Cell(memo, 4, 2));
    EXPECT_EQ(memo->BlockBegin(), BufferCoord(2, 1));
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(4, 2));
    EXPECT_EQ(memo->SelText(), "bcdef\r\nghi");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(4, 2));

    // A press in the selection waits for a drag and keeps the selection;
    // released without moving it is a click there.
    Press(Cell(memo, 3, 1));
    EXPECT_EQ(memo->SelText(), "bcdef\r\nghi");
    InjectMouseUp(Cell(memo, 3, 1));
    Pump();
    EXPECT_EQ(memo->CaretXY(), BufferCoord(3, 1));
    EXPECT_FALSE(memo->SelAvail());

    // Shift extends from the anchor.
    InjectKeyDown(VK_SHIFT);
    Pump();
    Click(Cell(memo, 2, 3));
    InjectKeyUp(VK_SHIFT);
    Pump();
    EXPECT_EQ(memo->SelText(), "cdef\r\nghijkl\r\nm");

    // With Alt a press selects a column block until a press without Alt.
    memo->SetOptions(TSynTextEditorOptions(memo->Options()).Include(eoAltSetsColumnMode));
    InjectKeyDown(VK_MENU);
    Pump();
    Drag(Cell(memo, 2, 1), Cell(memo, 4, 3));
    InjectKeyUp(VK_MENU);
    Pump();
    EXPECT_EQ(memo->SelectionMode(), smColumn);
    EXPECT_EQ(memo->SelText(), "bc\r\nhi\r\nno");
    Drag(Cell(memo, 1, 1), Cell(memo, 3, 1));
    EXPECT_EQ(memo->SelectionMode(), smNormal);
    EXPECT_EQ(memo->SelText(), "ab");

    // Over the selection the arrow shows; pressed there and moved, the
    // selection is dragged and dropped where the mouse is let go.
    InjectMouseMove(Cell(memo, 2, 1));
    Pump();
    EXPECT_EQ(GetCursor(), CursorHandle(crArrow));
    Press(Cell(memo, 2, 1));
    InjectMouseMove(Cell(memo, 4, 1));
    Pump();
    InjectMouseMove(Cell(memo, 5, 1));
    Pump();
    InjectMouseUp(Cell(memo, 5, 1));
    Pump();
    EXPECT_EQ(memo->Lines()->Strings(0), "cdabef");
}

TEST_F(TInputTest, PointerBelowTheTextScrollsARowPerTickAndAPageWithShift)
{
    TInputMemo* memo = AddInputMemo();
    AnsiString text = "1";
    for (int i = 2; i <= 100; ++i)
        text += "\r\n" + std::to_string(i);
    memo->SetText(text);
    memo->SetCaretXY(BufferCoord(1, 1));
    memo->SetTopLine(1);
    const int rows = memo->LinesInWindow();
    Press(Cell(memo, 1, 1));
    // Just below the text area, inside the control.
    const TPoint below = memo->ClientToScreen(Point(40, rows * memo->LineHeight() - 1));
    InjectMouseMove(below);
    Pump();
    EXPECT_EQ(memo->TopLine(), 1);
    AdvanceClock(100);
    Pump();
    EXPECT_EQ(memo->TopLine(), 2);
    EXPECT_EQ(memo->CaretY(), rows + 1);
    AdvanceClock(100);
    Pump();
    EXPECT_EQ(memo->TopLine(), 3);
    EXPECT_EQ(memo->CaretY(), rows + 2);
    EXPECT_EQ(memo->BlockBegin(), BufferCoord(1, 1));
    EXPECT_EQ(memo->BlockEnd(), memo->CaretXY());

    InjectKeyDown(VK_SHIFT);
    Pump();
    AdvanceClock(100);
    Pump();
    InjectKeyUp(VK_SHIFT);
    Pump();
    EXPECT_EQ(memo->TopLine(), 3 + rows);
    EXPECT_EQ(memo->CaretY(), 2 * rows + 2);

    InjectMouseUp(below);
    Pump();
    AdvanceClock(300);
    Pump();
    EXPECT_EQ(memo->TopLine(), 3 + rows);
    EXPECT_EQ(memo->SelText().substr(0, 3), "1\r\n");
}

TEST_F(TInputTest, RightEdgeDragsWithADottedLineAndSnapsToTheColumn)
{
    TInputMemo* memo = AddInputMemo();
    memo->SetText("text");
    const TBufferCoord caret = memo->CaretXY();
    memo->RightEdge()->SetMouseMove(true);
    memo->RightEdge()->SetPosition(20);
    Pump();
    const int w = memo->CharWidth();
    const int edge = memo->GutterWidth() + 2 + 20 * w;
    const int y = 3 * memo->LineHeight();
    auto at = [&](int X) { return memo->ClientToScreen(Point(X, y)); };

    InjectMouseMove(at(edge + 1));
    Pump();
    EXPECT_EQ(memo->Cursor(), crHSplit);
    EXPECT_EQ(GetCursor(), CursorHandle(crHSplit));
    InjectMouseMove(at(edge + 12));
    Pump();
    EXPECT_EQ(memo->Cursor(), crIBeam);

    // Dropped left of its place: one column left of the column under the pointer.
    const int x = memo->GutterWidth() + 2 + 9 * w + w / 2;  // in column 10
    auto column = [&](const TRasterImage& Image) {
        std::vector<uint32_t> pixels;
        for (int row = 0; row < Image.Height; ++row)
            pixels.push_back(Image.Row(row)[x] & 0xFFFFFF);
        return pixels;
    };
    const std::vector<uint32_t> before = column(WindowImage(memo->Handle()));
    Press(at(edge));
    InjectMouseMove(at(x));
    Pump();
    EXPECT_EQ(memo->Cursor(), crHSplit);
    const std::vector<uint32_t> during = column(WindowImage(memo->Handle()));
    EXPECT_NE(std::count(during.begin(), during.end(), 0u), 0);
    EXPECT_EQ(during[0], before[0]);  // the line starts one pixel down
    InjectMouseUp(at(x));
    Pump();
    EXPECT_EQ(memo->RightEdge()->Position(), 9);
    EXPECT_EQ(column(WindowImage(memo->Handle())), before);

    // Dropped right of it: the column under the pointer.
    const int edge9 = memo->GutterWidth() + 2 + 9 * w;
    Press(at(edge9 + 1));
    InjectMouseMove(at(memo->GutterWidth() + 2 + 14 * w + 1));
    Pump();
    InjectMouseUp(at(memo->GutterWidth() + 2 + 14 * w + 1));
    Pump();
    EXPECT_EQ(memo->RightEdge()->Position(), 15);
    EXPECT_EQ(memo->CaretXY(), caret);
}

TEST_F(TInputTest, GutterClicksReportLineAndMarkUnlessTheMouseChangedLines)
{
    TInputMemo* memo = AddInputMemo();
    memo->SetText("1\r\n2\r\n3\r\n4\r\n5");
    memo->SetCaretXY(BufferCoord(1, 5));
    struct TClick {
        TMouseButton Button;
        int Line;
        TSynTextMark* Mark;
        bool Region;
    };
    std::vector<TClick> clicks;
    memo->OnGutterClick = TGutterClickEvent::FromCallable(
        [&](TObject*, TMouseButton Button, int, int, int Line, TSynTextMark* Mark, bool Region) {
            clicks.push_back({Button, Line, Mark, Region});
        });
    auto gutter = [&](int X, int Line, int Dy = 0) {
        const TPoint p = memo->RowColumnToPixels(DisplayCoord(1, Line));
        return memo->ClientToScreen(Point(X, p.Y + memo->LineHeight() / 2 + Dy));
    };

    // A shaking hand is still a click, though the caret is on another line.
    Press(gutter(5, 2));
    InjectMouseMove(gutter(6, 2, 1));
    Pump();
    InjectMouseUp(gutter(6, 2, 1));
    Pump();
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].Button, mbLeft);
    EXPECT_EQ(clicks[0].Line, 2);
    EXPECT_EQ(clicks[0].Mark, nullptr);
    EXPECT_TRUE(clicks[0].Region);

    memo->SetBookMark(3, 1, 2);
    Click(gutter(5, 2));
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[1].Mark, memo->BookMarks(3));

    // Moved to another line before the release: no click.
    Press(gutter(5, 2));
    InjectMouseMove(gutter(5, 4));
    Pump();
    InjectMouseUp(gutter(5, 4));
    Pump();
    EXPECT_EQ(clicks.size(), 2u);

    // The right button clicks on the press, and the release adds nothing.
    Click(gutter(5, 3), 2);
    ASSERT_EQ(clicks.size(), 3u);
    EXPECT_EQ(clicks[2].Button, mbRight);
    EXPECT_EQ(clicks[2].Line, 3);
    memo->OnGutterClick = nullptr;
}

TEST_F(TInputTest, CollapsedRangeHintListsFortyOneLinesAndTheFoldMarkToggles)
{
    TInputMemo* memo = AddInputMemo();
    memo->CodeFolding()->SetHighlighterFoldRegions(false);
    memo->CodeFolding()->FoldRegions()->Add(frtToken, false, false, false, "{", "}");
    memo->CodeFolding()->SetEnabled(true);
    memo->SetText(NumberedLines("{", 50, "}"));
    memo->SetCaretXY(BufferCoord(1, 1));
    memo->RebuildFoldRanges();
    Pump();

    // A click on the fold mark of the first line collapses the range.
    const TPoint mark = memo->ClientToScreen(Point(memo->GutterWidth() - 6, memo->LineHeight() / 2));
    Click(mark);
    ASSERT_EQ(memo->Lines()->Count(), 1);
    TSynTextFoldRange* range = memo->GetFoldRangeStartingAt(1);
    ASSERT_NE(range, nullptr);
    ASSERT_TRUE(range->Collapsed);

    const TRect box = memo->GetCollapseMarkRect(range, 1);
    InjectMouseMove(memo->ClientToScreen(Point((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2)));
    Pump();
    EXPECT_EQ(memo->Cursor(), crHelp);
    TSynCompletionProposal* hint = memo->CollapsedHint();
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->Visible());
    TStringList* items = hint->ItemList();
    ASSERT_EQ(items->Count(), 1 + 41 + 1);
    EXPECT_EQ(items->Strings(0), memo->Lines()->Strings(0));
    EXPECT_EQ(items->Strings(1), "        line 2");  // the tab as TabWidth spaces
    EXPECT_EQ(items->Strings(41), "        line 42");
    EXPECT_EQ(items->Strings(42), "...");

    // Off the box along its row: the hint below the row is not in the way.
    InjectMouseMove(memo->ClientToScreen(Point(box.Right + memo->CharWidth(), memo->LineHeight() / 2)));
    Pump();
    EXPECT_EQ(memo->Cursor(), crIBeam);
    EXPECT_FALSE(hint->Visible());

    Click(mark);
    EXPECT_EQ(memo->Lines()->Count(), 50);
    EXPECT_EQ(memo->Text(), NumberedLines("{", 50, "}"));
}

// A big font makes the hint taller than the room below and above its row:
// it must still leave the row free, or the mouse would stand on the hint,
// the editor would never see it leave the box and the hint would stay.
TEST_F(TInputTest, AHintTallerThanTheScreenLeavesItsRowFree)
{
    TInputMemo* memo = AddInputMemo();
    memo->Font()->SetSize(24);
    memo->CodeFolding()->SetHighlighterFoldRegions(false);
    memo->CodeFolding()->FoldRegions()->Add(frtToken, false, false, false, "{", "}");
    memo->CodeFolding()->SetEnabled(true);
    memo->SetText(NumberedLines("{", 50, "}"));
    memo->RebuildFoldRanges();
    TSynTextFoldRange* range = memo->GetFoldRangeStartingAt(1);
    ASSERT_NE(range, nullptr);
    memo->Collapse(range);
    Pump();
    ASSERT_TRUE(range->Collapsed);

    const TRect box = memo->GetCollapseMarkRect(range, 1);
    InjectMouseMove(memo->ClientToScreen(Point((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2)));
    Pump();
    TSynCompletionProposal* hint = memo->CollapsedHint();
    ASSERT_TRUE(hint && hint->Visible());
    const TPoint rowTop = memo->ClientToScreen(Point(0, 0));
    const TRect shown = hint->Form()->BoundsRect();
    EXPECT_TRUE(shown.Top >= rowTop.Y + memo->LineHeight() || shown.Bottom <= rowTop.Y)
        << "hint " << shown.Top << ".." << shown.Bottom << " over the row at " << rowTop.Y;
    EXPECT_LE(shown.Bottom, Screen->Height());

    InjectMouseMove(memo->ClientToScreen(Point(box.Right + memo->CharWidth(), memo->LineHeight() / 2)));
    Pump();
    EXPECT_EQ(memo->Cursor(), crIBeam);
    EXPECT_FALSE(hint->Visible());
}
