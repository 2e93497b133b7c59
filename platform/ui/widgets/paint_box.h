// TPaintBox: a window-less area whose owner draws it in OnPaint, on Canvas.
#pragma once

#include "platform/ui/kernel/graphic_control.h"

class TPaintBox : public TGraphicControl {
public:
    explicit TPaintBox(TComponent* AOwner);

    TNotifyEvent OnPaint;

protected:
    // The canvas starts with the control's font and colour.
    void Paint() override;
};
