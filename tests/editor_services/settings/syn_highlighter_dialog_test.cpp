// The highlighter dialogs worked with keys and clicks: the language list's
// find box (typed into directly or through the list, never matching inside
// a Chinese character), OK only with a row, a double-click; the customising
// dialog reached from it over two schemes read by the settings manager,
// whose changes show in every editor of the language, are dropped when the
// language is left or the dialog closed unless kept, and can be undone
// even after keeping; and the sample's caret choosing the element.

#include <gtest/gtest.h>

#include <functional>

#include "editor/highlighting/syn_highlighter_attributes.h"
#include "editor/syn_memo.h"
#include "editor_services/settings/syn_highlighter_dialog_custom.h"
#include "editor_services/settings/syn_highlighter_dialog_toggle.h"
#include "highlighter/syn_lex_syn.h"
#include "tests/editor_services/settings/manager_test_support.h"
#include "platform/base/strings.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/color_box.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "tests/highlighter/c_like_rules.h"
#include "tests/support/message_pump.h"

namespace {

void Pump() { PumpMessages(); }

TPoint CentreOf(TControl* Control)
{
    return Control->ClientToScreen(Point(Control->Width() / 2, Control->Height() / 2));
}

TPoint RowPoint(TListBox* List, int Row)
{
    const TRect row = List->ItemRect(Row);
    return List->ClientToScreen(Point(row.Left + 10, row.Top + row.Height() / 2));
}

class THighlighterDialogTest : public TManagerTest {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }

    void SetUp() override
    {
        TManagerTest::SetUp();
        TSynLexSyn c(nullptr);
        BuildCLikeRules(c);
        c.Info()->General.Name = "C";
        c.SetSampleSource("int x = 42;\r\n/* 說門 */");
        ASSERT_TRUE(c.SaveToFile(SchemesFolder() + "c.xml"));
        TSynLexSyn pascal(nullptr);
        pascal.Info()->General.Name = "Pascal";
        pascal.MainRules()->Name = "Code";
        auto* keywords = new TSynKeyList("begin\nend");
        keywords->Name = "Reserved";
        keywords->Attributes()->SetStyle({fsBold});
        pascal.MainRules()->AddKeyList(keywords);
        ASSERT_TRUE(pascal.SaveToFile(SchemesFolder() + "pascal.xml"));
        manager_->LoadSettings();
        ASSERT_EQ(manager_->Highlighters()->Count(), 2);
        EXPECT_TRUE(TakeReports().empty());
        // The manager's report recorder would answer the dialogs.
        TModalAnswers::Clear();
    }
    void TearDown() override
    {
        EXPECT_EQ(TModalAnswers::Count(), 0) << "a dialog did not come up";
        TModalAnswers::Clear();
        TManagerTest::TearDown();
    }

    TSynCustomHighlighter* Language(const char* Name)
    {
        return manager_->Highlighters()->GetHighlighter(manager_->Highlighters()->IndexOfLanguage(Name));
    }
    // The attribute C paints Token with, as every editor showing C gets it.
    TSynHighlighterAttributes* PaintedWith(const AnsiString& Token)
    {
        TSynCustomHighlighter* c = Language("C");
        c->ResetRange();
        c->SetLine(Token, 0);
        return c->GetTokenAttribute();
    }

    // Queues Steps for the next dialog; the dialog closes when they leave
    // it without a modal result.
    static void Answer(std::function<void(TCustomForm*)> Steps, int Close = mrNone)
    {
        TModalAnswers::Push([Steps, Close](const TModalRequest& Request) {
            Steps(Request.Form);
            Pump();
            return Close;
        });
    }

    // Runs the language list with Rows, Selected selected, worked by Steps;
    // answers the modal result, the selected row in Row.
    static int Toggle(const std::vector<AnsiString>& Rows, int Selected,
                      std::function<void(TToggleHighlighterDlg*)> Steps, int& Row)
    {
        Answer([Steps](TCustomForm* Form) { Steps(static_cast<TToggleHighlighterDlg*>(Form)); });
        TToggleHighlighterDlg dialog(nullptr);
        for (const AnsiString& row : Rows)
            dialog.ListBox1->Items()->Add(row);
        dialog.ListBox1->SetItemIndex(Selected);
        const int result = dialog.ShowModal();
        Row = dialog.ListBox1->ItemIndex();
        return result;
    }

    // Opens the customising dialog from the language list with Alt+U,
    // works it with Steps and closes it with its close button, or with
    // Escape when the focus is not in the sample (which takes the key);
    // then the list is cancelled.
    static void Customize(std::function<void(TCustomHLDlg*)> Steps, bool ByEscape = false)
    {
        Answer([](TCustomForm*) {
            InjectKeyStroke('U', InjectAlt);
            Pump();
            InjectKeyStroke(VK_ESCAPE);
        });
        Answer([Steps, ByEscape](TCustomForm* Form) {
            auto* dialog = static_cast<TCustomHLDlg*>(Form);
            Steps(dialog);
            Pump();
            if (ByEscape)
                InjectKeyStroke(VK_ESCAPE);
            else
                Click(dialog->Button1);
        });
        TToggleHighlighterDlg dialog(nullptr);
        dialog.ListBox1->Items()->Add("(无)");
        EXPECT_EQ(dialog.ShowModal(), mrCancel);
        // The customising dialog frees itself once closed.
        Pump();
        EXPECT_EQ(dialog.ComponentCount(), 6);
    }

