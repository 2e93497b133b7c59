#include "platform/gdi/drawing.h"
#include "platform/gdi/painter.h"

namespace {

struct EdgeColors {
    int TopLeft;
    int BottomRight;
};

// The colours of one layer of a 3D edge, by its raised and sunken bits;
// false when the layer is not drawn.
bool LayerColors(unsigned bits, bool outer, unsigned flags, EdgeColors& colors)
{
    bool raised = bits & (outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER);
    bool sunken = bits & (outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER);
    if (raised == sunken)
        return false;
    if (flags & BF_MONO) {
        int c = outer ? COLOR_WINDOWFRAME : COLOR_WINDOW;
        colors = {c, c};
    } else if (flags & BF_FLAT) {
        int c = outer ? COLOR_BTNSHADOW : COLOR_BTNFACE;
        colors = {c, c};
    } else if (outer) {
        colors = raised ? EdgeColors{COLOR_3DLIGHT, COLOR_3DDKSHADOW} : EdgeColors{COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
    } else {
        colors = raised ? EdgeColors{COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW} : EdgeColors{COLOR_3DDKSHADOW, COLOR_3DLIGHT};
    }
    return true;
}

TBrushFill Solid(const TPainter& painter, int sysColor)
{
    TBrushFill fill;
    fill.Null = false;
    fill.Solid = true;
    fill.Pixel = painter.MapColor(GetSysColor(sysColor));
    return fill;
}

}  // namespace

// Each layer is a one-pixel ring: the bottom and right lines run the full
// length in the bottom-right colour, the top and left lines stop short of
// them, so the dark corners belong to the shadow as on a classic button.
bool DrawEdge(HDC DC, TRect* R, unsigned Edge, unsigned Flags)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !R)
        return false;
    TPainter painter(*dc);
    TRect box = dc->LPtoSurface(*R);
    TRect logical = *R;
    EdgeColors layers[2];
    int count = 0;
    // Without an outer layer the inner one takes the outer ring.
    if (LayerColors(Edge, true, Flags, layers[count]))
        ++count;
    if (LayerColors(Edge, false, Flags, layers[count]))
        ++count;
    for (int i = 0; i < count; ++i) {
        const EdgeColors& colors = layers[i];
        TBrushFill tl = Solid(painter, colors.TopLeft), br = Solid(painter, colors.BottomRight);
        int right = (Flags & BF_RIGHT) ? 1 : 0, bottom = (Flags & BF_BOTTOM) ? 1 : 0;
        if (Flags & BF_TOP)
            painter.FillRect({box.Left, box.Top, box.Right - right, box.Top + 1}, tl, R2_COPYPEN);
        if (Flags & BF_LEFT)
            painter.FillRect({box.Left, box.Top, box.Left + 1, box.Bottom - bottom}, tl, R2_COPYPEN);
        if (Flags & BF_BOTTOM)
            painter.FillRect({box.Left, box.Bottom - 1, box.Right, box.Bottom}, br, R2_COPYPEN);
        if (Flags & BF_RIGHT)
            painter.FillRect({box.Right - 1, box.Top, box.Right, box.Bottom}, br, R2_COPYPEN);
        TRect* sides[2] = {&box, &logical};
        for (TRect* r : sides) {
            r->Left += (Flags & BF_LEFT) ? 1 : 0;
            r->Top += (Flags & BF_TOP) ? 1 : 0;
            r->Right -= right;
            r->Bottom -= bottom;
        }
    }
    if (Flags & BF_MIDDLE)
        painter.FillRect(box, Solid(painter, (Flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE), R2_COPYPEN);
    if (Flags & BF_ADJUST)
        *R = logical;
    return true;
}

bool DrawFocusRect(HDC DC, const TRect* R)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !R)
        return false;
    TPainter painter(*dc);
    TRect box = dc->LPtoSurface(*R);
    if (IsRectEmpty(box) || !painter.CanDraw())
        return true;
    // The dots sit where x + y is even in device units, so they line up
    // across neighbouring rectangles and a second call restores the pixels.
    TPoint o = dc->DeviceOrigin();
    auto dot = [&](int x, int y) {
        if (((x - o.X + y - o.Y) & 1) == 0)
            painter.PaintPixel(x, y, kColorBits, R2_XORPEN);
    };
    for (int x = box.Left; x < box.Right; ++x) {
        dot(x, box.Top);
        if (box.Bottom - 1 > box.Top)
            dot(x, box.Bottom - 1);
    }
    for (int y = box.Top + 1; y < box.Bottom - 1; ++y) {
        dot(box.Left, y);
        if (box.Right - 1 > box.Left)
            dot(box.Right - 1, y);
    }
    return true;
}
