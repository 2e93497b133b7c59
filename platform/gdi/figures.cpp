#include <algorithm>
#include <vector>

#include "platform/gdi/drawing.h"
#include "platform/gdi/pen_stroke.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/vector_sink.h"

namespace {

TRect Deflated(TRect r, int by)
{
    InflateRect(r, -by, -by);
    return r;
}

// Everything a figure call resolves before it builds its shape.
struct Figure {
    explicit Figure(TDeviceContext& dc) : Painter(dc), Pen(ResolvePen(Painter))
    {
        Brush = Painter.ResolveBrush(dc.State().Brush);
    }

    // The box the outline's outer edge follows: a wide pen that is not
    // inside-frame is centred on the figure's one-pixel outline.
    TRect Outer(const TRect& box) const
    {
        int w = Pen.Width;
        if (Pen.InsideFrame || w == 1)
            return box;
        return {box.Left - (w - 1) / 2, box.Top - (w - 1) / 2, box.Right + w / 2, box.Bottom + w / 2};
    }

    void Fill(const TRegion& inside) { Painter.FillRegion(inside, Brush, Painter.DC().State().Rop2); }
    void Outline(const TRegion& ring) { Painter.PaintRegion(ring, Pen.Pixel, Pen.Rop2); }

    TPainter Painter;
    TPenStroke Pen;
    TBrushFill Brush;
};

// Draws a figure whose shape for a box is Shape(box, inset, rows): the outline
// between the outer box and the box inset by the pen's width, the inside
// filled. Without a pen the figure loses its right and bottom pixel rows,
// as it always has on this platform.
template <typename S>
bool DrawFigure(HDC DC, int l, int t, int r, int b, S shape)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return false;
    Figure f(*dc);
    if (!f.Painter.CanDraw())
        return true;
    TRect box = dc->LPtoSurface(TRect{l, t, r, b});
    const TRect& rows = f.Painter.Clip().Bounds();
    if (f.Pen.Null) {
        f.Fill(shape(TRect{box.Left, box.Top, box.Right - 1, box.Bottom - 1}, 0, rows));
        return true;
    }
    TRect outer = f.Outer(box);
    TRegion inside = shape(Deflated(outer, f.Pen.Width), f.Pen.Width, rows);
    f.Fill(inside);
    f.Outline(TRegion::Combine(shape(outer, 0, rows), inside, TRegion::TOp::Diff));
    return true;
}

// A rectangle's corners in device units, its right and bottom edges left
// out as the raster figures leave them out.
std::vector<TPoint> BoxCorners(const TRect& box)
{
    return {{box.Left, box.Top}, {box.Right - 1, box.Top}, {box.Right - 1, box.Bottom - 1}, {box.Left, box.Bottom - 1}};
}

}  // namespace

bool Rectangle(HDC DC, int Left, int Top, int Right, int Bottom)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return false;
    if (TVectorSink* sink = dc->VectorSink()) {
        sink->Path(BoxCorners(dc->LPtoSurface(TRect{Left, Top, Right, Bottom})), true,
                   VectorBrush(dc->State().Brush), false, VectorPen(*dc));
        return true;
    }
    Figure f(*dc);
    if (!f.Pen.Null && !f.Pen.Dashes.empty()) {
        // A dotted or dashed outline runs around the box as one closed line.
        if (!f.Painter.CanDraw())
            return true;
        TRect box = dc->LPtoSurface(TRect{Left, Top, Right, Bottom});
        f.Fill(TRegion(Deflated(box, 1)));
        int phase = 0;
        StrokePolyline(f.Painter, f.Pen, BoxCorners(box), true, phase);
        return true;
    }
    return DrawFigure(DC, Left, Top, Right, Bottom, [](const TRect& box, int, const TRect& rows) {
        return TRegion(box).Intersected(rows);
    });
}

bool Ellipse(HDC DC, int Left, int Top, int Right, int Bottom)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (dc && dc->VectorSink()) {
        dc->VectorSink()->Ellipse(dc->LPtoSurface(TRect{Left, Top, Right, Bottom}), VectorBrush(dc->State().Brush),
                                  VectorPen(*dc));
        return true;
    }
    return DrawFigure(DC, Left, Top, Right, Bottom,
                      [](const TRect& box, int, const TRect& rows) { return EllipseRegion(box, rows); });
}

bool RoundRect(HDC DC, int Left, int Top, int Right, int Bottom, int EllipseWidth, int EllipseHeight)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return false;
    TPoint o = dc->LPtoDP(TPoint{0, 0});
    TPoint e = dc->LPtoDP(TPoint{EllipseWidth, EllipseHeight});
    int ew = std::abs(e.X - o.X), eh = std::abs(e.Y - o.Y);
    return DrawFigure(DC, Left, Top, Right, Bottom, [ew, eh](const TRect& box, int inset, const TRect& rows) {
        return RoundRectRegion(box, ew - 2 * inset, eh - 2 * inset, rows);
    });
}

bool Polygon(HDC DC, const TPoint* Points, int Count)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !Points || Count < 2)
        return false;
    std::vector<TPoint> points;
    for (int i = 0; i < Count; ++i)
        points.push_back(dc->LPtoSurface(Points[i]));
    if (TVectorSink* sink = dc->VectorSink()) {
        sink->Path(points, true, VectorBrush(dc->State().Brush), dc->State().PolyFillMode == WINDING, VectorPen(*dc));
        return true;
    }
    Figure f(*dc);
    if (!f.Painter.CanDraw())
        return true;
    f.Fill(PolygonRegion(points.data(), Count, dc->State().PolyFillMode, f.Painter.Clip().Bounds()));
    int phase = 0;
    StrokePolyline(f.Painter, f.Pen, points, true, phase);
    return true;
}
