#include "skin/data/bs_glow_text.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_effects.h"

namespace {

constexpr TColor kMaskRed = 255;

// Draws 8-bit or wide text the same way on any canvas.
struct TTextDrawer {
    const AnsiString* Narrow = nullptr;
    const std::u16string* Wide = nullptr;

    void Draw(TCanvas* Canvas, TRect& R, unsigned Flags) const
    {
        if (Wide != nullptr)
            DrawTextUnicode(Canvas, *Wide, R, Flags);
        else
            Canvas->TextRect(R, *Narrow, Flags);
    }
};

// A W x H bitmap, all pixels 0, whose canvas draws in Canvas's font in
// pure red with a clear brush.
void PrepareMask(TbsBitmap& Bitmap, TCanvas* Canvas, int W, int H)
{
    Bitmap.SetSize(W, H);
    TCanvas* c = Bitmap.GetCanvas();
    c->Font()->Assign(Canvas->Font());
    c->Font()->SetColor(kMaskRed);
    c->Brush()->SetStyle(bsClear);
}

// 0x00BBGGRR to the colour part 0x00RRGGBB of a pixel.
uint32_t ColorToPixelRGB(TColor Color)
{
    const uint32_t c = static_cast<uint32_t>(ColorToRGB(Color));
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// Each pixel := Color with a straight alpha equal to its red intensity.
void AlphaFromRed(TbsBitmap& Bitmap, TColor Color)
{
    const uint32_t rgb = ColorToPixelRGB(Color);
    uint32_t* p = Bitmap.Bits();
    const size_t count = static_cast<size_t>(Bitmap.Width()) * Bitmap.Height();
    for (size_t i = 0; i < count; ++i)
        p[i] = (((p[i] >> 16) & 0xFF) << 24) | rgb;
}

void BlendAndDrawText(TbsBitmap& Bitmap, TCanvas* Canvas, int X, int Y, const TRect& R, const TTextDrawer& Text,
                      unsigned Flags)
{
    Bitmap.AlphaBlendFlag = true;
    Bitmap.DrawToCanvas(Canvas, X, Y);
    Canvas->Brush()->SetStyle(bsClear);
    TRect r = R;
    Text.Draw(Canvas, r, Flags);
}

void DrawGlow(TCanvas* Canvas, const TRect& R, const TTextDrawer& Text, int GlowSize, TColor GlowColor, int Offset,
              unsigned Flags)
{
    const int g = std::max(GlowSize, 0);
    TbsBitmap bitmap;
    PrepareMask(bitmap, Canvas, RectWidth(R) + 2 * g, RectHeight(R) + 2 * g);
    if (bitmap.IsEmpty())
        return;
    TRect inner{g, g, bitmap.Width() - g, bitmap.Height() - g};
    Text.Draw(bitmap.GetCanvas(), inner, Flags);
    BlurBitmap(&bitmap, g);
    AlphaFromRed(bitmap, GlowColor);
    BlendAndDrawText(bitmap, Canvas, R.Left + Offset - g, R.Top + Offset - g, R, Text, Flags);
}

void DrawHalo(TCanvas* Canvas, const TRect& R, const TTextDrawer& Text, TColor HaloColor, unsigned Flags, int M)
{
    TbsBitmap bitmap;
    PrepareMask(bitmap, Canvas, RectWidth(R) + 2 * M, RectHeight(R) + 2 * M);
    if (bitmap.IsEmpty())
        return;
    TCanvas* c = bitmap.GetCanvas();
    const TRect t{M, M, bitmap.Width() - M, bitmap.Height() - M};
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(kMaskRed);
    if (M == 12)
        c->FillRect(TRect{t.Left - 3, t.Top + 2, t.Right + 3, t.Bottom - 2});
    else
        c->FillRect(TRect{t.Left + 3, t.Top + 3, t.Right - 3, t.Bottom - 3});
    c->Brush()->SetStyle(bsClear);
    static constexpr TPoint kSpread[] = {{-1, -1}, {-2, -2}, {-1, 0}, {-2, 0}, {1, 0},
                                         {2, 0},   {1, 1},   {2, 2},  {0, 0}};
    for (const TPoint& d : kSpread) {
        TRect r{t.Left + d.X, t.Top + d.Y, t.Right + d.X, t.Bottom + d.Y};
        Text.Draw(c, r, Flags);
    }
    BlurBitmap(&bitmap, M / 2);
    BlurBitmap(&bitmap, M / 2);
    AlphaFromRed(bitmap, HaloColor);
    BlendAndDrawText(bitmap, Canvas, R.Left - M, R.Top - M, R, Text, Flags);
}

void DrawReflection(TCanvas* Canvas, const TRect& R, const TTextDrawer& Text, TColor ReflectionColor, int Offset,
                    unsigned Flags)
{
    const int w = RectWidth(R);
    const int h = RectHeight(R);
    TbsBitmap bitmap;
    PrepareMask(bitmap, Canvas, w, h);
    if (bitmap.IsEmpty())
        return;
    TCanvas* c = bitmap.GetCanvas();
    TRect t{0, 0, w, h};
    Text.Draw(c, t, Flags);
    t = TRect{0, 0, w, h};
    Text.Draw(c, t, Flags | DT_CALCRECT);
    TRect p = R;
    Text.Draw(Canvas, p, Flags | DT_CALCRECT);

    const uint32_t rgb = ColorToPixelRGB(ReflectionColor);
    for (int y = 0; y < h; ++y) {
        uint32_t* row = bitmap.GetScanline(y);
        // The text's rows fade from 0.7 of its red at its lowest row; the
        // rows around it, and a text rect taller than the bitmap, are cut.
        if (t.Height() <= 0 || y < t.Top || y > t.Bottom) {
            std::fill(row, row + w, 0u);
            continue;
        }
        double k = 0.7 - static_cast<double>(t.Bottom - (y - t.Top)) / (t.Bottom - t.Top);
        k = std::max(k, 0.05);
        for (int x = 0; x < w; ++x) {
            const uint32_t red = (row[x] >> 16) & 0xFF;
            row[x] = (static_cast<uint32_t>(std::trunc(red * k)) << 24) | rgb;
        }
    }
    for (int y = 0; y < h / 2; ++y)
        std::swap_ranges(bitmap.GetScanline(y), bitmap.GetScanline(y) + w, bitmap.GetScanline(h - 1 - y));
    BlendAndDrawText(bitmap, Canvas, R.Left, p.Bottom - (h - t.Bottom) + Offset, R, Text, Flags);
}

}  // namespace

void DrawGlowTextA(TCanvas* Canvas, const TRect& R, const AnsiString& Text, int GlowSize, TColor GlowColor,
                   int Offset, unsigned Flags)
{
    DrawGlow(Canvas, R, TTextDrawer{&Text, nullptr}, GlowSize, GlowColor, Offset, Flags);
}

void DrawGlowText(TCanvas* Canvas, const TRect& R, const std::u16string& Text, int GlowSize, TColor GlowColor,
                  int Offset, unsigned Flags)
{
    DrawGlow(Canvas, R, TTextDrawer{nullptr, &Text}, GlowSize, GlowColor, Offset, Flags);
}

void DrawReflectionTextA(TCanvas* Canvas, const TRect& R, const AnsiString& Text, TColor ReflectionColor,
                         int Offset, unsigned Flags)
{
    DrawReflection(Canvas, R, TTextDrawer{&Text, nullptr}, ReflectionColor, Offset, Flags);
}

void DrawReflectionText(TCanvas* Canvas, const TRect& R, const std::u16string& Text, TColor ReflectionColor,
                        int Offset, unsigned Flags)
{
    DrawReflection(Canvas, R, TTextDrawer{nullptr, &Text}, ReflectionColor, Offset, Flags);
}

void DrawVistaGlowText(TCanvas* Canvas, const TRect& R, const std::u16string& Text, TColor HaloColor,
                       unsigned Flags)
{
    DrawHalo(Canvas, R, TTextDrawer{nullptr, &Text}, HaloColor, Flags, 12);
}

void DrawVistaGlowTextNarrow(TCanvas* Canvas, const TRect& R, const std::u16string& Text, TColor HaloColor,
                             unsigned Flags)
{
    DrawHalo(Canvas, R, TTextDrawer{nullptr, &Text}, HaloColor, Flags, 10);
}
