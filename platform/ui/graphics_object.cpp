#include "platform/ui/graphics_object.h"

void TGraphicsObject::Changed()
{
    if (OnChange)
        OnChange(this);
}
