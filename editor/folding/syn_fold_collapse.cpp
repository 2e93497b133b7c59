// Collapsing and expanding fold ranges in a buffer, and keeping the ranges
// on their lines while lines come and go.
#include <algorithm>
#include <climits>
#include <memory>
#include <unordered_set>
#include <vector>

#include "editor/folding/syn_fold_ranges.h"

namespace {

using TRangeSet = std::unordered_set<const TSynTextFoldRange*>;

// Calls Visit for Range and every range inside it, without recursion:
// hostile nesting goes deeper than a stack.
template <typename TVisit>
void ForEachInTree(TSynTextFoldRange* Range, const TVisit& Visit)
{
    std::vector<TSynTextFoldRange*> pending{Range};
    while (!pending.empty()) {
        TSynTextFoldRange* range = pending.back();
        pending.pop_back();
        Visit(range);
        for (int i = 0; i < range->SubFoldRanges.Count(); ++i)
            pending.push_back(range->SubFoldRanges.Ranges(i));
    }
}

void CollectInside(const TSynTextFoldRange* Range, TRangeSet& Inside)
{
    for (int i = 0; i < Range->SubFoldRanges.Count(); ++i) {
        Inside.insert(Range->SubFoldRanges.Ranges(i));
        CollectInside(Range->SubFoldRanges.Ranges(i), Inside);
    }
}

// Moves the line where the scan closed Range along with the range.
void MoveClosedAt(TSynTextFoldRange* Range, int Delta)
{
    if (Range->ClosedAt() != INT_MAX)
        Range->SetClosedAt(Range->ClosedAt() + Delta);
}

// Marks the ranges inside Range as hidden by it; those inside a collapsed
// sub-range stay hidden by that one.
void HideInside(TSynTextFoldRange* Range, int Level)
{
    for (int i = 0; i < Range->SubFoldRanges.Count(); ++i) {
        TSynTextFoldRange* sub = Range->SubFoldRanges.Ranges(i);
        sub->ParentCollapsed = true;
        sub->CollapsedBy = Level;
        if (!sub->Collapsed)
            HideInside(sub, Level);
    }
}

// Shows the ranges inside Range but those inside a collapsed sub-range,
// whose hidden ranges go with its first line from now on.
void ShowInside(TSynTextFoldRange* Range)
{
    for (int i = 0; i < Range->SubFoldRanges.Count(); ++i) {
        TSynTextFoldRange* sub = Range->SubFoldRanges.Ranges(i);
        sub->ParentCollapsed = false;
        sub->CollapsedBy = -1;
        if (const TSynTextFoldRange::TCollapsedData* data = sub->CollapsedData())
            data->HiddenAt = sub->FromLine();
        if (!sub->Collapsed)
            ShowInside(sub);
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

// Whether Range, a range in view, lies in List's tree; the ranges it lies
// inside go to Into, the innermost first.
bool FindAncestors(const TSynTextFoldRanges& List, const TSynTextFoldRange* Range,
                   std::vector<TSynTextFoldRange*>& Into)
{
    // The list goes by first lines: back from the last range starting on
    // Range's first line or above, the range around it comes first. Range
    // is in view, so no collapsed range holds it; and a sub-range is a level
    // deeper than its parent, so no range as deep as Range holds it, and a
    // list of such ranges holds it among those starting on its line.
    const int head = Range->FromLine();
    for (int i = List.FirstFrom(head + 1); i-- > 0;) {
        TSynTextFoldRange* range = List.Ranges(i);
        if (range == Range)
            return true;
        if (range->FoldRangeLevel >= Range->FoldRangeLevel) {
            if (range->FromLine() < head)
                return false;
            continue;
        }
        if (!range->Collapsed && FindAncestors(range->SubFoldRanges, Range, Into)) {
            Into.push_back(range);
            return true;
        }
    }
    return false;
}

// Moves the end of an open range that reaches below Range's first line;
// an end among the lines taken out moves to that line.
void Stretch(TSynTextFoldRange* R, int Head, int Delta)
{
    if (R->ToLine() > Head)
        R->SetToLine(std::max(Head, R->ToLine() + Delta));
    if (R->ClosedAt() != INT_MAX && R->ClosedAt() > Head)
        R->SetClosedAt(std::max(Head, R->ClosedAt() + Delta));
}

// Lines below the first line of Range were taken out (Delta < 0) or put back
// (Delta > 0): the open ranges around Range stretch, and the ranges inside
// Range stay where its expanded lines are. Answers Range with the ranges
// inside and around it; the ranges below are the caller's to move. A range
// around it that ends among the hidden lines ends on its first line while
// it is collapsed, as a range that merely ends there does: Range keeps what
// each range around it lost that way, to give it back.
TRangeSet ShiftAround(const TSynTextFoldRanges& Outer, TSynTextFoldRange* Range, int Delta)
{
    TRangeSet inside;
    CollectInside(Range, inside);
    std::vector<TSynTextFoldRange*> around;
    FindAncestors(Outer, Range, around);
    const int head = Range->FromLine();
    std::vector<TSynTextFoldRange::TLost> lost;
    for (TSynTextFoldRange* r : around) {
        const TSynTextFoldRange::TLost before{r->ToLine(), r->ClosedAt()};
        Stretch(r, head, Delta);
        if (Delta < 0) {
            lost.push_back({before.ToLine > head && r->ToLine() <= head ? before.ToLine - r->ToLine() : 0,
                            before.ClosedAt != INT_MAX && before.ClosedAt > head && r->ClosedAt() <= head
                                ? before.ClosedAt - r->ClosedAt()
                                : 0});
        } else if (const TSynTextFoldRange::TCollapsedData* data = Range->CollapsedData();
                   data && lost.size() < data->ShrunkAround.size()) {
            const TSynTextFoldRange::TLost& back = data->ShrunkAround[lost.size()];
            r->SetToLine(r->ToLine() + back.ToLine);
            MoveClosedAt(r, back.ClosedAt);
            lost.push_back(back);
        }
        inside.insert(r);  // stretched already
    }
    if (Delta < 0)
        Range->MakeCollapsedData().ShrunkAround = std::move(lost);
    inside.insert(Range);
    return inside;
}

}  // namespace

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
    if (!Range || Range->Collapsed || Range->ParentCollapsed || Range->FromLine() < 1 ||
        Range->FromLine() > Lines->Count())
        return 0;
    // The ranges it hides go with its first line from now on: they take
    // the shifts kept until now.
    ForEachInTree(Range, [](const TSynTextFoldRange* R) { R->CatchUp(); });
    int hidden = Range->ToLine() - Range->FromLine();
    // A range that opens on the last line keeps that line in view, one
    // line long too (hidden, it would lose its place); a collapsed block of
    // its own that ends it goes with it.
    TRangeSet inside;
    CollectInside(Range, inside);
    bool nextOpensThere = false;
    for (size_t i = FirstInViewFrom(Range->ToLine()); i < all_.size() && !nextOpensThere; ++i) {
        const TSynTextFoldRange* r = all_[i];
        if (r->ParentCollapsed || r == Range || inside.count(r))
            continue;
        if (r->FromLine() != Range->ToLine())
            break;
        nextOpensThere = true;
    }
    if (nextOpensThere)
        --hidden;
    hidden = std::min(hidden, Lines->Count() - Range->FromLine());
    if (hidden <= 0)
        return 0;
    Changed();
    Range->DropCollapsedData();
    TSynTextFoldRange::TCollapsedData& data = Range->MakeCollapsedData();
    data.States.reserve(static_cast<size_t>(hidden));
    const int head = Range->FromLine();
    for (int index = head + hidden - 1; index >= head; --index) {
        data.Lines.Add(Lines->Strings(index));
        data.States.push_back(*Lines->GetLineState(index));
    }
    data.Suffix = AnsiString(5, ' ') + Range->Ending();
    Lines->BeginUpdate();
    Lines->DeleteLines(head, hidden);
    PutKeepingState(Lines, head - 1, Lines->Strings(head - 1) + data.Suffix);
    Lines->EndUpdate();
    Range->Collapsed = true;
    data.HiddenAt = head;
    collapsed_.insert(Range);
    HideInside(Range, Range->FoldRangeLevel);
    IndexCollapse(Range);
    KeepLineShift({head + 1, -hidden, std::min(head + 1, Lines->Count())}, ShiftAround(*this, Range, -hidden));
    TakenShifts(Range);  // the ranges it hides go with its first line
    MoveScanMarks(Range->FromLine() + 1, -hidden);
    return hidden;
}

int TSynTextAllFoldRanges::Expand(TSynTextStringList* Lines, TSynTextFoldRange* Range)
{
    if (!Range || !Range->Collapsed || Range->ParentCollapsed)
        return 0;
    return Restore(Lines, Range, true);
}

int TSynTextAllFoldRanges::Restore(TSynTextStringList* Lines, TSynTextFoldRange* Range, bool CutSuffix)
{
    Changed();
    // The ranges it hid come into view where its first line is now.
    Range->CatchUp();
    FollowCollapsedHead(Range);
    static const TSynTextFoldRange::TCollapsedData none;
    const TSynTextFoldRange::TCollapsedData& data = Range->CollapsedData() ? *Range->CollapsedData() : none;
    const int count = data.Lines.Count();
    const int at = std::clamp(Range->FromLine(), 0, Lines->Count());  // the index after the first line
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
    IndexExpansion(Range);
    Range->Collapsed = false;
    collapsed_.erase(Range);
    ShowInside(Range);
    TakenShifts(Range);
    const TRangeSet moved = ShiftAround(*this, Range, count);
    if (count > 0)
        KeepLineShift({Range->FromLine() + 1, count, 0}, moved);
    Range->DropCollapsedData();
    // What the scan passed inside the lines coming back is not kept: they
    // count as busy, so no scan starts or ends there.
    MoveScanMarks(Range->FromLine() + 1, count);
    if (count > 0)
        MarkBusy(Range->FromLine() + 1, Range->FromLine() + count);
    return count;
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

namespace {

// The collapsed ranges inside Range that no other collapsed range inside it
// hides, by their first lines.
std::vector<const TSynTextFoldRange*> CollapsedJustInside(const TSynTextFoldRange* Range)
{
    std::vector<const TSynTextFoldRange*> found;
    std::vector<const TSynTextFoldRange*> pending{Range};
    while (!pending.empty()) {
        const TSynTextFoldRange* range = pending.back();
        pending.pop_back();
        for (int i = 0; i < range->SubFoldRanges.Count(); ++i) {
            const TSynTextFoldRange* sub = range->SubFoldRanges.Ranges(i);
            if (sub->Collapsed)
                found.push_back(sub);
            else
                pending.push_back(sub);
        }
    }
    std::sort(found.begin(), found.end(),
              [](const TSynTextFoldRange* A, const TSynTextFoldRange* B) { return A->FromLine() < B->FromLine(); });
    return found;
}

}  // namespace

void TSynTextAllFoldRanges::ForEachLineOf(const TSynTextFoldRange* Range, const AnsiString& FirstLine,
                                          const std::function<void(const AnsiString&)>& Visit) const
{
    // Without recursion: hostile nesting goes deeper than a stack. A hidden
    // range counts its lines with the ranges around it expanded, so the
    // hidden line at Index stands on line FromLine + 1 + Index of its range.
    struct TFrame {
        const TSynTextFoldRange* Range;
        int Index;
        std::vector<const TSynTextFoldRange*> Inside;
        size_t NextInside;
    };
    // A first line holds the marks of the collapsed ranges starting on it,
    // the innermost's first.
    auto firstLineText = [](const TSynTextFoldRange* R, AnsiString Line) {
        for (;;) {
            Line = R->WithoutCollapseMark(Line);
            const std::vector<const TSynTextFoldRange*> inside = CollapsedJustInside(R);
            if (inside.empty() || inside.front()->FromLine() != R->FromLine())
                return Line;
            R = inside.front();
        }
    };
    Visit(firstLineText(Range, FirstLine));
    std::vector<TFrame> frames;
    frames.push_back({Range, 0, CollapsedJustInside(Range), 0});
    while (!frames.empty()) {
        TFrame& frame = frames.back();
        const int head = frame.Range->FromLine();
        // A range collapsed first on the same first line hides the lines
        // just below it.
        if (frame.Index == 0 && frame.NextInside < frame.Inside.size() &&
            frame.Inside[frame.NextInside]->FromLine() == head) {
            const TSynTextFoldRange* inside = frame.Inside[frame.NextInside++];
            frames.push_back({inside, 0, CollapsedJustInside(inside), 0});
            continue;
        }
        const TStringList& lines = frame.Range->CollapsedLines();
        if (frame.Index >= lines.Count()) {
            frames.pop_back();
            continue;
        }
        const AnsiString& line = lines.Strings(lines.Count() - 1 - frame.Index);
        const int at = head + 1 + frame.Index++;
        if (frame.NextInside < frame.Inside.size() && frame.Inside[frame.NextInside]->FromLine() == at) {
            const TSynTextFoldRange* inside = frame.Inside[frame.NextInside++];
            Visit(firstLineText(inside, line));
            frames.push_back({inside, 0, CollapsedJustInside(inside), 0});
        } else {
            Visit(line);
        }
    }
}

void TSynTextAllFoldRanges::LinesInserted(int FirstLine, int Count)
{
    if (Count <= 0)
        return;
    Changed();
    MoveScanMarks(FirstLine, Count);
    KeepLineShift({FirstLine, Count, 0}, {});
}

void TSynTextAllFoldRanges::KeepLineShift(const TLineShift& By, const TRangeSet& Moved)
{
    KeepShift(By);
    for (const TSynTextFoldRange* range : Moved)
        if (range->shiftStamp_ != TSynTextFoldRange::kDetached && !range->ParentCollapsed)
            range->shiftStamp_ = shiftsDone_;
}

void TSynTextAllFoldRanges::TakenShifts(TSynTextFoldRange* Range) const
{
    ForEachInTree(Range, [this](TSynTextFoldRange* R) {
        if (R->shiftStamp_ != TSynTextFoldRange::kDetached)
            R->shiftStamp_ = R->ParentCollapsed ? TSynTextFoldRange::kHidden : shiftsDone_;
    });
}

void TSynTextAllFoldRanges::LinesDeleted(TSynTextStringList* Lines, int FirstLine, int Count)
{
    if (Count <= 0)
        return;
    Changed();
    MoveScanMarks(FirstLine, -Count);
    // A range that started among the deleted lines moves to the line after
    // them; after the last line, to the line now last.
    const TLineShift shift{FirstLine, -Count, std::min(FirstLine, std::max(1, Lines->Count()))};
    // As for inserted lines, the ranges take the shift when next read; but
    // the collapsed ranges whose first line went (in the order of the
    // text), which move now.
    std::vector<TSynTextFoldRange*> orphans;
    if (!collapsed_.empty()) {
        IndexCollapsedInView();
        const size_t end = CollapsedInViewFrom(FirstLine + Count);
        for (size_t i = CollapsedInViewFrom(FirstLine); i < end; ++i)
            orphans.push_back(collapsedInView_[i]);
    }
    for (TSynTextFoldRange* r : orphans)
        FollowCollapsedHead(r);  // brings it up to date too
    KeepShift(shift);
    if (!orphans.empty())
        inViewValid_ = false;  // their first lines meet
    for (TSynTextFoldRange* r : orphans) {
        // Their hidden lines come back where the deleted lines were,
        // after the line above.
        TakenShifts(r);
        MoveTree(r, FirstLine - 1 - r->FromLine());
    }
    for (TSynTextFoldRange* r : orphans) {
        Restore(Lines, r, false);
        r->SetFromLine(std::max(r->FromLine(), 1));
        r->SetToLine(std::max(r->ToLine(), r->FromLine()));
    }
}
