// Conversions between RGB colours and hue, saturation and lightness, used to
// derive the folder bar's default colours from the system colours.
#pragma once

#include "platform/gdi/colors.h"

// H 0..359 degrees, S and L 0..100 percent. System colours are resolved
// first.
void RGBToHSL(TColor Color, int& H, int& S, int& L);

// The plain colour of H, S, L. Every channel stays within 0..255, so a channel
// rounded up past 255 never spills into its neighbour.
TColor HSLToRGB(int H, int S, int L);
