// The collapsed blocks a scan after an edit had to read. The scan may read
// only lines in view, so a block it runs into is expanded and the scan
// starts again; once it is done, each block is collapsed again where the
// scan did not reach it or found it again as it was, and stays expanded
// where the scan found it otherwise. Expanding and collapsing move lines,
// never text.
#pragma once

#include <functional>
#include <tuple>
#include <vector>

#include "editor/folding/syn_fold_ranges.h"

class TSynFoldResume;

class TSynFoldExpandedBlocks {
public:
    // What expands a collapsed block in the editor and what collapses a
    // block there again; each answers how many lines came into view (less
    // than none when lines went).
    using TFold = std::function<int(TSynTextFoldRange*)>;

    TSynFoldExpandedBlocks(TSynTextAllFoldRanges& Ranges, TFold Expand, TFold Collapse)
        : ranges_(Ranges), expand_(std::move(Expand)), collapse_(std::move(Collapse))
    {
    }

    bool Empty() const { return blocks_.empty(); }
    // Expands Block, the collapsed block the scan ran into or that ends
    // just above where it starts. The edited lines FirstEdited ..
    // LastEdited (from 1; LastEdited may be INT_MAX) move with the lines
    // that came into view, and take in Block's first line: the scan reads
    // the block whole.
    void Expand(TSynTextFoldRange* Block, int& FirstEdited, int& LastEdited);
    // Before a scan: notes each block's ranges as they stand now, and
    // answers the lines from the first block's first line to the line
    // after the last one's end, which the scan reads whole (First > Last
    // when there is no block).
    std::pair<int, int> TakeShapes();
    // After a scan that Resume spliced in: collapses again the blocks the
    // scan did not reach or found as they were. Answers the line where the
    // scan stopped, moved up with the lines that went.
    int CollapseAfter(const TSynFoldResume& Resume);
    // After a scan that came to nothing: collapses every block again.
    void CollapseAll();

private:
    // The lines and region of a range and of every range inside it, in
    // order, and how many ranges each holds directly.
    using TShape = std::vector<std::tuple<int, int, const TFoldRegionItem*, int>>;
    // A block, the last line it hid (it hid those from the line after its
    // first) and its shape before the scan.
    struct TBlock {
        TSynTextFoldRange* Range;
        int LastHidden;
        TShape Shape;
    };

    static TShape ShapeOf(const TSynTextFoldRange* Range);
    // The range the scan of Resume found in place of Block, when it has
    // Block's shape and no other range in view starts or ends among the
    // lines Block hid; else null.
    TSynTextFoldRange* FoundAgain(const TSynFoldResume& Resume, const TBlock& Block) const;
    // Collapses Blocks again, the innermost first.
    void CollapseAgain(const std::vector<TSynTextFoldRange*>& Blocks);

    TSynTextAllFoldRanges& ranges_;
    TFold expand_;
    TFold collapse_;
    std::vector<TBlock> blocks_;  // each after the blocks around it
};
