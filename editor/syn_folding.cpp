// Code folding: finding the fold ranges, answering where they are, and the
// text with every fold expanded.
#include <algorithm>
#include <array>
#include <climits>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "editor/folding/fold_regions.h"
#include "editor/syn_custom_text.h"
#include "editor/syn_edit_scopes.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/folding/syn_fold_line_map.h"
#include "editor/folding/syn_fold_line_source.h"
#include "editor/folding/syn_fold_resume.h"
#include "editor/folding/syn_fold_scan.h"
#include "editor/view/syn_gutter.h"
#include "editor/highlighting/syn_highlighter.h"
#include "platform/base/code_page.h"
#include "platform/ui/kernel/timer.h"

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

// Visits the open, close and escape texts of the skip regions of List and
// of its sub-region lists until Visit answers true.
template <typename TVisit>
bool VisitSkipTokens(TFoldRegions* List, TVisit&& Visit)
{
    if (!List)
        return false;
    TSkipRegions* skips = List->SkipRegions();
    for (int i = 0; i < skips->Count(); ++i) {
        const TSkipRegionItem* skip = skips->GetItem(i);
        for (const AnsiString* text : {&skip->Open(), &skip->Close(), &skip->Escape()})
            if (!text->empty() && Visit(*text))
                return true;
    }
    for (int i = 0; i < List->Count(); ++i)
        if (VisitSkipTokens(List->GetItem(i)->SubRegions(), Visit))
            return true;
    return false;
}

// A token of a highlighted line: its bytes and its attribute (null where
// none paints); the name is read only for the token asked about.
struct TPaintedToken {
    size_t Start;
    size_t End;
    const TSynHighlighterAttributes* Attribute;
};

// The tokens of Line (index Index) highlighted from the range Start, or
// from the highlighter's reset range when Start is null.
std::vector<TPaintedToken> PaintedTokens(TSynCustomHighlighter* Highlighter, const intptr_t* Start,
                                         const AnsiString& Line, int Index)
{
    if (Start)
        Highlighter->SetRange(reinterpret_cast<void*>(*Start));
    else
        Highlighter->ResetRange();
    Highlighter->SetLine(Line, Index);
    std::vector<TPaintedToken> tokens;
    while (!Highlighter->GetEol()) {
        const auto start = static_cast<size_t>(Highlighter->GetTokenPos());
        tokens.push_back({start, start + Highlighter->GetToken().size(), Highlighter->GetTokenAttribute()});
        Highlighter->Next();
    }
    return tokens;
}

// The attribute name at character Char (from 1), empty where none paints.
AnsiString NameAt(const std::vector<TPaintedToken>& Tokens, int Char)
{
    const auto offset = static_cast<size_t>(Char - 1);
    for (const TPaintedToken& token : Tokens)
        if (offset >= token.Start && offset < token.End)
            return token.Attribute ? token.Attribute->Name() : AnsiString();
    return AnsiString();
}

// The attribute names of one line's tokens, kept while the scan asks about
// the same line: a line of the buffer, tokenized from the range stored for
// the line above, or a line a collapsed block hides, whose block is
// highlighted from its first line down to it.
class TLineAttributes {
public:
    TLineAttributes(TSynCustomHighlighter* Highlighter, const TSynTextStringList& Lines,
                    const TSynTextAllFoldRanges& Ranges, TSynFoldLineSource& Source,
                    const std::function<intptr_t(int)>& RangeAfter)
        : highlighter_(Highlighter), lines_(Lines), ranges_(Ranges), source_(Source), rangeAfter_(RangeAfter)
    {
    }

