// TCustomHLDlg: the colours and font styles of one language's elements,
// changed while a sample text shows them. Changes of a language are undone
// when the user leaves it or closes the dialog without keeping them. It
// reads the settings manager's highlighter list, which must exist while it
// is open, and frees itself when it closes.
#pragma once

#include <vector>

#include "platform/gdi/colors.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/custom_form.h"
#include "editor/syn_custom_text_types.h"

class TButton;
class TCheckBox;
class TColorBox;
class TComboBox;
class TGroupBox;
class TLabel;
class TPanel;
class TSynHighlighterAttributes;
class TSynText;

class TCustomHLDlg : public TForm {
public:
    explicit TCustomHLDlg(TComponent* AOwner);

    TComboBox* ComboBox1 = nullptr;  // languages; each entry's object is its highlighter
    TComboBox* ComboBox2 = nullptr;  // elements; each entry's object is a TSynHighlighterAttributes
    TCheckBox* CheckBox1 = nullptr;  // bold
    TCheckBox* CheckBox2 = nullptr;  // underline
    TCheckBox* CheckBox3 = nullptr;  // italic
    TColorBox* ColorBox1 = nullptr;  // foreground
    TColorBox* ColorBox2 = nullptr;  // background
    TSynText* SynText1 = nullptr;    // the sample
    TButton* Button3 = nullptr;      // undo
    TButton* Button2 = nullptr;      // keep
    TButton* Button1 = nullptr;      // close

private:
    struct TBackup {
        TSynHighlighterAttributes* Attribute;
        TColor Foreground;
        TColor Background;
        TFontStyles Style;
    };

    void BuildStyleGroup();
    void BuildColors();
    void BuildSample();
    void BuildButtons();

    void FillElements(int Language);
    void ComboBox1Change(TObject* Sender);
    void ComboBox2Change(TObject* Sender);
    void StyleClick(TObject* Sender);
    void ColorChange(TObject* Sender);
    void SynText1StatusChange(TObject* Sender, TSynStatusChanges Changes);
    void UndoClick(TObject* Sender);
    void KeepClick(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Undo();
    TSynHighlighterAttributes* SelectedElement() const;

    // One entry per element of the current language, in ComboBox2's order,
    // as it was when the language was selected.
    std::vector<TBackup> backup_;
    // Set by keep; while false, leaving the language or closing restores
    // backup_.
    bool kept_ = false;
};
