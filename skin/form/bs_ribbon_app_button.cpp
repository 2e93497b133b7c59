// The application button: presses and keys that open the ribbon's menu.
#include "skin/form/bs_ribbon_app_button.h"

#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "skin/form/bs_ribbon.h"
#include "skin/form/bs_ribbon_app_menu.h"

TbsAppButton::TbsAppButton(TComponent* AOwner) : TbsSkinMenuButton(AOwner) {}

bool TbsAppButton::HasAppMenu() const { return Ribbon && Ribbon->AppMenu(); }

void TbsAppButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!HasAppMenu() || Button != mbLeft) {
        TbsSkinMenuButton::MouseDown(Button, Shift, X, Y);
        return;
    }
    // A press while the menu is open only closes it.
    if (Ribbon->AppMenu()->Visible()) {
        Ribbon->HideAppMenu(nullptr);
        return;
    }
    SetDown(true);
    Ribbon->ShowAppMenu();
}

void TbsAppButton::KeyDown(WORD& Key, TShiftState Shift)
{
    if (Ribbon && (Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP)) {
        Ribbon->SetFocus();
        return;
    }
    if (HasAppMenu() && (Key == VK_DOWN || Key == VK_SPACE)) {
        SetDown(true);
        Ribbon->ShowAppMenu();
        return;
    }
    if (Key == VK_DOWN) {
        ShowDropDown();
        return;
    }
    TbsSkinMenuButton::KeyDown(Key, Shift);
}

void TbsAppButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS;
        return;
    }
    if (Message.Msg == WM_KEYUP && Message.WParam == VK_RETURN && HasAppMenu()) {
        SetDown(true);
        Ribbon->ShowAppMenu();
        return;
    }
    TbsSkinMenuButton::Dispatch(Message);
}
