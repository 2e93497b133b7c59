// The generator's drawing surface: 32-bit pixels drawn with integer
// arithmetic only, so that every build writes the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/geometry.h"

// A colour of the generator: 0xAARRGGBB with straight alpha.
using TArgb = uint32_t;

constexpr TArgb Rgb(int R, int G, int B) { return 0xFF000000u | uint32_t(R) << 16 | uint32_t(G) << 8 | uint32_t(B); }
constexpr int RedOf(TArgb C) { return int(C >> 16 & 0xFF); }
constexpr int GreenOf(TArgb C) { return int(C >> 8 & 0xFF); }
constexpr int BlueOf(TArgb C) { return int(C & 0xFF); }
constexpr int AlphaOf(TArgb C) { return int(C >> 24); }
// The 0x00BBGGRR colour the skin INI stores.
constexpr int ToTColor(TArgb C) { return RedOf(C) | GreenOf(C) << 8 | BlueOf(C) << 16; }

// A mix of A and B with Weight of 256 parts taken from B, rounded.
TArgb Mix(TArgb A, TArgb B, int Weight);

// Up to three stops of a gradient, the middle one at Middle of 256 parts.
struct TGradient {
    TArgb First;
    TArgb Middle;
    TArgb Last;
    int MiddleAt = 128;  // of 256; ignored when Middle equals First
    bool ThreeStops = false;

    static TGradient Two(TArgb A, TArgb B) { return {A, A, B, 128, false}; }
    static TGradient Three(TArgb A, TArgb M, TArgb B, int At) { return {A, M, B, At, true}; }
    static TGradient Flat(TArgb A) { return {A, A, A, 128, false}; }
    // The colour at Step of Steps (0 .. Steps - 1).
    TArgb At(int Step, int Steps) const;
};

class TRaster {
public:
    TRaster(int AWidth, int AHeight, TArgb Fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    TArgb Pixel(int X, int Y) const { return pixels_[size_t(Y) * width_ + X]; }
    const std::vector<TArgb>& Pixels() const { return pixels_; }

    // Outside the raster, nothing happens.
    void Set(int X, int Y, TArgb C);
    // C laid over the pixel at Coverage of 256 parts times C's own alpha.
    void Blend(int X, int Y, TArgb C, int Coverage = 256);
    void Fill(const TRect& R, TArgb C);
    // Rows of R from the gradient's first colour at the top to its last at
    // the bottom; Horizontal runs it left to right instead.
    void Gradient(const TRect& R, const TGradient& G, bool Horizontal = false);
    // Like Gradient but only inside a rounded rectangle of radius Radius at
    // the corners named by the flags, with anti-aliased edges.
    void RoundedGradient(const TRect& R, int Radius, const TGradient& G, bool Top = true, bool Bottom = true);
    // A one-pixel rounded outline of the same shape.
    void RoundedFrame(const TRect& R, int Radius, TArgb C, bool Top = true, bool Bottom = true);
    void HLine(int X1, int X2, int Y, TArgb C);  // X2 excluded
    void VLine(int X, int Y1, int Y2, TArgb C);  // Y2 excluded
    void Frame(const TRect& R, TArgb C);
    // A stroked line from (X1, Y1) to (X2, Y2) in quarter pixels, Width
    // quarter pixels wide with round ends, anti-aliased.
    void Stroke(int X1, int Y1, int X2, int Y2, int Width, TArgb C);
    // Copies Source's pixels into this raster at (X, Y).
    void Put(const TRaster& Source, int X, int Y);

    // A bottom-up BMP file: 24 bits, or 32 with the alpha kept.
    std::vector<uint8_t> Bmp(bool WithAlpha) const;

private:
    // How much of the pixel (X, Y), in 1/256, lies inside R with corners
    // rounded to Radius at the flagged corners.
    static int RoundedCoverage(const TRect& R, int Radius, bool Top, bool Bottom, int X, int Y);

    int width_;
    int height_;
    std::vector<TArgb> pixels_;  // width_ * height_, rows top-down
};

// Writes Bytes to Path, raising an Exception when it can't.
void WriteFileBytes(const std::string& Path, const std::vector<uint8_t>& Bytes);
