// Typing sessions on C text with the shipped C/C++ scheme in a shown
// editor, every key run as the keys run it with no idle time between: the
// fold ranges, the collapsed blocks and the lines they hide end as a fresh
// editor shows them with the same blocks collapsed.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_memo.h"
#include "editor/syn_text_commands.h"
#include "highlighter/syn_lex_syn.h"
#include "tests/editor/syn_view_test_support.h"
#include "tests/highlighter/c_fold_test_support.h"
#include "tests/support/test_data.h"

namespace {

// One step, in the buffer's lines and columns as they stand when it runs.
struct TTypingStep {
    enum TKind { Key, Type, Cut, Collapse } Kind;
    TBufferCoord At;
    TBufferCoord To;                         // Cut: where the selection ends
    TSynTextEditorCommand Command = ecNone;  // Key
    const char* Typed = "";                  // Type: a key for each character
    int Level = 0;                           // Collapse: the level of the range starting on the line
};

class TCFoldTypingCase : public TEditorViewTest {
protected:
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        // As tall as a window shows an article: the scan after each key
        // stops below the view.
        memo_ = AddMemo(0, 600, 400);
        // The string the case leaves open holds the rest of the text.
        LoadCSchemeWithStringsOverLines(syn_);
        UseCFolding(*memo_, syn_);
    }

    // The text of a case kept in the data folder, byte for byte.
    static AnsiString CaseText(const std::string& Name)
    {
        std::ifstream in(TestData("/fold_cases/" + Name), std::ios::binary);
        EXPECT_TRUE(in) << Name;
        return AnsiString(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void Take(const TTypingStep& Step)
    {
        TBufferCoord at = Step.At;
        memo_->CommandProcessor(ecGotoXY, '\0', &at);
        switch (Step.Kind) {
        case TTypingStep::Key:
            memo_->CommandProcessor(Step.Command, '\0', nullptr);
            break;
        case TTypingStep::Type:
            for (const char* key = Step.Typed; *key; ++key)
                memo_->CommandProcessor(ecChar, *key, nullptr);
            break;
        case TTypingStep::Cut: {
            TBufferCoord to = Step.To;
            memo_->CommandProcessor(ecSelGotoXY, '\0', &to);
            memo_->CommandProcessor(ecCut, '\0', nullptr);
            break;
        }
        case TTypingStep::Collapse: {
            // As a click on the fold mark finds it.
            TSynTextFoldRange* range = memo_->GetFoldRangeAtLine(Step.At.Line);
            ASSERT_NE(range, nullptr);
            ASSERT_EQ(range->FoldRangeLevel, Step.Level);
            memo_->Collapse(range);
            break;
        }
        }
    }

    TSynLexSyn syn_{nullptr};
    TSynMemo* memo_ = nullptr;
};

TEST_F(TCFoldTypingCase, TypingBelowAStringLeftOpenKeepsTheRangesOfAFreshEditor)
{
    // Reduced from a random session. The '"' of step 5 leaves a string
    // open to the end of the text; Enter at the end of the last line puts
    // a line after it, which the string holds too: the '{' typed there in
    // the last step opens no range.
    using S = TTypingStep;
    const TTypingStep steps[] = {
        {S::Cut, BufferCoord(1, 24), BufferCoord(1, 35)},
        {S::Key, BufferCoord(1, 5), {}, ecDeleteLastChar},
        {S::Type, BufferCoord(16, 4), {}, ecNone, "}"},
        {S::Key, BufferCoord(19, 1), {}, ecLineBreak},
        {S::Type, BufferCoord(12, 28), {}, ecNone, "\""},
        {S::Key, BufferCoord(8, 1), {}, ecLineBreak},
        {S::Type, BufferCoord(4, 1), {}, ecNone, "{"},
        {S::Type, BufferCoord(1, 67), {}, ecNone, "*/"},
        {S::Key, BufferCoord(2, 67), {}, ecLineBreak},
        {S::Key, BufferCoord(17, 14), {}, ecLineBreak},
        {S::Cut, BufferCoord(1, 40), BufferCoord(1, 53)},
        {S::Key, BufferCoord(2, 57), {}, ecLineBreak},
        {S::Collapse, BufferCoord(1, 26), {}, ecNone, "", 4},
        {S::Type, BufferCoord(1, 54), {}, ecNone, "#ifdef R {"},
    };
    memo_->SetText(CaseText("typing_case_1.c"));
    for (const TTypingStep& step : steps) {
        ASSERT_NO_FATAL_FAILURE(Take(step));
    }
    ExpectFoldsOfAFreshEditor(*memo_, [this] { return NewCFoldingMemo(syn_); });
}

}  // namespace
