// The action links of the clients.
#include "platform/ui/action_links.h"

#include "platform/ui/control.h"
#include "platform/ui/menus.h"

void TControlActionLink::Change()
{
    client_->ActionChange(Action());
}

void TMenuActionLink::Change()
{
    client_->ActionChange(Action());
}
