// TbsSkinSpeedButton: the window-less tool button, drawn from the "toolbutton"
// description (or a plain look without one). It clicks plainly, repeats
// while held (RepeatMode), toggles (CheckedMode) or latches in a group
// (GroupIndex); a Flat one is transparent until the mouse is over it; it
// cross-fades between its normal and hot images and plays the skin's hover
// frames. Its face is a glyph strip or an image-list image beside the
// caption; on a parent that lends images (the tool bar) a button without a
// glyph shows the parent's.
#pragma once

#include "skin/controls/bs_button_control.h"

class TbsSkinSpeedButton : public TbsButtonControl<TbsGraphicSkinCustomControl> {
public:
    explicit TbsSkinSpeedButton(TComponent* AOwner);

    int WidthWithCaption = 0;
    int WidthWithoutCaption = 0;
    // Transparent draws no background of its own in the normal state.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);
    // Transparent until the mouse is over it or it is down.
    bool Flat() const { return flat_; }
    void SetFlat(bool Value);
    // Both widths at least 1: the width follows the caption shown.
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool Value);
    // The down look whatever else holds (a menu button's open menu).
    bool ForceDownLook = false;

    void ChangeSkinData() override;

protected:
    void Loaded() override;
    void Paint() override;
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Dispatch(TMessage& Message) override;
    // Sets Transparent without its repaint.
    void InternalSetTransparent(bool Value);

    void DownChanged() override;
    TbsMarkerFallback MarkerFallback() const override { return TbsMarkerFallback::Speed; }
    bool MorphAllowed() const override { return !transparent_; }
    void DrawFace(TCanvas* Canvas, const TRect& CaptionRect, bool ADown, bool AMouseIn) override;

private:
    bool MachineHotTarget() override { return machine_.MouseIn; }

    void StartMorphOrRepaint();
    void MouseEnter();
    void MouseLeave();
    bool DialogChar(TMessage& Message);

    void PaintSkinned();
    void PaintPlain();
    // The face only, straight on the canvas: the transparent look.
    void PaintTransparentFace(const TRect& CaptionRect, TColor Color);
    void DrawFaceOf(TCanvas* Canvas, const TRect& CaptionRect, bool ADown, bool AMouseIn, bool TransparentPath);

    bool settingTransparent_ = false;
    bool transparent_ = false;
    bool flat_ = false;
    bool showCaption_ = true;
};
