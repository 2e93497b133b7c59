// The skinned menu manager: the chain of open windows, sub-menus on the
// delay timer, closing, and the command after the chain has closed.
#include "skin/controls/bs_skin_menu.h"

#include <algorithm>

#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/timer.h"
#include "platform/ui/kernel/win_control.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_pos.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/data/bs_platform.h"
#include "skin/data/bs_skin_data.h"

bool IsMenuCloseMessage(unsigned Msg)
{
    switch (Msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
        return true;
    default:
        return false;
    }
}

// Popup windows that left the chain: owned, hidden, destroyed once no
// handler of any of them runs (Busy is 0).
struct TRetired {
    int Busy = 0;  // live TBusy guards
    std::vector<TbsSkinPopupWindow*> Windows;

    void DestroyIfIdle()
    {
        if (Busy != 0)
            return;
        std::vector<TbsSkinPopupWindow*> windows;
        windows.swap(Windows);
        for (TbsSkinPopupWindow* window : windows)
            delete window;
    }
};

TbsSkinMenu::TBusy::TBusy(TbsSkinMenu* AMenu) : retired_(AMenu ? AMenu->retired_ : nullptr)
{
    if (retired_)
        ++retired_->Busy;
}

TbsSkinMenu::TBusy::~TBusy()
{
    if (!retired_)
        return;
    --retired_->Busy;
    retired_->DestroyIfIdle();
}

TbsSkinMenu::TbsSkinMenu(TComponent* AOwner, TCustomForm* AForm)
    : TComponent(AOwner), form_(AForm), defaultMenuItemFont_(std::make_unique<TFont>()),
      delayTimer_(std::make_unique<TTimer>(nullptr)), retired_(std::make_shared<TRetired>())
{
    defaultMenuItemFont_->SetName("Arial");
    defaultMenuItemFont_->SetStyle(TFontStyles{});
    defaultMenuItemFont_->SetHeight(14);
    delayTimer_->SetEnabled(false);
    delayTimer_->SetInterval(500);
    delayTimer_->SetOnTimer(TNotifyEvent(this, &TbsSkinMenu::DelayTimerTick));
}

TbsSkinMenu::~TbsSkinMenu()
{
    *alive_ = false;
    {
        // A handler of a window may be running (a command freed the form):
        // the windows then go when it ends.
        TBusy busy(this);
        CloseFrom(0);
        for (TbsSkinPopupWindow* window : retired_->Windows)
            window->ForgetMenu();
    }
    delayTimer_.reset();
    SetPopupCtrl(popupCtrl_, nullptr);
    SetPopupCtrl(lastPopupCtrl_, nullptr);
}

void TbsSkinMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == popupCtrl_)
        popupCtrl_ = nullptr;
    if (AComponent == lastPopupCtrl_)
        lastPopupCtrl_ = nullptr;
    if (AComponent == skinData_)
        skinData_ = nullptr;
}

void TbsSkinMenu::SetPopupCtrl(TControl*& Field, TControl* Value)
{
    if (Field == Value)
        return;
    TControl* old = Field;
    Field = Value;
    // The other field may still watch the old control.
    if (old != nullptr && old != popupCtrl_ && old != lastPopupCtrl_)
        old->RemoveFreeNotification(this);
    if (Value != nullptr)
        Value->FreeNotification(this);
}

void TbsSkinMenu::SendMenuMessage(TControl* Control, unsigned Msg)
{
    if (Control == nullptr)
        return;
    auto* windowed = dynamic_cast<TWinControl*>(Control);
    if (windowed != nullptr && windowed->HandleAllocated())
        SendMessage(windowed->Handle(), Msg, 0, 0);
    else
        Control->Perform(Msg, 0, 0);
}

int TbsSkinMenu::IndexOfPopup(const TbsSkinPopupWindow* Window) const
{
    auto it = std::find(popupList_.begin(), popupList_.end(), Window);
    return static_cast<int>(it - popupList_.begin());
}

void TbsSkinMenu::StopDelay()
{
    delayTimer_->SetEnabled(false);
    PendingItem = nullptr;
}

bool TbsSkinMenu::OpenFirst(TControl* APopupCtrl, TbsSkinData* ASkinData, int RowCount, int StartIndex)
{
    FirstPopup = !chainOpen_;
    // The old chain closes first and tells its own opener; only then is
    // the new opener remembered.
    if (!popupList_.empty())
        CloseFrom(0);
    SetPopupCtrl(popupCtrl_, APopupCtrl);
    if (form_ != nullptr && form_->HandleAllocated())
        GetMonitorWorkArea(form_->Handle(), true, WorkArea);
    else
        GetPrimaryWorkArea(true, WorkArea);
    if (skinData_ != ASkinData) {
        if (skinData_ != nullptr)
            skinData_->RemoveFreeNotification(this);
        skinData_ = ASkinData;
        if (skinData_ != nullptr)
            skinData_->FreeNotification(this);
    }
    if (StartIndex >= RowCount || RowCount == 0)
        return false;
    chainOpen_ = true;
    return true;
}

void TbsSkinMenu::PopupRect(TControl* APopupCtrl, TbsSkinData* ASkinData, bool PreferAbove, TMenuItem* MenuItem,
                            const TRect& Rect, int StartIndex)
{
    if (!OpenFirst(APopupCtrl, ASkinData, MenuItem->Count(), StartIndex))
        return;
    ShowPopupWindow(CreatePopupWindow(), Rect, MenuItem, nullptr, false, PreferAbove, StartIndex);
    FirstPopup = false;
}

