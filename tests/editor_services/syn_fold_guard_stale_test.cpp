// Commands that expand the collapsed blocks they reach, run right after a
// '"' typed far above them, before idle time has scanned down to them: they
// act on the lines the same keys act on with nothing collapsed, and the
// folds end as a fresh editor shows them.
#include <gtest/gtest.h>

#include <string>

#include "editor/folding/syn_fold_ranges.h"
#include "tests/editor_services/fold_guard_test_support.h"

namespace {

// More lines than the scan reads for a caret moved below a pending scan.
constexpr int FillerLines = 1200;

// What the '"' typed at the start of line 2 does to the blocks below it:
// the strings run over line ends, and a line of a string holding
// an escaped quote closes the one typed.
struct TStringEnd {
    const char* What;
    const char* AboveF1;    // a line put above f1, or nothing
    const char* AboveF2;    // a line put between f1 and f2, or nothing
    bool F2StaysCollapsed;  // the string typed leaves f2 a block
};

const TStringEnd StringEnds[] = {
    {"never closing", "", "", false},
    {"closing above the blocks", "s = \"\\\"\";\r\n", "", true},
    {"closing between the blocks", "", "s = \"\\\"\";\r\n", true},
};

// The command, with the caret at the end of f2's first line or a selection
// from the start of f1 to the start of the line after f3.
struct TStaleCommand {
    const char* What;
    TSynTextEditorCommand Command;
    bool AtF2End;
};

const TStaleCommand Commands[] = {
    {"Enter", ecLineBreak, true},
    {"Ctrl+N", ecInsertLine, true},
    {"Delete", ecDeleteChar, false},
    {"block indent", ecBlockIndent, false},
};

AnsiString Text(const TStringEnd& End)
{
    AnsiString text = "int top;\r\n";
    for (int i = 2; i <= FillerLines; ++i)
        text += "int a" + std::to_string(i) + ";\r\n";
    return text + End.AboveF1 + "void f1() {\r\n    x = 1;\r\n}\r\n" + End.AboveF2 +
           "void f2() {\r\n    if (a) {\r\n        x = 2;\r\n    }\r\n    y = 2;\r\n}\r\n"
           "void f3() {\r\n    x = 3;\r\n}\r\nint end;\r\n";
}

// The text from the line above f1 on (above it the rows differ in no
// line): what a failure shows.
std::string Blocks(const AnsiString& Text)
{
    const size_t at = Text.find("int a" + std::to_string(FillerLines) + ";\r\n");
    return at == AnsiString::npos ? Text : Text.substr(at);
}

// The line (from 1) of the text that reads Line.
int LineOf(TSynTextEditor& Editor, const char* Line)
{
    for (int i = 0; i < Editor.Lines()->Count(); ++i)
        if (Editor.Lines()->Strings(i) == Line)
            return i + 1;
    ADD_FAILURE() << Line;
    return 1;
}

class TSynFoldGuardStaleTest : public TFoldedAndModelTest {
protected:
    // The '"' typed holds lines far below it.
    void SetUp() override
    {
        LoadCSchemeWithStringsOverLines(syn_);
        TFoldedAndModelTest::SetUp();
    }

    // With the view at the top: the scan after the key stops below it.
    static void TypeQuoteAbove(TSynTextEditor& Editor)
    {
        TBufferCoord at = BufferCoord(1, 2);
        Editor.CommandProcessor(ecGotoXY, '\0', &at);
        Editor.CommandProcessor(ecChar, '"', nullptr);
    }
};

TEST_F(TSynFoldGuardStaleTest, ACommandBesideBlocksTheScanHasNotReachedActsWhereNothingCollapsedDoes)
{
    for (const TStringEnd& end : StringEnds) {
        for (const TStaleCommand& command : Commands) {
            SCOPED_TRACE(std::string(command.What) + ", the string " + end.What);
            const AnsiString text = Text(end);
            // The same keys with nothing collapsed: Enter at the end of
            // f2's first line breaks the line after the block when it
            // stays one.
            model_->SetText(text);
            TypeQuoteAbove(*model_);
            const int f1 = LineOf(*model_, "void f1() {");
            const int f2 = LineOf(*model_, "void f2() {");
            const int below = LineOf(*model_, "int end;");
            const int f2Last = end.F2StaysCollapsed ? f2 + 5 : f2;
            const TBufferCoord lastEnd =
                BufferCoord(static_cast<int>(model_->Lines()->Strings(f2Last - 1).size()) + 1, f2Last);
            if (command.AtF2End)
                SelectReal(*model_, lastEnd, lastEnd);
            else
                SelectReal(*model_, BufferCoord(1, f1), BufferCoord(1, below));
            model_->CommandProcessor(command.Command, '\0', nullptr);

            folded_->SetText(text);
            // The inner block first, so that each is in view when its turn
            // comes.
            for (const int line : {f2 + 1, f2, f1, below - 3})
                folded_->Collapse(folded_->GetFoldRangeAtLine(BufferLineOf(*folded_, line)));
            ASSERT_TRUE(folded_->AllFoldRanges()->CollapsedStartsAt(BufferLineOf(*folded_, f2)));
            TypeQuoteAbove(*folded_);
            if (command.AtF2End)
                SelectReal(*folded_, BufferCoord(12, f2), BufferCoord(12, f2));
            else
                SelectReal(*folded_, BufferCoord(1, f1), BufferCoord(1, below));
            ASSERT_TRUE(folded_->FoldScanPending()) << "the scan has reached the blocks";
            folded_->CommandProcessor(command.Command, '\0', nullptr);
            const AnsiString after = folded_->GetExpandedLines()->Text();
            EXPECT_EQ(Blocks(after), Blocks(model_->Text()));
            EXPECT_TRUE(after == model_->Text()) << "the lines above the blocks";
            // The colours of the lines around the blocks.
            ExpectFoldsOfAFreshEditor(*folded_, [this] { return NewCFoldingMemo(syn_); }, FillerLines - 40);
        }
    }
}

}  // namespace
