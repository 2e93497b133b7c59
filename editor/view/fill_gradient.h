// A rectangle filled with bands that step from one colour to another, as the
// gutter is painted.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"
#include "platform/ui/graphics/canvas.h"

// Fills Rect with Steps bands (kept to 2..256) with the canvas's brush, made
// solid: left to right when Horizontal, else top to bottom. The first band
// has FromColor and the last ToColor (system colours are resolved); the
// ones between step evenly. The canvas keeps the brush of the last band.
void FillGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& Rect, int Steps);
