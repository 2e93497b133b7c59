// Hooked command handlers, key translation, words at a position, clearing
// the whole editor, line spacing, the double-byte font and the nearest
// caret position to a pixel.
#include <gtest/gtest.h>

#include <vector>

#include "editor/view/syn_text_drawer.h"
#include "editor/syn_text_keystrokes.h"
#include "editor/document/syn_text_mark.h"
#include "platform/ui/graphics/font.h"
#include "platform/win/virtual_keys.h"
#include "tests/editor/syn_view_test_support.h"

namespace {

using TEditorFrameTest = TEditorViewTest;

struct TCommandLog {
    std::vector<int> Seen;  // command numbers, negative when seen after processing
    TCustomSynText* Editor = nullptr;
    THookedCommandEvent Other;
    void Handler(TObject*, bool AfterProcessing, bool& Handled, TSynTextEditorCommand& Command, char&, void*,
                 void* HandlerData)
    {
        Seen.push_back(AfterProcessing ? -Command : Command);
        if (HandlerData == this && Command == ecUserFirst)
            Handled = true;
        if (Command == ecUserFirst + 1 && Editor)
            Editor->UnregisterCommandHandler(Other);
    }
    void Second(TObject*, bool, bool&, TSynTextEditorCommand& Command, char&, void*, void*)
    {
        Seen.push_back(1000 + Command);
    }
};

}  // namespace

TEST_F(TEditorFrameTest, HookedHandlersSeeSwallowAndMayUnhookEachOther)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    TCommandLog log;
    log.Editor = memo;
    const THookedCommandEvent first(&log, &TCommandLog::Handler);
    const THookedCommandEvent second(&log, &TCommandLog::Second);
    log.Other = second;
    std::vector<int> processed;
    memo->OnCommandProcessed = TProcessCommandEvent::FromCallable(
        [&](TObject*, TSynTextEditorCommand& Command, char&, void*) { processed.push_back(Command); });

    memo->RegisterCommandHandler(first, &log);
    memo->RegisterCommandHandler(first, nullptr);  // already there: ignored
    memo->RegisterCommandHandler(THookedCommandEvent(), nullptr);
    memo->RegisterCommandHandler(second, nullptr);

    // A user command passes both handlers before and after processing.
    memo->CommandProcessor(ecUserFirst + 2, '\0', nullptr);
    EXPECT_EQ(log.Seen, (std::vector<int>{ecUserFirst + 2, 1000 + ecUserFirst + 2, -(ecUserFirst + 2),
                                          1000 + ecUserFirst + 2}));
    // Handled swallows it: the later handler still runs, then nothing more.
    log.Seen.clear();
    processed.clear();
    memo->CommandProcessor(ecUserFirst, '\0', nullptr);
    EXPECT_EQ(log.Seen, (std::vector<int>{ecUserFirst, 1000 + ecUserFirst}));
    EXPECT_EQ(processed, std::vector<int>{ecNone});

    // The first handler removes the second while the list runs.
    log.Seen.clear();
    memo->CommandProcessor(ecUserFirst + 1, '\0', nullptr);
    EXPECT_EQ(log.Seen, (std::vector<int>{ecUserFirst + 1, -(ecUserFirst + 1)}));
    memo->UnregisterCommandHandler(first);
    log.Seen.clear();
    memo->CommandProcessor(ecUserFirst + 2, '\0', nullptr);
    EXPECT_TRUE(log.Seen.empty());
}

TEST_F(TEditorFrameTest, KeysTranslateWithTheEditorsPendingFirstKey)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    TSynTextKeyStroke* sequence = memo->Keystrokes()->Add();
    sequence->SetShortCut(ShortCut('Q', {ssCtrl}));
    sequence->SetShortCut2(ShortCut('B', {}));
    sequence->Command = ecUserFirst + 7;

    void* data = &data;
    EXPECT_EQ(memo->TranslateKeyCode(VK_LEFT, {ssCtrl}, data), ecWordLeft);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(memo->TranslateKeyCode('Q', {ssCtrl}, data), ecNone);
    EXPECT_EQ(memo->TranslateKeyCode('B', {}, data), ecUserFirst + 7);
    // The sequence is used up: B alone is bound to nothing.
    EXPECT_EQ(memo->TranslateKeyCode('B', {}, data), ecNone);
    // Each editor waits for its own second key.
    TSynMemo* other = AddMemo(300, 200, 200);
    EXPECT_EQ(memo->TranslateKeyCode('Q', {ssCtrl}, data), ecNone);
    EXPECT_EQ(other->TranslateKeyCode('B', {}, data), ecNone);
    EXPECT_EQ(memo->TranslateKeyCode('B', {}, data), ecUserFirst + 7);
}

