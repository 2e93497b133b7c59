#include "editor/view/syn_wrapped_rows.h"

#include <algorithm>
#include <numeric>

namespace {

// Lines per block: an edit inside a block moves at most a block's rows, and
// a block is cut anew only after many edits, so that the running totals are
// rebuilt rarely.
constexpr int kUsualLines = 512;
constexpr int kFewestLines = 128;
constexpr int kMostLines = 2048;

using TRun = TSynWrappedRows::TRun;

// The lines of a run: one per entry of Ends, or one per row when every
// line has one row.
int LinesOf(const TRun& Run)
{
    return static_cast<int>(Run.Ends.empty() ? Run.Lengths.size() : Run.Ends.size());
}

// The rows of Run's lines up to and including Line.
int32_t EndOf(const TRun& Run, int Line) { return Run.Ends.empty() ? Line + 1 : Run.Ends[static_cast<size_t>(Line)]; }

// Gives a run of one row per line its ends, so that lines of other
// lengths can go in.
void SpellOutEnds(TRun& Run)
{
    if (!Run.Ends.empty())
        return;
    Run.Ends.resize(Run.Lengths.size());
    std::iota(Run.Ends.begin(), Run.Ends.end(), 1);
}

}  // namespace

void TSynWrappedRows::Assign(const TRun& Run)
{
    AssignWrapped(LinesOf(Run), [&Run](int Index, int Count) {
        TRun block;
        const int32_t firstRow = Index ? EndOf(Run, Index - 1) : 0;
        block.Lengths.assign(Run.Lengths.begin() + firstRow, Run.Lengths.begin() + EndOf(Run, Index + Count - 1));
        if (!Run.Ends.empty())
            for (int line = Index; line < Index + Count; ++line)
                block.Ends.push_back(Run.Ends[line] - firstRow);
        return block;
    });
}

void TSynWrappedRows::AssignWrapped(int Lines, const std::function<TRun(int Index, int Count)>& Wrap)
{
    // The blocks Rebalance would cut: the lines shared out evenly.
    const size_t lines = static_cast<size_t>(std::max(Lines, 0));
    const size_t count = (lines + kUsualLines - 1) / kUsualLines;
    blocks_.clear();
    blocks_.reserve(count);
    rowCount_ = 0;
    for (size_t c = 0; c < count; ++c) {
        const size_t first = lines * c / count;
        blocks_.push_back(Wrap(static_cast<int>(first), static_cast<int>(lines * (c + 1) / count - first)));
        rowCount_ += static_cast<int>(blocks_.back().Lengths.size());
    }
    lineCount_ = static_cast<int>(lines);
    Recount();
}

int TSynWrappedRows::Replace(int Index, int OldCount, const TRun& Run)
{
    const int newLines = LinesOf(Run);
    const int newRows = static_cast<int>(Run.Lengths.size());
    bool reshape = blocks_.empty();
    if (reshape)
        blocks_.emplace_back();
    int block = static_cast<int>(blocks_.size()) - 1;
    int offset = LinesOf(blocks_[block]);
    if (Index < lineCount_) {
        const TSynCountTree::TPlace place = lines_.Find(Index);
        block = place.Index;
        offset = place.Offset;
    }

    // Take the old lines out, from as many blocks as they reach into.
    int removedRows = 0;
    int last = block;
    int at = offset;
    for (int rest = OldCount, b = block; rest > 0; ++b, at = 0) {
        TBlock& from = blocks_[b];
        SpellOutEnds(from);
        const int take = std::min(rest, static_cast<int>(from.Ends.size()) - at);
        const int firstRow = at ? from.Ends[at - 1] : 0;
        const int rows = from.Ends[at + take - 1] - firstRow;
        from.Lengths.erase(from.Lengths.begin() + firstRow, from.Lengths.begin() + firstRow + rows);
        from.Ends.erase(from.Ends.begin() + at, from.Ends.begin() + at + take);
        for (auto it = from.Ends.begin() + at; it != from.Ends.end(); ++it)
            *it -= rows;
        if (!reshape) {
            lines_.Add(b, -take);
            rows_.Add(b, -rows);
        }
        removedRows += rows;
        rest -= take;
        last = b;
    }

    // The new lines go where the old ones started.
    TBlock& into = blocks_[block];
    SpellOutEnds(into);
    const int rowAt = offset ? into.Ends[offset - 1] : 0;
    into.Lengths.insert(into.Lengths.begin() + rowAt, Run.Lengths.begin(), Run.Lengths.end());
    for (auto it = into.Ends.begin() + offset; it != into.Ends.end(); ++it)
        *it += newRows;
    into.Ends.insert(into.Ends.begin() + offset, static_cast<size_t>(newLines), 0);
    for (int line = 0; line < newLines; ++line)
        into.Ends[static_cast<size_t>(offset + line)] = EndOf(Run, line);
    for (auto it = into.Ends.begin() + offset; it != into.Ends.begin() + offset + newLines; ++it)
        *it += rowAt;
    if (!reshape) {
        lines_.Add(block, newLines);
        rows_.Add(block, newRows);
    }
    lineCount_ += newLines - OldCount;
    rowCount_ += newRows - removedRows;

    for (int b = block; b <= last && !reshape; ++b) {
        const int lines = LinesOf(blocks_[b]);
        reshape = lines == 0 || lines > kMostLines || (lines < kFewestLines && blocks_.size() > 1);
    }
    if (reshape)
        Rebalance(block, last);
    return newRows - removedRows;
}

