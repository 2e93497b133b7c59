// The find and replace dialogs worked as a user works them, with keys and
// clicks through the message loop, as the find and replace driver shows
// them: a word with GBK characters found and selected in the editor, a
// replace-all, the fields filled from the driver's texts, histories and
// options and read back into them, the buttons that follow the search box,
// and the assistant menu. On the memo and on the articles' editor: letters
// of the other case beyond ASCII, and text hidden in collapsed folds, which
// a find opens and a replace-all replaces keeping them collapsed (through
// undo and redo too).

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/editor_services/text_editor_test_support.h"
#include "tests/editor/syn_view_test_support.h"
#include "editor_services/dialogs/message_dialog.h"
#include "editor_services/search/syn_find_dialog.h"
#include "editor_services/search/syn_replace_dialog.h"
#include "editor_services/search/syn_text_searcher.h"
#include "editor_services/syn_text_editor.h"
#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_fold_ranges.h"
#include "platform/base/string_list.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/widgets/radio_group.h"
#include "platform/ui/widgets/speed_button.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"

namespace {

using TTexts = std::vector<AnsiString>;

TTexts ItemsOf(TComboBox* Box)
{
    TTexts items;
    for (int i = 0; i < Box->Items()->Count(); ++i)
        items.push_back(Box->Items()->Strings(i));
    return items;
}

class TSynSearchDialogsTest : public TEditorViewTest {
protected:
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        editor_ = AddMemo(0, 600, 300);
    }
    void TearDown() override
    {
        EXPECT_EQ(TModalAnswers::Count(), 0) << "a dialog or message did not come up";
        TModalAnswers::Clear();
        TEditorViewTest::TearDown();
    }

    void Load(const AnsiString& Text)
    {
        editor_->SetText(Text);
        editor_->ClearUndo();
        editor_->SetCaretXY(BufferCoord(1, 1));
    }

    // The next dialog the driver shows is worked by Work, as a user's
    // keys once it is up.
    template <typename TDialog>
    void Work(const std::function<void(TDialog* Dialog)>& Steps)
    {
        TModalAnswers::Push([Steps](const TModalRequest& Request) {
            auto* dialog = dynamic_cast<TDialog*>(Request.Form);
            EXPECT_NE(dialog, nullptr);
            if (!dialog)
                return mrCancel;
            Steps(dialog);
            // The keys close it before the answers queued after this one
            // are due.
            Pump();
            EXPECT_NE(dialog->ModalResult(), mrNone) << "the keys left the dialog open";
            return dialog->ModalResult() == mrNone ? mrCancel : mrNone;
        });
    }

    // The next message box is noted and closed with its OK button.
    void AcceptMessage(std::vector<AnsiString>& Shown)
    {
        TModalAnswers::Push([&Shown](const TModalRequest& Request) {
            auto* box = dynamic_cast<TMessageDialog*>(Request.Form);
            EXPECT_NE(box, nullptr);
            if (box)
                Shown.push_back(box->Message->Caption());
            return mrOk;
        });
    }

    TSynMemo* editor_ = nullptr;
    TSynTextSearcher searcher_;
};

