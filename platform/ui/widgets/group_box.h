// TGroupBox: a frame with a caption around a group of controls. Its
// accelerator focuses the first control inside it.
#pragma once

#include "platform/ui/kernel/custom_control.h"

class TGroupBox : public TCustomControl {
public:
    explicit TGroupBox(TComponent* AOwner);

protected:
    // Inside the frame and below the caption.
    void AdjustClientRect(TRect& Rect) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
};
