// The page setup dialog worked through the message loop: every field filled
// from the print engine and read back on OK, nothing written on Cancel, a
// units switch that converts the margins, and a margin that is no number,
// which keeps the dialog open on that edit until it is mended.
#include "editor_services/printing/syn_page_setup_dlg.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/editor/syn_view_test_support.h"
#include "editor_services/printing/syn_text_print.h"
#include "platform/base/strings.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/textedit/rich_edit.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/widgets/page_control.h"
#include "platform/ui/widgets/tab_sheet.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"

namespace {

class PageSetupTest : public TEditorViewTest {
protected:
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        TSynTextPrintMargins* margins = print_.Margins();
        margins->UnitSystem = usCM;
        margins->SetLeft(2.5);
        margins->SetRight(1.25);
        margins->SetTop(3);
        margins->SetBottom(2);
        margins->SetHeader(1.5);
        margins->MirrorMargins = true;
        print_.LineNumbers = true;
        print_.Wrap = false;
        print_.Colors = true;
        TFont bold;
        bold.SetName("Arial");
        bold.SetSize(14);
        bold.SetStyle({fsBold});
        print_.Header()->Add("$TITLE$ 說門", &bold, taLeftJustify, 1);
        print_.Header()->Add("$PAGENUM$/$PAGECOUNT$", print_.Header()->DefaultFont(), taRightJustify, 1);
        print_.Footer()->Add("中 footer", print_.Footer()->DefaultFont(), taCenter, 1);
        print_.Footer()->FrameTypes = TFrameTypes{ftBox, ftShaded};
        print_.Footer()->LineColor = clRed;
    }
    void TearDown() override
    {
        EXPECT_EQ(TModalAnswers::Count(), 0) << "a dialog did not come up";
        TModalAnswers::Clear();
        TEditorViewTest::TearDown();
    }
    bool Run(const std::function<void(TSynPageSetupDlg* Dialog)>& Steps)
    {
        TModalAnswers::Push([Steps](const TModalRequest& Request) {
            Steps(static_cast<TSynPageSetupDlg*>(Request.Form));
            Pump();
            return mrNone;
        });
        TSynPageSetupDlg dialog(nullptr);
        return dialog.ExecutePageSetup(&print_);
    }
    static void Retype(TEdit* Edit, const AnsiString& Text)
    {
        Edit->SetFocus();
        Pump();
        InjectKeyStroke('A', InjectCtrl);
        InjectText(Text);
        Pump();
    }

    TSynTextPrint print_;
};

TEST_F(PageSetupTest, FieldsComeFromTheEngineAndGoBackOnOK)
{
    EXPECT_TRUE(Run([](TSynPageSetupDlg* d) {
        EXPECT_EQ(d->CBUnits->ItemIndex(), usCM);
        EXPECT_EQ(d->EditLeft->Text(), "2.5");
        EXPECT_EQ(d->EditRight->Text(), "1.25");
        EXPECT_EQ(d->EditTop->Text(), "3");
        EXPECT_EQ(d->EditHeader->Text(), "1.5");
        EXPECT_TRUE(d->CBMirrorMargins->Checked());
        EXPECT_TRUE(d->CBLineNumbers->Checked());
        EXPECT_FALSE(d->CBWrap->Checked());
        EXPECT_TRUE(d->CBColors->Checked());
        EXPECT_TRUE(d->Heads[0].LineFrame->Checked());
        EXPECT_TRUE(d->Heads[1].Box->Checked());
        EXPECT_TRUE(d->Heads[1].ShadowFrame->Checked());
        EXPECT_FALSE(d->Heads[1].LineFrame->Checked());
        EXPECT_EQ(d->Heads[1].LineColor, clRed);
        EXPECT_EQ(d->Heads[0].Text[0]->Text(), "$TITLE$ 說門");
        EXPECT_EQ(d->Heads[0].Text[1]->Text(), "");
        EXPECT_EQ(d->Heads[0].Text[2]->Text(), "$PAGENUM$/$PAGECOUNT$");
        EXPECT_EQ(d->Heads[1].Text[1]->Text(), "中 footer");
        const TFont& font = d->Heads[0].Text[0]->FormatAt(3);
        EXPECT_EQ(font.Name(), "Arial");
        EXPECT_EQ(font.Size(), 14);
        EXPECT_TRUE(font.Style().Contains(fsBold));

        Retype(d->EditLeft, "4.75");
        d->CBWrap->SetChecked(true);
        d->PageControl->SetActivePageIndex(1);
        auto* centre = static_cast<TTabSheet*>(d->Heads[0].Text[1]->Parent());
        centre->PageControl()->SetActivePage(centre);
        d->Heads[0].Text[1]->SetFocus();
        Pump();
        InjectText("門 a");
        InjectKeyStroke(VK_RETURN);
        InjectText("b");
        Pump();
        d->btnOK->Click();
    }));
    TSynTextPrintMargins* margins = print_.Margins();
    EXPECT_EQ(margins->UnitSystem, usCM);
    EXPECT_DOUBLE_EQ(margins->Left(), 4.75);
    EXPECT_DOUBLE_EQ(margins->Right(), 1.25);
    EXPECT_DOUBLE_EQ(margins->Header(), 1.5);
    EXPECT_TRUE(margins->MirrorMargins);
    EXPECT_TRUE(print_.Wrap);
    EXPECT_TRUE(print_.LineNumbers);
    THeader* header = print_.Header();
    ASSERT_EQ(header->Count(), 4);
    EXPECT_EQ(header->Get(0)->Text, "$TITLE$ 說門");
    EXPECT_EQ(header->Get(0)->Font()->Name(), "Arial");
    EXPECT_TRUE(header->Get(0)->Font()->Style().Contains(fsBold));
    EXPECT_EQ(header->Get(1)->Text, "門 a");
    EXPECT_EQ(header->Get(1)->Alignment, taCenter);
    EXPECT_EQ(header->Get(2)->Text, "b");
    EXPECT_EQ(header->Get(2)->LineNumber, 2);
    EXPECT_EQ(header->Get(3)->Alignment, taRightJustify);
    EXPECT_EQ(print_.Footer()->FrameTypes, (TFrameTypes{ftBox, ftShaded}));
    EXPECT_EQ(print_.Footer()->LineColor, clRed);
}

