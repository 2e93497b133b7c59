// The common dialogs installed where the document editor, the printer and
// the colour boxes look for them, each answered as a user would through
// the modal test hook: a file inserted through the open dialog, an export
// named in the save dialog, printing a page range chosen in the print
// dialog to the PDF printer (which asks for its file with the save
// dialog), a quick print asking the same, and a custom colour mixed in
// the colour dialog showing in the colour box.
#include "editor_services/dialogs/syn_common_dialogs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "tests/editor/syn_view_test_support.h"
#include "tests/platform/ui/printer_test_support.h"
#include "editor_services/export/syn_exporter_rtf.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/printing/syn_text_print.h"
#include "platform/base/set.h"
#include "platform/gdi/colors.h"
#include "platform/ui/dialogs/color_dialog.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/printing/printer.h"
#include "platform/ui/widgets/color_box.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"

namespace {

class CommonDialogsTest : public TPrintTestFolderOn<TEditorViewTest> {
protected:
    void SetUp() override
    {
        TPrintTestFolderOn<TEditorViewTest>::SetUp();
        savedSave_ = SynSaveDialogFactory;
        savedPrint_ = SynPrintDialogFactory;
        savedPdf_ = AskPdfFileHook;
        savedColor_ = PickCustomColorHook;
        InstallSynCommonDialogs();
        setenv("CUPS_SERVER", (Folder + "/no-cups.sock").c_str(), 1);
        Printer().Refresh();
        Printer().SetPrinterIndex(Printer().Printers()->Count() - 1);
        Printer().FileName.clear();

        editor_ = new TSynTextEditor(host_.get());
        editor_->SetBounds(0, 0, 500, 300);
        editor_->SetParent(host_.get());
        editor_->HandleNeeded();
        Pump();
    }
    void TearDown() override
    {
        EXPECT_EQ(TModalAnswers::Count(), 0) << "a dialog did not come up";
        TModalAnswers::Clear();
        SynSaveDialogFactory = savedSave_;
        SynPrintDialogFactory = savedPrint_;
        AskPdfFileHook = savedPdf_;
        PickCustomColorHook = savedColor_;
        TPrintTestFolderOn<TEditorViewTest>::TearDown();
    }
    static void Process() { Application->ProcessMessages(); }
    // Answers the next modal form with Work, then runs what it queued.
    static void Answer(const std::function<void(TCustomForm* Form)>& Work)
    {
        TModalAnswers::Push([Work](const TModalRequest& Request) {
            Process();
            Work(Request.Form);
            Process();
            return mrNone;
        });
    }
    // A file dialog answered with a full name typed into its name box.
    static void AnswerName(const AnsiString& Name, AnsiString* Caption = nullptr)
    {
        Answer([=](TCustomForm* Form) {
            if (Caption)
                *Caption = Form->Caption();
            InjectKeyStroke('N', InjectAlt);
            InjectKeyStroke(VK_HOME);
            InjectKeyStroke(VK_END, InjectShift);
            InjectText(Name);
            InjectKeyStroke(VK_RETURN);
        });
    }

    TSynTextEditor* editor_ = nullptr;

private:
    TSynSaveDialogFactory savedSave_;
    TSynPrintDialogFactory savedPrint_;
    TAskPdfFileHook savedPdf_ = nullptr;
    TPickColorHook savedColor_ = nullptr;
};

TEST_F(CommonDialogsTest, InsertFileAndExportGoThroughTheFileDialogs)
{
    const std::string inserted = Folder + "/in.txt";
    std::FILE* file = std::fopen(inserted.c_str(), "wb");
    std::fputs("說門\r\n中 text", file);
    std::fclose(file);
    editor_->SetText("before after");
    editor_->SetSelStart(7);
    editor_->SetSelEnd(12);

    TOpenDialog open(nullptr);
    TSynCommonFileDialog dialog(&open);
    AnsiString caption;
    AnswerName(inserted, &caption);
    EXPECT_TRUE(editor_->InsertFile("", &dialog, {doSelection, doDefine}));
    EXPECT_EQ(caption, "打开文档...");
    EXPECT_EQ(editor_->Text(), "before 說門\r\n中 text");
    EXPECT_EQ(open.FileName, inserted);

    TModalAnswers::Push(mrCancel);
    EXPECT_FALSE(editor_->InsertFile("", &dialog, {doSelection, doDefine}));

    TSynExporterRTF exporter(nullptr);
    AnswerName(Folder + "/out", &caption);
    editor_->ExportDocument("doc", &exporter, {doDefine, doReset});
    EXPECT_EQ(caption, "导出文档 doc");
    EXPECT_EQ(Output("head -c 5 '" + Folder + "/out.rtf'"), "{\\rtf");
    EXPECT_EQ(editor_->DocumentName(), Folder + "/out.rtf");
}

TEST_F(CommonDialogsTest, PrintingWithTheDialogPrintsTheRangeChosenToTheFileAskedFor)
{
    AnsiString text;
    for (int i = 1; i <= 200; ++i)
        text += "line 說門 " + std::to_string(i) + "\r\n";
    editor_->SetText(text);
    TSynTextPrint print;
    Answer([&](TCustomForm*) {
        InjectKeyStroke('G', InjectAlt);
        for (auto [letter, value] : {std::pair<char, const char*>{'F', "2"}, {'T', "3"}}) {
            InjectKeyStroke(static_cast<UINT>(letter), InjectAlt);
            InjectKeyStroke(VK_HOME);
            InjectKeyStroke(VK_END, InjectShift);
            InjectText(value);
        }
        InjectKeyStroke(VK_RETURN);
    });
    AnswerName(Folder + "/range");
    editor_->ExecuteCommand(906, '1', &print);
    ASSERT_GE(print.PageCount(), 4);
    EXPECT_EQ(PdfPageCount(Folder + "/range.pdf"), 2);

    // A quick print asks for its file too; cancelled, nothing is written.
    AnswerName(Folder + "/quick");
    editor_->ExecuteCommand(906, '\0', &print);
    EXPECT_EQ(PdfPageCount(Folder + "/quick.pdf"), print.PageCount());
    TModalAnswers::Push(mrCancel);
    editor_->ExecuteCommand(906, '\0', &print);
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"quick.pdf", "range.pdf"}));
}

TEST_F(CommonDialogsTest, TheColourBoxesCustomEntryTakesTheColourMixedInTheDialog)
{
    auto* box = new TColorBox(host_.get());
    box->SetBounds(10, 10, 150, 0);
    box->SetParent(host_.get());
    box->SetStyle(TColorBoxStyle{cbStandardColors, cbCustomColor, cbPrettyNames});
    box->SetSelected(clRed);
    SetActiveWindow(host_->Handle());
    box->SetFocus();
    Pump();
    Answer([](TCustomForm*) {
        InjectKeyStroke('D', InjectAlt);
        InjectKeyStroke('R', InjectAlt);
        InjectText("51");
        InjectKeyStroke(VK_TAB);
        InjectText("102");
        InjectKeyStroke(VK_TAB);
        InjectText("153");
        InjectKeyStroke(VK_RETURN);
    });
    InjectKeyStroke(VK_HOME);
    Process();
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_EQ(box->Selected(), static_cast<TColor>(RGB(51, 102, 153)));
}

}  // namespace
