// The window-less skinned control bases, twins of the windowed ones in
// bs_skin_control.h on the platform's graphic control: the speed buttons
// build on them. They paint straight onto the parent's surface (csOpaque),
// without an erase first.
#pragma once

#include "platform/ui/kernel/graphic_control.h"
#include "skin/controls/bs_skin_control_protocol.h"
#include "skin/controls/bs_skin_custom_control_protocol.h"

extern template class TbsSkinControlProtocol<TGraphicControl>;

class TbsGraphicSkinControl : public TbsSkinControlProtocol<TGraphicControl> {
public:
    explicit TbsGraphicSkinControl(TComponent* AOwner);
};

extern template class TbsSkinCustomControlProtocol<TbsGraphicSkinControl>;

class TbsGraphicSkinCustomControl : public TbsSkinCustomControlProtocol<TbsGraphicSkinControl> {
public:
    explicit TbsGraphicSkinCustomControl(TComponent* AOwner);
};
