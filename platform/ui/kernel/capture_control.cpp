// The mouse capture of controls. A window-less control captures the mouse
// through its parent's window and is remembered here, so that the parent
// routes the captured messages to it.
#include "platform/ui/kernel/control.h"
#include "platform/ui/kernel/control_internal.h"
#include "platform/ui/kernel/win_control.h"
#include "platform/win/capture.h"

namespace {

TControl* captureControl = nullptr;  // window-less, and its parent's window held the capture when set

}  // namespace

TControl* GetCaptureControl()
{
    TControl* control = FindControl(GetCapture());
    if (control && captureControl && captureControl->Parent() == control)
        return captureControl;
    return control;
}

void SetCaptureControl(TControl* Control)
{
    ReleaseCapture();
    captureControl = nullptr;
    if (!Control)
        return;
    auto* window = dynamic_cast<TWinControl*>(Control);
    if (!window) {
        window = Control->Parent();
        if (!window)
            return;
        captureControl = Control;
    }
    SetCapture(window->Handle());
}

void ForgetCaptureControl(TControl* Control)
{
    if (captureControl == Control)
        captureControl = nullptr;
}
