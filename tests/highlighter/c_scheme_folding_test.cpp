// Folding C text with the shipped C/C++ scheme: whatever is collapsed, the
// editor's commands act on the real text, the lines below a collapsed block
// are coloured as with it expanded, and a copy holds the hidden lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_memo.h"
#include "editor/syn_text_commands.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/win/clipboard.h"
#include "tests/highlighter/c_fold_test_support.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "tests/editor/syn_view_test_support.h"
#include "tests/support/test_data.h"

namespace {

const char* const NestedBlocks = "void f(int a)\r\n"
                                 "{\r\n"
                                 "    if (a) {\r\n"
                                 "        for (;;) {\r\n"
                                 "            x();\r\n"
                                 "        }\r\n"
                                 "    } else {\r\n"
                                 "        y();\r\n"
                                 "    }\r\n"
                                 "}";

class CSchemeFolding : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override { memo = NewCFoldingMemo(syn); }

    // Collapses the blocks starting on these lines of the real text, in
    // this order.
    void CollapseAt(const std::vector<int>& RealLines)
    {
        for (const int real : RealLines)
            memo->Collapse(memo->GetFoldRangeStartingAt(BufferLineOf(*memo, real)));
    }

    TSynLexSyn syn{nullptr};
    std::unique_ptr<TSynMemo> memo;
};

// An editing command at the edge of a collapsed block: where the caret and
// the selection stand in the real text, and what the command does there.
struct TEdgeEdit {
    const char* What;
    TSynTextEditorCommand Command;
    TBufferCoord From;  // the caret, or the start of the selection
    TBufferCoord To;    // the end of the selection; the caret again for none
};

TEST_F(CSchemeFolding, EditsAtTheEdgesOfNestedCollapsedBlocksChangeTheRealText)
{
    const TEdgeEdit edits[] = {
        {"Backspace below both", ecDeleteLastChar, BufferCoord(1, 7), BufferCoord(1, 7)},
        {"Ctrl+Backspace below both", ecDeleteLastWord, BufferCoord(1, 7), BufferCoord(1, 7)},
        {"Delete above both", ecDeleteChar, BufferCoord(2, 2), BufferCoord(2, 2)},
        {"Ctrl+Delete above both", ecDeleteWord, BufferCoord(2, 2), BufferCoord(2, 2)},
        {"Cut up to the line below", ecCut, BufferCoord(2, 2), BufferCoord(1, 7)},
        {"Typing over up to the line below", ecChar, BufferCoord(2, 2), BufferCoord(5, 7)},
        {"Backspace over a selection from the head", ecDeleteLastChar, BufferCoord(5, 3), BufferCoord(1, 7)},
        {"Block indent", ecBlockIndent, BufferCoord(1, 2), BufferCoord(3, 7)},
        {"Block unindent", ecBlockUnindent, BufferCoord(1, 3), BufferCoord(1, 7)},
        {"Ctrl+Backspace below both, a selection below", ecDeleteLastWord, BufferCoord(5, 8), BufferCoord(1, 7)},
        {"Tab below both", ecTab, BufferCoord(1, 7), BufferCoord(1, 7)},
        {"Shift+Tab below both", ecShiftTab, BufferCoord(11, 7), BufferCoord(11, 7)},
        {"Upper case of the word before", ecUpperCase, BufferCoord(1, 7), BufferCoord(1, 7)},
    };
    for (const TEdgeEdit& edit : edits) {
        SCOPED_TRACE(edit.What);
        SetUp();
        // The same command on the text with nothing collapsed.
        std::unique_ptr<TSynMemo> model = NewCFoldingMemo(syn);
        model->SetText(NestedBlocks);
        SelectReal(*model, edit.From, edit.To);
        model->CommandProcessor(edit.Command, 'z', nullptr);

        memo->SetText(NestedBlocks);
        memo->ClearUndo();
        CollapseAt({4, 3});
        ASSERT_EQ(memo->Lines()->Count(), 7);
        SelectReal(*memo, edit.From, edit.To);
        memo->CommandProcessor(edit.Command, 'z', nullptr);
        EXPECT_EQ(memo->GetExpandedLines()->Text(), model->Text());
        ExpectFoldsOfAFreshEditor(*memo, [this] { return NewCFoldingMemo(syn); });
        while (memo->CanUndo())
            memo->Undo();
        EXPECT_EQ(memo->Text(), AnsiString(NestedBlocks));
    }
}

