// Collapsing and expanding fold ranges in a buffer, and the kept line
// shifts for the lines the buffer gains and loses. A range's real lines
// stay where they are through both.
#include <algorithm>
#include <climits>
#include <memory>
#include <unordered_set>
#include <vector>

#include "editor/folding/syn_fold_ranges.h"

namespace {

void CollectInside(const TSynTextFoldRange* Range, std::unordered_set<const TSynTextFoldRange*>& Inside)
{
    for (int i = 0; i < Range->SubFoldRanges.Count(); ++i) {
        Inside.insert(Range->SubFoldRanges.Ranges(i));
        CollectInside(Range->SubFoldRanges.Ranges(i), Inside);
    }
}

// Writes a line without marking it changed: folding moves text, it does
// not edit it.
void PutKeepingState(TSynTextStringList* Lines, int Index, const AnsiString& S)
{
    const TSynLineState state = *Lines->GetLineState(Index);
    Lines->SetStrings(Index, S);
    *Lines->GetLineState(Index) = state;
}

}  // namespace

std::vector<TSynTextFoldRange*> TSynTextAllFoldRanges::CollapsedJustInside(const TSynTextFoldRange* Range)
{
    std::vector<TSynTextFoldRange*> found;
    std::vector<const TSynTextFoldRange*> pending{Range};
    while (!pending.empty()) {
        const TSynTextFoldRange* range = pending.back();
        pending.pop_back();
        for (int i = 0; i < range->SubFoldRanges.Count(); ++i) {
            TSynTextFoldRange* sub = range->SubFoldRanges.Ranges(i);
            if (sub->Collapsed)
                found.push_back(sub);
            else
                pending.push_back(sub);
        }
    }
    std::sort(found.begin(), found.end(), [](const TSynTextFoldRange* A, const TSynTextFoldRange* B) {
        return A->RealFromLine() < B->RealFromLine();
    });
    return found;
}

AnsiString TSynTextFoldRange::WithoutCollapseMark(const AnsiString& Line) const
{
    const AnsiString& suffix = CollapsedSuffix();
    if (!suffix.empty() && Line.size() >= suffix.size() &&
        Line.compare(Line.size() - suffix.size(), suffix.size(), suffix) == 0)
        return Line.substr(0, Line.size() - suffix.size());
    return Line;
}

int TSynTextAllFoldRanges::Collapse(TSynTextStringList* Lines, TSynTextFoldRange* Range)
{
    if (!Range || Range->Collapsed || Range->ParentCollapsed)
        return 0;
    const int head = Range->FromLine();
    if (head < 1 || head > Lines->Count())
        return 0;
    // A range that opens on the last line keeps that line in view, one
    // line long too (hidden, it would lose its place).
    std::unordered_set<const TSynTextFoldRange*> inside;
    CollectInside(Range, inside);
    const int last = Range->RealToLine();
    bool nextOpensThere = false;
    for (size_t i = FirstFromReal(last); i < all_.size() && all_[i]->RealFromLine() == last && !nextOpensThere; ++i) {
        const TSynTextFoldRange* r = all_[i];
        nextOpensThere = !r->ParentCollapsed && r != Range && !inside.count(r);
    }
    const int hidden = std::min(BufferLineOf(last) - (nextOpensThere ? 1 : 0), Lines->Count()) - head;
    if (hidden <= 0)
        return 0;
    Changed();
    Range->DropCollapsedData();
    TSynTextFoldRange::TCollapsedData& data = Range->MakeCollapsedData();
    data.States.reserve(static_cast<size_t>(hidden));
    for (int index = head + hidden - 1; index >= head; --index) {
        data.Lines.Add(Lines->Strings(index));
        data.States.push_back(*Lines->GetLineState(index));
        for (const char c : Lines->LineView(index))
            data.Bytes.set(static_cast<unsigned char>(c));
    }
    data.Suffix = AnsiString(5, ' ') + Range->Ending();
    Lines->BeginUpdate();
    Lines->DeleteLines(head, hidden);
    PutKeepingState(Lines, head - 1, Lines->Strings(head - 1) + data.Suffix);
    Lines->EndUpdate();
    Range->Collapsed = true;
    collapsed_.insert(Range);
    HideInside(Range, Range->FoldRangeLevel);
    IndexCollapse(Range);
    return hidden;
}

