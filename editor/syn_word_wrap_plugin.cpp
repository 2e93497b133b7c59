#include "editor/syn_word_wrap_plugin.h"

#include <algorithm>

#include "editor/document/syn_assert.h"
#include "editor/highlighting/syn_highlighter.h"
#include "editor/document/syn_text_string_list.h"
#include "platform/base/code_page.h"
#include "platform/base/list.h"
#include "platform/base/list_errors.h"

namespace {

constexpr const char* kUnit = "SynTextWordWrap";

// Everything but the identifier characters ends a word.
TSysCharSet BreakCharsOf(const TSynCustomHighlighter* Highlighter)
{
    if (Highlighter)
        return ~Highlighter->GetIdentChars();
    TSysCharSet chars;
    for (size_t c = 0; c <= 32; ++c)
        chars.set(c);
    return chars;
}

}  // namespace

TSynWordWrapPlugin::TSynWordWrapPlugin(ISynWordWrapHost* AOwner) : owner_(AOwner)
{
    if (!owner_)
        throw Exception("TSynWordWrapPlugin must be owned by TCustomSynText");
    Reset();
}

TDisplayCoord TSynWordWrapPlugin::BufferToDisplayPos(const TBufferCoord& Pos) const
{
    SynAssert(Pos.Char >= 1 && Pos.Line >= 1, kUnit);
    if (Pos.Line > LineCount())
        return {Pos.Char, RowCount() + Pos.Line - LineCount()};
    const int lastRow = lineOffsets_[Pos.Line - 1];
    int before = 0;  // characters in the line's rows above the current one
    for (int row = FirstRowOf(Pos.Line - 1); row < lastRow; ++row) {
        if (before + rowLengths_[row] >= Pos.Char)
            return {Pos.Char - before, row + 1};
        before += rowLengths_[row];
    }
    // Beyond the line's text: keep going along its last row.
    return {rowLengths_[lastRow - 1] + Pos.Char - before, lastRow};
}

TBufferCoord TSynWordWrapPlugin::DisplayToBufferPos(const TDisplayCoord& Pos) const
{
    SynAssert(Pos.Column >= 1 && Pos.Row >= 1, kUnit);
    if (Pos.Row > RowCount())
        return {Pos.Column, Pos.Row - RowCount() + LineCount()};
    const int line = static_cast<int>(std::lower_bound(lineOffsets_.begin(), lineOffsets_.end(), Pos.Row) -
                                      lineOffsets_.begin());
    const int row = Pos.Row - 1;
    int column = Pos.Column;
    if (row + 1 < lineOffsets_[line])
        column = std::min(column, rowLengths_[row] + 1);
    else if (maxRowLength_ > 0)
        // Past the end of a line the caret may go as far as the wrap width.
        column = std::min(column, std::max(maxRowLength_, rowLengths_[row]) + 1);
    for (int above = FirstRowOf(line); above < row; ++above)
        column += rowLengths_[above];
    return {column, line + 1};
}

int TSynWordWrapPlugin::GetRowLength(int Row) const
{
    if (Row < 1 || Row > RowCount())
        TList::Error(SListIndexError, Row);
    return rowLengths_[Row - 1];
}

int TSynWordWrapPlugin::LinesInserted(int Index, int Count)
{
    SynAssert(Index >= 0 && Count > 0 && Index <= LineCount(), kUnit);
    return ReplaceLines(Index, 0, Count);
}

int TSynWordWrapPlugin::LinesDeleted(int Index, int Count)
{
    SynAssert(Index >= 0 && Count > 0 && Index + Count <= LineCount(), kUnit);
    return -ReplaceLines(Index, Count, 0);
}

int TSynWordWrapPlugin::LinesPutted(int Index, int Count)
{
    SynAssert(Index >= 0 && Count > 0 && Index + Count <= LineCount(), kUnit);
    return ReplaceLines(Index, Count, Count);
}

void TSynWordWrapPlugin::DisplayChanged()
{
    // Another highlighter may bring other identifier characters.
    if (std::max(owner_->GetWrapAreaWidth(), 0) != maxRowLength_ || BreakCharsOf(owner_->Highlighter()) != breakChars_)
        Reset();
}

