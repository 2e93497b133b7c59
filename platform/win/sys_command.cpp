// DefWindowProc's system commands, and the frame presses that ask for
// them: a press on the caption moves the window, one on a sizing border
// sizes it, a double click on the caption maximizes or restores it and one
// on the window menu icon closes it. A child's SC_KEYMENU goes up to the
// top-level window.
#include "platform/win/input_internal.h"
#include "platform/win/system_info.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

// The handling each message had before this file's; other cases pass there.
TDefWindowProcHandler nextNcButtonDown = nullptr;
TDefWindowProcHandler nextNcDoubleClick = nullptr;
TDefWindowProcHandler nextSysCommand = nullptr;

LRESULT PassOn(TDefWindowProcHandler next, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return next ? next(window, message, wParam, lParam) : 0;
}

LRESULT DefNcButtonDown(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto hit = static_cast<LRESULT>(wParam);
    if (hit == HTCAPTION) {
        SendMessage(window, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, lParam);
        return 0;
    }
    if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) {
        SendMessage(window, WM_SYSCOMMAND, SC_SIZE + static_cast<WPARAM>(hit - HTLEFT + WMSZ_LEFT), lParam);
        return 0;
    }
    return PassOn(nextNcButtonDown, window, message, wParam, lParam);
}

LRESULT DefNcDoubleClick(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    TWindow* record = WindowOf(window);
    auto hit = static_cast<LRESULT>(wParam);
    if (record && hit == HTCAPTION) {
        if (record->Style & WS_MINIMIZE)
            SendMessage(window, WM_SYSCOMMAND, SC_RESTORE, lParam);
        else if (record->Style & WS_MAXIMIZEBOX)
            SendMessage(window, WM_SYSCOMMAND, (record->Style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, lParam);
        return 0;
    }
    if (record && hit == HTSYSMENU) {
        SendMessage(window, WM_SYSCOMMAND, SC_CLOSE, lParam);
        return 0;
    }
    return PassOn(nextNcDoubleClick, window, message, wParam, lParam);
}

LRESULT DefSysCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (wParam & 0xFFF0) {
    case SC_MOVE:
    case SC_SIZE:
        RunSizeMoveLoop(window, wParam, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case SC_MINIMIZE:
        ShowWindow(window, SW_MINIMIZE);
        return 0;
    case SC_MAXIMIZE:
        ShowWindow(window, SW_MAXIMIZE);
        return 0;
    case SC_RESTORE:
        ShowWindow(window, SW_RESTORE);
        return 0;
    case SC_CLOSE:
        SendMessage(window, WM_CLOSE, 0, 0);
        return 0;
    case SC_KEYMENU: {
        // Alt with a letter reaches the focused window, often a child; the
        // menu bar belongs to the top-level window above it.
        TWindow* record = WindowOf(window);
        if (record && (record->Style & WS_CHILD) && !record->IsTopLevel())
            return SendMessage(record->Parent->Handle, message, wParam, lParam);
        // The window manager keeps no menus, so no menu has the mnemonic
        // typed with Alt.
        if (lParam && lParam != ' ')
            MessageBeep(0);
        return 0;
    }
    default:
        return PassOn(nextSysCommand, window, message, wParam, lParam);
    }
}

}  // namespace

void InstallSysCommandHandlers()
{
    nextNcButtonDown = SetDefWindowProcHandler(WM_NCLBUTTONDOWN, DefNcButtonDown);
    nextNcDoubleClick = SetDefWindowProcHandler(WM_NCLBUTTONDBLCLK, DefNcDoubleClick);
    nextSysCommand = SetDefWindowProcHandler(WM_SYSCOMMAND, DefSysCommand);
}
