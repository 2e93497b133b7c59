// Pixels of a drawn picture read as the program's colour values.
#pragma once

#include "platform/gdi/colors.h"
#include "platform/gdi/raster_image.h"

// The pixel at (X, Y) as a colour (0x00BBGGRR); the picture holds
// 0xAARRGGBB.
TColor PixelAt(const TRasterImage& Image, int X, int Y);
