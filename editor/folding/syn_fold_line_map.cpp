#include "editor/folding/syn_fold_line_map.h"

#include <algorithm>
#include <span>

#include "editor/folding/syn_fold_ranges.h"

TSynFoldLineMap::TSynFoldLineMap(const TSynTextAllFoldRanges& Ranges, int First, int Last, int CaretLine)
    : first_(First), last_(std::max(First, Last)), lines_(static_cast<size_t>(last_ - first_ + 1))
{
    // Lines hidden above the first line, and at each head line among them.
    // The ranges that end above the lines and the caret count only for the
    // lines they hide: a view in the middle of a long text starts there.
    int hiddenAbove = 0;
    std::vector<int> hiddenAt(lines_.size(), 0);
    std::vector<TSynTextAllFoldRanges::TEntry> near;
    std::span<const TSynTextAllFoldRanges::TEntry> entries;
    if (Ranges.HasCollapsed()) {
        const std::vector<TSynTextAllFoldRanges::TEntry>& all = Ranges.Entries();
        entries = std::span(all).subspan(Ranges.FirstReaching(std::min(first_, CaretLine), hiddenAbove));
    } else {
        // Nothing hides lines: the ranges that reach into the lines are
        // found around them, without a pass over every range after an
        // edit, and the caret's level from the ranges holding its line.
        near = Ranges.EntriesReaching(first_, last_);
        entries = near;
        for (const TSynTextFoldRange* range : Ranges.Holding(CaretLine))
            caretLevel_ = std::max(caretLevel_, range->FoldRangeLevel);
    }
    // The ranges in view come in the order of their first lines, and a
    // hidden range after the collapsed one that hides it: past the lines
    // and the caret nothing more counts.
    const int stop = std::max(last_, CaretLine);
    for (const TSynTextAllFoldRanges::TEntry& range : entries) {
        if (!range.ParentCollapsed && range.FromLine > stop)
            break;
        if (range.FromLine <= CaretLine && CaretLine <= range.ToLine)
            caretLevel_ = std::max(caretLevel_, range.FoldRangeLevel);
        if (range.ParentCollapsed)
            continue;
        if (Covers(range.FromLine) && !At(range.FromLine).Starting)
            lines_[static_cast<size_t>(range.FromLine - first_)].Starting = range.Range;
        if (range.Collapsed) {
            if (range.FromLine < first_)
                hiddenAbove += range.Hidden;
            else if (range.FromLine <= last_)
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
