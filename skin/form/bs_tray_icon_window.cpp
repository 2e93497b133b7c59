// TbsTrayIcon's hidden window: the icon's pointer input arrives there as
// the callback message and becomes clicks, double clicks, mouse events and
// the popup menu.
#include <memory>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/timer.h"
#include "platform/ui/kernel/win_control.h"
#include "platform/win/cursor.h"
#include "platform/win/focus.h"
#include "platform/win/keyboard.h"
#include "platform/win/message_queue.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/form/bs_tray_icon.h"

namespace {

constexpr char WindowClassName[] = "TbsTrayIconWindow";

TShiftState AsyncShiftState()
{
    TShiftState shift;
    if (GetAsyncKeyState(VK_SHIFT) < 0)
        shift.Include(ssShift);
    if (GetAsyncKeyState(VK_CONTROL) < 0)
        shift.Include(ssCtrl);
    if (GetAsyncKeyState(VK_MENU) < 0)
        shift.Include(ssAlt);
    return shift;
}

TShiftState With(TShiftState Shift, TShiftStateFlag Button) { return Shift.Include(Button); }

}  // namespace

void TbsTrayIcon::CreateHandle()
{
    if (!FindWindowClass(WindowClassName)) {
        WNDCLASS windowClass;
        windowClass.lpszClassName = WindowClassName;
        RegisterClass(windowClass);
    }
    handle_ = CreateWindowEx(WS_EX_TOOLWINDOW, WindowClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, 0, nullptr);
    SetWindowProc(handle_, WNDPROC(this, &TbsTrayIcon::WndProc));
}

void TbsTrayIcon::DestroyHandle()
{
    if (!handle_)
        return;
    // The window's own procedure is ours: it must not run once we are gone.
    SetWindowProc(handle_, WNDPROC());
    DestroyWindow(handle_);
    handle_ = nullptr;
}

LRESULT TbsTrayIcon::WndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
    case WM_TRAYICONNOTIFY:
        if (Enabled)
            IconMessage(static_cast<UINT>(LParam));
        return 0;
    // Nothing from outside ends this window: it lives as long as the icon.
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_USERCHANGED:
    case WM_NCDESTROY:
        return 1;
    default:
        return DefWindowProc(Window, Message, WParam, LParam);
    }
}

void TbsTrayIcon::IconMessage(UINT MouseMessage)
{
    TShiftState shift = AsyncShiftState();
    TPoint p;
    GetCursorPos(&p);
    switch (MouseMessage) {
    case WM_MOUSEMOVE:
        MouseMove(shift, p.X, p.Y);
        break;
    case WM_LBUTTONDOWN:
        clickTimer_->SetEnabled(true);
        MouseDown(mbLeft, With(shift, ssLeft), p.X, p.Y);
        buttonDown_ = true;
        if (PopupByLeftButton)
            DoPopup();
        break;
    case WM_LBUTTONUP:
        if (buttonDown_) {
            clicked_ = true;
            // Held past the double-click time: no double click can come.
            if (!clickTimer_->Enabled()) {
                buttonDown_ = false;
                clicked_ = false;
                Click();
            }
        }
        buttonDown_ = false;
        MouseUp(mbLeft, With(shift, ssLeft), p.X, p.Y);
        break;
    case WM_LBUTTONDBLCLK:
        clicked_ = false;
        dblClicked_ = true;
        DblClick();
        if (popupMenu_ && popupMenu_->AutoPopup && !PopupByLeftButton)
            ClickDefaultItem();
        break;
    case WM_RBUTTONDOWN:
        MouseDown(mbRight, With(shift, ssRight), p.X, p.Y);
        DoPopup();
        break;
    case WM_RBUTTONUP:
        MouseUp(mbRight, With(shift, ssRight), p.X, p.Y);
        break;
    case WM_MBUTTONDOWN:
        MouseDown(mbMiddle, With(shift, ssMiddle), p.X, p.Y);
        break;
    case WM_MBUTTONUP:
        MouseUp(mbMiddle, With(shift, ssMiddle), p.X, p.Y);
        break;
    case NIN_BALLOONUSERCLICK:
        if (OnBalloonHintClick)
            OnBalloonHintClick(this);
        break;
    default:
        break;
    }
}

void TbsTrayIcon::ClickDefaultItem()
{
    TMenuItem* items = popupMenu_->Items();
    for (int i = 0; i < items->Count(); ++i)
        if (items->Items(i)->Default()) {
            items->Items(i)->Click();
            return;
        }
}

void TbsTrayIcon::DoPopup()
{
    TPoint p;
    if (!popupMenu_ || !popupMenu_->AutoPopup || !GetCursorPos(&p))
        return;
    if (Application)
        Application->ProcessMessages();
    // The messages just handled may have taken the menu away.
    if (!popupMenu_)
        return;
    HWND owner = OwnerWindow();
    if (owner && IsWindowVisible(owner))
        SetForegroundWindow(owner);
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(p.X, p.Y);
    if (owner)
        PostMessage(owner, WM_NULL, 0, 0);
}
