// Clearing the whole editor, the word at a position, and the controls that
// take the focus in the editor's place.
#include "editor/syn_custom_text.h"
#include "editor/document/syn_text_mark.h"
#include "platform/base/list.h"

void TCustomSynText::ClearAll()
{
    // The marks go with the text; the bookmark slots point into the mark
    // list, so they are emptied with it.
    bookmarks_.fill(nullptr);
    marks_->Clear();
    lines_->Clear();
    ClearUndo();
    SetModified(false);
}

AnsiString TCustomSynText::WordAtCaret() const { return GetWordAtRowCol(CaretXY()); }

AnsiString TCustomSynText::GetWordAtRowCol(TBufferCoord XY) const
{
    if (XY.Line < 1 || XY.Line > lines_->Count())
        return AnsiString();
    auto* self = const_cast<TCustomSynText*>(this);
    const TBufferCoord start = self->WordStartAt(XY);
    const TBufferCoord end = self->WordEndAt(XY);
    if (start.Line != XY.Line || end.Line != XY.Line || end.Char <= start.Char)
        return AnsiString();
    return lines_->Strings(XY.Line - 1).substr(start.Char - 1, end.Char - start.Char);
}

void TCustomSynText::AddFocusControl(TWinControl* AControl) { focusList_->Add(AControl); }

void TCustomSynText::RemoveFocusControl(TWinControl* AControl) { focusList_->Remove(AControl); }
