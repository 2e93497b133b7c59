// TbsSkinMenuSpeedButton: a skinned speed button that drops a skinned popup
// menu below itself, from the whole button or (TrackButtonMode) only from
// its track area: a 15-pixel strip at its right (or, NewStyle, bottom)
// edge, or on its own "toolmenubutton" skin the skin's track rectangle.
// While the menu is open it looks pressed (ForceDownLook); the menu's
// closing (1228) releases it.
#pragma once

#include "skin/controls/bs_menu_button_control.h"

enum TbsTrackPosition { bstpRight, bstpBottom };

extern template class TbsMenuButtonControl<TbsSkinSpeedButton>;

class TbsSkinMenuSpeedButton : public TbsMenuButtonControl<TbsSkinSpeedButton> {
public:
    explicit TbsSkinMenuSpeedButton(TComponent* AOwner);

    // The resizable look; setting it on names "resizetoolbutton" (read at
    // the next look-up).
    bool NewStyle() const { return newStyle_; }
    void SetNewStyle(bool Value);
    TbsTrackPosition TrackPosition() const { return trackPosition_; }
    void SetTrackPosition(TbsTrackPosition Value);
    // An arrow of ArrowKind (DrawArrowImage's kinds) in place of the menu
    // marker.
    bool UseArrowImage = false;
    int ArrowKind = 4;

protected:
    // ForceDownLook ends, the button comes up, then OnHideTrackMenu.
    void MenuClosed() override;
    void Paint() override;
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Dispatch(TMessage& Message) override;
    bool StripAtBottom() const override { return newStyle_ && trackPosition_ == bstpBottom; }
    // A flat button that is not transparent becomes so, without a repaint.
    void BeforeDrop() override;
    // NewStyle on "resizetoolbutton": the whole button in one piece, but
    // while hot or open in TrackButtonMode the strip takes the skin's
    // "vtracktoolbutton" (right) or "htracktoolbutton" (bottom) when it
    // has one.
    void DrawToolImage(TBitmap* B, TbsMenuLook Look, bool Flat) override;

private:
    TbsMenuLook Look();
    // Only the face and the marker, over what is behind the button.
    void PaintTransparent();

    bool newStyle_ = false;
    TbsTrackPosition trackPosition_ = bstpRight;
};
