// Undo and redo beside collapsed blocks: items keep the lines of the text
// with every block expanded; reversing one opens only the blocks on the
// lines it reaches and works in the buffer's lines.
#include <algorithm>
#include <utility>

#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_custom_text.h"

namespace {

// The lines of the expanded text that reversing Item (undoing it, or
// redoing it when Undoing is false) reads or changes, as they stand before
// it; First > Last for an item that changes no text.
std::pair<int, int> LinesReached(const TSynTextUndoItem& Item, bool Undoing)
{
    const int first = std::min(Item.Start.Line, Item.End.Line);
    const int last = std::max(Item.Start.Line, Item.End.Line);
    // A column block goes in over lines that are there already.
    const bool column = Item.SelectionMode == smColumn;
    switch (Item.Reason) {
    case urInsert:
    case urPaste:
    case urDragDropInsert:
        // Undoing takes the text out; redoing puts it in at its start.
        return Undoing || column ? std::pair{first, last} : std::pair{Item.Start.Line, Item.Start.Line};
    case urDelete:
    case urDeleteAfterCaret:
    case urSilentDelete:
    case urSilentDeleteAfterCaret:
        // Undoing puts the text back in where it closed up.
        return Undoing && !column ? std::pair{first, first} : std::pair{first, last};
    case urLineBreak:
        // End.Line is the line the break made, from 0: undoing joins it to
        // the line above.
        return {Item.Start.Line, Undoing ? Item.End.Line + 1 : Item.Start.Line};
    case urIndent:
    case urUnindent:
        return {first, last};
    default:
        return {1, 0};
    }
}

}  // namespace

void TCustomSynText::RecordInExpandedLines(TSynTextUndoItem& Item)
{
    if (reversedShift_) {
        Item.Start.Line += *reversedShift_;
        Item.End.Line += *reversedShift_;
        return;
    }
    if (!allFoldRanges_ || !allFoldRanges_->HasCollapsed())
        return;
    Item.Start.Line = GetRealLineNumber(Item.Start.Line);
    // A line break keeps the 0-based index of the line it made in End.Line.
    if (Item.Reason == urLineBreak)
        Item.End.Line = GetRealLineNumber(Item.End.Line + 1) - 1;
    else
        Item.End.Line = GetRealLineNumber(Item.End.Line);
}

int TCustomSynText::ShownLineOfReal(int RealLine) const
{
    return std::clamp(allFoldRanges_->BufferLineOf(RealLine), 1, std::max(1, lines_->Count()));
}

void TCustomSynText::ExpandFoldsAtRealLines(int First, int Last)
{
    // A block that comes into view may hold collapsed blocks on the lines.
    auto collapsedThere = [&] { return allFoldRanges_->CollapsedIn(ShownLineOfReal(First), ShownLineOfReal(Last)); };
    if (!allFoldRanges_->HasCollapsed() || !collapsedThere())
        return;
    MoveFoldLines([&] {
        while (TSynTextFoldRange* found = collapsedThere()) {
            const int head = found->FromLine();
            FollowFoldLines(head, allFoldRanges_->Expand(lines_, found));
        }
    });
}

std::optional<int> TCustomSynText::ReachReversedLines(TSynTextUndoItem& Item, bool Undoing)
{
    if (Item.Reason == urFoldCollapse) {
        // A replace-all's: its changes were made with every block expanded,
        // and its step ends collapsing the blocks this item names.
        UncollapseAll();
        return std::nullopt;
    }
    if (!allFoldRanges_->HasCollapsed())
        return std::nullopt;
    // The buffer line of a line of the expanded text in view.
    auto inBuffer = [this](int RealLine) {
        const int shown = ShownLineOfReal(RealLine);
        return RealLine - (allFoldRanges_->RealLineNumber(shown) - shown);
    };
    if (Item.Reason == urCaret || Item.Reason == urSelection) {
        // Points alone, which may stand on either side of collapsed blocks:
        // each comes into view where it is hidden.
        ExpandFoldsAtRealLines(Item.Start.Line, Item.Start.Line);
        ExpandFoldsAtRealLines(Item.End.Line, Item.End.Line);
        Item.Start.Line = inBuffer(Item.Start.Line);
        Item.End.Line = inBuffer(Item.End.Line);
        return std::nullopt;
    }
    const auto [first, last] = LinesReached(Item, Undoing);
    if (first > last)
        return std::nullopt;
    ExpandFoldsAtRealLines(first, last);
    // No collapsed block is left on the lines reached: the item's lines, and
    // those its reversal makes, all lie the same way off the buffer's.
    const int shift = first - inBuffer(first);
    Item.Start.Line -= shift;
    Item.End.Line -= shift;
    return shift;
}
