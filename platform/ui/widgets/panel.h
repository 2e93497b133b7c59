// TPanel: a plain container with an outer and an inner bevel, a border
// between them and a caption drawn in the middle (by Alignment).
#pragma once

#include "platform/base/alignment.h"
#include "platform/ui/kernel/custom_control.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
using TPanelBevel = TBevelCut;

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);

    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel Value);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel Value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value);
    // Plain space between the outer and the inner bevel.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);

protected:
    // Inside the bevels and the border.
    void AdjustClientRect(TRect& Rect) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    // What the bevels and the border take on each side.
    int FrameWidth() const;
    // Realigns the children and repaints after the frame changed.
    void FrameChanged();

    TPanelBevel bevelOuter_ = bvRaised;
    TPanelBevel bevelInner_ = bvNone;
    int bevelWidth_ = 1;   // at least 1
    int borderWidth_ = 0;  // at least 0
    TAlignment alignment_ = taCenter;
};