TEST_F(TSynSearchDialogsTest, AWordTypedIntoTheFindDialogIsFoundAndSelected)
{
    // 說 ends in 'f' and 門 in 'T': the plain engine must match whole
    // characters, and the first match is before the caret.
    Load("x說門y 說門\r\nab 說門");
    editor_->SetCaretXY(BufferCoord(3, 2));
    AnsiString caption;
    bool findEnabledBefore = true;
    Work<TSynFindDlg>([&](TSynFindDlg* Dialog) {
        caption = Dialog->Caption();
        findEnabledBefore = Dialog->btnOK->Enabled();
        InjectText("說門");
        // Regular expressions off, and the whole text rather than from
        // the caret on.
        InjectKeyStroke('R', InjectAlt);
        InjectKeyStroke('E', InjectAlt);
        InjectKeyStroke(VK_RETURN);
    });
    searcher_.Find(editor_);
    EXPECT_EQ(caption, "查找");
    EXPECT_FALSE(findEnabledBefore) << "nothing to search for yet";
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(2, 1));
    EXPECT_EQ(editor_->BlockEnd(), BufferCoord(6, 1));
    EXPECT_EQ(editor_->SelText(), "說門");
    EXPECT_EQ(searcher_.SearchText, "說門");
    EXPECT_FALSE(searcher_.UseRegex);
    EXPECT_TRUE(searcher_.Options.Contains(soEntireScope));
    EXPECT_EQ(searcher_.SearchHistory()->Text(), "說門\r\n");

    // The dialog opens on the selection, selected: typing replaces it; the
    // history is the search box's list; Escape searches nothing.
    AnsiString shownText;
    TTexts shownList;
    bool regexShown = true, fromCursorShown = true;
    Work<TSynFindDlg>([&](TSynFindDlg* Dialog) {
        shownText = Dialog->cbSearchText->Text();
        shownList = ItemsOf(Dialog->cbSearchText);
        regexShown = Dialog->cbRegularExpression->Checked();
        fromCursorShown = Dialog->cbSearchFromCursor->Checked();
        InjectText("ab");
        InjectKeyStroke(VK_ESCAPE);
    });
    searcher_.Find(editor_);
    EXPECT_EQ(shownText, "說門");
    EXPECT_EQ(shownList, TTexts{"說門"});
    EXPECT_FALSE(regexShown);
    EXPECT_FALSE(fromCursorShown);
    EXPECT_EQ(searcher_.SearchText, "說門");
    EXPECT_EQ(editor_->SelText(), "說門");
}

TEST_F(TSynSearchDialogsTest, TheReplaceDialogsReplaceAllButtonReplacesEveryMatchWithoutAsking)
{
    Load("中a說a\r\naa");
    searcher_.UseRegex = false;
    Work<TSynReplaceDlg>([](TSynReplaceDlg*) {
        InjectText("a");
        InjectKeyStroke(VK_TAB);
        InjectText("門");
        InjectKeyStroke('E', InjectAlt);  // the whole text
        InjectKeyStroke('A', InjectAlt);
    });
    searcher_.Replace(editor_);
    EXPECT_EQ(editor_->Lines()->Text(), "中門說門\r\n門門");
    EXPECT_EQ(searcher_.ReplaceText, "門");
    EXPECT_EQ(searcher_.ReplaceHistory()->Text(), "門\r\n");
    editor_->Undo();
    EXPECT_EQ(editor_->Lines()->Text(), "中a說a\r\naa");

    // The driver's options had no prompt, so "ask first" started off;
    // turned on, OK asks before the match. The replace box is filled from
    // the last replacement.
    AnsiString replaceShown;
    Work<TSynReplaceDlg>([&](TSynReplaceDlg* Dialog) {
        replaceShown = Dialog->cbReplaceText->Text();
        InjectKeyStroke('P', InjectAlt);
        InjectKeyStroke(VK_RETURN);
    });
    std::vector<AnsiString> asked;
    TModalAnswers::Push([&](const TModalRequest& Request) {
        asked.push_back(Request.Form ? Request.Form->Caption() : AnsiString());
        return mrCancel;
    });
    searcher_.Replace(editor_);
    EXPECT_EQ(replaceShown, "門");
    EXPECT_EQ(asked, TTexts{"提示替换"});
    EXPECT_EQ(editor_->Lines()->Text(), "中a說a\r\naa");
}

TEST_F(TSynSearchDialogsTest, AFailedSearchFromTheDialogSaysSo)
{
    Load("abc");
    Work<TSynFindDlg>([](TSynFindDlg*) {
        InjectText("說");
        InjectKeyStroke(VK_RETURN);
    });
    std::vector<AnsiString> shown;
    AcceptMessage(shown);
    searcher_.Find(editor_);
    EXPECT_EQ(shown, TTexts{"没有查找到\"說\"！"});
}