TEST_F(TEditorFrameTest, WordsAtPositionsAndClearAll)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    // Double-byte characters are word characters, even 這 (DF 40) whose
    // trail byte is '@'.
    memo->SetText("foo_1 \xD5\x66\xE9\x54x+y\r\n\xDF\x40z");
    EXPECT_EQ(memo->GetWordAtRowCol(BufferCoord(1, 1)), "foo_1");
    EXPECT_EQ(memo->GetWordAtRowCol(BufferCoord(6, 1)), "foo_1");
    EXPECT_EQ(memo->GetWordAtRowCol(BufferCoord(9, 1)), "\xD5\x66\xE9\x54x");
    EXPECT_EQ(memo->GetWordAtRowCol(BufferCoord(12, 1)), "\xD5\x66\xE9\x54x");
    EXPECT_EQ(memo->GetWordAtRowCol(BufferCoord(13, 1)), "y");
    EXPECT_EQ(memo->GetWordAtRowCol(BufferCoord(1, 3)), "");
    memo->SetCaretXY(BufferCoord(3, 2));
    EXPECT_EQ(memo->WordAtCaret(), "\xDF\x40z");

    memo->SetBookMark(2, 1, 2);
    memo->SetModified(true);
    memo->ClearAll();
    EXPECT_EQ(memo->Text(), "");
    EXPECT_EQ(memo->Marks()->Count(), 0);
    EXPECT_FALSE(memo->IsBookmark(2));
    EXPECT_FALSE(memo->CanUndo());
    EXPECT_FALSE(memo->Modified());
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 1));
    // The emptied slot takes a new bookmark without touching the freed one.
    memo->SetBookMark(2, 1, 1);
    EXPECT_TRUE(memo->IsBookmark(2));
}

TEST_F(TEditorFrameTest, LineSpacingUnicodeFontAndNearestPositions)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    const int single = memo->LineHeight();
    const int rows = memo->LinesInWindow();
    memo->SetLineSpacingRule(lsDouble);
    EXPECT_GT(memo->LineHeight(), single);
    EXPECT_EQ(memo->LinesInWindow(), memo->ClientHeight() / memo->LineHeight());
    EXPECT_LT(memo->LinesInWindow(), rows);
    memo->SetLineSpacingRule(lsSpecified);
    memo->SetLineSpacing(20);
    EXPECT_EQ(memo->LineHeight(), memo->TextDrawer()->BaseCharHeight() + 20);
    EXPECT_EQ(memo->LinesInWindow(), memo->ClientHeight() / memo->LineHeight());

    EXPECT_EQ(memo->UnicodeFontName(), "");
    memo->SetUnicodeFontName("WenQuanYi Micro Hei Mono");
    EXPECT_EQ(memo->UnicodeFontName(), "WenQuanYi Micro Hei Mono");
    EXPECT_TRUE(memo->TextDrawer()->UseUnicodeFont());
    memo->SetUnicodeFontName("");
    EXPECT_EQ(memo->UnicodeFontName(), "");
    EXPECT_FALSE(memo->TextDrawer()->UseUnicodeFont());

    memo->SetLineSpacingRule(lsSingle);
    memo->SetText("ab\xD5\x66z\r\nq");
    const int w = memo->CharWidth();
    const int left = memo->GutterWidth() + 2;
    const int y = memo->LineHeight() / 2;
    EXPECT_EQ(memo->PixelsToNearestRowColumn(left + w / 2 - 1, y), BufferCoord(1, 1));
    EXPECT_EQ(memo->PixelsToNearestRowColumn(left + w / 2 + 1, y), BufferCoord(2, 1));
    // 說 takes columns 3 and 4: its left half gives column 3, its right half 5.
    EXPECT_EQ(memo->PixelsToNearestRowColumn(left + 2 * w + w * 3 / 4, y), BufferCoord(3, 1));
    EXPECT_EQ(memo->PixelsToNearestRowColumn(left + 3 * w + w / 4, y), BufferCoord(5, 1));
    // Below the last line the line is clamped.
    EXPECT_EQ(memo->PixelsToNearestRowColumn(left, 10 * memo->LineHeight()).Line, 2);
}
