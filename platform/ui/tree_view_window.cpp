// The "SysTreeView32" window procedure: the tree state lives in the view
// bound to the window, which answers the tree and scroll messages.
#include "platform/ui/tree_view_window.h"

#include "platform/ui/message_records.h"
#include "platform/ui/tree_view.h"
#include "platform/win/cursor.h"
#include "platform/win/window_class.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

LRESULT TreeViewProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (auto* view = dynamic_cast<TCustomTreeView*>(FindControl(Window))) {
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

bool RegisterTreeViewClass()
{
    if (FindWindowClass(WC_TREEVIEW))
        return true;
    WNDCLASS windowClass;
    windowClass.style = CS_GLOBALCLASS | CS_DBLCLKS;
    windowClass.lpfnWndProc = WNDPROC(&TreeViewProc);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = WC_TREEVIEW;
    return RegisterClass(windowClass) != 0;
}
