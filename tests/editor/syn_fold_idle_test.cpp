// Fold ranges in a shown editor after a brace typed near the top of a long
// text: the keystroke finds them down to the lines in view, idle time finds
// the rest, and whatever asks about lines further down first has them
// found there, so that it answers as after a rebuild. Lines in view far
// below show the ranges as they stand until idle time's scan passes them.
// A text set whole leaves the rest to idle time too; a slice ends soon
// after its time is up whatever the layout of collapsed blocks, and a
// look-ahead past them finds its close where they hide it.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_memo.h"
#include "editor/syn_text_commands.h"
#include "platform/win/clipboard.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "tests/editor/syn_fold_test_support.h"
#include "tests/editor/syn_paint_test_support.h"

namespace {

constexpr int Functions = 300;

// Ten-line functions, indented, with blocks three deep, braces in strings
// and comments that fold nothing; with LastBrace, a last line closes one
// more block.
AnsiString FunctionSource(bool LastBrace)
{
    static const char* const function[] = {
        "void f() {",
        "    if (ready) {",
        "        s = \"} {\";  // { braces",
        "        for (i = 0; i < n; ++i) {",
        "            call(i); /* { */",
        "        }",
        "    } else {",
        "        g();",
        "    }",
        "}",
    };
    AnsiString text;
    for (int i = 0; i < Functions * 10; ++i)
        text += "    " + AnsiString(function[i % 10]) + "\r\n";
    return LastBrace ? text + "}" : text;
}

// The first pixel row in which the columns From .. To - 1 of two pictures
// of one size differ; -1 when none does.
int FirstDifferentRow(const TRasterImage& A, const TRasterImage& B, int From = 0, int To = INT_MAX)
{
    EXPECT_EQ(A.Width, B.Width);
    EXPECT_EQ(A.Height, B.Height);
    To = std::min({To, A.Width, B.Width});
    for (int y = 0; y < std::min(A.Height, B.Height); ++y)
        if (!std::equal(A.Row(y) + From, A.Row(y) + To, B.Row(y) + From))
            return y;
    return -1;
}

void UseBraces(TSynMemo* Memo)
{
    TFoldRegions* regions = Memo->CodeFolding()->FoldRegions();
    regions->Add(frtOneChar, false, false, false, "{", "}");
    regions->SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
    regions->SkipRegions()->Add("//", "", "", srtLineEnd);
    regions->SkipRegions()->Add("/*", "*/", "", srtCloseString);
    Memo->CodeFolding()->SetHighlighterFoldRegions(false);
    Memo->CodeFolding()->SetEnabled(true);
}

class TSynFoldIdleTest : public TSynPaintTest {
protected:
    void SetUp() override
    {
        TSynPaintTest::SetUp();
        SetManualClock(true);
        memo = AddPaintMemo(300, 200);
        UseBraces(memo);
        // The same text scanned whole, never typed into.
        twin = AddPaintMemo(300, 200);
        twin->SetLeft(350);
        UseBraces(twin);
    }
    void TearDown() override
    {
        // The clipboard outlives the test: it goes back to holding nothing.
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
        }
        SetManualClock(false);
        TSynPaintTest::TearDown();
    }

    // The text with Typed put in after the indentation of line 2, typed
    // through the message loop, and the twin holding the same text.
    void TypeNearTheTop(const AnsiString& Typed, bool LastBrace = true)
    {
        TypeNearTheTopOf(FunctionSource(LastBrace), Typed);
    }
    void TypeNearTheTopOf(const AnsiString& Text, const AnsiString& Typed)
    {
        // The text as idle time leaves it: set whole with the view at its
        // last line, it is scanned then.
        memo->SetText(Text);
        IdleUntilFoldsScanned(memo);
        memo->SetTopLine(1);
        memo->SetCaretXY(BufferCoord(5, 2));
        memo->SetFocus();
        Pump();
        InjectText(Typed);
        Pump();
        twin->SetText(memo->Lines()->Text());
        twin->RebuildFoldRanges();
        // Scanned whole: a text just set is scanned down to the lines in
        // view only, and a range opening there that never closes is known
        // as such once the scan has reached the end.
        twin->AllFoldRanges();
        twin->SetCaretXY(memo->CaretXY());
        twin->SetTopLine(memo->TopLine());
    }

