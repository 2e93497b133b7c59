// Mouse capture.
#include "platform/win/capture.h"

#include "platform/win/input_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_tree.h"

namespace {

LRESULT DefCancelMode(HWND window, UINT, WPARAM, LPARAM)
{
    if (InputState().Capture == window)
        ReleaseCapture();
    return 0;
}

}  // namespace

HWND SetCapture(HWND Window)
{
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop())
        return nullptr;
    TInputState& input = InputState();
    HWND previous = input.Capture;
    if (previous == Window)
        return previous;
    input.Capture = Window;
    if (WindowOf(previous))
        SendMessage(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(Window));
    return previous;
}

bool ReleaseCapture()
{
    TInputState& input = InputState();
    HWND previous = input.Capture;
    input.Capture = nullptr;
    if (WindowOf(previous))
        SendMessage(previous, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HWND GetCapture()
{
    return InputState().Capture;
}

void CaptureWindowGone(TWindow& Window)
{
    HWND capture = InputState().Capture;
    if (capture && (capture == Window.Handle || IsChild(Window.Handle, capture)))
        ReleaseCapture();
}

void InstallCaptureHandlers()
{
    SetDefWindowProcHandler(WM_CANCELMODE, DefCancelMode);
}
