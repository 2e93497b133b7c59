// The "SysHeader32" window procedure: the columns live in the list view
// that owns the header, which answers the header messages.
#include "platform/ui/header_control_window.h"

#include "platform/ui/header_control.h"
#include "platform/win/cursor.h"
#include "platform/win/window_class.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

LRESULT HeaderProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (auto* header = dynamic_cast<THeaderControl*>(FindControl(Window))) {
        TMessage message;
        message.Msg = Msg;
        message.WParam = WParam;
        message.LParam = LParam;
        if (header->WindowMessage(message))
            return message.Result;
    }
    return DefWindowProc(Window, Msg, WParam, LParam);
}

}  // namespace

bool RegisterHeaderClass()
{
    if (FindWindowClass(WC_HEADER))
        return true;
    WNDCLASS windowClass;
    windowClass.style = CS_GLOBALCLASS | CS_DBLCLKS;
    windowClass.lpfnWndProc = WNDPROC(&HeaderProc);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = WC_HEADER;
    return RegisterClass(windowClass) != 0;
}
