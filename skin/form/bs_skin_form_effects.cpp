// The form's own effects: a constant alpha, the fade-in on the first show
// (the window's, or the layered border's alone), and keeping the layered
// border in step with the form, its skin and the settings that switch it,
// and the veil over the client of an inactive form.
#include <algorithm>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/layered_window.h"
#include "platform/win/timers.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "skin/controls/bs_fade_in.h"
#include "skin/data/bs_platform.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/form/bs_skin_form.h"

namespace {

// The one-shot timer of the first show's fade.
constexpr UINT_PTR FadeInTimer = 1;
enum { FadeNone = 0, FadeBorderAlone = 1, FadeWindow = 2 };

void SetLayered(HWND Window, bool Layered)
{
    LONG style = GetWindowLong(Window, GWL_EXSTYLE);
    LONG wanted = Layered ? (style | WS_EX_LAYERED) : (style & ~static_cast<LONG>(WS_EX_LAYERED));
    if (wanted != style)
        SetWindowLong(Window, GWL_EXSTYLE, wanted);
}

// Loading, designing and destroying leave the window alone, and so does a
// form without its window or a system without layered windows.
bool AlphaReachesWindow(const TbsSkinForm& Frame)
{
    TComponentStates state = Frame.ComponentState();
    return !state.Contains(csLoading) && !state.Contains(csDesigning) && !state.Contains(csDestroying) &&
           IsWindows2000() && Frame.Form()->HandleAllocated();
}

// The skin fades every window in on its first show.
bool SkinAnimatesWindows(const TbsSkinData* Data)
{
    return Data && !Data->Empty && Data->AnimationForAllWindows;
}

}  // namespace

void TbsSkinForm::SetAlphaBlend(bool Value)
{
    if (alphaBlend_ == Value)
        return;
    alphaBlend_ = Value;
    if (!AlphaReachesWindow(*this))
        return;
    SetLayered(Form()->Handle(), Value);
    if (Value)
        SetWindowAlpha(Form()->Handle(), alphaBlendValue_);
}

void TbsSkinForm::SetAlphaBlendValue(int Value)
{
    Value = std::clamp(Value, 0, 255);
    if (alphaBlendValue_ == Value)
        return;
    alphaBlendValue_ = Value;
    if (alphaBlend_ && AlphaReachesWindow(*this))
        SetWindowAlpha(Form()->Handle(), Value);
}

bool TbsSkinForm::LayerBorderWanted() const
{
    const TCustomForm* form = Form();
    return skinData_ && !skinData_->Empty && skinData_->ShowLayeredBorders() && Skinnable &&
           layerBorder_->LayerFrame() && form->BorderStyle() != bsNone && form->FormStyle() != fsMDIChild &&
           !layerSuspended_ && FormState != wsMinimized && LayeredWindowsComposited() &&
           // A glow around a maximized form would only cover other
           // monitors; a border that carries the frame stays.
           (FormState != wsMaximized || layerBorder_->LayerFrame()->FullBorder);
}

bool TbsSkinForm::EffectsFirst(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SHOWWINDOW:
        if (Message.WParam && FirstShow)
            StartFadeIn();
        return false;
    case WM_TIMER:
        if (Message.WParam != FadeInTimer || fadeCase_ == FadeNone)
            return false;
        FadeInTick();
        return true;
    case WM_SKINDATA_LAYEREDBORDERSCHANGED:
        SyncLayerBorder(IsWindowVisible(Form()->Handle()));
        return true;
    case WM_SKINDATA_AEROBLURCHANGED:
        layerBorder_->Rebuild();
        return true;
    case WM_SKINSUSPENDLAYERBORDER:
        layerSuspended_ = true;
        layerBorder_->Hide();
        return true;
    case WM_SKINRESUMELAYERBORDER:
        layerSuspended_ = false;
        if (LayerBorderWanted() && IsWindowVisible(Form()->Handle()))
            layerBorder_->ShowWithEffect();
        return true;
    default:
        return false;
    }
}

