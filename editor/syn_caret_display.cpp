// The caret on screen: its shape from the insert mode, its place from the
// caret's display position, and whether it shows without the focus.
#include <algorithm>

#include "editor/syn_custom_text.h"
#include "editor/view/syn_text_drawer.h"
#include "platform/win/caret.h"
#include "platform/win/ime.h"

namespace {

bool CaretWanted(bool Focused, bool AlwaysShowCaret) { return Focused || AlwaysShowCaret; }

}  // namespace

void TCustomSynText::InitializeCaret()
{
    if (!HandleAllocated())
        return;
    const int lineHeight = LineHeight();
    const int textHeight = textDrawer_ ? textDrawer_->BaseCharHeight() : 0;
    // Half of what the line spacing adds above the normal 2 pixels.
    const int extra = std::max(lineHeight - textHeight - 2, 0) / 2;
    int width = charWidth_;
    int height = lineHeight - 2;
    switch (inserting_ ? insertCaret_ : overwriteCaret_) {
    case ctVerticalLine:
        width = 2;
        caretOffset_ = {-1, extra};
        break;
    case ctHorizontalLine:
        height = 2;
        caretOffset_ = {0, lineHeight - 2 + extra};
        break;
    case ctHalfBlock:
        height = (lineHeight - 2) / 2;
        caretOffset_ = {0, extra + height};
        break;
    case ctBlock:
        caretOffset_ = {0, extra};
        break;
    }
    stateFlags_.Exclude(sfCaretVisible);
    if (CaretWanted(Focused(), alwaysShowCaret_)) {
        ::CreateCaret(Handle(), nullptr, width, height);
        UpdateCaret();
    }
}

void TCustomSynText::UpdateCaret()
{
    if (paintLock_ != 0 || !HandleAllocated() || !CaretWanted(Focused(), alwaysShowCaret_)) {
        stateFlags_.Include(sfCaretChanged);
        return;
    }
    stateFlags_.Exclude(sfCaretChanged);
    TPoint point = RowColumnToPixels(DisplayXY());
    point.X += caretOffset_.X;
    point.Y += caretOffset_.Y + 1;
    TRect textArea = ClientRect();
    textArea.Left += gutterWidth_ + 2;
    ::SetCaretPos(point.X, point.Y);
    if (PtInRect(textArea, point))
        ShowEditorCaret();
    else
        HideEditorCaret();
    if (HIMC context = ImmGetContext(Handle())) {
        COMPOSITIONFORM form;
        form.dwStyle = CFS_POINT;
        form.ptCurrentPos = point;
        ImmSetCompositionWindow(context, &form);
        ImmReleaseContext(Handle(), context);
    }
}

void TCustomSynText::HideEditorCaret()
{
    if (stateFlags_.Contains(sfCaretVisible) && HandleAllocated() && ::HideCaret(Handle()))
        stateFlags_.Exclude(sfCaretVisible);
}

void TCustomSynText::ShowEditorCaret()
{
    if (!options_.Contains(eoNoCaret) && !stateFlags_.Contains(sfCaretVisible) && HandleAllocated() &&
        ::ShowCaret(Handle()))
        stateFlags_.Include(sfCaretVisible);
}

void TCustomSynText::SetAlwaysShowCaret(bool Value)
{
    if (alwaysShowCaret_ == Value)
        return;
    alwaysShowCaret_ = Value;
    if (!HandleAllocated() || Focused())
        return;
    if (Value) {
        InitializeCaret();
    } else {
        HideEditorCaret();
        ::DestroyCaret();
    }
}
