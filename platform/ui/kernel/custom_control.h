// TCustomControl: a windowed control that paints itself. Paint draws on
// Canvas, which holds the paint DC while WM_PAINT runs and a DC of the
// window at other times.
#pragma once

#include <memory>

#include "platform/ui/kernel/control_canvas.h"
#include "platform/ui/kernel/win_control.h"

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    TCanvas* Canvas() const { return canvas_.get(); }

protected:
    // Draws the control on Canvas; the base draws nothing.
    virtual void Paint() {}
    void PaintWindow(HDC DC) override;
    void Dispatch(TMessage& Message) override;

private:
    std::unique_ptr<TControlCanvas> canvas_;
};