TEST_F(PageSetupTest, CancelWritesNothing)
{
    EXPECT_FALSE(Run([](TSynPageSetupDlg* d) {
        Retype(d->EditLeft, "9");
        d->CBLineNumbers->SetChecked(false);
        d->Heads[0].Text[0]->Clear();
        InjectKeyStroke(VK_ESCAPE);
    }));
    EXPECT_DOUBLE_EQ(print_.Margins()->Left(), 2.5);
    EXPECT_TRUE(print_.LineNumbers);
    EXPECT_EQ(print_.Header()->Count(), 2);
}

TEST_F(PageSetupTest, SwitchingUnitsConvertsTheEdits)
{
    print_.Margins()->UnitSystem = usMM;
    print_.Margins()->SetLeft(25);
    Run([](TSynPageSetupDlg* d) {
        EXPECT_EQ(d->EditLeft->Text(), "25");
        Retype(d->EditTop, "40");
        d->CBUnits->SetFocus();
        Pump();
        InjectKeyStroke(VK_DOWN);
        Pump();
        EXPECT_EQ(d->CBUnits->ItemIndex(), usCM);
        EXPECT_EQ(d->EditLeft->Text(), "2.5");
        EXPECT_EQ(d->EditTop->Text(), "4");
        d->btnOK->Click();
    });
    EXPECT_EQ(print_.Margins()->UnitSystem, usCM);
    EXPECT_DOUBLE_EQ(print_.Margins()->Top(), 4);
    print_.Margins()->UnitSystem = usMM;
    EXPECT_DOUBLE_EQ(print_.Margins()->Left(), 25);
}

// The number is checked on OK, while the user can still mend it: the
// dialog stays up with the wrong edit focused, and once mended every margin
// after it is read too.
TEST_F(PageSetupTest, AMarginThatIsNoNumberKeepsTheDialogOpenOnIt)
{
    // The form's loop closes after each of its answers: the message box
    // comes between the first and the second.
    std::vector<AnsiString> messages;
    TModalAnswers::Push([&](const TModalRequest& Request) {
        auto* d = static_cast<TSynPageSetupDlg*>(Request.Form);
        Retype(d->EditTop, "3x");
        Retype(d->EditFooter, "2.25");
        d->EditLeft->SetFocus();
        Pump();
        InjectKeyStroke(VK_RETURN);
        Pump();
        return mrNone;
    });
    TModalAnswers::Push([&](const TModalRequest& Request) {
        messages.push_back(Request.Text);
        return IDOK;
    });
    TModalAnswers::Push([&](const TModalRequest& Request) {
        auto* d = static_cast<TSynPageSetupDlg*>(Request.Form);
        EXPECT_EQ(messages, (std::vector<AnsiString>{"Invalid number!"}));
        EXPECT_TRUE(d->Visible());
        EXPECT_EQ(d->ActiveControl(), d->EditTop);
        InjectKeyStroke(VK_END);
        InjectKeyStroke(VK_BACK);
        InjectKeyStroke(VK_RETURN);
        Pump();
        return mrNone;
    });
    TSynPageSetupDlg dialog(nullptr);
    EXPECT_TRUE(dialog.ExecutePageSetup(&print_));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_DOUBLE_EQ(print_.Margins()->Top(), 3);
    EXPECT_DOUBLE_EQ(print_.Margins()->Footer(), 2.25);
}

