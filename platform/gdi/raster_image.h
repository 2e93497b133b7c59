// A decoded picture as the image codecs hand it over, and its way to and
// from bitmap handles.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/gdi/gdi_object.h"

// A file that is not a picture we can read, or is broken or cut short.
TANDRIL_EXCEPTION(EInvalidGraphic, Exception);

// Decoders refuse pictures beyond these bounds before allocating anything.
inline constexpr int kMaxImageSide = 1 << 20;
inline constexpr int64_t kMaxImagePixels = int64_t(1) << 26;

struct TRasterImage {
    int Width = 0;
    int Height = 0;
    // Width * Height pixels, rows top-down without gaps, each 0xAARRGGBB
    // (B, G, R, A in memory) with straight, not premultiplied, alpha.
    // Pictures without alpha have A = 255 everywhere.
    std::vector<uint32_t> Pixels;
    // The picture carried an alpha channel worth keeping.
    bool HasAlpha = false;

    bool Empty() const { return Pixels.empty(); }
    uint32_t* Row(int Y) { return Pixels.data() + static_cast<size_t>(Y) * Width; }
    const uint32_t* Row(int Y) const { return Pixels.data() + static_cast<size_t>(Y) * Width; }

    // A picture of the given size, all pixels 0; raises EInvalidGraphic
    // when the size is out of bounds.
    static TRasterImage Sized(int Width, int Height);
};

// Decodes a BMP or PNG file, told apart by its signature.
TRasterImage ReadImage(std::span<const uint8_t> Data);

// A top-down DIB section of 24 or 32 bits holding the picture (24 bits drop
// the alpha); nullptr for an empty picture, another bit count, or when the
// memory cannot be had.
HBITMAP CreateBitmapFromImage(const TRasterImage& Image, int BitsPerPixel);
// A 32-bit section for pictures with alpha, a 24-bit one for the others.
HBITMAP CreateBitmapFromImage(const TRasterImage& Image);

// The pixels of any bitmap. A 32-bit bitmap keeps its alpha unless every
// pixel's alpha is 0 (drawing leaves it so), which reads as opaque; other
// formats read as opaque. An invalid handle gives an empty picture; a bitmap
// beyond the picture bounds raises EInvalidGraphic.
TRasterImage ImageFromBitmap(HBITMAP Bitmap);

// For 32-bit sources: alpha that is 0 on every pixel means "no alpha" (many
// writers leave the fourth byte 0), so it becomes 255 and HasAlpha false;
// any other alpha is kept and HasAlpha set.
void SettleAlpha(TRasterImage& Image);
// The two halves of it, for pixels held elsewhere: whether any 0xAARRGGBB
// pixel has alpha other than 0, and alpha 255 on all of them.
bool AnyAlpha(std::span<const uint32_t> Pixels);
void MakeOpaque(std::span<uint32_t> Pixels);
