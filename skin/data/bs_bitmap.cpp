#include "skin/data/bs_bitmap.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <span>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/mapping.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/graphic.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/ui/graphics/picture.h"
#include "skin/data/bs_blit_tables.h"
#include "skin/data/bs_effects.h"
#include "skin/data/bs_pixel_rows.h"

namespace {

// Never destroyed, so that a bitmap outliving the other statics can still
// take itself out.
std::vector<TbsBitmap*>* dcList = nullptr;

// |INT_MIN| has no int; the platform refuses a side that long anyway.
int AbsSide(int V) { return V == INT_MIN ? INT_MAX : std::abs(V); }

// The colour bytes of a pixel, B, G, R.
int Channel(uint32_t Pixel, int Index) { return static_cast<int>((Pixel >> (8 * Index)) & 0xFF); }

}  // namespace

TbsBitmap::TbsBitmap()
{
    header_.biBitCount = 32;
    header_.biCompression = BI_RGB;
}

TbsBitmap::~TbsBitmap()
{
    RemoveBitmapFromDCList(this);
    // The canvas lets go of the context before the context goes.
    canvas_.reset();
    FreeSurface();
}

void TbsBitmap::FreeSurface()
{
    if (dc_)
        DeleteDC(dc_);
    if (handle_)
        DeleteObject(handle_);
    bits_ = nullptr;
    handle_ = nullptr;
    dc_ = nullptr;
    width_ = 0;
    height_ = 0;
}

void TbsBitmap::SetSize(int W, int H)
{
    W = AbsSide(W);
    H = AbsSide(H);
    if (W == 0 || H == 0 || (W == width_ && H == height_))
        return;
    if (canvas_)
        canvas_->SetHandle(nullptr);
    FreeSurface();
    header_.biWidth = W;
    header_.biHeight = -H;
    BITMAPINFO info;
    info.bmiHeader = header_;
    void* bits = nullptr;
    HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handle || !bits) {
        if (handle)
            DeleteObject(handle);
        throw EOutOfResources("Can't allocate the DIB handle");
    }
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
        DeleteObject(handle);
        throw EOutOfResources("Can't create compatible DC");
    }
    if (!SelectObject(dc, handle)) {
        DeleteDC(dc);
        DeleteObject(handle);
        throw EOutOfResources("Can't bslect an object into DC");
    }
    bits_ = static_cast<uint32_t*>(bits);
    handle_ = handle;
    dc_ = dc;
    width_ = W;
    height_ = H;
    AddBitmapToDCList(this);
    if (canvas_)
        canvas_->SetHandle(dc_);
}

void TbsBitmap::SetPixel(int X, int Y, uint32_t Pixel)
{
    if (X >= 0 && X < width_ && Y >= 0 && Y < height_)
        *PixelPtr(X, Y) = Pixel;
}

TCanvas* TbsBitmap::GetCanvas()
{
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>();
        canvas_->SetHandle(dc_);
    }
    return canvas_.get();
}

void TbsBitmap::SetAlpha(int A)
{
    if (!IsEmpty())
        RowRoutines().SetAlphaRow(bits_, width_ * height_, static_cast<uint8_t>(A));
}

void TbsBitmap::Premultiply()
{
    // C * A / 255 is never exactly halfway between two integers, so adding
    // 127 before the division rounds it to nearest, ties to even included.
    for (uint32_t& p : std::span(bits_, static_cast<size_t>(width_) * height_)) {
        uint32_t a = p >> 24;
        uint32_t out = p & 0xFF000000;
        for (int i = 0; i < 3; ++i)
            out |= ((Channel(p, i) * a + 127) / 255) << (8 * i);
        p = out;
    }
}

void TbsBitmap::ClampColorsToAlpha()
{
    for (uint32_t& p : std::span(bits_, static_cast<size_t>(width_) * height_)) {
        int a = static_cast<int>(p >> 24);
        uint32_t out = p & 0xFF000000;
        for (int i = 0; i < 3; ++i)
            out |= static_cast<uint32_t>(std::min(Channel(p, i), a)) << (8 * i);
        p = out;
    }
}

void TbsBitmap::CheckSemiTransparent()
{
    AlphaBlendFlag = std::any_of(bits_, bits_ + static_cast<size_t>(width_) * height_, [](uint32_t p) {
        uint32_t a = p >> 24;
        return a != 0 && a != 255;
    });
}

