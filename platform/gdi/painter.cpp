#include "platform/gdi/painter.h"

#include <algorithm>

#include "platform/gdi/rop.h"

namespace {

int PositiveMod(int a, int m)
{
    int r = a % m;
    return r < 0 ? r + m : r;
}

}  // namespace

void TBrushFill::Row(int X, int Y, int Count, uint32_t* Out) const
{
    if (Solid || !Pattern) {
        std::fill_n(Out, Count, Pixel);
        return;
    }
    int w = Pattern->PatternWidth;
    const uint32_t* row =
        &Pattern->Pattern[static_cast<size_t>(PositiveMod(Y - Origin.Y, Pattern->PatternHeight)) * w];
    int px = PositiveMod(X - Origin.X, w);
    for (int i = 0; i < Count; ++i) {
        uint32_t p = row[px];
        if (Pattern->PatternMono)
            p = p ? Back : Fore;
        Out[i] = (MonoTarget ? PixelToMono(p) : p) & kColorBits;
        if (++px == w)
            px = 0;
    }
}

TPainter::TPainter(TDeviceContext& DC) : dc_(DC), surface_(DC.Surface()), clip_(DC.DrawClip()) {}

uint32_t TPainter::MapColor(COLORREF Color) const
{
    uint32_t p = ColorToPixel(Color) & kColorBits;
    return surface_.BitsPerPixel == 1 ? PixelToMono(p) : p;
}

TBrushFill TPainter::ResolveBrush(HBRUSH Brush) const
{
    TBrushFill fill;
    const TGdiBrush* brush = SelectedGdiObjectAs<TGdiBrush>(Brush);
    if (!brush || brush->Style == BS_NULL)
        return fill;
    fill.Null = false;
    fill.MonoTarget = surface_.BitsPerPixel == 1;
    if (brush->Style == BS_PATTERN && !brush->Pattern.empty()) {
        fill.Pattern = brush;
        fill.Fore = ColorToPixel(dc_.State().TextColor);
        fill.Back = ColorToPixel(dc_.State().BkColor);
        TPoint org = dc_.State().BrushOrg;
        fill.Origin = {org.X + dc_.DeviceOrigin().X, org.Y + dc_.DeviceOrigin().Y};
    } else {
        fill.Solid = true;
        fill.Pixel = MapColor(brush->Color);
    }
    return fill;
}

uint32_t* TPainter::Scratch(int Count, int Which)
{
    std::vector<uint32_t>& s = scratch_[Which];
    if (s.size() < static_cast<size_t>(Count))
        s.resize(static_cast<size_t>(Count));
    return s.data();
}

void TPainter::PaintSpan(int Y, int X1, int X2, uint32_t Pixel, int Rop2)
{
    if (X1 >= X2 || Rop2 == R2_NOP)
        return;
    clip_.ForEachRectIn({X1, Y, X2, Y + 1}, [&](const TRect& r) {
        int n = r.Width();
        if (Rop2 == R2_COPYPEN) {
            surface_.FillRow(r.Left, Y, n, Pixel);
            return;
        }
        uint32_t* row = Scratch(n);
        surface_.ReadRow(r.Left, Y, n, row);
        ApplyRop2Row(Rop2, Pixel, row, n);
        surface_.WriteRow(r.Left, Y, n, row);
    });
}

void TPainter::PaintPixel(int X, int Y, uint32_t Pixel, int Rop2)
{
    if (!clip_.Contains(X, Y) || Rop2 == R2_NOP)
        return;
    uint32_t p = surface_.GetPixel(X, Y);
    ApplyRop2Row(Rop2, Pixel, &p, 1);
    surface_.SetPixel(X, Y, p);
}

void TPainter::PaintRegion(const TRegion& Region, uint32_t Pixel, int Rop2)
{
    for (const TRect& r : Region.Rects())
        for (int y = r.Top; y < r.Bottom; ++y)
            PaintSpan(y, r.Left, r.Right, Pixel, Rop2);
}

void TPainter::FillClipped(const TRect& R, const TBrushFill& Brush, int Rop2)
{
    int n = R.Width();
    if (Brush.Solid && Rop2 == R2_COPYPEN) {
        for (int y = R.Top; y < R.Bottom; ++y)
            surface_.FillRow(R.Left, y, n, Brush.Pixel);
        return;
    }
    uint32_t* pat = Scratch(n, 1);
    uint32_t* row = Scratch(n, 0);
    for (int y = R.Top; y < R.Bottom; ++y) {
        Brush.Row(R.Left, y, n, pat);
        if (Rop2 == R2_COPYPEN) {
            surface_.WriteRow(R.Left, y, n, pat);
            continue;
        }
        surface_.ReadRow(R.Left, y, n, row);
        ApplyRop2PatternRow(Rop2, pat, row, n);
        surface_.WriteRow(R.Left, y, n, row);
    }
}

void TPainter::FillRect(const TRect& R, const TBrushFill& Brush, int Rop2)
{
    if (Brush.Null || Rop2 == R2_NOP || IsRectEmpty(R))
        return;
    clip_.ForEachRectIn(R, [&](const TRect& part) { FillClipped(part, Brush, Rop2); });
}

void TPainter::FillRegion(const TRegion& Region, const TBrushFill& Brush, int Rop2)
{
    for (const TRect& r : Region.Rects())
        FillRect(r, Brush, Rop2);
}

void TPainter::PatRect(const TRect& R, const TBrushFill& Brush, uint8_t Rop3)
{
    if (IsRectEmpty(R) || Rop3 == 0xAA || (Rop3UsesPattern(Rop3) && Brush.Null))
        return;
    clip_.ForEachRectIn(R, [&](const TRect& part) {
        int n = part.Width();
        uint32_t* pat = Scratch(n, 1);
        uint32_t* row = Scratch(n, 0);
        for (int y = part.Top; y < part.Bottom; ++y) {
            if (Rop3UsesPattern(Rop3))
                Brush.Row(part.Left, y, n, pat);
            if (Rop3UsesDest(Rop3))
                surface_.ReadRow(part.Left, y, n, row);
            ApplyRop3Row(Rop3, nullptr, pat, row, n);
            surface_.WriteRow(part.Left, y, n, row);
        }
    });
}
