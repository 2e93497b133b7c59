// THeaderControl: the column header of a report list view, a child window
// of class "SysHeader32" inside the list. It shows the list's columns,
// sizes them by their right dividers and reports clicks on them.
#pragma once

#include "platform/ui/kernel/custom_control.h"

class TCustomListView;

class THeaderControl : public TCustomControl {
public:
    explicit THeaderControl(TCustomListView* View);

    // The column whose right divider lies at X (the last of several that
    // meet there), or -1.
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
    TCustomListView* view_;
    int dragColumn_ = -1;    // the column being sized
    int dragOffset_ = 0;     // from the press to the divider
    int pressedColumn_ = -1; // the column held down for a click
};