    AnsiString At(int Line, int Char)
    {
        if (Line != line_)
            Tokenize(Line);
        return NameAt(tokens_, Char);
    }

private:
    void Tokenize(int Line)
    {
        line_ = Line;
        tokens_.clear();
        if (TSynFoldLineSource::TBlock* block = source_.BlockAt(Line)) {
            const intptr_t above = block->Head > 0 ? rangeAfter_(block->Head - 1) : 0;
            // Leaves the highlighter at the end of the block's line Index.
            const auto tokensOf = [&](size_t Index) {
                const intptr_t start = Index == 0 ? above : block->RangesAfter[Index - 1];
                return PaintedTokens(highlighter_, Index == 0 && block->Head == 0 ? nullptr : &start,
                                     block->Lines[Index], block->Head);
            };
            const auto at = static_cast<size_t>(Line - block->First);
            while (block->RangesAfter.size() < at) {
                tokensOf(block->RangesAfter.size());
                block->RangesAfter.push_back(reinterpret_cast<intptr_t>(highlighter_->GetRange()));
            }
            tokens_ = tokensOf(at);
            return;
        }
        const int index = ranges_.BufferLineOf(Line) - 1;
        if (index < 0 || index >= lines_.Count())
            return;
        const intptr_t start = index > 0 ? rangeAfter_(index - 1) : 0;
        tokens_ = PaintedTokens(highlighter_, index > 0 ? &start : nullptr, lines_.Strings(index), index);
    }

    TSynCustomHighlighter* highlighter_;
    const TSynTextStringList& lines_;
    const TSynTextAllFoldRanges& ranges_;
    TSynFoldLineSource& source_;
    const std::function<intptr_t(int)>& rangeAfter_;
    int line_ = 0;
    std::vector<TPaintedToken> tokens_;
};

// An output iterator that hands each value written to it to Take, so that
// a list that only passes through (one entry for each of a million ranges)
// is never stored.
template <typename TTake>
struct TTakeOutput {
    TTake Take;
    TTakeOutput& operator*() { return *this; }
    TTakeOutput& operator++() { return *this; }
    TTakeOutput operator++(int) { return *this; }
    template <typename TValue>
    TTakeOutput& operator=(const TValue& Value)
    {
        Take(Value);
        return *this;
    }
};
template <typename TTake>
TTakeOutput(TTake) -> TTakeOutput<TTake>;

// Of the ranges in view holding Line, the first in the flat list that
// passes Test.
template <typename TTest>
TSynTextFoldRange* FirstHolding(const TSynTextAllFoldRanges& All, int Line, TTest Test)
{
    for (TSynTextFoldRange* range : All.Holding(Line))
        if (Test(*range))
            return range;
    return nullptr;
}

}  // namespace

// --- Settings ---

