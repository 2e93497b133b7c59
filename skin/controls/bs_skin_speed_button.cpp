// TbsSkinSpeedButton: properties, the skin it reads, and the mouse and
// state machine; its painting is in bs_skin_speed_button_paint.cpp.
#include "skin/controls/bs_skin_speed_button.h"

#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/actions.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/win_control.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_controls.h"

TbsSkinSpeedButton::TbsSkinSpeedButton(TComponent* AOwner)
    : TbsGraphicSkinCustomControl(AOwner), machine_(this), glyph_(std::make_unique<TBitmap>())
{
    SetSkinDataName("toolbutton");
    // Without csClickEvents: the button clicks by its own rules, not on
    // every release.
    SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks});
    SetBounds(Left(), Top(), 25, 25);
    SetTransparent(false);
}

TbsSkinSpeedButton::~TbsSkinSpeedButton() = default;

void TbsSkinSpeedButton::SetCheckedMode(bool Value)
{
    if (checkedMode_ == Value)
        return;
    checkedMode_ = Value;
    if (Value)
        GroupIndex = -1;
    else if (GroupIndex == -1)
        GroupIndex = 0;
}

void TbsSkinSpeedButton::SetImageList(TCustomImageList* Value)
{
    if (imageList_ && imageList_ != Value)
        imageList_->RemoveFreeNotification(this);
    imageList_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TbsSkinSpeedButton::SetImageIndex(int Value)
{
    if (imageIndex_ == Value)
        return;
    imageIndex_ = Value;
    Repaint();
}

void TbsSkinSpeedButton::SetTransparent(bool Value)
{
    transparent_ = Value;
    TControlStyle style = ControlStyle();
    if (Value)
        style.Exclude(csOpaque);
    else
        style.Include(csOpaque);
    SetControlStyle(style);
    if (!settingTransparent_)
        Repaint();
}

void TbsSkinSpeedButton::InternalSetTransparent(bool Value)
{
    settingTransparent_ = true;
    SetTransparent(Value);
    settingTransparent_ = false;
}

void TbsSkinSpeedButton::SetFlat(bool Value)
{
    flat_ = Value;
    SetTransparent(Value);
    Repaint();
}

void TbsSkinSpeedButton::SetShowCaption(bool Value)
{
    if (showCaption_ == Value)
        return;
    showCaption_ = Value;
    if (WidthWithCaption >= 1 && WidthWithoutCaption >= 1)
        SetWidth(Value ? WidthWithCaption : WidthWithoutCaption);
    else
        Repaint();
}

void TbsSkinSpeedButton::SetGlyph(TBitmap* Value)
{
    glyph_->Assign(Value);
    Repaint();
}

void TbsSkinSpeedButton::SetNumGlyphs(int Value)
{
    numGlyphs_ = Value < 1 ? 1 : Value > 4 ? 4 : Value;
    Repaint();
}

void TbsSkinSpeedButton::SetMargin(int Value)
{
    if (Value < -1 || Value == margin_)
        return;
    margin_ = Value;
    Repaint();
}

void TbsSkinSpeedButton::SetSpacing(int Value)
{
    if (spacing_ == Value)
        return;
    spacing_ = Value;
    Repaint();
}

void TbsSkinSpeedButton::SetLayout(TbsButtonLayout Value)
{
    if (layout_ == Value)
        return;
    layout_ = Value;
    Repaint();
}

bool TbsSkinSpeedButton::SkinEffectsOn() const
{
    return SkinData() && !SkinData()->Empty && SkinData()->EnableSkinEffects;
}

bool TbsSkinSpeedButton::CanMorph() const { return skin_.Morphing && SkinEffectsOn(); }

bool TbsSkinSpeedButton::CanAnimate() const
{
    return DescriptionIndex() != -1 && SkinEffectsOn() && CanAnimateFrames(skin_.AnimateSkinRect, SkinRect,
                                                                             skin_.FrameCount);
}

void TbsSkinSpeedButton::StartMorphOrRepaint()
{
    if (CanMorph() && DescriptionIndex() != -1 && !transparent_ && !flat_)
        machine_.StartMorph();
    else
        Repaint();
}

void TbsSkinSpeedButton::StartAnimation(bool In)
{
    if (!flat_)
        machine_.StartAnimation(In, skin_.FrameCount, skin_.AnimateInterval);
}

TbsButtonModes TbsSkinSpeedButton::Modes() const
{
    return TbsButtonModes{checkedMode_, RepeatMode, RepeatInterval, GroupIndex, AllowAllUp};
}

void TbsSkinSpeedButton::SetDown(bool Value)
{
    down_ = Value;
    if (CanMorph()) {
        machine_.MorphFactor = 1.0;
        if (down_)
            machine_.StopMorph();
        else
            machine_.StartMorph();  // a release fades from the hot image to the normal one
    }
    if (!machine_.MouseIn && flat_ && !transparent_ && !down_ && !Designing())
        InternalSetTransparent(true);
    Repaint();
    if (GroupIndex > 0 && down_ && !AllowAllUp)
        ReleaseGroup();
}

void TbsSkinSpeedButton::ReleaseGroup()
{
    if (!Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TbsSkinSpeedButton*>(Parent()->Controls(i));
        if (other && other != this && other->GroupIndex == GroupIndex && other->Down())
            other->SetDown(false);
    }
}

void TbsSkinSpeedButton::ButtonClick() { TControl::Click(); }

void TbsSkinSpeedButton::GetSkinData()
{
    TbsGraphicSkinCustomControl::GetSkinData();
    normalSkinRect_ = SkinRect;
    if (DescriptionIndex() == -1) {
        skin_.ActiveSkinRect = NullRect();
        return;
    }
    auto* data = dynamic_cast<const TbsDataSkinButtonControl*>(Description());
    skin_ = TbsButtonSkinValues{};
    if (!data)
        return;  // another class of description: nothing from the skin
    ReadButtonSkin(*data, SkinRect, TbsMarkerFallback::Speed, skin_);
    if (transparent_)
        skin_.Morphing = false;
    if (SkinEffectsOn() && machine_.ShowsAnimationFrame() && CanAnimate()) {
        TRect frame = AnimationFrameRect(skin_.AnimateSkinRect, SkinRect, skin_.FrameCount, machine_.AnimationFrame());
        if (machine_.AnimationIn())
            skin_.ActiveSkinRect = frame;
        else
            normalSkinRect_ = frame;
    }
}

void TbsSkinSpeedButton::ChangeSkinData()
{
    machine_.StopAnimation();
    machine_.StopMorph();
    TbsGraphicSkinCustomControl::ChangeSkinData();
    if (CanMorph() && DescriptionIndex() != -1 && machine_.MouseIn && !transparent_)
        machine_.MorphFactor = 1.0;
}

void TbsSkinSpeedButton::CalcSize(int& W, int& H)
{
    if (UseSkinSize || ResizeMode == rmNinePart) {
        TbsGraphicSkinCustomControl::CalcSize(W, H);
        return;
    }
    NewClientRect = SkinClientRect;
    NewClientRect.Right += W - RectWidth(SkinRect);
    NewClientRect.Bottom += H - RectHeight(SkinRect);
}

void TbsSkinSpeedButton::Loaded()
{
    TbsGraphicSkinCustomControl::Loaded();
    if (flat_ && transparent_ && down_)
        InternalSetTransparent(false);
}

void TbsSkinSpeedButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TbsGraphicSkinCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == imageList_)
        imageList_ = nullptr;
}

