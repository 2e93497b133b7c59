// Merging a rescan into the fold ranges: a scan of the text with every
// range expanded gives the new ranges, and each collapsed range takes the
// place of the range the scan found for it.
#include <algorithm>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "editor/folding/syn_fold_ranges.h"

namespace {

using TRangeSet = std::unordered_set<const TSynTextFoldRange*>;
using TKey = std::tuple<int, int, const TFoldRegionItem*>;

TKey KeyOf(const TSynTextFoldRange* Range) { return {Range->FromLine(), Range->ToLine(), Range->FoldRegion()}; }

// The same lines and region, and the same ranges inside in the same order.
bool SameTree(const TSynTextFoldRange* A, const TSynTextFoldRange* B)
{
    if (KeyOf(A) != KeyOf(B) || A->SubFoldRanges.Count() != B->SubFoldRanges.Count())
        return false;
    for (int i = 0; i < A->SubFoldRanges.Count(); ++i)
        if (!SameTree(A->SubFoldRanges.Ranges(i), B->SubFoldRanges.Ranges(i)))
            return false;
    return true;
}

void CollectTree(const TSynTextFoldRange* Range, TRangeSet& Into)
{
    Into.insert(Range);
    for (int i = 0; i < Range->SubFoldRanges.Count(); ++i)
        CollectTree(Range->SubFoldRanges.Ranges(i), Into);
}

// Moves Range and everything inside it Delta levels deeper.
void Relevel(TSynTextFoldRange* Range, int Delta)
{
    Range->FoldRangeLevel += Delta;
    if (Range->CollapsedBy >= 0)
        Range->CollapsedBy += Delta;
    for (int i = 0; i < Range->SubFoldRanges.Count(); ++i)
        Relevel(Range->SubFoldRanges.Ranges(i), Delta);
}

// Puts the kept ranges where List holds the ranges they stand for.
void ReplaceIn(TSynTextFoldRanges& List, const std::unordered_map<const TSynTextFoldRange*, TSynTextFoldRange*>& By)
{
    for (int i = 0; i < List.Count(); ++i) {
        const auto it = By.find(List.Ranges(i));
        if (it == By.end())
            continue;
        List.Remove(List.Ranges(i));
        List.Insert(i, it->second);
    }
}

}  // namespace

std::vector<int> TSynTextAllFoldRanges::BufferLines(const TSynTextAllFoldRanges& Expanded, int ExpandedCount) const
{
    std::vector<int> buffer(static_cast<size_t>(ExpandedCount) + 1, 1);
    buffer[0] = 0;
    for (size_t i = 0; i < all_.size(); ++i) {
        const TSynTextFoldRange* range = all_[i];
        if (!range->Collapsed || range->ParentCollapsed)
            continue;
        const int head = Expanded.all_[i]->FromLine();
        const int last = std::min(head + HiddenLineCount(range), ExpandedCount);
        for (int line = head + 1; line <= last; ++line)
            buffer[static_cast<size_t>(line)] = 0;
    }
    int line = 0;
    for (size_t e = 1; e < buffer.size(); ++e)
        if (buffer[e] != 0)
            buffer[e] = ++line;
    return buffer;
}

TSynTextFoldRange* TSynTextAllFoldRanges::MergeRescan(TSynTextAllFoldRanges& Found,
                                                      const TSynTextAllFoldRanges& Expanded, int ExpandedCount)
{
    const std::vector<int> buffer = BufferLines(Expanded, ExpandedCount);
    std::multimap<TKey, TSynTextFoldRange*> foundAt;
    for (const auto& range : Found.all_)
        foundAt.emplace(KeyOf(range), range);
    // Each collapsed range in view and the found range it stands for.
    std::unordered_map<const TSynTextFoldRange*, TSynTextFoldRange*> keptFor;
    TRangeSet replaced;  // the found ranges the kept ones stand for, and those inside them
    std::vector<TSynTextFoldRange*> hiddenBy(buffer.size(), nullptr);
    for (size_t i = 0; i < all_.size(); ++i) {
        TSynTextFoldRange* kept = all_[i];
        if (!kept->Collapsed || kept->ParentCollapsed)
            continue;
        const TSynTextFoldRange* expanded = Expanded.all_[i];
        TSynTextFoldRange* match = nullptr;
        for (auto [it, end] = foundAt.equal_range(KeyOf(expanded)); it != end && !match; ++it)
            if (!replaced.count(it->second) && SameTree(expanded, it->second))
                match = it->second;
        if (!match)
            return kept;
        keptFor[match] = kept;
        CollectTree(match, replaced);
        for (int line = expanded->FromLine() + 1; line <= expanded->ToLine() && line < ExpandedCount + 1; ++line)
            if (buffer[static_cast<size_t>(line)] == 0)
                hiddenBy[static_cast<size_t>(line)] = kept;
    }
    // A range in view that starts or ends among hidden lines crosses a
    // collapsed block.
    for (const auto& range : Found.all_) {
        if (replaced.count(range))
            continue;
        for (const int line : {range->FromLine(), range->ToLine()})
            if (buffer[static_cast<size_t>(line)] == 0)
                return hiddenBy[static_cast<size_t>(line)];
    }

    Changed();
    resumable_ = false;
    // What is not taken back into the list below is freed with these.
    std::vector<std::unique_ptr<TSynTextFoldRange>> kept(all_.begin(), all_.end());
    std::vector<std::unique_ptr<TSynTextFoldRange>> found(Found.all_.begin(), Found.all_.end());
    all_.clear();
    Found.all_.clear();
    for (auto& range : found) {
        const auto standIn = keptFor.find(range.get());
        if (standIn != keptFor.end()) {
            // The collapsed range and the ranges it hides, in their order.
            TSynTextFoldRange* head = standIn->second;
            // The ranges around it come from the scan, none ending among
            // its hidden lines.
            if (TSynTextFoldRange::TCollapsedData* data = head->CollapsedData())
                data->ShrunkAround.clear();
            Relevel(head, range->FoldRangeLevel - head->FoldRangeLevel);
            TRangeSet tree;
            CollectTree(head, tree);
            for (auto& k : kept)
                if (k && tree.count(k.get()))
                    all_.push_back(k.release());
        } else if (!replaced.count(range.get())) {
            Adopt(range.get());
            range->SetFromLine(buffer[static_cast<size_t>(range->FromLine())]);
            range->SetToLine(buffer[static_cast<size_t>(range->ToLine())]);
            ReplaceIn(range->SubFoldRanges, keptFor);
            all_.push_back(range.release());
        }
    }
    collapsed_.clear();
    inViewValid_ = false;
    for (TSynTextFoldRange* range : all_)
        if (range->Collapsed)
            CountCollapsed(range);
    Clear();
    for (int i = 0; i < Found.Count(); ++i)
        Add(Found.Ranges(i));
    Found.Clear();
    ReplaceIn(*this, keptFor);
    return nullptr;
}
