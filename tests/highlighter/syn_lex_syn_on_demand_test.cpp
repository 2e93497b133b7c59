// A C text opened in a shown editor with a C scheme: the editor scans line
// states only as far as it shows them and further when something asks, so
// every line, reached in any order, after scrolling, edits or folding, must
// come out as a full scan from the first line gives.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/folding/syn_fold_ranges.h"
#include "highlighter/syn_lex_syn.h"
#include "line_states.h"
#include "platform/win/clock.h"
#include "tests/editor/syn_view_test_support.h"
#include "tests/support/test_data.h"
#include "tests/support/test_random.h"

namespace {

// Lines of C where block comments stay open for many lines, with braces
// inside and outside comments and GBK characters (說 and 門 end in 'f' and
// 'T', 乗 in '\').
AnsiString CommentedText(TRandom& Random, int Lines)
{
    static const char* const code[] = {"int a = 1;", "if (a) {", "}", "s = \"/* not a comment\";",
                                       "x++; // \xD6\xD0 /*", "\xD5\x66\xE9\x54 \x81\x5C", "/* one */ y--;"};
    static const char* const inside[] = {"still { inside", "\xD5\x66 */ z = 0; /* again", "} \xE9\x54", ""};
    AnsiString text;
    bool open = false;
    for (int line = 0; line < Lines; ++line) {
        if (line > 0)
            text += "\r\n";
        if (open) {
            open = !Random.Chance(10);
            text += open ? Random.Pick(inside) : "closes */ b = 2; {";
        } else {
            open = Random.Chance(8);
            text += open ? "/* opens {" : Random.Pick(code);
        }
    }
    return text;
}

// The C scheme, counting the lines it is given to tokenize.
class TCountingSyn : public TSynLexSyn {
public:
    using TSynLexSyn::TSynLexSyn;
    void SetLine(const AnsiString& NewValue, int LineNumber) override
    {
        ++Lines;
        TSynLexSyn::SetLine(NewValue, LineNumber);
    }
    int Lines = 0;
};

using TTokens = std::vector<std::tuple<int, int, TSynHighlighterAttributes*>>;

// The tokens of line Index (from 0) highlighted from the state Start.
TTokens LineTokens(TSynCustomHighlighter& Highlighter, TSynMemo& Memo, int Index, intptr_t Start)
{
    if (Index == 0)
        Highlighter.ResetRange();
    else
        Highlighter.SetRange(reinterpret_cast<void*>(Start));
    Highlighter.SetLine(Memo.Lines()->Strings(Index), Index);
    TTokens tokens;
    for (; !Highlighter.GetEol(); Highlighter.Next())
        tokens.emplace_back(Highlighter.GetTokenPos(), static_cast<int>(Highlighter.GetToken().size()),
                            Highlighter.GetTokenAttribute());
    return tokens;
}

class TOnDemandStates : public TEditorViewTest {
protected:
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        ASSERT_TRUE(syn_.LoadFromFile(TestData("/c_scheme.xml")));
        memo_ = AddMemo(0, 500, 300);
        memo_->SetHighlighter(&syn_);
        path_ = "/tmp/tandril_on_demand_" + std::to_string(getpid()) + ".c";
    }
    void TearDown() override
    {
        std::remove(path_.c_str());
        memo_->SetHighlighter(nullptr);
        TEditorViewTest::TearDown();
    }

    // Puts Text in the memo through SetText or through its lines'
    // LoadFromFile, then paints, as opening a file does.
    void Open(TRandom& Random, const AnsiString& Text)
    {
        if (Random.Chance(50)) {
            memo_->SetText(Text);
        } else {
            FILE* file = std::fopen(path_.c_str(), "wb");
            std::fwrite(Text.data(), 1, Text.size(), file);
            std::fclose(file);
            memo_->Lines()->LoadFromFile(path_);
        }
        memo_->Update();
    }

    // Asks for Count lines' states in random order, scrolling and painting
    // now and then, and compares each line's state and tokens with a full
    // scan's.
    void ExpectFullScanStates(TRandom& Random, int Count)
    {
        const std::vector<intptr_t> fresh = FreshRanges(*memo_, syn_);
        const int lines = memo_->Lines()->Count();
        for (int n = 0; n < Count; ++n) {
            if (Random.Chance(10)) {
                memo_->SetTopLine(Random.Between(1, lines));
                memo_->Update();
            }
            const int index = Random.Below(lines);
            ASSERT_EQ(memo_->LineRange(index), fresh[static_cast<size_t>(index)]) << "line " << index;
            const intptr_t start = index > 0 ? fresh[static_cast<size_t>(index) - 1] : 0;
            const intptr_t shown = index > 0 ? memo_->LineRange(index - 1) : 0;
            ASSERT_EQ(LineTokens(syn_, *memo_, index, shown), LineTokens(syn_, *memo_, index, start))
                << "line " << index;
        }
    }

