#include "tests/skin/data/png_fuzz_entry.h"

#include <span>

#include "platform/base/exceptions.h"
#include "platform/gdi/png_codec.h"
#include "skin/data/bs_bitmap.h"

int FuzzPngToBitmap(const uint8_t* Data, size_t Size)
{
    TRasterImage png;
    try {
        png = ReadPng(std::span(Data, Size));
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    TbsBitmap bitmap;
    PngToBitmap(&bitmap, png);
    if (bitmap.Width() != png.Width || bitmap.Height() != png.Height)
        throw EAssertionFailed("The bitmap's size differs from the picture's");
    bool semiTransparent = false;
    for (int y = 0; y < png.Height; ++y)
        for (int x = 0; x < png.Width; ++x) {
            uint32_t p = *bitmap.PixelPtr(x, y);
            if (p != png.Row(y)[x])
                throw EAssertionFailed("A pixel of the bitmap differs from the picture's");
            semiTransparent = semiTransparent || (p >> 24 != 0 && p >> 24 != 255);
        }
    if (bitmap.AlphaBlendFlag != semiTransparent)
        throw EAssertionFailed("The bitmap's alpha blending flag disagrees with its pixels");
    return 1;
}
