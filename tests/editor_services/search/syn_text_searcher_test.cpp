// Finding and replacing in an editor on a shown window, through the find
// and replace driver as the find and replace actions use it: replacing all
// as one undo step, backwards search, regular expressions with their
// groups, errors and lines too costly to match, the replace prompt's
// answers, repeats, histories, the not-found message and the dialogs'
// hand-over.

#include "editor_services/search/syn_text_searcher.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/editor/syn_view_test_support.h"
#include "editor_services/dialogs/message_dialog.h"
#include "editor_services/search/syn_search_dialog.h"
#include "platform/base/string_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/kernel/screen.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/label.h"
#include "platform/win/system_info.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"

namespace {

// What a message box showed, and how it was answered.
struct TShownBox {
    AnsiString Caption;
    AnsiString Text;
    int Top = 0;
    int Left = 0;
};

class TSynTextSearcherTest : public TEditorViewTest {
protected:
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        editor_ = AddMemo(0, 600, 300);
        ClearMessageBeeps();
    }
    void TearDown() override
    {
        TModalAnswers::Clear();
        // The program's own dialogs come back for the tests that follow.
        SynFindDialogFactory = findDialogs_;
        SynReplaceDialogFactory = replaceDialogs_;
        TEditorViewTest::TearDown();
    }

    void Load(const AnsiString& Text)
    {
        editor_->SetText(Text);
        editor_->ClearUndo();
        editor_->SetModified(false);
        editor_->SetCaretXY(BufferCoord(1, 1));
    }
    AnsiString Line(int Index) { return editor_->Lines()->Strings(Index - 1); }

    // The next message box is noted and answered by pressing the button
    // with Caption, or by its close box when Caption is empty.
    void Answer(const AnsiString& Caption)
    {
        TModalAnswers::Push([this, Caption](const TModalRequest& Request) {
            auto* box = dynamic_cast<TMessageDialog*>(Request.Form);
            EXPECT_NE(box, nullptr);
            if (!box)
                return mrCancel;
            boxes_.push_back({box->Caption(), box->Message->Caption(), box->Top(), box->Left()});
            if (Caption.empty()) {
                SendMessage(box->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
                return mrNone;
            }
            for (TButton* button : box->Buttons)
                if (button->Caption() == Caption)
                    button->Click();
            return mrNone;
        });
    }

    int Run(const AnsiString& Search, bool Regex, TSynSearchOptions Options, const AnsiString& Replacement = "")
    {
        return searcher_.DoSearchReplace(editor_, Search, Regex, Options, Replacement);
    }

    TSynMemo* editor_ = nullptr;
    TSynTextSearcher searcher_;
    std::vector<TShownBox> boxes_;

private:
    const TSynSearchDialogFactory findDialogs_ = SynFindDialogFactory;
    const TSynSearchDialogFactory replaceDialogs_ = SynReplaceDialogFactory;
};

TEST_F(TSynTextSearcherTest, ReplaceAllCountsAndUndoesInOneStep)
{
    Load("aaa\r\n說a門A");
    EXPECT_EQ(Run("a", false, {soReplaceAll, soEntireScope}, "bb"), 5);
    EXPECT_EQ(Line(1), "bbbbbb");
    EXPECT_EQ(Line(2), "說bb門bb");
    EXPECT_EQ(editor_->PaintLock(), 0);
    editor_->Undo();
    EXPECT_EQ(Line(1), "aaa");
    EXPECT_EQ(Line(2), "說a門A");
    EXPECT_FALSE(editor_->CanUndo());
}

TEST_F(TSynTextSearcherTest, BackwardsSearchSelectsTheNearestMatchBeforeTheCaret)
{
    Load("ab ab\r\nab x ab");
    editor_->SetCaretXY(BufferCoord(4, 2));
    EXPECT_EQ(Run("ab", false, {soBackwards}), 1);
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(1, 2));
    EXPECT_EQ(editor_->BlockEnd(), BufferCoord(3, 2));
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(1, 2));
    EXPECT_EQ(Run("ab", false, {soBackwards}), 1);
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(4, 1));
}

