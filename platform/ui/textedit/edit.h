// TCustomEdit and TEdit: the edit box. A one-line box by default; the
// ES_MULTILINE style (TMemo sets it) makes it a box of many lines.
//
// The editing itself is the edit window's own procedure: DefaultHandler
// takes the edit messages every other handler passed on, as the class
// library does for a native edit control. Every change the user makes
// arrives as, or is turned into, a message sent to the edit's own window:
// typed characters (Backspace, Ctrl+X, Ctrl+V and Ctrl+Z included) are
// WM_CHAR; Delete is WM_KEYDOWN; Shift+Delete, Shift+Insert, Alt+Backspace,
// the context menu, CutToClipboard, PasteFromClipboard, ClearSelection and
// Undo send WM_CUT, WM_PASTE, WM_CLEAR and WM_UNDO. So a subclass of the
// window (SetWindowSubclass, or a control derived from this one) that
// refuses those messages keeps the text unchanged under every gesture;
// the program changes it otherwise only through WM_SETTEXT and
// EM_REPLACESEL.
//
// Positions are byte offsets into the text; selections always lie on whole
// characters (a double-byte character or a CR LF pair is never split).
// The box paints with the brush its parent answers to WM_CTLCOLOREDIT
// (WM_CTLCOLORSTATIC when read-only or disabled), which the class library
// reflects back to the box as CN_CTLCOLOREDIT; the stock NULL_BRUSH means
// "paint no background". Each change of the text notifies the parent with
// EN_CHANGE, which comes back as CN_COMMAND and fires OnChange.
#pragma once

#include <vector>

#include "platform/base/alignment.h"
#include "platform/ui/textedit/edit_buffer.h"
#include "platform/ui/textedit/edit_layout.h"
#include "platform/ui/kernel/form_types.h"
#include "platform/ui/kernel/win_control.h"

// A control's own border: none or a sunken frame.
using TBorderStyle = TFormBorderStyle;

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* AOwner);
    ~TCustomEdit() override;

    // Selects the whole text when the box is entered by keyboard (a
    // one-line box only).
    bool AutoSelect = true;
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool Value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    // The most bytes typing and pasting may make the text; 0 for no limit.
    int MaxLength() const { return buffer_.MaxLength; }
    void SetMaxLength(int Value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool Value);
    // Shown for every character of a one-line box instead of the text;
    // #0 shows the text. A password box gives nothing to the clipboard.
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char Value);
    bool Modified();
    void SetModified(bool Value);
    bool CanUndo();

    int SelStart();
    void SetSelStart(int Value);
    int SelLength();
    void SetSelLength(int Value);
    AnsiString SelText();
    // Replaces the selection, undoably (EM_REPLACESEL).
    void SetSelText(const AnsiString& Value);
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();
    void ClearUndo();
    void Clear() { SetText(AnsiString()); }

    // Whether a box acts on this key itself: the caret and deletion keys
    // with any Shift and Ctrl, Alt+Backspace, and Ctrl with A, C, V, X or
    // Z. A window whose shortcuts share these keys leaves them to a
    // focused box.
    static bool IsEditingKey(WORD Key, TShiftState Shift);

    TNotifyEvent OnChange;

protected:
    // The text changed (EN_CHANGE came back from the parent): OnChange.
    virtual void Change();
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DoEnter() override;
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

    // What the edit window does with a message, without the class
    // library's handling; false when the message is not an edit message.
    bool EditMessage(TMessage& Message);

    const TEditBuffer& Buffer() const { return buffer_; }
    const TEditLayout& Layout() const { return layout_; }
    // Whether rows wrap, so that a line may take several rows.
    bool WrapsRows() const { return wrap_; }

    // For boxes whose text carries fonts of its own. Offset is where Text
    // starts in the whole text; Ends as TEditLayout::TMeasure fills it.
    virtual void MeasureText(int Offset, std::string_view Text, std::vector<int>& Ends);
    // The pixels row Row takes; every row takes a line of the font here.
    virtual int RowHeightOf(int Row);
    // Draws Text (no tabs in it), which starts at Offset of row Row, at
    // (X, Y), the top of the row. Selected text is drawn again over the
    // highlight, in the DC's highlight text colour.
    virtual void DrawTextPiece(HDC DC, int Row, int Offset, std::string_view Text, int X, int Y, bool Selected);
    // The text changed: by Change, or all of it (from WM_SETTEXT) when
    // Whole. Called before the rows are laid out again.
    virtual void TextReplaced(const TEditChange& /*Change*/, bool /*Whole*/) {}
    // The caret or the selection moved, by the user or the program.
    virtual void SelectionMoved() {}
    // Lays the rows out again and repaints, after what MeasureText answers
    // changed.
    void TextLooksChanged();

