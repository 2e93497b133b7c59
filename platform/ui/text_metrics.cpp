// Text measured on a memory DC.
#include "platform/ui/text_metrics.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_measure.h"
#include "platform/ui/font.h"

namespace {

// A memory DC with Font selected for the length of a measurement.
class TMeasuringDC {
public:
    explicit TMeasuringDC(TFont* Font) : dc_(CreateCompatibleDC(nullptr)), previous_(SelectObject(dc_, Font->Handle())) {}
    ~TMeasuringDC()
    {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    TMeasuringDC(const TMeasuringDC&) = delete;
    TMeasuringDC& operator=(const TMeasuringDC&) = delete;
    HDC Handle() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace

int FontHeight(TFont* Font)
{
    TMeasuringDC dc(Font);
    TEXTMETRIC metrics;
    GetTextMetrics(dc.Handle(), &metrics);
    return metrics.tmHeight;
}

TRect MeasureText(TFont* Font, const AnsiString& Text, unsigned Format, int Width)
{
    TMeasuringDC dc(Font);
    TRect r = Rect(0, 0, Width, 0);
    DrawText(dc.Handle(), Text.data(), static_cast<int>(Text.size()), &r, Format | DT_CALCRECT);
    return r;
}
