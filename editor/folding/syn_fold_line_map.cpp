#include "editor/folding/syn_fold_line_map.h"

#include <algorithm>

#include "editor/folding/syn_fold_ranges.h"

TSynFoldLineMap::TSynFoldLineMap(const TSynTextAllFoldRanges& Ranges, int First, int Last, int CaretLine)
    : first_(First), last_(std::max(First, Last)), lines_(static_cast<size_t>(last_ - first_ + 1))
{
    // The ranges that end above the lines count only for the lines they
    // hide: a view in the middle of a long text starts there. The ranges
    // that reach into the lines are found around them, without a pass over
    // every range after an edit, and the caret's level from the ranges
    // holding its line.
    const int hiddenAbove = Ranges.HiddenAbove(first_);
    std::vector<int> hiddenAt(lines_.size(), 0);
    for (const TSynTextFoldRange* range : Ranges.Holding(CaretLine))
        caretLevel_ = std::max(caretLevel_, range->FoldRangeLevel);
    for (const TSynTextAllFoldRanges::TEntry& range : Ranges.EntriesReaching(first_, last_)) {
        if (Covers(range.FromLine) && !At(range.FromLine).Starting)
            lines_[static_cast<size_t>(range.FromLine - first_)].Starting = range.Range;
        if (range.Collapsed) {
            if (Covers(range.FromLine))
                hiddenAt[static_cast<size_t>(range.FromLine - first_)] += range.Hidden;
            continue;
        }
        if (range.FromLine == range.ToLine)
            continue;
        if (Covers(range.ToLine))
            lines_[static_cast<size_t>(range.ToLine - first_)].FoldEnd = true;
        const int from = std::max(range.FromLine + 1, first_);
        const int to = std::min(range.ToLine - 1, last_);
        if (from > to)
            continue;
        spanning_.push_back(range.Range);
        for (int line = from; line <= to; ++line)
            lines_[static_cast<size_t>(line - first_)].Inside = true;
    }
    int hidden = hiddenAbove;
    for (size_t i = 0; i < lines_.size(); ++i) {
        lines_[i].HiddenBefore = hidden;
        hidden += hiddenAt[i];
    }
}

std::vector<const TSynTextFoldRange*> TSynFoldLineMap::Around(int Line) const
{
    std::vector<const TSynTextFoldRange*> result;
    for (const TSynTextFoldRange* range : spanning_)
        if (range->FromLine() < Line && Line < range->ToLine())
            result.push_back(range);
    return result;
}

TSynFoldLineMapScope::TSynFoldLineMapScope(TSynTextAllFoldRanges& Ranges, int First, int Last, int CaretLine)
    : ranges_(Ranges), map_(Ranges, First, Last, CaretLine)
{
    ranges_.SetLineMap(&map_);
}

TSynFoldLineMapScope::~TSynFoldLineMapScope() { ranges_.SetLineMap(nullptr); }
