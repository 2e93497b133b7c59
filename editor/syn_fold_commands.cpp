// Collapsing and expanding in the editor, with the caret, the block and
// the marks following the lines they move; and the lines above a line as
// the text has them, collapsed blocks read where they hide.
#include <algorithm>
#include <climits>
#include <vector>

#include "editor/syn_custom_text.h"
#include "editor/syn_edit_scopes.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/document/syn_text_mark.h"
#include "platform/base/code_page.h"

namespace {

// Ends the work of MoveFoldLines also when it fails.
struct TFoldLinesScope {
    TFoldLinesScope(TSynTextStringList* Lines, bool& Moving) : lines(Lines), moving(Moving), was(Moving)
    {
        lines->BeginUpdate();
        moving = true;
    }
    ~TFoldLinesScope()
    {
        // The lines the buffer's update rescans for the highlighter moved,
        // the ranges with them: the fold scan has nothing to read again.
        lines->EndUpdate();
        moving = was;
    }
    TFoldLinesScope(const TFoldLinesScope&) = delete;
    TFoldLinesScope& operator=(const TFoldLinesScope&) = delete;

    TSynTextStringList* lines;
    bool& moving;
    bool was;
};

// Whether Range holds Inner among the ranges inside it.
bool Holds(const TSynTextFoldRange& Range, const TSynTextFoldRange* Inner)
{
    for (int i = 0; i < Range.SubFoldRanges.Count(); ++i) {
        const TSynTextFoldRange* sub = Range.SubFoldRanges.Ranges(i);
        if (sub == Inner || Holds(*sub, Inner))
            return true;
    }
    return false;
}

// Whether a range other than Range and those inside it opens on Range's
// last line: a collapse of Range keeps that line in view.
bool OtherOpensOnLastLine(const TSynTextAllFoldRanges& All, const TSynTextFoldRange& Range)
{
    const int last = Range.RealToLine();
    for (size_t k = All.FirstFromReal(last); k < static_cast<size_t>(All.AllCount()); ++k) {
        const TSynTextFoldRange* r = All.AllRanges(static_cast<int>(k));
        if (r->RealFromLine() != last)
            break;
        if (r != &Range && !Holds(Range, r))
            return true;
    }
    return false;
}

// Whether a collapsed range that the collapsed range Range hides keeps
// lines after its first that a fresh collapse of it, with the blocks around
// it expanded, would hide: more than its last line (lines put in after its
// first), or a last line no other range opens on now.
bool KeepsFreedLines(const TSynTextAllFoldRanges& All, const TSynTextFoldRange& Range)
{
    for (int i = 0; i < Range.SubFoldRanges.Count(); ++i) {
        const TSynTextFoldRange* sub = Range.SubFoldRanges.Ranges(i);
        if (KeepsFreedLines(All, *sub))
            return true;
        const int kept = sub->Collapsed ? sub->RealToLine() - sub->RealFromLine() - All.HiddenLineCount(sub) : 0;
        if (kept > 1 || (kept == 1 && !OtherOpensOnLastLine(All, *sub)))
            return true;
    }
    return false;
}

}  // namespace

void TCustomSynText::MoveFoldLines(const std::function<void()>& Work)
{
    // Collapsing and expanding read the ranges around and inside, which a
    // scan ended early has not found yet.
    FinishFoldScan();
    MoveFoldLinesNow(Work);
}

void TCustomSynText::MoveFoldLinesNow(const std::function<void()>& Work)
{
    TSynPaintLockScope paintLock(this);
    TBufferCoord begin;
    TBufferCoord end;
    {
        TFoldLinesScope scope(lines_, movingFoldLines_);
        Work();
        begin = blockBegin_;
        end = blockEnd_;
    }
    // The buffer's change report has collapsed the block to the caret;
    // folding moved no text, so the block stays as it was.
    blockBegin_ = begin;
    blockEnd_ = end;
    // An expanded first line lost its collapse mark: points that stood in
    // it come back to the line's end, a caret as far as it may stand past
    // the end of a line so long.
    auto lineEnd = [this](const TBufferCoord& P) {
        return P.Line >= 1 && P.Line <= lines_->Count() ? static_cast<int>(lines_->Strings(P.Line - 1).size()) + 1
                                                        : 1;
    };
    if (selectionMode_ == smNormal) {
        blockBegin_.Char = std::min(blockBegin_.Char, lineEnd(blockBegin_));
        blockEnd_.Char = std::min(blockEnd_.Char, lineEnd(blockEnd_));
    }
    if (caretX_ > MaxCaretColumn(caretY_)) {
        caretX_ = MaxCaretColumn(caretY_);
        stateFlags_.Include(sfCaretChanged);
    }
    UpdateCaretFoldRange();
    // The fold scan repaints what its expansions and collapses changed.
    if (!scanMovingFolds_)
        Invalidate();
}

