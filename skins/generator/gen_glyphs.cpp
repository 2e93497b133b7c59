#include "skins/generator/gen_glyphs.h"

namespace {

// A pen in quarter pixels around the centre (CX, CY) of a glyph, itself in
// quarter pixels; U is a quarter of the glyph's size.
struct TGlyphPen {
    TRaster& Raster;
    int CX, CY, Width;
    TArgb Colour;

    // Offsets in eighths of the glyph's half size.
    void Line(int X1, int Y1, int X2, int Y2, int Half) const
    {
        Raster.Stroke(CX + X1 * Half / 8, CY + Y1 * Half / 8, CX + X2 * Half / 8, CY + Y2 * Half / 8, Width, Colour);
    }
};

void Box(const TGlyphPen& P, int L, int T, int R, int B, int Half)
{
    P.Line(L, T, R, T, Half);
    P.Line(R, T, R, B, Half);
    P.Line(R, B, L, B, Half);
    P.Line(L, B, L, T, Half);
}

}  // namespace

void DrawGlyph(TRaster& Raster, const TRect& Cell, TGlyph Glyph, int Size, int Pen, TArgb Colour)
{
    // Centres on a pixel middle when Size is odd, on a pixel edge when even.
    const int cx = 2 * (Cell.Left + Cell.Right), cy = 2 * (Cell.Top + Cell.Bottom);
    const int half = 2 * Size;  // the glyph's half size in quarter pixels
    TGlyphPen p{Raster, cx, cy, Pen, Colour};
    switch (Glyph) {
    case TGlyph::Close:
        p.Line(-7, -7, 7, 7, half);
        p.Line(7, -7, -7, 7, half);
        break;
    case TGlyph::Maximize:
        Box(p, -7, -7, 7, 7, half);
        p.Line(-7, -5, 7, -5, half);
        break;
    case TGlyph::Restore:
        Box(p, -7, -3, 3, 7, half);
        p.Line(-3, -3, -3, -7, half);
        p.Line(-3, -7, 7, -7, half);
        p.Line(7, -7, 7, 3, half);
        p.Line(7, 3, 3, 3, half);
        break;
    case TGlyph::Minimize:
        p.Line(-7, 6, 7, 6, half);
        break;
    case TGlyph::RollUp:
        p.Line(-7, 3, 0, -4, half);
        p.Line(0, -4, 7, 3, half);
        break;
    case TGlyph::Tray:
        p.Line(0, -7, 0, 3, half);
        p.Line(-4, -1, 0, 3, half);
        p.Line(4, -1, 0, 3, half);
        p.Line(-7, 7, 7, 7, half);
        break;
    case TGlyph::SysMenu:
        Box(p, -7, -7, 7, 7, half);
        p.Line(-4, -2, 4, -2, half);
        p.Line(-4, 2, 4, 2, half);
        break;
    case TGlyph::ArrowLeft:
        p.Line(3, -6, -3, 0, half);
        p.Line(-3, 0, 3, 6, half);
        break;
    case TGlyph::ArrowRight:
        p.Line(-3, -6, 3, 0, half);
        p.Line(3, 0, -3, 6, half);
        break;
    case TGlyph::ArrowUp:
        p.Line(-6, 3, 0, -3, half);
        p.Line(0, -3, 6, 3, half);
        break;
    case TGlyph::ArrowDown:
        p.Line(-6, -3, 0, 3, half);
        p.Line(0, 3, 6, -3, half);
        break;
    case TGlyph::Plus:
        p.Line(0, -5, 0, 5, half);
        [[fallthrough]];
    case TGlyph::Minus:
        p.Line(-5, 0, 5, 0, half);
        break;
    case TGlyph::Check:
        p.Line(-6, 0, -2, 5, half);
        p.Line(-2, 5, 6, -5, half);
        break;
    case TGlyph::Dot:
        Raster.Stroke(cx, cy, cx, cy, half * 5 / 8, Colour);
        break;
    case TGlyph::Grip:
        for (int y : {-6, -2, 2, 6})
            p.Line(0, y, 0, y, half);
        break;
    }
}
