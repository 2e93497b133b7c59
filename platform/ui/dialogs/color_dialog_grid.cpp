// The swatch grid: cell geometry, painting, and selection by mouse and
// arrow keys.
#include "platform/ui/dialogs/color_dialog_grid.h"

#include "platform/gdi/drawing.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/focus_on_press.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"

namespace {

// The swatch sits inside its cell this far, leaving room for the frame of
// the selection.
constexpr int SwatchInset = 3;

}  // namespace

TColorGrid::TColorGrid(TComponent* AOwner, int Columns, int Rows, std::vector<TColor> Colors)
    : TCustomControl(AOwner), columns_(Columns), colors_(std::move(Colors))
{
    SetTabStop(true);
    SetBounds(0, 0, Columns * CellWidth, Rows * CellHeight);
}

void TColorGrid::SetColors(int Index, TColor Value)
{
    colors_[static_cast<size_t>(Index)] = Value;
    Invalidate();
}

void TColorGrid::SetSelected(int Index)
{
    if (selected_ == Index)
        return;
    selected_ = Index;
    Invalidate();
}

TRect TColorGrid::CellRect(int Index) const
{
    const int left = Index % columns_ * CellWidth;
    const int top = Index / columns_ * CellHeight;
    return Rect(left, top, left + CellWidth, top + CellHeight);
}

int TColorGrid::CellAt(TPoint Point) const
{
    if (Point.X < 0 || Point.Y < 0 || Point.X >= columns_ * CellWidth)
        return -1;
    const int index = Point.Y / CellHeight * columns_ + Point.X / CellWidth;
    return index < Count() ? index : -1;
}

void TColorGrid::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(ClientRect());
    for (int i = 0; i < Count(); ++i) {
        const TRect cell = CellRect(i);
        TRect swatch = Rect(cell.Left + SwatchInset, cell.Top + SwatchInset, cell.Right - SwatchInset,
                            cell.Bottom - SwatchInset);
        if (i == selected_) {
            canvas->Brush()->SetColor(clBlack);
            TRect frame = swatch;
            InflateRect(frame, 2, 2);
            canvas->FrameRect(frame);
            if (Focused()) {
                InflateRect(frame, 1, 1);
                canvas->DrawFocusRect(frame);
            }
        }
        DrawEdge(canvas->Handle(), &swatch, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        canvas->Brush()->SetColor(colors_[static_cast<size_t>(i)]);
        canvas->FillRect(swatch);
    }
}

void TColorGrid::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS;
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TColorGrid::KeyDown(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TCustomControl::KeyDown(Key, Shift);
    if (!alive)
        return;
    // Arrows stop at the edges; from no selection they start at the first
    // swatch.
    const int from = selected_ < 0 ? 0 : selected_;
    int to = from;
    switch (Key) {
    case VK_LEFT:
        to = from % columns_ > 0 ? from - 1 : from;
        break;
    case VK_RIGHT:
        to = from % columns_ < columns_ - 1 && from + 1 < Count() ? from + 1 : from;
        break;
    case VK_UP:
        to = from >= columns_ ? from - columns_ : from;
        break;
    case VK_DOWN:
        to = from + columns_ < Count() ? from + columns_ : from;
        break;
    default:
        return;
    }
    Key = 0;
    if (to != selected_)
        Choose(to);
}

void TColorGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!alive || Button != mbLeft || !TakeFocusOnPress(this))
        return;
    if (const int index = CellAt(Point(X, Y)); index >= 0)
        Choose(index);
}

void TColorGrid::Choose(int Index)
{
    SetSelected(Index);
    if (OnChange)
        OnChange(this);
}

void TColorGrid::DoEnter()
{
    Invalidate();
    TCustomControl::DoEnter();
}

void TColorGrid::DoExit()
{
    Invalidate();
    TCustomControl::DoExit();
}
