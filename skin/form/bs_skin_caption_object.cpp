// The caption object's description, its mouse enter and leave, and its
// answer to the form's activation: the animation strip played forwards on
// activation (and backwards on deactivation when the skin asks) on the
// frame's 25 ms timer.
#include "skin/form/bs_skin_caption_object.h"

#include "platform/ui/kernel/custom_form.h"
#include "platform/win/win_messages.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_text_objects.h"
#include "skin/form/bs_skin_form.h"

namespace {

constexpr int kTickMs = 25;

}  // namespace

TbsSkinCaptionObject::TbsSkinCaptionObject(TbsSkinForm* AParent, TbsDataSkinObject* AData)
    : TbsActiveSkinObject(AParent, AData)
{
    auto* data = dynamic_cast<TbsDataSkinCaption*>(AData);
    if (!data)
        return;
    TextRect = data->TextRect;
    FontName = data->FontName;
    FontHeight = data->FontHeight;
    FontStyle = data->FontStyle;
    FontColor = data->FontColor;
    ActiveFontColor = data->ActiveFontColor;
    Alignment = data->Alignment;
    Light = data->Light;
    LightColor = data->LightColor;
    ActiveLightColor = data->ActiveLightColor;
    Shadow = data->Shadow;
    ShadowColor = data->ShadowColor;
    ActiveShadowColor = data->ActiveShadowColor;
    // The text frame and the divider come from the active picture.
    if (ActivePicture) {
        FrameRect = data->FrameRect;
        ActiveFrameRect = data->ActiveFrameRect;
        DividerRect = data->DividerRect;
        InActiveDividerRect = data->InActiveDividerRect;
        AnimateSkinRect = data->AnimateSkinRect;
    }
    FrameTextRect = data->FrameTextRect;
    FrameLeftOffset = data->FrameLeftOffset;
    FrameRightOffset = data->FrameRightOffset;
    FullFrame = data->FullFrame;
    StretchEffect = data->StretchEffect;
    FrameCount = data->FrameCount;
    AnimateInterval = data->AnimateInterval;
    InActiveAnimation = data->InActiveAnimation;
    VistaGlowEffect = data->VistaGlowEffect;
    VistaGlowInActiveEffect = data->VistaGlowInActiveEffect;
    GlowEffect = data->GlowEffect;
    GlowInActiveEffect = data->GlowInActiveEffect;
    GlowSize = data->GlowSize;
    GlowColor = data->GlowColor;
    GlowActiveColor = data->GlowActiveColor;
    GlowOffset = data->GlowOffset;
    ReflectionEffect = data->ReflectionEffect;
    ReflectionColor = data->ReflectionColor;
    ReflectionActiveColor = data->ReflectionActiveColor;
    ReflectionOffset = data->ReflectionOffset;
    DividerTransparent = data->DividerTransparent;
    DividerTransparentColor = data->DividerTransparentColor;
    QuickButtonAlphaMaskPictureIndex = data->QuickButtonAlphaMaskPictureIndex;
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

bool TbsSkinCaptionObject::AnimationEnabled() const
{
    return SkinReady() && SkinData->EnableSkinEffects && !IsRectEmpty(AnimateSkinRect) && FrameCount > 0;
}

void TbsSkinCaptionObject::SetActiveState(bool AActive)
{
    Active = AActive;
    if (AnimationEnabled()) {
        AnimationCounter = kTickMs;
        AnimationFrame = AActive ? 1 : InActiveAnimation ? FrameCount : 0;
        Parent->EnableFrameAnimation();
        Parent->RepaintFrame();
        if (CanMorph())
            Parent->EnableObjectFade();
    } else if (CanMorph()) {
        StartMorph();
    } else {
        SetMorphKf(AActive);
    }
    if (AActive)
        return;
    TbsQuickButtonItems* buttons = Parent->QuickButtons();
    for (int i = 0; i < buttons->Count(); ++i) {
        buttons->Items(i)->Hot = false;
        buttons->Items(i)->Down = false;
    }
}

bool TbsSkinCaptionObject::AnimationTick()
{
    if (!AnimationEnabled())
        return false;
    if (AnimationCounter < AnimateInterval) {
        AnimationCounter += kTickMs;
        return true;
    }
    bool stepped = false;
    if (Active && AnimationFrame <= FrameCount) {
        ++AnimationFrame;
        stepped = true;
    } else if (!Active && AnimationFrame >= 1) {
        --AnimationFrame;
        stepped = true;
    }
    if (!stepped)
        return false;
    AnimationCounter = kTickMs;
    // The whole frame: leaving the strip brings back text the frame
    // picture carries.
    Parent->RepaintFrame();
    return true;
}
