// TSynOptionsForm: the editor options dialog. It edits a chosen set of an
// editor's (or a settings store's) settings on three pages, writes them
// back on OK and can save them as the defaults of a settings store.
#pragma once

#include <memory>

#include "platform/ui/kernel/custom_form.h"

class TButton;
class TCheckBox;
class TColorBox;
class TComboBox;
class TCustomSynText;
class TEdit;
class TPageControl;
class TPanel;
class TSynTextSource;

class TSynOptionsForm : public TForm {
public:
    explicit TSynOptionsForm(TComponent* AOwner);
    ~TSynOptionsForm() override;

    // Starts from Editor's settings when it is given, else from Source's;
    // on OK writes them into Editor (else Source). Source, when given, is
    // what "保存为默认" writes into. The caller gives at least one.
    void Execute(TSynTextSource* Source, TCustomSynText* Editor);

    // What the controls show, always: every change lands here at once.
    TSynTextSource* Settings() const { return settings_.get(); }

    TPageControl* PageControl1 = nullptr;
    // "编辑"
    TEdit* sTabWidth = nullptr;
    TEdit* sBlockWidth = nullptr;
    TEdit* sMaxUndo = nullptr;
    TEdit* sMaxScroll = nullptr;
    TComboBox* cbSelectmode = nullptr;
    TCheckBox* soAltSetsColumnMode = nullptr;
    TCheckBox* soAutoIndent = nullptr;
    TCheckBox* soDragDropEditing = nullptr;
    TCheckBox* soDropFiles = nullptr;
    TCheckBox* soGroupUndo = nullptr;
    TCheckBox* soShowSpecialChars = nullptr;
    TCheckBox* soSmartTabs = nullptr;
    TCheckBox* soSmartTabDelete = nullptr;
    TCheckBox* soTabIndent = nullptr;
    TCheckBox* soTabsToSpace = nullptr;
    TCheckBox* cbInsertMode = nullptr;
    TCheckBox* cbCodeFolding = nullptr;
    TCheckBox* cbPastEol = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    // "视图"
    TCheckBox* sShowLineDivder = nullptr;
    TCheckBox* sShowActiveLine = nullptr;
    TCheckBox* sShowGutter = nullptr;
    TCheckBox* sShowLineNumber = nullptr;
    TCheckBox* CheckBox2 = nullptr;
    TComboBox* sLineSpacingRule = nullptr;
    TEdit* sLineSpacing = nullptr;
    TCheckBox* sBackground = nullptr;
    TCheckBox* sShowRightEdge = nullptr;
    TCheckBox* sRightEdgeMouseMove = nullptr;
    TEdit* sRightEdgePos = nullptr;
    TCheckBox* sWordWrap = nullptr;
    TComboBox* sWordwrapStyle = nullptr;
    TEdit* sWordwrapPos = nullptr;
    // "显示"
    TComboBox* sFontNameCom = nullptr;
    TComboBox* sFontsizeCom = nullptr;
    TPanel* FontPreview = nullptr;
    TComboBox* sUnicodeFontNameCom = nullptr;
    TColorBox* BackColorBox = nullptr;
    TColorBox* SelTextColorBox = nullptr;
    TColorBox* SelBackColorBox = nullptr;
    TColorBox* CurTextColorBox = nullptr;
    TColorBox* CurBackColorBox = nullptr;

    TButton* Button3 = nullptr;  // "保存为默认"
    TButton* Button2 = nullptr;  // "确定"
    TButton* Button1 = nullptr;  // "取消"

private:
    void BuildEditPage();
    void BuildViewPage();
    void BuildDisplayPage();
    void FillControls();

    void IntegerChange(TObject* Sender);
    void CheckClick(TObject* Sender);
    void ComboChange(TObject* Sender);
    void ColorChange(TObject* Sender);
    void FontNameChange(TObject* Sender);
    void FontSizeEnter(TObject* Sender);
    void FontSizeChange(TObject* Sender);
    void FontPreviewClick(TObject* Sender);
    void SaveAsDefaultClick(TObject* Sender);
    // The preview shows the store's font, and the name and size boxes its
    // name and size.
    void ShowFont();

    std::unique_ptr<TSynTextSource> settings_;
    bool filling_ = false;  // the controls are being set from settings_: their events write nothing
    TSynTextSource* source_ = nullptr;  // given to Execute, not owned; may be nil
};

// Copies the settings the dialog edits from one store to another.
void CopyOptionsSettings(const TSynTextSource& From, TSynTextSource& To);
