#include "editor/view/syn_gutter.h"

#include <algorithm>

#include "platform/ui/graphics/font.h"

TSynGutter::TSynGutter() : font_(std::make_unique<TFont>())
{
    font_->SetName("Courier New");
    font_->SetSize(8);
    font_->SetStyle({});
    font_->OnChange = TNotifyEvent(this, &TSynGutter::FontChange);
}

TSynGutter::~TSynGutter() = default;

void TSynGutter::SetFont(TFont* Value) { font_->Assign(Value); }

void TSynGutter::SetDigitCount(int Value)
{
    Value = std::clamp(Value, 2, 12);
    if (digitCount_ == Value)
        return;
    digitCount_ = Value;
    autoSizeDigitCount_ = Value;
    Changed();
}

void TSynGutter::SetLineNumberStart(int Value)
{
    Value = std::max(Value, 0);
    const bool zero = Value == 0;
    if (lineNumberStart_ == Value && zeroStart_ == zero)
        return;
    lineNumberStart_ = Value;
    zeroStart_ = zero;
    Changed();
}

int TSynGutter::DisplayedNumber(int Line) const
{
    if (zeroStart_)
        return Line - 1;
    if (lineNumberStart_ > 1)
        return Line + lineNumberStart_ - 1;
    return Line;
}

void TSynGutter::AutoSizeDigitCount(int LinesCount)
{
    if (!(visible_ && autoSize_ && showLineNumbers_)) {
        autoSizeDigitCount_ = digitCount_;
        return;
    }
    const int highest = DisplayedNumber(LinesCount);
    const int digits = static_cast<int>(std::to_string(std::max(highest, 0)).size());
    const int count = std::max(digits, digitCount_);
    if (count == autoSizeDigitCount_)
        return;
    autoSizeDigitCount_ = count;
    Changed();
}

AnsiString TSynGutter::FormatLineNumber(int Line) const
{
    AnsiString number = std::to_string(DisplayedNumber(Line));
    const int pad = autoSizeDigitCount_ - static_cast<int>(number.size());
    if (pad <= 0)
        return number;
    return AnsiString(static_cast<size_t>(pad), leadingZeros_ ? '0' : ' ') + number;
}

int TSynGutter::GetPixelWidth(int CharWidth) const
{
    if (!visible_)
        return 0;
    if (showLineNumbers_)
        return leftOffset_ + rightOffset_ + autoSizeDigitCount_ * CharWidth + 4;
    return width_;
}

void TSynGutter::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSynGutter*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    font_->OnChange = nullptr;
    font_->Assign(src->font_.get());
    font_->OnChange = TNotifyEvent(this, &TSynGutter::FontChange);
    color_ = src->color_;
    borderColor_ = src->borderColor_;
    width_ = src->width_;
    showLineNumbers_ = src->showLineNumbers_;
    digitCount_ = src->digitCount_;
    autoSizeDigitCount_ = src->autoSizeDigitCount_;
    leadingZeros_ = src->leadingZeros_;
    zeroStart_ = src->zeroStart_;
    leftOffset_ = src->leftOffset_;
    rightOffset_ = src->rightOffset_;
    Cursor = src->Cursor;
    visible_ = src->visible_;
    useFontStyle_ = src->useFontStyle_;
    autoSize_ = src->autoSize_;
    borderStyle_ = src->borderStyle_;
    lineNumberStart_ = src->lineNumberStart_;
    gradient_ = src->gradient_;
    gradientStartColor_ = src->gradientStartColor_;
    gradientEndColor_ = src->gradientEndColor_;
    gradientSteps_ = src->gradientSteps_;
    intens_ = src->intens_;
    leftOffsetColor_ = src->leftOffsetColor_;
    rightOffsetColor_ = src->rightOffsetColor_;
    showLineModified_ = src->showLineModified_;
    lineModifiedColor_ = src->lineModifiedColor_;
    lineNormalColor_ = src->lineNormalColor_;
    Changed();
}

void TSynGutter::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TSynGutter::FontChange(TObject*) { Changed(); }
