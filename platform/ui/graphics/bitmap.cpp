#include "platform/ui/graphics/bitmap.h"

#include <algorithm>
#include <vector>

#include "platform/base/streams.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/resources.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/graphics_exceptions.h"

// The canvas of a bitmap keeps a memory context of its own with the bitmap
// selected, apart from its Handle: the editor lends the canvas other
// contexts for a while, and the bitmap must still be reachable meanwhile.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap* Bitmap) : bitmap_(Bitmap) {}
    ~TBitmapCanvas() override
    {
        SetHandle(nullptr);
        if (dc_) {
            SelectObject(dc_, defaultBitmap_);
            DeleteDC(dc_);
        }
    }

    // The memory context, made on first use.
    HDC BitmapDC()
    {
        if (!dc_) {
            dc_ = CreateCompatibleDC(nullptr);
            if (!dc_)
                throw EOutOfResources("Out of system resources");
            defaultBitmap_ = SelectObject(dc_, bitmap_->Handle() ? bitmap_->Handle() : GetStockObject(DEFAULT_BITMAP));
        }
        return dc_;
    }

    // The bitmap took a new platform bitmap: the context holds that one now.
    void BitmapReplaced(HBITMAP NewHandle)
    {
        if (dc_)
            SelectObject(dc_, NewHandle ? static_cast<HGDIOBJ>(NewHandle) : defaultBitmap_);
    }

protected:
    void CreateHandle() override { SetHandle(BitmapDC()); }

private:
    TBitmap* bitmap_;
    HDC dc_ = nullptr;
    HGDIOBJ defaultBitmap_ = nullptr;  // what dc_ held when it was made
};

