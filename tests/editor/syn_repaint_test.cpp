// What the window shows after the caret moves, the selection changes, the
// view scrolls and a handler marks brackets on the window must be what a
// full repaint shows: the editor repaints only what it knows changed.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "editor/view/syn_active_line.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_text_commands.h"
#include "platform/base/sys_utils.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/win/caret.h"
#include "platform/win/clock.h"
#include "platform/win/update_region.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "syn_paint_test_support.h"
#include "tests/support/test_random.h"

namespace {

const char* const BlockText = "void f()\r\n"
                              "{\r\n"
                              "    if (a) {\r\n"
                              "        x(\xD5\x66);\r\n"
                              "        y(\xE9\x54);\r\n"
                              "    }\r\n"
                              "    z();\r\n"
                              "}";

class TSynRepaintTest : public TSynPaintTest {
protected:
    // The hand-driven clock: idle-time scanning runs only where a test lets
    // it, so what is compared never depends on how fast the build is or how
    // busy the machine.
    void SetUp() override
    {
        SetManualClock(true);
        TSynPaintTest::SetUp();
    }
    void TearDown() override
    {
        TSynPaintTest::TearDown();
        SetManualClock(false);
    }

    // A memo with brace folding, so that blocks draw indent guides.
    TSynMemo* AddFoldingMemo(int Width, int Height, const AnsiString& Text)
    {
        TSynMemo* memo = AddPaintMemo(Width, Height);
        TSynCodeFolding* folding = memo->CodeFolding();
        folding->SetHighlighterFoldRegions(false);
        folding->FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
        folding->SetEnabled(true);
        memo->SetText(Text);
        memo->ClearUndo();
        memo->RebuildFoldRanges();
        memo->SetFocus();
        Pump();
        return memo;
    }

    // Paints what waits, then compares the window with a full repaint. The
    // caret blinks on its own clock: it stays hidden meanwhile.
    static size_t PixelsUnlikeAFullRepaint(TSynMemo* Memo)
    {
        Pump();
        ::HideCaret(Memo->Handle());
        const TRasterImage shown = WindowImage(Memo->Handle());
        Memo->Invalidate();
        Pump();
        const TRasterImage repainted = WindowImage(Memo->Handle());
        ::ShowCaret(Memo->Handle());
        size_t differ = 0;
        for (size_t i = 0; i < shown.Pixels.size(); ++i)
            differ += shown.Pixels[i] != repainted.Pixels[i];
        return differ;
    }

    // The row of the window the caret shows on.
    static int CaretRow(TSynMemo* Memo)
    {
        TCaretState caret;
        EXPECT_TRUE(GetCaretState(&caret));
        EXPECT_EQ(caret.Owner, Memo->Handle());
        return caret.Rect.Top / Memo->LineHeight();
    }

    void Run(TSynMemo* Memo, TSynTextEditorCommand Command, char AChar = '\0')
    {
        Memo->CommandProcessor(Command, AChar, nullptr);
        EXPECT_EQ(PixelsUnlikeAFullRepaint(Memo), 0u)
            << "after command " << Command << ", caret " << Memo->CaretX() << "," << Memo->CaretY();
    }

