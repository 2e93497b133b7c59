// Strokes: how the selected pen draws lines. A pen one pixel wide (width 0
// or 1 after mapping) draws exact lines and keeps its dash pattern, with
// the gaps in the background colour when the background mode is OPAQUE; a
// wider pen is solid with round ends.
#pragma once

#include <vector>

#include "platform/gdi/painter.h"

struct TPenStroke {
    bool Null = true;
    int Width = 1;  // device pixels
    bool InsideFrame = false;
    uint32_t Pixel = 0;
    int Rop2 = R2_COPYPEN;
    std::vector<int> Dashes;  // on, off, on, off...; empty when solid
    bool OpaqueGaps = false;
    uint32_t GapPixel = 0;
};

TPenStroke ResolvePen(const TPainter& Painter);

// A one-pixel line from A to B in surface units, B itself left out unless
// DrawLast; Phase carries the dash pattern on to the next line.
void StrokeThinLine(TPainter& Painter, const TPenStroke& Pen, TPoint A, TPoint B, bool DrawLast, int& Phase);
// Strokes the lines through Points (surface units); Closed adds the line
// back to the first point. A thin pen leaves each line's last pixel out.
void StrokePolyline(TPainter& Painter, const TPenStroke& Pen, const std::vector<TPoint>& Points, bool Closed,
                    int& Phase);
