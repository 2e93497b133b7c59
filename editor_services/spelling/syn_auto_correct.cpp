// Attaching to editors, and the two moments a correction happens: a typed
// character that ends a word, and a mouse press in the text.
#include "editor_services/spelling/syn_auto_correct.h"

#include <algorithm>

#include "editor/syn_edit_scopes.h"
#include "editor/syn_text_commands.h"
#include "editor_services/spelling/syn_auto_correct_text.h"
#include "platform/base/code_page.h"
#include "platform/base/string_list.h"

namespace {

// Replaces From..To, on one line, by Text as one undo step of its own (the
// modified flag follows), whatever selection mode the user left the editor
// in.
void ReplaceRange(TCustomSynText* Editor, const TBufferCoord& From, const TBufferCoord& To, const AnsiString& Text)
{
    TSynPaintLockScope lock(Editor);
    const TSynSelectionMode mode = Editor->SelectionMode();
    Editor->BeginUndoBlock();
    try {
        Editor->SetSelectionMode(smNormal);
        Editor->SetCaretAndSelection(To, From, To);
        Editor->SetSelText(Text);
        Editor->SetSelectionMode(mode);
    } catch (...) {
        Editor->EndUndoBlock();
        throw;
    }
    Editor->EndUndoBlock();
    // Grouped undo joins like changes across blocks: what the user types
    // next must not take half of the correction with it.
    Editor->UndoList()->AddGroupBreak();
}

}  // namespace

TCustomSynAutoCorrect::TCustomSynAutoCorrect(TComponent* AOwner)
    : TComponent(AOwner), items_(std::make_unique<TStringList>())
{
}

TCustomSynAutoCorrect::~TCustomSynAutoCorrect()
{
    while (!editors_.empty())
        RemoveEditor(editors_.back());
}

void TCustomSynAutoCorrect::SetItems(TStrings* Value) { items_->Assign(Value); }

void TCustomSynAutoCorrect::SetEditor(TCustomSynText* Value)
{
    if (Value == editor_)
        return;
    if (editor_)
        RemoveEditor(editor_);
    editor_ = Value;
    AddEditor(Value);
}

void TCustomSynAutoCorrect::AddEditor(TCustomSynText* AEditor)
{
    if (!AEditor || std::find(editors_.begin(), editors_.end(), AEditor) != editors_.end())
        return;
    editors_.push_back(AEditor);
    AEditor->FreeNotification(this);
    AEditor->RegisterCommandHandler(THookedCommandEvent(this, &TCustomSynAutoCorrect::EditorCommandHook), nullptr);
    AEditor->KbdHandler()->AddMouseDownHandler(TMouseEvent(this, &TCustomSynAutoCorrect::EditorMouseDown));
}

void TCustomSynAutoCorrect::RemoveEditor(TCustomSynText* AEditor)
{
    if (std::find(editors_.begin(), editors_.end(), AEditor) == editors_.end())
        return;
    AEditor->UnregisterCommandHandler(THookedCommandEvent(this, &TCustomSynAutoCorrect::EditorCommandHook));
    AEditor->KbdHandler()->RemoveMouseDownHandler(TMouseEvent(this, &TCustomSynAutoCorrect::EditorMouseDown));
    AEditor->RemoveFreeNotification(this);
    Forget(AEditor);
}

void TCustomSynAutoCorrect::Forget(TComponent* AEditor)
{
    editors_.erase(std::remove(editors_.begin(), editors_.end(), AEditor), editors_.end());
    if (editor_ == AEditor)
        editor_ = nullptr;
    if (leadTypedIn_ == AEditor)
        leadTypedIn_ = nullptr;
}

void TCustomSynAutoCorrect::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove)
        Forget(AComponent);
}

