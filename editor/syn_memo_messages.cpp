// TSynMemo's answers to the edit-control messages. Character indexes are
// those of SelStart and SelEnd: every line break counts two.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "editor/syn_memo.h"
#include "platform/win/edit_control_messages.h"

void TSynMemo::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case EM_GETSEL: {
        const int start = SelStart();
        const int end = SelEnd();
        if (auto* p = reinterpret_cast<int32_t*>(Message.WParam))
            *p = start;
        if (auto* p = reinterpret_cast<int32_t*>(Message.LParam))
            *p = end;
        Message.Result = MAKELRESULT(static_cast<WORD>(start), static_cast<WORD>(end));
        return;
    }
    case EM_SETSEL:
        SetSelStart(static_cast<int>(Message.WParam));
        SetSelEnd(static_cast<int>(Message.LParam));
        return;
    case EM_GETMODIFY:
        Message.Result = Modified() ? 1 : 0;
        return;
    case EM_SETMODIFY:
        SetModified(Message.WParam != 0);
        return;
    case EM_GETLINECOUNT:
        Message.Result = lines_->Count();
        return;
    case EM_REPLACESEL: {
        // As a paste: the blocks it reaches expanded first, or nothing.
        if (ReadOnly() || !PrepareFoldsForChange(ecPaste))
            return;
        const bool record = Message.WParam != 0;
        const auto* text = reinterpret_cast<const char*>(Message.LParam);
        DoOnPaintTransient(ttBefore);
        BeginUndoBlock();
        if (!SelAvail())
            blockBegin_ = blockEnd_ = CaretXY();  // the text goes in at the caret
        if (record && SelAvail())
            undoList_->AddChange(urDelete, blockBegin_, blockEnd_, SelectedText(false), selectionMode_);
        const TBufferCoord start = BlockBegin();
        blockEnd_ = BlockEnd();
        blockBegin_ = start;
        // Line and column insertions record themselves, as they place their
        // lines; a normal one is a single stretch of text.
        SetSelTextPrimitive(selectionMode_, text ? AnsiString(text) : AnsiString(), record);
        if (record && selectionMode_ == smNormal)
            undoList_->AddChange(urInsert, start, blockEnd_, AnsiString(), selectionMode_);
        EndUndoBlock();
        // An unrecorded change leaves the recorded items pointing at text
        // that is no longer there; undoing them would corrupt it.
        if (!record)
            ClearUndo();
        EnsureCursorPosVisible();
        StatusChanged({scSelection});
        DoOnPaintTransient(ttAfter);
        return;
    }
    case EM_GETLINE: {
        const auto index = static_cast<intptr_t>(Message.WParam);
        auto* buffer = reinterpret_cast<char*>(Message.LParam);
        Message.Result = 0;
        if (!buffer || index < 0 || index >= lines_->Count())
            return;
        uint16_t size = 0;
        std::memcpy(&size, buffer, sizeof(size));
        const AnsiString line = lines_->Strings(static_cast<int>(index));
        const size_t n = std::min(line.size(), static_cast<size_t>(size));
        std::memcpy(buffer, line.data(), n);
        // The zero only goes in when there is room for it inside the size.
        if (n < size)
            buffer[n] = '\0';
        Message.Result = static_cast<LRESULT>(n);
        return;
    }
    case EM_CANUNDO:
        Message.Result = CanUndo() ? 1 : 0;
        return;
    case EM_UNDO:
        Message.Result = CanUndo() ? 1 : 0;
        Undo();
        return;
    case EM_GETFIRSTVISIBLELINE:
        Message.Result = TopLine();
        return;
    case EM_CHARFROMPOS: {
        const auto point = static_cast<uintptr_t>(Message.LParam);
        const int x = static_cast<int16_t>(LOWORD(point));
        const int y = static_cast<int16_t>(HIWORD(point));
        TBufferCoord pos = DisplayToBufferPos(PointToCell(x, y));
        if (pos.Line <= lines_->Count())
            pos.Char = std::min(pos.Char, static_cast<int>(lines_->Strings(pos.Line - 1).size()) + 1);
        else
            pos.Char = 1;
        const int index = RowColToCharIndex(pos) + 1;
        Message.Result = MAKELRESULT(static_cast<WORD>(index), static_cast<WORD>(pos.Line - 1));
        return;
    }
    case EM_GETSELTEXT: {
        auto* buffer = reinterpret_cast<char*>(Message.LParam);
        if (!buffer)
            return;
        const AnsiString text = SelText();
        std::memcpy(buffer, text.c_str(), text.size() + 1);
        Message.Result = static_cast<LRESULT>(text.size());
        return;
    }
    default:
        TSynText::Dispatch(Message);
        return;
    }
}
