#include "platform/ui/graphics/image_blend.h"

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/device_context.h"
#include "platform/ui/graphics/graphics_exceptions.h"

uint32_t Premultiplied(uint32_t Pixel)
{
    uint32_t a = Pixel >> 24;
    uint32_t out = a << 24;
    for (int shift = 0; shift < 24; shift += 8)
        out |= ((((Pixel >> shift) & 0xFF) * a + 127) / 255) << shift;
    return out;
}

void DrawImageBlended(HDC DC, const TRect& Dest, const TRasterImage& Image)
{
    if (Image.Empty())
        return;
    TRasterImage scratch = Image;
    for (uint32_t& p : scratch.Pixels)
        p = Premultiplied(p);
    HBITMAP bitmap = CreateBitmapFromImage(scratch, 32);
    HDC source = CreateCompatibleDC(nullptr);
    if (!bitmap || !source) {
        DeleteObject(bitmap);
        DeleteDC(source);
        throw EOutOfResources("Out of system resources");
    }
    HGDIOBJ old = SelectObject(source, bitmap);
    BLENDFUNCTION blend;
    blend.AlphaFormat = AC_SRC_ALPHA;
    AlphaBlend(DC, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), source, 0, 0, Image.Width, Image.Height, blend);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(bitmap);
}
