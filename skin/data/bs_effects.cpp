#include "skin/data/bs_effects.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/gdi_object.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/win/window_dc.h"
#include "skin/data/bs_bitmap.h"

namespace {

int ClampChannel(long V) { return V < 0 ? 0 : V > 255 ? 255 : static_cast<int>(V); }

// Round to nearest, ties to even (the default rounding mode), kept within
// the range of int so that a wild factor cannot overflow the conversion.
int RoundEven(double V)
{
    if (!(V > -1e9))
        V = -1e9;
    if (V > 1e9)
        V = 1e9;
    return static_cast<int>(std::lrint(V));
}

double Clamp01(double K) { return K < 0 ? 0 : K > 1 ? 1 : K; }

// Pixel := Own * F + Other * (1 - F), per channel.
void BlendPixel(uint8_t* Own, const uint8_t* Other, double F)
{
    for (int k = 0; k < 3; ++k)
        Own[k] = static_cast<uint8_t>(ClampChannel(RoundEven(Own[k] * F + Other[k] * (1 - F))));
}

void CopyPixels(uint8_t* To, const uint8_t* From, int Count) { std::memmove(To, From, static_cast<size_t>(Count) * 3); }

}  // namespace

void ClampRGB(int& R, int& G, int& B)
{
    R = ClampChannel(R);
    G = ClampChannel(G);
    B = ClampChannel(B);
}

TbsEffectBmp::TbsEffectBmp(int W, int H)
{
    if (W < 1 || H < 1)
        return;
    info_.bmiHeader.biWidth = W;
    info_.bmiHeader.biHeight = -H;
    info_.bmiHeader.biBitCount = 24;
    info_.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    handle_ = CreateDIBSection(nullptr, &info_, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handle_)
        throw EOutOfResources("Out of system resources");
    bits_ = static_cast<uint8_t*>(bits);
    width_ = W;
    height_ = H;
    stride_ = W * 3 + W % 4;
}

TbsEffectBmp::~TbsEffectBmp()
{
    if (handle_)
        DeleteObject(handle_);
}

std::unique_ptr<TbsEffectBmp> TbsEffectBmp::CreateSize(int W, int H)
{
    return std::unique_ptr<TbsEffectBmp>(new TbsEffectBmp(W, H));
}

