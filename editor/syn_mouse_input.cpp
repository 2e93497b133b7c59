// The mouse: pressing places the caret and starts a selection, a drag of
// the selection, a drag of the right edge or a gutter click; moving extends
// the selection; releasing ends what the press started. And the cursor
// shape over the editor.
#include <algorithm>
#include <cstdlib>

#include "editor/syn_custom_text.h"
#include "editor/view/syn_gutter.h"
#include "editor/view/syn_right_edge.h"
#include "platform/base/code_page.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/cursor.h"
#include "platform/win/focus.h"
#include "platform/win/system_metrics.h"

namespace {

// Points closer to the right edge line than this grab it.
constexpr int RightEdgeGrip = 3;

}  // namespace

TDisplayCoord TCustomSynText::PointToNearestCell(int X, int Y) const
{
    const int charWidth = std::max(charWidth_, 1);
    const int lineHeight = std::max(LineHeight(), 1);
    Y = std::clamp(Y, 0, std::max(linesInWindow_ * lineHeight - 1, 0));
    // Columns round to the nearer cell boundary, an exact half to the even one.
    const int offset = X - gutterWidth_ - 2;
    int cells = offset >= 0 ? offset / charWidth : -((-offset + charWidth - 1) / charWidth);
    const int rest = offset - cells * charWidth;
    if (2 * rest > charWidth || (2 * rest == charWidth && cells % 2 != 0))
        ++cells;
    TDisplayCoord nearest = DisplayCoord(std::max(1, leftChar_ + cells), std::max(1, topLine_ + Y / lineHeight));
    nearest.Row = std::min(nearest.Row, std::max(DisplayLineCount(), 1));
    // Over the right half of a double-byte character's first cell the column
    // rounds into the character, but its start is the nearer boundary.
    const TDisplayCoord under = PointToCell(X, Y);
    if (nearest.Row == under.Row && nearest.Column == under.Column + 1) {
        const TBufferCoord start = DisplayToBufferPos(under);
        if (start.Line >= 1 && start.Line <= lines_->Count()) {
            const AnsiString& s = lines_->Strings(start.Line - 1);
            if (start.Char >= 1 && start.Char <= static_cast<int>(s.size()) &&
                ByteTypeAt(s, static_cast<size_t>(start.Char - 1)) == mbLeadByte && BufferToDisplayPos(start) == under)
                return under;
        }
    }
    return nearest;
}

void TCustomSynText::MoveCaretToPoint(int X, int Y) { SetInternalDisplayXY(PointToNearestCell(X, Y)); }

int TCustomSynText::RightEdgeX() const { return RowColumnToPixels(DisplayCoord(rightEdge_->Position() + 1, 1)).X; }

void TCustomSynText::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    // Placing the caret must not cost a selection the press may drag.
    const TBufferCoord oldBegin = blockBegin_;
    const TBufferCoord oldEnd = blockEnd_;
    if (Button == mbLeft) {
        mouseDownInSelection_ = SelAvail();
        if (mouseDownInSelection_)
            mouseDownPoint_ = Point(X, Y);
    }
    TAlive alive(this);
    TCustomControl::MouseDown(Button, Shift, X, Y);
    // The double click has selected its word already.
    if (!alive || (Button == mbLeft && Shift.Contains(ssDouble)))
        return;
    kbdHandler_->RunMouseDown(this, Button, Shift, X, Y);
    if (!alive)
        return;

    if (Button == mbLeft && rightEdge_->MouseMove() && rightEdge_->Visible() &&
        std::abs(X - RightEdgeX()) < RightEdgeGrip) {
        stateFlags_.Include(sfRightEdgeDragging);
        lastRightEdgeDragX_ = -1;
        return;
    }

    const bool inText = X >= gutterWidth_ + 2;
    bool caretPlaced = false;
    if (inText && Button == mbLeft) {
        MoveCaretToPoint(X, Y);
        caretPlaced = true;
    } else if (inText && Button == mbRight && options_.Contains(eoRightMouseMovesCursor) &&
               !(SelAvail() && IsPointInSelection(DisplayToBufferPos(PointToCell(X, Y))))) {
        // A right press inside the selection keeps it for the context menu.
        RepaintSelection();
        blockEnd_ = blockBegin_;
        MoveCaretToPoint(X, Y);
        caretPlaced = true;
    }

    bool mayDrag = false;
    if (Button == mbLeft) {
        blockBegin_ = oldBegin;
        blockEnd_ = oldEnd;
        SetMouseCapture(true);
        stateFlags_.Exclude(sfWaitForDragging);
        mayDrag = mouseDownInSelection_ && options_.Contains(eoDragDropEditing) && inText &&
                  selectionMode_ == smNormal && IsPointInSelection(DisplayToBufferPos(PointToCell(X, Y)));
    }
    if (mayDrag) {
        stateFlags_.Include(sfWaitForDragging);
    } else if ((Button == mbLeft || caretPlaced) && !stateFlags_.Contains(sfDblClicked)) {
        // A right press that left the caret alone leaves the selection alone.
        if (Shift.Contains(ssShift)) {
            SetBlockEnd(CaretXY());
        } else {
            if (Button == mbLeft && options_.Contains(eoAltSetsColumnMode)) {
                if (Shift.Contains(ssAlt) && !altColumnMode_) {
                    modeBeforeAlt_ = selectionMode_;
                    altColumnMode_ = true;
                    SetSelectionMode(smColumn);
                } else if (!Shift.Contains(ssAlt) && altColumnMode_) {
                    altColumnMode_ = false;
                    SetSelectionMode(modeBeforeAlt_);
                }
            }
            // After the mode: block begin may lie past the line end only in column mode.
            SetBlockBegin(CaretXY());
        }
    }

    if (!inText) {
        if (Button == mbRight) {
            DoOnGutterClick(Button, X, Y);
            if (!alive)
                return;
        } else {
            stateFlags_.Include(sfPossibleGutterClick);
            gutterPressLine_ = RowToLine(PointToNearestCell(X, Y).Row);
        }
    }

    SetFocus();
    ::SetFocus(Handle());
}

