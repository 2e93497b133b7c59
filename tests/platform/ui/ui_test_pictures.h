// Small helpers for pixel tests of the graphics classes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"

// A white pf32bit bitmap.
inline std::unique_ptr<TBitmap> WhiteBitmap(int Width, int Height)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(Width, Height);
    return bitmap;
}

// The raw 32-bit pixel (0xAARRGGBB) of a pf32bit bitmap.
inline uint32_t& RawPixel(TBitmap& Bitmap, int X, int Y) { return static_cast<uint32_t*>(Bitmap.ScanLine(Y))[X]; }

// One row of the canvas as letters: W white, K black, R red, G lime,
// B blue, N navy, Y yellow, A aqua, '?' anything else.
inline std::string RowOf(TCanvas* Canvas, int Y, int Left, int Right)
{
    std::string s;
    for (int x = Left; x < Right; ++x) {
        switch (Canvas->Pixels(x, Y)) {
        case clWhite: s += 'W'; break;
        case clBlack: s += 'K'; break;
        case clRed: s += 'R'; break;
        case clLime: s += 'G'; break;
        case clBlue: s += 'B'; break;
        case clNavy: s += 'N'; break;
        case clYellow: s += 'Y'; break;
        case clAqua: s += 'A'; break;
        default: s += '?'; break;
        }
    }
    return s;
}
