// A form's main menu bar: the frame messages it takes and the keys that
// reach it.
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menu_bar.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"

namespace {

// Has the form's frame laid out again, bar included.
void RecalcFrame(HWND Window)
{
    SetWindowPos(Window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void TCustomForm::UpdateMenuBar()
{
    // A multiple-document child's menu joins its parent's bar instead.
    bool wanted = menu_ && !Parent() && formStyle_ != fsMDIChild;
    if (wanted == (menuBar_ != nullptr) && (!menuBar_ || menuBar_->Menu() == menu_))
        return;
    menuBar_.reset(wanted ? new TMenuBar(this, menu_) : nullptr);
    if (HandleAllocated())
        RecalcFrame(Handle());
}

bool TCustomForm::MenuBarMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCCALCSIZE: {
        TRect* client = Message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                                       : reinterpret_cast<TRect*>(Message.LParam);
        TRect window = *client;
        TWinControl::Dispatch(Message);
        menuBar_->CalcSize(window, *client);
        return true;
    }
    case WM_NCPAINT: {
        TAlive alive(this);
        TWinControl::Dispatch(Message);
        if (alive && menuBar_)
            menuBar_->Paint();
        return true;
    }
    case WM_NCHITTEST:
        TWinControl::Dispatch(Message);
        if (Message.Result != HTCLIENT && menuBar_ && menuBar_->Contains(TWMNCHitTest(Message).Pos()))
            Message.Result = HTMENU;
        return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (Message.WParam != HTMENU)
            return false;
        menuBar_->MouseDown(TWMNCHitTest(Message).Pos());
        return true;
    case WM_SYSCOMMAND:
        // Alt+Space is the window's own menu, not the bar's.
        if ((Message.WParam & 0xFFF0) != SC_KEYMENU || Message.LParam == ' ')
            return false;
        return menuBar_->KeyMenu(static_cast<char>(Message.LParam));
    case CM_MENUCHANGED:
        if (!HandleAllocated())
            return true;
        if (Message.WParam)
            RecalcFrame(Handle());
        else
            menuBar_->Invalidate();
        return true;
    default:
        return false;
    }
}
