#include "editor/completion/syn_auto_complete.h"

#include <algorithm>

#include "editor/completion/syn_completion_edit_scope.h"
#include "editor/syn_custom_text.h"
#include "editor/document/text_routines.h"
#include "platform/base/code_page.h"
#include "platform/base/string_list.h"
#include "platform/ui/kernel/screen.h"

namespace {

bool IsKeywordLine(const AnsiString& Line)
{
    return !Line.empty() && Line[0] != '=' && Line[0] != '|';
}

}  // namespace

TSynAutoComplete::TSynAutoComplete(TComponent* AOwner)
    : TComponent(AOwner), autoCompleteList_(std::make_unique<TStringList>())
{
}

TSynAutoComplete::~TSynAutoComplete()
{
    while (!editors_.empty())
        RemoveEditor(editors_.back());
}

void TSynAutoComplete::SetEditor(TCustomSynText* Value)
{
    if (Value == editor_)
        return;
    if (editor_)
        RemoveEditor(editor_);
    editor_ = Value;
    AddEditor(Value);
}

void TSynAutoComplete::AddEditor(TCustomSynText* AEditor)
{
    if (!AEditor || std::find(editors_.begin(), editors_.end(), AEditor) != editors_.end())
        return;
    AEditor->FreeNotification(this);
    editors_.push_back(AEditor);
    AEditor->KbdHandler()->AddKeyDownHandler(TKeyEvent(this, &TSynAutoComplete::EditorKeyDown));
    AEditor->KbdHandler()->AddKeyPressHandler(TKeyPressEvent(this, &TSynAutoComplete::EditorKeyPress));
}

void TSynAutoComplete::RemoveEditor(TCustomSynText* AEditor)
{
    const auto it = std::find(editors_.begin(), editors_.end(), AEditor);
    if (it == editors_.end())
        return;
    editors_.erase(it);
    AEditor->KbdHandler()->RemoveKeyDownHandler(TKeyEvent(this, &TSynAutoComplete::EditorKeyDown));
    AEditor->KbdHandler()->RemoveKeyPressHandler(TKeyPressEvent(this, &TSynAutoComplete::EditorKeyPress));
    AEditor->RemoveFreeNotification(this);
    if (editor_ == AEditor)
        editor_ = nullptr;
}

void TSynAutoComplete::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == lookup_) {
        lookup_ = nullptr;
        return;
    }
    editors_.erase(std::remove(editors_.begin(), editors_.end(), AComponent), editors_.end());
    if (editor_ == AComponent)
        editor_ = nullptr;
}

TSynCompletionOptions TSynAutoComplete::LookupOptions() const
{
    // The items are formatted; what goes into the text is the plain keyword
    // of the insert list.
    TSynCompletionOptions options = options_;
    options.Include(scoUsePrettyText).Include(scoUseInsertList).Exclude(scoUseBuiltInTimer);
    return options;
}

void TSynAutoComplete::SetOptions(TSynCompletionOptions Value)
{
    options_ = Value;
    if (lookup_)
        lookup_->SetOptions(LookupOptions());
}

void TSynAutoComplete::SetDoLookupWhenNotExact(bool Value)
{
    doLookupWhenNotExact_ = Value;
    if (!Value) {
        delete lookup_;
        lookup_ = nullptr;
    }
}

AnsiString TSynAutoComplete::TokenBeforeCaret(TCustomSynText* AEditor) const
{
    const AnsiString line = AEditor->LineText();
    const size_t caret = std::min(static_cast<size_t>(AEditor->CaretX() - 1), line.size());
    const size_t start = TokenStartBefore(line, caret, CharSetOf(EndOfTokenChr));
    return line.substr(start, caret - start);
}

void TSynAutoComplete::EditorKeyDown(TObject* Sender, WORD& Key, TShiftState Shift)
{
    auto* editor = static_cast<TCustomSynText*>(Sender);
    if (editor->ReadOnly() || ShortCut == scNone || ::ShortCut(Key, Shift) != ShortCut)
        return;
    Execute(TokenBeforeCaret(editor), editor, doLookupWhenNotExact_);
    noNextKey_ = true;
    Key = 0;
}

void TSynAutoComplete::EditorKeyPress(TObject*, char& Key)
{
    if (noNextKey_) {
        noNextKey_ = false;
        Key = 0;
    }
}

void TSynAutoComplete::Execute(const AnsiString& Token, TCustomSynText* AEditor, bool LookupAllowed)
{
    if (OnBeforeExecute)
        OnBeforeExecute(this);
    const int index = Token.empty() ? -1 : autoCompleteList_->IndexOf(Token);
    if (index >= 0)
        Expand(index, AEditor);
    else if (LookupAllowed)
        OpenLookup(AEditor);
    if (OnAfterExecute)
        OnAfterExecute(this);
}

