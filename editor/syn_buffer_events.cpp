// Keeping the highlighter's line ranges, the gutter and the scroll width in
// step with the buffer's change events.
#include <algorithm>
#include <climits>

#include "editor/syn_buffer_plugin.h"
#include "editor/syn_custom_text.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/view/syn_gutter.h"
#include "editor/highlighting/syn_highlighter.h"
#include "platform/ui/kernel/timer.h"

namespace {

// Lines below the window that an edit's highlighter scan may read to find
// where its change ends.
constexpr int SettleBelowView = 64;
// Lines an edit's highlighter scan may read above the window, about a
// millisecond's work: changed lines from further up down into the window
// wait for the paint, a reader or idle time.
constexpr int ScanAboveView = 1000;

// Each line stores the highlighter's range at its end; a line's scan
// starts from the range stored for the line above.
//
// Rescans from line Index until a line's stored range comes out unchanged
// (Settled), or down to line Stop, each line's range as Highlight answers
// it; answers the index of the last line scanned.
template <typename THighlight>
int ScanFrom(TSynCustomHighlighter* Highlighter, TSynTextStringList* Lines, int Index, int Stop, bool& Settled,
             const THighlight& Highlight)
{
    if (Index <= 0) {
        Index = 0;
        Highlighter->ResetRange();
    } else {
        Highlighter->SetRange(reinterpret_cast<void*>(Lines->GetRange(Index - 1)));
    }
    for (;; ++Index) {
        const intptr_t range = Highlight(Index);
        Settled = Lines->GetRange(Index) == range;
        if (Settled || Index == Stop) {
            Lines->SetRange(Index, range);
            return Index;
        }
        Lines->SetRange(Index, range);
    }
}

// Rescans every line of a block that may have stopped early on a line
// whose old range happened to match, down to line Stop at most; answers
// the index of the last line scanned.
template <typename THighlight>
int ScanBlock(TSynCustomHighlighter* Highlighter, TSynTextStringList* Lines, int Index, int Count, int Stop,
              bool& Settled, const THighlight& Highlight)
{
    int last = ScanFrom(Highlighter, Lines, Index, Stop, Settled, Highlight);
    while (last + 1 < Index + Count && last < Stop)
        last = ScanFrom(Highlighter, Lines, last + 1, Stop, Settled, Highlight);
    return last;
}

}  // namespace

void TCustomSynText::MarkRangesToScan(int First, int Last)
{
    if (pendingScanFirst_ > pendingScanLast_) {
        pendingScanFirst_ = First;
        pendingScanLast_ = Last;
    } else {
        pendingScanFirst_ = std::min(pendingScanFirst_, First);
        pendingScanLast_ = std::max(pendingScanLast_, Last);
    }
    // Outside an update (a deletion reports after its own update ended)
    // nothing else is coming.
    if (lines_->UpdateCount() == 0)
        ScanPendingRanges();
}

