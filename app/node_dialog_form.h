// TNodeDialogForm: what the new-item and properties dialogs share: a title
// box, the highlighter languages, OK, cancel and the editor settings button,
// and the hidden editor whose settings stand for a node's options string.
#pragma once

#include "platform/ui/kernel/custom_form.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TSynText;

class TNodeDialogForm : public TForm {
public:
    explicit TNodeDialogForm(TComponent* AOwner);

    TLabel* Label1;
    TEdit* Edit1;
    TLabel* Label2;
    TComboBox* ComboBox1;
    TButton* Button1;  // OK: only with a title that is not blank
    TButton* Button2;  // cancel
    TButton* Button3;  // the editor options of the hidden editor
    TSynText* SynText;

    // The selected language; empty when none is selected.
    AnsiString SelectedLanguage();
    // Selects the language equal to Name (any case); none when no item has it.
    void SelectLanguage(const AnsiString& Name);

    void Button1Click(TObject* Sender);
    void Button3Click(TObject* Sender);

protected:
    // The buttons' row sits this far down.
    static constexpr int ButtonsTop = 170;
};
