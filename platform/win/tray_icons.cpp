#include "platform/win/tray_icons.h"

#include <vector>

#include "platform/win/message_queue.h"
#include "platform/win/window.h"
#include "platform/win/window_class.h"
#include "platform/win/window_proc.h"

void TrayIconMouse(const TBackendTrayIcon& Icon, UINT Message, TPoint Screen)
{
    InputState().Cursor = Screen;
    if (Icon.CallbackMessage)
        PostMessage(Icon.Window, Icon.CallbackMessage, Icon.Id, Message);
}

void TrayCreated()
{
    static const UINT taskbarCreated = RegisterWindowMessage("TaskbarCreated");
    // A window may go away while hearing it: the list is taken first and
    // each handle checked as its turn comes (SendMessage ignores stale ones).
    std::vector<HWND> windows;
    for (TWindow* w : DesktopRecord().Children)
        windows.push_back(w->Handle);
    for (HWND window : windows)
        SendMessage(window, taskbarCreated, 0, 0);
}
