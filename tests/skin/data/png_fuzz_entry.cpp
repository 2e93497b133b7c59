#include "tests/skin/data/png_fuzz_entry.h"

#include <span>

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
        return -1;
    bool semiTransparent = false;
    for (int y = 0; y < png.Height; ++y)
        for (int x = 0; x < png.Width; ++x) {
            uint32_t p = *bitmap.PixelPtr(x, y);
            if (p != png.Row(y)[x])
                return -1;
            semiTransparent = semiTransparent || (p >> 24 != 0 && p >> 24 != 255);
        }
    return bitmap.AlphaBlendFlag == semiTransparent ? 1 : -1;
}
