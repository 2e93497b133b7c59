// How activation, the focus, the capture and the caret follow windows
// that move, hide, are disabled or go away.
#include "platform/win/input_internal.h"

namespace {

class TInputObserver : public TWindowObserver {
public:
    void WindowPosChanged(TWindow& Window, const TWindowPosChange& Change) override
    {
        FocusWindowPosChanged(Window, Change);
    }
    void WindowActivationRequested(TWindow& Window) override { FocusActivationRequested(Window); }
    void WindowEnabledChanged(TWindow& Window, bool Enabled) override
    {
        if (Enabled)
            return;
        HWND handle = Window.Handle;
        FocusWindowDisabled(Window);
        if (TWindow* window = WindowOf(handle))
            CaptureWindowGone(*window);
    }
    void WindowDestroying(TWindow& Window) override
    {
        HWND handle = Window.Handle;
        CaretWindowDestroying(Window);
        if (TWindow* window = WindowOf(handle))
            CaptureWindowGone(*window);
        if (TWindow* window = WindowOf(handle))
            FocusWindowDestroying(*window);
    }
};

}  // namespace

TWindowObserver& InputObserver()
{
    static TInputObserver observer;
    return observer;
}
