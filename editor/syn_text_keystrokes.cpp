#include "editor/syn_text_keystrokes.h"

#include "platform/base/code_page.h"
#include "platform/base/component.h"
#include "platform/win/virtual_keys.h"

namespace {

struct TDefaultKeyStroke {
    WORD Key;
    TShiftState Shift;
    TSynTextEditorCommand Command;
};

const TShiftState NoKeys;
const TShiftState ShiftKey{ssShift};
const TShiftState CtrlKey{ssCtrl};
const TShiftState AltKey{ssAlt};
const TShiftState CtrlShiftKeys{ssCtrl, ssShift};
const TShiftState ShiftAltKeys{ssShift, ssAlt};

// The editor's bindings as shipped, in order; the bookmark keys are added
// after the first 58.
const TDefaultKeyStroke DefaultKeyStrokes[] = {
    {VK_UP, NoKeys, ecUp},
    {VK_UP, ShiftKey, ecSelUp},
    {VK_UP, CtrlKey, ecScrollUp},
    {VK_DOWN, NoKeys, ecDown},
    {VK_DOWN, ShiftKey, ecSelDown},
    {VK_DOWN, CtrlKey, ecScrollDown},
    {VK_LEFT, NoKeys, ecLeft},
    {VK_LEFT, ShiftKey, ecSelLeft},
    {VK_LEFT, CtrlKey, ecWordLeft},
    {VK_LEFT, CtrlShiftKeys, ecSelWordLeft},
    {VK_RIGHT, NoKeys, ecRight},
    {VK_RIGHT, ShiftKey, ecSelRight},
    {VK_RIGHT, CtrlKey, ecWordRight},
    {VK_RIGHT, CtrlShiftKeys, ecSelWordRight},
    {VK_NEXT, NoKeys, ecPageDown},
    {VK_NEXT, ShiftKey, ecSelPageDown},
    {VK_NEXT, CtrlKey, ecPageBottom},
    {VK_NEXT, CtrlShiftKeys, ecSelPageBottom},
    {VK_PRIOR, NoKeys, ecPageUp},
    {VK_PRIOR, ShiftKey, ecSelPageUp},
    {VK_PRIOR, CtrlKey, ecPageTop},
    {VK_PRIOR, CtrlShiftKeys, ecSelPageTop},
    {VK_HOME, NoKeys, ecLineStart},
    {VK_HOME, ShiftKey, ecSelLineStart},
    {VK_HOME, CtrlKey, ecEditorTop},
    {VK_HOME, CtrlShiftKeys, ecSelEditorTop},
    {VK_END, NoKeys, ecLineEnd},
    {VK_END, ShiftKey, ecSelLineEnd},
    {VK_END, CtrlKey, ecEditorBottom},
    {VK_END, CtrlShiftKeys, ecSelEditorBottom},
    {VK_INSERT, NoKeys, ecToggleMode},
    {VK_INSERT, CtrlKey, ecCopy},
    {VK_DELETE, ShiftKey, ecCut},
    {VK_INSERT, ShiftKey, ecPaste},
    {VK_DELETE, NoKeys, ecDeleteChar},
    {VK_BACK, NoKeys, ecDeleteLastChar},
    {VK_BACK, ShiftKey, ecDeleteLastChar},
    {VK_BACK, CtrlKey, ecDeleteLastWord},
    {VK_BACK, AltKey, ecUndo},
    {VK_BACK, ShiftAltKeys, ecRedo},
    {VK_RETURN, NoKeys, ecLineBreak},
    {VK_RETURN, ShiftKey, ecLineBreak},
    {VK_TAB, NoKeys, ecTab},
    {VK_TAB, ShiftKey, ecShiftTab},
    {VK_F1, NoKeys, ecContextHelp},
    {'A', CtrlKey, ecSelectAll},
    {'C', CtrlKey, ecCopy},
    {'V', CtrlKey, ecPaste},
    {'X', CtrlKey, ecCut},
    {'I', CtrlShiftKeys, ecBlockIndent},
    {'U', CtrlShiftKeys, ecBlockUnindent},
    {'M', CtrlKey, ecLineBreak},
    {'N', CtrlKey, ecInsertLine},
    {'T', CtrlKey, ecDeleteWord},
    {'Y', CtrlKey, ecDeleteLine},
    {'Y', CtrlShiftKeys, ecDeleteEOL},
    {'Z', CtrlKey, ecUndo},
    {'Z', CtrlShiftKeys, ecRedo},
};

const TDefaultKeyStroke SelectionModeKeyStrokes[] = {
    {'N', CtrlShiftKeys, ecNormalSelect},
    {'C', CtrlShiftKeys, ecColumnSelect},
    {'L', CtrlShiftKeys, ecLineSelect},
    {'B', CtrlShiftKeys, ecMatchBracket},
};

void AddKeyStroke(TSynTextKeyStrokes& keystrokes, WORD key, TShiftState shift, TSynTextEditorCommand command)
{
    TSynTextKeyStroke* item = keystrokes.Add();
    item->Key = key;
    item->Shift = shift;
    item->Command = command;
}

}  // namespace