void TbsBitmap::SetTransparentColor(uint32_t Key)
{
    TransparentFlag = false;
    for (uint32_t& p : std::span(bits_, static_cast<size_t>(width_) * height_)) {
        bool near = true;
        for (int i = 0; i < 3 && near; ++i)
            near = std::abs(Channel(p, i) - Channel(Key, i)) <= 5;
        if (near) {
            p = kKeyPixel;
            TransparentFlag = true;
        }
    }
}

void TbsBitmap::FillRect(const TRect& R, uint32_t Pixel)
{
    TRect r;
    if (!IntersectRect(r, R, Rect(0, 0, width_, height_)))
        return;
    if (!AlphaBlendFlag) {
        RowRoutines().FillRectBits(bits_, width_, Pixel, r.Left, r.Top, r.Right - 1, r.Bottom - 1);
        return;
    }
    std::vector<uint32_t> row(static_cast<size_t>(r.Width()), Pixel);
    for (int y = r.Top; y < r.Bottom; ++y)
        RowRoutines().BlendRow(row.data(), PixelPtr(r.Left, y), r.Width());
}

void TbsBitmap::Draw(HDC DC, int X, int Y)
{
    StretchDrawToDC(DC, Bounds(X, Y, width_, height_), Rect(0, 0, width_, height_));
}

void TbsBitmap::DrawRect(HDC DC, int X, int Y, const TRect& SrcRect)
{
    StretchDrawToDC(DC, Bounds(X, Y, SrcRect.Width(), SrcRect.Height()), SrcRect);
}

void TbsBitmap::DrawToCanvas(TCanvas* Canvas, int X, int Y) { Draw(Canvas->Handle(), X, Y); }

void TbsBitmap::StretchDrawToDC(HDC DC, TRect DstRect, const TRect& SrcRect)
{
    if (IsEmpty())
        return;
    if (TbsBitmap* target = FindBitmapByDC(DC)) {
        TPoint origin;
        GetWindowOrgEx(DC, &origin);
        OffsetRect(DstRect, -origin.X, -origin.Y);
        StretchDrawToBitmap(target, DstRect, SrcRect);
        return;
    }
    const TbsBlitRoutines& blits = BlitRoutines();
    TbsToDCProc draw = AlphaBlendFlag    ? blits.BlendToDC
                       : TransparentFlag ? blits.TransparentToDC
                                         : blits.OpaqueStretchToDC;
    draw(DC, DstRect.Left, DstRect.Top, DstRect.Width(), DstRect.Height(), this, SrcRect.Left, SrcRect.Top,
         SrcRect.Width(), SrcRect.Height());
}

void TbsBitmap::DrawToBitmap(TbsBitmap* Target, int X, int Y)
{
    StretchDrawToBitmap(Target, Bounds(X, Y, width_, height_), Rect(0, 0, width_, height_));
}

void TbsBitmap::DrawRectToBitmap(TbsBitmap* Target, int X, int Y, const TRect& SrcRect)
{
    StretchDrawToBitmap(Target, Bounds(X, Y, SrcRect.Width(), SrcRect.Height()), SrcRect);
}

void TbsBitmap::StretchDrawToBitmap(TbsBitmap* Target, const TRect& DstRect, const TRect& SrcRect)
{
    const TbsBlitRoutines& blits = BlitRoutines();
    TbsStretchProc draw = AlphaBlendFlag    ? blits.StretchBlendToBitmap
                          : TransparentFlag ? blits.StretchKeyToBitmap
                                            : blits.StretchCopyToBitmap;
    draw(Target, DstRect, DstRect, SrcRect, this);
}

