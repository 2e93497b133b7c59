// The editor's side of undo and redo: reversing recorded items group by
// group, and the Modified save point kept by the undo list.
#include <algorithm>
#include <vector>

#include "editor/syn_edit_scopes.h"
#include "platform/base/code_page.h"

namespace {

bool GroupsByReason(TSynChangeReason Reason) { return Reason != urIndent && Reason != urUnindent; }

// The pieces of an unindent record, one per line; a piece ends at CR, LF
// or CR LF.
std::vector<AnsiString> UnindentPieces(const AnsiString& Text)
{
    std::vector<AnsiString> pieces(1);
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '\r' || Text[i] == '\n') {
            if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n')
                ++i;
            pieces.emplace_back();
        } else {
            pieces.back() += Text[i];
        }
    }
    return pieces;
}

// Where a recorded deletion's text was and goes back: the earlier point, in
// column mode the smaller column and the smaller line, in line mode the
// start of the first line (the column of a line block says nothing about
// the line that closes up there).
TBufferCoord DeletionPoint(const TSynTextUndoItem& Item)
{
    if (Item.SelectionMode == smLine)
        return BufferCoord(1, std::min(Item.Start.Line, Item.End.Line));
    if (Item.SelectionMode == smColumn)
        return BufferCoord(std::min(Item.Start.Char, Item.End.Char), std::min(Item.Start.Line, Item.End.Line));
    return EarlierCoord(Item.Start, Item.End);
}

// A column edge P after an edit moved its line under it: past a double-byte
// character that it cuts into, as the edit itself left it.
TBufferCoord OutsideCharacter(const TSynTextStringList* Lines, TBufferCoord P)
{
    if (P.Line < 1 || P.Line > Lines->Count())
        return P;
    const AnsiString line = Lines->Strings(P.Line - 1);
    if (P.Char >= 1 && P.Char <= static_cast<int>(line.size()) &&
        ByteTypeAt(line, static_cast<size_t>(P.Char - 1)) == mbTrailByte)
        ++P.Char;
    return P;
}

int UnindentColumn(const TSynTextUndoItem& Item)
{
    return Item.SelectionMode == smColumn ? std::min(Item.Start.Char, Item.End.Char) : 1;
}

}  // namespace

bool TCustomSynText::CanUndo() const { return !ReadOnly() && undoList_->CanUndo(); }
bool TCustomSynText::CanRedo() const { return !ReadOnly() && redoList_->CanUndo(); }

void TCustomSynText::ClearUndo()
{
    undoList_->Clear();
    redoList_->Clear();
}

void TCustomSynText::BeginUndoBlock() { undoList_->BeginBlock(); }
void TCustomSynText::EndUndoBlock() { undoList_->EndBlock(); }

int TCustomSynText::MaxUndo() const { return undoList_->MaxUndo(); }

void TCustomSynText::SetMaxUndo(int Value)
{
    if (Value <= -1)
        return;
    undoList_->SetMaxUndo(Value);
    redoList_->SetMaxUndo(Value);
}

void TCustomSynText::SetModified(bool Value)
{
    // An unchanged flag still resets the saved point when the undo list lost
    // track of it (its history was cleared), or undoing every later change
    // would not bring the flag back.
    if (Value == modified_ && undoList_->InitialState() != Value)
        return;
    const bool changed = Value != modified_;
    NoteModified(Value);
    if (changed && !Value) {
        for (int i = 0; i < lines_->Count(); ++i) {
            TSynLineState* state = lines_->GetLineState(i);
            if (state->Modified == lmModified)
                state->Modified = lmSaved;
        }
        RepaintGutter();
    }
}

void TCustomSynText::LoadText(const AnsiString& Value)
{
    struct TBornUnchanged {
        explicit TBornUnchanged(TSynTextStringList* Lines) : lines(Lines) { lines->SetNewLineState(lmUnchanged); }
        ~TBornUnchanged() { lines->SetNewLineState(lmModified); }
        TSynTextStringList* lines;
    } unchanged(lines_);
    SetText(Value);
    ClearUndo();
    NoteModified(false);
    RepaintGutter();
}

