// Repainting after a fold scan: only the shown lines whose fold marks or
// indent guides the scan changed, instead of the whole window.
#include <algorithm>
#include <optional>
#include <vector>

#include "editor/folding/syn_code_folding.h"
#include "editor/folding/syn_fold_line_map.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_custom_text.h"

std::optional<TCustomSynText::TFoldLooks> TCustomSynText::ShownFoldLooks() const
{
    if (!HandleAllocated() || lines_->Count() == 0 || allFoldRanges_->HasCollapsed())
        return std::nullopt;
    TFoldLooks looks;
    looks.FirstLine = RowToLine(std::max(topLine_, 1));
    const int last = std::min(RowToLine(topLine_ + linesInWindow_), lines_->Count());
    if (last < looks.FirstLine)
        return looks;
    const TSynFoldLineMap map(*allFoldRanges_, looks.FirstLine, last, caretY_);
    const bool guides = codeFolding_->IndentGuides();
    for (int line = looks.FirstLine; line <= last; ++line) {
        TFoldLook& look = looks.Lines.emplace_back();
        look.Inside = map.IsInsideFold(line);
        look.End = map.IsFoldEnd(line);
        // As the marks are painted: a range that never closed has none.
        if (const TSynTextFoldRange* range = map.StartingAt(line))
            look.Mark = range->Collapsed ? 2 : range->ToLine > range->FromLine ? 1 : 0;
        if (guides)
            for (const TSynTextFoldRange* guide : map.Around(line))
                look.Guides.emplace_back(LeadingWidth(guide->FromLine - 1), IsActiveGuide(*guide, map.CaretLevel()));
    }
    return looks;
}

void TCustomSynText::RepaintChangedFoldLooks(const std::optional<TFoldLooks>& Before)
{
    const std::optional<TFoldLooks> after = ShownFoldLooks();
    if (!Before || !after || Before->FirstLine != after->FirstLine || Before->Lines.size() != after->Lines.size()) {
        InvalidateGutter();
        if (codeFolding_->IndentGuides())
            InvalidateLines(-1, -1);
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
        // The text rows show the guides and the box of a collapsed range.
        if (was.Guides != now.Guides || (was.Mark == 2) != (now.Mark == 2))
            InvalidateLine(line);
    }
}
