// The tree's in-place edit box: it wants Enter and Escape for itself, so
// that no default or cancel button of the form takes them.
#include "platform/ui/tree_view_edit_box.h"

#include "platform/ui/tree_view.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"

TTreeEditBox::TTreeEditBox(TCustomTreeView* View) : TCustomEdit(nullptr), view_(View)
{
    SetVisible(false);
    SetBorderStyle(bsSingle);
    SetCtl3D(false);
    AutoSelect = false;
}

void TTreeEditBox::Dispatch(TMessage& Message)
{
    TCustomEdit::Dispatch(Message);
    if (Message.Msg == WM_GETDLGCODE)
        Message.Result |= DLGC_WANTALLKEYS;
    // The focus leaving for another window altogether accepts the text;
    // within the form, the view's exit does it after its OnExit.
    if (Message.Msg == WM_KILLFOCUS && HandleAllocated()) {
        HWND to = reinterpret_cast<HWND>(Message.WParam);
        if (!to || GetAncestor(to, GA_ROOT) != GetAncestor(Handle(), GA_ROOT))
            view_->EndEdit(false);
    }
}

void TTreeEditBox::KeyDown(WORD& Key, TShiftState Shift)
{
    if (Key == VK_RETURN || Key == VK_ESCAPE) {
        const bool cancel = Key == VK_ESCAPE;
        Key = 0;
        view_->EndEdit(cancel);
        return;
    }
    TCustomEdit::KeyDown(Key, Shift);
}
