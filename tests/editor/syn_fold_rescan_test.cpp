// Finding the fold ranges again after an edit scans only from above the
// edited lines to where the scan settles: random edits in texts full of
// skip regions, nested region lists, look-ahead regions and blocks that
// never close, with blocks collapsed and expanded between them, must leave
// the ranges a rebuild of the whole text finds.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_memo.h"
#include "editor/syn_text_commands.h"
#include "tests/editor/syn_fold_test_support.h"
#include "tests/support/test_random.h"
#include "tests/support/test_seeds.h"

namespace {

// Braces outside strings and comments; BEGIN .. END in any letter case as
// whole words, holding ( .. ) ranges of their own; #region running straight
// to its #endregion.
void AddRegions(TSynCodeFolding* Folding)
{
    TFoldRegions* regions = Folding->FoldRegions();
    regions->SkipRegions()->Add("/*", "*/", "", srtCloseString);
    regions->SkipRegions()->Add("//", "", "", srtLineEnd);
    regions->SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
    regions->Add(frtOneChar, false, false, false, "{", "}");
    TFoldRegionItem* block = regions->Add(frtToken, false, false, true, "BEGIN", "END");
    block->SubRegions()->Add(frtOneChar, false, false, false, "(", ")");
    block->SubRegions()->SkipRegions()->Add("'", "'", "", srtCloseChar);
    regions->Add(frtToken, false, true, false, "#region", "#endregion");
    Folding->SetHighlighterFoldRegions(false);
    Folding->SetCaseSensitive(false);
    Folding->SetEnabled(true);
}

std::unique_ptr<TSynMemo> NewMemo()
{
    auto memo = std::make_unique<TSynMemo>(nullptr);
    AddRegions(memo->CodeFolding());
    return memo;
}

const char* const Pieces[] = {"{", "}", "{", "}", "/*", "*/", "//", "\"", "\\", "'", "(", ")", "begin", "END",
                              " BEGIN ", "endx", "#region", "#endregion", "x", "  ", "\t", "\xD5\x66", "\r\n",
                              "\r\n", "\r\n", "\r\n"};

AnsiString RandomText(TRandom& R, int Pieces_)
{
    AnsiString text;
    for (int i = 0; i < Pieces_; ++i)
        text += R.Pick(Pieces);
    return text;
}

// The flat list in document order, as painting reads it.
std::string DescribeFlat(const TSynTextAllFoldRanges& Ranges)
{
    std::ostringstream out;
    for (int i = 0; i < Ranges.AllCount(); ++i)
        out << Ranges.AllRanges(i)->FromLine() << "-" << Ranges.AllRanges(i)->ToLine() << " ";
    return out.str();
}

class TSynFoldRescanTest : public ::testing::TestWithParam<uint32_t> {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
};

TEST_P(TSynFoldRescanTest, RandomEditsKeepTheRangesOfARebuild)
{
    TRandom random(GetParam());
    std::unique_ptr<TSynMemo> memo = NewMemo();
    std::unique_ptr<TSynMemo> reference = NewMemo();
    memo->SetText(RandomText(random, 900));
    memo->RebuildFoldRanges();
    std::ostringstream log;
    for (int step = 1; step <= 150; ++step) {
        const int line = random.Between(1, memo->Lines()->Count());
        const int column = random.Between(1, static_cast<int>(memo->Lines()->Strings(line - 1).size()) + 1);
        memo->SetCaretXY(BufferCoord(column, line));
        log << "\n" << step << ": at " << line << ":" << column << " ";
        switch (random.Below(6)) {
        case 0:
        case 1: {
            const AnsiString piece = random.Pick(Pieces);
            log << "type " << piece;
            for (const char c : piece)
                memo->CommandProcessor(c == '\r' ? ecLineBreak : ecChar, c, nullptr);
            break;
        }
        case 2:
            log << "backspace";
            memo->CommandProcessor(ecDeleteLastChar, 0, nullptr);
            break;
        case 3: {
            const int to = std::min(memo->Lines()->Count(), line + random.Below(4));
            log << "delete to line " << to;
            memo->SetBlockBegin(BufferCoord(column, line));
            memo->SetBlockEnd(BufferCoord(1, to));
            memo->CommandProcessor(ecDeleteChar, 0, nullptr);
            break;
        }
        case 4:
            if (TSynTextFoldRange* range = memo->GetFoldRangeAtLine(line); range && !range->Collapsed) {
                log << "collapse";
                memo->Collapse(range);
            } else if (TSynTextFoldRange* collapsed = memo->AllFoldRanges()->CollapsedIn(1, INT_MAX)) {
                log << "expand " << collapsed->FromLine();
                memo->Uncollapse(collapsed);
            }
            break;
        default: {
            const AnsiString text = RandomText(random, random.Between(1, 12));
            log << "paste " << text;
            memo->SetSelText(text);
            break;
        }
        }
        const std::unique_ptr<TSynTextAllFoldRanges> expanded = ExpandedFoldRanges(*memo);
        reference->SetText(memo->Text());
        reference->RebuildFoldRanges();
        ASSERT_EQ(DescribeFoldTree(*expanded), DescribeFoldTree(*reference->AllFoldRanges())) << log.str();
        ASSERT_EQ(DescribeFlat(*expanded), DescribeFlat(*reference->AllFoldRanges())) << log.str();
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, TSynFoldRescanTest, ::testing::ValuesIn(SessionSeeds(SeedRange(1, 40), 8)));

// Two hundred blocks of three lines, block N (from 0) on lines 3N+1 ..
// 3N+3.
AnsiString TwoHundredBlocks()
{
    AnsiString text;
    for (int i = 0; i < 200; ++i)
        text += "f() {\r\n  /* { */ x;\r\n}\r\n";
    return text;
}

// An edit that closes what it opens finds its ranges again from a line
// near it: the ranges above and below stay the objects they were.
TEST(TSynFoldRescanLocalTest, ABalancedEditLeavesTheRangesAroundIt)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    std::unique_ptr<TSynMemo> memo = NewMemo();
    memo->SetText(TwoHundredBlocks());
    memo->RebuildFoldRanges();
    TSynTextAllFoldRanges* ranges = memo->AllFoldRanges();
    const TSynTextFoldRange* first = ranges->AllRanges(0);
    const TSynTextFoldRange* last = ranges->AllRanges(ranges->AllCount() - 1);
    memo->SetCaretXY(BufferCoord(3, 301));  // "f(|) {", the 101st block
    memo->SetSelText("{y}");
    ASSERT_EQ(ranges->AllCount(), 201);
    EXPECT_EQ(ranges->AllRanges(0), first);
    EXPECT_EQ(ranges->AllRanges(200), last);
    EXPECT_EQ(ranges->AllRanges(100)->FromLine(), 301);
    EXPECT_EQ(ranges->AllRanges(100)->ToLine(), 301);
    EXPECT_EQ(ranges->AllRanges(101)->ToLine(), 303);
}

// TwoHundredBlocks with block 100 (lines 301 .. 303) collapsed.
std::unique_ptr<TSynMemo> MemoWithBlock100Collapsed()
{
    std::unique_ptr<TSynMemo> memo = NewMemo();
    memo->SetText(TwoHundredBlocks());
    memo->RebuildFoldRanges();
    memo->Collapse(memo->GetFoldRangeStartingAt(301));
    return memo;
}

// The ranges of Memo with every collapsed block expanded against those a
// rebuild of its text finds.
void ExpectTheRangesOfARebuild(TSynMemo& Memo)
{
    std::unique_ptr<TSynMemo> reference = NewMemo();
    reference->SetText(Memo.Text());
    reference->RebuildFoldRanges();
    EXPECT_EQ(DescribeFoldTree(*ExpandedFoldRanges(Memo)), DescribeFoldTree(*reference->AllFoldRanges()));
    EXPECT_EQ(DescribeFlat(*ExpandedFoldRanges(Memo)), DescribeFlat(*reference->AllFoldRanges()));
}

// An edit whose scan has to read the lines of a collapsed block below
// finds the ranges again from near it, as when nothing is collapsed: the
// ranges above stay the objects they were. A block found as it was, one
// level deeper now, stays collapsed; one the edit took apart is expanded;
// one just above the edit is read from its first line.
TEST(TSynFoldRescanLocalTest, AScanThatReadsACollapsedBlockStaysNearTheEdit)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    {
        std::unique_ptr<TSynMemo> memo = MemoWithBlock100Collapsed();
        TSynTextAllFoldRanges* ranges = memo->AllFoldRanges();
        const TSynTextFoldRange* first = ranges->AllRanges(0);
        // Block 90 never closes now: every block below lies inside it.
        memo->SetCaretXY(BufferCoord(13, 272));
        memo->SetSelText("{");
        const TSynTextFoldRange* block = memo->GetFoldRangeStartingAt(301);
        EXPECT_EQ(ranges->AllRanges(0), first);
        ASSERT_NE(block, nullptr);
        EXPECT_TRUE(block->Collapsed);
        EXPECT_EQ(block->FoldRangeLevel, 1);
        EXPECT_TRUE(ranges->ScanResumable());
        ExpectTheRangesOfARebuild(*memo);
    }
    {
        std::unique_ptr<TSynMemo> memo = MemoWithBlock100Collapsed();
        TSynTextAllFoldRanges* ranges = memo->AllFoldRanges();
        const TSynTextFoldRange* first = ranges->AllRanges(0);
        // A comment from the close of block 99 to the first "*/" of block
        // 100: block 99 ends where block 100 did, and block 100 is gone
        // once the scan, which may end in the comment, reaches it.
        memo->SetCaretXY(BufferCoord(1, 300));
        memo->SetSelText("/*");
        EXPECT_EQ(ranges->AllRanges(0), first);
        EXPECT_FALSE(memo->AllFoldRanges()->HasCollapsed());
        EXPECT_EQ(DescribeFoldRange(memo->GetFoldRangeStartingAt(298)), "298-303 L0 I0");
        EXPECT_TRUE(ranges->ScanResumable());
        ExpectTheRangesOfARebuild(*memo);
    }
    {
        std::unique_ptr<TSynMemo> memo = MemoWithBlock100Collapsed();
        TSynTextAllFoldRanges* ranges = memo->AllFoldRanges();
        const TSynTextFoldRange* first = ranges->AllRanges(0);
        // On the line right below the collapsed block, whose hidden lines
        // decide what is open there: the scan reads them from its first
        // line, finds it as it was and collapses it again.
        memo->SetCaretXY(BufferCoord(3, 302));
        memo->SetSelText("{y}");
        EXPECT_EQ(ranges->AllRanges(0), first);
        const TSynTextFoldRange* block = memo->GetFoldRangeStartingAt(301);
        ASSERT_NE(block, nullptr);
        EXPECT_TRUE(block->Collapsed);
        EXPECT_TRUE(ranges->ScanResumable());
        ExpectTheRangesOfARebuild(*memo);
    }
}

