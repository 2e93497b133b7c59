// Drawing calls: pixels, lines, figures, fills and edges. Coordinates are
// logical; figures exclude their right and bottom edges. Lines and outlines
// use the selected pen and the DC's ROP2; figures are filled with the
// selected brush through the same ROP2.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/gdi_object.h"

// Answers the colour set, or CLR_INVALID when the point is clipped away.
COLORREF SetPixel(HDC DC, int X, int Y, COLORREF Color);
bool SetPixelV(HDC DC, int X, int Y, COLORREF Color);
// CLR_INVALID outside the clip region or the bitmap.
COLORREF GetPixel(HDC DC, int X, int Y);

bool MoveToEx(HDC DC, int X, int Y, TPoint* Old);
// Draws from the current position up to, not including, (X, Y).
bool LineTo(HDC DC, int X, int Y);
bool Polyline(HDC DC, const TPoint* Points, int Count);
// Starts at the current position and leaves it at the last point.
bool PolylineTo(HDC DC, const TPoint* Points, int Count);

bool Rectangle(HDC DC, int Left, int Top, int Right, int Bottom);
bool Ellipse(HDC DC, int Left, int Top, int Right, int Bottom);
bool RoundRect(HDC DC, int Left, int Top, int Right, int Bottom, int EllipseWidth, int EllipseHeight);
// Filled with the DC's polygon fill mode, outlined as a closed polyline.
bool Polygon(HDC DC, const TPoint* Points, int Count);

// Fill calls take their own brush and ignore ROP2. A brush handle of a
// system colour index plus one (COLOR_WINDOW + 1) stands for that colour.
int FillRect(HDC DC, const TRect* R, HBRUSH Brush);
int FrameRect(HDC DC, const TRect* R, HBRUSH Brush);
bool InvertRect(HDC DC, const TRect* R);
// Regions here are in logical units.
bool FillRgn(HDC DC, HRGN Region, HBRUSH Brush);
// Paints the inner border of the region, Width by Height wide.
bool FrameRgn(HDC DC, HRGN Region, HBRUSH Brush, int Width, int Height);
// Fills with the selected brush through ROP2.
bool PaintRgn(HDC DC, HRGN Region);
bool InvertRgn(HDC DC, HRGN Region);

// DrawEdge: BDR_* layers and BF_* sides and options.
enum : unsigned {
    BDR_RAISEDOUTER = 0x0001,
    BDR_SUNKENOUTER = 0x0002,
    BDR_RAISEDINNER = 0x0004,
    BDR_SUNKENINNER = 0x0008,
    BDR_OUTER = 0x0003,
    BDR_INNER = 0x000C,
    BDR_RAISED = 0x0005,
    BDR_SUNKEN = 0x000A,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
    EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
    EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,
    EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER,
    BF_LEFT = 0x0001,
    BF_TOP = 0x0002,
    BF_RIGHT = 0x0004,
    BF_BOTTOM = 0x0008,
    BF_TOPLEFT = BF_TOP | BF_LEFT,
    BF_TOPRIGHT = BF_TOP | BF_RIGHT,
    BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT,
    BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT,
    BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM,
    BF_MIDDLE = 0x0800,
    BF_ADJUST = 0x2000,
    BF_FLAT = 0x4000,
    BF_MONO = 0x8000,
};
// Draws one pixel per layer on each chosen side in the system colours; with
// BF_ADJUST, R shrinks by what was drawn.
bool DrawEdge(HDC DC, TRect* R, unsigned Edge, unsigned Flags);
// Inverts every other pixel of R's border; a second call undoes the first.
bool DrawFocusRect(HDC DC, const TRect* R);
