// The completion popup: a borderless pop-up tool window listing the items
// of a completion component (code completion) or showing a hint or a
// parameter hint. While it has the focus it takes the keys that filter,
// move and accept, and forwards the rest of the editing to its editor.
#pragma once

#include <memory>
#include <vector>

#include "editor/completion/syn_completion_formatted.h"
#include "editor/syn_text_commands.h"
#include "editor/document/text_routines.h"
#include "platform/ui/kernel/custom_form.h"

class TBitmap;
class TCustomImageList;
class TCustomSynText;
class TScrollBar;
class TStringList;
// Declared whole in platform/ui/widgets/scroll_bar.h.
enum TScrollCode : int;

enum SynCompletionType { ctCode, ctHint, ctParams };

// Bits 0 to 10 in this order.
enum TSynCompletionOption {
    scoAnsiStrings,
    scoCaseSensitive,
    scoLimitToMatchedText,
    scoTitleIsCentered,
    scoUseInsertList,
    scoUsePrettyText,
    scoUseBuiltInTimer,
    scoEndCharCompletion,
    scoConsiderWordBreakChars,
    scoCompleteWithTab,
    scoCompleteWithEnter,
};
using TSynCompletionOptions = TSet<TSynCompletionOption>;

// EndToken is the character that accepted the item, #0 for Tab, Enter or a click.
using TValidateEvent = TEvent<void(TObject* Sender, TShiftState Shift, char EndToken)>;
using TCompletionChange = TEvent<void(TObject* Sender, int AIndex)>;
using TSynBaseCompletionProposalPaintItem =
    TEvent<void(TObject* Sender, int Index, TCanvas* TargetCanvas, const TRect& ItemRect, bool& CustomDraw)>;
using TSynBaseCompletionProposalMeasureItem =
    TEvent<void(TObject* Sender, int Index, TCanvas* TargetCanvas, int& ItemWidth)>;
using TCompletionParameter = TEvent<void(TObject* Sender, int CurrentIndex, int& Level, int& IndexToDisplay,
                                         char& Key, AnsiString& DisplayString)>;

class TSynBaseCompletionProposalForm : public TCustomForm {
public:
    explicit TSynBaseCompletionProposalForm(TComponent* AOwner);
    ~TSynBaseCompletionProposalForm() override;

    TStringList* ItemList() const { return itemList_.get(); }
    TStringList* InsertList() const { return insertList_.get(); }
    // The items shown now; with scoLimitToMatchedText the matching ones.
    TStringList* AssignedList() const { return assignedList_.get(); }
    // The index in ItemList of shown item Index (-1 outside the shown list).
    int UnfilteredIndex(int Index) const;

    // What the user typed since the popup opened; setting it filters.
    const AnsiString& CurrentString() const { return currentString_; }
    void SetCurrentString(const AnsiString& Value);
    TCustomSynText* CurrentEditor() const { return currentEditor_; }
    void SetCurrentEditor(TCustomSynText* Value);
    // The selected shown item; -1 when the shown list is empty.
    int Position() const { return position_; }
    void SetPosition(int Value);
    void MoveLine(int Delta);
    // The first shown row; the scroll bar of the code kind follows it.
    int ScrollPos() const { return scrollPos_; }
    // The parameter in bold of a parameter hint.
    int CurrentIndex() const { return currentIndex_; }
    void SetCurrentIndex(int Value);

