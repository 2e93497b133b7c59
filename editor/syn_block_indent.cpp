// Tab and Shift+Tab, and indenting and unindenting the selected lines. The
// indentation goes in and out as column pieces with exact undo records.
#include <algorithm>
#include <vector>

#include "editor/syn_edit_scopes.h"
#include "platform/base/code_page.h"

namespace {

bool IsBlankChar(char C) { return C == ' ' || C == '\t'; }

}  // namespace

void TCustomSynText::DoBlockIndent()
{
    if (!SelAvail())
        return;
    const TBufferCoord first = BlockBegin();
    const TBufferCoord last = BlockEnd();
    const bool anchorFirst = blockBegin_ == first;
    const AnsiString indent = options_.Contains(eoTabIndent) ? AnsiString("\t")
                                                              : AnsiString(static_cast<size_t>(BlockIndentWidth()), ' ');
    const bool endsAtLineStart = last.Char == 1 && last.Line > first.Line;
    const int endLine = endsAtLineStart ? last.Line - 1 : last.Line;
    const int column = selectionMode_ == smColumn ? std::min(first.Char, last.Char) : 1;
    const int width = static_cast<int>(indent.size());

    AnsiString text;
    for (int l = first.Line; l <= endLine; ++l)
        text += l == endLine ? indent : indent + "\r\n";
    TBufferCoord caret = CaretXY();
    caret.Char = endsAtLineStart ? 1 : caret.Char + width;
    const TBufferCoord newFirst = BufferCoord(first.Char + width, first.Line);
    const TBufferCoord newLast = last.Char == 1 ? last : BufferCoord(last.Char + width, last.Line);

    TSynPaintLockScope lock(this);
    BeginUndoBlock();
    undoList_->AddChange(urIndent, first, last, AnsiString(), selectionMode_);
    {
        TSynScrollPastEolScope scope(options_);
        const TSynSelectionMode mode = selectionMode_;
        selectionMode_ = smColumn;
        SetCaretXY(BufferCoord(column, first.Line));
        InsertText(smColumn, text, true);
        selectionMode_ = mode;
        undoList_->AddChange(urIndent, newFirst, newLast, AnsiString(), selectionMode_);
        if (anchorFirst)
            SetCaretAndSelection(caret, newFirst, newLast);
        else
            SetCaretAndSelection(caret, newLast, newFirst);
    }
    EndUndoBlock();
}

void TCustomSynText::DoBlockUnindent()
{
    if (!SelAvail())
        return;
    const TBufferCoord first = BlockBegin();
    const TBufferCoord last = BlockEnd();
    const bool anchorFirst = blockBegin_ == first;
    const bool endsAtLineStart = last.Char == 1 && last.Line > first.Line;
    const int endLine = endsAtLineStart ? last.Line - 1 : last.Line;
    const int column = selectionMode_ == smColumn ? std::min(first.Char, last.Char) : 1;

    std::vector<AnsiString> pieces;
    bool any = false;
    for (int l = first.Line; l <= last.Line; ++l) {
        AnsiString piece;
        const AnsiString s = lines_->Strings(l - 1);
        const auto at = static_cast<size_t>(column - 1);
        if (l <= endLine && at < s.size()) {
            size_t n = 0;
            if (s[at] == '\t') {
                n = 1;
            } else {
                while (static_cast<int>(n) < BlockIndentWidth() && at + n < s.size() && s[at + n] == ' ')
                    ++n;
                if (static_cast<int>(n) < tabWidth_ && at + n < s.size() && s[at + n] == '\t')
                    ++n;
            }
            piece = s.substr(at, n);
        }
        any = any || !piece.empty();
        pieces.push_back(piece);
    }
    if (!any)
        return;

    TSynPaintLockScope lock(this);
    AnsiString text;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const int l = first.Line + static_cast<int>(i);
        if (!pieces[i].empty()) {
            AnsiString s = lines_->Strings(l - 1);
            s.erase(static_cast<size_t>(column - 1), pieces[i].size());
            lines_->SetStrings(l - 1, s);
        }
        text += i + 1 < pieces.size() ? pieces[i] + "\r\n" : pieces[i];
    }
    undoList_->AddChange(urUnindent, first, last, text, selectionMode_);

    auto removedOn = [&](int Line) { return static_cast<int>(pieces[static_cast<size_t>(Line - first.Line)].size()); };
    TBufferCoord caret = CaretXY();
    if (caret.Line >= first.Line && caret.Line <= last.Line)
        caret.Char = std::max(1, caret.Char - removedOn(caret.Line));
    TBufferCoord newFirst = first;
    TBufferCoord newLast = last;
    if (selectionMode_ != smColumn) {
        newFirst.Char = std::max(1, first.Char - removedOn(first.Line));
        newLast.Char = std::max(1, last.Char - removedOn(last.Line));
    } else {
        // A column block keeps its columns; where a line moved left under
        // one, it stays off the middle of a double-byte character.
        for (TBufferCoord* p : {&caret, &newFirst, &newLast}) {
            if (p->Line < 1 || p->Line > lines_->Count())
                continue;
            const AnsiString s = lines_->Strings(p->Line - 1);
            if (p->Char >= 1 && p->Char <= static_cast<int>(s.size()) &&
                ByteTypeAt(s, static_cast<size_t>(p->Char - 1)) == mbTrailByte)
                ++p->Char;
        }
    }
    TSynScrollPastEolScope scope(options_);
    if (anchorFirst)
        SetCaretAndSelection(caret, newFirst, newLast);
    else
        SetCaretAndSelection(caret, newLast, newFirst);
}

