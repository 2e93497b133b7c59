// The header's columns: painting, the divider drags that size them, the
// clicks the list view hears as OnColumnClick and the drags that put a
// column elsewhere.
#include "platform/ui/itemviews/header_control.h"

#include <cstdlib>

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/itemviews/header_control_window.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/win/system_metrics.h"

namespace {

// How far from a divider a press still takes it.
constexpr int DividerReach = 3;
constexpr int TextMargin = 4;
// The width of the mark where a dragged column will go.
constexpr int DropMarkWidth = 2;

}  // namespace

THeaderControl::THeaderControl(TCustomListView* View) : TCustomControl(nullptr), view_(View)
{
    SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csClickEvents});
    SetTabStop(false);
}

void THeaderControl::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    RegisterHeaderClass();
    CreateSubClass(Params, WC_HEADER);
    // Whoever looks for the list's header finds it by this class name.
    Params.WinClassName = WC_HEADER;
}

TRect THeaderControl::ColumnRect(int Index)
{
    TListColumns* columns = view_->Columns();
    if (Index < 0 || Index >= columns->Count())
        return TRect();
    const int left = columns->LeftOf(Index);
    return Rect(left, 0, left + columns->Item(Index)->WidthShown(), ClientHeight());
}

int THeaderControl::DividerAt(int X)
{
    TListColumns* columns = view_->Columns();
    int found = -1;
    for (int p = 0; p < columns->Count(); ++p) {
        const int right = ColumnRect(columns->ShownAt(p)).Right;
        if (X >= right - DividerReach && X <= right + DividerReach)
            found = columns->ShownAt(p);
    }
    return found;
}

int THeaderControl::DropPositionAt(int X)
{
    TListColumns* columns = view_->Columns();
    if (X < 0)
        return 0;
    const int column = ColumnAt(X);
    return column >= 0 ? columns->PositionOf(column) : columns->Count() - 1;
}

int THeaderControl::ColumnAt(int X)
{
    for (int i = 0; i < view_->Columns()->Count(); ++i) {
        const TRect r = ColumnRect(i);
        if (X >= r.Left && X < r.Right)
            return i;
    }
    return -1;
}

bool THeaderControl::WindowMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case HDM_GETITEMCOUNT:
        Message.Result = view_->Columns()->Count();
        return true;
    case HDM_GETITEMRECT: {
        const int index = static_cast<int>(Message.WParam);
        auto* rect = reinterpret_cast<TRect*>(Message.LParam);
        Message.Result = index >= 0 && index < view_->Columns()->Count() && rect;
        if (Message.Result)
            *rect = ColumnRect(index);
        return true;
    }
    case HDM_HITTEST: {
        auto* info = reinterpret_cast<HDHITTESTINFO*>(Message.LParam);
        if (!info) {
            Message.Result = -1;
            return true;
        }
        const int divider = DividerAt(info->pt.X);
        info->iItem = divider >= 0 ? divider : ColumnAt(info->pt.X);
        if (divider >= 0)
            info->flags = HHT_ONDIVIDER;
        else if (info->iItem >= 0)
            info->flags = HHT_ONHEADER;
        else
            info->flags = info->pt.X >= view_->Columns()->TotalWidth() ? HHT_TORIGHT : HHT_NOWHERE;
        Message.Result = info->iItem;
        return true;
    }
    case HDM_GETORDERARRAY: {
        auto* order = reinterpret_cast<int*>(Message.LParam);
        const int count = static_cast<int>(Message.WParam);
        Message.Result = order && count == view_->Columns()->Count();
        for (int p = 0; Message.Result && p < count; ++p)
            order[p] = view_->Columns()->ShownAt(p);
        return true;
    }
    default:
        return false;
    }
}

void THeaderControl::Paint()
{
    TCanvas* canvas = Canvas();
    TListColumns* columns = view_->Columns();
    for (int i = 0; i < columns->Count(); ++i) {
        const TRect r = ColumnRect(i);
        TFlatState state;
        state.Pressed = i == pressedColumn_;
        TRect text = DrawFlatButtonFace(canvas, r, state);
        text.Left += TextMargin;
        text.Right -= TextMargin;
        const TListColumn* column = columns->Item(i);
        const unsigned align = column->Alignment() == taRightJustify ? DT_RIGHT
                               : column->Alignment() == taCenter    ? DT_CENTER
                                                                     : DT_LEFT;
        canvas->Font()->Assign(Font());
        canvas->Brush()->SetStyle(bsClear);
        DrawFlatText(canvas, text, column->Caption(),
                     align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS, Enabled());
        canvas->Brush()->SetStyle(bsSolid);
    }
    const int right = columns->TotalWidth();
    if (right < ClientWidth())
        DrawFlatButtonFace(canvas, Rect(right, 0, ClientWidth() + 2, ClientHeight()), TFlatState());
    // A dragged column goes before the column it is dropped on when that
    // is shown left of it, else after it.
    if (moving_ && dropPosition_ != columns->PositionOf(pressedColumn_)) {
        const TRect target = ColumnRect(columns->ShownAt(dropPosition_));
        const int x = dropPosition_ < columns->PositionOf(pressedColumn_) ? target.Left : target.Right - DropMarkWidth;
        canvas->Brush()->SetColor(clHighlight);
        canvas->FillRect(Rect(x, 0, x + DropMarkWidth, ClientHeight()));
    }
}

void THeaderControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    dragColumn_ = DividerAt(X);
    if (dragColumn_ >= 0) {
        dragOffset_ = X - ColumnRect(dragColumn_).Right;
        return;
    }
    pressedColumn_ = ColumnAt(X);
    pressX_ = X;
    moving_ = false;
    Invalidate();
}

void THeaderControl::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    SetCursor(dragColumn_ >= 0 || (!moving_ && DividerAt(X) >= 0) ? crHSplit : crDefault);
    if (pressedColumn_ >= 0 && view_->FullDrag() &&
        (moving_ || std::abs(X - pressX_) > GetSystemMetrics(SM_CXDRAG))) {
        moving_ = true;
        dropPosition_ = DropPositionAt(X);
        Invalidate();
        return;
    }
    if (dragColumn_ < 0)
        return;
    TListColumn* column = view_->Columns()->Item(dragColumn_);
    column->SetWidth(X - dragOffset_ - ColumnRect(dragColumn_).Left);
}

void THeaderControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    dragColumn_ = -1;
    const int pressed = pressedColumn_;
    const bool moved = moving_;
    pressedColumn_ = -1;
    moving_ = false;
    if (pressed < 0)
        return;
    Invalidate();
    if (moved)
        view_->Columns()->Move(pressed, DropPositionAt(X));
    else if (ColumnAt(X) == pressed && Y >= 0 && Y < ClientHeight())
        view_->ColClick(view_->Columns()->Item(pressed));
}
