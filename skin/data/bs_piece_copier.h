// Copying, stretching and tiling pieces of a skin picture onto a target
// bitmap's canvas: the moves every nine-part image and mask is made of.
#pragma once

#include "platform/base/geometry.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"

class TbsPieceCopier {
public:
    // Source rectangles are relative to Origin on Source's canvas; targets
    // are on Target. Both bitmaps must be non-empty.
    TbsPieceCopier(TBitmap* Target, TBitmap* Source, TPoint Origin);

    // A canvas copy, scaled when the sizes differ. A piece that is empty on
    // either side is skipped.
    void Copy(const TRect& From, const TRect& To) const;
    // Nearest-neighbour scaling both ways, also when shrinking.
    void Stretch(const TRect& From, const TRect& To) const;
    // Whole copies of From from To's left (top) side onwards, the last one cut
    // at To's far side; across the other axis each copy is scaled to To.
    void TileAcross(const TRect& From, const TRect& To) const;
    void TileDown(const TRect& From, const TRect& To) const;
    // Rows of tiles, each row tiled across.
    void TileBoth(const TRect& From, const TRect& To) const;

    void FillAcross(bool Stretched, const TRect& From, const TRect& To) const
    {
        Stretched ? Stretch(From, To) : TileAcross(From, To);
    }
    void FillDown(bool Stretched, const TRect& From, const TRect& To) const
    {
        Stretched ? Stretch(From, To) : TileDown(From, To);
    }

private:
    TCanvas* target_;
    TCanvas* source_;
    TPoint origin_;
    // The target bitmap's size: tiles wholly outside it are never laid, so a
    // huge span from a broken skin costs no more than the bitmap.
    int targetWidth_;
    int targetHeight_;
};

// A vertical border strip of W x H cut from the source columns
// SrcLeft..SrcRight: the middle rows MidTop..MidBottom fill it (stretched
// into the place between the fixed pieces, or tiled from its top), then the
// rows ClTop..MidTop go to its top and MidBottom..ClBottom to its bottom.
// Nothing happens when W or H is not positive.
void DrawSideStrip(TBitmap* Strip, int W, int H, TBitmap* Source, TPoint Origin, int SrcLeft, int SrcRight, int MidTop,
                   int MidBottom, int ClTop, int ClBottom, bool Stretched);
