// What the files of the controls share: the references the input
// trackers keep to controls, and their entries for TWinControl.
#pragma once

#include "platform/base/geometry.h"
#include "platform/ui/kernel/message_records.h"

class TControl;
class TWinControl;

// A control is going away: every tracker drops it.
void ForgetCaptureControl(TControl* Control);
void ForgetMouseControl(TControl* Control);
void ForgetDragControl(TControl* Control);

// CM_MOUSEENTER / CM_MOUSELEAVE: the mouse moved over Window (a screen
// point), or left it.
void MouseMovedOver(TWinControl* Window, TPoint Screen);
void MouseLeftWindow(TWinControl* Window);
// Something that held the mouse let go of it (a menu loop, a button's
// press): the controls hear of where the pointer is now.
void CheckMouseControl();

// While a drag runs, the mouse and key messages serve it: answers true for
// a message the drag took.
bool DragMessage(TWinControl* Window, TMessage& Message);
// Ends the drag that runs: dropped on the control under the mouse if it
// accepts, or cancelled; then the dragged control's OnEndDrag.
void DragDone(bool Drop);

// The device contexts control canvases hold on a window that goes away.
void FreeDeviceContext(HWND Window);

// Binds a window to its control for FindControl (nullptr unbinds).
void BindControlWindow(HWND Window, TWinControl* Control);
