// Drawing a picture with straight (not premultiplied) alpha onto a device
// context: what icons and image lists do with their 32-bit images.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/raster_image.h"

// The picture's pixel with its colour multiplied by its alpha, each channel
// rounded to nearest.
uint32_t Premultiplied(uint32_t Pixel);

// Blends the whole picture, stretched to Dest, over what the context holds.
void DrawImageBlended(HDC DC, const TRect& Dest, const TRasterImage& Image);
