// TCustomTabControl: the properties kept in the control, turned into the
// window's styles and TCM_ messages, and the window's notifications turned
// into OnChanging and OnChange.
#include "platform/ui/widgets/tab_control.h"

#include "platform/base/component_link.h"
#include "platform/base/string_list.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/message_records.h"
#include "platform/ui/widgets/tab_control_window.h"
#include "platform/win/window_proc.h"

TCustomTabControl::TCustomTabControl(TComponent* AOwner)
    : TWinControl(AOwner), tabs_(std::make_unique<TStringList>())
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls).Include(csDoubleClicks));
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
    tabs_->OnChange = TNotifyEvent(this, &TCustomTabControl::TabsChanged);
}

TCustomTabControl::~TCustomTabControl()
{
    tabs_->OnChange = TNotifyEvent();
}

int TCustomTabControl::TabIndex() const
{
    if (HandleAllocated())
        tabIndex_ = static_cast<int>(SendMessage(const_cast<TCustomTabControl*>(this)->Handle(), TCM_GETCURSEL, 0, 0));
    return tabIndex_;
}

void TCustomTabControl::SetTabIndex(int Value)
{
    if (Value < -1 || Value >= tabs_->Count())
        return;
    tabIndex_ = Value;
    if (HandleAllocated())
        SendMessage(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(Value), 0);
}

int TCustomTabControl::IndexOfTabAt(int X, int Y)
{
    TCHITTESTINFO info;
    info.pt = {X, Y};
    return static_cast<int>(SendMessage(Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
}

TRect TCustomTabControl::DisplayRect()
{
    TRect r = ClientRect();
    SendMessage(Handle(), TCM_ADJUSTRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

int TCustomTabControl::RowCount() { return static_cast<int>(SendMessage(Handle(), TCM_GETROWCOUNT, 0, 0)); }

void TCustomTabControl::SetTabPosition(TTabPosition Value)
{
    if (tabPosition_ == Value)
        return;
    tabPosition_ = Value;
    RecreateWnd();
}

void TCustomTabControl::SetMultiLine(bool Value)
{
    if (multiLine_ == Value)
        return;
    multiLine_ = Value;
    RecreateWnd();
}

void TCustomTabControl::SetStyle(TTabStyle Value)
{
    if (style_ == Value)
        return;
    style_ = Value;
    RecreateWnd();
}

void TCustomTabControl::SetHotTrack(bool Value)
{
    if (hotTrack_ == Value)
        return;
    hotTrack_ = Value;
    RecreateWnd();
}

void TCustomTabControl::SetTabWidth(int Value)
{
    tabWidth_ = Value;
    SendItemSize();
}

void TCustomTabControl::SetTabHeight(int Value)
{
    tabHeight_ = Value;
    SendItemSize();
}

void TCustomTabControl::SendItemSize()
{
    if (!HandleAllocated())
        return;
    SendMessage(Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(static_cast<WORD>(tabWidth_), static_cast<WORD>(tabHeight_)));
    Realign();
}

void TCustomTabControl::SetImages(TCustomImageList* Value)
{
    if (!SetComponentLink(this, images_, Value))
        return;
    if (HandleAllocated()) {
        SendMessage(Handle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
        UpdateTabs();
    }
}

void TCustomTabControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == images_)
        SetImages(nullptr);
}

bool TCustomTabControl::CanChange()
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    return allow;
}

void TCustomTabControl::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomTabControl::TabsChanged(TObject*)
{
    UpdateTabs();
}

void TCustomTabControl::UpdateTabs()
{
    if (!HandleAllocated()) {
        if (tabIndex_ >= tabs_->Count())
            tabIndex_ = tabs_->Count() - 1;
        return;
    }
    int keep = TabIndex();
    HWND window = Handle();
    SendMessage(window, TCM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < tabs_->Count(); ++i) {
        AnsiString caption = tabs_->Strings(i);
        TCITEM item;
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = caption.data();
        item.iImage = GetImageIndex(i);
        SendMessage(window, TCM_INSERTITEM, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    if (keep >= 0 && keep < tabs_->Count())
        SendMessage(window, TCM_SETCURSEL, static_cast<WPARAM>(keep), 0);
    TabIndex();
    Realign();
}

void TCustomTabControl::CreateParams(TCreateParams& Params)
{
    RegisterTabControlClass();
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, WC_TABCONTROL);
    switch (tabPosition_) {
    case tpTop:
        break;
    case tpBottom:
        Params.Style |= TCS_BOTTOM;
        break;
    case tpLeft:
        Params.Style |= TCS_VERTICAL;
        break;
    case tpRight:
        Params.Style |= TCS_VERTICAL | TCS_RIGHT;
        break;
    }
    if (multiLine_)
        Params.Style |= TCS_MULTILINE;
    if (style_ != tsTabs)
        Params.Style |= TCS_BUTTONS;
    if (style_ == tsFlatButtons)
        Params.Style |= TCS_FLATBUTTONS;
    if (hotTrack_)
        Params.Style |= TCS_HOTTRACK;
}

void TCustomTabControl::CreateWnd()
{
    TWinControl::CreateWnd();
    SendMessage(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
    SendMessage(Handle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    SendMessage(Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(static_cast<WORD>(tabWidth_), static_cast<WORD>(tabHeight_)));
    int keep = tabIndex_;
    UpdateTabs();
    if (keep >= -1 && keep < tabs_->Count())
        SetTabIndex(keep);
}

void TCustomTabControl::DestroyWnd()
{
    // A remade window selects the same tab.
    TabIndex();
    TWinControl::DestroyWnd();
}

void TCustomTabControl::AdjustClientRect(TRect& Rect)
{
    if (HandleAllocated())
        Rect = DisplayRect();
}

void TCustomTabControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_NOTIFY: {
        NMHDR* header = TWMNotify(Message).NMHdr();
        if (header->code == TCN_SELCHANGING) {
            Message.Result = CanChange() ? 0 : 1;
        } else if (header->code == TCN_SELCHANGE) {
            TabIndex();
            Change();
        }
        return;
    }
    case CM_DIALOGCHAR:
        // Alt and a tab's accelerator picks that tab, as a click would.
        for (int i = 0; i < tabs_->Count(); ++i) {
            if (IsAccel(static_cast<WORD>(Message.WParam), tabs_->Strings(i)) && CanFocus()) {
                if (i != TabIndex() && CanChange()) {
                    SetTabIndex(i);
                    Change();
                }
                Message.Result = 1;
                return;
            }
        }
        TWinControl::Dispatch(Message);
        return;
    case CM_FONTCHANGED: {
        TAlive alive(this);
        TWinControl::Dispatch(Message);
        if (alive && HandleAllocated()) {
            SendMessage(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 1);
            Realign();
        }
        return;
    }
    default:
        TWinControl::Dispatch(Message);
        return;
    }
}

TTabControl::TTabControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}