    int NbLinesInWindow() const { return nbLinesInWindow_; }
    void SetNbLinesInWindow(int Value);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int Value);
    // The height of the title band; 0 without a title.
    int TitleHeight() const { return title_.empty() ? 0 : titleHeight_; }
    int Margin() const { return margin_; }
    void SetMargin(int Value) { margin_ = Value; }
    const AnsiString& Title() const { return title_; }
    void SetTitle(const AnsiString& Value);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* Value);
    TProposalColumns* Columns() const { return columns_.get(); }
    TFont* ItemFont() const { return font_.get(); }
    TFont* TitleFont() const { return titleFont_.get(); }
    TSynCompletionOptions CompletionOptions() const { return options_; }
    void SetCompletionOptions(TSynCompletionOptions Value) { options_ = Value; }
    SynCompletionType DisplayType() const { return displayType_; }
    void SetDisplayType(SynCompletionType Value);
    bool Resizeable() const { return resizeable_; }
    void SetResizeable(bool Value);
    TSysCharSet& WordBreakChars() { return wordBreakChars_; }

    // Sizes the popup for its kind and puts it at the screen point, moved
    // so that it stays on the screen.
    void PlaceAt(int X, int Y, int CodeWidth);
    // Hit test for a click at client height Y: the shown item, or -1 on
    // the title band or below the last row.
    int ItemAtY(int Y) const;
    // Draws the popup as it stands into Canvas (the window's off-screen copy).
    void PaintTo(TCanvas* Canvas, int AWidth, int AHeight);

    TColor ClSelect = clHighlight;
    TColor ClSelectedText = clHighlightText;
    TColor ClBackground = clWindow;
    TColor ClTitleBackground = clBtnFace;

    TValidateEvent OnValidate;
    TNotifyEvent OnCancel;
    TCompletionChange OnChange;
    TSynBaseCompletionProposalPaintItem OnPaintItem;
    TSynBaseCompletionProposalMeasureItem OnMeasureItem;
    TCompletionParameter OnParameterToken;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
    void PaintWindow(HDC DC) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // The scroll bar (syn_completion_scroll.cpp).
    void CreateScrollBar();
    // Shows the bar for the code kind only, with the shown items as its
    // range, the rows as its page and the first shown row as its position.
    void UpdateScrollBar();
    // Makes Top (kept within the list) the first shown row and drags the
    // selection into the rows when it fell outside them.
    void ScrollTo(int Top);
    // The width the bar takes from the list; 0 while it is hidden.
    int ScrollBarWidth() const;
    void ScrollBarChange(TObject* Sender);
    void ScrollBarScroll(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos);
    void ScrollBarEnter(TObject* Sender);
    // WM_SIZING: snaps the proposed window rectangle R (dragged by its Edge)
    // to whole rows and keeps it wide enough for the bar and the frames.
    void SnapSize(WPARAM Edge, TRect& R);

    bool Matches(int ItemIndex) const;
    void Filter();
    void FontChanged(TObject* Sender);
    // Removes the last character (a double-byte one whole) of the current string.
    void DropLastChar();
    void EditorCommand(TSynTextEditorCommand Command, char AChar);

    std::unique_ptr<TStringList> itemList_;
    std::unique_ptr<TStringList> assignedList_;
    std::unique_ptr<TStringList> insertList_;
    std::vector<int> unfiltered_;  // one ItemList index per AssignedList line
    std::unique_ptr<TProposalColumns> columns_;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TFont> titleFont_;
    std::unique_ptr<TBitmap> bitmap_;
    TScrollBar* scrollBar_ = nullptr;  // a child owned by the form
    bool updatingScrollBar_ = false;   // the bar moves because the list did, not the user
    AnsiString currentString_;
    TCustomSynText* currentEditor_ = nullptr;  // free-notified
    TCustomImageList* images_ = nullptr;       // free-notified
    int position_ = -1;   // -1 exactly when the shown list is empty
    int scrollPos_ = 0;   // 0 .. max(count - rows, 0), keeping position_ among the visible rows
    int currentIndex_ = 0;
    int nbLinesInWindow_ = 8;
    int itemHeight_ = 0;
    int titleHeight_ = 0;
    int margin_ = 2;
    AnsiString title_;
    TSynCompletionOptions options_;
    SynCompletionType displayType_ = ctCode;
    bool resizeable_ = false;
    TSysCharSet wordBreakChars_;
    char pendingLeadByte_ = 0;  // the first half of a double-byte character being typed
    bool clickedRow_ = false;   // the last press hit a row, so a double click there accepts
};
