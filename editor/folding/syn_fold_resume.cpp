#include "editor/folding/syn_fold_resume.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <memory>
#include <utility>

namespace {

// How far ahead of the settle check's walk over the old ranges their
// memory is fetched.
constexpr size_t Lookahead = 8;

// Lines between two looks at the clock.
constexpr int ClockEvery = 64;

}  // namespace

TSynFoldResume::TSynFoldResume(TSynTextAllFoldRanges& Ranges, int FirstEdited, int LastEdited, int StopBy,
                               std::function<bool()> OutOfTime, const std::vector<TSynTextFoldRange*>* Known)
    : ranges_(Ranges), lastEdited_(LastEdited), stopBy_(StopBy), outOfTime_(std::move(OutOfTime))
{
    // The scan starts at the start of a line it once passed at rest.
    first_ = std::max(FirstEdited, 1);
    if (const TSynTextAllFoldRanges::TLineSpan* busy = ranges_.BusySpanAt(first_))
        first_ = busy->First - 1;

    // The ranges in view go by first lines; those a collapsed range hides
    // follow it, in other lines.
    const auto& all = ranges_.all_;
    firstIndex_ = ranges_.FirstInViewFrom(first_);
    if (Known && first_ == FirstEdited) {
        open_ = *Known;
    } else {
        // Back from the last range opened above first_: a range closed
        // above it was closed before any later range of its level opened,
        // so the ranges before it as deep as it or deeper were closed above
        // first_ too. A collapsed range counts as closed.
        int closed = INT_MAX;  // the least level of a range seen closed above first_
        for (size_t i = firstIndex_; i-- > 0 && closed > 0;) {
            TSynTextFoldRange* range = all[i];
            if (range->ParentCollapsed || range->FoldRangeLevel >= closed)
                continue;
            if (!range->Collapsed && range->ClosedAt() >= first_)
                open_.push_back(range);
            else
                closed = range->FoldRangeLevel;
        }
        std::reverse(open_.begin(), open_.end());
    }
    for (TSynTextFoldRange* range : open_)
        openBefore_.push_back({range, range->ToLine(), range->ClosedAt()});
    // A collapsed range in view is closed above where it ends in view; on
    // that line or the next it may still be open, as the text it hides
    // decides: no scan starts there. The collapsed ranges in view take
    // lines of their own, so only the last one above can reach that far.
    if (TSynTextFoldRange* above = ranges_.CollapsedBefore(first_); above && above->LastLineInView() + 1 >= first_)
        collapsedAbove_ = above;
    if (const TSynTextFoldRange* collapsed = ranges_.CollapsedIn(first_, INT_MAX))
        lastReadable_ = collapsed->FromLine() - 1;
}

bool TSynFoldResume::Start()
{
    if (collapsedAbove_)
        return false;
    for (TSynTextFoldRange* range : open_) {
        // The scan finds the sub-ranges from first_ on again, and where the
        // range ends.
        TSynTextFoldRanges& subs = range->SubFoldRanges;
        openTails_.push_back(subs.TakeFrom(subs.FirstFrom(first_)));
        range->SetToLine(range->FromLine());
        range->SetClosedAt(INT_MAX);
    }
    // The outermost ranges from first_ on stay in the list until the
    // splice puts those found in the place of those replaced.
    outerFirst_ = ranges_.FirstFrom(first_);
    found_.spare_ = std::move(ranges_.spare_);
    ranges_.spare_.clear();
    oldOpen_ = openBefore_;
    for (const TOld& old : oldOpen_)
        minClosed_ = std::min(minClosed_, old.ClosedAt);
    nextOld_ = firstIndex_;
    return true;
}

TSynFoldResume::~TSynFoldResume() = default;

