// TSplitter: a window-less bar aligned beside another aligned control (its
// neighbour: the one it touches on the side it is aligned to). Dragging it
// resizes the neighbour as the mouse moves, never below MinSize and never
// so far that the room left for the rest drops below MinSize; OnMoved
// fires when the drag ends.
#pragma once

#include <optional>

#include "platform/ui/kernel/graphic_control.h"

class TSplitter : public TGraphicControl {
public:
    explicit TSplitter(TComponent* AOwner);

    // The least size of the neighbour and of the room beyond it.
    int MinSize() const { return minSize_; }
    void SetMinSize(int Value) { minSize_ = Value; }
    // The control the splitter resizes, found anew at each press; nullptr
    // when none touches it.
    TControl* FindNeighbour() const;

    TNotifyEvent OnMoved;

protected:
    void Paint() override;
    void RequestAlign() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool Horizontal() const { return Align() == alLeft || Align() == alRight; }
    // The neighbour's size along the splitter's axis.
    int NeighbourSize() const;
    // The room the parent's client area has left along the axis after
    // every control aligned to the sides (this one included).
    int FreeRoom() const;
    // The new size for the mouse at a screen point.
    int SizeFor(TPoint Screen) const;

    int minSize_ = 30;
    TControl* neighbour_ = nullptr;  // set only while a drag lasts
    std::optional<TAlive> neighbourAlive_;  // neighbour_'s, while set
    TPoint downScreen_;              // where the drag started, on the screen
    int downSize_ = 0;               // the neighbour's size then
    int maxSize_ = 0;                // the largest size the drag may give it
};
