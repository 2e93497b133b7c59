// TCustomListBox and TListBox: a scrolling list of strings (each with an
// object) to pick one or several from, drawn by the list itself or by its
// owner, row by row.
//
// Rows are ItemHeight high, or measured one by one through OnMeasureItem
// when the style is lbOwnerDrawVariable (at insertion, as the platform's
// list measures them). The window's own vertical scroll bar scrolls by
// whole rows; it shows only while not every row fits.
//
// The selection: one row (ItemIndex), or with MultiSelect a flag per row,
// where ExtendedSelect makes Shift extend from an anchor row and Ctrl
// toggle, and without it every click or Space toggles. In both multiple
// styles ItemIndex is the focused row, the one the keys move. A change
// the user makes fires OnClick; changes by the program fire nothing.
//
// Typing selects the next row starting with what was typed (TTypeAhead).
#pragma once

#include <cstdint>
#include <memory>

#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/itemviews/list_box_store.h"
#include "platform/ui/itemviews/list_box_type_ahead.h"
#include "platform/ui/itemviews/list_box_types.h"

class TListBoxStrings;
class TStrings;

class TCustomListBox : public TCustomControl {
public:
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;

    TStrings* Items() const;
    void SetItems(TStrings* Value);
    int Count() const { return store_.Count(); }
    void Clear();

    // Setting it sorts the rows there are; later additions go in order.
    bool Sorted() const { return sorted_; }
    void SetSorted(bool Value);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool Value);
    bool ExtendedSelect() const { return extendedSelect_; }
    void SetExtendedSelect(bool Value) { extendedSelect_ = Value; }

    // The selected row (the focused one with MultiSelect), -1 for none.
    // Setting it scrolls the row into view, even when it was selected
    // already; -1 clears the selection.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int Value);
    // A row's selection; without MultiSelect, whether it is ItemIndex.
    bool Selected(int Index) const;
    void SetSelected(int Index, bool Value);
    int SelCount() const;
    void SelectAll();
    void ClearSelection();

    // The first row shown; kept where the rows below fill the list.
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int Value);

    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle Value);
    // The row height: the font's for lbStandard, the set one otherwise (and
    // the height OnMeasureItem starts from).
    int ItemHeight();
    void SetItemHeight(int Value);
    // Sizes the list to whole rows (fixed heights), and never shows a row
    // cut at the bottom.
    bool IntegralHeight() const { return integralHeight_; }
    void SetIntegralHeight(bool Value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);

    // The row at a client point; when it lies below the last row, -1 if
    // Existing, else the row count.
    int ItemAtPos(TPoint Pos, bool Existing);
    // The row that starts with Prefix (CompareText on its first bytes),
    // searching from After + 1 round to After; -1 when none does.
    int FindPrefix(const AnsiString& Prefix, int After) const;
    // The row a typed prefix finds from the current row (see TTypeAhead).
    int FindTyped(const TTypeAhead& Typed) const;
    // The row's rectangle in the client area (above or below it when the
    // row is scrolled away; empty for an unknown row).
    TRect ItemRect(int Index);

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    bool CanResize(int& NewWidth, int& NewHeight) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

    // Draws row Index in Rect of Canvas: OnDrawItem for the owner-drawn
    // styles when set, else the text on the selection or window colours.
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
    virtual void MeasureItem(int Index, int& Height);
    // The user moved the selection.
    virtual void SelectionChanged() { Click(); }

    // Moves the selection to Index the way a click or a key does, with
    // Shift and Ctrl as the selection style reads them; fires
    // SelectionChanged when something changed.
    void UserSelect(int Index, TShiftState Shift);
    // Scrolls so that Index is shown whole.
    void MakeVisible(int Index);

private:
    friend class TListBoxStrings;

    // What TListBoxStrings reports.
    void RowInserted(int Index);
    void RowDeleted(int Index);
    // The text of row Index was replaced.
    void RowChanged(int Index);
    void RowsCleared();
    void RowsSorted();
    void UpdateStateChanged(bool Updating);

    int RowHeight(int Index);
    // The rows shown whole from First down; at least 1 when there are rows.
    int RowsFitting(int First);
    int MaxTopIndex();
    // Puts the scroll bar and the picture in step with the rows, unless an
    // update bracket is open.
    void RowsChanged();
    void UpdateScrollBar();
    void ScrollMessage(int Code);
    void InvalidateRow(int Index);
    int RowsPerPage();
    // The selection flags from Anchor to Index set, the others cleared
    // unless KeepOthers; true when a flag changed.
    bool SelectRange(int Anchor, int Index, bool KeepOthers);

    TListBoxStore store_;
    std::unique_ptr<TListBoxStrings> items_;
    bool sorted_ = false;  // while set, the rows are in CompareText order
    bool multiSelect_ = false;
    bool extendedSelect_ = true;
    int itemIndex_ = -1;  // -1 or a row; the only selected row without MultiSelect
    int anchor_ = -1;     // where Shift extends from (extended selection)
    int topIndex_ = 0;    // 0 .. MaxTopIndex()
    TListBoxStyle style_ = lbStandard;
    int itemHeight_ = 16;
    int fontHeight_ = 0;  // the font's row height for lbStandard; 0 until measured after a font change
    bool integralHeight_ = false;
    TBorderStyle borderStyle_ = bsSingle;
    bool updating_ = false;    // inside the Items' update bracket: no scroll or paint
    bool tracking_ = false;    // the left button went down on the list and is held
    TTypeAhead typeAhead_;
};

class TListBox : public TCustomListBox {
public:
    using TCustomListBox::TCustomListBox;
};
