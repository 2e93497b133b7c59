#include "platform/win/window_lifecycle.h"

#include <algorithm>

#include "platform/win/backend.h"
#include "platform/win/message_queue.h"
#include "platform/win/timers.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_class.h"
#include "platform/win/window_internal.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

std::vector<HWND> Handles(const std::vector<TWindow*>& windows)
{
    std::vector<HWND> handles;
    handles.reserve(windows.size());
    for (TWindow* w : windows)
        handles.push_back(w->Handle);
    return handles;
}

// CW_USEDEFAULT: a child gets 0; a top-level window the work area's corner
// and three quarters of its size.
void ApplyDefaults(DWORD style, int& x, int& y, int& width, int& height)
{
    bool child = style & WS_CHILD;
    TRect work = Backend().WorkArea();
    if (x == CW_USEDEFAULT) {
        x = child ? 0 : work.Left;
        y = child ? 0 : work.Top;
    }
    if (width == CW_USEDEFAULT) {
        width = child ? 0 : work.Width() * 3 / 4;
        height = child ? 0 : work.Height() * 3 / 4;
    }
    width = std::max(width, 0);
    height = std::max(height, 0);
}

// Sends WM_DESTROY to the window, then to its descendants, parents first.
void SendDestroyMessages(TWindow* window)
{
    HWND handle = window->Handle;
    window->Destroying = true;
    for (TWindowObserver* observer : WindowObservers())
        observer->WindowDestroying(*window);
    SendMessage(handle, WM_DESTROY, 0, 0);
    window = WindowOf(handle);
    if (!window)
        return;
    for (HWND child : Handles(window->Children))
        if (TWindow* c = WindowOf(child))
            SendDestroyMessages(c);
}

void Forget(TWindow* window)
{
    HWND handle = window->Handle;
    TInputState& input = InputState();
    for (HWND* held : {&input.Active, &input.Focus, &input.Capture})
        if (*held == handle)
            *held = nullptr;
    KillWindowTimers(handle);
    RemoveWindowMessages(handle);
    for (TWindow* w : DesktopRecord().Children)
        if (w->Owner == window)
            w->Owner = nullptr;
    if (window->IsTopLevel())
        DetachSurface(*window);
    if (window->WindowRgn)
        DeleteObject(window->WindowRgn);
    if (window->Layered.Image)
        DeleteObject(window->Layered.Image);
    window->WindowRgn = nullptr;
    window->Layered.Image = nullptr;
    UnlinkWindow(window);
    if (window->Class)
        --window->Class->Windows;
    RetireWindowRecord(window);
}

// Sends WM_NCDESTROY to the descendants, children first, then to the
// window, and retires each handle after its message.
void FreeWindow(TWindow* window)
{
    HWND handle = window->Handle;
    TWindowPin pin(window);
    for (HWND child : Handles(window->Children))
        if (TWindow* c = WindowOf(child))
            FreeWindow(c);
    SendMessage(handle, WM_NCDESTROY, 0, 0);
    if (!window->Destroyed)
        Forget(window);
}

}  // namespace

void SendParentNotify(TWindow* Window, UINT Event)
{
    HWND handle = Window->Handle;
    while (Window && (Window->Style & WS_CHILD) && !(Window->ExStyle & WS_EX_NOPARENTNOTIFY)) {
        HWND parent = Window->Parent->Handle;
        SendMessage(parent, WM_PARENTNOTIFY, MAKEWPARAM(static_cast<WORD>(Event), static_cast<WORD>(Window->Id)),
                    reinterpret_cast<LPARAM>(handle));
        Window = WindowOf(parent);
    }
}

