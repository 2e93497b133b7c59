// Line shifts kept for the fold ranges to take when they are next read.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "editor/folding/syn_fold_inserted_lines.h"
#include "editor/folding/syn_fold_ranges.h"

namespace {

// Enough for a burst of line edits; reading a range walks at most these.
constexpr size_t kMostShiftsKept = 64;

}  // namespace

void TSynTextAllFoldRanges::Shift(const TLineShift& By, int& FromLine, int& ToLine, int& ClosedAt)
{
    const int first = By.FirstLine;
    if (By.Count > 0) {
        if (FromLine >= first)
            FromLine += By.Count;
        if (ToLine >= first)
            ToLine += By.Count;
        if (ClosedAt != INT_MAX && ClosedAt >= first)
            ClosedAt += By.Count;
        return;
    }
    const int count = -By.Count;
    const int last = first + count - 1;
    if (FromLine > last) {
        FromLine -= count;
        ToLine -= count;
        if (ClosedAt != INT_MAX)
            ClosedAt -= count;
    } else if (FromLine >= first) {
        // The line after the deleted ones takes their place; after the
        // last line the range ends up on the line now last.
        ToLine = ToLine > last ? ToLine - count : By.At;
        FromLine = By.At;
        if (ClosedAt != INT_MAX)
            ClosedAt = std::max(By.At, ClosedAt > last ? ClosedAt - count : By.At);
    } else {
        if (ToLine >= first)
            ToLine = ToLine > last ? ToLine - count : std::max(FromLine, first - 1);
        if (ClosedAt != INT_MAX && ClosedAt >= first)
            ClosedAt = ClosedAt > last ? ClosedAt - count : first;
    }
}

void TSynTextAllFoldRanges::ShiftCollapsed(const TLineShift& By, int Hidden, int& FromLine, int& ToLine,
                                           int& ClosedAt)
{
    // Its block takes one or two lines of the buffer, from its first line
    // to the line its block ends on in view; it keeps the extent it has
    // expanded, and closes where it ends.
    const int first = By.FirstLine;
    int delta = 0;
    if (FromLine >= first) {
        delta = By.Count;
        FromLine += delta;
    } else if (const int endInView = ToLine - Hidden; endInView >= first) {
        const int last = first - By.Count - 1;
        delta = By.Count > 0 ? By.Count
                             : (endInView > last ? endInView + By.Count : std::max(FromLine, first - 1)) - endInView;
    }
    ToLine += delta;
    if (ClosedAt != INT_MAX)
        ClosedAt += delta;
}

void TSynTextAllFoldRanges::CatchUp(const TSynTextFoldRange& Range) const
{
    if (Range.ParentCollapsed) {
        // It goes with the first line of the collapsed range in view that
        // hides it.
        FollowCollapsedHeads();
        return;
    }
    const uint32_t firstKept = shiftsDone_ - static_cast<uint32_t>(shifts_.size());
    const uint32_t from = Range.shiftStamp_ == TSynTextFoldRange::kHidden ? shiftsDone_ : Range.shiftStamp_;
    if (Range.Collapsed) {
        const int hidden = Range.CollapsedLineCount();
        for (uint32_t n = std::max(from, firstKept); n < shiftsDone_; ++n)
            ShiftCollapsed(shifts_[n - firstKept], hidden, Range.fromLine_, Range.toLine_, Range.closedAt_);
    } else {
        for (uint32_t n = std::max(from, firstKept); n < shiftsDone_; ++n)
            Shift(shifts_[n - firstKept], Range.fromLine_, Range.toLine_, Range.closedAt_);
    }
    Range.shiftStamp_ = shiftsDone_;
}

void TSynTextAllFoldRanges::FollowCollapsedHeads() const
{
    if (!headsMoved_)
        return;
    headsMoved_ = false;
    IndexCollapsedInView();
    for (const TSynTextFoldRange* range : collapsedInView_)
        FollowCollapsedHead(range);
}

void TSynTextAllFoldRanges::FollowCollapsedHead(const TSynTextFoldRange* Range) const
{
    const TSynTextFoldRange::TCollapsedData* data = Range->CollapsedData();
    const int delta = data ? Range->FromLine() - data->HiddenAt : 0;
    if (delta == 0)
        return;
    data->HiddenAt += delta;
    for (int i = 0; i < Range->SubFoldRanges.Count(); ++i)
        MoveTree(Range->SubFoldRanges.Ranges(i), delta);
}

