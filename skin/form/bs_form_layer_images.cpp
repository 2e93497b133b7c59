#include "skin/form/bs_form_layer_images.h"

#include <algorithm>
#include <cstring>

#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_skin_data.h"

namespace {

std::unique_ptr<TbsBitmap> NewStrip(TSize Size)
{
    if (Size.cx <= 0 || Size.cy <= 0)
        return nullptr;
    auto strip = std::make_unique<TbsBitmap>();
    strip->SetSize(Size.cx, Size.cy);
    return strip;
}

void CopyPixels(const uint32_t* Source, uint32_t* Target, int Count)
{
    if (Count > 0)
        std::memcpy(Target, Source, static_cast<size_t>(Count) * sizeof(uint32_t));
}

// Source's Count pixels stretched (nearest pixel) over Target's Width.
void StretchPixels(const uint32_t* Source, int Count, uint32_t* Target, int Width)
{
    if (Count <= 0)
        return;
    for (int x = 0; x < Width; ++x)
        Target[x] = Source[static_cast<int64_t>(x) * Count / Width];
}

// A row of a top or bottom strip: the left corner up to LeftX, the right
// corner from RightX, the middle stretched between them. A strip narrower
// than both corners shows the right one over the left.
void HorizontalRow(const uint32_t* Source, int PictureWidth, int LeftX, int RightX, uint32_t* Target, int Width)
{
    LeftX = std::clamp(LeftX, 0, PictureWidth);
    RightX = std::clamp(RightX, LeftX, PictureWidth);
    int rightW = PictureWidth - RightX;
    int leftW = std::min(LeftX, Width);
    CopyPixels(Source, Target, leftW);
    int middleW = Width - LeftX - rightW;
    if (middleW > 0)
        StretchPixels(Source + LeftX, RightX - LeftX, Target + LeftX, middleW);
    int rightAt = std::max(0, Width - rightW);
    CopyPixels(Source + RightX + (rightAt - (Width - rightW)), Target + rightAt, Width - rightAt);
}

std::unique_ptr<TbsBitmap> HorizontalStrip(const TbsBitmap& Picture, int SourceTop, int LeftX, int RightX,
                                           TSize Size)
{
    auto strip = NewStrip(Size);
    if (!strip)
        return nullptr;
    for (int y = 0; y < Size.cy; ++y)
        HorizontalRow(Picture.GetScanline(SourceTop + y), Picture.Width(), LeftX, RightX, strip->GetScanline(y),
                      Size.cx);
    return strip;
}

// A side strip from the picture's columns SourceX.. between the rows
// SourceTop and SourceBottom.
std::unique_ptr<TbsBitmap> VerticalStrip(const TbsBitmap& Picture, int SourceX, int SourceTop, int SourceBottom,
                                         bool Stretch, TSize Size)
{
    int sourceH = SourceBottom - SourceTop;
    if (sourceH <= 0)
        return nullptr;
    auto strip = NewStrip(Size);
    if (!strip)
        return nullptr;
    for (int y = 0; y < Size.cy; ++y) {
        int row = Stretch ? static_cast<int>(static_cast<int64_t>(y) * sourceH / Size.cy) : y % sourceH;
        CopyPixels(Picture.GetScanline(SourceTop + row) + SourceX, strip->GetScanline(y), Size.cx);
    }
    return strip;
}

TSize SizeOf(const TRect& R) { return {R.Width(), R.Height()}; }

}  // namespace

std::unique_ptr<TbsBitmap> LayerPicture(TbsSkinData& Data, int PictureIndex, int MaskIndex)
{
    TBitmap* picture = Data.PictureAt(PictureIndex);
    TBitmap* mask = Data.PictureAt(MaskIndex);
    if (!picture || !mask || picture->Width() < 1 || picture->Height() < 1 || mask->Width() != picture->Width() ||
        mask->Height() != picture->Height())
        return nullptr;
    auto bitmap = std::make_unique<TbsBitmap>();
    MaskAndPictureToBitmap(picture, mask, bitmap.get());
    // The strips are cut out as they are, never blended onto each other.
    bitmap->AlphaBlendFlag = false;
    bitmap->TransparentFlag = false;
    return bitmap;
}

TbsLayerImages BuildLayerImages(const TbsDataSkinLayerFrame& Frame, const TbsBitmap& Picture,
                                const TbsLayerPlacement& Placement)
{
    const TRect& c = Frame.ClientRect;
    int pw = Picture.Width();
    int ph = Picture.Height();
    // The picture's rows and columns around "clientrect", kept inside it.
    int top = std::clamp(c.Top, 0, ph);
    int bottom = std::clamp(c.Bottom, top, ph);
    int left = std::clamp(c.Left, 0, pw);
    int right = std::clamp(c.Right, left, pw);

    TbsLayerImages images;
    images.Top = HorizontalStrip(Picture, 0, Frame.LeftTopPoint.X, Frame.RightTopPoint.X, SizeOf(Placement.Top));
    images.Bottom = HorizontalStrip(Picture, bottom, Frame.LeftBottomPoint.X, Frame.RightBottomPoint.X,
                                    SizeOf(Placement.Bottom));
    images.Left = VerticalStrip(Picture, 0, top, bottom, Frame.FullStretch, SizeOf(Placement.Left));
    images.Right = VerticalStrip(Picture, right, top, bottom, Frame.FullStretch, SizeOf(Placement.Right));
    return images;
}