    // Marks the bracket at the caret and its partner on the window, as a
    // program does from the transient paint event: the cells it marked are
    // invalidated before the caret moves, the new ones drawn after.
    static void MarkBrackets(TSynMemo* Memo)
    {
        auto marked = std::make_shared<std::vector<TDisplayCoord>>();
        Memo->OnPaintTransient =
            TPaintTransient::FromCallable([Memo, marked](TObject*, TCanvas* Canvas, TTransientType Type) {
                auto cell = [Memo](TDisplayCoord At) {
                    const TPoint p = Memo->RowColumnToPixels(At);
                    return Rect(p.X, p.Y, p.X + Memo->CharWidth(), p.Y + Memo->LineHeight());
                };
                if (Type == ttBefore) {
                    for (const TDisplayCoord& at : *marked) {
                        const TRect r = cell(at);
                        ::InvalidateRect(Memo->Handle(), &r, false);
                    }
                    marked->clear();
                    return;
                }
                const TBufferCoord caret = Memo->CaretXY();
                const TBufferCoord match = Memo->GetMatchingBracketAt(caret);
                if (match.Line == 0)
                    return;
                for (const TBufferCoord& at : {caret, match}) {
                    const TDisplayCoord display = Memo->BufferToDisplayPos(at);
                    const TRect r = cell(display);
                    Canvas->Brush()->SetColor(clYellow);
                    Canvas->FillRect(Rect(r.Left, r.Bottom - 3, r.Right, r.Bottom));
                    marked->push_back(display);
                }
            });
    }
};

TEST_F(TSynRepaintTest, CaretMovesAndSelectionsShowWhatAFullRepaintShows)
{
    TSynMemo* memo = AddFoldingMemo(300, 200, BlockText);
    ASSERT_TRUE(memo->CodeFolding()->IndentGuides());
    ASSERT_NE(memo->GetFoldRangeStartingAt(3), nullptr);
    memo->SetCaretXY(BufferCoord(9, 4));
    EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);
    // Down out of the inner block: its guides go back to the plain look.
    for (const TSynTextEditorCommand command : {ecDown, ecDown, ecDown, ecUp, ecUp, ecEditorTop, ecEditorBottom})
        Run(memo, command);
    // Selections growing into and out of the block.
    memo->SetCaretXY(BufferCoord(3, 4));
    for (const TSynTextEditorCommand command : {ecSelDown, ecSelDown, ecSelDown, ecSelUp, ecSelWordRight,
                                                ecSelEditorTop, ecSelectAll, ecLeft, ecSelLineEnd, ecDown})
        Run(memo, command);
    // Into the block and out again in one update, with a paint between:
    // the lines painted meanwhile go back to the plain guides.
    memo->ActiveLine()->SetVisible(true);
    memo->ActiveLine()->SetBackground(clAqua);
    memo->SetCaretXY(BufferCoord(1, 1));
    EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);
    memo->BeginUpdate();
    memo->SetCaretXY(BufferCoord(9, 4));
    memo->CommandProcessor(ecDown, '\0', nullptr);
    memo->SetCaretXY(BufferCoord(1, 1));
    memo->EndUpdate();
    EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);
    // The same with the guides drawn but no fold marks.
    memo->CodeFolding()->SetEnabled(false);
    memo->CodeFolding()->SetEnabled(true);
    memo->RebuildFoldRanges();
    memo->SetCaretXY(BufferCoord(9, 5));
    for (const TSynTextEditorCommand command : {ecDown, ecDown, ecUp, ecUp})
        Run(memo, command);
    // Other blocks found by a rebuild: the old guides go.
    memo->SetCaretXY(BufferCoord(1, 1));
    EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);
    memo->CodeFolding()->FoldRegions()->GetItem(0)->SetOpen("(");
    memo->CodeFolding()->FoldRegions()->GetItem(0)->SetClose(")");
    memo->RebuildFoldRanges();
    EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);
}

TEST_F(TSynRepaintTest, EditsSelectionModesAndUndoShowWhatAFullRepaintShows)
{
    TSynMemo* memo = AddFoldingMemo(300, 200, BlockText);
    // A letter before a block's first line moves its guides to the left
    // edge, where none are drawn.
    memo->SetCaretXY(BufferCoord(9, 5));
    memo->SetCaretXY(BufferCoord(1, 3));
    Run(memo, ecChar, 'q');
    Run(memo, ecUndo);
    Run(memo, ecRedo);
    Run(memo, ecUndo);
    // A new block, and the block around it closing further down.
    memo->SetCaretXY(BufferCoord(14, 4));
    Run(memo, ecChar, '{');
    Run(memo, ecUndo);
    // A column block of no width selects whole lines as a normal block.
    memo->SetCaretXY(BufferCoord(3, 4));
    Run(memo, ecColumnSelect);
    Run(memo, ecSelDown);
    Run(memo, ecSelDown);
    Run(memo, ecNormalSelect);
    // Undo and redo set their own points over a line block.
    memo->SetCaretXY(BufferCoord(1, 5));
    Run(memo, ecChar, '_');
    memo->SetCaretXY(BufferCoord(2, 3));
    Run(memo, ecLineSelect);
    Run(memo, ecSelDown);
    Run(memo, ecUndo);
    Run(memo, ecNormalSelect);
    memo->SetCaretXY(BufferCoord(1, 5));
    Run(memo, ecDeleteChar);
    Run(memo, ecUndo);
    memo->SetCaretXY(BufferCoord(2, 3));
    Run(memo, ecLineSelect);
    Run(memo, ecSelDown);
    Run(memo, ecRedo);
}