void TSynTextKeyStroke::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TSynTextKeyStroke*>(Source);
    if (!source) {
        TCollectionItem::Assign(Source);
        return;
    }
    Command = source->Command;
    Key = source->Key;
    Key2 = source->Key2;
    Shift = source->Shift;
    Shift2 = source->Shift2;
}

void TSynTextKeyStroke::SetShortCut(TShortCut Value)
{
    if (Value != 0)
        CheckDuplicate(Value, ShortCut2());
    ShortCutToKey(Value, Key, Shift);
}

void TSynTextKeyStroke::SetShortCut2(TShortCut Value)
{
    if (Value != 0)
        CheckDuplicate(ShortCut(), Value);
    ShortCutToKey(Value, Key2, Shift2);
}

void TSynTextKeyStroke::CheckDuplicate(TShortCut ShortCut, TShortCut ShortCut2) const
{
    auto* keystrokes = dynamic_cast<TSynTextKeyStrokes*>(Collection());
    if (!keystrokes)
        return;
    int found = keystrokes->FindShortCutPair(ShortCut, ShortCut2);
    if (found != -1 && keystrokes->Items(found) != this)
        throw ESynKeyError(SSynDuplicateShortCut);
}

AnsiString TSynTextKeyStroke::GetDisplayName() const
{
    AnsiString name = CommandToText(Command) + " - " + ShortCutToText(ShortCut());
    if (ShortCut() != 0)
        name += " " + ShortCutToText(ShortCut2());
    return name;
}

void TSynTextKeyStroke::WritePublished(TWriter* Writer)
{
    Writer->WritePropName("Command");
    Writer->WriteIntegerConst(SynTextEditorCommandType, Command);
    if (ShortCut() != 0) {
        Writer->WritePropName("ShortCut");
        Writer->WriteInteger(ShortCut());
    }
    if (ShortCut2() != 0) {
        Writer->WritePropName("ShortCut2");
        Writer->WriteInteger(ShortCut2());
    }
}

bool TSynTextKeyStroke::ReadPublished(const AnsiString& Name, TReader* Reader)
{
    if (SameText(Name, "Command"))
        Command = static_cast<TSynTextEditorCommand>(Reader->ReadIntegerConst(SynTextEditorCommandType));
    else if (SameText(Name, "ShortCut"))
        ShortCutToKey(static_cast<TShortCut>(Reader->ReadInteger()), Key, Shift);
    else if (SameText(Name, "ShortCut2"))
        ShortCutToKey(static_cast<TShortCut>(Reader->ReadInteger()), Key2, Shift2);
    else
        return false;
    return true;
}

TSynTextKeyStrokes::TSynTextKeyStrokes(TComponent* AOwner)
    : TOwnedCollection(AOwner, Of<TSynTextKeyStroke>())
{
}

int TSynTextKeyStrokes::FindKey(WORD Key, TShiftState Shift) const
{
    for (int i = 0; i < Count(); ++i) {
        const TSynTextKeyStroke* item = Items(i);
        if (item->Key == Key && item->Shift == Shift && item->Key2 == 0)
            return i;
    }
    return -1;
}

int TSynTextKeyStrokes::FindKeyPair(WORD Key, TShiftState Shift, WORD Key2, TShiftState Shift2) const
{
    for (int i = 0; i < Count(); ++i) {
        const TSynTextKeyStroke* item = Items(i);
        if (item->Key == Key && item->Shift == Shift && item->Key2 == Key2 && item->Shift2 == Shift2)
            return i;
    }
    return -1;
}

int TSynTextKeyStrokes::FindShortCutPair(TShortCut ShortCut, TShortCut ShortCut2) const
{
    for (int i = 0; i < Count(); ++i) {
        const TSynTextKeyStroke* item = Items(i);
        if (item->ShortCut() == ShortCut && item->ShortCut2() == ShortCut2)
            return i;
    }
    return -1;
}

void TSynTextKeyStrokes::ResetToDefaults()
{
    BeginUpdate();
    try {
        Clear();
        for (const TDefaultKeyStroke& k : DefaultKeyStrokes)
            AddKeyStroke(*this, k.Key, k.Shift, k.Command);
        for (WORD n = 0; n <= 9; ++n)
            AddKeyStroke(*this, '0' + n, CtrlKey, ecGotoMarker0 + n);
        for (WORD n = 0; n <= 9; ++n)
            AddKeyStroke(*this, '0' + n, CtrlShiftKeys, ecSetMarker0 + n);
        for (const TDefaultKeyStroke& k : SelectionModeKeyStrokes)
            AddKeyStroke(*this, k.Key, k.Shift, k.Command);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TSynTextEditorCommand TranslateKey(const TSynTextKeyStrokes& Keystrokes, WORD Key, TShiftState Shift,
                                   TSynTextPendingKey& Pending)
{
    TSynTextEditorCommand command = ecNone;
    int i = Keystrokes.FindKeyPair(Pending.Key, Pending.Shift, Key, Shift);
    if (i < 0)
        i = Keystrokes.FindKey(Key, Shift);
    if (i >= 0)
        command = Keystrokes.Items(i)->Command;
    if (command == ecNone && Key >= 30 && Key <= 145)
        Pending = {Key, Shift};
    else
        Pending = {};
    return command;
}
