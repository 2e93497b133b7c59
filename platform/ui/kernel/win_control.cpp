#include "platform/ui/kernel/win_control.h"

#include <algorithm>
#include <unordered_map>

#include "platform/base/exceptions.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/win/focus.h"
#include "platform/win/update_region.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_dc.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"

namespace {

// Windows bound to controls: an entry lives from the window's first
// message to its WM_NCDESTROY.
std::unordered_map<HWND, TWinControl*>& BoundWindows()
{
    static std::unordered_map<HWND, TWinControl*> windows;
    return windows;
}

}  // namespace

void BindControlWindow(HWND Window, TWinControl* Control)
{
    if (Control)
        BoundWindows()[Window] = Control;
    else
        BoundWindows().erase(Window);
}

TWinControl* FindControl(HWND Window)
{
    if (!Window)
        return nullptr;
    auto it = BoundWindows().find(Window);
    return it == BoundWindows().end() ? nullptr : it->second;
}

TWinControl* FindControlWindow(TPoint Pos)
{
    for (HWND window = WindowFromPoint(Pos); window; window = GetParent(window))
        if (TWinControl* control = FindControl(window))
            return control;
    return nullptr;
}

TControl* FindDragTarget(TPoint Pos, bool AllowDisabled)
{
    TWinControl* window = FindControlWindow(Pos);
    if (!window)
        return nullptr;
    TControl* control = window->ControlAtPos(window->ScreenToClient(Pos), AllowDisabled);
    return control ? control : window;
}

TWinControl* GetParentRoot(TControl* Control)
{
    if (!Control)
        return nullptr;
    while (Control->Parent())
        Control = Control->Parent();
    return dynamic_cast<TWinControl*>(Control);
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), brush_(std::make_unique<TBrush>())
{
    brush_->SetColor(Color());
}

TWinControl::~TWinControl()
{
    if (handle_)
        DestroyWindowHandle();
    // What is left is going too: aligning it again would size children in
    // a window that is gone.
    DisableAlign();
    while (!controls_.empty() || !winControls_.empty()) {
        TControl* child = winControls_.empty() ? controls_.back() : winControls_.back();
        RemoveControl(child);
        delete child;
    }
    if (Parent())
        Parent()->RemoveControl(this);
}

void TWinControl::BeforeDestruction()
{
    TControl::BeforeDestruction();
    if (Parent())
        RemoveFocus(true);
    if (handle_)
        DestroyWindowHandle();
}

