// The print preview dialog worked through the message loop: the commands'
// keys page through the engine with the status bar following, the zoom
// menu and the clicks on the page change the scale, the print command
// names the printer and prints to it, and the application's hints reach
// the status bar only while the dialog is up.
#include "editor_services/printing/syn_preview_dlg.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "tests/editor/syn_view_test_support.h"
#include "tests/platform/ui/printer_test_support.h"
#include "editor_services/printing/syn_print_preview.h"
#include "editor_services/printing/syn_text_print.h"
#include "platform/base/string_list.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/printing/printer.h"
#include "platform/ui/widgets/status_bar.h"
#include "platform/ui/widgets/tool_bar.h"
#include "platform/win/headless_input.h"

namespace {

class PreviewDlgTest : public TPrintTestFolderOn<TEditorViewTest> {
protected:
    void SetUp() override
    {
        TPrintTestFolderOn<TEditorViewTest>::SetUp();
        setenv("CUPS_SERVER", (Folder + "/no-cups.sock").c_str(), 1);
        Printer().Refresh();
        Printer().SetPrinterIndex(Printer().Printers()->Count() - 1);
        Printer().FileName = Folder + "/preview.pdf";
        print_.Font()->SetName(kTestFontName);
        print_.Font()->SetSize(10);
        TStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines.Add("說門中 line " + std::to_string(i));
        print_.SetLines(&lines);
    }
    void TearDown() override
    {
        EXPECT_EQ(TModalAnswers::Count(), 0) << "the dialog did not come up";
        TModalAnswers::Clear();
        TPrintTestFolderOn<TEditorViewTest>::TearDown();
    }
    // Runs the dialog on print_ and works it with Steps; Steps closes it.
    void Run(const std::function<void(TSynPreviewDlg* Dialog)>& Steps)
    {
        TModalAnswers::Push([Steps](const TModalRequest& Request) {
            Pump();
            Steps(static_cast<TSynPreviewDlg*>(Request.Form));
            Pump();
            return mrNone;
        });
        TSynPreviewDlg dialog(nullptr);
        dialog.ExecutePreview(&print_);
    }
    static AnsiString Panel(TSynPreviewDlg* Dialog, int Index)
    {
        return Dialog->StatusBar->Panels()->Items(Index)->Text();
    }
    // Through the application's loop, which offers Alt keys to the form
    // before its controls.
    static void Key(UINT VirtualKey, UINT Modifiers)
    {
        InjectKeyStroke(VirtualKey, Modifiers);
        Application->ProcessMessages();
    }
    static void ClickPage(TSynPreviewDlg* Dialog, int Button)
    {
        TSynTextPrintPreview* preview = Dialog->SynTextPrintPreview;
        InjectClick(preview->ClientToScreen(Point(preview->Width() / 2, preview->Height() / 2)), Button);
        Pump();
    }

