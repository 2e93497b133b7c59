// The window styles of a control's border.
#include "platform/ui/kernel/control_border.h"

#include "platform/win/window_styles.h"

void AddControlBorder(TCreateParams& Params, TFormBorderStyle BorderStyle, bool Ctl3D)
{
    if (BorderStyle != bsSingle)
        return;
    if (Ctl3D)
        Params.ExStyle |= WS_EX_CLIENTEDGE;
    else
        Params.Style |= WS_BORDER;
}