void TCustomSynText::FollowFoldLines(int AfterLine, int Delta)
{
    if (Delta == 0)
        return;
    auto follow = [&](TBufferCoord& P) {
        if (P.Line <= AfterLine)
            return;
        if (Delta < 0 && P.Line <= AfterLine - Delta) {
            // Onto the first line, at a character's start.
            const AnsiString head = lines_->Strings(AfterLine - 1);
            size_t at = std::min(static_cast<size_t>(std::max(P.Char, 1) - 1), head.size());
            if (at < head.size())
                at = CharStartOf(head, at);
            P = BufferCoord(static_cast<int>(at) + 1, AfterLine);
        } else {
            P.Line += Delta;
        }
    };
    TBufferCoord caret = CaretXY();
    follow(caret);
    if (caret != CaretXY()) {
        caretX_ = caret.Char;
        caretY_ = caret.Line;
        stateFlags_.Include(sfCaretChanged);
    }
    follow(blockBegin_);
    follow(blockEnd_);
    // A selection from an earlier line that reached into the collapse mark
    // of the first line, or took that line whole, took in the hidden lines:
    // it ends after them. (Within the first line alone it stands for that
    // line's text, which an edit replaces keeping the block.)
    TBufferCoord& later = blockEnd_ < blockBegin_ ? blockBegin_ : blockEnd_;
    if (Delta > 0 && blockBegin_.Line != blockEnd_.Line && later.Line == AfterLine) {
        const TBufferCoord was = later;
        const int headEnd = static_cast<int>(lines_->Strings(AfterLine - 1).size()) + 1;
        if (selectionMode_ == smNormal && later.Char > headEnd)
            later = BufferCoord(static_cast<int>(lines_->Strings(AfterLine + Delta - 1).size()) + 1, AfterLine + Delta);
        else if (selectionMode_ == smLine)
            later.Line = AfterLine + Delta;
        // A caret at that end goes with it (a find goes on from there).
        if (CaretXY() == was && later != was) {
            caretX_ = later.Char;
            caretY_ = later.Line;
            stateFlags_.Include(sfCaretChanged);
        }
    }
    for (int i = 0; i < marks_->Count(); ++i) {
        TSynTextMark* mark = marks_->Items(i);
        TBufferCoord at = BufferCoord(mark->Char(), mark->Line());
        follow(at);
        mark->SetLine(at.Line);
    }
}

void TCustomSynText::Collapse(TSynTextFoldRange* FoldRange)
{
    if (!FoldRange || FoldRange->AllFoldRanges() != allFoldRanges_.get())
        return;
    FoldRange = FinishFoldScan(FoldRange);
    if (!FoldRange)
        return;
    MoveFoldLines([&] { CollapseNow(FoldRange); });
}

void TCustomSynText::CollapseNow(TSynTextFoldRange* FoldRange)
{
    // A range the scan left inside this one beyond its last line (a
    // brace an #endif did not close) is hidden with it, but its lines
    // are not: collapsed, its hidden lines would count as the block's.
    // It comes into view first, and so does each collapsed one inside
    // it, which its expansion brings into view.
    for (;;) {
        TSynTextFoldRange* beyond = nullptr;
        std::vector<TSynTextFoldRange*> pending{FoldRange};
        while (!pending.empty() && !beyond) {
            const TSynTextFoldRange* range = pending.back();
            pending.pop_back();
            for (int i = 0; i < range->SubFoldRanges.Count() && !beyond; ++i) {
                TSynTextFoldRange* sub = range->SubFoldRanges.Ranges(i);
                if (!sub->Collapsed)
                    pending.push_back(sub);
                else if (sub->RealFromLine() > FoldRange->RealToLine())
                    beyond = sub;
            }
        }
        if (!beyond)
            break;
        const int head = beyond->FromLine();
        FollowFoldLines(head, allFoldRanges_->Expand(lines_, beyond));
    }
    const int head = FoldRange->FromLine();
    FollowFoldLines(head, -allFoldRanges_->Collapse(lines_, FoldRange));
}

