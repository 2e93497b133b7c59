#include "skins/generator/gen_raster.h"

#include <algorithm>
#include <cstdio>

#include "platform/base/exceptions.h"
#include "platform/gdi/bmp_codec.h"

namespace {

// Samples per pixel side; each sample sits at the middle of its eighth.
constexpr int kSamples = 4;
constexpr int kSub = 2 * kSamples;  // sample coordinates in 1/8 pixel

int Channel(int A, int B, int Weight) { return (A * (256 - Weight) + B * Weight + 128) >> 8; }

int SampleCoordinate(int Pixel, int Index) { return kSub * Pixel + 2 * Index + 1; }

}  // namespace

TArgb Mix(TArgb A, TArgb B, int Weight)
{
    return uint32_t(Channel(AlphaOf(A), AlphaOf(B), Weight)) << 24 |
           uint32_t(Channel(RedOf(A), RedOf(B), Weight)) << 16 |
           uint32_t(Channel(GreenOf(A), GreenOf(B), Weight)) << 8 | uint32_t(Channel(BlueOf(A), BlueOf(B), Weight));
}

TArgb TGradient::At(int Step, int Steps) const
{
    int t = Steps > 1 ? Step * 256 / (Steps - 1) : 0;
    if (!ThreeStops)
        return Mix(First, Last, t);
    if (t <= MiddleAt)
        return Mix(First, Middle, MiddleAt > 0 ? t * 256 / MiddleAt : 256);
    return Mix(Middle, Last, (t - MiddleAt) * 256 / (256 - MiddleAt));
}

TRaster::TRaster(int AWidth, int AHeight, TArgb Fill)
    : width_(AWidth), height_(AHeight), pixels_(size_t(AWidth) * AHeight, Fill)
{
}

void TRaster::Set(int X, int Y, TArgb C)
{
    if (X >= 0 && Y >= 0 && X < width_ && Y < height_)
        pixels_[size_t(Y) * width_ + X] = C;
}

void TRaster::Blend(int X, int Y, TArgb C, int Coverage)
{
    if (X < 0 || Y < 0 || X >= width_ || Y >= height_)
        return;
    int weight = (AlphaOf(C) * Coverage + 128) >> 8;
    weight += weight >> 7;  // 255 becomes 256: an opaque colour replaces
    TArgb& pixel = pixels_[size_t(Y) * width_ + X];
    TArgb under = pixel;
    TArgb over = (C & 0x00FFFFFFu) | 0xFF000000u;
    // Over a transparent pixel the colour keeps its own channels and only
    // the alpha adds up, so soft edges over nothing stay the right hue.
    int alpha = AlphaOf(under) + ((255 - AlphaOf(under)) * weight >> 8);
    if (AlphaOf(under) == 0) {
        pixel = (over & 0x00FFFFFFu) | uint32_t(std::min(alpha, 255)) << 24;
        return;
    }
    TArgb mixed = Mix(under | 0xFF000000u, over, weight);
    pixel = (mixed & 0x00FFFFFFu) | uint32_t(std::min(alpha, 255)) << 24;
}

void TRaster::Fill(const TRect& R, TArgb C)
{
    for (int y = std::max(R.Top, 0); y < std::min(R.Bottom, height_); ++y)
        for (int x = std::max(R.Left, 0); x < std::min(R.Right, width_); ++x)
            pixels_[size_t(y) * width_ + x] = C;
}

void TRaster::Gradient(const TRect& R, const TGradient& G, bool Horizontal)
{
    int steps = Horizontal ? R.Width() : R.Height();
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
            Set(x, y, G.At(Horizontal ? x - R.Left : y - R.Top, steps));
}

int TRaster::RoundedCoverage(const TRect& R, int Radius, bool Top, bool Bottom, int X, int Y)
{
    const int r = kSub * Radius;
    const int left = kSub * R.Left, right = kSub * R.Right, top = kSub * R.Top, bottom = kSub * R.Bottom;
    int inside = 0;
    for (int j = 0; j < kSamples; ++j) {
        for (int i = 0; i < kSamples; ++i) {
            int sx = SampleCoordinate(X, i), sy = SampleCoordinate(Y, j);
            if (sx < left || sx >= right || sy < top || sy >= bottom)
                continue;
            int cx = sx < left + r ? left + r : sx >= right - r ? right - r : sx;
            int cy = sy < top + r && Top ? top + r : sy >= bottom - r && Bottom ? bottom - r : sy;
            int dx = sx - cx, dy = sy - cy;
            if (cx == sx || cy == sy || dx * dx + dy * dy <= r * r)
                ++inside;
        }
    }
    return inside * 256 / (kSamples * kSamples);
}

