// Folding C text with the shipped C/C++ scheme: whatever is collapsed, the
// editor's commands act on the real text, the lines below a collapsed block
// are coloured as with it expanded, and a copy holds the hidden lines.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_memo.h"
#include "editor/syn_text_commands.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/win/clipboard.h"
#include "tests/highlighter/c_fold_test_support.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "tests/editor/syn_view_test_support.h"

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
        ExpectFoldsOfAFreshEditor(*memo);
        while (memo->CanUndo())
            memo->Undo();
        EXPECT_EQ(memo->Text(), AnsiString(NestedBlocks));
    }
}

// A collapsed comment, or a block whose first line opens a comment that
// its hidden lines close, leaves the lines below coloured, and their blocks
// found, as with it expanded; also while typing below it.
TEST_F(CSchemeFolding, LinesBelowACollapsedBlockKeepTheirColoursAndBlocks)
{
    const char* const text = "/* The function\r\n"
                             "   below */\r\n"
                             "int f(int a)\r\n"
                             "{\r\n"
                             "    if (a) { /* why\r\n"
                             "        more */ }\r\n"
                             "    return \"{\";\r\n"
                             "}\r\n"
                             "int g;";
    for (const int collapsed : {1, 5}) {
        SCOPED_TRACE(collapsed);
        SetUp();
        memo->SetText(text);
        CollapseAt({collapsed});
        ExpectFoldsOfAFreshEditor(*memo);
        memo->SetCaretXY(BufferCoord(1, BufferLineOf(*memo, 7)));
        memo->CommandProcessor(ecChar, '{', nullptr);
        ExpectFoldsOfAFreshEditor(*memo);
        memo->UncollapseAll();
        ExpectFoldsOfAFreshEditor(*memo);
    }
}

AnsiString ClipboardText()
{
    AnsiString text;
    if (OpenClipboard(nullptr)) {
        if (HGLOBAL block = GetClipboardData(CF_TEXT))
            text = static_cast<const char*>(GlobalLock(block));
        CloseClipboard();
    }
    return text;
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
    std::unique_ptr<TSynMemo> model = NewCFoldingMemo(syn);  // loads the scheme
    TSynMemo* folded = AddMemo(0, 300, 200);
    TSynMemo* target = AddMemo(320, 300, 200);
    folded->SetHighlighter(&syn);
    folded->CodeFolding()->SetEnabled(true);
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
