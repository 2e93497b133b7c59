// Hue, saturation and luminance on the colour dialog's scale: each runs
// 0..240 (hue 240 is hue 0 again), and converts to and from red, green and
// blue 0..255 in whole numbers, rounding as the dialog's boxes show them.
#pragma once

#include "platform/gdi/colors.h"

inline constexpr int HlsMax = 240;
// A grey has no hue of its own; the dialog shows this one for it.
inline constexpr int GreyHue = HlsMax * 2 / 3;

struct THls {
    int Hue = 0;  // 0..239
    int Sat = 0;  // 0..240
    int Lum = 0;  // 0..240
    friend bool operator==(const THls&, const THls&) = default;
};

// Color is a plain colour 0x00BBGGRR.
THls ColorToHls(TColor Color);
// Values beyond their ranges are taken as the nearest in range.
TColor HlsToColor(THls Hls);