    TSynMemo* memo = nullptr;
    TSynMemo* twin = nullptr;
};

TEST_F(TSynFoldIdleTest, ABraceScansTheLinesInViewAtOnceAndTheRestInIdleTime)
{
    TypeNearTheTop("{");
    ASSERT_TRUE(memo->FoldScanPending()) << "the brace moves every block below: the rest waits";
    // The lines in view show the blocks a rebuild finds (the brace that
    // closes the first function's block is the text's last), and painting
    // them scans no further.
    const TRasterImage typed = Picture(memo);
    EXPECT_TRUE(memo->FoldScanPending());
    twin->SetFocus();  // the caret as the typed editor shows it
    Pump();
    EXPECT_EQ(FirstDifferentRow(typed, Picture(twin)), -1);
    EXPECT_GE(IdleUntilFoldsScanned(memo), 1);
    EXPECT_FALSE(memo->FoldScanPending());
    EXPECT_EQ(DescribeFoldTree(*memo->AllFoldRanges()), DescribeFoldTree(*twin->AllFoldRanges()));

    // Taken back, the ranges are those of the text as it was.
    InjectKeyStroke(VK_BACK);
    Pump();
    IdleUntilFoldsScanned(memo);
    twin->SetText(memo->Lines()->Text());
    twin->RebuildFoldRanges();
    EXPECT_EQ(DescribeFoldTree(*memo->AllFoldRanges()), DescribeFoldTree(*twin->AllFoldRanges()));
}

// What the keystroke makes of the lines below it may run to the end of the
// text; the keystroke's scan still stops below the lines in view, in a
// string or a comment too, and idle time's scan goes on from there.
TEST_F(TSynFoldIdleTest, TheKeystrokesScanStopsBelowTheViewWhateverTheLinesHold)
{
    struct TCase {
        const char* What;
        const char* Typed;
        bool NoCommentCloses;  // the functions' block comments become line comments
        bool LookAhead;        // #region .. #endregion fold by their marks alone
    };
    static const TCase kCases[] = {
        {"a quote: strings from there on hold the lines' starts", "\"", false, false},
        {"a block comment that nothing closes", "/*", true, false},
        {"a block opened and a look-ahead that finds no close", "{#region", false, true},
    };
    for (const TCase& c : kCases) {
        SCOPED_TRACE(c.What);
        AnsiString text = FunctionSource(true);
        for (size_t at = text.find("/* { */"); c.NoCommentCloses && at != AnsiString::npos; at = text.find("/* { */"))
            text.replace(at, 7, "// {");
        if (c.LookAhead)
            for (TSynMemo* m : {memo, twin})
                m->CodeFolding()->FoldRegions()->Add(frtToken, false, true, false, "#region", "#endregion");
        TypeNearTheTopOf(text, c.Typed);
        EXPECT_TRUE(memo->FoldScanPending()) << "the keystroke's scan ran to the end";
        // Where the first function's block ends only the rest of the scan
        // tells: the picture is a rebuild's once idle time's scan is done.
        IdleUntilFoldsScanned(memo);
        memo->Update();
        const TRasterImage shown = WindowImage(memo->Handle());
        twin->SetFocus();
        Pump();
        EXPECT_EQ(FirstDifferentRow(shown, Picture(twin)), -1);
        EXPECT_EQ(DescribeFoldTree(*memo->AllFoldRanges()), DescribeFoldTree(*twin->AllFoldRanges()));
        for (TSynMemo* m : {memo, twin})
            while (m->CodeFolding()->FoldRegions()->Count() > 1)
                m->CodeFolding()->FoldRegions()->Delete(1);
    }
}

