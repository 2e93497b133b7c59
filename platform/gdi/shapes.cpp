#include "platform/gdi/shapes.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/device_context.h"

namespace {

// Pixels whose centres lie in [x1, x2] (both ends included).
TSpan CentresWithin(double x1, double x2)
{
    return {static_cast<int>(std::ceil(x1 - 0.5)), static_cast<int>(std::floor(x2 - 0.5)) + 1};
}

struct Crossing {
    double X;
    int Dir;
};

}  // namespace

TRegion EllipseRegion(const TRect& Box, const TRect& Rows)
{
    if (IsRectEmpty(Box))
        return TRegion();
    double cx = (Box.Left + Box.Right) / 2.0, cy = (Box.Top + Box.Bottom) / 2.0;
    double a = Box.Width() / 2.0, b = Box.Height() / 2.0;
    TRegionBuilder builder;
    std::vector<TSpan> spans;
    for (int y = std::max(Box.Top, Rows.Top); y < std::min(Box.Bottom, Rows.Bottom); ++y) {
        double dy = (y + 0.5 - cy) / b;
        double t = 1 - dy * dy;
        if (t < 0)
            continue;
        double half = a * std::sqrt(t);
        spans.assign(1, CentresWithin(cx - half, cx + half));
        builder.AddRow(y, spans);
    }
    return builder.Finish();
}

TRegion RoundRectRegion(const TRect& Box, int W, int H, const TRect& Rows)
{
    if (IsRectEmpty(Box))
        return TRegion();
    W = std::min(std::abs(W), Box.Width());
    H = std::min(std::abs(H), Box.Height());
    TRect visible{Box.Left, std::max(Box.Top, Rows.Top), Box.Right, std::min(Box.Bottom, Rows.Bottom)};
    if (W < 2 || H < 2)
        return TRegion(visible);
    const TRect parts[] = {
        {Box.Left, Box.Top + H / 2, Box.Right, Box.Bottom - H / 2},
        {Box.Left + W / 2, Box.Top, Box.Right - W / 2, Box.Bottom},
    };
    TRegion result = TRegion::FromRects(parts, 2).Intersected(visible);
    const TRect corners[] = {
        {Box.Left, Box.Top, Box.Left + W, Box.Top + H},
        {Box.Right - W, Box.Top, Box.Right, Box.Top + H},
        {Box.Left, Box.Bottom - H, Box.Left + W, Box.Bottom},
        {Box.Right - W, Box.Bottom - H, Box.Right, Box.Bottom},
    };
    for (const TRect& c : corners)
        result = TRegion::Combine(result, EllipseRegion(c, Rows), TRegion::TOp::Or);
    return result;
}

TRegion PolygonRegion(const std::vector<TPointF>& Points, int FillMode, const TRect& Rows)
{
    size_t n = Points.size();
    if (n < 3)
        return TRegion();
    double top = Points[0].Y, bottom = Points[0].Y;
    for (const TPointF& p : Points) {
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    TRegionBuilder builder;
    std::vector<Crossing> crossings;
    std::vector<TSpan> spans;
    int first = static_cast<int>(std::max<double>(std::floor(top), Rows.Top));
    int last = static_cast<int>(std::min<double>(std::ceil(bottom), Rows.Bottom));
    for (int y = first; y < last; ++y) {
        double yc = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < n; ++i) {
            const TPointF& a = Points[i];
            const TPointF& b = Points[(i + 1) % n];
            if (a.Y == b.Y || yc < std::min(a.Y, b.Y) || yc >= std::max(a.Y, b.Y))
                continue;
            crossings.push_back({a.X + (yc - a.Y) * (b.X - a.X) / (b.Y - a.Y), b.Y > a.Y ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(), [](const Crossing& l, const Crossing& r) { return l.X < r.X; });
        spans.clear();
        int winding = 0;
        for (size_t k = 0; k + 1 < crossings.size(); ++k) {
            winding += crossings[k].Dir;
            bool inside = FillMode == WINDING ? winding != 0 : (k % 2) == 0;
            if (!inside)
                continue;
            // Centres in [x1, x2): the right edge is outside.
            int x1 = static_cast<int>(std::ceil(crossings[k].X - 0.5));
            int x2 = static_cast<int>(std::ceil(crossings[k + 1].X - 0.5));
            if (x1 < x2)
                spans.push_back({x1, x2});
        }
        builder.AddRow(y, spans);
    }
    return builder.Finish();
}

TRegion PolygonRegion(const TPoint* Points, int Count, int FillMode, const TRect& Rows)
{
    std::vector<TPointF> points;
    for (int i = 0; i < Count; ++i)
        points.push_back({double(Points[i].X), double(Points[i].Y)});
    return PolygonRegion(points, FillMode, Rows);
}

TRegion WideLineRegion(TPoint A, TPoint B, int Width, const TRect& Rows)
{
    Width = std::max(Width, 1);
    auto cap = [Width, &Rows](TPoint p) {
        int l = p.X - (Width - 1) / 2, t = p.Y - (Width - 1) / 2;
        return EllipseRegion({l, t, l + Width, t + Width}, Rows);
    };
    TRegion result = TRegion::Combine(cap(A), cap(B), TRegion::TOp::Or);
    double dx = B.X - A.X, dy = B.Y - A.Y;
    double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0)
        return result;
    double nx = -dy / length * Width / 2, ny = dx / length * Width / 2;
    double ax = A.X + 0.5, ay = A.Y + 0.5, bx = B.X + 0.5, by = B.Y + 0.5;
    std::vector<TPointF> quad = {{ax + nx, ay + ny}, {bx + nx, by + ny}, {bx - nx, by - ny}, {ax - nx, ay - ny}};
    return TRegion::Combine(result, PolygonRegion(quad, ALTERNATE, Rows), TRegion::TOp::Or);
}

TRegion RectFrameRegion(const TRect& Box, int Width)
{
    TRect inner = Box;
    InflateRect(inner, -Width, -Width);
    return TRegion::Combine(TRegion(Box), TRegion(inner), TRegion::TOp::Diff);
}
