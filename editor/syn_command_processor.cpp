// The command chain: the host sees a command first and may change or
// swallow it, the hooked handlers run around the executor, and the host
// hears about every command, swallowed ones included; and the executor's
// entry, where every command meets the fold guard.
#include "editor/syn_custom_text.h"
#include "editor/syn_edit_scopes.h"

void TCustomSynText::CommandProcessor(TSynTextEditorCommand Command, char AChar, void* Data)
{
    DoOnProcessCommand(Command, AChar, Data);
    if (Command != ecNone) {
        NotifyHookedCommandHandlers(false, Command, AChar, Data);
        if (Command > ecNone && Command < ecUserFirst)
            ExecuteCommand(Command, AChar, Data);
        if (Command != ecNone)
            NotifyHookedCommandHandlers(true, Command, AChar, Data);
    }
    DoOnCommandProcessed(Command, AChar, Data);
}

void TCustomSynText::ExecuteCommand(TSynTextEditorCommand Command, char AChar, void* Data)
{
    // Folding may refuse an editing command on a collapsed block's first
    // line, or expand the blocks the command would cut into.
    if (!PrepareFoldsForCommand(Command))
        return;
    {
        // The changes of text the command makes are the ones judged.
        const TSynFlagScope guarded(guardedChange_);
        DoExecuteCommand(Command, AChar, Data);
    }
    // The trailing-space rule can shorten a line under the caret.
    KeepPointsInLines();
}
