#include <algorithm>
#include <vector>

#include "platform/gdi/drawing.h"
#include "platform/gdi/painter.h"
#include "platform/gdi/regions.h"
#include "platform/gdi/rop.h"
#include "platform/gdi/vector_sink.h"

namespace {

// A brush argument: a brush handle, or a system colour index plus one.
TBrushFill BrushArgument(const TPainter& painter, HBRUSH brush)
{
    uintptr_t value = reinterpret_cast<uintptr_t>(brush);
    if (value >= 1 && value <= static_cast<uintptr_t>(SysColorCount)) {
        TBrushFill fill;
        fill.Null = false;
        fill.Solid = true;
        fill.Pixel = painter.MapColor(GetSysColor(static_cast<int>(value - 1)));
        return fill;
    }
    return painter.ResolveBrush(brush);
}

bool IsBrushArgument(HBRUSH brush)
{
    uintptr_t value = reinterpret_cast<uintptr_t>(brush);
    return (value >= 1 && value <= static_cast<uintptr_t>(SysColorCount)) || GdiObjectAs<TGdiBrush>(brush);
}

// A region in logical units, in surface units.
TRegion ToSurface(const TDeviceContext& dc, const TRegion& region)
{
    if (dc.State().MapMode == MM_TEXT) {
        TRegion r = region;
        TPoint o = dc.LPtoSurface(TPoint{0, 0});
        r.Offset(o.X, o.Y);
        return r;
    }
    std::vector<TRect> rects;
    for (const TRect& r : region.Rects())
        rects.push_back(dc.LPtoSurface(r));
    return TRegion::FromRects(rects.data(), rects.size());
}

// The pixels of the region within Width and Height of its outside.
TRegion InnerBorder(const TRegion& region, int width, int height)
{
    TRegion core = region;
    auto erode = [&](int dx, int dy) {
        TRegion moved = region;
        moved.Offset(dx, dy);
        core = TRegion::Combine(core, moved, TRegion::TOp::And);
    };
    for (int k = 1; k <= width; ++k) {
        erode(k, 0);
        erode(-k, 0);
    }
    for (int k = 1; k <= height; ++k) {
        erode(0, k);
        erode(0, -k);
    }
    return TRegion::Combine(region, core, TRegion::TOp::Diff);
}

}  // namespace

int FillRect(HDC DC, const TRect* R, HBRUSH Brush)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !R || !IsBrushArgument(Brush))
        return 0;
    if (TVectorSink* sink = dc->VectorSink()) {
        TVectorPaint fill = VectorBrush(Brush);
        if (!fill.Null)
            sink->FillRect(dc->LPtoSurface(*R), fill.Color);
        return 1;
    }
    TPainter painter(*dc);
    painter.FillRect(dc->LPtoSurface(*R), BrushArgument(painter, Brush), R2_COPYPEN);
    return 1;
}

int FrameRect(HDC DC, const TRect* R, HBRUSH Brush)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !R || !IsBrushArgument(Brush))
        return 0;
    if (IsRectEmpty(*R))
        return 1;
    TPainter painter(*dc);
    TRect box = dc->LPtoSurface(*R);
    int w = std::max(1, dc->LengthToDevice(1));
    TRect inner = box;
    InflateRect(inner, -w, -w);
    painter.FillRegion(TRegion::Combine(TRegion(box), TRegion(inner), TRegion::TOp::Diff),
                       BrushArgument(painter, Brush), R2_COPYPEN);
    return 1;
}

bool InvertRect(HDC DC, const TRect* R)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !R)
        return false;
    TPainter painter(*dc);
    painter.PatRect(dc->LPtoSurface(*R), TBrushFill{}, Rop3Code(DSTINVERT));
    return true;
}

bool FillRgn(HDC DC, HRGN Region, HBRUSH Brush)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    TGdiRegion* region = RegionOf(Region);
    if (!dc || !region || !IsBrushArgument(Brush))
        return false;
    TPainter painter(*dc);
    painter.FillRegion(ToSurface(*dc, region->Region), BrushArgument(painter, Brush), R2_COPYPEN);
    return true;
}

bool FrameRgn(HDC DC, HRGN Region, HBRUSH Brush, int Width, int Height)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    TGdiRegion* region = RegionOf(Region);
    if (!dc || !region || !IsBrushArgument(Brush) || Width < 0 || Height < 0)
        return false;
    TPainter painter(*dc);
    TRegion frame = InnerBorder(region->Region, Width, Height);
    painter.FillRegion(ToSurface(*dc, frame), BrushArgument(painter, Brush), R2_COPYPEN);
    return true;
}

bool PaintRgn(HDC DC, HRGN Region)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    TGdiRegion* region = RegionOf(Region);
    if (!dc || !region)
        return false;
    TPainter painter(*dc);
    painter.FillRegion(ToSurface(*dc, region->Region), painter.ResolveBrush(dc->State().Brush), dc->State().Rop2);
    return true;
}

bool InvertRgn(HDC DC, HRGN Region)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    TGdiRegion* region = RegionOf(Region);
    if (!dc || !region)
        return false;
    TPainter painter(*dc);
    TRegion shape = ToSurface(*dc, region->Region);
    for (const TRect& r : shape.Rects())
        painter.PatRect(r, TBrushFill{}, Rop3Code(DSTINVERT));
    return true;
}