void TSynTextAllFoldRanges::MoveTree(TSynTextFoldRange* Range, int Delta)
{
    // Without recursion: hostile nesting goes deeper than a stack.
    std::vector<TSynTextFoldRange*> pending{Range};
    while (!pending.empty()) {
        TSynTextFoldRange* range = pending.back();
        pending.pop_back();
        range->fromLine_ += Delta;
        range->toLine_ += Delta;
        if (range->closedAt_ != INT_MAX)
            range->closedAt_ += Delta;
        if (const TSynTextFoldRange::TCollapsedData* data = range->CollapsedData())
            data->HiddenAt += Delta;
        for (int i = 0; i < range->SubFoldRanges.Count(); ++i)
            pending.push_back(range->SubFoldRanges.Ranges(i));
    }
}

void TSynTextAllFoldRanges::SettleShifts() { SettleSomeShifts(SIZE_MAX); }

bool TSynTextAllFoldRanges::SettleSomeShifts(size_t Most)
{
    if (shifts_.empty())
        return true;
    // A range put in or taken out of the list moves those after it, and a
    // shift kept since reaches the ranges already passed: start again.
    if (settleGeneration_ != generation_ || settleShifts_ != shiftsDone_) {
        settledUpTo_ = 0;
        settleGeneration_ = generation_;
        settleShifts_ = shiftsDone_;
    }
    const size_t from = std::min(settledUpTo_, all_.size());
    const size_t end = from + std::min(Most, all_.size() - from);
    // Lines inserted only, as expanding block after block keeps: a range
    // that took none of them takes them all at once.
    const TSynFoldInsertedLines inserted(shifts_);
    const uint32_t firstKept = shiftsDone_ - static_cast<uint32_t>(shifts_.size());
    for (size_t i = from; i < end; ++i) {
        const TSynTextFoldRange& range = *all_[i];
        // A hidden range takes no shift: it follows its collapsed range.
        if (range.ParentCollapsed)
            continue;
        if (inserted.Valid() && range.shiftStamp_ <= firstKept) {
            // A collapsed range moves by where its block ends in view.
            const int hidden = range.CollapsedLineCount();
            const int toLine = inserted.Follow(range.toLine_ - hidden) + hidden;
            if (range.closedAt_ != INT_MAX)
                range.closedAt_ = range.Collapsed ? range.closedAt_ + toLine - range.toLine_
                                                  : inserted.Follow(range.closedAt_);
            range.fromLine_ = inserted.Follow(range.fromLine_);
            range.toLine_ = toLine;
            range.shiftStamp_ = shiftsDone_;
        } else {
            range.CatchUp();
        }
    }
    settledUpTo_ = end;
    if (end < all_.size())
        return false;
    shifts_.clear();
    return true;
}

void TSynTextAllFoldRanges::KeepShift(const TLineShift& By)
{
    if (all_.empty())
        return;  // a range made later stands on the lines as they are then
    if (shifts_.size() >= kMostShiftsKept || shiftsDone_ == TSynTextFoldRange::kHidden - 1)
        SettleShifts();
    if (shiftsDone_ == TSynTextFoldRange::kHidden - 1) {
        // The numbers start again once every range has taken every shift.
        for (const TSynTextFoldRange* range : all_)
            if (range->shiftStamp_ != TSynTextFoldRange::kHidden)
                range->shiftStamp_ = 0;
        shiftsDone_ = 0;
    }
    shifts_.push_back(By);
    ++shiftsDone_;
    if (!collapsed_.empty())
        headsMoved_ = true;
}

void TSynTextAllFoldRanges::Adopt(TSynTextFoldRange* Range)
{
    Range->CatchUp();
    Range->listId_ = id_;
    Range->shiftStamp_ = Range->ParentCollapsed ? TSynTextFoldRange::kHidden : shiftsDone_;
}

void TSynTextAllFoldRanges::Detach(TSynTextFoldRange* Range)
{
    Range->CatchUp();
    Range->shiftStamp_ = TSynTextFoldRange::kDetached;
}