bool TSynFoldResume::StopAt(int Line, const std::vector<TSynTextFoldRange*>& Open)
{
    // Settling comes first: a scan that ends early where it could have
    // settled leaves every line below to the next one.
    if (Line > lastEdited_ && Settles(Line, Open)) {
        stopLine_ = Line;
        stopOpen_ = Open;
        return true;
    }
    // A line whose start a look-ahead passed cannot start the next scan;
    // nor can a line of a block expanded for this one. A scan going on to
    // the end of the text ends on the first line of a collapsed block: the
    // next one reads the block from there.
    const bool held = holdFirst_ <= Line && Line <= holdLast_;
    const bool goingToTheEnd = lastEdited_ == INT_MAX && Line > lastReadable_;
    if ((Line >= stopBy_ || goingToTheEnd || (outOfTime_ && Line % ClockEvery == 0 && outOfTime_())) && !held &&
        !found_.BusyAt(Line)) {
        early_ = true;
        stopLine_ = Line;
        stopOpen_ = Open;
        return true;
    }
    return false;
}

bool TSynFoldResume::Settles(int Line, const std::vector<TSynTextFoldRange*>& Open)
{
    // The old state at Line: the ranges opened above it that were still
    // open at its start.
    const auto& all = ranges_.all_;
    for (; nextOld_ < all.size() && all[nextOld_]->FromLine() < Line; ++nextOld_) {
        // The ranges lie apart in memory; the next few are read soon.
        if (nextOld_ + Lookahead < all.size())
            __builtin_prefetch(all[nextOld_ + Lookahead]);
        TSynTextFoldRange* range = all[nextOld_];
        if (range->ClosedAt() >= Line) {
            oldOpen_.push_back({range, range->ToLine(), range->ClosedAt()});
            minClosed_ = std::min(minClosed_, range->ClosedAt());
        }
    }
    if (!oldOpen_.empty() && minClosed_ < Line) {
        std::erase_if(oldOpen_, [Line](const TOld& Old) { return Old.ClosedAt < Line; });
        minClosed_ = INT_MAX;
        for (const TOld& old : oldOpen_)
            minClosed_ = std::min(minClosed_, old.ClosedAt);
    }
    if (oldOpen_.size() != Open.size() || ranges_.BusyAt(Line))
        return false;
    for (size_t i = 0; i < Open.size(); ++i) {
        const TSynTextFoldRange* now = Open[i];
        const TSynTextFoldRange* old = oldOpen_[i].Range;
        // A range found again must stand for the old one: the ranges that
        // open inside it further down keep their levels.
        const bool same = now == old || (now->AllFoldRanges() == &found_ && old->FromLine() >= first_ &&
                                         now->FromLine() == old->FromLine() && now->FoldRegion() == old->FoldRegion() &&
                                         now->FoldRangeLevel == old->FoldRangeLevel && now->Indent == old->Indent);
        if (!same)
            return false;
    }
    return true;
}

void TSynFoldResume::Abandon()
{
    // The scan added its ranges to the open ones and closed some of them.
    for (size_t i = 0; i < openTails_.size(); ++i) {
        TSynTextFoldRange* range = open_[i];
        TSynTextFoldRanges& subs = range->SubFoldRanges;
        subs.TakeFrom(subs.FirstFrom(first_));
        subs.AppendFrom(openTails_[i], 0);
        range->SetToLine(openBefore_[i].ToLine);
        range->SetClosedAt(openBefore_[i].ClosedAt);
    }
    openTails_.clear();
    ranges_.spare_ = std::move(found_.spare_);
    found_.spare_.clear();
}

void TSynFoldResume::AppendFrom(const std::vector<TSynTextFoldRange*>& Tail, int Line, TSynTextFoldRanges& Into)
{
    const auto from = std::lower_bound(Tail.begin(), Tail.end(), Line,
                                       [](const TSynTextFoldRange* Range, int L) { return Range->FromLine() < L; });
    Into.AppendFrom(Tail, static_cast<size_t>(from - Tail.begin()));
}

