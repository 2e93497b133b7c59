// Random folding sessions on C text, folded by the shipped C/C++ scheme or
// by fold regions of braces, block comments and #ifdef blocks: collapses
// (nested ones too) and expansions, every editing command at the edges of
// collapsed blocks, the clipboard, undo and idle time. After every step the
// text with nothing collapsed is what the same command makes of it in an
// editor where nothing is collapsed, a copy holds what that editor copies,
// and the lines in view, their colours and the fold ranges are what a
// fresh editor shows with the same blocks collapsed.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_text_commands.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/code_page.h"
#include "platform/win/clipboard.h"
#include "tests/highlighter/c_fold_test_support.h"
#include "tests/support/test_random.h"
#include "tests/support/test_seeds.h"

namespace {

class TSessionMemo : public TSynMemo {
public:
    using TSynMemo::TSynMemo;
    void IdleUntilFoldsScanned()
    {
        for (int slice = 0; FoldScanPending() && slice < 100000; ++slice)
            ScanFoldsIdle();
    }
};

// Pieces of C the sessions' texts are made of: nested blocks, comments
// holding braces, a block whose first line opens a comment its last line
// closes, #ifdef blocks, braces in strings, GBK text whose trail bytes
// read as '{', '\\' and '@'.
const char* const Units[] = {
    "int f(int a)\r\n{\r\n    if (a) {\r\n        for (;;) {\r\n            x(\"{\");\r\n        }\r\n"
    "    } else {\r\n        y();\r\n    }\r\n}\r\n",
    "/* \xD5\x66\xE9\x54 note\r\n   { still comment }\r\n */\r\n",
    "void g()\r\n{\r\n    if (b) { /* why\r\n        more */ }\r\n    return;\r\n}\r\n",
    "#ifdef WITH_X\r\nint v = 1; // {\r\n#ifdef WITH_Y\r\nint w;\r\n#endif\r\n#endif\r\n",
    "struct s {\r\n    char* p = \"\xDF\x40\\\"\x81\x5C\";  // \xD6\xD0 }\r\n    int q;\r\n};\r\n",
    "\r\n",
};

AnsiString RandomText(TRandom& R)
{
    AnsiString text;
    for (int n = R.Between(10, 18); n > 0; --n)
        text += R.Pick(Units);
    return text;
}

void EmptyTheClipboard()
{
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

// What varies between the sessions.
struct TSessionSetup {
    uint32_t Seed;
    bool SchemeRegions;  // the scheme's fold regions, else UseRegionFolding's
};

void PrintTo(const TSessionSetup& Setup, std::ostream* Out) { *Out << "seed " << Setup.Seed; }

class TCFoldSessionTest : public ::testing::TestWithParam<TSessionSetup> {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override
    {
        // The clipboard outlives the tests: every session starts without
        // what an earlier one copied.
        EmptyTheClipboard();
        memo = std::make_unique<TSessionMemo>(nullptr);
        Fold(*memo);
        model = NewMemo();
        // The model folds nothing: it is the text the edits make.
        model->CodeFolding()->SetEnabled(false);
    }
    void TearDown() override { EmptyTheClipboard(); }

    void Fold(TSynMemo& Memo)
    {
        if (GetParam().SchemeRegions)
            UseCFolding(Memo, syn);
        else
            UseRegionFolding(Memo, syn);
    }
    std::unique_ptr<TSynMemo> NewMemo()
    {
        auto result = std::make_unique<TSynMemo>(nullptr);
        Fold(*result);
        return result;
    }

    bool OnCollapsedHead(const TBufferCoord& P) const
    {
        return memo->AllFoldRanges()->CollapsedStartsAt(P.Line);
    }
    // Where an edit meets a collapsed block most often: its first line, the
    // lines just above and below it; elsewhere now and then.
    TBufferCoord EdgePlace(TRandom& R);
    void Collapse(TRandom& R, std::ostringstream& Log);
    void Expand(TRandom& R, std::ostringstream& Log);
    void Edit(TRandom& R, std::ostringstream& Log);
    void UndoAndRedoEverything(const AnsiString& Start);

    TSynLexSyn syn{nullptr};
    std::unique_ptr<TSessionMemo> memo;
    std::unique_ptr<TSynMemo> model;
};

TBufferCoord TCFoldSessionTest::EdgePlace(TRandom& R)
{
    const int count = memo->Lines()->Count();
    auto lineEnd = [this](int Line) { return static_cast<int>(memo->Lines()->Strings(Line - 1).size()) + 1; };
    auto clampLine = [count](int Line) { return std::clamp(Line, 1, std::max(count, 1)); };
    std::vector<TSynTextFoldRange*> collapsed;
    TSynTextAllFoldRanges* ranges = memo->AllFoldRanges();
    for (int i = 0; i < ranges->AllCount(); ++i)
        if (ranges->AllRanges(i)->Collapsed && !ranges->AllRanges(i)->ParentCollapsed)
            collapsed.push_back(ranges->AllRanges(i));
    if (count == 0)
        return BufferCoord(1, 1);
    // A caret never stands on the second byte of a character.
    auto onCharacter = [this](int Char, int Line) {
        const AnsiString text = memo->Lines()->Strings(Line - 1);
        return BufferCoord(Char <= static_cast<int>(text.size()) ? static_cast<int>(CharStartOf(text, Char - 1)) + 1 : Char,
                           Line);
    };
    if (collapsed.empty() || R.Chance(20)) {
        const int line = R.Between(1, count);
        return onCharacter(R.Between(1, lineEnd(line)), line);
    }
    const TSynTextFoldRange* range = collapsed[R.Index(collapsed.size())];
    const int head = range->FromLine();
    const AnsiString headText = range->WithoutCollapseMark(memo->Lines()->Strings(head - 1));
    switch (R.Below(6)) {
    case 0:
        return BufferCoord(1, clampLine(head + 1));
    case 1:
        return BufferCoord(lineEnd(clampLine(head - 1)), clampLine(head - 1));
    case 2:
        return BufferCoord(lineEnd(clampLine(head + 1)), clampLine(head + 1));
    case 3:
        return BufferCoord(1, head);
    case 4:
        return BufferCoord(static_cast<int>(headText.size()) + 1, head);
    default:
        return onCharacter(R.Between(1, lineEnd(head) + 2), head);
    }
}

void TCFoldSessionTest::Collapse(TRandom& R, std::ostringstream& Log)
{
    std::vector<TSynTextFoldRange*> candidates;
    TSynTextAllFoldRanges* ranges = memo->AllFoldRanges();
    for (int i = 0; i < ranges->AllCount(); ++i) {
        TSynTextFoldRange* range = ranges->AllRanges(i);
        if (!range->Collapsed && !range->ParentCollapsed && range->ToLine() > range->FromLine())
            candidates.push_back(range);
    }
    if (candidates.empty())
        return;
    TSynTextFoldRange* range = candidates[R.Index(candidates.size())];
    Log << "collapse " << range->FromLine() << ".." << range->ToLine() << " L" << range->FoldRangeLevel;
    memo->Collapse(range);
}

void TCFoldSessionTest::Expand(TRandom& R, std::ostringstream& Log)
{
    if (R.Chance(20)) {
        Log << "expand all";
        memo->UncollapseAll();
        return;
    }
    std::vector<TSynTextFoldRange*> candidates;
    TSynTextAllFoldRanges* ranges = memo->AllFoldRanges();
    for (int i = 0; i < ranges->AllCount(); ++i)
        if (ranges->AllRanges(i)->Collapsed && !ranges->AllRanges(i)->ParentCollapsed)
            candidates.push_back(ranges->AllRanges(i));
    if (candidates.empty())
        return;
    TSynTextFoldRange* range = candidates[R.Index(candidates.size())];
    Log << "expand " << range->FromLine();
    memo->Uncollapse(range);
}

void TCFoldSessionTest::Edit(TRandom& R, std::ostringstream& Log)
{
    static const TSynTextEditorCommand commands[] = {
        ecDeleteLastChar, ecDeleteLastChar, ecDeleteChar, ecDeleteChar, ecDeleteWord, ecDeleteLastWord,
        ecDeleteEOL,      ecDeleteBOL,      ecDeleteLine, ecLineBreak,  ecInsertLine, ecChar,
        ecChar,           ecChar,           ecTab,        ecShiftTab,   ecBlockIndent, ecBlockUnindent,
        ecUpperCase,      ecToggleCaseBlock, ecCut,       ecCut,        ecCopy,        ecCopy,
        ecPaste,          ecPaste,
    };
    static const char typed[] = "{}/*#\"x \\";
    const TSynTextEditorCommand command = R.Pick(commands);
    const char c = typed[R.Below(static_cast<int>(sizeof typed) - 1)];
    const TBufferCoord from = EdgePlace(R);
    TBufferCoord to = from;
    if (R.Chance(35))
        to = EdgePlace(R);
    Log << "command " << command << " '" << c << "' at " << from.Char << "," << from.Line << " to " << to.Char << ","
        << to.Line;
    memo->SetCaretAndSelection(to, from, to);
    // On a collapsed first line a command may be refused or go elsewhere
    // (Enter to the block's end), so there is nothing to compare.
    const bool comparable =
        !OnCollapsedHead(memo->CaretXY()) && !OnCollapsedHead(memo->BlockBegin()) && !OnCollapsedHead(memo->BlockEnd());
    if (comparable) {
        model->SetText(memo->GetExpandedLines()->Text());
        auto real = [this](TBufferCoord P) {
            P.Line = memo->GetRealLineNumber(P.Line);
            return P;
        };
        model->SetCaretAndSelection(real(memo->CaretXY()), real(memo->BlockBegin()), real(memo->BlockEnd()));
        model->CommandProcessor(command, c, nullptr);
    }
    const AnsiString copied = ClipboardText();
    memo->CommandProcessor(command, c, nullptr);
    if (comparable) {
        ASSERT_EQ(memo->GetExpandedLines()->Text(), model->Text()) << "the text the edit makes";
        ASSERT_EQ(ClipboardText(), copied) << "the clipboard";
    }
}

void TCFoldSessionTest::UndoAndRedoEverything(const AnsiString& Start)
{
    const AnsiString before = memo->GetExpandedLines()->Text();
    memo->RedoList()->Clear();
    while (memo->CanUndo())
        memo->Undo();
    ASSERT_EQ(memo->GetExpandedLines()->Text(), Start) << "after undoing everything";
    while (memo->CanRedo())
        memo->Redo();
    ASSERT_EQ(memo->GetExpandedLines()->Text(), before) << "after redoing everything";
}

TEST_P(TCFoldSessionTest, FoldingNeverChangesTheTextOrWhatAFreshEditorShows)
{
    TRandom random(GetParam().Seed);
    memo->SetText(RandomText(random));
    memo->ClearUndo();
    const AnsiString start = memo->Text();
    const TFoldingMemoMaker fresh = [this] { return NewMemo(); };
    std::ostringstream log;
    for (int step = 1; step <= 120; ++step) {
        log << "\n" << step << ": ";
        const int kind = random.Below(100);
        if (memo->Lines()->Count() < 30) {
            // Cuts and deletions wear the text down: a piece more at its end.
            const AnsiString unit = random.Pick(Units);
            log << "add at the end " << unit;
            memo->CommandProcessor(ecEditorBottom, '\0', nullptr);
            memo->CommandProcessor(ecLineEnd, '\0', nullptr);
            memo->SetSelText("\r\n" + unit);
        } else if (kind < 30)
            Collapse(random, log);
        else if (kind < 38)
            Expand(random, log);
        else if (kind < 92)
            ASSERT_NO_FATAL_FAILURE(Edit(random, log)) << log.str();
        else {
            log << (kind < 96 ? "undo" : "redo");
            memo->CommandProcessor(kind < 96 ? ecUndo : ecRedo, '\0', nullptr);
        }
        if (random.Chance(50))
            memo->IdleUntilFoldsScanned();
        ASSERT_NO_FATAL_FAILURE(ExpectFoldsOfAFreshEditor(*memo, fresh)) << log.str();
        if (::testing::Test::HasFailure())
            FAIL() << log.str() << "\nshown:\n" << memo->Text();
        if (step % 60 == 0) {
            ASSERT_NO_FATAL_FAILURE(UndoAndRedoEverything(start)) << log.str();
        }
    }
}

// Seeds 1 to 40 (the first 4 unless all are asked for), the scheme's
// regions and the others in turn.
std::vector<TSessionSetup> Sessions()
{
    std::vector<TSessionSetup> sessions;
    for (uint32_t seed : SessionSeeds(SeedRange(1, 40), 4))
        sessions.push_back({seed, seed % 2 == 1});
    return sessions;
}

INSTANTIATE_TEST_SUITE_P(Seeds, TCFoldSessionTest, ::testing::ValuesIn(Sessions()),
                         [](const ::testing::TestParamInfo<TSessionSetup>& Info) {
                             return "Seed" + std::to_string(Info.param.Seed);
                         });

}  // namespace