void TbsSkinSpeedButton::ActionChange(TObject* Sender)
{
    TbsGraphicSkinCustomControl::ActionChange(Sender);
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action || !glyph_->Empty() || !action->ActionList())
        return;
    TCustomImageList* images = action->ActionList()->Images();
    if (images && action->ImageIndex() >= 0 && action->ImageIndex() < images->Count()) {
        SetImageList(images);
        imageIndex_ = action->ImageIndex();
        Repaint();
    }
}

void TbsSkinSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TbsGraphicSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (!alive || Button != mbLeft)
        return;
    if (CanAnimate())
        machine_.StopAnimation();
    machine_.Press(Modes());
}

void TbsSkinSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TbsGraphicSkinCustomControl::MouseUp(Button, Shift, X, Y);
    if (alive && Button == mbLeft)
        machine_.Release(Modes());
}

void TbsSkinSpeedButton::MouseEnter()
{
    bool hotLook = (GroupIndex == 0 || !down_) && Enabled();
    if (flat_ && hotLook && !Designing())
        InternalSetTransparent(false);
}

void TbsSkinSpeedButton::MouseLeave()
{
    bool hotLook = (GroupIndex == 0 || !down_) && Enabled();
    if (flat_ && hotLook && !Designing())
        InternalSetTransparent(true);
}

void TbsSkinSpeedButton::EnabledChanged()
{
    if (CanMorph()) {
        machine_.StopMorph();
        machine_.MorphFactor = 0.0;
    }
    machine_.MouseIn = false;
    Repaint();
}

bool TbsSkinSpeedButton::DialogChar(TMessage& Message)
{
    if (!IsAccel(static_cast<WORD>(Message.WParam), Caption()) || !Enabled() || !Visible() || !Parent() ||
        !Parent()->Showing())
        return false;
    Message.Result = 1;
    ButtonClick();
    return true;
}

void TbsSkinSpeedButton::Dispatch(TMessage& Message)
{
    TAlive alive(this);
    switch (Message.Msg) {
    case CM_MOUSEENTER:
        MouseEnter();
        TbsGraphicSkinCustomControl::Dispatch(Message);
        if (!alive || !Enabled() || Designing())
            return;
        machine_.MouseIn = true;
        if ((GroupIndex == 0 || !down_)) {
            if (down_) {
                if (CanMorph())
                    machine_.MorphFactor = 1.0;
                Repaint();
            } else {
                if (CanAnimate())
                    StartAnimation(true);
                StartMorphOrRepaint();
            }
        }
        if (down_ && RepeatMode && GroupIndex == 0)
            machine_.StartRepeat(RepeatInterval);  // dragging back in resumes the repeat
        return;
    case CM_MOUSELEAVE:
        MouseLeave();
        TbsGraphicSkinCustomControl::Dispatch(Message);
        if (!alive || !Enabled() || Designing())
            return;
        machine_.MouseIn = false;
        if (GroupIndex == 0 || !down_) {
            if (CanAnimate())
                StartAnimation(false);
            StartMorphOrRepaint();
        }
        if (down_ && RepeatMode && machine_.Repeating() && GroupIndex == 0)
            machine_.StopRepeat();
        return;
    case CM_ENABLEDCHANGED:
        TbsGraphicSkinCustomControl::Dispatch(Message);
        if (alive)
            EnabledChanged();
        return;
    case CM_TEXTCHANGED:
        TbsGraphicSkinCustomControl::Dispatch(Message);
        if (alive)
            Repaint();
        return;
    case CM_DIALOGCHAR:
        if (!DialogChar(Message))
            TbsGraphicSkinCustomControl::Dispatch(Message);
        return;
    default:
        TbsGraphicSkinCustomControl::Dispatch(Message);
        return;
    }
}
