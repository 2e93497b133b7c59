// The tree view's properties, its window and the messages of its class.
#include "platform/ui/itemviews/tree_view.h"

#include "platform/base/code_page.h"
#include "platform/base/component_link.h"
#include "platform/ui/kernel/control_border.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/hint_window.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/itemviews/tree_view_window.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/window_styles.h"

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TCustomControl(AOwner), items_(std::make_unique<TTreeNodes>(this))
{
    SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks, csSetCaption, csClickEvents});
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TCustomTreeView::~TCustomTreeView()
{
    // The handlers of the view must not hear of nodes freed with it.
    OnDeletion = nullptr;
    OnChange = nullptr;
    OnChanging = nullptr;
    editNode_ = nullptr;
    items_->Clear();
    HideTip();
}

void TCustomTreeView::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    RegisterTreeViewClass();
    CreateSubClass(Params, WC_TREEVIEW);
    Params.Style |= WS_VSCROLL | WS_HSCROLL;
    AddControlBorder(Params, borderStyle_, Ctl3D());
}

void TCustomTreeView::CreateWindowHandle(const TCreateParams& Params)
{
    wantedBars_.Take(Params.Style);
    TCustomControl::CreateWindowHandle(Params);
}

void TCustomTreeView::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateScrollBars();
}

void TCustomTreeView::SetShowLines(bool Value)
{
    showLines_ = Value;
    Invalidate();
}

void TCustomTreeView::SetShowButtons(bool Value)
{
    showButtons_ = Value;
    Invalidate();
}

void TCustomTreeView::SetShowRoot(bool Value)
{
    showRoot_ = Value;
    RowsChanged();
}

void TCustomTreeView::SetIndent(int Value)
{
    indent_ = Value < 0 ? 0 : Value;
    RowsChanged();
}

void TCustomTreeView::SetImages(TCustomImageList* Value)
{
    if (!SetComponentLink(this, images_, Value))
        return;
    rowHeight_ = 0;
    RowsChanged();
}

void TCustomTreeView::SetStateImages(TCustomImageList* Value)
{
    if (!SetComponentLink(this, stateImages_, Value))
        return;
    rowHeight_ = 0;
    RowsChanged();
}

void TCustomTreeView::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == images_)
        SetImages(nullptr);
    if (AComponent == stateImages_)
        SetStateImages(nullptr);
}

void TCustomTreeView::SetHideSelection(bool Value)
{
    hideSelection_ = Value;
    InvalidateNode(selected_);
}

void TCustomTreeView::SetHotTrack(bool Value)
{
    hotTrack_ = Value;
    if (!Value)
        hotNode_ = nullptr;
    Invalidate();
}

void TCustomTreeView::SetRowSelect(bool Value)
{
    rowSelect_ = Value;
    Invalidate();
}

void TCustomTreeView::SetBorderStyle(TBorderStyle Value)
{
    if (borderStyle_ == Value)
        return;
    borderStyle_ = Value;
    if (HandleAllocated())
        RecreateWnd();
}

void TCustomTreeView::SetSortType(TSortType Value)
{
    if (sortType_ == Value)
        return;
    sortType_ = Value;
    if (sortType_ != stNone)
        AlphaSort(true);
}

bool TCustomTreeView::AlphaSort(bool Recurse)
{
    SortChildren(items_->Root(), Recurse, nullptr, 0);
    return true;
}

bool TCustomTreeView::CustomSort(TTVCompare SortProc, long Data, bool Recurse)
{
    SortChildren(items_->Root(), Recurse, SortProc, Data);
    return true;
}

bool TCustomTreeView::WindowMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case TVM_GETCOUNT:
        Message.Result = items_->Count();
        return true;
    case TVM_GETVISIBLECOUNT:
        Message.Result = VisibleCount();
        return true;
    case TVM_GETIMAGELIST:
        // The list itself stands for the platform's image list handle.
        Message.Result = reinterpret_cast<LRESULT>(Message.WParam == TVSIL_STATE ? stateImages_ : images_);
        return true;
    case WM_VSCROLL:
        ScrollMessage(SB_VERT, LOWORD(Message.WParam), HIWORD(Message.WParam));
        Message.Result = 0;
        return true;
    case WM_HSCROLL:
        ScrollMessage(SB_HORZ, LOWORD(Message.WParam), HIWORD(Message.WParam));
        Message.Result = 0;
        return true;
    default:
        return false;
    }
}

void TCustomTreeView::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_SIZE:
        TCustomControl::Dispatch(Message);
        if (!settingBars_)
            RowsChanged();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(Message);
        // The focus shows on the first row while nothing is selected.
        InvalidateNode(selected_ ? selected_ : items_->GetFirstNode());
        return;
    case CM_MOUSELEAVE:
        TCustomControl::Dispatch(Message);
        HideTip();
        if (hotNode_) {
            InvalidateNode(hotNode_);
            hotNode_ = nullptr;
        }
        return;
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(Message);
        rowHeight_ = 0;
        ForgetTextWidths();
        RowsChanged();
        return;
    default:
        TCustomControl::Dispatch(Message);
    }
}

bool TCustomTreeView::CanChange(TTreeNode* Node)
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, Node, allow);
    return allow;
}

void TCustomTreeView::Change(TTreeNode* Node)
{
    if (OnChange)
        OnChange(this, Node);
}

bool TCustomTreeView::CanExpand(TTreeNode* Node)
{
    bool allow = true;
    if (OnExpanding)
        OnExpanding(this, Node, allow);
    return allow;
}

void TCustomTreeView::Expand(TTreeNode* Node)
{
    if (OnExpanded)
        OnExpanded(this, Node);
}

bool TCustomTreeView::CanCollapse(TTreeNode* Node)
{
    bool allow = true;
    if (OnCollapsing)
        OnCollapsing(this, Node, allow);
    return allow;
}

void TCustomTreeView::Collapse(TTreeNode* Node)
{
    if (OnCollapsed)
        OnCollapsed(this, Node);
}

void TCustomTreeView::Delete(TTreeNode* Node)
{
    if (OnDeletion)
        OnDeletion(this, Node);
}

bool TCustomTreeView::CanEdit(TTreeNode* Node)
{
    bool allow = true;
    if (OnEditing)
        OnEditing(this, Node, allow);
    return allow;
}

void TCustomTreeView::Edit(TTreeNode* Node, AnsiString& S)
{
    if (OnEdited)
        OnEdited(this, Node, S);
}

int TCustomTreeView::Compare(TTreeNode* Node1, TTreeNode* Node2, int Data)
{
    int result = 0;
    if (OnCompare)
        OnCompare(this, Node1, Node2, Data, result);
    else if (sortType_ == stData)
        result = Node1->Data < Node2->Data ? -1 : (Node1->Data > Node2->Data ? 1 : 0);
    else
        result = AnsiCompareText(Node1->Text(), Node2->Text());
    return result;
}