// Every option goes into the dialog and comes back out as it went in, each
// alone and all together; the texts and both histories too.
TEST_F(TSynSearchDialogsTest, TheFieldsFillFromTheDriversSettingsAndReadBackIntoThem)
{
    const std::vector<TSynSearchOptions> cases = {
        {},
        {soMatchCase},
        {soWholeWord},
        {soBackwards},
        {soEntireScope},
        {soSelectedOnly},
        {soPrompt},
        {soMatchCase, soWholeWord, soBackwards, soEntireScope, soSelectedOnly, soPrompt},
    };
    TStringList searchHistory, replaceHistory;
    searchHistory.Add("說x");
    searchHistory.Add("門");
    replaceHistory.Add("中");
    for (const TSynSearchOptions& options : cases) {
        for (bool regex : {false, true}) {
            TSynReplaceDlg dialog(nullptr);
            dialog.Setup("說x", "中", &searchHistory, &replaceHistory, options, regex);
            EXPECT_EQ(dialog.cbSearchText->Text(), "說x");
            EXPECT_EQ(ItemsOf(dialog.cbSearchText), (TTexts{"說x", "門"}));
            EXPECT_EQ(ItemsOf(dialog.cbReplaceText), TTexts{"中"});
            EXPECT_EQ(dialog.rgSearchDirection->ItemIndex(), options.Contains(soBackwards) ? 1 : 0);
            EXPECT_EQ(dialog.cbSearchCaseSensitive->Checked(), options.Contains(soMatchCase));
            EXPECT_EQ(dialog.cbSearchWholeWords->Checked(), options.Contains(soWholeWord));
            EXPECT_EQ(dialog.cbSearchSelectedOnly->Checked(), options.Contains(soSelectedOnly));
            EXPECT_EQ(dialog.cbSearchFromCursor->Checked(), !options.Contains(soEntireScope));
            EXPECT_EQ(dialog.CheckBox1->Checked(), options.Contains(soPrompt));
            EXPECT_EQ(dialog.cbRegularExpression->Checked(), regex);

            AnsiString search, replace;
            TSynSearchOptions read{soReplaceAll};
            bool readRegex = !regex;
            TStringList searchOut, replaceOut;
            dialog.ReadResult(search, replace, &searchOut, &replaceOut, read, readRegex);
            EXPECT_EQ(read, options);
            EXPECT_EQ(readRegex, regex);
            EXPECT_EQ(search, "說x");
            EXPECT_EQ(replace, "中");
            EXPECT_EQ(searchOut.Text(), searchHistory.Text());
            EXPECT_EQ(replaceOut.Text(), replaceHistory.Text());

            // The find dialog has no prompt: the bit does not come back.
            TSynFindDlg find(nullptr);
            find.Setup("說x", "", &searchHistory, nullptr, options, regex);
            find.ReadResult(search, replace, &searchOut, nullptr, read, readRegex);
            TSynSearchOptions withoutPrompt = options;
            EXPECT_EQ(read, withoutPrompt.Exclude(soPrompt));
            EXPECT_EQ(readRegex, regex);
        }
    }
}

TEST_F(TSynSearchDialogsTest, ADialogStartsWithTheDefaultsAUserExpects)
{
    TSynFindDlg find(nullptr);
    EXPECT_EQ(find.Caption(), "查找");
    EXPECT_EQ(find.rgSearchDirection->ItemIndex(), 0);
    EXPECT_TRUE(find.cbSearchFromCursor->Checked());
    EXPECT_EQ(find.cbSearchFromCursor->Caption(), "从光标处开始查找(&E)");
    EXPECT_TRUE(find.cbRegularExpression->Checked());
    EXPECT_FALSE(find.cbSearchCaseSensitive->Checked());
    EXPECT_EQ(find.FormStyle(), fsStayOnTop);
    TSynReplaceDlg replace(nullptr);
    EXPECT_EQ(replace.Caption(), "替换");
    EXPECT_TRUE(replace.CheckBox1->Checked());
    EXPECT_EQ(replace.btnReplaceAll->ModalResult(), mrAll);
    // The replacement row sits under the search box, the options below it.
    EXPECT_GT(replace.cbReplaceText->Top(), replace.cbSearchText->Top() + replace.cbSearchText->Height());
    EXPECT_GT(replace.rgSearchDirection->Top(), replace.cbReplaceText->Top() + replace.cbReplaceText->Height());
    EXPECT_GT(replace.ClientHeight(), replace.CheckBox1->Top() + replace.CheckBox1->Height());
}

