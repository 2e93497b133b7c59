#include "platform/gdi/raster_image.h"

#include <algorithm>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/png_codec.h"

TRasterImage TRasterImage::Sized(int Width, int Height)
{
    if (Width <= 0 || Height <= 0)
        throw EInvalidGraphic("Picture size is not valid");
    if (Width > kMaxImageSide || Height > kMaxImageSide || int64_t(Width) * Height > kMaxImagePixels)
        throw EInvalidGraphic("Picture is too large");
    TRasterImage image;
    image.Width = Width;
    image.Height = Height;
    image.Pixels.assign(static_cast<size_t>(Width) * static_cast<size_t>(Height), 0);
    return image;
}

TRasterImage ReadImage(std::span<const uint8_t> Data)
{
    if (IsBmpSignature(Data))
        return ReadBmp(Data);
    if (IsPngSignature(Data))
        return ReadPng(Data);
    throw EInvalidGraphic("Unknown picture format");
}

bool AnyAlpha(std::span<const uint32_t> Pixels)
{
    return std::any_of(Pixels.begin(), Pixels.end(), [](uint32_t p) { return p >> 24; });
}

void MakeOpaque(std::span<uint32_t> Pixels)
{
    for (uint32_t& p : Pixels)
        p |= 0xFF000000u;
}

void SettleAlpha(TRasterImage& Image)
{
    Image.HasAlpha = AnyAlpha(Image.Pixels);
    if (!Image.HasAlpha)
        MakeOpaque(Image.Pixels);
}

HBITMAP CreateBitmapFromImage(const TRasterImage& Image, int BitsPerPixel)
{
    if (Image.Empty() || (BitsPerPixel != 24 && BitsPerPixel != 32))
        return nullptr;
    BITMAPINFO info;
    info.bmiHeader.biWidth = Image.Width;
    info.bmiHeader.biHeight = -Image.Height;
    info.bmiHeader.biBitCount = static_cast<uint16_t>(BitsPerPixel);
    void* bits = nullptr;
    HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handle)
        return nullptr;
    TSurface surface = GdiObjectAs<TGdiBitmap>(handle)->Surface();
    for (int y = 0; y < Image.Height; ++y)
        surface.WriteRow(0, y, Image.Width, Image.Row(y));
    return handle;
}

HBITMAP CreateBitmapFromImage(const TRasterImage& Image)
{
    return CreateBitmapFromImage(Image, Image.HasAlpha ? 32 : 24);
}

TRasterImage ImageFromBitmap(HBITMAP Bitmap)
{
    TGdiBitmap* bitmap = GdiObjectAs<TGdiBitmap>(Bitmap);
    if (!bitmap)
        return {};
    TSurface surface = bitmap->Surface();
    TRasterImage image = TRasterImage::Sized(surface.Width, surface.Height);
    for (int y = 0; y < image.Height; ++y)
        surface.ReadRow(0, y, image.Width, image.Row(y));
    if (surface.BitsPerPixel == 32)
        SettleAlpha(image);
    else
        for (uint32_t& p : image.Pixels)
            p |= 0xFF000000u;
    return image;
}
