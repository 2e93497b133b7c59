// The hint over the box after a collapsed range's first line: it lists the
// lines the range hides.
#include <algorithm>
#include <memory>

#include "editor/completion/syn_completion_proposal.h"
#include "editor/syn_custom_text.h"
#include "editor/folding/syn_fold_ranges.h"
#include "platform/base/string_list.h"
#include "platform/ui/graphics/font.h"

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

}  // namespace

void TCustomSynText::TrackCollapsedHint(int X, int Y)
{
    if (!codeFolding_->Enabled() || !codeFolding_->CollapsedCodeHint())
        return;
    const int row = PointToNearestCell(X, Y).Row;
    const int line = RowToLine(row);
    TSynTextFoldRange* range = GetFoldRangeStartingAt(line);
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
    const int stored = range->CollapsedLines.Count();
    const int shown = std::min(stored, MaxHintLines);
    for (int i = stored - 1; i >= stored - shown; --i)
        items->Add(TabsAsSpaces(range->CollapsedLines.Strings(i), tabWidth_));
    if (stored > MaxHintLines)
        items->Add("...");
    collapsedHint_->SetEditor(this);
    collapsedHint_->Font()->SetName(Font()->Name());
    collapsedHint_->Font()->SetSize(Font()->Size());
    const TPoint at = ClientToScreen(RowColumnToPixels(DisplayCoord(0, row + 1)));
    collapsedHint_->Execute(AnsiString(), at.X + 2, at.Y + 2);
    collapsedHintShown_ = true;
}
