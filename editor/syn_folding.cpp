// Code folding: finding the fold ranges, answering where they are, and the
// text with every fold expanded.
#include <algorithm>

#include "editor/fold_regions.h"
#include "editor/syn_custom_text.h"
#include "editor/syn_fold_ranges.h"
#include "editor/syn_fold_scan.h"
#include "editor/syn_gutter.h"
#include "editor/syn_highlighter.h"
#include "platform/base/code_page.h"

namespace {

// Token at a character start of Line (single-byte comparison, so a trail
// byte never passes for a token).
std::vector<size_t> FindToken(const AnsiString& Line, const AnsiString& Token)
{
    std::vector<size_t> found;
    if (Token.empty())
        return found;
    for (size_t i = 0; i < Line.size(); i += CharLengthAt(Line, i))
        if (Line.compare(i, Token.size(), Token) == 0)
            found.push_back(i);
    return found;
}

// Visits the regions of List, the sub-regions of each before it, until Visit
// answers true.
template <typename TVisit>
bool VisitRegions(TFoldRegions* List, TVisit&& Visit)
{
    if (!List)
        return false;
    for (int i = 0; i < List->Count(); ++i) {
        TFoldRegionItem* region = List->GetItem(i);
        if (VisitRegions(region->SubRegions(), Visit) || Visit(region))
            return true;
    }
    return false;
}

// The attribute names of one line's tokens, kept while the scan asks about
// the same line.
class TLineAttributes {
public:
    TLineAttributes(TSynCustomHighlighter* Highlighter, TSynTextStringList* Lines)
        : highlighter_(Highlighter), lines_(Lines)
    {
    }

    AnsiString At(int Line, int Char)
    {
        if (Line != line_)
            Tokenize(Line);
        const auto offset = static_cast<size_t>(Char - 1);
        for (const TToken& token : tokens_)
            if (offset >= token.Start && offset < token.End)
                return token.Name;
        return AnsiString();
    }

private:
    struct TToken {
        size_t Start;
        size_t End;
        AnsiString Name;
    };

    void Tokenize(int Line)
    {
        line_ = Line;
        tokens_.clear();
        const int index = Line - 1;
        if (index < 0 || index >= lines_->Count())
            return;
        if (index == 0)
            highlighter_->ResetRange();
        else
            highlighter_->SetRange(reinterpret_cast<void*>(lines_->GetRange(index - 1)));
        highlighter_->SetLine(lines_->Strings(index), index);
        while (!highlighter_->GetEol()) {
            const auto start = static_cast<size_t>(highlighter_->GetTokenPos());
            TSynHighlighterAttributes* attr = highlighter_->GetTokenAttribute();
            tokens_.push_back({start, start + highlighter_->GetToken().size(), attr ? attr->Name() : AnsiString()});
            highlighter_->Next();
        }
    }

    TSynCustomHighlighter* highlighter_;
    TSynTextStringList* lines_;
    int line_ = 0;
    std::vector<TToken> tokens_;
};

// The first range of the flat list that passes Test.
template <typename TTest>
TSynTextFoldRange* FirstRange(const TSynTextAllFoldRanges& All, TTest Test)
{
    for (int i = 0; i < All.AllCount(); ++i)
        if (Test(*All.AllRanges(i)))
            return All.AllRanges(i);
    return nullptr;
}

}  // namespace

// --- Settings ---

void TCustomSynText::CodeFoldingChanged(TSynCodeFoldingChanges Event)
{
    switch (Event) {
    case fcEnabled:
        if (codeFolding_->Enabled()) {
            MakeRoomRightOfNumbers();
            // Nothing followed the text while folding was off.
            RebuildFoldRanges();
        } else {
            UncollapseAll();
        }
        break;
    case fcRescan:
        RebuildFoldRanges();
        break;
    case fcRefresh:
        break;
    }
    Invalidate();
}

bool TCustomSynText::CountsFoldChanges() const
{
    return codeFolding_ && codeFolding_->Enabled() && !movingFoldLines_;
}

// --- Finding the ranges ---

TFoldRegions* TCustomSynText::ScanFoldRegions() const
{
    if (codeFolding_->HighlighterFoldRegions() && highlighter_)
        return highlighter_->FoldRegions();
    return codeFolding_->FoldRegions();
}

