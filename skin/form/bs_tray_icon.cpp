// TbsTrayIcon's properties, its calls to the notification area and its
// two timers.
#include "skin/form/bs_tray_icon.h"

#include <algorithm>
#include <cstring>

#include "platform/base/code_page.h"
#include "platform/ui/graphics/icon.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/system_info.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"
#include "skin/controls/bs_skin_popup_menu.h"

namespace {

// The longest tip the record holds: its field less the closing NUL, and no
// double-byte character split at the end.
size_t TipLength(const AnsiString& Hint, size_t Room)
{
    return Hint.size() <= Room ? Hint.size() : CharStartOf(Hint, Room);
}

}  // namespace

TbsTrayIcon::TbsTrayIcon(TComponent* AOwner)
    : TComponent(AOwner), icon_(std::make_unique<TIcon>()), cycleTimer_(std::make_unique<TTimer>(nullptr)),
      clickTimer_(std::make_unique<TTimer>(nullptr))
{
    iconData_.uID = 1;
    iconData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    iconData_.uCallbackMessage = WM_TRAYICONNOTIFY;
    CreateHandle();
    iconData_.hWnd = handle_;
    cycleTimer_->SetEnabled(false);
    cycleTimer_->SetInterval(animateTimerInterval_);
    cycleTimer_->SetOnTimer(TNotifyEvent(this, &TbsTrayIcon::CycleTimerElapsed));
    clickTimer_->SetEnabled(false);
    clickTimer_->SetInterval(GetDoubleClickTime());
    clickTimer_->SetOnTimer(TNotifyEvent(this, &TbsTrayIcon::ClickTimerElapsed));
    if (!Designing()) {
        if (icon_->Empty() && UseApplicationIcon() && Application && Application->Icon())
            icon_->SetHandle(Application->Icon()->Handle());
        HookWindows();
    }
}

TbsTrayIcon::~TbsTrayIcon()
{
    SetIconVisible(false);
    SetDesignPreview(false);
    cycleTimer_.reset();
    clickTimer_.reset();
    if (!Designing())
        UnhookWindows();
    DestroyHandle();
}

bool TbsTrayIcon::Designing() const { return ComponentState().Contains(csDesigning); }

void TbsTrayIcon::Loaded()
{
    TComponent::Loaded();
    if (OwnerWindow() && MinimizedOnStart && !Designing()) {
        iconVisible_ = true;
        MinimizeToTray = true;
        if (Application) {
            Application->ShowMainForm = false;
            ShowWindow(Application->Handle(), SW_HIDE);
        }
    }
    ModifyIcon();
    SetIconVisible(iconVisible_);
}

void TbsTrayIcon::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == iconList_)
        iconList_ = nullptr;
    if (AComponent == popupMenu_)
        popupMenu_ = nullptr;
}

void TbsTrayIcon::SetIcon(TIcon* Value)
{
    icon_->Assign(Value);
    ModifyIcon();
}

void TbsTrayIcon::SetIconVisible(bool Value)
{
    if (Value)
        AddIcon();
    else
        DeleteIcon();
}

void TbsTrayIcon::SetHint(const AnsiString& Value)
{
    hint_ = Value;
    ModifyIcon();
}

void TbsTrayIcon::SetShowHint(bool Value)
{
    showHint_ = Value;
    ModifyIcon();
}

void TbsTrayIcon::SetIconList(TCustomImageList* Value)
{
    if (iconList_)
        iconList_->RemoveFreeNotification(this);
    iconList_ = Value;
    if (iconList_)
        iconList_->FreeNotification(this);
    SetIconIndex(0);
}

void TbsTrayIcon::SetIconIndex(int Value)
{
    // An empty list has no icon to show: the index stays 0 and the icon
    // as it was, rather than reading an icon before the list.
    if (iconList_ && iconList_->Count() > 0) {
        iconIndex_ = std::clamp(Value, 0, iconList_->Count() - 1);
        TakeListIcon();
    } else {
        iconIndex_ = 0;
    }
    ModifyIcon();
}

void TbsTrayIcon::TakeListIcon()
{
    if (iconList_ && iconIndex_ < iconList_->Count())
        iconList_->GetIcon(iconIndex_, icon_.get());
}

void TbsTrayIcon::SetCycleIcons(bool Value)
{
    cycleIcons_ = Value;
    if (Value)
        SetIconIndex(0);
    UpdateCycleTimer();
}

void TbsTrayIcon::SetAnimateTimerInterval(UINT Value)
{
    animateTimerInterval_ = Value;
    cycleTimer_->SetInterval(Value);
}

void TbsTrayIcon::UpdateCycleTimer() { cycleTimer_->SetEnabled(cycleIcons_); }

void TbsTrayIcon::SetDesignPreview(bool Value)
{
    designPreview_ = Value;
    inPreview_ = true;
    SetIconVisible(Value);
    inPreview_ = false;
}

void TbsTrayIcon::SetPopupMenu(TbsSkinPopupMenu* Value)
{
    if (popupMenu_)
        popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = Value;
    if (popupMenu_)
        popupMenu_->FreeNotification(this);
}

bool TbsTrayIcon::PrepareIconData()
{
    if (Designing() && !designPreview_ && !inPreview_)
        return false;
    iconData_.hIcon = icon_->Handle();
    std::memset(iconData_.szTip, 0, sizeof iconData_.szTip);
    if (!hint_.empty() && showHint_)
        std::memcpy(iconData_.szTip, hint_.data(), TipLength(hint_, sizeof iconData_.szTip - 1));
    return true;
}

bool TbsTrayIcon::Notify(DWORD Message) { return PrepareIconData() && Shell_NotifyIconA(Message, &iconData_); }

bool TbsTrayIcon::AddIcon()
{
    if (!inPreview_)
        iconVisible_ = true;
    if (Designing() && !inPreview_)
        return false;
    return Notify(NIM_ADD);
}

bool TbsTrayIcon::DeleteIcon()
{
    if (!inPreview_)
        iconVisible_ = false;
    if (Designing() && !inPreview_)
        return false;
    return Notify(NIM_DELETE);
}

bool TbsTrayIcon::ModifyIcon() { return Notify(NIM_MODIFY); }

void TbsTrayIcon::ClickTimerElapsed(TObject*)
{
    clickTimer_->SetEnabled(false);
    if (!dblClicked_ && clicked_) {
        clicked_ = false;
        Click();
    }
    dblClicked_ = false;
}

void TbsTrayIcon::CycleTimerElapsed(TObject*)
{
    if (!iconList_ || iconList_->Count() == 0)
        return;
    TakeListIcon();
    int next = iconIndex_ + 1 < iconList_->Count() ? iconIndex_ + 1 : 0;
    Cycle(next);
    ModifyIcon();
    // OnCycle may have changed the list.
    iconIndex_ = iconList_ && next < iconList_->Count() ? next : 0;
}

void TbsTrayIcon::Click()
{
    if (OnClick)
        OnClick(this);
}

void TbsTrayIcon::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TbsTrayIcon::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TbsTrayIcon::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TbsTrayIcon::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TbsTrayIcon::Cycle(int NextIndex)
{
    if (OnCycle)
        OnCycle(this, NextIndex);
}

void TbsTrayIcon::DoMinimizeToTray()
{
    HideMainForm();
    SetIconVisible(true);
}