void TCustomSynText::NoteModified(bool Value)
{
    const bool changed = Value != modified_;
    modified_ = Value;
    if (!Value && options_.Contains(eoGroupUndo) && undoList_->CanUndo() && changed)
        undoList_->AddGroupBreak();
    undoList_->SetInitialState(!Value);
    if (changed)
        StatusChanged({scModified});
}

void TCustomSynText::UndoRedoAdded(TObject* Sender)
{
    const bool modified = !undoList_->InitialState();
    if (modified_ != modified) {
        modified_ = modified;
        StatusChanged({scModified});
    }
    // A new change drops the redo history; a group break does not.
    if (Sender == undoList_ && !stateFlags_.Contains(sfInsideRedo) && undoList_->PeekItem() &&
        undoList_->PeekItem()->Reason != urGroupBreak)
        redoList_->Clear();
    // A change made outside any update: its fold ranges are found again now
    // (inside one, when the update ends).
    if (Sender == undoList_)
        RescanPendingFolds();
    // A change outside any undo block is reported at once (a block's
    // changes are one change for the host, reported by its next change).
    if (auto* list = dynamic_cast<TSynTextUndoList*>(Sender); list && list->BlockCount() == 0)
        DoChange();
}

void TCustomSynText::MoveGroupBreak(TSynTextUndoList* From, TSynTextUndoList* To)
{
    if (From->LastChangeReason() != urGroupBreak)
        return;
    const uint32_t number = From->PeekItem()->ChangeNumber;
    From->PopItem();
    const uint32_t saved = To->BlockChangeNumber();
    To->SetBlockChangeNumber(number);
    To->AddGroupBreak();
    To->SetBlockChangeNumber(saved);
}

void TCustomSynText::Undo()
{
    if (ReadOnly())
        return;
    MoveGroupBreak(undoList_, redoList_);
    if (!undoList_->PeekItem())
        return;
    // The ranges the step's change expanded to reach their text collapse
    // as they stood before it when the outermost update ends (the group's,
    // or that of the command running the undo), once its scan has found
    // the ranges of the text given back.
    UndoGroup();
}

void TCustomSynText::UndoGroup()
{
    TSynTextUndoItem* item = undoList_->PeekItem();
    // One update over the whole group: the fold ranges are found again once.
    TSynPaintLockScope lock(this);
    const TSynChangeReason firstReason = item->Reason;
    const uint32_t number = item->ChangeNumber;
    const uint32_t savedBlock = redoList_->BlockChangeNumber();
    redoList_->SetBlockChangeNumber(number);
    const bool endMarker = firstReason == urCompletionEnd || firstReason == urPasteEnd;
    const TSynChangeReason beginMarker = firstReason == urCompletionEnd ? urCompletionBegin : urPasteBegin;
    for (;;) {
        const TSynChangeReason undone = undoList_->PeekItem()->Reason;
        UndoItem();
        TSynTextUndoItem* next = undoList_->PeekItem();
        if (!next)
            break;
        bool more;
        if (endMarker)
            more = next->Reason != beginMarker;
        else
            more = next->ChangeNumber == number ||
                   (codeFolding_ && codeFolding_->Enabled() && next->Reason == urFoldRange) ||
                   (options_.Contains(eoGroupUndo) && next->Reason == undone && GroupsByReason(undone));
        if (!more)
            break;
    }
    if (endMarker && undoList_->LastChangeReason() == beginMarker)
        UndoItem();
    redoList_->SetBlockChangeNumber(savedBlock);
    UndoRedoAdded(nullptr);
}

void TCustomSynText::Redo()
{
    if (ReadOnly())
        return;
    if (!redoList_->PeekItem())
        return;
    // They collapse as after the step's change, as for an undo.
    RedoGroup();
}

