// The "SysHeader32" window procedure: the columns live in the list view
// that owns the header, which answers the header messages.
#include "platform/ui/itemviews/header_control_window.h"

#include "platform/ui/itemviews/header_control.h"
#include "platform/win/cursor.h"
#include "platform/win/window_class.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

LRESULT HeaderProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TWinControl* control = FindControl(Window);
    // A header control's window is made from this class: it is bound at
    // its first message, and from then on comes here through the control.
    if (!control)
        return TWinControl::InitWndProc(Window, Msg, WParam, LParam);
    if (auto* header = dynamic_cast<THeaderControl*>(control)) {
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
    // A resize repaints the whole header: the part right of the last
    // column, and an AutoSize column, follow the width.
    windowClass.style = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WNDPROC(&HeaderProc);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = WC_HEADER;
    return RegisterClass(windowClass) != 0;
}