TEST_F(TSynTextSearcherTest, RegularExpressionsReplaceFromTheirGroupsInContext)
{
    Load("key=1 說x=22\r\n門ab 說ab");
    EXPECT_EQ(Run("(\\w+)=(\\d+)", true, {soReplaceAll, soEntireScope}, "$2:$1"), 2);
    EXPECT_EQ(Line(1), "1:key 說22:x");
    // Only the "ab" after 說 is preceded by it; replacing it alone would
    // lose the look-behind.
    EXPECT_EQ(Run("(?<=說)ab", true, {soReplaceAll, soEntireScope}, "[$0]"), 1);
    EXPECT_EQ(Line(2), "門ab 說[ab]");
    // An empty-matching pattern ends, one step per character: before each
    // of the 9 characters and at the end.
    EXPECT_EQ(Run("x*", true, {soReplaceAll, soEntireScope}, "-"), 22);
    EXPECT_EQ(Line(2), "-門-a-b- -說-[-a-b-]-");
}

TEST_F(TSynTextSearcherTest, AClassOfAChineseCharacterAndACaretReplacesWholeCharacters)
{
    Load("說a\r\nbcd\r\na");
    EXPECT_EQ(Run("[說^a]", true, {soMatchCase, soEntireScope}), 1);
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(1, 1));
    EXPECT_EQ(editor_->BlockEnd(), BufferCoord(3, 1));
    EXPECT_EQ(Run("[說^a]", true, {soMatchCase, soReplaceAll, soEntireScope}, "X"), 3);
    EXPECT_EQ(editor_->Text(), "XX\r\nbcd\r\nX");
}

TEST_F(TSynTextSearcherTest, AnInvalidPatternIsReportedAndTheEditorStaysAsItWas)
{
    Load("foo(bar\r\nfoo");
    editor_->SetCaretAndSelection(BufferCoord(3, 2), BufferCoord(1, 2), BufferCoord(3, 2));
    int ownPrompts = 0;
    const TReplaceTextEvent own = TReplaceTextEvent::FromCallable(
        [&](TObject*, const AnsiString&, const AnsiString&, int, int, TSynReplaceAction&) { ++ownPrompts; });
    editor_->OnReplaceText = own;
    Answer("确定(&O)");
    EXPECT_EQ(Run("foo(", true, {soReplaceAll, soEntireScope}, "x"), 0);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_NE(boxes_[0].Text.find("missing closing parenthesis"), AnsiString::npos) << boxes_[0].Text;
    EXPECT_TRUE(MessageBeeps().empty());
    EXPECT_EQ(Line(1), "foo(bar");
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(1, 2));
    EXPECT_EQ(editor_->BlockEnd(), BufferCoord(3, 2));
    EXPECT_TRUE(editor_->OnReplaceText == own);
    EXPECT_EQ(editor_->PaintLock(), 0);
    EXPECT_EQ(editor_->UndoList()->BlockCount(), 0);
    EXPECT_FALSE(editor_->CanUndo());
    EXPECT_EQ(ownPrompts, 0);
}

TEST_F(TSynTextSearcherTest, ThePromptsAnswersSkipReplaceReplaceAllAndCancel)
{
    Load("a a\r\na a a");
    Answer("忽略(&I)");
    Answer("替换(&R)");
    Answer("替换全部");
    EXPECT_EQ(Run("a", false, {soReplaceAll, soPrompt, soEntireScope}, "b"), 5);
    EXPECT_EQ(Line(1), "a b");
    EXPECT_EQ(Line(2), "b b b");
    ASSERT_EQ(boxes_.size(), 3u);  // none after "replace all"
    EXPECT_EQ(boxes_[0].Caption, "提示替换");
    EXPECT_EQ(boxes_[0].Text, "是否要将当前光标处的 a 替换成 b ？");
    // Just below the match.
    const TPoint below = editor_->ClientToScreen(
        editor_->RowColumnToPixels(editor_->BufferToDisplayPos(BufferCoord(3, 2))));
    EXPECT_EQ(boxes_[1].Left, below.X);
    EXPECT_EQ(boxes_[1].Top, below.Y);

    // Closing the box cancels: nothing more is replaced.
    Answer("");
    EXPECT_EQ(Run("b", false, {soReplaceAll, soPrompt, soEntireScope}, "c"), 1);
    EXPECT_EQ(Line(1), "a b");
    EXPECT_EQ(Line(2), "b b b");
    EXPECT_EQ(TModalAnswers::Count(), 0);
}

