// TCustomForm's side of the focus and the keys: the active control,
// CM_ENTER / CM_EXIT down the parents as the focus moves, activation, the
// dialog keys and shortcuts.
#include "platform/base/exceptions.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/focus.h"
#include "platform/win/keyboard.h"
#include "platform/win/window_attributes.h"

void TCustomForm::SetActiveControl(TWinControl* Control)
{
    if (activeControl_ == Control)
        return;
    if (Control && (Control == this || !ContainsControl(Control)))
        throw EInvalidOperation("Cannot focus a control that is not on the form");
    if (Control && Visible() && !Control->CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    activeControl_ = Control;
    if (active_)
        SetWindowFocus();
}

void TCustomForm::SetWindowFocus()
{
    if (!HandleAllocated())
        return;
    HWND target = activeControl_ && activeControl_->CanFocus() ? activeControl_->Handle() : Handle();
    if (GetFocus() != target)
        ::SetFocus(target);
}

void TCustomForm::SetFocus()
{
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* Control)
{
    if (!Control->CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    activeControl_ = Control == this ? nullptr : Control;
    SetWindowFocus();
}

bool TCustomForm::SendFocusMessage(TWinControl* Control, UINT Msg)
{
    TAlive alive(this);
    HWND focus = GetFocus();
    Control->Perform(Msg, 0, 0);
    return alive && GetFocus() == focus;
}

bool TCustomForm::SetFocusedControl(TWinControl* Control)
{
    TAlive alive(this);
    if (Control != this)
        activeControl_ = Control;
    Screen->SetActiveForm(this);
    if (!alive)
        return false;
    Screen->SetActiveControl(Control);
    if (!alive || Control->ControlState().Contains(csFocusing))
        return static_cast<bool>(alive);
    // The handlers below may move the focus again; each step stops when
    // one did, since the newer move has done its own notifications.
    Control->SetControlState(TControlState(Control->ControlState()).Include(csFocusing));
    TControl::TAlive controlAlive(Control);
    auto done = [&](bool result) {
        if (controlAlive)
            Control->SetControlState(TControlState(Control->ControlState()).Exclude(csFocusing));
        return result && static_cast<bool>(alive);
    };
    if (Screen->FocusedForm() != this) {
        if (TCustomForm* old = Screen->FocusedForm()) {
            Screen->SetFocusedForm(nullptr);
            if (!SendFocusMessage(old, CM_DEACTIVATE))
                return done(false);
        }
        Screen->SetFocusedForm(this);
        if (!SendFocusMessage(this, CM_ACTIVATE))
            return done(false);
    }
    if (!focusedControl_)
        focusedControl_ = this;
    if (focusedControl_ != Control) {
        while (focusedControl_ && !focusedControl_->ContainsControl(Control)) {
            TWinControl* leaving = focusedControl_;
            focusedControl_ = leaving->Parent();
            if (!SendFocusMessage(leaving, CM_EXIT))
                return done(false);
        }
        while (focusedControl_ != Control) {
            TWinControl* entering = Control;
            while (entering->Parent() != focusedControl_)
                entering = entering->Parent();
            focusedControl_ = entering;
            if (!SendFocusMessage(entering, CM_ENTER))
                return done(false);
        }
        Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
    }
    return done(true);
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing)
{
    if (Removing && Control->ContainsControl(focusedControl_))
        focusedControl_ = Control->Parent();
    if (!Control->ContainsControl(activeControl_))
        return;
    activeControl_ = nullptr;
    if (active_ && !ComponentState().Contains(csDestroying))
        SetWindowFocus();
}

void TCustomForm::WMActivate(TMessage& Message)
{
    bool active = LOWORD(Message.WParam) != WA_INACTIVE;
    active_ = active;
    if (!active) {
        DefaultHandler(Message);
        return;
    }
    TAlive alive(this);
    Screen->SetActiveForm(this);
    if (!alive)
        return;
    // A multiple-document form hands the focus to its active child.
    if (TCustomForm* child = ActiveMDIChild(); child && !activeControl_) {
        child->SetWindowFocus();
        return;
    }
    if (!activeControl_)
        activeControl_ = FindNextControl(nullptr, true, true, false);
    // The focus goes to the active control rather than where the window
    // manager would put it.
    if (!IsIconic(Handle()))
        SetWindowFocus();
}

void TCustomForm::CMDialogKey(TMessage& Message)
{
    TWMKey key(Message);
    if (GetKeyState(VK_MENU) >= 0) {
        switch (key.CharCode()) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
                Message.Result = 1;
                return;
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (activeControl_ && activeControl_->Parent()) {
                bool forward = key.CharCode() == VK_RIGHT || key.CharCode() == VK_DOWN;
                activeControl_->Parent()->SelectNext(activeControl_, forward, false);
                Message.Result = 1;
            }
            return;
        default:
            break;
        }
    }
    // Enter, Escape and the rest go to the controls: the default and
    // cancel buttons take them there.
    TWinControl::Dispatch(Message);
}

void TCustomForm::CMChildKey(TMessage& Message)
{
    if (Parent()) {
        TWinControl::Dispatch(Message);
        return;
    }
    // The child's key data does not travel with the message; Alt is taken
    // from the key state, so that Ctrl+Alt shortcuts (whose keys come as
    // WM_KEYDOWN) match.
    TKeyData data;
    data.AltDown = GetKeyState(VK_MENU) < 0;
    TMessage key{WM_KEYDOWN, Message.WParam, KeyDataParam(data), 0};
    Message.Result = IsShortCut(key) ? 1 : 0;
}

bool TCustomForm::IsShortCut(TMessage& Message)
{
    bool handled = false;
    if (OnShortCut)
        OnShortCut(Message, handled);
    if (!handled && menu_)
        handled = menu_->IsShortCut(Message);
    if (!handled)
        handled = IsActionListShortCut(this, Message);
    return handled;
}

void TCustomForm::Dispatch(TMessage& Message)
{
    if (menuBar_ && MenuBarMessage(Message))
        return;
    if (formStyle_ == fsMDIChild && MDIChildMessage(Message))
        return;
    switch (Message.Msg) {
    case WM_ACTIVATE:
        WMActivate(Message);
        return;
    case WM_ACTIVATEAPP:
        Application->ActivateChanged(Message.WParam != 0);
        DefaultHandler(Message);
        return;
    case WM_CLOSE:
        Close();
        return;
    case WM_SIZE:
        switch (TWMSize(Message).SizeType()) {
        case SIZE_MINIMIZED:
            windowState_ = wsMinimized;
            break;
        case SIZE_MAXIMIZED:
            windowState_ = wsMaximized;
            break;
        case SIZE_RESTORED:
            windowState_ = wsNormal;
            break;
        default:
            break;
        }
        TWinControl::Dispatch(Message);
        return;
    case CM_ACTIVATE:
        Activate();
        return;
    case CM_DEACTIVATE:
        Deactivate();
        return;
    case CM_DIALOGKEY:
        CMDialogKey(Message);
        return;
    case CM_CHILDKEY:
        CMChildKey(Message);
        return;
    case CM_SHOWINGCHANGED:
        CMShowingChanged(Message);
        return;
    case CM_RELEASE:
        delete this;
        return;
    default:
        TWinControl::Dispatch(Message);
        return;
    }
}
