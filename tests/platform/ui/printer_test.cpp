// The printer from the program's side: the list always ends with the PDF
// printer, a document printed through the canvas becomes a PDF file whose
// text and pages poppler reads back, the quick print asks for the file and
// a cancelled question prints nothing, and a job that cannot be written
// (no folder, a full disk) is an error that leaves no file behind.
#include <dirent.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/base/files.h"
#include "platform/gdi/device_context.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/printing/printer.h"
#include "printer_test_support.h"

namespace {

AnsiString printerAskedFile;
int askCount = 0;

bool AnswerFile(AnsiString& FileName)
{
    ++askCount;
    FileName = printerAskedFile;
    return true;
}

bool Cancel(AnsiString&)
{
    ++askCount;
    return false;
}

class PrinterTest : public TPrintTestFolder {
protected:
    void SetUp() override
    {
        TPrintTestFolder::SetUp();
        // No CUPS to be reached: the PDF printer alone.
        setenv("CUPS_SERVER", (Folder + "/no-cups.sock").c_str(), 1);
        printer_ = std::make_unique<TPrinter>();
        printer_->SetPrinterIndex(printer_->Printers()->Count() - 1);
        askCount = 0;
    }
    void TearDown() override
    {
        AskPdfFileHook = nullptr;
        printer_.reset();
        unsetenv("CUPS_SERVER");
        TPrintTestFolder::TearDown();
    }

    // Three pages of text in two fonts, the second with Chinese.
    void PrintThreePages()
    {
        printer_->Title = "Notes";
        printer_->BeginDoc();
        ASSERT_TRUE(printer_->Printing());
        TCanvas* canvas = printer_->Canvas();
        canvas->Font()->SetName("Arial");
        canvas->Font()->SetSize(12);
        canvas->TextOut(300, 300, "First page");
        printer_->NewPage();
        canvas->Font()->SetName("Courier New");
        canvas->TextOut(300, 300, "Second 說門這乗中");
        canvas->MoveTo(300, 600);
        canvas->LineTo(3000, 600);
        printer_->NewPage();
        EXPECT_EQ(printer_->PageNumber(), 3);
        canvas->TextOut(300, 300, "Third page");
        printer_->EndDoc();
        EXPECT_FALSE(printer_->Printing());
    }

