// A skin change as one form takes it: before the skin goes (1225) the
// frame drops its objects and every skinned control on the form forgets its
// description; once the new skin is in (1226) the frame applies it and the
// form's controls and skin components re-read theirs; the change ends
// (1227). Only the frame's own skin data changes the frame, but the walks
// run for any skin data, reaching the controls that use it.
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_region.h"
#include "platform/win/window_styles.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_layer_manager.h"
#include "skin/form/bs_active_skin_object.h"
#include "skin/form/bs_skin_change_walk.h"
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
    BeforeChangeControls(Data, Form());
    BeforeChangeSkinComponents(Form());
    if (OnBeforeChangeSkinData)
        OnBeforeChangeSkinData(this);
}

void TbsSkinForm::ChangeSkinData(TbsSkinData* Data)
{
    ChangingSkin = false;
    if (Data == skinData_)
        ApplySkin();
    ChangeControls(Data, Form());
    ChangeSkinComponents(Form());
}

void TbsSkinForm::AfterChangeSkinData(TbsSkinData*)
{
    if (OnAfterChangeSkinData)
        OnAfterChangeSkinData(this);
}

void TbsSkinForm::ApplySkin()
{
    ActiveObject = OldActiveObject = MouseCaptureObject = -1;
    SkinUsed = Skinnable && SkinReady() && !skinData_->Picture->Empty();
    layerManager_->Hide();
    menuLayerManager_->Hide();
    // The timers step objects that are about to go.
    StopTimers();
    ClearObjects();
    mask_.Clear();
    if (SkinUsed)
        LoadObjects();
    else if (Skinnable)
        LoadDefaultObjects();
    ApplyFormBorderIcons();
    TCustomForm* form = Form();
    GrowToMinimumSize();
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
    form->Invalidate();
    // The new caption objects start inactive: they take the form's look.
    if (HasBorder())
        SendNCPaint();
    SetActiveState(GetFormActive());
    // A mouse resting on the frame finds the new objects under it without
    // moving.
    mouseTimer_->SetEnabled(true);
    if (OnChangeSkinData)
        OnChangeSkinData(this);
    if (!rollUpState_) {
        if (ClientWidth > 0)
            form->SetClientWidth(ClientWidth);
        if (ClientHeight > 0)
            form->SetClientHeight(ClientHeight);
    }
}

void TbsSkinForm::ApplyFormBorderIcons()
{
    TCustomForm* form = Form();
    if (Skinnable) {
        // The frame draws its own buttons.
        if (!form->BorderIcons().Empty())
            form->SetBorderIcons({});
        return;
    }
    TBorderIcons icons;
    if (!HideCaptionButtons)
        icons.Include(biSystemMenu);
    if (borderIcons_.Contains(TbsBorderIcon::biMaximize))
        icons.Include(biMaximize);
    if (borderIcons_.Contains(TbsBorderIcon::biMinimize))
        icons.Include(biMinimize);
    form->SetBorderIcons(icons);
}

void TbsSkinForm::GrowToMinimumSize()
{
    TCustomForm* form = Form();
    TbsSizeLimitsInput limits = SizeLimits();
    int minW = FrameMinWidth(limits);
    int minH = FrameMinHeight(limits);
    // Left and Top stay: only the size grows to what the new frame needs.
    if (minW > form->Width() && minH > form->Height())
        form->SetBounds(form->Left(), form->Top(), minW, minH);
    else if (minH > form->Height())
        form->SetHeight(minH);
    else if (minW > form->Width())
        form->SetWidth(minW);
    if (rollUpState_ && form->Height() != minH)
        form->SetHeight(minH);
}
