// TPopupMenuWindow: one open level of a menu. A top-most window that never
// takes the activation and lists the visible sub-items of one item, with
// scroll arrows when it is cut to the work area's height. The menu loop
// drives it; the window lays its rows out, paints them and says which row
// a point is on.
#pragma once

#include <vector>

#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/kernel/menu_painter.h"

class TCustomImageList;
class TMenuItem;

class TPopupMenuWindow : public TCustomControl {
public:
    // What RowAt answers besides a row index.
    static constexpr int NoRow = -1;
    static constexpr int UpArrow = -2;
    static constexpr int DownArrow = -3;

    TPopupMenuWindow(TMenuItem* Parent, TCustomImageList* Images);

    TMenuItem* ParentItem() const { return parentItem_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    TMenuItem* Row(int Index) const { return rows_[size_t(Index)]; }
    // The row of an item, or NoRow.
    int RowOf(const TMenuItem* Item) const;

    // The size all rows need.
    TSize NaturalSize() const;
    // Shows the window at Bounds (screen coordinates), with scroll arrows
    // when Bounds is lower than the natural height.
    void ShowAt(const TRect& Bounds);

    // The highlighted row, or NoRow. Setting it scrolls it into view.
    int Selected() const { return selected_; }
    void SetSelected(int Index);
    // In client coordinates; the row's place even when scrolled away.
    TRect RowRect(int Index) const;
    int RowAt(TPoint Client) const;
    bool Scrollable() const { return scrollable_; }
    int TopIndex() const { return topIndex_; }
    // Scrolls by whole rows within the range; false when it can't move.
    bool ScrollBy(int Rows);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    // The rows' area between the frame (and the arrows when scrolling).
    TRect RowArea() const;
    // Whether row Index lies wholly inside the rows' area.
    bool RowShown(int Index) const;
    bool CanScrollDown() const;

    TMenuItem* parentItem_;
    TCustomImageList* images_;
    std::vector<TMenuItem*> rows_;  // the visible sub-items of parentItem_, in order
    std::vector<int> tops_;         // each row's top from the first row's, unscrolled; one more entry: the total
    TPopupColumns columns_;
    int selected_ = NoRow;
    bool scrollable_ = false;
    int topIndex_ = 0;  // the first row shown; 0 unless scrollable_
};