// Right after the keystroke a far line is brought into view, and the mouse
// moved or a letter typed there: the lines in view show at once the blocks
// they showed before the keystroke, and the blocks a rebuild shows once
// idle time's scan has passed them, repainted as far as they changed.
TEST_F(TSynFoldIdleTest, FarLinesShowTheOldBlocksAtOnceAndARebuildsOnceIdleTimeGetsThere)
{
    const std::vector<std::pair<std::string, std::function<void()>>> paths = {
        {"the thumb dragged to line 1500",
         [this] {
             SendMessage(memo->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 1500), 0);
             SendMessage(memo->Handle(), WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
         }},
        {"Ctrl+End", [] { InjectKeyStroke(VK_END, InjectCtrl); }},
        {"the mouse over the last lines",
         [this] {
             memo->CommandProcessor(ecEditorBottom, 0, nullptr);
             InjectMouseMove(memo->ClientToScreen(Point(memo->GutterWidth() + 20, 30)));
         }},
        {"a letter typed on the last line",
         [this] {
             memo->CommandProcessor(ecEditorBottom, 0, nullptr);
             InjectText("x");
         }},
    };
    // The twin with Text, scanned whole, shown as the memo is.
    const auto twinShowing = [this](const AnsiString& Text) {
        twin->SetText(Text);
        twin->AllFoldRanges();
        twin->SetCaretXY(memo->CaretXY());
        twin->SetTopLine(memo->TopLine());
        twin->SetFocus();
        Pump();
        return Picture(twin);
    };
    for (const auto& [what, bringIntoView] : paths) {
        TypeNearTheTop("{");
        ASSERT_TRUE(memo->FoldScanPending()) << what;
        bringIntoView();
        Pump();
        ASSERT_GT(memo->TopLine(), 1000) << what;
        const TRasterImage atOnce = WindowImage(memo->Handle());
        EXPECT_TRUE(memo->FoldScanPending()) << what << ": nothing waits for the scan";
        EXPECT_GE(IdleUntilFoldsScanned(memo), 1) << what;
        memo->Update();
        const TRasterImage afterIdle = WindowImage(memo->Handle());
        const AnsiString typed = memo->Lines()->Text();
        AnsiString before = typed;
        before.erase(before.find('{', before.find('\n')), 1);
        EXPECT_EQ(FirstDifferentRow(atOnce, twinShowing(before)), -1) << what;
        EXPECT_EQ(FirstDifferentRow(afterIdle, twinShowing(typed)), -1) << what;
    }
}

// Each reader is asked right after the keystroke, before any idle time.
TEST_F(TSynFoldIdleTest, ReadersBelowTheScannedLinesAnswerAsARebuild)
{
    const int far = Functions * 10 - 7;  // "    } else {" of the last function
    const std::vector<std::pair<std::string, std::function<std::string(TSynMemo*)>>> readers = {
        // The first function's block now closes on the text's last line,
        // or nowhere, and is then one line long without a mark: only the
        // end of the text tells.
        {"range at line 1", [](TSynMemo* M) { return DescribeFoldRange(M->GetFoldRangeAtLine(1)); }},
        {"range at a far line",
         [far](TSynMemo* M) {
             int number = 0;
             const std::string found = DescribeFoldRange(M->GetFoldRangeAtLine(far, &number));
             return found + " of " + std::to_string(number);
         }},
        {"range starting at line 2", [](TSynMemo* M) { return DescribeFoldRange(M->GetFoldRangeStartingAt(2)); }},
        {"range starting far", [far](TSynMemo* M) { return DescribeFoldRange(M->GetFoldRangeStartingAt(far)); }},
        {"range ending far", [far](TSynMemo* M) { return DescribeFoldRange(M->GetFoldRangeEndingAt(far)); }},
        {"fold end far", [far](TSynMemo* M) { return std::to_string(M->IsFoldEnd(far)); }},
        {"inside a fold far", [far](TSynMemo* M) { return std::to_string(M->IsInsideFold(far)); }},
        {"inside a fold at line 5", [](TSynMemo* M) { return std::to_string(M->IsInsideFold(5)); }},
        {"ranges around a far line",
         [far](TSynMemo* M) {
             std::string found;
             for (const TSynTextFoldRange* range : M->FoldRangesAround(far + 1))
                 found += DescribeFoldRange(range) + "; ";
             return found;
         }},
        {"caret's level", [](TSynMemo* M) { return std::to_string(M->CaretFoldLevel()); }},
        {"collapsing the block at line 2",
         [](TSynMemo* M) {
             M->Collapse(M->GetFoldRangeStartingAt(2));
             return std::to_string(M->Lines()->Count()) + " lines shown, " +
                    DescribeFoldTree(*M->AllFoldRanges());
         }},
        {"collapsing a far block",
         [far](TSynMemo* M) {
             M->Collapse(M->GetFoldRangeStartingAt(far));
             return std::to_string(M->Lines()->Count()) + " lines shown, " +
                    DescribeFoldTree(*M->AllFoldRanges());
         }},
        {"every range", [](TSynMemo* M) { return DescribeFoldTree(*M->AllFoldRanges()); }},
    };
    for (const bool lastBrace : {true, false}) {
        for (const auto& [what, read] : readers) {
            TypeNearTheTop("{", lastBrace);
            ASSERT_TRUE(memo->FoldScanPending()) << what;
            EXPECT_EQ(read(memo), read(twin)) << what << (lastBrace ? "" : ", no last brace");
        }
    }
}

