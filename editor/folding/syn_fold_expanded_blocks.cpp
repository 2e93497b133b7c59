#include "editor/folding/syn_fold_expanded_blocks.h"

#include <algorithm>
#include <climits>

#include "editor/folding/syn_fold_resume.h"

void TSynFoldExpandedBlocks::Expand(TSynTextFoldRange* Block, int& FirstEdited, int& LastEdited)
{
    const int head = Block->FromLine();
    const int shown = expand_(Block);
    FirstEdited = std::min(FirstEdited, head);
    if (LastEdited != INT_MAX && LastEdited > head)
        LastEdited += shown;
    for (TBlock& around : blocks_)
        if (around.LastHidden >= head)
            around.LastHidden += shown;
    blocks_.push_back({Block, head + shown, {}});
}

std::pair<int, int> TSynFoldExpandedBlocks::TakeShapes()
{
    int first = INT_MAX;
    int last = 0;
    for (TBlock& block : blocks_) {
        block.Shape = ShapeOf(block.Range);
        first = std::min(first, block.Range->FromLine());
        last = std::max(last, block.Range->ToLine() + 1);
    }
    return {first, last};
}

int TSynFoldExpandedBlocks::CollapseAfter(const TSynFoldResume& Resume)
{
    // A block the scan did not reach stays as it was; one it found again as
    // it was is collapsed again, and the lines below it move up.
    std::vector<TSynTextFoldRange*> untouched;
    std::vector<TSynTextFoldRange*> again;
    const int stop = Resume.EarlyEnd();
    for (const TBlock& block : blocks_) {
        if (stop == 0 || stop > block.Range->FromLine())
            again.push_back(FoundAgain(Resume, block));
        else
            untouched.push_back(block.Range);
    }
    CollapseAgain(untouched);
    int moved = 0;
    for (auto it = again.rbegin(); it != again.rend(); ++it)
        if (*it)
            moved += collapse_(*it);
    blocks_.clear();
    return stop + moved;
}

void TSynFoldExpandedBlocks::CollapseAll()
{
    std::vector<TSynTextFoldRange*> all;
    for (const TBlock& block : blocks_)
        all.push_back(block.Range);
    CollapseAgain(all);
    blocks_.clear();
}

void TSynFoldExpandedBlocks::CollapseAgain(const std::vector<TSynTextFoldRange*>& Blocks)
{
    for (auto it = Blocks.rbegin(); it != Blocks.rend(); ++it)
        collapse_(*it);
}

TSynFoldExpandedBlocks::TShape TSynFoldExpandedBlocks::ShapeOf(const TSynTextFoldRange* Range)
{
    // Without recursion: hostile nesting goes deeper than a stack.
    TShape shape;
    std::vector<const TSynTextFoldRange*> pending{Range};
    while (!pending.empty()) {
        const TSynTextFoldRange* range = pending.back();
        pending.pop_back();
        shape.emplace_back(range->FromLine(), range->ToLine(), range->FoldRegion(), range->SubFoldRanges.Count());
        for (int i = range->SubFoldRanges.Count(); i-- > 0;)
            pending.push_back(range->SubFoldRanges.Ranges(i));
    }
    return shape;
}

TSynTextFoldRange* TSynFoldExpandedBlocks::FoundAgain(const TSynFoldResume& Resume, const TBlock& Block) const
{
    const int head = std::get<0>(Block.Shape.front());
    const int last = Block.LastHidden;
    const auto hides = [head, last](int Line) { return head < Line && Line <= last; };
    TSynTextFoldRange* again = nullptr;
    int treeEnd = 0;  // the index after the ranges inside it
    for (int i = static_cast<int>(Resume.FirstFoundIndex());
         i < ranges_.AllCount() && ranges_.AllRanges(i)->FromLine() <= last; ++i) {
        TSynTextFoldRange* range = ranges_.AllRanges(i);
        if (i < treeEnd)
            continue;
        if (!again && range->FromLine() == head && range->FoldRegion() == std::get<2>(Block.Shape.front())) {
            const TShape shape = ShapeOf(range);
            if (shape == Block.Shape && range->ClosedAt() != INT_MAX) {
                again = range;
                treeEnd = i + static_cast<int>(shape.size());
                continue;
            }
        }
        if (hides(range->FromLine()) || hides(range->ToLine()))
            return nullptr;
    }
    // The ranges open where the scan started.
    for (const TSynTextFoldRange* range : Resume.Open())
        if (hides(range->ToLine()))
            return nullptr;
    return again;
}
