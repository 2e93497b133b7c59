#include "platform/gdi/clipping.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/regions.h"

namespace {

// Stands for "the whole device" when an operation needs a region where the
// DC has no clip region.
const TRect kWholeDevice{-(1 << 26), -(1 << 26), 1 << 26, 1 << 26};

int ClipKind(TDeviceContext& dc)
{
    return RegionKind(dc.DrawClip());
}

int Combine(TDeviceContext& dc, const TRegion& region, TRegion::TOp op)
{
    const std::optional<TRegion>& clip = dc.State().Clip;
    dc.SetClip(TRegion::Combine(clip ? *clip : TRegion(kWholeDevice), region, op));
    return ClipKind(dc);
}

}  // namespace

int SelectClipRgn(HDC DC, HRGN Region)
{
    return ExtSelectClipRgn(DC, Region, RGN_COPY);
}

int ExtSelectClipRgn(HDC DC, HRGN Region, int Mode)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return ERROR;
    TGdiRegion* region = RegionOf(Region);
    if (!region) {
        if (Region || Mode != RGN_COPY)
            return ERROR;
        dc->SetClip(std::nullopt);
        return ClipKind(*dc);
    }
    switch (Mode) {
    case RGN_COPY:
        dc->SetClip(region->Region);
        return ClipKind(*dc);
    case RGN_AND:
        return Combine(*dc, region->Region, TRegion::TOp::And);
    case RGN_OR:
        if (!dc->State().Clip)
            return ClipKind(*dc);
        return Combine(*dc, region->Region, TRegion::TOp::Or);
    case RGN_XOR:
        return Combine(*dc, region->Region, TRegion::TOp::Xor);
    case RGN_DIFF:
        return Combine(*dc, region->Region, TRegion::TOp::Diff);
    }
    return ERROR;
}

int IntersectClipRect(HDC DC, int Left, int Top, int Right, int Bottom)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return ERROR;
    return Combine(*dc, TRegion(dc->LPtoDP(TRect{Left, Top, Right, Bottom})), TRegion::TOp::And);
}

int ExcludeClipRect(HDC DC, int Left, int Top, int Right, int Bottom)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return ERROR;
    return Combine(*dc, TRegion(dc->LPtoDP(TRect{Left, Top, Right, Bottom})), TRegion::TOp::Diff);
}

int OffsetClipRgn(HDC DC, int DX, int DY)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return ERROR;
    if (dc->State().Clip) {
        TPoint a = dc->LPtoDP(TPoint{0, 0});
        TPoint b = dc->LPtoDP(TPoint{DX, DY});
        TRegion clip = *dc->State().Clip;
        clip.Offset(b.X - a.X, b.Y - a.Y);
        dc->SetClip(std::move(clip));
    }
    return ClipKind(*dc);
}

int GetClipBox(HDC DC, TRect* R)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !R)
        return ERROR;
    const TRegion& clip = dc->DrawClip();
    if (clip.IsEmpty()) {
        *R = TRect{};
        return NULLREGION;
    }
    TRect box = clip.Bounds();
    TPoint o = dc->DeviceOrigin();
    TPoint a = dc->DPtoLP(TPoint{box.Left - o.X, box.Top - o.Y});
    TPoint b = dc->DPtoLP(TPoint{box.Right - o.X, box.Bottom - o.Y});
    *R = {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
    return RegionKind(clip);
}

int GetClipRgn(HDC DC, HRGN Region)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    TGdiRegion* region = RegionOf(Region);
    if (!dc || !region)
        return -1;
    if (!dc->State().Clip)
        return 0;
    region->Region = *dc->State().Clip;
    return 1;
}
