// Edits whose fold scan reads collapsed blocks, with the shipped C/C++
// scheme: a block the scan finds as it was stays collapsed, a level deeper
// or shallower as the text above makes it; one it finds otherwise comes
// into view; and the ranges, the collapsed blocks and the lines they hide
// are what a fresh editor shows with the same blocks collapsed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_memo.h"
#include "editor/syn_text_commands.h"
#include "highlighter/syn_lex_syn.h"
#include "tests/highlighter/c_fold_test_support.h"

namespace {

// A line, then Count functions one after another with no line between
// them: line 2 + 7N opens function N (from 0), its if block on the line
// after, which ends on its "} else {" line (5 + 7N); with Comment, function
// Count / 2 keeps a block comment in its else branch (line 27 of six).
AnsiString Functions(bool Comment, int Count = 6)
{
    AnsiString text = "int top;\r\n";
    for (int i = 0; i < Count; ++i)
        text += AnsiString("void f(int a) {\r\n") + "    if (a) {\r\n" + "        x(\"}\"); // no\r\n" +
                "    } else {\r\n" + (Comment && i == Count / 2 ? "        /* y */ z();\r\n" : "        z();\r\n") +
                "    }\r\n" + "}\r\n";
    return text;
}

// The first lines of the collapsed blocks in the text with nothing
// collapsed, and their levels.
std::string CollapsedBlocks(TSynMemo& Memo)
{
    std::string blocks;
    const TSynTextAllFoldRanges& ranges = *Memo.AllFoldRanges();
    for (int i = 0; i < ranges.AllCount(); ++i) {
        const TSynTextFoldRange* range = ranges.AllRanges(i);
        if (range->Collapsed)
            blocks += std::to_string(range->RealFromLine()) + " L" + std::to_string(range->FoldRangeLevel) + "; ";
    }
    return blocks;
}

class TCFoldReadInPlaceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override { memo = NewCFoldingMemo(syn); }

public:

    // A memo that folds the C scheme's regions, #ifdef blocks among them.
    std::unique_ptr<TSynMemo> RegionFoldingMemo()
    {
        auto made = std::make_unique<TSynMemo>(nullptr);
        UseRegionFolding(*made, syn);
        return made;
    }
    // Collapses the block at real line Line, the innermost of those that
    // start there first.
    void CollapseAt(int Line) { memo->Collapse(memo->GetFoldRangeAtLine(BufferLineOf(*memo, Line))); }
    // Puts the caret at column Char of real line Line and runs Command.
    void Run(TSynTextEditorCommand Command, char Key, int Char, int Line)
    {
        memo->SetCaretXY(BufferCoord(Char, BufferLineOf(*memo, Line)));
        memo->CommandProcessor(Command, Key, nullptr);
    }
    void Type(const char* Keys, int Char, int Line)
    {
        memo->SetCaretXY(BufferCoord(Char, BufferLineOf(*memo, Line)));
        for (const char* key = Keys; *key; ++key)
            memo->CommandProcessor(ecChar, *key, nullptr);
    }

    TSynLexSyn syn{nullptr};
    std::unique_ptr<TSynMemo> memo;
};

TEST_F(TCFoldReadInPlaceTest, CollapsedBlocksTheScanReadsStayAsAFreshEditorHasThem)
{
    struct TCase {
        const char* What;
        bool Comment;  // as Functions takes it
        std::function<void(TCFoldReadInPlaceTest&)> Collapse;
        std::function<void(TCFoldReadInPlaceTest&)> Edit;
        const char* Collapsed;  // CollapsedBlocks after the edit
    };
    const auto everyFunction = [](TCFoldReadInPlaceTest& T) {
        for (int line = 37; line >= 2; line -= 7)
            T.CollapseAt(line);
    };
    const TCase cases[] = {
        {"a brace above every function collapsed: each a level deeper", false, everyFunction,
         [](TCFoldReadInPlaceTest& T) { T.Type("{", 1, 1); }, "2 L1; 9 L1; 16 L1; 23 L1; 30 L1; 37 L1; "},
        {"and taken out again", false, everyFunction,
         [](TCFoldReadInPlaceTest& T) {
             T.Type("{", 1, 1);
             T.Run(ecDeleteLastChar, 0, 2, 1);
         },
         "2 L0; 9 L0; 16 L0; 23 L0; 30 L0; 37 L0; "},
        {"a comment above that nothing closes: every function comes into view", false, everyFunction,
         [](TCFoldReadInPlaceTest& T) { T.Type("/*", 1, 1); }, ""},
        {"a comment above that a collapsed function closes: those it holds come into view", true, everyFunction,
         [](TCFoldReadInPlaceTest& T) { T.Type("/*", 1, 1); }, "30 L0; 37 L0; "},
        {"a brace above an if block collapsed inside its collapsed function", false,
         [](TCFoldReadInPlaceTest& T) {
             T.CollapseAt(10);
             T.CollapseAt(9);
         },
         [](TCFoldReadInPlaceTest& T) { T.Type("{", 1, 1); }, "9 L1; 10 L2; "},
        {"a brace taken from the last line an if block keeps in view: it hides that line too", false,
         [](TCFoldReadInPlaceTest& T) { T.CollapseAt(10); },
         [](TCFoldReadInPlaceTest& T) { T.Run(ecDeleteLastChar, 0, 13, 12); }, "10 L1; "},
        {"the close brace of that line deleted: the if block ends further down and comes into view", false,
         [](TCFoldReadInPlaceTest& T) { T.CollapseAt(10); },
         [](TCFoldReadInPlaceTest& T) { T.Run(ecDeleteChar, 0, 5, 12); }, ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        memo->SetText(Functions(c.Comment));
        c.Collapse(*this);
        c.Edit(*this);
        EXPECT_EQ(CollapsedBlocks(*memo), c.Collapsed);
        ExpectFoldsOfAFreshEditor(*memo, [this] { return NewCFoldingMemo(syn); });
    }
}

// A comment typed above collapsed functions whose close lies in one of
// them far below, past the lines the scan has read when it looks for it:
// the comment ends there, and the functions it takes in come into view.
TEST_F(TCFoldReadInPlaceTest, ACommentClosedInACollapsedFunctionFarBelowEndsThere)
{
    memo->SetText(Functions(true, 30));
    for (int line = 2 + 7 * 29; line >= 2; line -= 7)
        CollapseAt(line);
    Type("/*", 1, 1);
    const TSynTextFoldRange* comment = memo->GetFoldRangeStartingAt(1);
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment->RealFromLine(), 1);
    EXPECT_EQ(comment->RealToLine(), 111);
    EXPECT_EQ(CollapsedBlocks(*memo).substr(0, 8), "114 L0; ");
    ExpectFoldsOfAFreshEditor(*memo, [this] { return NewCFoldingMemo(syn); });
}

