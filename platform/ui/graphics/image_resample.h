// Resizing a picture with straight alpha, as icon copies of another size
// need it: shrinking averages the pixels each target pixel covers.
#pragma once

#include "platform/gdi/raster_image.h"

// Image scaled to Width x Height (both at least 1). Each target pixel is
// the alpha-weighted mean of the source pixels whose centres fall inside
// it, or the nearest source pixel when none does (enlarging); a fully
// transparent area stays fully transparent.
TRasterImage ResampleImage(const TRasterImage& Image, int Width, int Height);
