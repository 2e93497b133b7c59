// The document editor: its document properties, the last change, its own
// commands and the last focused document editor.
#include "editor_services/syn_text_editor.h"

#include <algorithm>

#include "editor/syn_edit_scopes.h"
#include "editor/syn_text_commands.h"
#include "platform/base/code_page.h"
#include "platform/base/sys_utils.h"
#include "platform/win/win_messages.h"

namespace {

TCustomSynTextEditor* lastFocused = nullptr;  // cleared by that editor's destructor

// What the commands of the document editor that change text run, without
// a selection and with one: they run these steps, and the fold guard reads
// them.
struct TDocumentCommandSteps {
    TSynTextEditorCommand Command;
    TSynCommandSteps Plain;
    TSynCommandSteps Selected;
};

constexpr TDocumentCommandSteps DocumentCommandSteps[] = {
    {ecDocUpperCase, {ecUpperCase}, {ecUpperCaseBlock}},
    {ecDocLowerCase, {ecLowerCase}, {ecLowerCaseBlock}},
    {ecDocToggleCase, {ecToggleCase}, {ecToggleCaseBlock}},
    // Title case of a selection runs a routine of its own, on the selected
    // lines as a case change of the block does.
    {ecDocTitleCase, {ecTitleCase}, {ecUpperCaseBlock}},
    {ecDeleteWholeWord, {ecDeleteWord, ecDeleteLastWord}, {ecDeleteWord, ecDeleteLastWord}},
};

}  // namespace

TCustomSynTextEditor* LastFocusedSynTextEditor() { return lastFocused; }

TCustomSynTextEditor::TCustomSynTextEditor(TComponent* AOwner) : TSynMemo(AOwner) {}

TCustomSynTextEditor::~TCustomSynTextEditor()
{
    if (lastFocused == this)
        lastFocused = nullptr;
}

void TCustomSynTextEditor::SetDocumentName(const AnsiString& Value)
{
    if (Value == documentName_)
        return;
    documentName_ = Value;
    StatusChanged({scAll});
}

TSynTextFileFormat TCustomSynTextEditor::DocumentFormat() const { return Lines()->FileFormat; }

void TCustomSynTextEditor::SetDocumentFormat(TSynTextFileFormat Value)
{
    if (Value == Lines()->FileFormat)
        return;
    Lines()->FileFormat = Value;
    StatusChanged({scAll});
}

void TCustomSynTextEditor::DoChange()
{
    LastChange = CaretXY();
    TSynMemo::DoChange();
}

void TCustomSynTextEditor::Dispatch(TMessage& Message)
{
    TSynMemo::Dispatch(Message);
    if (Message.Msg == WM_SETFOCUS)
        lastFocused = this;
}

void TCustomSynTextEditor::DoLoadDocument(TStream* Stream, TSynDocumentOptions Options)
{
    if (OnLoadDocument)
        OnLoadDocument(this, Stream, Options);
}

void TCustomSynTextEditor::DoSaveDocument(TStream* Stream, TSynDocumentOptions Options)
{
    if (OnSaveDocument)
        OnSaveDocument(this, Stream, Options);
}

void TCustomSynTextEditor::DoCloseDocument()
{
    if (OnCloseDocument)
        OnCloseDocument(this);
}

TSynCommandSteps TCustomSynTextEditor::CommandSteps(TSynTextEditorCommand Command) const
{
    for (const TDocumentCommandSteps& steps : DocumentCommandSteps)
        if (steps.Command == Command)
            return SelAvail() ? steps.Selected : steps.Plain;
    return TSynMemo::CommandSteps(Command);
}

void TCustomSynTextEditor::RunSteps(TSynTextEditorCommand Command, char AChar, void* Data)
{
    const TSynCommandSteps steps = CommandSteps(Command);
    // One update for both: the fold scan that ends the first step's update
    // may take the caret's line into a collapsed block above (a brace
    // deleted frees that block's last line), and the second would then act
    // on the block's first line.
    const TSynPaintLockScope update(this);
    TSynMemo::DoExecuteCommand(steps.First, AChar, Data);
    if (steps.Then != ecNone)
        TSynMemo::DoExecuteCommand(steps.Then, AChar, Data);
}

