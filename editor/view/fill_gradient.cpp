#include "editor/view/fill_gradient.h"

#include <algorithm>

#include "platform/base/sys_utils.h"

void FillGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& Rect, int Steps)
{
    const COLORREF from = static_cast<COLORREF>(ColorToRGB(FromColor));
    const COLORREF to = static_cast<COLORREF>(ColorToRGB(ToColor));
    const int deltaR = GetRValue(to) - GetRValue(from);
    const int deltaG = GetGValue(to) - GetGValue(from);
    const int deltaB = GetBValue(to) - GetBValue(from);
    const int bands = std::clamp(Steps, 2, 256);
    const int extent = Horizontal ? Rect.Width() : Rect.Height();

    Canvas->Brush()->SetStyle(bsSolid);
    for (int i = 0; i < bands; ++i) {
        const int r = GetRValue(from) + MulDiv(i, deltaR, bands - 1);
        const int g = GetGValue(from) + MulDiv(i, deltaG, bands - 1);
        const int b = GetBValue(from) + MulDiv(i, deltaB, bands - 1);
        Canvas->Brush()->SetColor(static_cast<TColor>(RGB(r, g, b)));
        const int near = MulDiv(i, extent, bands);
        const int far = MulDiv(i + 1, extent, bands);
        TRect band = Rect;
        if (Horizontal) {
            band.Left = Rect.Left + near;
            band.Right = Rect.Left + far;
        } else {
            band.Top = Rect.Top + near;
            band.Bottom = Rect.Top + far;
        }
        Canvas->FillRect(band);
    }
}
