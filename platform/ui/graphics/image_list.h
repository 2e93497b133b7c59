// Image lists: numbered images of one size, drawn transparently. Every image
// is kept as 32-bit pixels with straight alpha: a 32-bit bitmap brings its
// own alpha (unless it is 0 everywhere, which means opaque), a mask or a
// mask colour clears the alpha of the pixels it covers.
//
// Disabled images are drawn greyed: each pixel becomes the grey
// 96 + L / 2 (integer division) in all three channels, where
// L = (77 R + 151 G + 28 B) / 256 is its brightness; alpha stays. Greys
// thus run from 96 for black to 223 for white.
#pragma once

#include <vector>

#include "platform/base/component.h"
#include "platform/base/event.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/raster_image.h"

class TBitmap;
class TCanvas;
class TIcon;

// The greyed look of a pixel drawn disabled.
uint32_t DisabledPixel(uint32_t Pixel);

class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* AOwner);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // A new size drops every image.
    void SetWidth(int Value) { SetSize(Value, height_); }
    void SetHeight(int Value) { SetSize(width_, Value); }
    int Count() const { return static_cast<int>(images_.size()); }
    // clNone draws the images blended over the canvas; a colour fills their
    // transparent parts instead.
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor Value);

    // A bitmap wider than the list gives one image per Width() columns
    // (at least one); parts outside a cell are cut off and a cell the
    // bitmap does not fill stays transparent. Mask (may be nullptr): its
    // light pixels are transparent. Returns the index of the first image.
    int Add(TBitmap* Image, TBitmap* Mask);
    // Pixels of MaskColor become transparent.
    int AddMasked(TBitmap* Image, TColor MaskColor);
    // The icon is stretched to the list's size when it differs.
    int AddIcon(TIcon* Image);
    // Replaces image Index by the first cell of Image.
    void Replace(int Index, TBitmap* Image, TBitmap* Mask);
    void Delete(int Index);
    void Clear();

    // Draws image Index with its top-left corner at (X, Y); an index
    // outside the list draws nothing.
    void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true);
    // Image becomes a pf32bit copy of image Index, alpha included; false
    // (and Image untouched) for an index outside the list.
    bool GetBitmap(int Index, TBitmap* Image);
    // The icon becomes a copy of image Index; nothing happens for an index
    // outside the list.
    void GetIcon(int Index, TIcon* Image);

    TNotifyEvent OnChange;

protected:
    virtual void Change();

private:
    void SetSize(int AWidth, int AHeight);
    void CheckIndex(int Index) const;
    // The cells of a picture, Width() x Height() each.
    std::vector<TRasterImage> Cells(const TRasterImage& Picture) const;

    int width_ = 16;
    int height_ = 16;
    TColor bkColor_ = clNone;
    std::vector<TRasterImage> images_;  // each width_ x height_, HasAlpha set
};

class TImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
};