    static AnsiString Element(TCustomHLDlg* Dialog) { return Dialog->ComboBox2->Text(); }
    static void Key(WORD Key, UINT Modifiers = 0)
    {
        InjectKeyStroke(Key, Modifiers);
        Pump();
    }
    static void Click(TControl* Control)
    {
        AdvanceClock(1000);  // never a double-click
        InjectClick(CentreOf(Control));
        Pump();
    }
};

const std::vector<AnsiString> Languages = {"(无)", "說明文字", "Fortran", "Pascal", "Object Pascal"};

TEST_F(THighlighterDialogTest, TheFindBoxSelectsTheFirstRowHoldingTheTextInAnyCase)
{
    std::vector<int> selected;
    int row = -1;
    auto note = [&](TToggleHighlighterDlg* Dialog) {
        Pump();
        selected.push_back(Dialog->ListBox1->ItemIndex());
    };
    const int result = Toggle(Languages, 0, [&](TToggleHighlighterDlg* Dialog) {
        EXPECT_EQ(Dialog->Caption(), "切换语法");
        EXPECT_TRUE(Dialog->Edit1->Focused());
        // 說 is D5 66: its trail byte is an "f", but no word of Fortran.
        InjectText("f");
        note(Dialog);
        InjectText("zz");  // no row: the selection stays
        note(Dialog);
        Dialog->Edit1->SetText("");
        note(Dialog);
        InjectText("AS");
        note(Dialog);
        InjectText("ob");
        note(Dialog);
        InjectKeyStroke(VK_RETURN);
    }, row);
    EXPECT_EQ(selected, (std::vector<int>{2, 2, 2, 3, 3}));
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(row, 3);
}

TEST_F(THighlighterDialogTest, KeysTypedInTheListGoToTheFindBoxAndTheArrowsStayInTheList)
{
    AnsiString found;
    std::vector<int> selected;
    int row = -1;
    const int result = Toggle(Languages, 0, [&](TToggleHighlighterDlg* Dialog) {
        InjectClick(RowPoint(Dialog->ListBox1, 1));
        Pump();
        EXPECT_TRUE(Dialog->ListBox1->Focused());
        InjectText("obj");
        Pump();
        selected.push_back(Dialog->ListBox1->ItemIndex());
        Key(VK_UP);
        selected.push_back(Dialog->ListBox1->ItemIndex());
        // Backspace and Left edit the find box: "ob" finds Object Pascal
        // again, "xob" nothing.
        Key(VK_BACK);
        selected.push_back(Dialog->ListBox1->ItemIndex());
        Key(VK_LEFT);
        Key(VK_LEFT);
        InjectText("x");
        Pump();
        found = Dialog->Edit1->Text();
        selected.push_back(Dialog->ListBox1->ItemIndex());
        EXPECT_TRUE(Dialog->ListBox1->Focused());
        InjectKeyStroke(VK_RETURN);
    }, row);
    EXPECT_EQ(selected, (std::vector<int>{4, 3, 4, 4}));
    EXPECT_EQ(found, "xob");
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(row, 4);
}

TEST_F(THighlighterDialogTest, OkNeedsARowADoubleClickChoosesOneAndEscapeCancels)
{
    bool openAfterOk = false;
    int row = 0;
    const int result = Toggle(Languages, -1, [&](TToggleHighlighterDlg* Dialog) {
        Key(VK_RETURN);
        Click(Dialog->Button2);
        openAfterOk = Dialog->ModalResult() == mrNone;
        AdvanceClock(1000);
        InjectClick(RowPoint(Dialog->ListBox1, 2));
        InjectClick(RowPoint(Dialog->ListBox1, 2));
    }, row);
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(row, 2);

    EXPECT_EQ(Toggle(Languages, 1, [](TToggleHighlighterDlg*) { InjectKeyStroke(VK_ESCAPE); }, row), mrCancel);
    EXPECT_EQ(row, 1);
}

