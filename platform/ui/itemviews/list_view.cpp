// The list view's properties, its window with the header inside it and the
// messages of its class.
#include "platform/ui/itemviews/list_view.h"

#include <algorithm>

#include "platform/base/code_page.h"
#include "platform/ui/kernel/control_border.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/itemviews/header_control.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/itemviews/list_view_window.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/window_styles.h"

TCustomListView::TCustomListView(TComponent* AOwner)
    : TCustomControl(AOwner),
      items_(std::make_unique<TListItems>(this)),
      columns_(std::make_unique<TListColumns>(this))
{
    SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks, csSetCaption, csClickEvents});
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    header_ = new THeaderControl(this);
    header_->SetVisible(false);
    header_->SetParent(this);
}

TCustomListView::~TCustomListView()
{
    // The handlers of the view must not hear of items freed with it.
    OnDeletion = nullptr;
    OnChange = nullptr;
    OnChanging = nullptr;
    OnSelectItem = nullptr;
    OnEdited = nullptr;
    editIndex_ = -1;
    editItem_ = nullptr;
    items_->Clear();
}

void TCustomListView::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    RegisterListViewClass();
    CreateSubClass(Params, WC_LISTVIEW);
    Params.Style |= WS_VSCROLL | WS_HSCROLL;
    AddControlBorder(Params, borderStyle_, Ctl3D());
}

void TCustomListView::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    wantedBars_.Take(params.Style);
    TCustomControl::CreateWnd();
    PlaceHeader();
    UpdateScrollBars();
}

void TCustomListView::SetViewStyle(TViewStyle Value)
{
    if (viewStyle_ == Value)
        return;
    viewStyle_ = Value;
    topLine_ = 0;
    scrollX_ = 0;
    rowHeight_ = 0;
    listColumnWidth_ = 0;
    LayoutChanged();
}

namespace {

void SetImageList(TComponent* Owner, TCustomImageList*& Field, TCustomImageList* Value)
{
    if (Field)
        Field->RemoveFreeNotification(Owner);
    Field = Value;
    if (Field)
        Field->FreeNotification(Owner);
}

}  // namespace

void TCustomListView::SetLargeImages(TCustomImageList* Value)
{
    SetImageList(this, largeImages_, Value);
    LayoutChanged();
}

void TCustomListView::SetSmallImages(TCustomImageList* Value)
{
    SetImageList(this, smallImages_, Value);
    rowHeight_ = 0;
    listColumnWidth_ = 0;
    LayoutChanged();
}

void TCustomListView::SetStateImages(TCustomImageList* Value)
{
    SetImageList(this, stateImages_, Value);
    rowHeight_ = 0;
    listColumnWidth_ = 0;
    LayoutChanged();
}

void TCustomListView::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == largeImages_)
        SetLargeImages(nullptr);
    if (AComponent == smallImages_)
        SetSmallImages(nullptr);
    if (AComponent == stateImages_)
        SetStateImages(nullptr);
}

void TCustomListView::SetCheckboxes(bool Value)
{
    checkboxes_ = Value;
    listColumnWidth_ = 0;
    LayoutChanged();
}

void TCustomListView::SetGridLines(bool Value)
{
    gridLines_ = Value;
    Invalidate();
}

void TCustomListView::SetRowSelect(bool Value)
{
    rowSelect_ = Value;
    Invalidate();
}

void TCustomListView::SetMultiSelect(bool Value)
{
    multiSelect_ = Value;
    // A single selection keeps the focused item alone.
    if (!Value)
        DeselectOthers(focusIndex_);
}

void TCustomListView::SetHotTrack(bool Value)
{
    hotTrack_ = Value;
    hotIndex_ = -1;
    Invalidate();
}

void TCustomListView::SetHideSelection(bool Value)
{
    hideSelection_ = Value;
    Invalidate();
}