// A text, the blocks collapsed in it and an edit below or above them.
struct TCollapsedText {
    const char* What;
    const char* Text;
    bool SchemeRegions;  // the scheme's fold regions, else UseRegionFolding's
    std::vector<int> Collapsed;  // first lines of the blocks, in order; negative: the innermost block there
    TSynTextEditorCommand Command;
    TBufferCoord At;
};

// The lines below a collapsed block are coloured, and their blocks found,
// as with it expanded (a comment its first line opens may end among its
// hidden lines), and it hides what a fresh collapse of it hides (its last
// line only while a range opens there): also after an edit above or below
// it, and once expanded.
TEST_F(CSchemeFolding, CollapsedBlocksShowWhatAFreshCollapseShows)
{
    const char* const commented = "int h;\r\n"
                                  "/* The function\r\n"
                                  "   below */\r\n"
                                  "int f(int a)\r\n"
                                  "{\r\n"
                                  "    if (a) { /* why\r\n"
                                  "        more */ }\r\n"
                                  "    return \"{\";\r\n"
                                  "}\r\n"
                                  "int g;";
    const TCollapsedText texts[] = {
        {"A comment, typing below", commented, true, {2}, ecChar, BufferCoord(1, 8)},
        {"A comment, a line above", commented, true, {2}, ecLineBreak, BufferCoord(7, 1)},
        {"A block opening a comment", commented, true, {6}, ecChar, BufferCoord(1, 8)},
        {"Two blocks on one first line", "{ { /* a\r\n  */ }\r\n  x;\r\n}\r\nint g;", true, {-1, 1}, ecChar,
         BufferCoord(1, 5)},
        {"Every block collapsed, Enter below", "f()\r\n{\r\n  x;\r\n}\r\ng()\r\n{\r\n  y;\r\n}\r\nint z;", true, {2, 6},
         ecLineBreak, BufferCoord(7, 9)},
        {"Every block collapsed, Enter between", "f()\r\n{\r\n  x;\r\n}\r\ng()\r\n{\r\n  y;\r\n}\r\nint z;", true, {2, 6},
         ecLineBreak, BufferCoord(4, 5)},
        {"The range on the last line goes", NestedBlocks, true, {3}, ecDeleteLastChar, BufferCoord(13, 7)},
        {"A line put in before the last line", "f() {\r\n  x;\r\n} g() {\r\n}", true, {1}, ecInsertLine,
         BufferCoord(1, 3)},
        {"Nested blocks, Backspace far below", "int f()\r\n{\r\n    if (a) {\r\n        /* a\r\n           b */\r\n        x;\r\n    }\r\n}\r\n"
         "y;\r\ny;\r\ny;\r\ny;\r\ny;\r\ny;\r\ny;\r\ny;\r\ny;\r\ny;\r\ny;\r\ny;\r\n}", true, {4, 3, 2}, ecDeleteLastChar, BufferCoord(1, 19)},
        {"A block the scan left open in another",
         "#ifdef A\r\nint v = 1; {\r\n#endif\r\nint w;\r\nx {\r\n  y;\r\n}\r\n}\r\nint z;", false, {5, 1}, ecChar,
         BufferCoord(1, 9)},
    };
    for (const TCollapsedText& text : texts) {
        SCOPED_TRACE(text.What);
        const TFoldingMemoMaker fresh = [&] {
            auto result = std::make_unique<TSynMemo>(nullptr);
            (text.SchemeRegions ? UseCFolding : UseRegionFolding)(*result, syn);
            return result;
        };
        memo = fresh();
        memo->SetText(text.Text);
        for (const int line : text.Collapsed) {
            TSynTextAllFoldRanges* ranges = memo->AllFoldRanges();
            TSynTextFoldRange* found = nullptr;
            for (int i = 0; i < ranges->AllCount() && (!found || line < 0); ++i) {
                TSynTextFoldRange* range = ranges->AllRanges(i);
                if (range->FromLine() == BufferLineOf(*memo, std::abs(line)) && !range->ParentCollapsed)
                    found = range;
            }
            memo->Collapse(found);
        }
        ExpectFoldsOfAFreshEditor(*memo, fresh);
        SelectReal(*memo, text.At, text.At);
        memo->CommandProcessor(text.Command, '{', nullptr);
        ExpectFoldsOfAFreshEditor(*memo, fresh);
        memo->UncollapseAll();
        ExpectFoldsOfAFreshEditor(*memo, fresh);
    }
}

