// The caption object of the skinned frame, as far as the frame's layout and
// hit test know it: where the caption lies (hit code 2, the edges the
// caption buttons move) and its mouse events. It takes no fade and no glow
// layer on hover.
#pragma once

#include "skin/form/bs_active_skin_object.h"

class TbsSkinCaptionObject : public TbsActiveSkinObject {
public:
    // AData: a TbsDataSkinCaption.
    TbsSkinCaptionObject(TbsSkinForm* AParent, TbsDataSkinObject* AData);

    void MouseEnter() override;
    void MouseLeave() override;
    // The caption follows the form's activation, not the mouse.
    void ResetState() override {}

    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseMove(int X, int Y) override;

    // The text area in object coordinates for the caption's present width:
    // right of the quick buttons and inside the text frame.
    TRect CalcTextRect() const;
    // Places the visible quick buttons (window coordinates), after the
    // divider when the form shows one.
    void LayoutQuickButtons();
    // The visible quick button at (X, Y) (window coordinates), or -1.
    int QuickButtonAt(int X, int Y);
    // The frame painted again for a changed button look.
    void RedrawButtons();

    TRect TextRect;  // inside SkinRect, in skin-rect coordinates
    TRect FrameRect;
    TRect FrameTextRect;
    TRect DividerRect;
    TRect InActiveDividerRect;
    int ActiveQuickButton = -1;
    int OldActiveQuickButton = -1;
    int PressedQuickButton = -1;
    int MenuQuickButton = -1;

private:
    // The form has quick buttons and images for them.
    bool HasQuickButtons() const;
    // The divider picture's rect in the present state; empty without one.
    TRect DividerSource() const;
    // Points ActiveQuickButton and the hot flags at the button under (X, Y)
    // and repaints when either changed.
    void TrackQuickButtons(int X, int Y);
};