bool TCustomSynText::ScanPendingRanges()
{
    if (pendingScanFirst_ > pendingScanLast_)
        return false;
    const int first = pendingScanFirst_;
    const int last = std::min(pendingScanLast_, lines_->Count() - 1);
    pendingScanFirst_ = 0;
    pendingScanLast_ = -1;
    if (!highlighter_ || first > last)
        return false;
    // Lines below the window are scanned when they are shown or read, past
    // a few lines that let an edit at the window's foot settle (else the
    // fold scan would take every line below as changed); the scan of a
    // changed block may not stop on an unscanned line, whose stored range
    // means nothing.
    const int stop = std::min({lines_->Count() - 1, unscannedFrom_ - 1, LastShownLine() + SettleBelowView});
    // Changed lines from far above the window down into it (a text set
    // whole, which leaves the view on its last line when that line holds
    // text) are read when they are wanted: a view the program moves next
    // costs nothing here. A change that ends far above is scanned as ever:
    // it settles soon.
    const int firstShown = RowToLine(topLine_) - 1;
    const bool farAbove = first + ScanAboveView < firstShown && last >= firstShown;
    if (first > stop || farAbove) {
        LeaveUnscannedFrom(first);
        NoteFoldEdit(first + 1, INT_MAX);
        NoteFoldRepainting();
        if (farAbove)
            RepaintLines(first + 1, INT_MAX);
        return false;
    }
    lines_->BeginUpdate();
    bool settled = false;
    const int scanned = ScanBlock(highlighter_, lines_, first, last - first + 1, stop, settled,
                                  [this](int Index) { return HighlightLine(Index); });
    const bool unsettled = (!settled || scanned < last) && scanned < lines_->Count() - 1;
    if (unsettled)
        LeaveUnscannedFrom(scanned + 1);
    // The fold scan reads the highlighting of the lines below those whose
    // stored range changed; past an unsettled scan, of any line below.
    NoteFoldEdit(first + 1, unsettled ? INT_MAX : scanned + 2);
    if (unsettled || scanned > last)
        NoteFoldRepainting();
    RepaintLines(first + 1, scanned + 1);
    lines_->EndUpdate();
    return true;
}

intptr_t TCustomSynText::HighlightLine(int Index)
{
    const AnsiString line = lines_->Strings(Index);
    // An edit's highlighting may run before the ranges follow its lines.
    const int foldLine = allFoldRanges_ && allFoldRanges_->HasCollapsed() ? foldScan_.FoldLineOf(Index + 1) : 0;
    TSynTextFoldRange* collapsed = foldLine > 0 ? allFoldRanges_->CollapsedIn(foldLine, foldLine) : nullptr;
    if (!collapsed) {
        highlighter_->SetLine(line, Index);
        highlighter_->NextToEol();
        return reinterpret_cast<intptr_t>(highlighter_->GetRange());
    }
    // The lines below a collapsed block go on from where its hidden lines
    // end, as they would with it expanded: a comment its first line opens
    // may end among them. The collapse mark is no text.
    allFoldRanges_->ForEachLineOf(collapsed, line, [this, Index](const AnsiString& Text) {
        highlighter_->SetLine(Text, Index);
        highlighter_->NextToEol();
    });
    return reinterpret_cast<intptr_t>(highlighter_->GetRange());
}

int TCustomSynText::LastShownLine() const { return RowToLine(topLine_ + linesInWindow_) - 1; }

void TCustomSynText::LeaveUnscannedFrom(int Index)
{
    unscannedFrom_ = std::min(unscannedFrom_, Index);
    idleScanTimer_->SetEnabled(true);
}

intptr_t TCustomSynText::LineRange(int Index)
{
    if (highlighter_ && Index >= unscannedFrom_ && Index < lines_->Count()) {
        // The lines read here are painted, searched or folded from what is
        // stored now, so they get no repaint of their own.
        if (unscannedFrom_ == 0)
            highlighter_->ResetRange();
        else
            highlighter_->SetRange(reinterpret_cast<void*>(lines_->GetRange(unscannedFrom_ - 1)));
        for (int i = unscannedFrom_; i <= Index; ++i)
            lines_->StoreRange(i, HighlightLine(i));
        unscannedFrom_ = Index + 1 < lines_->Count() ? Index + 1 : INT_MAX;
    }
    return lines_->GetRange(Index);
}

// The gutter may need another digit; the lines from Index down moved.
void TCustomSynText::LineCountChanged(int Index, int Inserted)
{
    if (gutter_->ShowLineNumbers() && gutter_->AutoSize())
        gutter_->AutoSizeDigitCount(lines_->Count());
    const int width = gutter_->GetPixelWidth(GutterCharWidth());
    if (width == gutterWidth_) {
        if (Inserted > 0 && MoveRowsDown(Index + 1, Inserted))
            RepaintLines(Index + 1, Index + Inserted);
        else
            RepaintLines(Index + 1, INT_MAX);
        RepaintGutter();
    } else {
        SetGutterWidth(width);
    }
}

