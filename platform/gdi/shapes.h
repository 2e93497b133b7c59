// Shapes as pixel sets: ellipses, rounded rectangles, polygons and wide
// lines, each built as a region in the units of its coordinates. A pixel
// (x, y) belongs to a shape when its centre (x + 0.5, y + 0.5) does, which
// makes the right and bottom edges of a box exclusive.
#pragma once

#include <vector>

#include "platform/base/geometry.h"
#include "platform/gdi/region.h"

struct TPointF {
    double X = 0;
    double Y = 0;
};

// Shapes are built only for the rows of Rows (a drawing call passes its
// clip's bounds, so an enormous figure costs no more than a visible one).
inline constexpr TRect kAllRows{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};

// The ellipse inscribed in Box.
TRegion EllipseRegion(const TRect& Box, const TRect& Rows = kAllRows);
// Box with its corners rounded by quarters of a W x H ellipse.
TRegion RoundRectRegion(const TRect& Box, int W, int H, const TRect& Rows = kAllRows);
// A polygon, closed automatically, filled with ALTERNATE or WINDING.
TRegion PolygonRegion(const std::vector<TPointF>& Points, int FillMode, const TRect& Rows = kAllRows);
TRegion PolygonRegion(const TPoint* Points, int Count, int FillMode, const TRect& Rows = kAllRows);
// A line of Width pixels through the centres of pixels A and B, with round
// ends.
TRegion WideLineRegion(TPoint A, TPoint B, int Width, const TRect& Rows = kAllRows);
// The frame of Box, Width pixels wide on each side.
TRegion RectFrameRegion(const TRect& Box, int Width);
