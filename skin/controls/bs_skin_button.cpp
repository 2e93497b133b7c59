// TbsSkinButton: properties, the skin it reads, the mouse, the keys and the
// focus; painting and the glow layer are in bs_skin_button_paint.cpp.
#include "skin/controls/bs_skin_button.h"

#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/actions.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/message_queue.h"
#include "platform/win/virtual_keys.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_layer_manager.h"
#include "skin/data/bs_skin_controls.h"

TbsSkinButton::TbsSkinButton(TComponent* AOwner)
    : TbsSkinCustomControl(AOwner),
      machine_(this),
      layerManager_(std::make_unique<TbsLayerManager>(nullptr)),
      glyph_(std::make_unique<TBitmap>())
{
    SetSkinDataName("button");
    // Without csClickEvents: the button clicks by its own rules, not on
    // every release.
    TControlStyle style = ControlStyle();
    style.Exclude(csClickEvents);
    SetControlStyle(style);
    SetBounds(Left(), Top(), 75, 25);
    SetTabStop(true);
}

TbsSkinButton::~TbsSkinButton() = default;

void TbsSkinButton::SetCheckedMode(bool Value)
{
    if (checkedMode_ == Value)
        return;
    checkedMode_ = Value;
    if (Value)
        SetGroupIndex(-1);
    else if (groupIndex_ == -1)
        SetGroupIndex(0);
}

void TbsSkinButton::SetImageList(TCustomImageList* Value)
{
    if (imageList_ && imageList_ != Value)
        imageList_->RemoveFreeNotification(this);
    imageList_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TbsSkinButton::SetImageIndex(int Value)
{
    if (imageIndex_ == Value)
        return;
    imageIndex_ = Value;
    Repaint();
}

void TbsSkinButton::SetCanFocused(bool Value)
{
    canFocused_ = Value;
    SetTabStop(Value);
}

void TbsSkinButton::SetGroupIndex(int Value)
{
    groupIndex_ = Value;
    if (Value != 0)
        SetCanFocused(false);
}

void TbsSkinButton::SetGlyph(TBitmap* Value)
{
    glyph_->Assign(Value);
    Repaint();
}

void TbsSkinButton::SetNumGlyphs(int Value)
{
    numGlyphs_ = Value < 1 ? 1 : Value > 4 ? 4 : Value;
    Repaint();
}

void TbsSkinButton::SetMargin(int Value)
{
    if (Value < -1 || Value == margin_)
        return;
    margin_ = Value;
    Repaint();
}

void TbsSkinButton::SetSpacing(int Value)
{
    if (spacing_ == Value)
        return;
    spacing_ = Value;
    Repaint();
}

void TbsSkinButton::SetLayout(TbsButtonLayout Value)
{
    if (layout_ == Value)
        return;
    layout_ = Value;
    Repaint();
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
    TbsSkinCustomControl::CreateWnd();
    active_ = default_;
}

bool TbsSkinButton::FocusActive() { return HandleAllocated() && Focused() && canFocused_; }

bool TbsSkinButton::SkinEffectsOn() const
{
    return SkinData() && !SkinData()->Empty && SkinData()->EnableSkinEffects;
}

bool TbsSkinButton::CanMorph() const { return skin_.Morphing && SkinEffectsOn(); }

bool TbsSkinButton::CanAnimate() const
{
    return DescriptionIndex() != -1 && SkinEffectsOn() && CanAnimateFrames(skin_.AnimateSkinRect, SkinRect,
                                                                             skin_.FrameCount);
}

void TbsSkinButton::StartMorphOrRepaint()
{
    if (CanMorph() && DescriptionIndex() != -1)
        machine_.StartMorph();
    else
        Repaint();
}

void TbsSkinButton::StartAnimation(bool In)
{
    if (CanAnimate())
        machine_.StartAnimation(In, skin_.FrameCount, skin_.AnimateInterval);
}

void TbsSkinButton::StopHoverAnimation()
{
    if (CanAnimate())
        machine_.StopAnimation();
}

TbsButtonModes TbsSkinButton::Modes() const
{
    return TbsButtonModes{checkedMode_, RepeatMode, RepeatInterval, groupIndex_, AllowAllUp};
}

void TbsSkinButton::SetDown(bool Value)
{
    down_ = Value;
    if (CanMorph()) {
        machine_.MorphFactor = 1.0;
        if (down_)
            machine_.StopMorph();
        else
            machine_.StartMorph();
    }
    Repaint();
    if (groupIndex_ > 0 && down_ && !AllowAllUp)
        ReleaseGroup();
}

void TbsSkinButton::ReleaseGroup()
{
    if (!Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TbsSkinButton*>(Parent()->Controls(i));
        if (other && other != this && other->groupIndex_ == groupIndex_ && other->Down())
            other->SetDown(false);
    }
}

void TbsSkinButton::ButtonClick()
{
    TAlive alive(this);
    // A button on no form has no modal result to set.
    if (TCustomForm* form = canFocused_ ? GetParentForm(this) : nullptr)
        form->SetModalResult(ModalResult);
    if (alive)
        TControl::Click();
}

void TbsSkinButton::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    normalSkinRect_ = SkinRect;
    if (DescriptionIndex() == -1)
        return;
    auto* data = dynamic_cast<const TbsDataSkinButtonControl*>(Description());
    skin_ = TbsButtonSkinValues{};
    if (!data)
        return;  // another class of description: nothing from the skin
    ReadButtonSkin(*data, SkinRect, TbsMarkerFallback::Push, skin_);
    if (!UseSkinSize && MaskPicture)
        MaskPicture = nullptr;  // a button sized freely keeps a rectangular window
    if (SkinEffectsOn() && machine_.ShowsAnimationFrame() && CanAnimate()) {
        TRect frame = AnimationFrameRect(skin_.AnimateSkinRect, SkinRect, skin_.FrameCount, machine_.AnimationFrame());
        if (machine_.AnimationIn())
            skin_.ActiveSkinRect = frame;
        else
            normalSkinRect_ = frame;
    }
}

