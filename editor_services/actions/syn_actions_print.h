// Printing and exporting the document: print (asking for pages and copies)
// and quick print through the document editor's print command, page setup
// and preview through their dialogs, and export through an exporter.
#pragma once

#include "editor_services/actions/syn_actions.h"

class TSynCustomExporter;
class TSynTextPrint;

// The base of the print actions: disabled without an editor or without a
// printer.
class TaSynCustomPrint : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;

    bool HandlesTarget(TObject* Target) override;

    // Not owned; cleared when it goes.
    TSynTextPrint* Print() const { return print_; }
    void SetPrint(TSynTextPrint* Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The editor is found, Print is set and there is a printer to print on.
    bool ReadyToPrint(TObject* Target);

private:
    TSynTextPrint* print_ = nullptr;
};

// Asks for pages and copies, then prints; nothing without Print.
class TaSynPrint : public TaSynCustomPrint {
public:
    using TaSynCustomPrint::TaSynCustomPrint;
    void ExecuteTarget(TObject* Target) override;
};

// Prints everything at once; nothing without Print.
class TaSynQuickPrint : public TaSynCustomPrint {
public:
    using TaSynCustomPrint::TaSynCustomPrint;
    void ExecuteTarget(TObject* Target) override;
};

// Also disabled without Print.
class TaSynPageSetup : public TaSynCustomPrint {
public:
    using TaSynCustomPrint::TaSynCustomPrint;
    bool HandlesTarget(TObject* Target) override;
    void ExecuteTarget(TObject* Target) override;
};

// Also disabled without Print.
class TaSynPreview : public TaSynCustomPrint {
public:
    using TaSynCustomPrint::TaSynCustomPrint;
    bool HandlesTarget(TObject* Target) override;
    void ExecuteTarget(TObject* Target) override;
};

// Exports the whole text, asking for the file name; disabled without an
// Exporter.
class TaSynExporter : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;

    bool HandlesTarget(TObject* Target) override;
    void ExecuteTarget(TObject* Target) override;

    // Not owned; cleared when it goes.
    TSynCustomExporter* Exporter() const { return exporter_; }
    void SetExporter(TSynCustomExporter* Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TSynCustomExporter* exporter_ = nullptr;
};