void TCustomSynText::RedoGroup()
{
    TSynTextUndoItem* item = redoList_->PeekItem();
    TSynPaintLockScope lock(this);
    const uint32_t number = item->ChangeNumber;
    const uint32_t savedBlock = undoList_->BlockChangeNumber();
    undoList_->SetBlockChangeNumber(number);
    for (;;) {
        const TSynChangeReason redone = redoList_->PeekItem()->Reason;
        RedoItem();
        TSynTextUndoItem* next = redoList_->PeekItem();
        if (!next)
            break;
        if (!(next->ChangeNumber == number ||
              (options_.Contains(eoGroupUndo) && next->Reason == redone && GroupsByReason(redone))))
            break;
    }
    undoList_->SetBlockChangeNumber(savedBlock);
    MoveGroupBreak(redoList_, undoList_);
    UndoRedoAdded(nullptr);
}

void TCustomSynText::KeepPointsInLines()
{
    auto lineEnd = [this](const TBufferCoord& P) {
        return P.Line >= 1 && P.Line <= lines_->Count() ? static_cast<int>(lines_->Strings(P.Line - 1).size()) + 1
                                                        : 1;
    };
    if (!options_.Contains(eoScrollPastEol) && caretX_ > lineEnd(CaretXY()))
        PlaceCaret(CaretXY());
    if (selectionMode_ != smNormal)
        return;
    blockBegin_.Char = std::min(blockBegin_.Char, lineEnd(blockBegin_));
    blockEnd_.Char = std::min(blockEnd_.Char, lineEnd(blockEnd_));
}

void TCustomSynText::UndoItem()
{
    std::unique_ptr<TSynTextUndoItem> item = undoList_->PopItem();
    const TSynValueScope reversed(reversedShift_, ReachReversedLines(*item, true));
    const TSynSelectionMode oldMode = selectionMode_;
    // Steps set the block's points themselves: the selection shown goes.
    if (SelAvail())
        RepaintSelection();
    selectionMode_ = item->SelectionMode;
    BeginUpdate();
    {
        TSynScrollPastEolScope scope(options_);
        // Undo and redo put text back as it was taken: inserting, also while
        // the editor is in overwrite mode, which would replace lines instead.
        const TSynFlagScope inserting(inserting_);
        switch (item->Reason) {
        case urInsert:
        case urPaste:
        case urDragDropInsert: {
            // The points as recorded: an insertion after trimmed trailing
            // spaces starts past its line's end.
            PlaceCaret(item->Start);
            blockBegin_ = item->Start;
            blockEnd_ = item->End;
            const AnsiString removed = SelectedText(false);
            SetSelTextPrimitive(item->SelectionMode, item->Text, false);
            redoList_->AddChange(item->Reason, item->Start, item->End, removed, item->SelectionMode);
            PlaceCaret(item->Start);
            break;
        }
        case urDelete:
        case urDeleteAfterCaret:
        case urSilentDelete:
        case urSilentDeleteAfterCaret: {
            const TBufferCoord at = DeletionPoint(*item);
            const bool afterCaret = item->Reason == urDeleteAfterCaret || item->Reason == urSilentDeleteAfterCaret;
            if (afterCaret && at.Line > lines_->Count()) {
                SetCaretXY(BufferCoord(1, lines_->Count()));
                lines_->Add(AnsiString());
            }
            // Whole lines deleted up to the end of the text left the last
            // of them behind, emptied; their text, which then ends without
            // a line break, goes back into it.
            const AnsiString& text = item->Text;
            if (item->SelectionMode == smLine && !text.empty() && text.back() != '\n' && text.back() != '\r') {
                SetCaretXY(BufferCoord(1, at.Line));
                SetSelTextPrimitive(smNormal, text, false);
            } else {
                SetCaretXY(at);
                SetSelTextPrimitive(item->SelectionMode, text, false);
            }
            if (item->Reason == urSilentDelete || item->Reason == urSilentDeleteAfterCaret)
                PlaceCaret(afterCaret ? item->Start : item->End);
            else if (afterCaret)
                SetCaretAndSelection(item->Start, item->Start, item->End);
            else
                SetCaretAndSelection(item->End, item->Start, item->End);
            redoList_->AddChange(item->Reason, item->Start, item->End, AnsiString(), item->SelectionMode);
            EnsureCursorPosVisible();
            break;
        }
        case urLineBreak: {
            // The block goes with the caret: it may lie on the line that goes.
            SetCaretXY(item->Start);
            AnsiString line = LineText();
            // A line that ends before the break lost trailing blanks to the
            // trailing-space rule; they come back in front of the text that
            // moved, whatever that text starts with.
            if (static_cast<int>(line.size()) < caretX_ - 1 && !item->Text.empty())
                line.resize(static_cast<size_t>(caretX_ - 1), ' ');
            line += item->Text;
            if (caretY_ >= 1 && caretY_ <= lines_->Count())
                PutLine(caretY_ - 1, line);
            // The redo item keeps the whole removed line, indentation
            // included, so that redo gives it back byte for byte.
            AnsiString removed;
            if (item->End.Line >= 0 && item->End.Line < lines_->Count()) {
                removed = lines_->Strings(item->End.Line);
                lines_->Delete(item->End.Line);
            }
            DoLinesDeleted(caretY_ + 1, 1);
            redoList_->AddChange(urLineBreak, item->Start, item->End, removed, item->SelectionMode);
            break;
        }
        case urIndent:
            SetCaretAndSelection(item->End, item->Start, item->End);
            redoList_->AddChange(item->Reason, item->Start, item->End, item->Text, item->SelectionMode);
            break;
        case urUnindent: {
            // The removed pieces go back as a column; lines that lost
            // nothing stay untouched.
            const std::vector<AnsiString> pieces = UnindentPieces(item->Text);
            const auto column = static_cast<size_t>(UnindentColumn(*item) - 1);
            for (size_t i = 0; i < pieces.size(); ++i) {
                const int index = item->Start.Line - 1 + static_cast<int>(i);
                if (pieces[i].empty() || index < 0 || index >= lines_->Count())
                    continue;
                AnsiString line = lines_->Strings(index);
                if (line.size() < column)
                    line.resize(column, ' ');
                line.insert(column, pieces[i]);
                lines_->SetStrings(index, line);
            }
            SetCaretAndSelection(item->Start, item->Start, item->End);
            redoList_->AddChange(item->Reason, item->Start, item->End, item->Text, item->SelectionMode);
            break;
        }
        case urCaret:
            redoList_->AddChange(urCaret, CaretXY(), CaretXY(), AnsiString(), selectionMode_);
            PlaceCaret(item->Start);
            break;
        case urSelection:
            redoList_->AddChange(urSelection, blockBegin_, blockEnd_, AnsiString(), selectionMode_);
            SetCaretAndSelection(CaretXY(), item->Start, item->End);
            break;
        case urFoldCollapse:
            redoList_->AddChange(urFoldCollapse, item->Start, item->End, item->Text, item->SelectionMode);
            NoteFoldCollapse(*item, false);
            break;
        default:
            break;
        }
    }
    selectionMode_ = oldMode;
    KeepPointsInLines();
    EndUpdate();
}

