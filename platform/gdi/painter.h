// The pixel end of every drawing call: a painter takes a DC's surface and
// clip once and paints spans, rectangles and regions in surface units
// through a raster operation. The drawing calls (and the text output of
// the fonts code) map their coordinates and build their shapes, then hand
// them to a painter.
#pragma once

#include <vector>

#include "platform/gdi/device_context.h"
#include "platform/gdi/pen_brush.h"

// A brush resolved for one surface: solid colour, pattern or nothing.
struct TBrushFill {
    bool Null = true;
    bool Solid = false;
    uint32_t Pixel = 0;
    const TGdiBrush* Pattern = nullptr;
    uint32_t Fore = 0;  // monochrome pattern bits 0 and 1
    uint32_t Back = 0;
    bool MonoTarget = false;
    TPoint Origin;  // the surface point where the pattern starts

    // The brush's pixels for Count pixels of surface row Y from column X.
    void Row(int X, int Y, int Count, uint32_t* Out) const;
};

class TPainter {
public:
    explicit TPainter(TDeviceContext& DC);

    TDeviceContext& DC() { return dc_; }
    const TDeviceContext& DC() const { return dc_; }
    const TSurface& Surface() const { return surface_; }
    const TRegion& Clip() const { return clip_; }
    // False when nothing can land: no pixels, or everything clipped away.
    bool CanDraw() const { return surface_.IsValid() && !clip_.IsEmpty(); }

    // A colour as a pixel of this surface (black or white on monochrome).
    uint32_t MapColor(COLORREF Color) const;
    // A brush for this surface, with the DC's colours and brush origin.
    TBrushFill ResolveBrush(HBRUSH Brush) const;

    void PaintSpan(int Y, int X1, int X2, uint32_t Pixel, int Rop2);
    void PaintPixel(int X, int Y, uint32_t Pixel, int Rop2);
    void PaintRegion(const TRegion& Region, uint32_t Pixel, int Rop2);
    void FillRect(const TRect& R, const TBrushFill& Brush, int Rop2);
    void FillRegion(const TRegion& Region, const TBrushFill& Brush, int Rop2);
    // Applies a ternary operation with the brush over R (PatBlt).
    void PatRect(const TRect& R, const TBrushFill& Brush, uint8_t Rop3);

    // A scratch row of at least Count pixels.
    uint32_t* Scratch(int Count, int Which = 0);

private:
    void FillClipped(const TRect& R, const TBrushFill& Brush, int Rop2);

    TDeviceContext& dc_;
    TSurface surface_;
    const TRegion& clip_;
    std::vector<uint32_t> scratch_[3];
};
