// Pens and brushes.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_records.h"

class TGdiPen : public TGdiObject {
public:
    explicit TGdiPen(const LOGPEN& Log) : TGdiObject(OBJ_PEN), Log(Log) {}
    int Describe(int Size, void* Buffer) const override;
    unsigned Style() const { return Log.lopnStyle & PS_STYLE_MASK; }

    LOGPEN Log;
};

class TGdiBrush : public TGdiObject {
public:
    TGdiBrush() : TGdiObject(OBJ_BRUSH) {}
    int Describe(int Size, void* Buffer) const override;

    unsigned Style = BS_SOLID;
    COLORREF Color = 0;
    // A pattern brush keeps its own copy of the bitmap it was made from,
    // so the bitmap may be deleted at once. Pixels are 0xAARRGGBB, row by
    // row; a monochrome pattern is drawn in the DC's text colour (bit 0)
    // and background colour (bit 1).
    int PatternWidth = 0;
    int PatternHeight = 0;
    bool PatternMono = false;
    std::vector<uint32_t> Pattern;
};

HPEN CreatePen(int Style, int Width, COLORREF Color);
HPEN CreatePenIndirect(const LOGPEN& Log);
HBRUSH CreateSolidBrush(COLORREF Color);
// The brush repeats the whole bitmap (8 x 8 is the usual size).
HBRUSH CreatePatternBrush(HBITMAP Bitmap);
HBRUSH CreateBrushIndirect(const LOGBRUSH& Log);