void TCustomSynText::DoTabKey()
{
    const bool indentBlock = options_.Contains(eoTabIndent) && SelAvail();
    if (indentBlock && SelectionSpansLines()) {
        DoBlockIndent();
        return;
    }
    if (indentBlock && SelectionCoversCaretLine()) {
        DoBlockIndent();
        TBufferCoord& earlier = BlockBegin() == blockBegin_ ? blockBegin_ : blockEnd_;
        earlier.Char = 1;
        RepaintSelection();
        return;
    }

    int smartDistance = 0;
    if (options_.Contains(eoSmartTabs)) {
        const int display = LineColumn();
        VisitLinesAbove(caretY_, [&](const AnsiString& s) {
            const int at = CharAtColumn(s, display);
            if (at > static_cast<int>(s.size()))
                return false;
            size_t i = static_cast<size_t>(at - 1);
            while (i < s.size() && !IsBlankChar(s[i]))
                ++i;
            while (i < s.size() && IsBlankChar(s[i]))
                ++i;
            smartDistance = static_cast<int>(i) - (at - 1);
            return smartDistance != 0;
        });
    }

    TSynPaintLockScope lock(this);
    BeginUndoBlock();
    if (SelAvail())
        SetSelText(AnsiString());
    TSynScrollPastEolScope scope(options_);
    const AnsiString line = LineText();
    const int len = static_cast<int>(line.size());
    const int x = caretX_;
    int distance = smartDistance;
    if (distance == 0)
        distance = options_.Contains(eoTabsToSpaces) ? tabWidth_ - (x - 1) % tabWidth_ : tabWidth_;
    AnsiString text;
    if (options_.Contains(eoTabsToSpaces)) {
        text = AnsiString(static_cast<size_t>(distance), ' ');
    } else if (options_.Contains(eoTrimTrailingSpaces) && x > len + 1) {
        const int display = LineColumn();
        const int stop = smartDistance > 0 ? display + smartDistance : ((display - 1) / tabWidth_ + 1) * tabWidth_ + 1;
        PlaceCaretX(x + stop - display);
    } else if (smartDistance > 0 &&
               std::all_of(line.begin(), line.begin() + std::min(len, x - 1), IsBlankChar)) {
        const int display = LineColumn();
        const int goal = display + smartDistance;
        int at = display;
        const int nextStop = ((at - 1) / tabWidth_ + 1) * tabWidth_ + 1;
        if (nextStop <= goal) {
            text += '\t';
            at = nextStop;
            while (at + tabWidth_ <= goal) {
                text += '\t';
                at += tabWidth_;
            }
        }
        text += AnsiString(static_cast<size_t>(goal - at), ' ');
    } else {
        text = "\t";
    }
    if (!text.empty()) {
        // Padding up to a caret beyond the line end is recorded with the
        // text, so that undo gives back the short line exactly.
        const TBufferCoord start = BufferCoord(std::min(x, len + 1), caretY_);
        SetCaretXY(CaretXY());
        InsertText(smNormal, text, false);
        SetCaretXY(CaretXY());
        undoList_->AddChange(urInsert, start, CaretXY(), AnsiString(), smNormal);
    }
    EndUndoBlock();
    EnsureCursorPosVisible();
}

void TCustomSynText::DoShiftTabKey()
{
    if (options_.Contains(eoTabIndent) && SelAvail() && (SelectionSpansLines() || SelectionCoversCaretLine())) {
        DoBlockUnindent();
        return;
    }
    const AnsiString line = LineText();
    const int len = static_cast<int>(line.size());
    const int x = caretX_;
    int n = x;
    if (options_.Contains(eoSmartTabs) && x > 1) {
        VisitLinesAbove(caretY_, [&n](const AnsiString& s) {
            if (static_cast<int>(s.size()) < n - 1)
                return false;
            // Back to the start of the word before the caret's column.
            int c = n - 1;
            while (c > 1 && s[static_cast<size_t>(c - 1)] == ' ')
                --c;
            while (c > 1 && s[static_cast<size_t>(c - 2)] != ' ')
                --c;
            n = c;
            return true;
        });
    }
    if (n == x) {
        const int stop = ((x - 2) / tabWidth_) * tabWidth_ + 1;
        if (x <= len + 1 && x > 1 && line[static_cast<size_t>(x - 2)] == '\t' && stop < n) {
            --n;
        } else if (x <= len + 1) {
            while (n > stop && n > 1 && line[static_cast<size_t>(n - 2)] == ' ')
                --n;
        } else {
            n = std::max(1, stop);
        }
    }
    // The column comes from another line; here it may fall inside a
    // double-byte character, which then goes whole.
    if (n >= 1 && n <= len && ByteTypeAt(line, static_cast<size_t>(n - 1)) == mbTrailByte)
        --n;
    if (n == x || n < 1)
        return;
    TSynPaintLockScope lock(this);
    TSynScrollPastEolScope scope(options_);
    const int to = std::min(x, len + 1);
    if (n < to) {
        const AnsiString removed = line.substr(static_cast<size_t>(n - 1), static_cast<size_t>(to - n));
        AnsiString s = line;
        s.erase(static_cast<size_t>(n - 1), removed.size());
        PutLine(caretY_ - 1, s);
        undoList_->AddChange(urDeleteAfterCaret, BufferCoord(n, caretY_), BufferCoord(to, caretY_), removed,
                             smNormal);
    }
    SetCaretXY(BufferCoord(n, caretY_));
}
