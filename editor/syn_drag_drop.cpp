// Text dragged from this or another editor, and the double click that
// selects a word. A drop meets the fold guard as a cut and a paste.
#include <algorithm>

#include "editor/syn_custom_text.h"
#include "editor/syn_edit_scopes.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/cursor.h"
#include "platform/win/keyboard.h"
#include "platform/win/virtual_keys.h"

namespace {

bool KeyHeld(int VirtualKey) { return GetKeyState(VirtualKey) < 0; }

}  // namespace

void TCustomSynText::DblClick()
{
    TPoint mouse;
    GetCursorPos(&mouse);
    mouse = ScreenToClient(mouse);
    if (mouse.X >= gutterWidth_ + 2) {
        if (!options_.Contains(eoNoSelection))
            SetWordBlock(CaretXY());
        TCustomControl::DblClick();
        stateFlags_.Include(sfDblClicked);
        SetMouseCapture(false);
    } else {
        TCustomControl::DblClick();
    }
}

void TCustomSynText::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    TCustomControl::DragOver(Source, X, Y, State, Accept);
    auto* source = dynamic_cast<TCustomSynText*>(Source);
    Accept = source && !ReadOnly();
    if (!Accept)
        return;
    source->SetDragCursor(KeyHeld(VK_CONTROL) ? crMultiDrag : crDrag);
    TDisplayCoord pos = PointToCell(X, Y);
    if (Dragging()) {
        if (State == dsDragLeave)
            return;
        // Our own text follows the mouse only within the view.
        pos.Column = std::clamp(pos.Column, leftChar_, leftChar_ + std::max(charsInWindow_ - 1, 0));
        pos.Row = std::clamp(pos.Row, topLine_, topLine_ + std::max(linesInWindow_ - 1, 0));
    }
    PlaceCaret(DisplayToBufferPos(pos));
}

void TCustomSynText::DoEndDrag(TObject* Target, int X, int Y)
{
    scrollTimer_->SetEnabled(false);
    TCustomControl::DoEndDrag(Target, X, Y);
}

void TCustomSynText::DragDrop(TObject* Source, int X, int Y)
{
    auto* source = dynamic_cast<TCustomSynText*>(Source);
    if (ReadOnly() || !source || !source->SelAvail()) {
        TCustomControl::DragDrop(Source, X, Y);
        return;
    }
    BeginUpdate();
    try {
        PlaceCaret(DisplayToBufferPos(PointToCell(X, Y)));
        DropText(source);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCustomSynText::DropText(TCustomSynText* Source)
{
    const bool self = Source == this;
    const bool move = self ? !KeyHeld(VK_CONTROL) : KeyHeld(VK_SHIFT);
    // A move is a cut of the source's selection and a paste at the drop
    // point, the copy a paste: the fold guard judges both before either
    // changes anything, on ranges brought up to date (the point and the
    // selection kept on their lines, a selection's end in a collapse mark
    // going to the end of the block if it comes into view), and the cut
    // then expands the blocks it reaches, the caret at the point following
    // the lines they bring.
    if (allFoldRanges_->HasCollapsed() && FoldRangesStale())
        FinishFoldScanForCommand();
    if (move && !self && Source->allFoldRanges_->HasCollapsed() && Source->FoldRangesStale())
        Source->FinishFoldScanForCommand();
    if (self) {
        const TBufferCoord point = CaretXY();
        const TBufferCoord end = BlockEnd();
        // A selection from a line above whose end lies in a collapse mark
        // takes the block's hidden lines: every point on that line lies
        // inside it.
        const bool insideMarkedEnd = point.Line == end.Line && BlockBegin().Line < end.Line &&
                                     allFoldRanges_->CollapsedStartsAt(end.Line) &&
                                     end.Char > static_cast<int>(UnmarkedLine(end.Line).size()) + 1;
        // A selection that starts in a collapse mark starts after the
        // line's text, before the hidden lines: a point past that text
        // lies inside it, wherever in the mark.
        TBufferCoord begin = BlockBegin();
        if (allFoldRanges_->CollapsedStartsAt(begin.Line))
            begin.Char = std::min(begin.Char, static_cast<int>(UnmarkedLine(begin.Line).size()) + 1);
        const bool outside = end < point || point < begin;
        if (insideMarkedEnd || !(outside || (!move && (point == end || point == begin))))
            return;
    }
    const bool reachedByCut = self && move && BlockBegin().Line <= caretY_ && caretY_ <= BlockEnd().Line;
    if ((move && Source->FoldsRefuse(ecCut)) || (!reachedByCut && FoldsRefuseDropAt(CaretXY())))
        return;
    if (move && !Source->PrepareFoldsForCommand(ecCut))
        return;
    TBufferCoord point = CaretXY();
    const TBufferCoord start = Source->BlockBegin();
    const TBufferCoord end = Source->BlockEnd();
    const TSynFlagScope guarded(guardedChange_);
    const TSynFlagScope sourceGuarded(Source->guardedChange_);
    BeginUndoBlock();
    try {
        const AnsiString text = Source->SelText();
        if (move) {
            Source->SetSelText(AnsiString());
            if (self && end < point) {
                // The removed text came before the drop point.
                if (point.Line == end.Line)
                    point.Char = start.Char + (point.Char - end.Char);
                point.Line -= end.Line - start.Line;
            }
        }
        TSynScrollPastEolScope pastEol(options_);
        SetCaretXY(point);
        if (selectionMode_ == smNormal) {
            if (!text.empty())
                RecordPaddingTo(CaretXY());
            undoList_->Lock();
            redoList_->Lock();
            SetSelText(text);
            undoList_->Unlock();
            redoList_->Unlock();
            undoList_->AddChange(self ? urDragDropInsert : urInsert, point, CaretXY(), AnsiString(), smNormal);
        } else {
            // Whole lines go in above the point's line, a column down the
            // lines from its column: the insertion records what it made
            // (lines, padding, lines added below the text), which one item
            // from the point to the caret would not give back.
            SetSelText(text);
        }
        // The dropped text stays selected, the caret at its start.
        const TBufferCoord insertedEnd = CaretXY();
        PlaceCaret(point);
        SetBlockBegin(insertedEnd);
        SetBlockEnd(point);
    } catch (...) {
        EndUndoBlock();
        throw;
    }
    EndUndoBlock();
}
