// TbsTrayIcon: an icon in the desktop's notification area. It turns the
// icon's pointer input into click, double-click and mouse events, opens a
// skinned popup menu, cycles through the icons of an image list, and hides
// the application's main form to the area and brings it back.
//
// Beside its own hidden window it hooks the application window (minimizing
// there hides the main form; "TaskbarCreated" adds the icon again) and its
// owner form's window, each as one link of the window's subclass chain, so
// that other hooks on the same windows may come and go in any order.
#pragma once

#include <memory>

#include "platform/base/component.h"
#include "platform/base/event.h"
#include "platform/shell/notify_icon.h"
#include "platform/ui/kernel/control_types.h"

class TCustomImageList;
class TIcon;
class TTimer;
class TbsSkinPopupMenu;

using TbsCycleEvent = TEvent<void(TObject* Sender, int NextIndex)>;

// The callback message of the icon's pointer input.
inline constexpr UINT WM_TRAYICONNOTIFY = 2048;  // WM_USER + 1024
// The main form's Tag while it is hidden to the notification area.
inline constexpr intptr_t TrayHiddenTag = -10000;

class TbsTrayIcon : public TComponent {
public:
    explicit TbsTrayIcon(TComponent* AOwner);
    ~TbsTrayIcon() override;

    // While false the icon's pointer input is ignored.
    bool Enabled = true;
    // Owned: a set assigns, then the area is told.
    TIcon* Icon() const { return icon_.get(); }
    void SetIcon(TIcon* Value);
    bool IconVisible() const { return iconVisible_; }
    void SetIconVisible(bool Value);
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& Value);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool Value);
    // Not owned; forgotten when freed. Setting it shows its first icon.
    TCustomImageList* IconList() const { return iconList_; }
    void SetIconList(TCustomImageList* Value);
    // Within the list (0 without one, or with an empty one).
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int Value);
    bool CycleIcons() const { return cycleIcons_; }
    void SetCycleIcons(bool Value);
    UINT AnimateTimerInterval() const { return animateTimerInterval_; }
    void SetAnimateTimerInterval(UINT Value);
    bool DesignPreview() const { return designPreview_; }
    void SetDesignPreview(bool Value);
    // Not owned; forgotten when freed.
    TbsSkinPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TbsSkinPopupMenu* Value);
    // The menu opens on a left press too, and a double click runs no
    // default item.
    bool PopupByLeftButton = false;
    bool MinimizedOnStart = false;
    // Minimizing the application hides the main form and shows the icon.
    bool MinimizeToTray = true;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    // Screen coordinates.
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TbsCycleEvent OnCycle;
    // Balloons are not shown by any area here, so it never fires.
    TNotifyEvent OnBalloonHintClick;

    virtual bool UseApplicationIcon() { return true; }
    // Each answers whether the notification area took the call.
    virtual bool AddIcon();
    virtual bool DeleteIcon();
    virtual bool ModifyIcon();

    // The application's main form hidden to the area (Tag -10000), and
    // shown again from it (message 1426 tells the form's frame).
    void HideMainForm();
    void RestoreMainForm();

    // The hidden window that hears the icon's input.
    HWND Handle() const { return handle_; }
    // The record the last call to the area was made with.
    const NOTIFYICONDATAA& IconData() const { return iconData_; }
    TTimer* ClickTimer() const { return clickTimer_.get(); }
    TTimer* CycleTimer() const { return cycleTimer_.get(); }

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void Cycle(int NextIndex);
    virtual void DoMinimizeToTray();

private:
    bool Designing() const;
    bool PrepareIconData();
    bool Notify(DWORD Message);
    // The icon of IconIndex taken from the list; nothing with an empty list.
    void TakeListIcon();
    void UpdateCycleTimer();
    void ClickTimerElapsed(TObject* Sender);
    void CycleTimerElapsed(TObject* Sender);
    // bs_tray_icon_window.cpp: the hidden window and the pointer input.
    void CreateHandle();
    void DestroyHandle();
    LRESULT WndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
    void IconMessage(UINT MouseMessage);
    void ClickDefaultItem();
    void DoPopup();
    // bs_tray_icon_hooks.cpp: the application's and the owner's windows.
    void HookWindows();
    void UnhookWindows();
    LRESULT AppWndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
    LRESULT OwnerWndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
    HWND OwnerWindow() const;

    std::unique_ptr<TIcon> icon_;
    bool iconVisible_ = true;
    AnsiString hint_;
    bool showHint_ = true;
    TCustomImageList* iconList_ = nullptr;
    int iconIndex_ = 0;  // below the list's count; 0 without a list or with an empty one
    bool cycleIcons_ = false;
    UINT animateTimerInterval_ = 0;
    bool designPreview_ = false;
    bool inPreview_ = false;  // inside DesignPreview's setter
    TbsSkinPopupMenu* popupMenu_ = nullptr;

    NOTIFYICONDATAA iconData_;
    HWND handle_ = nullptr;
    std::unique_ptr<TTimer> cycleTimer_;
    std::unique_ptr<TTimer> clickTimer_;
    // The click machine: idle, pressed (ButtonDown, click timer running),
    // released (Clicked, reported when the timer stops) or double-clicked
    // (DblClicked: no single click is reported for it).
    bool buttonDown_ = false;
    bool clicked_ = false;
    bool dblClicked_ = false;
    bool firstPosChanged_ = true;
    // The windows hooked, kept so the hooks come off the windows they are
    // on even when the owner has made a new window since.
    HWND appWindow_ = nullptr;
    HWND ownerWindow_ = nullptr;
};
