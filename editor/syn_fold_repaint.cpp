// Repainting after a fold scan: only the shown lines whose fold marks or
// indent guides the scan changed, instead of the whole window.
#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

#include "editor/folding/syn_code_folding.h"
#include "editor/folding/syn_fold_line_map.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_custom_text.h"

namespace {

// The guides of one list or the other that the other lacks or draws in
// the other look.
std::vector<std::pair<int, bool>> GuidesChanged(const std::vector<std::pair<int, bool>>& Was,
                                                const std::vector<std::pair<int, bool>>& Now)
{
    std::vector<std::pair<int, bool>> changed;
    std::set_symmetric_difference(Was.begin(), Was.end(), Now.begin(), Now.end(), std::back_inserter(changed));
    return changed;
}

}  // namespace

std::vector<std::pair<int, bool>> TCustomSynText::GuidesDrawn(const std::vector<const TSynTextFoldRange*>& Around,
                                                              int ActiveLevel) const
{
    // Guides at one indentation are drawn over each other: the last one
    // drawn shows. Those scrolled out of view show nothing.
    std::vector<std::pair<int, bool>> guides;
    for (const TSynTextFoldRange* guide : Around) {
        const int indent = LeadingWidth(guide->FromLine() - 1);
        if (indent <= leftChar_ - 1)
            continue;
        const bool active = IsActiveGuide(*guide, ActiveLevel);
        const auto at = std::find_if(guides.begin(), guides.end(),
                                     [indent](const std::pair<int, bool>& G) { return G.first == indent; });
        if (at != guides.end())
            at->second = active;
        else
            guides.emplace_back(indent, active);
    }
    std::sort(guides.begin(), guides.end());
    return guides;
}

std::optional<TCustomSynText::TFoldLooks> TCustomSynText::ShownFoldLooks() const
{
    if (!HandleAllocated() || lines_->Count() == 0)
        return std::nullopt;
    TFoldLooks looks;
    looks.FirstLine = RowToLine(std::max(topLine_, 1));
    looks.FirstRealLine = allFoldRanges_->RealLineNumber(looks.FirstLine);
    const int last = std::min(RowToLine(topLine_ + linesInWindow_), lines_->Count());
    if (last < looks.FirstLine)
        return looks;
    for (const TSynTextFoldRange* range = allFoldRanges_->CollapsedIn(looks.FirstLine, last); range;
         range = allFoldRanges_->CollapsedIn(range->FromLine() + 1, last))
        looks.Collapsed.emplace_back(range->FromLine(), allFoldRanges_->HiddenLineCount(range));
    const TSynFoldLineMap map(*allFoldRanges_, looks.FirstLine, last, caretY_);
    const bool guides = codeFolding_->IndentGuides();
    for (int line = looks.FirstLine; line <= last; ++line) {
        TFoldLook& look = looks.Lines.emplace_back();
        look.Inside = map.IsInsideFold(line);
        look.End = map.IsFoldEnd(line);
        // As the marks are painted: a range that never closed has none.
        if (const TSynTextFoldRange* range = map.StartingAt(line))
            look.Mark = range->Collapsed ? 2 : range->ToLine() > range->FromLine() ? 1 : 0;
        if (!guides)
            continue;
        look.Guides = GuidesDrawn(map.Around(line), map.CaretLevel());
    }
    return looks;
}

void TCustomSynText::RepaintChangedFoldLooks(const std::optional<TFoldLooks>& Before)
{
    const std::optional<TFoldLooks> after = ShownFoldLooks();
    if (!Before || !after || Before->FirstLine != after->FirstLine || Before->FirstRealLine != after->FirstRealLine ||
        Before->Collapsed != after->Collapsed || Before->Lines.size() != after->Lines.size()) {
        RepaintGutter();
        if (codeFolding_->IndentGuides())
            RepaintLines(-1, -1);
        return;
    }
    for (size_t i = 0; i < after->Lines.size(); ++i) {
        const TFoldLook& was = Before->Lines[i];
        const TFoldLook& now = after->Lines[i];
        if (was == now)
            continue;
        const int line = after->FirstLine + static_cast<int>(i);
        if (was.Inside != now.Inside || was.End != now.End || was.Mark != now.Mark)
            InvalidateArea(FoldMarkColumn(std::max(LineToRow(line), topLine_), LineToRow(line + 1) - 1));
        // The text rows show the box of a collapsed range, and the guides,
        // each a line one pixel wide.
        if ((was.Mark == 2) != (now.Mark == 2)) {
            InvalidateLine(line);
        } else if (was.Guides != now.Guides) {
            const int top = (std::max(LineToRow(line), topLine_) - topLine_) * LineHeight();
            const int bottom = (LineToRow(line + 1) - topLine_) * LineHeight();
            for (const auto& [indent, active] : GuidesChanged(was.Guides, now.Guides)) {
                const int x = gutterWidth_ + (indent - (leftChar_ - 1)) * charWidth_;
                InvalidateArea(Rect(x, top, x + 1, bottom));
            }
        }
    }
}
