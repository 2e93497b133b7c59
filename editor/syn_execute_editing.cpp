// The editing commands of the executor: typing, Backspace, Delete and line
// breaks. Each records exactly what it changed, so that undo gives the text
// back byte for byte; double-byte characters are always taken whole.
#include <algorithm>

#include "editor/syn_edit_scopes.h"
#include "platform/base/code_page.h"

namespace {

bool IsBlank(char C)
{
    const auto u = static_cast<unsigned char>(C);
    return u >= 1 && u <= 32;
}

// The width of the leading white space of S; tabs count TabWidth when
// ExpandTabs is set. Without auto-indent there is no indentation to keep.
int LeftSpaces(const AnsiString& S, bool ExpandTabs, bool AutoIndent, int TabWidth)
{
    if (!AutoIndent)
        return 0;
    int result = 0;
    for (char c : S) {
        if (!IsBlank(c))
            break;
        result += (c == '\t' && ExpandTabs) ? TabWidth : 1;
    }
    return result;
}

// The characters of S (a double-byte character counting as one) on its
// longest line; lines end at CR LF.
int LongestLine(const AnsiString& S)
{
    int longest = 0;
    int current = 0;
    for (size_t i = 0; i < S.size();) {
        if (S[i] == '\r' || S[i] == '\n') {
            current = 0;
            ++i;
            continue;
        }
        i += CharLengthAt(S, i);
        longest = std::max(longest, ++current);
    }
    return longest;
}

}  // namespace

void TCustomSynText::DeleteSelectionRecorded()
{
    // Recorded before the lines go, while its line numbers still map to
    // the expanded text through the folds as they stand.
    BeginUndoBlock();
    undoList_->AddChange(blockBegin_ < blockEnd_ ? urDelete : urDeleteAfterCaret, blockBegin_, blockEnd_,
                         SelectedText(false), selectionMode_);
    SetSelTextPrimitive(selectionMode_, AnsiString(), false);
    EndUndoBlock();
}

void TCustomSynText::DoTypeChar(char AChar)
{
    const auto code = static_cast<unsigned char>(AChar);
    if (code < 32 || code == 127)
        return;
    // A double-byte character arrives as two commands; it goes into the
    // text whole, so that no state in between holds half a character.
    AnsiString typed(1, AChar);
    if (pendingLeadByte_ != 0) {
        typed.insert(typed.begin(), pendingLeadByte_);
        pendingLeadByte_ = 0;
    } else if (IsDBCSLeadByte(AChar)) {
        pendingLeadByte_ = AChar;
        return;
    }
    DoTypeText(typed);
}