TControl* TWinControl::Controls(int Index) const
{
    auto count = static_cast<int>(controls_.size());
    if (Index < 0 || Index >= ControlCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    if (Index < count)
        return controls_[static_cast<size_t>(Index)];
    return winControls_[static_cast<size_t>(Index - count)];
}

void TWinControl::Insert(TControl* AControl)
{
    if (auto* win = dynamic_cast<TWinControl*>(AControl)) {
        winControls_.push_back(win);
        tabList_.push_back(win);
    } else {
        controls_.push_back(AControl);
    }
    AControl->parent_ = this;
}

void TWinControl::Remove(TControl* AControl)
{
    auto drop = [AControl](auto& list) {
        auto it = std::find(list.begin(), list.end(), AControl);
        if (it != list.end())
            list.erase(it);
    };
    drop(controls_);
    drop(winControls_);
    drop(tabList_);
    AControl->parent_ = nullptr;
}

void TWinControl::InsertControl(TControl* AControl)
{
    TAlive alive(this);
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
    Insert(AControl);
    AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
    AControl->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    if (auto* win = dynamic_cast<TWinControl*>(AControl)) {
        win->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
        UpdateControlState();
    } else if (handle_) {
        AControl->Invalidate();
    }
    if (!alive)
        return;
    AlignControl(AControl);
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
}

void TWinControl::RemoveControl(TControl* AControl)
{
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
    auto it = std::find(winControls_.begin(), winControls_.end(), AControl);
    if (it != winControls_.end()) {
        TWinControl* win = *it;
        win->RemoveFocus(true);
        win->DestroyHandle();
    } else if (handle_) {
        AControl->InvalidateControl(AControl->visible_, false);
    }
    Remove(AControl);
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
    Realign();
}

bool TWinControl::ContainsControl(TControl* Control) const
{
    while (Control && Control != this)
        Control = Control->Parent();
    return Control != nullptr;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls)
{
    auto hit = [&](TControl* control) {
        if (!control->visible_ || !(control->enabled_ || AllowDisabled) || !PtInRect(control->BoundsRect(), Pos))
            return false;
        return control->Perform(CM_HITTEST, 0, PointToLParam(Pos.X - control->left_, Pos.Y - control->top_)) != 0;
    };
    if (AllowWinControls)
        for (size_t i = winControls_.size(); i-- > 0;)
            if (hit(winControls_[i]))
                return winControls_[i];
    for (size_t i = controls_.size(); i-- > 0;)
        if (hit(controls_[i]))
            return controls_[i];
    return nullptr;
}

void TWinControl::SetTabStop(bool Value)
{
    if (tabStop_ == Value)
        return;
    tabStop_ = Value;
    if (handle_) {
        LONG style = GetWindowLong(handle_, GWL_STYLE);
        SetWindowLong(handle_, GWL_STYLE, Value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

int TWinControl::TabOrder() const
{
    if (!Parent())
        return -1;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int Value)
{
    int current = TabOrder();
    if (current < 0)
        return;
    auto& list = Parent()->tabList_;
    int count = static_cast<int>(list.size());
    if (Value < 0 || Value >= count)
        Value = count - 1;
    if (Value == current)
        return;
    list.erase(list.begin() + current);
    list.insert(list.begin() + Value, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List)
{
    for (TWinControl* control : tabList_) {
        List.push_back(control);
        control->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent)
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    int count = static_cast<int>(list.size());
    auto found = std::find(list.begin(), list.end(), CurControl);
    int start = found != list.end() ? static_cast<int>(found - list.begin()) : (GoForward ? count - 1 : 0);
    int i = start;
    do {
        i = GoForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* control = list[static_cast<size_t>(i)];
        if (control->CanFocus() && (!CheckTabStop || control->tabStop_) &&
            (!CheckParent || control->Parent() == this))
            return control;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop)
{
    if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop))
        next->SetFocus();
}

void TWinControl::SetFocus()
{
    GetParentRoot(this)->FocusControl(this);
}

void TWinControl::FocusControl(TWinControl* Control)
{
    if (!Control->CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    ::SetFocus(Control->Handle());
}

bool TWinControl::SetFocusedControl(TWinControl*)
{
    return true;
}

bool TWinControl::Focused() const
{
    return handle_ && GetFocus() == handle_;
}

bool TWinControl::CanFocus()
{
    TWinControl* root = GetParentRoot(this);
    for (TWinControl* control = this; control != root; control = control->Parent())
        if (!control->visible_ || !control->enabled_)
            return false;
    return true;
}

void TWinControl::RemoveFocus(bool Removing)
{
    TWinControl* root = GetParentRoot(this);
    if (root && root != this)
        root->DefocusControl(this, Removing);
}

void TWinControl::Broadcast(TMessage& Message)
{
    TAlive alive(this);
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* control = Controls(i);
        if (control->WindowProc)
            control->WindowProc(Message);
        if (!alive || Message.Result != 0)
            return;
    }
}

void TWinControl::NotifyControls(UINT Msg)
{
    TMessage message{Msg, 0, 0, 0};
    Broadcast(message);
}

void TWinControl::SetCtl3D(bool Value)
{
    if (ctl3D_ == Value)
        return;
    ctl3D_ = Value;
    parentCtl3D_ = false;
    Perform(CM_CTL3DCHANGED, 0, 0);
}

void TWinControl::SetParentCtl3D(bool Value)
{
    if (parentCtl3D_ == Value)
        return;
    parentCtl3D_ = Value;
    if (Parent())
        Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

bool TWinControl::Showing() const
{
    return showing_ && (!Parent() || Parent()->Showing());
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    // A size that may not change still lets the control move.
    if (!CheckNewSize(AWidth, AHeight)) {
        AWidth = width_;
        AHeight = height_;
    }
    if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_)
        return;
    TAlive alive(this);
    if (handle_ && !IsIconic(handle_)) {
        sizingFromBounds_ = true;
        SetWindowPos(handle_, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
        if (!alive)
            return;
        sizingFromBounds_ = false;
    } else {
        left_ = ALeft;
        top_ = ATop;
        width_ = AWidth;
        height_ = AHeight;
    }
    UpdateAnchorRules();
    RequestAlign();
}

TRect TWinControl::ClientRect()
{
    if (!handle_)
        return TControl::ClientRect();
    TRect client;
    GetClientRect(handle_, &client);
    return client;
}

TRect TWinControl::SizingClientRect()
{
    if (!handle_ && TopLevel())
        HandleNeeded();
    return ClientRect();
}

TPoint TWinControl::ClientOrigin()
{
    TPoint origin;
    ::ClientToScreen(Handle(), &origin);
    return origin;
}

void TWinControl::Invalidate()
{
    Perform(CM_INVALIDATE, 0, 0);
}

void TWinControl::Update()
{
    if (handle_)
        UpdateWindow(handle_);
}

void TWinControl::Repaint()
{
    TAlive alive(this);
    Invalidate();
    if (alive)
        Update();
}

void TWinControl::SetZOrder(bool TopMost)
{
    if (TWinControl* parent = Parent()) {
        auto& list = parent->winControls_;
        auto it = std::find(list.begin(), list.end(), this);
        if (it == list.end())
            return;
        list.erase(it);
        if (TopMost)
            list.push_back(this);
        else
            list.insert(list.begin(), this);
        if (handle_)
            SetWindowPos(handle_, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else if (handle_) {
        SetWindowPos(handle_, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
}

HDC TWinControl::GetDeviceContext(HWND& WindowHandle)
{
    HDC dc = GetDC(Handle());
    if (!dc)
        throw EOutOfResources("Error creating window device context");
    WindowHandle = handle_;
    return dc;
}

HWND TWinControl::PrecedingWindow(TWinControl* Control) const
{
    auto it = std::find(winControls_.begin(), winControls_.end(), Control);
    if (it != winControls_.end())
        for (++it; it != winControls_.end(); ++it)
            if ((*it)->handle_)
                return (*it)->handle_;
    return HWND_TOP;
}
