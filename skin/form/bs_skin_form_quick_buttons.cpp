// The frame's side of the caption's quick buttons: their images, their
// hints and the components they refer to.
#include "platform/ui/graphics/image_list.h"
#include "skin/controls/bs_skin_hint.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/form/bs_skin_form.h"

void TbsSkinForm::RepaintFrame()
{
    SendNCPaint();
    // A full layered border shows the caption objects on its own strip.
    layerBorder_->RedrawCaption();
}

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

void TbsSkinForm::SetSkinHint(TbsSkinHint* Value)
{
    if (skinHint_)
        skinHint_->RemoveFreeNotification(this);
    skinHint_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TbsSkinForm::ForgetCaptionParts(TComponent* AComponent)
{
    if (AComponent == quickImageList_)
        quickImageList_ = nullptr;
    if (AComponent == skinHint_)
        skinHint_ = nullptr;
    for (int i = 0; i < quickButtons_->Count(); ++i)
        if (quickButtons_->Items(i)->PopupMenu() == AComponent)
            quickButtons_->Items(i)->SetPopupMenu(nullptr);
}
