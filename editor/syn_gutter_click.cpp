// A click in the gutter: on the fold marks it folds or unfolds, anywhere
// else it tells the host the line and the mark clicked.
#include "editor/document/syn_bookmark_opt.h"
#include "editor/syn_custom_text.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/document/syn_text_mark.h"

namespace {

// The fold marks take the rightmost pixels of the gutter.
constexpr int FoldAreaWidth = 12;

}  // namespace

void TCustomSynText::DoOnGutterClick(TMouseButton Button, int X, int Y)
{
    const int foldAreaLeft = gutterWidth_ - FoldAreaWidth;
    const TDisplayCoord cell = PointToCell(X, Y);
    if (codeFolding_->Enabled() && X >= foldAreaLeft && lines_->Count() > 0) {
        // Only a range of several lines has a mark to click.
        if (TSynTextFoldRange* range = GetFoldRangeAtLine(RowToLine(cell.Row))) {
            if (range->Collapsed)
                Uncollapse(range);
            else
                Collapse(range);
        }
        Invalidate();
        return;
    }
    if (!OnGutterClick)
        return;
    const int line = DisplayToBufferPos(cell).Line;
    if (line > lines_->Count())
        return;
    // Each mark is drawn Xoffset pixels right of the one before.
    TSynTextMarks marks{};
    marks_->GetMarksForLine(line, marks);
    TSynTextMark* clicked = nullptr;
    int offset = 0;
    for (TSynTextMark* mark : marks) {
        if (!mark)
            continue;
        offset += bookMarkOpt_->Xoffset();
        if (X < offset) {
            clicked = mark;
            break;
        }
    }
    OnGutterClick(this, Button, X, Y, line, clicked, X < foldAreaLeft);
}
