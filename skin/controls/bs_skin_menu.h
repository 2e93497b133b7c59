// TbsSkinMenu: the chain of open skinned popup windows of one form. It
// opens the first level at a screen rectangle, opens and closes sub-menus
// as rows are entered and clicked, closes the chain, runs a clicked item's
// command after the chain is gone and tells the opener (1228 closed, 1229
// command ran) and the form (1228).
//
// Windows leave the chain at once but are destroyed only once no message
// of any popup window is being handled, so a click that closes the chain
// from inside a window's own handler never frees that window under it.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/component.h"
#include "platform/base/event.h"
#include "platform/base/geometry.h"
#include "skin/data/bs_skin_data_messages.h"

class TControl;
class TCustomForm;
class TFont;
class TMenuItem;
class TTimer;
class TbsSkinData;
class TbsSkinMenuItem;
class TbsSkinPopupWindow;

// The messages that end an open skinned menu when its form gets them.
bool IsMenuCloseMessage(unsigned Msg);

class TbsSkinMenu : public TComponent {
public:
    TbsSkinMenu(TComponent* AOwner, TCustomForm* AForm);
    // Closes the chain as a full close does (1228 and OnMenuClose).
    ~TbsSkinMenu() override;

    bool UseSkinFont = true;
    bool UseSkinSize = true;
    // True while the window being opened is the first of a menu that was
    // not open before.
    bool FirstPopup = false;
    int DefaultMenuItemHeight = 20;
    TFont* DefaultMenuItemFont() const { return defaultMenuItemFont_.get(); }
    TCustomForm* Form() const { return form_; }
    TTimer* DelayTimer() const { return delayTimer_.get(); }
    // The row whose sub-menu waits for DelayTimer; nullptr when none.
    TbsSkinMenuItem* PendingItem = nullptr;
    // The monitor work area of Form, taken at each open.
    TRect WorkArea;
    bool ChainOpen() const { return chainOpen_; }
    TbsSkinData* SkinData() const { return skinData_; }
    // Fired once when the chain closes, then cleared.
    TNotifyEvent OnMenuClose;
    bool AlphaBlend = false;
    int AlphaBlendValue = 150;
    bool AlphaBlendAnimation = false;
    // Rows per window before it scrolls; 0 for no limit.
    int MaxMenuItemsInWindow = 0;

    // The control that opened the open menu, and the one the last full
    // close remembered for the 1229 of a command; nil when freed.
    TControl* PopupCtrl() const { return popupCtrl_; }
    TControl* LastPopupCtrl() const { return lastPopupCtrl_; }

    // Opens MenuItem's sub-items from StartIndex at the screen rectangle
    // Rect. An open chain is closed first, telling its own opener.
    void PopupRect(TControl* APopupCtrl, TbsSkinData* ASkinData, bool PreferAbove, TMenuItem* MenuItem,
                   const TRect& Rect, int StartIndex);
    // The same with ExtraItem's sub-items after MenuItem's.
    void PopupRectEx(TControl* APopupCtrl, TbsSkinData* ASkinData, bool PreferAbove, TMenuItem* ExtraItem,
                     TMenuItem* MenuItem, const TRect& Rect, int StartIndex);

    // A row was entered (Click false) or clicked.
    void ItemEvent(TbsSkinPopupWindow* Window, TbsSkinMenuItem* Row, bool ByKeyboard, bool Click);
    // The window's place in the chain; the chain's length when it is not in.
    int IndexOfPopup(const TbsSkinPopupWindow* Window) const;
    int PopupCount() const { return static_cast<int>(popupList_.size()); }
    TbsSkinPopupWindow* Popup(int Index) const { return popupList_[static_cast<size_t>(Index)]; }
    TbsSkinPopupWindow* LastPopup() const { return popupList_.empty() ? nullptr : popupList_.back(); }
    // Closes the windows from the last down to index I; at 0 the chain is
    // closed: the opener hears 1228 and OnMenuClose fires.
    void CloseFrom(int I);
    // Closes the whole chain and tells the form too.
    void CloseMenu();

    // While one lives, windows that leave the chain are kept (hidden) and
    // destroyed when the last one ends, even when a command run inside a
    // window's handler freed the manager itself. Every handler of a popup
    // window holds one.
    class TBusy {
    public:
        // A null AMenu (a window whose manager is gone) guards nothing.
        explicit TBusy(TbsSkinMenu* AMenu);
        ~TBusy();
        TBusy(const TBusy&) = delete;
        TBusy& operator=(const TBusy&) = delete;

    private:
        std::shared_ptr<struct TRetired> retired_;
    };

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool OpenFirst(TControl* APopupCtrl, TbsSkinData* ASkinData, int RowCount, int StartIndex);
    TbsSkinPopupWindow* CreatePopupWindow();
    void ShowPopupWindow(TbsSkinPopupWindow* Window, const TRect& Rect, TMenuItem* MenuItem, TMenuItem* ExtraItem,
                         bool AsSubmenu, bool PreferAbove, int StartIndex);
    void DelayTimerTick(TObject* Sender);
    void StopDelay();
    void SetPopupCtrl(TControl*& Field, TControl* Value);
    void SendMenuMessage(TControl* Control, unsigned Msg);

    TCustomForm* form_;
    std::unique_ptr<TFont> defaultMenuItemFont_;
    std::unique_ptr<TTimer> delayTimer_;
    TControl* popupCtrl_ = nullptr;      // free-notified
    TControl* lastPopupCtrl_ = nullptr;  // free-notified
    bool chainOpen_ = false;
    TbsSkinData* skinData_ = nullptr;
    std::vector<TbsSkinPopupWindow*> popupList_;  // owned: the chain, first level first
    // Windows out of the chain; shared with the live TBusy guards, so that
    // it outlives a manager freed under them.
    std::shared_ptr<TRetired> retired_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);  // false once the destructor ran
};
