// Building the editor dialogs' forms in code: a control gets its name,
// its place on its parent and its parent in one step.
#pragma once

#include "platform/ui/kernel/win_control.h"

template <typename T>
T* SynPlaceControl(T* Control, TWinControl* Parent, const char* Name, int Left, int Top, int Width, int Height)
{
    // Through the component: the editor keeps a SetName of its own.
    static_cast<TComponent*>(Control)->SetName(Name);
    Control->SetBounds(Left, Top, Width, Height);
    Control->SetParent(Parent);
    return Control;
}
