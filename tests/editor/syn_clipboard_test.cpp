#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "editor/syn_clipboard.h"
#include "editor/syn_memo.h"
#include "editor/document/syn_text_error.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/clipboard.h"

namespace {

class TSynClipboardTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override { memo = new TSynMemo(nullptr); }
    void TearDown() override { delete memo; }
    void Load(TSynMemo* Memo, const AnsiString& Text)
    {
        Memo->SetText(Text);
        Memo->ClearUndo();
    }
    void Select(TSynMemo* Memo, TSynSelectionMode Mode, TBufferCoord From, TBufferCoord To)
    {
        Memo->SetSelectionMode(Mode);
        Memo->SetCaretAndSelection(To, From, To);
    }
    // The bytes of a clipboard block, zero byte included.
    static std::string Block(UINT Format)
    {
        std::string bytes;
        if (OpenClipboard(nullptr)) {
            if (HGLOBAL block = GetClipboardData(Format)) {
                bytes.assign(static_cast<const char*>(GlobalLock(block)), GlobalSize(block));
                GlobalUnlock(block);
            }
            CloseClipboard();
        }
        return bytes;
    }
    TSynMemo* memo = nullptr;
};

TEST_F(TSynClipboardTest, CopyWritesPlainTextAndTheBlockFormat)
{
    EXPECT_EQ(SynTextClipboardFormat, RegisterClipboardFormat("SynText Control Block Type"));

    // Normal mode: trailing blanks of every line stay behind, "說" is whole.
    Load(memo, "ab  \r\n說門\r\nxyz");
    Select(memo, smNormal, BufferCoord(1, 1), BufferCoord(3, 2));
    memo->CopyToClipboard();
    EXPECT_EQ(Block(CF_TEXT), std::string("ab\r\n說\0", 7));
    EXPECT_EQ(Block(SynTextClipboardFormat), std::string("\0ab\r\n說\0", 8));
    // The selection itself is not trimmed.
    EXPECT_EQ(memo->SelText(), "ab  \r\n說");

    // Line mode: mode byte 1, whole lines with their breaks.
    Select(memo, smLine, BufferCoord(2, 1), BufferCoord(1, 2));
    memo->CopyToClipboard();
    EXPECT_EQ(Block(SynTextClipboardFormat), std::string("\1ab\r\n說門\r\n\0", 12));

    // Column mode: a padded rectangle even with trimming on.
    TSynTextEditorOptions options = memo->Options();
    memo->SetOptions(options.Include(eoTrimTrailingSpaces));
    Load(memo, "abcd\r\na\r\nabcd");
    Select(memo, smColumn, BufferCoord(2, 1), BufferCoord(4, 3));
    memo->CopyToClipboard();
    EXPECT_EQ(Block(SynTextClipboardFormat), std::string("\2bc\r\n  \r\nbc\0", 12));
    EXPECT_TRUE(memo->Options().Contains(eoTrimTrailingSpaces));

    // Nothing selected: the clipboard keeps what it had.
    memo->SetCaretAndSelection(BufferCoord(1, 1), BufferCoord(1, 1), BufferCoord(1, 1));
    memo->CopyToClipboard();
    EXPECT_EQ(Block(CF_TEXT), std::string("bc\r\n  \r\nbc\0", 11));
}

TEST_F(TSynClipboardTest, CopyAndCutRaiseWhileAnotherWindowHoldsTheClipboardOpen)
{
    Load(memo, "說門 text");
    Select(memo, smNormal, BufferCoord(1, 1), BufferCoord(5, 1));
    memo->CopyToClipboard();
    TForm other(nullptr);
    ASSERT_TRUE(OpenClipboard(other.Handle()));
    Select(memo, smNormal, BufferCoord(6, 1), BufferCoord(10, 1));
    EXPECT_THROW(memo->CopyToClipboard(), ESynTextError);
    EXPECT_THROW(memo->CutToClipboard(), ESynTextError);
    CloseClipboard();
    // The clipboard keeps the earlier copy; the cut took nothing away and
    // left nothing to undo.
    EXPECT_EQ(Block(CF_TEXT), std::string("說門\0", 5));
    EXPECT_EQ(memo->Text(), "說門 text");
    EXPECT_EQ(memo->SelText(), "text");
    EXPECT_FALSE(memo->CanUndo());
}

