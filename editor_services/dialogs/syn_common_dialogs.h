// The platform's common dialogs behind the document editor's dialog
// interfaces, and the start-up step that hands them, the PDF printer's
// file question and the colour boxes' colour dialog to the program.
#pragma once

#include <memory>

#include "editor_services/dialogs/syn_document_dialogs.h"
#include "platform/ui/dialogs/file_dialog.h"

// An open or save dialog as the document editor asks for a file. The
// caller keeps the dialog itself for what the interface does not carry
// (folder, filter index, options).
class TSynCommonFileDialog : public TSynFileDialog {
public:
    explicit TSynCommonFileDialog(TOpenDialog* Dialog) : dialog_(Dialog) {}
    explicit TSynCommonFileDialog(std::unique_ptr<TOpenDialog> Dialog)
        : owned_(std::move(Dialog)), dialog_(owned_.get())
    {
    }

    AnsiString Title() const override { return dialog_->Title; }
    void SetTitle(const AnsiString& Value) override { dialog_->Title = Value; }
    AnsiString Filter() const override { return dialog_->Filter; }
    void SetFilter(const AnsiString& Value) override { dialog_->Filter = Value; }
    AnsiString FileName() const override { return dialog_->FileName; }
    bool Execute() override { return dialog_->Execute(); }

private:
    std::unique_ptr<TOpenDialog> owned_;  // the dialog when this one made it
    TOpenDialog* dialog_;                 // never null
};

// The print dialog offering page numbers, with warnings on.
class TSynCommonPrintDialog : public TSynPrintDialog {
public:
    TSynCommonPrintDialog();
    ~TSynCommonPrintDialog() override;

    void SetPages(int MinPage, int MaxPage, int FromPage, int ToPage) override;
    void SetSelectionEnabled(bool Value) override;
    bool Execute() override;
    TSynPrintRange PrintRange() const override;
    int FromPage() const override;
    int ToPage() const override;
    int Copies() const override;

    TPrintDialog* Dialog() const { return dialog_.get(); }

private:
    std::unique_ptr<TPrintDialog> dialog_;
};

// Start-up: the document editor's save and print dialogs, the question for
// the PDF printer's file, and the colour boxes' custom colour become the
// platform's common dialogs.
void InstallSynCommonDialogs();