private:
    // edit_messages.cpp: text, selection, clipboard, undo and EM_ messages.
    bool TextMessage(TMessage& Message);
    void SetTextFromMessage(const char* Text);
    void ReplaceSelection(std::string_view Text, TEditUndo Undo);
    void DeleteRange(int From, int To);
    // False when the clipboard took no copy.
    bool CopySelection();
    void PasteClipboard();
    void UndoLast();
    void SetSelection(int Anchor, int Caret);
    // The text the last change left: relayout, scroll, repaint, EN_CHANGE.
    void TextChanged(const TEditChange& Change);
    void SelectionChanged();
    void NotifyParent(WORD Code);

    // edit_view.cpp: layout, scrolling, the caret and hit testing.
    HFONT EditFont() { return font_ ? font_ : Font()->Handle(); }
    void EnsureMeasureDC();
    int RowHeight();
    TRect TextArea();
    int WrapWidth();
    void Relayout();
    int VisibleRows();
    // Where a row's text starts, in client coordinates.
    int RowLeft(int Row);
    int RowTop(int Row);
    // The x of each offset of the row (Length + 1 entries, from 0).
    void RowOffsets(int Row, std::vector<int>& Xs);
    int OffsetInRow(int Row, int X);
    // The row at a client y, kept within the rows.
    int RowAtY(int Y);
    int OffsetAtPoint(TPoint Point);
    TPoint PointOfOffset(int Offset);
    void ScrollToCaret();
    void ClampScroll();
    void ScrollRows(int Rows);
    void ScrollTo(int TopRow, int ScrollX);
    void UpdateScrollBars();
    void UpdateCaret();
    // A new, hidden caret as tall as the caret's row.
    void MakeCaret();
    void InvalidateText();

    // edit_paint.cpp.
    void PaintEdit(HDC DC);
    void PaintRow(HDC DC, int Row, const TRect& Area, std::vector<int>& Xs);

    // edit_keys.cpp.
    bool KeyDownMessage(TMessage& Message);
    void CharMessage(TMessage& Message);
    void TypeChar(BYTE Char);
    void MoveCaret(int Offset, bool Extend);
    int VerticalMove(int Rows);

    // edit_mouse.cpp.
    bool MouseMessage(TMessage& Message);
    void TrackTo(TPoint Point);
    void EndTracking();
    void ScrollMessage(TMessage& Message, bool Vertical);

    // edit_context_menu.cpp.
    void PopupDefaultMenu(TPoint Screen);

    TEditBuffer buffer_;
    TEditLayout layout_;
    bool hideSelection_ = true;
    TBorderStyle borderStyle_ = bsSingle;
    bool readOnly_ = false;
    char passwordChar_ = '\0';
    bool modified_ = false;
    // Read from the window's style when it is made, as the edit window does.
    bool multiLine_ = false;
    TAlignment alignment_ = taLeftJustify;
    bool noHideSel_ = false;
    bool wrap_ = false;        // a multi-line window without horizontal scrolling wraps its lines
    bool vertBar_ = false;     // WS_VSCROLL and WS_HSCROLL: the bars follow the view
    bool horzBar_ = false;
    HFONT font_ = nullptr;         // from WM_SETFONT; the control's font until then
    HDC measureDC_ = nullptr;      // a memory DC holding font_, for measuring
    int rowHeight_ = 0;            // of font_; 0 until measured
    int caretHeight_ = 0;          // of the caret last made for this box
    int layoutWidth_ = 0;          // the wrapping width the layout was made for
    int tabWidth_ = 0;             // the distance between tab stops, of font_
    TRect formatRect_;             // EM_SETRECTNP's rectangle, while hasFormatRect_
    bool hasFormatRect_ = false;
    int leftMargin_ = 1;
    int rightMargin_ = 1;
    int topRow_ = 0;               // the first row shown, 0 .. RowCount - 1
    int scrollX_ = 0;              // pixels the text is scrolled to the left, 0 or more
    int caretGoalX_ = -1;          // where Up and Down aim, -1 to take the caret's x
    BYTE pendingLead_ = 0;         // a typed lead byte waiting for its trail byte
    bool tracking_ = false;        // the left button selects while it is held
    bool trackWords_ = false;      // a double click started it: whole words
    int wordAnchorStart_ = 0;      // the word the double click selected
    int wordAnchorEnd_ = 0;
    TPoint trackPoint_;            // where the mouse was last seen while tracking
};

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* AOwner);
};
