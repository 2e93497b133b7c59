// Whole texts, multi-line pastes, their undo and a program's own bulk
// changes in an editor showing a C scheme: the line states the editor keeps
// afterwards are those of a fresh scan, however the comments open and close
// across the changed lines, and fold ranges found meanwhile see them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_memo.h"
#include "highlighter/syn_lex_syn.h"
#include "line_states.h"
#include "tests/support/test_data.h"
#include "tests/support/test_random.h"

namespace {

// C lines whose block comments open on one line and close lines later, or
// on the same line; comment marks inside strings and line comments; GBK
// characters whose trail bytes are '\', 'f', 'T' and '@'.
AnsiString RandomText(TRandom& Random, int Lines)
{
    static const char* const pieces[] = {
        "int a = 1;",
        "/* opens",
        "closes */ x++;",
        "/* one line */ y--;",
        "s = \"/* no comment */\";",
        "// line comment /*",
        "\x81\x5C \xD5\x66\xE9\x54 \xDF\x40",
        "#define X /* in a directive",
        "*/",
        "",
    };
    AnsiString text;
    for (int line = 0; line < Lines; ++line) {
        if (line > 0)
            text += Random.Chance(80) ? "\r\n" : "\n";
        for (int n = Random.Between(1, 3); n > 0; --n)
            text += Random.Pick(pieces) + AnsiString(n > 1 ? " " : "");
    }
    return text;
}

// The lines of the memo's fold ranges, first to last line.
std::vector<std::pair<int, int>> FoldedLines(TSynMemo& Memo)
{
    std::vector<std::pair<int, int>> lines;
    for (int i = 0; i < Memo.AllFoldRanges()->AllCount(); ++i)
        lines.emplace_back(Memo.AllFoldRanges()->AllRanges(i)->FromLine(), Memo.AllFoldRanges()->AllRanges(i)->ToLine());
    return lines;
}

TBufferCoord RandomPoint(TRandom& Random, TSynMemo& Memo)
{
    const int line = Random.Between(1, Memo.Lines()->Count());
    const int length = static_cast<int>(Memo.Lines()->Strings(line - 1).size());
    return BufferCoord(Random.Between(1, length + 1), line);
}

}  // namespace

TEST(TSynLexSynBulkChange, TextsPastesAndUndoLeaveTheStatesOfAFreshScan)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    TSynLexSyn syn(nullptr);
    ASSERT_TRUE(syn.LoadFromFile(TestData("/c_scheme.xml")));
    TSynMemo memo(nullptr);
    memo.SetHighlighter(&syn);
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TRandom random(seed);
        memo.SetText(RandomText(random, random.Between(1, 120)));
        ASSERT_EQ(StoredRanges(memo), FreshRanges(memo, syn));
        for (int paste = 0; paste < 6; ++paste) {
            // Into the middle of a line, or over a selection that may
            // take a comment's opening or closing with it.
            const TBufferCoord at = RandomPoint(random, memo);
            if (random.Chance(50))
                memo.SetCaretAndSelection(at, at, RandomPoint(random, memo));
            else
                memo.SetCaretXY(at);
            memo.SetSelText(RandomText(random, random.Between(2, 30)));
            ASSERT_EQ(StoredRanges(memo), FreshRanges(memo, syn)) << "paste " << paste;
        }
        for (int undo = 0; undo < 3; ++undo) {
            memo.Undo();
            ASSERT_EQ(StoredRanges(memo), FreshRanges(memo, syn)) << "undo " << undo;
        }
        memo.Redo();
        ASSERT_EQ(StoredRanges(memo), FreshRanges(memo, syn)) << "redo";
    }
}

TEST(TSynLexSynBulkChange, LineOperationsInOneUpdateLeaveTheStatesOfAFreshScan)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    TSynLexSyn syn(nullptr);
    ASSERT_TRUE(syn.LoadFromFile(TestData("/c_scheme.xml")));
    TSynMemo memo(nullptr);
    memo.SetHighlighter(&syn);
    TSynTextStringList* lines = memo.Lines();
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TRandom random(seed);
        memo.SetText(RandomText(random, random.Between(1, 60)));
        // A program's own bulk change: lines written, inserted and deleted
        // above and below each other before the update ends.
        lines->BeginUpdate();
        for (int step = random.Between(1, 12); step > 0; --step) {
            const int count = lines->Count();
            switch (random.Below(5)) {
            case 0:
                if (count > 0)
                    lines->SetStrings(random.Below(count), RandomText(random, 1));
                break;
            case 1: lines->Insert(random.Between(0, count), RandomText(random, 1)); break;
            case 2: lines->InsertLines(random.Between(0, count), random.Between(1, 4)); break;
            case 3:
                if (count > 1)
                    lines->Delete(random.Below(count));
                break;
            default:
                if (count > 1)
                    lines->DeleteLines(random.Below(count), random.Between(1, 4));
                break;
            }
        }
        lines->EndUpdate();
        ASSERT_EQ(StoredRanges(memo), FreshRanges(memo, syn));
    }
}

TEST(TSynLexSynBulkChange, FoldRangesFoundInsideAProgramsUpdateSeeItsComments)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    TSynLexSyn syn(nullptr);
    ASSERT_TRUE(syn.LoadFromFile(TestData("/c_scheme.xml")));
    TSynMemo memo(nullptr);
    memo.CodeFolding()->FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
    memo.CodeFolding()->SetHighlighterFoldRegions(false);
    memo.CodeFolding()->SetEnabled(true);
    memo.SetHighlighter(&syn);
    memo.SetText("int f()\r\n{\r\n    a;\r\n}\r\nint g()\r\n{\r\n    \xD5\x66;\r\n}");
    memo.RebuildFoldRanges();
    ASSERT_EQ(FoldedLines(memo), (std::vector<std::pair<int, int>>{{2, 4}, {6, 8}}));

    // A comment that never closes goes in while the program holds the lines
    // in an update of its own: the braces below it are comment now, and the
    // ranges found when the editor's own update ends must know that.
    memo.Lines()->BeginUpdate();
    memo.SetCaretXY(BufferCoord(1, 1));
    memo.SetSelText("/* {\r\n");
    memo.Lines()->EndUpdate();
    const std::vector<std::pair<int, int>> found = FoldedLines(memo);
    memo.RebuildFoldRanges();
    EXPECT_EQ(found, FoldedLines(memo));
    EXPECT_TRUE(found.empty());
}

TEST(TSynLexSynBulkChange, BracketsMatchedInsideAProgramsUpdateSeeItsComments)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    TSynLexSyn syn(nullptr);
    ASSERT_TRUE(syn.LoadFromFile(TestData("/c_scheme.xml")));
    TSynMemo memo(nullptr);
    memo.SetHighlighter(&syn);
    memo.SetText("f(a,\r\n  \xD5\x66);\r\ng(b);");
    memo.Lines()->BeginUpdate();
    memo.SetCaretXY(BufferCoord(1, 1));
    memo.SetSelText("/*\r\nx\r\n");
    const TBufferCoord inside = memo.GetMatchingBracketAt(BufferCoord(5, 4));
    memo.Lines()->EndUpdate();
    EXPECT_EQ(inside, memo.GetMatchingBracketAt(BufferCoord(5, 4)));
}
