// BMP files: a 14-byte file header, an info header (12-byte core, 40-byte
// info, or the longer 52/56/108/124-byte kinds), optional colour masks and
// palette, then rows of pixels padded to 4 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/gdi/raster_image.h"

struct TSurface;

bool IsBmpSignature(std::span<const uint8_t> Data);

// Reads 1, 4 and 8 bits with a palette, 16 bits (555, or any masks with
// BI_BITFIELDS), 24 and 32 bits, bottom-up or top-down. Compressed (RLE)
// files and anything broken or cut short raise EInvalidGraphic.
TRasterImage ReadBmp(std::span<const uint8_t> Data);

// The rows of a 24-bit file, or of a 32-bit one with the usual B, G, R, A
// byte order, are byte for byte the rows of a surface of the same bits, so
// they are copied as they are instead of decoded pixel by pixel.
struct TBmpRows {
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 0;          // 24 or 32
    const uint8_t* Top = nullptr;  // the top row, inside the file's bytes
    ptrdiff_t Stride = 0;          // from a row to the one below it
};
// The rows of such a file; nothing for other kinds, which ReadBmp reads.
// A broken or cut file raises EInvalidGraphic as ReadBmp does.
std::optional<TBmpRows> PlainBmpRows(std::span<const uint8_t> Data);
// Copies the rows into Target, a surface of their size and bits, with the
// pixels ReadBmp would give: a 32-bit file whose alpha is 0 everywhere
// becomes opaque.
void CopyPlainBmpRows(const TBmpRows& Rows, const TSurface& Target);

// A bottom-up BI_RGB file of 24 or 32 bits per pixel with the 40-byte info
// header. With 32 bits the fourth byte holds the alpha, or 0 when the
// picture has none, which reads back as opaque.
std::vector<uint8_t> WriteBmp(const TRasterImage& Image, int BitsPerPixel);
