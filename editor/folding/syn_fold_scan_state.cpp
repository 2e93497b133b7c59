#include "editor/folding/syn_fold_scan_state.h"

#include <algorithm>

#include "editor/folding/syn_fold_ranges.h"

namespace {

// A long run of line changes outside any update (a program adding lines one
// by one) is not worth comparing.
constexpr size_t MostMoved = 64;

}  // namespace

void TSynFoldScanState::NoteEdit(int First, int Last)
{
    edits_.First = std::min(edits_.First, std::max(First, 1));
    edits_.Last = std::max(edits_.Last, Last);
    ++editNotes_;
}

void TSynFoldScanState::FollowLines(int Line, int Count)
{
    if (edits_.First > edits_.Last)
        return;
    edits_.First = FollowLine(edits_.First, Line, Count);
    edits_.Last = FollowLine(edits_.Last, Line, Count);
    pendingFrom_ = FollowLine(pendingFrom_, Line, Count);
    openFrom_ = FollowLine(openFrom_, Line, Count);
}

void TSynFoldScanState::NoteMoved(bool ByBuffer, int FirstLine, int Count)
{
    std::vector<TLinesMoved>& moved = ByBuffer ? bufferMoved_ : foldMoved_;
    if (Count == 0)
        return;
    if (moved.size() < MostMoved)
        moved.push_back({FirstLine, Count});
    else
        NoteChange();
}

bool TSynFoldScanState::MovedAstray() const
{
    return bufferMoved_ != foldMoved_ || bufferMoved_.size() >= MostMoved;
}

int TSynFoldScanState::FoldLineOf(int Line) const
{
    for (size_t i = bufferMoved_.size(); i-- > foldMoved_.size();) {
        const TLinesMoved& moved = bufferMoved_[i];
        if (Line < moved.FirstLine)
            continue;
        if (moved.Count > 0 && Line < moved.FirstLine + moved.Count)
            return 0;
        Line -= moved.Count;
    }
    return Line;
}

void TSynFoldScanState::EndUpdate()
{
    // A line put with its fold tokens kept moved no range only if the
    // ranges followed the lines as the buffer moved them.
    const bool astray = MovedAstray();
    if (quietPuts_ && astray)
        NoteChange();
    astray_ = astray_ || astray;
    quietPuts_ = false;
    bufferMoved_.clear();
    foldMoved_.clear();
}

TSynFoldScanState::TEdits TSynFoldScanState::TakeEdits(bool& Astray)
{
    Astray = astray_ || MovedAstray();
    const TEdits edits = edits_;
    changes_ = 0;
    wholeText_ = false;
    quietPuts_ = false;
    astray_ = false;
    edits_ = {};
    bufferMoved_.clear();
    foldMoved_.clear();
    pendingFrom_ = INT_MAX;
    openFrom_ = INT_MAX;
    return edits;
}

void TSynFoldScanState::EndedEarly(int Line, int OpenFrom, const TSynFoldResume::TKnown& Known, unsigned Generation)
{
    pendingFrom_ = Line;
    openFrom_ = OpenFrom;
    knownLine_ = Line;
    known_ = Known;
    knownGeneration_ = Generation;
    NoteEdit(Line, INT_MAX);
    knownNotes_ = editNotes_;
}

int TSynFoldScanState::StopToReach(int Line, bool Ends) const
{
    // A range open where the scan ended may end anywhere below, or never;
    // one may be open there only after the scan reached Line.
    if (!Pending())
        return 0;
    if (Ends && openFrom_ <= Line)
        return INT_MAX;
    if (pendingFrom_ - 1 <= Line)
        return Line >= INT_MAX - 2 ? INT_MAX : Line + 2;
    return 0;
}

const TSynFoldResume::TKnown* TSynFoldScanState::GoingOn(int Line, unsigned Generation)
{
    const bool goingOn = Line == knownLine_ && Generation == knownGeneration_ && editNotes_ == knownNotes_;
    knownLine_ = INT_MAX;
    return goingOn ? &known_ : nullptr;
}
