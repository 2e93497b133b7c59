#include "platform/win/window_attributes.h"

#include <vector>

#include "platform/win/backend.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_internal.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

LONG_PTR SetStyle(TWindow* window, int index, DWORD value)
{
    HWND handle = window->Handle;
    TWindowPin pin(window);
    DWORD& field = index == GWL_STYLE ? window->Style : window->ExStyle;
    STYLESTRUCT style{field, value};
    if (index == GWL_EXSTYLE)
        style.styleNew = (value & ~WS_EX_TOPMOST) | (field & WS_EX_TOPMOST);
    SendMessage(handle, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&style));
    if (window->Destroyed)
        return 0;
    DWORD old = field;
    field = style.styleNew;
    for (TWindowObserver* observer : WindowObservers())
        observer->WindowStyleChanged(*window, index, old, style.styleNew);
    if (!window->Destroyed)
        SendMessage(handle, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&style));
    return old;
}

}  // namespace

LONG_PTR GetWindowLongPtr(HWND Window, int Index)
{
    TWindow* window = WindowOf(Window);
    if (!window)
        return 0;
    switch (Index) {
    case GWL_STYLE:
        return window->Style;
    case GWL_EXSTYLE:
        return window->ExStyle;
    case GWL_ID:
        return window->Id;
    case GWL_USERDATA:
        return window->UserData;
    case GWL_HWNDPARENT: {
        TWindow* parent = (window->Style & WS_CHILD) ? window->Parent : window->Owner;
        return parent ? reinterpret_cast<LONG_PTR>(parent->Handle) : 0;
    }
    default:
        return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND Window, int Index, LONG_PTR Value)
{
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop())
        return 0;
    LONG_PTR old = GetWindowLongPtr(Window, Index);
    switch (Index) {
    case GWL_STYLE:
    case GWL_EXSTYLE:
        return SetStyle(window, Index, static_cast<DWORD>(Value));
    case GWL_ID:
        window->Id = Value;
        return old;
    case GWL_USERDATA:
        window->UserData = Value;
        return old;
    case GWL_HWNDPARENT: {
        if (!window->IsTopLevel())
            return 0;
        TWindow* owner = WindowOf(reinterpret_cast<HWND>(Value));
        window->Owner = owner && !owner->IsDesktop() && owner->Root() != window ? owner->Root() : nullptr;
        Backend().SetSurfaceOwner(Window);
        return old;
    }
    default:
        return 0;
    }
}

bool SetWindowText(HWND Window, const char* Text)
{
    return WindowOf(Window) && SendMessage(Window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Text ? Text : ""));
}

int GetWindowText(HWND Window, char* Buffer, int Size)
{
    if (!Buffer || Size <= 0 || !WindowOf(Window))
        return 0;
    Buffer[0] = '\0';
    LRESULT copied = SendMessage(Window, WM_GETTEXT, static_cast<WPARAM>(Size), reinterpret_cast<LPARAM>(Buffer));
    return static_cast<int>(copied);
}

int GetWindowTextLength(HWND Window)
{
    return static_cast<int>(SendMessage(Window, WM_GETTEXTLENGTH, 0, 0));
}

AnsiString GetWindowText(HWND Window)
{
    int length = GetWindowTextLength(Window);
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    int copied = GetWindowText(Window, buffer.data(), length + 1);
    return AnsiString(buffer.data(), static_cast<size_t>(copied));
}

bool IsWindowVisible(HWND Window)
{
    TWindow* window = WindowOf(Window);
    return window && window->Visible();
}

bool IsWindowEnabled(HWND Window)
{
    TWindow* window = WindowOf(Window);
    return window && !(window->Style & WS_DISABLED);
}

bool EnableWindow(HWND Window, bool Enable)
{
    TWindow* window = WindowOf(Window);
    if (!window)
        return false;
    bool wasDisabled = window->Style & WS_DISABLED;
    if (Enable == !wasDisabled)
        return wasDisabled;
    TWindowPin pin(window);
    if (Enable) {
        window->Style &= ~WS_DISABLED;
    } else {
        SendMessage(Window, WM_CANCELMODE, 0, 0);
        if (window->Destroyed)
            return wasDisabled;
        window->Style |= WS_DISABLED;
    }
    for (TWindowObserver* observer : WindowObservers())
        observer->WindowEnabledChanged(*window, Enable);
    if (!window->Destroyed)
        SendMessage(Window, WM_ENABLE, Enable, 0);
    return wasDisabled;
}

bool IsIconic(HWND Window)
{
    TWindow* window = WindowOf(Window);
    return window && (window->Style & WS_MINIMIZE);
}

bool IsZoomed(HWND Window)
{
    TWindow* window = WindowOf(Window);
    return window && (window->Style & WS_MAXIMIZE);
}
