// The frame a control with a BorderStyle asks of its window.
#pragma once

#include "platform/ui/kernel/form_types.h"
#include "platform/ui/kernel/win_control.h"

// A single border is a sunken edge on a 3-D control and a plain line
// otherwise; bsNone adds nothing.
void AddControlBorder(TCreateParams& Params, TFormBorderStyle BorderStyle, bool Ctl3D);