void TCustomSynText::ScanFoldText(const AnsiString& Text, const std::vector<int>& LineMap,
                                  TSynTextAllFoldRanges& Ranges)
{
    auto bufferLine = [&LineMap](int Line) {
        if (LineMap.empty())
            return Line;
        return LineMap[static_cast<size_t>(std::clamp(Line, 1, static_cast<int>(LineMap.size())) - 1)];
    };
    TSynFoldScanner scanner(ScanFoldRegions(), codeFolding_->CaseSensitive(), tabWidth_);
    TLineAttributes attributes(highlighter_, lines_);
    if (highlighter_)
        scanner.AttributeAt = [&](int Line, int Char) { return attributes.At(bufferLine(Line), Char); };
    scanner.Scan(Text, Ranges);
    if (LineMap.empty())
        return;
    for (int i = 0; i < Ranges.AllCount(); ++i) {
        TSynTextFoldRange* range = Ranges.AllRanges(i);
        range->FromLine = bufferLine(range->FromLine);
        range->ToLine = bufferLine(range->ToLine);
    }
}

void TCustomSynText::ClearFoldRanges()
{
    if (allFoldRanges_)
        allFoldRanges_->ClearAll();
    caretFoldRange_ = nullptr;
    pendingFoldChanges_ = 0;
}

void TCustomSynText::RebuildFoldRanges()
{
    UncollapseAll();
    ClearFoldRanges();
    // Enabling folding rebuilds, so a text edited meanwhile is never scanned
    // for nothing.
    if (codeFolding_->Enabled())
        ScanFoldText(lines_->Text(), {}, *allFoldRanges_);
    InvalidateGutter();
}

void TCustomSynText::RescanFoldRanges()
{
    pendingFoldChanges_ = 0;
    if (!codeFolding_->Enabled())
        return;
    caretFoldRange_ = nullptr;
    TSynTextAllFoldRanges& all = *allFoldRanges_;
    all.KeepCollapsedOnly();
    // The first lines of the collapsed ranges stay out of the scan: their
    // blocks are not in the buffer to close them.
    std::vector<bool> head(static_cast<size_t>(lines_->Count()) + 1);
    for (int i = 0; i < all.AllCount(); ++i) {
        const TSynTextFoldRange* range = all.AllRanges(i);
        if (!range->ParentCollapsed && range->FromLine >= 1 && range->FromLine <= lines_->Count())
            head[static_cast<size_t>(range->FromLine)] = true;
    }
    AnsiString text;
    std::vector<int> map;
    for (int line = 1; line <= lines_->Count(); ++line) {
        if (head[static_cast<size_t>(line)])
            continue;
        if (!map.empty())
            text += "\r\n";
        text += lines_->Strings(line - 1);
        map.push_back(line);
    }
    TSynTextAllFoldRanges found;
    if (!map.empty())
        ScanFoldText(text, map, found);
    all.MergeRescan(found);
    InvalidateGutter();
}

// --- Where the ranges are ---

TSynTextFoldRange* TCustomSynText::GetFoldRangeStartingAt(int Line) const
{
    return FirstRange(*allFoldRanges_, [Line](const TSynTextFoldRange& r) {
        return !r.ParentCollapsed && r.FromLine == Line;
    });
}

TSynTextFoldRange* TCustomSynText::GetFoldRangeEndingAt(int Line) const
{
    // A collapsed range ends nowhere in view.
    return FirstRange(*allFoldRanges_, [Line](const TSynTextFoldRange& r) {
        return !r.ParentCollapsed && !r.Collapsed && r.ToLine == Line;
    });
}

TSynTextFoldRange* TCustomSynText::GetFoldRangeAtLine(int Line, int* NumberOnLine) const
{
    TSynTextFoldRange* first = nullptr;
    int number = 0;
    for (int i = 0; i < allFoldRanges_->AllCount(); ++i) {
        TSynTextFoldRange* range = allFoldRanges_->AllRanges(i);
        if (range->ParentCollapsed || range->FromLine != Line || range->FromLine == range->ToLine)
            continue;
        if (!first)
            first = range;
        ++number;
    }
    if (NumberOnLine)
        *NumberOnLine = number;
    return first;
}