namespace {

TSurface SurfaceOf(HBITMAP Bitmap) { return GdiObjectAs<TGdiBitmap>(Bitmap)->Surface(); }

// A zeroed platform bitmap of the format, or EOutOfResources.
HBITMAP MakeBitmap(int Width, int Height, TPixelFormat Format)
{
    HBITMAP handle = nullptr;
    if (Format == pf24bit || Format == pf32bit) {
        BITMAPINFO info;
        info.bmiHeader.biWidth = Width;
        info.bmiHeader.biHeight = Height;
        info.bmiHeader.biBitCount = Format == pf24bit ? 24 : 32;
        void* bits = nullptr;
        handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    } else {
        handle = CreateBitmap(Width, Height, 1, Format == pf1bit ? 1 : 32, nullptr);
    }
    if (!handle)
        throw EOutOfResources("Out of system resources");
    return handle;
}

// Copies the top-left Width x Height pixels between surfaces of any format;
// colours become black or white by brightness on a monochrome target.
void CopyPixels(const TSurface& From, const TSurface& To, int Width, int Height)
{
    std::vector<uint32_t> row(static_cast<size_t>(Width));
    for (int y = 0; y < Height; ++y) {
        From.ReadRow(0, y, Width, row.data());
        if (To.BitsPerPixel == 1)
            for (uint32_t& p : row)
                p = PixelToMono(p);
        To.WriteRow(0, y, Width, row.data());
    }
}

void FillWhite(const TSurface& Surface)
{
    for (int y = 0; y < Surface.Height; ++y)
        Surface.FillRow(0, y, Surface.Width, kColorBits);
}

// The bits per pixel a BMP file stores, from its info header; 0 when the
// header is too short to say.
int BmpBitCount(std::span<const uint8_t> Data)
{
    if (Data.size() < 30)
        return 0;
    uint32_t headerSize = Data[14] | (Data[15] << 8) | (Data[16] << 16) | (uint32_t(Data[17]) << 24);
    size_t at = headerSize == 12 ? 24 : 28;
    return Data[at] | (Data[at + 1] << 8);
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap()
{
    canvas_.reset();
    if (handle_)
        DeleteObject(handle_);
}

void TBitmap::ReplaceHandle(HBITMAP NewHandle, int AWidth, int AHeight)
{
    if (canvas_)
        canvas_->BitmapReplaced(NewHandle);
    if (handle_)
        DeleteObject(handle_);
    handle_ = NewHandle;
    width_ = AWidth;
    height_ = AHeight;
}

void TBitmap::SetSize(int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == width_ && AHeight == height_)
        return;
    HBITMAP fresh = nullptr;
    if (AWidth > 0 && AHeight > 0) {
        fresh = MakeBitmap(AWidth, AHeight, pixelFormat_);
        TSurface to = SurfaceOf(fresh);
        FillWhite(to);
        if (handle_)
            CopyPixels(SurfaceOf(handle_), to, std::min(AWidth, width_), std::min(AHeight, height_));
    }
    ReplaceHandle(fresh, AWidth, AHeight);
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value)
{
    if (Value == pixelFormat_)
        return;
    pixelFormat_ = Value;
    if (handle_) {
        HBITMAP fresh = MakeBitmap(width_, height_, Value);
        CopyPixels(SurfaceOf(handle_), SurfaceOf(fresh), width_, height_);
        ReplaceHandle(fresh, width_, height_);
    }
    Changed();
}

TBitmapHandleType TBitmap::HandleType() const
{
    if (handle_)
        return GdiObjectAs<TGdiBitmap>(handle_)->IsDib() ? bmDIB : bmDDB;
    return pixelFormat_ == pf24bit || pixelFormat_ == pf32bit ? bmDIB : bmDDB;
}

void TBitmap::SetHandleType(TBitmapHandleType Value)
{
    if (Value == bmDIB && pixelFormat_ == pfDevice)
        SetPixelFormat(pf32bit);
    else if (Value == bmDDB && (pixelFormat_ == pf24bit || pixelFormat_ == pf32bit))
        SetPixelFormat(pfDevice);
}

void* TBitmap::ScanLine(int Row)
{
    if (Row < 0 || Row >= height_)
        throw EInvalidGraphicOperation("Scan line index out of range");
    if (pixelFormat_ == pfDevice)
        SetHandleType(bmDIB);
    return SurfaceOf(handle_).Row(Row);
}

TCanvas* TBitmap::Canvas()
{
    if (!canvas_) {
        canvas_ = std::make_unique<TBitmapCanvas>(this);
        canvas_->OnChange = TNotifyEvent(this, &TBitmap::CanvasChanged);
    }
    return canvas_.get();
}

HDC TBitmap::BitmapDC()
{
    Canvas();
    return canvas_->BitmapDC();
}

void TBitmap::CanvasChanged(TObject*) { Changed(); }

TColor TBitmap::TransparentColor() const
{
    if (transparentColor_ != clDefault)
        return ColorToRGB(transparentColor_);
    if (!handle_ || pixelFormat_ == pf1bit)
        return clWhite;
    return static_cast<TColor>(PixelToColor(SurfaceOf(handle_).GetPixel(0, height_ - 1)) & kColorBits);
}

void TBitmap::SetTransparentColor(TColor Value)
{
    if (Value != transparentColor_) {
        transparentColor_ = Value;
        transparentMode_ = Value == clDefault ? tmAuto : tmFixed;
        Changed();
    }
}

void TBitmap::SetTransparentMode(TTransparentMode Value)
{
    if (Value != transparentMode_)
        SetTransparentColor(Value == tmAuto ? clDefault : TransparentColor());
}

void TBitmap::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TBitmap*>(Source);
    if (Source && !source) {
        TGraphic::Assign(Source);
        return;
    }
    if (source == this)
        return;
    HBITMAP fresh = nullptr;
    if (source && source->handle_) {
        fresh = MakeBitmap(source->width_, source->height_, source->pixelFormat_);
        CopyPixels(SurfaceOf(source->handle_), SurfaceOf(fresh), source->width_, source->height_);
    }
    pixelFormat_ = source ? source->pixelFormat_ : pixelFormat_;
    ReplaceHandle(fresh, source ? source->width_ : 0, source ? source->height_ : 0);
    if (source) {
        transparentColor_ = source->transparentColor_;
        transparentMode_ = source->transparentMode_;
        transparent_ = source->transparent_;
    }
    Changed();
}

