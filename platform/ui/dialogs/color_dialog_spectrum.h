// The colour dialog's spectrum (hue across, saturation up, at middle
// luminance) and its luminance bar (luminance up, at the chosen hue and
// saturation). Pressing or dragging the mouse picks a value and fires
// OnChange; a cross-hair and an arrow mark the current values.
#pragma once

#include <memory>

#include "platform/ui/dialogs/color_dialog_hls.h"
#include "platform/ui/kernel/graphic_control.h"

class TBitmap;

// What the two share: values picked where the mouse is pressed or dragged.
class THlsPicker : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

    // The current values; setting them repaints and fires nothing.
    THls Value() const { return value_; }
    void SetValue(THls Value);

    TNotifyEvent OnChange;

protected:
    // Value with what a point of the client area picks.
    virtual THls PickAt(TPoint Point) const = 0;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

    THls value_{0, 0, HlsMax / 2};

private:
    void Pick(int X, int Y);
};

class TColorSpectrum : public THlsPicker {
public:
    explicit TColorSpectrum(TComponent* AOwner);
    ~TColorSpectrum() override;

protected:
    THls PickAt(TPoint Point) const override;
    void Paint() override;

private:
    // The spectrum at the control's size, made when first painted.
    std::unique_ptr<TBitmap> picture_;
};

class TLuminanceBar : public THlsPicker {
public:
    // The arrow beside the bar takes this much of the width.
    static constexpr int ArrowWidth = 8;
    using THlsPicker::THlsPicker;

protected:
    THls PickAt(TPoint Point) const override;
    void Paint() override;
};
