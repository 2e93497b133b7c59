#include "platform/ui/graphics/graphics_object.h"

void TGraphicsObject::Changed()
{
    if (OnChange)
        OnChange(this);
}