// Right after an edit near the top, a view far below shows at once the
// blocks as they stood, moved with the edit's lines: the view of the text
// before, as many lines further up as the edit added. Once idle time's scan
// has passed it, it shows what a rebuild shows.
TEST_F(TSynFoldIdleTest, AFarViewRightAfterAnEditShowsTheBlocksMovedWithIt)
{
    // The second function, from its first line to the third function's.
    const auto selectSecond = [this] {
        memo->SetCaretAndSelection(BufferCoord(1, 21), BufferCoord(1, 11), BufferCoord(1, 21));
    };
    const auto paste = [this](const AnsiString& Text) {
        twin->SetText(Text);
        twin->SelectAll();
        twin->CopyToClipboard();
        memo->CommandProcessor(ecPaste, 0, nullptr);
    };
    const auto pasteAtEleven = [this, paste](const AnsiString& Text) {
        return [this, paste, Text] {
            memo->SetCaretXY(BufferCoord(1, 11));
            paste(Text);
        };
    };
    const AnsiString function = "    void p() {\r\n        q();\r\n    }\r\n";
    const AnsiString opening = "    if (p) {\r\n";
    const auto deleteSecond = [this, selectSecond] {
        selectSecond();
        memo->CommandProcessor(ecDeleteChar, 0, nullptr);
    };
    const auto undo = [this] { memo->CommandProcessor(ecUndo, 0, nullptr); };
    // Whole lines pasted in line mode, at a caret inside line 11.
    const auto linesPasted = [this, paste, &function] {
        memo->SetSelectionMode(smLine);
        memo->SetCaretXY(BufferCoord(7, 11));
        paste(function);
    };
    // A column pasted on the last line, its lines past the end of the text.
    const auto columnPastTheEnd = [this, paste, &function] {
        memo->SetSelectionMode(smColumn);
        memo->SetCaretXY(BufferCoord(3, memo->Lines()->Count()));
        paste(function);
    };
    // What is done first, before idle time's scan, and the edit.
    const std::vector<std::tuple<std::string, std::function<void()>, std::function<void()>>> edits = {
        {"Enter before a brace", nullptr,
         [this] {
             memo->SetCaretXY(BufferCoord(14, 11));
             memo->CommandProcessor(ecLineBreak, 0, nullptr);
         }},
        {"lines deleted", nullptr, deleteSecond},
        {"a function pasted at the start of a line", nullptr, pasteAtEleven(function)},
        {"a block's first line pasted at the start of a line", nullptr, pasteAtEleven(opening)},
        {"a paste undone", pasteAtEleven(function), undo},
        {"a paste over lines undone",
         [selectSecond, paste, &function] {
             selectSecond();
             paste(function);
         },
         undo},
        {"deleted lines put back by undo", deleteSecond, undo},
        {"whole lines pasted", nullptr, linesPasted},
        {"whole lines pasted undone", linesPasted, undo},
        {"a column pasted past the end", nullptr, columnPastTheEnd},
        {"a column pasted past the end undone", columnPastTheEnd, undo},
    };
    for (const auto& [what, first, edit] : edits) {
        memo->SetSelectionMode(smNormal);
        memo->SetText(FunctionSource(true));
        memo->ClearUndo();
        IdleUntilFoldsScanned(memo);
        memo->SetTopLine(1);
        if (first) {
            first();
            IdleUntilFoldsScanned(memo);
        }
        const AnsiString before = memo->Lines()->Text();
        const int count = memo->Lines()->Count();
        edit();
        Pump();
        SendMessage(memo->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 1500), 0);
        SendMessage(memo->Handle(), WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
        Pump();
        ASSERT_GT(memo->TopLine(), 1000) << what;
        const TRasterImage atOnce = WindowImage(memo->Handle());
        twin->SetText(before);
        twin->AllFoldRanges();
        twin->SetCaretXY(BufferCoord(1, 1));
        // The lines the edit, at the caret, added above the view.
        const int added = memo->CaretY() < memo->TopLine() ? memo->Lines()->Count() - count : 0;
        twin->SetTopLine(memo->TopLine() - added);
        Pump();
        // The numbers in the gutter and the scroll bar are those of the text now.
        EXPECT_EQ(FirstDifferentRow(atOnce, Picture(twin), memo->GutterWidth() - 12, memo->ClientWidth()), -1) << what;
        // What is done first is undone by the edit: the text comes back.
        if (first) {
            EXPECT_EQ(memo->Lines()->Text(), FunctionSource(true)) << what;
        }
        IdleUntilFoldsScanned(memo);
        memo->Update();
        twin->SetText(memo->Lines()->Text());
        twin->AllFoldRanges();
        EXPECT_EQ(DescribeFoldTree(*memo->AllFoldRanges()), DescribeFoldTree(*twin->AllFoldRanges())) << what;
        twin->SetCaretXY(memo->CaretXY());
        twin->SetTopLine(memo->TopLine());
        Pump();
        EXPECT_EQ(FirstDifferentRow(WindowImage(memo->Handle()), Picture(twin)), -1) << what;
    }
    memo->SetSelectionMode(smNormal);
}

