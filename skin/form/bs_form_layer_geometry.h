// Where the layered border of a skinned form lies and what its parts mean
// to the mouse: pure functions of the skin's LAYERFRAME description and
// the form's bounds, so that placing and hit-testing the four border
// windows is tested without any window.
#pragma once

#include "platform/base/geometry.h"

class TbsDataSkinLayerFrame;

// How far the border reaches outside the form on each side, and the sizes
// of the four sizing corners; all 0 when "borderrect" is empty.
struct TbsLayerMetrics {
    int LeftMargin = 0;
    int TopMargin = 0;
    int RightMargin = 0;
    int BottomMargin = 0;
    TSize LeftTop;
    TSize RightTop;
    TSize LeftBottom;
    TSize RightBottom;
};
TbsLayerMetrics CalcLayerMetrics(const TbsDataSkinLayerFrame& Frame);

// The rectangle the border goes around: the form's bounds moved by the
// skin's offsets, only "rollupformheight" high while rolled up.
TRect LayerFormRect(const TbsDataSkinLayerFrame& Frame, const TRect& FormBounds, bool RolledUp);

// The border's four windows for a border picture of PictureSize around
// FormRect (as LayerFormRect gives it). The outer rectangle holds them all;
// the top and bottom strips run its whole width, the sides between them.
// Every size is 0 or more: when the top strip alone is taller than the
// outer rectangle the bottom strip gets no height, and a side strip with
// no height is not shown.
struct TbsLayerPlacement {
    TRect Outer;
    TRect Top;
    TRect Bottom;
    TRect Left;
    TRect Right;
};
TbsLayerPlacement PlaceLayerBorder(const TbsDataSkinLayerFrame& Frame, TSize PictureSize, const TRect& FormRect);

// The border windows, in the order they are made.
enum class TbsLayerSide { Left, Right, Top, Bottom };

// The one of four things, one per side, that belongs to Side.
template <typename T>
T& OfSide(TbsLayerSide Side, T& Left, T& Right, T& Top, T& Bottom)
{
    switch (Side) {
    case TbsLayerSide::Left:
        return Left;
    case TbsLayerSide::Right:
        return Right;
    case TbsLayerSide::Top:
        return Top;
    case TbsLayerSide::Bottom:
        break;
    }
    return Bottom;
}

// The border's own hit zones.
enum TbsLayerZone {
    lzNone = 0,
    lzLeft = 1,
    lzTop = 2,
    lzRight = 3,
    lzBottom = 4,
    lzTopLeft = 5,
    lzTopRight = 6,
    lzBottomLeft = 7,
    lzBottomRight = 8,
    lzCaption = 9,
    lzCaptionObject = 10,
};

// What a hit test of a border window knows, in screen coordinates.
struct TbsLayerHitInput {
    TRect Form;         // the form's bounds
    TRect Window;       // the border window's bounds
    TbsLayerMetrics Metrics;
    int HitTestSize = 0;  // "hittestsize": how deep the top edge's zone reaches
    TRect Caption;        // the caption rectangle on the screen; empty without one
    bool CanSize = false;
};
// The sizing zone under P (zones 0 to 8); the caption objects (9 and 10)
// are the caller's, before this is asked.
TbsLayerZone LayerSizingZone(TbsLayerSide Side, TPoint P, const TbsLayerHitInput& In);

// The caption rectangle of the top window on the screen: LAYERFRAME's
// "captionrect" moved to the outer rectangle, its right edge moved with
// the border's width beyond the picture's.
TRect LayerCaptionRect(const TbsDataSkinLayerFrame& Frame, const TRect& Outer, int PictureWidth);

// A size dragged by Delta from Size, kept within Min..Max (a Max of 0 or
// less is no limit).
int DraggedSize(int Size, int Delta, int Min, int Max);
