// The hint over the box after a collapsed range's first line: it lists the
// lines the range hides.
#include <algorithm>
#include <memory>

#include "editor/completion/syn_completion_proposal.h"
#include "editor/syn_custom_text.h"
#include "editor/folding/syn_fold_ranges.h"
#include "platform/base/string_list.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/screen.h"

namespace {

// A longer range shows this many of its hidden lines and then "...".
constexpr int MaxHintLines = 41;

// Each tab becomes TabWidth spaces, wherever it stands.
AnsiString TabsAsSpaces(const AnsiString& Line, int TabWidth)
{
    AnsiString result;
    for (char c : Line) {
        if (c == '\t')
            result.append(static_cast<size_t>(TabWidth), ' ');
        else
            result.push_back(c);
    }
    return result;
}

// The hint goes below its row; one that the screen cannot hold there is
// moved, and may be cut, so that it never covers the row: the mouse would
// stand on the hint, the editor would never see it leave the box, and the
// hint would stay.
void KeepOffRow(TCustomForm* Hint, int RowTop, int RowBottom)
{
    const TRect shown = Hint->BoundsRect();
    if (shown.Top >= RowBottom || shown.Bottom <= RowTop)
        return;
    const int below = Screen->Height() - (RowBottom + 2);
    const int above = RowTop - 2;
    if (below >= above) {
        Hint->SetBounds(shown.Left, RowBottom + 2, shown.Width(), std::min(shown.Height(), std::max(below, 0)));
    } else {
        const int height = std::min(shown.Height(), above);
        Hint->SetBounds(shown.Left, RowTop - 2 - height, shown.Width(), height);
    }
}

}  // namespace

void TCustomSynText::TrackCollapsedHint(int X, int Y)
{
    if (!codeFolding_->Enabled() || !codeFolding_->CollapsedCodeHint())
        return;
    const int row = PointToNearestCell(X, Y).Row;
    const int line = RowToLine(row);
    // Only a collapsed range has a box, and those are known without a scan:
    // a line that starts none does not wait for one.
    TSynTextFoldRange* range = nullptr;
    if (CollapsedRangeAt(line)) {
        ReachFoldScan(line, TFoldReach::Starts);
        range = allFoldRanges_->FirstStartingAt(line);
    }
    bool overBox = false;
    if (range && range->Collapsed) {
        TRect box = GetCollapseMarkRect(range, row);
        OffsetRect(box, -(leftChar_ - 1) * charWidth_, 0);
        overBox = PtInRect(box, Point(X, Y));
    }
    if (!overBox) {
        SetCursor(crIBeam);
        if (collapsedHintShown_) {
            collapsedHintShown_ = false;
            collapsedHint_->CancelCompletion();
        }
        return;
    }
    SetCursor(crHelp);
    if (collapsedHintShown_)
        return;
    if (!collapsedHint_) {
        collapsedHint_ = std::make_unique<TSynCompletionProposal>(nullptr);
        collapsedHint_->SetDefaultType(ctHint);
        collapsedHint_->Form()->SetDisplayType(ctHint);
        collapsedHint_->SetTimerInterval(500);
        collapsedHint_->Form()->ClBackground = clInfoBk;
        // It only shows when the mouse asks; its shortcut would take the
        // key from a completion proposal of the host.
        collapsedHint_->ShortCut = scNone;
    }
    TStringList* items = collapsedHint_->ItemList();
    items->Clear();
    items->Add(TabsAsSpaces(lines_->Strings(line - 1), tabWidth_));
    // The hidden lines are stored last line first.
    const TStringList& hidden = range->CollapsedLines();
    const int stored = hidden.Count();
    const int shown = std::min(stored, MaxHintLines);
    for (int i = stored - 1; i >= stored - shown; --i)
        items->Add(TabsAsSpaces(hidden.Strings(i), tabWidth_));
    if (stored > MaxHintLines)
        items->Add("...");
    collapsedHint_->SetEditor(this);
    collapsedHint_->Font()->SetName(Font()->Name());
    collapsedHint_->Font()->SetSize(Font()->Size());
    const TPoint at = ClientToScreen(RowColumnToPixels(DisplayCoord(0, row + 1)));
    collapsedHint_->Execute(AnsiString(), at.X + 2, at.Y + 2);
    KeepOffRow(collapsedHint_->Form(), ClientToScreen(RowColumnToPixels(DisplayCoord(0, row))).Y, at.Y);
    collapsedHintShown_ = true;
}
