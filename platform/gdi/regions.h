// Regions by handle.
#pragma once

#include <cstdint>

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_records.h"
#include "platform/gdi/region.h"

// Region kinds, as the region calls answer.
enum : int { ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };
// CombineRgn modes.
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };

class TGdiRegion : public TGdiObject {
public:
    explicit TGdiRegion(TRegion Region) : TGdiObject(OBJ_REGION), Region(std::move(Region)) {}
    TRegion Region;
};

int RegionKind(const TRegion& Region);
// A new region handle holding Region.
HRGN CreateRegionHandle(TRegion Region);
// The region behind a handle, or nullptr.
TGdiRegion* RegionOf(HRGN Region);

// Corners in any order are put in order first.
HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom);
HRGN CreateRectRgnIndirect(const TRect& R);
HRGN CreateEllipticRgn(int Left, int Top, int Right, int Bottom);
HRGN CreateEllipticRgnIndirect(const TRect& R);
HRGN CreateRoundRectRgn(int Left, int Top, int Right, int Bottom, int EllipseWidth, int EllipseHeight);
HRGN CreatePolygonRgn(const TPoint* Points, int Count, int FillMode);
// Data: an RGNDATA of Count bytes (header and rectangles); the rectangles
// may overlap and come in any order. Transform must be null.
HRGN ExtCreateRegion(const void* Transform, uint32_t Count, const RGNDATA* Data);
// Writes the region's rectangles as RGNDATA; with no buffer, returns the
// size needed, and 0 when Count is too small.
uint32_t GetRegionData(HRGN Region, uint32_t Count, RGNDATA* Data);
// Dest may be one of the sources. Src2 is not used for RGN_COPY.
int CombineRgn(HRGN Dest, HRGN Src1, HRGN Src2, int Mode);
int OffsetRgn(HRGN Region, int DX, int DY);
bool PtInRegion(HRGN Region, int X, int Y);
bool RectInRegion(HRGN Region, const TRect* R);
int GetRgnBox(HRGN Region, TRect* Box);
bool EqualRgn(HRGN A, HRGN B);
bool SetRectRgn(HRGN Region, int Left, int Top, int Right, int Bottom);
