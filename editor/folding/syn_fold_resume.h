// Finding the fold ranges again after an edit without a scan of the whole
// text: the scan starts at a line above the edited lines, where the ranges
// tell which were open, and ends at the first line below them where its
// state is again the one the ranges tell of; what lies beyond stays. Or it
// ends early, at a line given or when its time is up, leaving the rest for
// a later scan from there. All lines here are real lines: the scan reads
// collapsed blocks where they stand.
#pragma once

#include <climits>
#include <functional>
#include <vector>

#include "editor/folding/syn_fold_ranges.h"
#include "editor/folding/syn_fold_scan.h"

class TSynFoldResume final : public TFoldScanStop {
public:
    // Ranges must be resumable (ScanResumable); lines FirstEdited ..
    // LastEdited (LastEdited may be INT_MAX) hold every change of text or
    // highlighting since they were scanned. Unless it settles first, the
    // scan ends at the start of line StopBy or, asked after every few lines
    // it passed, once OutOfTime answers true (never inside a skip region, a
    // look-ahead or a collapsed block: at the first line past them).
    // Known, when not null, holds the ranges open at the start of line
    // FirstEdited, outermost first, and the skip region the scan is in
    // there, as an earlier scan that ended there left them (nothing changed
    // since): the scan goes on from there.
    struct TKnown {
        std::vector<TSynTextFoldRange*> Open;
        int InSkip = -1;
    };
    TSynFoldResume(TSynTextAllFoldRanges& Ranges, int FirstEdited, int LastEdited, int StopBy = INT_MAX,
                   std::function<bool()> OutOfTime = nullptr, const TKnown* Known = nullptr);
    TSynFoldResume(const TSynFoldResume&) = delete;
    TSynFoldResume& operator=(const TSynFoldResume&) = delete;
    ~TSynFoldResume();

    // Readies the ranges for the scan.
    void Start();
    // Where the scan starts, the ranges open there, outermost first, and
    // the skip region it starts in (-1: none).
    int FirstLine() const { return first_; }
    const std::vector<TSynTextFoldRange*>& Open() const { return open_; }
    int InSkip() const { return inSkip_; }
    // Takes the ranges the scan finds.
    TSynTextAllFoldRanges& Found() { return found_; }

    bool StopAt(int Line, const std::vector<TSynTextFoldRange*>& Open, int InSkip) override;

    // After the scan: the ranges found replace the old ones from FirstLine
    // to where the scan stopped. A collapsed range among those the scan
    // found again (same first line, region and last line) stays collapsed
    // as the range found, which hides what it hid; the others the scan read
    // are handed back, still holding their hidden lines, in the order of
    // the text: their lines go back into the buffer, the outermost first.
    std::vector<std::unique_ptr<TSynTextFoldRange>> Splice();
    // After a scan that is not spliced: the ranges as they were before
    // Start.
    void Abandon();

    // Whether the scan ended early, and then the line at whose start it
    // did and the first line of the outermost range open there (INT_MAX
    // when none is). After Splice, the ranges from that line on are those
    // before the edit, moved with the lines: only a scan from there makes
    // them true again. The ranges open there end, for now, on the line
    // above it.
    bool EndedEarly() const { return early_; }
    int EarlyEnd() const { return stopLine_; }
    int OpenAtEarlyEnd() const { return stop_.Open.empty() ? INT_MAX : stop_.Open.front()->RealFromLine(); }
    // The state of the scan there, for the next to go on from.
    const TKnown& StateAtEarlyEnd() const { return stop_; }

private:
    // A range as it stood before the scan.
    struct TOld {
        TSynTextFoldRange* Range;
        int ToLine;
        int ClosedAt;
    };

    // Whether the slice's time is up, the scan being at the start of Line;
    // asked for each line in turn.
    bool TimeIsUp(int Line);
    // Whether the scan's state at the start of Line (past the edited lines)
    // is the one the old ranges tell of; asked for each line in turn.
    bool Settles(int Line, const std::vector<TSynTextFoldRange*>& Open);
    // Whether a range of Open (outermost first) that the scan found starts
    // on the first line of a collapsed block, in view or hidden.
    bool HoldsCollapsedHead(const std::vector<TSynTextFoldRange*>& Open) const;
    // Appends the ranges of Tail (a list of sub-ranges, in order) from
    // line Line on to Into.
    static void AppendFrom(const std::vector<TSynTextFoldRange*>& Tail, int Line, TSynTextFoldRanges& Into);
    // The old ranges from index From to End of the flat list: each collapsed
    // one found again passes its collapse to the range found; answers those
    // not found again, and those around one of them.
    std::vector<TSynTextFoldRange*> KeepCollapsed(size_t From, size_t End);
    // Of the ranges found again (Again[k] for the old collapsed range k),
    // those to stay collapsed (Keep) that lie below the last line of a
    // collapsed block around them, held by a range left open past that
    // line, come into view, as collapsing the block brings them.
    void KeepInViewBeyondHiders(const std::vector<TSynTextFoldRange*>& Again, std::vector<bool>& Keep) const;
    // The collapsed block nearest around Range, a hidden range open at
    // first_.
    const TSynTextFoldRange& HiderOf(const TSynTextFoldRange& Range) const;

    TSynTextAllFoldRanges& ranges_;
    TSynTextAllFoldRanges found_;
    int first_ = 1;
    int inSkip_ = -1;
    int lastEdited_;
    int stopBy_;
    std::function<bool()> outOfTime_;
    // The lines passed since OutOfTime was last asked, counted up to the
    // line StopAt was last asked about; true once it answered true.
    int passedSinceClock_ = 0;
    int lastAsked_ = 0;
    bool timeUp_ = false;
    bool early_ = false;
    size_t firstIndex_ = 0;  // in the flat list, the first range from first_ on
    std::vector<TSynTextFoldRange*> open_;
    std::vector<TOld> openBefore_;  // open_ as it stood
    // The sub-ranges of each range of open_ from first_ on, taken out
    // before the scan, and the first outermost range from there.
    std::vector<std::vector<TSynTextFoldRange*>> openTails_;
    int outerFirst_ = 0;
    // The scan's state as the old ranges tell it, at the line StopAt was
    // last asked about: the ranges open there, and the next range of the
    // flat list to take in.
    std::vector<TOld> oldOpen_;
    int minClosed_ = INT_MAX;  // the least ClosedAt of oldOpen_
    size_t nextOld_ = 0;
    // Where the scan stopped, and its state there.
    int stopLine_ = 0;
    TKnown stop_;
};
