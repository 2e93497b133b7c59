// TEditLayout: the rows an edit control shows its text in: one per line,
// or, when the text wraps, as many as the words of a line need at the
// wrapping width. Kept up to date change by change, relaying only the
// lines a change touched.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "platform/ui/textedit/edit_buffer.h"

struct TEditRow {
    int Start = 0;   // offset of the row's first byte
    int Length = 0;  // bytes shown, without the line break
    int Break = 0;   // bytes of the line break after it: 2 for CR LF, 1 for LF, 0 when it wraps or ends the text
    int Width = 0;   // pixels the row's text takes
    int End() const { return Start + Length; }
};

class TEditLayout {
public:
    // Fills Ends with one entry per byte of Text, which starts at Offset of
    // the whole text: the width of the text up to the end of that byte's
    // character.
    using TMeasure = std::function<void(int Offset, std::string_view Text, std::vector<int>& Ends)>;

    // Lays out the whole text; rows wrap at WrapWidth pixels (not at all
    // when it is 0 or less).
    void Reset(std::string_view Text, int WrapWidth, const TMeasure& Measure);
    // Text has taken Change since the last layout.
    void Update(std::string_view Text, const TEditChange& Change, const TMeasure& Measure);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const TEditRow& Row(int Index) const { return rows_[static_cast<size_t>(Index)]; }
    // The row holding Offset; an offset where a row wraps is the next row's.
    int RowOf(int Offset) const;
    // Whether the row goes on in the next one (it wraps).
    bool Wraps(int Index) const { return rows_[static_cast<size_t>(Index)].Break == 0 && Index + 1 < RowCount(); }
    int MaxWidth() const;

private:
    // Lays out the lines of Text from From (a line start) to To (just after
    // a line break, or the end of the text) into Out.
    void LayLines(std::string_view Text, int From, int To, const TMeasure& Measure, std::vector<TEditRow>& Out) const;
    void LayLine(std::string_view Text, int Start, int End, int Break, const TMeasure& Measure,
                 std::vector<TEditRow>& Out) const;

    // Every byte of the text lies in exactly one row or row break, in order;
    // there is always at least one row.
    std::vector<TEditRow> rows_{TEditRow{}};
    int wrapWidth_ = 0;
};