// A brace inside an #ifdef block that never closes holds every block below
// it, past the block's #endif: collapsed with the #ifdef block, those it
// holds are hidden with it, those the scan finds below later too.
TEST_F(TCFoldReadInPlaceTest, BlocksBelowOneACollapsedBlockLeftOpenAreHiddenWithIt)
{
    memo = RegionFoldingMemo();
    memo->SetText("#ifdef A\r\nint x = {\r\n#endif\r\nvoid f() {\r\n}\r\n");
    CollapseAt(1);
    ASSERT_EQ(CollapsedBlocks(*memo), "1 L0; ");
    memo->CommandProcessor(ecEditorBottom, 0, nullptr);
    memo->SetSelText("void g() {\r\n}\r\n");
    EXPECT_EQ(CollapsedBlocks(*memo), "1 L0; ");
    ExpectFoldsOfAFreshEditor(*memo, [this] { return RegionFoldingMemo(); });
}

// Collapsing the #ifdef block brings into view the collapsed blocks that
// brace holds past the #endif, and those inside them, which the expansion
// of the outer one brings into view.
TEST_F(TCFoldReadInPlaceTest, CollapsingABlockLeftOpenBringsTheCollapsedOnesBeyondItIntoView)
{
    memo = RegionFoldingMemo();
    memo->SetText("#ifdef A\r\nint x = {\r\n#endif\r\nvoid f() {\r\n    if (a) {\r\n    }\r\n}\r\n");
    CollapseAt(5);
    CollapseAt(4);
    ASSERT_EQ(CollapsedBlocks(*memo), "4 L2; 5 L3; ");
    CollapseAt(1);
    EXPECT_EQ(CollapsedBlocks(*memo), "1 L0; ");
    EXPECT_EQ(memo->Lines()->Count(), 6);
    ExpectFoldsOfAFreshEditor(*memo, [this] { return RegionFoldingMemo(); });
}

// A brace inside a collapsed #ifdef block closed below the #endif: the
// close brace deleted, the brace holds the collapsed function below, which
// comes into view, as collapsing the #ifdef block brings it; whether the
// scan starts at the edit or reads the #ifdef block, an edit above it
// still waiting for the scan.
TEST_F(TCFoldReadInPlaceTest, ACollapsedBlockABraceLeftOpenComesToHoldComesIntoView)
{
    struct TCase {
        const char* What;
        bool TypeAbove;  // a key typed on the first line first
    };
    const TCase cases[] = {
        {"the scan starts at the edit", false},
        {"the scan reads the #ifdef block", true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        memo = RegionFoldingMemo();
        memo->SetText("a;\r\nb;\r\nc;\r\nd;\r\ne;\r\n#ifdef A\r\nint x = {\r\n#endif\r\n};\r\nvoid f() {\r\n}\r\n");
        CollapseAt(10);
        CollapseAt(6);
        ASSERT_EQ(CollapsedBlocks(*memo), "6 L0; 10 L0; ");
        if (c.TypeAbove) {
            memo->SetCaretXY(BufferCoord(1, 1));
            memo->CommandProcessor(ecChar, 'x', nullptr);
        }
        memo->SetCaretXY(BufferCoord(1, 7));  // real line 9
        memo->CommandProcessor(ecDeleteChar, 0, nullptr);
        EXPECT_EQ(CollapsedBlocks(*memo), "6 L0; ");
        ExpectFoldsOfAFreshEditor(*memo, [this] { return RegionFoldingMemo(); });
    }
}

}  // namespace
