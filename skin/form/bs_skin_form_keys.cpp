// The frame's keyboard while its menus are open: the main-menu bar's
// keyboard mode and the application hook that routes keys to the bar and
// to the innermost popup, so the focused control never sees them.
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/control_types.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_attributes.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/data/bs_layer_manager.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"

void TbsSkinForm::MainMenuEnter()
{
    if (MainMenuBar == nullptr)
        return;
    MainMenuBar->MenuEnter();
    HookApp();
    MainMenuActive = true;
    if (OnMainMenuEnter)
        OnMainMenuEnter(this);
}

void TbsSkinForm::MainMenuExit()
{
    if (!MainMenuActive)
        return;
    // Cleared first: the menu's close comes back through SkinMenuClose.
    MainMenuActive = false;
    std::weak_ptr<bool> alive = alive_;
    if (SkinMenu()->ChainOpen())
        SkinMenu()->CloseMenu();
    if (alive.expired())
        return;
    UnHookApp();
    if (MainMenuBar != nullptr)
        MainMenuBar->MenuExit();
    if (OnMainMenuExit)
        OnMainMenuExit(this);
}

bool TbsSkinForm::MainMenuShortCut(TMessage& Msg)
{
    // Each key reaches the form's short-cut handler once here, so no mark
    // of the last key's outcome is kept: one would swallow every second
    // press of the same short-cut.
    TbsSkinMainMenuBar* bar = MainMenuBar;
    if (bar == nullptr)
        return false;
    if (TMainMenu* menu = bar->MainMenu()) {
        WORD key = static_cast<WORD>(Msg.WParam);
        // Alt+F4 is the window's close, never an accelerator.
        if (KeyDataToShiftState(Msg.LParam) == TShiftState{ssAlt} && key != VK_F4 && bar->FindHotKeyItem(key))
            return true;
        if (menu->IsShortCut(Msg))
            return true;
    }
    TMenu* child = bar->GetChildMainMenu();
    return child != nullptr && child->IsShortCut(Msg);
}

void TbsSkinForm::HookApp()
{
    if (appHooked_ || Application == nullptr)
        return;
    Application->OnMessage.Add(TMessageEvent(this, &TbsSkinForm::AppMessage));
    appHooked_ = true;
}

void TbsSkinForm::UnHookApp()
{
    if (!appHooked_)
        return;
    if (Application != nullptr)
        Application->OnMessage.Remove(TMessageEvent(this, &TbsSkinForm::AppMessage));
    appHooked_ = false;
}

void TbsSkinForm::AppMessage(MSG& Msg, bool& Handled)
{
    if (!MainMenuActive && !SkinMenu()->ChainOpen()) {
        // Nothing opened after all (a context menu without rows), or the
        // menus went without telling the frame: the keys are not theirs.
        UnHookApp();
        return;
    }
    // A window that is modal over the form (a message box a command
    // brought up) takes its own keys.
    if (Form() != nullptr && Form()->HandleAllocated() && !IsWindowEnabled(Form()->Handle()))
        return;
    if (Msg.message == WM_MOUSEWHEEL) {
        Handled = true;
        return;
    }
    if (Msg.message != WM_KEYDOWN)
        return;
    Handled = true;
    MenuKey(static_cast<WORD>(Msg.wParam));
}

void TbsSkinForm::MenuKey(WORD Key)
{
    TbsSkinMenu* menu = SkinMenu();
    TbsSkinMainMenuBar* bar = MainMenuActive ? MainMenuBar : nullptr;
    TbsSkinPopupWindow* popup = menu->LastPopup();
    if (bar != nullptr) {
        // An open drop-down's own accelerators come before the bar's.
        if (popup == nullptr && bar->FindHotKeyItem(Key))
            return;
        if (Key == VK_ESCAPE && !menu->ChainOpen()) {
            MainMenuExit();
            return;
        }
        if (Key == VK_LEFT && menu->PopupCount() <= 1) {
            bar->PriorMainMenuItem();
            return;
        }
        bool rowHasSubmenu = popup != nullptr && popup->ActiveItem >= 0 && popup->ActiveItem < popup->ItemCount() &&
                             popup->Item(popup->ActiveItem)->HasSubItems();
        if (Key == VK_RIGHT && !rowHasSubmenu) {
            bar->NextMainMenuItem();
            return;
        }
    }
    if ((Key == VK_RETURN || Key == VK_DOWN) && bar != nullptr && bar->CheckReturnKey())
        return;
    if (popup == nullptr)
        return;
    int downItem = -1;
    for (int i = 0; bar != nullptr && i < bar->ItemCount(); ++i)
        if (bar->Items(i)->Down)
            downItem = i;
    popup->HandleMenuKey(Key);
    if (Key == VK_ESCAPE && !menu->ChainOpen())
        EscapeClosedMenu(downItem);
}

void TbsSkinForm::EscapeClosedMenu(int DownItem)
{
    if (!MainMenuActive || MainMenuBar == nullptr) {
        if (MenuOpen)
            SkinMenuClose();
        UnHookApp();
        return;
    }
    // The chain's close took the bar out of its menu mode; the item whose
    // submenu closed takes the highlight back and the mode goes on.
    menuLayerManager_->Hide();
    MenuOpen = false;
    if (DownItem >= 0 && DownItem < MainMenuBar->ItemCount())
        MainMenuBar->Items(DownItem)->Active = true;
    MainMenuBar->MenuEnter();
    if (OnSkinMenuClose)
        OnSkinMenuClose(this);
}
