// The views' in-place edit box: it wants Enter and Escape for itself, so
// that no default or cancel button of the form takes them.
#include "platform/ui/textedit/in_place_edit_box.h"

#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"

TInPlaceEditBox::TInPlaceEditBox(TInPlaceEditEnd EndEdit) : TCustomEdit(nullptr), endEdit_(EndEdit)
{
    SetVisible(false);
    SetBorderStyle(bsSingle);
    SetCtl3D(false);
    AutoSelect = false;
}

void TInPlaceEditBox::StartWith(const AnsiString& Text)
{
    // Setting the text the box holds already changes nothing, its undo
    // included.
    SetText(Text);
    ClearUndo();
}

void TInPlaceEditBox::Dispatch(TMessage& Message)
{
    TCustomEdit::Dispatch(Message);
    if (Message.Msg == WM_GETDLGCODE)
        Message.Result |= DLGC_WANTALLKEYS;
    // The focus leaving for another window altogether accepts the text;
    // within the form, the view's exit does it after its OnExit.
    if (Message.Msg == WM_KILLFOCUS && HandleAllocated()) {
        HWND to = reinterpret_cast<HWND>(Message.WParam);
        if (!to || GetAncestor(to, GA_ROOT) != GetAncestor(Handle(), GA_ROOT))
            endEdit_(false);
    }
}

void TInPlaceEditBox::KeyDown(WORD& Key, TShiftState Shift)
{
    if (Key == VK_RETURN || Key == VK_ESCAPE) {
        const bool cancel = Key == VK_ESCAPE;
        Key = 0;
        endEdit_(cancel);
        return;
    }
    TCustomEdit::KeyDown(Key, Shift);
}