TEST_F(THighlighterDialogTest, TheElementsAreTheRulesInTreeOrderAndTheSampleCaretChoosesOne)
{
    std::vector<AnsiString> languages, elements, chosen;
    Customize([&](TCustomHLDlg* Dialog) {
        EXPECT_EQ(Dialog->Caption(), "自定义语法");
        for (int i = 0; i < Dialog->ComboBox1->Items()->Count(); ++i)
            languages.push_back(Dialog->ComboBox1->Items()->Strings(i));
        for (int i = 0; i < 5; ++i)
            elements.push_back(Dialog->ComboBox2->Items()->Strings(i));
        // The first element until the sample's caret moves; then the
        // element of the token there: "int".
        chosen.push_back(Element(Dialog));
        Click(Dialog->SynText1);
        Key(VK_HOME, InjectCtrl);
        chosen.push_back(Element(Dialog));
        for (int i = 0; i < 8; ++i)
            Key(VK_RIGHT);  // on "42"
        chosen.push_back(Element(Dialog));
        Key(VK_DOWN);  // inside the comment, by 說門
        chosen.push_back(Element(Dialog));
        EXPECT_EQ(Dialog->ColorBox1->Selected(), clGreen);
    });
    EXPECT_EQ(languages, (std::vector<AnsiString>{"C", "Pascal"}));
    EXPECT_EQ(elements, (std::vector<AnsiString>{"Text", "Keyword", "Operator", "Number", "String"}));
    EXPECT_EQ(chosen, (std::vector<AnsiString>{"Text", "Keyword", "Number", "Comment"}));
}

TEST_F(THighlighterDialogTest, ChangesShowInEveryEditorAndAreDroppedWhenTheLanguageIsLeftUnkept)
{
    TColor changed = clNone;
    bool boldShown = false, restoredAfterLeaving = false;
    Customize([&](TCustomHLDlg* Dialog) {
        // Keyword: a colour by the keys in the foreground box, and bold.
        Key('E', InjectAlt);
        Key(VK_DOWN);
        EXPECT_EQ(Element(Dialog), "Keyword");
        Key('F', InjectAlt);
        Key(VK_DOWN);
        changed = Dialog->ColorBox1->Selected();
        Click(Dialog->CheckBox1);
        boldShown = PaintedWith("int")->Style().Contains(fsBold);
        // Number is a set: its change shows too.
        Dialog->SynText1->SetCaretXY(BufferCoord(9, 1));
        Pump();
        Click(Dialog->CheckBox3);
        EXPECT_TRUE(PaintedWith("42")->Style().Contains(fsItalic));
        // To Pascal and back, never kept.
        Key('L', InjectAlt);
        Key(VK_DOWN);
        EXPECT_EQ(Element(Dialog), "Code");
        restoredAfterLeaving = PaintedWith("int")->Foreground() == clNavy &&
                               !PaintedWith("int")->Style().Contains(fsBold) &&
                               !PaintedWith("42")->Style().Contains(fsItalic);
        Key(VK_UP);
        Key('E', InjectAlt);
        Key(VK_DOWN);
        EXPECT_EQ(Element(Dialog), "Keyword");
        EXPECT_EQ(Dialog->ColorBox1->Selected(), clNavy);
        EXPECT_FALSE(Dialog->CheckBox1->Checked());
    });
    EXPECT_NE(changed, clNavy);
    EXPECT_TRUE(boldShown);
    EXPECT_TRUE(restoredAfterLeaving);
}

TEST_F(THighlighterDialogTest, KeptChangesOutliveTheLanguageAndUndoStillGoesBackToItsStart)
{
    bool keptAfterLeaving = false, undoneAfterKeep = false, checkShowsUndo = false;
    Customize([&](TCustomHLDlg* Dialog) {
        Dialog->SynText1->SetCaretXY(BufferCoord(9, 1));  // Number
        Pump();
        Click(Dialog->CheckBox1);
        Click(Dialog->Button2);  // keep
        Click(Dialog->CheckBox2);
        Click(Dialog->Button3);  // undo: both go, though bold was kept
        undoneAfterKeep = PaintedWith("42")->Style().Empty();
        checkShowsUndo = !Dialog->CheckBox1->Checked() && !Dialog->CheckBox2->Checked();
        Click(Dialog->CheckBox2);
        Key('S', InjectAlt);  // keep underline
        Key('L', InjectAlt);
        Key(VK_DOWN);
        keptAfterLeaving = PaintedWith("42")->Style() == TFontStyles{fsUnderline};
        // Pascal changed but not kept: closing drops it.
        Key('E', InjectAlt);
        Click(Dialog->CheckBox3);
        EXPECT_EQ(Language("Pascal")->GetAttribute(0)->Style(), TFontStyles{fsItalic});
    });
    EXPECT_TRUE(undoneAfterKeep);
    EXPECT_TRUE(checkShowsUndo);
    EXPECT_TRUE(keptAfterLeaving);
    EXPECT_TRUE(Language("Pascal")->GetAttribute(0)->Style().Empty());
    // A set's attribute is its stored one: the kept underline stays.
    EXPECT_EQ(PaintedWith("42")->Style(), TFontStyles{fsUnderline});
}

TEST_F(THighlighterDialogTest, ClosingWithoutKeepingRestoresTheLanguageShown)
{
    Customize(
        [&](TCustomHLDlg* Dialog) {
            Key('E', InjectAlt);
            Key(VK_DOWN);
            Click(Dialog->CheckBox2);
            EXPECT_TRUE(PaintedWith("int")->Style().Contains(fsUnderline));
        },
        true);
    EXPECT_TRUE(PaintedWith("int")->Style().Empty());
}

}  // namespace