void TCustomSynText::DoTypeText(const AnsiString& typed)
{
    DoOnPaintTransient(ttBefore);
    // Without a selection the character goes in at the caret, wherever
    // the block points were left.
    if (!SelAvail())
        blockBegin_ = blockEnd_ = CaretXY();
    if (options_.Contains(eoColumnEditExtension) && selectionMode_ == smColumn) {
        TBufferCoord caret = CaretXY();
        TBufferCoord first = blockBegin_;
        TBufferCoord second = blockEnd_;
        const AnsiString selected = GetSelText();
        AnsiString text;
        const int width = static_cast<int>(typed.size());
        if (inserting_) {
            text += typed;
            for (size_t i = 0; i < selected.size(); ++i) {
                text += selected[i];
                if (selected[i] == '\n' && i > 0 && selected[i - 1] == '\r')
                    text += typed;
            }
        } else {
            for (size_t i = 0; i < selected.size();) {
                if (selected[i] == '\r' || selected[i] == '\n') {
                    text += selected[i++];
                    continue;
                }
                text += typed;
                i += CharLengthAt(selected, i);
            }
            // The point on the right edge ends after the longest line; a
            // double-byte character typed over single-byte ones widens the
            // block, and a caret on that edge moves with it.
            TBufferCoord& right = first.Char > second.Char ? first : second;
            const int oldRight = right.Char;
            right.Char = std::min(first.Char, second.Char) + LongestLine(selected) * width;
            if (caret.Char == oldRight)
                caret.Char = right.Char;
        }
        SetSelText(text);
        if (inserting_) {
            caret.Char += width;
            first.Char += width;
            second.Char += width;
        }
        // Double-byte characters shift the edges on some lines; no point
        // stays inside one.
        for (TBufferCoord* p : {&caret, &first, &second}) {
            if (p->Line >= 1 && p->Line <= lines_->Count() && p->Char >= 1) {
                const AnsiString line = lines_->Strings(p->Line - 1);
                if (p->Char <= static_cast<int>(line.size()) &&
                    ByteTypeAt(line, static_cast<size_t>(p->Char - 1)) == mbTrailByte)
                    ++p->Char;
            }
        }
        SetCaretXY(caret);
        SetBlockBegin(first);
        SetBlockEnd(second);
    } else {
        BeginUndoBlock();
        // A caret beyond the line end: the padding up to it is recorded on
        // its own, so that undo gives back the short line exactly.
        const int len = static_cast<int>(LineText().size());
        if (!SelAvail() && selectionMode_ == smNormal && lines_->Count() > 0 && caretX_ > len + 1) {
            lines_->SetStrings(caretY_ - 1, LineText() + AnsiString(static_cast<size_t>(caretX_ - 1 - len), ' '));
            undoList_->AddChange(urInsert, BufferCoord(len + 1, caretY_), CaretXY(), AnsiString(), smNormal);
        }
        // Overwriting replaces the whole character at the caret.
        if (!inserting_ && !SelAvail() && selectionMode_ == smNormal) {
            const AnsiString line = LineText();
            const auto at = static_cast<size_t>(caretX_ - 1);
            if (at < line.size())
                blockEnd_ = BufferCoord(caretX_ + static_cast<int>(CharLengthAt(line, at)), caretY_);
        }
        SetSelText(typed);
        EndUndoBlock();
    }
    DoOnPaintTransient(ttAfter);
}

void TCustomSynText::DoImeStr(const AnsiString& S)
{
    if (S.empty())
        return;
    if (SelAvail()) {
        DoTypeText(S);
        Invalidate();
        return;
    }
    const bool pastEol = options_.Contains(eoScrollPastEol);
    TSynScrollPastEolScope scope(options_);
    if (lines_->Count() == 0)
        lines_->Add(AnsiString());
    const TBufferCoord oldCaret = CaretXY();
    const auto at = static_cast<size_t>(caretX_ - 1);
    AnsiString line = LineText();
    BeginUndoBlock();
    // The padding up to a caret beyond the line end is its own record, so
    // that undo gives back the short line exactly.
    if (line.size() < at) {
        undoList_->AddChange(urInsert, BufferCoord(static_cast<int>(line.size()) + 1, caretY_), oldCaret,
                             AnsiString(), smNormal);
        line.resize(at, ' ');
    }
    // Overwriting takes whole characters only: one that would be cut in
    // half stays in the text.
    size_t end = at;
    if (!inserting_) {
        while (end < line.size()) {
            const size_t next = end + CharLengthAt(line, end);
            if (next - at > S.size())
                break;
            end = next;
        }
    }
    const AnsiString cut = line.substr(at, end - at);
    PutLine(caretY_ - 1, line.substr(0, at) + S + line.substr(end));
    TBufferCoord newCaret = BufferCoord(oldCaret.Char + static_cast<int>(S.size()), oldCaret.Line);
    // Without eoScrollPastEol the caret stays within the line, which may
    // have lost blanks that the string ended with to the trailing-space rule.
    if (!pastEol)
        newCaret.Char = std::min(newCaret.Char, static_cast<int>(LineText().size()) + 1);
    SetCaretXY(newCaret);
    blockBegin_ = blockEnd_ = newCaret;
    // What was overwritten is recorded as a deletion of its own: an insert
    // record that also carried it could be undone, but its redo would only
    // insert again.
    if (!cut.empty()) {
        const TBufferCoord cutEnd = BufferCoord(oldCaret.Char + static_cast<int>(cut.size()), oldCaret.Line);
        undoList_->AddChange(urDelete, oldCaret, cutEnd, cut, smNormal);
    }
    undoList_->AddChange(urInsert, oldCaret, newCaret, AnsiString(), smNormal);
    EnsureCursorPosVisible();
    EndUndoBlock();
}

