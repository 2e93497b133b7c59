// Line spacing, the double-byte font and the nearest caret position to a
// pixel.
#include <algorithm>

#include "editor/syn_custom_text.h"
#include "editor/view/syn_text_drawer.h"

void TCustomSynText::SetLineSpacing(int Value)
{
    Value = std::clamp(Value, kMinLineSpacing, kMaxLineSpacing);
    if (lineSpacing_ == Value)
        return;
    lineSpacing_ = Value;
    FontChanged(nullptr);
}

void TCustomSynText::SetLineSpacingRule(TLineSpacingRule Value)
{
    if (lineSpacingRule_ == Value)
        return;
    lineSpacingRule_ = Value;
    FontChanged(nullptr);
}

AnsiString TCustomSynText::UnicodeFontName() const
{
    return textDrawer_->UseUnicodeFont() ? textDrawer_->UnicodeFontName() : AnsiString();
}

void TCustomSynText::SetUnicodeFontName(const AnsiString& Value)
{
    textDrawer_->SetUseUnicodeFont(!Value.empty());
    if (!Value.empty() && textDrawer_->UnicodeFontName() != Value)
        textDrawer_->SetUnicodeFontName(Value);
    Invalidate();
}

TBufferCoord TCustomSynText::PixelsToNearestRowColumn(int aX, int aY) const
{
    TBufferCoord result = DisplayToBufferPos(PointToNearestCell(aX, aY));
    result.Line = std::clamp(result.Line, 1, std::max(lines_->Count(), 1));
    return result;
}