void TbsBitmap::Assign(TPersistent* Source)
{
    if (auto* source = dynamic_cast<TbsBitmap*>(Source)) {
        if (source == this)
            return;
        SetSize(source->width_, source->height_);
        if (!source->IsEmpty())
            RowRoutines().CopyRow(source->bits_, bits_, width_ * height_);
        Name = source->Name;
        AlphaBlendFlag = source->AlphaBlendFlag;
        TransparentFlag = source->TransparentFlag;
        return;
    }
    TGraphic* graphic = dynamic_cast<TGraphic*>(Source);
    if (auto* picture = dynamic_cast<TPicture*>(Source)) {
        // A bitmap in a picture is taken opaque, whatever its format.
        graphic = picture->Graphic();
        if (!graphic)
            return;
        if (auto* bitmap = dynamic_cast<TBitmap*>(graphic)) {
            SetSize(bitmap->Width(), bitmap->Height());
            if (!IsEmpty() && !bitmap->Empty())
                BitBlt(dc_, 0, 0, width_, height_, bitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
            SetAlpha(255);
            return;
        }
    } else if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
        SetSize(bitmap->Width(), bitmap->Height());
        if (bitmap->PixelFormat() == pf32bit && bitmap->HandleType() == bmDIB) {
            int rows = std::min(height_, bitmap->Height());
            int columns = std::min(width_, bitmap->Width());
            for (int y = 0; y < rows; ++y)
                RowRoutines().CopyRow(static_cast<const uint32_t*>(bitmap->ScanLine(y)), GetScanline(y), columns);
            CheckSemiTransparent();
        } else {
            if (!IsEmpty() && !bitmap->Empty())
                BitBlt(dc_, 0, 0, width_, height_, bitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
            SetAlpha(255);
        }
        return;
    }
    if (graphic) {
        SetSize(graphic->Width(), graphic->Height());
        if (!IsEmpty()) {
            DrawGraphic(graphic, Rect(0, 0, width_, height_));
            SetAlpha(255);
        }
        return;
    }
    TPersistent::Assign(Source);
}

void TbsBitmap::AssignTo(TPersistent* Dest)
{
    TBitmap* target = dynamic_cast<TBitmap*>(Dest);
    if (auto* picture = dynamic_cast<TPicture*>(Dest))
        target = picture->Bitmap();
    if (!target) {
        TPersistent::AssignTo(Dest);
        return;
    }
    target->SetPixelFormat(pf32bit);
    target->SetSize(width_, height_);
    if (!IsEmpty())
        DrawToCanvas(target->Canvas(), 0, 0);
}

void TbsBitmap::DrawGraphic(TGraphic* Graphic, const TRect& Rect)
{
    if (IsEmpty())
        return;
    // The graphic is drawn on magenta; whatever stays magenta it left alone.
    constexpr uint32_t kUntouched = 0x00FF00FF;
    TBitmap canvasBitmap;
    canvasBitmap.SetPixelFormat(pf32bit);
    canvasBitmap.SetSize(width_, height_);
    TCanvas* canvas = canvasBitmap.Canvas();
    canvas->Brush()->SetColor(static_cast<TColor>(RGB(255, 0, 255)));
    canvas->FillRect(::Rect(-1, -1, width_ + 1, height_ + 1));
    canvas->StretchDraw(Rect, Graphic);
    for (int y = 0; y < height_; ++y) {
        const auto* row = static_cast<const uint32_t*>(canvasBitmap.ScanLine(y));
        for (int x = 0; x < width_; ++x)
            if ((row[x] & kPixelColorBits) != kUntouched)
                SetPixel(x, y, row[x]);
    }
}

void AddBitmapToDCList(TbsBitmap* Bitmap)
{
    if (!dcList)
        dcList = new std::vector<TbsBitmap*>;
    if (std::find(dcList->begin(), dcList->end(), Bitmap) == dcList->end())
        dcList->push_back(Bitmap);
}

void RemoveBitmapFromDCList(TbsBitmap* Bitmap)
{
    if (dcList)
        std::erase(*dcList, Bitmap);
}

TbsBitmap* FindBitmapByDC(HDC DC)
{
    if (!dcList || !DC)
        return nullptr;
    auto found = std::find_if(dcList->begin(), dcList->end(), [DC](TbsBitmap* b) { return b->DC() == DC; });
    return found == dcList->end() ? nullptr : *found;
}

uint32_t ColorToOpaquePixel(TColor Color)
{
    auto c = static_cast<uint32_t>(Color);
    return 0xFF000000 | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

void PngToBitmap(TbsBitmap* Bitmap, const TRasterImage& Png)
{
    Bitmap->SetSize(Png.Width, Png.Height);
    // A picture of 0 rows or columns leaves the bitmap as it was.
    int rows = std::min(Bitmap->Height(), Png.Height);
    int columns = std::min(Bitmap->Width(), Png.Width);
    // The decoder's pixels already are colour plus the alpha line's byte.
    for (int y = 0; y < rows; ++y)
        RowRoutines().CopyRow(Png.Row(y), Bitmap->GetScanline(y), columns);
    Bitmap->CheckSemiTransparent();
}

void MaskAndPictureToBitmap(TBitmap* Picture, TBitmap* Mask, TbsBitmap* Bitmap)
{
    Bitmap->Assign(Picture);
    TbsBitmap mask;
    mask.Assign(Mask);
    MaskToAlpha(Bitmap, &mask);
    Bitmap->ClampColorsToAlpha();
}
