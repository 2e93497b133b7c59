// The window of a windowed control: making it from CreateParams, binding
// its procedure to the control, showing it by Visible, and destroying and
// remaking it.
#include "platform/ui/kernel/control_hooks.h"
#include "platform/ui/kernel/control_internal.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/ui/kernel/win_control.h"
#include "platform/win/cursor.h"
#include "platform/win/focus.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"

namespace {

// The control whose window CreateWindowEx is making: its first message
// binds the new window to it.
TWinControl* creationControl = nullptr;

}  // namespace

void TWinControl::CreateParams(TCreateParams& Params)
{
    Params = TCreateParams();
    Params.Caption = text_;
    Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (ControlStyle().Contains(csAcceptsControls)) {
        Params.Style |= WS_CLIPCHILDREN;
        Params.ExStyle |= WS_EX_CONTROLPARENT;
    }
    if (!Enabled())
        Params.Style |= WS_DISABLED;
    if (tabStop_)
        Params.Style |= WS_TABSTOP;
    Params.X = left_;
    Params.Y = top_;
    Params.Width = width_;
    Params.Height = height_;
    if (Parent())
        Params.WndParent = Parent()->Handle();
    Params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    Params.WindowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    Params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& Params, const char* ClassName)
{
    // Class styles the wrapped class decides, not the control.
    constexpr UINT ClassStyles = CS_OWNDC | CS_CLASSDC | CS_PARENTDC | CS_GLOBALCLASS;
    WNDCLASSEX wrapped;
    if (!ClassName || !GetClassInfoEx(ClassName, &wrapped))
        return;
    UINT keep = Params.WindowClass.style & ~ClassStyles;
    Params.WindowClass = wrapped;
    Params.WindowClass.lpszClassName = nullptr;
    Params.WindowClass.style = (wrapped.style & ClassStyles) | keep;
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if (!params.WndParent && (params.Style & WS_CHILD))
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    defWndProc_ = params.WindowClass.lpfnWndProc;
    WNDPROC init(&TWinControl::InitWndProc);
    const char* className = params.WinClassName.c_str();
    TWindowClass* registered = FindWindowClass(className);
    // The class the control wraps, under its own name, goes on serving its
    // other windows as it is; its procedure binds this one.
    const bool wrappedClass = registered && defWndProc_ && registered->Proc == defWndProc_;
    if (!wrappedClass && (!registered || !(registered->Proc == init))) {
        if (registered)
            UnregisterClass(className);
        WNDCLASS windowClass = params.WindowClass;
        windowClass.lpfnWndProc = init;
        windowClass.lpszClassName = className;
        if (!RegisterClass(windowClass))
            throw EOutOfResources("Cannot register the window class " + params.WinClassName);
    }
    creationControl = this;
    CreateWindowHandle(params);
    creationControl = nullptr;
    if (!handle_)
        throw EOutOfResources("Error creating window");
    text_.clear();
    UpdateBounds();
    if (AutoSize())
        AdjustSize();
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params)
{
    CreateWindowEx(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(), Params.Style, Params.X,
                   Params.Y, Params.Width, Params.Height, Params.WndParent, 0, Params.Param);
}

LRESULT TWinControl::InitWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TWinControl* control = creationControl;
    if (!control)
        return DefWindowProc(Window, Msg, WParam, LParam);
    creationControl = nullptr;
    control->handle_ = Window;
    BindControlWindow(Window, control);
    SetWindowProc(Window, WNDPROC(control, &TWinControl::MainWndProc));
    return control->MainWndProc(Window, Msg, WParam, LParam);
}

LRESULT TWinControl::MainWndProc(HWND, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    // The control may be gone when WindowProc returns (a handler freed
    // it): nothing here touches it afterwards.
    TMessage message{Msg, WParam, LParam, 0};
    TAlive alive(this);
    try {
        WindowProc(message);
    } catch (const std::exception& e) {
        HandleControlException(alive ? this : nullptr, e);
    }
    return message.Result;
}

void TWinControl::DestroyWnd()
{
    text_ = Text();
    DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle()
{
    HWND window = handle_;
    TAlive alive(this);
    controlState_.Include(csDestroyingHandle);
    DestroyWindow(window);
    if (!alive)
        return;
    controlState_.Exclude(csDestroyingHandle);
    // A window already being destroyed by someone else finishes later; it
    // must not reach this control any more.
    if (handle_ == window) {
        FreeDeviceContext(window);
        SetWindowProc(window, WNDPROC());
        BindControlWindow(window, nullptr);
        handle_ = nullptr;
        showing_ = false;
    }
}

void TWinControl::CreateHandle()
{
    if (handle_)
        return;
    CreateWnd();
    if (Parent())
        SetWindowPos(handle_, Parent()->PrecedingWindow(this), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->UpdateAnchorRules();
}

void TWinControl::DestroyHandle()
{
    if (!handle_)
        return;
    for (TWinControl* child : std::vector<TWinControl*>(winControls_))
        child->DestroyHandle();
    DestroyWnd();
}

void TWinControl::HandleNeeded()
{
    if (handle_)
        return;
    if (Parent())
        Parent()->HandleNeeded();
    CreateHandle();
}

HWND TWinControl::Handle()
{
    HandleNeeded();
    return handle_;
}

void TWinControl::RecreateWnd()
{
    if (handle_)
        Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::CMRecreateWnd(TMessage&)
{
    bool wasFocused = Focused();
    DestroyHandle();
    UpdateControlState();
    if (handle_ && wasFocused)
        ::SetFocus(handle_);
}

void TWinControl::UpdateControlState()
{
    TWinControl* root = this;
    while (root->Parent()) {
        root = root->Parent();
        if (!root->Showing())
            return;
    }
    if (root->TopLevel())
        UpdateShowing();
}

void TWinControl::UpdateShowing()
{
    bool show = Visible() && !controlState_.Contains(csReadingState);
    if (show) {
        if (!handle_)
            CreateHandle();
        for (TWinControl* child : std::vector<TWinControl*>(winControls_))
            child->UpdateShowing();
    }
    if (handle_ && showing_ != show) {
        showing_ = show;
        Perform(CM_SHOWINGCHANGED, 0, 0);
    }
}

void TWinControl::CMShowingChanged(TMessage&)
{
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                     (showing_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::UpdateBounds()
{
    TRect rect;
    if (!GetWindowRect(handle_, &rect))
        return;
    if (GetWindowLong(handle_, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(handle_), &rect);
    if (rect == BoundsRect())
        return;
    left_ = rect.Left;
    top_ = rect.Top;
    width_ = rect.Width();
    height_ = rect.Height();
    UpdateAnchorRules();
}
