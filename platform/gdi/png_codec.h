// PNG files through libpng: every colour type and bit depth is read into
// 8-bit BGRA pixels; pictures are written as 8-bit RGB or RGBA.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/raster_image.h"

bool IsPngSignature(std::span<const uint8_t> Data);

// Palette, grey, grey with alpha, RGB and RGBA, 1 to 16 bits, transparency
// chunks and interlacing all end as straight-alpha pixels. A broken or cut
// short file raises EInvalidGraphic with libpng's reason.
TRasterImage ReadPng(std::span<const uint8_t> Data);

// RGBA when the picture has alpha, else RGB; 8 bits per channel.
std::vector<uint8_t> WritePng(const TRasterImage& Image);
