#include "tests/highlighter/c_fold_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <tuple>
#include <vector>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/highlighting/syn_highlighter_attributes.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/win/clipboard.h"
#include "tests/editor/syn_fold_test_support.h"
#include "tests/support/test_data.h"

namespace {

void LoadCScheme(TSynLexSyn& Highlighter)
{
    const std::string scheme = FindTestFolder("app") + "/schemes/Cpp.xml";
    EXPECT_TRUE(Highlighter.LoadFromFile(scheme)) << scheme;
}

}  // namespace

void LoadCSchemeWithStringsOverLines(TSynLexSyn& Highlighter)
{
    LoadCScheme(Highlighter);
    TSkipRegions* skips = Highlighter.FoldRegions()->SkipRegions();
    skips->Clear();
    skips->Add("\"", "\"", "\\", srtCloseChar);
}

void UseCFolding(TSynMemo& Memo, TSynLexSyn& Highlighter)
{
    if (Highlighter.FoldRegions()->Count() == 0)
        LoadCScheme(Highlighter);
    Memo.SetMaxUndo(1000000);
    Memo.SetHighlighter(&Highlighter);
    Memo.CodeFolding()->SetHighlighterFoldRegions(true);
    Memo.CodeFolding()->SetEnabled(true);
}

void UseRegionFolding(TSynMemo& Memo, TSynLexSyn& Highlighter)
{
    UseCFolding(Memo, Highlighter);
    TFoldRegions* regions = Memo.CodeFolding()->FoldRegions();
    regions->SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
    regions->SkipRegions()->Add("//", "", "", srtLineEnd);
    regions->Add(frtOneChar, true, false, false, "{", "}");
    regions->Add(frtToken, false, true, false, "/*", "*/");
    regions->Add(frtToken, true, false, true, "#ifdef", "#endif");
    Memo.CodeFolding()->SetHighlighterFoldRegions(false);
}

std::unique_ptr<TSynMemo> NewCFoldingMemo(TSynLexSyn& Highlighter)
{
    auto memo = std::make_unique<TSynMemo>(nullptr);
    UseCFolding(*memo, Highlighter);
    return memo;
}

int BufferLineOf(TSynMemo& Memo, int Real)
{
    // The last line whose number with nothing collapsed is Real or less.
    int line = 1;
    for (int last = Memo.Lines()->Count(); line < last;) {
        const int middle = (line + last + 1) / 2;
        if (Memo.GetRealLineNumber(middle) <= Real)
            line = middle;
        else
            last = middle - 1;
    }
    return line;
}

void SelectReal(TSynMemo& Memo, TBufferCoord From, TBufferCoord To)
{
    From.Line = BufferLineOf(Memo, From.Line);
    To.Line = BufferLineOf(Memo, To.Line);
    Memo.SetCaretAndSelection(To, From, To);
}

std::string DescribeColours(TSynMemo& Memo, int Index)
{
    TSynCustomHighlighter* highlighter = Memo.Highlighter();
    if (Index == 0)
        highlighter->ResetRange();
    else
        highlighter->SetRange(reinterpret_cast<void*>(Memo.LineRange(Index - 1)));
    highlighter->SetLine(Memo.Lines()->Strings(Index), Index);
    // A check after every step of a session describes many lines: no
    // stream for each.
    std::string out;
    for (; !highlighter->GetEol(); highlighter->Next()) {
        const TSynHighlighterAttributes* attr = highlighter->GetTokenAttribute();
        out += " " + std::to_string(highlighter->GetTokenPos()) + (attr ? attr->Name() : AnsiString("-"));
    }
    return out;
}

AnsiString ClipboardText()
{
    AnsiString text;
    if (OpenClipboard(nullptr)) {
        if (HGLOBAL block = GetClipboardData(CF_TEXT))
            text = static_cast<const char*>(GlobalLock(block));
        CloseClipboard();
    }
    return text;
}

namespace {

// Every range of the flat list with its lines, level, whether it is hidden
// and, for a collapsed one, how many lines it hides.
std::string DescribeAll(const TSynTextAllFoldRanges& Ranges)
{
    std::ostringstream out;
    for (int i = 0; i < Ranges.AllCount(); ++i) {
        const TSynTextFoldRange* range = Ranges.AllRanges(i);
        out << DescribeFoldRange(range) << (range->ParentCollapsed ? " hidden" : "");
        if (range->Collapsed)
            out << " hides " << range->CollapsedLineCount();
        out << "; ";
    }
    return out.str();
}

// Whether two lists of ranges are the same as DescribeAll and
// DescribeFoldTree tell them, in the flat list and (Tree) in the tree: a
// check after every step of a session describes them only when they
// differ.
bool SameRange(const TSynTextFoldRange* A, const TSynTextFoldRange* B)
{
    return A->FromLine() == B->FromLine() && A->ToLine() == B->ToLine() && A->FoldRangeLevel == B->FoldRangeLevel &&
           A->Indent == B->Indent && A->Collapsed == B->Collapsed && A->ParentCollapsed == B->ParentCollapsed &&
           (!A->Collapsed || A->CollapsedLineCount() == B->CollapsedLineCount());
}

bool SameAll(const TSynTextAllFoldRanges& A, const TSynTextAllFoldRanges& B)
{
    if (A.AllCount() != B.AllCount())
        return false;
    for (int i = 0; i < A.AllCount(); ++i)
        if (!SameRange(A.AllRanges(i), B.AllRanges(i)))
            return false;
    return true;
}

bool SameTree(const TSynTextFoldRanges& A, const TSynTextFoldRanges& B)
{
    if (A.Count() != B.Count())
        return false;
    for (int i = 0; i < A.Count(); ++i)
        if (!SameRange(A.Ranges(i), B.Ranges(i)) || !SameTree(A.Ranges(i)->SubFoldRanges, B.Ranges(i)->SubFoldRanges))
            return false;
    return true;
}

}  // namespace

