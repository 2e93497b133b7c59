// The list box's rows, selection, scrolling and painting.
#include "platform/ui/itemviews/list_box.h"

#include <algorithm>

#include "platform/base/exceptions.h"
#include "platform/base/format.h"
#include "platform/base/list_errors.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/control_border.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/itemviews/list_box_strings.h"
#include "platform/ui/graphics/text_metrics.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/system_metrics.h"
#include "platform/win/update_region.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_styles.h"

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TCustomControl(AOwner), items_(std::make_unique<TListBoxStrings>(this))
{
    // OnClick reports selection changes, not presses, so the click events
    // of the base stay off; double clicks are reported after the press
    // selected the row.
    SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks, csSetCaption});
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TCustomListBox::~TCustomListBox() = default;

TStrings* TCustomListBox::Items() const
{
    return items_.get();
}

void TCustomListBox::SetItems(TStrings* Value)
{
    items_->Assign(Value);
}

void TCustomListBox::Clear()
{
    items_->Clear();
}

void TCustomListBox::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style |= WS_VSCROLL;
    AddControlBorder(Params, borderStyle_, Ctl3D());
}

void TCustomListBox::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateScrollBar();
}

bool TCustomListBox::CanResize(int& NewWidth, int& NewHeight)
{
    if (!TCustomControl::CanResize(NewWidth, NewHeight))
        return false;
    if (integralHeight_ && style_ != lbOwnerDrawVariable) {
        int frame = 0;
        if (borderStyle_ == bsSingle)
            frame = Ctl3D() ? 2 * GetSystemMetrics(SM_CYEDGE) : 2 * GetSystemMetrics(SM_CYBORDER);
        const int row = std::max(ItemHeight(), 1);
        NewHeight = frame + std::max((NewHeight - frame) / row, 1) * row;
    }
    return true;
}

void TCustomListBox::SetSorted(bool Value)
{
    if (sorted_ == Value)
        return;
    sorted_ = Value;
    if (!sorted_)
        return;
    // The selected row keeps its selection wherever it lands; a
    // single-selection list has no other use for the flags.
    if (!multiSelect_ && itemIndex_ >= 0)
        store_.At(itemIndex_).Selected = true;
    store_.Sort();
    RowsSorted();
}

void TCustomListBox::RowsSorted()
{
    if (!multiSelect_ && itemIndex_ >= 0) {
        for (int i = 0; i < store_.Count(); ++i) {
            if (store_.At(i).Selected) {
                store_.At(i).Selected = false;
                itemIndex_ = i;
                break;
            }
        }
    }
    anchor_ = itemIndex_;
    RowsChanged();
}

void TCustomListBox::SetMultiSelect(bool Value)
{
    if (multiSelect_ == Value)
        return;
    multiSelect_ = Value;
    for (int i = 0; i < store_.Count(); ++i)
        store_.At(i).Selected = multiSelect_ && i == itemIndex_;
    anchor_ = itemIndex_;
    Invalidate();
}

void TCustomListBox::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= store_.Count())
        Value = -1;
    if (Value != itemIndex_) {
        InvalidateRow(itemIndex_);
        itemIndex_ = Value;
        anchor_ = Value;
        InvalidateRow(itemIndex_);
    }
    // Even the row already selected comes into view.
    if (Value >= 0)
        MakeVisible(Value);
}

bool TCustomListBox::Selected(int Index) const
{
    if (Index < 0 || Index >= store_.Count())
        throw EListError(Format(SListIndexError, {Index}));
    return multiSelect_ ? store_.At(Index).Selected : Index == itemIndex_;
}

void TCustomListBox::SetSelected(int Index, bool Value)
{
    if (Index < 0 || Index >= store_.Count())
        throw EListError(Format(SListIndexError, {Index}));
    if (!multiSelect_) {
        if (Value)
            SetItemIndex(Index);
        else if (Index == itemIndex_)
            SetItemIndex(-1);
        return;
    }
    if (store_.At(Index).Selected == Value)
        return;
    store_.At(Index).Selected = Value;
    InvalidateRow(Index);
}

int TCustomListBox::SelCount() const
{
    if (!multiSelect_)
        return -1;
    int count = 0;
    for (int i = 0; i < store_.Count(); ++i)
        count += store_.At(i).Selected ? 1 : 0;
    return count;
}

void TCustomListBox::SelectAll()
{
    if (!multiSelect_)
        return;
    for (int i = 0; i < store_.Count(); ++i)
        store_.At(i).Selected = true;
    Invalidate();
}

void TCustomListBox::ClearSelection()
{
    if (!multiSelect_) {
        SetItemIndex(-1);
        return;
    }
    for (int i = 0; i < store_.Count(); ++i)
        store_.At(i).Selected = false;
    Invalidate();
}

