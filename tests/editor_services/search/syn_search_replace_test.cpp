// Search and replace through the find driver never lose text: matches far
// out on long lines are selected and replaced whole, a replace-all of any
// size (also one that splits lines) undoes in one step, a repeat moves past
// an empty match, the user's selection mode survives a search, and the
// selected-only scope keeps to a line or column block; expressions finding
// either case with match case on, matches a million characters long, and a
// line too costly to match, which leaves the text as it was. On the memo
// and on the articles' editor alike.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/editor_services/text_editor_test_support.h"
#include "tests/editor/syn_view_test_support.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/dialogs/message_dialog.h"
#include "editor_services/search/syn_text_searcher.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/widgets/label.h"
#include "platform/win/system_info.h"

namespace {

class TSearchReplaceTest : public TEditorViewTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        if (GetParam()) {
            editor_ = AddTextEditor(host_.get());
            Pump();
        } else {
            editor_ = AddMemo(0, 600, 300);
        }
        ClearMessageBeeps();
    }
    void TearDown() override
    {
        TModalAnswers::Clear();
        TEditorViewTest::TearDown();
    }

    void Load(const AnsiString& Text)
    {
        editor_->SetText(Text);
        editor_->ClearUndo();
        editor_->SetCaretXY(BufferCoord(1, 1));
    }
    AnsiString Line(int Index) { return editor_->Lines()->Strings(Index - 1); }
    int Run(const AnsiString& Search, bool Regex, TSynSearchOptions Options, const AnsiString& Replacement = "")
    {
        return searcher_.DoSearchReplace(editor_, Search, Regex, Options, Replacement);
    }

    // The next message box's text is noted, and the box closed.
    void NoteMessage()
    {
        TModalAnswers::Push([this](const TModalRequest& Request) {
            auto* box = dynamic_cast<TMessageDialog*>(Request.Form);
            EXPECT_NE(box, nullptr);
            if (box)
                messages_.push_back(box->Message->Caption());
            return mrOk;
        });
    }

    TCustomSynText* editor_ = nullptr;
    TSynTextSearcher searcher_;
    std::vector<AnsiString> messages_;
};

INSTANTIATE_TEST_SUITE_P(Editors, TSearchReplaceTest, ::testing::Values(false, true),
                         [](const auto& Info) { return Info.param ? "TextEditor" : "Memo"; });

TEST_P(TSearchReplaceTest, MatchesBeyondTheScrollWidthAreSelectedAndReplacedWhole)
{
    const AnsiString head(1100, 'a');
    const AnsiString line = head + "門b";
    Load(line + "\r\nshort");
    ASSERT_EQ(editor_->MaxScrollWidth(), 1024);
    EXPECT_EQ(Run("門", false, {soMatchCase, soEntireScope}), 1);
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(1101, 1));
    EXPECT_EQ(editor_->BlockEnd(), BufferCoord(1103, 1));
    EXPECT_EQ(editor_->SelText(), "門");

    EXPECT_EQ(Run("門", true, {soMatchCase, soEntireScope, soReplaceAll}, "X"), 1);
    EXPECT_EQ(Line(1), head + "Xb");
    editor_->Undo();
    EXPECT_EQ(Line(1), line);

    // A selection placed by a program reaches the line's end too.
    editor_->SetCaretAndSelection(BufferCoord(1104, 1), BufferCoord(1101, 1), BufferCoord(1104, 1));
    EXPECT_EQ(editor_->SelText(), "門b");
    // Past the end of a short line the caret still stops at the scroll width.
    editor_->SetCaretXY(BufferCoord(5000, 2));
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(1025, 2));
}

TEST_P(TSearchReplaceTest, AReplaceAllOfAnySizeUndoesAndRedoesInOneStep)
{
    AnsiString text;
    for (int i = 0; i < 2000; ++i)
        text += i ? "\r\na" : "a";
    Load(text);
    ASSERT_EQ(editor_->MaxUndo(), 1024);
    EXPECT_EQ(Run("a", false, {soEntireScope, soReplaceAll}, "b"), 2000);
    EXPECT_EQ(Line(1), "b");
    EXPECT_EQ(Line(2000), "b");
    editor_->Undo();
    EXPECT_EQ(editor_->Text(), text);
    EXPECT_FALSE(editor_->CanUndo());
    editor_->Redo();
    EXPECT_EQ(Line(1), "b");
    EXPECT_EQ(Line(2000), "b");
    editor_->Undo();
    EXPECT_EQ(Line(1), "a");
    EXPECT_EQ(Line(2000), "a");
}

TEST_P(TSearchReplaceTest, AReplaceAllSplittingLinesReplacesEveryMatchAndUndoesWhole)
{
    Load("ab b\r\nb");
    EXPECT_EQ(Run("b", false, {soEntireScope, soReplaceAll}, "1\r\n2"), 3);
    EXPECT_EQ(editor_->Text(), "a1\r\n2 1\r\n2\r\n1\r\n2");
    editor_->Undo();
    EXPECT_EQ(editor_->Text(), "ab b\r\nb");
    EXPECT_FALSE(editor_->CanUndo());
}

TEST_P(TSearchReplaceTest, FindNextMovesPastAnEmptyMatchInEitherDirection)
{
    Load("ab\r\ncd\r\nef");
    searcher_.SearchText = "^";
    searcher_.UseRegex = true;
    searcher_.Options = {};
    for (int line = 2; line <= 3; ++line) {
        searcher_.FindNext(editor_);
        EXPECT_EQ(editor_->CaretXY(), BufferCoord(1, line));
    }
    searcher_.SearchText = "$";
    searcher_.FindNext(editor_);
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(3, 3));
    searcher_.FindLast(editor_);
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(3, 2));
    searcher_.FindLast(editor_);
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(3, 1));
}

