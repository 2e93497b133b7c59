// Caret moves by characters, rows, Home and End. A move never leaves the
// caret inside a double-byte character.
#include <algorithm>

#include "editor/syn_buffer_plugin.h"
#include "editor/syn_edit_scopes.h"
#include "platform/base/code_page.h"

namespace {

bool IsTrailByte(const AnsiString& Line, int Char)
{
    return Char >= 1 && Char <= static_cast<int>(Line.size()) &&
           ByteTypeAt(Line, static_cast<size_t>(Char - 1)) == mbTrailByte;
}

bool IsTabOrSpace(char C) { return C == ' ' || C == '\t'; }

}  // namespace

void TCustomSynText::MoveCaretAndSelection(const TBufferCoord& ptBefore, const TBufferCoord& ptAfter,
                                           bool SelectionCommand)
{
    if (options_.Contains(eoGroupUndo) && undoList_->CanUndo())
        undoList_->AddGroupBreak();
    TSynPaintLockScope lock(this);
    mbcsStepAside_ = false;
    // A point inside a double-byte character stands for its start.
    TBufferCoord to = ptAfter;
    to.Line = std::clamp(to.Line, 1, std::max(1, lines_->Count()));
    if (to.Line <= lines_->Count() && to.Char >= 1) {
        const AnsiString line = lines_->Strings(to.Line - 1);
        if (to.Char <= static_cast<int>(line.size()) &&
            ByteTypeAt(line, static_cast<size_t>(to.Char - 1)) == mbTrailByte)
            --to.Char;
    }
    if (SelectionCommand) {
        if (!SelAvail())
            SetBlockBegin(ptBefore);
        SetBlockEnd(to);
    } else {
        SetBlockBegin(to);
    }
    PlaceCaret(to);
}

void TCustomSynText::MoveCaretHorz(int DX, bool SelectionCommand)
{
    // At a wrap point the caret first shows at the end of the upper row,
    // then at the start of the lower one: one press each way. Only the
    // vertical-line caret can stand between the two rows.
    const bool wrapping = GetWordWrap();
    const bool lineCaret = (inserting_ ? insertCaret_ : overwriteCaret_) == ctVerticalLine;
    if (wrapping && DX > 0 && caretAtEndOfRow_) {
        SetCaretAtEndOfRow(false);
        return;
    }
    if (wrapping && DX <= 0 && !caretAtEndOfRow_ && caretX_ > 1 && DisplayX() == 1 && lineCaret) {
        SetCaretAtEndOfRow(true);
        return;
    }
    TBufferCoord target = CaretXY();
    const int count = lines_->Count();
    const AnsiString line = target.Line <= count ? lines_->Strings(target.Line - 1) : AnsiString();
    const int len = static_cast<int>(line.size());
    const bool pastEol = options_.Contains(eoScrollPastEol);
    if (!pastEol && DX == -1 && target.Char == 1 && target.Line > 1) {
        --target.Line;
        target.Char = static_cast<int>(lines_->Strings(target.Line - 1).size()) + 1;
    } else if (!pastEol && DX == 1 && target.Char > len && target.Line < count) {
        target = BufferCoord(1, target.Line + 1);
    } else {
        target.Char = std::max(1, target.Char + DX);
        if (!pastEol && DX > 0)
            target.Char = std::min(target.Char, len + 1);
        if (IsTrailByte(line, target.Char))
            target.Char += DX > 0 ? 1 : -1;
    }
    MoveCaretAndSelection(CaretXY(), target, SelectionCommand);
    // Moving right onto a wrap point stops at the end of the upper row.
    if (wrapping && DX > 0 && lineCaret && caretX_ <= len) {
        const TDisplayCoord pos = BufferToDisplayPos(CaretXY());
        if (pos.Column == 1 && pos.Row != LineToRow(caretY_))
            SetCaretAtEndOfRow(true);
    }
}

