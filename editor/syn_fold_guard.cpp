// The fold guard every change of text meets, whoever makes it (a command,
// a drop, a host's call): it refuses an editing command on a collapsed
// block's first line, or expands the blocks the command reaches before the
// command reads any coordinate.
#include "editor/syn_custom_text.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_edit_scopes.h"

namespace {

// Typing at the caret or in place of the selection, and the clipboard's
// cut and paste: refused on a collapsed block's first line.
bool Types(TSynTextEditorCommand Command)
{
    return (Command >= ecDeleteLastChar && Command <= 600) || Command == ecTab || Command == ecShiftTab ||
           Command == ecString || Command == ecAutoCompletion || Command == ecCut || Command == ecPaste;
}

bool ChangesCaseOfWord(TSynTextEditorCommand Command) { return Command >= ecUpperCase && Command <= ecTitleCase; }

// The commands on the selected lines; without a selection those that act
// at all act at the caret.
bool ChangesLines(TSynTextEditorCommand Command)
{
    return Command == ecBlockIndent || Command == ecBlockUnindent || Command == ecCommentBlock ||
           (Command >= ecUpperCase && Command <= ecToggleCaseBlock);
}

// The commands on the caret's word or line: they leave a selection be.
bool ActsAtCaret(TSynTextEditorCommand Command)
{
    return ChangesCaseOfWord(Command) || Command == ecDeleteWord || Command == ecDeleteLastWord ||
           Command == ecDeleteBOL || Command == ecDeleteEOL || Command == ecDeleteLine;
}

bool BreaksLine(TSynTextEditorCommand Command) { return Command == ecLineBreak || Command == ecInsertLine; }

}  // namespace

TSynCommandSteps TCustomSynText::CommandSteps(TSynTextEditorCommand Command) const { return {Command, ecNone}; }

AnsiString TCustomSynText::UnmarkedLine(int Line) const
{
    const AnsiString text = lines_->Strings(Line - 1);
    const TSynTextFoldRange* block = allFoldRanges_->CollapsedIn(Line, Line);
    return block ? TSynTextAllFoldRanges::FirstLineText(block, text) : text;
}

int TCustomSynText::TextEnd(int Line) const
{
    // A collapsed first line's mark (which may carry the close token) is
    // not its text.
    const AnsiString text = UnmarkedLine(Line);
    const size_t last = text.find_last_not_of(" \t");
    return (last == AnsiString::npos ? 0 : static_cast<int>(last) + 1) + 1;
}

bool TCustomSynText::FoldsRefuse(TSynTextEditorCommand Step) const
{
    if (!(Types(Step) || ChangesLines(Step)))
        return false;
    if (SelAvail() && !ActsAtCaret(Step)) {
        // A selection is judged by the lines it takes, wherever the caret
        // stands in it (a drop or a host's call has it elsewhere): over
        // several lines it brings their blocks into view; on a collapsed
        // first line alone, typing replaces the line's text only where the
        // selection takes that text whole and no more (into the collapse
        // mark it would take the hidden lines a copy takes, where the
        // line's commands take the text alone).
        const TBufferCoord begin = BlockBegin();
        const TBufferCoord end = BlockEnd();
        const auto wholeText = [&] {
            return begin.Char == 1 && end.Char >= TextEnd(begin.Line) &&
                   end.Char <= static_cast<int>(UnmarkedLine(begin.Line).size()) + 1;
        };
        return Types(Step) && begin.Line == end.Line && allFoldRanges_->CollapsedStartsAt(begin.Line) && !wholeText();
    }
    if (!allFoldRanges_->CollapsedStartsAt(caretY_))
        return false;
    // A line break goes before the block or after it.
    if (BreaksLine(Step))
        return caretX_ != 1 && caretX_ < TextEnd(caretY_);
    return true;
}

std::pair<int, int> TCustomSynText::FoldLinesReached(TSynTextEditorCommand Step)
{
    constexpr std::pair<int, int> none{1, 0};
    if (!(Types(Step) || ChangesLines(Step)))
        return none;
    if (SelAvail() && !ActsAtCaret(Step)) {
        int last = BlockEnd().Line;
        // Whole lines deleted leave the caret on the line below them, where
        // a line break or a tab then goes in.
        if (selectionMode_ == smLine && (BreaksLine(Step) || Step == ecTab) && last < lines_->Count())
            ++last;
        return {BlockBegin().Line, last};
    }
    if (BreaksLine(Step))
        return {caretY_, caretY_};
    // Joining lines, or a case change of the word before the caret: the
    // line above or below must not hide a block.
    const bool caseOfWord = ChangesCaseOfWord(Step);
    if ((Step == ecDeleteLastChar || Step == ecDeleteLastWord || caseOfWord) && caretY_ > 1) {
        const int target = caseOfWord                  ? CaseChangeWord().first.Line
                           : Step == ecDeleteLastWord ? PrevWordPos().Line
                                                      : (caretX_ == 1 ? caretY_ - 1 : caretY_);
        return {target, caretY_ - 1};
    }
    if ((Step == ecDeleteChar || Step == ecDeleteWord) && caretY_ < lines_->Count() &&
        caretX_ > static_cast<int>(LineText().size()))
        return {caretY_ + 1, caretY_ + 1};
    return none;
}

bool TCustomSynText::ReachesCollapsed(TSynTextEditorCommand Step)
{
    if (!(Types(Step) || ChangesLines(Step)))
        return false;
    const auto [first, last] = FoldLinesReached(Step);
    return allFoldRanges_->CollapsedStartsAt(caretY_) || (first <= last && allFoldRanges_->CollapsedIn(first, last));
}

