// TGraphicControl: a control without a window of its own. It lives on its
// parent's window: the parent paints it (Paint draws on Canvas, clipped to
// the control) and routes the mouse messages over it to it.
#pragma once

#include <memory>

#include "platform/ui/kernel/control.h"
#include "platform/ui/kernel/control_canvas.h"

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    TCanvas* Canvas() const { return canvas_.get(); }

protected:
    // Draws the control on Canvas; the base draws nothing.
    virtual void Paint() {}
    void Dispatch(TMessage& Message) override;

private:
    std::unique_ptr<TControlCanvas> canvas_;
};
