// TCustomListView and TListView: items shown as large icons, small icons,
// a list of columns or a report with a column header; selection by mouse
// and keys, check boxes, in-place renaming, sorting, owner data and custom
// drawing.
//
// The window is of class "SysListView32": the list messages (LVM_*) and
// the scroll messages reach the view's DefaultHandler through that class's
// procedure, so that a control derived from this one and a subclass of the
// window both see them first. The report header is a child window of class
// "SysHeader32", announced to the list by WM_PARENTNOTIFY when it is made.
//
// The view scrolls through the window's own scroll bars; their information
// is kept current even when a derived view removed the bars from the style,
// so that bars of its own can read it through GetScrollInfo. Report, icon
// and small-icon views scroll by lines of items vertically and by pixels
// horizontally; the list style scrolls by columns horizontally.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/itemviews/list_columns.h"
#include "platform/ui/itemviews/list_box_types.h"
#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/itemviews/view_scrolling.h"

class TCustomImageList;
class THeaderControl;
class TInPlaceEditBox;

class TCustomListView : public TCustomControl {
public:
    explicit TCustomListView(TComponent* AOwner);
    ~TCustomListView() override;

    TListItems* Items() const { return items_.get(); }
    TListColumns* Columns() const { return columns_.get(); }
    THeaderControl* Header() const { return header_; }

    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle Value);
    TCustomImageList* LargeImages() const { return largeImages_; }
    void SetLargeImages(TCustomImageList* Value);
    TCustomImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TCustomImageList* Value);
    TCustomImageList* StateImages() const { return stateImages_; }
    void SetStateImages(TCustomImageList* Value);
    bool Checkboxes() const { return checkboxes_; }
    void SetCheckboxes(bool Value);
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool Value);
    // The selection fills the whole report row, and a click anywhere on it selects.
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool Value);
    // Columns may be dragged in the header into a new order.
    bool FullDrag() const { return fullDrag_; }
    void SetFullDrag(bool Value) { fullDrag_ = Value; }
    // Ctrl adds single items, Shift ranges.
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool Value);
    // The item under the mouse is drawn in the hot colour.
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool Value);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool Value);
    bool ShowColumnHeaders() const { return showColumnHeaders_; }
    void SetShowColumnHeaders(bool Value);
    // No in-place renaming.
    bool ReadOnly = false;
    // The items are the program's: Items()->SetCount and OnData.
    bool OwnerData() const { return ownerData_; }
    void SetOwnerData(bool Value);
    // Report rows are drawn by OnDrawItem alone.
    bool OwnerDraw = false;
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    // Setting a sort type other than stNone sorts; a caption set later
    // moves its item to its place.
    TSortType SortType() const { return sortType_; }
    void SetSortType(TSortType Value);
    bool AlphaSort();
    bool CustomSort(TLVCompare SortProc, long Data);

    // The focused item's index, -1 when none; setting selects it alone.
    int ItemIndex() const { return focusIndex_; }
    void SetItemIndex(int Value);
    // The first selected item, nullptr when none; setting selects it alone.
    TListItem* Selected();
    void SetSelected(TListItem* Value);
    int SelCount() const;
    TListItem* ItemFocused();
    void SetItemFocused(TListItem* Value);
    void ClearSelection();
    void SelectAll();
    // The first item shown.
    TListItem* TopItem();
    TListItem* GetItemAt(int X, int Y);
    // Whole report rows or list lines that fit in the view.
    int VisibleRowCount();
    int RowHeight();
    // Scrolls by DX pixels and DY pixels, in whole lines or columns.
    void Scroll(int DX, int DY);
    bool IsEditing() const { return editIndex_ >= 0; }
    // Ends renaming; Cancel drops the text typed.
    void EndEditing(bool Cancel);

    TLVChangingEvent OnChanging;
    TLVChangeEvent OnChange;
    TLVSelectItemEvent OnSelectItem;
    TLVColumnClickEvent OnColumnClick;
    TLVDeletedEvent OnDeletion;
    TLVDeletedEvent OnData;
    TLVEditingEvent OnEditing;
    TLVEditedEvent OnEdited;
    TLVCompareEvent OnCompare;
    TLVDrawItemEvent OnDrawItem;
    TLVCustomDrawItemEvent OnCustomDrawItem;
    TLVCustomDrawSubItemEvent OnCustomDrawSubItem;

    // The window class's side of a message the class library passed on:
    // the list messages and the scroll messages. False for any other.
    bool WindowMessage(TMessage& Message);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoExit() override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

    virtual bool CanChange(TListItem* Item, TItemChange Change);
    virtual void Change(TListItem* Item, TItemChange Change);
    virtual void Delete(TListItem* Item);
    virtual bool CanEdit(TListItem* Item);
    virtual void Edit(TListItem* Item, AnsiString& S);
    virtual void ColClick(TListColumn* Column);
    virtual int Compare(TListItem* Item1, TListItem* Item2, int Data);