void TCustomSynText::ExpandFoldsFor(TSynTextEditorCommand Step)
{
    if (BreaksLine(Step) && !SelAvail() && caretX_ != 1 && allFoldRanges_->CollapsedStartsAt(caretY_)) {
        // At the end of the first line: to the end of the block, the last
        // line it hid, which may start a block collapsed inside it.
        int line = caretY_;
        while (TSynTextFoldRange* block = allFoldRanges_->CollapsedIn(line, line)) {
            line += block->CollapsedLineCount();
            Uncollapse(block);
        }
        PlaceCaret(BufferCoord(TextEnd(line), line));
        return;
    }
    // A block expanded above brings its last lines next to the caret, and a
    // block collapsed among them may end there too.
    for (;;) {
        const auto [first, last] = FoldLinesReached(Step);
        if (first > last || !allFoldRanges_->CollapsedIn(first, last))
            return;
        ExpandFoldsInLines(first, last);
    }
}

void TCustomSynText::FinishFoldScanForCommand()
{
    // The scan collapses a block whose last line it freed again to hide
    // what a fresh collapse hides, which may take in the line of the caret
    // or of a selection's end: the collapse moves that place onto the
    // block's first line, where the command would act. Such a block comes
    // into view again, and the place goes back to its line.
    struct TPlace {
        TBufferCoord Was;
        int Real;
        bool Hidden;
    };
    TPlace places[] = {{CaretXY(), 0, false}, {blockBegin_, 0, false}, {blockEnd_, 0, false}};
    for (TPlace& place : places)
        place.Real = allFoldRanges_->RealLineNumber(place.Was.Line);
    FinishFoldScanAtRest();
    const auto hiding = [this](int Real) -> TSynTextFoldRange* {
        const int head = allFoldRanges_->BufferLineOf(Real);
        return allFoldRanges_->RealLineNumber(head) == Real ? nullptr : allFoldRanges_->CollapsedIn(head, head);
    };
    for (TPlace& place : places)
        place.Hidden = hiding(place.Real) != nullptr;
    for (const TPlace& place : places)
        while (TSynTextFoldRange* block = hiding(place.Real))
            Uncollapse(block);
    const auto restore = [this](const TPlace& Place) {
        return BufferCoord(Place.Was.Char, allFoldRanges_->BufferLineOf(Place.Real));
    };
    if (places[0].Hidden) {
        const TBufferCoord caret = restore(places[0]);
        caretX_ = caret.Char;
        caretY_ = caret.Line;
        stateFlags_.Include(sfCaretChanged);
    }
    if (places[1].Hidden)
        blockBegin_ = restore(places[1]);
    if (places[2].Hidden)
        blockEnd_ = restore(places[2]);
}

bool TCustomSynText::PrepareFoldsForCommand(TSynTextEditorCommand Command)
{
    if (!codeFolding_->Enabled() || ComponentState().Contains(csDesigning) || !allFoldRanges_->HasCollapsed())
        return true;
    // A scan pending below an edit has left the collapsed blocks there as
    // they stood: one may hide other lines than the text now makes, or be
    // no block at all, and the scan that an expansion runs first brings
    // blocks into view and takes lines out under the lines read before it.
    // A command that reaches a collapsed block is judged on ranges brought
    // up to date; one that reaches none needs no scan.
    const TSynCommandSteps first = CommandSteps(Command);
    if (FoldRangesStale() && (ReachesCollapsed(first.First) || ReachesCollapsed(first.Then)))
        FinishFoldScanForCommand();
    // Each step is judged where the command starts: none of them moves the
    // caret before the next, nor changes the lines above it. A selection
    // lying in a collapse mark goes with the mark when its block comes into
    // view, and a command that runs other steps without a selection (a case
    // change of the word at the caret instead of the selected text) has
    // those judged in turn: they may reach another collapsed block.
    TSynCommandSteps judged;
    for (TSynCommandSteps steps = CommandSteps(Command); !(steps == judged); steps = CommandSteps(Command)) {
        if (FoldsRefuse(steps.First) || FoldsRefuse(steps.Then))
            return false;
        ExpandFoldsFor(steps.First);
        ExpandFoldsFor(steps.Then);
        judged = steps;
    }
    return true;
}

bool TCustomSynText::PrepareFoldsForChange(TSynTextEditorCommand Like)
{
    return guardedChange_ || PrepareFoldsForCommand(Like);
}

bool TCustomSynText::FoldsRefuseDropAt(const TBufferCoord& At)
{
    // A paste at the point, with nothing selected there.
    const TSynValueScope<int> caretX(caretX_, At.Char);
    const TSynValueScope<int> caretY(caretY_, At.Line);
    const TSynValueScope<TBufferCoord> begin(blockBegin_, At);
    const TSynValueScope<TBufferCoord> end(blockEnd_, At);
    return FoldsRefuse(ecPaste);
}

void TCustomSynText::ExpandFoldsAtSelection()
{
    if (!allFoldRanges_->HasCollapsed())
        return;
    // A column block takes in the lines that come into view: it would
    // otherwise cut into the collapse marks.
    if (!SelAvail())
        ExpandFoldsInLines(caretY_, caretY_);
    else
        ExpandFoldsInLines(BlockBegin().Line, BlockEnd().Line);
}