// Folding switched off lets its ranges go (nothing follows the text then);
// switched on with a long text loaded and scrolled down, it shows no block
// in view at once, and the blocks a rebuild shows once idle time's scan
// has passed the lines in view, repainted as far as they changed.
TEST_F(TSynFoldIdleTest, SwitchingFoldingOnFarDownShowsTheBlocksInViewOnceIdleTimeGetsThere)
{
    const AnsiString text = FunctionSource(true);
    memo->SetText(text);
    ASSERT_GT(memo->AllFoldRanges()->AllCount(), 0);
    memo->CodeFolding()->SetEnabled(false);
    EXPECT_EQ(memo->AllFoldRanges()->AllCount(), 0);
    EXPECT_EQ(memo->GetFoldRangeAtLine(1), nullptr);
    memo->SetTopLine(Functions * 5 + 1);
    memo->SetCaretXY(BufferCoord(1, Functions * 5 + 3));
    const TRasterImage off = Picture(memo);
    twin->SetText(text);
    twin->AllFoldRanges();
    twin->SetTopLine(memo->TopLine());
    twin->SetCaretXY(memo->CaretXY());
    Pump();
    memo->CodeFolding()->SetEnabled(true);
    ASSERT_TRUE(memo->FoldScanPending()) << "the lines in view wait for idle time";
    const TRasterImage switched = Picture(memo);
    EXPECT_TRUE(memo->FoldScanPending());
    // No guide among the lines, and no mark in the fold bar: its rows all
    // look alike.
    EXPECT_EQ(FirstDifferentRow(switched, off, memo->GutterWidth()), -1);
    const int bar = memo->GutterWidth() - 12;
    for (int y = 1; y < memo->ClientHeight(); ++y)
        ASSERT_TRUE(std::equal(switched.Row(y) + bar, switched.Row(y) + memo->GutterWidth(), switched.Row(0) + bar))
            << "pixel row " << y;
    EXPECT_GE(IdleUntilFoldsScanned(memo), 1);
    EXPECT_FALSE(memo->FoldScanPending());
    memo->Update();
    EXPECT_EQ(FirstDifferentRow(WindowImage(memo->Handle()), Picture(twin)), -1);
    EXPECT_EQ(DescribeFoldTree(*memo->AllFoldRanges()), DescribeFoldTree(*twin->AllFoldRanges()));
}

