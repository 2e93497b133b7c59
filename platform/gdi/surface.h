// The pixels a DC draws on, and the one place where colours meet pixels.
//
// A COLORREF is 0x00BBGGRR (red in the low byte). A 32-bit pixel is stored
// B, G, R, A in memory, so read as a little-endian uint32 it is 0xAARRGGBB;
// a 24-bit pixel is B, G, R. The raster code works on rows of uint32 pixels
// in that 0xAARRGGBB form whatever the surface's format: 24-bit pixels read
// with alpha 0, monochrome pixels read as 0x00000000 (bit 0, black) or
// 0x00FFFFFF (bit 1, white).
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"

constexpr uint32_t ColorToPixel(COLORREF Color)
{
    return ((Color & 0xFF) << 16) | (Color & 0xFF00) | ((Color >> 16) & 0xFF);
}
constexpr COLORREF PixelToColor(uint32_t Pixel)
{
    return ((Pixel & 0xFF) << 16) | (Pixel & 0xFF00) | ((Pixel >> 16) & 0xFF);
}
// A colour drawn on a monochrome surface becomes white when it is nearer
// white than black.
constexpr uint32_t PixelToMono(uint32_t Pixel)
{
    return ((Pixel & 0xFF) + ((Pixel >> 8) & 0xFF) + ((Pixel >> 16) & 0xFF)) >= 383 ? 0x00FFFFFF : 0;
}

inline constexpr uint32_t kColorBits = 0x00FFFFFF;

struct TSurface {
    uint8_t* Row0 = nullptr;  // the top row
    ptrdiff_t Stride = 0;     // bytes from a row to the one below; negative for bottom-up storage
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 0;  // 1, 24 or 32

    bool IsValid() const { return Row0 != nullptr && Width > 0 && Height > 0; }
    TRect Bounds() const { return {0, 0, Width, Height}; }
    uint8_t* Row(int Y) const { return Row0 + Y * Stride; }
    uint32_t* Row32(int Y) const { return reinterpret_cast<uint32_t*>(Row(Y)); }

    uint32_t GetPixel(int X, int Y) const;
    void SetPixel(int X, int Y, uint32_t Pixel) const;
    // Reads or writes Count pixels of row Y from column X, as 0xAARRGGBB.
    void ReadRow(int X, int Y, int Count, uint32_t* Out) const;
    void WriteRow(int X, int Y, int Count, const uint32_t* In) const;
    // Fills Count pixels of row Y from column X with one value.
    void FillRow(int X, int Y, int Count, uint32_t Pixel) const;
};
