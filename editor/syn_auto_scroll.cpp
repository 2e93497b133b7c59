// Scrolling while the mouse selects or drags beyond the text area: the
// distance from the area sets the columns and rows per tick of the timer.
#include <algorithm>

#include "editor/syn_custom_text.h"
#include "editor/syn_edit_scopes.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/cursor.h"
#include "platform/win/keyboard.h"
#include "platform/win/virtual_keys.h"

namespace {

// Cells beyond the edges Low (inside) and High (outside) of the area: one
// more for every whole cell the point lies out.
int ScrollDelta(int Point, int Low, int High, int Cell)
{
    if (Point < Low)
        return (Point - Low) / Cell - 1;
    if (Point >= High)
        return (Point - High) / Cell + 1;
    return 0;
}

}  // namespace

void TCustomSynText::UpdateScrollDeltas(int X, int Y)
{
    if (!MouseCapture() && !Dragging()) {
        scrollTimer_->SetEnabled(false);
        return;
    }
    const int charWidth = std::max(charWidth_, 1);
    const int lineHeight = std::max(LineHeight(), 1);
    TRect area = Bounds(gutterWidth_, 0, charsInWindow_ * charWidth, linesInWindow_ * lineHeight);
    if (borderStyle_ == bsNone)
        InflateRect(area, -2, -2);
    scrollDeltaX_ = ScrollDelta(X, area.Left, area.Right, charWidth);
    scrollDeltaY_ = ScrollDelta(Y, area.Top, area.Bottom, lineHeight);
    scrollTimer_->SetEnabled(scrollDeltaX_ != 0 || scrollDeltaY_ != 0);
}

void TCustomSynText::ScrollTimerHandler(TObject*)
{
    TPoint mouse;
    GetCursorPos(&mouse);
    mouse = ScreenToClient(mouse);
    const int rows = std::max(DisplayLineCount(), 1);
    TDisplayCoord cell = PointToCell(mouse.X, mouse.Y);
    cell.Row = std::clamp(cell.Row, 1, rows);
    if (scrollDeltaX_ != 0) {
        SetLeftChar(leftChar_ + scrollDeltaX_);
        cell.Column = leftChar_;
        if (scrollDeltaX_ > 0)
            cell.Column += charsInWindow_;
    }
    if (scrollDeltaY_ != 0) {
        // Shift scrolls by pages.
        SetTopLine(topLine_ + (GetKeyState(VK_SHIFT) < 0 ? scrollDeltaY_ * linesInWindow_ : scrollDeltaY_));
        cell.Row = topLine_;
        if (scrollDeltaY_ > 0)
            cell.Row += linesInWindow_ - 1;
        cell.Row = std::clamp(cell.Row, 1, rows);
    }
    if (DisplayToBufferPos(cell) != CaretXY()) {
        TSynPaintLockScope lock(this);
        SetInternalDisplayXY(cell);
        // Without the capture a drag scrolls: the selection is what it carries.
        if (MouseCapture())
            SetBlockEnd(CaretXY());
    }
    UpdateScrollDeltas(mouse.X, mouse.Y);
}
