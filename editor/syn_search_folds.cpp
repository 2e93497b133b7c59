// A search over text with collapsed ranges: their lines are out of the
// buffer, so the search expands them to read every line and collapses them
// again afterwards; a replace-all's undo step collapses them as they were.
#include <algorithm>
#include <cstdlib>

#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_custom_text.h"
#include "platform/base/format.h"

std::vector<TSynFoldHead> TCustomSynText::ExpandCollapsedFolds()
{
    // The first collapsed range in view, one after the other: expanding
    // one puts lines below its head only, so the heads found before stay
    // where they are, and the ranges it hid come into view after it.
    std::vector<TSynFoldHead> heads;
    for (;;) {
        TSynTextAllFoldRanges* ranges = AllFoldRanges();
        TSynTextFoldRange* found = nullptr;
        for (int i = 0; i < ranges->AllCount() && !found; ++i)
            if (ranges->AllRanges(i)->Collapsed && !ranges->AllRanges(i)->ParentCollapsed)
                found = ranges->AllRanges(i);
        if (!found)
            return heads;
        heads.push_back({found->FromLine(), found->FoldRangeLevel});
        Uncollapse(found);
    }
}

void TCustomSynText::CollapseFoldsAt(std::vector<TSynFoldHead> Heads, int Keep)
{
    // From the last line up, and the inner of two ranges on one line
    // first: each collapse moves only lines below the heads still to come,
    // and a range inside another is collapsed before the one around it.
    std::sort(Heads.begin(), Heads.end(), [](const TSynFoldHead& A, const TSynFoldHead& B) {
        return A.Line != B.Line ? A.Line > B.Line : A.Level > B.Level;
    });
    for (const TSynFoldHead& head : Heads) {
        TSynTextAllFoldRanges* ranges = AllFoldRanges();
        for (int i = 0; i < ranges->AllCount(); ++i) {
            TSynTextFoldRange* range = ranges->AllRanges(i);
            if (range->FromLine() != head.Line || range->FoldRangeLevel != head.Level || range->Collapsed ||
                range->ParentCollapsed)
                continue;
            if (range->FromLine() < Keep && Keep <= range->ToLine())
                break;
            // A selection reaching into the lines going out of view would
            // end up on the first line, selecting what it never held.
            const auto hidden = [range](int Line) { return Line > range->FromLine() && Line <= range->ToLine(); };
            if (SelAvail() && (hidden(blockBegin_.Line) || hidden(blockEnd_.Line))) {
                SetBlockBegin(CaretXY());
                SetBlockEnd(CaretXY());
            }
            Collapse(range);
            break;
        }
    }
}

namespace {

// Heads as the undo item's text: "line level" pairs, those before the
// change, a '|', those after it.
AnsiString HeadsText(const std::vector<TSynFoldHead>& Heads)
{
    AnsiString text;
    for (const TSynFoldHead& head : Heads)
        text += Format("%d %d ", {head.Line, head.Level});
    return text;
}

std::vector<TSynFoldHead> ReadHeads(const char* Text)
{
    std::vector<TSynFoldHead> heads;
    char* end = nullptr;
    for (long line = std::strtol(Text, &end, 10); end != Text; line = std::strtol(Text, &end, 10)) {
        Text = end;
        const long level = std::strtol(Text, &end, 10);
        Text = end;
        heads.push_back({static_cast<int>(line), static_cast<int>(level)});
    }
    return heads;
}

}  // namespace

void TCustomSynText::AddFoldCollapse(const std::vector<TSynFoldHead>& Before, const std::vector<TSynFoldHead>& After)
{
    undoList_->AddChange(urFoldCollapse, CaretXY(), CaretXY(), HeadsText(Before) + "|" + HeadsText(After), smNormal);
}

void TCustomSynText::NoteFoldCollapse(const TSynTextUndoItem& Item, bool Redoing)
{
    const size_t bar = Item.Text.find('|');
    foldsToCollapse_ = ReadHeads(Redoing ? Item.Text.c_str() + bar + 1 : Item.Text.substr(0, bar).c_str());
}

void TCustomSynText::CollapseNotedFolds()
{
    if (foldsToCollapse_.empty())
        return;
    CollapseFoldsAt(std::move(foldsToCollapse_), 0);
    foldsToCollapse_.clear();
}