void TCustomSynText::NoteFoldEdit(int First, int Last)
{
    if (CountsFoldChanges())
        foldScan_.NoteEdit(First, Last);
}

void TCustomSynText::NoteFoldRepainting()
{
    // Lines below the changed ones now start from another range: a brace
    // among them may be painted as a comment now, or no longer, which the
    // signatures of the changed lines never told.
    if (CountsFoldChanges())
        foldScan_.NoteChange();
}

void TCustomSynText::ListInserted(TObject*, int Index, int Count)
{
    // The line above a new line may have been split. The edits noted so
    // far follow lines an expansion puts back too: an update that goes on
    // to edit lines below scans from where they now stand.
    if (codeFolding_ && codeFolding_->Enabled())
        foldScan_.FollowLines(Index + 1, Count);
    if (CountsFoldChanges())
        foldScan_.NoteMoved(true, Index + 1, Count);
    NoteFoldEdit(Index, Index + Count + 1);
    CountFoldChanges(Index, Count);
    if (wordWrapPlugin_)
        wordWrapPlugin_->LinesInserted(Index, Count);
    if (highlighter_) {
        // The pending lines at and below Index moved down.
        if (pendingScanFirst_ <= pendingScanLast_ && pendingScanLast_ >= Index) {
            pendingScanLast_ += Count;
            if (pendingScanFirst_ >= Index)
                pendingScanFirst_ += Count;
        }
        if (unscannedFrom_ != INT_MAX && unscannedFrom_ >= Index)
            unscannedFrom_ += Count;
        MarkRangesToScan(Index, Index + Count - 1);
    }
    LineCountChanged(Index, Count);
    if (options_.Contains(eoAutoSizeMaxScrollWidth) && Index < lines_->Count()) {
        const int length = static_cast<int>(lines_->GetExpandedString(Index).size());
        if (length > maxScrollWidth_)
            SetMaxScrollWidth(length);
    }
}

void TCustomSynText::ListDeleted(TObject*, int Index, int Count)
{
    // The lines on either side of the deletion meet; a collapse takes
    // lines out too.
    if (codeFolding_ && codeFolding_->Enabled())
        foldScan_.FollowLines(Index + 1, -Count);
    NoteFoldEdit(Index, Index + 1);
    if (wordWrapPlugin_)
        wordWrapPlugin_->LinesDeleted(Index, Count);
    // The line that moved up into Index starts from another range. The
    // pending lines only moved up: a span from Index still covers them.
    if (highlighter_) {
        if (unscannedFrom_ != INT_MAX && unscannedFrom_ > Index)
            unscannedFrom_ = std::max(Index, unscannedFrom_ - Count);
        if (unscannedFrom_ >= lines_->Count())
            unscannedFrom_ = INT_MAX;
        MarkRangesToScan(Index, Index);
    }
    LineCountChanged(Index);
}

void TCustomSynText::ListPut(TObject*, int Index, int Count)
{
    NoteFoldEdit(Index + 1, Index + Count);
    if (CountsFoldChanges() && !foldScan_.HasChanges())
        CompareFoldSignatures(Index, Count);
    foldSignaturesBeforePut_.clear();
    int last = Index + Count - 1;
    // Rows below move when the lines now wrap into more or fewer rows. Lines
    // put one by one in a block are wrapped and repainted with the block.
    const bool held = wrapRowsHeld_;
    const bool rowsMoved = !held && wordWrapPlugin_ && wordWrapPlugin_->LinesPutted(Index, Count) != 0;
    if (rowsMoved) {
        last = INT_MAX - 1;
        RepaintGutterLines(Index + 1, INT_MAX);
    }
    if (highlighter_)
        MarkRangesToScan(Index, Index + Count - 1);
    // Another editor shows this buffer too; its rows below may have moved.
    if (chainedEditor_ || lines_ != ownLines_.get())
        last = INT_MAX - 1;
    // A block's indent guides stand at its first line's indentation.
    if (!held && static_cast<int>(guideIndentsBeforePut_.size()) == Count)
        for (int i = 0; i < Count; ++i)
            if (LeadingWidth(Index + i) != guideIndentsBeforePut_[static_cast<size_t>(i)])
                if (const TSynTextFoldRange* range = allFoldRanges_->FirstStartingAt(Index + i + 1))
                    last = std::max(last, range->ToLine() - 1);
    guideIndentsBeforePut_.clear();
    if (!held)
        RepaintLines(Index + 1, last + 1);
    if (options_.Contains(eoAutoSizeMaxScrollWidth)) {
        int widest = maxScrollWidth_;
        for (int i = Index; i < Index + Count && i < lines_->Count(); ++i)
            widest = std::max(widest, static_cast<int>(lines_->GetExpandedString(i).size()));
        if (widest > maxScrollWidth_)
            SetMaxScrollWidth(widest);
    }
}

