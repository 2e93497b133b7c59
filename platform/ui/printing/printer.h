// TPrinter and Printer(): the printers the system's CUPS knows plus a PDF
// file printer that is always there, and a print job drawn through a
// canvas on the printer device context, one PDF page per page.
#pragma once

#include <memory>
#include <string>

#include "platform/base/exceptions.h"
#include "platform/base/string_list.h"
#include "platform/gdi/gdi_object.h"

class TCanvas;
class TPrinterDC;

TANDRIL_EXCEPTION(EPrinter, Exception);

enum TPrinterOrientation { poPortrait, poLandscape };

// Asks the user where to write the PDF printer's file (the save dialog sets
// it); false when cancelled. Without a hook nothing can be asked, and the
// job is aborted.
using TAskPdfFileHook = bool (*)(AnsiString& FileName);
extern TAskPdfFileHook AskPdfFileHook;

class TPrinter {
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // The CUPS destinations, the default first, then the PDF printer.
    TStrings* Printers() { return printers_.get(); }
    // Setting -1 picks the default (the first of the list).
    int PrinterIndex() const { return printerIndex_; }
    void SetPrinterIndex(int Value);
    // Reads the printer list again, keeping the chosen printer when it is
    // still there.
    void Refresh();
    bool IsPdfPrinter() const;

    // The document's title: the CUPS job's name.
    AnsiString Title;
    // The PDF printer's file. Empty asks for it through AskPdfFileHook when
    // the document starts. Both this and PrintToFile hold for the next
    // document only: BeginDoc takes them and clears them.
    AnsiString FileName;
    // A document for a CUPS printer goes to FileName as the PDF printer's
    // does, instead of becoming a job (the print dialog's print to file).
    bool PrintToFile = false;

    // Raises EPrinter while printing.
    void SetOrientation(TPrinterOrientation Value);
    TPrinterOrientation Orientation() const { return orientation_; }
    // A name of PaperSizes(); unknown names are refused with EPrinter.
    void SetPaperSize(const AnsiString& Name);
    AnsiString PaperSize() const { return paper_; }
    int Copies() const { return copies_; }
    void SetCopies(int Value) { copies_ = Value < 1 ? 1 : Value; }

    // A document: BeginDoc opens page 1, NewPage the next one. EndDoc
    // writes the PDF file (whole or not at all) or hands the job to CUPS,
    // and raises EPrinter when that fails. Abort drops everything: no file,
    // no job.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();
    bool Printing() const { return printing_; }
    bool Aborted() const { return aborted_; }
    int PageNumber() const { return pageNumber_; }

    // The device context of the chosen printer, paper and orientation; a
    // new one when any of them changed outside a document.
    HDC Handle();
    TCanvas* Canvas();
    int PageWidth();
    int PageHeight();

private:
    void CheckNotPrinting() const;
    void DropDC();

    std::unique_ptr<TStringList> printers_;
    int printerIndex_ = 0;
    TPrinterOrientation orientation_ = poPortrait;
    AnsiString paper_ = "A4";
    int copies_ = 1;
    bool printing_ = false;
    bool aborted_ = false;
    int pageNumber_ = 0;
    HDC dc_ = nullptr;
    std::unique_ptr<TCanvas> canvas_;
    AnsiString jobFile_;  // the file this document goes to, fixed at BeginDoc; empty: a CUPS job
};

// The program's one printer.
TPrinter& Printer();
// The PDF printer's name in the list.
extern const char* const PdfPrinterName;
