#include "skin/form/bs_skin_component.h"

#include "skin/data/bs_skin_data.h"

TbsSkinComponent::TbsSkinComponent(TComponent* AOwner) : TComponent(AOwner) {}

void TbsSkinComponent::SetSkinData(TbsSkinData* Value)
{
    if (skinData_ == Value)
        return;
    if (skinData_)
        skinData_->RemoveFreeNotification(this);
    skinData_ = Value;
    if (skinData_)
        skinData_->FreeNotification(this);
}

void TbsSkinComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == skinData_)
        skinData_ = nullptr;
}
