// TSplitter: finding the neighbour and resizing it by dragging.
#include "platform/ui/widgets/splitter.h"

#include <algorithm>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/kernel/win_control.h"

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 3, 100);
    SetAlign(alLeft);
    SetCursor(crHSplit);
}

TControl* TSplitter::FindNeighbour() const
{
    TWinControl* parent = Parent();
    if (!parent)
        return nullptr;
    // The point just outside the splitter on its aligned side.
    TPoint probe = Point(Left(), Top());
    switch (Align()) {
    case alLeft:
        --probe.X;
        break;
    case alRight:
        probe.X += Width();
        break;
    case alTop:
        --probe.Y;
        break;
    case alBottom:
        probe.Y += Height();
        break;
    default:
        return nullptr;
    }
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* control = parent->Controls(i);
        if (control == this || !control->Visible() || control->Align() != Align())
            continue;
        TRect r = control->BoundsRect();
        // A control squeezed to nothing still counts on its edge.
        if (r.Width() == 0)
            r.Left > 0 ? --r.Left : ++r.Right;
        if (r.Height() == 0)
            r.Top > 0 ? --r.Top : ++r.Bottom;
        if (PtInRect(r, probe))
            return control;
    }
    return nullptr;
}

int TSplitter::NeighbourSize() const
{
    return Horizontal() ? neighbour_->Width() : neighbour_->Height();
}

int TSplitter::FreeRoom() const
{
    TWinControl* parent = Parent();
    TRect client = parent->ClientRect();
    int room = Horizontal() ? client.Width() : client.Height();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* control = parent->Controls(i);
        if (!control->Visible())
            continue;
        if (Horizontal() && (control->Align() == alLeft || control->Align() == alRight))
            room -= control->Width();
        else if (!Horizontal() && (control->Align() == alTop || control->Align() == alBottom))
            room -= control->Height();
    }
    return room;
}

int TSplitter::SizeFor(TPoint Screen) const
{
    int delta = Horizontal() ? Screen.X - downScreen_.X : Screen.Y - downScreen_.Y;
    if (Align() == alRight || Align() == alBottom)
        delta = -delta;
    return std::clamp(downSize_ + delta, std::min(minSize_, downSize_), std::max(maxSize_, downSize_));
}

void TSplitter::Paint()
{
    FlatFill(Canvas(), ClientRect(), Color());
}

void TSplitter::RequestAlign()
{
    // The cursor shows which way the bar moves.
    SetCursor(Horizontal() ? crHSplit : crVSplit);
    TGraphicControl::RequestAlign();
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    neighbour_ = FindNeighbour();
    if (!neighbour_)
        return;
    neighbourAlive_.emplace(neighbour_);
    downScreen_ = ClientToScreen(Point(X, Y));
    downSize_ = NeighbourSize();
    maxSize_ = downSize_ + FreeRoom() - minSize_;
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!neighbour_ || !*neighbourAlive_)
        return;
    int size = SizeFor(ClientToScreen(Point(X, Y)));
    if (size == NeighbourSize())
        return;
    if (Horizontal())
        neighbour_->SetWidth(size);
    else
        neighbour_->SetHeight(size);
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    bool moved = Button == mbLeft && neighbour_;
    if (moved)
        MouseMove(Shift, X, Y);
    neighbour_ = nullptr;
    neighbourAlive_.reset();
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (moved && alive && OnMoved)
        OnMoved(this);
}