void TCustomSynText::RedoItem()
{
    std::unique_ptr<TSynTextUndoItem> item = redoList_->PopItem();
    const TSynValueScope reversed(reversedShift_, ReachReversedLines(*item, false));
    const TSynSelectionMode oldMode = selectionMode_;
    // Steps set the block's points themselves: the selection shown goes.
    if (SelAvail())
        RepaintSelection();
    selectionMode_ = item->SelectionMode;
    BeginUpdate();
    stateFlags_.Include(sfInsideRedo);
    {
        TSynScrollPastEolScope scope(options_);
        // Inserting, as undo does.
        const TSynFlagScope inserting(inserting_);
        switch (item->Reason) {
        case urInsert:
        case urPaste:
        case urDragDropInsert: {
            SetCaretAndSelection(item->Start, item->Start, item->Start);
            SetSelTextPrimitive(item->SelectionMode, item->Text, false);
            PlaceCaret(item->End);
            undoList_->AddChange(item->Reason, item->Start, item->End, SelectedText(false), item->SelectionMode);
            if (item->Reason == urDragDropInsert)
                SetCaretAndSelection(item->End, item->Start, item->End);
            break;
        }
        case urDeleteAfterCaret:
        case urSilentDeleteAfterCaret:
        case urDelete:
        case urSilentDelete: {
            // The points as recorded, not cut to their lines: text that
            // closes up to a point past a line's end keeps that column.
            PlaceCaret(item->End);
            auto onLines = [this](TBufferCoord P) {
                P.Line = std::clamp(P.Line, 1, std::max(1, lines_->Count()));
                return P;
            };
            blockBegin_ = onLines(item->Start);
            blockEnd_ = onLines(item->End);
            const AnsiString removed = SelectedText(false);
            SetSelTextPrimitive(item->SelectionMode, item->Text, false);
            undoList_->AddChange(item->Reason, item->Start, item->End, removed, item->SelectionMode);
            // The caret stays where the text closed up, before the deletion
            // whichever way it was made; the later point has moved.
            const TBufferCoord closed = DeletionPoint(*item);
            PlaceCaret(item->SelectionMode == smColumn ? OutsideCharacter(lines_, closed) : closed);
            break;
        }
        case urLineBreak: {
            // The exact reverse of the undo: the caret line is split at the
            // start and the line that the undo removed comes back after it.
            // Executing the line-break command again would add indentation
            // the original break may not have had.
            if (lines_->Count() == 0)
                lines_->Add(AnsiString());
            SetCaretXY(item->Start);
            const AnsiString line = LineText();
            const size_t cut = std::min(line.size(), static_cast<size_t>(item->Start.Char - 1));
            const AnsiString moved = line.substr(cut);
            PutLine(caretY_ - 1, line.substr(0, cut));
            lines_->Insert(caretY_, item->Text);
            DoLinesInserted(caretY_ + 1, 1);
            undoList_->AddChange(urLineBreak, item->Start, item->End, moved, item->SelectionMode);
            const size_t indent = item->Text.size() >= moved.size() ? item->Text.size() - moved.size() : 0;
            SetCaretXY(BufferCoord(static_cast<int>(indent) + 1, caretY_ + 1));
            break;
        }
        case urIndent:
            SetCaretAndSelection(item->End, item->Start, item->End);
            undoList_->AddChange(item->Reason, item->Start, item->End, item->Text, item->SelectionMode);
            break;
        case urUnindent: {
            const std::vector<AnsiString> pieces = UnindentPieces(item->Text);
            const auto column = static_cast<size_t>(UnindentColumn(*item) - 1);
            for (size_t i = 0; i < pieces.size(); ++i) {
                const int index = item->Start.Line - 1 + static_cast<int>(i);
                if (pieces[i].empty() || index < 0 || index >= lines_->Count())
                    continue;
                AnsiString line = lines_->Strings(index);
                if (column < line.size())
                    line.erase(column, pieces[i].size());
                lines_->SetStrings(index, line);
            }
            if (item->SelectionMode == smColumn) {
                const TBufferCoord begin = OutsideCharacter(lines_, item->Start);
                SetCaretAndSelection(begin, begin, OutsideCharacter(lines_, item->End));
            } else {
                // The block shrinks by what was actually removed on its first
                // and last lines, which may be less than a tab width.
                const int first = static_cast<int>(pieces.front().size());
                const int last = static_cast<int>(pieces.back().size());
                const TBufferCoord begin = BufferCoord(std::max(1, item->Start.Char - first), item->Start.Line);
                const TBufferCoord end = BufferCoord(std::max(1, item->End.Char - last), item->End.Line);
                SetCaretAndSelection(begin, begin, end);
            }
            undoList_->AddChange(item->Reason, item->Start, item->End, item->Text, item->SelectionMode);
            break;
        }
        case urCaret:
            undoList_->AddChange(urCaret, CaretXY(), CaretXY(), AnsiString(), selectionMode_);
            PlaceCaret(item->Start);
            break;
        case urSelection:
            undoList_->AddChange(urSelection, blockBegin_, blockEnd_, AnsiString(), selectionMode_);
            SetCaretAndSelection(CaretXY(), item->Start, item->End);
            break;
        case urFoldCollapse:
            undoList_->AddChange(urFoldCollapse, item->Start, item->End, item->Text, item->SelectionMode);
            NoteFoldCollapse(*item, true);
            break;
        default:
            break;
        }
    }
    stateFlags_.Exclude(sfInsideRedo);
    selectionMode_ = oldMode;
    KeepPointsInLines();
    EndUpdate();
}
