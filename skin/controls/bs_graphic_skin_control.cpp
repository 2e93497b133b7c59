#include "skin/controls/bs_graphic_skin_control.h"

TbsGraphicSkinControl::TbsGraphicSkinControl(TComponent* AOwner) : TbsSkinControlProtocol(AOwner)
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csOpaque));
}

TbsGraphicSkinCustomControl::TbsGraphicSkinCustomControl(TComponent* AOwner)
    : TbsSkinCustomControlProtocol(AOwner)
{
}