int TSynTextAllFoldRanges::Expand(TSynTextStringList* Lines, TSynTextFoldRange* Range)
{
    if (!Range || !Range->Collapsed || Range->ParentCollapsed)
        return 0;
    return Restore(Lines, Range, Range->FromLine(), true);
}

int TSynTextAllFoldRanges::Restore(TSynTextStringList* Lines, TSynTextFoldRange* Range, int Head, bool CutSuffix)
{
    Changed();
    static const TSynTextFoldRange::TCollapsedData none;
    const TSynTextFoldRange::TCollapsedData& data = Range->CollapsedData() ? *Range->CollapsedData() : none;
    const int count = data.Lines.Count();
    const int at = std::clamp(Head, 0, Lines->Count());  // the index after the first line
    Lines->BeginUpdate();
    if (CutSuffix && at >= 1) {
        // An edited first line keeps its text; what is left of the suffix
        // is the user's now.
        const AnsiString head = Lines->Strings(at - 1);
        const AnsiString text = Range->WithoutCollapseMark(head);
        if (text.size() != head.size())
            PutKeepingState(Lines, at - 1, text);
    }
    if (count > 0) {
        Lines->InsertLines(at, count);
        for (int i = 0; i < count; ++i) {
            const int source = count - 1 - i;
            Lines->SetStrings(at + i, data.Lines.Strings(source));
            if (static_cast<size_t>(source) < data.States.size())
                *Lines->GetLineState(at + i) = data.States[static_cast<size_t>(source)];
        }
    }
    Lines->EndUpdate();
    // A range a scan handed back has left the index already.
    if (collapsed_.count(Range))
        IndexExpansion(Range);
    Range->Collapsed = false;
    collapsed_.erase(Range);
    ShowInside(Range);
    Range->DropCollapsedData();
    return count;
}

std::pair<int, int> TSynTextAllFoldRanges::GiveBack(TSynTextStringList* Lines, TSynTextFoldRange& Range)
{
    const int head = BufferLineOf(Range.RealFromLine());
    return {head, Restore(Lines, &Range, head, true)};
}

void TSynTextAllFoldRanges::ExpandAll(TSynTextStringList* Lines)
{
    // Document order: a range comes before the ones inside it, so each
    // collapsed range is in view when its turn comes.
    for (int i = 0; i < AllCount(); ++i) {
        TSynTextFoldRange* range = AllRanges(i);
        if (range->Collapsed && !range->ParentCollapsed)
            Expand(Lines, range);
    }
}

std::unique_ptr<TSynTextStringList> TSynTextAllFoldRanges::ExpandedCopy(TSynTextStringList* Lines) const
{
    auto copy = std::make_unique<TSynTextStringList>();
    copy->Assign(Lines);
    if (HasCollapsed()) {
        TSynTextAllFoldRanges ranges;
        ranges.Assign(*this);
        ranges.ExpandAll(copy.get());
    }
    return copy;
}

AnsiString TSynTextAllFoldRanges::FirstLineText(const TSynTextFoldRange* Range, AnsiString Line)
{
    for (;;) {
        Line = Range->WithoutCollapseMark(Line);
        const std::vector<TSynTextFoldRange*> inside = CollapsedJustInside(Range);
        if (inside.empty() || inside.front()->RealFromLine() != Range->RealFromLine())
            return Line;
        Range = inside.front();
    }
}

