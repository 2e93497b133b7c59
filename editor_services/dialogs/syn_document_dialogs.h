// What the document editor asks of the file and print dialogs: just enough
// to name a file or choose pages. The platform's common dialogs implement
// these; the editor makes its own save and print dialogs through the
// factories, which the program (or a test) sets.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/base/ansi_string.h"
#include "platform/ui/dialogs/print_dialog.h"

class TComponent;

class TSynFileDialog {
public:
    virtual ~TSynFileDialog() = default;
    virtual AnsiString Title() const = 0;
    virtual void SetTitle(const AnsiString& Value) = 0;
    virtual AnsiString Filter() const = 0;
    virtual void SetFilter(const AnsiString& Value) = 0;
    virtual AnsiString FileName() const = 0;
    // Runs the dialog modally; false when the user cancelled it.
    virtual bool Execute() = 0;
};

// The print dialog's own ranges: all pages, the selection, a page range.
using TSynPrintRange = TPrintRange;

class TSynPrintDialog {
public:
    virtual ~TSynPrintDialog() = default;
    // Before Execute: the pages offered, and whether "selection" may be
    // chosen; page numbers and warnings are always on.
    virtual void SetPages(int MinPage, int MaxPage, int FromPage, int ToPage) = 0;
    virtual void SetSelectionEnabled(bool Value) = 0;
    // False when the user cancelled it.
    virtual bool Execute() = 0;
    // After Execute: what the user chose.
    virtual TSynPrintRange PrintRange() const = 0;
    virtual int FromPage() const = 0;
    virtual int ToPage() const = 0;
    virtual int Copies() const = 0;
};

// Make a dialog owned by Owner (the editor); empty until set.
using TSynSaveDialogFactory = std::function<std::unique_ptr<TSynFileDialog>(TComponent* Owner)>;
using TSynPrintDialogFactory = std::function<std::unique_ptr<TSynPrintDialog>(TComponent* Owner)>;
extern TSynSaveDialogFactory SynSaveDialogFactory;
extern TSynPrintDialogFactory SynPrintDialogFactory;
