// Line spacing, the double-byte font, gutter repaints and the nearest
// caret position to a pixel.
#include <algorithm>
#include <climits>

#include "editor/syn_custom_text.h"
#include "editor/syn_text_drawer.h"
#include "platform/base/code_page.h"

void TCustomSynText::SetLineSpacing(int Value)
{
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

void TCustomSynText::InvalidateGutterLines(int FirstLine, int LastLine)
{
    if (!HandleAllocated() || gutterWidth_ <= 0)
        return;
    if (FirstLine == -1 && LastLine == -1) {
        InvalidateRect(TRect{0, 0, gutterWidth_, ClientHeight()}, false);
        return;
    }
    if (LastLine < FirstLine)
        std::swap(FirstLine, LastLine);
    const int firstRow = BufferToDisplayPos(BufferCoord(1, std::max(FirstLine, 1))).Row;
    // The last line may wrap over several rows: up to the row before the next line.
    const int lastRow = LastLine >= lines_->Count() ? INT_MAX / 2
                                                    : BufferToDisplayPos(BufferCoord(1, LastLine + 1)).Row - 1;
    const int top = std::max(firstRow, topLine_);
    const int bottom = std::min(lastRow, topLine_ + linesInWindow_);
    if (bottom < top)
        return;
    const int lineHeight = LineHeight();
    InvalidateRect(TRect{0, (top - topLine_) * lineHeight, gutterWidth_, (bottom - topLine_ + 1) * lineHeight},
                   false);
}

TBufferCoord TCustomSynText::PixelsToNearestRowColumn(int aX, int aY) const
{
    // The caret goes to the character boundary nearest to the point: half a
    // column rounds up. A double-byte character is one unit, so a point in
    // its left half gives its start and one in its right half its end.
    const int charWidth = std::max(charWidth_, 1);
    const TDisplayCoord under = PixelsToRowColumn(aX, aY);
    const TDisplayCoord nearest = PixelsToRowColumn(aX + charWidth / 2, aY);
    TBufferCoord result = DisplayToBufferPos(nearest);
    const TBufferCoord start = DisplayToBufferPos(under);
    if (nearest.Column != under.Column && result.Char - start.Char == 2 && start.Line >= 1 &&
        start.Line <= lines_->Count()) {
        const AnsiString& s = lines_->Strings(start.Line - 1);
        if (start.Char <= static_cast<int>(s.size()) &&
            ByteTypeAt(s, static_cast<size_t>(start.Char - 1)) == mbLeadByte)
            result = start;
    }
    result.Line = std::clamp(result.Line, 1, std::max(lines_->Count(), 1));
    return result;
}