void TCustomSynText::CompareFoldSignatures(int Index, int Count)
{
    // A line the fold scan reads differently now may move fold ranges (one
    // change counted is enough for a rescan); a line it reads as before,
    // with tokens, is a quiet put.
    int line = Index;
    for (const TFoldSignatureRun& run : foldSignaturesBeforePut_)
        for (int i = 0; i < run.Lines; ++i, ++line) {
            const std::optional<AnsiString> signature = FoldSignature(line, lines_->LineView(line), true);
            if (!signature || !run.Signature || *signature != *run.Signature) {
                foldScan_.NoteChange();
                return;
            }
            if (!signature->empty())
                foldScan_.NoteQuietPut();
        }
    // Lines not compared before the put: below the first with a
    // highlighter, they start from a range left to scan.
    if (line < Index + Count)
        foldScan_.NoteChange();
}

void TCustomSynText::ListCleared(TObject*)
{
    ClearFoldRanges();  // their lines, hidden ones too, went with the text
    if (wordWrapPlugin_)
        wordWrapPlugin_->Reset();
    ClearUndo();
    pendingScanFirst_ = 0;
    pendingScanLast_ = -1;
    unscannedFrom_ = INT_MAX;
    caretX_ = caretY_ = 1;
    blockBegin_ = blockEnd_ = BufferCoord(1, 1);
    topLine_ = leftChar_ = 1;
    Invalidate();
    StatusChanged({scAll});
}

void TCustomSynText::ListBeforeInserted(TObject*, int, int) {}
void TCustomSynText::ListBeforeDeleted(TObject*, int Index, int Count)
{
    CountFoldChanges(Index, Count);
    if (CountsFoldChanges())
        foldScan_.NoteMoved(true, Index + 1, -Count);
}
void TCustomSynText::ListBeforePut(TObject*, int Index, int Count)
{
    foldSignaturesBeforePut_.clear();
    if (CountsFoldChanges() && !foldScan_.HasChanges()) {
        // With a highlighter, each line below the first starts from a range
        // the put leaves to scan: it counts as changed whatever it holds.
        // A block of new empty lines reads alike: one run for them all.
        const int compared = highlighter_ ? std::min(Count, 1) : Count;
        for (int i = Index; i < Index + compared; ++i) {
            std::optional<AnsiString> signature = FoldSignature(i, lines_->LineView(i));
            if (!foldSignaturesBeforePut_.empty() && foldSignaturesBeforePut_.back().Signature == signature)
                ++foldSignaturesBeforePut_.back().Lines;
            else
                foldSignaturesBeforePut_.push_back({std::move(signature), 1});
        }
    }
    guideIndentsBeforePut_.clear();
    // Lines held for wrapping are repainted to the end once they are in:
    // their guides need no comparing.
    if (codeFolding_->IndentGuides() && !wrapRowsHeld_)
        for (int i = Index; i < Index + Count; ++i)
            guideIndentsBeforePut_.push_back(LeadingWidth(i));
}
