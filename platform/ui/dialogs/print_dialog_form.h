// The print dialog's form: the printer with print to file, the range of
// pages and the copies, checked when OK closes it.
#pragma once

#include "platform/ui/dialogs/print_dialog.h"
#include "platform/ui/kernel/custom_form.h"

class TCheckBox;
class TComboBox;
class TEdit;
class TGroupBox;
class TRadioButton;
class TStrings;

class TPrintDialogForm : public TForm {
public:
    // Shows Dialog's choices, with Printers to choose from and Printer
    // chosen.
    TPrintDialogForm(const TPrintDialog& Dialog, TStrings* Printers, int Printer);

    // What the user confirmed, into Dialog's fields.
    void Take(TPrintDialog& Dialog) const;
    int PrinterIndex() const;

protected:
    // OK keeps the form open, after saying why, while the copies or the
    // page range are not numbers the document has, or (with poWarning)
    // the chosen printer is gone.
    bool CloseQuery() override;

private:
    void BuildPrinter(TStrings* Printers, int Printer, bool ShowToFile);
    void BuildRange(int Top);
    void BuildCopies(int Top);
    TEdit* AddEdit(TGroupBox* Group, const char* Caption, int Left, int Top, int LabelWidth, int Width);
    TRadioButton* AddRadio(TGroupBox* Group, const char* Caption, int Top, bool Enabled);

    bool PdfChosen() const;
    // The print to file box and file name follow the printer: the PDF
    // printer always prints to a file.
    void PrinterChanged(TObject* Sender);
    void ToFileClicked(TObject* Sender);
    // Says what is wrong with Edit, and selects it for the user to mend.
    bool Refuse(TEdit* Edit, const AnsiString& Message);
    bool NumberIn(TEdit* Edit, int Min, int Max, int& Value, const AnsiString& Message);
    bool RangeAccepted();
    bool PrinterAccepted();

    const TPrintDialogOptions options_;
    const int minPage_;
    const int maxPage_;
    const int pdfIndex_;  // the PDF printer's place in the list, always the last
    bool userToFile_;     // print to file as the user left it for a CUPS printer
    TComboBox* printers_ = nullptr;
    TCheckBox* toFile_ = nullptr;
    TEdit* fileName_ = nullptr;
    TRadioButton* all_ = nullptr;
    TRadioButton* pages_ = nullptr;
    TRadioButton* selection_ = nullptr;
    TEdit* from_ = nullptr;
    TEdit* to_ = nullptr;
    TEdit* copies_ = nullptr;
    TCheckBox* collate_ = nullptr;
};
