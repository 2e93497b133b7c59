// What the ranges in view tell of some lines: which hold a line, which
// reach into the painted lines, and the collapsed ones with the lines they
// hide, by which buffer lines and real lines are told apart. The ranges in
// view go by first lines in the flat list; the ranges a collapsed one hides
// follow it there and are passed over.
#include <algorithm>
#include <climits>
#include <unordered_set>
#include <utility>

#include "editor/folding/syn_fold_ranges.h"

namespace {

TSynTextAllFoldRanges::TEntry EntryOf(TSynTextFoldRange* Range, int Hidden)
{
    return {Range->FromLine(), Range->ToLine(), Range->FoldRangeLevel, Hidden, Range->Collapsed, Range};
}

}  // namespace

// --- The ranges in view ---

namespace {

// The first index from 0 to Count whose key is Line or more, keys rising
// along the index: searched out from Guess in steps that double, so that an
// answer near the last one costs a few looks whatever the count.
template <typename TKey>
size_t FirstAtOrAbove(size_t Count, int Line, size_t Guess, const TKey& Key)
{
    size_t low = 0;       // the keys before low are below Line
    size_t high = Count;  // those from high on are Line or more
    Guess = std::min(Guess, Count);
    if (Guess < Count && Key(Guess) < Line) {
        low = Guess + 1;
        for (size_t step = 1; low + step - 1 < Count; step *= 2) {
            const size_t probe = low + step - 1;
            if (Key(probe) >= Line) {
                high = probe;
                break;
            }
            low = probe + 1;
        }
    } else {
        high = Guess;
        for (size_t step = 1; step <= high; step *= 2) {
            const size_t probe = high - step;
            if (Key(probe) < Line) {
                low = probe + 1;
                break;
            }
            high = probe;
        }
    }
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        if (Key(middle) < Line)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

}  // namespace

size_t TSynTextAllFoldRanges::FirstFromReal(int Line) const
{
    lastFromReal_ = FirstAtOrAbove(all_.size(), Line, lastFromReal_,
                                   [this](size_t At) { return all_[At]->RealFromLine(); });
    return lastFromReal_;
}

size_t TSynTextAllFoldRanges::FirstInViewFrom(int Line) const
{
    size_t at = FirstFromReal(RealLineNumber(Line));
    while (at < all_.size() && all_[at]->ParentCollapsed)
        ++at;
    return at;
}

TSynTextFoldRange* TSynTextAllFoldRanges::FirstStartingAt(int Line) const
{
    const size_t at = FirstInViewFrom(Line);
    return at < all_.size() && all_[at]->RealFromLine() == RealLineNumber(Line) ? all_[at] : nullptr;
}

TSynTextFoldRange* TSynTextAllFoldRanges::FirstEndingAt(int Line) const
{
    for (TSynTextFoldRange* range : Holding(Line))
        if (!range->Collapsed && range->ToLine() == Line)
            return range;
    return nullptr;
}

std::vector<TSynTextFoldRange*> TSynTextAllFoldRanges::Holding(int Line) const
{
    // Back from the last range starting on or above Line: a range that
    // ends above it ended before any later range of its level opened, so
    // the ranges before it as deep as it or deeper end above Line too.
    std::vector<TSynTextFoldRange*> found;
    const int line = Line == INT_MAX ? INT_MAX : RealLineNumber(Line);
    int ended = INT_MAX;  // the least level of a range seen ending above Line
    for (size_t i = line == INT_MAX ? all_.size() : FirstFromReal(line + 1); i-- > 0 && ended > 0;) {
        TSynTextFoldRange* range = all_[i];
        if (range->ParentCollapsed || range->FoldRangeLevel >= ended)
            continue;
        if (range->RealToLine() >= line)
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
    const int first = RealLineNumber(First);
    const int last = RealLineNumber(Last);
    for (TSynTextFoldRange* range : Holding(First))
        if (range->RealFromLine() < first)
            entries.push_back(EntryOf(range, range->Collapsed ? HiddenLineCount(range) : 0));
    for (size_t i = FirstFromReal(first); i < all_.size(); ++i) {
        TSynTextFoldRange* range = all_[i];
        if (range->ParentCollapsed)
            continue;
        if (range->RealFromLine() > last)
            break;
        entries.push_back(EntryOf(range, range->Collapsed ? HiddenLineCount(range) : 0));
    }
    return entries;
}

int TSynTextFoldRange::LastLineInView() const
{
    const TSynTextAllFoldRanges* list = AllFoldRanges();
    if (!Collapsed || ParentCollapsed || !list)
        return ToLine();
    // One line more than its first when its last line stays in view.
    return FromLine() + RealToLine() - RealFromLine() - list->HiddenLineCount(this);
}

// --- Buffer lines and real lines ---

int TSynTextAllFoldRanges::HiddenAbove(int Line) const
{
    if (collapsed_.empty())
        return 0;
    SumHiddenInView();
    return collapsedHidden_[CollapsedInViewFromShown(Line)];
}

int TSynTextAllFoldRanges::BufferLineOf(int Line) const
{
    if (collapsed_.empty())
        return Line;
    SumHiddenInView();
    const size_t at = CollapsedInViewFrom(Line);
    if (at > 0 && Line <= collapsedInView_[at - 1]->RealFromLine() + hiddenEach_[at - 1])
        return collapsedInView_[at - 1]->RealFromLine() - collapsedHidden_[at - 1];
    return Line - collapsedHidden_[at];
}

int TSynTextAllFoldRanges::LastRealLineOf(int Line) const
{
    const int line = RealLineNumber(Line);
    if (collapsed_.empty())
        return line;
    const size_t at = CollapsedInViewFrom(line);
    return at < collapsedInView_.size() && collapsedInView_[at]->RealFromLine() == line ? line + hiddenEach_[at]
                                                                                          : line;
}

TSynTextFoldRange* TSynTextAllFoldRanges::CollapsedSpanning(int Line) const
{
    if (collapsed_.empty())
        return nullptr;
    IndexCollapsedInView();
    const size_t at = CollapsedInViewFrom(Line);
    if (at == 0)
        return nullptr;
    TSynTextFoldRange* block = collapsedInView_[at - 1];
    const int closedAt = block->ClosedAt();
    return Line <= std::max(block->RealToLine(), closedAt == INT_MAX ? 0 : closedAt) ? block : nullptr;
}

size_t TSynTextAllFoldRanges::CollapsedHolding(const TSynTextFoldRange& Range) const
{
    const int line = Range.RealFromLine();
    size_t at = CollapsedInViewFrom(line + 1);
    if (at == 0)
        return 0;
    --at;
    // A range hidden on the last line of a collapsed block that stays in
    // view starts where the next block may start: it is that block's only
    // when it lies in its tree.
    const TSynTextFoldRange* head = collapsedInView_[at];
    if (Range.Collapsed && !Range.ParentCollapsed)
        return at;
    if (head->RealFromLine() == line && at > 0) {
        std::vector<const TSynTextFoldRange*> pending{head};
        while (!pending.empty()) {
            const TSynTextFoldRange* range = pending.back();
            pending.pop_back();
            if (range == &Range)
                return at;
            for (int i = 0; i < range->SubFoldRanges.Count() && range->SubFoldRanges.Ranges(i)->RealFromLine() == line;
                 ++i)
                pending.push_back(range->SubFoldRanges.Ranges(i));
        }
        return at - 1;
    }
    return at;
}

int TSynTextAllFoldRanges::ShownLine(const TSynTextFoldRange& Range, int Line) const
{
    if (!Range.Collapsed && !Range.ParentCollapsed)
        return BufferLineOf(Line);
    SumHiddenInView();
    return collapsedInView_.empty() ? Line : Line - collapsedHidden_[CollapsedHolding(Range)];
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

void TSynTextAllFoldRanges::UncountCollapsed(const std::vector<TSynTextFoldRange*>& Ranges)
{
    // A scan that finds thousands of blocks otherwise would have the
    // thousands left sorted again. Where collapsed blocks nest, one going
    // may bring another into view: the index is made anew then.
    for (TSynTextFoldRange* range : Ranges)
        collapsed_.erase(range);
    if (!inViewValid_ || Ranges.empty())
        return;
    const std::unordered_set<const TSynTextFoldRange*> gone(Ranges.begin(), Ranges.end());
    size_t kept = 0;
    for (size_t i = 0; i < collapsedInView_.size(); ++i) {
        if (gone.count(collapsedInView_[i]))
            continue;
        collapsedInView_[kept] = collapsedInView_[i];
        hiddenEach_[kept] = hiddenEach_[i];
        ++kept;
    }
    collapsedInView_.resize(kept);
    hiddenEach_.resize(kept);
    hiddenSumsValid_ = false;
    if (kept != collapsed_.size() || collapsed_.empty())
        UncountCollapsed(Ranges.front());
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
            heads.emplace_back(range->RealFromLine(), range);
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
    IndexCollapsedInView();
    return static_cast<size_t>(std::lower_bound(collapsedInView_.begin(), collapsedInView_.end(), Line,
                                                [](const TSynTextFoldRange* Range, int L) {
                                                    return Range->RealFromLine() < L;
                                                }) -
                               collapsedInView_.begin());
}

size_t TSynTextAllFoldRanges::CollapsedInViewFromShown(int Line) const
{
    // A block's first line in the buffer is its real line less the lines
    // the blocks before it hide, which rises along the index.
    SumHiddenInView();
    lastInViewFromShown_ =
        FirstAtOrAbove(collapsedInView_.size(), Line, lastInViewFromShown_,
                       [this](size_t At) { return collapsedInView_[At]->RealFromLine() - collapsedHidden_[At]; });
    return lastInViewFromShown_;
}

TSynTextFoldRange* TSynTextAllFoldRanges::CollapsedIn(int First, int Last) const
{
    if (collapsed_.empty())
        return nullptr;
    const size_t at = CollapsedInViewFromShown(First);
    return at < collapsedInView_.size() && collapsedInView_[at]->RealFromLine() - collapsedHidden_[at] <= Last
               ? collapsedInView_[at]
               : nullptr;
}

TSynTextFoldRange* TSynTextAllFoldRanges::NextCollapsed(int Line, int& Head, int& Hidden) const
{
    if (collapsed_.empty())
        return nullptr;
    const size_t at = CollapsedInViewFromShown(Line);
    if (at == collapsedInView_.size())
        return nullptr;
    Head = collapsedInView_[at]->RealFromLine() - collapsedHidden_[at];
    Hidden = hiddenEach_[at];
    return collapsedInView_[at];
}

void TSynTextAllFoldRanges::IndexCollapse(TSynTextFoldRange* Range)
{
    if (!inViewValid_)
        return;
    // It takes the place of the collapsed ranges it now hides: they start
    // on its lines, and nothing in view starts among them.
    const size_t at = CollapsedInViewFrom(Range->RealFromLine());
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
    const size_t at = CollapsedInViewFrom(Range->RealFromLine());
    if (at == collapsedInView_.size() || collapsedInView_[at] != Range) {
        inViewValid_ = false;
        return;
    }
    // The collapsed ranges it hid that no other hid: their first lines are
    // among its lines.
    const std::vector<TSynTextFoldRange*> inside = CollapsedJustInside(Range);
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

void TSynTextAllFoldRanges::MoveCollapse(TSynTextFoldRange* From, TSynTextFoldRange* To)
{
    // The region is the same: the data takes To's place of it.
    To->regionOrData_ = From->regionOrData_;
    From->regionOrData_ = reinterpret_cast<uintptr_t>(To->CollapsedData()->Region);
    To->Collapsed = true;
    From->Collapsed = false;
    collapsed_.erase(From);
    collapsed_.insert(To);
    if (inViewValid_ && !From->ParentCollapsed) {
        const size_t at = CollapsedInViewFrom(From->RealFromLine());
        if (at < collapsedInView_.size() && collapsedInView_[at] == From)
            collapsedInView_[at] = To;
        else
            inViewValid_ = false;
    }
}

void TSynTextAllFoldRanges::HideInside(TSynTextFoldRange* Range, int Level)
{
    // Without recursion: hostile nesting goes deeper than a stack. Each
    // range goes with the level of the nearest collapsed range around it.
    std::vector<std::pair<TSynTextFoldRange*, int>> pending{{Range, Range->Collapsed ? Range->FoldRangeLevel : Level}};
    while (!pending.empty()) {
        const auto [range, level] = pending.back();
        pending.pop_back();
        for (int i = 0; i < range->SubFoldRanges.Count(); ++i) {
            TSynTextFoldRange* sub = range->SubFoldRanges.Ranges(i);
            sub->ParentCollapsed = true;
            sub->CollapsedBy = level;
            pending.emplace_back(sub, sub->Collapsed ? sub->FoldRangeLevel : level);
        }
    }
}

void TSynTextAllFoldRanges::ShowInside(TSynTextFoldRange* Range)
{
    for (int i = 0; i < Range->SubFoldRanges.Count(); ++i) {
        TSynTextFoldRange* sub = Range->SubFoldRanges.Ranges(i);
        sub->ParentCollapsed = false;
        sub->CollapsedBy = -1;
        if (!sub->Collapsed)
            ShowInside(sub);
    }
}
