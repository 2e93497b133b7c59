// TbsSkinStatusBar: the skinned status line, a panel along the bottom of
// its form whose size grip sizes the form. The skinned form frame hides the
// grip while the form is maximised (SetGripVisible).
#pragma once

#include "skin/controls/bs_skin_panel.h"

class TbsSkinStatusBar : public TbsSkinPanel {
public:
    explicit TbsSkinStatusBar(TComponent* AOwner);

    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool Value);
    bool GripVisible() const { return gripVisible_; }
    void SetGripVisible(bool Value);
    // The grip's place in the bar; meaningful while it is shown.
    TRect GripRect();

    // Every windowed skinned child (the status panels) follows.
    void SetSkinData(TbsSkinData* Value) override;

protected:
    void AdjustClientRect(TRect& Rect) override;
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void PaintSkinImage(TBitmap* Bitmap) override;
    void Dispatch(TMessage& Message) override;

private:
    bool GripShown() const { return sizeGrip_ && gripVisible_; }
    // The skin's grip picture applies.
    bool SkinGripper() const;
    void DrawGrip(TCanvas* Canvas);

    bool sizeGrip_ = false;
    bool gripVisible_ = true;
};
