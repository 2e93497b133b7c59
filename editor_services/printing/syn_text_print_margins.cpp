// TSynTextPrintMargins: unit conversion and the pixel layout of a page.
#include "editor_services/printing/syn_text_print_margins.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "editor_services/printing/syn_text_printer_info.h"
#include "platform/ui/graphics/canvas.h"

TSynTextPrintMargins::TSynTextPrintMargins() : mm_{25, 15, 25, 25, 15, 15, 2, 2, 0.5, 0} {}

double TSynTextPrintMargins::MMPerUnit() const
{
    switch (UnitSystem) {
    case usCM: return 10;
    case usInch: return 25.4;
    case muThousandthsOfInches: return 25.4 / 1000;
    case usMM: break;
    }
    return 1;
}

void TSynTextPrintMargins::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TSynTextPrintMargins*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    std::copy(std::begin(source->mm_), std::end(source->mm_), mm_);
    MirrorMargins = source->MirrorMargins;
    UnitSystem = source->UnitSystem;
}

void TSynTextPrintMargins::ComputePage(TCanvas* ACanvas, int PageNum, TSynTextPrinterInfo& PrinterInfo,
                                       bool LineNumbers, bool LineNumbersInMargin, int MaxLineNum)
{
    const int printableWidth = PrinterInfo.PrintableWidth();
    if (MirrorMargins && PageNum % 2 == 0) {
        PLeft = PrinterInfo.LeftToPixels(mm_[mRight]);
        PRight = printableWidth - PrinterInfo.RightToPixels(mm_[mLeft] + mm_[mGutter]);
    } else {
        PLeft = PrinterInfo.LeftToPixels(mm_[mLeft] + mm_[mGutter]);
        PRight = printableWidth - PrinterInfo.RightToPixels(mm_[mRight]);
    }
    if (LineNumbers && !LineNumbersInMargin)
        PLeft += ACanvas->TextWidth(std::to_string(MaxLineNum) + ": ");
    PTop = PrinterInfo.TopToPixels(mm_[mTop]);
    PBottom = PrinterInfo.PrintableHeight() - PrinterInfo.BottomToPixels(mm_[mBottom]);
    PHeader = PrinterInfo.TopToPixels(mm_[mHeader]);
    PFooter = PrinterInfo.PrintableHeight() - PrinterInfo.BottomToPixels(mm_[mFooter]);
    const double xPerMM = PrinterInfo.XPixPrmm();
    PHFInternalMargin = static_cast<int>(std::lround(mm_[mHFInternalMargin] * PrinterInfo.YPixPrmm()));
    PGutter = static_cast<int>(std::lround(mm_[mGutter] * xPerMM));
    PRightHFTextIndent = PRight - static_cast<int>(std::lround(mm_[mRightHFTextIndent] * xPerMM));
    PLeftHFTextIndent = PLeft + static_cast<int>(std::lround(mm_[mLeftHFTextIndent] * xPerMM));
}