// Lines put in push the rows below them down, with whatever those rows
// show: collapse boxes and rules, guides in either look, the active line.
TEST_F(TSynRepaintTest, LinesPutInShowTheRowsBelowAsAFullRepaintShows)
{
    struct TCase {
        const char* Name;
        TBufferCoord Caret;
        int Collapsed;  // the first line of a block collapsed first, or 0
        bool ActiveLine;
        int ByHost;  // instead of Enter, a host's line put in above the caret (1), after a line below changed (2)
        bool OddRows;  // rows an odd number of pixels high: the guides' dots alternate by line
        bool Folding = true;
    };
    const TCase cases[] = {
        {"Enter above a collapsed block", BufferCoord(9, 2), 3, false, 0, false},
        {"Enter at the start of a block's first line", BufferCoord(1, 3), 0, false, 0, false},
        {"Enter in a block, the active line shown", BufferCoord(15, 4), 0, true, 0, false},
        {"Enter in a block, the collapsed one below", BufferCoord(9, 2), 11, true, 0, false},
        {"Enter on the last row shown", BufferCoord(8, 10), 0, true, 0, false},
        {"a host's line above the caret", BufferCoord(3, 5), 0, true, 1, false},
        {"a host's line above a collapsed block", BufferCoord(3, 2), 3, true, 1, false},
        {"a host's line below a changed one", BufferCoord(3, 5), 0, true, 2, false},
        {"a host's line above the caret, no folding", BufferCoord(3, 5), 0, true, 1, false, false},
        {"a host's line below a changed one, no folding", BufferCoord(3, 5), 0, true, 2, false, false},
        {"Enter above guides, odd rows", BufferCoord(9, 2), 0, false, 0, true},
        {"Enter above guides and a collapsed block, odd rows", BufferCoord(12, 3), 11, true, 0, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TSynMemo* memo = AddFoldingMemo(300, 10 * kRowHeight + 5, AnsiString(BlockText) + "\r\n" + BlockText);
        memo->ActiveLine()->SetVisible(c.ActiveLine);
        memo->ActiveLine()->SetBackground(clAqua);
        memo->CodeFolding()->SetEnabled(c.Folding);
        if (c.OddRows) {
            memo->SetLineSpacingRule(lsSpecified);
            memo->SetLineSpacing(3);
        }
        if (c.Collapsed) {
            ASSERT_NE(memo->GetFoldRangeStartingAt(c.Collapsed), nullptr);
            memo->Collapse(memo->GetFoldRangeStartingAt(c.Collapsed));
        }
        memo->SetCaretXY(c.Caret);
        memo->SetTopLine(1);
        EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);
        if (c.ByHost) {
            memo->Lines()->BeginUpdate();
            if (c.ByHost == 2)
                memo->Lines()->SetStrings(c.Caret.Line + 1, "    w();");
            memo->Lines()->Insert(c.Caret.Line - 2, "int g;");
            memo->Lines()->EndUpdate();
        } else {
            memo->CommandProcessor(ecLineBreak, '\0', nullptr);
        }
        EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);
        // What the fold scan finds then, and the lines taken out again.
        AdvanceClock(1000);
        Pump();
        EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);
        if (!c.ByHost)
            Run(memo, ecUndo);
        delete memo;
    }
}

TEST_F(TSynRepaintTest, BracketMarksFollowTheCaretAlsoWhenTheViewScrolls)
{
    AnsiString text;
    // A bracket at the start of every line.
    for (int block = 0; block < 8; ++block)
        text += "(a[" + IntToStr(block) + "], \xD5\x66) {\r\n(b);\r\n[i()];\r\n}\r\n";
    TSynMemo* memo = AddFoldingMemo(200, 5 * kRowHeight + 5, text);
    MarkBrackets(memo);
    memo->SetCaretXY(BufferCoord(1, 1));
    EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);
    for (const TSynTextEditorCommand command :
         {ecDown, ecDown, ecDown, ecDown, ecDown, ecDown, ecDown, ecRight, ecRight, ecRight, ecRight, ecLineEnd, ecDown,
          ecPageDown, ecUp, ecLineEnd, ecLeft, ecSelRight, ecEditorBottom, ecPageUp, ecUp, ecUp, ecEditorTop,
          ecScrollDown, ecScrollDown})
        Run(memo, command);
}