// Lines above twenty functions of a shipped scheme's language: quotes and
// tokens the scheme paints as a string, a character or a comment neither
// hide the blocks below nor open one, and a quote the line leaves open ends
// with it.
TEST_F(CSchemeFolding, WhatIsPaintedAsAStringCharacterOrCommentAboveLeavesEveryBlockBelow)
{
    const struct {
        const char* Scheme;
        std::vector<const char*> Above;
        const char* Function;  // a line break, then the function's lines
        // The first and last line in the function of its ranges, the
        // outermost first.
        std::vector<std::pair<int, int>> Ranges;
    } schemes[] = {
        {"Cpp.xml",
         {
             "int c = '\"';",
             "if (c == '\"') c = 0;",
             "// \"",
             "// it's {",
             "char q = '\\'', b = '{', e = '\\\\';",
             "const char* s = \"it's {\\\" \\\\\"; // \"",
             "const char* g = \"src/*.c\"; // see /* there",
             "/* it's \"quoted\" { */",
             "int \xD5\x66 = '\xE9\x54'; const char* k = \"\x81\x5C\"; // \"",
             // A quote left open ends at the line's end, as its colour does.
             "long n = 10'000;",
             "#error don't",
             "puts(\"unended \\",
         },
         "\r\nint f(int a) {\r\n    if (a > 0) {\r\n        a--;\r\n    }\r\n    return a;\r\n}",
         {{1, 6}, {2, 4}}},
        {"Python.xml",
         {
             "",
             "# it's \"quoted",
             "x = 1  # \"\"\" is no long string",
             "s = 'say \"hi'",
             "s = \"it's\"",
             "s = \"\"",
             "s = \"\\\"\\\"\\\"\"",
             "s = 'it\\'s \"'",
             "s = '''holds \"\"\" and ' and \"'''",
             "s = '''\r\n\"\"\" is no long string here\r\n'''",
             "s = \"\x81\x5C\" + '\"\"\"'",
             // A quote left open ends at the line's end, as its colour does.
             "s = \"unended",
             "s = 'unended",
         },
         "\r\ndef f(a):\r\n    \"\"\"Says what f does\r\n    over two lines.\"\"\"\r\n    return a",
         {{2, 3}}},
    };
    for (const auto& scheme : schemes) {
        TSynLexSyn highlighter{nullptr};
        const std::string file = FindTestFolder("app") + "/schemes/" + scheme.Scheme;
        ASSERT_TRUE(highlighter.LoadFromFile(file)) << file;
        memo = std::make_unique<TSynMemo>(nullptr);
        UseCFolding(*memo, highlighter);
        const std::string function = scheme.Function;
        const auto length = static_cast<int>(std::count(function.begin(), function.end(), '\n'));
        for (const char* above : scheme.Above) {
            SCOPED_TRACE(std::string(scheme.Scheme) + ": " + above);
            AnsiString text = above;
            const auto aboveLines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
            std::string expected;
            for (int i = 0; i < 20; ++i) {
                text += function;
                const int head = aboveLines + length * i;
                for (size_t level = 0; level < scheme.Ranges.size(); ++level)
                    expected += std::to_string(head + scheme.Ranges[level].first) + "-" +
                                std::to_string(head + scheme.Ranges[level].second) + "/" + std::to_string(level) + " ";
            }
            memo->SetText(text);
            const TSynTextAllFoldRanges* ranges = memo->AllFoldRanges();
            std::string found;
            for (int i = 0; i < ranges->AllCount(); ++i) {
                const TSynTextFoldRange* range = ranges->AllRanges(i);
                // A block comment's own one-line range above is no block of
                // a function.
                if (range->FromLine() > aboveLines)
                    found += std::to_string(range->FromLine()) + "-" + std::to_string(range->ToLine()) + "/" +
                             std::to_string(range->FoldRangeLevel) + " ";
            }
            EXPECT_EQ(found, expected);
        }
        memo.reset();
    }
}

