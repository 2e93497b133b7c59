// TbsBitmap: the 32-bit bitmap with per-pixel alpha that all skin drawing
// with transparency works on. A top-down DIB section selected into a memory
// device context of its own; pixel (X, Y) is the 32-bit value 0xAARRGGBB at
// Bits() + Y * Width() + X, colours straight unless a caller premultiplies.
// The pixel kKeyPixel (colour 0x7F007F, alpha 0) is the transparent key.
//
// Two flags choose how the bitmap is drawn: AlphaBlendFlag blends it by its
// alpha, else TransparentFlag leaves out its key pixels, else it is copied.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/base/geometry.h"
#include "platform/base/object.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_records.h"
#include "platform/gdi/raster_image.h"

class TBitmap;
class TCanvas;
class TGraphic;

class TbsBitmap : public TPersistent {
public:
    // Empty: no DIB section, no device context, 0 x 0.
    TbsBitmap();
    ~TbsBitmap() override;
    TbsBitmap(const TbsBitmap&) = delete;
    TbsBitmap& operator=(const TbsBitmap&) = delete;

    uint32_t* Bits() const { return bits_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    HBITMAP Handle() const { return handle_; }
    HDC DC() const { return dc_; }

    // Sizes by the absolute values; a 0 side or the present size changes
    // nothing. New pixels are all 0 and the flags stay. When the platform
    // refuses the bitmap or its context, EOutOfResources is raised and the
    // bitmap is left empty.
    void SetSize(int W, int H);
    bool IsEmpty() const { return handle_ == nullptr; }

    // Addresses inside the bitmap, unchecked.
    uint32_t* GetScanline(int Y) const { return bits_ + static_cast<ptrdiff_t>(Y) * width_; }
    uint32_t* PixelPtr(int X, int Y) const { return GetScanline(Y) + X; }
    // Ignores points outside the bitmap.
    void SetPixel(int X, int Y, uint32_t Pixel);
    // A canvas on DC(), made on first use and owned by the bitmap.
    TCanvas* GetCanvas();

    // The alpha byte of every pixel := the low 8 bits of A.
    void SetAlpha(int A);
    // Each colour := Round(C * A / 255).
    void Premultiply();
    // Each colour above the pixel's alpha is lowered to it.
    void ClampColorsToAlpha();
    // AlphaBlendFlag := some pixel has alpha strictly between 0 and 255.
    void CheckSemiTransparent();
    // Pixels whose colour bytes each lie within 5 of Key's (0x00RRGGBB,
    // alpha ignored) become kKeyPixel; TransparentFlag := any did.
    void SetTransparentColor(uint32_t Key);
    // Clipped to the bitmap. With AlphaBlendFlag the pixel is blended onto
    // the area by its own alpha, else written as it is.
    void FillRect(const TRect& R, uint32_t Pixel);

    // Onto a device context. A context that belongs to another TbsBitmap is
    // drawn into directly, its window origin taken into account.
    void Draw(HDC DC, int X, int Y);
    void DrawRect(HDC DC, int X, int Y, const TRect& SrcRect);
    void DrawToCanvas(TCanvas* Canvas, int X, int Y);
    void StretchDrawToDC(HDC DC, TRect DstRect, const TRect& SrcRect);

    // Into another bitmap: blended, keyed or copied by this one's flags.
    void DrawToBitmap(TbsBitmap* Target, int X, int Y);
    void DrawRectToBitmap(TbsBitmap* Target, int X, int Y, const TRect& SrcRect);
    void StretchDrawToBitmap(TbsBitmap* Target, const TRect& DstRect, const TRect& SrcRect);

    // From a TbsBitmap (pixels, Name and flags), a 32-bit DIB TBitmap
    // (pixels with alpha), any other TBitmap or TGraphic (opaque), or a
    // TPicture holding one of those.
    void Assign(TPersistent* Source) override;
    // Into a TBitmap or TPicture: 32 bits, this size, this bitmap drawn over
    // the target's existing pixels.
    void AssignTo(TPersistent* Dest) override;
    // Draws the graphic stretched onto Rect; only the pixels it paints change.
    void DrawGraphic(TGraphic* Graphic, const TRect& Rect);

    // Carried along by Assign; the bitmap never reads it.
    AnsiString Name;
    bool AlphaBlendFlag = false;
    bool TransparentFlag = false;

private:
    // Deletes the context and the section and forgets the pixels.
    void FreeSurface();

    // bits_, handle_ and dc_ are all set or all null; width_ * height_
    // pixels while set, 0 x 0 while null.
    uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    BITMAPINFOHEADER header_;
    HBITMAP handle_ = nullptr;
    HDC dc_ = nullptr;
    std::unique_ptr<TCanvas> canvas_;
};

// The list of bitmaps whose contexts drawing code may be handed; a bitmap
// stands in it at most once. Sized bitmaps put themselves in it and take
// themselves out when destroyed.
void AddBitmapToDCList(TbsBitmap* Bitmap);
void RemoveBitmapFromDCList(TbsBitmap* Bitmap);
// The first listed bitmap whose context is DC, or nullptr.
TbsBitmap* FindBitmapByDC(HDC DC);

// 0x00BBGGRR to the opaque pixel 0xFFRRGGBB.
uint32_t ColorToOpaquePixel(TColor Color);

// Sizes Bitmap to the picture and copies its colours and alpha, then
// checks for semi-transparency.
void PngToBitmap(TbsBitmap* Bitmap, const TRasterImage& Png);
// Bitmap := Picture with the mask's brightness as alpha, colours lowered to
// the alpha (so black in the mask gives alpha 0 and colour 0).
void MaskAndPictureToBitmap(TBitmap* Picture, TBitmap* Mask, TbsBitmap* Bitmap);
