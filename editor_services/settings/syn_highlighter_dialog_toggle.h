// TToggleHighlighterDlg: the list of languages to switch an editor to, with
// a find box that selects the first language containing what is typed.
// The caller fills the rows (row 0 stands for no highlighting), selects
// one, and reads the selected row when ShowModal answers mrOk.
#pragma once

#include "platform/gdi/colors.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/itemviews/list_box_types.h"

class TButton;
class TEdit;
class TLabel;
class TListBox;

class TToggleHighlighterDlg : public TForm {
public:
    explicit TToggleHighlighterDlg(TComponent* AOwner);

    TLabel* Label2 = nullptr;
    TEdit* Edit1 = nullptr;        // the find text
    TListBox* ListBox1 = nullptr;  // the languages; the dialog never changes its rows
    TButton* Button2 = nullptr;    // OK
    TButton* Button3 = nullptr;    // Cancel
    TButton* Button1 = nullptr;    // opens the customising dialog

    // Light grey behind rows 0, 2, 4 ...
    static constexpr TColor EvenRowColor = 0x00F3F3F3;

private:
    void Edit1Change(TObject* Sender);
    void OkClick(TObject* Sender);
    void CustomizeClick(TObject* Sender);
    void ListBox1KeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    void ListBox1KeyPress(TObject* Sender, char& Key);
    void ListBox1DrawItem(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State);
};
