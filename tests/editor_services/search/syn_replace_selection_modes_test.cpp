// Replacing with the editor in line or column selection mode: a match is a
// stretch of one line, so the replacement takes that stretch only; the
// lines around it stay as they were, and undo brings the text back.
#include <gtest/gtest.h>

#include "tests/editor/syn_view_test_support.h"
#include "editor_services/search/syn_text_searcher.h"

namespace {

class TReplaceInSelectionModeTest : public TEditorViewTest {
protected:
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        editor_ = AddMemo(0, 600, 300);
    }
    void Load(TSynSelectionMode Mode)
    {
        editor_->SetText(kText);
        editor_->ClearUndo();
        editor_->SetCaretXY(BufferCoord(1, 1));
        editor_->SetSelectionMode(Mode);
    }
    int Replace(TSynSearchOptions Options)
    {
        return searcher_.DoSearchReplace(editor_, "two", false, Options, "X");
    }

    static constexpr const char* kText = "說門 one\r\none two three\r\n中 two\r\nlast 乗";
    TSynMemo* editor_ = nullptr;
    TSynTextSearcher searcher_;
};

TEST_F(TReplaceInSelectionModeTest, OneReplacementTakesTheMatchOnlyAndUndoesBack)
{
    for (TSynSelectionMode mode : {smLine, smColumn}) {
        SCOPED_TRACE(mode == smLine ? "line mode" : "column mode");
        Load(mode);
        EXPECT_EQ(Replace({soReplace, soEntireScope}), 1);
        EXPECT_EQ(editor_->Text(), "說門 one\r\none X three\r\n中 two\r\nlast 乗");
        editor_->Undo();
        EXPECT_EQ(editor_->Text(), "說門 one\r\none two three\r\n中 two\r\nlast 乗");
    }
}

TEST_F(TReplaceInSelectionModeTest, ReplacingAllTakesEachMatchOnlyAndUndoesInOneStep)
{
    for (TSynSelectionMode mode : {smLine, smColumn}) {
        SCOPED_TRACE(mode == smLine ? "line mode" : "column mode");
        Load(mode);
        EXPECT_EQ(Replace({soReplaceAll, soEntireScope}), 2);
        EXPECT_EQ(editor_->Text(), "說門 one\r\none X three\r\n中 X\r\nlast 乗");
        editor_->Undo();
        EXPECT_EQ(editor_->Text(), "說門 one\r\none two three\r\n中 two\r\nlast 乗");
        EXPECT_FALSE(editor_->CanUndo());
    }
}

}  // namespace