TEST_F(TSynSearchDialogsTest, HistoriesShowARepeatedTextOnceAtTheTop)
{
    Load("x y");
    searcher_.UseRegex = false;
    searcher_.Options = {soEntireScope};
    for (const char* text : {"x", "y", "x"}) {
        Work<TSynFindDlg>([text](TSynFindDlg*) {
            InjectText(text);
            InjectKeyStroke(VK_RETURN);
        });
        searcher_.Find(editor_);
    }
    TTexts shown;
    Work<TSynFindDlg>([&](TSynFindDlg* Dialog) {
        shown = ItemsOf(Dialog->cbSearchText);
        InjectKeyStroke(VK_ESCAPE);
    });
    searcher_.Find(editor_);
    EXPECT_EQ(shown, (TTexts{"x", "y"}));
}

TEST_F(TSynSearchDialogsTest, TheSearchButtonsFollowTheSearchBox)
{
    Load("abc");
    std::vector<bool> okEnabled, allEnabled;
    Work<TSynReplaceDlg>([&](TSynReplaceDlg* Dialog) {
        auto note = [&] {
            Pump();
            okEnabled.push_back(Dialog->btnOK->Enabled());
            allEnabled.push_back(Dialog->btnReplaceAll->Enabled());
        };
        note();
        InjectText("說");
        note();
        InjectKeyStroke(VK_BACK);
        note();
        // A replacement alone searches nothing.
        InjectKeyStroke(VK_TAB);
        InjectText("b");
        note();
        InjectKeyStroke(VK_ESCAPE);
    });
    searcher_.Replace(editor_);
    EXPECT_EQ(okEnabled, (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(allEnabled, okEnabled);
}

TEST_F(TSynSearchDialogsTest, TheAssistantMenuTypesPatternPiecesAndTurnsRegularExpressionsOn)
{
    Load("ab\r\nb");
    searcher_.UseRegex = false;
    TTexts captions;
    bool okAfter = false;
    Work<TSynFindDlg>([&](TSynFindDlg* Dialog) {
        for (int i = 0; i < Dialog->AssistantMenu->Items()->Count(); ++i)
            captions.push_back(Dialog->AssistantMenu->Items()->Items(i)->Caption());
        TSpeedButton* button = Dialog->AssistantButton;
        const TPoint middle = button->ClientToScreen(Point(button->Width() / 2, button->Height() / 2));
        // "匹配行首" is the seventh item, after two separators.
        InjectClick(middle);
        for (int i = 0; i < 7; ++i)
            InjectKeyStroke(VK_DOWN);
        InjectKeyStroke(VK_RETURN);
        InjectText("b");
        // "匹配行尾" next: the piece goes where the caret is.
        InjectClick(middle);
        for (int i = 0; i < 8; ++i)
            InjectKeyStroke(VK_DOWN);
        InjectKeyStroke(VK_RETURN);
        Pump();
        okAfter = Dialog->btnOK->Enabled();
        InjectKeyStroke(VK_RETURN);
    });
    searcher_.Find(editor_);
    EXPECT_EQ(captions, (TTexts{"制表符", "回车符", "换行符", "-", "任何字符", "字符在范围内", "字符不在范围内", "-",
                                "匹配行首", "匹配行尾", "-", "匹配0次或更多", "匹配1次或更多", "匹配0次或1次",
                                "匹配指定的次数", "最少匹配的次数", "匹配指定的次数范围", "-", "匹配任意一个数字字符",
                                "匹配任意一个非数字字符", "匹配任意空格字符", "匹配任意非空格字符"}));
    EXPECT_TRUE(okAfter);
    EXPECT_EQ(searcher_.SearchText, "^b$");
    EXPECT_TRUE(searcher_.UseRegex);
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(1, 2));
    EXPECT_EQ(editor_->BlockEnd(), BufferCoord(2, 2));
}

// The search box's hint promises the assistant menu on a right click, in
// the find and the replace dialog alike.
TEST_F(TSynSearchDialogsTest, ARightClickInTheSearchBoxOpensTheAssistantMenu)
{
    auto rightClickForLineStart = [](TSynFindDlg* Dialog) {
        TComboBox* box = Dialog->cbSearchText;
        InjectClick(box->ClientToScreen(Point(box->Width() / 3, box->Height() / 2)), 2);
        // "匹配行首" is the seventh item, after two separators.
        for (int i = 0; i < 7; ++i)
            InjectKeyStroke(VK_DOWN);
        InjectKeyStroke(VK_RETURN);
        Pump();
        EXPECT_EQ(Dialog->cbSearchText->Text(), "^");
        // A menu left open by a wrong one takes the first.
        if (Dialog->cbSearchText->Text() != "^")
            InjectKeyStroke(VK_ESCAPE);
        InjectKeyStroke(VK_ESCAPE);
    };
    Load("ab");
    Work<TSynFindDlg>(rightClickForLineStart);
    searcher_.Find(editor_);
    Work<TSynReplaceDlg>([&](TSynReplaceDlg* Dialog) { rightClickForLineStart(Dialog); });
    searcher_.Replace(editor_);
}

TEST_F(TSynSearchDialogsTest, EscapePiecesAreABackslashAndALetter)
{
    TSynFindDlg dialog(nullptr);
    dialog.Setup("", "", nullptr, nullptr, {}, false);
    const TTexts names = {"ETabChar", "EMatchNumber", "EMatchAnyNonSpace", "ECharOutRange", "EMatchTimesRange"};
    for (const AnsiString& name : names)
        for (int i = 0; i < dialog.AssistantMenu->Items()->Count(); ++i)
            if (dialog.AssistantMenu->Items()->Items(i)->Name() == name)
                dialog.AssistantMenu->Items()->Items(i)->Click();
    EXPECT_EQ(dialog.cbSearchText->Text(), "\\t\\d\\S[^]{1,1}");
    EXPECT_TRUE(dialog.cbRegularExpression->Checked());
}

// The memo and the articles' editor, folding on braces.
class TSynSearchEditorsTest : public TSynSearchDialogsTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        TSynSearchDialogsTest::SetUp();
        if (GetParam()) {
            editor_ = AddTextEditor(host_.get());
            Pump();
        }
        editor_->CodeFolding()->FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
        editor_->CodeFolding()->SetHighlighterFoldRegions(false);
        editor_->CodeFolding()->SetEnabled(true);
    }
    // Collapses the range on Line as a click on its fold mark does.
    void Collapse(int Line)
    {
        editor_->Collapse(editor_->GetFoldRangeStartingAt(Line));
        ASSERT_TRUE(CollapsedAt(Line));
    }
    bool CollapsedAt(int Line)
    {
        TSynTextFoldRange* range = editor_->GetFoldRangeStartingAt(Line);
        return range && range->Collapsed;
    }
    void Find(const AnsiString& Text, bool WholeText)
    {
        Work<TSynFindDlg>([Text, WholeText](TSynFindDlg*) {
            InjectText(Text);
            if (WholeText)
                InjectKeyStroke('E', InjectAlt);
            InjectKeyStroke(VK_RETURN);
        });
    }
};

