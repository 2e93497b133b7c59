// The text as export and printing take it out of the editor: the lines of
// collapsed blocks in their place, and the selection in those lines.
#include <algorithm>

#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_custom_text.h"

TSynRealText TCustomSynText::RealText() const
{
    TSynRealText real;
    real.Lines = lines_;
    if (allFoldRanges_->HasCollapsed())
        // The scan may yet bring blocks into view, which moves the
        // selection's lines: it ends before they are read.
        FinishFoldScan();
    real.BlockBegin = BlockBegin();
    real.BlockEnd = BlockEnd();
    if (!allFoldRanges_->HasCollapsed())
        return real;
    real.Copy = allFoldRanges_->ExpandedCopy(lines_);
    real.Lines = real.Copy.get();
    const TSynTextAllFoldRanges& ranges = *allFoldRanges_;
    const TSynTextStringList& text = *real.Lines;
    auto endOf = [&text](int RealLine) {
        return RealLine >= 1 && RealLine <= text.Count() ? static_cast<int>(text.Strings(RealLine - 1).size()) + 1 : 1;
    };
    TBufferCoord& begin = real.BlockBegin;
    TBufferCoord& end = real.BlockEnd;
    const bool endCollapsed = ranges.CollapsedStartsAt(end.Line);
    const int endsHidden = ranges.LastRealLineOf(end.Line);
    begin.Line = ranges.RealLineNumber(begin.Line);
    end.Line = ranges.RealLineNumber(end.Line);
    switch (selectionMode_) {
    case smNormal:
        // A selection that ends in a collapse mark takes the hidden lines
        // in (one that starts there starts past the line's text).
        if (endCollapsed && end.Char > endOf(end.Line))
            end = BufferCoord(endOf(endsHidden), endsHidden);
        break;
    case smLine:
        // The hidden lines of a collapsed last line are selected with it.
        end.Line = endsHidden;
        break;
    case smColumn:
        break;
    }
    return real;
}