void TCustomSynText::DoDeleteLastChar()
{
    DoOnPaintTransientEx(ttBefore, true);
    if (SelAvail()) {
        DeleteSelectionRecorded();
    } else if (lines_->Count() > 0) {
        // Without a selection the edit is at the caret; block points left
        // elsewhere (an empty column block) go with it.
        blockBegin_ = blockEnd_ = CaretXY();
        TSynScrollPastEolScope scope(options_);
        AnsiString line = LineText();
        const int len = static_cast<int>(line.size());
        const int x = caretX_;
        const TBufferCoord oldCaret = CaretXY();
        // The indentation of the nearest line above that is smaller than
        // Width, or 0 when there is none.
        auto smallerIndentAbove = [&](int Width, bool ExpandTabs) {
            int found = 0;
            VisitLinesAbove(caretY_, [&](const AnsiString& Above) {
                const int indent = LeftSpaces(Above, ExpandTabs, options_.Contains(eoAutoIndent), tabWidth_);
                if (indent < Width)
                    found = indent;
                return indent < Width;
            });
            return found;
        };
        AnsiString removed;
        if (x > len + 1) {
            if (!options_.Contains(eoSmartTabDelete))
                PlaceCaretX(x - 1);
            else if (line.empty())
                PlaceCaretX(smallerIndentAbove(x - 1, options_.Contains(eoTrimTrailingSpaces)) + 1);
            else
                PlaceCaretX(len + 1);
        } else if (x == 1) {
            if (caretY_ > 1) {
                const AnsiString previous = lines_->Strings(caretY_ - 2);
                const int y = caretY_;
                PlaceCaret(BufferCoord(static_cast<int>(previous.size()) + 1, y - 1));
                lines_->Delete(y - 1);
                DoLinesDeleted(y, 1);
                PutLine(y - 2, previous + line);
                removed = "\r\n";
            }
        } else if (std::all_of(line.begin(), line.begin() + (x - 1), IsBlank)) {
            int count;
            if (options_.Contains(eoSmartTabDelete)) {
                count = x - 1 - smallerIndentAbove(x - 1, false);
            } else {
                int distance = (DisplayX() - 1) % tabWidth_;
                if (distance == 0)
                    distance = tabWidth_;
                count = 0;
                while (count < distance && count < x - 1) {
                    if (line[static_cast<size_t>(x - 2 - count)] == '\t') {
                        if (count == 0)
                            count = 1;
                        break;
                    }
                    ++count;
                }
            }
            const auto from = static_cast<size_t>(x - 1 - count);
            removed = line.substr(from, static_cast<size_t>(count));
            line.erase(from, static_cast<size_t>(count));
            PutLine(caretY_ - 1, line);
            PlaceCaretX(x - count);
        } else {
            const size_t from = CharStartOf(line, static_cast<size_t>(x - 2));
            removed = line.substr(from, static_cast<size_t>(x - 1) - from);
            line.erase(from, removed.size());
            PutLine(caretY_ - 1, line);
            PlaceCaretX(static_cast<int>(from) + 1);
        }
        // A pure caret move changes no text and records nothing.
        if (!removed.empty())
            undoList_->AddChange(urSilentDelete, CaretXY(), oldCaret, removed, smNormal);
        blockBegin_ = blockEnd_ = CaretXY();
        EnsureCursorPosVisible();
    }
    DoOnPaintTransientEx(ttAfter, true);
}

