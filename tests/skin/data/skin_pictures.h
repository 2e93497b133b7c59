// Pictures for the nine-part, mask and effect tests.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/graphics/bitmap.h"

// A white pf32bit bitmap.
inline std::unique_ptr<TBitmap> NewPicture(int Width, int Height)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(Width, Height);
    return bitmap;
}

inline uint32_t& PixelOf(TBitmap& Bitmap, int X, int Y) { return static_cast<uint32_t*>(Bitmap.ScanLine(Y))[X]; }
inline uint32_t ColorAt(TBitmap& Bitmap, int X, int Y) { return PixelOf(Bitmap, X, Y) & 0xFFFFFF; }

// Each pixel's colour names its place, so that a target pixel tells where
// it came from: Code(x, y) = x << 12 | y.
inline uint32_t Code(int X, int Y) { return uint32_t(X) << 12 | uint32_t(Y); }
inline int CodeX(uint32_t Color) { return int(Color >> 12); }
inline int CodeY(uint32_t Color) { return int(Color & 0xFFF); }

inline std::unique_ptr<TBitmap> CodedPicture(int Width, int Height)
{
    auto bitmap = NewPicture(Width, Height);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            PixelOf(*bitmap, x, y) = 0xFF000000 | Code(x, y);
    return bitmap;
}

// A mask from rows of text: '#' black, 'g' dark grey (1, 1, 1), else white.
inline std::unique_ptr<TBitmap> MaskPicture(const std::vector<std::string>& Rows)
{
    auto bitmap = NewPicture(int(Rows[0].size()), int(Rows.size()));
    for (size_t y = 0; y < Rows.size(); ++y)
        for (size_t x = 0; x < Rows[y].size(); ++x)
            PixelOf(*bitmap, int(x), int(y)) = Rows[y][x] == '#' ? 0xFF000000 : Rows[y][x] == 'g' ? 0xFF010101 : ~0u;
    return bitmap;
}
