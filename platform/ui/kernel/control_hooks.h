// Where the controls reach the application object, the screen object and
// the menus, which are built on top of them: those set the entries they
// handle, and the controls call only entries that are set.
#pragma once

#include <exception>

#include "platform/base/geometry.h"
#include "platform/ui/kernel/control_types.h"

class TComponent;
class TControl;
class TObject;

struct TControlHooks {
    // Shows an exception that left a control's message handler. Unset, the
    // message goes to the debug log, so no exception ever reaches the
    // window manager.
    void (*HandleException)(TObject* Sender, const std::exception& E) = nullptr;
    // Sees every mouse move a control gets before the control does (hints
    // follow the mouse this way).
    void (*HintMouseMessage)(TControl* Control, TMessage& Message) = nullptr;
    // Pops up Menu (a popup menu) for Control at a screen point; answers
    // whether it did.
    bool (*PopupContextMenu)(TControl* Control, TComponent* Menu, TPoint Screen) = nullptr;
    // A control is being destroyed: drop every reference to it.
    void (*ControlDestroyed)(TControl* Control) = nullptr;
    // While not crDefault, the cursor shown over every control.
    TCursor ScreenCursor = crDefault;
};

TControlHooks& ControlHooks();

// Hands an exception caught around a message to HandleException.
void HandleControlException(TObject* Sender, const std::exception& E);
