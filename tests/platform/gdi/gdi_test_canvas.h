// A memory DC over a fresh top-down 32-bit DIB section, for pixel tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"

class TTestCanvas {
public:
    TTestCanvas(int Width, int Height, int BitsPerPixel = 32) : width_(Width), height_(Height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = Width;
        info.bmiHeader.biHeight = -Height;
        info.bmiHeader.biBitCount = static_cast<uint16_t>(BitsPerPixel);
        void* bits = nullptr;
        Bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        Bits = static_cast<uint8_t*>(bits);
        DC = CreateCompatibleDC(nullptr);
        SelectObject(DC, Bitmap);
    }
    ~TTestCanvas()
    {
        DeleteDC(DC);
        DeleteObject(Bitmap);
    }
    TTestCanvas(const TTestCanvas&) = delete;
    TTestCanvas& operator=(const TTestCanvas&) = delete;

    // The raw 32-bit pixel, 0xAARRGGBB.
    uint32_t& At(int X, int Y) { return reinterpret_cast<uint32_t*>(Bits)[Y * width_ + X]; }
    void Fill(uint32_t Pixel)
    {
        for (int i = 0; i < width_ * height_; ++i)
            reinterpret_cast<uint32_t*>(Bits)[i] = Pixel;
    }
    // The picture as rows of characters: '.' for Background, '#' for any
    // other pixel; handy for shapes.
    std::string Picture(uint32_t Background = 0)
    {
        std::string s;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x)
                s += (At(x, y) & 0x00FFFFFF) == Background ? '.' : '#';
            s += '\n';
        }
        return s;
    }
    // The bounding box of pixels that differ from Background.
    TRect Ink(uint32_t Background = 0)
    {
        TRect r{width_, height_, 0, 0};
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if ((At(x, y) & 0x00FFFFFF) != Background)
                    r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
        return r.Left < r.Right ? r : TRect{};
    }

    HBITMAP Bitmap = nullptr;
    HDC DC = nullptr;
    uint8_t* Bits = nullptr;

private:
    int width_;
    int height_;
};
