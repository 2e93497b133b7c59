// ShowModal: the form shown with the other windows of the program
// disabled, and a message loop of its own until it has a modal result.
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/capture.h"
#include "platform/win/focus.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"

namespace {

// Disables every visible, enabled top-level window but Modal; answers them
// for EnableWindows.
std::vector<HWND> DisableWindows(HWND Modal)
{
    std::vector<HWND> disabled;
    EnumWindows(WNDENUMPROC::FromCallable([&](HWND Window, LPARAM) {
                    if (Window != Modal && IsWindowVisible(Window) && IsWindowEnabled(Window))
                        disabled.push_back(Window);
                    return true;
                }),
                0);
    for (HWND window : disabled)
        EnableWindow(window, false);
    return disabled;
}

void EnableWindows(const std::vector<HWND>& Windows)
{
    for (HWND window : Windows)
        if (IsWindow(window))
            EnableWindow(window, true);
}

}  // namespace

int TCustomForm::ShowModal()
{
    if (Visible() || !Enabled() || modal_ || formStyle_ == fsMDIChild)
        throw EInvalidOperation("Cannot make a visible window modal");
    if (HWND capture = GetCapture()) {
        SendMessage(capture, WM_CANCELMODE, 0, 0);
        ReleaseCapture();
    }
    TAlive alive(this);
    HWND previous = GetActiveWindow();
    std::vector<HWND> disabled = DisableWindows(HandleAllocated() ? Handle() : nullptr);
    modal_ = true;
    modalResult_ = mrNone;
    // While it runs, the window that opened the form owns it: the form
    // stays above its opener, a stay-on-top one included, and the desktop
    // treats it as the opener's dialog.
    const HWND window = Handle();
    const LONG_PTR owner = GetWindowLongPtr(window, GWLP_HWNDPARENT);
    const bool topmost = GetWindowLong(window, GWL_EXSTYLE) & WS_EX_TOPMOST;
    if (previous && previous != window)
        SetWindowLongPtr(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(previous));
    // Whatever happens, the other windows come back and the form leaves
    // its modal state; a form freed meanwhile is not touched again. A form
    // that went on top with its opener comes back down for the next time.
    auto finish = [&] {
        if (IsWindow(window)) {
            SetWindowLongPtr(window, GWLP_HWNDPARENT, owner);
            if (!topmost && (GetWindowLong(window, GWL_EXSTYLE) & WS_EX_TOPMOST))
                SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        EnableWindows(disabled);
        if (previous && IsWindow(previous))
            SetActiveWindow(previous);
        if (alive)
            modal_ = false;
    };
    try {
        Show();
        while (alive && modalResult_ == mrNone) {
            TModalRequest request{this, Caption(), {}, 0};
            int answer = mrNone;
            if (TModalAnswers::Take(request, answer)) {
                if (alive && answer != mrNone)
                    modalResult_ = answer;
            } else {
                Application->HandleMessage();
            }
            if (!alive)
                break;
            if (Application->Terminated())
                modalResult_ = mrCancel;
            if (modalResult_ != mrNone)
                CloseModal();
        }
        if (!alive) {
            finish();
            return mrCancel;
        }
        int result = modalResult_;
        Perform(CM_DEACTIVATE, 0, 0);
        if (alive)
            Hide();
        finish();
        return result;
    } catch (...) {
        if (alive)
            Hide();
        finish();
        throw;
    }
}

void TCustomForm::CloseModal()
{
    TAlive alive(this);
    TCloseAction action = caNone;
    if (CloseQuery() && alive) {
        action = caHide;
        DoClose(action);
    }
    if (!alive)
        return;
    if (action == caNone)
        modalResult_ = mrNone;
    else if (action == caFree)
        Release();
}
