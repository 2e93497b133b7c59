// When the fold scan runs and how far: a rebuild and an edit scan down to
// the lines in view, idle time scans on in slices, and whatever reads ranges
// further down has the scan reach them first. Painting waits for the scan
// only where it is near: a view further off shows the ranges as they stand
// until idle time's scan passes it. Idle time also brings the line list's
// unused records near the caret's line, so that a line break there moves
// few records.
#include <time.h>

#include <algorithm>
#include <climits>
#include <functional>

#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_custom_text.h"
#include "editor/syn_edit_scopes.h"
#include "platform/ui/kernel/timer.h"

namespace {

// An idle slice scans for about this long, so that a key pressed meanwhile
// waits no longer.
constexpr long IdleSliceMicroseconds = 5000;
// Line records moved in an idle slice, a millisecond's work or so, and how
// far from the caret's line they may stay.
constexpr int LineGapPerSlice = 1 << 18;
constexpr int LineGapNear = 1 << 12;

// The fold ranges that take the line shifts kept for them in one idle
// slice: a few milliseconds' work.
constexpr size_t SettledPerSlice = 250000;

// The most lines a view waits for the scan to read before it is painted:
// about a millisecond's work.
constexpr int ScanAtOnceLines = 1000;

// Where a scan of a text found anew stops at once: below a view near its
// top, which it reads in about a millisecond; a view further down waits
// for idle time's scan, as any view far below a pending scan.
int StopForTextAnew(int LastShownLine)
{
    return LastShownLine + 2 <= ScanAtOnceLines ? LastShownLine + 3 : 1;
}

long MonotonicMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000L + now.tv_nsec / 1000;
}

}  // namespace

TSynTextAllFoldRanges* TCustomSynText::AllFoldRanges() const
{
    FinishFoldScan();
    return allFoldRanges_.get();
}

void TCustomSynText::RebuildFoldRanges()
{
    ScanPendingRanges();  // the painted-token check reads the line states
    UncollapseAll();
    ClearFoldRanges();
    // Enabling folding rebuilds, so a text edited meanwhile is never scanned
    // for nothing. The scan stops below the view as an edit's does when
    // that is few lines to read; lines in view far down wait for idle time,
    // unmarked.
    if (codeFolding_->Enabled())
        ScanFoldsTo(StopForTextAnew(LastShownLine()));
    RepaintGutter();
    if (codeFolding_->IndentGuides())
        RepaintLines(-1, -1);
}

void TCustomSynText::RescanFoldRanges()
{
    // Two lines past the last line in view (LastShownLine counts from 0):
    // a range open at the scan's end may still end on the line above it,
    // never on a line in view. A caret below the view (a text set leaves
    // it on the last line) waits for idle time or a reader like any line.
    // A text set whole is read as a rebuild reads it: the view follows the
    // caret to the last line when that line holds text, and is then left
    // to idle time.
    ScanFoldsTo(foldScan_.WholeText() ? StopForTextAnew(LastShownLine()) : LastShownLine() + 3);
}

void TCustomSynText::RescanPendingFolds()
{
    if (paintLock_ != 0 && !scanAtRest_)
        return;
    foldScan_.EndUpdate();
    if (foldScan_.HasChanges() && CountsFoldChanges())
        RescanFoldRanges();
    else if (CountsFoldChanges())
        HideFreedLastLines();
}

bool TCustomSynText::ReachFoldScan(int Line, TFoldReach Reach) const
{
    // Far below (in real lines: the scan reads what collapsed blocks hide
    // too), the ranges are those from before the edits moved with their
    // lines (none after folding was switched on); idle time's scan repaints
    // what it changes among the lines in view.
    if (Reach == TFoldReach::StartsIfNear && foldScan_.Pending() &&
        allFoldRanges_->RealLineNumber(Line) - allFoldRanges_->RealLineNumber(foldScan_.PendingFrom()) >=
            ScanAtOnceLines)
        return false;
    // Inside an update the ranges are those from before it, as the edits
    // of the update have not been scanned either.
    if ((paintLock_ != 0 && !scanAtRest_) || !codeFolding_->Enabled())
        return true;
    auto* self = const_cast<TCustomSynText*>(this);
    for (int stop; (stop = foldScan_.StopToReach(Line, Reach == TFoldReach::Ends)) != 0;)
        self->ScanFoldsTo(stop);
    return true;
}

