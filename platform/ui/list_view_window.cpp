// The "SysListView32" window procedure: the list state lives in the view
// bound to the window, which answers the list and scroll messages.
#include "platform/ui/list_view_window.h"

#include "platform/ui/list_view.h"
#include "platform/win/cursor.h"
#include "platform/win/window_class.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

LRESULT ListViewProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (auto* view = dynamic_cast<TCustomListView*>(FindControl(Window))) {
        TMessage message;
        message.Msg = Msg;
        message.WParam = WParam;
        message.LParam = LParam;
        if (view->WindowMessage(message))
            return message.Result;
    }
    return DefWindowProc(Window, Msg, WParam, LParam);
}

}  // namespace

bool RegisterListViewClass()
{
    if (FindWindowClass(WC_LISTVIEW))
        return true;
    WNDCLASS windowClass;
    windowClass.style = CS_GLOBALCLASS | CS_DBLCLKS;
    windowClass.lpfnWndProc = WNDPROC(&ListViewProc);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = WC_LISTVIEW;
    return RegisterClass(windowClass) != 0;
}
