#include "skin/data/bs_masks.h"

#include <cstdlib>
#include <cstring>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/regions.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/win/window_dc.h"
#include "skin/data/bs_piece_copier.h"

TbsFBitmap::TbsFBitmap(HBITMAP Bitmap)
{
    BITMAP info;
    if (!Bitmap || GetObject(Bitmap, sizeof info, &info) == 0 || info.bmWidth <= 0 || info.bmHeight == 0)
        return;
    BITMAPINFO header;
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -std::abs(info.bmHeight);
    header.bmiHeader.biBitCount = 24;
    header.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    handle_ = CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handle_)
        throw EOutOfResources("Out of system resources");
    width_ = info.bmWidth;
    height_ = std::abs(info.bmHeight);
    rowSize_ = width_ * 3 + width_ % 4;
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, Bitmap, 0, static_cast<unsigned>(height_), bits, &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    rows_.resize(static_cast<size_t>(height_));
    for (int y = 0; y < height_; ++y)
        rows_[static_cast<size_t>(y)] = static_cast<uint8_t*>(bits) + static_cast<ptrdiff_t>(y) * rowSize_;
}

TbsFBitmap::~TbsFBitmap()
{
    if (handle_)
        DeleteObject(handle_);
}

std::vector<uint8_t> GetRegionDataFromBitmap(TBitmap* Bmp, int DX, int DY)
{
    if (!Bmp || Bmp->Empty())
        return {};
    std::vector<TRect> runs;
    int width = 0;
    int height = 0;
    {
        TbsFBitmap pixels(Bmp->Handle());
        width = pixels.Width();
        height = pixels.Height();
        for (int y = 0; y < height; ++y) {
            const uint8_t* row = pixels.Row(y);
            auto black = [row](int x) { return (row[3 * x] | row[3 * x + 1] | row[3 * x + 2]) == 0; };
            int x = 0;
            while (x < width) {
                if (!black(x)) {
                    ++x;
                    continue;
                }
                int x2 = x + 1;
                while (x2 < width && black(x2))
                    ++x2;
                runs.push_back({DX + x, DY + y, DX + x2, DY + y + 1});
                x = x2;
            }
        }
    }
    RGNDATAHEADER header;
    header.nCount = static_cast<uint32_t>(runs.size());
    header.rcBound = {DX, DY, DX + width, DY + height};
    std::vector<uint8_t> data(sizeof header + runs.size() * sizeof(TRect));
    std::memcpy(data.data(), &header, sizeof header);
    if (!runs.empty())
        std::memcpy(data.data() + sizeof header, runs.data(), runs.size() * sizeof(TRect));
    return data;
}

namespace {

HRGN RegionFromData(const std::vector<uint8_t>& Data)
{
    if (Data.empty())
        return nullptr;
    return ExtCreateRegion(nullptr, static_cast<uint32_t>(Data.size()), reinterpret_cast<const RGNDATA*>(Data.data()));
}

// A top or bottom strip of AW x H from the mask rows SrcTop..SrcTop + H: the
// middle columns MidLeft..MidRight tiled from NewMidLeft to NewMidRight, the
// left corner copied unscaled, the right corner from NewMidRight to the end.
void MaskBand(TBitmap* Strip, int AW, int H, TBitmap* Mask, int SrcTop, int MidLeft, int MidRight, int NewMidLeft,
              int NewMidRight)
{
    if (AW <= 0 || H <= 0)
        return;
    Strip->SetSize(AW, H);
    TbsPieceCopier c(Strip, Mask, {0, 0});
    int bottom = SrcTop + H;
    c.TileAcross({MidLeft, SrcTop, MidRight, bottom}, {NewMidLeft, 0, NewMidRight, H});
    c.Copy({0, SrcTop, MidLeft, bottom}, {0, 0, MidLeft, H});
    c.Copy({MidRight, SrcTop, Mask->Width(), bottom}, {NewMidRight, 0, AW, H});
}

// The region of a strip's black pixels placed at (DX, DY), or 0 for a strip
// that was never sized.
HRGN StripRegion(TBitmap* Strip, int DX, int DY)
{
    return Strip->Empty() ? nullptr : RegionFromData(GetRegionDataFromBitmap(Strip, DX, DY));
}

}  // namespace

HRGN CreateRegionFromBitmap(TBitmap* Bmp) { return RegionFromData(GetRegionDataFromBitmap(Bmp, 0, 0)); }

void CreateSkinMask(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, const TRect& ClRect, TPoint NewLTPt,
                    TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, const TRect& NewClRect, TBitmap* FMask,
                    TBitmap* TopB, TBitmap* LeftB, TBitmap* RightB, TBitmap* BottomB, int AW, int)
{
    if (!FMask || FMask->Empty())
        return;
    int maskW = FMask->Width();
    int maskH = FMask->Height();
    int clientH = NewClRect.Height();
    DrawSideStrip(LeftB, ClRect.Left, clientH, FMask, {0, 0}, 0, ClRect.Left, LTPt.Y, LBPt.Y, ClRect.Top,
                  ClRect.Bottom, false);
    DrawSideStrip(RightB, maskW - ClRect.Right, clientH, FMask, {0, 0}, ClRect.Right, maskW, RTPt.Y, RBPt.Y,
                  ClRect.Top, ClRect.Bottom, false);
    MaskBand(TopB, AW, ClRect.Top, FMask, 0, LTPt.X, RTPt.X, NewLTPt.X, NewRTPt.X);
    MaskBand(BottomB, AW, maskH - ClRect.Bottom, FMask, ClRect.Bottom, LBPt.X, RBPt.X, NewLBPt.X, NewRBPt.X);
}

HRGN CreateSkinRegion(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, const TRect& ClRect, TPoint NewLTPt,
                      TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, const TRect& NewClRect, TBitmap* FMask, int AW,
                      int AH)
{
    if (NewLTPt.X > NewRTPt.X || NewLTPt.Y > NewLBPt.Y || !FMask || FMask->Empty())
        return nullptr;
    TBitmap top, left, right, bottom;
    CreateSkinMask(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPt, NewRTPt, NewLBPt, NewRBPt, NewClRect, FMask, &top, &left,
                   &right, &bottom, AW, AH);
    HRGN parts[] = {StripRegion(&top, 0, 0), StripRegion(&bottom, 0, NewClRect.Bottom),
                    StripRegion(&left, 0, NewClRect.Top), StripRegion(&right, NewClRect.Right, NewClRect.Top),
                    NewClRect.Width() >= 1 && NewClRect.Height() >= 1 ? CreateRectRgnIndirect(NewClRect) : nullptr};
    HRGN result = nullptr;
    for (HRGN part : parts) {
        if (!part)
            continue;
        if (!result) {
            result = part;
            continue;
        }
        CombineRgn(result, result, part, RGN_OR);
        DeleteObject(part);
    }
    return result;
}
