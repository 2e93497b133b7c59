// THeaderControl: the column header of a report list view, a child window
// of class "SysHeader32" inside the list. It shows the list's columns,
// sizes them by their right dividers, reports clicks on them and, while the
// list's FullDrag is on, lets them be dragged into a new order.
#pragma once

#include "platform/ui/kernel/custom_control.h"

class TCustomListView;

class THeaderControl : public TCustomControl {
public:
    explicit THeaderControl(TCustomListView* View);

    // The column whose right divider lies at X (the last shown of several
    // that meet there), or -1.
    int DividerAt(int X);
    // The column under X, or -1.
    int ColumnAt(int X);
    TRect ColumnRect(int Index);

    // The header messages. False for any other.
    bool WindowMessage(TMessage& Message);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // Where a column dragged to X is shown once dropped.
    int DropPositionAt(int X);

    TCustomListView* view_;
    int dragColumn_ = -1;    // the column being sized
    int dragOffset_ = 0;     // from the press to the divider
    int pressedColumn_ = -1; // the column held down for a click or a drag
    int pressX_ = 0;         // where it was pressed
    bool moving_ = false;    // it is being dragged to a new place
    int dropPosition_ = -1;  // where it goes when let go
};
