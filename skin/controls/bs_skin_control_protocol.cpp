#include "skin/controls/bs_skin_control_protocol.h"

#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/kernel/graphic_control.h"

template <typename Base>
TbsSkinControlProtocol<Base>::TbsSkinControlProtocol(TComponent* AOwner) : Base(AOwner)
{
}

template <typename Base>
TbsSkinControlProtocol<Base>::~TbsSkinControlProtocol() = default;

template <typename Base>
void TbsSkinControlProtocol<Base>::SetSkinData(TbsSkinData* Value)
{
    if (skinData_ && skinData_ != Value)
        skinData_->RemoveFreeNotification(this);
    skinData_ = Value;
    if (Value)
        Value->FreeNotification(this);
    if (Value && !Value->Empty && !Designing())
        ChangeSkinData();
}

template <typename Base>
void TbsSkinControlProtocol<Base>::SetHintImageList(TCustomImageList* Value)
{
    if (hintImageList_ && hintImageList_ != Value)
        hintImageList_->RemoveFreeNotification(this);
    hintImageList_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

template <typename Base>
void TbsSkinControlProtocol<Base>::GetSkinData()
{
    descriptionIndex_.LookUp(skinData_, skinDataName_);
}

template <typename Base>
void TbsSkinControlProtocol<Base>::ChangeSkinData()
{
    GetSkinData();
    this->Repaint();
}

template <typename Base>
void TbsSkinControlProtocol<Base>::BeforeChangeSkinData()
{
    descriptionIndex_.Clear();
}

template <typename Base>
void TbsSkinControlProtocol<Base>::Paint()
{
    PaintOffScreen(this->Canvas());
}

template <typename Base>
void TbsSkinControlProtocol<Base>::PaintOffScreen(TCanvas* Target)
{
    if (this->Width() < 1 || this->Height() < 1)
        return;
    GetSkinData();
    TBitmap image;
    image.SetSize(this->Width(), this->Height());
    if (DescriptionIndex() == -1)
        PaintDefaultImage(&image);
    else
        PaintSkinImage(&image);
    Target->Draw(0, 0, &image);
}

template <typename Base>
void TbsSkinControlProtocol<Base>::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        typename Base::TAlive alive(this);
        Base::Dispatch(Message);
        if (!alive || Designing())
            return;
        const TNotifyEvent& event = Message.Msg == CM_MOUSEENTER ? OnMouseEnter : OnMouseLeave;
        if (event)
            event(this);
        return;
    }
    default:
        Base::Dispatch(Message);
        return;
    }
}

template <typename Base>
void TbsSkinControlProtocol<Base>::Notification(TComponent* AComponent, TOperation Operation)
{
    Base::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == skinData_)
        skinData_ = nullptr;
    if (AComponent == hintImageList_)
        hintImageList_ = nullptr;
}

template class TbsSkinControlProtocol<TCustomControl>;
template class TbsSkinControlProtocol<TGraphicControl>;
