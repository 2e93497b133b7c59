// Conversions between client pixels, display positions (rows and expanded
// columns) and buffer positions (lines and byte columns).
#include <algorithm>

#include "editor/syn_buffer_plugin.h"
#include "editor/syn_custom_text.h"
#include "editor/document/text_routines.h"
#include "platform/base/code_page.h"

TDisplayCoord TCustomSynText::PointToCell(int aX, int aY) const
{
    const int lineHeight = std::max(LineHeight(), 1);
    const int charWidth = std::max(charWidth_, 1);
    // Truncating division: a point just left of the text area still gives
    // the first visible column, not a hidden one.
    return DisplayCoord(std::max(1, leftChar_ + (aX - gutterWidth_ - 2) / charWidth),
                        std::max(1, topLine_ + aY / lineHeight));
}

TPoint TCustomSynText::RowColumnToPixels(const TDisplayCoord& RowCol) const
{
    return {charWidth_ * (RowCol.Column - 1) + textOffset_, LineHeight() * (RowCol.Row - topLine_)};
}

// Tab expansion gives the expanded column; with word wrap the plug-in maps
// it to a row.
TDisplayCoord TCustomSynText::BufferToDisplayPos(const TBufferCoord& P) const
{
    TDisplayCoord result = DisplayCoord(P.Char, P.Line);
    if (P.Line >= 1 && P.Line <= lines_->Count())
        // Read in place: a line may be megabytes long, and this runs for
        // every caret move and paint.
        result.Column = CharIndexToColumn(P.Char, tabWidth_, lines_->LineView(P.Line - 1));
    if (wordWrapPlugin_ && result.Column >= 1 && result.Row >= 1)
        result = wordWrapPlugin_->BufferToDisplayPos(BufferCoord(result.Column, result.Row));
    return result;
}

TBufferCoord TCustomSynText::DisplayToBufferPos(const TDisplayCoord& P) const
{
    TBufferCoord result = BufferCoord(P.Column, P.Row);
    if (wordWrapPlugin_ && P.Column >= 1 && P.Row >= 1)
        result = wordWrapPlugin_->DisplayToBufferPos(P);
    if (result.Line < 1 || result.Line > lines_->Count())
        return result;
    // result.Char is still the expanded column.
    result.Char = CharAtColumn(lines_->LineView(result.Line - 1), result.Char);
    return result;
}

int TCustomSynText::CharAtColumn(std::string_view S, int Column) const
{
    const int length = static_cast<int>(S.size());
    int column = 0;  // cells taken by the characters before index i
    for (int i = 0; i < length; ++i) {
        if (column + 1 >= Column)
            return i + 1 + (ByteTypeAt(S, static_cast<size_t>(i)) == mbTrailByte ? 1 : 0);
        column = S[static_cast<size_t>(i)] == '\t' ? column + tabWidth_ - column % tabWidth_ : column + 1;
    }
    return length + 1 + std::max(Column - 1 - column, 0);
}
