// The header's columns: painting, the divider drags that size them and the
// clicks the list view hears as OnColumnClick.
#include "platform/ui/itemviews/header_control.h"

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/itemviews/header_control_window.h"
#include "platform/ui/itemviews/list_view.h"

namespace {

// How far from a divider a press still takes it.
constexpr int DividerReach = 3;
constexpr int TextMargin = 4;

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
    for (int i = 0; i < columns->Count(); ++i) {
        const int right = ColumnRect(i).Right;
        if (X >= right - DividerReach && X <= right + DividerReach)
            found = i;
    }
    return found;
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
        // Columns are shown in their own order.
        auto* order = reinterpret_cast<int*>(Message.LParam);
        const int count = static_cast<int>(Message.WParam);
        Message.Result = order && count == view_->Columns()->Count();
        for (int i = 0; Message.Result && i < count; ++i)
            order[i] = i;
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
    int right = 0;
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
        right = r.Right;
    }
    if (right < ClientWidth())
        DrawFlatButtonFace(canvas, Rect(right, 0, ClientWidth() + 2, ClientHeight()), TFlatState());
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
    Invalidate();
}

void THeaderControl::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    SetCursor(dragColumn_ >= 0 || DividerAt(X) >= 0 ? crHSplit : crDefault);
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
    pressedColumn_ = -1;
    if (pressed < 0)
        return;
    Invalidate();
    if (ColumnAt(X) == pressed && Y >= 0 && Y < ClientHeight())
        view_->ColClick(view_->Columns()->Item(pressed));
}
