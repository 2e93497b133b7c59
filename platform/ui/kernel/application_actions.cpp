// TApplication's step in the execution and update of actions.
#include "platform/ui/kernel/application.h"

bool TApplication::ExecuteAction(TBasicAction* Action)
{
    bool handled = false;
    if (OnActionExecute)
        OnActionExecute(Action, handled);
    return handled;
}

bool TApplication::UpdateAction(TBasicAction* Action)
{
    bool handled = false;
    if (OnActionUpdate)
        OnActionUpdate(Action, handled);
    return handled;
}
