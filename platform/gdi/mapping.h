// Mapping modes: how logical coordinates become device coordinates,
// D = (L - window origin) * viewport extent / window extent + viewport
// origin, per axis (MM_TEXT: extents 1 : 1).
#pragma once

#include <cstdint>

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"

// Value * Numerator / Denominator rounded half away from zero, as MulDiv
// rounds; mapping never divides by 0.
inline int64_t ScaleRound(int64_t Value, int64_t Numerator, int64_t Denominator)
{
    int64_t p = Value * Numerator;
    if (Denominator < 0) {
        p = -p;
        Denominator = -Denominator;
    }
    int64_t q = ((p < 0 ? -p : p) + Denominator / 2) / Denominator;
    return p < 0 ? -q : q;
}

int SetMapMode(HDC DC, int Mode);
int GetMapMode(HDC DC);
// Each setter reports the previous value through Old when it is given.
bool SetWindowOrgEx(HDC DC, int X, int Y, TPoint* Old);
bool SetViewportOrgEx(HDC DC, int X, int Y, TPoint* Old);
bool OffsetWindowOrgEx(HDC DC, int DX, int DY, TPoint* Old);
bool OffsetViewportOrgEx(HDC DC, int DX, int DY, TPoint* Old);
bool GetWindowOrgEx(HDC DC, TPoint* Origin);
bool GetViewportOrgEx(HDC DC, TPoint* Origin);
// Extents count only in MM_ISOTROPIC and MM_ANISOTROPIC; a zero extent (or
// INT_MIN) is refused.
bool SetWindowExtEx(HDC DC, int X, int Y, TSize* Old);
bool SetViewportExtEx(HDC DC, int X, int Y, TSize* Old);
bool GetWindowExtEx(HDC DC, TSize* Extent);
bool GetViewportExtEx(HDC DC, TSize* Extent);
bool LPtoDP(HDC DC, TPoint* Points, int Count);
bool DPtoLP(HDC DC, TPoint* Points, int Count);