// Counts its moves: a child window moves with every scroll of its parent's
// whole client area, also when hidden.
class TScrollProbe {
public:
    explicit TScrollProbe(HWND Parent)
    {
        if (!FindWindowClass("TandrilScrollProbe")) {
            WNDCLASSEX c;
            c.lpszClassName = "TandrilScrollProbe";
            c.lpfnWndProc = &TScrollProbe::Proc;
            RegisterClassEx(c);
        }
        window_ = CreateWindowEx(0, "TandrilScrollProbe", "", WS_CHILD, -20, -20, 4, 4, Parent, 0, nullptr);
        moves_ = 0;
    }
    ~TScrollProbe() { DestroyWindow(window_); }
    int Moves() const { return moves_; }

private:
    static LRESULT Proc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
    {
        if (Message == WM_MOVE)
            ++moves_;
        return DefWindowProc(Window, Message, WParam, LParam);
    }

    HWND window_;
    static inline int moves_ = 0;
};

TEST_F(TSynRepaintTest, AnUpdateChangingThousandsOfLinesShowsWhatAFullRepaintShows)
{
    // As a replace-all does: every line changed and the view scrolled along
    // inside one update, far more changes than are kept one by one; then
    // back to the top, whose rows changed while out of view.
    AnsiString text;
    for (int line = 1; line <= 1200; ++line)
        text += "key " + IntToStr(line) + " \xD5\x66\r\n";
    TSynMemo* memo = AddPaintMemo(300, 8 * kRowHeight);
    memo->SetText(text);
    memo->SetFocus();
    Pump();
    // One row in view changed over and over without a scroll, then
    // another one once.
    memo->BeginUpdate();
    for (int round = 0; round < 400; ++round) {
        memo->SetCaretXY(BufferCoord(2 + round % 3, 1));
        memo->CommandProcessor(ecChar, static_cast<char>('a' + round % 26), nullptr);
    }
    memo->SetCaretXY(BufferCoord(1, 5));
    memo->CommandProcessor(ecChar, 'x', nullptr);
    memo->EndUpdate();
    EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);
    for (const int back : {3, 1150}) {
        memo->BeginUpdate();
        for (int line = 1; line <= 1200; ++line) {
            memo->SetCaretXY(BufferCoord(1, line));
            memo->CommandProcessor(ecChar, 'x', nullptr);
        }
        memo->SetCaretXY(BufferCoord(1, back));
        memo->EndUpdate();
        EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u) << "back to line " << back;
    }
    EXPECT_EQ(memo->Lines()->Strings(1199).substr(0, 6), "xxkey ");
}