std::unique_ptr<TbsEffectBmp> TbsEffectBmp::CreateFromHandle(HBITMAP Bitmap)
{
    BITMAP info;
    if (!Bitmap || GetObject(Bitmap, sizeof info, &info) == 0)
        return CreateSize(0, 0);
    std::unique_ptr<TbsEffectBmp> result = CreateSize(info.bmWidth, std::abs(info.bmHeight));
    if (result->bits_) {
        HDC screen = GetDC(nullptr);
        GetDIBits(screen, Bitmap, 0, static_cast<unsigned>(result->height_), result->bits_, &result->info_,
                  DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
    }
    return result;
}

void TbsEffectBmp::Draw(HDC DC, int X, int Y) const
{
    if (bits_)
        SetDIBitsToDevice(DC, X, Y, static_cast<unsigned>(width_), static_cast<unsigned>(height_), 0, 0, 0,
                          static_cast<unsigned>(height_), bits_, &info_, DIB_RGB_COLORS);
}

void TbsEffectBmp::SetPixel(int X, int Y, uint32_t Pixel)
{
    uint8_t* p = GetLinePtr(Y) + X * 3;
    p[0] = static_cast<uint8_t>(Pixel);
    p[1] = static_cast<uint8_t>(Pixel >> 8);
    p[2] = static_cast<uint8_t>(Pixel >> 16);
}

uint32_t TbsEffectBmp::GetPixel(int X, int Y) const
{
    const uint8_t* p = GetLinePtr(Y) + X * 3;
    return p[0] | (p[1] << 8) | (uint32_t(p[2]) << 16);
}

void TbsEffectBmp::GetLine(int Y, uint8_t* Buffer) const { CopyPixels(Buffer, GetLinePtr(Y), width_); }

void TbsEffectBmp::SetLine(int Y, const uint8_t* Buffer) { CopyPixels(GetLinePtr(Y), Buffer, width_); }

bool TbsEffectBmp::SameSize(const TbsEffectBmp* Other) const
{
    return bits_ && Other && Other->width_ == width_ && Other->height_ == height_;
}

template <typename F>
void TbsEffectBmp::ChangeRows(F&& Change)
{
    std::vector<uint8_t> line(static_cast<size_t>(width_) * 3);
    for (int y = 0; y < height_; ++y) {
        GetLine(y, line.data());
        Change(y, line.data());
        SetLine(y, line.data());
    }
}

template <typename F>
void TbsEffectBmp::ChangePixels(F&& Change)
{
    ChangeRows([&](int, uint8_t* row) {
        for (int x = 0; x < width_; ++x) {
            uint8_t* p = row + 3 * x;
            int b = p[0];
            int g = p[1];
            int r = p[2];
            Change(r, g, b);
            ClampRGB(r, g, b);
            p[0] = static_cast<uint8_t>(b);
            p[1] = static_cast<uint8_t>(g);
            p[2] = static_cast<uint8_t>(r);
        }
    });
}

void TbsEffectBmp::Brightness(double K)
{
    K = Clamp01(K);
    ChangePixels([K](int& r, int& g, int& b) {
        for (int* c : {&r, &g, &b})
            *c = RoundEven((1 - K) * *c + 255 * K);
    });
}

void TbsEffectBmp::Darkness(double K)
{
    K = Clamp01(K);
    ChangePixels([K](int& r, int& g, int& b) {
        for (int* c : {&r, &g, &b})
            *c = RoundEven((1 - K) * *c);
    });
}

void TbsEffectBmp::Grayscale()
{
    ChangePixels([](int& r, int& g, int& b) { r = g = b = RoundEven(0.3 * r + 0.59 * g + 0.11 * b); });
}

void TbsEffectBmp::AddColorNoise(int Amount)
{
    if (Amount < 1)
        return;
    static std::minstd_rand random;
    std::uniform_int_distribution<int> spread(0, Amount - 1);
    ChangePixels([&](int& r, int& g, int& b) {
        int d = spread(random) - Amount / 2;
        r += d;
        g += d;
        b += d;
    });
}

void TbsEffectBmp::SplitBlur(int Amount)
{
    if (Amount < 1)
        return;
    ChangeRows([&](int y, uint8_t* row) {
        // Far samples past the image are taken from its last row or column.
        const uint8_t* upper = GetLinePtr(y - Amount >= 0 ? y - Amount : y);
        const uint8_t* lower = GetLinePtr(std::min(y < height_ - Amount ? y + Amount : height_ - y, height_ - 1));
        for (int x = 0; x < width_; ++x) {
            int left = 3 * (x - Amount >= 0 ? x - Amount : x);
            int right = 3 * std::min(x < width_ - Amount ? x + Amount : width_ - x, width_ - 1);
            for (int k = 0; k < 3; ++k)
                row[3 * x + k] =
                    static_cast<uint8_t>((upper[left + k] + lower[left + k] + upper[right + k] + lower[right + k]) >> 2);
        }
    });
}

void TbsEffectBmp::Invert()
{
    ChangePixels([](int& r, int& g, int& b) {
        r = 255 - r;
        g = 255 - g;
        b = 255 - b;
    });
}

void TbsEffectBmp::Morph(const TbsEffectBmp* Other, double Kf)
{
    if (!SameSize(Other))
        return;
    Kf = Clamp01(Kf);
    ChangeRows([&](int y, uint8_t* row) {
        const uint8_t* other = Other->GetLinePtr(y);
        for (int i = 0; i < width_ * 3; ++i)
            row[i] = static_cast<uint8_t>(ClampChannel(RoundEven((1 - Kf) * row[i] + Kf * other[i])));
    });
}

void TbsEffectBmp::MorphGrad(const TbsEffectBmp* Other, double Kf)
{
    if (width_ >= height_)
        MorphHGrad(Other, Kf);
    else
        MorphVGrad(Other, Kf);
}

void TbsEffectBmp::MorphHGrad(const TbsEffectBmp* Other, double Kf)
{
    if (!SameSize(Other))
        return;
    int n = RoundEven(width_ * Kf);
    int g = (width_ - n) / 2;
    double step = g == 0 ? 1.0 : 1.0 / g;
    // Kept inside the row also for factors outside 0..1.
    int left = std::clamp(width_ / 2 - n / 2, 0, width_ - 1);
    int right = std::clamp(width_ / 2 + n / 2, 0, width_ - 1);
    ChangeRows([&](int y, uint8_t* row) {
        const uint8_t* other = Other->GetLinePtr(y);
        if (left <= right)
            CopyPixels(row + 3 * left, other + 3 * left, right - left + 1);
        double f = 0;
        for (int x = left; x >= 0; --x) {
            BlendPixel(row + 3 * x, other + 3 * x, f);
            f = std::min(f + step, 1.0);
        }
        f = 0;
        for (int x = right; x < width_; ++x) {
            BlendPixel(row + 3 * x, other + 3 * x, f);
            f = std::min(f + step, 1.0);
        }
    });
}

void TbsEffectBmp::MorphVGrad(const TbsEffectBmp* Other, double Kf)
{
    if (!SameSize(Other))
        return;
    int n = RoundEven(height_ * Kf);
    int g = (height_ - 1 - n) / 2;
    double step = g == 0 ? 0.0 : 1.0 / g;
    int top = std::clamp(height_ / 2 - n / 2, 0, height_ - 1);
    int bottom = std::clamp(height_ / 2 + n / 2, 0, height_ - 1);
    for (int y = top; y <= bottom; ++y)
        SetLine(y, Other->GetLinePtr(y));
    auto blendRow = [&](int y, double f) {
        uint8_t* row = GetLinePtr(y);
        const uint8_t* other = Other->GetLinePtr(y);
        for (int x = 0; x < width_; ++x)
            BlendPixel(row + 3 * x, other + 3 * x, f);
    };
    double f = 0;
    for (int y = top; y >= 0; --y) {
        blendRow(y, f);
        f = std::min(f + step, 1.0);
    }
    f = 0;
    for (int y = bottom; y < height_; ++y) {
        blendRow(y, f);
        f = std::min(f + step, 1.0);
    }
}

void TbsEffectBmp::MorphLeftGrad(const TbsEffectBmp* Other, double Kf)
{
    if (!SameSize(Other))
        return;
    int n = std::min(std::max(RoundEven(width_ * Kf), 1), width_ - 1);
    // A picture one column wide leaves n at 0: its column takes Other whole.
    double step = n > 0 ? 1.0 / n : 1.0;
    ChangeRows([&](int y, uint8_t* row) {
        const uint8_t* other = Other->GetLinePtr(y);
        double f = 0;
        for (int x = 0; x <= n; ++x) {
            BlendPixel(row + 3 * x, other + 3 * x, f);
            f = std::min(f + step, 1.0);
        }
    });
}

void TbsEffectBmp::MorphRightGrad(const TbsEffectBmp* Other, double Kf)
{
    if (!SameSize(Other))
        return;
    int p = std::min(std::max(width_ - RoundEven(width_ * Kf), 0), width_ - 1);
    double step = 1.0 / (width_ - p);
    ChangeRows([&](int y, uint8_t* row) {
        const uint8_t* other = Other->GetLinePtr(y);
        double f = 0;
        for (int x = width_ - 1; x >= p; --x) {
            BlendPixel(row + 3 * x, other + 3 * x, f);
            f = std::min(f + step, 1.0);
        }
    });
}

void TbsEffectBmp::MorphLeftSlide(const TbsEffectBmp* Other, double Kf)
{
    if (!SameSize(Other))
        return;
    int s = std::min(std::max(RoundEven(width_ * Kf), 1), width_ - 1);
    ChangeRows([&](int y, uint8_t* row) { CopyPixels(row, Other->GetLinePtr(y) + 3 * (width_ - s), s); });
}

void TbsEffectBmp::MorphRightSlide(const TbsEffectBmp* Other, double Kf)
{
    if (!SameSize(Other))
        return;
    int s = std::min(std::max(RoundEven(width_ * Kf), 1), width_ - 1);
    ChangeRows([&](int y, uint8_t* row) { CopyPixels(row + 3 * (width_ - s), Other->GetLinePtr(y), s); });
}

void TbsEffectBmp::MorphPush(const TbsEffectBmp* Other, double Kf)
{
    if (!SameSize(Other))
        return;
    int s = std::min(std::max(RoundEven(width_ * Kf), 0), width_ - 1);
    ChangeRows([&](int y, uint8_t* row) {
        for (int x = width_ - 1; x >= s; --x)
            CopyPixels(row + 3 * x, row + 3 * std::max(x - s - 1, 0), 1);
        CopyPixels(row, Other->GetLinePtr(y) + 3 * (width_ - s - 1), s + 1);
    });
}

void TbsEffectBmp::RotateLeft(TbsEffectBmp* Target) const
{
    if (!bits_ || !Target || Target->width_ != height_ || Target->height_ != width_)
        return;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            Target->SetPixel(y, width_ - 1 - x, GetPixel(x, y));
}

void TbsEffectBmp::RotateRight(TbsEffectBmp* Target) const
{
    if (!bits_ || !Target || Target->width_ != height_ || Target->height_ != width_)
        return;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            Target->SetPixel(height_ - 1 - y, x, GetPixel(x, y));
}

void TbsEffectBmp::FlipVert(TbsEffectBmp* Target) const
{
    if (!SameSize(Target))
        return;
    for (int y = 0; y < height_; ++y)
        Target->SetLine(height_ - 1 - y, GetLinePtr(y));
}

namespace {

// One pass of the stack blur over N samples In[0], In[Step], ... into Out
// (same layout): Out[x] = sum of (r + 1 - |i|) * In[clamp(x + i)] over
// i = -r..r, divided by (r + 1)². The sum moves along with two running
// halves: the samples at offsets -r..0, which lose one weight each step, and
// those at 1..r + 1, which gain one.
void StackBlurLine(const int* In, int* Out, int N, ptrdiff_t Step, int R)
{
    auto at = [&](long long i) { return static_cast<long long>(In[std::clamp<long long>(i, 0, N - 1) * Step]); };
    long long r = R;
    long long divisor = (r + 1) * (r + 1);
    long long first = at(0);
    long long last = at(N - 1);
    // Closed forms for the samples beyond the last one, so that a radius far
    // beyond the line costs no more than the line.
    long long outHalf = (r + 1) * first;
    long long inHalf = 0;
    long long sum = first * (r + 1) * (r + 2) / 2;
    long long inner = std::min<long long>(r + 1, N - 1);
    for (long long i = 1; i <= inner; ++i) {
        inHalf += at(i);
        if (i <= r)
            sum += (r + 1 - i) * at(i);
    }
    if (r + 1 > inner) {
        long long m = r + 1 - inner;  // offsets inner + 1 .. r + 1, all the last sample
        inHalf += m * last;
        long long k = r - inner;  // of those, offsets up to r carry weights k, k - 1, ..., 1
        if (k > 0)
            sum += k * (k + 1) / 2 * last;
    }
    for (int x = 0; x < N; ++x) {
        Out[x * Step] = static_cast<int>(sum / divisor);
        sum += inHalf - outHalf;
        outHalf += at(x + 1) - at(x - r);
        inHalf += at(x + r + 2) - at(x + 1);
    }
}

}  // namespace

void BlurBitmap(TbsBitmap* Bitmap, int Radius)
{
    if (!Bitmap || Bitmap->IsEmpty() || Radius < 1)
        return;
    int r = std::min(Radius, 32767);
    int w = Bitmap->Width();
    int h = Bitmap->Height();
    size_t count = static_cast<size_t>(w) * static_cast<size_t>(h);
    std::vector<int> source(count);
    std::vector<int> across(count);
    std::vector<int> down(count);
    for (int shift : {0, 8, 16}) {
        for (size_t i = 0; i < count; ++i)
            source[i] = (Bitmap->Bits()[i] >> shift) & 0xFF;
        for (int y = 0; y < h; ++y)
            StackBlurLine(&source[static_cast<size_t>(y) * w], &across[static_cast<size_t>(y) * w], w, 1, r);
        for (int x = 0; x < w; ++x)
            StackBlurLine(&across[static_cast<size_t>(x)], &down[static_cast<size_t>(x)], h, w, r);
        for (size_t i = 0; i < count; ++i) {
            uint32_t& p = Bitmap->Bits()[i];
            p = (p & ~(0xFFu << shift)) | (static_cast<uint32_t>(down[i]) << shift);
        }
    }
    for (size_t i = 0; i < count; ++i)
        Bitmap->Bits()[i] |= 0xFF000000u;
}

void MaskToAlpha(TbsBitmap* Bitmap, const TbsBitmap* Mask)
{
    if (!Bitmap || Bitmap->IsEmpty())
        return;
    // A mask smaller than the picture leaves the rest of it invisible.
    int mw = Mask && !Mask->IsEmpty() ? std::min(Mask->Width(), Bitmap->Width()) : 0;
    int mh = Mask && !Mask->IsEmpty() ? std::min(Mask->Height(), Bitmap->Height()) : 0;
    for (int y = 0; y < Bitmap->Height(); ++y) {
        uint32_t* row = Bitmap->GetScanline(y);
        for (int x = 0; x < Bitmap->Width(); ++x) {
            uint32_t alpha = 0;
            if (x < mw && y < mh) {
                uint32_t m = *Mask->PixelPtr(x, y);
                alpha = (((m >> 16) & 0xFF) + ((m >> 8) & 0xFF) + (m & 0xFF)) / 3;
            }
            row[x] = (row[x] & 0x00FFFFFF) | (alpha << 24);
        }
    }
}

void MaskToAlphaPremultiplied(TbsBitmap* Bitmap, const TbsBitmap* Mask)
{
    MaskToAlpha(Bitmap, Mask);
    if (Bitmap && !Bitmap->IsEmpty())
        Bitmap->Premultiply();
}
