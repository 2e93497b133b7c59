// TSynJumpDlg: the go-to dialog. It moves an editor's caret to a line, a
// column, a bookmark or a character offset, or by a number of characters
// from where it is.
#pragma once

#include "platform/ui/kernel/custom_form.h"

class TButton;
class TCustomSynText;
class TEdit;
class TLabel;
class TListBox;

class TSynJumpDlg : public TForm {
public:
    explicit TSynJumpDlg(TComponent* AOwner);

    // Shows the dialog and, on OK, moves Editor as the chosen mode says;
    // nothing without an editor. A number the edit cannot hold as an
    // integer (or none) raises EConvertError and leaves Editor as it was.
    void ExecuteJump(TCustomSynText* Editor);

    TEdit* bsLine = nullptr;       // the number: only digits can be typed
    TListBox* ListBox1 = nullptr;  // the modes; none selected counts as the first
    TLabel* HintLabel = nullptr;   // what the chosen mode's number means
    TButton* btnOK = nullptr;
    TButton* btnCancel = nullptr;

private:
    // The chosen mode, 0 when none is selected.
    int Mode() const;
    void RefreshHint();
    void NumberKeyPress(TObject* Sender, char& Key);
    void ModeClick(TObject* Sender);
    void FormKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    void FormKeyPress(TObject* Sender, char& Key);
};