TSynTextFoldRange* TCustomSynText::CollapsedRangeAt(int Line) const
{
    return FirstRange(*allFoldRanges_, [Line](const TSynTextFoldRange& r) {
        return r.Collapsed && !r.ParentCollapsed && r.FromLine == Line;
    });
}

bool TCustomSynText::IsFoldEnd(int Line) const
{
    return FirstRange(*allFoldRanges_, [Line](const TSynTextFoldRange& r) {
        return !r.Collapsed && !r.ParentCollapsed && r.FromLine != r.ToLine && r.ToLine == Line;
    }) != nullptr;
}

bool TCustomSynText::IsInsideFold(int Line) const
{
    return FirstRange(*allFoldRanges_, [Line](const TSynTextFoldRange& r) {
        return !r.Collapsed && !r.ParentCollapsed && r.FromLine < Line && Line < r.ToLine;
    }) != nullptr;
}

int TCustomSynText::GetRealLineNumber(int Line) const { return allFoldRanges_->RealLineNumber(Line); }

TRect TCustomSynText::GetCollapseMarkRect(TSynTextFoldRange* FoldRange, int Row) const
{
    const int top = (Row - topLine_) * LineHeight();
    return TRect(FoldRange->HintMarkLeft + charWidth_, top, FoldRange->HintMarkLeft + 4 * charWidth_,
                 top + LineHeight() - 2);
}

int TCustomSynText::IndentLevel(int LineIndex) const
{
    return TSynFoldScanner::IndentLevel(lines_->Strings(LineIndex), tabWidth_);
}

int TCustomSynText::LeadingWidth(int LineIndex) const
{
    int width = 0;
    for (const char c : lines_->Strings(LineIndex)) {
        if (c == '\t')
            width += tabWidth_;
        else if (c == ' ')
            ++width;
        else
            break;
    }
    return width;
}

// --- Tokens ---

void TCustomSynText::UpdateCaretFoldRange()
{
    TSynTextFoldRange* found = nullptr;
    TFoldRegions* regions = !codeFolding_->HighlighterFoldRegions() && codeFolding_->FoldRegions()->Count() > 0
                                ? codeFolding_->FoldRegions()
                                : (highlighter_ ? highlighter_->FoldRegions() : nullptr);
    const bool caseSensitive = codeFolding_->CaseSensitive();
    const AnsiString line = caseSensitive ? LineText() : UpperCase(LineText());
    // The caret touches a token from its first column to just after it.
    auto touches = [&](const AnsiString& Token) {
        const AnsiString token = caseSensitive ? Token : UpperCase(Token);
        for (const size_t at : FindToken(line, token)) {
            const int column = static_cast<int>(at) + 1;
            if (column <= caretX_ && caretX_ <= column + static_cast<int>(token.size()))
                return true;
        }
        return false;
    };
    VisitRegions(regions, [&](TFoldRegionItem* Region) {
        if (touches(Region->Open()))
            found = GetFoldRangeStartingAt(caretY_);
        else if (touches(Region->Close()))
            found = GetFoldRangeEndingAt(caretY_);
        return found != nullptr;
    });
    if (found == caretFoldRange_)
        return;
    TSynTextFoldRange* old = caretFoldRange_;
    caretFoldRange_ = found;
    if (old)
        InvalidateLines(old->FromLine, old->ToLine);
    if (found)
        InvalidateLines(found->FromLine, found->ToLine);
}

bool TCustomSynText::LineHasFoldToken(const AnsiString& Line, AnsiString& Token) const
{
    const bool caseSensitive = codeFolding_->CaseSensitive();
    const AnsiString line = caseSensitive ? Line : UpperCase(Line);
    auto has = [&](const AnsiString& T) { return !FindToken(line, caseSensitive ? T : UpperCase(T)).empty(); };
    Token.clear();
    return VisitRegions(ScanFoldRegions(), [&](TFoldRegionItem* Region) {
        if (has(Region->Open()))
            Token = Region->Open();
        else if (has(Region->Close()))
            Token = Region->Close();
        return !Token.empty();
    });
}

// --- The text with every fold expanded ---

std::unique_ptr<TSynTextStringList> TCustomSynText::GetExpandedLines() const
{
    return allFoldRanges_->ExpandedCopy(lines_);
}