TEST_F(TSynRepaintTest, CaretMovesInsideAnUpdateScrollTheWindowOnce)
{
    AnsiString text;
    for (int line = 1; line <= 100; ++line)
        text += "line " + IntToStr(line) + " \xD5\x66\xE9\x54 " + AnsiString(static_cast<size_t>(line % 7) * 9, 'w') + "\r\n";
    TSynMemo* memo = AddFoldingMemo(300, 8 * kRowHeight, text);
    memo->ActiveLine()->SetVisible(true);
    memo->ActiveLine()->SetBackground(clAqua);
    Pump();
    TScrollProbe probe(memo->Handle());

    // One move alone scrolls at once.
    memo->SetCaretXY(BufferCoord(1, 10));
    EXPECT_EQ(probe.Moves(), 1);
    EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);

    // Down a line at a time, every move below the view; the active line is
    // repainted on the way.
    const int top = memo->TopLine();
    memo->BeginUpdate();
    for (int line = 11; line <= 15; ++line)
        memo->SetCaretXY(BufferCoord(1, line));
    EXPECT_EQ(probe.Moves(), 1);
    memo->EndUpdate();
    EXPECT_EQ(memo->TopLine(), top + 5);
    EXPECT_EQ(probe.Moves(), 2);
    EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);

    // Sideways along a long line and down.
    memo->BeginUpdate();
    memo->SetCaretXY(BufferCoord(memo->CharsInWindow() + 2, 13));
    memo->SetCaretXY(BufferCoord(10, 13));
    memo->SetCaretXY(BufferCoord(20, 17));
    memo->EndUpdate();
    EXPECT_GT(memo->LeftChar(), 1);
    EXPECT_EQ(probe.Moves(), 3);
    EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);

    // Away and back within one update: nothing that waited to be painted
    // is lost with the rows that left the view.
    memo->BeginUpdate();
    memo->SetCaretXY(BufferCoord(1, 26));
    memo->SetCaretXY(BufferCoord(1, 90));
    memo->SetCaretXY(BufferCoord(1, 24));
    memo->EndUpdate();
    EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);

    // A new colour while the first rows are out of view: they are
    // repainted when they come back.
    const int shown = memo->TopLine();
    memo->BeginUpdate();
    memo->SetCaretXY(BufferCoord(1, shown + memo->LinesInWindow() + 1));
    memo->SetColor(clYellow);
    memo->SetCaretXY(BufferCoord(1, shown));
    memo->EndUpdate();
    EXPECT_EQ(memo->TopLine(), shown);
    EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);

    // Scrolling alone leaves the caret in its cell.
    memo->SetCaretXY(BufferCoord(1, memo->TopLine() + 2));
    EXPECT_EQ(CaretRow(memo), 2);
    memo->CommandProcessor(ecScrollDown, '\0', nullptr);
    EXPECT_EQ(CaretRow(memo), 1);
    memo->SetTopLine(memo->TopLine() - 1);
    EXPECT_EQ(CaretRow(memo), 2);

    // A command asking for a paint inside the update sees the view moved.
    memo->SetCaretXY(BufferCoord(1, memo->TopLine()));
    memo->BeginUpdate();
    for (int i = 0; i < 3; ++i)
        memo->CommandProcessor(ecScrollDown, '\0', nullptr);
    memo->EndUpdate();
    EXPECT_EQ(PixelsUnlikeAFullRepaint(memo), 0u);
}

// How the session's editor looks: with bracket marks drawn by the host, or
// bare (the rows of lines a line break pushes down then move as pixels),
// with an even or an odd row height (the guides' dots alternate by line).
enum class TSessionLook { Marks, Bare, BareOddRows };

// Random sessions on a shown editor with indent guides: caret moves,
// selections in every mode, typing, folding and scrolling, some of them
// batched in one update. After every step the window shows what a full
// repaint shows.
class TSynRepaintSessionTest : public TSynRepaintTest,
                               public ::testing::WithParamInterface<std::tuple<uint32_t, TSessionLook>> {
protected:
    void Step(TRandom& R, std::ostringstream& Log);
    // Idle time until the fold scan an edit left is done.
    void Idle()
    {
        for (int slices = 0; memo_->FoldScanPending() && slices < 10000; ++slices) {
            AdvanceClock(20);
            Pump();
        }
    }

    TSynMemo* memo_ = nullptr;
};

