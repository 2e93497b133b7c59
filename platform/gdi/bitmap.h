// Bitmaps: device-dependent ones (CreateBitmap, CreateCompatibleBitmap) and
// DIB sections whose pixels the caller reaches through a pointer. Formats:
// 1 bit (masks), 24 and 32 bits.
#pragma once

#include <memory>

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_records.h"
#include "platform/gdi/surface.h"

class TDeviceContext;

class TGdiBitmap : public TGdiObject {
public:
    // A zeroed bitmap, or nullptr when the size or format is not supported
    // or the memory cannot be had. DIB rows are 4-byte aligned; a DIB that
    // is not TopDown keeps its bottom row first in memory.
    static std::unique_ptr<TGdiBitmap> Create(int Width, int Height, int BitsPerPixel, bool Dib, bool TopDown);
    int Describe(int Size, void* Buffer) const override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    bool IsDib() const { return dib_; }
    bool TopDown() const { return topDown_; }
    // Bytes per row in memory.
    int Stride() const { return stride_; }
    // The memory block, first stored row first.
    uint8_t* Bits() const { return bits_.get(); }
    TSurface Surface() const;

    // The DC that holds the bitmap selected, if any; a bitmap is selected
    // into one DC at a time (the stock 1 x 1 bitmap excepted).
    TDeviceContext* SelectedIn = nullptr;

private:
    TGdiBitmap(int width, int height, int bitsPerPixel, bool dib, bool topDown, int stride);

    int width_;
    int height_;
    int bitsPerPixel_;
    bool dib_;
    bool topDown_;
    int stride_;
    std::unique_ptr<uint8_t[]> bits_;
};

// Row sizes: device-dependent bitmap bits are exchanged in rows padded to
// 2 bytes, DIB rows are padded to 4 bytes.
inline int BitmapRowBytes(int Width, int BitsPerPixel) { return (Width * BitsPerPixel + 15) / 16 * 2; }
inline int DibRowBytes(int Width, int BitsPerPixel) { return (Width * BitsPerPixel + 31) / 32 * 4; }

// Bits, if given, holds the rows top-down in 2-byte padded rows. A zero
// width or height gives the stock 1 x 1 monochrome bitmap.
HBITMAP CreateBitmap(int Width, int Height, unsigned Planes, unsigned BitsPerPixel, const void* Bits);
// A bitmap in the format of the DC's surface.
HBITMAP CreateCompatibleBitmap(HDC DC, int Width, int Height);
// A 24- or 32-bit DIB section; *Bits receives the pixel pointer. Section and
// Offset (file mappings) are not supported and must be null and 0.
HBITMAP CreateDIBSection(HDC DC, const BITMAPINFO* Info, unsigned Usage, void** Bits, void* Section, uint32_t Offset);
// Copies up to Count bytes of the bitmap's rows, top-down and padded to 2
// bytes; returns the bytes copied.
long GetBitmapBits(HBITMAP Bitmap, long Count, void* Bits);
