// TbsSkinSpeedButton: transparency, the mouse and its state machine; its
// painting is in bs_skin_speed_button_paint.cpp.
#include "skin/controls/bs_skin_speed_button.h"

#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/win_control.h"

TbsSkinSpeedButton::TbsSkinSpeedButton(TComponent* AOwner) : TbsButtonControl(AOwner)
{
    SetSkinDataName("toolbutton");
    // Without csClickEvents: the button clicks by its own rules, not on
    // every release.
    SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks});
    SetBounds(Left(), Top(), 25, 25);
    SetTransparent(false);
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

void TbsSkinSpeedButton::StartMorphOrRepaint()
{
    if (CanMorph() && DescriptionIndex() != -1 && !transparent_ && !flat_)
        machine_.StartMorph();
    else
        Repaint();
}

void TbsSkinSpeedButton::DownChanged()
{
    if (!machine_.MouseIn && flat_ && !transparent_ && !down_ && !Designing())
        InternalSetTransparent(true);
}

void TbsSkinSpeedButton::ChangeSkinData()
{
    machine_.StopAnimation();
    machine_.StopMorph();
    TbsButtonControl::ChangeSkinData();
    if (CanMorph() && DescriptionIndex() != -1 && machine_.MouseIn && !transparent_)
        machine_.MorphFactor = 1.0;
}

void TbsSkinSpeedButton::Loaded()
{
    TbsButtonControl::Loaded();
    if (flat_ && transparent_ && down_)
        InternalSetTransparent(false);
}

void TbsSkinSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TbsButtonControl::MouseUp(Button, Shift, X, Y);
    if (alive && Button == mbLeft)
        machine_.Release(Modes());
}

void TbsSkinSpeedButton::MouseEnter()
{
    machine_.MouseIn = true;
    if (GroupIndex() == 0 || !down_) {
        if (down_) {
            if (CanMorph())
                machine_.MorphFactor = 1.0;
            Repaint();
        } else {
            if (!flat_)
                StartAnimation(true);
            StartMorphOrRepaint();
        }
    }
    if (down_ && RepeatMode && GroupIndex() == 0)
        machine_.StartRepeat(RepeatInterval);  // dragging back in resumes the repeat
}

void TbsSkinSpeedButton::MouseLeave()
{
    machine_.MouseIn = false;
    if (GroupIndex() == 0 || !down_) {
        if (!flat_)
            StartAnimation(false);
        StartMorphOrRepaint();
    }
    if (down_ && RepeatMode && machine_.Repeating() && GroupIndex() == 0)
        machine_.StopRepeat();
}

bool TbsSkinSpeedButton::DialogChar(TMessage& Message)
{
    // A hidden caption's letter is nowhere on screen, so the user cannot
    // know it: a tool button showing only its glyph takes no typed letters.
    if (!showCaption_ || !IsAccel(static_cast<WORD>(Message.WParam), Caption()) || !Enabled() || !Visible() || !Parent() ||
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
    case CM_MOUSELEAVE: {
        // A flat button shows its background only while the hover look does.
        bool hoverLook = (GroupIndex() == 0 || !down_) && Enabled();
        if (flat_ && hoverLook && !Designing())
            InternalSetTransparent(Message.Msg == CM_MOUSELEAVE);
        TbsButtonControl::Dispatch(Message);
        if (!alive || !Enabled() || Designing())
            return;
        if (Message.Msg == CM_MOUSEENTER)
            MouseEnter();
        else
            MouseLeave();
        return;
    }
    case CM_DIALOGCHAR:
        if (!DialogChar(Message))
            TbsButtonControl::Dispatch(Message);
        return;
    default:
        TbsButtonControl::Dispatch(Message);
        return;
    }
}
