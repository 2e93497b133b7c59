// The frame's part of a skin change: the objects go before the skin does
// (1225), the new skin is applied to the frame (1226), the change ends
// (1227). The walks that tell the form's skinned controls, in their fixed
// order, join these handlers.
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_region.h"
#include "platform/win/window_styles.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_active_skin_object.h"
#include "skin/form/bs_skin_form.h"

void TbsSkinForm::BeforeChangeSkinData(TbsSkinData* Data)
{
    if (Data != skinData_)
        return;
    ChangingSkin = true;
    SkinUsed = false;
    StopTimers();
    ClearObjects();
    mask_.Clear();
    if (OnBeforeChangeSkinData)
        OnBeforeChangeSkinData(this);
}

void TbsSkinForm::ChangeSkinData(TbsSkinData* Data)
{
    ChangingSkin = false;
    if (Data == skinData_)
        ApplySkin();
}

void TbsSkinForm::AfterChangeSkinData(TbsSkinData* Data)
{
    if (Data == skinData_ && OnAfterChangeSkinData)
        OnAfterChangeSkinData(this);
}

void TbsSkinForm::ApplySkin()
{
    SkinUsed = Skinnable && SkinReady() && !skinData_->Picture->Empty();
    // The timers step objects that are about to go.
    StopTimers();
    ClearObjects();
    mask_.Clear();
    if (SkinUsed)
        LoadObjects();
    else if (Skinnable)
        LoadDefaultObjects();
    TCustomForm* form = Form();
    newW_ = form->Width();
    newH_ = form->Height();
    if (form->HandleAllocated()) {
        if (!Skinnable)
            SetWindowRgn(form->Handle(), nullptr, true);
        // The client rectangle changes with the frame.
        SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    UpdateFrame(true);
    if (SkinUsed)
        SetFormRegion(true);
    if (OnChangeSkinData)
        OnChangeSkinData(this);
}
