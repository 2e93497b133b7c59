// TCustomForm's idle update of the actions its clients follow.
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"

namespace {

// The visible items under Parent, and theirs.
void UpdateItems(TMenuItem* Parent)
{
    for (int i = 0; i < Parent->Count(); ++i) {
        TMenuItem* item = Parent->Items(i);
        if (!item->Visible())
            continue;
        item->InitiateAction();
        if (i < Parent->Count() && Parent->Items(i) == item)
            UpdateItems(item);
    }
}

// The visible controls of Container that follow an action, and theirs.
void UpdateClients(TWinControl* Container)
{
    for (int i = 0; i < Container->ControlCount(); ++i) {
        TControl* control = Container->Controls(i);
        if (!control->Visible())
            continue;
        // An update may free the control; its own controls are then gone.
        TControl::TAlive alive(control);
        if (control->ControlStyle().Contains(csActionClient))
            control->InitiateAction();
        if (!alive)
            continue;
        if (auto* container = dynamic_cast<TWinControl*>(control); container && container->ControlCount() > 0)
            UpdateClients(container);
    }
}

}  // namespace

void TCustomForm::UpdateActions()
{
    TAlive alive(this);
    InitiateAction();
    if (alive && menu_)
        UpdateItems(menu_->Items());
    if (alive)
        UpdateClients(this);
}