TEST_P(TSearchReplaceTest, TheUsersSelectionModeComesBackAfterASearch)
{
    Load("abc abc\r\nabc");
    for (TSynSelectionMode mode : {smColumn, smLine}) {
        editor_->SetSelectionMode(mode);
        EXPECT_EQ(Run("c a", false, {soEntireScope}), 1);
        EXPECT_EQ(editor_->SelectionMode(), mode);
        EXPECT_EQ(Run("b", false, {soEntireScope, soReplaceAll}, "B"), 3);
        EXPECT_EQ(editor_->SelectionMode(), mode);
        editor_->Undo();
    }
    // A column block still selects the match alone.
    editor_->SetSelectionMode(smColumn);
    EXPECT_EQ(Run("c a", false, {soEntireScope}), 1);
    EXPECT_EQ(editor_->SelText(), "c a");
}

TEST_P(TSearchReplaceTest, SelectedOnlyKeepsToAColumnBlocksColumns)
{
    Load("abc abc abc\r\nabc abc abc\r\nabc abc abc");
    editor_->SetSelectionMode(smColumn);
    editor_->SetCaretAndSelection(BufferCoord(8, 2), BufferCoord(5, 1), BufferCoord(8, 2));
    EXPECT_EQ(Run("abc", false, {soSelectedOnly, soReplaceAll}, "X"), 2);
    EXPECT_EQ(Line(1), "abc X abc");
    EXPECT_EQ(Line(2), "abc X abc");
    EXPECT_EQ(Line(3), "abc abc abc");
}

TEST_P(TSearchReplaceTest, SelectedOnlyInLineModeTakesTheWholeLines)
{
    Load("abc abc abc\r\nabc abc abc\r\nabc abc abc");
    editor_->SetSelectionMode(smLine);
    editor_->SetCaretAndSelection(BufferCoord(8, 2), BufferCoord(5, 1), BufferCoord(8, 2));
    EXPECT_EQ(Run("abc", false, {soSelectedOnly, soReplaceAll}, "X"), 6);
    EXPECT_EQ(Line(1), "X X X");
    EXPECT_EQ(Line(2), "X X X");
    EXPECT_EQ(Line(3), "abc abc abc");
}

}  // namespace

TEST_P(TSearchReplaceTest, AnExpressionWithBothCasesOfALetterReplacesEveryMatchWithMatchCaseOn)
{
    Load("return 1;\r\nReturn 2;\r\n說門 return");
    EXPECT_EQ(Run("[Rr]eturn", true, {soMatchCase, soEntireScope, soReplaceAll}, "yield"), 3);
    EXPECT_EQ(editor_->Text(), "yield 1;\r\nyield 2;\r\n說門 yield");
    Load("ERROR: x\r\nok");
    EXPECT_EQ(Run("(?i)error", true, {soMatchCase, soEntireScope}), 1);
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(1, 1));
    EXPECT_EQ(editor_->BlockEnd(), BufferCoord(6, 1));
}

TEST_P(TSearchReplaceTest, AReplaceAllMeetingAMatchAMillionCharactersLongCompletes)
{
    AnsiString longLine;
    for (int i = 0; i < 500000; ++i)
        longLine += "ab";
    Load("ab x\r\n" + longLine + "\r\nba");
    EXPECT_EQ(Run("(a|b)+", true, {soMatchCase, soEntireScope, soReplaceAll}, "<$1>"), 3);
    EXPECT_EQ(editor_->Text(), "<b> x\r\n<b>\r\n<a>");
    EXPECT_TRUE(messages_.empty());
    editor_->Undo();
    EXPECT_EQ(Line(2), longLine);
}

TEST_P(TSearchReplaceTest, ALineTooCostlyToMatchIsNamedAndTheTextStaysAsItWas)
{
    const AnsiString text = "aaa\r\naa\r\n" + AnsiString(30000, 'a') + "b\r\naaaa";
    // Replacing in one line and splitting lines alike: the lines before the
    // costly one are not changed either.
    for (const AnsiString& replacement : {AnsiString("x"), AnsiString("x\r\ny")}) {
        Load(text);
        editor_->SetModified(false);
        NoteMessage();
        EXPECT_EQ(Run("(a+)+$", true, {soMatchCase, soEntireScope, soReplaceAll}, replacement), 0);
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_NE(messages_.back().find("第 3 行"), AnsiString::npos) << messages_.back();
        EXPECT_EQ(messages_.back().find("不是有效"), AnsiString::npos) << messages_.back();
        EXPECT_TRUE(editor_->Text() == text);  // (not printed: a line is 30,000 bytes)
        EXPECT_FALSE(editor_->Modified());
        EXPECT_FALSE(editor_->CanUndo());
        EXPECT_EQ(editor_->PaintLock(), 0);
        messages_.clear();
    }
    // A find from below the costly line finds the match after it.
    editor_->SetCaretXY(BufferCoord(1, 4));
    EXPECT_EQ(Run("(a+)+$", true, {soMatchCase}), 1);
    EXPECT_EQ(editor_->BlockEnd(), BufferCoord(5, 4));
    EXPECT_TRUE(MessageBeeps().empty());
}
