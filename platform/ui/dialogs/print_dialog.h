// TPrintDialog: the printer to print on, how many copies, and which pages.
// The chosen printer (and where print to file writes) goes to Printer();
// copies, collation and the range stay here for the caller, whose print
// engine prints each copy itself, so Printer().Copies is left alone.
#pragma once

#include "platform/base/set.h"
#include "platform/ui/dialogs/common_dialog.h"

enum TPrintRange { prAllPages, prSelection, prPageNums };

// In the class library's order, as bit flags.
enum TPrintDialogOption {
    poPrintToFile,         // shows "print to file" with its file name
    poPageNums,            // the page range may be chosen
    poSelection,           // the selection may be chosen
    poWarning,             // OK on a printer CUPS no longer has warns and stays open
    poHelp,                // this program has no help: no help button shows for it
    poDisablePrintToFile,  // "print to file" shows but cannot be changed
};
using TPrintDialogOptions = TSet<TPrintDialogOption>;

class TPrintDialog : public TCommonDialog {
public:
    explicit TPrintDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}

    // Confirmed: Printer() has the chosen printer, its FileName the file
    // typed for print to file or the PDF printer (empty: the print asks for
    // one), its PrintToFile whether a CUPS printer's job goes to that file;
    // the fields below hold what the user chose. A page range is confirmed
    // only when both numbers lie within MinPage..MaxPage, from before to.
    bool Execute() override;

    TPrintDialogOptions Options;
    TPrintRange PrintRange = prAllPages;
    int MinPage = 0;
    int MaxPage = 0;
    int FromPage = 0;
    int ToPage = 0;
    int Copies = 1;
    bool Collate = false;
    bool PrintToFile = false;
    AnsiString FileName;  // print to file's file
};
