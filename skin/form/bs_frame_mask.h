// The skin mask stretched to a frame of W x H: four border strips around
// the mask area, from which both the window region and the sizing test's
// "inside the mask" are taken, so the two always agree.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"
#include "platform/ui/graphics/bitmap.h"

struct TbsFormInfo;
struct TbsFrameMetrics;

class TbsFrameMask {
public:
    // Stretches Mask (the skin's mask picture, PW x PH like the frame
    // picture) to the frame of Metrics, W x H. An empty mask empties the
    // strips: then every point of the window counts as inside.
    void Build(const TbsFormInfo& Info, const TbsFrameMetrics& Metrics, TBitmap* Mask, int W, int H);
    void Clear();
    bool Empty() const { return empty_; }

    // A black pixel of a strip, or a point of the mask area. A point outside
    // every strip and outside the mask area is outside, wherever it lies.
    bool Contains(TPoint P) const;
    // The window region: the mask area joined with each strip's black
    // pixels; the caller owns it. 0 when the mask is empty.
    HRGN CreateRegion() const;

    TBitmap* TopStrip() { return &top_; }
    TBitmap* BottomStrip() { return &bottom_; }
    TBitmap* LeftStrip() { return &left_; }
    TBitmap* RightStrip() { return &right_; }

private:
    // One strip's black pixels, row by row; Origin is its top-left in the
    // window. Inside holds Width * Height entries.
    struct TStripBits {
        TPoint Origin;
        int Width = 0;
        int Height = 0;
        std::vector<uint8_t> Inside;
        bool Contains(TPoint P) const;
    };
    static TStripBits Bits(TBitmap* Strip, TPoint Origin);

    bool empty_ = true;
    TRect maskArea_;  // window coordinates
    TBitmap top_, bottom_, left_, right_;
    TStripBits bits_[4];  // top, bottom, left, right
};