void TCustomSynText::DoDeleteChar()
{
    DoOnPaintTransient(ttBefore);
    if (SelAvail()) {
        DeleteSelectionRecorded();
    } else if (lines_->Count() > 0) {
        // Without a selection the edit is at the caret; block points left
        // elsewhere (an empty column block) go with it.
        blockBegin_ = blockEnd_ = CaretXY();
        AnsiString line = LineText();
        const int len = static_cast<int>(line.size());
        const int y = caretY_;
        if (caretX_ > len) {
            if (y < lines_->Count()) {
                // Padding up to the caret is its own record, so that undo
                // gives back the short line exactly.
                BeginUndoBlock();
                if (len < caretX_ - 1) {
                    line.resize(static_cast<size_t>(caretX_ - 1), ' ');
                    undoList_->AddChange(urInsert, BufferCoord(len + 1, y), CaretXY(), AnsiString(), smNormal);
                }
                line += lines_->Strings(y);
                PutLine(y - 1, line);
                lines_->Delete(y);
                DoLinesDeleted(y + 1, 1);
                undoList_->AddChange(urSilentDeleteAfterCaret, CaretXY(), BufferCoord(1, y + 1), "\r\n", smNormal);
                EndUndoBlock();
            }
        } else {
            const size_t at = static_cast<size_t>(caretX_ - 1);
            const AnsiString removed = line.substr(at, CharLengthAt(line, at));
            line.erase(at, removed.size());
            PutLine(y - 1, line);
            undoList_->AddChange(urSilentDeleteAfterCaret, CaretXY(),
                                 BufferCoord(caretX_ + static_cast<int>(removed.size()), y), removed, smNormal);
        }
    }
    DoOnPaintTransient(ttAfter);
}

void TCustomSynText::DoLineBreak(bool MoveCaret)
{
    BeginUndoBlock();
    const bool pastEol = options_.Contains(eoScrollPastEol);
    TSynScrollPastEolScope scope(options_);
    if (SelAvail()) {
        undoList_->AddChange(urDelete, blockBegin_, blockEnd_, SelectedText(false), selectionMode_);
        SetSelTextPrimitive(selectionMode_, AnsiString(), false);
    }
    if (lines_->Count() == 0)
        lines_->Add(AnsiString());
    const TBufferCoord caret = CaretXY();
    const int x = caret.Char;
    const int y = caret.Line;
    const AnsiString line = LineText();
    const bool autoIndent = options_.Contains(eoAutoIndent);
    // The nearest non-empty line at or above the caret gives the indentation.
    auto indentSource = [&]() {
        for (int l = y; l >= 1; --l)
            if (!lines_->Strings(l - 1).empty())
                return lines_->Strings(l - 1);
        return AnsiString();
    };
    TBufferCoord target = caret;
    int inserted;
    if (line.empty()) {
        const int indent = LeftSpaces(indentSource(), true, autoIndent, tabWidth_);
        lines_->Insert(y - 1, AnsiString());
        inserted = y;
        undoList_->AddChange(urLineBreak, caret, caret, AnsiString(), smNormal);
        target = BufferCoord(indent + 1, y + 1);
    } else if (static_cast<int>(line.size()) < x) {
        const AnsiString source = indentSource();
        const int indent = LeftSpaces(source, false, autoIndent, tabWidth_);
        lines_->Insert(y, MoveCaret ? source.substr(0, static_cast<size_t>(indent)) : AnsiString());
        inserted = y + 1;
        undoList_->AddChange(urLineBreak, caret, caret, AnsiString(), smNormal);
        target = BufferCoord(indent + 1, y + 1);
    } else if (x == 1) {
        lines_->Insert(y - 1, AnsiString());
        inserted = y;
        undoList_->AddChange(urLineBreak, caret, caret, line, smNormal);
        target = BufferCoord(1, y + 1);
    } else {
        const AnsiString left = line.substr(0, static_cast<size_t>(x - 1));
        const AnsiString right = line.substr(static_cast<size_t>(x - 1));
        const AnsiString indent = GetLeftSpacing(LeftSpaces(left, true, autoIndent, tabWidth_), true);
        lines_->Insert(y, indent + right);
        PutLine(y - 1, left);
        inserted = y + 1;
        undoList_->AddChange(urLineBreak, caret, caret, right, smNormal);
        target = BufferCoord(static_cast<int>(indent.size()) + 1, y + 1);
    }
    DoLinesInserted(inserted, 1);
    // Without eoScrollPastEol the caret cannot stand in an indentation that
    // the empty new line lacks.
    TBufferCoord to = MoveCaret ? target : caret;
    if (!pastEol)
        to.Char = std::min(to.Char, static_cast<int>(lines_->Strings(to.Line - 1).size()) + 1);
    SetCaretXY(to);
    EnsureCursorPosVisible();
    EndUndoBlock();
}

