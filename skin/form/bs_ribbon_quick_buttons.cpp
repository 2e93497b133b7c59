// The ribbon's quick-access buttons beyond a plain click: a button's popup
// menu, which holds the button down until the menu closes, and the buttons'
// hints through the ribbon's hint component.
#include "skin/controls/bs_skin_hint.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/form/bs_ribbon.h"

void TbsRibbonButtonItem::SetPopupMenu(TbsSkinPopupMenu* Value)
{
    popupMenu_ = Value;
    auto* ribbon = dynamic_cast<TbsRibbon*>(Collection()->Owner());
    if (Value && ribbon)
        Value->FreeNotification(ribbon);
}

void TbsRibbon::SetSkinHint(TbsSkinHint* Value)
{
    skinHint_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TbsRibbon::OpenQuickMenu(int Index)
{
    TbsRibbonButtonItem* item = buttons_->Items(Index);
    if (!item->PopupMenu())
        return;
    menuQuick_ = Index;
    Repaint();
    TRect r = item->ItemRect;
    TPoint topLeft = ClientToScreen(TPoint{r.Left, r.Top});
    item->PopupMenu()->PopupFromRect(this, Bounds(topLeft.X, topLeft.Y, r.Width(), r.Height() + 1), false);
}

void TbsRibbon::QuickMenuClosed()
{
    if (menuQuick_ >= 0 && menuQuick_ < buttons_->Count())
        buttons_->Items(menuQuick_)->Down = false;
    menuQuick_ = -1;
    Repaint();
}

void TbsRibbon::UpdateQuickHint(bool HotChanged, bool FlagsChanged)
{
    if (!ButtonsShowHint || !skinHint_)
        return;
    if (HotChanged && hotQuick_ != -1 && !buttons_->Items(hotQuick_)->Hint.empty())
        skinHint_->ActivateHintDelayed(buttons_->Items(hotQuick_)->Hint);
    else if (FlagsChanged && hotQuick_ == -1)
        skinHint_->HideHint();
}

void TbsRibbon::HideQuickHint()
{
    if (ButtonsShowHint && skinHint_)
        skinHint_->HideHint();
}
