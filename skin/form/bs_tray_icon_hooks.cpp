// TbsTrayIcon's links in the subclass chains of the application window and
// of its owner form's window, and hiding and restoring the main form.
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/screen.h"
#include "platform/ui/kernel/win_control.h"
#include "platform/win/focus.h"
#include "platform/win/message_queue.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/form/bs_tray_icon.h"

namespace {

// One id for every tray icon's link: each link is told apart by its
// procedure, which is bound to its own icon.
constexpr UINT_PTR TraySubclassId = 0x7472;

UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessage("TaskbarCreated");
    return message;
}

TCustomForm* MainForm() { return Application ? Application->MainForm() : nullptr; }

}  // namespace

HWND TbsTrayIcon::OwnerWindow() const
{
    auto* owner = dynamic_cast<TWinControl*>(Owner());
    return owner ? owner->Handle() : nullptr;
}

void TbsTrayIcon::HookWindows()
{
    TaskbarCreatedMessage();
    if (Application) {
        appWindow_ = Application->Handle();
        SetWindowSubclass(appWindow_, WNDPROC(this, &TbsTrayIcon::AppWndProc), TraySubclassId);
    }
    ownerWindow_ = OwnerWindow();
    if (ownerWindow_)
        SetWindowSubclass(ownerWindow_, WNDPROC(this, &TbsTrayIcon::OwnerWndProc), TraySubclassId);
}

void TbsTrayIcon::UnhookWindows()
{
    // Only our own links come off; a window gone meanwhile took them along.
    if (appWindow_ && IsWindow(appWindow_))
        RemoveWindowSubclass(appWindow_, WNDPROC(this, &TbsTrayIcon::AppWndProc), TraySubclassId);
    if (ownerWindow_ && IsWindow(ownerWindow_))
        RemoveWindowSubclass(ownerWindow_, WNDPROC(this, &TbsTrayIcon::OwnerWndProc), TraySubclassId);
    appWindow_ = nullptr;
    ownerWindow_ = nullptr;
}

LRESULT TbsTrayIcon::AppWndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_SIZE && WParam == SIZE_MINIMIZED && MinimizeToTray) {
        DoMinimizeToTray();
    } else if (Message == WM_WINDOWPOSCHANGED && firstPosChanged_) {
        TCustomForm* main = MainForm();
        if (main && main->FormStyle() == fsMDIForm && MinimizedOnStart)
            ShowWindow(Window, SW_HIDE);
        firstPosChanged_ = false;
    } else if (Message == TaskbarCreatedMessage() && iconVisible_) {
        AddIcon();
    }
    return DefSubclassProc(Window, Message, WParam, LParam);
}

LRESULT TbsTrayIcon::OwnerWndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_ACTIVATE && (LOWORD(WParam) == WA_ACTIVE || LOWORD(WParam) == WA_CLICKACTIVE)) {
        TWinControl* control = Screen ? Screen->ActiveControl() : nullptr;
        if (control && control->HandleAllocated()) {
            HWND parent = control->Parent() ? control->Parent()->Handle() : control->Handle();
            if (reinterpret_cast<HWND>(LParam) != parent)
                SetFocus(control->Handle());
        }
    } else if (Message == WM_SHOWWINDOW && WParam == 1 && LParam == 0 && Application) {
        // The program's task-bar entry comes back with a form shown by the
        // program. The main form is that entry itself and is being shown
        // now (the window being shown is activated by its own show).
        TCustomForm* main = MainForm();
        if (!main || !main->HandleAllocated() || main->Handle() != Window)
            ShowWindow(Application->Handle(), SW_RESTORE);
    }
    return DefSubclassProc(Window, Message, WParam, LParam);
}

void TbsTrayIcon::HideMainForm()
{
    TCustomForm* main = MainForm();
    if (!OwnerWindow() || !main)
        return;
    main->SetVisible(false);
    ShowWindow(Application->Handle(), SW_HIDE);
    main->Tag = TrayHiddenTag;
}

void TbsTrayIcon::RestoreMainForm()
{
    TCustomForm* main = MainForm();
    if (!OwnerWindow() || !main)
        return;
    ShowWindow(Application->Handle(), SW_RESTORE);
    main->SetVisible(true);
    if (main->WindowState() == wsMinimized)
        main->SetWindowState(wsNormal);
    main->Tag = TrayHiddenTag;
    PostMessage(main->Handle(), WM_SKINRESTOREDFROMTRAY, 0, 0);
}