// When the rest of the scan finds that the first function's block never
// closes, it is one line long: its mark and guides go from the lines in
// view, repainted as far as they changed; also with every other function
// below it collapsed, which idle time's scan reads where they stand.
TEST_F(TSynFoldIdleTest, IdleTimeRepaintsWhatTheRestOfTheScanChangedInView)
{
    const auto collapseEveryOther = [](TSynMemo* Memo) {
        for (int head = (Functions - 1) * 10 + 1; head > 1; head -= 20)
            Memo->Collapse(Memo->GetFoldRangeStartingAt(head));
    };
    for (const bool collapsed : {false, true}) {
        memo->SetText(FunctionSource(false));
        if (collapsed)
            collapseEveryOther(memo);
        memo->SetTopLine(1);
        memo->SetCaretXY(BufferCoord(5, 2));
        memo->SetFocus();
        Pump();
        InjectText("{");
        Pump();
        // Away from the brace, whose block a caret on it repaints, and deep
        // inside, where the caret's guides are not the first block's.
        memo->SetCaretXY(BufferCoord(1, 6));
        memo->Update();
        ASSERT_TRUE(memo->FoldScanPending()) << (collapsed ? "functions collapsed" : "");
        IdleUntilFoldsScanned(memo);
        memo->Update();
        const TRasterImage shown = WindowImage(memo->Handle());
        twin->SetText(memo->GetExpandedLines()->Text());
        twin->RebuildFoldRanges();
        twin->AllFoldRanges();
        if (collapsed)
            collapseEveryOther(twin);
        twin->SetTopLine(1);
        twin->SetCaretXY(BufferCoord(1, 6));
        twin->SetFocus();
        Pump();
        EXPECT_EQ(FirstDifferentRow(shown, Picture(twin)), -1) << (collapsed ? "functions collapsed" : "");
    }
}

}  // namespace

// Lines put in and taken out far apart, more edits than the ranges keep
// before they all take them, leave every range where a rebuild puts it;
// collapsing and expanding right after the edits move the right lines, and
// idle time brings every range up to date.
TEST_F(TSynFoldIdleTest, ManyLineEditsLeaveTheRangesWhereARebuildPutsThem)
{
    memo->SetText(FunctionSource(true));
    IdleUntilFoldsScanned(memo);
    const auto edit = [this](int Line, bool Insert) {
        memo->SetCaretXY(BufferCoord(1, Line));
        memo->CommandProcessor(Insert ? ecLineBreak : ecDeleteLine, 0, nullptr);
    };
    const auto compare = [this](const char* When) {
        twin->SetText(memo->Lines()->Text());
        twin->RebuildFoldRanges();
        EXPECT_EQ(DescribeFoldTree(*ExpandedFoldRanges(*memo)), DescribeFoldTree(*twin->AllFoldRanges())) << When;
    };
    for (int i = 0; i < 150; ++i)
        edit(1 + (i * 977) % 2900, i % 3 != 0);
    compare("after the edits");

    // Collapsing the block at line 1,501 hides exactly its lines.
    for (int i = 0; i < 10; ++i)
        edit(40 + i, true);
    TSynTextFoldRange* block = memo->GetFoldRangeStartingAt(1501);
    ASSERT_NE(block, nullptr);
    const int hidden = block->ToLine() - block->FromLine();
    const AnsiString after = memo->Lines()->Strings(block->ToLine());
    memo->Collapse(block);
    EXPECT_EQ(memo->Lines()->Strings(1501), after);
    EXPECT_EQ(block->LinesCollapsed(), hidden - 1);
    edit(20, true);
    edit(30, false);
    memo->Uncollapse(block);
    compare("after the collapse and the expansion");

    IdleUntilFoldsScanned(memo);
    memo->SetTopLine(1);
    edit(5, true);
    ASSERT_FALSE(memo->FoldScanPending()) << "the keystroke scans what it changed";
    EXPECT_GT(memo->AllFoldRanges()->PendingShifts(), 0);
    AdvanceClock(20);
    Pump();
    EXPECT_EQ(memo->AllFoldRanges()->PendingShifts(), 0) << "idle time settles the shifts";
    compare("after idle time");
}

