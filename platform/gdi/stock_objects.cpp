#include "platform/gdi/stock_objects.h"

#include "platform/gdi/bitmap.h"
#include "platform/gdi/pen_brush.h"

namespace {

std::unique_ptr<TGdiObject> StockBrush(unsigned style, COLORREF color)
{
    auto brush = std::make_unique<TGdiBrush>();
    brush->Style = style;
    brush->Color = color;
    return brush;
}

std::unique_ptr<TGdiObject> StockPen(unsigned style, int width, COLORREF color)
{
    LOGPEN log;
    log.lopnStyle = style;
    log.lopnWidth = {width, 0};
    log.lopnColor = color;
    return std::make_unique<TGdiPen>(log);
}

}  // namespace

std::unique_ptr<TGdiObject> CreateStockObject(int Index)
{
    switch (Index) {
    case WHITE_BRUSH:
        return StockBrush(BS_SOLID, RGB(255, 255, 255));
    case LTGRAY_BRUSH:
        return StockBrush(BS_SOLID, RGB(192, 192, 192));
    case GRAY_BRUSH:
        return StockBrush(BS_SOLID, RGB(128, 128, 128));
    case DKGRAY_BRUSH:
        return StockBrush(BS_SOLID, RGB(64, 64, 64));
    case BLACK_BRUSH:
        return StockBrush(BS_SOLID, 0);
    case NULL_BRUSH:
        return StockBrush(BS_NULL, 0);
    case WHITE_PEN:
        return StockPen(PS_SOLID, 0, RGB(255, 255, 255));
    case BLACK_PEN:
        return StockPen(PS_SOLID, 0, 0);
    case NULL_PEN:
        return StockPen(PS_NULL, 0, 0);
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case ANSI_VAR_FONT:
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
    case SYSTEM_FIXED_FONT:
    case DEFAULT_GUI_FONT:
        return std::make_unique<TGdiObject>(OBJ_FONT);
    case DEFAULT_BITMAP:
        return TGdiBitmap::Create(1, 1, 1, false, true);
    }
    return nullptr;
}
