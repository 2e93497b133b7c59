// The nine-part image of a skinned control, shared by the windowed and the
// window-less bases: what the control copies out of a nine-part description,
// the resize mode that follows from it, the layout at the control's size,
// the image at that size and the window region from the skin mask.
//
// Points and rectangles of the description are in the coordinates of
// SkinRect (its top-left is 0, 0); SkinRect itself is in the picture's.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"
#include "platform/ui/graphics/bitmap.h"
#include "skin/data/bs_nine_part.h"

class TbsSkinData;
class TbsDataSkinControl;

// Resize modes: how the control's size follows the skin image.
enum : int {
    rmEmpty = -1,     // SkinRect is empty: nothing is drawn
    rmFixed = 0,      // the control always has SkinRect's size
    rmNinePart = 1,   // all four corners kept, both ways sized
    rmHorizontal = 2, // left and right parts kept; the height is SkinRect's
    rmVertical = 3,   // top and bottom parts kept; the width is SkinRect's
};

struct TbsSkinCustomImage {
    TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
    TRect SkinRect;
    TRect SkinClientRect;
    // The corner points and client part at the current size (LayOut).
    TPoint NewLeftTopPoint, NewRightTopPoint, NewLeftBottomPoint, NewRightBottomPoint;
    TRect NewClientRect;
    // Pictures of the skin data's ActivePictures, not owned; nullptr when
    // the description names none, names one past the list or is not of the
    // nine-part family.
    TBitmap* Picture = nullptr;
    TBitmap* MaskPicture = nullptr;
    int ResizeMode = rmFixed;
    bool StretchEffect = false;
    TbsStretchType StretchType = stfull;
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;

    // Copies Description (of Data's ControlList) when it is of the nine-part
    // family and picks its pictures; any other class leaves no pictures and
    // mode 0, copying nothing else.
    void TakeDescription(const TbsDataSkinControl* Description, const TbsSkinData& Data);
    // From the corner points, in this order: -1 for an empty SkinRect, 1
    // when both coordinates of RightBottomPoint are set, 2 when one of
    // RightTopPoint is, 3 when one of LeftBottomPoint is, else 0.
    int GetResizeMode() const;
    // The size a control asked to be W x H takes, and the New points for it.
    // Without a description (HasDescription false) nothing changes.
    void LayOut(int& W, int& H, bool HasDescription);
    // Draws ARect of APicture into B at W x H by the resize mode; the fixed
    // parts are measured on SkinRect whatever ARect is. Mode 1 draws nothing
    // when FrameStrips is set (the frame is then painted in strips). Nothing
    // is drawn without APicture.
    void DrawImage(TBitmap* B, TBitmap* APicture, const TRect& ARect, int W, int H, bool FrameStrips) const;
    // R, a place in SkinRect, moved and sized to the control at W x H.
    TRect MapToSize(const TRect& R, int W, int H) const;
    // The region of MaskPicture laid out at W x H (after LayOut at that
    // size); 0 without a mask, in mode -1, or when the mask does not fit.
    HRGN CreateRegion(int W, int H) const;
};