void TCustomSynText::CodeFoldingChanged(TSynCodeFoldingChanges Event)
{
    // Settings copied in whole report a rescan only, and may have switched
    // folding on: the fold bar needs its room whatever the report.
    MakeRoomRightOfNumbers();
    switch (Event) {
    case fcEnabled:
        if (codeFolding_->Enabled()) {
            // Nothing followed the text while folding was off.
            RebuildFoldRanges();
        } else {
            // Nothing follows the text while folding is off: the ranges
            // would only hold memory until it is on again, and rebuilt.
            UncollapseAll();
            ClearFoldRanges();
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

void TCustomSynText::CountFoldChanges(int Index, int Count)
{
    // One change counted is enough for a rescan: a text of a million lines
    // coming in is not read for more.
    if (!CountsFoldChanges() || foldScan_.HasChanges())
        return;
    // A range that its parent's close token ends stops on the line above
    // that token: a line without tokens that comes or goes just there moves
    // that end, which the ranges following the inserted or deleted lines
    // cannot tell.
    if (VisitRegions(ScanFoldRegions(), [](TFoldRegionItem* Region) { return Region->SubRegions()->Count() > 0; })) {
        foldScan_.NoteChange();
        return;
    }
    // Lines coming in as a block are empty until their text is put in,
    // which counts then.
    AnsiString token;
    for (int i = std::max(Index, 0); i < Index + Count && i < lines_->Count(); ++i) {
        const std::string_view line = lines_->LineView(i);
        if (!line.empty() && LineHasFoldToken(line, token)) {
            foldScan_.NoteChange();
            return;
        }
    }
}

std::optional<AnsiString> TCustomSynText::FoldSignature(int Index, std::string_view Line, bool SecondNotice) const
{
    // The stored range above a line changed in this update, or not scanned
    // yet, is not what a scan of the text will read.
    if (highlighter_ && Index > 0 &&
        ((pendingScanFirst_ <= Index - 1 && Index - 1 <= pendingScanLast_) || Index - 1 >= unscannedFrom_))
        return std::nullopt;
    // The first line of a collapsed range carries what the collapse appended.
    if (allFoldRanges_->CollapsedStartsAt(Index + 1))
        return std::nullopt;
    // A scanner the first notice did not check (it answered before asking
    // for one) gives a signature that counts for nothing: without the
    // first one the write counts as a change, and the next write checks
    // the scanner before it takes this one from the cache.
    TSynFoldScanner& scanner = SecondNotice && foldScanner_ ? *foldScanner_ : FoldScanner();
    const intptr_t rangeAbove = highlighter_ && Index > 0 ? lines_->GetRange(Index - 1) : 0;
    TLastFoldSignature& last = lastFoldSignature_;
    if (last.Index == Index && last.RangeAbove == rangeAbove && last.Highlighter == highlighter_) {
        if (last.Line == Line)
            return last.Signature;
        // A letter typed or deleted away from every token leaves it.
        if (!highlighter_ && last.Signature && scanner.KeepsSignature(last.Line, Line)) {
            last.Line.assign(Line);
            return last.Signature;
        }
    }
    last.Index = -1;
    // Into the buffer of the line before: a line of about the same length
    // takes no new block.
    last.Line.assign(Line);
    const AnsiString& line = last.Line;
    std::optional<std::vector<TPaintedToken>> painted;
    if (highlighter_) {
        scanner.AttributeAt = [&](int, int Char) {
            if (!painted)
                painted = PaintedTokens(highlighter_, Index > 0 ? &rangeAbove : nullptr, line, Index);
            return NameAt(*painted, Char);
        };
    }
    last.Signature = scanner.LineSignature(line);
    scanner.AttributeAt = nullptr;  // it reads this call's locals
    last.Index = Index;
    last.RangeAbove = rangeAbove;
    last.Highlighter = highlighter_;
    return last.Signature;
}

TSynFoldScanner& TCustomSynText::FoldScanner() const
{
    TFoldRegions* regions = ScanFoldRegions();
    if (!foldScanner_ || !foldScanner_->MadeFrom(regions, codeFolding_->CaseSensitive(), tabWidth_)) {
        foldScanner_ = std::make_unique<TSynFoldScanner>(regions, codeFolding_->CaseSensitive(), tabWidth_);
        lastFoldSignature_.Index = -1;
        // The ranges came from other regions.
        allFoldRanges_->SetScanResumable(false);
    }
    return *foldScanner_;
}

// --- Finding the ranges ---

TFoldRegions* TCustomSynText::ScanFoldRegions() const
{
    if (codeFolding_->HighlighterFoldRegions() && highlighter_)
        return highlighter_->FoldRegions();
    return codeFolding_->FoldRegions();
}

bool TCustomSynText::ResumeFoldScan(int FirstEdited, int LastEdited, int StopBy,
                                    const std::function<bool()>& OutOfTime)
{
    const std::optional<TFoldLooks> looksBefore = ShownFoldLooks();
    TSynTextAllFoldRanges& all = *allFoldRanges_;
    // The scan reads real lines: collapsed blocks where they stand. It goes
    // on where the last one ended early, as it left the ranges, when
    // nothing changed since.
    const int first = all.RealLineNumber(FirstEdited);
    const int last = LastEdited == INT_MAX ? INT_MAX : all.LastRealLineOf(LastEdited);
    const int stop = StopBy == INT_MAX ? INT_MAX : all.RealLineNumber(StopBy);
    TSynFoldResume resume(all, first, last, stop, OutOfTime, foldScan_.GoingOn(FirstEdited, all.Generation()));
    resume.Start();
    TSynFoldScanner& scanner = FoldScanner();
    TSynFoldLineSource source(*lines_, all, resume.FirstLine());
    const std::function<intptr_t(int)> rangeAfter = [this](int Index) { return LineRange(Index); };
    TLineAttributes attributes(highlighter_, *lines_, all, source, rangeAfter);
    if (highlighter_)
        scanner.AttributeAt = [&](int Line, int Char) { return attributes.At(Line, Char); };
    const TFoldTokenSeek seek = [&source](const AnsiString& Token, bool FoldCase, int& Line, size_t& Column) {
        return source.Seek(Token, FoldCase, Line, Column);
    };
    const bool scanned = scanner.Scan(resume.FirstLine(), resume.Open(), std::ref(source), resume.Found(), &resume,
                                      resume.InSkip(), &seek);
    scanner.AttributeAt = nullptr;
    if (!scanned) {
        resume.Abandon();
        return false;
    }
    const std::vector<std::unique_ptr<TSynTextFoldRange>> handed = resume.Splice();
    if (!handed.empty()) {
        // The blocks the scan found otherwise come into view, each once the
        // blocks around it did; the selection and the caret go with their
        // lines. What the scan found is repainted below, and the blocks
        // whose last lines were freed are looked for once it is done.
        const TSynFlagScope moving(scanMovingFolds_);
        MoveFoldLinesNow([&] {
            for (const auto& range : handed) {
                // A block that stays collapsed around it holds its first
                // line among its own hidden lines: it comes into view first.
                for (;;) {
                    const int line = all.BufferLineOf(range->RealFromLine());
                    TSynTextFoldRange* around = all.RealLineNumber(line) == range->RealFromLine()
                                                    ? nullptr
                                                    : all.CollapsedIn(line, line);
                    if (!around)
                        break;
                    FollowFoldLines(line, all.Expand(lines_, around));
                }
                const auto [head, count] = all.GiveBack(lines_, *range);
                FollowFoldLines(head, count);
            }
        });
    }
    if (resume.EndedEarly()) {
        // Where the next scan goes on, in the buffer's lines as they stand
        // with the blocks the scan found otherwise in view.
        const int open = resume.OpenAtEarlyEnd();
        foldScan_.EndedEarly(all.BufferLineOf(resume.EarlyEnd()), open == INT_MAX ? INT_MAX : all.BufferLineOf(open),
                             resume.StateAtEarlyEnd(), all.Generation());
        if (HandleAllocated())
            idleScanTimer_->SetEnabled(true);
    } else {
        all.ShrinkToFit();
    }
    RepaintChangedFoldLooks(looksBefore);
    return true;
}

void TCustomSynText::ClearFoldRanges()
{
    if (allFoldRanges_)
        allFoldRanges_->ClearAll();
    foldScanner_.reset();
    caretFoldRange_ = nullptr;
    foldScan_.Clear();
}

namespace {

// The ranges in view by lines and level: what places indent guides.
std::vector<std::array<int, 3>> GuideSpans(const TSynTextAllFoldRanges& Ranges)
{
    std::vector<std::array<int, 3>> spans;
    spans.reserve(static_cast<size_t>(Ranges.AllCount()));
    for (int i = 0; i < Ranges.AllCount(); ++i) {
        const TSynTextFoldRange* range = Ranges.AllRanges(i);
        if (!range->Collapsed && !range->ParentCollapsed)
            spans.push_back({range->FromLine(), range->ToLine(), range->FoldRangeLevel});
    }
    std::sort(spans.begin(), spans.end());
    return spans;
}

}  // namespace

void TCustomSynText::ScanFoldsTo(int StopBy, const std::function<bool()>& OutOfTime)
{
    ScanPendingRanges();  // the painted-token check reads the line states
    bool astray = false;
    const TSynFoldScanState::TEdits edits = foldScan_.TakeEdits(astray);
    if (!codeFolding_->Enabled())
        return;
    caretFoldRange_ = nullptr;
    TSynTextAllFoldRanges& all = *allFoldRanges_;
    // The ranges as the last scan left them, moved with the lines: a scan
    // of the edited part will do.
    const bool sameScanner = foldScanner_ && foldScanner_->MadeFrom(ScanFoldRegions(), codeFolding_->CaseSensitive(),
                                                                    tabWidth_);
    if (!astray && sameScanner && all.ScanResumable() &&
        (edits.First > edits.Last || ResumeFoldScan(edits.First, edits.Last, StopBy, OutOfTime))) {
        HideFreedLastLines();
        return;
    }
    // Else a scan of the whole text, which finds the collapsed blocks again
    // where they stand; as after an edit of every line, it goes as far as
    // asked now and leaves the rest for later, so that a long text does not
    // wait for all of it.
    const std::vector<std::array<int, 3>> spansBefore = GuideSpans(all);
    all.KeepCollapsedOnly();
    FoldScanner();
    all.SetScanResumable(true);
    ResumeFoldScan(1, INT_MAX, StopBy, OutOfTime);
    RepaintGutter();
    // The lines of a block that came, went or moved change their guides.
    if (codeFolding_->IndentGuides()) {
        const std::vector<std::array<int, 3>> spansAfter = GuideSpans(all);
        std::set_symmetric_difference(
            spansBefore.begin(), spansBefore.end(), spansAfter.begin(), spansAfter.end(),
            TTakeOutput{[this](const std::array<int, 3>& Span) { RepaintLines(Span[0], Span[1]); }});
    }
    HideFreedLastLines();
}

// --- Where the ranges are ---

TSynTextFoldRange* TCustomSynText::GetFoldRangeStartingAt(int Line) const
{
    if (const TSynFoldLineMap* map = allFoldRanges_->LineMap(); map && map->Covers(Line))
        return map->StartingAt(Line);
    ReachFoldScan(Line, TFoldReach::Ends);
    return allFoldRanges_->FirstStartingAt(Line);
}

TSynTextFoldRange* TCustomSynText::GetFoldRangeEndingAt(int Line) const
{
    ReachFoldScan(Line, TFoldReach::Ends);
    return allFoldRanges_->FirstEndingAt(Line);
}

TSynTextFoldRange* TCustomSynText::GetFoldRangeAtLine(int Line, int* NumberOnLine) const
{
    // A range that never closes is one line long: no mark.
    ReachFoldScan(Line, TFoldReach::Ends);
    TSynTextFoldRange* first = nullptr;
    int number = 0;
    // The ranges in view that start on Line follow each other in the flat
    // list, but for the ranges a collapsed one among them hides.
    for (int i = static_cast<int>(allFoldRanges_->FirstInViewFrom(Line)); i < allFoldRanges_->AllCount(); ++i) {
        TSynTextFoldRange* range = allFoldRanges_->AllRanges(i);
        if (range->ParentCollapsed)
            continue;
        if (range->FromLine() != Line)
            break;
        if (range->FromLine() == range->ToLine())
            continue;
        if (!first)
            first = range;
        ++number;
    }
    if (NumberOnLine)
        *NumberOnLine = number;
    return first;
}

TSynTextFoldRange* TCustomSynText::CollapsedRangeAt(int Line) const { return allFoldRanges_->CollapsedIn(Line, Line); }

bool TCustomSynText::IsFoldEnd(int Line) const
{
    if (const TSynFoldLineMap* map = allFoldRanges_->LineMap(); map && map->Covers(Line))
        return map->IsFoldEnd(Line);
    ReachFoldScan(Line, TFoldReach::Ends);
    return FirstHolding(*allFoldRanges_, Line, [Line](const TSynTextFoldRange& r) {
        return !r.Collapsed && r.FromLine() != r.ToLine() && r.ToLine() == Line;
    }) != nullptr;
}

bool TCustomSynText::IsInsideFold(int Line) const
{
    if (const TSynFoldLineMap* map = allFoldRanges_->LineMap(); map && map->Covers(Line))
        return map->IsInsideFold(Line);
    ReachFoldScan(Line, TFoldReach::Ends);
    return FirstHolding(*allFoldRanges_, Line, [Line](const TSynTextFoldRange& r) {
        return !r.Collapsed && r.FromLine() < Line && Line < r.ToLine();
    }) != nullptr;
}

int TCustomSynText::GetRealLineNumber(int Line) const
{
    if (const TSynFoldLineMap* map = allFoldRanges_->LineMap(); map && map->Covers(Line))
        return map->RealLineNumber(Line);
    return allFoldRanges_->RealLineNumber(Line);
}

namespace {

// The level of the innermost of Ranges; 0 for none.
int DeepestLevel(const std::vector<TSynTextFoldRange*>& Ranges)
{
    int level = 0;
    for (const TSynTextFoldRange* range : Ranges)
        level = std::max(level, range->FoldRangeLevel);
    return level;
}

}  // namespace

int TCustomSynText::CaretFoldLevel() const
{
    if (const TSynFoldLineMap* map = allFoldRanges_->LineMap())
        return map->CaretLevel();
    ReachFoldScan(caretY_, TFoldReach::Ends);
    return DeepestLevel(allFoldRanges_->Holding(caretY_));
}

bool TCustomSynText::IsActiveGuide(const TSynTextFoldRange& Guide, int ActiveLevel) const
{
    return Guide.FoldRangeLevel == ActiveLevel && Guide.FromLine() <= caretY_ && caretY_ <= Guide.ToLine();
}

// A caret move repaints its old and new lines only; the guides of the block
// it left or entered reach over the lines between.
void TCustomSynText::FollowActiveGuides()
{
    const TActiveGuidesSource source{allFoldRanges_->Generation(), caretY_, codeFolding_->IndentGuides(),
                                     codeFolding_->Enabled()};
    if (activeGuidesSource_ == source)
        return;
    activeGuidesSource_ = source;
    std::pair<int, int> lines{1, 0};
    if (codeFolding_->IndentGuides()) {
        // An active guide's range holds the caret's line.
        const auto holding = allFoldRanges_->Holding(caretY_);
        // As painting takes it: without folding no guide is the caret's.
        const int level = codeFolding_->Enabled() ? DeepestLevel(holding) : 0;
        for (const TSynTextFoldRange* range : holding) {
            if (range->Collapsed || range->ParentCollapsed || !IsActiveGuide(*range, level))
                continue;
            // Guides stand on the lines strictly inside their range.
            if (lines.first > lines.second)
                lines = {range->FromLine() + 1, range->ToLine() - 1};
            else
                lines = {std::min(lines.first, range->FromLine() + 1), std::max(lines.second, range->ToLine() - 1)};
        }
    }
    if (lines == activeGuideLines_)
        return;
    if (activeGuideLines_.first <= activeGuideLines_.second)
        RepaintLines(activeGuideLines_.first, activeGuideLines_.second);
    if (lines.first <= lines.second)
        RepaintLines(lines.first, lines.second);
    activeGuideLines_ = lines;
}

std::vector<const TSynTextFoldRange*> TCustomSynText::FoldRangesAround(int Line) const
{
    if (const TSynFoldLineMap* map = allFoldRanges_->LineMap(); map && map->Covers(Line))
        return map->Around(Line);
    ReachFoldScan(Line, TFoldReach::Ends);
    std::vector<const TSynTextFoldRange*> result;
    for (int i = 0; i < allFoldRanges_->AllCount(); ++i) {
        const TSynTextFoldRange* range = allFoldRanges_->AllRanges(i);
        if (!range->Collapsed && !range->ParentCollapsed && range->FromLine() < Line && Line < range->ToLine())
            result.push_back(range);
    }
    return result;
}

TRect TCustomSynText::GetCollapseMarkRect(TSynTextFoldRange* FoldRange, int Row) const
{
    const int top = (Row - topLine_) * LineHeight();
    return TRect{FoldRange->HintMarkLeft() + charWidth_, top, FoldRange->HintMarkLeft() + 4 * charWidth_,
                 top + LineHeight() - 2};
}

int TCustomSynText::IndentLevel(int LineIndex) const
{
    return TSynFoldScanner::IndentLevel(lines_->LineView(LineIndex), tabWidth_);
}

int TCustomSynText::LeadingWidth(int LineIndex) const
{
    int width = 0;
    for (const char c : lines_->LineView(LineIndex)) {
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
    // The caret touches a token from its first column to just after it, so
    // only the bytes from the longest token's length left of the caret to
    // as far right of it are read, from the start of a character on.
    size_t longest = 0;
    VisitRegions(regions, [&longest](TFoldRegionItem* Region) {
        longest = std::max({longest, Region->Open().size(), Region->Close().size()});
        return false;
    });
    const std::string_view text =
        caretY_ >= 1 && caretY_ <= lines_->Count() ? lines_->LineView(caretY_ - 1) : std::string_view();
    const size_t caret = static_cast<size_t>(std::max(caretX_, 1) - 1);
    const size_t first = caret - std::min(caret, longest);
    const size_t from = first < text.size() ? CharStartOf(text, first) : text.size();
    const std::string_view near = text.substr(from, std::min(text.size(), caret + longest) - from);
    const AnsiString line = caseSensitive ? AnsiString(near) : UpperCase(near);
    auto touches = [&](const AnsiString& Token) {
        const AnsiString token = caseSensitive ? Token : UpperCase(Token);
        for (const size_t at : FindToken(line, token)) {
            const int column = static_cast<int>(from + at) + 1;
            if (column <= caretX_ && caretX_ <= column + static_cast<int>(token.size()))
                return true;
        }
        return false;
    };
    // The caret's block as far as it is scanned: its first line is, and
    // painting reads no further than the lines in view. A caret far below
    // the scan finds it when idle time's scan passes it.
    if (!ReachFoldScan(caretY_, TFoldReach::StartsIfNear)) {
        caretFoldRange_ = nullptr;
        return;
    }
    VisitRegions(regions, [&](TFoldRegionItem* Region) {
        if (touches(Region->Open()))
            found = allFoldRanges_->FirstStartingAt(caretY_);
        else if (touches(Region->Close()))
            found = allFoldRanges_->FirstEndingAt(caretY_);
        return found != nullptr;
    });
    // Nothing paints it differently: no repaint.
    caretFoldRange_ = found;
}

bool TCustomSynText::LineHasFoldToken(std::string_view Line, AnsiString& Token) const
{
    const bool caseSensitive = codeFolding_->CaseSensitive();
    Token.clear();
    // A token matches only where the line holds its first byte, in one
    // letter case or the other: a line that holds none of them is passed
    // once, without upper-casing it or reading it for every token.
    std::array<bool, 256> firsts{};
    auto first = [&firsts, caseSensitive](const AnsiString& T) {
        if (!T.empty()) {
            firsts[static_cast<unsigned char>(T[0])] = true;
            if (!caseSensitive) {
                firsts[static_cast<unsigned char>(UpCase(T[0]))] = true;
                firsts[static_cast<unsigned char>(LoCase(T[0]))] = true;
            }
        }
        return false;
    };
    VisitRegions(ScanFoldRegions(),
                 [&](TFoldRegionItem* Region) { return first(Region->Open()) || first(Region->Close()); });
    VisitSkipTokens(ScanFoldRegions(), first);
    if (std::none_of(Line.begin(), Line.end(), [&firsts](char C) { return firsts[static_cast<unsigned char>(C)]; }))
        return false;
    const AnsiString line = caseSensitive ? AnsiString(Line) : UpperCase(Line);
    auto has = [&](const AnsiString& T) { return !FindToken(line, caseSensitive ? T : UpperCase(T)).empty(); };
    if (VisitRegions(ScanFoldRegions(), [&](TFoldRegionItem* Region) {
            if (has(Region->Open()))
                Token = Region->Open();
            else if (has(Region->Close()))
                Token = Region->Close();
            return !Token.empty();
        }))
        return true;
    // A skip region's tokens decide which fold tokens count, lines away.
    return VisitSkipTokens(ScanFoldRegions(), [&](const AnsiString& T) {
        if (has(T))
            Token = T;
        return !Token.empty();
    });
}

// --- The text with every fold expanded ---

std::unique_ptr<TSynTextStringList> TCustomSynText::GetExpandedLines() const
{
    // The copy expands the ranges in its tree, which a scan ended early
    // left unfinished below.
    FinishFoldScan();
    return allFoldRanges_->ExpandedCopy(lines_);
}