// A text set whole, its last line holding text or not: the view stays at
// the top or follows the caret to the last line, the fold scan leaves the
// rest of the text (or, with the view far down, all of it) to idle time,
// and once idle time is done the ranges and the picture are a rebuild's.
TEST_F(TSynFoldIdleTest, ATextSetWholeIsScannedInIdleTimeWhateverItsLastLineHolds)
{
    for (const bool lastBreak : {true, false}) {
        AnsiString text = FunctionSource(true);
        if (lastBreak)
            text += "\r\n";
        memo->SetText(text);
        EXPECT_TRUE(memo->FoldScanPending()) << (lastBreak ? "a line break at the end" : "text on the last line");
        EXPECT_EQ(memo->TopLine() > 1000, !lastBreak);
        memo->Update();
        EXPECT_GE(IdleUntilFoldsScanned(memo), 1);
        memo->Update();
        const TRasterImage shown = WindowImage(memo->Handle());
        twin->SetText(text);
        twin->AllFoldRanges();
        twin->SetCaretXY(memo->CaretXY());
        twin->SetTopLine(memo->TopLine());
        EXPECT_EQ(DescribeFoldTree(*memo->AllFoldRanges()), DescribeFoldTree(*twin->AllFoldRanges()));
        EXPECT_EQ(FirstDifferentRow(shown, Picture(twin)), -1) << (lastBreak ? "a line break at the end" : "");
    }
}

namespace {

// An editor whose idle slices end when told, not by the clock.
class TSliceMemo : public TSynMemo {
public:
    using TSynMemo::TSynMemo;
    // One slice whose time is up whenever it looks at the clock.
    void SliceOutOfTime() { ScanFoldsTo(INT_MAX, [] { return true; }); }
};

// Seven-line functions after Above lines, with an empty line after each
// when Gap is set: every function's first line is "void f() {".
AnsiString CollapsibleFunctions(int Count, int Above, bool Gap)
{
    AnsiString text;
    for (int i = 0; i < Above; ++i)
        text += "int top;\r\n";
    for (int i = 0; i < Count; ++i)
        text += AnsiString("void f() {\r\n    if (a) {\r\n        b(); // {\r\n    } else {\r\n") +
                "        c(\"}\");\r\n    }\r\n}\r\n" + (Gap ? "\r\n" : "");
    return text;
}

// Collapses every function, the last first.
int CollapseFunctions(TSynMemo* Memo)
{
    int count = 0;
    for (int line = Memo->Lines()->Count(); line >= 1; --line)
        if (Memo->Lines()->Strings(line - 1) == "void f() {") {
            Memo->Collapse(Memo->GetFoldRangeStartingAt(line));
            ++count;
        }
    return count;
}

class TSynFoldSliceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    // The editors' own regions: braces outside strings and line comments,
    // and #region .. #endregion, which opens only where its close follows.
    static std::unique_ptr<TSliceMemo> NewMemo()
    {
        auto memo = std::make_unique<TSliceMemo>(nullptr);
        TFoldRegions* regions = memo->CodeFolding()->FoldRegions();
        regions->Add(frtOneChar, false, false, false, "{", "}");
        regions->Add(frtToken, false, true, false, "#region", "#endregion");
        regions->SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
        regions->SkipRegions()->Add("//", "", "", srtLineEnd);
        memo->CodeFolding()->SetHighlighterFoldRegions(false);
        memo->CodeFolding()->SetCaseSensitive(false);
        memo->CodeFolding()->SetEnabled(true);
        return memo;
    }
    // Memo's ranges with every block expanded against a fresh editor's.
    static void ExpectRebuildsRanges(TSynMemo* Memo, const std::string& What)
    {
        auto fresh = NewMemo();
        fresh->SetText(Memo->Text());
        EXPECT_EQ(DescribeFoldTree(*ExpandedFoldRanges(*Memo)), DescribeFoldTree(*fresh->AllFoldRanges())) << What;
    }
};

