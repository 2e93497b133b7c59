// The edit control's text: character steps, words, replacing the selection
// within the length limit, and the one-level undo.
#include "platform/ui/textedit/edit_buffer.h"

#include <cctype>

#include "platform/base/code_page.h"

namespace {

enum class TCharKind { Blank, Break, Letter, Wide, Symbol };

TCharKind KindAt(std::string_view Text, size_t Offset)
{
    auto c = static_cast<unsigned char>(Text[Offset]);
    if (c == ' ' || c == '\t')
        return TCharKind::Blank;
    if (c == '\r' || c == '\n')
        return TCharKind::Break;
    if (CharLengthAt(Text, Offset) == 2)
        return TCharKind::Wide;
    if (std::isalnum(c) || c == '_')
        return TCharKind::Letter;
    return TCharKind::Symbol;
}

// The length of the first characters of Value that fit Room bytes.
size_t WholeCharsWithin(std::string_view Value, size_t Room)
{
    size_t end = 0;
    while (end < Value.size()) {
        size_t next = end + CharLengthAt(Value, end);
        if (next > Room)
            break;
        end = next;
    }
    return end;
}

}  // namespace

int TEditBuffer::LineStart(int Offset) const
{
    if (Offset <= 0)
        return 0;
    size_t lf = text_.rfind('\n', static_cast<size_t>(Offset - 1));
    return lf == AnsiString::npos ? 0 : static_cast<int>(lf) + 1;
}

int TEditBuffer::Snap(int Offset) const
{
    Offset = std::clamp(Offset, 0, Length());
    if (Offset == 0 || Offset == Length())
        return Offset;
    if (text_[Offset] == '\n' && text_[Offset - 1] == '\r')
        return Offset - 1;
    int at = LineStart(Offset);
    while (true) {
        int next = at + static_cast<int>(CharLengthAt(text_, at));
        if (next > Offset)
            return at;
        at = next;
    }
}

int TEditBuffer::NextChar(int Offset) const
{
    if (Offset >= Length())
        return Length();
    if (text_[Offset] == '\r' && Offset + 1 < Length() && text_[Offset + 1] == '\n')
        return Offset + 2;
    return Offset + static_cast<int>(CharLengthAt(text_, Offset));
}

int TEditBuffer::PrevChar(int Offset) const
{
    if (Offset <= 0)
        return 0;
    if (Offset >= 2 && text_[Offset - 1] == '\n' && text_[Offset - 2] == '\r')
        return Offset - 2;
    return Snap(Offset - 1);
}

int TEditBuffer::NextWord(int Offset) const
{
    if (Offset >= Length())
        return Length();
    TCharKind kind = KindAt(text_, Offset);
    if (kind == TCharKind::Break)
        return NextChar(Offset);
    if (kind != TCharKind::Blank)
        while (Offset < Length() && KindAt(text_, Offset) == kind)
            Offset = NextChar(Offset);
    while (Offset < Length() && KindAt(text_, Offset) == TCharKind::Blank)
        Offset = NextChar(Offset);
    return Offset;
}

int TEditBuffer::PrevWord(int Offset) const
{
    int at = PrevChar(Offset);
    while (at > 0 && KindAt(text_, at) == TCharKind::Blank)
        at = PrevChar(at);
    if (at >= Length())
        return at;
    TCharKind kind = KindAt(text_, at);
    if (kind == TCharKind::Break || kind == TCharKind::Blank)
        return at;
    while (at > 0) {
        int before = PrevChar(at);
        if (KindAt(text_, before) != kind)
            break;
        at = before;
    }
    return at;
}

void TEditBuffer::WordAt(int Offset, int& Start, int& End) const
{
    Offset = Snap(Offset);
    if (Offset == Length() && Offset > 0)
        Offset = PrevChar(Offset);
    Start = End = Offset;
    if (Offset >= Length() || KindAt(text_, Offset) == TCharKind::Break)
        return;
    TCharKind kind = KindAt(text_, Offset);
    while (End < Length() && KindAt(text_, End) == kind)
        End = NextChar(End);
    while (Start > 0) {
        int before = PrevChar(Start);
        if (KindAt(text_, before) != kind)
            break;
        Start = before;
    }
}

void TEditBuffer::Select(int Anchor, int Caret)
{
    anchor_ = Snap(Anchor);
    caret_ = Snap(Caret);
}

void TEditBuffer::SetText(const AnsiString& Value)
{
    text_ = Value;
    anchor_ = caret_ = 0;
    ClearUndo();
}

TEditChange TEditBuffer::Replace(int Pos, int Removed, std::string_view Inserted)
{
    text_.replace(static_cast<size_t>(Pos), static_cast<size_t>(Removed), Inserted);
    return {Pos, Removed, static_cast<int>(Inserted.size())};
}

TEditChange TEditBuffer::ReplaceSelection(std::string_view Value, TEditUndo Undo)
{
    const int start = SelStart();
    const int removed = SelEnd() - start;
    if (MaxLength > 0) {
        size_t room = static_cast<size_t>(std::max(MaxLength - (Length() - removed), 0));
        Value = Value.substr(0, WholeCharsWithin(Value, room));
    }
    if (removed == 0 && Value.empty())
        return {};
    const bool extend = Undo == TEditUndo::Typing && typing_ && canUndo_ && removed == 0 &&
                        start == undoPos_ + static_cast<int>(undoInserted_.size());
    if (extend) {
        undoInserted_.append(Value);
    } else if (Undo != TEditUndo::None) {
        undoPos_ = start;
        undoRemoved_ = SelText();
        undoInserted_.assign(Value);
        canUndo_ = true;
        typing_ = Undo == TEditUndo::Typing;
    }
    TEditChange change = Replace(start, removed, Value);
    if (Undo == TEditUndo::None)
        ClearUndo();
    anchor_ = caret_ = start + change.Inserted;
    return change;
}

void TEditBuffer::ClearUndo()
{
    canUndo_ = false;
    typing_ = false;
    undoRemoved_.clear();
    undoInserted_.clear();
}

TEditChange TEditBuffer::Undo()
{
    if (!canUndo_)
        return {};
    TEditChange change = Replace(undoPos_, static_cast<int>(undoInserted_.size()), undoRemoved_);
    std::swap(undoRemoved_, undoInserted_);
    typing_ = false;
    anchor_ = undoPos_;
    caret_ = undoPos_ + change.Inserted;
    return change;
}
