// TTreeEditBox: the edit box a tree view renames a node in. Enter accepts
// the text and Escape cancels; both go back to the view, and so does the
// focus going to another window.
#pragma once

#include "platform/ui/edit.h"

class TCustomTreeView;

class TTreeEditBox : public TCustomEdit {
public:
    explicit TTreeEditBox(TCustomTreeView* View);

protected:
    void Dispatch(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    TCustomTreeView* view_;
};