// A program's replacement of the brace that kept a collapsed block's last
// line in view: the block then hides that line too, and undo and redo find
// the replaced text where it is.
TEST_F(CSchemeFolding, AReplacementThatFreesALastLineIsUndoneAndRedoneInPlace)
{
    memo->SetText(NestedBlocks);
    memo->ClearUndo();
    CollapseAt({3});
    SelectReal(*memo, BufferCoord(12, 7), BufferCoord(13, 7));
    memo->SetSelText("x");
    AnsiString replaced = NestedBlocks;
    replaced.replace(replaced.find("} else {") + 7, 1, "x");
    EXPECT_EQ(memo->GetExpandedLines()->Text(), replaced);
    ExpectFoldsOfAFreshEditor(*memo, [this] { return NewCFoldingMemo(syn); });
    memo->Undo();
    EXPECT_EQ(memo->GetExpandedLines()->Text(), AnsiString(NestedBlocks));
    memo->Redo();
    EXPECT_EQ(memo->GetExpandedLines()->Text(), replaced);
}

// Lines a program adds without the editor's commands send the fold scan
// over the whole text again, collapsed blocks expanded in a copy: one whose
// first line opens a comment is read as the text has it, and stays
// collapsed.
TEST_F(CSchemeFolding, AFullRescanReadsACollapsedBlockAsTheTextHasIt)
{
    // Braces alone, those the scheme paints as comment left out.
    const TFoldingMemoMaker braces = [this] {
        std::unique_ptr<TSynMemo> result = NewCFoldingMemo(syn);
        result->CodeFolding()->FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
        result->CodeFolding()->SetHighlighterFoldRegions(false);
        return result;
    };
    memo = braces();
    memo->SetText("f() { /* c\r\n  { c */\r\n  y;\r\n}\r\nint g;");
    memo->Collapse(memo->GetFoldRangeStartingAt(1));
    memo->Lines()->Add("int z;");
    memo->RescanFoldRanges();
    EXPECT_TRUE(memo->AllFoldRanges()->CollapsedStartsAt(1));
    ExpectFoldsOfAFreshEditor(*memo, braces);
}

// A copy of a selection over a collapsed block holds its hidden lines, as
// the selection's deletion takes them.
TEST_F(CSchemeFolding, ACopyOverACollapsedBlockHoldsItsHiddenLines)
{
    memo->SetText(NestedBlocks);
    CollapseAt({4, 3});
    SelectReal(*memo, BufferCoord(1, 3), BufferCoord(13, 8));
    memo->CommandProcessor(ecCopy, '\0', nullptr);
    EXPECT_EQ(ClipboardText(), "    if (a) {\r\n"
                               "        for (;;) {\r\n"
                               "            x();\r\n"
                               "        }\r\n"
                               "    } else {\r\n"
                               "        y();");
}

// Dragged with Ctrl held into another editor, the same selection copies the
// same text.
TEST_F(TEditorViewTest, ADragCopyOverACollapsedBlockHoldsItsHiddenLines)
{
    TSynLexSyn syn(nullptr);
    TSynMemo* folded = AddMemo(0, 300, 200);
    TSynMemo* target = AddMemo(320, 300, 200);
    UseCFolding(*folded, syn);
    folded->SetText(NestedBlocks);
    for (const int real : {4, 3})
        folded->Collapse(folded->GetFoldRangeStartingAt(BufferLineOf(*folded, real)));
    target->SetText("z");
    SelectReal(*folded, BufferCoord(1, 3), BufferCoord(13, 8));
    const TPoint p = target->RowColumnToPixels(DisplayCoord(1, 1));
    InjectKeyDown(VK_CONTROL);
    Pump();
    target->DragDrop(folded, p.X + 1, p.Y + 1);
    InjectKeyUp(VK_CONTROL);
    Pump();
    EXPECT_EQ(target->Text(), "    if (a) {\r\n"
                              "        for (;;) {\r\n"
                              "            x();\r\n"
                              "        }\r\n"
                              "    } else {\r\n"
                              "        y();z");
}

}  // namespace
