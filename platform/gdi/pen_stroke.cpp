#include "platform/gdi/pen_stroke.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/shapes.h"

namespace {

// Rounds A / B up, for B > 0.
int64_t CeilDiv(int64_t a, int64_t b)
{
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

// Every dash pattern repeats within this many pixels.
constexpr int kPatternCycle = 24;

bool DashOn(const TPenStroke& pen, int64_t phase)
{
    int total = 0;
    for (int d : pen.Dashes)
        total += d;
    int p = static_cast<int>(phase % total);
    for (size_t i = 0; i < pen.Dashes.size(); ++i) {
        if (p < pen.Dashes[i])
            return i % 2 == 0;
        p -= pen.Dashes[i];
    }
    return true;
}

}  // namespace

TPenStroke ResolvePen(const TPainter& Painter)
{
    TPenStroke stroke;
    const TDeviceContext& dc = Painter.DC();
    const TGdiPen* pen = SelectedGdiObjectAs<TGdiPen>(dc.State().Pen);
    if (!pen || pen->Style() == PS_NULL)
        return stroke;
    stroke.Null = false;
    stroke.Width = std::max(1, dc.LengthToDevice(pen->Log.lopnWidth.X));
    stroke.InsideFrame = pen->Style() == PS_INSIDEFRAME;
    stroke.Pixel = Painter.MapColor(pen->Log.lopnColor);
    stroke.Rop2 = dc.State().Rop2;
    if (stroke.Width == 1) {
        switch (pen->Style()) {
        case PS_DASH:
            stroke.Dashes = {18, 6};
            break;
        case PS_DOT:
            stroke.Dashes = {3, 3};
            break;
        case PS_DASHDOT:
            stroke.Dashes = {9, 6, 3, 6};
            break;
        case PS_DASHDOTDOT:
            stroke.Dashes = {9, 3, 3, 3, 3, 3};
            break;
        }
    }
    stroke.OpaqueGaps = dc.State().BkMode == OPAQUE;
    stroke.GapPixel = Painter.MapColor(dc.State().BkColor);
    return stroke;
}

// Lines are stepped along their major axis one pixel at a time; the minor
// coordinate is the ideal one rounded to the nearest pixel, a tie going to
// the smaller coordinate, so a line covers the same pixels whichever way it
// is drawn.
void StrokeThinLine(TPainter& Painter, const TPenStroke& Pen, TPoint A, TPoint B, bool DrawLast, int& Phase)
{
    int64_t dx = int64_t(B.X) - A.X, dy = int64_t(B.Y) - A.Y;
    bool xMajor = std::llabs(dx) >= std::llabs(dy);
    int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
    int64_t minorDelta = xMajor ? dy : dx;
    int step = (xMajor ? dx : dy) < 0 ? -1 : 1;
    int64_t count = major + (DrawLast ? 1 : 0);
    if (count == 0)
        return;
    // Only steps whose major coordinate lies on the clip's box can show.
    const TRect& box = Painter.Clip().Bounds();
    int64_t from = xMajor ? A.X : A.Y;
    int64_t lo = xMajor ? box.Left : box.Top, hi = xMajor ? box.Right : box.Bottom;
    int64_t first = step > 0 ? lo - from : from - (hi - 1);
    int64_t last = step > 0 ? hi - 1 - from : from - lo;
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, count - 1);
    bool solidCopy = Pen.Dashes.empty() && Pen.Rop2 == R2_COPYPEN;
    if (first <= last && minorDelta == 0 && xMajor && Pen.Dashes.empty()) {
        // Horizontal: one span.
        int64_t x1 = A.X + step * first, x2 = A.X + step * last;
        Painter.PaintSpan(A.Y, static_cast<int>(std::min(x1, x2)), static_cast<int>(std::max(x1, x2)) + 1, Pen.Pixel,
                          Pen.Rop2);
    } else {
        for (int64_t i = first; i <= last; ++i) {
            int64_t minor = major == 0 ? 0 : CeilDiv(2 * i * minorDelta - major, 2 * major);
            int x = static_cast<int>(xMajor ? A.X + step * i : A.X + minor);
            int y = static_cast<int>(xMajor ? A.Y + minor : A.Y + step * i);
            if (solidCopy || DashOn(Pen, Phase + i))
                Painter.PaintPixel(x, y, Pen.Pixel, Pen.Rop2);
            else if (Pen.OpaqueGaps)
                Painter.PaintPixel(x, y, Pen.GapPixel, Pen.Rop2);
        }
    }
    Phase = static_cast<int>((Phase + count) % kPatternCycle);
}

void StrokePolyline(TPainter& Painter, const TPenStroke& Pen, const std::vector<TPoint>& Points, bool Closed,
                    int& Phase)
{
    if (Pen.Null || Points.empty())
        return;
    size_t n = Points.size();
    size_t lines = Closed ? n : n - 1;
    if (Pen.Width == 1) {
        for (size_t i = 0; i < lines; ++i)
            StrokeThinLine(Painter, Pen, Points[i], Points[(i + 1) % n], false, Phase);
        return;
    }
    // A wide pen paints the union of its lines once, so that joints are
    // not painted twice through an xor mode.
    TRegion shape;
    for (size_t i = 0; i < std::max<size_t>(lines, 1); ++i)
        shape = TRegion::Combine(shape, WideLineRegion(Points[i], Points[(i + 1) % n], Pen.Width, Painter.Clip().Bounds()),
                                 TRegion::TOp::Or);
    Painter.PaintRegion(shape, Pen.Pixel, Pen.Rop2);
}