INSTANTIATE_TEST_SUITE_P(Editors, TSynSearchEditorsTest, ::testing::Values(false, true),
                         [](const auto& Info) { return Info.param ? "TextEditor" : "Memo"; });

// 說 ends in 'f', 門 in 'T' and 這 in '@'.
const char* const Folded = "說f {\r\n  key = 門1;\r\n  key = 這2;\r\n}\r\nkey end";

TEST_P(TSynSearchEditorsTest, WithoutMatchCaseThePlainSearchFindsFullwidthLettersOfTheOtherCase)
{
    Load("說abc門ＡＢＣ這");
    searcher_.UseRegex = false;
    Find("ａｂｃ", true);
    searcher_.Find(editor_);
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(8, 1));
    EXPECT_EQ(editor_->BlockEnd(), BufferCoord(14, 1));
    EXPECT_EQ(editor_->SelText(), "ＡＢＣ");
}

TEST_P(TSynSearchEditorsTest, ReplaceAllReplacesInACollapsedFoldWhichStaysCollapsedThroughUndoAndRedo)
{
    Load(Folded);
    Collapse(1);
    ASSERT_EQ(editor_->Lines()->Count(), 2);
    searcher_.UseRegex = false;
    Work<TSynReplaceDlg>([](TSynReplaceDlg*) {
        InjectText("key");
        InjectKeyStroke(VK_TAB);
        InjectText("KEY");
        InjectKeyStroke('E', InjectAlt);  // the whole text
        InjectKeyStroke('A', InjectAlt);  // replace all
    });
    searcher_.Replace(editor_);
    const AnsiString replaced = "說f {\r\n  KEY = 門1;\r\n  KEY = 這2;\r\n}\r\nKEY end";
    EXPECT_EQ(editor_->Text(), replaced);
    EXPECT_EQ(editor_->Lines()->Count(), 2);
    EXPECT_TRUE(CollapsedAt(1));
    editor_->Undo();
    EXPECT_EQ(editor_->Text(), Folded);
    EXPECT_EQ(editor_->Lines()->Count(), 2);
    EXPECT_TRUE(CollapsedAt(1));
    EXPECT_FALSE(editor_->CanUndo());
    // What the undo selected is hidden again: no piece of the first line
    // stands for it.
    EXPECT_FALSE(editor_->SelAvail());
    editor_->Redo();
    EXPECT_EQ(editor_->Text(), replaced);
    EXPECT_TRUE(CollapsedAt(1));

    // A replacement that breaks lines moves the folds below it, which
    // collapse where they went; nested folds collapse as they were.
    const AnsiString nested = "x\r\nf {\r\n  g {\r\n    x;\r\n  }\r\n}";
    Load(nested);
    Collapse(3);
    Collapse(2);
    EXPECT_EQ(searcher_.DoSearchReplace(editor_, "x", false, {soEntireScope, soReplaceAll}, "y\r\nz"), 2);
    EXPECT_EQ(editor_->Text(), "y\r\nz\r\nf {\r\n  g {\r\n    y\r\nz;\r\n  }\r\n}");
    EXPECT_EQ(editor_->Lines()->Count(), 3);
    editor_->Uncollapse(editor_->GetFoldRangeStartingAt(3));
    EXPECT_TRUE(CollapsedAt(4));
    editor_->Undo();
    EXPECT_EQ(editor_->Text(), nested);
    EXPECT_EQ(editor_->Lines()->Count(), 2);
}

