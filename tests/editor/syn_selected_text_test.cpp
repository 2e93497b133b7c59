// The selected text of a column block: padded to a rectangle only when
// trailing blanks are kept, and recorded for undo without the padding, so
// that undo gives back short lines without blanks they never had.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "editor/syn_memo.h"
#include "editor/syn_text_commands.h"

namespace {

class TSynSelectedTextTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override { memo = std::make_unique<TSynMemo>(nullptr); }
    void SelectColumns(TBufferCoord From, TBufferCoord To)
    {
        memo->SetSelectionMode(smColumn);
        memo->SetCaretAndSelection(To, From, To);
    }
    std::unique_ptr<TSynMemo> memo;
};

// 說 (D5 66) and 門 (E9 54) end in bytes that read as 'f' and 'T'.
const char* const Text = "\xD5\x66\xE9\x54xy\r\n"  // 說門xy
                         "abc\r\n"
                         "\r\n"
                         "ab\xE9\x54z";  // ab門z

}  // namespace

TEST_F(TSynSelectedTextTest, ColumnTextIsPaddedOnlyWhileTrailingBlanksAreKept)
{
    memo->SetText(Text);
    SelectColumns(BufferCoord(3, 1), BufferCoord(5, 4));
    EXPECT_EQ(memo->SelText(), "\xE9\x54\r\nc \r\n  \r\n\xE9\x54");

    memo->SetOptions(TSynTextEditorOptions(memo->Options()).Include(eoTrimTrailingSpaces));
    SelectColumns(BufferCoord(3, 1), BufferCoord(5, 4));
    EXPECT_EQ(memo->SelText(), "\xE9\x54\r\nc\r\n\r\n\xE9\x54");
}

TEST_F(TSynSelectedTextTest, UndoingAColumnDeletionAddsNoBlanksToShortLines)
{
    for (const bool trimming : {false, true}) {
        TSynTextEditorOptions options = SYNTEXT_DEFAULT_OPTIONS;
        if (trimming)
            options.Include(eoTrimTrailingSpaces);
        memo->SetOptions(options);
        memo->SetText(Text);
        memo->ClearUndo();
        SelectColumns(BufferCoord(3, 1), BufferCoord(5, 4));
        memo->CommandProcessor(ecDeleteChar, 0, nullptr);
        const AnsiString deleted = memo->Text();
        EXPECT_EQ(deleted, "\xD5\x66xy\r\nab\r\n\r\nabz") << trimming;
        memo->CommandProcessor(ecUndo, 0, nullptr);
        EXPECT_EQ(memo->Text(), Text) << trimming;
        memo->CommandProcessor(ecRedo, 0, nullptr);
        EXPECT_EQ(memo->Text(), deleted) << trimming;
    }
}
