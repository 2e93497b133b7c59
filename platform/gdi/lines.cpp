#include "platform/gdi/drawing.h"
#include "platform/gdi/pen_stroke.h"
#include "platform/gdi/vector_sink.h"

#include <vector>

COLORREF SetPixel(HDC DC, int X, int Y, COLORREF Color)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return CLR_INVALID;
    TPainter painter(*dc);
    TPoint p = dc->LPtoSurface(TPoint{X, Y});
    if (!painter.Clip().Contains(p.X, p.Y))
        return CLR_INVALID;
    uint32_t pixel = painter.MapColor(Color);
    painter.Surface().SetPixel(p.X, p.Y, pixel);
    return PixelToColor(pixel);
}

bool SetPixelV(HDC DC, int X, int Y, COLORREF Color)
{
    return SetPixel(DC, X, Y, Color) != CLR_INVALID;
}

COLORREF GetPixel(HDC DC, int X, int Y)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return CLR_INVALID;
    TPoint p = dc->LPtoSurface(TPoint{X, Y});
    if (!dc->DrawClip().Contains(p.X, p.Y))
        return CLR_INVALID;
    return PixelToColor(dc->Surface().GetPixel(p.X, p.Y));
}

bool MoveToEx(HDC DC, int X, int Y, TPoint* Old)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return false;
    if (Old)
        *Old = dc->State().CurrentPos;
    dc->State().CurrentPos = {X, Y};
    dc->PenPhase = 0;
    return true;
}

bool LineTo(HDC DC, int X, int Y)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return false;
    if (TVectorSink* sink = dc->VectorSink()) {
        sink->Path({dc->LPtoSurface(dc->State().CurrentPos), dc->LPtoSurface(TPoint{X, Y})}, false, {}, false,
                   VectorPen(*dc));
        dc->State().CurrentPos = {X, Y};
        return true;
    }
    TPainter painter(*dc);
    TPenStroke pen = ResolvePen(painter);
    if (painter.CanDraw() && !pen.Null) {
        std::vector<TPoint> points = {dc->LPtoSurface(dc->State().CurrentPos), dc->LPtoSurface(TPoint{X, Y})};
        StrokePolyline(painter, pen, points, false, dc->PenPhase);
    }
    dc->State().CurrentPos = {X, Y};
    return true;
}

bool Polyline(HDC DC, const TPoint* Points, int Count)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || Count < 2 || !Points)
        return false;
    if (TVectorSink* sink = dc->VectorSink()) {
        std::vector<TPoint> points;
        for (int i = 0; i < Count; ++i)
            points.push_back(dc->LPtoSurface(Points[i]));
        sink->Path(points, false, {}, false, VectorPen(*dc));
        return true;
    }
    TPainter painter(*dc);
    TPenStroke pen = ResolvePen(painter);
    if (!painter.CanDraw() || pen.Null)
        return true;
    std::vector<TPoint> points;
    for (int i = 0; i < Count; ++i)
        points.push_back(dc->LPtoSurface(Points[i]));
    int phase = 0;
    StrokePolyline(painter, pen, points, false, phase);
    return true;
}

bool PolylineTo(HDC DC, const TPoint* Points, int Count)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || Count < 1 || !Points)
        return false;
    if (TVectorSink* sink = dc->VectorSink()) {
        std::vector<TPoint> points = {dc->LPtoSurface(dc->State().CurrentPos)};
        for (int i = 0; i < Count; ++i)
            points.push_back(dc->LPtoSurface(Points[i]));
        sink->Path(points, false, {}, false, VectorPen(*dc));
        dc->State().CurrentPos = Points[Count - 1];
        return true;
    }
    TPainter painter(*dc);
    TPenStroke pen = ResolvePen(painter);
    if (painter.CanDraw() && !pen.Null) {
        std::vector<TPoint> points = {dc->LPtoSurface(dc->State().CurrentPos)};
        for (int i = 0; i < Count; ++i)
            points.push_back(dc->LPtoSurface(Points[i]));
        StrokePolyline(painter, pen, points, false, dc->PenPhase);
    }
    dc->State().CurrentPos = Points[Count - 1];
    return true;
}
