#include "editor/folding/syn_fold_resume.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <memory>
#include <unordered_map>
#include <utility>

namespace {

// How far ahead of the settle check's walk over the old ranges their
// memory is fetched.
constexpr size_t Lookahead = 8;

// Lines read between two looks at the clock.
constexpr int ClockEvery = 64;

}  // namespace

TSynFoldResume::TSynFoldResume(TSynTextAllFoldRanges& Ranges, int FirstEdited, int LastEdited, int StopBy,
                               std::function<bool()> OutOfTime, const TKnown* Known)
    : ranges_(Ranges), lastEdited_(LastEdited), stopBy_(StopBy), outOfTime_(std::move(OutOfTime))
{
    // After an edit the scan starts at the start of a line it once passed
    // at rest, and not inside a collapsed block: it reads the block from its
    // first line, so that it finds the block whole.
    first_ = std::max(FirstEdited, 1);
    const auto& all = ranges_.all_;
    for (;;) {
        while (!Known) {
            if (const TSynTextAllFoldRanges::TLineSpan* busy = ranges_.BusySpanAt(first_))
                first_ = busy->First - 1;
            else if (const TSynTextFoldRange* block = ranges_.CollapsedSpanning(first_))
                first_ = block->RealFromLine();
            else
                break;
        }
        firstIndex_ = ranges_.FirstFromReal(first_);
        if (Known) {
            open_ = Known->Open;
            inSkip_ = Known->InSkip;
            break;
        }
        // Back from the last range opened above first_: a range closed
        // above it was closed before any later range of its level opened,
        // so the ranges before it as deep as it or deeper were closed above
        // first_ too.
        int closed = INT_MAX;  // the least level of a range seen closed above first_
        for (size_t i = firstIndex_; i-- > 0 && closed > 0;) {
            TSynTextFoldRange* range = all[i];
            if (range->FoldRangeLevel >= closed)
                continue;
            if (range->ClosedAt() >= first_)
                open_.push_back(range);
            else
                closed = range->FoldRangeLevel;
        }
        std::reverse(open_.begin(), open_.end());
        // A block collapsed inside one in view may reach below that one's
        // last line: the scan reads it from its first line too.
        const auto hidden = std::find_if(open_.begin(), open_.end(),
                                         [](const TSynTextFoldRange* Range) { return Range->Collapsed; });
        if (hidden == open_.end())
            break;
        first_ = (*hidden)->RealFromLine();
        open_.clear();
    }
    for (TSynTextFoldRange* range : open_)
        openBefore_.push_back({range, range->RealToLine(), range->ClosedAt()});
}

