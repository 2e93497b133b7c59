// A search over text with collapsed ranges: their lines are out of the
// buffer, so the search expands them to read every line and collapses them
// again afterwards; a replace-all's undo step collapses them as they were.
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_custom_text.h"
#include "platform/base/format.h"

std::vector<TSynFoldHead> TCustomSynText::ExpandCollapsedFolds()
{
    // Every collapsed range, hidden ones too, as it stands once all are in
    // view: at its real first line. All are expanded in one step.
    std::vector<TSynFoldHead> heads;
    const TSynTextAllFoldRanges* ranges = AllFoldRanges();
    for (int i = 0; i < ranges->AllCount(); ++i)
        if (const TSynTextFoldRange* range = ranges->AllRanges(i); range->Collapsed)
            heads.push_back({range->RealFromLine(), range->FoldRangeLevel});
    UncollapseAll();
    return heads;
}

void TCustomSynText::CollapseFoldsAt(std::vector<TSynFoldHead> Heads, bool KeepCaret)
{
    // From the last line up, and the inner of two ranges on one line
    // first: each collapse moves only lines below the heads still to come,
    // and a range inside another is collapsed before the one around it.
    // The lines above a head are all in view, so it stands on its real
    // line. All collapse in one step. The caret follows each collapse: a
    // block collapsed above it, inside the one that holds it, moves it up.
    if (Heads.empty())
        return;
    std::sort(Heads.begin(), Heads.end(), [](const TSynFoldHead& A, const TSynFoldHead& B) {
        return A.Line != B.Line ? A.Line > B.Line : A.Level > B.Level;
    });
    TSynTextAllFoldRanges* ranges = AllFoldRanges();
    MoveFoldLines([&] {
        for (const TSynFoldHead& head : Heads) {
            for (size_t i = ranges->FirstFromReal(head.Line); i < static_cast<size_t>(ranges->AllCount()); ++i) {
                TSynTextFoldRange* range = ranges->AllRanges(static_cast<int>(i));
                if (range->RealFromLine() != head.Line)
                    break;
                if (range->FoldRangeLevel != head.Level || range->Collapsed || range->ParentCollapsed)
                    continue;
                if (KeepCaret && range->FromLine() < caretY_ && caretY_ <= range->ToLine())
                    break;
                // A selection reaching into the lines going out of view would
                // end up on the first line, selecting what it never held.
                const auto hidden = [range](int Line) { return Line > range->FromLine() && Line <= range->ToLine(); };
                if (SelAvail() && (hidden(blockBegin_.Line) || hidden(blockEnd_.Line))) {
                    SetBlockBegin(CaretXY());
                    SetBlockEnd(CaretXY());
                }
                CollapseNow(range);
                break;
            }
        }
    });
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
    // Taken out first: the collapses end updates of their own.
    std::vector<TSynFoldHead> heads = std::exchange(foldsToCollapse_, {});
    if (!heads.empty())
        CollapseFoldsAt(std::move(heads), false);
}
