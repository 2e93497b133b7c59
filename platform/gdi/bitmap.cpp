#include "platform/gdi/bitmap.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/gdi/device_context.h"

namespace {

// Larger bitmaps are refused rather than attempted: 2^28 pixels is a
// gigabyte at 32 bits.
constexpr int64_t kMaxPixels = int64_t(1) << 28;
constexpr int kMaxSide = 1 << 20;

}  // namespace

TGdiBitmap::TGdiBitmap(int width, int height, int bitsPerPixel, bool dib, bool topDown, int stride)
    : TGdiObject(OBJ_BITMAP), width_(width), height_(height), bitsPerPixel_(bitsPerPixel), dib_(dib),
      topDown_(topDown), stride_(stride)
{
}

std::unique_ptr<TGdiBitmap> TGdiBitmap::Create(int Width, int Height, int BitsPerPixel, bool Dib, bool TopDown)
{
    if (Width <= 0 || Height <= 0 || Width > kMaxSide || Height > kMaxSide ||
        int64_t(Width) * Height > kMaxPixels)
        return nullptr;
    if (BitsPerPixel != 1 && BitsPerPixel != 24 && BitsPerPixel != 32)
        return nullptr;
    int stride = DibRowBytes(Width, BitsPerPixel);
    std::unique_ptr<TGdiBitmap> bitmap(new TGdiBitmap(Width, Height, BitsPerPixel, Dib, TopDown, stride));
    size_t size = static_cast<size_t>(stride) * static_cast<size_t>(Height);
    bitmap->bits_.reset(new (std::nothrow) uint8_t[size]());
    if (!bitmap->bits_)
        return nullptr;
    return bitmap;
}

TSurface TGdiBitmap::Surface() const
{
    TSurface s;
    s.Width = width_;
    s.Height = height_;
    s.BitsPerPixel = bitsPerPixel_;
    if (topDown_) {
        s.Row0 = bits_.get();
        s.Stride = stride_;
    } else {
        s.Row0 = bits_.get() + static_cast<ptrdiff_t>(height_ - 1) * stride_;
        s.Stride = -static_cast<ptrdiff_t>(stride_);
    }
    return s;
}

int TGdiBitmap::Describe(int Size, void* Buffer) const
{
    DIBSECTION ds;
    ds.dsBm.bmWidth = width_;
    ds.dsBm.bmHeight = height_;
    ds.dsBm.bmWidthBytes = dib_ ? stride_ : BitmapRowBytes(width_, bitsPerPixel_);
    ds.dsBm.bmPlanes = 1;
    ds.dsBm.bmBitsPixel = static_cast<uint16_t>(bitsPerPixel_);
    ds.dsBm.bmBits = dib_ ? bits_.get() : nullptr;
    int full = dib_ ? int(sizeof(DIBSECTION)) : int(sizeof(BITMAP));
    if (!Buffer)
        return full;
    // A DIB section describes itself fully only when asked for the whole
    // DIBSECTION record; a BITMAP-sized buffer gets the BITMAP part.
    int n = (dib_ && Size >= int(sizeof(DIBSECTION))) ? int(sizeof(DIBSECTION)) : int(sizeof(BITMAP));
    if (Size < n)
        return 0;
    if (n == int(sizeof(DIBSECTION))) {
        ds.dsBmih.biWidth = width_;
        ds.dsBmih.biHeight = topDown_ ? -height_ : height_;
        ds.dsBmih.biBitCount = static_cast<uint16_t>(bitsPerPixel_);
        ds.dsBmih.biSizeImage = static_cast<uint32_t>(stride_) * static_cast<uint32_t>(height_);
    }
    std::memcpy(Buffer, &ds, static_cast<size_t>(n));
    return n;
}

HBITMAP CreateBitmap(int Width, int Height, unsigned Planes, unsigned BitsPerPixel, const void* Bits)
{
    if (Width == 0 || Height == 0)
        return static_cast<HBITMAP>(GetStockObject(DEFAULT_BITMAP));
    if (Planes != 1)
        return nullptr;
    std::unique_ptr<TGdiBitmap> bitmap = TGdiBitmap::Create(Width, Height, static_cast<int>(BitsPerPixel), false, true);
    if (!bitmap)
        return nullptr;
    if (Bits) {
        int rowBytes = BitmapRowBytes(Width, static_cast<int>(BitsPerPixel));
        for (int y = 0; y < Height; ++y)
            std::memcpy(bitmap->Bits() + static_cast<ptrdiff_t>(y) * bitmap->Stride(),
                        static_cast<const uint8_t*>(Bits) + static_cast<ptrdiff_t>(y) * rowBytes,
                        static_cast<size_t>(rowBytes));
    }
    return static_cast<HBITMAP>(AddGdiObject(std::move(bitmap)));
}

HBITMAP CreateCompatibleBitmap(HDC DC, int Width, int Height)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return nullptr;
    if (Width == 0 || Height == 0)
        return static_cast<HBITMAP>(GetStockObject(DEFAULT_BITMAP));
    TSurface surface = dc->Surface();
    int bits = surface.BitsPerPixel ? surface.BitsPerPixel : 32;
    std::unique_ptr<TGdiBitmap> bitmap = TGdiBitmap::Create(Width, Height, bits, false, true);
    return bitmap ? static_cast<HBITMAP>(AddGdiObject(std::move(bitmap))) : nullptr;
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* Info, unsigned Usage, void** Bits, void* Section, uint32_t Offset)
{
    if (Bits)
        *Bits = nullptr;
    if (!Info || Usage != DIB_RGB_COLORS || Section || Offset != 0)
        return nullptr;
    const BITMAPINFOHEADER& h = Info->bmiHeader;
    bool bitfields = h.biCompression == BI_BITFIELDS && h.biBitCount == 32;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || (h.biCompression != BI_RGB && !bitfields) ||
        (h.biBitCount != 24 && h.biBitCount != 32) || h.biHeight == INT32_MIN)
        return nullptr;
    std::unique_ptr<TGdiBitmap> bitmap =
        TGdiBitmap::Create(h.biWidth, h.biHeight < 0 ? -h.biHeight : h.biHeight, h.biBitCount, true, h.biHeight < 0);
    if (!bitmap)
        return nullptr;
    if (Bits)
        *Bits = bitmap->Bits();
    return static_cast<HBITMAP>(AddGdiObject(std::move(bitmap)));
}

long GetBitmapBits(HBITMAP Bitmap, long Count, void* Bits)
{
    TGdiBitmap* bitmap = GdiObjectAs<TGdiBitmap>(Bitmap);
    if (!bitmap || !Bits || Count <= 0)
        return 0;
    TSurface surface = bitmap->Surface();
    long rowBytes = BitmapRowBytes(surface.Width, surface.BitsPerPixel);
    long copied = 0;
    for (int y = 0; y < surface.Height && copied < Count; ++y) {
        long n = std::min(rowBytes, Count - copied);
        std::memcpy(static_cast<uint8_t*>(Bits) + copied, surface.Row(y), static_cast<size_t>(n));
        copied += n;
    }
    return copied;
}
