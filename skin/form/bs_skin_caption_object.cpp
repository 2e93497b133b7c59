#include "skin/form/bs_skin_caption_object.h"

#include "skin/data/bs_skin_text_objects.h"
#include "skin/form/bs_skin_form.h"

TbsSkinCaptionObject::TbsSkinCaptionObject(TbsSkinForm* AParent, TbsDataSkinObject* AData)
    : TbsActiveSkinObject(AParent, AData)
{
    if (auto* data = dynamic_cast<TbsDataSkinCaption*>(AData))
        TextRect = data->TextRect;
    if (auto* data = dynamic_cast<TbsDataSkinCaption*>(AData)) {
        FrameRect = data->FrameRect;
        FrameTextRect = data->FrameTextRect;
        DividerRect = data->DividerRect;
        InActiveDividerRect = data->InActiveDividerRect;
    }
}

void TbsSkinCaptionObject::MouseEnter()
{
    MouseIn = true;
    if (Parent->OnMouseEnterEvent)
        Parent->OnMouseEnterEvent(IDName);
}

void TbsSkinCaptionObject::MouseLeave()
{
    MouseIn = false;
    if (Parent->OnMouseLeaveEvent)
        Parent->OnMouseLeaveEvent(IDName);
    if (HasQuickButtons()) {
        ActiveQuickButton = -1;
        OldActiveQuickButton = -1;
        TrackQuickButtons(-1, -1);
    }
}
