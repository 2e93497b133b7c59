// Integer conversions between RGB and the dialog's HLS scale. Whole-number
// arithmetic with rounding at every division, so that the numbers a user
// types give the same colour every time and pure colours land on round
// values (red is 0, 240, 120).
#include "platform/ui/dialogs/color_dialog_hls.h"

#include <algorithm>

namespace {

constexpr int RgbMax = 255;

// Numerator / Denominator rounded to the nearest (both not negative).
int Rounded(int Numerator, int Denominator)
{
    return (Numerator + Denominator / 2) / Denominator;
}

// One channel on the 0..240 scale, from the two levels the luminance and
// saturation give and the hue's distance around the circle.
int HueChannel(int Low, int High, int Hue)
{
    if (Hue < 0)
        Hue += HlsMax;
    if (Hue > HlsMax)
        Hue -= HlsMax;
    constexpr int Sixth = HlsMax / 6;
    if (Hue < Sixth)
        return Low + Rounded((High - Low) * Hue, Sixth);
    if (Hue < HlsMax / 2)
        return High;
    if (Hue < HlsMax * 2 / 3)
        return Low + Rounded((High - Low) * (HlsMax * 2 / 3 - Hue), Sixth);
    return Low;
}

}  // namespace

THls ColorToHls(TColor Color)
{
    const COLORREF rgb = static_cast<COLORREF>(Color);
    const int r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
    const int high = std::max({r, g, b});
    const int low = std::min({r, g, b});
    THls hls;
    hls.Lum = Rounded((high + low) * HlsMax, 2 * RgbMax);
    if (high == low) {
        hls.Hue = GreyHue;
        return hls;
    }
    const int spread = high - low;
    const int sum = hls.Lum <= HlsMax / 2 ? high + low : 2 * RgbMax - high - low;
    hls.Sat = Rounded(spread * HlsMax, sum);
    // How far each channel stands below the highest, in sixths of the
    // circle.
    auto below = [&](int Channel) { return Rounded((high - Channel) * (HlsMax / 6), spread); };
    int hue;
    if (r == high)
        hue = below(b) - below(g);
    else if (g == high)
        hue = HlsMax / 3 + below(r) - below(b);
    else
        hue = HlsMax * 2 / 3 + below(g) - below(r);
    hls.Hue = (hue + HlsMax) % HlsMax;
    return hls;
}

TColor HlsToColor(THls Hls)
{
    const int hue = std::clamp(Hls.Hue, 0, HlsMax);
    const int sat = std::clamp(Hls.Sat, 0, HlsMax);
    const int lum = std::clamp(Hls.Lum, 0, HlsMax);
    if (sat == 0) {
        // Rounded like the channels, so that a grey keeps its value through
        // its luminance (128 is 120 and back).
        const int grey = Rounded(lum * RgbMax, HlsMax);
        return static_cast<TColor>(RGB(grey, grey, grey));
    }
    const int high = lum <= HlsMax / 2 ? Rounded(lum * (HlsMax + sat), HlsMax)
                                       : lum + sat - Rounded(lum * sat, HlsMax);
    const int low = 2 * lum - high;
    auto channel = [&](int Hue) { return Rounded(HueChannel(low, high, Hue) * RgbMax, HlsMax); };
    return static_cast<TColor>(RGB(channel(hue + HlsMax / 3), channel(hue), channel(hue - HlsMax / 3)));
}
