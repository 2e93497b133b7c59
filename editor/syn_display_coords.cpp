// Conversions between client pixels, display positions (rows and expanded
// columns) and buffer positions (lines and byte columns).
#include <algorithm>

#include "editor/syn_custom_text.h"
#include "platform/base/code_page.h"

TDisplayCoord TCustomSynText::PixelsToRowColumn(int aX, int aY) const
{
    const int lineHeight = std::max(LineHeight(), 1);
    const int charWidth = std::max(charWidth_, 1);
    // Floor division, so points left of the text area land before column 1.
    auto floorDiv = [](int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    return DisplayCoord(std::max(1, leftChar_ + floorDiv(aX - gutterWidth_ - 2, charWidth)),
                        std::max(1, topLine_ + floorDiv(aY, lineHeight)));
}

TPoint TCustomSynText::RowColumnToPixels(const TDisplayCoord& RowCol) const
{
    return {charWidth_ * (RowCol.Column - 1) + textOffset_, LineHeight() * (RowCol.Row - topLine_)};
}

TBufferCoord TCustomSynText::DisplayToBufferPos(const TDisplayCoord& P) const
{
    TBufferCoord result = BufferCoord(P.Column, P.Row);
    if (P.Row < 1 || P.Row > lines_->Count())
        return result;
    const AnsiString s = lines_->Strings(P.Row - 1);
    const int length = static_cast<int>(s.size());
    int column = 0;  // cells taken by the characters before index i
    for (int i = 0; i < length; ++i) {
        if (column + 1 >= P.Column) {
            result.Char = i + 1;
            if (ByteTypeAt(s, static_cast<size_t>(i)) == mbTrailByte)
                ++result.Char;
            return result;
        }
        column = s[static_cast<size_t>(i)] == '\t' ? column + tabWidth_ - column % tabWidth_ : column + 1;
    }
    result.Char = length + 1 + std::max(P.Column - 1 - column, 0);
    return result;
}