void TSynAutoComplete::Expand(int Index, TCustomSynText* AEditor)
{
    const AnsiString token = autoCompleteList_->Strings(Index);
    TCompletionEditScope scope(AEditor, true);
    AEditor->UndoList()->AddChange(urCompletionBegin, AEditor->CaretXY(), AEditor->CaretXY(), "",
                                   AEditor->SelectionMode());
    noNextKey_ = true;
    // One delete per character: a delete takes a double-byte character whole.
    for (size_t i = 0; i < token.size(); i += CharLengthAt(token, i))
        AEditor->CommandProcessor(ecDeleteLastChar, ' ', nullptr);
    // The following lines start where the keyword started on screen: tabs
    // before it count to their tab stops, not as one character.
    const int tabWidth = std::max(AEditor->TabWidth(), 1);
    const int column = CharIndexToColumn(AEditor->CaretX(), tabWidth, AEditor->LineText()) - 1;
    AnsiString indent;
    if (!AEditor->Options().Contains(eoTabsToSpaces) && column >= tabWidth)
        indent = AnsiString(static_cast<size_t>(column / tabWidth), '\t') +
                 AnsiString(static_cast<size_t>(column % tabWidth), ' ');
    else
        indent = AnsiString(static_cast<size_t>(column), ' ');
    int line = Index + 1;
    if (line < autoCompleteList_->Count() && !autoCompleteList_->Strings(line).empty() &&
        autoCompleteList_->Strings(line)[0] == '|')
        ++line;
    bool marked = false;
    TBufferCoord mark;
    for (bool first = true; line < autoCompleteList_->Count(); ++line, first = false) {
        const AnsiString text = autoCompleteList_->Strings(line);
        if (text.empty() || text[0] != '=')
            break;
        if (!first) {
            AEditor->CommandProcessor(ecLineBreak, ' ', nullptr);
            for (char c : indent)
                AEditor->CommandProcessor(c == '\t' ? ecTab : ecChar, c == '\t' ? '\t' : ' ', nullptr);
        }
        for (size_t i = 1; i < text.size(); ++i) {
            const char c = text[i];
            AEditor->CommandProcessor(c == '\t' ? ecTab : ecChar, c, nullptr);
            // A trail byte that happens to be "|" is part of its character.
            if (c == '|' && ByteTypeAt(text, i) == mbSingleByte) {
                marked = true;
                mark = AEditor->CaretXY();
            }
        }
    }
    if (marked) {
        AEditor->SetCaretXY(mark);
        AEditor->CommandProcessor(ecDeleteLastChar, ' ', nullptr);
    }
    AEditor->UndoList()->AddChange(urCompletionEnd, AEditor->CaretXY(), AEditor->CaretXY(), "",
                                   AEditor->SelectionMode());
    noNextKey_ = false;
    scope.Close();
}

void TSynAutoComplete::OpenLookup(TCustomSynText* AEditor)
{
    if (!lookup_) {
        lookup_ = new TSynCompletionProposal(this);
        lookup_->FreeNotification(this);
        lookup_->SetOptions(TSynCompletionOptions{scoLimitToMatchedText, scoUsePrettyText, scoEndCharCompletion,
                                                  scoCompleteWithTab, scoCompleteWithEnter});
        lookup_->ShortCut = scNone;
        lookup_->SetWidth(Screen ? Screen->Width() / 2 : 260);
        lookup_->Columns()->Add()->SetBiggestWord("XXXXXXXX");
        lookup_->OnAfterCodeCompletion = TAfterCodeCompletionEvent(this, &TSynAutoComplete::LookupAccepted);
    }
    lookup_->EndOfTokenChr = EndOfTokenChr;
    lookup_->Font()->Assign(AEditor->Font());
    lookup_->SetOptions(LookupOptions());
    lookup_->AddEditor(AEditor);
    lookup_->ItemList()->Clear();
    lookup_->InsertList()->Clear();
    for (int i = 0; i < autoCompleteList_->Count(); ++i) {
        const AnsiString keyword = autoCompleteList_->Strings(i);
        if (!IsKeywordLine(keyword))
            continue;
        AnsiString description = keyword;
        if (i + 1 < autoCompleteList_->Count()) {
            const AnsiString next = autoCompleteList_->Strings(i + 1);
            if (!next.empty() && next[0] == '|')
                description = next.substr(1);
        }
        lookup_->ItemList()->Add("\\style{+B}" + keyword + "\\style{-B}\\column{}" + description);
        lookup_->InsertList()->Add(keyword);
    }
    lookup_->DoExecute(AEditor);
}

void TSynAutoComplete::LookupAccepted(TObject*, const AnsiString&, TShiftState, int, char)
{
    TCustomSynText* editor = lookup_->Form()->CurrentEditor();
    if (!editor)
        return;
    // Detached first, so that a host event failing during the expansion
    // does not leave the list hooked into the editor.
    lookup_->RemoveEditor(editor);
    Execute(TokenBeforeCaret(editor), editor, false);
}
