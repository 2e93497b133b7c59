// What an editor keeps of its fold scan between two scans: what changed
// since the ranges were last found, whether the ranges followed every line
// the buffer moved meanwhile, and where the last scan ended early. Lines
// here are buffer lines as numbered now, from 1.
#pragma once

#include <climits>
#include <vector>

#include "editor/folding/syn_fold_resume.h"

class TSynFoldScanState {
public:
    // The lines a scan has to read again: none while First > Last.
    struct TEdits {
        int First = INT_MAX;
        int Last = 0;
    };

    // --- Changes noted between scans ---
    // Lines First .. Last changed their text or the highlighter's range
    // above them.
    void NoteEdit(int First, int Last);
    // Count lines came before line Line (Count > 0) or went from it on
    // (Count < 0): the lines noted follow them.
    void FollowLines(int Line, int Count);
    // Lines FirstLine .. FirstLine + |Count| - 1 came or went, as the buffer
    // (ByBuffer) or the fold ranges saw them: a change moved no range only
    // while both saw the same lines move.
    void NoteMoved(bool ByBuffer, int FirstLine, int Count);
    // A change that may move ranges; a line put with fold tokens whose
    // signature it kept (Quiet), which moved none unless lines moved astray.
    void NoteChange() { ++changes_; }
    void NoteQuietPut() { quietPuts_ = true; }
    bool HasChanges() const { return changes_ > 0; }
    // The whole text was set anew: the next scan reads it as a rebuild does.
    void NoteWholeText() { wholeText_ = true; }
    bool WholeText() const { return wholeText_; }
    // The number the fold ranges know buffer line Line by while lines the
    // buffer moved have not reached them; 0 for a line the edit brought.
    int FoldLineOf(int Line) const;
    // An update ended: the lines moved are all known now.
    void EndUpdate();
    // Takes the lines to read again and whether the ranges missed a line
    // the buffer moved (they must then be found anew): the changes noted
    // and the early end are forgotten.
    TEdits TakeEdits(bool& Astray);

    // --- A scan that ended early ---
    // At the start of line Line; the ranges open there start on OpenFrom
    // and below (INT_MAX: none is), and the scan's state there is Known, as
    // of the ranges' generation Generation. Every line below may read
    // otherwise now: they count as edited.
    void EndedEarly(int Line, int OpenFrom, const TSynFoldResume::TKnown& Known, unsigned Generation);
    bool Pending() const { return pendingFrom_ != INT_MAX; }
    int PendingFrom() const { return pendingFrom_; }
    // Where a scan must stop for the ranges that start on lines up to Line
    // to be known, and with Ends where they end too; 0 when they are.
    int StopToReach(int Line, bool Ends) const;
    // The state to go on from at the start of line Line when the last scan
    // ended early there and nothing changed since; null otherwise. Asked
    // once, by the scan that goes on.
    const TSynFoldResume::TKnown* GoingOn(int Line, unsigned Generation);

    // Forgets everything: the text the ranges were found in is gone.
    void Clear() { *this = TSynFoldScanState(); }

private:
    // Whether the ranges missed a line the buffer moved since the last
    // update, or the moves were too many to compare.
    bool MovedAstray() const;

    struct TLinesMoved {
        int FirstLine;
        int Count;
        bool operator==(const TLinesMoved&) const = default;
    };

    int changes_ = 0;
    bool wholeText_ = false;
    bool quietPuts_ = false;
    bool astray_ = false;
    TEdits edits_;
    unsigned editNotes_ = 0;  // NoteEdit's calls: an edit since, even below, may close a look-ahead above
    // Since the ranges were last found: the lines that came and went as the
    // buffer made them and as the ranges followed them. (Deleting from
    // mid-line to mid-line, the buffer keeps the first line where the
    // ranges take the last.)
    std::vector<TLinesMoved> bufferMoved_;
    std::vector<TLinesMoved> foldMoved_;
    int pendingFrom_ = INT_MAX;
    int openFrom_ = INT_MAX;
    // Where the last early end was, its state, and the generation and the
    // count of edits noted then.
    int knownLine_ = INT_MAX;
    TSynFoldResume::TKnown known_;
    unsigned knownGeneration_ = 0;
    unsigned knownNotes_ = 0;
};
