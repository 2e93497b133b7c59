// Laying out an edit control's rows: line breaks, word wrapping and the
// relayout of the lines one change touched.
#include "platform/ui/textedit/edit_layout.h"

#include <algorithm>

#include "platform/base/code_page.h"

void TEditLayout::Reset(std::string_view Text, int WrapWidth, const TMeasure& Measure)
{
    wrapWidth_ = WrapWidth;
    rows_.clear();
    LayLines(Text, 0, static_cast<int>(Text.size()), Measure, rows_);
}

void TEditLayout::Update(std::string_view Text, const TEditChange& Change, const TMeasure& Measure)
{
    // From the first row of the line where the change begins to the last
    // row of the line where it ended, in the old text.
    int first = RowOf(Change.Pos);
    while (first > 0 && Wraps(first - 1))
        --first;
    int last = RowOf(Change.Pos + Change.Removed);
    while (Wraps(last))
        ++last;
    const int delta = Change.Inserted - Change.Removed;
    const TEditRow& end = rows_[static_cast<size_t>(last)];
    const int to = end.End() + end.Break + delta;
    // Laid out to the end of the text, the lines bring the empty row after
    // a final break themselves: the old one goes.
    if (to == static_cast<int>(Text.size()))
        last = RowCount() - 1;
    std::vector<TEditRow> laid;
    LayLines(Text, rows_[static_cast<size_t>(first)].Start, to, Measure, laid);
    for (size_t i = static_cast<size_t>(last) + 1; i < rows_.size(); ++i)
        rows_[i].Start += delta;
    rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
    rows_.insert(rows_.begin() + first, laid.begin(), laid.end());
}

int TEditLayout::RowOf(int Offset) const
{
    auto after = std::upper_bound(rows_.begin(), rows_.end(), Offset,
                                  [](int value, const TEditRow& row) { return value < row.Start; });
    return std::max(0, static_cast<int>(after - rows_.begin()) - 1);
}

int TEditLayout::MaxWidth() const
{
    int widest = 0;
    for (const TEditRow& row : rows_)
        widest = std::max(widest, row.Width);
    return widest;
}

void TEditLayout::LayLines(std::string_view Text, int From, int To, const TMeasure& Measure,
                           std::vector<TEditRow>& Out) const
{
    int at = From;
    while (at < To) {
        size_t lf = Text.find('\n', static_cast<size_t>(at));
        if (lf == std::string_view::npos || static_cast<int>(lf) >= To) {
            LayLine(Text, at, To, 0, Measure, Out);
            return;
        }
        int end = static_cast<int>(lf);
        int breakBytes = 1;
        if (end > at && Text[static_cast<size_t>(end) - 1] == '\r') {
            --end;
            breakBytes = 2;
        }
        LayLine(Text, at, end, breakBytes, Measure, Out);
        at = static_cast<int>(lf) + 1;
    }
    // The text ends with a line break (or is empty): an empty last row.
    if (To == static_cast<int>(Text.size()) && (To == 0 || Text[static_cast<size_t>(To) - 1] == '\n'))
        Out.push_back(TEditRow{To, 0, 0, 0});
}

void TEditLayout::LayLine(std::string_view Text, int Start, int End, int Break, const TMeasure& Measure,
                          std::vector<TEditRow>& Out) const
{
    std::string_view line = Text.substr(static_cast<size_t>(Start), static_cast<size_t>(End - Start));
    const int length = static_cast<int>(line.size());
    std::vector<int> ends;
    Measure(Start, line, ends);
    auto xAt = [&ends](int Offset) { return Offset == 0 ? 0 : ends[static_cast<size_t>(Offset) - 1]; };
    int rowStart = 0;
    while (true) {
        const int base = xAt(rowStart);
        if (wrapWidth_ <= 0 || xAt(length) - base <= wrapWidth_) {
            Out.push_back(TEditRow{Start + rowStart, length - rowStart, Break, xAt(length) - base});
            return;
        }
        // The characters that fit, broken after the last blank among them
        // when there is one; a row holds at least one character.
        int fit = rowStart;
        int afterBlank = -1;
        while (fit < length) {
            int next = fit + static_cast<int>(CharLengthAt(line, static_cast<size_t>(fit)));
            if (xAt(next) - base > wrapWidth_)
                break;
            if (line[static_cast<size_t>(fit)] == ' ' || line[static_cast<size_t>(fit)] == '\t')
                afterBlank = next;
            fit = next;
        }
        if (fit == rowStart)
            fit += static_cast<int>(CharLengthAt(line, static_cast<size_t>(fit)));
        int rowEnd = afterBlank > rowStart ? afterBlank : fit;
        // Blanks past the edge hang at the end of the row.
        while (rowEnd < length && line[static_cast<size_t>(rowEnd)] == ' ')
            ++rowEnd;
        if (rowEnd >= length) {
            Out.push_back(TEditRow{Start + rowStart, length - rowStart, Break, xAt(length) - base});
            return;
        }
        Out.push_back(TEditRow{Start + rowStart, rowEnd - rowStart, 0, xAt(rowEnd) - base});
        rowStart = rowEnd;
    }
}
