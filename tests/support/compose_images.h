// Several pictures made into one, so that one golden file shows a
// control's looks together.
#pragma once

#include <vector>

#include "platform/gdi/raster_image.h"

// The pictures laid side by side (Across) or one under the other, 4
// pixels apart on white.
TRasterImage ComposeImages(const std::vector<TRasterImage>& Parts, bool Across);
