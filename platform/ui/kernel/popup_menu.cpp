// TPopupMenu: a menu shown at a point of the screen, for context menus.
#include "platform/ui/kernel/menus.h"

#include "platform/base/component_link.h"
#include "platform/ui/kernel/control.h"
#include "platform/ui/kernel/control_hooks.h"
#include "platform/ui/kernel/menu_loop.h"

namespace {

// A control's context menu: a right click, Shift+F10 or the menu key.
bool PopupContextMenu(TControl* Control, TComponent* Menu, TPoint Screen)
{
    auto* popup = dynamic_cast<TPopupMenu*>(Menu);
    if (!popup || !popup->AutoPopup)
        return false;
    popup->SetPopupComponent(Control);
    popup->Popup(Screen.X, Screen.Y);
    return true;
}

}  // namespace

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner)
{
    ControlHooks().PopupContextMenu = &PopupContextMenu;
}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* Value)
{
    SetComponentLink(this, popupComponent_, Value);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TMenu::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == popupComponent_)
        popupComponent_ = nullptr;
}

void TPopupMenu::DoPopup(TObject* Sender)
{
    if (OnPopup)
        OnPopup(Sender);
}

void TPopupMenu::Popup(int X, int Y)
{
    // One menu is open at a time: whatever is open closes first.
    CloseMenus();
    popupPoint_ = Point(X, Y);
    DoPopup(this);
    TrackPopupMenu(this, popupPoint_);
}