TEST_F(PageSetupTest, MarginsThatLeaveNoRoomForTextAreRefusedOnTheWidestOne)
{
    // 2540 mm of left margin, then 300 cm of bottom margin: each is
    // refused on OK with its edit focused, until both are mended.
    std::vector<AnsiString> messages;
    auto answerBox = [&] {
        TModalAnswers::Push([&](const TModalRequest& Request) {
            messages.push_back(Request.Text);
            return IDOK;
        });
    };
    TModalAnswers::Push([&](const TModalRequest& Request) {
        auto* d = static_cast<TSynPageSetupDlg*>(Request.Form);
        Retype(d->EditLeft, "254");
        Retype(d->EditRight, "3");
        d->PageControl->SetActivePageIndex(1);
        d->btnOK->SetFocus();
        Pump();
        InjectKeyStroke(VK_RETURN);
        Pump();
        return mrNone;
    });
    answerBox();
    TModalAnswers::Push([&](const TModalRequest& Request) {
        auto* d = static_cast<TSynPageSetupDlg*>(Request.Form);
        EXPECT_EQ(messages, (std::vector<AnsiString>{"页边距太大，页面上没有留下打印文本的宽度。"}));
        EXPECT_EQ(d->PageControl->ActivePageIndex(), 0);
        EXPECT_EQ(d->ActiveControl(), d->EditLeft);
        Retype(d->EditLeft, "2");
        Retype(d->EditBottom, "30");
        InjectKeyStroke(VK_RETURN);
        Pump();
        return mrNone;
    });
    answerBox();
    TModalAnswers::Push([&](const TModalRequest& Request) {
        auto* d = static_cast<TSynPageSetupDlg*>(Request.Form);
        EXPECT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages.back(), "页边距太大，页面上没有留下打印文本的高度。");
        EXPECT_EQ(d->ActiveControl(), d->EditBottom);
        InjectKeyStroke('A', InjectCtrl);
        InjectText("2");
        InjectKeyStroke(VK_RETURN);
        Pump();
        return mrNone;
    });
    TSynPageSetupDlg dialog(nullptr);
    EXPECT_TRUE(dialog.ExecutePageSetup(&print_));
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_DOUBLE_EQ(print_.Margins()->Left(), 2);
    EXPECT_DOUBLE_EQ(print_.Margins()->Bottom(), 2);
}

