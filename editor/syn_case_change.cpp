// Upper, lower, toggle and title case of the word at the caret or of the
// selection. Only single-byte ASCII letters change: the bytes of double-byte
// characters stay as they are, even where a trail byte looks like a letter.
#include <tuple>

#include "editor/document/syn_assert.h"
#include "editor/syn_custom_text.h"
#include "platform/base/code_page.h"

namespace {

AnsiString ConvertCase(const AnsiString& S, TSynTextEditorCommand Cmd)
{
    AnsiString result = S;
    bool first = true;
    for (size_t i = 0; i < result.size();) {
        const size_t length = CharLengthAt(result, i);
        if (length == 1) {
            char& c = result[i];
            switch (Cmd) {
            case ecUpperCase:
            case ecUpperCaseBlock:
                c = UpCase(c);
                break;
            case ecLowerCase:
            case ecLowerCaseBlock:
                c = LoCase(c);
                break;
            case ecToggleCase:
            case ecToggleCaseBlock:
                c = c >= 'a' && c <= 'z' ? UpCase(c) : LoCase(c);
                break;
            case ecTitleCase:
                c = first ? UpCase(c) : LoCase(c);
                break;
            default:
                break;
            }
        }
        first = false;
        i += length;
    }
    return result;
}

}  // namespace

std::pair<TBufferCoord, TBufferCoord> TCustomSynText::CaseChangeWord()
{
    TBufferCoord at = CaretXY();
    TBufferCoord from = at;
    TBufferCoord to = at;
    for (int attempt = 0; attempt < 3; ++attempt) {
        from = WordStartAt(at);
        to = WordEndAt(at);
        if (!(from == to) || attempt == 2)
            break;
        at = PrevWordPosAt(at);
    }
    return {from, to};
}

void TCustomSynText::DoCaseChange(TSynTextEditorCommand Cmd)
{
    SynAssert(Cmd >= ecUpperCase && Cmd <= ecToggleCaseBlock, "SynText");
    if (Cmd == ecTitleCase + 1 || lines_->Count() == 0)
        return;
    const TBufferCoord oldCaret = CaretXY();
    const TBufferCoord oldBegin = blockBegin_;
    const TBufferCoord oldEnd = blockEnd_;
    const bool hadSelection = SelAvail();
    const bool wordCommand = Cmd < ecUpperCaseBlock;
    TBufferCoord from = oldBegin;
    TBufferCoord to = oldEnd;
    if (wordCommand) {
        std::tie(from, to) = CaseChangeWord();
    } else if (!hadSelection) {
        const AnsiString line = LineText();
        if (oldCaret.Char > static_cast<int>(line.size())) {
            if (oldCaret.Line < lines_->Count())
                SetCaretXY(BufferCoord(1, oldCaret.Line + 1));
            return;
        }
        from = oldCaret;
        to = BufferCoord(oldCaret.Char + static_cast<int>(CharLengthAt(line, static_cast<size_t>(oldCaret.Char - 1))),
                         oldCaret.Line);
    }
    if (from == to)
        return;
    BeginUpdate();
    BeginUndoBlock();
    undoList_->AddChange(urCaret, oldCaret, oldCaret, AnsiString(), selectionMode_);
    undoList_->AddChange(urSelection, oldBegin, oldEnd, AnsiString(), selectionMode_);
    const TSynSelectionMode mode = selectionMode_;
    if (!hadSelection || wordCommand)
        selectionMode_ = smNormal;
    blockBegin_ = from;
    blockEnd_ = to;
    const AnsiString text = SelectedText(false);
    const AnsiString converted = ConvertCase(text, Cmd);
    if (converted != text)
        SetSelText(converted);
    selectionMode_ = mode;
    if (hadSelection)
        SetCaretAndSelection(oldCaret, oldBegin, oldEnd);
    else if (wordCommand)
        SetCaretXY(oldCaret);
    else
        SetCaretXY(to);
    EndUndoBlock();
    EndUpdate();
}