void TbsSkinButton::ChangeSkinData()
{
    machine_.StopMorph();
    machine_.StopAnimation();
    machine_.MorphFactor = 0.0;
    TbsSkinCustomControl::ChangeSkinData();
    if (CanMorph() && DescriptionIndex() != -1 && (FocusActive() || machine_.MouseIn))
        machine_.MorphFactor = 1.0;
    if (machine_.MouseIn)
        PostToSelf(WM_SHOWGLOWLAYER);
}

void TbsSkinButton::BeforeChangeSkinData()
{
    TbsSkinCustomControl::BeforeChangeSkinData();
    if (layerManager_->Showing())
        layerManager_->Hide();
}

void TbsSkinButton::CalcSize(int& W, int& H)
{
    if (UseSkinSize || ResizeMode == rmNinePart) {
        TbsSkinCustomControl::CalcSize(W, H);
        return;
    }
    NewClientRect = SkinClientRect;
    NewClientRect.Right += W - RectWidth(SkinRect);
    NewClientRect.Bottom += H - RectHeight(SkinRect);
}

void TbsSkinButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TbsSkinCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == imageList_)
        imageList_ = nullptr;
}

void TbsSkinButton::ActionChange(TObject* Sender)
{
    TbsSkinCustomControl::ActionChange(Sender);
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

void TbsSkinButton::PostToSelf(UINT Message)
{
    if (HandleAllocated())
        PostMessage(Handle(), Message, 0, 0);
}

void TbsSkinButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TbsSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (!alive || Button != mbLeft)
        return;
    StopHoverAnimation();
    machine_.Press(Modes());
}

void TbsSkinButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    if (Button == mbLeft)
        machine_.Release(Modes());
    // A click may have closed the form and freed or hidden the button.
    if (alive && HandleAllocated() && Visible())
        TbsSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TbsSkinButton::KeyDown(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TbsSkinCustomControl::KeyDown(Key, Shift);
    if (!alive || !canFocused_ || !BaseKeyHandling)
        return;
    if (Key == VK_SPACE) {
        StopHoverAnimation();
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
    TbsSkinCustomControl::KeyUp(Key, Shift);
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
    TbsSkinCustomControl::WndProc(Message);
}

bool TbsSkinButton::HoverChangesLook() { return groupIndex_ == 0 ? !FocusActive() || down_ : !down_; }

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
    if (down_ && RepeatMode && groupIndex_ == 0)
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
    if (down_ && RepeatMode && machine_.Repeating() && groupIndex_ == 0)
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
        TbsSkinCustomControl::Dispatch(Message);
        if (!alive || Designing())
            return;
        if (Message.Msg == CM_MOUSEENTER)
            MouseEnter();
        else
            MouseLeave();
        return;
    case CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<TControl*>(Message.LParam));
        TbsSkinCustomControl::Dispatch(Message);
        return;
    case WM_SETFOCUS:
        TbsSkinCustomControl::Dispatch(Message);
        if (alive)
            SetFocusMessage();
        return;
    case WM_KILLFOCUS:
        machine_.StopRepeat();
        if (groupIndex_ == 0)
            down_ = false;
        TbsSkinCustomControl::Dispatch(Message);
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
            TbsSkinCustomControl::Dispatch(Message);
        return;
    case CM_DIALOGCHAR:
        if (!DialogChar(Message))
            TbsSkinCustomControl::Dispatch(Message);
        return;
    case CM_ENABLEDCHANGED:
        TbsSkinCustomControl::Dispatch(Message);
        if (!alive)
            return;
        if (CanMorph()) {
            machine_.StopMorph();
            machine_.MorphFactor = 0.0;
        }
        machine_.MouseIn = false;
        Repaint();
        return;
    case CM_TEXTCHANGED:
        TbsSkinCustomControl::Dispatch(Message);
        if (alive)
            Repaint();
        return;
    case WM_SHOWGLOWLAYER:
        ShowGlowLayer();
        return;
    case WM_HIDEGLOWLAYER:
        HideGlowLayer();
        return;
    default:
        TbsSkinCustomControl::Dispatch(Message);
        return;
    }
}