void TCustomSynText::MoveCaretVert(int DY, bool SelectionCommand)
{
    const TDisplayCoord from = DisplayXY();
    TDisplayCoord to = from;
    to.Row += DY;
    if (DY >= 0) {
        if (DisplayToBufferPos(to).Line > lines_->Count())
            to.Row = std::max(1, DisplayLineCount());
    } else {
        to.Row = std::max(1, to.Row);
    }
    const bool keepX = options_.Contains(eoKeepCaretX);
    if (to.Row != from.Row && keepX)
        to.Column = lastCaretX_;
    if (to.Row != from.Row) {
        // Stepping off the second half of a double-byte character is undone
        // on the next row, so that a run of vertical moves keeps its column.
        if (mbcsStepAside_ && !keepX)
            ++to.Column;
    }
    bool stepAside = false;
    TBufferCoord target = DisplayToBufferPos(to);
    // A column inside a double-byte character gives the position after it;
    // the caret goes to the character's start instead.
    if (to.Row != from.Row && target.Line >= 1 && target.Line <= lines_->Count() && target.Char > 1 &&
        BufferToDisplayPos(target).Column > to.Column) {
        const AnsiString line = lines_->Strings(target.Line - 1);
        if (target.Char - 1 <= static_cast<int>(line.size())) {
            target.Char = static_cast<int>(CharStartOf(line, static_cast<size_t>(target.Char - 2))) + 1;
            stepAside = true;
        }
    }
    const int remembered = lastCaretX_;
    {
        TSynPaintLockScope lock(this);
        MoveCaretAndSelection(CaretXY(), target, SelectionCommand);
        if (GetWordWrap()) {
            // Landing at the start of the next row means the row asked for
            // ended first: show the caret at its end.
            const TDisplayCoord landed = BufferToDisplayPos(CaretXY());
            caretAtEndOfRow_ = landed.Column == 1 && landed.Row != to.Row;
            stateFlags_.Include(sfCaretChanged);
        }
    }
    lastCaretX_ = remembered;
    mbcsStepAside_ = stepAside;
}

void TCustomSynText::DoHomeKey(bool Selection)
{
    const AnsiString line = LineText();
    const bool wrapping = GetWordWrap();
    const int row = DisplayY();
    const int firstRow = LineToRow(caretY_);
    // With word wrap Home goes to the start of the caret's row.
    int target = wrapping ? DisplayToBufferPos(DisplayCoord(1, row)).Char : 1;
    if (options_.Contains(eoEnhanceHomeKey) && row == firstRow) {
        // The indentation counts on the first row only.
        int end = static_cast<int>(line.size());
        if (wrapping && row <= DisplayLineCount())
            end = std::min(end, DisplayToBufferPos(DisplayCoord(wordWrapPlugin_->GetRowLength(row) + 1, row)).Char - 1);
        int first = 1;
        while (first <= end && IsTabOrSpace(line[static_cast<size_t>(first - 1)]))
            ++first;
        if (first > end)
            first = 1;
        target = (caretX_ > first || caretX_ == 1) ? first : 1;
    }
    MoveCaretAndSelection(CaretXY(), BufferCoord(target, caretY_), Selection);
}

void TCustomSynText::DoEndKey(bool Selection)
{
    const AnsiString line = LineText();
    const int lineEnd = static_cast<int>(line.size()) + 1;
    const bool wrapping = GetWordWrap() && lines_->Count() > 0;
    const int row = DisplayY();
    const bool lastRow = !wrapping || row == LineToRow(caretY_ + 1) - 1;
    // The first character of the caret's row.
    const int rowStart = wrapping ? DisplayToBufferPos(DisplayCoord(1, row)).Char : 1;
    int target = lineEnd;
    const bool enhanced = options_.Contains(eoEnhanceEndKey) && lastRow;
    if (enhanced) {
        int last = static_cast<int>(line.size());
        while (last >= rowStart && IsTabOrSpace(line[static_cast<size_t>(last - 1)]))
            --last;
        const int afterText = last + 1;
        target = caretX_ == afterText ? lineEnd : afterText;
    }
    if (!wrapping) {
        MoveCaretAndSelection(CaretXY(), BufferCoord(target, caretY_), Selection);
        return;
    }
    // With word wrap End stays on the caret's row.
    const int column = enhanced ? BufferToDisplayPos(BufferCoord(target, caretY_)).Column
                                : wordWrapPlugin_->GetRowLength(row) + 1;
    const TDisplayCoord rowEnd = DisplayCoord(column, row);
    TSynPaintLockScope lock(this);
    MoveCaretAndSelection(CaretXY(), DisplayToBufferPos(rowEnd), Selection);
    SetInternalDisplayXY(rowEnd);
}
