// A window class for a control that keeps its state in the view bound to
// the window: the procedure hands every message to that view.
#pragma once

#include "platform/ui/kernel/win_control.h"
#include "platform/win/window_proc.h"

// Gives the message to the View bound to Window, and what that view leaves
// (or a window bound to no such view) to DefWindowProc.
template <class View>
LRESULT BoundViewProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (auto* view = dynamic_cast<View*>(FindControl(Window))) {
        TMessage message;
        message.Msg = Msg;
        message.WParam = WParam;
        message.LParam = LParam;
        if (view->WindowMessage(message))
            return message.Result;
    }
    return DefWindowProc(Window, Msg, WParam, LParam);
}

// Registers ClassName on first use as a global class that takes double
// clicks and shows the arrow; true when it is there.
bool RegisterBoundViewClass(const char* ClassName, WNDPROC Proc);
