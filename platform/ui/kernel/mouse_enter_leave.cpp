// CM_MOUSEENTER and CM_MOUSELEAVE. The windowed control that gets a mouse
// move finds the control really under the mouse (a window-less child
// included); when that changes, the old one hears CM_MOUSELEAVE and the
// new one CM_MOUSEENTER. While a control holds the capture, only it hears
// them, as the mouse leaves and comes back; the others hear of the mouse
// once the capture ends. The window under the mouse asks for
// WM_MOUSELEAVE, which tells when the mouse left the program. A mode that
// holds the mouse elsewhere (a menu loop) hides the moves and the leave
// from the controls: when it ends, the pointer is looked up again.
#include "platform/ui/kernel/control_internal.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/win_control.h"
#include "platform/win/cursor.h"
#include "platform/win/mouse_input.h"

namespace {

TControl* mouseControl = nullptr;  // heard CM_MOUSEENTER last, and no CM_MOUSELEAVE since
HWND trackedWindow = nullptr;      // asked for WM_MOUSELEAVE and not told yet

void TrackLeave(HWND Window)
{
    if (trackedWindow == Window)
        return;
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = Window;
    TrackMouseEvent(&track);
    trackedWindow = Window;
}

void ChangeMouseControl(TControl* Target)
{
    if (Target == mouseControl)
        return;
    TControl* capture = GetCaptureControl();
    if (mouseControl) {
        // Another control holds the mouse: this one stays as it is until
        // the capture ends.
        if (capture && mouseControl != capture)
            return;
        TControl* old = mouseControl;
        mouseControl = nullptr;
        if (!Target) {
            old->Perform(CM_MOUSELEAVE, 0, 0);
            return;
        }
        TControl::TAlive alive(Target);
        old->Perform(CM_MOUSELEAVE, 0, 0);
        // A leave handler may have freed Target, or the mouse moved on.
        if (!alive || mouseControl)
            return;
    }
    if (Target && (!capture || Target == capture)) {
        mouseControl = Target;
        Target->Perform(CM_MOUSEENTER, 0, 0);
    }
}

}  // namespace

void MouseMovedOver(TWinControl* Window, TPoint Screen)
{
    TrackLeave(Window->Handle());
    ChangeMouseControl(FindDragTarget(Screen, false));
}

void MouseLeftWindow(TWinControl* Window)
{
    HWND handle = Window->Handle();
    if (trackedWindow == handle)
        trackedWindow = nullptr;
    TPoint point;
    GetCursorPos(&point);
    TControl* target = FindDragTarget(point, false);
    // The cursor still seems to be over the window or a window-less child
    // of it: the mouse left the program from there.
    if (target == Window || (target && target->Parent() == Window && !dynamic_cast<TWinControl*>(target)))
        target = nullptr;
    ChangeMouseControl(target);
}

void CheckMouseControl()
{
    TPoint point;
    GetCursorPos(&point);
    TControl* target = FindDragTarget(point, false);
    if (target) {
        // The window under the pointer tells when the mouse leaves it.
        auto* window = dynamic_cast<TWinControl*>(target);
        if (!window)
            window = target->Parent();
        if (window && window->HandleAllocated())
            TrackLeave(window->Handle());
    }
    ChangeMouseControl(target);
}

void ForgetMouseControl(TControl* Control)
{
    if (mouseControl == Control)
        mouseControl = nullptr;
}
