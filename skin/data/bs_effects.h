// TbsEffectBmp: a 24-bit top-down bitmap for image effects and for the
// transitions (morphs) between two pictures; and the pixel work on 32-bit
// skin bitmaps that needs no canvas: blur and mask-to-alpha.
//
// Channel results of effects and morphs are rounded to nearest, ties to
// even, and clamped to 0..255. An empty effect bitmap (size below 1) is left
// alone by every operation.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/base/object.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_records.h"

class TbsBitmap;

// Each value of 256 or more becomes 255, each negative value 0.
void ClampRGB(int& R, int& G, int& B);

class TbsEffectBmp : public TObject {
public:
    // A zeroed W x H bitmap.
    static std::unique_ptr<TbsEffectBmp> CreateSize(int W, int H);
    // A 24-bit copy of a platform bitmap.
    static std::unique_ptr<TbsEffectBmp> CreateFromHandle(HBITMAP Bitmap);
    ~TbsEffectBmp() override;
    TbsEffectBmp(const TbsEffectBmp&) = delete;
    TbsEffectBmp& operator=(const TbsEffectBmp&) = delete;

    HBITMAP Handle() const { return handle_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Bytes of pixel data: Stride() * Height().
    int Size() const { return stride_ * height_; }
    // Bytes per row: Width * 3 rounded up to a multiple of 4.
    int Stride() const { return stride_; }
    uint8_t* Bits() const { return bits_; }

    // The whole image at (X, Y), unscaled.
    void Draw(HDC DC, int X, int Y) const;

    // Pixels are 0x00RRGGBB. No bounds checks: callers stay inside.
    void SetPixel(int X, int Y, uint32_t Pixel);
    uint32_t GetPixel(int X, int Y) const;
    // Row Y to or from a buffer of Width * 3 bytes (B, G, R per pixel).
    void GetLine(int Y, uint8_t* Buffer) const;
    void SetLine(int Y, const uint8_t* Buffer);
    uint8_t* GetLinePtr(int Y) const { return bits_ + static_cast<ptrdiff_t>(Y) * stride_; }

    // Image effects on the bitmap itself. K counts between 0 and 1.
    void Brightness(double K);
    void Darkness(double K);
    void Grayscale();
    // One grey offset per pixel, uniform in -Amount div 2 .. Amount - 1 -
    // Amount div 2.
    void AddColorNoise(int Amount);
    // Each channel := the mean of the four samples Amount rows and columns
    // away, rows taken top down in place; samples are kept in the image.
    void SplitBlur(int Amount);
    void Invert();

    // Transitions from this picture (Kf 0) towards Other (Kf 1), written into
    // this bitmap; nothing unless Other has exactly this size.
    void Morph(const TbsEffectBmp* Other, double Kf);
    // A band of Other growing from the middle with soft edges: across the
    // columns of a wide picture (MorphHGrad), across the rows of a tall one
    // (MorphVGrad).
    void MorphGrad(const TbsEffectBmp* Other, double Kf);
    void MorphHGrad(const TbsEffectBmp* Other, double Kf);
    void MorphVGrad(const TbsEffectBmp* Other, double Kf);
    // Soft wipes from the left and from the right side.
    void MorphLeftGrad(const TbsEffectBmp* Other, double Kf);
    void MorphRightGrad(const TbsEffectBmp* Other, double Kf);
    // Other's right (left) part slides in over the left (right) columns.
    void MorphLeftSlide(const TbsEffectBmp* Other, double Kf);
    void MorphRightSlide(const TbsEffectBmp* Other, double Kf);
    // Other enters from the left, pushing this picture to the right.
    void MorphPush(const TbsEffectBmp* Other, double Kf);

    // Into a bitmap the caller made: Height x Width for the rotations, this
    // size for the flip; a target of another size is left alone.
    void RotateLeft(TbsEffectBmp* Target) const;
    void RotateRight(TbsEffectBmp* Target) const;
    void FlipVert(TbsEffectBmp* Target) const;

private:
    TbsEffectBmp(int W, int H);
    bool SameSize(const TbsEffectBmp* Other) const;
    // Calls Change(y, row) for each row copied into one buffer and writes
    // the row back.
    template <typename F>
    void ChangeRows(F&& Change);
    // Calls Change(r, g, b) for every pixel, then clamps and stores.
    template <typename F>
    void ChangePixels(F&& Change);

    // bits_ and handle_ are both set (a W x H DIB section, W and H at least 1)
    // or both null with a 0 x 0 size.
    HBITMAP handle_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    uint8_t* bits_ = nullptr;
    BITMAPINFO info_;
};

// A stack blur of radius Radius over the colours of a 32-bit bitmap: each
// pass (rows, then columns) weighs the 2r + 1 samples around a pixel by
// r + 1 - distance, repeats the edge pixel beyond the edge and divides by
// (r + 1)². Every pixel ends opaque. Nothing for a radius below 1; radii
// above 32767 count as 32767, where the sums still fit.
void BlurBitmap(TbsBitmap* Bitmap, int Radius);
// Each pixel's alpha := the mean of the mask pixel's red, green and blue
// (truncated), colours unchanged. Pixels the mask does not reach get
// alpha 0.
void MaskToAlpha(TbsBitmap* Bitmap, const TbsBitmap* Mask);
// The same, then the colours premultiplied by the new alpha.
void MaskToAlphaPremultiplied(TbsBitmap* Bitmap, const TbsBitmap* Mask);
