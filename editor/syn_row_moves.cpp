// Lines put in push the rows below them down. Where nothing but their place
// changed, their pixels move down with them instead of being painted again:
// a line break in a long text then paints its two lines and the gutter, not
// every row below the caret.
#include "editor/folding/syn_code_folding.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_custom_text.h"
#include "editor/syn_text_plugin.h"
#include "editor/view/syn_active_line.h"
#include "editor/view/syn_text_background.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/win/scroll_window.h"

bool TCustomSynText::RowsMoveWithLines() const
{
    // A row's look must follow from its line alone: not from its place (the
    // background picture, wrapped rows), nor from what a host or plug-in
    // draws or colours by line number, nor from another editor's view of
    // the same lines.
    if (wordWrapPlugin_ || chainedEditor_ || lines_ != ownLines_.get())
        return false;
    if (background_->Visible() && !background_->Background()->Empty())
        return false;
    if (OnPaint || OnPaintTransient || OnSpecialLineColors)
        return false;
    for (const TSynTextPlugin* plugin : plugins_)
        if (plugin->PaintsOverText())
            return false;
    // A view scroll kept aside for the end of the update moves the pixels
    // later, as they are then.
    return deferredTextPaint_ == nullptr;
}

bool TCustomSynText::MoveRowsDown(int FirstLine, int Count)
{
    if (!Visible() || !HandleAllocated() || !RowsMoveWithLines())
        return false;
    const int rowHeight = LineHeight();
    const int firstRow = LineToRow(FirstLine);
    const int top = (firstRow - topLine_) * rowHeight;
    if (rowHeight <= 0 || firstRow < topLine_ || top + Count * rowHeight >= ClientHeight())
        return false;
    // A selection below stays on its line numbers, not on its text.
    if (BlockBegin() != BlockEnd() && BlockEnd().Line >= FirstLine)
        return false;
    // What waits to be painted stands where the lines stood: it moves with
    // them, as the window's waiting area does.
    FlushCollectedAreas();
    const TRect moving = Rect(gutterWidth_, top, ClientWidth(), ClientHeight());
    ScrollWindowEx(Handle(), 0, Count * rowHeight, &moving, &moving, nullptr, nullptr, SW_INVALIDATE);
    if (codeFolding_->Enabled())
        RepaintMovedFoldLooks(FirstLine, Count, top + Count * rowHeight);
    // The caret's line keeps its number, and the active line's colours with
    // it, until the caret moves; its old row went down with its text.
    if (activeLine_->Visible() && caretY_ >= FirstLine) {
        InvalidateLine(caretY_);
        InvalidateLine(caretY_ + Count);
    }
    // The active indent guides went down with their rows.
    if (activeGuideLines_.first >= FirstLine)
        activeGuideLines_.first += Count;
    if (activeGuideLines_.second >= FirstLine)
        activeGuideLines_.second += Count;
    return true;
}

// The fold ranges follow lines a host puts in only once the scan after the
// change finds them: until then a paint draws the collapse boxes, rules and
// guides where the ranges stood. And with an odd row height the guides'
// dots of odd lines start a pixel lower, so a moved row's dots are a pixel
// off. The guide columns over the moved rows, and the rows of the collapsed
// blocks in view where they stood and where they went, are painted again.
void TCustomSynText::RepaintMovedFoldLooks(int FirstLine, int Count, int MovedTop)
{
    if (codeFolding_->IndentGuides())
        for (const int indent : guideIndentsShown_) {
            const int x = gutterWidth_ + (indent - (leftChar_ - 1)) * charWidth_;
            InvalidateArea(Rect(x, MovedTop, x + 1, ClientHeight()));
        }
    const int last = RowToLine(topLine_ + linesInWindow_);
    for (const TSynTextFoldRange* range = allFoldRanges_->CollapsedIn(FirstLine, last); range;
         range = allFoldRanges_->CollapsedIn(range->FromLine() + 1, last)) {
        InvalidateLine(range->FromLine());
        InvalidateLine(range->FromLine() + Count);
    }
}
