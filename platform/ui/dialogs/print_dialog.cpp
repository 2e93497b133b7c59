// TPrintDialog::Execute: the form shown on the printer list as CUPS has it
// now, and what was confirmed handed to Printer().
#include "platform/ui/dialogs/print_dialog.h"

#include <memory>

#include "platform/ui/dialogs/print_dialog_form.h"
#include "platform/ui/printing/printer.h"

bool TPrintDialog::Execute()
{
    TPrinter& printer = Printer();
    printer.Refresh();
    auto form = std::make_unique<TPrintDialogForm>(*this, printer.Printers(), printer.PrinterIndex());
    if (!RunModal(form.get()))
        return false;
    form->Take(*this);
    printer.SetPrinterIndex(form->PrinterIndex());
    // Without a file typed, a print to a file asks for one when it starts.
    printer.PrintToFile = PrintToFile;
    printer.FileName = PrintToFile ? FileName : AnsiString();
    return true;
}
