// The drag manager. A drag holds the mouse capture on the dragged
// control's window (its parent's for a window-less control) and runs over
// the message loop: moves find the control under the mouse and ask it
// through CM_DRAG whether it accepts the control (the cursor shows the
// answer), the left button's release drops, Escape, the right button or a
// lost capture cancel. Until the mouse has moved the threshold away, a
// drag that did not start at once is only waiting.
#include <cstdlib>

#include "platform/ui/kernel/control_internal.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/win_control.h"
#include "platform/win/capture.h"
#include "platform/win/cursor.h"
#include "platform/win/message_queue.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_coords.h"

namespace {

constexpr int DefaultDragThreshold = 5;

struct TDrag {
    TControl* Control = nullptr;  // being dragged; nullptr when no drag runs
    TControl* Target = nullptr;   // under the mouse, told dmDragEnter and not yet dmDragLeave
    bool Active = false;          // the mouse went past the threshold
    TPoint StartPos;
    TPoint Pos;  // where the mouse is, on the screen
    int Threshold = DefaultDragThreshold;
    HWND CaptureWindow = nullptr;
    HCURSOR SavedCursor = nullptr;
};

TDrag drag;

// Asks the target, answering whether it accepts the dragged control.
bool DragOverTarget(TDragMessage Message)
{
    if (!drag.Target)
        return false;
    TDragRec rec{drag.Pos, drag.Control, drag.Target};
    return drag.Target->Perform(CM_DRAG, Message, reinterpret_cast<LPARAM>(&rec)) != 0;
}

void DragTo(TPoint Pos)
{
    drag.Pos = Pos;
    if (!drag.Active) {
        if (std::abs(Pos.X - drag.StartPos.X) < drag.Threshold && std::abs(Pos.Y - drag.StartPos.Y) < drag.Threshold)
            return;
        drag.Active = true;
    }
    TControl* target = FindDragTarget(Pos, false);
    if (target != drag.Target) {
        DragOverTarget(dmDragLeave);
        if (!drag.Control)
            return;
        drag.Target = target;
        DragOverTarget(dmDragEnter);
        if (!drag.Control)
            return;
    }
    bool accepted = DragOverTarget(dmDragMove);
    if (drag.Control)
        SetCursor(CursorHandle(accepted ? drag.Control->DragCursor() : crNoDrop));
}

}  // namespace

void DragDone(bool Drop)
{
    TControl* source = drag.Control;
    bool accepted = drag.Active && DragOverTarget(dmDragLeave) && Drop;
    if (drag.Control != source)
        return;
    TControl* target = drag.Target;
    TPoint pos = drag.Pos;
    HWND captured = drag.CaptureWindow;
    HCURSOR saved = drag.SavedCursor;
    drag = TDrag();
    if (GetCapture() == captured)
        ReleaseCapture();
    SetCursor(saved);
    TControl::TAlive sourceAlive(source);
    TPoint local;
    if (accepted && target) {
        local = target->ScreenToClient(pos);
        TDragRec rec{pos, source, target};
        target->Perform(CM_DRAG, dmDragDrop, reinterpret_cast<LPARAM>(&rec));
    }
    if (sourceAlive)
        source->DoEndDrag(accepted ? target : nullptr, local.X, local.Y);
}

void TControl::BeginDrag(bool Immediate, int Threshold)
{
    if (drag.Control)
        return;
    auto* window = dynamic_cast<TWinControl*>(this);
    if (!window)
        window = parent_;
    if (!window)
        return;
    TAlive alive(this);
    DoStartDrag();
    if (!alive || drag.Control)
        return;
    drag.Control = this;
    drag.Threshold = Threshold < 0 ? DefaultDragThreshold : Threshold;
    // Where the press was, not where the mouse went while it waited in the queue.
    DWORD pressedAt = GetMessagePos();
    drag.StartPos = {GET_X_LPARAM(pressedAt), GET_Y_LPARAM(pressedAt)};
    drag.Pos = drag.StartPos;
    drag.SavedCursor = GetCursor();
    drag.CaptureWindow = window->Handle();
    SetCapture(drag.CaptureWindow);
    if (Immediate)
        drag.Active = true;
    DragTo(drag.StartPos);
}

bool TControl::Dragging() const
{
    return drag.Control == this;
}

void TControl::EndDrag(bool Drop)
{
    if (Dragging())
        DragDone(Drop);
}

bool DragMessage(TWinControl* Window, TMessage& Message)
{
    if (!drag.Control)
        return false;
    switch (Message.Msg) {
    case WM_MOUSEMOVE: {
        if (!Window->HandleAllocated() || Window->Handle() != drag.CaptureWindow)
            return false;
        TPoint screen = TWMMouse(Message).Pos();
        ClientToScreen(drag.CaptureWindow, &screen);
        DragTo(screen);
        return true;
    }
    case WM_LBUTTONUP:
        DragDone(true);
        return true;
    case WM_RBUTTONDOWN:
        DragDone(false);
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return true;
    case WM_CAPTURECHANGED:
        if (Window->HandleAllocated() && Window->Handle() == drag.CaptureWindow)
            DragDone(false);
        return false;
    case WM_KEYDOWN:
    case WM_KEYUP:
        // Escape cancels; the modifiers may change what the target accepts.
        if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_ESCAPE)
            DragDone(false);
        else if (Message.WParam == VK_CONTROL || Message.WParam == VK_SHIFT)
            DragTo(drag.Pos);
        return true;
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
        return true;
    default:
        return false;
    }
}

void ForgetDragControl(TControl* Control)
{
    if (drag.Target == Control)
        drag.Target = nullptr;
    if (drag.Control != Control)
        return;
    HWND captured = drag.CaptureWindow;
    HCURSOR saved = drag.SavedCursor;
    drag = TDrag();
    if (GetCapture() == captured)
        ReleaseCapture();
    SetCursor(saved);
}
