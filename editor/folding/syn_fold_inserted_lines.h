// What a run of kept line shifts that only insert lines does to a line
// number, worked out once: expanding blocks one after another keeps such
// runs, and every range of a long text takes them when they are settled.
// Lines inserted and then deleted again, as a block expanded for a scan and
// collapsed again, move no line that stood before: such a pair counts for
// nothing.
#pragma once

#include <vector>

#include "editor/folding/syn_fold_ranges.h"

class TSynFoldInsertedLines {
public:
    // Shifts, in the order kept; false from Valid when one deletes lines
    // that the shift just before (a pair counting for nothing left out)
    // did not insert.
    explicit TSynFoldInsertedLines(const std::vector<TSynTextAllFoldRanges::TLineShift>& Shifts);

    bool Valid() const { return valid_; }
    // Where Line stands after every shift: it moves down by the lines
    // inserted at or above it, as each shift found it.
    int Follow(int Line) const;

private:
    // Lines from firsts_[i] on (as they stood before the shifts) moved down
    // by moved_[i] lines; firsts_ ascending.
    std::vector<int> firsts_;
    std::vector<int> moved_;
    bool valid_ = true;
};
