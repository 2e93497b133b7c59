#include <gtest/gtest.h>

#include <cstdlib>

#include "editor/syn_memo.h"
#include "editor/document/syn_text_mark.h"
#include "tests/editor/syn_view_test_support.h"

namespace {

class TSynTextEditingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override { memo = new TSynMemo(nullptr); }
    void TearDown() override { delete memo; }
    void Load(const AnsiString& Text)
    {
        memo->SetText(Text);
        memo->ClearUndo();
    }
    TSynMemo* memo = nullptr;
};

TEST_F(TSynTextEditingTest, LineModeInsertionUndoesExactly)
{
    Load("a\r\nb\r\nc");
    memo->SetSelectionMode(smLine);
    memo->SetCaretXY(BufferCoord(1, 2));
    memo->SetSelText("X\r\nY");
    EXPECT_EQ(memo->Text(), "a\r\nX\r\nY\r\nb\r\nc");
    memo->Undo();
    EXPECT_EQ(memo->Text(), "a\r\nb\r\nc");
    memo->Redo();
    EXPECT_EQ(memo->Text(), "a\r\nX\r\nY\r\nb\r\nc");

    // Overwrite mode replaces lines; undo gives them back.
    Load("a\r\nb \t\r\nc\r\nd");
    memo->SetInsertMode(false);
    memo->SetCaretXY(BufferCoord(1, 2));
    memo->SetSelText("X\r\nY");
    EXPECT_EQ(memo->Text(), "a\r\nX\r\nY\r\nd");
    memo->Undo();
    EXPECT_EQ(memo->Text(), "a\r\nb \t\r\nc\r\nd");
    memo->Redo();
    EXPECT_EQ(memo->Text(), "a\r\nX\r\nY\r\nd");
}

TEST_F(TSynTextEditingTest, InsertionPastTheLineEndUndoesItsPaddingToo)
{
    memo->SetOptions(TSynTextEditorOptions(SYNTEXT_DEFAULT_OPTIONS).Include(eoScrollPastEol));
    for (const AnsiString& value : {AnsiString("\xE9\x54"), AnsiString("\xE9\x54\r\n\xDF\x40")}) {  // 門, 門 這
        Load("\xD5\x66x\r\nb");  // 說x
        memo->SetCaretXY(BufferCoord(7, 1));
        memo->SetSelText(value);
        const AnsiString inserted = "\xD5\x66x   " + value + "\r\nb";
        EXPECT_EQ(memo->Text(), inserted);
        memo->Undo();
        EXPECT_EQ(memo->Text(), "\xD5\x66x\r\nb");
        EXPECT_FALSE(memo->CanUndo());
        memo->Redo();
        EXPECT_EQ(memo->Text(), inserted);
    }
}

// A program may name any byte; a position on the trail byte of a double-byte
// character stands for the character's start, so typing and deleting there
// keep characters whole.
TEST_F(TSynTextEditingTest, SettersNeverPlaceInsideADoubleByteCharacter)
{
    Load("說門\r\nab這");
    memo->SetCaretXY(BufferCoord(2, 1));
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 1));
    memo->SetCaretX(4);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(3, 1));
    memo->SetCaretXY(BufferCoord(4, 2));
    EXPECT_EQ(memo->CaretXY(), BufferCoord(3, 2));

    memo->SetCaretXY(BufferCoord(2, 1));
    memo->CommandProcessor(ecChar, 'x', nullptr);
    EXPECT_EQ(memo->Text(), "x說門\r\nab這");
    memo->SetCaretXY(BufferCoord(5, 1));
    memo->CommandProcessor(ecDeleteChar, 0, nullptr);
    EXPECT_EQ(memo->Text(), "x說\r\nab這");
    memo->SetCaretXY(BufferCoord(3, 1));
    memo->CommandProcessor(ecDeleteLastChar, 0, nullptr);
    EXPECT_EQ(memo->Text(), "說\r\nab這");

    // Block ends and the selection start set by index.
    memo->SetBlockBegin(BufferCoord(4, 2));
    memo->SetBlockEnd(BufferCoord(1, 2));
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(3, 2));
    EXPECT_EQ(memo->SelText(), "ab");
    memo->SetBlockEnd(BufferCoord(5, 2));
    EXPECT_EQ(memo->BlockBegin(), BufferCoord(3, 2));
    EXPECT_EQ(memo->SelText(), "這");
    // Setting the selection start by index needs a window.
    TEditorHost host;
    memo->SetParent(&host);
    memo->SetSelStart(7);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(3, 2));
    EXPECT_EQ(memo->SelStart(), 6);
    memo->SetParent(nullptr);
}