void TCustomListBox::SetTopIndex(int Value)
{
    Value = std::clamp(Value, 0, MaxTopIndex());
    if (Value == topIndex_)
        return;
    topIndex_ = Value;
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::SetStyle(TListBoxStyle Value)
{
    if (style_ == Value)
        return;
    style_ = Value;
    if (style_ == lbOwnerDrawVariable) {
        for (int i = 0; i < store_.Count(); ++i) {
            int height = itemHeight_;
            MeasureItem(i, height);
            store_.At(i).Height = height;
        }
    }
    RowsChanged();
}

int TCustomListBox::ItemHeight()
{
    if (style_ != lbStandard)
        return itemHeight_;
    if (fontHeight_ == 0)
        fontHeight_ = FontHeight(Font());
    return fontHeight_;
}

void TCustomListBox::SetItemHeight(int Value)
{
    if (Value <= 0 || itemHeight_ == Value)
        return;
    itemHeight_ = Value;
    if (integralHeight_)
        AdjustSize();
    RowsChanged();
}

void TCustomListBox::SetIntegralHeight(bool Value)
{
    if (integralHeight_ == Value)
        return;
    integralHeight_ = Value;
    if (integralHeight_)
        AdjustSize();
    RowsChanged();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value)
{
    if (borderStyle_ == Value)
        return;
    borderStyle_ = Value;
    if (HandleAllocated())
        RecreateWnd();
}

int TCustomListBox::RowHeight(int Index)
{
    return style_ == lbOwnerDrawVariable ? store_.At(Index).Height : ItemHeight();
}

int TCustomListBox::RowsFitting(int First)
{
    const int count = store_.Count();
    const int height = ClientHeight();
    if (style_ != lbOwnerDrawVariable)
        return std::min(count - First, std::max(height / std::max(ItemHeight(), 1), 1));
    int rows = 0;
    for (int i = First, y = 0; i < count; ++i) {
        y += store_.At(i).Height;
        if (y > height && rows > 0)
            break;
        ++rows;
    }
    return rows;
}

int TCustomListBox::RowsPerPage()
{
    return std::max(RowsFitting(topIndex_), 1);
}

int TCustomListBox::MaxTopIndex()
{
    const int count = store_.Count();
    if (count == 0)
        return 0;
    const int height = ClientHeight();
    if (style_ != lbOwnerDrawVariable)
        return std::max(count - std::max(height / std::max(ItemHeight(), 1), 1), 0);
    int first = count;
    for (int y = 0; first > 0 && y + store_.At(first - 1).Height <= height;)
        y += store_.At(--first).Height;
    return std::min(first, count - 1);
}

int TCustomListBox::ItemAtPos(TPoint Pos, bool Existing)
{
    const int count = store_.Count();
    if (Pos.Y < 0 || Pos.X < 0 || Pos.X >= ClientWidth())
        return -1;
    int y = 0;
    for (int i = topIndex_; i < count; ++i) {
        y += RowHeight(i);
        if (Pos.Y < y)
            return i;
        if (y >= ClientHeight())
            break;
    }
    return Existing ? -1 : count;
}

TRect TCustomListBox::ItemRect(int Index)
{
    if (Index < 0 || Index >= store_.Count())
        return TRect();
    int y = 0;
    if (style_ != lbOwnerDrawVariable) {
        y = (Index - topIndex_) * ItemHeight();
    } else if (Index >= topIndex_) {
        for (int i = topIndex_; i < Index; ++i)
            y += store_.At(i).Height;
    } else {
        for (int i = Index; i < topIndex_; ++i)
            y -= store_.At(i).Height;
    }
    return Rect(0, y, ClientWidth(), y + RowHeight(Index));
}

void TCustomListBox::MakeVisible(int Index)
{
    if (Index < topIndex_) {
        SetTopIndex(Index);
        return;
    }
    // The last top that still shows Index whole.
    int top = Index;
    for (int y = RowHeight(Index); top > 0 && y + RowHeight(top - 1) <= ClientHeight();)
        y += RowHeight(--top);
    if (top > topIndex_)
        SetTopIndex(top);
}

void TCustomListBox::InvalidateRow(int Index)
{
    if (!HandleAllocated() || updating_ || Index < 0 || Index >= store_.Count())
        return;
    TRect rect = ItemRect(Index);
    InvalidateRect(Handle(), &rect, false);
}

void TCustomListBox::RowsChanged()
{
    if (updating_)
        return;
    topIndex_ = std::clamp(topIndex_, 0, MaxTopIndex());
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::UpdateScrollBar()
{
    if (!HandleAllocated() || updating_)
        return;
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    const int count = store_.Count();
    info.nMin = 0;
    info.nMax = std::max(count - 1, 0);
    // A page as long as the rows below the last top: the thumb's last
    // position is that top.
    info.nPage = static_cast<UINT>(std::max(count - MaxTopIndex(), 1));
    info.nPos = topIndex_;
    SetScrollInfo(Handle(), SB_VERT, &info, true);
}

void TCustomListBox::ScrollMessage(int Code)
{
    switch (Code) {
    case SB_LINEUP: SetTopIndex(topIndex_ - 1); break;
    case SB_LINEDOWN: SetTopIndex(topIndex_ + 1); break;
    case SB_PAGEUP: SetTopIndex(topIndex_ - RowsPerPage()); break;
    case SB_PAGEDOWN: SetTopIndex(topIndex_ + RowsPerPage()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The message's 16 bits are too few for a long list.
        SCROLLINFO info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), SB_VERT, &info);
        SetTopIndex(info.nTrackPos);
        break;
    }
    case SB_TOP: SetTopIndex(0); break;
    case SB_BOTTOM: SetTopIndex(MaxTopIndex()); break;
    default: break;
    }
}

