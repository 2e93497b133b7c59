// Taking the focus on a press of the mouse.
#include "platform/ui/kernel/focus_on_press.h"

#include "platform/ui/kernel/win_control.h"

bool TakeFocusOnPress(TWinControl* Control)
{
    if (!Control->CanFocus() || Control->Focused())
        return true;
    TControl::TAlive alive(Control);
    Control->SetFocus();
    return static_cast<bool>(alive);
}
