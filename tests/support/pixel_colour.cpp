#include "tests/support/pixel_colour.h"

TColor PixelAt(const TRasterImage& Image, int X, int Y)
{
    const uint32_t p = Image.Row(Y)[X];
    return static_cast<TColor>(((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
}
