// The gutter: the band left of the text with line numbers, marks and the
// fold bar.
#pragma once

#include <memory>

#include "platform/base/event.h"
#include "platform/base/object.h"
#include "platform/gdi/colors.h"
#include "platform/ui/kernel/control_types.h"

class TFont;

enum TSynGutterBorderStyle { gbsNone, gbsMiddle, gbsRight };

class TSynGutter : public TPersistent {
public:
    TSynGutter();
    ~TSynGutter() override;

    // Changes of the font are changes of the gutter.
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* Value);
    TColor Color() const { return color_; }
    void SetColor(TColor Value) { Update(color_, Value); }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value) { Update(borderColor_, Value); }
    // The width used while line numbers are off.
    int Width() const { return width_; }
    void SetWidth(int Value) { Update(width_, Value < 0 ? 0 : Value); }
    bool ShowLineNumbers() const { return showLineNumbers_; }
    void SetShowLineNumbers(bool Value) { Update(showLineNumbers_, Value); }
    // The least number of digits; 2 to 12.
    int DigitCount() const { return digitCount_; }
    void SetDigitCount(int Value);
    bool LeadingZeros() const { return leadingZeros_; }
    void SetLeadingZeros(bool Value) { Update(leadingZeros_, Value); }
    // Counts lines from 0.
    bool ZeroStart() const { return zeroStart_; }
    void SetZeroStart(bool Value) { Update(zeroStart_, Value); }
    int LeftOffset() const { return leftOffset_; }
    void SetLeftOffset(int Value) { Update(leftOffset_, Value < 0 ? 0 : Value); }
    int RightOffset() const { return rightOffset_; }
    void SetRightOffset(int Value) { Update(rightOffset_, Value < 0 ? 0 : Value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool Value) { Update(visible_, Value); }
    bool UseFontStyle() const { return useFontStyle_; }
    void SetUseFontStyle(bool Value) { Update(useFontStyle_, Value); }
    // Widens the numbers to the digits of the highest line number.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value) { Update(autoSize_, Value); }
    TSynGutterBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TSynGutterBorderStyle Value) { Update(borderStyle_, Value); }
    // The number shown for the first line; 0 switches ZeroStart on.
    int LineNumberStart() const { return lineNumberStart_; }
    void SetLineNumberStart(int Value);
    bool Gradient() const { return gradient_; }
    void SetGradient(bool Value) { Update(gradient_, Value); }
    TColor GradientStartColor() const { return gradientStartColor_; }
    void SetGradientStartColor(TColor Value) { Update(gradientStartColor_, Value); }
    TColor GradientEndColor() const { return gradientEndColor_; }
    void SetGradientEndColor(TColor Value) { Update(gradientEndColor_, Value); }
    int GradientSteps() const { return gradientSteps_; }
    void SetGradientSteps(int Value) { Update(gradientSteps_, Value < 2 ? 2 : Value); }
    bool Intens() const { return intens_; }
    void SetIntens(bool Value) { Update(intens_, Value); }
    TColor LeftOffsetColor() const { return leftOffsetColor_; }
    void SetLeftOffsetColor(TColor Value) { Update(leftOffsetColor_, Value); }
    TColor RightOffsetColor() const { return rightOffsetColor_; }
    void SetRightOffsetColor(TColor Value) { Update(rightOffsetColor_, Value); }
    bool ShowLineModified() const { return showLineModified_; }
    void SetShowLineModified(bool Value) { Update(showLineModified_, Value); }
    TColor LineModifiedColor() const { return lineModifiedColor_; }
    void SetLineModifiedColor(TColor Value) { Update(lineModifiedColor_, Value); }
    TColor LineNormalColor() const { return lineNormalColor_; }
    void SetLineNormalColor(TColor Value) { Update(lineNormalColor_, Value); }

    TCursor Cursor = crDefault;

    // The digits line numbers are written with (DigitCount or more).
    int AutoSizeDigitCount() const { return autoSizeDigitCount_; }
    // Fits the digit count to a text of LinesCount lines.
    void AutoSizeDigitCount(int LinesCount);
    // Line (from 1) as shown in the gutter, right-aligned to the digit count.
    AnsiString FormatLineNumber(int Line) const;
    int GetPixelWidth(int CharWidth) const;

    void Assign(TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    template <typename T>
    void Update(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    void Changed();
    void FontChange(TObject* Sender);
    // The number shown for Line.
    int DisplayedNumber(int Line) const;

    std::unique_ptr<TFont> font_;
    TColor color_ = clBtnFace;
    TColor borderColor_ = clWindow;
    int width_ = 30;
    bool showLineNumbers_ = false;
    int digitCount_ = 4;
    int autoSizeDigitCount_ = 4;
    bool leadingZeros_ = false;
    bool zeroStart_ = false;
    int leftOffset_ = 16;
    int rightOffset_ = 2;
    bool visible_ = true;
    bool useFontStyle_ = true;
    bool autoSize_ = false;
    TSynGutterBorderStyle borderStyle_ = gbsMiddle;
    int lineNumberStart_ = 1;
    bool gradient_ = false;
    TColor gradientStartColor_ = clWindow;
    TColor gradientEndColor_ = clBtnFace;
    int gradientSteps_ = 48;
    bool intens_ = false;
    TColor leftOffsetColor_ = clNone;
    TColor rightOffsetColor_ = clNone;
    bool showLineModified_ = false;
    TColor lineModifiedColor_ = clYellow;
    TColor lineNormalColor_ = clLime;
};
