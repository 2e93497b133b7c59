#include "platform/gdi/pen_brush.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/bitmap.h"

namespace {

int CopyOut(const void* data, int dataSize, int size, void* buffer)
{
    if (!buffer)
        return dataSize;
    int n = std::min(size, dataSize);
    std::memcpy(buffer, data, static_cast<size_t>(n));
    return n;
}

std::unique_ptr<TGdiBrush> SolidBrush(unsigned style, COLORREF color)
{
    auto brush = std::make_unique<TGdiBrush>();
    brush->Style = style;
    brush->Color = color & 0x00FFFFFFu;
    return brush;
}

std::unique_ptr<TGdiPen> Pen(unsigned style, int width, COLORREF color)
{
    LOGPEN log;
    log.lopnStyle = style;
    log.lopnWidth = {std::max(width, 0), 0};
    log.lopnColor = color & 0x00FFFFFFu;
    return std::make_unique<TGdiPen>(log);
}

}  // namespace

int TGdiPen::Describe(int Size, void* Buffer) const
{
    return CopyOut(&Log, sizeof Log, Size, Buffer);
}

int TGdiBrush::Describe(int Size, void* Buffer) const
{
    LOGBRUSH log;
    log.lbStyle = Style;
    log.lbColor = Color;
    return CopyOut(&log, sizeof log, Size, Buffer);
}

HPEN CreatePen(int Style, int Width, COLORREF Color)
{
    if (Style < 0 || (Style & PS_STYLE_MASK) > PS_INSIDEFRAME)
        return nullptr;
    return static_cast<HPEN>(AddGdiObject(Pen(static_cast<unsigned>(Style), Width, Color)));
}

HPEN CreatePenIndirect(const LOGPEN& Log)
{
    return CreatePen(static_cast<int>(Log.lopnStyle), Log.lopnWidth.X, Log.lopnColor);
}

HBRUSH CreateSolidBrush(COLORREF Color)
{
    return static_cast<HBRUSH>(AddGdiObject(SolidBrush(BS_SOLID, Color)));
}

HBRUSH CreatePatternBrush(HBITMAP Bitmap)
{
    TGdiBitmap* bitmap = GdiObjectAs<TGdiBitmap>(Bitmap);
    if (!bitmap)
        return nullptr;
    TSurface surface = bitmap->Surface();
    auto brush = std::make_unique<TGdiBrush>();
    brush->Style = BS_PATTERN;
    brush->PatternWidth = surface.Width;
    brush->PatternHeight = surface.Height;
    brush->PatternMono = surface.BitsPerPixel == 1;
    brush->Pattern.resize(static_cast<size_t>(surface.Width) * surface.Height);
    for (int y = 0; y < surface.Height; ++y)
        surface.ReadRow(0, y, surface.Width, &brush->Pattern[static_cast<size_t>(y) * surface.Width]);
    return static_cast<HBRUSH>(AddGdiObject(std::move(brush)));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH& Log)
{
    switch (Log.lbStyle) {
    case BS_SOLID:
        return CreateSolidBrush(Log.lbColor);
    case BS_NULL:
        return static_cast<HBRUSH>(AddGdiObject(SolidBrush(BS_NULL, 0)));
    case BS_PATTERN:
        return CreatePatternBrush(reinterpret_cast<HBITMAP>(Log.lbHatch));
    }
    return nullptr;
}
