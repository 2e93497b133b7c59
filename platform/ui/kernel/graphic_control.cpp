#include "platform/ui/kernel/graphic_control.h"

#include "platform/win/win_messages.h"

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), canvas_(std::make_unique<TControlCanvas>())
{
    canvas_->SetControl(this);
}

TGraphicControl::~TGraphicControl()
{
    if (GetCaptureControl() == this)
        SetCaptureControl(nullptr);
}

void TGraphicControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT: {
        // Only the parent paints a window-less control, into the DC it passes.
        auto dc = reinterpret_cast<HDC>(Message.WParam);
        if (!dc)
            return;
        TCanvasPaintScope scope(this, canvas_.get(), dc);
        Paint();
        return;
    }
    case WM_WINDOWPOSCHANGED:
        // The canvas's DC has the old origin and clip.
        canvas_->FreeHandle();
        TControl::Dispatch(Message);
        return;
    default:
        TControl::Dispatch(Message);
        return;
    }
}
