// TSynPageSetupDlg: the page setup dialog. It edits a print engine's
// margins and units, its print options, and the header's and footer's
// frames and lines (one rich-text box per alignment, each line one item in
// its own font), and writes them back only when OK finds every margin a
// number.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/kernel/custom_form.h"

class TAction;
class TActionList;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class THeaderFooter;
class TPageControl;
class TSynColorSwatch;
class TPopupMenu;
class TRichEdit;
class TSynTextPrint;
class TSynTextPrintMargins;
class TTextAttributes;
class TWinControl;

class TSynPageSetupDlg : public TForm {
public:
    explicit TSynPageSetupDlg(TComponent* AOwner);
    ~TSynPageSetupDlg() override;

    // Fills the dialog from Print, shows it, and on OK writes it back.
    // Returns whether it was written.
    bool ExecutePageSetup(TSynTextPrint* Print);

    TPageControl* PageControl = nullptr;
    TEdit* EditLeft = nullptr;
    TEdit* EditRight = nullptr;
    TEdit* EditTop = nullptr;
    TEdit* EditBottom = nullptr;
    TComboBox* CBUnits = nullptr;
    TCheckBox* CBMirrorMargins = nullptr;
    TEdit* EditGutter = nullptr;
    TCheckBox* CBLineNumbersInMargin = nullptr;
    TCheckBox* CBLineNumbers = nullptr;
    TCheckBox* CBColors = nullptr;
    TCheckBox* CBWrap = nullptr;
    TCheckBox* CBHighlight = nullptr;
    TEdit* EditLeftHFTextIndent = nullptr;
    TEdit* EditRightHFTextIndent = nullptr;
    TEdit* EditHFInternalMargin = nullptr;
    TEdit* EditHeader = nullptr;
    TEdit* EditFooter = nullptr;
    // The running heads' boxes: [0] the header's, [1] the footer's.
    struct THeadBoxes {
        TSynColorSwatch* Line = nullptr;
        TSynColorSwatch* Shadow = nullptr;
        TCheckBox* Mirror = nullptr;
        TCheckBox* LineFrame = nullptr;
        TCheckBox* Box = nullptr;
        TCheckBox* ShadowFrame = nullptr;
        TRichEdit* Text[3] = {};  // left, centre, right
        TColor LineColor = clBlack;
        TColor ShadedColor = clSilver;
    } Heads[2];
    TButton* btnOK = nullptr;
    TButton* btnCancel = nullptr;
    // The text boxes' context menu and its commands on the current box.
    TPopupMenu* HeadMenu = nullptr;
    TActionList* HeadActions = nullptr;
    TAction* PageNumCmd = nullptr;
    TAction* PagesCmd = nullptr;
    TAction* TimeCmd = nullptr;
    TAction* DateCmd = nullptr;
    TAction* TitleCmd = nullptr;
    TAction* FontCmd = nullptr;
    TAction* BoldCmd = nullptr;
    TAction* ItalicCmd = nullptr;
    TAction* UnderlineCmd = nullptr;
    // The text box the commands work on: the one entered last.
    TRichEdit* CurrentBox() const { return currentBox_; }

protected:
    // OK closes only when every margin edit holds a number and the margins
    // leave room for text on the printer's page.
    bool CloseQuery() override;

private:
    void BuildMarginsSheet(TWinControl* Sheet);
    void BuildHeadsSheet(TWinControl* Sheet);
    void BuildHead(TWinControl* Parent, int Top, int Which);
    void FillFrom(TSynTextPrint* Print);
    void FillMargins(TSynTextPrintMargins* Margins);
    void FillHead(THeaderFooter* Head, THeadBoxes& Boxes);
    // Reads the edits into Margins in order; at the first that holds no
    // number, says so, focuses it and returns false with the rest unread.
    bool ReadMargins(TSynTextPrintMargins* Margins, bool Tell);
    // Whether Margins leave some width and height for text on the page of
    // the engine's printer; if not, says so and focuses the widest margin
    // across the wanting direction.
    bool MarginsLeaveText(TSynTextPrintMargins* Margins);
    void WriteTo(TSynTextPrint* Print);
    void WriteHead(THeaderFooter* Head, const THeadBoxes& Boxes);
    void UnitsChange(TObject* Sender);
    void SwatchPaint(TObject* Sender);
    void SwatchClick(TObject* Sender);
    TColor* SwatchColor(TObject* Swatch);
    // The context menu (in its own file).
    void BuildHeadMenu();
    TAction* AddHeadAction(const char* Name, const char* Caption, const char* Hint, void (TSynPageSetupDlg::*Execute)(TObject*));
    void BoxEnter(TObject* Sender);
    void BoxSelectionChange(TObject* Sender);
    // The boxes keep Enter for new lines, but Escape still cancels.
    void BoxKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    // The commands work only while the current box has the focus.
    void EnableHeadActions(TObject* Sender = nullptr);
    void InsertMacro(TObject* Sender);
    void FontCmdExecute(TObject* Sender);
    void StyleCmdExecute(TObject* Sender);
    // Applies Change to the whole caret line's attributes, then puts the
    // caret back where it was.
    void ChangeCaretLine(const std::function<void(TTextAttributes* Attributes)>& Change);

    std::unique_ptr<TSynTextPrintMargins> margins_;  // the edits' values while the units change
    TEdit* marginEdits_[10] = {};  // in the order they are read
    TSynTextPrint* print_ = nullptr;  // the engine being edited, while ExecutePageSetup runs
    TRichEdit* currentBox_ = nullptr;  // one of the Heads' Text boxes, or none before one is entered
    int caretLine_ = 0, caretColumn_ = 0;  // in currentBox_, from 0, as its last selection change left them
};