// A brace typed above collapsed functions moves every block a level
// deeper. An idle slice looks at the clock after so many lines read and,
// its time up, ends at the first line it may end on, whatever lines it
// looked at the clock on: with an empty line after each function every
// 64th line lies inside a collapsed function.
TEST_F(TSynFoldSliceTest, ASliceEndsSoonAfterItsTimeIsUpWhateverTheLayout)
{
    constexpr int Functions = 100;
    for (const bool gap : {true, false}) {
        for (const int above : {1, 2, 3}) {
            const std::string what = std::string(gap ? "an empty line after each" : "touching") + ", " +
                                     std::to_string(above) + " lines above";
            auto memo = NewMemo();
            memo->SetText(CollapsibleFunctions(Functions, above, gap));
            memo->AllFoldRanges();
            ASSERT_EQ(CollapseFunctions(memo.get()), Functions) << what;
            memo->SetCaretXY(BufferCoord(1, 1));
            memo->CommandProcessor(ecChar, '{', nullptr);
            ASSERT_TRUE(memo->FoldScanPending()) << what;
            int slices = 0;
            for (; memo->FoldScanPending() && slices < 1000; ++slices)
                memo->SliceOutOfTime();
            // Some 64 lines or a function more each.
            EXPECT_GT(slices, Functions * (gap ? 8 : 7) / 80) << what;
            EXPECT_EQ(CollapseFunctions(memo.get()), 0) << what << ": every function stays collapsed";
            ExpectRebuildsRanges(memo.get(), what);
        }
    }
}

// #region typed above collapsed functions looks ahead for its close past
// the lines it reads: in a line after them, in a hidden line of one (in
// another letter case), in a block collapsed inside a collapsed one, on a
// collapsed block's first line whose hidden lines hold no '#', or nowhere.
// The blocks it passes are read where they stand.
TEST_F(TSynFoldSliceTest, ALookAheadFindsItsCloseInCollapsedBlocks)
{
    struct TCase {
        const char* What;
        int Function;  // whose "b(); // {" line becomes the close; 0: a line after them, -1: none
        bool Nested;   // its inner block collapsed first
        bool FirstLine = false;  // the close on the function's first line instead
    };
    static const TCase kCases[] = {
        {"in a line after the blocks", 0, false},
        {"in a hidden line", 30, false},
        {"in a block collapsed inside a collapsed one", 30, true},
        {"on a collapsed block's first line", 30, false, true},
        {"nowhere", -1, false},
    };
    constexpr int Functions = 40;
    for (const TCase& c : kCases) {
        AnsiString text = CollapsibleFunctions(Functions, 1, true);
        if (c.Function == 0)
            text += "#endregion\r\n";
        auto memo = NewMemo();
        memo->SetText(text);
        if (c.FirstLine) {
            memo->Lines()->SetStrings((c.Function - 1) * 8 + 1, "void f() { #ENDREGION");
        } else if (c.Function > 0) {
            // Line 4 of the function: "        b(); // {".
            const int line = 1 + (c.Function - 1) * 8 + 3;
            memo->Lines()->SetStrings(line - 1, "        #ENDREGION");
        }
        memo->AllFoldRanges();
        if (c.Nested)
            memo->Collapse(memo->GetFoldRangeStartingAt(1 + (c.Function - 1) * 8 + 2));
        if (c.FirstLine)
            memo->Collapse(memo->GetFoldRangeStartingAt(1 + (c.Function - 1) * 8 + 1));
        CollapseFunctions(memo.get());
        ASSERT_TRUE(memo->AllFoldRanges()->HasCollapsed()) << c.What;
        memo->SetCaretXY(BufferCoord(1, 1));
        memo->SetSelText("#region\r\n");
        memo->AllFoldRanges();
        ExpectRebuildsRanges(memo.get(), c.What);
    }
}

}  // namespace
