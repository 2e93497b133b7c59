// The bar's side of the keyboard menu mode: the form calls these for the
// keys it takes while the mode is on.
#include "platform/ui/kernel/custom_form.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"

void TbsSkinMainMenuBar::MenuEnter()
{
    ShowAccelChar = true;
    Invalidate();
    if (items_.empty())
        return;
    TbsSkinMainMenuBarItem* item = Items(0);
    for (auto& candidate : items_)
        if (candidate->Active) {
            item = candidate.get();
            break;
        }
    item->MouseEnter();
}

void TbsSkinMainMenuBar::MenuExit()
{
    ShowAccelChar = false;
    Invalidate();
    for (auto& item : items_)
        if (item->Down || item->Active) {
            item->Active = false;
            item->MouseIn = false;
            item->Down = false;
            item->ReDraw();
            break;
        }
    ActiveIndex = OldActiveIndex = -1;
}

void TbsSkinMainMenuBar::RestoreActiveItem()
{
    for (auto& item : items_)
        if (item->Down) {
            item->Down = false;
            item->Active = true;
            item->ReDraw();
            return;
        }
}

bool TbsSkinMainMenuBar::FindHotKeyItem(WORD Key)
{
    if (skinForm_ == nullptr || !skinForm_->Form()->Visible())
        return false;
    for (int i = 0; i < ItemCount(); ++i) {
        TbsSkinMainMenuBarItem* item = Items(i);
        if (!Reachable(i) || !IsAccel(Key, item->MenuItem->Caption()))
            continue;
        // Entering moves the bar's own open drop-down over; a context menu
        // is no drop-down of the bar, and the item's opening replaces it.
        const bool dropDownOpen = skinForm_->MenuOpen && std::any_of(items_.begin(), items_.end(), [](const auto& other) {
                                      return other->Down;
                                  });
        item->MouseEnter();
        if (!(dropDownOpen && item->MenuItem->Count() > 0))
            item->MouseDown(mbLeft);
        return true;
    }
    return false;
}

void TbsSkinMainMenuBar::NextMainMenuItem()
{
    int current = -1;
    for (int i = 0; i < ItemCount() && current == -1; ++i)
        if (Reachable(i) && (Items(i)->Active || Items(i)->Down))
            current = i;
    if (current != -1)
        Items(current)->MouseLeave();
    for (int step = 1; step <= ItemCount(); ++step) {
        int i = (current + step) % ItemCount();
        if (Reachable(i)) {
            Items(i)->MouseEnter();
            return;
        }
    }
}

void TbsSkinMainMenuBar::PriorMainMenuItem()
{
    int current = -1;
    for (int i = ItemCount() - 1; i >= 0 && current == -1; --i)
        if (Reachable(i) && (Items(i)->Active || Items(i)->Down))
            current = i;
    if (current != -1)
        Items(current)->MouseLeave();
    int start = current == -1 ? ItemCount() : current;
    for (int step = 1; step <= ItemCount(); ++step) {
        int i = ((start - step) % ItemCount() + ItemCount()) % ItemCount();
        if (Reachable(i)) {
            Items(i)->MouseEnter();
            return;
        }
    }
}

bool TbsSkinMainMenuBar::CheckReturnKey()
{
    if (skinForm_ == nullptr)
        return false;
    for (auto& item : items_)
        if ((item->Down && item->MenuItem->Count() == 0) || (item->Active && !skinForm_->MenuOpen)) {
            item->Active = false;
            item->MouseDown(mbLeft);
            return true;
        }
    return false;
}