TEST_F(TSynTextSearcherTest, PromptedReplacementsTakeTheirGroupsFromTheLineAsItWasFound)
{
    // Each group lies before its match; the first replacement changes the
    // line before "replace all" replaces the rest of it.
    Load("說1 門2 說3\r\n門4");
    Answer("替换(&R)");
    Answer("替换全部");
    EXPECT_EQ(Run("(?<=([說門]))\\d", true, {soReplaceAll, soPrompt, soEntireScope, soMatchCase}, "<$1$0>"), 4);
    EXPECT_EQ(Line(1), "說<說1> 門<門2> 說<說3>");
    EXPECT_EQ(Line(2), "門<門4>");
}

TEST_F(TSynTextSearcherTest, ReplaceAllAnsweredAtAPromptStopsAtACostlyLineBeforeChangingAnything)
{
    // The first match is replaced on its own answer; from the answer
    // "replace all" on, the line too costly to match comes first.
    const AnsiString costly = AnsiString(30000, 'a') + "b";
    Load("aa\r\naa\r\naaa\r\n" + costly);
    Answer("替换(&R)");
    Answer("替换全部");
    Answer("确定(&O)");
    EXPECT_EQ(Run("(a+)+$", true, {soReplaceAll, soPrompt, soEntireScope}, "x"), 0);
    ASSERT_EQ(boxes_.size(), 3u);
    EXPECT_EQ(boxes_[2].Text, "正则表达式在第 4 行匹配代价过高，已停止查找。");
    EXPECT_EQ(Line(1), "x");
    EXPECT_EQ(Line(2), "aa");
    EXPECT_EQ(Line(3), "aaa");
    EXPECT_TRUE(MessageBeeps().empty());
    EXPECT_EQ(editor_->PaintLock(), 0);
    editor_->Undo();
    EXPECT_EQ(Line(1), "aa");
    EXPECT_FALSE(editor_->CanUndo());
}

TEST_F(TSynTextSearcherTest, ReplaceAllAnsweredAtAPromptSplittingLinesFindsTheLinesBelowWhereTheyMoved)
{
    Load("b b\r\nab\r\nb");
    Answer("替换全部");
    EXPECT_EQ(Run("b", false, {soReplaceAll, soPrompt, soEntireScope}, "1\r\n2"), 4);
    EXPECT_EQ(editor_->Text(), "1\r\n2 1\r\n2\r\na1\r\n2\r\n1\r\n2");
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(2, 7));
    editor_->Undo();
    EXPECT_EQ(editor_->Text(), "b b\r\nab\r\nb");
}

TEST_F(TSynTextSearcherTest, ReplaceNextWithPromptSkipsToTheNextMatch)
{
    Load("x1 x2 x3");
    searcher_.SearchText = "x";
    searcher_.ReplaceText = "y";
    searcher_.UseRegex = false;
    searcher_.Options = {soPrompt, soEntireScope};
    Answer("忽略(&I)");
    searcher_.ReplaceNext(editor_);
    EXPECT_EQ(editor_->LineText(), "x1 x2 x3");
    Answer("替换(&R)");
    searcher_.ReplaceNext(editor_);
    EXPECT_EQ(editor_->LineText(), "x1 y2 x3");
}

TEST_F(TSynTextSearcherTest, RepeatedSearchesGoOnFromTheCaret)
{
    // "Search from the caret" unchecked leaves the whole scope in the
    // options; a repeat still moves on.
    Load("ab 說ab\r\nab");
    searcher_.SearchText = "ab";
    searcher_.UseRegex = false;
    searcher_.Options = {soEntireScope};
    std::vector<TBufferCoord> found;
    for (int i = 0; i < 3; ++i) {
        searcher_.FindNext(editor_);
        found.push_back(editor_->BlockBegin());
    }
    EXPECT_EQ(found, (std::vector<TBufferCoord>{{1, 1}, {6, 1}, {1, 2}}));
    // Turning back goes to the match before the selected one.
    searcher_.FindLast(editor_);
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(6, 1));
    searcher_.FindNext(editor_);
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(1, 2));
    EXPECT_TRUE(searcher_.Options.Contains(soEntireScope));
    // Whole words only: "ab" inside "abc" is passed over.
    Load("abc ab");
    searcher_.FindNextWord(editor_);
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(5, 1));
}