TEST_P(TSynSearchEditorsTest, AFindAmongCollapsedBlocksCollapsesAgainAllButTheBlocksItLandsIn)
{
    // Blocks collapsed inside collapsed blocks, beside them and inside an
    // expanded one; the match lies in a block collapsed inside another.
    const AnsiString text = "a {\r\n  b {\r\n    x;\r\n  }\r\n}\r\nc {\r\n  d {\r\n    key;\r\n  }\r\n}\r\n"
                            "e {\r\n  f {\r\n    x;\r\n  }\r\n}\r\n";
    Load(text);
    for (const int line : {12, 7, 6, 2, 1})
        Collapse(line);
    ASSERT_EQ(editor_->Lines()->Text(), "a {     \r\nc {     \r\ne {\r\n  f {     \r\n}\r\n");
    Find("key", true);
    searcher_.Find(editor_);
    EXPECT_EQ(editor_->Text(), text);
    EXPECT_EQ(editor_->SelText(), "key");
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(5, 4));
    // a collapsed again, with b inside it, and f; c and d, which hold the
    // match, in view.
    EXPECT_EQ(editor_->Lines()->Text(), "a {     \r\nc {\r\n  d {\r\n    key;\r\n  }\r\n}\r\ne {\r\n  f {     \r\n}\r\n");
    for (const int line : {1, 8})
        EXPECT_TRUE(CollapsedAt(line)) << line;
    for (const int line : {2, 3, 7})
        EXPECT_FALSE(CollapsedAt(line)) << line;
    editor_->Uncollapse(editor_->GetFoldRangeStartingAt(1));
    EXPECT_TRUE(CollapsedAt(2));

    // Two blocks collapsed on one line, the inner first: both collapse
    // again, the inner inside the outer.
    Load("a { b {\r\n    x;\r\n  }\r\n}\r\nkey");
    TSynTextAllFoldRanges* ranges = editor_->AllFoldRanges();
    ASSERT_EQ(ranges->AllCount(), 2);
    TSynTextFoldRange* inner = ranges->AllRanges(1);
    ASSERT_EQ(inner->FoldRangeLevel, 1);
    editor_->Collapse(inner);
    Collapse(1);
    const AnsiString shown = editor_->Lines()->Text();
    Find("key", true);
    searcher_.Find(editor_);
    EXPECT_EQ(editor_->SelText(), "key");
    EXPECT_EQ(editor_->Lines()->Text(), shown);
    editor_->Uncollapse(editor_->GetFoldRangeStartingAt(1));
    EXPECT_EQ(editor_->Lines()->Text(), "a { b {     \r\n}\r\nkey") << "the inner block collapsed";
}

