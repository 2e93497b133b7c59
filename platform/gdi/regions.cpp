#include "platform/gdi/regions.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/device_context.h"
#include "platform/gdi/shapes.h"

namespace {

TRect Ordered(int l, int t, int r, int b)
{
    return {std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

}  // namespace

int RegionKind(const TRegion& Region)
{
    return Region.IsEmpty() ? NULLREGION : Region.IsRect() ? SIMPLEREGION : COMPLEXREGION;
}

HRGN CreateRegionHandle(TRegion Region)
{
    return static_cast<HRGN>(AddGdiObject(std::make_unique<TGdiRegion>(std::move(Region))));
}

TGdiRegion* RegionOf(HRGN Region)
{
    return GdiObjectAs<TGdiRegion>(Region);
}

HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom)
{
    return CreateRegionHandle(TRegion(Ordered(Left, Top, Right, Bottom)));
}

HRGN CreateRectRgnIndirect(const TRect& R)
{
    return CreateRectRgn(R.Left, R.Top, R.Right, R.Bottom);
}

HRGN CreateEllipticRgn(int Left, int Top, int Right, int Bottom)
{
    return CreateRegionHandle(EllipseRegion(Ordered(Left, Top, Right, Bottom)));
}

HRGN CreateEllipticRgnIndirect(const TRect& R)
{
    return CreateEllipticRgn(R.Left, R.Top, R.Right, R.Bottom);
}

HRGN CreateRoundRectRgn(int Left, int Top, int Right, int Bottom, int EllipseWidth, int EllipseHeight)
{
    return CreateRegionHandle(RoundRectRegion(Ordered(Left, Top, Right, Bottom), EllipseWidth, EllipseHeight));
}

HRGN CreatePolygonRgn(const TPoint* Points, int Count, int FillMode)
{
    if (!Points || Count < 0 || (FillMode != ALTERNATE && FillMode != WINDING))
        return nullptr;
    return CreateRegionHandle(PolygonRegion(Points, Count, FillMode));
}

HRGN ExtCreateRegion(const void* Transform, uint32_t Count, const RGNDATA* Data)
{
    if (Transform || !Data || Count < sizeof(RGNDATAHEADER))
        return nullptr;
    RGNDATAHEADER header;
    std::memcpy(&header, static_cast<const void*>(Data), sizeof header);
    if (header.dwSize != sizeof(RGNDATAHEADER) || header.iType != RDH_RECTANGLES ||
        header.nCount > (Count - sizeof(RGNDATAHEADER)) / sizeof(TRect))
        return nullptr;
    std::vector<TRect> rects(header.nCount);
    if (header.nCount)
        std::memcpy(rects.data(), reinterpret_cast<const char*>(Data) + sizeof(RGNDATAHEADER),
                    rects.size() * sizeof(TRect));
    return CreateRegionHandle(TRegion::FromRects(rects.data(), rects.size()));
}

uint32_t GetRegionData(HRGN Region, uint32_t Count, RGNDATA* Data)
{
    TGdiRegion* region = RegionOf(Region);
    if (!region)
        return 0;
    const std::vector<TRect>& rects = region->Region.Rects();
    uint32_t size = static_cast<uint32_t>(sizeof(RGNDATAHEADER) + rects.size() * sizeof(TRect));
    if (!Data)
        return size;
    if (Count < size)
        return 0;
    RGNDATAHEADER header;
    header.nCount = static_cast<uint32_t>(rects.size());
    header.nRgnSize = static_cast<uint32_t>(rects.size() * sizeof(TRect));
    header.rcBound = region->Region.Bounds();
    std::memcpy(static_cast<void*>(Data), &header, sizeof header);
    if (!rects.empty())
        std::memcpy(reinterpret_cast<char*>(Data) + sizeof header, rects.data(), header.nRgnSize);
    return size;
}

int CombineRgn(HRGN Dest, HRGN Src1, HRGN Src2, int Mode)
{
    TGdiRegion* dest = RegionOf(Dest);
    TGdiRegion* a = RegionOf(Src1);
    TGdiRegion* b = Mode == RGN_COPY ? a : RegionOf(Src2);
    if (!dest || !a || !b)
        return ERROR;
    switch (Mode) {
    case RGN_COPY:
        dest->Region = a->Region;
        break;
    case RGN_AND:
        dest->Region = TRegion::Combine(a->Region, b->Region, TRegion::TOp::And);
        break;
    case RGN_OR:
        dest->Region = TRegion::Combine(a->Region, b->Region, TRegion::TOp::Or);
        break;
    case RGN_XOR:
        dest->Region = TRegion::Combine(a->Region, b->Region, TRegion::TOp::Xor);
        break;
    case RGN_DIFF:
        dest->Region = TRegion::Combine(a->Region, b->Region, TRegion::TOp::Diff);
        break;
    default:
        return ERROR;
    }
    return RegionKind(dest->Region);
}

int OffsetRgn(HRGN Region, int DX, int DY)
{
    TGdiRegion* region = RegionOf(Region);
    if (!region)
        return ERROR;
    region->Region.Offset(DX, DY);
    return RegionKind(region->Region);
}

bool PtInRegion(HRGN Region, int X, int Y)
{
    TGdiRegion* region = RegionOf(Region);
    return region && region->Region.Contains(X, Y);
}

bool RectInRegion(HRGN Region, const TRect* R)
{
    TGdiRegion* region = RegionOf(Region);
    return region && R && region->Region.Intersects(Ordered(R->Left, R->Top, R->Right, R->Bottom));
}

int GetRgnBox(HRGN Region, TRect* Box)
{
    TGdiRegion* region = RegionOf(Region);
    if (!region || !Box)
        return ERROR;
    *Box = region->Region.Bounds();
    return RegionKind(region->Region);
}

bool EqualRgn(HRGN A, HRGN B)
{
    TGdiRegion* a = RegionOf(A);
    TGdiRegion* b = RegionOf(B);
    return a && b && a->Region == b->Region;
}

bool SetRectRgn(HRGN Region, int Left, int Top, int Right, int Bottom)
{
    TGdiRegion* region = RegionOf(Region);
    if (!region)
        return false;
    region->Region = TRegion(Ordered(Left, Top, Right, Bottom));
    return true;
}
