// Text dragged from this or another editor, and the double click that
// selects a word.
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
        TBufferCoord point = CaretXY();
        bool move;
        bool drop;
        const TBufferCoord start = BlockBegin();
        const TBufferCoord end = BlockEnd();
        if (source == this) {
            move = !KeyHeld(VK_CONTROL);
            drop = end < point || point < start;
            if (!move)
                drop = drop || point == end || point == start;
        } else {
            move = KeyHeld(VK_SHIFT);
            drop = true;
        }
        if (drop) {
            BeginUndoBlock();
            try {
                const AnsiString text = source->SelText();
                if (move) {
                    source->SetSelText(AnsiString());
                    if (source == this && end < point) {
                        // The removed text came before the drop point.
                        if (point.Line == end.Line)
                            point.Char = start.Char + (point.Char - end.Char);
                        point.Line -= end.Line - start.Line;
                    }
                }
                {
                    TSynScrollPastEolScope pastEol(options_);
                    SetCaretXY(point);
                    undoList_->Lock();
                    redoList_->Lock();
                    SetSelText(text);
                    undoList_->Unlock();
                    redoList_->Unlock();
                    undoList_->AddChange(source == this ? urDragDropInsert : urInsert, point, CaretXY(), AnsiString(),
                                         selectionMode_);
                    // The dropped text stays selected, the caret at its start.
                    const TBufferCoord insertedEnd = CaretXY();
                    PlaceCaret(point);
                    SetBlockBegin(insertedEnd);
                    SetBlockEnd(point);
                }
            } catch (...) {
                EndUndoBlock();
                throw;
            }
            EndUndoBlock();
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}