TEST_F(TSynTextEditingTest, SetTextIgnoresTheSelectionMode)
{
    memo->SetSelectionMode(smLine);
    Load("a\r\nb");
    EXPECT_EQ(memo->Text(), "a\r\nb");
    memo->SetSelectionMode(smColumn);
    Load("x\r\nyz");
    EXPECT_EQ(memo->Text(), "x\r\nyz");
    EXPECT_EQ(memo->SelectionMode(), smColumn);
}

TEST_F(TSynTextEditingTest, UnindentAndLineBreakRecordsReverseExactly)
{
    // An unindent that took two spaces, a tab and nothing from three lines.
    Load("ab\r\ncd\r\nef");
    memo->UndoList()->AddChange(urUnindent, BufferCoord(3, 1), BufferCoord(2, 3), "  \r\n\t\r\n", smNormal);
    memo->Undo();
    EXPECT_EQ(memo->Text(), "  ab\r\n\tcd\r\nef");
    EXPECT_EQ(memo->BlockBegin(), BufferCoord(3, 1));
    memo->Redo();
    EXPECT_EQ(memo->Text(), "ab\r\ncd\r\nef");
    // The block shrinks by the two spaces actually removed, not a tab width.
    EXPECT_EQ(memo->BlockBegin(), BufferCoord(1, 1));
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(2, 3));
    memo->Undo();
    EXPECT_EQ(memo->Text(), "  ab\r\n\tcd\r\nef");

    // In column mode the pieces go back at the block's left column.
    Load("abcd\r\nxy");
    memo->UndoList()->AddChange(urUnindent, BufferCoord(3, 1), BufferCoord(5, 2), " \r\n", smColumn);
    memo->Undo();
    EXPECT_EQ(memo->Text(), "ab cd\r\nxy");

    // A break made past the end of a line: the line is padded only when
    // text moved to the new line.
    Load("ab\r\n");
    memo->UndoList()->AddChange(urLineBreak, BufferCoord(5, 1), BufferCoord(5, 1), "", smNormal);
    memo->Undo();
    EXPECT_EQ(memo->Text(), "ab");
    memo->Redo();
    EXPECT_EQ(memo->Text(), "ab\r\n");
    Load("ab\r\ncd");
    memo->UndoList()->AddChange(urLineBreak, BufferCoord(5, 1), BufferCoord(5, 1), "cd", smNormal);
    memo->Undo();
    EXPECT_EQ(memo->Text(), "ab  cd");
    memo->Redo();
    EXPECT_EQ(memo->Text(), "ab  \r\ncd");
}