void TCustomSynText::HideFreedLastLines()
{
    // Only a finished scan knows where every block ends. Expanding and
    // collapsing end updates of their own, which come back here.
    if (FoldScanPending() || hidingFreedLines_ || scanMovingFolds_)
        return;
    hidingFreedLines_ = true;
    // A block taken in again moves the lines below it: each next block is
    // looked for afresh.
    std::vector<TSynTextFoldRange*> around;  // expanded to take in a block they hide
    for (int line = 1; allFoldRanges_->HasCollapsed();) {
        int head = 0;
        int hidden = 0;
        TSynTextFoldRange* range = allFoldRanges_->NextCollapsed(line, head, hidden);
        if (!range)
            break;
        // A block hidden in it comes into view to be taken in again, this
        // one after it, as a fresh collapse goes from the innermost out.
        if (KeepsFreedLines(*allFoldRanges_, *range)) {
            line = head;
            Uncollapse(range);
            around.push_back(range);
            continue;
        }
        line = head + 1;
        // Its last line in view (LastLineInView), from what the index of
        // collapsed blocks holds: every block is looked at.
        const int last = head + range->RealToLine() - range->RealFromLine() - hidden;
        if (last > line || (last == line && !allFoldRanges_->FirstStartingAt(line)) ||
            (last < line && OtherOpensOnLastLine(*allFoldRanges_, *range))) {
            Uncollapse(range);
            Collapse(range);
        }
    }
    for (auto range = around.rbegin(); range != around.rend(); ++range)
        Collapse(*range);
    hidingFreedLines_ = false;
}

void TCustomSynText::Uncollapse(TSynTextFoldRange* FoldRange)
{
    if (!FoldRange || FoldRange->AllFoldRanges() != allFoldRanges_.get())
        return;
    FoldRange = FinishFoldScan(FoldRange);
    if (!FoldRange)
        return;
    MoveFoldLines([&] {
        const int head = FoldRange->FromLine();
        FollowFoldLines(head, allFoldRanges_->Expand(lines_, FoldRange));
    });
}

void TCustomSynText::UncollapseAll()
{
    if (!allFoldRanges_ || !allFoldRanges_->HasCollapsed())
        return;
    // Document order: each range is in view when its turn comes, so ranges
    // at any depth are expanded.
    MoveFoldLines([&] {
        for (int i = 0; i < allFoldRanges_->AllCount(); ++i) {
            TSynTextFoldRange* range = allFoldRanges_->AllRanges(i);
            if (range->Collapsed && !range->ParentCollapsed) {
                const int head = range->FromLine();
                FollowFoldLines(head, allFoldRanges_->Expand(lines_, range));
            }
        }
    });
}

void TCustomSynText::UncollapseLevel(int Level, bool NeedInvalidate)
{
    MoveFoldLines([&] {
        for (int i = allFoldRanges_->AllCount() - 1; i >= 0; --i) {
            TSynTextFoldRange* range = allFoldRanges_->AllRanges(i);
            if (range->FoldRangeLevel == Level && range->Collapsed && !range->ParentCollapsed) {
                const int head = range->FromLine();
                FollowFoldLines(head, allFoldRanges_->Expand(lines_, range));
            }
        }
    });
    if (NeedInvalidate)
        RepaintGutter();
}

int TCustomSynText::ExpandFoldsInLines(int First, int Last)
{
    // Typing beside a collapsed block elsewhere moves no fold lines.
    if (!allFoldRanges_->HasCollapsed() || !allFoldRanges_->CollapsedIn(First, Last))
        return Last;
    MoveFoldLines([&] {
        for (;;) {
            TSynTextFoldRange* found = allFoldRanges_->CollapsedIn(First, Last);
            if (!found)
                return;
            const int head = found->FromLine();
            const int restored = allFoldRanges_->Expand(lines_, found);
            FollowFoldLines(head, restored);
            // A block ending on the first line may have taken the hidden
            // lines in, and with them the collapsed ranges among them.
            const bool blockTookThem =
                head == Last && SelAvail() && std::max(blockBegin_.Line, blockEnd_.Line) == head + restored;
            if (head < Last || blockTookThem)
                Last += restored;
        }
    });
    return Last;
}

void TCustomSynText::VisitLinesAbove(int Line, const std::function<bool(const AnsiString&)>& Visit) const
{
    for (int l = Line - 1; l >= 1; --l) {
        const AnsiString text = lines_->Strings(l - 1);
        const TSynTextFoldRange* collapsed = allFoldRanges_->CollapsedIn(l, l);
        if (!collapsed) {
            if (Visit(text))
                return;
            continue;
        }
        std::vector<AnsiString> block;
        allFoldRanges_->ForEachLineOf(collapsed, text, [&block](const AnsiString& L) { block.push_back(L); });
        for (auto it = block.rbegin(); it != block.rend(); ++it)
            if (Visit(*it))
                return;
    }
}
