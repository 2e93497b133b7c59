#include "platform/ui/graphics/image_list.h"

#include <algorithm>

#include "platform/gdi/surface.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/ui/graphics/icon.h"
#include "platform/ui/graphics/image_blend.h"

namespace {

TRasterImage PictureOf(TBitmap* Image)
{
    if (!Image || Image->Empty())
        throw EInvalidOperation("Unable to insert an image");
    return Image->ToImage();
}

// Clears the pixels under the light pixels of Mask.
void ApplyMask(TRasterImage& Picture, TBitmap* Mask)
{
    if (!Mask || Mask->Empty())
        return;
    TRasterImage mask = Mask->ToImage();
    for (int y = 0; y < std::min(Picture.Height, mask.Height); ++y)
        for (int x = 0; x < std::min(Picture.Width, mask.Width); ++x)
            if (PixelToMono(mask.Row(y)[x] & kColorBits))
                Picture.Row(y)[x] = 0;
}

// The picture with its transparent parts filled with Back, opaque.
uint32_t OverBackground(uint32_t Pixel, uint32_t Back)
{
    uint32_t a = Pixel >> 24;
    uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        uint32_t c = ((Pixel >> shift) & 0xFF) * a + ((Back >> shift) & 0xFF) * (255 - a);
        out |= ((c + 127) / 255) << shift;
    }
    return out;
}

}  // namespace

uint32_t DisabledPixel(uint32_t Pixel)
{
    uint32_t r = (Pixel >> 16) & 0xFF;
    uint32_t g = (Pixel >> 8) & 0xFF;
    uint32_t b = Pixel & 0xFF;
    uint32_t grey = 96 + ((77 * r + 151 * g + 28 * b) >> 8) / 2;
    return (Pixel & 0xFF000000u) | (grey << 16) | (grey << 8) | grey;
}

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

void TCustomImageList::SetSize(int AWidth, int AHeight)
{
    if (AWidth <= 0 || AHeight <= 0 || (AWidth == width_ && AHeight == height_))
        return;
    width_ = AWidth;
    height_ = AHeight;
    images_.clear();
    Change();
}

void TCustomImageList::SetBkColor(TColor Value)
{
    if (Value != bkColor_) {
        bkColor_ = Value;
        Change();
    }
}

void TCustomImageList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EInvalidOperation("Invalid ImageList Index");
}

std::vector<TRasterImage> TCustomImageList::Cells(const TRasterImage& Picture) const
{
    int count = std::max(1, Picture.Width / width_);
    std::vector<TRasterImage> cells;
    cells.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        TRasterImage cell = TRasterImage::Sized(width_, height_);
        cell.HasAlpha = true;
        int left = i * width_;
        int columns = std::min(width_, Picture.Width - left);
        for (int y = 0; y < std::min(height_, Picture.Height); ++y)
            std::copy_n(Picture.Row(y) + left, columns, cell.Row(y));
        cells.push_back(std::move(cell));
    }
    return cells;
}

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask)
{
    TRasterImage picture = PictureOf(Image);
    ApplyMask(picture, Mask);
    int first = Count();
    for (TRasterImage& cell : Cells(picture))
        images_.push_back(std::move(cell));
    Change();
    return first;
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor)
{
    TRasterImage picture = PictureOf(Image);
    uint32_t key = ColorToPixel(static_cast<COLORREF>(ColorToRGB(MaskColor)) & kColorBits);
    for (uint32_t& p : picture.Pixels)
        if ((p & kColorBits) == key)
            p = 0;
    int first = Count();
    for (TRasterImage& cell : Cells(picture))
        images_.push_back(std::move(cell));
    Change();
    return first;
}

int TCustomImageList::AddIcon(TIcon* Image)
{
    if (!Image || Image->Empty())
        throw EInvalidOperation("Unable to insert an image");
    const TRasterImage& icon = Image->Image();
    TRasterImage cell = TRasterImage::Sized(width_, height_);
    cell.HasAlpha = true;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            cell.Row(y)[x] = icon.Row(y * icon.Height / height_)[x * icon.Width / width_];
    images_.push_back(std::move(cell));
    Change();
    return Count() - 1;
}

void TCustomImageList::Replace(int Index, TBitmap* Image, TBitmap* Mask)
{
    CheckIndex(Index);
    TRasterImage picture = PictureOf(Image);
    ApplyMask(picture, Mask);
    images_[static_cast<size_t>(Index)] = std::move(Cells(picture).front());
    Change();
}

void TCustomImageList::Delete(int Index)
{
    CheckIndex(Index);
    images_.erase(images_.begin() + Index);
    Change();
}

void TCustomImageList::Clear()
{
    images_.clear();
    Change();
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled)
{
    if (Index < 0 || Index >= Count())
        return;
    TRasterImage image = images_[static_cast<size_t>(Index)];
    if (!Enabled)
        for (uint32_t& p : image.Pixels)
            p = DisabledPixel(p);
    if (bkColor_ != clNone) {
        uint32_t back = ColorToPixel(static_cast<COLORREF>(ColorToRGB(bkColor_)) & kColorBits);
        for (uint32_t& p : image.Pixels)
            p = OverBackground(p, back);
    }
    DrawImageBlended(Canvas->Handle(), Bounds(X, Y, width_, height_), image);
}

bool TCustomImageList::GetBitmap(int Index, TBitmap* Image)
{
    if (Index < 0 || Index >= Count())
        return false;
    Image->AssignImage(images_[static_cast<size_t>(Index)]);
    return true;
}

void TCustomImageList::GetIcon(int Index, TIcon* Image)
{
    if (Index >= 0 && Index < Count())
        Image->AssignImage(images_[static_cast<size_t>(Index)]);
}

void TCustomImageList::Change()
{
    if (OnChange)
        OnChange(this);
}
