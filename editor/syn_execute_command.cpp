// The built-in command executor: caret moves, modes, bookmarks and the
// dispatch of the editing commands, all under one paint lock.
#include <algorithm>

#include "editor/document/syn_bookmark_opt.h"
#include "editor/syn_edit_scopes.h"

namespace {

bool IsSelectionCommand(TSynTextEditorCommand Command) { return Command >= ecSelLeft && Command <= ecSelGotoXY; }

}  // namespace

void TCustomSynText::DoScrollLine(int Delta)
{
    const int row = DisplayY();
    if (row >= topLine_ && row < topLine_ + linesInWindow_) {
        SetTopLine(topLine_ + Delta);
        // Keep the caret on a visible row.
        if (DisplayY() < topLine_)
            MoveCaretVert(topLine_ - DisplayY(), false);
        else if (DisplayY() >= topLine_ + linesInWindow_)
            MoveCaretVert(topLine_ + linesInWindow_ - 1 - DisplayY(), false);
        EnsureCursorPosVisible();
        Update();
    } else {
        EnsureCursorPosVisible();
    }
}

void TCustomSynText::DoExecuteCommand(TSynTextEditorCommand Command, char AChar, void* Data)
{
    TSynPaintLockScope lock(this);
    if (Command != ecChar)
        pendingLeadByte_ = 0;
    const bool sel = IsSelectionCommand(Command);
    const TSynTextEditorCommand plain = sel ? Command - (ecSelLeft - ecLeft) : Command;
    switch (plain) {
    case ecLeft:
        MoveCaretHorz(-1, sel);
        return;
    case ecRight:
        MoveCaretHorz(1, sel);
        return;
    case ecUp:
    case ecDown:
        MoveCaretVert(plain == ecUp ? -1 : 1, sel);
        Update();
        return;
    case ecWordLeft:
        MoveCaretAndSelection(CaretXY(), PrevWordPos(), sel);
        return;
    case ecWordRight:
        MoveCaretAndSelection(CaretXY(), NextWordPos(), sel);
        return;
    case ecLineStart:
        DoHomeKey(sel);
        return;
    case ecLineEnd:
        DoEndKey(sel);
        return;
    case ecPageUp:
    case ecPageDown: {
        int step = linesInWindow_;
        if (options_.Contains(eoHalfPageScroll))
            step /= 2;
        if (options_.Contains(eoScrollByOneLess))
            --step;
        if (plain == ecPageUp)
            step = -step;
        SetTopLine(topLine_ + step);
        MoveCaretVert(step, sel);
        Update();
        return;
    }
    case ecPageLeft:
    case ecPageRight:
        MoveCaretHorz(plain == ecPageLeft ? -charsInWindow_ : charsInWindow_, sel);
        return;
    case ecPageTop:
    case ecPageBottom: {
        const int row = plain == ecPageTop ? topLine_ : topLine_ + linesInWindow_ - 1;
        MoveCaretAndSelection(CaretXY(), DisplayToBufferPos(DisplayCoord(DisplayX(), row)), sel);
        Update();
        return;
    }
    case ecEditorTop:
        MoveCaretAndSelection(CaretXY(), BufferCoord(1, 1), sel);
        return;
    case ecEditorBottom: {
        const int count = lines_->Count();
        const TBufferCoord target =
            count > 0 ? BufferCoord(static_cast<int>(lines_->Strings(count - 1).size()) + 1, count) : BufferCoord(1, 0);
        MoveCaretAndSelection(CaretXY(), target, sel);
        return;
    }
    case ecGotoXY:
        if (Data)
            MoveCaretAndSelection(CaretXY(), *static_cast<const TBufferCoord*>(Data), sel);
        return;
    default:
        break;
    }

    switch (Command) {
    case ecSelWord:
        SelectWordAtCaret();
        return;
    case ecSelectAll:
        SelectAll();
        return;
    case ecCopy:
        CopyToClipboard();
        return;
    case ecCut:
        if (!ReadOnly() && SelAvail())
            DoCutToClipboard();
        return;
    case ecPaste:
        if (!ReadOnly())
            DoPasteFromClipboard();
        return;
    case ecUndo:
        if (!ReadOnly())
            Undo();
        return;
    case ecRedo:
        if (!ReadOnly())
            Redo();
        return;
    case ecScrollUp:
    case ecScrollDown:
        DoScrollLine(Command == ecScrollUp ? -1 : 1);
        return;
    case ecScrollLeft:
    case ecScrollRight:
        SetLeftChar(leftChar_ + (Command == ecScrollLeft ? -1 : 1));
        Update();
        return;
    case ecInsertMode:
        SetInsertMode(true);
        return;
    case ecOverwriteMode:
        SetInsertMode(false);
        return;
    case ecToggleMode:
        SetInsertMode(!inserting_);
        return;
    case ecNormalSelect:
        SetSelectionMode(smNormal);
        return;
    case ecColumnSelect:
        SetSelectionMode(smColumn);
        return;
    case ecLineSelect:
        SetSelectionMode(smLine);
        return;
    case ecMatchBracket:
        GotoMatchingBracket();
        return;
    case ecContextHelp:
        if (OnContextHelp)
            OnContextHelp(this, WordAtCaret());
        return;
    default:
        break;
    }

    if (Command >= ecGotoMarker0 && Command <= ecGotoMarker9) {
        if (bookMarkOpt_->EnableKeys)
            GotoBookMark(Command - ecGotoMarker0);
        return;
    }
    if (Command >= ecSetMarker0 && Command <= ecSetMarker9) {
        if (!bookMarkOpt_->EnableKeys)
            return;
        const int n = Command - ecSetMarker0;
        const TBufferCoord at = Data ? *static_cast<const TBufferCoord*>(Data) : CaretXY();
        int x = 0;
        int y = 0;
        if (GetBookMark(n, x, y)) {
            ClearBookMark(n);
            if (y != at.Line)
                SetBookMark(n, at.Char, at.Line);
        } else {
            SetBookMark(n, at.Char, at.Line);
        }
        return;
    }

    if (ReadOnly())
        return;
    switch (Command) {
    case ecDeleteLastChar:
        DoDeleteLastChar();
        break;
    case ecDeleteChar:
        DoDeleteChar();
        break;
    case ecLineBreak:
    case ecInsertLine:
        DoLineBreak(Command == ecLineBreak);
        break;
    case ecChar:
        DoTypeChar(AChar);
        break;
    case ecImeStr:
        if (Data)
            DoImeStr(static_cast<const char*>(Data));
        break;
    case ecDeleteWord:
    case ecDeleteEOL:
        DoDeleteForward(Command == ecDeleteEOL);
        break;
    case ecDeleteLastWord:
    case ecDeleteBOL:
        DoDeleteBackward(Command == ecDeleteBOL);
        break;
    case ecDeleteLine:
        DoDeleteLine();
        break;
    case ecClearAll:
        ClearAll();
        break;
    case ecUpperCase:
    case ecLowerCase:
    case ecToggleCase:
    case ecTitleCase:
    case ecUpperCaseBlock:
    case ecLowerCaseBlock:
    case ecToggleCaseBlock:
        DoCaseChange(Command);
        break;
    case ecBlockIndent:
        DoBlockIndent();
        break;
    case ecBlockUnindent:
        DoBlockUnindent();
        break;
    case ecTab:
        DoTabKey();
        break;
    case ecShiftTab:
        DoShiftTabKey();
        break;
    default:
        break;
    }
}