void TSynTextAllFoldRanges::ForEachLineOf(const TSynTextFoldRange* Range, const AnsiString& FirstLine,
                                          const std::function<void(const AnsiString&)>& Visit) const
{
    // Without recursion: hostile nesting goes deeper than a stack. The
    // hidden line at Index of a range stands on real line FromLine + 1 +
    // Index, and further down by the lines the collapsed ranges inside it
    // met so far hide.
    struct TFrame {
        const TSynTextFoldRange* Range;
        int Index;
        int Passed;  // the lines of the collapsed ranges inside it met so far
        std::vector<TSynTextFoldRange*> Inside;
        size_t NextInside;
    };
    Visit(FirstLineText(Range, FirstLine));
    std::vector<TFrame> frames;
    frames.push_back({Range, 0, 0, CollapsedJustInside(Range), 0});
    while (!frames.empty()) {
        TFrame& frame = frames.back();
        const int at = frame.Range->RealFromLine() + 1 + frame.Index + frame.Passed;
        // A range collapsed first on the same first line hides the lines
        // just below it.
        if (frame.Index == 0 && frame.NextInside < frame.Inside.size() &&
            frame.Inside[frame.NextInside]->RealFromLine() == frame.Range->RealFromLine()) {
            const TSynTextFoldRange* inside = frame.Inside[frame.NextInside++];
            frame.Passed += HiddenLineCount(inside);
            frames.push_back({inside, 0, 0, CollapsedJustInside(inside), 0});
            continue;
        }
        const TStringList& lines = frame.Range->CollapsedLines();
        if (frame.Index >= lines.Count()) {
            frames.pop_back();
            continue;
        }
        const AnsiString& line = lines.Strings(lines.Count() - 1 - frame.Index++);
        if (frame.NextInside < frame.Inside.size() && frame.Inside[frame.NextInside]->RealFromLine() == at) {
            const TSynTextFoldRange* inside = frame.Inside[frame.NextInside++];
            frame.Passed += HiddenLineCount(inside);
            Visit(FirstLineText(inside, line));
            frames.push_back({inside, 0, 0, CollapsedJustInside(inside), 0});
        } else {
            Visit(line);
        }
    }
}

void TSynTextAllFoldRanges::LinesInserted(int FirstLine, int Count)
{
    // Lines put in after a collapsed block's first line come after the
    // lines it hides.
    if (Count > 0)
        KeepShift({RealLineNumber(FirstLine), Count, 0});
}

void TSynTextAllFoldRanges::LinesDeleted(TSynTextStringList* Lines, int FirstLine, int Count)
{
    if (Count <= 0)
        return;
    // The collapsed ranges in view whose first line went keep their hidden
    // lines: the real lines that went are the runs between them.
    std::vector<TSynTextFoldRange*> orphans;
    std::vector<TLineSpan> runs;
    int first = RealLineNumber(FirstLine);
    int last = RealLineNumber(FirstLine + Count - 1);
    int total = Lines->Count() + Count;
    if (!collapsed_.empty()) {
        SumHiddenInView();
        const size_t end = CollapsedInViewFromShown(FirstLine + Count);
        for (size_t i = CollapsedInViewFromShown(FirstLine); i < end; ++i) {
            orphans.push_back(collapsedInView_[i]);
            runs.push_back({first, collapsedInView_[i]->RealFromLine()});
            first = collapsedInView_[i]->RealFromLine() + hiddenEach_[i] + 1;
        }
        last = std::max(last, first - 1);
        total += collapsedHidden_.back();
    }
    runs.push_back({first, last});
    // From the last run up, so that each run's lines stand as numbered now.
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        if (run->Last < run->First)
            continue;
        total -= run->Last - run->First + 1;
        // A range that started among the deleted lines moves to the line
        // after them; after the last line, to the line now last.
        KeepShift({run->First, run->First - run->Last - 1, std::min(run->First, std::max(1, total))});
    }
    if (orphans.empty())
        return;
    // Their hidden lines come back after the line above the deleted ones.
    inViewValid_ = false;
    int head = FirstLine - 1;
    for (TSynTextFoldRange* orphan : orphans)
        head += Restore(Lines, orphan, head, false);
}
