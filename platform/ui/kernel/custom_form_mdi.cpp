// TCustomForm's multiple-document side: the client window of an
// fsMDIForm form, and the child forms whose windows live inside it.
#include <string>

#include "platform/base/exceptions.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/mdi_client.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/focus.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_tree.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

TMDIClient& TCustomForm::ClientForChild()
{
    TCustomForm* parent = Application ? Application->MainForm() : nullptr;
    for (int i = 0; i < Screen->FormCount() && !(parent && parent->FormStyle() == fsMDIForm); ++i)
        parent = Screen->Forms(i);
    if (!parent || parent->FormStyle() != fsMDIForm)
        throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
    parent->HandleNeeded();
    return *parent->mdiClient_;
}

TMDIClient* TCustomForm::ChildClient()
{
    if (formStyle_ != fsMDIChild || !HandleAllocated())
        return nullptr;
    HWND client = GetParent(Handle());
    auto* parent = dynamic_cast<TCustomForm*>(FindControl(client ? GetParent(client) : nullptr));
    return parent ? parent->OwnClient() : nullptr;
}

TMDIClient* TCustomForm::OwnClient() const
{
    if (formStyle_ != fsMDIForm || !HandleAllocated())
        return nullptr;
    return mdiClient_.get();
}

HWND TCustomForm::ClientHandle() const
{
    TMDIClient* client = OwnClient();
    return client ? client->Handle() : nullptr;
}

int TCustomForm::MDIChildCount() const
{
    TMDIClient* client = OwnClient();
    return client ? static_cast<int>(client->Children().size()) : 0;
}

std::vector<TCustomForm*> TCustomForm::MDIChildList() const
{
    TMDIClient* client = OwnClient();
    return client ? client->Children() : std::vector<TCustomForm*>();
}

TCustomForm* TCustomForm::MDIChildren(int Index) const
{
    std::vector<TCustomForm*> children = MDIChildList();
    if (Index < 0 || Index >= static_cast<int>(children.size()))
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return children[static_cast<size_t>(Index)];
}

TCustomForm* TCustomForm::ActiveMDIChild() const
{
    TMDIClient* client = OwnClient();
    return client ? client->Active() : nullptr;
}

void TCustomForm::Next()
{
    if (TMDIClient* client = OwnClient())
        client->Next();
}

void TCustomForm::SetWindowMenu(TMenuItem* Value)
{
    if (windowMenu_ == Value)
        return;
    if (windowMenu_)
        windowMenu_->RemoveFreeNotification(this);
    windowMenu_ = Value;
    if (windowMenu_)
        windowMenu_->FreeNotification(this);
}

void TCustomForm::AlignControls(TControl* AControl, TRect& Rect)
{
    TWinControl::AlignControls(AControl, Rect);
    if (TMDIClient* client = OwnClient())
        client->Place();
}

void TCustomForm::MDIActivated(bool Active)
{
    if (active_ == Active || !HandleAllocated())
        return;
    TAlive alive(this);
    active_ = Active;
    SendMessage(Handle(), WM_NCACTIVATE, Active, 0);
    if (!alive)
        return;
    if (!Active) {
        if (Screen->FocusedForm() == this)
            Screen->SetFocusedForm(nullptr);
        Deactivate();
        return;
    }
    Screen->SetFocusedForm(this);
    Activate();
    if (!alive)
        return;
    // The focus follows into the child when its parent form has it.
    HWND root = GetAncestor(Handle(), GA_ROOT);
    if (GetActiveWindow() == root && !IsIconic(Handle())) {
        if (!ActiveControl())
            SetActiveControl(FindNextControl(nullptr, true, true, false));
        SetWindowFocus();
    }
}

bool TCustomForm::MDIChildMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_CHILDACTIVATE:
        if (TMDIClient* client = ChildClient())
            client->Activate(this);
        return true;
    case WM_MOUSEACTIVATE:
        // A click anywhere in a child makes it the active one.
        if (TMDIClient* client = ChildClient(); client && client->Active() != this)
            BringToFront();
        return false;
    default:
        return false;
    }
}

void TCustomForm::DestroyWnd()
{
    if (mdiClient_) {
        for (TCustomForm* child : mdiClient_->Children())
            child->DestroyHandle();
        mdiClient_.reset();
    }
    TWinControl::DestroyWnd();
}

void TCustomForm::RecreateMDIChildren()
{
    std::vector<TCustomForm*> children;
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (TCustomForm* form = Screen->Forms(i);
            form->formStyle_ == fsMDIChild && form->Visible() && !form->HandleAllocated())
            children.push_back(form);
    for (TCustomForm* child : children)
        child->UpdateControlState();
}
