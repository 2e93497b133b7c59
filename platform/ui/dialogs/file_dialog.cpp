#include "platform/ui/dialogs/file_dialog.h"

#include "platform/base/string_list.h"
#include "platform/ui/dialogs/file_dialog_form.h"

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner), files_(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

TStrings* TOpenDialog::Files() const { return files_.get(); }

bool TOpenDialog::Execute()
{
    auto form = std::make_unique<TFileDialogForm>(
        TFileDialogSetup{ForSaving(), Filter, FilterIndex, DefaultExt, FileName, InitialDir, Options});
    // Closed with OK by anything but its own OK button, the form has no
    // choice to give.
    if (!RunModal(form.get()) || form->Chosen().empty())
        return false;
    files_->Clear();
    for (const AnsiString& name : form->Chosen())
        files_->Add(name);
    FileName = form->Chosen().front();
    FilterIndex = form->FilterIndex();
    return true;
}

bool AskPdfFileWithSaveDialog(AnsiString& FileName)
{
    TSaveDialog dialog(nullptr);
    dialog.Title = "打印到文件";
    dialog.Filter = "PDF 文件(*.pdf)|*.pdf|所有文件(*.*)|*.*";
    dialog.DefaultExt = "pdf";
    dialog.Options.Include(ofOverwritePrompt);
    dialog.FileName = FileName;
    if (!dialog.Execute())
        return false;
    FileName = dialog.FileName;
    return true;
}