// Functions of ten lines, blocks three deep; function N (from 0) on lines
// 10N+1 .. 10N+10.
AnsiString TenLineFunctions(int Count)
{
    static const char* const function[] = {
        "void f() {", "    if (a) {", "        x();", "        for (;;) {", "            y();",
        "        }",   "    } else {", "        z();", "    }",          "}",
    };
    AnsiString text;
    for (int i = 0; i < Count * 10; ++i)
        text += AnsiString(function[i % 10]) + "\r\n";
    return text;
}

// The function at line 21 of TenLineFunctions collapsed, Command run at
// the start of Line, then the function, still collapsed, expanded.
void EditBelowCollapsedFunction(TSynMemo& Memo, int Line, TSynTextEditorCommand Command)
{
    Memo.Collapse(Memo.GetFoldRangeStartingAt(21));
    Memo.SetCaretXY(BufferCoord(1, Line));
    Memo.CommandProcessor(Command, 0, nullptr);
    TSynTextFoldRange* function = Memo.GetFoldRangeStartingAt(21);
    ASSERT_TRUE(function && function->Collapsed);
    Memo.Uncollapse(function);
}

// Lines that come or go move the ranges below lazily, each taking the
// shifts when next read (with no idle time here to settle them), in the
// lines of the text with every block expanded, which a collapse or an
// expansion leaves as they are: the two must agree, and with what the scan
// after an edit reads.
TEST(TSynFoldRescanLocalTest, LinesACollapseOrExpansionMovesKeepTheRangesOfARebuild)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    struct TCase {
        const char* What;
        void (*Do)(TSynMemo& Memo);
    };
    static const TCase kCases[] = {
        // The collapse takes the ranges inside the function up to date
        // before it moves them with it.
        {"five Enters far above, then a collapse and an expansion",
         [](TSynMemo& Memo) {
             Memo.SetCaretXY(BufferCoord(1, 20));
             for (int i = 0; i < 5; ++i)
                 Memo.CommandProcessor(ecLineBreak, 0, nullptr);
             TSynTextFoldRange* function = Memo.GetFoldRangeStartingAt(1506);
             ASSERT_NE(function, nullptr);
             Memo.Collapse(function);
             Memo.Uncollapse(Memo.GetFoldRangeStartingAt(1506));
         }},
        // The ranges the function hides take the shifts kept while it is
        // collapsed as the ranges in view do, also when idle time settles
        // them.
        {"a collapse, five Enters far above, the shifts settled, then the expansion",
         [](TSynMemo& Memo) {
             Memo.Collapse(Memo.GetFoldRangeStartingAt(1501));
             Memo.SetCaretXY(BufferCoord(1, 13));  // "x();": no scan settles the shifts
             for (int i = 0; i < 5; ++i)
                 Memo.CommandProcessor(ecLineBreak, 0, nullptr);
             Memo.AllFoldRanges()->SettleShifts();
             TSynTextFoldRange* function = Memo.GetFoldRangeStartingAt(1506);
             ASSERT_NE(function, nullptr);
             Memo.Uncollapse(function);
         }},
        // One update edits above and below a collapsed function: the scan
        // reads from the first edited line to the last in the text with the
        // function's lines in their place, else it settles after the
        // comment, above the new brace.
        {"edits above and below a collapsed function in one update",
         [](TSynMemo& Memo) {
             Memo.Collapse(Memo.GetFoldRangeStartingAt(21));
             Memo.BeginUpdate();
             Memo.SetCaretXY(BufferCoord(1, 5));
             Memo.SetSelText("/**/");
             Memo.SetCaretXY(BufferCoord(static_cast<int>(Memo.Lines()->Strings(48).size()) + 1, 49));
             Memo.SetSelText("{");
             Memo.EndUpdate();
         }},
        // A replace-all collapses blocks again after its edits, in the
        // same update: the edited lines below move up with the collapse,
        // and the scan reads them where they went.
        {"an edit below a function, then the function collapsed, in one update",
         [](TSynMemo& Memo) {
             Memo.AllFoldRanges();
             Memo.BeginUpdate();
             Memo.SetCaretXY(BufferCoord(static_cast<int>(Memo.Lines()->Strings(44).size()) + 1, 45));
             Memo.SetSelText("{");
             Memo.Collapse(Memo.GetFoldRangeStartingAt(21));
             Memo.EndUpdate();
         }},
        // Lines put in or taken out right below a collapsed function's
        // first line come or go after the lines it hides, which stay as
        // they were: the scan after the edit finds the function again.
        {"a line put in below a collapsed function's first line, then the expansion",
         [](TSynMemo& Memo) { EditBelowCollapsedFunction(Memo, 22, ecLineBreak); }},
        {"a line taken out below a collapsed function's first line, then the expansion",
         [](TSynMemo& Memo) { EditBelowCollapsedFunction(Memo, 23, ecDeleteLine); }},
    };
    for (const TCase& c : kCases) {
        SCOPED_TRACE(c.What);
        std::unique_ptr<TSynMemo> memo = NewMemo();
        memo->SetText(TenLineFunctions(300));
        memo->RebuildFoldRanges();
        c.Do(*memo);
        ExpectTheRangesOfARebuild(*memo);
    }
}


