#include "platform/ui/kernel/custom_control.h"

#include "platform/win/win_messages.h"

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), canvas_(std::make_unique<TControlCanvas>())
{
    canvas_->SetControl(this);
}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC DC)
{
    TCanvasPaintScope scope(this, canvas_.get(), DC);
    Paint();
}

void TCustomControl::Dispatch(TMessage& Message)
{
    if (Message.Msg != WM_PAINT) {
        TWinControl::Dispatch(Message);
        return;
    }
    // Painting goes through PaintHandler even without children, so that
    // PaintWindow (and Paint) runs.
    TAlive alive(this);
    SetControlState(TControlState(ControlState()).Include(csCustomPaint));
    TWinControl::Dispatch(Message);
    if (alive)
        SetControlState(TControlState(ControlState()).Exclude(csCustomPaint));
}