TEST_F(TSynTextSearcherTest, AFailedSearchBeepsSaysSoAndLeavesNoSelection)
{
    Load("abc");
    editor_->SetCaretAndSelection(BufferCoord(3, 1), BufferCoord(1, 1), BufferCoord(3, 1));
    Answer("确定(&O)");
    EXPECT_EQ(Run("zz", false, {soSelectedOnly}), 0);
    EXPECT_EQ(MessageBeeps(), std::vector<UINT>{0x40});
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].Text, "没有查找到\"zz\"！");
    EXPECT_FALSE(editor_->SelAvail());
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(3, 1));
}

TEST_F(TSynTextSearcherTest, HistoriesKeepARepeatedTextOnceAtTheTop)
{
    Load("x y");
    for (const char* text : {"x", "y", "x"})
        Run(text, false, {soEntireScope, soReplace}, AnsiString(text) + "!");
    ASSERT_EQ(searcher_.SearchHistory()->Count(), 2);
    EXPECT_EQ(searcher_.SearchHistory()->Strings(0), "x");
    EXPECT_EQ(searcher_.SearchHistory()->Strings(1), "y");
    EXPECT_EQ(searcher_.ReplaceHistory()->Strings(0), "x!");
    EXPECT_EQ(searcher_.ReplaceHistory()->Count(), 2);
    EXPECT_EQ(searcher_.SearchText, "x");
    EXPECT_EQ(searcher_.ReplaceText, "x!");
}

// A dialog that notes what it was given and hands back what a user chose.
class TFakeSearchDialog : public TSynSearchDialog {
public:
    struct TLog {
        AnsiString SearchGiven;
        bool ReplaceHistoryGiven = false;
        int Shown = 0;
    };
    TFakeSearchDialog(TLog& Log, AnsiString Search, TSynSearchOptions Options)
        : TSynSearchDialog(nullptr), log_(Log), search_(std::move(Search)), options_(Options)
    {
    }
    void Setup(const AnsiString& SearchText, const AnsiString&, TStrings*, TStrings* ReplaceHistory,
               TSynSearchOptions, bool) override
    {
        log_.SearchGiven = SearchText;
        log_.ReplaceHistoryGiven = ReplaceHistory != nullptr;
        ++log_.Shown;
    }
    void ReadResult(AnsiString& SearchText, AnsiString& ReplaceText, TStrings*, TStrings*,
                    TSynSearchOptions& Options, bool& UseRegex) override
    {
        SearchText = search_;
        ReplaceText = "R";
        Options = options_;
        UseRegex = false;
    }

private:
    TLog& log_;
    AnsiString search_;
    TSynSearchOptions options_;
};

TEST_F(TSynTextSearcherTest, RepeatsWithoutASearchTextAskTheDialogsFirst)
{
    TFakeSearchDialog::TLog findLog, replaceLog;
    SynFindDialogFactory = [&] { return std::make_unique<TFakeSearchDialog>(findLog, "b", TSynSearchOptions{}); };
    SynReplaceDialogFactory = [&] {
        return std::make_unique<TFakeSearchDialog>(replaceLog, "b", TSynSearchOptions{soEntireScope});
    };
    Load("abc b");
    editor_->SetCaretAndSelection(BufferCoord(3, 1), BufferCoord(1, 1), BufferCoord(3, 1));
    TModalAnswers::Push(mrOk);
    searcher_.FindNext(editor_);
    EXPECT_EQ(findLog.Shown, 1);
    EXPECT_EQ(findLog.SearchGiven, "ab");  // the selection
    EXPECT_FALSE(findLog.ReplaceHistoryGiven);
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(5, 1));  // searched from the caret
    EXPECT_EQ(searcher_.SearchText, "b");
    EXPECT_FALSE(searcher_.UseRegex);

    // The replace dialog's "replace all" button.
    TModalAnswers::Push(mrAll);
    searcher_.Replace(editor_);
    EXPECT_TRUE(replaceLog.ReplaceHistoryGiven);
    EXPECT_EQ(editor_->LineText(), "aRc R");
    // A cancelled dialog searches nothing.
    TModalAnswers::Push(mrCancel);
    searcher_.Find(editor_);
    EXPECT_EQ(findLog.Shown, 2);
    EXPECT_EQ(editor_->LineText(), "aRc R");
    EXPECT_TRUE(boxes_.empty());
}

}  // namespace