void ExpectFoldsOfAFreshEditor(TSynMemo& Memo, const TFoldingMemoMaker& NewMemo, int FirstColoured, int LastColoured)
{
    TSynTextAllFoldRanges* ranges = Memo.AllFoldRanges();
    // The collapsed blocks by their first line in the text with nothing
    // collapsed, the innermost first, so that each is in view when the
    // fresh editor collapses it.
    // Expanding a copy of the ranges in a copy of the lines gives both
    // the ranges' real lines and the text.
    TSynTextAllFoldRanges expanded;
    expanded.Assign(*ranges);
    TSynTextStringList lines;
    lines.Assign(Memo.Lines());
    expanded.ExpandAll(&lines);
    std::vector<std::tuple<int, int>> collapsed;  // level (negated), first line
    for (int i = 0; i < ranges->AllCount(); ++i)
        if (ranges->AllRanges(i)->Collapsed)
            collapsed.emplace_back(-expanded.AllRanges(i)->FoldRangeLevel, expanded.AllRanges(i)->FromLine());
    std::sort(collapsed.begin(), collapsed.end());
    const AnsiString text = lines.Text();
    std::unique_ptr<TSynMemo> fresh = NewMemo();
    fresh->SetText(text);
    fresh->RebuildFoldRanges();
    // One update for all the collapses: each one's end would otherwise
    // look over every block collapsed before it. The scan is finished
    // first, as the update keeps the ranges as they stand.
    fresh->AllFoldRanges();
    fresh->BeginUpdate();
    for (const auto& [level, line] : collapsed) {
        TSynTextAllFoldRanges* all = fresh->AllFoldRanges();
        const int at = BufferLineOf(*fresh, line);
        for (int i = 0; i < all->AllCount(); ++i) {
            TSynTextFoldRange* range = all->AllRanges(i);
            if (!range->ParentCollapsed && range->FromLine() == at && range->FoldRangeLevel == -level &&
                range->ToLine() > at) {
                fresh->Collapse(range);
                break;
            }
        }
    }
    fresh->EndUpdate();
    EXPECT_EQ(Memo.Lines()->Text(), fresh->Lines()->Text()) << "shown lines";
    // Each line in view is coloured as in the text with nothing collapsed
    // (a collapsed first line but for its collapse mark).
    std::unique_ptr<TSynMemo> open = NewMemo();
    open->CodeFolding()->SetEnabled(false);
    open->SetText(text);
    for (int i = std::max(FirstColoured, 1) - 1; i < std::min(LastColoured, Memo.Lines()->Count()); ++i) {
        if (ranges->CollapsedStartsAt(i + 1))
            continue;
        EXPECT_EQ(DescribeColours(Memo, i), DescribeColours(*open, Memo.GetRealLineNumber(i + 1) - 1))
            << "colours of line " << i + 1;
    }
    // The highlighter's state after each line in view is the one after
    // the last line it shows in the text with nothing collapsed (the
    // block's last line for a collapsed first line): the lines below start
    // from it. An empty text has no line to compare.
    const int shown = open->Lines()->Count() > 0 ? Memo.Lines()->Count() : 0;
    for (int i = 0; i < shown; ++i) {
        const int last = i + 1 < shown ? Memo.GetRealLineNumber(i + 2) - 1 : open->Lines()->Count();
        if (Memo.LineRange(i) != open->LineRange(last - 1)) {
            ADD_FAILURE() << "the highlighter's state after line " << i + 1 << " (real line " << last << ")";
            break;
        }
    }
    if (!SameAll(*ranges, *fresh->AllFoldRanges())) {
        EXPECT_EQ(DescribeAll(*ranges), DescribeAll(*fresh->AllFoldRanges())) << "flat list";
    }
    if (!SameTree(*ranges, *fresh->AllFoldRanges())) {
        EXPECT_EQ(DescribeFoldTree(*ranges), DescribeFoldTree(*fresh->AllFoldRanges())) << "outermost list";
    }
}
