// Clip regions of a DC. Regions given by handle are in device units;
// rectangles are in logical units and are mapped first. Each call answers
// the kind of the clip that results (NULLREGION, SIMPLEREGION,
// COMPLEXREGION), or ERROR.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"

int SelectClipRgn(HDC DC, HRGN Region);
// Mode RGN_COPY with no region removes the clip region.
int ExtSelectClipRgn(HDC DC, HRGN Region, int Mode);
int IntersectClipRect(HDC DC, int Left, int Top, int Right, int Bottom);
int ExcludeClipRect(HDC DC, int Left, int Top, int Right, int Bottom);
// Offsets are logical lengths.
int OffsetClipRgn(HDC DC, int DX, int DY);
// The bounds of what can be drawn on, in logical units.
int GetClipBox(HDC DC, TRect* R);
// Copies the clip region into Region: 1 when there is one, 0 when there is
// none, -1 on error.
int GetClipRgn(HDC DC, HRGN Region);
