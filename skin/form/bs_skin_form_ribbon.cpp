// The frame's ribbon: the frame tells it of maximized children beside the
// menu bar's child buttons, and closes its application menu on Alt or F10.
#include "skin/form/bs_ribbon.h"
#include "skin/form/bs_ribbon_app_menu.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_form_mdi.h"

void TbsSkinForm::SetSkinRibbon(TbsRibbon* Value)
{
    if (skinRibbon_ == Value)
        return;
    if (skinRibbon_) {
        skinRibbon_->RemoveFreeNotification(this);
        if (skinRibbon_->SkinForm == this)
            skinRibbon_->SkinForm = nullptr;
    }
    skinRibbon_ = Value;
    if (skinRibbon_) {
        skinRibbon_->FreeNotification(this);
        skinRibbon_->SkinForm = this;
    }
}

void TbsSkinForm::TellChildButtons(TCustomForm* Child)
{
    if (MDIChildButtons) {
        if (Child)
            MDIChildButtons->ChildMaximized(Child);
        else
            MDIChildButtons->ChildrenRestored();
    }
    // A ribbon that is not also the child buttons hears it too.
    if (skinRibbon_ && static_cast<IbsMDIChildButtons*>(skinRibbon_) != MDIChildButtons) {
        if (Child)
            skinRibbon_->MDIChildMaximize();
        else
            skinRibbon_->MDIChildRestore();
    }
}

bool TbsSkinForm::CloseRibbonMenu()
{
    if (!skinRibbon_ || !skinRibbon_->AppMenu() || !skinRibbon_->AppMenu()->Visible())
        return false;
    skinRibbon_->HideAppMenu(nullptr);
    if (skinRibbon_->CanFocus())
        skinRibbon_->SetFocus();
    return true;
}