void TCustomListBox::RowInserted(int Index)
{
    if (style_ == lbOwnerDrawVariable) {
        int height = itemHeight_;
        MeasureItem(Index, height);
        store_.At(Index).Height = height;
    }
    if (itemIndex_ >= Index)
        ++itemIndex_;
    if (anchor_ >= Index)
        ++anchor_;
    RowsChanged();
}

void TCustomListBox::RowChanged(int Index)
{
    if (style_ == lbOwnerDrawVariable) {
        int height = itemHeight_;
        MeasureItem(Index, height);
        store_.At(Index).Height = height;
        RowsChanged();
        return;
    }
    InvalidateRow(Index);
}

void TCustomListBox::RowDeleted(int Index)
{
    const int count = store_.Count();
    if (itemIndex_ == Index && !multiSelect_)
        itemIndex_ = -1;
    else if (itemIndex_ > Index || itemIndex_ >= count)
        --itemIndex_;
    if (anchor_ > Index || anchor_ >= count)
        --anchor_;
    RowsChanged();
}

void TCustomListBox::RowsCleared()
{
    itemIndex_ = -1;
    anchor_ = -1;
    topIndex_ = 0;
    RowsChanged();
}

void TCustomListBox::UpdateStateChanged(bool Updating)
{
    updating_ = Updating;
    RowsChanged();
}

void TCustomListBox::MeasureItem(int Index, int& Height)
{
    if (OnMeasureItem)
        OnMeasureItem(this, Index, Height);
}

void TCustomListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    if (style_ != lbStandard && OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    TCanvas* canvas = Canvas();
    canvas->FillRect(Rect);
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(Rect.Left + 2, Rect.Top, store_.At(Index).Text);
}

void TCustomListBox::Paint()
{
    TCanvas* canvas = Canvas();
    const TRect client = ClientRect();
    const int count = store_.Count();
    int y = 0;
    for (int i = topIndex_; i < count && y < client.Bottom; ++i) {
        const int height = RowHeight(i);
        if (integralHeight_ && y + height > client.Bottom && i > topIndex_)
            break;
        const TRect row = Rect(0, y, client.Right, y + height);
        y += height;
        TOwnerDrawState state;
        const bool selected = Selected(i);
        if (selected)
            state.Include(odSelected);
        if (!Enabled())
            state.Include(odDisabled);
        if (i == itemIndex_ && Focused())
            state.Include(odFocused);
        // The row starts with the list's font and colours, or the
        // selection's, as an owner-drawn row expects them.
        canvas->Font()->Assign(Font());
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(selected ? clHighlight : Color());
        if (selected)
            canvas->Font()->SetColor(clHighlightText);
        else if (!Enabled())
            canvas->Font()->SetColor(clGrayText);
        DrawItem(i, row, state);
        if (state.Contains(odFocused))
            canvas->DrawFocusRect(row);
    }
    if (y < client.Bottom) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(Rect(0, y, client.Right, client.Bottom));
    }
}

void TCustomListBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_VSCROLL:
        ScrollMessage(LOWORD(Message.WParam));
        return;
    case WM_SIZE:
        TCustomControl::Dispatch(Message);
        RowsChanged();
        return;
    case WM_CAPTURECHANGED:
        tracking_ = false;
        TCustomControl::Dispatch(Message);
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(Message);
        InvalidateRow(itemIndex_);
        return;
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
        fontHeight_ = 0;
        TCustomControl::Dispatch(Message);
        if (integralHeight_)
            AdjustSize();
        RowsChanged();
        return;
    default:
        TCustomControl::Dispatch(Message);
    }
}
