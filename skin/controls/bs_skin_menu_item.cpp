// The state of a skinned menu row: highlight, open sub-menu, fade and
// frames, and what entering, leaving and clicking it tell the manager.
#include "skin/controls/bs_skin_menu_item.h"

#include <algorithm>

#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/timer.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_text_objects.h"

namespace {

constexpr UINT kMorphInterval = 20;

bool EffectsOn(const TbsSkinData* Data)
{
    return Data != nullptr && !Data->Empty && Data->EnableSkinEffects;
}

void SetTimerInterval(TTimer* Timer, UINT Interval)
{
    if (Timer->Interval() != Interval)
        Timer->SetInterval(Interval);
}

}  // namespace

TbsSkinMenuItem::TbsSkinMenuItem(TbsSkinPopupWindow* AParent, TbsDataSkinMenuItem* AItemDescription,
                                 TMenuItem* AMenuItem)
    : parent_(AParent), itemDescription_(AItemDescription), menuItem_(AMenuItem)
{
    TbsSkinData* data = parent_->SkinData();
    if (itemDescription_ != nullptr && data != nullptr)
        picture_ = data->PictureAt(itemDescription_->ActivePictureIndex);
}

void TbsSkinMenuItem::SetMorphKf(double Value) { morphKf_ = std::clamp(Value, 0.0, 1.0); }

bool TbsSkinMenuItem::IsSeparator() const { return menuItem_->Caption() == cLineCaption; }

bool TbsSkinMenuItem::IsHeader() const
{
    const AnsiString& caption = menuItem_->Caption();
    return !menuItem_->Enabled() && caption.size() > 1 && caption.front() == '-' && caption.back() == '-';
}

bool TbsSkinMenuItem::Selectable() const { return menuItem_->Enabled() && !IsSeparator(); }

bool TbsSkinMenuItem::HasSubItems() const { return menuItem_->Count() > 0; }

bool TbsSkinMenuItem::CanMorph() const
{
    return itemDescription_ != nullptr && itemDescription_->Morphing && EffectsOn(parent_->SkinData());
}

bool TbsSkinMenuItem::CanAnimate() const
{
    return itemDescription_ != nullptr && !IsNullRect(itemDescription_->AnimateSkinRect) &&
           EffectsOn(parent_->SkinData());
}

bool TbsSkinMenuItem::NeedsMorphStep()
{
    if (!Visible) {
        if (morphKf_ != 0) {
            Active = false;
            Down = false;
            morphKf_ = 0;
        }
        return false;
    }
    bool on = Active || Down;
    return (on && morphKf_ < 1) || (!on && morphKf_ > 0);
}

void TbsSkinMenuItem::StepMorph()
{
    // Snapped to the end within half a step, so five steps of 0.2 always
    // land on 1 or 0 whatever binary fractions make of them.
    double next = morphKf_ + (Active || Down ? 0.2 : -0.2);
    if (next > 0.95)
        next = 1.0;
    if (next < 0.05)
        next = 0.0;
    SetMorphKf(next);
    parent_->DrawItem(this);
}

void TbsSkinMenuItem::StartStateChange()
{
    TTimer* timer = parent_->AnimationTimer();
    if (CanAnimate()) {
        SetTimerInterval(timer, static_cast<UINT>(std::max(1, itemDescription_->AnimateInterval)));
        if (!itemDescription_->InActiveAnimation && !Active) {
            FrameIndex = 0;
            parent_->DrawItem(this);
        } else {
            timer->SetEnabled(true);
        }
    } else if (CanMorph()) {
        SetTimerInterval(timer, kMorphInterval);
        timer->SetEnabled(true);
    } else {
        parent_->DrawItem(this);
    }
}

void TbsSkinMenuItem::MouseEnter(bool ByKeyboard)
{
    Active = true;
    if (CanAnimate())
        FrameIndex = 0;
    for (int i = 0; i < parent_->ItemCount(); ++i) {
        TbsSkinMenuItem* other = parent_->Item(i);
        if (other != this && other->Down) {
            other->Down = false;
            other->StartStateChange();
        }
    }
    TbsSkinMenu* menu = parent_->Menu();
    int index = menu->IndexOfPopup(parent_);
    if (WaitCommand && !ByKeyboard) {
        StartStateChange();
    } else if (Down && index + 2 < menu->PopupCount()) {
        menu->Popup(index + 1)->CloseSubMenus();
    } else {
        StartStateChange();
        menu->ItemEvent(parent_, this, ByKeyboard, false);
    }
    if (parent_->Hint != menuItem_->Hint())
        parent_->Hint = menuItem_->Hint();
}

void TbsSkinMenuItem::MouseLeave()
{
    Active = false;
    if (CanAnimate())
        FrameIndex = itemDescription_->FrameCount + 1;
    WaitCommand = false;
    if (!Down)
        StartStateChange();
    TbsSkinMenu* menu = parent_->Menu();
    if (menu->PendingItem == this) {
        menu->DelayTimer()->SetEnabled(false);
        menu->PendingItem = nullptr;
    }
}

void TbsSkinMenuItem::Click()
{
    WaitCommand = false;
    if (!Down && menuItem_->Enabled())
        parent_->Menu()->ItemEvent(parent_, this, false, true);
}