void TbsSkinMenu::PopupRectEx(TControl* APopupCtrl, TbsSkinData* ASkinData, bool PreferAbove, TMenuItem* ExtraItem,
                              TMenuItem* MenuItem, const TRect& Rect, int StartIndex)
{
    if (!OpenFirst(APopupCtrl, ASkinData, MenuItem->Count() + ExtraItem->Count(), StartIndex))
        return;
    ShowPopupWindow(CreatePopupWindow(), Rect, MenuItem, ExtraItem, false, PreferAbove, StartIndex);
    FirstPopup = false;
}

TbsSkinPopupWindow* TbsSkinMenu::CreatePopupWindow()
{
    TbsDataSkinPopupWindow* description =
        skinData_ != nullptr && !skinData_->Empty ? &skinData_->PopupWindow : nullptr;
    auto* window = new TbsSkinPopupWindow(this, description);
    popupList_.push_back(window);
    return window;
}

void TbsSkinMenu::ShowPopupWindow(TbsSkinPopupWindow* Window, const TRect& Rect, TMenuItem* MenuItem,
                                  TMenuItem* ExtraItem, bool AsSubmenu, bool PreferAbove, int StartIndex)
{
    // Showing may pump messages (before a fade); one of them may close the
    // chain, and the window must outlive its own Show.
    TBusy busy(this);
    if (ExtraItem != nullptr)
        Window->ShowEx(Rect, MenuItem, ExtraItem, StartIndex, AsSubmenu, PreferAbove);
    else
        Window->Show(Rect, MenuItem, StartIndex, AsSubmenu, PreferAbove);
}

void TbsSkinMenu::ItemEvent(TbsSkinPopupWindow* Window, TbsSkinMenuItem* Row, bool ByKeyboard, bool Click)
{
    TBusy busy(this);
    TMenuItem* item = Row->MenuItem();
    if (item->Count() == 0) {
        StopDelay();
        if (!Click) {
            CloseFrom(IndexOfPopup(Window) + 1);
            return;
        }
        std::shared_ptr<bool> alive = alive_;
        CloseMenu();
        if (TMenu* menu = item->GetParentMenu())
            menu->DispatchCommand(item->Command());
        else
            item->Click();
        // The command may have freed the form and this manager with it.
        if (!*alive)
            return;
        TControl* opener = lastPopupCtrl_;
        SetPopupCtrl(lastPopupCtrl_, nullptr);
        SendMenuMessage(opener, WM_SKINMENUCOMMAND);
        return;
    }
    if (!Click) {
        if (ByKeyboard)
            return;
        StopDelay();
        CloseFrom(IndexOfPopup(Window) + 1);
        PendingItem = Row;
        delayTimer_->SetEnabled(true);
        return;
    }
    std::shared_ptr<bool> alive = alive_;
    if (TMenu* menu = item->GetParentMenu())
        menu->DispatchCommand(item->Command());
    else
        item->Click();
    // The item's click may close the chain (or free everything) before
    // its sub-menu opens.
    if (!*alive || IndexOfPopup(Window) == PopupCount())
        return;
    StopDelay();
    CloseFrom(IndexOfPopup(Window) + 1);
    Row->Down = true;
    TRect r = Row->ObjectRect;
    OffsetRect(r, Window->Left(), Window->Top());
    ShowPopupWindow(CreatePopupWindow(), r, item, nullptr, true, false, 0);
}

void TbsSkinMenu::DelayTimerTick(TObject*)
{
    TBusy busy(this);
    TbsSkinMenuItem* row = PendingItem;
    delayTimer_->SetEnabled(false);
    if (row != nullptr)
        ItemEvent(row->Parent(), row, false, true);
}

void TbsSkinMenu::CloseFrom(int I)
{
    TBusy busy(this);
    I = std::max(0, I);
    while (static_cast<int>(popupList_.size()) > I) {
        TbsSkinPopupWindow* window = popupList_.back();
        popupList_.pop_back();
        // The pending sub-menu belongs to a window that goes: its tick
        // must not act on it.
        if (PendingItem != nullptr && PendingItem->Parent() == window)
            StopDelay();
        window->MouseTimer()->SetEnabled(false);
        window->AnimationTimer()->SetEnabled(false);
        if (window->HandleAllocated())
            SetWindowPos(window->Handle(), nullptr, 0, 0, 0, 0,
                         SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        window->SetVisible(false);
        retired_->Windows.push_back(window);
    }
    if (I != 0)
        return;
    chainOpen_ = false;
    delayTimer_->SetEnabled(false);
    SetPopupCtrl(lastPopupCtrl_, popupCtrl_);
    if (popupCtrl_ != nullptr) {
        TControl* opener = popupCtrl_;
        SetPopupCtrl(popupCtrl_, nullptr);
        SendMenuMessage(opener, WM_SKINMENUCLOSED);
    }
    if (OnMenuClose) {
        TNotifyEvent handler = OnMenuClose;
        OnMenuClose = TNotifyEvent();
        handler(this);
    }
}

void TbsSkinMenu::CloseMenu()
{
    TBusy busy(this);
    CloseFrom(0);
    StopDelay();
    if (form_ != nullptr && form_->HandleAllocated())
        SendMessage(form_->Handle(), WM_SKINMENUCLOSED, 0, 0);
}