void TCustomSynText::DoDeleteForward(bool ToLineEnd)
{
    if (lines_->Count() == 0)
        return;
    DoOnPaintTransient(ttBefore);
    const TBufferCoord caret = CaretXY();
    const AnsiString line = LineText();
    const int len = static_cast<int>(line.size());
    TBufferCoord target = BufferCoord(len + 1, caret.Line);
    if (!ToLineEnd) {
        target = WordEnd();
        if (target < caret || (target == caret && caret.Line < lines_->Count())) {
            if (target.Line == caret.Line && target.Char <= len) {
                if (line[static_cast<size_t>(target.Char - 1)] != ' ')
                    target.Char += static_cast<int>(CharLengthAt(line, static_cast<size_t>(target.Char - 1)));
            } else if (caret.Line < lines_->Count()) {
                target = BufferCoord(1, caret.Line + 1);
            } else {
                // Past the end of the last line there is nothing to delete.
                target = caret;
            }
        }
        const AnsiString targetLine = lines_->Strings(target.Line - 1);
        while (target.Char <= static_cast<int>(targetLine.size()) &&
               targetLine[static_cast<size_t>(target.Char - 1)] == ' ')
            ++target.Char;
    }
    if (caret < target) {
        BeginUndoBlock();
        SetSelectionMode(smNormal);
        // A caret beyond the line end keeps its column: the gap is padded,
        // and the padding is recorded on its own for an exact undo.
        if (caret.Char > len + 1) {
            lines_->SetStrings(caret.Line - 1, line + AnsiString(static_cast<size_t>(caret.Char - 1 - len), ' '));
            undoList_->AddChange(urInsert, BufferCoord(len + 1, caret.Line), caret, AnsiString(), smNormal);
        }
        blockBegin_ = caret;
        blockEnd_ = target;
        const AnsiString removed = GetSelText();
        DeleteSelection();
        undoList_->AddChange(urSilentDeleteAfterCaret, caret, target, removed, smNormal);
        SetCaretXY(caret);
        EndUndoBlock();
    }
    DoOnPaintTransient(ttAfter);
}

void TCustomSynText::DoDeleteBackward(bool ToLineStart)
{
    if (lines_->Count() == 0)
        return;
    const TBufferCoord caret = CaretXY();
    const TBufferCoord target = ToLineStart ? BufferCoord(1, caret.Line) : PrevWordPos();
    if (caret <= target)
        return;
    const TSynSelectionMode mode = selectionMode_;
    selectionMode_ = smNormal;
    // Columns beyond the line end hold no text to take.
    const int len = static_cast<int>(LineText().size());
    const TBufferCoord end = BufferCoord(std::min(caret.Char, len + 1), caret.Line);
    blockBegin_ = target;
    blockEnd_ = end;
    const AnsiString removed = GetSelText();
    DeleteSelection();
    if (!removed.empty())
        undoList_->AddChange(urSilentDelete, target, end, removed, smNormal);
    selectionMode_ = mode;
    SetCaretXY(target);
}

void TCustomSynText::DoDeleteLine()
{
    const int count = lines_->Count();
    const int y = caretY_;
    if (count == 0 || (y == count && LineText().empty()))
        return;
    DoOnPaintTransient(ttBefore);
    blockBegin_ = blockEnd_ = CaretXY();
    const AnsiString old = LineText();
    if (y == count) {
        lines_->SetStrings(y - 1, AnsiString());
        undoList_->AddChange(urSilentDeleteAfterCaret, BufferCoord(1, y),
                             BufferCoord(static_cast<int>(old.size()) + 1, y), old, smNormal);
    } else {
        lines_->Delete(y - 1);
        undoList_->AddChange(urSilentDeleteAfterCaret, BufferCoord(1, y), BufferCoord(1, y + 1), old + "\r\n",
                             smNormal);
        DoLinesDeleted(y, 1);
    }
    SetCaretXY(BufferCoord(1, y));
    DoOnPaintTransient(ttAfter);
}
