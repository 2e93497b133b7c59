// Window regions from skin mask pictures: pure black pixels (red, green and
// blue all 0) belong to the window, every other pixel is cut away. The caller
// owns every region it gets and every data block.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/base/object.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_records.h"
#include "platform/ui/graphics/bitmap.h"

// A 24-bit top-down copy of a bitmap, its rows read straight from memory.
class TbsFBitmap : public TObject {
public:
    explicit TbsFBitmap(HBITMAP Bitmap);
    ~TbsFBitmap() override;
    TbsFBitmap(const TbsFBitmap&) = delete;
    TbsFBitmap& operator=(const TbsFBitmap&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Bytes per row: Width * 3 plus the row gap (Width mod 4), a multiple of 4.
    int RowSize() const { return rowSize_; }
    HBITMAP Handle() const { return handle_; }
    // Row Y (0 at the top): Width pixels of blue, green and red bytes.
    const uint8_t* Row(int Y) const { return rows_[static_cast<size_t>(Y)]; }

private:
    int width_ = 0;
    int height_ = 0;
    int rowSize_ = 0;
    HBITMAP handle_ = nullptr;  // the DIB section; null when the size is 0
    std::vector<uint8_t*> rows_;  // entry y: the section's bits + y * rowSize_
};

// The black runs of Bmp as RGNDATA bytes: the 32-byte header (rcBound =
// (DX, DY, DX + width, DY + height)) and one rectangle one row high per run,
// moved by (DX, DY), row by row and left to right. The size of the data is
// the size of the vector; an empty bitmap gives no data at all.
std::vector<uint8_t> GetRegionDataFromBitmap(TBitmap* Bmp, int DX, int DY);

// The region of Bmp's black pixels; 0 for an empty bitmap.
HRGN CreateRegionFromBitmap(TBitmap* Bmp);

// Lays the mask picture out at a window of AW x AH into four border strips,
// as the nine-part builders lay out the skin image of the same corner
// points, but with every edge tiled: TopB is AW x ClRect.Top,
// BottomB AW x (mask height - ClRect.Bottom), LeftB and RightB as wide as
// the mask's side columns and as high as NewClRect. A strip of no size is
// left as it was; unset pixels stay white, that is outside.
void CreateSkinMask(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, const TRect& ClRect, TPoint NewLTPt,
                    TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, const TRect& NewClRect, TBitmap* FMask,
                    TBitmap* TopB, TBitmap* LeftB, TBitmap* RightB, TBitmap* BottomB, int AW, int AH);

// The window region of a window of AW x AH: the mask's border strips placed
// around NewClRect, and NewClRect itself. 0 (the window stays rectangular)
// when the mask is empty or the corner points do not fit.
HRGN CreateSkinRegion(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, const TRect& ClRect, TPoint NewLTPt,
                      TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, const TRect& NewClRect, TBitmap* FMask, int AW,
                      int AH);