TEST_F(TSynClipboardTest, EveryStoredAndCurrentModePastesAndUndoesExactly)
{
    const AnsiString source = "one  \r\n中a two\r\nthree";
    const TSynSelectionMode modes[] = {smNormal, smLine, smColumn};
    for (TSynSelectionMode stored : modes) {
        Load(memo, source);
        Select(memo, stored, BufferCoord(2, 1), BufferCoord(3, 2));
        memo->CopyToClipboard();
        for (TSynSelectionMode current : modes) {
            SCOPED_TRACE(testing::Message() << "stored " << stored << " current " << current);
            TSynMemo target(nullptr);
            const AnsiString text = "x這 \r\nyy\r\nzzzz\r\n";
            Load(&target, text);
            // Once over a selection, once at a bare caret past a line's end.
            Select(&target, current, BufferCoord(2, 1), BufferCoord(2, 2));
            target.PasteFromClipboard();
            const AnsiString pasted = target.Text();
            EXPECT_NE(pasted, text);
            target.SetSelectionMode(current);
            target.SetCaretXY(BufferCoord(4, 2));
            target.PasteFromClipboard();
            const AnsiString twice = target.Text();
            target.Undo();
            EXPECT_EQ(target.Text(), pasted);
            target.Undo();
            EXPECT_EQ(target.Text(), text);
            EXPECT_FALSE(target.CanUndo());
            target.Redo();
            target.Redo();
            EXPECT_EQ(target.Text(), twice);
        }
    }
}

TEST_F(TSynClipboardTest, PasteInsertsInTheCurrentModeAndCutUndoesToTheBlanks)
{
    // A line-mode copy pasted into a normal-mode editor goes in as text.
    Load(memo, "first\r\nsecond");
    Select(memo, smLine, BufferCoord(1, 1), BufferCoord(2, 1));
    memo->CopyToClipboard();
    TSynMemo target(nullptr);
    Load(&target, "ab");
    target.SetCaretXY(BufferCoord(2, 1));
    target.PasteFromClipboard();
    EXPECT_EQ(target.Text(), "afirst\r\nb");

    // Text from another program has no block; plain text is enough.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL plain = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, 4);
    std::memcpy(GlobalLock(plain), "\xD5\x66z", 4);
    GlobalUnlock(plain);
    SetClipboardData(CF_TEXT, plain);
    CloseClipboard();
    Load(&target, "ab");
    target.SetCaretXY(BufferCoord(3, 1));
    target.PasteFromClipboard();
    EXPECT_EQ(target.Text(), "ab說z");

    // Cut takes the trimmed text but undo gives back the blanks.
    Load(memo, "keep  \r\nmore");
    Select(memo, smNormal, BufferCoord(1, 1), BufferCoord(3, 2));
    memo->CutToClipboard();
    EXPECT_EQ(memo->Text(), "re");
    EXPECT_EQ(Block(CF_TEXT), std::string("keep\r\nmo\0", 9));
    memo->Undo();
    EXPECT_EQ(memo->Text(), "keep  \r\nmore");
    EXPECT_FALSE(memo->CanUndo());

    // A read-only editor neither cuts nor pastes.
    memo->SetReadOnly(true);
    Select(memo, smNormal, BufferCoord(1, 1), BufferCoord(3, 1));
    memo->CutToClipboard();
    memo->PasteFromClipboard();
    EXPECT_EQ(memo->Text(), "keep  \r\nmore");
}

}  // namespace
