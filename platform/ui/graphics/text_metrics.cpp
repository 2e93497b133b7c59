// Text measured on a memory DC.
#include "platform/ui/graphics/text_metrics.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_measure.h"
#include "platform/ui/graphics/font.h"

TMeasuringDC::TMeasuringDC(HFONT Font) : dc_(CreateCompatibleDC(nullptr)), previous_(SelectObject(dc_, Font)) {}

TMeasuringDC::TMeasuringDC(TFont* Font) : TMeasuringDC(Font->Handle()) {}

TMeasuringDC::~TMeasuringDC()
{
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
}

int TMeasuringDC::TextWidth(const AnsiString& Text) const
{
    TSize size;
    GetTextExtentPoint32(dc_, Text.data(), static_cast<int>(Text.size()), &size);
    return size.cx;
}

namespace {

TEXTMETRIC MetricsOf(TFont* Font)
{
    TMeasuringDC dc(Font);
    TEXTMETRIC metrics;
    GetTextMetrics(dc.Handle(), &metrics);
    return metrics;
}

}  // namespace

int FontHeight(TFont* Font) { return MetricsOf(Font).tmHeight; }

int AverageCharWidth(TFont* Font) { return MetricsOf(Font).tmAveCharWidth; }

TRect MeasureText(TFont* Font, const AnsiString& Text, unsigned Format, int Width)
{
    TMeasuringDC dc(Font);
    TRect r = Rect(0, 0, Width, 0);
    DrawText(dc.Handle(), Text.data(), static_cast<int>(Text.size()), &r, Format | DT_CALCRECT);
    return r;
}