    TSynTextPrint print_;
};

TEST_F(PreviewDlgTest, KeysPageThroughTheEngineAndTheStatusBarFollows)
{
    bool ran = false;
    Run([&](TSynPreviewDlg* d) {
        ran = true;
        EXPECT_EQ(d->Caption(), "打印预览");
        EXPECT_EQ(d->WindowState(), wsMaximized);
        EXPECT_EQ(d->SynTextPrintPreview->ScaleMode(), pscWholePage);
        EXPECT_EQ(d->SynTextPrintPreview->BorderStyle(), bsNone);
        EXPECT_EQ(d->StatusBar->Panels()->Items(0)->Width(), 400);
        EXPECT_EQ(d->StatusBar->Panels()->Items(1)->Width(), 100);
        ASSERT_GE(print_.PageCount(), 3);
        EXPECT_EQ(d->SynTextPrintPreview->PageNumber(), 1);
        EXPECT_EQ(Panel(d, 1), " 页: 1");

        Key('N', InjectAlt);
        Key('N', InjectAlt);
        EXPECT_EQ(d->SynTextPrintPreview->PageNumber(), 3);
        EXPECT_EQ(Panel(d, 1), " 页: 3");
        Key('P', InjectAlt);
        EXPECT_EQ(Panel(d, 1), " 页: 2");
        Key('L', InjectAlt);
        EXPECT_EQ(d->SynTextPrintPreview->PageNumber(), print_.PageCount());
        EXPECT_EQ(Panel(d, 1), " 页: " + std::to_string(print_.PageCount()));
        Key('N', InjectAlt);  // stays on the last page
        EXPECT_EQ(d->SynTextPrintPreview->PageNumber(), print_.PageCount());
        Key('F', InjectAlt);
        EXPECT_EQ(Panel(d, 1), " 页: 1");
        Key('C', InjectAlt);
        EXPECT_EQ(d->ModalResult(), mrCancel);
    });
    EXPECT_TRUE(ran);
}

TEST_F(PreviewDlgTest, ZoomMenuAndClicksOnThePageScale)
{
    Run([&](TSynPreviewDlg* d) {
        TSynTextPrintPreview* preview = d->SynTextPrintPreview;
        EXPECT_EQ(d->ZoomBtn->DropdownMenu(), d->ZoomMenu);
        EXPECT_EQ(d->ZoomBtn->Action(), d->ZoomCmd);
        TMenuItem* items = d->ZoomMenu->Items();
        ASSERT_EQ(items->Count(), 8);
        const char* captions[] = {"整页显示", "页面宽度", "-", "显示比例 - 25%", "显示比例 - 50%",
                                  "显示比例 - 100%", "显示比例 - 200%", "显示比例 - 400%"};
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(items->Items(i)->Caption(), captions[i]);

        // A left click on the whole page shows it at its real size.
        ClickPage(d, 1);
        EXPECT_EQ(preview->ScaleMode(), pscUserScaled);
        EXPECT_EQ(preview->ScalePercent(), 100);
        ClickPage(d, 1);
        EXPECT_EQ(preview->ScalePercent(), 200);
        items->Items(1)->Click();
        EXPECT_EQ(preview->ScaleMode(), pscPageWidth);
        items->Items(6)->Click();
        EXPECT_EQ(preview->ScaleMode(), pscUserScaled);
        EXPECT_EQ(preview->ScalePercent(), 200);
        preview->SetScalePercent(300);
        ClickPage(d, 1);
        EXPECT_EQ(preview->ScalePercent(), 400);
        ClickPage(d, 1);  // never past 400 %
        EXPECT_EQ(preview->ScalePercent(), 400);
        items->Items(3)->Click();
        EXPECT_EQ(preview->ScalePercent(), 25);
        preview->SetScalePercent(30);
        ClickPage(d, 2);
        EXPECT_EQ(preview->ScalePercent(), 25);
        preview->SetScalePercent(101);
        ClickPage(d, 3);
        EXPECT_EQ(preview->ScalePercent(), 50);
        Key('Z', InjectAlt);
        EXPECT_EQ(preview->ScaleMode(), pscWholePage);
        items->Items(0)->Click();
        EXPECT_EQ(preview->ScaleMode(), pscWholePage);
        d->CloseCmd->Execute();
    });
}

TEST_F(PreviewDlgTest, PrintCommandNamesThePrinterAndPrintsEveryPage)
{
    struct stat info {};
    Run([&](TSynPreviewDlg* d) {
        EXPECT_EQ(d->PrintCmd->Caption(), "打印");
        EXPECT_EQ(d->PrintCmd->ShortCut(), scCtrl | 'P');
        EXPECT_EQ(d->PrintCmd->Hint(),
                  AnsiString("打印 (") + PdfPrinterName + ")|打印这个文档在打印机 " + PdfPrinterName);
        Key('N', InjectAlt);
        Key('P', InjectCtrl);
        EXPECT_EQ(stat((Folder + "/preview.pdf").c_str(), &info), 0);
        // Printing builds the preview again; the page shown stays.
        EXPECT_EQ(d->SynTextPrintPreview->PageNumber(), 2);
        d->CloseCmd->Execute();
    });
    EXPECT_EQ(PdfPageCount(Folder + "/preview.pdf"), print_.PageCount());
}

TEST_F(PreviewDlgTest, ApplicationHintsShowInTheStatusBarOnlyWhileUp)
{
    int heard = 0;
    Application->OnHint = TNotifyEvent::FromCallable([&](TObject*) { ++heard; });
    Run([&](TSynPreviewDlg* d) {
        // The mouse over a command's button shows its long hint.
        TToolButton* next = d->ToolBar->Buttons(2);
        ASSERT_EQ(next->Action(), d->NextCmd);
        InjectMouseMove(next->ClientToScreen(Point(next->Width() / 2, next->Height() / 2)));
        Pump();
        EXPECT_EQ(Panel(d, 0), "  跳转到下一页");
        Application->SetHint("說門");
        EXPECT_EQ(Panel(d, 0), "  說門");
        d->CloseCmd->Execute();
    });
    EXPECT_EQ(heard, 0);
    Application->SetHint("after");
    EXPECT_EQ(heard, 1);
    Application->OnHint = TNotifyEvent();
    Application->SetHint("");
}

}  // namespace