    std::unique_ptr<TPrinter> printer_;
};

TEST_F(PrinterTest, WithoutCupsThePdfPrinterIsStillThere)
{
    ASSERT_EQ(printer_->Printers()->Count(), 1);
    EXPECT_EQ(printer_->Printers()->Strings(0), PdfPrinterName);
    EXPECT_EQ(printer_->PrinterIndex(), 0);
    EXPECT_NO_THROW(printer_->Refresh());
    EXPECT_TRUE(printer_->IsPdfPrinter());
}

TEST_F(PrinterTest, PageSizeFollowsPaperAndOrientation)
{
    EXPECT_EQ(printer_->PaperSize(), "A4");
    EXPECT_EQ(GetDeviceCaps(printer_->Handle(), LOGPIXELSY), 600);
    EXPECT_EQ(printer_->PageWidth(), 4961);
    EXPECT_EQ(printer_->PageHeight(), 7016);
    printer_->SetOrientation(poLandscape);
    EXPECT_EQ(printer_->PageWidth(), 7016);
    EXPECT_EQ(printer_->PageHeight(), 4961);
    printer_->SetPaperSize("Letter");
    EXPECT_EQ(printer_->PageWidth(), 6600);
    EXPECT_EQ(GetDeviceCaps(printer_->Handle(), PHYSICALHEIGHT), 5100);
    EXPECT_THROW(printer_->SetPaperSize("Napkin"), EPrinter);
}

TEST_F(PrinterTest, APrintedDocumentIsAPdfFileWithItsTextAndPages)
{
    const AnsiString name = Folder + "/notes 說.pdf";
    printer_->FileName = name;
    PrintThreePages();
    // The name was for that document alone.
    EXPECT_EQ(printer_->FileName, "");
    const std::string file = GbkToUtf8(name);
    EXPECT_EQ(PdfPageCount(file), 3);
    const std::string text = Output("pdftotext -enc UTF-8 '" + file + "' -");
    EXPECT_NE(text.find("First page"), std::string::npos) << text;
    EXPECT_NE(text.find("Second \xE8\xAA\xAA\xE9\x96\x80\xE9\x80\x99\xE4\xB9\x97\xE4\xB8\xAD"), std::string::npos) << text;
    EXPECT_NE(text.find("Third page"), std::string::npos) << text;
    EXPECT_EQ(FolderEntries().size(), 1u);  // the file alone, no temporary beside it
}

TEST_F(PrinterTest, AQuickPrintAsksForTheFileAndACancelPrintsNothing)
{
    AskPdfFileHook = Cancel;
    printer_->BeginDoc();
    EXPECT_EQ(askCount, 1);
    EXPECT_FALSE(printer_->Printing());
    EXPECT_TRUE(printer_->Aborted());
    EXPECT_NO_THROW(printer_->EndDoc());
    EXPECT_TRUE(FolderEntries().empty());

    AskPdfFileHook = AnswerFile;
    printerAskedFile = Folder + "/quick.pdf";
    PrintThreePages();
    EXPECT_EQ(askCount, 2);
    EXPECT_FALSE(printer_->Aborted());
    EXPECT_EQ(PdfPageCount(printerAskedFile), 3);
}

TEST_F(PrinterTest, AbortLeavesNoFile)
{
    printer_->FileName = Folder + "/aborted.pdf";
    printer_->BeginDoc();
    printer_->Canvas()->TextOut(300, 300, "Never printed");
    printer_->NewPage();
    printer_->Abort();
    EXPECT_FALSE(printer_->Printing());
    EXPECT_TRUE(printer_->Aborted());
    EXPECT_TRUE(FolderEntries().empty());
    // The printer is ready for the next document, which names its own file.
    EXPECT_EQ(printer_->FileName, "");
    printer_->FileName = Folder + "/aborted.pdf";
    PrintThreePages();
    EXPECT_EQ(PdfPageCount(Folder + "/aborted.pdf"), 3);
}

TEST_F(PrinterTest, AnUnwritablePathIsAnErrorAndLeavesNoFile)
{
    // A folder that cannot exist: its parent is a file.
    FILE* plain = std::fopen((Folder + "/plain").c_str(), "w");
    std::fclose(plain);
    printer_->FileName = Folder + "/plain/out.pdf";
    printer_->BeginDoc();
    printer_->Canvas()->TextOut(300, 300, "Lost");
    EXPECT_THROW(printer_->EndDoc(), EPrinter);
    EXPECT_FALSE(printer_->Printing());
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"plain"});
}

// The disk fills while the document is written: the print fails, and the
// document printed before under that name stays whole, with nothing beside it.
TEST_F(PrinterTest, AFullDiskIsAnErrorAndLeavesNoPartialFile)
{
    printer_->FileName = Folder + "/notes.pdf";
    PrintThreePages();
    const std::vector<std::string> before = FolderEntries();
    const int result = WithFullDisk(4096, [this] {
        printer_->FileName = Folder + "/notes.pdf";
        printer_->BeginDoc();
        printer_->Canvas()->TextOut(300, 300, "Too much for the disk 說門");
        try {
            printer_->EndDoc();
        } catch (const EPrinter&) {
            return printer_->Printing() ? 2 : 0;
        }
        return 1;
    });
    EXPECT_EQ(result, 0) << "1: no error; 2: still printing";
    EXPECT_EQ(FolderEntries(), before);
    EXPECT_EQ(PdfPageCount(Folder + "/notes.pdf"), 3);
}

}  // namespace
