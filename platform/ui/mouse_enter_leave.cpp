// CM_MOUSEENTER and CM_MOUSELEAVE. The windowed control that gets a mouse
// move finds the control really under the mouse (a window-less child
// included); when that changes, the old one hears CM_MOUSELEAVE and the
// new one CM_MOUSEENTER. While a control holds the capture, only it hears
// them, as the mouse leaves and comes back. The window under the mouse
// asks for WM_MOUSELEAVE, which tells when the mouse left the program.
#include "platform/ui/control_internal.h"
#include "platform/ui/controls_messages.h"
#include "platform/ui/win_control.h"
#include "platform/win/cursor.h"
#include "platform/win/mouse_input.h"

namespace {

TControl* mouseControl = nullptr;  // the control the last CM_MOUSEENTER went to, or would have
HWND trackedWindow = nullptr;      // asked for WM_MOUSELEAVE and not told yet

void ChangeMouseControl(TControl* Target)
{
    if (Target == mouseControl)
        return;
    TControl* capture = GetCaptureControl();
    TControl* old = mouseControl;
    mouseControl = Target;
    if (old && (!capture || old == capture))
        old->Perform(CM_MOUSELEAVE, 0, 0);
    // A leave handler may have freed Target (which clears mouseControl) or
    // moved on to another control.
    if (Target && mouseControl == Target && (!capture || Target == capture))
        Target->Perform(CM_MOUSEENTER, 0, 0);
}

}  // namespace

void MouseMovedOver(TWinControl* Window, TPoint Screen)
{
    HWND handle = Window->Handle();
    if (trackedWindow != handle) {
        TRACKMOUSEEVENT track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = handle;
        TrackMouseEvent(&track);
        trackedWindow = handle;
    }
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

void ForgetMouseControl(TControl* Control)
{
    if (mouseControl == Control)
        mouseControl = nullptr;
}