void TCustomSynText::MouseMove(TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TCustomControl::MouseMove(Shift, X, Y);
    if (!alive)
        return;

    if (rightEdge_->MouseMove() && rightEdge_->Visible()) {
        const bool dragging = stateFlags_.Contains(sfRightEdgeDragging);
        SetCursor(dragging || std::abs(X - RightEdgeX()) < RightEdgeGrip ? crHSplit : crIBeam);
        if (dragging) {
            if (X != lastRightEdgeDragX_)
                DrawRightEdgeDragLine(X);
            return;
        }
    } else {
        TrackCollapsedHint(X, Y);
    }

    if (MouseCapture() && stateFlags_.Contains(sfWaitForDragging)) {
        if (std::abs(mouseDownPoint_.X - X) >= GetSystemMetrics(SM_CXDRAG) ||
            std::abs(mouseDownPoint_.Y - Y) >= GetSystemMetrics(SM_CYDRAG)) {
            stateFlags_.Exclude(sfWaitForDragging);
            BeginDrag(false);
        }
        return;
    }

    if (Shift.Contains(ssLeft) && MouseCapture()) {
        UpdateScrollDeltas(X, Y);
        // While the view scrolls, the timer moves the caret along that axis.
        TDisplayCoord target = PointToNearestCell(X, Y);
        if (scrollDeltaX_ != 0)
            target.Column = DisplayX();
        if (scrollDeltaY_ != 0)
            target.Row = DisplayY();
        SetInternalDisplayXY(target);
        SetBlockEnd(CaretXY());
        // Compared with the line pressed, not with the caret: a press in the
        // gutter leaves the caret where it was.
        if (stateFlags_.Contains(sfPossibleGutterClick) && caretY_ != gutterPressLine_)
            stateFlags_.Include(sfGutterDragging);
    }
}

void TCustomSynText::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!alive)
        return;
    kbdHandler_->RunMouseUp(this, Button, Shift, X, Y);
    if (!alive)
        return;

    if (stateFlags_.Contains(sfRightEdgeDragging)) {
        stateFlags_.Exclude(sfRightEdgeDragging);
        DrawRightEdgeDragLine(-1);
        // The line lies right of its column: dropped leftwards it goes to
        // the left side of the column under the pointer.
        int column = PointToCell(X, Y).Column;
        if (rightEdge_->Position() > column)
            --column;
        rightEdge_->SetPosition(column);
        return;
    }

    if (codeFolding_->Enabled())
        UpdateCaretFoldRange();
    scrollTimer_->SetEnabled(false);
    if (Button == mbRight && Shift == TShiftState{ssRight} && PopupMenu())
        return;
    SetMouseCapture(false);

    if (stateFlags_.Contains(sfPossibleGutterClick) && X < gutterWidth_ && !stateFlags_.Contains(sfGutterDragging) &&
        Button != mbRight) {
        DoOnGutterClick(Button, X, Y);
        if (alive)
            stateFlags_.Exclude(sfDblClicked).Exclude(sfPossibleGutterClick).Exclude(sfGutterDragging);
        return;
    }
    // A press in the selection that never became a drag is a plain click.
    if (stateFlags_.Contains(sfWaitForDragging) && !stateFlags_.Contains(sfDblClicked)) {
        MoveCaretToPoint(X, Y);
        if (!Shift.Contains(ssShift))
            SetBlockBegin(CaretXY());
        SetBlockEnd(CaretXY());
        stateFlags_.Exclude(sfWaitForDragging);
    }
    stateFlags_.Exclude(sfDblClicked).Exclude(sfPossibleGutterClick).Exclude(sfGutterDragging);
}

void TCustomSynText::UpdateMouseCursor()
{
    TPoint point;
    GetCursorPos(&point);
    point = ScreenToClient(point);
    TCursor cursor = gutter_->Cursor;
    if (point.X >= gutterWidth_) {
        const TBufferCoord position = DisplayToBufferPos(PointToCell(point.X, point.Y));
        cursor = options_.Contains(eoDragDropEditing) && !MouseCapture() && IsPointInSelection(position) ? crArrow
                                                                                                        : Cursor();
        if (OnMouseCursor)
            OnMouseCursor(this, position, cursor);
        kbdHandler_->RunMouseCursor(this, position, cursor);
    }
    ::SetCursor(CursorHandle(cursor));
}
