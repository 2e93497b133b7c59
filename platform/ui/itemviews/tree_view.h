// TCustomTreeView and TTreeView: nodes in a tree, one row each, with lines
// and buttons to show their places, images, a selected node, keyboard and
// mouse walking, in-place renaming and custom drawing.
//
// The window is of class "SysTreeView32": the tree messages (TVM_GETCOUNT,
// TVM_GETVISIBLECOUNT, TVM_GETIMAGELIST, WM_VSCROLL, WM_HSCROLL) reach
// the view's DefaultHandler through that class's procedure, so that a
// control derived from this one and a SetWindowLongA subclass of the
// window both see them first and may pass them on.
//
// Rows are the shown nodes in the tree's order, all of one height; the
// view scrolls by rows vertically and by pixels horizontally, through the
// window's own scroll bars. The scroll information is kept current even
// when the bars are removed from the style (CreateParams), so that a view
// with bars of its own can read range and position through GetScrollInfo.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/itemviews/list_box_type_ahead.h"
#include "platform/ui/itemviews/list_box_types.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/itemviews/tree_view_types.h"
#include "platform/ui/itemviews/view_scrolling.h"

class TCustomImageList;
class TInPlaceEditBox;

class THintWindow;

class TCustomTreeView : public TCustomControl {
public:
    explicit TCustomTreeView(TComponent* AOwner);
    ~TCustomTreeView() override;