void TbsSkinForm::EffectsAfter(const TMessage& Message)
{
    switch (Message.Msg) {
    case WM_DESTROY:
    case WM_SKINDATA_BEFORECHANGE:
        layerBorder_->Hide();
        break;
    case WM_SHOWWINDOW:
        SyncLayerBorder(Message.WParam != 0);
        break;
    case WM_SIZE:
        if (alphaBlend_ && alphaBlendValue_ <= 254 && IsWindows2000()) {
            SendMessage(Form()->Handle(), WM_NCPAINT, 1, 0);
            Form()->Invalidate();
        }
        SyncLayerBorder(IsWindowVisible(Form()->Handle()));
        break;
    case WM_WINDOWPOSCHANGED:
    case WM_SKINDATA_AFTERCHANGE:
        SyncLayerBorder(IsWindowVisible(Form()->Handle()));
        break;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
        layerBorder_->SetActive(FormActive, true);
        break;
    default:
        break;
    }
}

// The border is shown while it is wanted and the form is visible, hidden
// otherwise, and follows the form's bounds; a new skin load gives it new
// pictures first.
void TbsSkinForm::SyncLayerBorder(bool Visible)
{
    if (skinData_ != layerSkin_ || (skinData_ && skinData_->LoadCount != layerSkinLoad_)) {
        layerSkin_ = skinData_;
        layerSkinLoad_ = skinData_ ? skinData_->LoadCount : 0;
        layerBorder_->SetSkin(skinData_, Form());
    }
    if (!Visible || !LayerBorderWanted()) {
        layerBorder_->Hide();
        return;
    }
    if (layerBorder_->Showing())
        layerBorder_->UpdatePosition();
    else
        layerBorder_->Show();
}

// The first show makes the form (or its border alone) transparent and
// lets timer 1 bring it in: the window appears first, then fades.
void TbsSkinForm::StartFadeIn()
{
    bool skinAnimation = SkinAnimatesWindows(skinData_);
    SyncLayerBorder(false);
    if (IsWindows2000() && (alphaBlend_ || AlphaBlendAnimation || skinAnimation)) {
        fadeCase_ = FadeWindow;
    } else if (IsWindowsVista() && LayerBorderWanted()) {
        fadeCase_ = FadeBorderAlone;
    } else {
        fadeCase_ = FadeNone;
        return;
    }
    if (skinAnimation && alphaBlendValue_ == 0)
        alphaBlendValue_ = 255;
    fadeTarget_ = (AlphaBlendAnimation || skinAnimation) && !alphaBlend_ ? 255 : alphaBlendValue_;
    HWND handle = Form()->Handle();
    SetLayered(handle, true);
    SetWindowAlpha(handle, 0);
    layerBorder_->SetAlpha(0, false);
    SetTimer(handle, FadeInTimer, 1);
}

void TbsSkinForm::FadeInTick()
{
    HWND handle = Form()->Handle();
    KillTimer(handle, FadeInTimer);
    int fade = fadeCase_;
    fadeCase_ = FadeNone;
    if (fade == FadeBorderAlone) {
        SetLayered(handle, false);
        layerBorder_->SetAlpha(255, false);
        if (IsWindowVisible(handle)) {
            layerBorder_->SetActive(GetFormActive(), false);
            layerBorder_->ShowWithEffect();
        }
        return;
    }
    layerBorder_->SetActive(GetFormActive(), false);
    bool skinAnimation = SkinAnimatesWindows(skinData_);
    if (!AlphaBlendAnimation && !skinAnimation) {
        if (fadeTarget_ < 255) {
            SetWindowAlpha(handle, fadeTarget_);
            layerBorder_->SetAlpha(fadeTarget_, true);
        }
    } else {
        std::weak_ptr<bool> alive = alive_;
        FadeWindowIn(fadeTarget_);
        if (alive.expired())
            return;
    }
    if (fadeTarget_ == 255) {
        SetLayered(handle, false);
        layerBorder_->SetAlpha(255, true);
    }
}

// Raises the window's alpha to Target in steps of a 15th of it (at least
// 1), one step each 6 ms, the border following.
void TbsSkinForm::FadeWindowIn(int Target)
{
    std::weak_ptr<bool> alive = alive_;
    Application->ProcessMessages();
    if (alive.expired())
        return;
    HWND handle = Form()->Handle();
    FadeInSteps(Target / 15, Target, 6, [&](int Alpha) {
        SetWindowAlpha(handle, Alpha);
        layerBorder_->SetAlpha(Alpha, true);
    });
}

void TbsSkinForm::CoverInActiveClient(bool Active)
{
    if (Active) {
        delete inActivePanel_;  // its free notification clears the field
        return;
    }
    if (!inActivePanel_) {
        inActivePanel_ = new TbsClientInActivePanel(Form());
        inActivePanel_->FreeNotification(this);
    }
    inActivePanel_->ShowPanel(Form(), ClientInActiveEffectType);
}
