// The editor's events fired through its virtual operations, so that a
// derived editor can take them over.
#include "editor/syn_custom_text.h"

void TCustomSynText::DoOnClearBookmark(TSynTextMark*& Mark)
{
    if (OnClearBookmark)
        OnClearBookmark(this, Mark);
}
void TCustomSynText::DoOnPlaceBookmark(TSynTextMark*& Mark)
{
    if (OnPlaceBookmark)
        OnPlaceBookmark(this, Mark);
}
void TCustomSynText::DoOnCommandProcessed(TSynTextEditorCommand Command, char AChar, void* Data)
{
    if (OnCommandProcessed)
        OnCommandProcessed(this, Command, AChar, Data);
}
void TCustomSynText::DoOnProcessCommand(TSynTextEditorCommand& Command, char& AChar, void* Data)
{
    if (Command >= ecUserFirst) {
        if (OnProcessUserCommand)
            OnProcessUserCommand(this, Command, AChar, Data);
    } else if (OnProcessCommand) {
        OnProcessCommand(this, Command, AChar, Data);
    }
}
TSynReplaceAction TCustomSynText::DoOnReplaceText(const AnsiString& ASearch, const AnsiString& AReplace, int Line,
                                                  int Column)
{
    TSynReplaceAction action = raCancel;
    if (OnReplaceText)
        OnReplaceText(this, ASearch, AReplace, Line, Column, action);
    return action;
}
bool TCustomSynText::DoOnSpecialLineColors(int Line, TColor& Foreground, TColor& Background)
{
    bool special = false;
    if (OnSpecialLineColors)
        OnSpecialLineColors(this, Line, special, Foreground, Background);
    return special;
}
