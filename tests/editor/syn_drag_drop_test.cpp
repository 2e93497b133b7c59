#include <vector>

#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "syn_view_test_support.h"

namespace {

// The client point of a buffer position without tabs.
TPoint At(TSynMemo* Memo, int Char, int Line)
{
    TPoint p = Memo->RowColumnToPixels(DisplayCoord(Char, Line));
    return {p.X + 1, p.Y + 1};
}

void Drop(TSynMemo* Target, TSynMemo* Source, int Char, int Line)
{
    const TPoint p = At(Target, Char, Line);
    Target->DragDrop(Source, p.X, p.Y);
}

}  // namespace

TEST_F(TEditorViewTest, DroppingTextMovesOrCopiesWithinAndBetweenEditors)
{
    TSynMemo* a = AddMemo(0, 300, 200);
    TSynMemo* b = AddMemo(320, 300, 200);
    const AnsiString start = "ab\xD5\x66\xE9\x54" "cd";  // ab說門cd
    a->SetText(start);
    a->ClearUndo();

    // Onto itself: nothing happens.
    a->SetCaretAndSelection(BufferCoord(3, 1), BufferCoord(1, 1), BufferCoord(3, 1));
    Drop(a, a, 2, 1);
    EXPECT_EQ(a->Text(), start);
    EXPECT_FALSE(a->CanUndo());

    // After itself: moved, still selected, one undo step.
    Drop(a, a, 7, 1);
    EXPECT_EQ(a->Text(), AnsiString("\xD5\x66\xE9\x54" "abcd"));
    EXPECT_EQ(a->SelText(), "ab");
    EXPECT_EQ(a->CaretXY(), BufferCoord(5, 1));
    a->Undo();
    EXPECT_EQ(a->Text(), start);

    // With Ctrl held it is copied, also onto its own end.
    InjectKeyDown(VK_CONTROL);
    Pump();
    a->SetCaretAndSelection(BufferCoord(3, 1), BufferCoord(1, 1), BufferCoord(3, 1));
    Drop(a, a, 3, 1);
    EXPECT_EQ(a->Text(), AnsiString("abab\xD5\x66\xE9\x54" "cd"));
    InjectKeyUp(VK_CONTROL);
    Pump();

    // From another editor: copied, or moved with Shift held.
    a->SetText(start);
    b->SetText("xyz");
    a->SetCaretAndSelection(BufferCoord(7, 1), BufferCoord(3, 1), BufferCoord(7, 1));
    Drop(b, a, 2, 1);
    EXPECT_EQ(b->Text(), AnsiString("x\xD5\x66\xE9\x54yz"));
    EXPECT_EQ(a->Text(), start);
    InjectKeyDown(VK_SHIFT);
    Pump();
    Drop(b, a, 1, 1);
    InjectKeyUp(VK_SHIFT);
    Pump();
    EXPECT_EQ(b->Text(), AnsiString("\xD5\x66\xE9\x54x\xD5\x66\xE9\x54yz"));
    EXPECT_EQ(a->Text(), "abcd");
    a->Undo();
    EXPECT_EQ(a->Text(), start);

    // A read-only target takes nothing.
    b->SetReadOnly(true);
    Drop(b, a, 1, 1);
    EXPECT_EQ(b->Text(), AnsiString("\xD5\x66\xE9\x54x\xD5\x66\xE9\x54yz"));
}

TEST_F(TEditorViewTest, DroppedFileNamesArriveWhole)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    TSynTextEditorOptions options = memo->Options();
    memo->SetOptions(options.Include(eoDropFiles));
    const AnsiString longName = "/tmp/" + AnsiString(400, 'n') + "\xD5\x66.txt";
    std::vector<AnsiString> received;
    TPoint where;
    memo->OnDropFiles = TDropFilesEvent::FromCallable([&](TObject*, int X, int Y, TStrings* Files) {
        where = Point(X, Y);
        for (int i = 0; i < Files->Count(); ++i)
            received.push_back(Files->Strings(i));
    });
    ASSERT_TRUE(InjectDrop(memo->ClientToScreen(Point(20, 30)), {"/a/\xE9\x54", longName}));
    Pump();
    EXPECT_EQ(received, (std::vector<AnsiString>{"/a/\xE9\x54", longName}));
    EXPECT_EQ(where, Point(20, 30));
}
