// Placing a control made in code, as a stored form would: parent, the size
// across its alignment (width for left and right, height for top and
// bottom; 0 keeps the default) and then the alignment.
#pragma once

#include "platform/ui/kernel/control.h"

template <typename T>
T* PlaceControl(TComponent* Owner, TWinControl* Parent, TAlign Align, int Size = 0)
{
    auto* control = new T(Owner);
    control->SetParent(Parent);
    if (Size > 0) {
        if (Align == alLeft || Align == alRight)
            control->SetWidth(Size);
        else
            control->SetHeight(Size);
    }
    control->SetAlign(Align);
    return control;
}
