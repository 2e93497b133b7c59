// The window of one open menu level: row layout, scrolling and painting.
#include "platform/ui/kernel/popup_menu_window.h"

#include <algorithm>

#include "platform/ui/kernel/menus.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"

TPopupMenuWindow::TPopupMenuWindow(TMenuItem* Parent, TCustomImageList* Images)
    : TCustomControl(nullptr), parentItem_(Parent), images_(Images)
{
    SetVisible(false);
    SetColor(clMenu);
    TMenuMeasure measure;
    TCanvas* canvas = measure.Canvas();
    for (int i = 0; i < Parent->Count(); ++i)
        if (Parent->Items(i)->Visible())
            rows_.push_back(Parent->Items(i));
    columns_ = MeasurePopupColumns(canvas, rows_, Images);
    tops_.push_back(0);
    for (TMenuItem* item : rows_)
        tops_.push_back(tops_.back() + PopupItemHeight(canvas, item, Images));
}

int TPopupMenuWindow::RowOf(const TMenuItem* Item) const
{
    auto it = std::find(rows_.begin(), rows_.end(), Item);
    return it == rows_.end() ? NoRow : static_cast<int>(it - rows_.begin());
}

TSize TPopupMenuWindow::NaturalSize() const
{
    return {columns_.Width + 2 * MenuFrameWidth, tops_.back() + 2 * MenuFrameWidth};
}

void TPopupMenuWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    Params.WndParent = nullptr;
    Params.WindowClass.style |= CS_SAVEBITS | CS_DROPSHADOW;
}

void TPopupMenuWindow::ShowAt(const TRect& Bounds)
{
    scrollable_ = Bounds.Height() < NaturalSize().cy;
    topIndex_ = 0;
    SetBoundsRect(Bounds);
    SetWindowPos(Handle(), HWND_TOPMOST, Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (selected_ != NoRow)
        SetSelected(selected_);
    Invalidate();
}

TRect TPopupMenuWindow::RowArea() const
{
    TRect area = Rect(MenuFrameWidth, MenuFrameWidth, Width() - MenuFrameWidth, Height() - MenuFrameWidth);
    if (scrollable_)
        InflateRect(area, 0, -MenuScrollArrowHeight);
    return area;
}

TRect TPopupMenuWindow::RowRect(int Index) const
{
    TRect area = RowArea();
    int top = area.Top + tops_[size_t(Index)] - tops_[size_t(topIndex_)];
    return Rect(area.Left, top, area.Right, top + tops_[size_t(Index) + 1] - tops_[size_t(Index)]);
}

bool TPopupMenuWindow::RowShown(int Index) const
{
    TRect r = RowRect(Index);
    return Index >= topIndex_ && r.Bottom <= RowArea().Bottom;
}

bool TPopupMenuWindow::CanScrollDown() const
{
    return scrollable_ && !rows_.empty() && !RowShown(RowCount() - 1);
}

int TPopupMenuWindow::RowAt(TPoint Client) const
{
    if (!PtInRect(Rect(0, 0, Width(), Height()), Client))
        return NoRow;
    TRect area = RowArea();
    if (scrollable_ && Client.Y < area.Top)
        return UpArrow;
    if (scrollable_ && Client.Y >= area.Bottom)
        return DownArrow;
    for (int i = topIndex_; i < RowCount() && RowShown(i); ++i)
        if (PtInRect(RowRect(i), Client))
            return i;
    return NoRow;
}

void TPopupMenuWindow::SetSelected(int Index)
{
    if (scrollable_ && Index >= 0) {
        while (Index < topIndex_)
            --topIndex_;
        while (!RowShown(Index) && topIndex_ < Index)
            ++topIndex_;
    }
    if (selected_ != Index || scrollable_)
        Invalidate();
    selected_ = Index;
}

bool TPopupMenuWindow::ScrollBy(int Rows)
{
    int old = topIndex_;
    for (; Rows < 0 && topIndex_ > 0; ++Rows)
        --topIndex_;
    for (; Rows > 0 && CanScrollDown(); --Rows)
        ++topIndex_;
    if (old == topIndex_)
        return false;
    Invalidate();
    return true;
}

void TPopupMenuWindow::Paint()
{
    TCanvas* canvas = Canvas();
    DrawPopupFrame(canvas, ClientRect());
    TRect area = RowArea();
    if (scrollable_) {
        DrawPopupScrollArrow(canvas, Rect(area.Left, MenuFrameWidth, area.Right, area.Top), true, topIndex_ > 0);
        DrawPopupScrollArrow(canvas, Rect(area.Left, area.Bottom, area.Right, Height() - MenuFrameWidth), false,
                             CanScrollDown());
    }
    for (int i = topIndex_; i < RowCount() && RowShown(i); ++i)
        DrawPopupItem(canvas, rows_[size_t(i)], RowRect(i), columns_, i == selected_, images_);
}

void TPopupMenuWindow::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_MOUSEACTIVATE) {
        Message.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::Dispatch(Message);
}
