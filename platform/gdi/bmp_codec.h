// BMP files: a 14-byte file header, an info header (12-byte core, 40-byte
// info, or the longer 52/56/108/124-byte kinds), optional colour masks and
// palette, then rows of pixels padded to 4 bytes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/raster_image.h"

bool IsBmpSignature(std::span<const uint8_t> Data);

// Reads 1, 4 and 8 bits with a palette, 16 bits (555, or any masks with
// BI_BITFIELDS), 24 and 32 bits, bottom-up or top-down. Compressed (RLE)
// files and anything broken or cut short raise EInvalidGraphic.
TRasterImage ReadBmp(std::span<const uint8_t> Data);

// A bottom-up BI_RGB file of 24 or 32 bits per pixel with the 40-byte info
// header. With 32 bits the fourth byte holds the alpha, or 0 when the
// picture has none, which reads back as opaque.
std::vector<uint8_t> WriteBmp(const TRasterImage& Image, int BitsPerPixel);
