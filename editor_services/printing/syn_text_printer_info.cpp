// TSynTextPrinterInfo: the printer's metrics, read from its device context.
#include "editor_services/printing/syn_text_printer_info.h"

#include <cmath>

#include "platform/gdi/device_context.h"
#include "platform/ui/printing/printer.h"

void TSynTextPrinterInfo::Refresh()
{
    valid_ = true;
    TPrinter& printer = Printer();
    if (printer.Printers()->Count() == 0) {
        SetDefaults();
        return;
    }
    // The printer list is not read again here: that asks CUPS, and cannot
    // be done while a document is printing, which is when the engine
    // prepares on the printer's canvas.
    HDC dc = printer.Handle();
    physicalWidth_ = GetDeviceCaps(dc, PHYSICALWIDTH);
    physicalHeight_ = GetDeviceCaps(dc, PHYSICALHEIGHT);
    printableWidth_ = printer.PageWidth();
    printableHeight_ = printer.PageHeight();
    leftGutter_ = GetDeviceCaps(dc, PHYSICALOFFSETX);
    topGutter_ = GetDeviceCaps(dc, PHYSICALOFFSETY);
    rightGutter_ = physicalWidth_ - printableWidth_ - leftGutter_;
    bottomGutter_ = physicalHeight_ - printableHeight_ - topGutter_;
    SetResolution(GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY));
}

void TSynTextPrinterInfo::SetDefaults()
{
    physicalWidth_ = 2481;
    physicalHeight_ = 3507;
    printableWidth_ = 2358;
    printableHeight_ = 3407;
    leftGutter_ = 65;
    rightGutter_ = 58;
    topGutter_ = 50;
    bottomGutter_ = 50;
    SetResolution(300, 300);
}

void TSynTextPrinterInfo::SetResolution(int X, int Y)
{
    xPixPrInch_ = X;
    yPixPrInch_ = Y;
    xPixPrmm_ = static_cast<float>(X / 25.4);
    yPixPrmm_ = static_cast<float>(Y / 25.4);
}

TSynTextPrinterInfo& TSynTextPrinterInfo::Fresh()
{
    if (!valid_)
        Refresh();
    return *this;
}

int TSynTextPrinterInfo::LeftToPixels(double Value)
{
    return static_cast<int>(std::lround(Value * XPixPrmm() - LeftGutter()));
}

int TSynTextPrinterInfo::RightToPixels(double Value)
{
    return static_cast<int>(std::lround(Value * XPixPrmm() - RightGutter()));
}

int TSynTextPrinterInfo::TopToPixels(double Value)
{
    return static_cast<int>(std::lround(Value * YPixPrmm() - TopGutter()));
}

int TSynTextPrinterInfo::BottomToPixels(double Value)
{
    return static_cast<int>(std::lround(Value * YPixPrmm() - BottomGutter()));
}
