// What the ranges in view tell of some lines: which hold a line, which
// reach into the painted lines, and the collapsed ones with the lines they
// hide. The ranges in view go by first lines in the flat list; the ranges a
// collapsed one hides follow it there, in other lines, and are passed over.
#include <algorithm>
#include <climits>
#include <utility>

#include "editor/folding/syn_fold_ranges.h"

namespace {

TSynTextAllFoldRanges::TEntry EntryOf(TSynTextFoldRange* Range, int Hidden)
{
    return {Range->FromLine(), Range->ToLine(), Range->FoldRangeLevel, Hidden, Range->Collapsed, Range};
}

}  // namespace

size_t TSynTextAllFoldRanges::FirstInViewFrom(int Line) const
{
    // Each hidden range counts with the first line of the range in view
    // before it, the collapsed one that hides it.
    const auto inView = [this](size_t Index) {
        while (Index > 0 && all_[Index]->ParentCollapsed)
            --Index;
        return all_[Index];
    };
    size_t first = 0;
    size_t count = all_.size();
    while (count > 0) {
        const size_t half = count / 2;
        if (inView(first + half)->FromLine() < Line) {
            first += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    return first;
}

TSynTextFoldRange* TSynTextAllFoldRanges::FirstStartingAt(int Line) const
{
    const size_t at = FirstInViewFrom(Line);
    return at < all_.size() && all_[at]->FromLine() == Line ? all_[at] : nullptr;
}

std::vector<TSynTextFoldRange*> TSynTextAllFoldRanges::Holding(int Line) const
{
    // Back from the last range in view starting on or above Line: a range
    // that ends above it ended before any later range of its level opened,
    // so the ranges before it as deep as it or deeper end above Line too.
    std::vector<TSynTextFoldRange*> found;
    int ended = INT_MAX;  // the least level of a range seen ending above Line
    for (size_t i = Line == INT_MAX ? all_.size() : FirstInViewFrom(Line + 1); i-- > 0 && ended > 0;) {
        TSynTextFoldRange* range = all_[i];
        if (range->ParentCollapsed || range->FoldRangeLevel >= ended)
            continue;
        if (range->LastLineInView() >= Line)
            found.push_back(range);
        else
            ended = range->FoldRangeLevel;
    }
    std::reverse(found.begin(), found.end());
    return found;
}

std::vector<TSynTextAllFoldRanges::TEntry> TSynTextAllFoldRanges::EntriesReaching(int First, int Last) const
{
    // Those that start above First and reach it, then those in view that
    // start on the lines.
    std::vector<TEntry> entries;
    for (TSynTextFoldRange* range : Holding(First))
        if (range->FromLine() < First)
            entries.push_back(EntryOf(range, range->Collapsed ? HiddenLineCount(range) : 0));
    for (size_t i = FirstInViewFrom(First); i < all_.size(); ++i) {
        TSynTextFoldRange* range = all_[i];
        if (range->ParentCollapsed)
            continue;
        if (range->FromLine() > Last)
            break;
        entries.push_back(EntryOf(range, range->Collapsed ? HiddenLineCount(range) : 0));
    }
    return entries;
}

// --- The collapsed ranges in view ---

void TSynTextAllFoldRanges::CountCollapsed(TSynTextFoldRange* Range) { collapsed_.insert(Range); }

void TSynTextAllFoldRanges::UncountCollapsed(TSynTextFoldRange* Range)
{
    collapsed_.erase(Range);
    if (collapsed_.empty()) {
        // What the index held goes back to the heap.
        std::vector<int>().swap(collapsedHeads_);
        std::vector<TSynTextFoldRange*>().swap(collapsedInView_);
        std::vector<int>().swap(collapsedHidden_);
        inViewValid_ = false;
    }
}

void TSynTextAllFoldRanges::IndexCollapsedInView() const
{
    if (inViewValid_)
        return;
    // One line starts at most one collapsed range in view: of the ranges
    // starting on a line only the last may hold more lines, and the ranges
    // inside a collapsed one are hidden.
    std::vector<std::pair<int, TSynTextFoldRange*>> heads;
    for (TSynTextFoldRange* range : collapsed_)
        if (!range->ParentCollapsed)
            heads.emplace_back(range->FromLine(), range);
    std::sort(heads.begin(), heads.end(), [](const auto& A, const auto& B) {
        return A.first != B.first ? A.first < B.first : A.second->FoldRangeLevel < B.second->FoldRangeLevel;
    });
    collapsedHeads_.clear();
    collapsedInView_.clear();
    collapsedHidden_.assign(1, 0);
    for (const auto& [line, range] : heads) {
        collapsedHeads_.push_back(line);
        collapsedInView_.push_back(range);
        collapsedHidden_.push_back(collapsedHidden_.back() + HiddenLineCount(range));
    }
    inViewValid_ = true;
}

int TSynTextAllFoldRanges::HiddenAbove(int Line) const
{
    if (collapsed_.empty())
        return 0;
    IndexCollapsedInView();
    const auto above = std::lower_bound(collapsedHeads_.begin(), collapsedHeads_.end(), Line);
    return collapsedHidden_[static_cast<size_t>(above - collapsedHeads_.begin())];
}

bool TSynTextAllFoldRanges::CollapsedStartsAt(int Line) const
{
    if (collapsed_.empty())
        return false;
    IndexCollapsedInView();
    return std::binary_search(collapsedHeads_.begin(), collapsedHeads_.end(), Line);
}

TSynTextFoldRange* TSynTextAllFoldRanges::CollapsedIn(int First, int Last) const
{
    if (collapsed_.empty())
        return nullptr;
    IndexCollapsedInView();
    const auto at = std::lower_bound(collapsedHeads_.begin(), collapsedHeads_.end(), First);
    return at != collapsedHeads_.end() && *at <= Last ? collapsedInView_[static_cast<size_t>(at - collapsedHeads_.begin())]
                                                       : nullptr;
}

TSynTextFoldRange* TSynTextAllFoldRanges::CollapsedBefore(int Line) const
{
    if (collapsed_.empty())
        return nullptr;
    IndexCollapsedInView();
    const auto at = std::lower_bound(collapsedHeads_.begin(), collapsedHeads_.end(), Line);
    return at == collapsedHeads_.begin() ? nullptr : collapsedInView_[static_cast<size_t>(at - collapsedHeads_.begin()) - 1];
}