TEST_F(TSynTextEditingTest, WordRoutines)
{
    Load("foo, bar_1  \xD5\x66\xDF\x40x\r\n  next");
    EXPECT_EQ(memo->WordStartAt(BufferCoord(3, 1)), BufferCoord(1, 1));
    EXPECT_EQ(memo->WordEndAt(BufferCoord(2, 1)), BufferCoord(4, 1));
    EXPECT_EQ(memo->WordStartAt(BufferCoord(99, 1)), BufferCoord(13, 1));  // cut to the line end, then back
    EXPECT_EQ(memo->WordEndAt(BufferCoord(7, 1)), BufferCoord(11, 1));
    // 這 (DF 40) has a trail byte that is a symbol: the word never ends inside it.
    EXPECT_EQ(memo->WordEndAt(BufferCoord(13, 1)), BufferCoord(18, 1));
    EXPECT_EQ(memo->WordStartAt(BufferCoord(16, 1)), BufferCoord(13, 1));

    EXPECT_EQ(memo->NextWordPosAt(BufferCoord(1, 1)), BufferCoord(6, 1));
    EXPECT_EQ(memo->NextWordPosAt(BufferCoord(6, 1)), BufferCoord(13, 1));
    EXPECT_EQ(memo->NextWordPosAt(BufferCoord(13, 1)), BufferCoord(15, 1));  // each double-byte character stops
    EXPECT_EQ(memo->NextWordPosAt(BufferCoord(15, 1)), BufferCoord(17, 1));
    EXPECT_EQ(memo->NextWordPosAt(BufferCoord(18, 1)), BufferCoord(3, 2));  // past the end: next line's word
    EXPECT_EQ(memo->NextWordPosAt(BufferCoord(7, 2)), BufferCoord(7, 2));   // end of the last line stays

    EXPECT_EQ(memo->PrevWordPosAt(BufferCoord(3, 2)), BufferCoord(18, 1));
    EXPECT_EQ(memo->PrevWordPosAt(BufferCoord(18, 1)), BufferCoord(17, 1));
    EXPECT_EQ(memo->PrevWordPosAt(BufferCoord(17, 1)), BufferCoord(15, 1));
    EXPECT_EQ(memo->PrevWordPosAt(BufferCoord(13, 1)), BufferCoord(6, 1));
    EXPECT_EQ(memo->PrevWordPosAt(BufferCoord(5, 1)), BufferCoord(1, 1));
    EXPECT_EQ(memo->PrevWordPosAt(BufferCoord(1, 1)), BufferCoord(1, 1));

    memo->SetCaretXY(BufferCoord(7, 1));
    memo->SelectWordAtCaret();
    EXPECT_EQ(memo->SelText(), "bar_1");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(11, 1));
    EXPECT_TRUE(memo->IsWordBreakChar(','));
    EXPECT_FALSE(memo->IsWordBreakChar('\0'));
    EXPECT_FALSE(memo->IsIdentChar('\xD7'));
}

TEST_F(TSynTextEditingTest, BookmarksAndCentring)
{
    AnsiString text;
    for (int i = 1; i <= 100; ++i)
        text += "line\r\n";
    Load(text);
    int placed = 0;
    int cleared = 0;
    bool cancel = false;
    memo->OnPlaceBookmark = TPlaceMarkEvent::FromCallable([&](TObject*, TSynTextMark*& Mark) {
        ++placed;
        if (cancel)
            Mark = nullptr;
    });
    memo->OnClearBookmark = TPlaceMarkEvent::FromCallable([&](TObject*, TSynTextMark*&) { ++cleared; });

    memo->SetBookMark(2, 3, 10);
    memo->SetBookMark(10, 1, 1);   // no such number
    memo->SetBookMark(3, 1, 500);  // no such line
    EXPECT_EQ(placed, 1);
    EXPECT_EQ(memo->Marks()->Count(), 1);
    int x = 0;
    int y = 0;
    ASSERT_TRUE(memo->GetBookMark(2, x, y));
    EXPECT_EQ(BufferCoord(x, y), BufferCoord(3, 10));
    EXPECT_EQ(memo->BookMarks(2)->ImageIndex(), 2);
    EXPECT_TRUE(memo->BookMarks(2)->InternalImage());

    memo->SetBookMark(2, 1, 20);  // moves it
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(memo->Marks()->Count(), 1);
    EXPECT_EQ(memo->BookMarks(2)->Line(), 20);
    cancel = true;
    memo->SetBookMark(2, 1, 30);  // cancelled: the old one stays
    EXPECT_EQ(memo->BookMarks(2)->Line(), 20);

    memo->SetBlockBegin(BufferCoord(1, 1));
    memo->SetBlockEnd(BufferCoord(2, 2));
    memo->GotoBookMark(2);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 20));
    EXPECT_FALSE(memo->SelAvail());
    memo->ClearBookMark(2);
    EXPECT_FALSE(memo->IsBookmark(2));
    EXPECT_EQ(memo->Marks()->Count(), 0);
    EXPECT_EQ(cleared, 2);

    memo->GotoLineAndCenter(60);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 60));
    EXPECT_EQ(memo->TopLine(), 60 - memo->LinesInWindow() / 2);
}

}  // namespace
