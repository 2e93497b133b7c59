#include "skin/controls/bs_skin_popup_params.h"

#include "platform/ui/kernel/win_control.h"
#include "platform/win/window_styles.h"
#include "skin/data/bs_platform.h"

void SetSkinPopupParams(TCreateParams& Params)
{
    Params.Style = WS_POPUP;
    Params.ExStyle = WS_EX_TOOLWINDOW;
    Params.WndParent = nullptr;
    Params.WindowClass.style |= CS_SAVEBITS;
    if (IsWindowsXP())
        Params.WindowClass.style |= CS_DROPSHADOW;
}
