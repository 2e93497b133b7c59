// A component's pointer to another that it must hear of the destruction
// of: setting it moves the free notification from the old one to the new.
#pragma once

#include "platform/base/component.h"

// Points Field at Value, Self now told when Value goes rather than when the
// old one does; false, with nothing done, when Field already held Value.
template <class T>
bool SetComponentLink(TComponent* Self, T*& Field, T* Value)
{
    if (Field == Value)
        return false;
    if (Field)
        Field->RemoveFreeNotification(Self);
    Field = Value;
    if (Field)
        Field->FreeNotification(Self);
    return true;
}
