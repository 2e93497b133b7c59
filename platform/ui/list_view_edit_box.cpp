// The list's in-place edit box: it wants Enter and Escape for itself, so
// that no default or cancel button of the form takes them.
#include "platform/ui/list_view_edit_box.h"

#include "platform/ui/list_view.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"

TListEditBox::TListEditBox(TCustomListView* View) : TCustomEdit(nullptr), view_(View)
{
    SetVisible(false);
    SetBorderStyle(bsSingle);
    SetCtl3D(false);
    AutoSelect = false;
}

void TListEditBox::Dispatch(TMessage& Message)
{
    TCustomEdit::Dispatch(Message);
    if (Message.Msg == WM_GETDLGCODE)
        Message.Result |= DLGC_WANTALLKEYS;
}

void TListEditBox::KeyDown(WORD& Key, TShiftState Shift)
{
    if (Key == VK_RETURN || Key == VK_ESCAPE) {
        const bool cancel = Key == VK_ESCAPE;
        Key = 0;
        view_->EndEdit(cancel);
        return;
    }
    TCustomEdit::KeyDown(Key, Shift);
}