void TRaster::RoundedGradient(const TRect& R, int Radius, const TGradient& G, bool Top, bool Bottom)
{
    for (int y = R.Top; y < R.Bottom; ++y) {
        TArgb c = G.At(y - R.Top, R.Height());
        for (int x = R.Left; x < R.Right; ++x) {
            int coverage = RoundedCoverage(R, Radius, Top, Bottom, x, y);
            if (coverage > 0)
                Blend(x, y, c, coverage);
        }
    }
}

void TRaster::RoundedFrame(const TRect& R, int Radius, TArgb C, bool Top, bool Bottom)
{
    TRect inner{R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x) {
            int ring = RoundedCoverage(R, Radius, Top, Bottom, x, y) -
                       RoundedCoverage(inner, std::max(Radius - 1, 0), Top, Bottom, x, y);
            if (ring > 0)
                Blend(x, y, C, ring);
        }
}

void TRaster::HLine(int X1, int X2, int Y, TArgb C)
{
    for (int x = X1; x < X2; ++x)
        Blend(x, Y, C);
}

void TRaster::VLine(int X, int Y1, int Y2, TArgb C)
{
    for (int y = Y1; y < Y2; ++y)
        Blend(X, y, C);
}

void TRaster::Frame(const TRect& R, TArgb C)
{
    HLine(R.Left, R.Right, R.Top, C);
    HLine(R.Left, R.Right, R.Bottom - 1, C);
    VLine(R.Left, R.Top + 1, R.Bottom - 1, C);
    VLine(R.Right - 1, R.Top + 1, R.Bottom - 1, C);
}

void TRaster::Stroke(int X1, int Y1, int X2, int Y2, int Width, TArgb C)
{
    // Quarter pixels to sample units (eighths).
    const int64_t ax = 2 * X1, ay = 2 * Y1, bx = 2 * X2, by = 2 * Y2;
    const int64_t half = Width;  // half the width, in eighths
    const int64_t ex = bx - ax, ey = by - ay, length2 = ex * ex + ey * ey;
    int left = int(std::min(ax, bx) - half) / kSub - 1, right = int(std::max(ax, bx) + half) / kSub + 1;
    int top = int(std::min(ay, by) - half) / kSub - 1, bottom = int(std::max(ay, by) + half) / kSub + 1;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            int inside = 0;
            for (int j = 0; j < kSamples; ++j)
                for (int i = 0; i < kSamples; ++i) {
                    int64_t px = SampleCoordinate(x, i) - ax, py = SampleCoordinate(y, j) - ay;
                    int64_t dot = px * ex + py * ey;
                    bool in;
                    if (length2 == 0 || dot <= 0) {
                        in = px * px + py * py <= half * half;
                    } else if (dot >= length2) {
                        int64_t qx = px - ex, qy = py - ey;
                        in = qx * qx + qy * qy <= half * half;
                    } else {
                        int64_t cross = px * ey - py * ex;
                        in = cross * cross <= half * half * length2;
                    }
                    inside += in;
                }
            if (inside > 0)
                Blend(x, y, C, inside * 256 / (kSamples * kSamples));
        }
}

void TRaster::Put(const TRaster& Source, int X, int Y)
{
    for (int y = 0; y < Source.height_; ++y)
        for (int x = 0; x < Source.width_; ++x)
            Set(X + x, Y + y, Source.Pixel(x, y));
}

std::vector<uint8_t> TRaster::Bmp(bool WithAlpha) const
{
    TRasterImage image = TRasterImage::Sized(width_, height_);
    image.Pixels = pixels_;
    image.HasAlpha = WithAlpha;
    return WriteBmp(image, WithAlpha ? 32 : 24);
}

void WriteFileBytes(const std::string& Path, const std::vector<uint8_t>& Bytes)
{
    FILE* file = std::fopen(Path.c_str(), "wb");
    if (!file)
        throw Exception("Cannot create " + Path);
    bool written = std::fwrite(Bytes.data(), 1, Bytes.size(), file) == Bytes.size();
    if (std::fclose(file) != 0 || !written)
        throw Exception("Cannot write " + Path);
}