    TTreeNodes* Items() const { return items_.get(); }

    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool Value);
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool Value);
    // Lines and buttons for the top nodes too.
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool Value);
    // The width of one level.
    int Indent() const { return indent_; }
    void SetIndent(int Value);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* Value);
    TCustomImageList* StateImages() const { return stateImages_; }
    void SetStateImages(TCustomImageList* Value);
    // The selection is drawn only while the view has the focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool Value);
    // The node under the mouse is underlined.
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool Value);
    // A node whose text the view cuts off shows it whole in a tip laid
    // over it while the mouse is on it.
    bool ToolTips() const { return toolTips_; }
    void SetToolTips(bool Value);
    // The tip's window while one shows; nullptr otherwise.
    THintWindow* ToolTipWindow() const { return tipNode_ ? tip_.get() : nullptr; }
    // The selection fills the whole row, and a click anywhere on a row selects it.
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool Value);
    // The right button selects the node it goes down on.
    bool RightClickSelect = false;
    // No in-place editing.
    bool ReadOnly = false;
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    // Setting a sort type other than stNone sorts the tree; nodes added
    // or retitled later take their places.
    TSortType SortType() const { return sortType_; }
    void SetSortType(TSortType Value);
    bool AlphaSort(bool Recurse = true);
    bool CustomSort(TTVCompare SortProc, long Data, bool Recurse = true);

    // The selected node, nullptr when none. Setting it fires OnChanging
    // and OnChange and scrolls it into view.
    TTreeNode* Selected() const { return selected_; }
    void SetSelected(TTreeNode* Value);
    // The node of the first row shown.
    TTreeNode* TopItem();
    void SetTopItem(TTreeNode* Value);
    // The node on the row at a client point, nullptr below the last row.
    TTreeNode* GetNodeAt(int X, int Y);
    THitTests GetHitTestInfoAt(int X, int Y);
    void FullExpand();
    void FullCollapse();
    // The rows shown whole.
    int VisibleCount();
    int RowHeight();
    bool IsEditing() const { return editNode_ != nullptr; }
    TTreeNode* EditingNode() const { return editNode_; }

    TTVChangingEvent OnChanging;
    TTVChangedEvent OnChange;
    TTVExpandingEvent OnExpanding;
    TTVExpandedEvent OnExpanded;
    TTVCollapsingEvent OnCollapsing;
    TTVExpandedEvent OnCollapsed;
    TTVExpandedEvent OnDeletion;
    TTVExpandedEvent OnGetImageIndex;
    TTVExpandedEvent OnGetSelectedIndex;
    TTVEditingEvent OnEditing;
    TTVEditedEvent OnEdited;
    TTVCompareEvent OnCompare;
    TTVCustomDrawItemEvent OnCustomDrawItem;
    TTVAdvancedCustomDrawItemEvent OnAdvancedCustomDrawItem;

    // The window class's side of a message the class library passed on:
    // the tree messages and the scroll messages. False for any other.
    bool WindowMessage(TMessage& Message);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void CreateWindowHandle(const TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void DoExit() override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

    virtual bool CanChange(TTreeNode* Node);
    virtual void Change(TTreeNode* Node);
    virtual bool CanExpand(TTreeNode* Node);
    virtual void Expand(TTreeNode* Node);
    virtual bool CanCollapse(TTreeNode* Node);
    virtual void Collapse(TTreeNode* Node);
    virtual void Delete(TTreeNode* Node);
    virtual bool CanEdit(TTreeNode* Node);
    virtual void Edit(TTreeNode* Node, AnsiString& S);
    virtual int Compare(TTreeNode* Node1, TTreeNode* Node2, int Data);

private:
    friend class TTreeNode;
    friend class TTreeNodes;

    // tree_view_rows.cpp: the visible rows, scrolling and geometry.
    void RowsChanged();
    void UpdateRows();
    // Measures the shown rows for the horizontal range when they changed.
    void UpdateContentWidth();
    // The row of a shown node, -1 when it is hidden.
    int RowOf(const TTreeNode* Node);
    TTreeNode* NodeAtRow(int Row);
    int RowCount();
    int MaxTopRow();
    void SetTopRow(int Row);
    void SetScrollX(int X);
    void MakeRowVisible(int Row);
    // Where the node's text starts, before the horizontal scroll.
    int TextLeft(const TTreeNode* Node);
    int TextWidth(TTreeNode* Node);
    TRect NodeRect(TTreeNode* Node, bool TextOnly);
    void InvalidateNode(TTreeNode* Node);
    void UpdateScrollBars();
    void ScrollMessage(int Bar, WORD Code, WORD Position);
    void ForgetTextWidths();

    // tree_view_nodes.cpp: what the nodes report, and the selection.
    void NodeInserted(TTreeNode* Node);
    // Node looks different; with Geometry its width or place changed too.
    void NodeChanged(TTreeNode* Node, bool Geometry);
    // Node and its children are about to go: OnDeletion for each, the
    // selection moved away and every reference dropped.
    void NodeDeleting(TTreeNode* Node);
    void NodesCleared();
    void UpdateStateChanged(bool Updating);
    bool ExpandNode(TTreeNode* Node, bool Value);
    void SortChildren(TTreeNode* Parent, bool Recurse, TTVCompare SortProc, long Data);
    // Moves the selection as a user does: OnChanging may refuse.
    void UserSelect(TTreeNode* Node);
    // Selects without asking (the selected node is going away).
    void ForceSelect(TTreeNode* Node);

    // tree_view_edit.cpp: in-place editing.
    bool StartEdit(TTreeNode* Node);
    void EndEdit(bool Cancel);

    // tree_view_paint.cpp.
    void PaintRow(TTreeNode* Node, const TRect& Row);
    void PaintLinesAndButton(TTreeNode* Node, const TRect& Row);

    // tree_view_tips.cpp.
    void TrackTip(int X, int Y);
    void HideTip();
    // The tip goes with Node and its children.
    void HideTipOf(TTreeNode* Node);

    // tree_view_input.cpp.
    TTreeNode* FindTyped();
    void UserKey(WORD Key);

    std::unique_ptr<TTreeNodes> items_;
    TTreeNode* selected_ = nullptr;  // nullptr or a node of items_
    TTreeNode* hotNode_ = nullptr;   // the node under the mouse while HotTrack is on
    bool toolTips_ = true;
    TTreeNode* tipNode_ = nullptr;   // the node whose text the tip shows; the tip shows exactly while set
    std::unique_ptr<THintWindow> tip_;  // made with the first tip
    TTreeNode* editNode_ = nullptr;  // the node being renamed; the edit box shows exactly while set
    TInPlaceEditBox* editBox_ = nullptr;  // a child of the view, made on the first edit
    // Set to a node while a handler that may free it runs; cleared when it goes.
    TTreeNode* watched_ = nullptr;
    // The shown nodes in the tree's order; current while !rowsDirty_.
    std::vector<TTreeNode*> rows_;
    bool rowsDirty_ = true;
    int contentWidth_ = 0;  // the widest row, current while !widthsDirty_
    bool widthsDirty_ = true;
    int topRow_ = 0;        // 0 .. MaxTopRow()
    int scrollX_ = 0;       // pixels scrolled to the right
    int rowHeight_ = 0;     // 0 until measured after a font or image change
    bool showLines_ = true;
    bool showButtons_ = true;
    bool showRoot_ = true;
    int indent_ = 19;
    TCustomImageList* images_ = nullptr;
    TCustomImageList* stateImages_ = nullptr;
    bool hideSelection_ = true;
    bool hotTrack_ = false;
    bool rowSelect_ = false;
    TBorderStyle borderStyle_ = bsSingle;
    TSortType sortType_ = stNone;
    TWantedScrollBars wantedBars_;
    bool settingBars_ = false;  // inside UpdateScrollBars: its own WM_SIZE changes nothing
    TTypeAhead typeAhead_;
};

class TTreeView : public TCustomTreeView {
public:
    using TCustomTreeView::TCustomTreeView;
};
