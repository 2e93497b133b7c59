// The print dialog behind the document editor's interface, and installing
// the common dialogs where the editor, the printer and the colour boxes
// look for them.
#include "editor_services/dialogs/syn_common_dialogs.h"

#include "platform/ui/dialogs/color_dialog.h"
#include "platform/ui/printing/printer.h"
#include "platform/ui/widgets/color_box.h"

TSynCommonPrintDialog::TSynCommonPrintDialog() : dialog_(std::make_unique<TPrintDialog>(nullptr))
{
    dialog_->Options = {poPageNums, poWarning};
}

TSynCommonPrintDialog::~TSynCommonPrintDialog() = default;

void TSynCommonPrintDialog::SetPages(int MinPage, int MaxPage, int FromPage, int ToPage)
{
    dialog_->MinPage = MinPage;
    dialog_->MaxPage = MaxPage;
    dialog_->FromPage = FromPage;
    dialog_->ToPage = ToPage;
}

void TSynCommonPrintDialog::SetSelectionEnabled(bool Value)
{
    if (Value)
        dialog_->Options.Include(poSelection);
    else
        dialog_->Options.Exclude(poSelection);
}

bool TSynCommonPrintDialog::Execute() { return dialog_->Execute(); }

TSynPrintRange TSynCommonPrintDialog::PrintRange() const { return dialog_->PrintRange; }

int TSynCommonPrintDialog::FromPage() const { return dialog_->FromPage; }

int TSynCommonPrintDialog::ToPage() const { return dialog_->ToPage; }

int TSynCommonPrintDialog::Copies() const { return dialog_->Copies; }

void InstallSynCommonDialogs()
{
    // The dialogs belong to the call that asks (the editor frees them when
    // it has the answer), so they are made without an owner.
    SynSaveDialogFactory = [](TComponent*) {
        return std::make_unique<TSynCommonFileDialog>(std::make_unique<TSaveDialog>(nullptr));
    };
    SynPrintDialogFactory = [](TComponent*) { return std::make_unique<TSynCommonPrintDialog>(); };
    AskPdfFileHook = AskPdfFileWithSaveDialog;
    PickCustomColorHook = PickColorWithDialog;
}
