// The least view behaviour the editor needs until scrolling, painting, input,
// commands and folding land in their own files: it keeps state consistent
// and repaints the whole window where a finer repaint is due.
#include <algorithm>

#include "editor/syn_custom_text.h"
#include "editor/syn_gutter.h"
#include "editor/syn_highlighter.h"
#include "editor/syn_text_drawer.h"
#include "platform/win/update_region.h"

void TCustomSynText::InvalidateRect(const TRect& ARect, bool AErase)
{
    if (HandleAllocated())
        ::InvalidateRect(Handle(), &ARect, AErase);
}

void TCustomSynText::InvalidateLine(int) { Invalidate(); }
void TCustomSynText::InvalidateLines(int, int) { Invalidate(); }
void TCustomSynText::InvalidateSelection() { Invalidate(); }
void TCustomSynText::InvalidateGutter() { Invalidate(); }

void TCustomSynText::GutterChanged(TObject*) { Invalidate(); }
void TCustomSynText::CodeFoldingChanged(TSynCodeFoldingChanges) { Invalidate(); }
void TCustomSynText::ScrollBarsChanged(TObject*) { UpdateScrollBars(); }
void TCustomSynText::RightEdgeChanged(TObject*) { Invalidate(); }
void TCustomSynText::LineDividerChanged(TObject*) { Invalidate(); }
void TCustomSynText::ActiveLineChanged(TObject*) { Invalidate(); }
void TCustomSynText::WordWrapChanged(TObject*) { Invalidate(); }
void TCustomSynText::BackgroundChanged(TObject*) { Invalidate(); }
void TCustomSynText::SelectedColorChanged(TObject*) { Invalidate(); }
void TCustomSynText::BookMarkOptionsChanged(TObject*) { Invalidate(); }
void TCustomSynText::MarkListChanged(TObject*) { Invalidate(); }
void TCustomSynText::ScrollTimerHandler(TObject*) {}

void TCustomSynText::ListCleared(TObject*)
{
    ClearUndo();
    caretX_ = caretY_ = 1;
    blockBegin_ = blockEnd_ = BufferCoord(1, 1);
    topLine_ = leftChar_ = 1;
    Invalidate();
    StatusChanged({scAll});
}

void TCustomSynText::ListBeforeInserted(TObject*, int, int) {}
void TCustomSynText::ListBeforeDeleted(TObject*, int, int) {}
void TCustomSynText::ListBeforePut(TObject*, int, int) {}

void TCustomSynText::UnhookTextBuffer()
{
    lines_ = ownLines_.get();
    undoList_ = ownUndoList_.get();
    redoList_ = ownRedoList_.get();
    chainedEditor_ = nullptr;
}

void TCustomSynText::SetName(const AnsiString& NewName) { TCustomControl::SetName(NewName); }
void TCustomSynText::CreateWnd() { TCustomControl::CreateWnd(); }
void TCustomSynText::DestroyWnd() { TCustomControl::DestroyWnd(); }
void TCustomSynText::SetFocus() { TCustomControl::SetFocus(); }
void TCustomSynText::Paint() {}
void TCustomSynText::KeyDown(WORD& Key, TShiftState Shift) { TCustomControl::KeyDown(Key, Shift); }
void TCustomSynText::KeyUp(WORD& Key, TShiftState Shift) { TCustomControl::KeyUp(Key, Shift); }
void TCustomSynText::KeyPress(char& Key) { TCustomControl::KeyPress(Key); }
void TCustomSynText::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
}
void TCustomSynText::MouseMove(TShiftState Shift, int X, int Y) { TCustomControl::MouseMove(Shift, X, Y); }
void TCustomSynText::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomSynText::DrawRightEdgeDragLine(int) {}
void TCustomSynText::PaintGutter(const TRect&, int, int) {}
void TCustomSynText::PaintTextLines(const TRect&, int, int, int, int) {}
void TCustomSynText::UpdateMouseCursor() {}
void TCustomSynText::DoOnClearBookmark(TSynTextMark*& Mark)
{
    if (OnClearBookmark)
        OnClearBookmark(this, Mark);
}
void TCustomSynText::DoOnPlaceBookmark(TSynTextMark*& Mark)
{
    if (OnPlaceBookmark)
        OnPlaceBookmark(this, Mark);
}
void TCustomSynText::DoOnCommandProcessed(TSynTextEditorCommand Command, char AChar, void* Data)
{
    if (OnCommandProcessed)
        OnCommandProcessed(this, Command, AChar, Data);
}
void TCustomSynText::DoOnGutterClick(TMouseButton, int, int) {}
void TCustomSynText::DoOnProcessCommand(TSynTextEditorCommand& Command, char& AChar, void* Data)
{
    if (Command >= ecUserFirst) {
        if (OnProcessUserCommand)
            OnProcessUserCommand(this, Command, AChar, Data);
    } else if (OnProcessCommand) {
        OnProcessCommand(this, Command, AChar, Data);
    }
}
TSynReplaceAction TCustomSynText::DoOnReplaceText(const AnsiString& ASearch, const AnsiString& AReplace, int Line,
                                                  int Column)
{
    TSynReplaceAction action = raCancel;
    if (OnReplaceText)
        OnReplaceText(this, ASearch, AReplace, Line, Column, action);
    return action;
}
bool TCustomSynText::DoOnSpecialLineColors(int Line, TColor& Foreground, TColor& Background)
{
    bool special = false;
    if (OnSpecialLineColors)
        OnSpecialLineColors(this, Line, special, Foreground, Background);
    return special;
}
