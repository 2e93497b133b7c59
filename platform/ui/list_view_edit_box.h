// TListEditBox: the edit box a list view renames an item in. Enter accepts
// the text and Escape cancels; both go back to the view.
#pragma once

#include "platform/ui/edit.h"

class TCustomListView;

class TListEditBox : public TCustomEdit {
public:
    explicit TListEditBox(TCustomListView* View);

protected:
    void Dispatch(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    TCustomListView* view_;
};