// A selection deleted across lines joins its first line with the rest of
// its last: the ranges follow the lines the buffer took out, so the scan
// finds them again from near the join, as after a Backspace; the ranges
// above stay the objects they were, the function above stays collapsed,
// and undo gives the lines back.
TEST(TSynFoldRescanLocalTest, DeletingAcrossLinesRescansNearTheJoin)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    struct TCase {
        const char* What;
        TBufferCoord From;
        TBufferCoord To;
    };
    // Function N (from 0) on lines 10N+1 .. 10N+10, before function 2 is
    // collapsed.
    static const TCase kCases[] = {
        {"whole functions", BufferCoord(1, 41), BufferCoord(1, 141)},
        {"from inside a block to inside another", BufferCoord(9, 43), BufferCoord(5, 145)},
        {"onto an \"} else {\"", BufferCoord(1, 52), BufferCoord(5, 67)},
        {"from a block's head to the next function's end", BufferCoord(12, 42), BufferCoord(2, 60)},
        {"from below the collapsed function", BufferCoord(1, 31), BufferCoord(1, 35)},
    };
    for (const bool collapsing : {false, true}) {
        for (const TCase& c : kCases) {
            SCOPED_TRACE(std::string(c.What) + (collapsing ? ", a function collapsed above" : ""));
            std::unique_ptr<TSynMemo> memo = NewMemo();
            memo->SetText(TenLineFunctions(300));
            memo->RebuildFoldRanges();
            TSynTextAllFoldRanges* ranges = memo->AllFoldRanges();
            if (collapsing)
                memo->Collapse(memo->GetFoldRangeStartingAt(21));
            const TSynTextFoldRange* first = ranges->AllRanges(0);
            // The lines below the collapsed function are nine lines up.
            auto shown = [collapsing](TBufferCoord P) {
                if (collapsing && P.Line > 30)
                    P.Line -= 9;
                return P;
            };
            memo->SetCaretAndSelection(shown(c.To), shown(c.From), shown(c.To));
            memo->SetSelText("");
            EXPECT_EQ(ranges->AllRanges(0), first) << "the ranges were found again from line 1";
            const TSynTextFoldRange* function = memo->GetFoldRangeStartingAt(21);
            ASSERT_NE(function, nullptr);
            EXPECT_EQ(function->Collapsed, collapsing);
            ExpectTheRangesOfARebuild(*memo);
            memo->Undo();
            EXPECT_EQ(memo->GetExpandedLines()->Text(), TenLineFunctions(300)) << "undone";
        }
    }
}

}  // namespace
