// The editing actions (see the header).
#include "editor_services/actions/syn_actions_edit.h"

#include "editor/document/syn_text_error.h"
#include "platform/win/clipboard.h"
#include "platform/win/clipboard_text.h"

namespace {

HWND ClipboardOwner(TCustomSynTextEditor* Editor)
{
    return Editor->HandleAllocated() ? Editor->Handle() : nullptr;
}

// The clipboard text followed by the selection goes on the clipboard as
// plain text; it fails as the editor's own copy does.
void AppendSelectionToClipboard(TCustomSynTextEditor* Editor)
{
    AnsiString text;
    if (!GetClipboardText(ClipboardOwner(Editor), text))
        throw ESynTextError("Clipboard copy operation failed");
    text += Editor->SelText();
    if (!SetClipboardText(ClipboardOwner(Editor), {{CF_TEXT, text}}))
        throw ESynTextError("Clipboard copy operation failed");
}

void IndentBlock(TCustomSynTextEditor* Editor, TSynTextEditorCommand Command)
{
    if (!Editor->SelAvail())
        RunCommand(Editor, ecSelectLine);
    RunCommand(Editor, Command);
}

}  // namespace

bool TaSynUndo::HandlesTarget(TObject* Target)
{
    return FindTarget(Target) && TargetEditor()->CanUndo();
}

void TaSynUndo::ExecuteTarget(TObject* Target)
{
    if (FindTarget(Target))
        TargetEditor()->Undo();
}

bool TaSynRedo::HandlesTarget(TObject* Target)
{
    return FindTarget(Target) && TargetEditor()->CanRedo();
}

void TaSynRedo::ExecuteTarget(TObject* Target)
{
    if (FindTarget(Target))
        TargetEditor()->Redo();
}

void TaSynCut::ExecuteTarget(TObject* Target)
{
    if (FindTarget(Target))
        TargetEditor()->CutToClipboard();
}

void TaSynAppendCut::ExecuteTarget(TObject* Target)
{
    // Cut as Ctrl+X cuts: where folding refuses that, nothing goes to the
    // clipboard either.
    if (!FindTarget(Target) || !TargetEditor()->PrepareFoldsForChange(ecCut))
        return;
    AppendSelectionToClipboard(TargetEditor());
    TargetEditor()->SetSelText(AnsiString());
}

bool TaSynCopy::HandlesTarget(TObject* Target)
{
    return FindTarget(Target) && TargetEditor()->SelAvail();
}

void TaSynCopy::ExecuteTarget(TObject* Target)
{
    if (FindTarget(Target))
        TargetEditor()->CopyToClipboard();
}

void TaSynAppendCopy::ExecuteTarget(TObject* Target)
{
    if (FindTarget(Target))
        AppendSelectionToClipboard(TargetEditor());
}

bool TaSynPaste::HandlesTarget(TObject* Target)
{
    return FindTarget(Target) && TargetEditor()->CanPaste();
}

void TaSynPaste::ExecuteTarget(TObject* Target)
{
    if (FindTarget(Target))
        TargetEditor()->PasteFromClipboard();
}

void TaSynBlockIndent::ExecuteTarget(TObject* Target)
{
    if (FindTarget(Target))
        IndentBlock(TargetEditor(), ecBlockIndent);
}

void TaSynBlockUnindent::ExecuteTarget(TObject* Target)
{
    if (FindTarget(Target))
        IndentBlock(TargetEditor(), ecBlockUnindent);
}

void TaSynClearAll::ExecuteTarget(TObject* Target)
{
    // Setting the lines would clear undo and leave Modified as it was.
    if (FindTarget(Target))
        TargetEditor()->SetText(AnsiString());
}
