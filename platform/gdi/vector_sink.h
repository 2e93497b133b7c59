// The other end of the drawing calls for a DC whose output is vectors, not
// pixels (the printer): the calls map and shape as for any DC, then hand
// paths, glyph runs and images to the sink instead of a painter.
#pragma once

#include <vector>

#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/gdi_object.h"

class TFontInstance;
struct TSurface;

// A pen or a fill as the sink needs it; Null draws nothing.
struct TVectorPaint {
    bool Null = true;
    COLORREF Color = 0;
    int Width = 1;  // device units, for pens
};

// A glyph at its pen position on the baseline, in device units.
struct TPlacedGlyph {
    char32_t Code = 0;
    TPoint Pen;
};

// Everything here is in device units; the sink clips to the DC's clip region.
class TVectorSink {
public:
    virtual ~TVectorSink() = default;
    virtual void FillRect(const TRect& R, COLORREF Color) = 0;
    // A polygon (Closed) or polyline, filled by Fill with the winding rule
    // or the even-odd rule, then outlined by Pen.
    virtual void Path(const std::vector<TPoint>& Points, bool Closed, const TVectorPaint& Fill, bool Winding,
                      const TVectorPaint& Pen) = 0;
    virtual void Ellipse(const TRect& Box, const TVectorPaint& Fill, const TVectorPaint& Pen) = 0;
    // Limit, when given, cuts the glyphs off at a rectangle (ETO_CLIPPED).
    virtual void Glyphs(TFontInstance& Font, const std::vector<TPlacedGlyph>& Glyphs, COLORREF Color,
                        const TRect* Limit) = 0;
    // Source's pixels in SourceRect, stretched over Dest.
    virtual void Image(const TRect& Dest, const TSurface& Source, const TRect& SourceRect) = 0;
};

class TDeviceContext;

// The DC's selected pen, its width in device units.
TVectorPaint VectorPen(const TDeviceContext& DC);
// A brush argument (a brush, or a system colour index plus one) as a fill;
// a pattern brush fills with its colour.
TVectorPaint VectorBrush(HBRUSH Brush);