HWND CreateWindowEx(DWORD ExStyle, const char* ClassName, const char* WindowName, DWORD Style, int X, int Y,
                    int Width, int Height, HWND Parent, intptr_t Id, void* Param)
{
    TWindowClass* windowClass = FindWindowClass(ClassName);
    if (!windowClass)
        return nullptr;
    TWindow* parent = &DesktopRecord();
    TWindow* owner = nullptr;
    if (Style & WS_CHILD) {
        parent = WindowOf(Parent);
        if (!parent || parent->Destroying)
            return nullptr;
    } else {
        ExStyle &= ~WS_EX_MDICHILD;
        Style |= WS_CLIPSIBLINGS;
        // An overlapped window always has a caption.
        if (!(Style & WS_POPUP))
            Style |= WS_CAPTION;
        if (Parent) {
            TWindow* ownerWindow = WindowOf(Parent);
            if (!ownerWindow)
                return nullptr;
            if (!ownerWindow->IsDesktop())
                owner = ownerWindow->Root();
        }
    }
    ApplyDefaults(Style, X, Y, Width, Height);

    auto record = std::make_unique<TWindow>();
    TWindow* window = record.get();
    window->Class = windowClass;
    window->Proc = windowClass->Proc;
    // Shown, minimized and maximized only once the window is made.
    window->Style = Style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    window->ExStyle = (Style & WS_CHILD) ? (ExStyle & ~WS_EX_TOPMOST) : ExStyle;
    window->Id = (Style & WS_CHILD) ? Id : 0;
    window->Owner = owner;
    window->Rect = Bounds(X, Y, Width, Height);
    window->Client = Rect(0, 0, Width, Height);
    window->NormalRect = window->Rect;
    ++windowClass->Windows;
    HWND handle = AddWindowRecord(std::move(record));
    LinkWindow(window, parent, (Style & WS_CHILD) ? HWND_BOTTOM : HWND_TOP);

    TWindowPin pin(window);
    CREATESTRUCT create{Param, Id, Parent, Height, Width, Y, X, static_cast<LONG>(Style), WindowName, ClassName,
                        ExStyle};
    if ((Style & WS_THICKFRAME) || !(Style & (WS_POPUP | WS_CHILD))) {
        MINMAXINFO info = GetMinMaxInfo(handle);
        if (window->Destroyed)
            return nullptr;
        create.cx = std::clamp(create.cx, info.ptMinTrackSize.X, info.ptMaxTrackSize.X);
        create.cy = std::clamp(create.cy, info.ptMinTrackSize.Y, info.ptMaxTrackSize.Y);
        window->Rect = Bounds(X, Y, create.cx, create.cy);
        window->Client = Rect(0, 0, create.cx, create.cy);
        window->NormalRect = window->Rect;
    }
    if (window->IsTopLevel())
        AttachSurface(*window);
    if (!SendMessage(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create))) {
        DestroyWindow(handle);
        return nullptr;
    }
    if (window->Destroyed)
        return nullptr;
    TRect client = window->Rect;
    SendMessage(handle, WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&client));
    if (window->Destroyed)
        return nullptr;
    OffsetRect(client, -window->Rect.Left, -window->Rect.Top);
    window->Client = Rect(client.Left, client.Top, std::max(client.Left, client.Right),
                          std::max(client.Top, client.Bottom));
    if (SendMessage(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    if (window->Destroyed)
        return nullptr;
    SendMessage(handle, WM_SIZE, SIZE_RESTORED, PointToLParam(window->Client.Width(), window->Client.Height()));
    SendMessage(handle, WM_MOVE, 0,
                PointToLParam(window->Rect.Left + window->Client.Left, window->Rect.Top + window->Client.Top));
    if (window->Destroyed)
        return nullptr;
    if (Style & (WS_MINIMIZE | WS_MAXIMIZE)) {
        // Made in the state asked for; shown below if WS_VISIBLE says so.
        TRect r = MinMaximize(*window, (Style & WS_MINIMIZE) ? SW_MINIMIZE : SW_MAXIMIZE);
        if (!window->Destroyed)
            SetWindowPosInternal(window, nullptr, r.Left, r.Top, r.Width(), r.Height(),
                                 SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE | SWP_STATECHANGED);
    }
    if (!window->Destroyed)
        SendParentNotify(window, WM_CREATE);
    if (!window->Destroyed && (Style & WS_VISIBLE))
        ShowWindow(handle, SW_SHOW);
    return window->Destroyed ? nullptr : handle;
}

bool DestroyWindow(HWND Window)
{
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop())
        return false;
    if (window->Destroying)
        return true;
    window->Destroying = true;
    TWindowPin pin(window);
    bool child = window->Style & WS_CHILD;
    if (child)
        SendParentNotify(window, WM_DESTROY);
    if (!window->Destroyed && (window->Style & WS_VISIBLE)) {
        // Only child windows hear WM_SHOWWINDOW on their way out.
        if (child)
            ShowWindow(Window, SW_HIDE);
        else
            SetWindowPos(Window, nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!child && !window->Destroyed) {
        std::vector<HWND> owned;
        for (TWindow* w : DesktopRecord().Children)
            if (w->Owner == window)
                owned.push_back(w->Handle);
        for (HWND h : owned)
            DestroyWindow(h);
    }
    if (window->Destroyed)
        return true;
    SendDestroyMessages(window);
    if (!window->Destroyed)
        FreeWindow(window);
    return true;
}

bool IsWindow(HWND Window)
{
    return WindowOf(Window) != nullptr;
}

HWND GetDesktopWindow()
{
    return DesktopRecord().Handle;
}