void TCustomListView::SetShowColumnHeaders(bool Value)
{
    showColumnHeaders_ = Value;
    LayoutChanged();
}

void TCustomListView::SetOwnerData(bool Value)
{
    if (ownerData_ == Value)
        return;
    items_->Clear();
    ownerData_ = Value;
    dataSelected_.clear();
    LayoutChanged();
}

void TCustomListView::SetBorderStyle(TBorderStyle Value)
{
    if (borderStyle_ == Value)
        return;
    borderStyle_ = Value;
    if (HandleAllocated())
        RecreateWnd();
}

void TCustomListView::SetSortType(TSortType Value)
{
    if (sortType_ == Value)
        return;
    sortType_ = Value;
    if (sortType_ != stNone)
        AlphaSort();
}

bool TCustomListView::AlphaSort()
{
    SortItems(nullptr, 0);
    return true;
}

bool TCustomListView::CustomSort(TLVCompare SortProc, long Data)
{
    SortItems(SortProc, Data);
    return true;
}

bool TCustomListView::WindowMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case LVM_GETITEMCOUNT:
        Message.Result = items_->Count();
        return true;
    case LVM_GETTOPINDEX:
        Message.Result = TopIndex();
        return true;
    case LVM_GETCOUNTPERPAGE: {
        const TGrid grid = Grid();
        Message.Result = viewStyle_ == vsReport || viewStyle_ == vsList ? grid.Page * grid.PerLine
                                                                        : std::min(grid.Page * grid.PerLine,
                                                                                   items_->Count());
        return true;
    }
    case LVM_GETITEMRECT: {
        auto* rect = reinterpret_cast<TRect*>(Message.LParam);
        const int index = static_cast<int>(Message.WParam);
        Message.Result = rect && index >= 0 && index < items_->Count();
        if (Message.Result)
            *rect = ItemRect(index, static_cast<TDisplayCode>(std::clamp<int>(rect->Left, 0, drSelectBounds)));
        return true;
    }
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

void TCustomListView::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_SIZE:
        TCustomControl::Dispatch(Message);
        if (!settingBars_)
            LayoutChanged();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(Message);
        Invalidate();
        return;
    case CM_MOUSELEAVE:
        TCustomControl::Dispatch(Message);
        if (hotIndex_ >= 0) {
            InvalidateIndex(hotIndex_);
            hotIndex_ = -1;
        }
        return;
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(Message);
        header_->Font()->Assign(Font());
        rowHeight_ = 0;
        listColumnWidth_ = 0;
        LayoutChanged();
        return;
    default:
        TCustomControl::Dispatch(Message);
    }
}

bool TCustomListView::CanChange(TListItem* Item, TItemChange Change)
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, Item, Change, allow);
    return allow;
}

void TCustomListView::Change(TListItem* Item, TItemChange Change)
{
    if (OnChange)
        OnChange(this, Item, Change);
}

void TCustomListView::Delete(TListItem* Item)
{
    if (OnDeletion)
        OnDeletion(this, Item);
}

bool TCustomListView::CanEdit(TListItem* Item)
{
    bool allow = true;
    if (OnEditing)
        OnEditing(this, Item, allow);
    return allow;
}

void TCustomListView::Edit(TListItem* Item, AnsiString& S)
{
    if (OnEdited)
        OnEdited(this, Item, S);
}

void TCustomListView::ColClick(TListColumn* Column)
{
    if (OnColumnClick)
        OnColumnClick(this, Column);
}

int TCustomListView::Compare(TListItem* Item1, TListItem* Item2, int Data)
{
    int result = 0;
    if (OnCompare)
        OnCompare(this, Item1, Item2, Data, result);
    else if (sortType_ == stData)
        result = Item1->Data < Item2->Data ? -1 : (Item1->Data > Item2->Data ? 1 : 0);
    else
        result = AnsiCompareText(Item1->Caption(), Item2->Caption());
    return result;
}
