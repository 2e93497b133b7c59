// Activation and the keyboard focus.
#include "platform/win/focus.h"

#include <vector>

#include "platform/win/input_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"

namespace {

bool OwnerDestroying(const TWindow& window)
{
    for (const TWindow* owner = window.Owner; owner; owner = owner->Owner)
        if (owner->Destroying)
            return true;
    return false;
}

bool CanBeActive(const TWindow* window)
{
    return window && window->IsTopLevel() && !window->Destroying && !(window->Style & WS_DISABLED) &&
           !(window->ExStyle & WS_EX_NOACTIVATE) && !OwnerDestroying(*window);
}

// A window that can take activation over from one going away.
bool CanTakeOver(const TWindow* window)
{
    return CanBeActive(window) && (window->Style & WS_VISIBLE) && !(window->Style & WS_MINIMIZE);
}

// The window a disabled one waits for: the topmost of the windows it owns,
// directly or through others, that can be active (a modal dialog, the box
// that dialog brought up); nullptr when there is none.
TWindow* ModalOver(const TWindow& window)
{
    for (TWindow* candidate : DesktopRecord().Children) {
        if (!CanTakeOver(candidate))
            continue;
        for (const TWindow* owner = candidate->Owner; owner; owner = owner->Owner)
            if (owner == &window)
                return candidate;
    }
    return nullptr;
}

bool FocusInside(const TWindow& window)
{
    HWND focus = InputState().Focus;
    return focus && (focus == window.Handle || IsChild(window.Handle, focus));
}

void BroadcastActivateApp(bool active)
{
    std::vector<HWND> windows;
    for (TWindow* w : DesktopRecord().Children)
        windows.push_back(w->Handle);
    for (HWND h : windows)
        SendMessage(h, WM_ACTIVATEAPP, active, 0);
}

// Moves the focus without activating anything.
HWND FocusOn(HWND window)
{
    TInputState& input = InputState();
    HWND previous = input.Focus;
    if (previous == window)
        return previous;
    input.Focus = window;
    if (WindowOf(previous)) {
        SendMessage(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
        if (input.Focus != window)
            return previous;  // the old focus window moved it on itself
    }
    if (window && WindowOf(window))
        SendMessage(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

// Makes window (0: none) the active window; Raise brings it to the top.
bool Activate(HWND window, WORD how, bool raise)
{
    TInputState& input = InputState();
    HWND previous = input.Active;
    if (previous == window)
        return true;
    if (window && !CanBeActive(WindowOf(window)))
        return false;
    // Keys pressed before the switch (Alt of a switch by the window
    // manager's Alt+Tab) do not pair with releases after it.
    ForgetLastKeyDown();
    if (WindowOf(previous)) {
        SendMessage(previous, WM_NCACTIVATE, false, reinterpret_cast<LPARAM>(window));
        WPARAM state = MAKEWPARAM(WA_INACTIVE, IsIconic(previous));
        SendMessage(previous, WM_ACTIVATE, state, reinterpret_cast<LPARAM>(window));
        if (input.Active != previous)
            return input.Active == window;  // a handler activated another window meanwhile
    } else {
        previous = nullptr;
    }
    if (!WindowOf(window))
        window = nullptr;
    input.Active = window;
    if (!previous != !window)
        BroadcastActivateApp(window != nullptr);
    if (!window) {
        FocusOn(nullptr);
        return true;
    }
    if (raise)
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (input.Active != window || !WindowOf(window))
        return false;
    SendMessage(window, WM_NCACTIVATE, true, reinterpret_cast<LPARAM>(previous));
    SendMessage(window, WM_ACTIVATE, MAKEWPARAM(how, IsIconic(window)), reinterpret_cast<LPARAM>(previous));
    TWindow* record = WindowOf(window);
    if (input.Active != window || !record)
        return true;
    // The window's WM_ACTIVATE may have put the focus on one of its own
    // windows; else it goes to the window itself, or nowhere while minimized.
    if (record->Style & WS_MINIMIZE)
        FocusOn(nullptr);
    else if (!FocusInside(*record))
        FocusOn(window);
    return true;
}

// The active window is going away: its owner, else the next window below
// it, else the next from the top takes over.
void ActivateOther(TWindow& window)
{
    TWindow* next = CanTakeOver(window.Owner) ? window.Owner : nullptr;
    const auto& windows = DesktopRecord().Children;
    size_t self = 0;
    while (self < windows.size() && windows[self] != &window)
        ++self;
    for (size_t i = self + 1; !next && i < windows.size(); ++i)
        if (CanTakeOver(windows[i]))
            next = windows[i];
    for (size_t i = 0; !next && i < self && i < windows.size(); ++i)
        if (CanTakeOver(windows[i]))
            next = windows[i];
    if (!next || !Activate(next->Handle, WA_ACTIVE, true))
        Activate(nullptr, WA_INACTIVE, false);
}

// The focus leaves a window that can no longer hold it: to the parent of a
// child window when the parent can take it, else to nobody.
void FocusAway(TWindow& window)
{
    HWND handle = window.Handle;
    if (!window.IsTopLevel() && !window.Parent->Destroying)
        SetFocus(window.Parent->Handle);
    TWindow* record = WindowOf(handle);
    if (!record || FocusInside(*record))
        FocusOn(nullptr);
}

LRESULT DefActivate(HWND window, UINT, WPARAM wParam, LPARAM)
{
    if (LOWORD(wParam) != WA_INACTIVE && !IsIconic(window))
        SetFocus(window);
    return 0;
}

// A child window asks its parent first, so the top-level window decides.
LRESULT DefMouseActivate(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    TWindow* record = WindowOf(window);
    if (!record)
        return 0;
    if ((record->Style & WS_CHILD) && !record->IsTopLevel()) {
        LRESULT answer = SendMessage(record->Parent->Handle, message, wParam, lParam);
        if (answer)
            return answer;
        record = WindowOf(window);
        if (!record)
            return MA_NOACTIVATE;
    }
    return (record->Root()->ExStyle & WS_EX_NOACTIVATE) ? MA_NOACTIVATE : MA_ACTIVATE;
}

}  // namespace

HWND SetActiveWindow(HWND Window)
{
    TInputState& input = InputState();
    HWND previous = input.Active;
    if (Window) {
        TWindow* window = WindowOf(Window);
        if (!window)
            return nullptr;
        if (!window->IsTopLevel())
            return previous;
    }
    return Activate(Window, WA_ACTIVE, true) ? previous : nullptr;
}

HWND GetActiveWindow()
{
    return InputState().Active;
}

bool SetForegroundWindow(HWND Window)
{
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop())
        return false;
    return Activate(window->Root()->Handle, WA_ACTIVE, true);
}

HWND GetForegroundWindow()
{
    return InputState().Active;
}

HWND SetFocus(HWND Window)
{
    if (!Window)
        return FocusOn(nullptr);
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop())
        return nullptr;
    TWindow* top = window;
    for (;;) {
        if (top->Style & (WS_MINIMIZE | WS_DISABLED))
            return nullptr;
        if (top->IsTopLevel())
            break;
        top = top->Parent;
    }
    HWND topHandle = top->Handle;
    if (topHandle != InputState().Active) {
        if (!Activate(topHandle, WA_ACTIVE, true) || !WindowOf(Window) || InputState().Active != topHandle)
            return nullptr;
    }
    return FocusOn(Window);
}

HWND GetFocus()
{
    return InputState().Focus;
}

bool MouseActivate(HWND TopLevel)
{
    return Activate(TopLevel, WA_CLICKACTIVE, true);
}

void SurfaceFocusChanged(HWND Surface, bool Gained)
{
    if (Gained) {
        TWindow* window = WindowOf(Surface);
        if (window && (window->Style & WS_DISABLED))
            window = ModalOver(*window);
        if (CanBeActive(window))
            Activate(window->Handle, WA_ACTIVE, true);
    } else if (InputState().Active == Surface) {
        Activate(nullptr, WA_INACTIVE, false);
    }
}

void FocusWindowPosChanged(TWindow& Window, const TWindowPosChange& Change)
{
    bool hidden = Change.WasVisible && !(Window.Style & WS_VISIBLE);
    bool minimized = (Change.Flags & SWP_STATECHANGED) && (Window.Style & WS_MINIMIZE);
    if (!hidden && !minimized)
        return;
    HWND handle = Window.Handle;
    if (Window.IsTopLevel() && InputState().Active == handle && (hidden || (Change.Flags & SWP_NOACTIVATE)))
        ActivateOther(Window);
    TWindow* window = WindowOf(handle);
    if (window && FocusInside(*window))
        FocusAway(*window);
}

void FocusActivationRequested(TWindow& Window)
{
    if (CanBeActive(&Window) && (Window.Style & WS_VISIBLE))
        Activate(Window.Handle, WA_ACTIVE, false);
}

void FocusWindowDisabled(TWindow& Window)
{
    if (FocusInside(Window))
        FocusOn(nullptr);
}

void FocusWindowDestroying(TWindow& Window)
{
    HWND handle = Window.Handle;
    if (InputState().Active == handle)
        ActivateOther(Window);
    TWindow* window = WindowOf(handle);
    if (window && FocusInside(*window))
        FocusAway(*window);
}

void InstallFocusHandlers()
{
    SetDefWindowProcHandler(WM_ACTIVATE, DefActivate);
    SetDefWindowProcHandler(WM_MOUSEACTIVATE, DefMouseActivate);
}
