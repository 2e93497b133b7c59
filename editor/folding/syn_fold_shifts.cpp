// Line shifts kept for the fold ranges to take when they are next read.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "editor/folding/syn_fold_ranges.h"

namespace {

// Enough for a burst of line edits; reading a range walks at most these.
constexpr size_t kMostShiftsKept = 64;

}  // namespace

void TSynTextAllFoldRanges::Shift(const TKeptShift& By, int& FromLine, int& ToLine, int& ClosedAt)
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

void TSynTextAllFoldRanges::CatchUp(const TSynTextFoldRange& Range) const
{
    const uint32_t firstKept = shiftsDone_ - static_cast<uint32_t>(shifts_.size());
    for (uint32_t n = std::max(Range.shiftStamp_, firstKept); n < shiftsDone_; ++n)
        Shift(shifts_[n - firstKept], Range.fromLine_, Range.toLine_, Range.closedAt_);
    Range.shiftStamp_ = shiftsDone_;
}

void TSynTextAllFoldRanges::SettleShifts() { SettleSomeShifts(SIZE_MAX); }

bool TSynTextAllFoldRanges::SettleSomeShifts(size_t Most)
{
    if (shifts_.empty())
        return true;
    // A range put in or taken out of the list moves those after it, and a
    // shift kept since reaches the ranges already passed: both change the
    // generation, and the settling starts again.
    if (settleGeneration_ != generation_) {
        settledUpTo_ = 0;
        settleGeneration_ = generation_;
    }
    const size_t from = std::min(settledUpTo_, all_.size());
    const size_t end = from + std::min(Most, all_.size() - from);
    for (size_t i = from; i < end; ++i)
        all_[i]->CatchUp();
    settledUpTo_ = end;
    if (end < all_.size())
        return false;
    shifts_.clear();
    return true;
}

void TSynTextAllFoldRanges::KeepShift(const TKeptShift& By)
{
    Changed();
    MoveScanMarks(By);
    if (all_.empty())
        return;  // a range made later stands on the lines as they are then
    if (shifts_.size() >= kMostShiftsKept || shiftsDone_ == TSynTextFoldRange::kDetached - 1)
        SettleShifts();
    if (shiftsDone_ == TSynTextFoldRange::kDetached - 1) {
        // The numbers start again once every range has taken every shift.
        for (const TSynTextFoldRange* range : all_)
            range->shiftStamp_ = 0;
        shiftsDone_ = 0;
    }
    shifts_.push_back(By);
    ++shiftsDone_;
}

void TSynTextAllFoldRanges::Adopt(TSynTextFoldRange* Range)
{
    Range->CatchUp();
    Range->listId_ = id_;
    Range->shiftStamp_ = shiftsDone_;
}

void TSynTextAllFoldRanges::Detach(TSynTextFoldRange* Range)
{
    Range->CatchUp();
    Range->shiftStamp_ = TSynTextFoldRange::kDetached;
}