TSynTextFoldRange* TCustomSynText::FinishFoldScan(TSynTextFoldRange* Range) const
{
    if (!Range || !foldScan_.Pending()) {
        ReachFoldScan(INT_MAX, TFoldReach::Ends);
        return Range;
    }
    // A scan that cannot go on from where it ended finds every range anew.
    const int from = Range->RealFromLine();
    const TFoldRegionItem* region = Range->FoldRegion();
    const int level = Range->FoldRangeLevel;
    ReachFoldScan(INT_MAX, TFoldReach::Ends);
    for (size_t i = allFoldRanges_->FirstFromReal(from); i < static_cast<size_t>(allFoldRanges_->AllCount()); ++i) {
        TSynTextFoldRange* range = allFoldRanges_->AllRanges(static_cast<int>(i));
        if (range->RealFromLine() != from)
            break;
        if (!range->ParentCollapsed && range->FoldRegion() == region && range->FoldRangeLevel == level)
            return range;
    }
    return nullptr;
}

void TCustomSynText::FinishFoldScanAtRest()
{
    // Between two changes of an update the buffer and the ranges agree, as
    // at its end: the changes made so far are scanned as the end would
    // scan them, and the scan goes on to the end of the text.
    const TSynFlagScope atRest(scanAtRest_);
    RescanPendingFolds();
    FinishFoldScan();
}

void TCustomSynText::ScanFoldsIdle()
{
    const long until = MonotonicMicroseconds() + IdleSliceMicroseconds;
    const auto outOfTime = [until] { return MonotonicMicroseconds() >= until; };
    // A scan going on to the end of the text ends on the first line of
    // each collapsed block it meets; the slice goes on from there.
    do
        ScanFoldsTo(INT_MAX, outOfTime);
    while (foldScan_.Pending() && !outOfTime());
    // The rescan forgot the range the caret touches, which is found once
    // the scan has passed the caret's line: the slice does not wait for
    // the scan to get there.
    if (foldScan_.PendingFrom() > caretY_ + 1)
        UpdateCaretFoldRange();
}

void TCustomSynText::IdleScanTimerHandler(TObject*)
{
    // The fold scan first: it reads the highlighter's states as far as it
    // goes. Each slice takes a few milliseconds, so that input waits no
    // longer; the highlighter looks at the clock after each share of lines,
    // a millisecond's work or so (a collapsed block's line reads every line
    // it hides).
    constexpr int Share = 250;
    const bool foldsPending = foldScan_.Pending() && codeFolding_->Enabled();
    const auto shiftsPending = [this] { return allFoldRanges_ && allFoldRanges_->PendingShifts() > 0; };
    // The line records first: a few slices, after which a line break on
    // the caret's line costs what one in a short text does.
    if (LineGapFar()) {
        lines_->MoveGapToward(caretY_ - 1, LineGapPerSlice);
    } else if (foldsPending && paintLock_ == 0) {
        ScanFoldsIdle();
    } else if (shiftsPending()) {
        allFoldRanges_->SettleSomeShifts(SettledPerSlice);
    } else if (highlighter_) {
        const long until = MonotonicMicroseconds() + IdleSliceMicroseconds;
        while (unscannedFrom_ < lines_->Count() && MonotonicMicroseconds() < until)
            LineRange(std::min(unscannedFrom_ + Share - 1, lines_->Count() - 1));
    }
    const bool linesPending = highlighter_ && unscannedFrom_ < lines_->Count();
    if (!linesPending && (!foldScan_.Pending() || !codeFolding_->Enabled()) && !shiftsPending() && !LineGapFar())
        idleScanTimer_->SetEnabled(false);
}

bool TCustomSynText::LineGapFar() const { return lines_->GapDistance(caretY_ - 1) > LineGapNear; }

void TCustomSynText::WakeIdleForLineGap()
{
    if (LineGapFar())
        idleScanTimer_->SetEnabled(true);
}
