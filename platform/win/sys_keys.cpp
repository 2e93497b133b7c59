// DefWindowProc's system keys: Alt+F4 closes the top-level window; Alt or
// F10 pressed and released alone (Shift+F10 is the context menu's: its
// press counts as no F10, whichever key comes up first), and
// Alt with a character, ask for the window's menu (SC_KEYMENU); Alt+Space
// in a child window goes to its parent.
#include "platform/win/input_internal.h"
#include "platform/win/keyboard.h"
#include "platform/win/message_queue.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

HWND TopLevelOf(HWND window)
{
    TWindow* record = WindowOf(window);
    return record && !record->IsDesktop() ? record->Root()->Handle : nullptr;
}

LRESULT DefSysKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND top = TopLevelOf(window);
    if (!top)
        return 0;
    if (message == WM_SYSKEYDOWN) {
        if (wParam == VK_F4 && KeyDataOf(lParam).AltDown)
            PostMessage(top, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if ((wParam == VK_MENU || wParam == VK_F10) && LastKeyDown() == wParam) {
        SendMessage(top, WM_SYSCOMMAND, SC_KEYMENU, 0);
    }
    return 0;
}

LRESULT DefSysChar(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    TWindow* record = WindowOf(window);
    if (!record || !KeyDataOf(lParam).AltDown || !wParam || wParam == VK_TAB || wParam == VK_ESCAPE)
        return 0;
    if (wParam == VK_SPACE && (record->Style & WS_CHILD) && !record->IsTopLevel())
        return SendMessage(record->Parent->Handle, message, wParam, lParam);
    SendMessage(window, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam));
    return 0;
}

}  // namespace

void InstallSysKeyHandlers()
{
    SetDefWindowProcHandler(WM_SYSKEYDOWN, DefSysKey);
    SetDefWindowProcHandler(WM_SYSKEYUP, DefSysKey);
    SetDefWindowProcHandler(WM_SYSCHAR, DefSysChar);
}
