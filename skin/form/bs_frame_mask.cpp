#include "skin/form/bs_frame_mask.h"

#include "platform/gdi/regions.h"
#include "skin/data/bs_form_info.h"
#include "skin/data/bs_masks.h"
#include "skin/form/bs_frame_layout.h"

bool TbsFrameMask::TStripBits::Contains(TPoint P) const
{
    int x = P.X - Origin.X;
    int y = P.Y - Origin.Y;
    if (x < 0 || y < 0 || x >= Width || y >= Height)
        return false;
    return Inside[static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x)] != 0;
}

TbsFrameMask::TStripBits TbsFrameMask::Bits(TBitmap* Strip, TPoint Origin)
{
    TStripBits bits;
    bits.Origin = Origin;
    if (Strip->Empty())
        return bits;
    TbsFBitmap pixels(Strip->Handle());
    bits.Width = pixels.Width();
    bits.Height = pixels.Height();
    bits.Inside.resize(static_cast<size_t>(bits.Width) * static_cast<size_t>(bits.Height));
    for (int y = 0; y < bits.Height; ++y) {
        const uint8_t* row = pixels.Row(y);
        uint8_t* out = &bits.Inside[static_cast<size_t>(y) * static_cast<size_t>(bits.Width)];
        for (int x = 0; x < bits.Width; ++x)
            out[x] = (row[3 * x] | row[3 * x + 1] | row[3 * x + 2]) == 0;
    }
    return bits;
}

void TbsFrameMask::Build(const TbsFormInfo& Info, const TbsFrameMetrics& Metrics, TBitmap* Mask, int W, int H)
{
    Clear();
    if (!Mask || Mask->Empty())
        return;
    const TRect& area = Metrics.NewMaskRectArea;
    CreateSkinMask(Info.LeftTopPoint, Info.RightTopPoint, Info.LeftBottomPoint, Info.RightBottomPoint,
                   Info.MaskRectArea, Metrics.LTPoint, Metrics.RTPoint, Metrics.LBPoint, Metrics.RBPoint, area, Mask,
                   &top_, &left_, &right_, &bottom_, W, H);
    maskArea_ = area;
    bits_[0] = Bits(&top_, {0, 0});
    bits_[1] = Bits(&bottom_, {0, area.Bottom});
    bits_[2] = Bits(&left_, {0, area.Top});
    bits_[3] = Bits(&right_, {area.Right, area.Top});
    empty_ = false;
}

void TbsFrameMask::Clear()
{
    empty_ = true;
    maskArea_ = {};
    for (TBitmap* strip : {&top_, &bottom_, &left_, &right_})
        strip->SetSize(0, 0);
    for (TStripBits& bits : bits_)
        bits = {};
}

bool TbsFrameMask::Contains(TPoint P) const
{
    if (empty_ || PtInRect(maskArea_, P))
        return true;
    for (const TStripBits& bits : bits_)
        if (bits.Contains(P))
            return true;
    return false;
}

HRGN TbsFrameMask::CreateRegion() const
{
    if (empty_)
        return nullptr;
    HRGN region = CreateRectRgnIndirect(IsRectEmpty(maskArea_) ? TRect{} : maskArea_);
    const TBitmap* strips[] = {&top_, &bottom_, &left_, &right_};
    for (int i = 0; i < 4; ++i) {
        HRGN part = CreateRegionFromBitmap(const_cast<TBitmap*>(strips[i]));
        if (!part)
            continue;
        OffsetRgn(part, bits_[i].Origin.X, bits_[i].Origin.Y);
        CombineRgn(region, region, part, RGN_OR);
        DeleteObject(part);
    }
    return region;
}
