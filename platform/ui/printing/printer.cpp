// TPrinter: the printer list, the printer DC with its canvas, and where a
// finished document goes (a PDF file written whole, or a CUPS job).
#include "platform/ui/printing/printer.h"

#include <unistd.h>

#include "platform/base/atomic_file.h"
#include "platform/base/files.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/printer_dc.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/printing/cups_printers.h"

TAskPdfFileHook AskPdfFileHook = nullptr;
const char* const PdfPrinterName = "PDF 文件";

TPrinter::TPrinter() : printers_(std::make_unique<TStringList>())
{
    Refresh();
}

TPrinter::~TPrinter()
{
    DropDC();
}

void TPrinter::Refresh()
{
    CheckNotPrinting();
    const AnsiString chosen = printerIndex_ >= 0 && printerIndex_ < printers_->Count() ? printers_->Strings(printerIndex_)
                                                                                        : AnsiString();
    printers_->Clear();
    for (const TCupsDestination& d : CupsDestinations())
        printers_->Add(d.Name);
    printers_->Add(PdfPrinterName);
    const int again = chosen.empty() ? -1 : printers_->IndexOf(chosen);
    SetPrinterIndex(again);
}

void TPrinter::SetPrinterIndex(int Value)
{
    CheckNotPrinting();
    if (Value < 0 || Value >= printers_->Count())
        Value = 0;
    if (Value != printerIndex_)
        DropDC();
    printerIndex_ = Value;
}

bool TPrinter::IsPdfPrinter() const
{
    return printerIndex_ == printers_->Count() - 1;  // the PDF printer is always last
}

void TPrinter::SetOrientation(TPrinterOrientation Value)
{
    CheckNotPrinting();
    if (Value != orientation_)
        DropDC();
    orientation_ = Value;
}

void TPrinter::SetPaperSize(const AnsiString& Name)
{
    CheckNotPrinting();
    for (const TPaperSize& size : PaperSizes())
        if (Name == size.Name) {
            if (Name != paper_)
                DropDC();
            paper_ = Name;
            return;
        }
    throw EPrinter("未知的纸张大小: " + Name);
}

void TPrinter::CheckNotPrinting() const
{
    if (printing_)
        throw EPrinter("正在打印");
}

void TPrinter::DropDC()
{
    canvas_.reset();
    if (dc_)
        DeleteDC(dc_);
    dc_ = nullptr;
}

HDC TPrinter::Handle()
{
    if (!dc_) {
        const TPaperSize* size = &PaperSizes()[0];
        for (const TPaperSize& s : PaperSizes())
            if (paper_ == s.Name)
                size = &s;
        dc_ = CreatePrinterDC(PageSetupFor(*size, orientation_ == poLandscape));
    }
    return dc_;
}

TCanvas* TPrinter::Canvas()
{
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>();
        canvas_->SetHandle(Handle());
    }
    return canvas_.get();
}

int TPrinter::PageWidth()
{
    return GetDeviceCaps(Handle(), HORZRES);
}

int TPrinter::PageHeight()
{
    return GetDeviceCaps(Handle(), VERTRES);
}

void TPrinter::BeginDoc()
{
    CheckNotPrinting();
    aborted_ = false;
    const bool toFile = PrintToFile || IsPdfPrinter();
    jobFile_ = toFile ? FileName : AnsiString();
    // The file and the print to file were chosen for this document alone:
    // a later print that did not ask must not write over that file again.
    FileName.clear();
    PrintToFile = false;
    if (toFile && jobFile_.empty()) {
        // A quick print to the PDF printer has no file yet: ask, and a
        // cancelled question ends the job before it starts.
        if (!AskPdfFileHook || !AskPdfFileHook(jobFile_) || jobFile_.empty()) {
            aborted_ = true;
            return;
        }
    }
    // A fresh canvas, so that nothing of the last document's drawing tools
    // carries over.
    canvas_.reset();
    Canvas();
    PrinterDCOf(Handle())->StartDoc();
    PrinterDCOf(Handle())->StartPage();
    printing_ = true;
    pageNumber_ = 1;
}

void TPrinter::NewPage()
{
    if (!printing_)
        throw EPrinter("没有在打印");
    TPrinterDC* dc = PrinterDCOf(Handle());
    dc->EndPage();
    dc->StartPage();
    ++pageNumber_;
}

void TPrinter::EndDoc()
{
    if (!printing_) {
        if (aborted_)
            return;
        throw EPrinter("没有在打印");
    }
    std::string pdf;
    const bool made = PrinterDCOf(Handle())->EndDoc(pdf);
    printing_ = false;
    pageNumber_ = 0;
    if (!made)
        throw EPrinter("无法生成打印页面");
    if (!jobFile_.empty()) {
        try {
            WriteFileAtomically(jobFile_, pdf);
        } catch (const Exception& e) {
            throw EPrinter("无法写入 " + jobFile_ + ": " + e.Message());
        }
        return;
    }
    // CUPS reads the job from a file; it is ours until submitted.
    const AnsiString spool = IncludeTrailingPathDelimiter(GetTempDir()) + "tandril-print-" + std::to_string(getpid()) + ".pdf";
    try {
        WriteFileAtomically(spool, pdf);
        SubmitToCups(printers_->Strings(printerIndex_), spool, Title, copies_);
    } catch (const EPrinter&) {
        DeleteFile(spool);
        throw;
    } catch (const Exception& e) {
        DeleteFile(spool);
        throw EPrinter("无法写入打印任务: " + e.Message());
    }
    DeleteFile(spool);
}

void TPrinter::Abort()
{
    if (printing_)
        PrinterDCOf(Handle())->AbortDoc();
    printing_ = false;
    aborted_ = true;
    pageNumber_ = 0;
}

TPrinter& Printer()
{
    static TPrinter printer;
    return printer;
}
