#include "tests/editor/syn_fold_test_support.h"

#include <sstream>

#include "editor/document/syn_text_string_list.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_custom_text.h"

std::string DescribeFoldRange(const TSynTextFoldRange* Range)
{
    if (!Range)
        return "none";
    std::ostringstream out;
    out << Range->FromLine() << "-" << Range->ToLine() << " L" << Range->FoldRangeLevel << " I" << Range->Indent
        << (Range->Collapsed ? " collapsed" : "");
    return out.str();
}

std::string DescribeFoldTree(const TSynTextFoldRanges& Ranges)
{
    std::ostringstream out;
    for (int i = 0; i < Ranges.Count(); ++i) {
        const TSynTextFoldRange* range = Ranges.Ranges(i);
        out << "(" << range->FromLine() << "-" << range->ToLine() << " L" << range->FoldRangeLevel << " I"
            << range->Indent << DescribeFoldTree(range->SubFoldRanges) << ")";
    }
    return out.str();
}

std::unique_ptr<TSynTextAllFoldRanges> ExpandedFoldRanges(TCustomSynText& Editor)
{
    auto expanded = std::make_unique<TSynTextAllFoldRanges>();
    expanded->Assign(*Editor.AllFoldRanges());
    TSynTextStringList lines;
    lines.Assign(Editor.Lines());
    expanded->ExpandAll(&lines);
    return expanded;
}
