// TColorGrid: the colour dialog's grids of swatches (the basic colours and
// the custom ones). A click or an arrow key selects a swatch and fires
// OnChange; the selected swatch is framed, and dotted while focused.
#pragma once

#include <vector>

#include "platform/gdi/colors.h"
#include "platform/ui/kernel/custom_control.h"

class TColorGrid : public TCustomControl {
public:
    static constexpr int CellWidth = 26;
    static constexpr int CellHeight = 22;

    // Sized for Columns by Rows cells holding Colors (Columns * Rows of
    // them).
    TColorGrid(TComponent* AOwner, int Columns, int Rows, std::vector<TColor> Colors);

    int Count() const { return static_cast<int>(colors_.size()); }
    TColor Colors(int Index) const { return colors_[static_cast<size_t>(Index)]; }
    void SetColors(int Index, TColor Value);
    // -1 when no swatch is selected. Setting it fires nothing.
    int Selected() const { return selected_; }
    void SetSelected(int Index);
    // The cell of a point of the client area; -1 outside every swatch.
    int CellAt(TPoint Point) const;
    TRect CellRect(int Index) const;

    // The user selected a swatch.
    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;

private:
    void Choose(int Index);

    int columns_;
    std::vector<TColor> colors_;  // row by row, columns_ in each
    int selected_ = -1;           // -1 or an index of colors_
};
