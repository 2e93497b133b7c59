#include "skin/controls/bs_skin_popup_menu.h"

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "skin/controls/bs_skin_form_base.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/data/bs_skin_data.h"

TbsSkinPopupMenu::TbsSkinPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {}

void TbsSkinPopupMenu::SetSkinData(TbsSkinData* Value)
{
    if (skinData_ == Value)
        return;
    if (skinData_ != nullptr)
        skinData_->RemoveFreeNotification(this);
    skinData_ = Value;
    if (skinData_ != nullptr)
        skinData_->FreeNotification(this);
}

void TbsSkinPopupMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TPopupMenu::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == skinData_)
        skinData_ = nullptr;
}

TbsSkinFormBase* TbsSkinPopupMenu::FindFrame() const
{
    if (SkinForm != nullptr)
        return SkinForm;
    if (HostForm != nullptr)
        return FindSkinForm(HostForm);
    TbsSkinFormBase* frame = nullptr;
    TComponent* owner = Owner();
    if (dynamic_cast<TCustomForm*>(owner) != nullptr)
        frame = FindSkinForm(owner);
    else if (owner != nullptr && dynamic_cast<TCustomForm*>(owner->Owner()) != nullptr)
        frame = FindSkinForm(owner->Owner());
    if (frame != nullptr && frame->Form() != nullptr && frame->Form()->FormStyle() == fsMDIChild &&
        Application != nullptr && Application->MainForm() != nullptr)
        frame = FindSkinForm(Application->MainForm());
    return frame;
}

void TbsSkinPopupMenu::Open(TControl* PopupCtrl, const TRect& Rect, bool PreferAbove)
{
    if (OnPopup)
        OnPopup(this);
    TbsSkinFormBase* frame = FindFrame();
    if (frame == nullptr)
        return;
    if (skinData_ == nullptr)
        SetSkinData(frame->MenusSkinData() != nullptr ? frame->MenusSkinData() : frame->SkinData());
    frame->PopupMenuOpening();
    TbsSkinMenu* manager = frame->SkinMenu();
    if (manager->ChainOpen())
        frame->SetFormInactive();
    frame->SetFormActive();
    SetPopupPoint(Rect.TopLeft());
    manager->PopupRect(PopupCtrl, skinData_, PreferAbove, Items(), Rect, 0);
    if (OnMenuClose)
        manager->OnMenuClose = OnMenuClose;
}

void TbsSkinPopupMenu::Popup(int X, int Y) { Open(nullptr, TRect{X, Y, X, Y}, false); }

void TbsSkinPopupMenu::PopupAt(const TRect& Rect, bool PreferAbove) { Open(nullptr, Rect, PreferAbove); }

void TbsSkinPopupMenu::PopupFromRect(TControl* PopupCtrl, const TRect& Rect, bool PreferAbove)
{
    Open(PopupCtrl, Rect, PreferAbove);
}

void TbsSkinPopupMenu::PopupForControl(TControl* PopupCtrl, int X, int Y)
{
    Open(PopupCtrl, TRect{X, Y, X, Y}, false);
}