// The context menu of the header and footer boxes: its commands work only
// while the box entered last has the focus, macros go in at the selection,
// and the font and styles change the caret's line of that box alone, the
// caret coming back where it was.
TEST_F(PageSetupTest, TheBoxesMenuTypesMacrosAndStylesTheCaretLine)
{
    print_.Header()->Clear();
    print_.Footer()->Clear();
    EXPECT_TRUE(Run([](TSynPageSetupDlg* d) {
        TAction* const commands[] = {d->PageNumCmd, d->PagesCmd, d->TimeCmd, d->DateCmd, d->TitleCmd,
                                     d->FontCmd, d->BoldCmd, d->ItalicCmd, d->UnderlineCmd};
        const char* const captions[] = {"页码(&N)", "页数(&P)", "时间(&T)", "日期(&D)", "标题(&T)",
                                        "字体(&F)", "粗体(&B)", "斜体(&I)", "下划线(&U)"};
        ASSERT_EQ(d->HeadMenu->Items()->Count(), 9);
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(d->HeadMenu->Items()->Items(i)->Caption(), captions[i]);
            EXPECT_FALSE(commands[i]->Enabled()) << captions[i];
        }
        EXPECT_EQ(d->PagesCmd->Hint(), "Num. pages");
        TRichEdit* right = d->Heads[0].Text[2];
        EXPECT_EQ(right->PopupMenu(), d->HeadMenu);
        d->PageControl->SetActivePageIndex(1);
        auto* sheet = static_cast<TTabSheet*>(right->Parent());
        sheet->PageControl()->SetActivePage(sheet);
        right->SetFocus();
        Pump();
        EXPECT_EQ(d->CurrentBox(), right);
        EXPECT_TRUE(d->PageNumCmd->Enabled());

        // Right-click, then the item's key: the page number goes in at the caret.
        InjectText("第頁 ");
        InjectClick(right->ClientToScreen(Point(40, 5)), 2);
        InjectKeyStroke('N');
        Application->ProcessMessages();
        InjectText(" / ");
        Pump();
        d->PagesCmd->Execute();
        EXPECT_EQ(right->Text(), "第頁 $PAGENUM$ / $PAGECOUNT$");

        // Two lines; the caret on the first, after 第頁: only that line turns bold.
        InjectKeyStroke(VK_RETURN);
        InjectText("說門 x");
        Pump();
        right->SetSelStart(4);
        Pump();
        d->BoldCmd->Execute();
        EXPECT_EQ(right->SelStart(), 4);
        EXPECT_EQ(right->SelLength(), 0);
        EXPECT_TRUE(right->FormatAt(0).Style().Contains(fsBold));
        EXPECT_TRUE(right->FormatAt(20).Style().Contains(fsBold));
        const int second = static_cast<int>(right->Perform(EM_LINEINDEX, 1, 0));
        EXPECT_FALSE(right->FormatAt(second).Style().Contains(fsBold));
        d->BoldCmd->Execute();
        EXPECT_FALSE(right->FormatAt(0).Style().Contains(fsBold));

        // The caret on the second line.
        InjectKeyStroke(VK_DOWN);
        Pump();
        d->ItalicCmd->Execute();
        d->UnderlineCmd->Execute();
        EXPECT_EQ(right->SelStart(), second + 4);
        EXPECT_TRUE(right->FormatAt(second).Style().Contains(fsItalic));
        EXPECT_FALSE(right->FormatAt(0).Style().Contains(fsItalic));

        // The font dialog starts from the line's font and gives it a size.
        TModalAnswers::Push([](const TModalRequest&) {
            Pump();
            InjectKeyStroke('S', InjectAlt);
            InjectText("13");
            InjectKeyStroke(VK_RETURN);
            Pump();
            return mrNone;
        });
        d->FontCmd->Execute();
        EXPECT_EQ(right->FormatAt(second + 2).Size(), 13);
        EXPECT_TRUE(right->FormatAt(second + 2).Style().Contains(fsItalic));
        EXPECT_NE(right->FormatAt(0).Size(), 13);
        TModalAnswers::Push(mrCancel);
        d->FontCmd->Execute();
        EXPECT_EQ(right->FormatAt(second).Size(), 13);

        // Another box: its own caret, its own line.
        TRichEdit* left = d->Heads[1].Text[0];
        auto* footerSheet = static_cast<TTabSheet*>(left->Parent());
        footerSheet->PageControl()->SetActivePage(footerSheet);
        left->SetFocus();
        Pump();
        InjectText("a");
        Pump();
        d->UnderlineCmd->Execute();
        EXPECT_TRUE(left->FormatAt(0).Style().Contains(fsUnderline));
        EXPECT_FALSE(right->FormatAt(0).Style().Contains(fsUnderline));

        // Leaving for the mirror box turns the commands off.
        d->Heads[1].Mirror->SetFocus();
        Pump();
        EXPECT_FALSE(d->TitleCmd->Enabled());
        d->btnOK->Click();
    }));
    THeader* header = print_.Header();
    ASSERT_EQ(header->Count(), 2);
    EXPECT_EQ(header->Get(0)->Text, "第頁 $PAGENUM$ / $PAGECOUNT$");
    EXPECT_EQ(header->Get(0)->Alignment, taRightJustify);
    EXPECT_EQ(header->Get(1)->Font()->Size(), 13);
    EXPECT_EQ(header->Get(1)->Font()->Style(), (TFontStyles{fsItalic, fsUnderline}));
    ASSERT_EQ(print_.Footer()->Count(), 1);
    EXPECT_TRUE(print_.Footer()->Get(0)->Font()->Style().Contains(fsUnderline));
}

}  // namespace
