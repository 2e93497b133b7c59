// TbsSkinButton: properties, the skin it reads, the mouse, the keys and the
// focus; painting and the glow layer are in bs_skin_button_paint.cpp.
#include "skin/controls/bs_skin_button.h"

#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/message_queue.h"
#include "platform/win/virtual_keys.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_layer_manager.h"

TbsSkinButton::TbsSkinButton(TComponent* AOwner)
    : TbsButtonControl(AOwner), layerManager_(std::make_unique<TbsLayerManager>(nullptr))
{
    SetSkinDataName("button");
    // Without csClickEvents: the button clicks by its own rules, not on
    // every release.
    TControlStyle style = ControlStyle();
    style.Exclude(csClickEvents);
    SetControlStyle(style);
    SetBounds(Left(), Top(), 75, 25);
    SetTabStop(true);
    SetImageIndex(-1);
}

TbsSkinButton::~TbsSkinButton() = default;

void TbsSkinButton::SetCanFocused(bool Value)
{
    canFocused_ = Value;
    SetTabStop(Value);
}

void TbsSkinButton::SetGroupIndex(int Value)
{
    TbsButtonControl::SetGroupIndex(Value);
    if (Value != 0)
        SetCanFocused(false);
}

void TbsSkinButton::SetDefault(bool Value)
{
    default_ = Value;
    if (!HandleAllocated() || !canFocused_)
        return;
    if (TCustomForm* form = GetParentForm(this))
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TbsSkinButton::CreateWnd()
{
    TbsButtonControl::CreateWnd();
    active_ = default_;
}

bool TbsSkinButton::FocusActive() { return HandleAllocated() && Focused() && canFocused_; }

void TbsSkinButton::StartMorphOrRepaint()
{
    if (CanMorph() && DescriptionIndex() != -1)
        machine_.StartMorph();
    else
        Repaint();
}

void TbsSkinButton::ButtonClick()
{
    TAlive alive(this);
    // A button on no form has no modal result to set.
    if (TCustomForm* form = canFocused_ ? GetParentForm(this) : nullptr)
        form->SetModalResult(ModalResult);
    if (alive)
        TbsButtonControl::ButtonClick();
}

void TbsSkinButton::GetSkinData()
{
    TbsButtonControl::GetSkinData();
    if (!UseSkinSize)
        MaskPicture = nullptr;  // a button sized freely keeps a rectangular window
}

void TbsSkinButton::ChangeSkinData()
{
    machine_.StopMorph();
    machine_.StopAnimation();
    machine_.MorphFactor = 0.0;
    TbsButtonControl::ChangeSkinData();
    if (CanMorph() && DescriptionIndex() != -1 && (FocusActive() || machine_.MouseIn))
        machine_.MorphFactor = 1.0;
    if (machine_.MouseIn)
        PostToSelf(WM_SHOWGLOWLAYER);
}

void TbsSkinButton::BeforeChangeSkinData()
{
    TbsButtonControl::BeforeChangeSkinData();
    if (layerManager_->Showing())
        layerManager_->Hide();
}

void TbsSkinButton::PostToSelf(UINT Message)
{
    if (HandleAllocated())
        PostMessage(Handle(), Message, 0, 0);
}

void TbsSkinButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    if (Button == mbLeft)
        machine_.Release(Modes());
    // A click may have closed the form and freed or hidden the button.
    if (alive && HandleAllocated() && Visible())
        TbsButtonControl::MouseUp(Button, Shift, X, Y);
}

void TbsSkinButton::KeyDown(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TbsButtonControl::KeyDown(Key, Shift);
    if (!alive || !canFocused_ || !BaseKeyHandling)
        return;
    if (Key == VK_SPACE) {
        StopAnimation();
        SetDown(true);
        if (RepeatMode)
            ButtonClick();  // the keyboard's own repeat repeats the click
    } else if (Key == VK_RETURN) {
        ButtonClick();
    }
}

void TbsSkinButton::KeyUp(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TbsButtonControl::KeyUp(Key, Shift);
    if (alive && canFocused_ && Key == VK_SPACE) {
        SetDown(false);
        ButtonClick();
    }
}

void TbsSkinButton::WndProc(TMessage& Message)
{
    if (canFocused_ && !Designing()) {
        if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && !Focused()) {
            TAlive alive(this);
            settingFocus_ = true;
            SetFocus();
            if (!alive)
                return;
            settingFocus_ = false;
            if (!Focused())
                return;  // the focus was refused: no press either
        }
        if (Message.Msg == CN_COMMAND && settingFocus_)
            return;
    }
    TbsButtonControl::WndProc(Message);
}

