// The caption object of the skinned frame, as far as the frame's layout and
// hit test know it: where the caption lies (hit code 2, the edges the
// caption buttons move) and its mouse events. It takes no fade and no glow
// layer on hover.
#pragma once

#include "skin/form/bs_active_skin_object.h"

class TbsSkinCaptionObject : public TbsActiveSkinObject {
public:
    // AData: a TbsDataSkinCaption.
    TbsSkinCaptionObject(TbsSkinForm* AParent, TbsDataSkinObject* AData);

    void MouseEnter() override;
    void MouseLeave() override;
    // The caption follows the form's activation, not the mouse.
    void ResetState() override {}

    TRect TextRect;  // inside SkinRect, in skin-rect coordinates
};
