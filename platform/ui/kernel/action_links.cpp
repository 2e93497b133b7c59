// The action links of the clients.
#include "platform/ui/kernel/action_links.h"

#include "platform/ui/kernel/control.h"
#include "platform/ui/kernel/menus.h"

void TControlActionLink::Change()
{
    client_->ActionChange(Action());
}

void TMenuActionLink::Change()
{
    client_->ActionChange(Action());
}