void TSynWrappedRows::Rebalance(int First, int Last)
{
    // Take in the neighbours too, so that a small block merges with one.
    const int first = std::max(First - 1, 0);
    const int last = std::min(Last + 1, static_cast<int>(blocks_.size()) - 1);
    size_t lines = 0;
    for (int b = first; b <= last; ++b)
        lines += static_cast<size_t>(LinesOf(blocks_[b]));

    // The new blocks are cut straight from the old ones: a text of millions
    // of lines wrapped anew is copied once, not gathered first.
    const size_t count = (lines + kUsualLines - 1) / kUsualLines;
    std::vector<TBlock> made(count);
    int from = first;  // the next line: line at of block from
    size_t at = 0;
    for (size_t c = 0; c < count; ++c) {
        TBlock& block = made[c];
        size_t wanted = lines * (c + 1) / count - lines * c / count;
        block.Ends.reserve(wanted);
        while (wanted > 0) {
            while (at == static_cast<size_t>(LinesOf(blocks_[from]))) {
                ++from;
                at = 0;
            }
            const TBlock& source = blocks_[from];
            const size_t take = std::min(wanted, static_cast<size_t>(LinesOf(source)) - at);
            const int32_t firstRow = at ? EndOf(source, static_cast<int>(at) - 1) : 0;
            const auto base = static_cast<int32_t>(block.Lengths.size());
            block.Lengths.insert(block.Lengths.end(), source.Lengths.begin() + firstRow,
                                 source.Lengths.begin() + EndOf(source, static_cast<int>(at + take) - 1));
            for (size_t line = at; line < at + take; ++line)
                block.Ends.push_back(base + EndOf(source, static_cast<int>(line)) - firstRow);
            at += take;
            wanted -= take;
        }
    }
    blocks_.erase(blocks_.begin() + first, blocks_.begin() + last + 1);
    blocks_.insert(blocks_.begin() + first, std::make_move_iterator(made.begin()), std::make_move_iterator(made.end()));
    Recount();
}

void TSynWrappedRows::Recount()
{
    std::vector<int> lines;
    std::vector<int> rows;
    lines.reserve(blocks_.size());
    rows.reserve(blocks_.size());
    for (const TBlock& block : blocks_) {
        lines.push_back(LinesOf(block));
        rows.push_back(static_cast<int>(block.Lengths.size()));
    }
    lines_.Build(lines);
    rows_.Build(rows);
}

TSynWrappedRows::TLineRows TSynWrappedRows::RowsIn(int Block, int Offset) const
{
    const TBlock& block = blocks_[Block];
    const int from = Offset ? EndOf(block, Offset - 1) : 0;
    return {lines_.Prefix(Block) + Offset, rows_.Prefix(Block) + from,
            std::span<const int32_t>(block.Lengths.data() + from, static_cast<size_t>(EndOf(block, Offset) - from))};
}

TSynWrappedRows::TLineRows TSynWrappedRows::RowsOfLine(int Line) const
{
    const TSynCountTree::TPlace place = lines_.Find(Line);
    return RowsIn(place.Index, place.Offset);
}

TSynWrappedRows::TLineRows TSynWrappedRows::LineOfRow(int Row) const
{
    const TSynCountTree::TPlace place = rows_.Find(Row);
    const std::vector<int32_t>& ends = blocks_[place.Index].Ends;
    if (ends.empty())
        return RowsIn(place.Index, place.Offset);  // one row per line
    const auto line = std::upper_bound(ends.begin(), ends.end(), place.Offset) - ends.begin();
    return RowsIn(place.Index, static_cast<int>(line));
}

int TSynWrappedRows::RowLength(int Row) const
{
    const TSynCountTree::TPlace place = rows_.Find(Row);
    return blocks_[place.Index].Lengths[place.Offset];
}