void TSynFoldResume::Splice()
{
    auto& all = ranges_.all_;
    const bool stopped = stopLine_ > 0 && !early_;
    size_t end = stopped ? nextOld_ : all.size();
    if (early_) {
        // The old ranges from where the scan ended stay until a scan from
        // there replaces them; no range collapsed at or below the scan's
        // first line starts above that line.
        end = std::max(firstIndex_, nextOld_);
        while (end < all.size() && all[end]->FromLine() < stopLine_)
            ++end;
        for (TSynTextFoldRange* open : stopOpen_)
            open->SetToLine(std::max(open->FromLine(), stopLine_ - 1));
    }
    if (stopped) {
        // The ranges open where the scan stopped end where they ended
        // before, and keep their sub-ranges from there on.
        for (size_t i = 0; i < stopOpen_.size(); ++i) {
            TSynTextFoldRange* now = stopOpen_[i];
            const TOld& old = oldOpen_[i];
            const auto kept = std::find_if(openBefore_.begin(), openBefore_.end(),
                                           [now](const TOld& Before) { return Before.Range == now; });
            if (kept != openBefore_.end()) {
                now->SetToLine(kept->ToLine);
                now->SetClosedAt(kept->ClosedAt);
                AppendFrom(openTails_[static_cast<size_t>(kept - openBefore_.begin())], stopLine_,
                           now->SubFoldRanges);
            } else {
                now->SetToLine(old.ToLine);
                now->SetClosedAt(old.ClosedAt);
                const TSynTextFoldRanges& subs = old.Range->SubFoldRanges;
                now->SubFoldRanges.AppendFrom(subs, subs.FirstFrom(stopLine_));
            }
        }
    }
    // The flat list: the ranges above the scan, those it found, those
    // below where it stopped. The old ranges the scan replaced make the
    // next scan's ranges.
    ranges_.spare_ = std::move(found_.spare_);
    found_.spare_.clear();
    for (size_t i = firstIndex_; i < end; ++i)
        ranges_.spare_.emplace_back(all[i]);
    for (TSynTextFoldRange* range : found_.all_)
        ranges_.Adopt(range);
    const auto first = all.begin() + static_cast<std::ptrdiff_t>(firstIndex_);
    const size_t replaced = end - firstIndex_;
    const size_t common = std::min(replaced, found_.all_.size());
    std::copy(found_.all_.begin(), found_.all_.begin() + static_cast<std::ptrdiff_t>(common), first);
    if (replaced > common)
        all.erase(first + static_cast<std::ptrdiff_t>(common), first + static_cast<std::ptrdiff_t>(replaced));
    else
        all.insert(first + static_cast<std::ptrdiff_t>(common),
                   found_.all_.begin() + static_cast<std::ptrdiff_t>(common), found_.all_.end());
    found_.all_.clear();
    // The outermost ranges below where the scan stopped stay (below an
    // early end, until the next scan from there); those it replaced go.
    int outerEnd = ranges_.Count();
    if (stopLine_ > 0) {
        outerEnd = outerFirst_;
        while (outerEnd < ranges_.Count() && ranges_.Ranges(outerEnd)->FromLine() < stopLine_)
            ++outerEnd;
    }
    ranges_.Replace(outerFirst_, outerEnd - outerFirst_, found_);
    found_.Clear();

    std::vector<TSynTextAllFoldRanges::TLineSpan> busy = std::move(ranges_.busy_);
    ranges_.busy_.clear();
    for (const auto& span : busy)
        if (span.First < first_)
            ranges_.AddBusyLines(span.First, span.Last);
    for (const auto& span : found_.busy_)
        ranges_.AddBusyLines(span.First, span.Last);
    // Below where the scan settled the old busy lines stand; below an early
    // end they are lines of the old text.
    if (stopped)
        for (const auto& span : busy)
            if (span.First >= stopLine_)
                ranges_.AddBusyLines(span.First, span.Last);
    ranges_.Changed();
    ranges_.resumable_ = true;
}
