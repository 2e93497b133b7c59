#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "editor/syn_memo.h"
#include "platform/ui/graphics/font.h"

namespace {

class TSynMemoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override { memo = new TSynMemo(nullptr); }
    void TearDown() override { delete memo; }
    TSynMemo* memo = nullptr;
};

TEST_F(TSynMemoTest, NewEditorHasDefaults)
{
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 1));
    EXPECT_EQ(memo->Options().Bits(), 0x0A6C0192u);
    EXPECT_TRUE(memo->InsertMode());
    EXPECT_EQ(memo->TabWidth(), 8);
    EXPECT_EQ(memo->MaxUndo(), 1024);
    EXPECT_FALSE(memo->SelAvail());
    EXPECT_EQ(memo->Text(), "");
    EXPECT_EQ(memo->Font()->Name(), "Courier New");
    EXPECT_EQ(memo->Font()->Size(), 10);
    EXPECT_EQ(memo->Color(), clWindow);
    EXPECT_EQ(memo->Width(), 200);
    EXPECT_EQ(memo->Height(), 150);
    EXPECT_FALSE(memo->Modified());
}

TEST_F(TSynMemoTest, CaretAndBlockAreClamped)
{
    memo->SetText("abc\r\n\xD5\x66\xE9\x54\r\n\xD6\xD0\xD6\xD0");
    memo->SetCaretXY(BufferCoord(10, 1));
    EXPECT_EQ(memo->CaretX(), 10);  // eoScrollPastEol is on by default
    TSynTextEditorOptions options = memo->Options();
    options.Exclude(eoScrollPastEol);
    memo->SetOptions(options);
    EXPECT_EQ(memo->CaretX(), 4);
    memo->SetCaretXY(BufferCoord(50, 9));
    EXPECT_EQ(memo->CaretXY(), BufferCoord(5, 3));

    memo->SetBlockBegin(BufferCoord(1, 2));
    memo->SetBlockEnd(BufferCoord(4, 2));  // trail byte of 門
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(3, 2));
    memo->SetBlockEnd(BufferCoord(3, 3));  // lead byte after 中, whose trail is a lead-byte value
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(3, 3));
    memo->SetBlockEnd(BufferCoord(4, 3));
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(3, 3));
}

TEST_F(TSynMemoTest, UndoRestoresTextExactly)
{
    const AnsiString a = "first \t\r\n\xD5\x66 second  \r\nthird";
    memo->SetText(a);
    memo->SetText("other");
    memo->Undo();
    EXPECT_EQ(memo->Text(), a);

    memo->SetText("ab  \t\r\ncd");
    memo->ClearUndo();
    memo->SetCaretAndSelection(BufferCoord(3, 1), BufferCoord(3, 1), BufferCoord(6, 1));
    memo->SetSelText("");
    EXPECT_EQ(memo->Text(), "ab\r\ncd");
    memo->Undo();
    EXPECT_EQ(memo->Text(), "ab  \t\r\ncd");

    memo->SetText("ab\r\nc");
    memo->ClearUndo();
    memo->SetSelectionMode(smColumn);
    memo->SetCaretXY(BufferCoord(5, 1));
    memo->SetSelText("X\r\nY\r\nZ");
    EXPECT_EQ(memo->Text(), "ab  X\r\nc   Y\r\n    Z");
    memo->Undo();
    EXPECT_EQ(memo->Text(), "ab\r\nc");
    memo->Redo();
    EXPECT_EQ(memo->Text(), "ab  X\r\nc   Y\r\n    Z");
}

TEST_F(TSynMemoTest, SavePointAndGroupedTyping)
{
    memo->SetText("one");
    memo->ClearUndo();
    memo->SetModified(false);
    memo->SetCaretXY(BufferCoord(4, 1));
    for (char c : AnsiString(" two"))
        memo->SetSelText(AnsiString(1, c));
    EXPECT_TRUE(memo->Modified());
    memo->SetModified(false);
    for (char c : AnsiString("xy"))
        memo->SetSelText(AnsiString(1, c));
    EXPECT_EQ(memo->Text(), "one twoxy");
    memo->Undo();  // the typed word goes in one step
    EXPECT_EQ(memo->Text(), "one two");
    EXPECT_FALSE(memo->Modified());
    memo->Undo();
    EXPECT_EQ(memo->Text(), "one");
    EXPECT_TRUE(memo->Modified());
    memo->Redo();
    EXPECT_EQ(memo->Text(), "one two");
    EXPECT_FALSE(memo->Modified());
    EXPECT_TRUE(memo->CanRedo());
    memo->SetSelText("!");
    EXPECT_FALSE(memo->CanRedo());

    memo->SetLineText("replaced");
    EXPECT_FALSE(memo->CanUndo());
    EXPECT_EQ(memo->Text(), "replaced");
}

}  // namespace