    TCountingSyn syn_{nullptr};
    TSynMemo* memo_ = nullptr;
    std::string path_;
};

}  // namespace

TEST_F(TOnDemandStates, EveryLineReachedInAnyOrderHasTheStateOfAFullScan)
{
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TRandom random(seed);
        Open(random, CommentedText(random, random.Between(1, 600)));
        ExpectFullScanStates(random, 200);
    }
}

TEST_F(TOnDemandStates, EditsAboveBelowAndInsideTheWindowKeepTheStatesOfAFullScan)
{
    static const char* const edits[] = {"/*", "*/", "x = 1; /* {", "} */", "int b;", ""};
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TRandom random(seed);
        Open(random, CommentedText(random, random.Between(50, 400)));
        for (int step = 0; step < 30; ++step) {
            TSynTextStringList* lines = memo_->Lines();
            const int at = random.Below(lines->Count());
            switch (random.Below(4)) {
            case 0: lines->Insert(at, random.Pick(edits)); break;
            case 1:
                if (lines->Count() > 1)
                    lines->Delete(at);
                break;
            case 2: lines->SetStrings(at, random.Pick(edits)); break;
            default:
                // A program's bulk change: lines written one by one in an update.
                lines->BeginUpdate();
                for (int i = at; i < std::min(at + 5, lines->Count()); ++i)
                    lines->SetStrings(i, random.Pick(edits));
                lines->EndUpdate();
                break;
            }
            memo_->Update();
            ExpectFullScanStates(random, 5);
        }
        ExpectFullScanStates(random, 100);
    }
}

TEST_F(TOnDemandStates, FoldingAnOpenedTextSeesTheCommentsOfAFullScan)
{
    memo_->CodeFolding()->FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
    memo_->CodeFolding()->SetHighlighterFoldRegions(false);
    auto foldedLines = [this] {
        std::vector<std::pair<int, int>> found;
        for (int i = 0; i < memo_->AllFoldRanges()->AllCount(); ++i)
            found.emplace_back(memo_->AllFoldRanges()->AllRanges(i)->FromLine(),
                               memo_->AllFoldRanges()->AllRanges(i)->ToLine());
        return found;
    };
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TRandom random(seed);
        memo_->CodeFolding()->SetEnabled(false);
        Open(random, CommentedText(random, 400));
        memo_->CodeFolding()->SetEnabled(true);
        memo_->RebuildFoldRanges();
        const std::vector<std::pair<int, int>> onDemand = foldedLines();
        // Every state asked for first: what a full scan before folding finds.
        memo_->LineRange(memo_->Lines()->Count() - 1);
        memo_->RebuildFoldRanges();
        EXPECT_EQ(onDemand, foldedLines());
        ExpectFullScanStates(random, 50);
    }
}

// Opened from a file, or set whole as the program opens an article, whose
// last line holds text: SetText leaves the view on that line, and the
// program puts it at the stored caret before the first paint.
TEST_F(TOnDemandStates, OpeningScansTheShownLinesAndIdleTimeTheRest)
{
    SetManualClock(true);
    TRandom random(7);
    const AnsiString text = CommentedText(random, 100000);
    for (const bool setWhole : {false, true}) {
        SCOPED_TRACE(setWhole ? "set whole, the view put at the top" : "loaded from a file");
        syn_.Lines = 0;
        if (setWhole) {
            memo_->SetText(text);
            memo_->SetCaretXY(BufferCoord(1, 1));
            memo_->Update();
        } else {
            FILE* file = std::fopen(path_.c_str(), "wb");
            std::fwrite(text.data(), 1, text.size(), file);
            std::fclose(file);
            memo_->Lines()->LoadFromFile(path_);
            memo_->Update();
        }
        // The first paint tokenized the shown lines, not the whole text.
        EXPECT_LT(syn_.Lines, 1000);
        // Idle time scans the rest, a few milliseconds' work a slice, in as
        // many slices as a slow build needs, and some more to be sure it
        // has finished: then no line needs scanning any more.
        const int lines = memo_->Lines()->Count();
        for (int tick = 0, more = 50; tick < 20000 && more > 0; ++tick) {
            AdvanceClock(20);
            Pump();
            if (syn_.Lines >= lines)
                --more;
        }
        const int idle = syn_.Lines;
        EXPECT_GE(idle, 100000);
        memo_->LineRange(memo_->Lines()->Count() - 1);
        EXPECT_EQ(syn_.Lines, idle);
        ExpectFullScanStates(random, 100);
    }
    SetManualClock(false);
}