void TSynWordWrapPlugin::Reset()
{
    UpdateWidths();
    TSynTextStringList* lines = owner_->Lines();
    const int count = lines->Count();
    lineOffsets_.clear();
    rowLengths_.clear();
    lineOffsets_.reserve(count);
    rowLengths_.reserve(count);
    for (int i = 0; i < count; ++i) {
        WrapLine(lines->GetExpandedString(i), rowLengths_);
        lineOffsets_.push_back(static_cast<int32_t>(rowLengths_.size()));
    }
}

void TSynWordWrapPlugin::UpdateWidths()
{
    // Unlike a one-byte row length, 32-bit rows need no cap on the width.
    maxRowLength_ = std::max(owner_->GetWrapAreaWidth(), 0);
    minRowLength_ = std::max(maxRowLength_ - maxRowLength_ / 3, 1);
    breakChars_ = BreakCharsOf(owner_->Highlighter());
}

void TSynWordWrapPlugin::WrapLine(std::string_view Line, std::vector<int32_t>& Rows) const
{
    const size_t length = Line.size();
    const size_t maxLength = static_cast<size_t>(maxRowLength_);
    if (maxLength == 0 || length <= maxLength) {
        Rows.push_back(static_cast<int32_t>(length));
        return;
    }
    size_t start = 0;
    size_t end = maxLength;  // the first byte of the next row
    while (end < length) {
        // Walk the row's characters, remembering the last break character far
        // enough in; a break character opens the next row. A break byte
        // inside a double-byte character is not one.
        const size_t lowest = start + static_cast<size_t>(minRowLength_) + 1;
        size_t pos = start;
        while (pos < lowest && pos < end)
            pos += CharLengthAt(Line, pos);
        size_t breakAt = 0;  // none: a break lies beyond the row start
        while (pos <= end) {
            if (pos >= lowest && breakChars_.test(static_cast<unsigned char>(Line[pos])))
                breakAt = pos;
            if (pos == end)
                break;
            pos += CharLengthAt(Line, pos);
        }
        if (breakAt)
            end = breakAt;
        else if (pos > end)
            // end is the trail byte of a character starting at end - 1: move
            // it whole to the next row, unless it is all the row holds
            // (a width of 1), which then takes the whole character.
            end = end - 1 > start ? end - 1 : pos;
        Rows.push_back(static_cast<int32_t>(end - start));
        start = end;
        end = start + maxLength;
    }
    if (start < length)
        Rows.push_back(static_cast<int32_t>(length - start));
}

int TSynWordWrapPlugin::ReplaceLines(int Index, int OldCount, int NewCount)
{
    TSynTextStringList* lines = owner_->Lines();
    std::vector<int32_t> rows;
    std::vector<int32_t> offsets;  // relative to the first row of Index
    offsets.reserve(NewCount);
    for (int i = 0; i < NewCount; ++i) {
        WrapLine(lines->GetExpandedString(Index + i), rows);
        offsets.push_back(static_cast<int32_t>(rows.size()));
    }

    const int firstRow = FirstRowOf(Index);
    const int oldEndRow = OldCount ? lineOffsets_[Index + OldCount - 1] : firstRow;
    const int oldRows = oldEndRow - firstRow;
    const int newRows = static_cast<int>(rows.size());
    const int change = newRows - oldRows;

    // Overwrite what the old and new rows share, then insert or erase the rest.
    const int shared = std::min(oldRows, newRows);
    std::copy_n(rows.begin(), shared, rowLengths_.begin() + firstRow);
    if (change > 0)
        rowLengths_.insert(rowLengths_.begin() + firstRow + shared, rows.begin() + shared, rows.end());
    else if (change < 0)
        rowLengths_.erase(rowLengths_.begin() + firstRow + shared, rowLengths_.begin() + oldEndRow);

    for (int32_t& offset : offsets)
        offset += firstRow;
    const int sharedLines = std::min(OldCount, NewCount);
    std::copy_n(offsets.begin(), sharedLines, lineOffsets_.begin() + Index);
    if (NewCount > OldCount)
        lineOffsets_.insert(lineOffsets_.begin() + Index + sharedLines, offsets.begin() + sharedLines, offsets.end());
    else if (NewCount < OldCount)
        lineOffsets_.erase(lineOffsets_.begin() + Index + sharedLines, lineOffsets_.begin() + Index + OldCount);
    if (change != 0)
        for (auto it = lineOffsets_.begin() + Index + NewCount; it != lineOffsets_.end(); ++it)
            *it += change;
    return change;
}
