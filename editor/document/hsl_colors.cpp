#include "editor/document/hsl_colors.h"

#include <algorithm>
#include <cmath>

void RGBToHSL(TColor Color, int& H, int& S, int& L)
{
    const COLORREF rgb = static_cast<COLORREF>(ColorToRGB(Color));
    const int r = GetRValue(rgb);
    const int g = GetGValue(rgb);
    const int b = GetBValue(rgb);
    const int mx = std::max({r, g, b});
    const int mn = std::min({r, g, b});
    L = (mx + mn) * 100 / 510;
    if (mx == mn) {
        H = 0;
        S = 0;
        return;
    }
    const int delta = mx - mn;
    S = L > 50 ? delta * 100 / (510 - mx - mn) : delta * 100 / (mx + mn);
    double hue;
    if (r == mx)
        hue = 60.0 * (g - b) / delta + (b > g ? 360 : 0);
    else if (g == mx)
        hue = 60.0 * (b - r) / delta + 120;
    else
        hue = 60.0 * (r - g) / delta + 240;
    // A red with a trace of blue lands just below 360, which rounds up to it;
    // that is hue 0.
    H = static_cast<int>(std::nearbyint(hue)) % 360;
}

namespace {

int Channel(double value) { return std::clamp(static_cast<int>(std::ceil(value * 255)), 0, 255); }

}  // namespace

TColor HSLToRGB(int H, int S, int L)
{
    if (S == 0) {
        int v = std::clamp(static_cast<int>(std::nearbyint(L * 2.55)), 0, 255);
        return static_cast<TColor>(RGB(v, v, v));
    }
    const double l = L / 100.0;
    const double s = S / 100.0;
    const double m1 = l < 0.5 ? l * (1 - s) : l - (1 - l) * s;
    const double m2 = 2 * l - m1;
    const double h = H / 60.0;
    double r, g, b;
    switch (H / 60) {
    case 0: r = m2; g = m1 + h * (m2 - m1); b = m1; break;
    case 1: r = m1 + (2 - h) * (m2 - m1); g = m2; b = m1; break;
    case 2: r = m1; g = m2; b = m1 + (h - 2) * (m2 - m1); break;
    case 3: r = m1; g = m1 + (4 - h) * (m2 - m1); b = m2; break;
    case 4: r = m1 + (h - 4) * (m2 - m1); g = m1; b = m2; break;
    default: r = m2; g = m1; b = m1 + (6 - h) * (m2 - m1); break;
    }
    return static_cast<TColor>(RGB(Channel(r), Channel(g), Channel(b)));
}