void TSynRepaintSessionTest::Step(TRandom& R, std::ostringstream& Log)
{
    static const TSynTextEditorCommand moves[] = {
        ecLeft,     ecRight,     ecUp,      ecDown,         ecWordLeft, ecWordRight,  ecLineStart,   ecLineEnd,
        ecPageUp,   ecPageDown,  ecPageTop, ecPageBottom,   ecEditorTop, ecEditorBottom, ecScrollUp, ecScrollDown};
    static const TSynTextEditorCommand modes[] = {ecNormalSelect, ecColumnSelect, ecLineSelect};
    static const char typed[] = "ab_ (){}[];";
    const int kind = R.Below(100);
    if (kind < 40) {
        const TSynTextEditorCommand c = R.Pick(moves);
        Log << "move " << c;
        memo_->CommandProcessor(c, '\0', nullptr);
    } else if (kind < 55) {
        const TSynTextEditorCommand mode = R.Pick(modes);
        const TSynTextEditorCommand c = R.Pick(moves) + (ecSelLeft - ecLeft);
        Log << "select " << mode << " by " << c;
        memo_->CommandProcessor(mode, '\0', nullptr);
        memo_->CommandProcessor(c, '\0', nullptr);
    } else if (kind < 65) {
        TBufferCoord at = BufferCoord(R.Between(1, 20), R.Between(1, memo_->Lines()->Count()));
        Log << "goto " << at.Char << "," << at.Line;
        memo_->CommandProcessor(ecGotoXY, '\0', &at);
    } else if (kind < 80) {
        // A batch of moves in one update.
        const int n = R.Between(2, 6);
        Log << "batch of " << n << ":";
        memo_->BeginUpdate();
        for (int i = 0; i < n; ++i) {
            const TSynTextEditorCommand c = R.Pick(moves);
            Log << " " << c;
            memo_->CommandProcessor(R.Chance(30) ? c + (ecSelLeft - ecLeft) : c, '\0', nullptr);
        }
        memo_->EndUpdate();
    } else if (kind < 90) {
        const char c = typed[R.Below(static_cast<int>(sizeof typed) - 1)];
        Log << "char '" << c << "'";
        memo_->CommandProcessor(ecChar, c, nullptr);
    } else if (kind < 94) {
        Log << "line break";
        memo_->CommandProcessor(ecLineBreak, '\0', nullptr);
    } else if (kind < 97) {
        Log << "undo";
        memo_->CommandProcessor(ecUndo, '\0', nullptr);
    } else {
        std::vector<TSynTextFoldRange*> ranges;
        for (int i = 0; i < memo_->AllFoldRanges()->AllCount(); ++i)
            if (!memo_->AllFoldRanges()->AllRanges(i)->ParentCollapsed)
                ranges.push_back(memo_->AllFoldRanges()->AllRanges(i));
        if (ranges.empty())
            return;
        TSynTextFoldRange* range = ranges[R.Index(ranges.size())];
        Log << (range->Collapsed ? "expand " : "collapse ") << range->FromLine();
        if (range->Collapsed)
            memo_->Uncollapse(range);
        else
            memo_->Collapse(range);
    }
}

TEST_P(TSynRepaintSessionTest, EveryStepShowsWhatAFullRepaintShows)
{
    AnsiString text;
    for (int block = 0; block < 6; ++block)
        text += "int f" + IntToStr(block) + "(a[1]) {\r\n    if (b) {\r\n        c(\xD5\x66, \xE9\x54);\r\n"
                "        while (d) { e(); }\r\n    }\r\n    g();\r\n}\r\n";
    memo_ = AddFoldingMemo(260, 6 * kRowHeight + 7, text);
    memo_->ActiveLine()->SetVisible(true);
    memo_->ActiveLine()->SetBackground(clAqua);
    const auto [seed, look] = GetParam();
    if (look == TSessionLook::Marks)
        MarkBrackets(memo_);
    if (look == TSessionLook::BareOddRows) {
        memo_->SetLineSpacingRule(lsSpecified);
        memo_->SetLineSpacing(3);
        ASSERT_EQ(memo_->LineHeight() % 2, 1);
    }
    TRandom random(seed);
    std::ostringstream log;
    for (int step = 1; step <= 40; ++step) {
        log << "\n" << step << ": ";
        ASSERT_NO_FATAL_FAILURE(Step(random, log)) << log.str();
        ASSERT_EQ(PixelsUnlikeAFullRepaint(memo_), 0u) << log.str();
        // What the rest of the scan changes in view is repainted too.
        Idle();
        ASSERT_EQ(PixelsUnlikeAFullRepaint(memo_), 0u) << log.str() << " (after idle time)";
    }
}

std::string SessionName(const ::testing::TestParamInfo<std::tuple<uint32_t, TSessionLook>>& Info)
{
    static const char* const looks[] = {"Marks", "Bare", "BareOddRows"};
    return "Seed" + std::to_string(std::get<0>(Info.param)) + looks[static_cast<int>(std::get<1>(Info.param))];
}

// Seed 70 jumps the view away and back in one update, so that the caret's
// new line is invalidated while out of view.
INSTANTIATE_TEST_SUITE_P(Seeds, TSynRepaintSessionTest,
                         ::testing::Combine(::testing::Values(1u, 2u, 3u, 4u, 70u),
                                            ::testing::Values(TSessionLook::Marks, TSessionLook::Bare,
                                                              TSessionLook::BareOddRows)),
                         SessionName);

}  // namespace