void TCustomSynTextEditor::DoExecuteCommand(TSynTextEditorCommand Command, char AChar, void* Data)
{
    switch (Command) {
    case ecGotoLastChange:
        SetCaretXY(LastChange);
        return;
    case ecDocUpperCase:
    case ecDocLowerCase:
    case ecDocToggleCase:
        RunSteps(Command, AChar, Data);
        return;
    case ecDocTitleCase:
        if (SelAvail())
            TitleCaseSelection();
        else
            RunSteps(Command, AChar, Data);
        return;
    case ecDocPrint:
        PrintDocument(AChar, static_cast<TSynTextPrint*>(Data));
        return;
    case ecClearBookmarks:
        for (int i = 0; i <= 9; ++i)
            ClearBookMark(i);
        return;
    case ecDeleteWholeWord:
        BeginUndoBlock();
        RunSteps(Command, AChar, Data);
        EndUndoBlock();
        return;
    case ecSelectLine:
        SelectLineAt(CaretY());
        return;
    case ecSelectNextWord:
    case ecSelectLastWord:
        SelectWord(Command == ecSelectNextWord);
        return;
    case ecSelectNextLine:
        SelectLineAt(CaretY() >= Lines()->Count() ? 1 : CaretY() + 1);
        return;
    case ecSelectLastLine:
        SelectLineAt(CaretY() <= 1 ? Lines()->Count() : CaretY() - 1);
        return;
    default:
        TSynMemo::DoExecuteCommand(Command, AChar, Data);
    }
}

void TCustomSynTextEditor::SelectLineAt(int Line)
{
    if (Line != CaretY())
        SetCaretXY(BufferCoord(1, Line));
    BeginUndoBlock();
    TSynMemo::DoExecuteCommand(ecLineStart, '\0', nullptr);
    TSynMemo::DoExecuteCommand(ecSelLineEnd, '\0', nullptr);
    EndUndoBlock();
}

void TCustomSynTextEditor::SelectWord(bool Forward)
{
    // The selection collapses at its end (start), and the next (previous)
    // word position is taken until its word holds more than blanks and
    // control characters. A loop, not a repetition of the command: a long
    // run of blank lines would otherwise nest one call per line. The caret
    // moves once, at the end, so that the view does not scroll through the
    // run.
    TBufferCoord from = Forward ? BlockEnd() : BlockBegin();
    for (;;) {
        const TBufferCoord p = Forward ? NextWordPosAt(from) : PrevWordPosAt(from);
        if (p == from) {
            SetCaretXY(from);
            return;
        }
        const TBufferCoord end = WordEndAt(p);
        const AnsiString line = Lines()->Strings(p.Line - 1);
        const size_t start = std::min(static_cast<size_t>(p.Char - 1), line.size());
        if (!Trim(line.substr(start, static_cast<size_t>(std::max(end.Char - p.Char, 0)))).empty()) {
            SetCaretAndSelection(p, p, end);
            return;
        }
        from = Forward ? end : p;
    }
}

void TCustomSynTextEditor::TitleCaseSelection()
{
    const TBufferCoord bb = BlockBegin();
    const TBufferCoord be = BlockEnd();
    const TBufferCoord caret = CaretXY();
    const TSynSelectionMode mode = SelectionMode();
    BeginUpdate();
    BeginUndoBlock();
    for (int line = bb.Line; line <= be.Line; ++line) {
        const AnsiString text = Lines()->Strings(line - 1);
        const int length = static_cast<int>(text.size());
        int first = 1;
        int stop = length + 1;  // one past the part's last column
        if (mode == smColumn || line == bb.Line)
            first = WordStartAt(BufferCoord(bb.Char, line)).Char;
        if (mode == smColumn || line == be.Line)
            stop = WordEndAt(BufferCoord(be.Char, line)).Char;
        if (stop > length + 1)
            stop = length + 1;
        if (first >= stop)
            continue;
        // Walk by characters: the part's first character and each one after
        // a separator start a word. A double-byte character counts by its
        // lead byte; its trail byte is never a word start, even where it
        // looks like a letter.
        AnsiString part = text.substr(static_cast<size_t>(first - 1), static_cast<size_t>(stop - first));
        bool wordStart = true;
        for (size_t i = 0; i < part.size();) {
            const size_t n = CharLengthAt(part, i);
            if (wordStart && n == 1)
                part[i] = UpCase(part[i]);
            wordStart = !IsIdentChar(part[i]);
            i += n;
        }
        if (part == text.substr(static_cast<size_t>(first - 1), part.size()))
            continue;
        SetSelectionMode(smNormal);
        SetCaretAndSelection(BufferCoord(stop, line), BufferCoord(first, line), BufferCoord(stop, line));
        SetSelText(part);
        SetSelectionMode(mode);
    }
    SetSelectionMode(mode);
    SetCaretAndSelection(caret, bb, be);
    EndUndoBlock();
    EndUpdate();
}
