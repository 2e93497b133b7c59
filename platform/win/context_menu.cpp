// DefWindowProc's context-menu requests: a right-button release in the
// client area, Shift+F10 and the menu key ask the window for its context
// menu with WM_CONTEXTMENU (wParam: the window; lParam: the screen point,
// (-1, -1) from the keyboard). A child window that does not show one
// leaves the request to its parent.
#include "platform/win/input_internal.h"
#include "platform/win/keyboard.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

// The handling the key messages had before this file's.
TDefWindowProcHandler nextSysKeyDown = nullptr;
TDefWindowProcHandler nextKeyUp = nullptr;
TDefWindowProcHandler nextSysKeyUp = nullptr;

const LPARAM FromKeyboard = -1;

LRESULT PassOn(TDefWindowProcHandler next, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return next ? next(window, message, wParam, lParam) : 0;
}

LRESULT AskForMenu(HWND window, LPARAM screen)
{
    return SendMessage(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), screen);
}

LRESULT DefRightButtonUp(HWND window, UINT, WPARAM, LPARAM lParam)
{
    TPoint p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (!WindowOf(window) || !ClientToScreen(window, &p))
        return 0;
    AskForMenu(window, PointToLParam(p.X, p.Y));
    return 0;
}

LRESULT DefContextMenu(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    TWindow* record = WindowOf(window);
    if (!record || !(record->Style & WS_CHILD) || record->IsTopLevel())
        return 0;
    return SendMessage(record->Parent->Handle, message, wParam, lParam);
}

LRESULT DefSysKeyDown(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (wParam == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000) && !(GetKeyState(VK_MENU) & 0x8000) &&
        WindowOf(window)) {
        AskForMenu(window, FromKeyboard);
        return 0;
    }
    return PassOn(nextSysKeyDown, window, message, wParam, lParam);
}

LRESULT DefKeyUp(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Without a focus window the menu key arrives as a system key.
    TDefWindowProcHandler next = message == WM_KEYUP ? nextKeyUp : nextSysKeyUp;
    if (wParam == VK_APPS && WindowOf(window)) {
        AskForMenu(window, FromKeyboard);
        return 0;
    }
    return PassOn(next, window, message, wParam, lParam);
}

}  // namespace

void InstallContextMenuHandlers()
{
    SetDefWindowProcHandler(WM_RBUTTONUP, DefRightButtonUp);
    SetDefWindowProcHandler(WM_CONTEXTMENU, DefContextMenu);
    nextSysKeyDown = SetDefWindowProcHandler(WM_SYSKEYDOWN, DefSysKeyDown);
    nextKeyUp = SetDefWindowProcHandler(WM_KEYUP, DefKeyUp);
    nextSysKeyUp = SetDefWindowProcHandler(WM_SYSKEYUP, DefKeyUp);
}
