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

void TSynTextAllFoldRanges::CountCollapsed(TSynTextFoldRange* Range)
{
    collapsed_.insert(Range);
    inViewValid_ = false;
}

void TSynTextAllFoldRanges::UncountCollapsed(TSynTextFoldRange* Range)
{
    collapsed_.erase(Range);
    inViewValid_ = false;
    if (collapsed_.empty()) {
        // What the index held goes back to the heap.
        std::vector<TSynTextFoldRange*>().swap(collapsedInView_);
        std::vector<int>().swap(hiddenEach_);
        std::vector<int>().swap(collapsedHidden_);
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
    collapsedInView_.clear();
    hiddenEach_.clear();
    for (const auto& head : heads) {
        collapsedInView_.push_back(head.second);
        hiddenEach_.push_back(HiddenLineCount(head.second));
    }
    inViewValid_ = true;
    hiddenSumsValid_ = false;
}

void TSynTextAllFoldRanges::SumHiddenInView() const
{
    IndexCollapsedInView();
    if (hiddenSumsValid_)
        return;
    collapsedHidden_.assign(1, 0);
    for (const int hidden : hiddenEach_)
        collapsedHidden_.push_back(collapsedHidden_.back() + hidden);
    hiddenSumsValid_ = true;
}

size_t TSynTextAllFoldRanges::CollapsedInViewFrom(int Line) const
{
    return static_cast<size_t>(std::lower_bound(collapsedInView_.begin(), collapsedInView_.end(), Line,
                                                [](const TSynTextFoldRange* Range, int L) {
                                                    return Range->FromLine() < L;
                                                }) -
                               collapsedInView_.begin());
}

void TSynTextAllFoldRanges::IndexCollapse(TSynTextFoldRange* Range)
{
    if (!inViewValid_)
        return;
    // It takes the place of the collapsed ranges it now hides: they start
    // on its lines, and nothing in view starts among them.
    const size_t at = CollapsedInViewFrom(Range->FromLine());
    size_t end = at;
    while (end < collapsedInView_.size() && collapsedInView_[end]->ParentCollapsed)
        ++end;
    const auto from = static_cast<std::ptrdiff_t>(at);
    const auto to = static_cast<std::ptrdiff_t>(end);
    collapsedInView_.erase(collapsedInView_.begin() + from, collapsedInView_.begin() + to);
    hiddenEach_.erase(hiddenEach_.begin() + from, hiddenEach_.begin() + to);
    collapsedInView_.insert(collapsedInView_.begin() + from, Range);
    hiddenEach_.insert(hiddenEach_.begin() + from, HiddenLineCount(Range));
    hiddenSumsValid_ = false;
}

void TSynTextAllFoldRanges::IndexExpansion(TSynTextFoldRange* Range)
{
    if (!inViewValid_)
        return;
    const size_t at = CollapsedInViewFrom(Range->FromLine());
    if (at == collapsedInView_.size() || collapsedInView_[at] != Range) {
        inViewValid_ = false;
        return;
    }
    // The collapsed ranges it hid that no other hid, in the order of the
    // text: their first lines are among its lines.
    std::vector<TSynTextFoldRange*> inside;
    std::vector<const TSynTextFoldRange*> pending{Range};
    while (!pending.empty()) {
        const TSynTextFoldRange* range = pending.back();
        pending.pop_back();
        for (int i = range->SubFoldRanges.Count(); i-- > 0;) {
            TSynTextFoldRange* sub = range->SubFoldRanges.Ranges(i);
            if (sub->Collapsed)
                inside.push_back(sub);
            else
                pending.push_back(sub);
        }
    }
    std::sort(inside.begin(), inside.end(), [](const TSynTextFoldRange* A, const TSynTextFoldRange* B) {
        return A->FromLine() < B->FromLine();
    });
    std::vector<int> hidden;
    for (const TSynTextFoldRange* range : inside)
        hidden.push_back(HiddenLineCount(range));
    const auto from = static_cast<std::ptrdiff_t>(at);
    collapsedInView_.erase(collapsedInView_.begin() + from);
    hiddenEach_.erase(hiddenEach_.begin() + from);
    collapsedInView_.insert(collapsedInView_.begin() + from, inside.begin(), inside.end());
    hiddenEach_.insert(hiddenEach_.begin() + from, hidden.begin(), hidden.end());
    hiddenSumsValid_ = false;
}

int TSynTextAllFoldRanges::HiddenAbove(int Line) const
{
    if (collapsed_.empty())
        return 0;
    SumHiddenInView();
    return collapsedHidden_[CollapsedInViewFrom(Line)];
}

bool TSynTextAllFoldRanges::CollapsedStartsAt(int Line) const { return CollapsedIn(Line, Line) != nullptr; }

TSynTextFoldRange* TSynTextAllFoldRanges::CollapsedIn(int First, int Last) const
{
    if (collapsed_.empty())
        return nullptr;
    IndexCollapsedInView();
    const size_t at = CollapsedInViewFrom(First);
    return at < collapsedInView_.size() && collapsedInView_[at]->FromLine() <= Last ? collapsedInView_[at] : nullptr;
}

TSynTextFoldRange* TSynTextAllFoldRanges::CollapsedBefore(int Line) const
{
    if (collapsed_.empty())
        return nullptr;
    IndexCollapsedInView();
    const size_t at = CollapsedInViewFrom(Line);
    return at == 0 ? nullptr : collapsedInView_[at - 1];
}