bool TCustomSynAutoCorrect::EndsWord(TCustomSynText* AEditor, TSynTextEditorCommand Command, char AChar)
{
    // The editor holds a lead byte back until its trail byte comes, and
    // drops it on any other command; a trail byte may look like a letter or
    // a symbol, but it ends nothing.
    if (Command != ecChar) {
        if (leadTypedIn_ == AEditor)
            leadTypedIn_ = nullptr;
        return Command == ecLineBreak || Command == ecImeStr || Command == ecTab;
    }
    const auto code = static_cast<unsigned char>(AChar);
    if (code >= 32 && code != 127) {
        if (leadTypedIn_ == AEditor) {
            leadTypedIn_ = nullptr;
            return false;
        }
        if (IsDBCSLeadByte(AChar))
            leadTypedIn_ = AEditor;
    }
    return !IsAutoCorrectWordChar(AChar);
}

void TCustomSynAutoCorrect::EditorCommandHook(TObject* Sender, bool AfterProcessing, bool& Handled,
                                              TSynTextEditorCommand& Command, char& AChar, void*, void*)
{
    if (AfterProcessing || Handled)
        return;
    auto* editor = static_cast<TCustomSynText*>(Sender);
    if (!EndsWord(editor, Command, AChar) || !Enabled)
        return;
    const TBufferCoord caret = editor->CaretXY();
    const AnsiString word = AutoCorrectWordBefore(editor->LineText(), caret.Char);
    if (word.empty())
        return;
    // The typed character replaces a selection; the word before the caret
    // is about to go, not to be corrected.
    if (!editor->ReadOnly() && !editor->SelAvail()) {
        AnsiString original;
        AnsiString correction;
        for (int i = 0; i < items_->Count(); ++i) {
            SplitAutoCorrectItem(items_->Strings(i), ItemSepChar, original, correction);
            if (original.empty() || !AutoCorrectWordMatches(word, original, Options.Contains(ascoIgnoreCase)))
                continue;
            if (Options.Contains(ascoMaintainCase))
                correction = KeepAutoCorrectCase(word, correction);
            TAutoCorrectAction action = aaCorrect;
            if (OnAutoCorrect)
                OnAutoCorrect(this, original, correction, caret.Line, caret.Char, action);
            if (action != aaAbort) {
                const TBufferCoord start = BufferCoord(caret.Char - static_cast<int>(word.size()), caret.Line);
                ReplaceRange(editor, start, caret, correction);
            }
            break;
        }
    }
    if (OnCorrected)
        OnCorrected(this);
}

void TCustomSynAutoCorrect::EditorMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int)
{
    auto* editor = static_cast<TCustomSynText*>(Sender);
    if (!Options.Contains(ascoCorrectOnMouseDown) || !Enabled || editor->ReadOnly())
        return;
    const AnsiString line = editor->LineText();
    AnsiString corrected;
    AnsiString original;
    AnsiString correction;
    bool found = false;
    for (int i = 0; i < items_->Count() && !found; ++i) {
        SplitAutoCorrectItem(items_->Strings(i), ItemSepChar, original, correction);
        found = CorrectWholeWords(line, original, correction, Options.Contains(ascoIgnoreCase),
                                  Options.Contains(ascoMaintainCase), corrected);
    }
    if (!found)
        return;
    const int lineIndex = editor->CaretY();
    TAutoCorrectAction action = aaCorrect;
    if (OnAutoCorrect)
        OnAutoCorrect(this, line, corrected, lineIndex, 0, action);
    if (action == aaAbort)
        return;
    // The press places the caret and keeps or extends the selection from
    // where they were: both stay as the user left them.
    const TBufferCoord caret = editor->CaretXY();
    const TBufferCoord blockBegin = editor->BlockBegin();
    const TBufferCoord blockEnd = editor->BlockEnd();
    {
        TSynPaintLockScope lock(editor);
        ReplaceRange(editor, BufferCoord(1, lineIndex), BufferCoord(static_cast<int>(line.size()) + 1, lineIndex),
                     corrected);
        editor->SetCaretAndSelection(caret, blockBegin, blockEnd);
    }
    if (OnCorrected)
        OnCorrected(this);
}