TRasterImage TBitmap::ToImage() const { return ImageFromBitmap(handle_); }

void TBitmap::AssignImage(const TRasterImage& Image)
{
    HBITMAP fresh = nullptr;
    TPixelFormat format = Image.HasAlpha ? pf32bit : pf24bit;
    if (!Image.Empty()) {
        fresh = MakeBitmap(Image.Width, Image.Height, format);
        TSurface to = SurfaceOf(fresh);
        for (int y = 0; y < Image.Height; ++y)
            to.WriteRow(0, y, Image.Width, Image.Row(y));
    }
    pixelFormat_ = format;
    ReplaceHandle(fresh, Image.Width, Image.Height);
    Changed();
}

void TBitmap::LoadFromStream(TStream* Stream)
{
    std::vector<uint8_t> data(static_cast<size_t>(std::max<int64_t>(Stream->Size() - Stream->Position(), 0)));
    Stream->ReadBuffer(data.data(), static_cast<int64_t>(data.size()));
    if (data.empty()) {
        ReplaceHandle(nullptr, 0, 0);
        Changed();
        return;
    }
    LoadFromBmp(data);
}

void TBitmap::LoadFromBmp(std::span<const uint8_t> Data)
{
    if (!IsBmpSignature(Data))
        throw EInvalidGraphic("Bitmap image is not valid");
    // Skin pictures are of these kinds, and loading a skin waits on them.
    if (std::optional<TBmpRows> rows = PlainBmpRows(Data)) {
        TPixelFormat format = rows->BitsPerPixel == 32 ? pf32bit : pf24bit;
        HBITMAP fresh = MakeBitmap(rows->Width, rows->Height, format);
        CopyPlainBmpRows(*rows, SurfaceOf(fresh));
        pixelFormat_ = format;
        ReplaceHandle(fresh, rows->Width, rows->Height);
        Changed();
        return;
    }
    TRasterImage image = ReadBmp(Data);
    // A 32-bit file keeps its fourth byte even when the reader found no
    // alpha in it.
    image.HasAlpha = image.HasAlpha || BmpBitCount(Data) == 32;
    AssignImage(image);
}

// Writes the pixels as they are: a 32-bit bitmap keeps its fourth byte even
// when it is 0 everywhere.
void TBitmap::SaveToStream(TStream* Stream)
{
    if (!handle_)
        return;
    TSurface from = SurfaceOf(handle_);
    TRasterImage image = TRasterImage::Sized(width_, height_);
    for (int y = 0; y < height_; ++y)
        from.ReadRow(0, y, width_, image.Row(y));
    image.HasAlpha = from.BitsPerPixel == 32;
    std::vector<uint8_t> data = WriteBmp(image, image.HasAlpha ? 32 : 24);
    Stream->WriteBuffer(data.data(), static_cast<int64_t>(data.size()));
}

void TBitmap::LoadFromResourceName(const AnsiString& ResName)
{
    HBITMAP handle = LoadBitmapResource(ResName);
    TGdiBitmap* bitmap = GdiObjectAs<TGdiBitmap>(handle);
    pixelFormat_ = bitmap->BitsPerPixel() == 32 ? pf32bit : pf24bit;
    ReplaceHandle(handle, bitmap->Width(), bitmap->Height());
    Changed();
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect)
{
    HDC dest = DrawingHandle(ACanvas);
    HDC source = BitmapDC();
    if (Transparent()) {
        TransparentBlt(dest, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), source, 0, 0, width_, height_,
                       static_cast<COLORREF>(TransparentColor()));
        return;
    }
    int oldMode = SetStretchBltMode(dest, COLORONCOLOR);
    StretchBlt(dest, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), source, 0, 0, width_, height_,
               ACanvas->CopyMode());
    SetStretchBltMode(dest, oldMode);
}
