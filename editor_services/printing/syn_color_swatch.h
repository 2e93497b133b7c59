// TSynColorSwatch: a clickable colour sample of the page setup dialog that
// the keyboard reaches too: it is a tab stop, shows a focus frame, and
// Space clicks it.
#pragma once

#include "platform/ui/kernel/custom_control.h"

class TSynColorSwatch : public TCustomControl {
public:
    explicit TSynColorSwatch(TComponent* AOwner);

    // Draws the sample on Canvas; the focus frame goes over it.
    TNotifyEvent OnPaint;

protected:
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
};