private:
    friend class TListItem;
    friend class TListItems;
    friend class TListColumns;
    friend class THeaderControl;

    // list_view_layout.cpp: where items go in each style, and scrolling.
    struct TGrid {
        int CellWidth;
        int CellHeight;
        int Top;      // below the header
        int PerLine;  // items side by side (rows of a list column)
        int Lines;    // lines of cells, or list columns
        int Page;     // whole lines or list columns shown
    };
    TGrid Grid();
    // The pixels the items take across in the styles that scroll by
    // pixels there; 0 in the list style.
    int ContentWidth(const TGrid& Grid);
    int HeaderHeight();
    int ListColumnWidth();
    // A caption set in the list styles may need wider columns.
    void WidenListColumn(TListItem* Item);
    TRect ItemRect(int Index, TDisplayCode Code);
    int IndexAt(int X, int Y);
    int TopIndex();
    int MaxTopLine();
    void SetTopLine(int Line);
    void SetScrollX(int X);
    void MakeIndexVisible(int Index);
    void LayoutChanged();
    // Items came or went at From: the bars and the items shown after it.
    void CountChanged(int From);
    void UpdateScrollBars();
    void ScrollMessage(int Bar, WORD Code, WORD Position);
    void PlaceHeader();
    void InvalidateIndex(int Index);

    // list_view_select.cpp: what the items report, and the selection.
    bool IndexSelected(int Index);
    // Changes an item's selection as the program or user does: OnChanging
    // may refuse; OnChange and OnSelectItem follow a change.
    bool SelectIndex(int Index, bool Value);
    // Unselects every item but Keep (-1 for all) without walking the list
    // when the count shows that no other item is selected.
    void DeselectOthers(int Keep);
    void FocusIndex(int Index);
    // A user's click or key on Index: alone, or with Ctrl or Shift.
    void UserSelect(int Index, TShiftState Shift);
    void ItemInserted(int Index);
    // The item is about to go: OnDeletion, the edit cancelled, and the
    // selection moved to a neighbour once it is out of the list.
    void ItemDeleting(TListItem* Item);
    void ItemDeleted(int Index, bool WasSelected, bool WasFocused);
    void ItemsCleared();
    void CaptionChanged(TListItem* Item);
    void SortItems(TLVCompare SortProc, long Data);
    TListItem* ItemAt(int Index);

    // list_view_edit.cpp: renaming in place.
    bool StartEdit(int Index);
    void EndEdit(bool Cancel);

    // list_view_paint.cpp.
    void PaintItem(int Index);
    void PaintReportItem(TListItem* Item, int Index, const TRect& Row, TCustomDrawState State);
    void PaintIconItem(TListItem* Item, int Index);
    // The check box, state image and small image before a caption in the
    // small styles, the small image starting at Left, centred on Middle.
    void PaintItemLead(TListItem* Item, int Left, int Middle);
    TCustomDrawState StateOf(int Index);

    // list_view_input.cpp.
    void UserKey(WORD Key, TShiftState Shift);
    void ToggleChecks();

    std::unique_ptr<TListItems> items_;
    std::unique_ptr<TListColumns> columns_;
    THeaderControl* header_ = nullptr;  // a child of the view, shown in the report style
    TInPlaceEditBox* editBox_ = nullptr;  // a child of the view, made on the first edit
    int editIndex_ = -1;                // the item being renamed; the edit box shows exactly while set
    TListItem* editItem_ = nullptr;     // that item, without OwnerData
    // Set to an item while a handler that may free it runs; cleared when it goes.
    TListItem* watched_ = nullptr;
    std::vector<bool> dataSelected_;  // the selection of OwnerData items
    int selCount_ = 0;      // the items selected, kept so clearing needs no walk
    // The item selected last, moved with insertions and deletions but not
    // sorting: only a hint, taken when it is selected and selCount_ is 1.
    int lastSelected_ = -1;
    int focusIndex_ = -1;
    int anchorIndex_ = -1;  // where a Shift range starts
    int hotIndex_ = -1;
    int topLine_ = 0;   // the first line shown, or the first list column
    int scrollX_ = 0;   // pixels scrolled right; always 0 in the list style
    int rowHeight_ = 0;  // 0 until measured after a font or image change
    int fontHeight_ = 0;  // measured with rowHeight_
    bool framePending_ = false;  // the bars wait for the next paint
    int listColumnWidth_ = 0;  // 0 until measured
    uint32_t pressTime_ = 0;   // when the press that selected the focused item came
    bool pressOnSelected_ = false;  // the press was on the caption of the item already focused
    TViewStyle viewStyle_ = vsIcon;
    TCustomImageList* largeImages_ = nullptr;
    TCustomImageList* smallImages_ = nullptr;
    TCustomImageList* stateImages_ = nullptr;
    bool checkboxes_ = false;
    bool gridLines_ = false;
    bool rowSelect_ = false;
    bool fullDrag_ = false;
    bool multiSelect_ = false;
    bool hotTrack_ = false;
    bool hideSelection_ = true;
    bool showColumnHeaders_ = true;
    bool ownerData_ = false;
    TBorderStyle borderStyle_ = bsSingle;
    TSortType sortType_ = stNone;
    TWantedScrollBars wantedBars_;
    bool settingBars_ = false;
};

class TListView : public TCustomListView {
public:
    using TCustomListView::TCustomListView;
};
