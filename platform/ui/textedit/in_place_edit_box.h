// TInPlaceEditBox: the edit box a tree or list view renames an entry in.
// Enter accepts the text and Escape cancels; both go back to the view, and
// so does the focus going to another window.
#pragma once

#include "platform/base/event.h"
#include "platform/ui/textedit/edit.h"

// The view's end of the edit: cancelled, or accepted with the box's text.
using TInPlaceEditEnd = TEvent<void(bool Cancel)>;

class TInPlaceEditBox : public TCustomEdit {
public:
    explicit TInPlaceEditBox(TInPlaceEditEnd EndEdit);
    // A new edit of Text: what an earlier edit in the box typed is nothing
    // this one can undo.
    void StartWith(const AnsiString& Text);

protected:
    void Dispatch(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    TInPlaceEditEnd endEdit_;
};
