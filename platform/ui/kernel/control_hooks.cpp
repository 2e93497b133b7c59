#include "platform/ui/kernel/control_hooks.h"

#include "platform/base/object.h"
#include "platform/win/system_info.h"

TControlHooks& ControlHooks()
{
    static TControlHooks hooks;
    return hooks;
}

void HandleControlException(TObject* Sender, const std::exception& E)
{
    if (ControlHooks().HandleException) {
        ControlHooks().HandleException(Sender, E);
        return;
    }
    AnsiString text = "Exception in a message handler";
    if (Sender)
        text += " of " + Sender->ClassName();
    OutputDebugString((text + ": " + E.what()).c_str());
}