TEST_P(TSynSearchEditorsTest, AFindThatLandsInACollapsedFoldOpensItAndSelectsTheMatch)
{
    Load(Folded);
    Collapse(1);
    Find("key", false);
    searcher_.Find(editor_);
    EXPECT_EQ(editor_->Lines()->Count(), 5);
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(3, 2));
    EXPECT_EQ(editor_->SelText(), "key");

    // Backwards from the end: the match in view leaves the fold collapsed,
    // the next one up opens it.
    Collapse(1);
    editor_->SetCaretXY(BufferCoord(8, 2));
    searcher_.FindLast(editor_);
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(1, 2));
    EXPECT_TRUE(CollapsedAt(1));
    searcher_.FindLast(editor_);
    EXPECT_FALSE(CollapsedAt(1));
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(3, 3));

    // The spaces after a collapsed first line are no text: nothing is found
    // there, and the fold stays as it was.
    Load(Folded);
    Collapse(1);
    Find("{     ", true);
    std::vector<AnsiString> shown;
    AcceptMessage(shown);
    searcher_.Find(editor_);
    EXPECT_EQ(shown, TTexts{"没有查找到\"{     \"！"});
    EXPECT_TRUE(CollapsedAt(1));
}

TEST_P(TSynSearchEditorsTest, AFindOrReplaceNextIntoCollapsedBlocksShowsAndSelectsItsMatch)
{
    // Every block collapsed, the innermost first: blocks before the match
    // inside the one that holds it, and ranges alike on one line.
    const AnsiString text = "int f(int a) {\r\n  if (a) {\r\n    x();\r\n  }\r\n  { {\r\n    y();\r\n  }}\r\n"
                            "  return x;\r\n}\r\nint g() {\r\n  { {\r\n    return 說;\r\n  }}\r\n}\r\n";
    const struct {
        const char* What;
        const char* Search;
        void (TSynTextSearcher::*Command)(TCustomSynText*);
        AnsiString Shown;  // the buffer afterwards
        TBufferCoord Begin;
        TBufferCoord End;
    } rows[] = {
        {"find next past blocks collapsed before the match in its block", "return x;", &TSynTextSearcher::FindNext,
         "int f(int a) {\r\n  if (a) {     \r\n  { {     \r\n  return x;\r\n}\r\nint g() {     \r\n",
         BufferCoord(3, 4), BufferCoord(12, 4)},
        {"find next into ranges alike on one line, both collapsed", "說", &TSynTextSearcher::FindNext,
         "int f(int a) {     \r\nint g() {\r\n  { {\r\n    return 說;\r\n  }}\r\n}\r\n", BufferCoord(12, 4),
         BufferCoord(14, 4)},
        {"replace next past blocks collapsed before the match in its block", "return x;",
         &TSynTextSearcher::ReplaceNext,
         "int f(int a) {\r\n  if (a) {     \r\n  { {     \r\n  z;\r\n}\r\nint g() {     \r\n", BufferCoord(5, 4),
         BufferCoord(5, 4)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.What);
        Load(text);
        TSynTextAllFoldRanges* ranges = editor_->AllFoldRanges();
        for (int i = ranges->AllCount() - 1; i >= 0; --i)
            editor_->Collapse(ranges->AllRanges(i));
        ASSERT_EQ(editor_->Lines()->Text(), "int f(int a) {     \r\nint g() {     \r\n");
        editor_->SetCaretXY(BufferCoord(9, 1));
        searcher_.SearchText = row.Search;
        searcher_.ReplaceText = "z;";
        searcher_.UseRegex = false;
        searcher_.Options = {};
        (searcher_.*row.Command)(editor_);
        EXPECT_EQ(editor_->Lines()->Text(), row.Shown);
        EXPECT_EQ(editor_->BlockBegin(), row.Begin);
        EXPECT_EQ(editor_->BlockEnd(), row.End);
    }
}

}  // namespace
