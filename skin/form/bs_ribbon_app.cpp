// The ribbon's application button and menu: opening the menu over the
// form, closing it with its events in order, and the Esc hook, which joins
// the application's message chain instead of taking its place.
#include "skin/form/bs_ribbon.h"

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "skin/form/bs_ribbon_app_button.h"
#include "skin/form/bs_ribbon_app_menu.h"
#include "skin/form/bs_ribbon_app_menu_page.h"
#include "skin/form/bs_skin_form.h"

void TbsRibbon::SetAppButtonWidth(int Value)
{
    if (Value < 35 || Value == appButtonWidth_)
        return;
    appButtonWidth_ = Value;
    appButton_->SetWidth(Value);
    tabStripLeft_ = Value + 6;
    Invalidate();
}

void TbsRibbon::SetAppMenu(TbsAppMenu* Value)
{
    appMenu_ = Value;
    if (!Value)
        return;
    Value->FreeNotification(this);
    Value->Ribbon = this;
    Value->SetVisible(false);
}

void TbsRibbon::AppButtonMenuClosed(TObject* /*Sender*/)
{
    if (OnMenuClose)
        OnMenuClose(this);
}

void TbsRibbon::InstallHook()
{
    if (hooked_)
        return;
    Application->OnMessage.Add(TMessageEvent(this, &TbsRibbon::AppMessage));
    hooked_ = true;
}

void TbsRibbon::RemoveHook()
{
    if (!hooked_)
        return;
    Application->OnMessage.Remove(TMessageEvent(this, &TbsRibbon::AppMessage));
    hooked_ = false;
}

void TbsRibbon::AppMessage(MSG& Msg, bool& Handled)
{
    if (Msg.message != WM_KEYDOWN || Msg.wParam != VK_ESCAPE)
        return;
    if (!appMenu_ || !appMenu_->Visible() || !SkinForm || !SkinForm->GetFormActive())
        return;
    HideAppMenu(nullptr);
    Msg.message = 0;
    Handled = true;
}

void TbsRibbon::ShowAppMenu()
{
    if (!appMenu_)
        return;
    TAlive alive(this);
    if (appMenu_->OnShowMenu) {
        appMenu_->OnShowMenu(this);
        if (!alive || !appMenu_)
            return;
    }
    InstallHook();
    TCustomForm* form = GetParentForm(this);
    if (form && appMenu_->Parent() != form)
        appMenu_->SetParent(form);
    int top = Top() + appButton_->Top() + appButton_->Height();
    int height = form ? form->ClientHeight() - top : appMenu_->Height();
    appMenu_->SetBounds(0, top, form ? form->ClientWidth() : Width(), height);
    appMenu_->SetAnchors(TAnchors{akLeft, akTop, akRight, akBottom});
    int index = appMenu_->ActivePage() ? appMenu_->IndexOfPage(appMenu_->ActivePage()) : 0;
    appMenu_->SelectItem(index);
    appMenu_->SetVisible(true);
    appMenu_->BringToFront();
    if (appMenu_->CanFocus())
        appMenu_->SetFocus();
    int selected = appMenu_->ItemIndex();
    TbsAppMenuItems* items = appMenu_->Items();
    if (selected >= 0 && selected < items->Count() &&
        !(items->Items(selected)->Visible() && items->Items(selected)->Enabled()))
        appMenu_->SelectItem(appMenu_->NextSelectable(selected, 1));
    if (TbsAppMenuPage* page = appMenu_->ActivePage()) {
        page->Suspended = false;
        page->SetBounds(0, 0, 0, 0);
        if (page->CanScroll())
            page->UpdateScroll();
    }
    appMenu_->UpdateScrollBar();
    Invalidate();
}

void TbsRibbon::HideAppMenu(TbsAppMenuItem* Item)
{
    RemoveHook();
    if (!appMenu_)
        return;
    appMenu_->SetAnchors(TAnchors{});
    appMenu_->SetVisible(false);
    if (TbsAppMenuPage* page = appMenu_->ActivePage())
        page->Suspended = true;
    Invalidate();
    appButton_->SetDown(false);
    // The item's handler is taken now: the pending messages below may
    // free the item.
    TNotifyEvent click = Item ? Item->OnClick : TNotifyEvent();
    TAlive alive(this);
    Application->ProcessMessages();
    if (!alive)
        return;
    if (click) {
        click(this);
        if (!alive)
            return;
    }
    if (OnMenuClose) {
        OnMenuClose(this);
        if (!alive)
            return;
    }
    if (appMenu_ && appMenu_->OnHideMenu)
        appMenu_->OnHideMenu(this);
}