bool TbsSkinButton::HoverChangesLook() { return GroupIndex() == 0 ? !FocusActive() || down_ : !down_; }

void TbsSkinButton::MouseEnter()
{
    machine_.MouseIn = true;
    if (HoverChangesLook()) {
        if (down_) {
            if (CanMorph())
                machine_.MorphFactor = 1.0;
            Repaint();
        } else {
            StartAnimation(true);
            StartMorphOrRepaint();
        }
    }
    if (down_ && RepeatMode && GroupIndex() == 0)
        machine_.StartRepeat(RepeatInterval);
    PostToSelf(WM_SHOWGLOWLAYER);
}

void TbsSkinButton::MouseLeave()
{
    // The default button keeps its hot look while the focus is elsewhere.
    if (!(canFocused_ && default_ && active_ && !Focused()))
        machine_.MouseIn = false;
    if (HoverChangesLook()) {
        StartAnimation(false);
        StartMorphOrRepaint();
    }
    if (down_ && RepeatMode && machine_.Repeating() && GroupIndex() == 0)
        machine_.StopRepeat();
    PostToSelf(WM_HIDEGLOWLAYER);
}

void TbsSkinButton::FocusChanged(TControl* Sender)
{
    auto* button = dynamic_cast<TbsSkinButton*>(Sender);
    active_ = button ? button == this : default_;
    if (!canFocused_ || !default_)
        return;
    if (button && button != this && machine_.MouseIn) {
        machine_.MouseIn = false;
        StartMorphOrRepaint();
    } else if (!button && !machine_.MouseIn) {
        if (CanMorph())
            machine_.MorphFactor = 1.0;
        machine_.MouseIn = true;
        StartMorphOrRepaint();
    }
}

void TbsSkinButton::SetFocusMessage()
{
    if (!canFocused_ || MenuOpen)
        return;
    StartAnimation(true);
    StartMorphOrRepaint();
}

void TbsSkinButton::KillFocusMessage()
{
    if (!canFocused_ || MenuOpen)
        return;
    StartAnimation(false);
    if (CanMorph() && DescriptionIndex() != -1)
        machine_.StartMorph();
    else
        Invalidate();
}

bool TbsSkinButton::DialogKey(TMessage& Message)
{
    WORD key = static_cast<WORD>(Message.WParam);
    bool press = (key == VK_RETURN && active_ && Enabled()) ||
                 (key == VK_ESCAPE && Cancel && canFocused_ &&
                  KeyDataToShiftState(Message.LParam).Empty() && CanFocus());
    if (!press)
        return false;
    Message.Result = 1;
    ButtonClick();
    return true;
}

bool TbsSkinButton::DialogChar(TMessage& Message)
{
    if (!IsAccel(static_cast<WORD>(Message.WParam), Caption()) || !CanFocus() || !canFocused_)
        return false;
    Message.Result = 1;
    TAlive alive(this);
    SetFocus();
    if (alive)
        ButtonClick();
    return true;
}

void TbsSkinButton::Dispatch(TMessage& Message)
{
    TAlive alive(this);
    switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TbsButtonControl::Dispatch(Message);
        if (!alive || Designing())
            return;
        if (Message.Msg == CM_MOUSEENTER)
            MouseEnter();
        else
            MouseLeave();
        return;
    case CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<TControl*>(Message.LParam));
        TbsButtonControl::Dispatch(Message);
        return;
    case WM_SETFOCUS:
        TbsButtonControl::Dispatch(Message);
        if (alive)
            SetFocusMessage();
        return;
    case WM_KILLFOCUS:
        machine_.StopRepeat();
        if (GroupIndex() == 0)
            down_ = false;
        TbsButtonControl::Dispatch(Message);
        if (alive)
            KillFocusMessage();
        return;
    case WM_ERASEBKGND:
        // Painting itself into another control's background; its own
        // painting never erases.
        if (!InPaintMessage())
            PaintWindow(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        return;
    case CM_DIALOGKEY:
        if (!DialogKey(Message))
            TbsButtonControl::Dispatch(Message);
        return;
    case CM_DIALOGCHAR:
        if (!DialogChar(Message))
            TbsButtonControl::Dispatch(Message);
        return;
    case WM_SHOWGLOWLAYER:
        ShowGlowLayer();
        return;
    case WM_HIDEGLOWLAYER:
        HideGlowLayer();
        return;
    default:
        TbsButtonControl::Dispatch(Message);
        return;
    }
}
