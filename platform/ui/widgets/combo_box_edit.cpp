// The combo box's edit part.
#include "platform/ui/widgets/combo_box_edit.h"

#include "platform/ui/widgets/combo_box.h"
#include "platform/win/win_messages.h"

TComboEdit::TComboEdit(TCustomComboBox* Combo) : TCustomEdit(Combo), combo_(Combo)
{
    SetBorderStyle(bsNone);
    SetAutoSize(false);
    SetTabStop(false);
}

void TComboEdit::Change()
{
    TAlive alive(this);
    TCustomEdit::Change();
    if (alive)
        combo_->EditChanged();
}

void TComboEdit::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // Before the edit, and before the form sees Enter or Escape as
        // dialog keys.
        if (combo_->ListKey(static_cast<WORD>(Message.WParam), KeyDataToShiftState(Message.LParam)))
            return;
        break;
    case WM_MOUSEWHEEL:
        // The wheel scrolls the dropped list, not the edit part.
        if (combo_->DroppedDown()) {
            combo_->Perform(Message.Msg, Message.WParam, Message.LParam);
            return;
        }
        break;
    case WM_KILLFOCUS:
        combo_->CloseList(false);
        break;
    case WM_CONTEXTMENU:
        // A context menu given to the combo box is the edit part's too, in
        // place of the edit's own.
        if (combo_->PopupMenu()) {
            Message.Result = combo_->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(combo_->Handle()), Message.LParam);
            if (Message.Result)
                return;
        }
        break;
    default:
        break;
    }
    TCustomEdit::Dispatch(Message);
}
