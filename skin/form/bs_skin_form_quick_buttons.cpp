#include "platform/ui/graphics/image_list.h"
#include "skin/form/bs_skin_form.h"

void TbsSkinForm::RepaintFrame() { SendNCPaint(); }

void TbsSkinForm::SetQuickImageList(TCustomImageList* Value)
{
    if (quickImageList_ == Value)
        return;
    if (quickImageList_)
        quickImageList_->RemoveFreeNotification(this);
    quickImageList_ = Value;
    if (Value)
        Value->FreeNotification(this);
    RepaintFrame();
}

void TbsSkinForm::ForgetQuickImageList(TComponent* AComponent)
{
    if (AComponent == quickImageList_)
        quickImageList_ = nullptr;
}
