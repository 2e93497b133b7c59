// TBitmap: a picture held in a platform bitmap, with a canvas to draw on it.
//
// Formats: pf24bit and pf32bit are DIB sections whose rows ScanLine hands
// out; pf1bit is a monochrome bitmap (masks); pfDevice is a bitmap in the
// screen's format (32 bits) that becomes a 32-bit DIB when its rows are
// asked for. The pixel values are the platform's: 0xAARRGGBB words for 32
// bits, B, G, R bytes for 24.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/gdi/colors.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/raster_image.h"
#include "platform/ui/graphics/graphic.h"

class TBitmapCanvas;
class TCanvas;

// The values are the class library's ordinals.
enum TPixelFormat { pfDevice = 0, pf1bit = 1, pf24bit = 6, pf32bit = 7 };
enum TBitmapHandleType { bmDIB, bmDDB };
// tmAuto takes the bottom-left pixel as the transparent colour.
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;

    bool Empty() const override { return handle_ == nullptr; }
    int Width() const override { return width_; }
    void SetWidth(int Value) override { SetSize(Value, height_); }
    int Height() const override { return height_; }
    void SetHeight(int Value) override { SetSize(width_, Value); }
    // The pixels that stay inside the new size keep their place; new ones
    // are white. Negative sizes count as 0, and a 0 side empties.
    void SetSize(int AWidth, int AHeight);

    TPixelFormat PixelFormat() const { return pixelFormat_; }
    // Converts the pixels (to black and white by brightness for pf1bit).
    void SetPixelFormat(TPixelFormat Value);
    TBitmapHandleType HandleType() const;
    // bmDIB makes a pfDevice bitmap a pf32bit one; bmDDB makes a DIB pfDevice.
    void SetHandleType(TBitmapHandleType Value);

    // The platform bitmap, owned by this object; 0 while empty.
    HBITMAP Handle() const { return handle_; }
    // Row Row (0 at the top) of the pixels; raises EInvalidGraphicOperation
    // "Scan line index out of range" outside 0..Height-1.
    void* ScanLine(int Row);
    // A canvas over the pixels, made on first use and owned by the bitmap;
    // drawing on it fires the bitmap's OnChange.
    TCanvas* Canvas();

    // Only the colour counts when drawing transparently.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor Value);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode Value);

    // Copies the pixels, the format and the transparency settings of another
    // bitmap; nullptr empties.
    void Assign(TPersistent* Source) override;

    // BMP files. A 32-bit file gives pf32bit, any other pf24bit; an empty
    // stream gives an empty bitmap, as an empty bitmap writes nothing.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    // A BMP file held in memory, as LoadFromStream reads it.
    void LoadFromBmp(std::span<const uint8_t> Data);
    // A bitmap resource compiled into the program; EResNotFound when there
    // is none by that name.
    void LoadFromResourceName(const AnsiString& ResName);

    // The pixels as a picture (32-bit alpha kept as it is), and a picture
    // taken in as pf32bit or pf24bit by whether it has alpha.
    TRasterImage ToImage() const;
    void AssignImage(const TRasterImage& Image);

    std::unique_ptr<TGraphic> NewEmpty() const override { return std::make_unique<TBitmap>(); }

protected:
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

private:
    // Takes NewHandle (owned from now on) in place of the current bitmap.
    void ReplaceHandle(HBITMAP NewHandle, int AWidth, int AHeight);
    // A device context holding this bitmap, for copying from it.
    HDC BitmapDC();
    void CanvasChanged(TObject* Sender);

    HBITMAP handle_ = nullptr;  // null exactly when width_ or height_ is 0
    int width_ = 0;
    int height_ = 0;
    TPixelFormat pixelFormat_ = pfDevice;
    TColor transparentColor_ = clDefault;
    TTransparentMode transparentMode_ = tmAuto;
    std::unique_ptr<TBitmapCanvas> canvas_;
};
