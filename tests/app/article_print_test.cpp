// Printing an article from the main window: "$TITLE$" in the running head
// prints the title of the article being printed.
#include "app/node_editor.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/actions/syn_actions_print.h"
#include "editor_services/printing/syn_text_print.h"
#include "platform/ui/printing/printer.h"
#include "tests/app/main_window_test_support.h"
#include "tests/platform/ui/printer_test_support.h"

namespace {

std::string askedFile;

bool AnswerFile(AnsiString& FileName)
{
    FileName = askedFile;
    return true;
}

class TArticlePrintTest : public TPrintTestFolderOn<TMainWindowTest> {
protected:
    void SetUp() override
    {
        TPrintTestFolderOn<TMainWindowTest>::SetUp();
        // No CUPS: the PDF printer alone, which asks for its file.
        setenv("CUPS_SERVER", (Folder + "/no-cups.sock").c_str(), 1);
        Printer().Refresh();
        Printer().SetPrinterIndex(Printer().Printers()->Count() - 1);
        AskPdfFileHook = AnswerFile;
    }
    void TearDown() override
    {
        AskPdfFileHook = nullptr;
        unsetenv("CUPS_SERVER");
        TPrintTestFolderOn<TMainWindowTest>::TearDown();
    }
    // The quick print of the active article, as pdftotext reads it.
    std::string QuickPrinted(const std::string& Name)
    {
        askedFile = Folder + "/" + Name;
        actions_->aSynQuickPrint->Execute();
        Process();
        return Output("pdftotext '" + askedFile + "' - 2>/dev/null");
    }
};

TEST_F(TArticlePrintTest, TheTitleMacroPrintsTheArticlesTitle)
{
    CreateDataBase();
    NewNode(true, "Plan 說門");
    Type("body text");
    actions_->SynTextPrint->Header()->Add("[$TITLE$]", nullptr, taLeftJustify, 1);
    const std::string printed = QuickPrinted("first.pdf");
    EXPECT_NE(printed.find("[Plan \xE8\xAA\xAA\xE9\x96\x80]"), std::string::npos) << printed;
    EXPECT_NE(printed.find("body text"), std::string::npos) << printed;

    // A second article prints its own title.
    NewNode(true, "Second");
    Type("more");
    EXPECT_NE(QuickPrinted("second.pdf").find("[Second]"), std::string::npos);
    actions_->SynTextPrint->Header()->Clear();
}

}  // namespace
