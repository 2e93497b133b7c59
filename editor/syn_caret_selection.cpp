// Caret placement, the selection in its three modes, replacing the selected
// text and setting the whole text. Positions are clamped, never rejected.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "editor/view/syn_active_line.h"
#include "editor/syn_custom_text.h"
#include "editor/syn_edit_scopes.h"
#include "editor/document/text_routines.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/view/syn_word_wrap.h"
#include "platform/base/code_page.h"

namespace {

// From this many lines on, a text put in takes one block for all of them.
constexpr int BulkPutLines = 1024;

// The lines of a text separated by CR LF, CR or LF, as views into it; an
// empty text is one empty line. Copies of the lines would each take a heap
// block of their own and, freed after the buffer's lines were allocated
// among them, leave the heap full of holes that keep a whole text's worth
// of memory resident.
std::vector<std::string_view> SplitLines(std::string_view Value)
{
    std::vector<std::string_view> result;
    size_t start = 0;
    for (size_t i = 0; i < Value.size(); ++i) {
        if (Value[i] == '\r' || Value[i] == '\n') {
            result.push_back(Value.substr(start, i - start));
            if (Value[i] == '\r' && i + 1 < Value.size() && Value[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    result.push_back(Value.substr(start));
    return result;
}

bool IsTrailByteAt(std::string_view Line, int Char)
{
    return Char >= 1 && Char <= static_cast<int>(Line.size()) &&
           ByteTypeAt(Line, static_cast<size_t>(Char - 1)) == mbTrailByte;
}

// A position inside a double-byte character stands for that character's
// start, where the keyboard would have stopped.
int CharStart(std::string_view Line, int Char) { return IsTrailByteAt(Line, Char) ? Char - 1 : Char; }

// Where a caret or block point that a program names goes: the start of the
// double-byte character it falls inside. Column edges keep their own rule,
// past the character they cut into, and are left as they are.
TBufferCoord WholeCharacterPoint(const TSynTextStringList& Lines, TSynSelectionMode Mode, TBufferCoord Value)
{
    if (Mode != smColumn && Value.Line >= 1 && Value.Line <= Lines.Count())
        Value.Char = CharStart(Lines.LineView(Value.Line - 1), Value.Char);
    return Value;
}

// Where a column edge at Char falls on Line: past a double-byte character
// that it would cut into.
int OutsideChar(std::string_view Line, int Char) { return IsTrailByteAt(Line, Char) ? Char + 1 : Char; }

std::string_view TrimTrailingSpaces(std::string_view S)
{
    size_t n = S.size();
    while (n > 0 && S[n - 1] == ' ')
        --n;
    return S.substr(0, n);
}

}  // namespace

int TCustomSynText::MaxCaretColumn(int Line) const
{
    const int length = LineLength(Line);
    if (!options_.Contains(eoScrollPastEol))
        return length + 1;
    return wordWrap_->Enabled() ? 0x7FFFFFFF : ScrollPastEolLimit(length, maxScrollWidth_);
}

void TCustomSynText::PlaceCaretEx(bool EnsureVisible, const TBufferCoord& Value)
{
    caretAtEndOfRow_ = false;
    if (HandleAllocated())
        DoOnPaintTransient(ttBefore);
    TBufferCoord p = Value;
    p.Line = std::clamp(p.Line, 1, std::max(1, lines_->Count()));
    const int limit = MaxCaretColumn(p.Line);
    if (p.Char > limit && !(options_.Contains(eoScrollPastEol) && options_.Contains(eoAutoSizeMaxScrollWidth)))
        p.Char = limit;
    if (p.Char < 1)
        p.Char = 1;
    if (p.Char != caretX_ || p.Line != caretY_) {
        BeginUpdate();
        TSynStatusChanges changes;
        if (caretX_ != p.Char)
            changes.Include(scCaretX);
        if (caretY_ != p.Line)
            changes.Include(scCaretY);
        const int oldLine = caretY_;
        caretX_ = p.Char;
        caretY_ = p.Line;
        if (oldLine != caretY_ && activeLine_->Visible()) {
            InvalidateLine(oldLine);
            InvalidateLine(caretY_);
        }
        lastCaretX_ = DisplayX();
        if (EnsureVisible)
            EnsureCursorPosVisible();
        stateFlags_.Include(sfCaretChanged).Include(sfScrollbarChanged);
        StatusChanged(changes);
        EndUpdate();
    } else {
        lastCaretX_ = DisplayX();
    }
    if (HandleAllocated())
        DoOnPaintTransient(ttAfter);
}

void TCustomSynText::PlaceCaret(const TBufferCoord& Value) { PlaceCaretEx(true, Value); }
void TCustomSynText::PlaceCaretX(int Value) { PlaceCaret(BufferCoord(Value, caretY_)); }
void TCustomSynText::PlaceCaretY(int Value) { PlaceCaret(BufferCoord(caretX_, Value)); }
void TCustomSynText::SetCaretX(int Value) { SetCaretXY(BufferCoord(Value, caretY_)); }
void TCustomSynText::SetCaretY(int Value) { SetCaretXY(BufferCoord(caretX_, Value)); }

void TCustomSynText::SetCaretXY(const TBufferCoord& Value)
{
    BeginUpdate();
    StatusChanged({scSelection});
    PlaceCaretEx(true, WholeCharacterPoint(*lines_, selectionMode_, Value));
    if (SelAvail())
        RepaintSelection();
    blockBegin_ = CaretXY();
    blockEnd_ = blockBegin_;
    EndUpdate();
}

int TCustomSynText::DisplayX() const { return CaretDisplayPos().Column; }

int TCustomSynText::LineColumn() const
{
    if (caretY_ < 1 || caretY_ > lines_->Count())
        return caretX_;
    return CharIndexToColumn(caretX_, tabWidth_, lines_->LineView(caretY_ - 1));
}

int TCustomSynText::DisplayY() const { return GetWordWrap() ? CaretDisplayPos().Row : caretY_; }

// --- Selection ---

TBufferCoord TCustomSynText::ClampBlockPoint(TBufferCoord Value) const
{
    Value.Line = std::clamp(Value.Line, 1, std::max(1, lines_->Count()));
    const int length = LineLength(Value.Line);
    if (options_.Contains(eoScrollPastEol) && !wordWrap_->Enabled())
        Value.Char = std::clamp(Value.Char, 1, ScrollPastEolLimit(length, maxScrollWidth_));
    else
        Value.Char = std::max(Value.Char, 1);
    return Value;
}

int TCustomSynText::LineLength(int Line) const
{
    return Line >= 1 && Line <= lines_->Count() ? static_cast<int>(lines_->LineView(Line - 1).size()) : 0;
}

void TCustomSynText::SetBlockBegin(TBufferCoord Value)
{
    Value = ClampBlockPoint(Value);
    if (selectionMode_ == smNormal)
        Value.Char = std::min(Value.Char, LineLength(Value.Line) + 1);
    Value = WholeCharacterPoint(*lines_, selectionMode_, Value);
    if (SelAvail()) {
        const int first = std::min({blockBegin_.Line, blockEnd_.Line, Value.Line});
        const int last = std::max({blockBegin_.Line, blockEnd_.Line, Value.Line});
        RepaintLines(first, last);
    }
    const bool changed = !(blockBegin_ == Value && blockEnd_ == Value);
    blockBegin_ = Value;
    blockEnd_ = Value;
    if (changed)
        StatusChanged({scSelection});
}

void TCustomSynText::SetBlockEnd(TBufferCoord Value)
{
    if (options_.Contains(eoNoSelection))
        return;
    Value = ClampBlockPoint(Value);
    if (selectionMode_ == smNormal)
        Value.Char = std::min(Value.Char, LineLength(Value.Line) + 1);
    if (Value.Line <= lines_->Count())
        Value.Char = CharStart(lines_->LineView(Value.Line - 1), Value.Char);
    if (Value == blockEnd_)
        return;
    if (selectionMode_ == smColumn && Value.Char != blockEnd_.Char)
        RepaintLines(std::min({blockBegin_.Line, blockEnd_.Line, Value.Line}),
                        std::max({blockBegin_.Line, blockEnd_.Line, Value.Line}));
    else
        RepaintLines(std::min(blockEnd_.Line, Value.Line), std::max(blockEnd_.Line, Value.Line));
    blockEnd_ = Value;
    StatusChanged({scSelection});
}

void TCustomSynText::SetCaretAndSelection(const TBufferCoord& ptCaret, const TBufferCoord& ptBefore,
                                          const TBufferCoord& ptAfter)
{
    BeginUpdate();
    PlaceCaret(ptCaret);
    SetBlockBegin(ptBefore);
    SetBlockEnd(ptAfter);
    EndUpdate();
}

void TCustomSynText::SetSelectionMode(TSynSelectionMode Value)
{
    if (selectionMode_ == Value)
        return;
    // The same points may select nothing in one mode and lines in another
    // (a column block of no width).
    const bool shown = SelAvail();
    if (shown)
        RepaintSelection();
    selectionMode_ = Value;
    if (!shown && SelAvail())
        RepaintSelection();
    // A column or line block may reach past line ends and, on other lines,
    // into double-byte characters; a normal block ends within its lines
    // and between characters.
    if (Value == smNormal) {
        for (TBufferCoord* p : {&blockBegin_, &blockEnd_}) {
            if (p->Line < 1 || p->Line > lines_->Count())
                continue;
            const AnsiString line = lines_->Strings(p->Line - 1);
            p->Char = std::min(p->Char, static_cast<int>(line.size()) + 1);
            if (IsTrailByteAt(line, p->Char))
                --p->Char;
        }
    }
    StatusChanged({scSelection});
}

void TCustomSynText::SelectAll()
{
    const int count = lines_->Count();
    blockBegin_ = BufferCoord(1, 1);
    blockEnd_ = count > 0 ? BufferCoord(static_cast<int>(lines_->Strings(count - 1).size()) + 1, count)
                          : BufferCoord(1, 1);
    RepaintSelection();
    StatusChanged({scSelection});
}

bool TCustomSynText::IsPointInSelection(const TBufferCoord& Value) const
{
    const TBufferCoord b = BlockBegin();
    const TBufferCoord e = BlockEnd();
    if (!SelAvail() || Value.Line < b.Line || Value.Line > e.Line)
        return false;
    if (selectionMode_ == smLine)
        return true;
    if (selectionMode_ == smColumn)
        return Value.Char >= std::min(b.Char, e.Char) && Value.Char < std::max(b.Char, e.Char);
    return b <= Value && Value < e;
}

// --- Text ---

AnsiString TCustomSynText::GetSelText() const
{
    return SelectedText(!options_.Contains(eoTrimTrailingSpaces));
}

namespace {

AnsiString TrimLineEnd(const AnsiString& S)
{
    size_t n = S.size();
    while (n > 0 && static_cast<unsigned char>(S[n - 1]) <= 32)
        --n;
    return S.substr(0, n);
}

}  // namespace

AnsiString TCustomSynText::SelectedText(bool PadColumns, bool TrimLines) const
{
    if (!SelAvail())
        return AnsiString();
    const TBufferCoord b = BlockBegin();
    const TBufferCoord e = BlockEnd();
    TrimLines = TrimLines && selectionMode_ != smColumn;
    // The selected lines as the text holds them: the lines of a block
    // collapsed among them belong to the selection, so its first line
    // stands for all of them (a column block takes its lines as shown).
    // Only these lines are read, however long the text.
    std::vector<AnsiString> spanned;
    size_t lastAt = 0;  // where the selection's last line starts in spanned
    const TSynTextFoldRange* collapsed =
        selectionMode_ != smColumn ? allFoldRanges_->CollapsedIn(b.Line, e.Line) : nullptr;
    for (int l = b.Line; l <= e.Line; ++l) {
        const AnsiString s = l >= 1 && l <= lines_->Count() ? lines_->Strings(l - 1) : AnsiString();
        lastAt = spanned.size();
        if (collapsed && collapsed->FromLine() == l) {
            allFoldRanges_->ForEachLineOf(collapsed, s, [&spanned](const AnsiString& T) { spanned.push_back(T); });
            collapsed = allFoldRanges_->CollapsedIn(l + 1, e.Line);
        } else {
            spanned.push_back(s);
        }
    }
    auto line = [&spanned, TrimLines](size_t At) { return TrimLines ? TrimLineEnd(spanned[At]) : spanned[At]; };
    // Past the end of a collapsed first line's text the selection reaches
    // into its collapse mark, which stands for the hidden lines.
    AnsiString folded;
    if (selectionMode_ == smNormal && e.Char > static_cast<int>(spanned[lastAt].size()) + 1)
        for (size_t at = lastAt + 1; at < spanned.size(); ++at)
            folded += "\r\n" + line(at);
    auto part = [](const AnsiString& S, int From, int To) {  // columns From .. To-1
        const size_t f = static_cast<size_t>(std::max(From, 1) - 1);
        const size_t t = static_cast<size_t>(std::max(To, 1) - 1);
        if (f >= S.size() || t <= f)
            return AnsiString();
        return S.substr(f, t - f);
    };
    AnsiString result;
    switch (selectionMode_) {
    case smNormal:
        if (lastAt == 0)
            return part(line(0), b.Char, e.Char) + folded;
        result = part(line(0), b.Char, 0x7FFFFFFF) + "\r\n";
        for (size_t at = 1; at < lastAt; ++at)
            result += line(at) + "\r\n";
        return result + part(line(lastAt), 1, e.Char) + folded;
    case smLine:
        // The hidden lines of a collapsed last line are selected with it.
        for (size_t at = 0; at < spanned.size(); ++at) {
            result += line(at);
            if (at + 1 < spanned.size() || e.Line < lines_->Count())
                result += "\r\n";
        }
        return result;
    case smColumn: {
        const int left = std::min(b.Char, e.Char);
        const int right = std::max(b.Char, e.Char);
        for (size_t at = 0; at <= lastAt; ++at) {
            const AnsiString s = line(at);
            const int from = OutsideChar(s, left);
            const int to = OutsideChar(s, right);
            AnsiString piece = part(s, from, to);
            if (PadColumns && static_cast<int>(piece.size()) < to - from)
                piece.append(static_cast<size_t>(to - from) - piece.size(), ' ');
            result += piece;
            if (at < lastAt)
                result += "\r\n";
        }
        return result;
    }
    }
    return result;
}

void TCustomSynText::PutLine(int Index, std::string_view S)
{
    lines_->SetLine(Index, options_.Contains(eoTrimTrailingSpaces) ? TrimTrailingSpaces(S) : S);
}

void TCustomSynText::PutLines(int Index, std::span<std::string_view> Lines)
{
    if (options_.Contains(eoTrimTrailingSpaces))
        for (std::string_view& line : Lines)
            line = TrimTrailingSpaces(line);
    lines_->PutLines(Index, Lines);
}

void TCustomSynText::SetSelText(const AnsiString& Value)
{
    if (!PrepareFoldsForChange(ecPaste))
        return;
    const TSynFlagScope guarded(guardedChange_);
    // The fold scan of the change waits for the end: it may expand or
    // collapse blocks, moving the lines the records below name.
    TSynPaintLockScope lock(this);
    // What is replaced is recorded for undo as the lines stand: no collapsed
    // block may hide inside it.
    ExpandFoldsAtSelection();
    BeginUndoBlock();
    // Without a selection the text goes in at the caret, wherever the block
    // points were left; the record must say so.
    if (!SelAvail())
        blockBegin_ = blockEnd_ = CaretXY();
    if (SelAvail())
        undoList_->AddChange(urDelete, blockBegin_, blockEnd_, SelectedText(false), selectionMode_);
    const TBufferCoord start = BlockBegin();
    blockEnd_ = BlockEnd();
    blockBegin_ = start;
    if (!SelAvail() && !Value.empty() && selectionMode_ == smNormal)
        RecordPaddingTo(start);
    SetSelTextPrimitive(selectionMode_, Value, true);
    if (!Value.empty() && selectionMode_ == smNormal)
        undoList_->AddChange(urInsert, start, blockEnd_, SelText(), selectionMode_);
    EndUndoBlock();
}

void TCustomSynText::RecordPaddingTo(TBufferCoord At)
{
    if (At.Line > lines_->Count())
        return;
    const int length = static_cast<int>(lines_->Strings(At.Line - 1).size());
    if (At.Char > length + 1)
        undoList_->AddChange(urInsert, BufferCoord(length + 1, At.Line), At, AnsiString(), smNormal);
}

void TCustomSynText::SetSelTextPrimitive(TSynSelectionMode PasteMode, const AnsiString& Value, bool Record)
{
    BeginUpdate();
    lines_->BeginUpdate();
    if (SelAvail()) {
        const TBufferCoord begin = BlockBegin();
        const TBufferCoord end = BlockEnd();
        // Places the caret where a normal or line block closed up.
        DeleteSelection();
        // A column block goes in again at its left column and top line, also
        // when it was drawn from right to left. With nothing to insert, the
        // caret stays where that line closed up; an insertion finds its own
        // place on each line.
        if (selectionMode_ == smColumn) {
            TBufferCoord at = BufferCoord(std::min(begin.Char, end.Char), begin.Line);
            if (Value.empty()) {
                if (at.Line <= lines_->Count())
                    at.Char = OutsideChar(lines_->LineView(at.Line - 1), at.Char);
                PlaceCaret(at);
            } else {
                // The text goes in again at the block's column, also where
                // the top line is shorter.
                TSynScrollPastEolScope pastEol(options_);
                PlaceCaret(at);
            }
        }
    }
    if (!Value.empty())
        InsertText(PasteMode, Value, Record);
    if (caretY_ < 1)
        caretY_ = 1;
    blockBegin_ = CaretXY();
    blockEnd_ = blockBegin_;
    lines_->EndUpdate();
    EndUpdate();
}

void TCustomSynText::DeleteSelection()
{
    const TBufferCoord b = BlockBegin();
    const TBufferCoord e = BlockEnd();
    if (lines_->Count() == 0)
        return;
    switch (selectionMode_) {
    case smNormal: {
        const AnsiString first = lines_->Strings(b.Line - 1);
        const AnsiString last = lines_->Strings(e.Line - 1);
        AnsiString joined = first.substr(0, std::min(first.size(), static_cast<size_t>(b.Char - 1)));
        // Text that closes up to a point past the line's end keeps that
        // column, as when it was taken there.
        if (static_cast<size_t>(e.Char - 1) < last.size()) {
            joined.resize(static_cast<size_t>(b.Char - 1), ' ');
            joined += last.substr(static_cast<size_t>(e.Char - 1));
        }
        if (options_.Contains(eoScrollPastEol) && options_.Contains(eoTrimTrailingSpaces))
            joined.resize(TrimTrailingSpaces(joined).size());
        lines_->SetStrings(b.Line - 1, joined);
        if (e.Line > b.Line)
            lines_->DeleteLines(b.Line, e.Line - b.Line);
        PlaceCaret(b);
        if (e.Line > b.Line)
            DoLinesDeleted(b.Line, e.Line - b.Line, true);  // line B took in the rest of line E
        break;
    }
    case smLine:
        if (e.Line >= lines_->Count()) {
            if (e.Line > b.Line)
                lines_->DeleteLines(b.Line - 1, e.Line - b.Line);
            lines_->SetStrings(b.Line - 1, AnsiString());
        } else {
            lines_->DeleteLines(b.Line - 1, e.Line - b.Line + 1);
        }
        PlaceCaret(BufferCoord(1, b.Line));
        DoLinesDeleted(b.Line, e.Line - b.Line + 1);
        break;
    case smColumn: {
        const int left = std::min(b.Char, e.Char);
        const int right = std::max(b.Char, e.Char);
        for (int l = b.Line; l <= e.Line && l <= lines_->Count(); ++l) {
            AnsiString s = lines_->Strings(l - 1);
            const int from = OutsideChar(s, left);
            const int to = OutsideChar(s, right);
            if (static_cast<size_t>(from - 1) < s.size())
                s.erase(static_cast<size_t>(from - 1), static_cast<size_t>(to - from));
            PutLine(l - 1, s);
        }
        PlaceCaret(BufferCoord(left, e.Line));
        break;
    }
    }
}

void TCustomSynText::InsertText(TSynSelectionMode PasteMode, const AnsiString& Value, bool Record)
{
    std::vector<std::string_view> pieces = SplitLines(Value);
    const int n = static_cast<int>(pieces.size());
    if (lines_->Count() == 0)
        lines_->Add(AnsiString());
    switch (PasteMode) {
    case smNormal: {
        const int startLine = caretY_;
        const int startChar = caretX_;
        const AnsiString s = lines_->Strings(caretY_ - 1);
        const size_t cut = static_cast<size_t>(caretX_ - 1);
        AnsiString left = s.substr(0, std::min(cut, s.size()));
        left.resize(cut, ' ');
        const AnsiString right = cut < s.size() ? s.substr(cut) : AnsiString();
        const int lastLine = startLine + n - 1;
        int newX;
        if (n == 1) {
            PutLine(startLine - 1, left + AnsiString(pieces[0]) + right);
            newX = static_cast<int>(left.size() + pieces[0].size()) + 1;
        } else {
            // At a line's start the new lines go in before it, and it moves
            // down whole, as the fold ranges follow it: the ranges then
            // moved with the lines as the buffer moved them.
            lines_->InsertLines(cut == 0 ? startLine - 1 : startLine, n - 1);
            // The pieces go in straight from the text; only the first and
            // last lines are put together. Many lines share one block,
            // taken and given back at once, and are told as one put.
            newX = static_cast<int>(pieces.back().size()) + 1;
            const AnsiString first = left + AnsiString(pieces[0]);
            const AnsiString last = AnsiString(pieces.back()) + right;
            pieces.front() = first;
            pieces.back() = last;
            std::optional<TSynBulkPut> bulk;
            if (n >= BulkPutLines)
                bulk.emplace(*lines_, Value.size() + static_cast<size_t>(n) * sizeof(uint32_t));
            PutLinesWrappedOnce(startLine - 1, n, [&] { PutLines(startLine - 1, pieces); });
        }
        if (options_.Contains(eoTrimTrailingSpaces) && !right.empty())
            newX = static_cast<int>(lines_->Strings(lastLine - 1).size()) + 1 -
                   static_cast<int>(TrimTrailingSpaces(right).size());
        if (n > 1)
            DoLinesInserted(startChar > 1 ? startLine + 1 : startLine, n - 1);
        // The caret goes to the last line in one placing, which tells the
        // status listeners of its line as well as its column. The view
        // follows it where its column moved, as ever: a whole text set, or
        // lines ending in a break inserted at column 1, leave the view
        // where it was; the commands that insert show the caret themselves.
        PlaceCaretEx(newX != startChar, BufferCoord(newX, lastLine));
        break;
    }
    case smColumn: {
        // The pieces go down the lines as the text has them: a collapsed
        // range among those lines comes into view first.
        ExpandFoldsInLines(caretY_, caretY_ + n - 1);
        const int p = caretX_;
        int y = caretY_;
        int lastEnd = p;  // the column after the piece on the last line
        // Pieces past the end of the text go on new lines, added as one
        // block, as the fold ranges follow them.
        const int lastLine = lines_->Count();
        const int added = std::max(0, caretY_ + n - 1 - lastLine);
        lines_->InsertLines(lastLine, added);
        for (int i = 0; i < n; ++i, ++y) {
            const std::string_view piece = pieces[static_cast<size_t>(i)];
            const int length = static_cast<int>(piece.size());
            if (y > lastLine) {
                if (Record) {
                    const int prevLen = static_cast<int>(lines_->Strings(y - 2).size());
                    undoList_->AddChange(urLineBreak, BufferCoord(prevLen + 1, y - 1), BufferCoord(prevLen + 1, y - 1),
                                         AnsiString(), selectionMode_);
                }
                lines_->SetLine(y - 1, AnsiString(static_cast<size_t>(p - 1), ' ') + AnsiString(piece));
                if (Record && length > 0)
                    undoList_->AddChange(urPaste, BufferCoord(p, y), BufferCoord(p + length, y), AnsiString(),
                                         selectionMode_);
                lastEnd = p + length;
            } else if (!piece.empty()) {
                // An empty piece leaves its line as it is: a short line
                // gains no padding.
                AnsiString s = lines_->Strings(y - 1);
                if (static_cast<int>(s.size()) < p - 1) {
                    // The padding is recorded too, so that undo gives back
                    // the short line byte for byte.
                    if (Record)
                        undoList_->AddChange(urPaste, BufferCoord(static_cast<int>(s.size()) + 1, y),
                                             BufferCoord(p, y), AnsiString(), selectionMode_);
                    s.resize(static_cast<size_t>(p - 1), ' ');
                }
                const int at = OutsideChar(s, p);
                s.insert(static_cast<size_t>(at - 1), piece);
                PutLine(y - 1, s);
                // Recorded where the piece went, which is one further when
                // the column cuts into a double-byte character.
                if (Record)
                    undoList_->AddChange(urPaste, BufferCoord(at, y), BufferCoord(at + length, y), AnsiString(),
                                         selectionMode_);
                lastEnd = at + length;
            } else {
                lastEnd = OutsideChar(lines_->LineView(y - 1), p);
            }
        }
        if (added > 0)
            DoLinesInserted(lastLine + 1, added);
        PlaceCaret(BufferCoord(lastEnd, caretY_ + n - 1));
        break;
    }
    case smLine: {
        // Whole lines: a break at the end closes the last line.
        const int count = n > 1 && pieces.back().empty() ? n - 1 : n;
        const int startLine = caretY_;
        // A collapsed block among the lines to overwrite comes into view
        // first: its lines are overwritten in order, not lost with its
        // first line.
        if (!inserting_)
            ExpandFoldsInLines(startLine, std::min(lines_->Count() - 1, startLine + count - 1));
        // Overwrite mode replaces the lines from the caret line on, but never
        // the last line. With Record the replaced lines and the insertion are
        // recorded as whole-line text in normal mode, which undo and redo
        // reverse exactly.
        const int replaced = inserting_ ? 0 : std::clamp(lines_->Count() - startLine, 0, count);
        if (Record && replaced > 0) {
            AnsiString old;
            for (int i = 0; i < replaced; ++i)
                old += lines_->Strings(startLine - 1 + i) + "\r\n";
            undoList_->AddChange(urDelete, BufferCoord(1, startLine), BufferCoord(1, startLine + replaced), old,
                                 smNormal);
        }
        // The new lines go in as one block before the line below the
        // replaced ones, which moves down whole, as the fold ranges follow it.
        lines_->InsertLines(startLine - 1 + replaced, count - replaced);
        int y = startLine;
        for (int i = 0; i < count; ++i, ++y) {
            const std::string_view piece = pieces[static_cast<size_t>(i)];
            // The new lines keep their trailing blanks, as pasted.
            if (i < replaced)
                PutLine(y - 1, piece);
            else
                lines_->SetLine(y - 1, piece);
        }
        if (count > replaced)
            DoLinesInserted(startLine + replaced, count - replaced);
        if (Record)
            undoList_->AddChange(urInsert, BufferCoord(1, startLine), BufferCoord(1, y), AnsiString(), smNormal);
        PlaceCaret(BufferCoord(1, y));
        break;
    }
    }
}

void TCustomSynText::SetText(const AnsiString& Value)
{
    // The whole text is replaced as a stream, whatever the selection mode:
    // line and column modes would keep an extra line or pad the text.
    BeginUpdate();
    BeginUndoBlock();
    const TSynSelectionMode mode = selectionMode_;
    selectionMode_ = smNormal;
    // Collapsed blocks are part of the whole text, also one hidden behind
    // the last line.
    UncollapseAll();
    // Wrapped as it comes in, every line would be wrapped twice, empty and
    // then with its text: the new text is wrapped whole once it is in,
    // the view kept where it shows, as switching word wrap on does.
    const bool wrapped = GetWordWrap();
    SetWordWrapActive(false);
    // The next scan reads the whole text anew: no line needs its fold
    // tokens compared with the line it replaces as it comes in.
    if (CountsFoldChanges())
        foldScan_.NoteChange();
    SelectAll();
    SetSelText(Value);
    SetWordWrapActive(wrapped);
    selectionMode_ = mode;
    EndUndoBlock();
    if (CountsFoldChanges())
        foldScan_.NoteWholeText();
    EndUpdate();
}

AnsiString TCustomSynText::Text() const
{
    return allFoldRanges_->HasCollapsed() ? GetExpandedLines()->Text() : lines_->Text();
}

// --- Character indexes ---

int CharIndexOfRowCol(const TSynTextStringList& Lines, TBufferCoord RowCol)
{
    int result = 0;
    const int before = std::min(RowCol.Line - 1, Lines.Count());
    for (int i = 0; i < before; ++i)
        result += static_cast<int>(Lines.Strings(i).size()) + 2;
    return result + RowCol.Char - 1;
}

TBufferCoord RowColOfCharIndex(const TSynTextStringList& Lines, int Index)
{
    int remaining = std::max(Index, 0);
    for (int i = 0; i < Lines.Count(); ++i) {
        const int len = static_cast<int>(Lines.Strings(i).size());
        if (remaining <= len)
            return BufferCoord(remaining + 1, i + 1);
        remaining -= len + 2;
        if (remaining < 0)
            return BufferCoord(len + 1, i + 1);
    }
    return BufferCoord(remaining + 1, std::max(1, Lines.Count()));
}

int TCustomSynText::RowColToCharIndex(TBufferCoord RowCol) const { return CharIndexOfRowCol(*lines_, RowCol); }

TBufferCoord TCustomSynText::CharIndexToRowCol(int Index) const { return RowColOfCharIndex(*lines_, Index); }

int TCustomSynText::SelStart() { return RowColToCharIndex(SelAvail() ? blockBegin_ : CaretXY()); }
int TCustomSynText::SelEnd() { return RowColToCharIndex(SelAvail() ? blockEnd_ : CaretXY()); }

void TCustomSynText::SetSelStart(int Value) { SetSelStartAt(CharIndexToRowCol(Value)); }

void TCustomSynText::SetSelStartAt(TBufferCoord Value)
{
    HandleNeeded();
    const TBufferCoord p = WholeCharacterPoint(*lines_, selectionMode_, Value);
    PlaceCaret(p);
    SetBlockBegin(p);
}

void TCustomSynText::SetSelEnd(int Value) { SetBlockEnd(CharIndexToRowCol(Value)); }
