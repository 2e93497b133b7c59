// TSynTextPrintMargins: the page margins and the running heads' distances,
// kept in millimetres and read and written in the chosen unit system, and
// their positions in printer pixels for one page (ComputePage).
#pragma once

#include "editor_services/printing/syn_text_print_types.h"
#include "platform/base/object.h"

class TCanvas;
class TSynTextPrinterInfo;

class TSynTextPrintMargins : public TPersistent {
public:
    TSynTextPrintMargins();

    // In UnitSystem(); stored in millimetres.
    double Left() const { return FromMM(mm_[mLeft]); }
    void SetLeft(double Value) { mm_[mLeft] = ToMM(Value); }
    double Right() const { return FromMM(mm_[mRight]); }
    void SetRight(double Value) { mm_[mRight] = ToMM(Value); }
    double Top() const { return FromMM(mm_[mTop]); }
    void SetTop(double Value) { mm_[mTop] = ToMM(Value); }
    double Bottom() const { return FromMM(mm_[mBottom]); }
    void SetBottom(double Value) { mm_[mBottom] = ToMM(Value); }
    // The header's lower edge from the sheet's top; the footer's upper edge
    // from the sheet's bottom.
    double Header() const { return FromMM(mm_[mHeader]); }
    void SetHeader(double Value) { mm_[mHeader] = ToMM(Value); }
    double Footer() const { return FromMM(mm_[mFooter]); }
    void SetFooter(double Value) { mm_[mFooter] = ToMM(Value); }
    double LeftHFTextIndent() const { return FromMM(mm_[mLeftHFTextIndent]); }
    void SetLeftHFTextIndent(double Value) { mm_[mLeftHFTextIndent] = ToMM(Value); }
    double RightHFTextIndent() const { return FromMM(mm_[mRightHFTextIndent]); }
    void SetRightHFTextIndent(double Value) { mm_[mRightHFTextIndent] = ToMM(Value); }
    // Between a running head's frame and its text.
    double HFInternalMargin() const { return FromMM(mm_[mHFInternalMargin]); }
    void SetHFInternalMargin(double Value) { mm_[mHFInternalMargin] = ToMM(Value); }
    // The binding strip: added to the left margin, or to the right one on
    // mirrored even pages.
    double Gutter() const { return FromMM(mm_[mGutter]); }
    void SetGutter(double Value) { mm_[mGutter] = ToMM(Value); }
    bool MirrorMargins = false;
    TUnitSystem UnitSystem = usMM;

    void Assign(TPersistent* Source) override;

    // Works out the pixel positions below for page PageNum. With line
    // numbers printed beside the text (not in the margin) the text moves
    // right by the width of MaxLineNum's number and ": " in the canvas font.
    void ComputePage(TCanvas* ACanvas, int PageNum, TSynTextPrinterInfo& PrinterInfo, bool LineNumbers,
                     bool LineNumbersInMargin, int MaxLineNum);

    // Printer pixels in the printable area, set by ComputePage.
    int PLeft = 0, PRight = 0, PTop = 0, PBottom = 0;  // the text area's edges
    int PHeader = 0, PFooter = 0;                      // the header's and footer's rule lines
    int PLeftHFTextIndent = 0, PRightHFTextIndent = 0;  // where running heads' text starts and ends
    int PHFInternalMargin = 0, PGutter = 0;

private:
    enum { mLeft, mRight, mTop, mBottom, mHeader, mFooter, mLeftHFTextIndent, mRightHFTextIndent,
           mHFInternalMargin, mGutter, mCount };
    double FromMM(double Value) const { return Value / MMPerUnit(); }
    double ToMM(double Value) const { return Value * MMPerUnit(); }
    double MMPerUnit() const;

    double mm_[mCount];  // millimetres, whatever the unit system
};