void TSynFoldResume::Start()
{
    for (TSynTextFoldRange* range : open_) {
        // The scan finds the sub-ranges from first_ on again, and where the
        // range ends.
        TSynTextFoldRanges& subs = range->SubFoldRanges;
        openTails_.push_back(subs.TakeFrom(subs.FirstFrom(first_)));
        range->SetRealToLine(range->RealFromLine());
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
    lastAsked_ = first_;
}

TSynFoldResume::~TSynFoldResume() = default;

bool TSynFoldResume::StopAt(int Line, const std::vector<TSynTextFoldRange*>& Open, int InSkip)
{
    // Settling comes first: a scan that ends early where it could have
    // settled leaves every line below to the next one.
    if (InSkip < 0 && Line > lastEdited_ && Settles(Line, Open)) {
        stopLine_ = Line;
        stop_.Open = Open;
        return true;
    }
    // The next scan goes on from where this one ends, in a skip region
    // too; but a line a collapsed block holds is read with the block, and
    // while a range found on a collapsed block's first line is open, where
    // it ends still tells whether the block was found again.
    if ((Line >= stopBy_ || TimeIsUp(Line)) && !ranges_.CollapsedSpanning(Line) && !HoldsCollapsedHead(Open)) {
        early_ = true;
        stopLine_ = Line;
        stop_ = {Open, InSkip};
        return true;
    }
    return false;
}

bool TSynFoldResume::TimeIsUp(int Line)
{
    // The clock is read after every so many lines the scan passed, whatever
    // their numbers, and once the time is up it stays up until the scan
    // comes to a line it may end on: a layout that puts every line the
    // clock was read on inside a collapsed block would never end a slice.
    if (!outOfTime_ || timeUp_)
        return timeUp_;
    passedSinceClock_ += std::max(Line - lastAsked_, 1);
    lastAsked_ = Line;
    if (passedSinceClock_ < ClockEvery)
        return false;
    passedSinceClock_ = 0;
    timeUp_ = outOfTime_();
    return timeUp_;
}

bool TSynFoldResume::HoldsCollapsedHead(const std::vector<TSynTextFoldRange*>& Open) const
{
    if (!ranges_.HasCollapsed())
        return false;
    // A block collapsed inside one in view counts too: it may reach past
    // the last line of the block around it.
    const auto& all = ranges_.all_;
    for (const TSynTextFoldRange* range : Open) {
        if (range->AllFoldRanges() != &found_)
            continue;
        const int head = range->RealFromLine();
        for (size_t i = ranges_.FirstFromReal(head); i < all.size() && all[i]->RealFromLine() == head; ++i)
            if (all[i]->Collapsed)
                return true;
    }
    return false;
}

bool TSynFoldResume::Settles(int Line, const std::vector<TSynTextFoldRange*>& Open)
{
    // The old state at Line: the ranges opened above it that were still
    // open at its start.
    const auto& all = ranges_.all_;
    for (; nextOld_ < all.size() && all[nextOld_]->RealFromLine() < Line; ++nextOld_) {
        // The ranges lie apart in memory; the next few are read soon.
        if (nextOld_ + Lookahead < all.size())
            __builtin_prefetch(all[nextOld_ + Lookahead]);
        TSynTextFoldRange* range = all[nextOld_];
        if (range->ClosedAt() >= Line) {
            oldOpen_.push_back({range, range->RealToLine(), range->ClosedAt()});
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
        const bool same = now == old || (now->AllFoldRanges() == &found_ && old->RealFromLine() >= first_ &&
                                         now->RealFromLine() == old->RealFromLine() &&
                                         now->FoldRegion() == old->FoldRegion() &&
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
        range->SetRealToLine(openBefore_[i].ToLine);
        range->SetClosedAt(openBefore_[i].ClosedAt);
    }
    openTails_.clear();
    ranges_.spare_ = std::move(found_.spare_);
    found_.spare_.clear();
}

void TSynFoldResume::AppendFrom(const std::vector<TSynTextFoldRange*>& Tail, int Line, TSynTextFoldRanges& Into)
{
    const auto from = std::lower_bound(Tail.begin(), Tail.end(), Line,
                                       [](const TSynTextFoldRange* Range, int L) { return Range->RealFromLine() < L; });
    Into.AppendFrom(Tail, static_cast<size_t>(from - Tail.begin()));
}

std::vector<TSynTextFoldRange*> TSynFoldResume::KeepCollapsed(size_t From, size_t End)
{
    const auto& all = ranges_.all_;
    const auto alike = [](const TSynTextFoldRange* A, const TSynTextFoldRange* B) {
        return A->RealFromLine() == B->RealFromLine() && A->FoldRegion() == B->FoldRegion() &&
               A->RealToLine() == B->RealToLine();
    };
    // Each collapsed range, with how many ranges before it open on its line
    // with its region and close on its last line: ranges alike nest (a
    // brace inside a brace opened on the same line and both closed on one
    // line), and each is found again as the one in the same place among
    // those alike, not as the first of them.
    std::vector<TSynTextFoldRange*> old;
    std::vector<size_t> alikeBefore;
    for (size_t i = From; i < End; ++i) {
        if (!all[i]->Collapsed)
            continue;
        size_t before = 0;
        for (size_t j = i; j-- > From && all[j]->RealFromLine() == all[i]->RealFromLine();)
            before += alike(all[j], all[i]) ? 1 : 0;
        old.push_back(all[i]);
        alikeBefore.push_back(before);
    }
    if (old.empty())
        return {};
    // Both lists go by first lines.
    const auto& found = found_.all_;
    std::vector<TSynTextFoldRange*> again(old.size(), nullptr);
    size_t f = 0;
    for (size_t k = 0; k < old.size(); ++k) {
        const TSynTextFoldRange* range = old[k];
        while (f < found.size() && found[f]->RealFromLine() < range->RealFromLine())
            ++f;
        size_t before = alikeBefore[k];
        for (size_t g = f; g < found.size() && found[g]->RealFromLine() == range->RealFromLine() && !again[k]; ++g)
            if (alike(found[g], range) && before-- == 0)
                again[k] = found[g];
    }
    // A block holding one not found again is read anew as a whole: its
    // hidden lines go back to the buffer with it.
    std::vector<bool> keep(old.size());
    std::vector<size_t> around;  // the collapsed ranges holding the current one
    for (size_t k = 0; k < old.size(); ++k) {
        while (!around.empty() && (old[around.back()]->RealToLine() < old[k]->RealFromLine() ||
                                   old[around.back()]->FoldRangeLevel >= old[k]->FoldRangeLevel))
            around.pop_back();
        keep[k] = again[k] != nullptr;
        if (!keep[k])
            for (const size_t a : around)
                keep[a] = false;
        around.push_back(k);
    }
    KeepInViewBeyondHiders(again, keep);
    std::vector<TSynTextFoldRange*> lost;
    for (size_t k = 0; k < old.size(); ++k) {
        if (keep[k])
            ranges_.MoveCollapse(old[k], again[k]);
        else
            lost.push_back(old[k]);
    }
    ranges_.UncountCollapsed(lost);
    for (size_t k = 0; k < old.size(); ++k)
        if (keep[k])
            TSynTextAllFoldRanges::HideInside(again[k], again[k]->FoldRangeLevel);
    return lost;
}

void TSynFoldResume::KeepInViewBeyondHiders(const std::vector<TSynTextFoldRange*>& Again,
                                            std::vector<bool>& Keep) const
{
    std::unordered_map<const TSynTextFoldRange*, size_t> kept;
    for (size_t k = 0; k < Again.size(); ++k)
        if (Keep[k])
            kept.emplace(Again[k], k);
    if (kept.empty())
        return;
    // The ranges found, each with the last line of the collapsed block
    // nearest around it (INT_MAX: none); the found ones inside a range
    // open where the scan started follow its sub-ranges from there.
    std::vector<std::pair<const TSynTextFoldRange*, int>> pending;
    for (int i = 0; i < found_.Count(); ++i)
        pending.emplace_back(found_.Ranges(i), INT_MAX);
    int last = INT_MAX;
    for (const TSynTextFoldRange* range : open_) {
        if (range->Collapsed)
            last = std::min(last, range->RealToLine());
        else if (range->ParentCollapsed)
            last = std::min(last, HiderOf(*range).RealToLine());
        const TSynTextFoldRanges& subs = range->SubFoldRanges;
        for (int i = subs.FirstFrom(first_);
             i < subs.Count() && (stopLine_ == 0 || subs.Ranges(i)->RealFromLine() < stopLine_); ++i)
            pending.emplace_back(subs.Ranges(i), last);
    }
    while (!pending.empty()) {
        auto [range, hiderLast] = pending.back();
        pending.pop_back();
        if (const auto at = kept.find(range); at != kept.end()) {
            if (range->RealFromLine() > hiderLast)
                Keep[at->second] = false;
            else
                hiderLast = range->RealToLine();
        }
        for (int i = 0; i < range->SubFoldRanges.Count(); ++i)
            pending.emplace_back(range->SubFoldRanges.Ranges(i), hiderLast);
    }
}

const TSynTextFoldRange& TSynFoldResume::HiderOf(const TSynTextFoldRange& Range) const
{
    // Range is open at first_: the ranges between it and first_ in the
    // flat list lie inside it, and the last one before first_ as deep as
    // the collapsed block around it is that block.
    size_t i = firstIndex_ - 1;
    while (ranges_.all_[i]->FoldRangeLevel != Range.CollapsedBy)
        --i;
    return *ranges_.all_[i];
}

std::vector<std::unique_ptr<TSynTextFoldRange>> TSynFoldResume::Splice()
{
    auto& all = ranges_.all_;
    const bool stopped = stopLine_ > 0 && !early_;
    size_t end = stopped ? nextOld_ : all.size();
    if (early_) {
        // The old ranges from where the scan ended stay until a scan from
        // there replaces them.
        end = std::max(firstIndex_, nextOld_);
        while (end < all.size() && all[end]->RealFromLine() < stopLine_)
            ++end;
        for (TSynTextFoldRange* open : stop_.Open)
            open->SetRealToLine(std::max(open->RealFromLine(), stopLine_ - 1));
    }
    // Found ranges that took the sub-ranges of an old one hidden then.
    std::vector<TSynTextFoldRange*> tookHidden;
    if (stopped) {
        // The ranges open where the scan stopped end where they ended
        // before, and keep their sub-ranges from there on.
        for (size_t i = 0; i < stop_.Open.size(); ++i) {
            TSynTextFoldRange* now = stop_.Open[i];
            const TOld& old = oldOpen_[i];
            const auto kept = std::find_if(openBefore_.begin(), openBefore_.end(),
                                           [now](const TOld& Before) { return Before.Range == now; });
            if (kept != openBefore_.end()) {
                now->SetRealToLine(kept->ToLine);
                now->SetClosedAt(kept->ClosedAt);
                AppendFrom(openTails_[static_cast<size_t>(kept - openBefore_.begin())], stopLine_,
                           now->SubFoldRanges);
            } else {
                now->SetRealToLine(old.ToLine);
                now->SetClosedAt(old.ClosedAt);
                const TSynTextFoldRanges& subs = old.Range->SubFoldRanges;
                now->SubFoldRanges.AppendFrom(subs, subs.FirstFrom(stopLine_));
                if (old.Range->Collapsed || old.Range->ParentCollapsed)
                    tookHidden.push_back(now);
            }
        }
    }
    const std::vector<TSynTextFoldRange*> lost = KeepCollapsed(firstIndex_, end);
    // The scan went on with a range a collapsed block hides that it left
    // open past the block: what it found inside is hidden with it.
    for (TSynTextFoldRange* range : open_) {
        if (!range->ParentCollapsed)
            continue;
        TSynTextFoldRanges& subs = range->SubFoldRanges;
        for (int i = subs.FirstFrom(first_); i < subs.Count(); ++i) {
            subs.Ranges(i)->ParentCollapsed = true;
            subs.Ranges(i)->CollapsedBy = range->CollapsedBy;
            TSynTextAllFoldRanges::HideInside(subs.Ranges(i), range->CollapsedBy);
        }
    }
    // The sub-ranges below where the scan stopped that a block it found
    // otherwise hid come into view with that block's lines.
    for (TSynTextFoldRange* range : tookHidden) {
        if (!range->Collapsed && !range->ParentCollapsed) {
            TSynTextAllFoldRanges::ShowInside(range);
            ranges_.inViewValid_ = false;
        }
    }
    // The flat list: the ranges above the scan, those it found, those
    // below where it stopped. The old ranges the scan replaced make the
    // next scan's ranges, but for the collapsed ones handed back.
    std::vector<std::unique_ptr<TSynTextFoldRange>> handed;
    ranges_.spare_ = std::move(found_.spare_);
    found_.spare_.clear();
    for (size_t i = firstIndex_, next = 0; i < end; ++i) {
        if (next < lost.size() && all[i] == lost[next]) {
            // The ranges it hid below an early end stay until the next scan
            // from there: they come into view with its lines.
            if (early_) {
                // Collapsed ones among them join the index.
                if (!TSynTextAllFoldRanges::CollapsedJustInside(all[i]).empty())
                    ranges_.inViewValid_ = false;
                TSynTextAllFoldRanges::ShowInside(all[i]);
            }
            handed.emplace_back(all[i]);
            handed.back()->SubFoldRanges.Clear();
            TSynTextAllFoldRanges::Detach(all[i]);
            ++next;
        } else {
            ranges_.spare_.emplace_back(all[i]);
        }
    }
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
        while (outerEnd < ranges_.Count() && ranges_.Ranges(outerEnd)->RealFromLine() < stopLine_)
            ++outerEnd;
    }
    ranges_.Replace(outerFirst_, outerEnd - outerFirst_, found_);
    found_.Clear();

    // A scan going on where the last one ended early starts in its busy
    // lines, some of them those a look-ahead above left. Below where the
    // scan settled the old busy lines stand; below an early end they are
    // lines of the old text.
    ranges_.ReplaceBusyLines(first_, stopped ? stopLine_ : INT_MAX, found_.busy_);
    ranges_.Changed();
    ranges_.resumable_ = true;
    return handed;
}
