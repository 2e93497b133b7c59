#include "editor/syn_word_wrap_plugin.h"

#include <algorithm>
#include <cstring>

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

// Whether Line holds a tab, tested eight bytes a step in place: most lines
// are short, and a library search called for each of millions of them cost
// more than the test.
bool HoldsTab(std::string_view Line)
{
    size_t i = 0;
    for (uint64_t word = 0; i + sizeof word <= Line.size(); i += sizeof word) {
        std::memcpy(&word, Line.data() + i, sizeof word);
        const uint64_t zeroWhereTab = word ^ 0x0909090909090909ull;
        if (((zeroWhereTab - 0x0101010101010101ull) & ~zeroWhereTab & 0x8080808080808080ull) != 0)
            return true;
    }
    for (; i < Line.size(); ++i)
        if (Line[i] == '\t')
            return true;
    return false;
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
    const TSynWrappedRows::TLineRows line = rows_.RowsOfLine(Pos.Line - 1);
    int before = 0;  // characters in the line's rows above the current one
    int row = line.FirstRow;
    for (int32_t length : line.Lengths) {
        if (before + length >= Pos.Char)
            return {Pos.Char - before, row + 1};
        before += length;
        ++row;
    }
    // Beyond the line's text: keep going along its last row.
    return {line.Lengths.back() + Pos.Char - before, row};
}

TBufferCoord TSynWordWrapPlugin::DisplayToBufferPos(const TDisplayCoord& Pos) const
{
    SynAssert(Pos.Column >= 1 && Pos.Row >= 1, kUnit);
    if (Pos.Row > RowCount())
        return {Pos.Column, Pos.Row - RowCount() + LineCount()};
    const TSynWrappedRows::TLineRows line = rows_.LineOfRow(Pos.Row - 1);
    const size_t row = static_cast<size_t>(Pos.Row - 1 - line.FirstRow);
    int column = Pos.Column;
    if (row + 1 < line.Lengths.size())
        column = std::min(column, line.Lengths[row] + 1);
    else if (maxRowLength_ > 0)
        // Past the end of a line the caret may go as far as the wrap width.
        column = std::min(column, std::max(maxRowLength_, line.Lengths[row]) + 1);
    for (size_t above = 0; above < row; ++above)
        column += line.Lengths[above];
    return {column, line.Line + 1};
}

int TSynWordWrapPlugin::GetRowLength(int Row) const
{
    if (Row < 1 || Row > RowCount())
        TList::Error(SListIndexError, Row);
    return rows_.RowLength(Row - 1);
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
    rows_.AssignWrapped(owner_->Lines()->Count(), [this](int Index, int Count) { return WrapLines(Index, Count); });
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

TSynWrappedRows::TRun TSynWordWrapPlugin::WrapLines(int Index, int Count) const
{
    TSynTextStringList* lines = owner_->Lines();
    TSynWrappedRows::TRun run;
    run.Lengths.reserve(Count);
    const size_t maxLength = static_cast<size_t>(maxRowLength_);
    for (int i = Index; i < Index + Count; ++i) {
        // Most lines hold no tab: read in place, not copied; and most fit
        // in one row.
        const std::string_view line = lines->LineView(i);
        if (HoldsTab(line))
            WrapLine(lines->GetExpandedString(i), run.Lengths);
        else if (maxLength == 0 || line.size() <= maxLength)
            run.Lengths.push_back(static_cast<int32_t>(line.size()));
        else
            WrapLine(line, run.Lengths);
        // Ends only once a line takes more than one row; the lines before
        // it get theirs then.
        const auto done = static_cast<size_t>(i - Index + 1);
        if (run.Ends.empty() && run.Lengths.size() == done)
            continue;
        for (size_t line = run.Ends.size() + 1; line < done; ++line)
            run.Ends.push_back(static_cast<int32_t>(line));
        run.Ends.push_back(static_cast<int32_t>(run.Lengths.size()));
    }
    return run;
}

int TSynWordWrapPlugin::ReplaceLines(int Index, int OldCount, int NewCount)
{
    return rows_.Replace(Index, OldCount, WrapLines(Index, NewCount));
}
