#include "editor/completion/syn_completion_proposal.h"

#include <algorithm>

#include "editor/completion/syn_completion_edit_scope.h"
#include "editor/syn_custom_text.h"
#include "platform/base/code_page.h"
#include "platform/base/string_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/cursor.h"

size_t TokenStartBefore(const AnsiString& Line, size_t End, const TSysCharSet& Stop)
{
    size_t start = std::min(End, Line.size());
    while (start > 0) {
        const size_t prev = CharStartOf(Line, start - 1);
        const unsigned char code = static_cast<unsigned char>(Line[prev]);
        if (start - prev == 1 && (code < 33 || CharInSet(Line[prev], Stop)))
            break;
        start = prev;
    }
    return start;
}

TSynBaseCompletionProposal::TSynBaseCompletionProposal(TComponent* AOwner)
    : TComponent(AOwner), form_(new TSynBaseCompletionProposalForm(this))
{
}

TSynBaseCompletionProposal::~TSynBaseCompletionProposal() = default;

void TSynBaseCompletionProposal::SetOptions(TSynCompletionOptions Value)
{
    form_->SetCompletionOptions(Value);
}

void TSynBaseCompletionProposal::HookedEditorCommand(TObject*, bool, bool&, TSynTextEditorCommand&, char&, void*,
                                                     void*)
{
}

bool TSynBaseCompletionProposal::ExecuteEx(const AnsiString& CurrentString, int X, int Y, SynCompletionType Kind)
{
    form_->SetDisplayType(Kind);
    AnsiString current = CurrentString;
    bool canExecute = true;
    if (OnExecute)
        OnExecute(Kind, this, current, X, Y, canExecute);
    if (!canExecute) {
        if (form_->Visible() && form_->DisplayType() == ctParams)
            form_->Hide();
        return false;
    }
    if (form_->ItemList()->Count() == 0)
        return true;
    form_->SetFormStyle(fsStayOnTop);
    if (Kind == ctCode) {
        form_->SetCurrentString(current);
        form_->PlaceAt(X, Y, width_);
        if (form_->AssignedList()->Count() > 0)
            form_->Show();
    } else {
        form_->SetCurrentString(current);
        form_->PlaceAt(X, Y, width_);
        form_->SetVisible(true);
        form_->Invalidate();
    }
    return true;
}

TSynCompletionProposal::TSynCompletionProposal(TComponent* AOwner) : TSynBaseCompletionProposal(AOwner)
{
    TriggerChars = ".";
    SetOptions(TSynCompletionOptions{scoLimitToMatchedText, scoEndCharCompletion, scoCompleteWithTab,
                                     scoCompleteWithEnter});
    Form()->OnValidate = TValidateEvent(this, &TSynCompletionProposal::Validate);
    Form()->OnCancel = TNotifyEvent(this, &TSynCompletionProposal::Cancel);
    Form()->OnKeyPress = TKeyPressEvent(this, &TSynCompletionProposal::FormKeyPress);
}

TSynCompletionProposal::~TSynCompletionProposal()
{
    if (Form()->Visible())
        CancelCompletion();
    while (!editors_.empty())
        RemoveEditor(editors_.back());
}

void TSynCompletionProposal::SetOptions(TSynCompletionOptions Value)
{
    TSynBaseCompletionProposal::SetOptions(Value);
    if (Value.Contains(scoUseBuiltInTimer)) {
        if (!timer_) {
            timer_ = new TTimer(this);
            timer_->SetEnabled(false);
            timer_->SetInterval(timerInterval_);
            timer_->SetOnTimer(TNotifyEvent(this, &TSynCompletionProposal::TimerTick));
        }
    } else if (timer_) {
        delete timer_;
        timer_ = nullptr;
    }
}

void TSynCompletionProposal::SetTimerInterval(UINT Value)
{
    timerInterval_ = Value;
    if (timer_)
        timer_->SetInterval(Value);
}

void TSynCompletionProposal::AddEditor(TCustomSynText* AEditor)
{
    if (!AEditor || std::find(editors_.begin(), editors_.end(), AEditor) != editors_.end())
        return;
    AEditor->FreeNotification(this);
    editors_.push_back(AEditor);
    AEditor->KbdHandler()->AddKeyDownHandler(TKeyEvent(this, &TSynCompletionProposal::EditorKeyDown));
    AEditor->KbdHandler()->AddKeyPressHandler(TKeyPressEvent(this, &TSynCompletionProposal::EditorKeyPress));
    AEditor->RegisterCommandHandler(THookedCommandEvent(this, &TSynCompletionProposal::HookedEditorCommand), nullptr);
}

void TSynCompletionProposal::Detach(TCustomSynText* AEditor)
{
    editors_.erase(std::remove(editors_.begin(), editors_.end(), AEditor), editors_.end());
    if (Form()->CurrentEditor() == AEditor) {
        if (Form()->Visible())
            CancelCompletion();
        Form()->SetCurrentEditor(nullptr);
    }
}

void TSynCompletionProposal::RemoveEditor(TCustomSynText* AEditor)
{
    if (std::find(editors_.begin(), editors_.end(), AEditor) == editors_.end())
        return;
    AEditor->KbdHandler()->RemoveKeyDownHandler(TKeyEvent(this, &TSynCompletionProposal::EditorKeyDown));
    AEditor->KbdHandler()->RemoveKeyPressHandler(TKeyPressEvent(this, &TSynCompletionProposal::EditorKeyPress));
    AEditor->UnregisterCommandHandler(THookedCommandEvent(this, &TSynCompletionProposal::HookedEditorCommand));
    AEditor->RemoveFreeNotification(this);
    Detach(AEditor);
}

void TSynCompletionProposal::Notification(TComponent* AComponent, TOperation Operation)
{
    TSynBaseCompletionProposal::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    for (TCustomSynText* editor : editors_)
        if (editor == AComponent) {
            Detach(editor);
            return;
        }
}

bool TSynCompletionProposal::IsTrigger(char AChar) const
{
    return AChar != 0 && TriggerChars.find(AChar) != AnsiString::npos;
}

void TSynCompletionProposal::StopTimer()
{
    if (timer_)
        timer_->SetEnabled(false);
}

void TSynCompletionProposal::EditorKeyDown(TObject* Sender, WORD& Key, TShiftState Shift)
{
    auto* editor = static_cast<TCustomSynText*>(Sender);
    if (DefaultType() == ctCode && editor->ReadOnly())
        return;
    WORD key = 0;
    TShiftState shift;
    ShortCutToKey(ShortCut, key, shift);
    if (ShortCut == scNone || Key != key || ::ShortCut(Key, Shift) != ShortCut)
        return;
    Form()->SetCurrentEditor(editor);
    Key = 0;
    DoExecute(editor);
}

void TSynCompletionProposal::EditorKeyPress(TObject* Sender, char& Key)
{
    if (ignoreNextChar_) {
        ignoreNextChar_ = false;
        Key = 0;
        return;
    }
    if (!timer_)
        return;
    if (IsTrigger(Key)) {
        Form()->SetCurrentEditor(static_cast<TCustomSynText*>(Sender));
        timer_->SetEnabled(true);
    } else {
        timer_->SetEnabled(false);
    }
}

void TSynCompletionProposal::TimerTick(TObject*)
{
    StopTimer();
    if (Application && Application->Active()) {
        if (Form()->CurrentEditor())
            DoExecute(Form()->CurrentEditor());
        ignoreNextChar_ = false;
    } else if (Form()->Visible()) {
        Form()->Hide();
    }
}

void TSynCompletionProposal::DoExecute(TCustomSynText* AEditor)
{
    if (std::find(editors_.begin(), editors_.end(), AEditor) == editors_.end())
        return;
    const SynCompletionType kind = DefaultType();
    if (kind == ctCode && AEditor->ReadOnly())
        return;
    TPoint at;
    if (kind == ctHint) {
        GetCursorPos(&at);
    } else {
        at = AEditor->ClientToScreen(AEditor->RowColumnToPixels(AEditor->DisplayXY()));
        at.Y += AEditor->LineHeight();
    }
    Form()->SetCurrentEditor(AEditor);
    TSysCharSet& breaks = Form()->WordBreakChars();
    breaks.reset();
    if (Options().Contains(scoConsiderWordBreakChars))
        for (int c = 1; c < 256; ++c)
            if (AEditor->IsWordBreakChar(static_cast<char>(c)))
                breaks.set(static_cast<size_t>(c));
    for (char c : EndOfTokenChr)
        breaks.set(static_cast<unsigned char>(c));
    const AnsiString line = AEditor->LineText();
    const size_t caret = std::min(static_cast<size_t>(AEditor->CaretX() - 1), line.size());
    const size_t start = TokenStartBefore(line, caret, breaks);
    // The word before it: back over the breaks between the two, then a word.
    size_t previousEnd = start;
    while (previousEnd > 0) {
        const size_t prev = CharStartOf(line, previousEnd - 1);
        const auto code = static_cast<unsigned char>(line[prev]);
        if (previousEnd - prev != 1 || (code >= 33 && !CharInSet(line[prev], breaks)))
            break;
        previousEnd = prev;
    }
    const size_t previousStart = TokenStartBefore(line, previousEnd, breaks);
    previousToken_ = line.substr(previousStart, previousEnd - previousStart);
    const bool ran = ExecuteEx(line.substr(start, caret - start), at.X, at.Y, kind);
    ignoreNextChar_ = kind == ctCode && ran && Form()->Visible();
}

bool TSynCompletionProposal::ExecuteEx(const AnsiString& CurrentString, int X, int Y, SynCompletionType Kind)
{
    const bool ran = TSynBaseCompletionProposal::ExecuteEx(CurrentString, X, Y, Kind);
    StopTimer();
    return ran;
}

void TSynCompletionProposal::HookedEditorCommand(TObject* Sender, bool AfterProcessing, bool&,
                                                 TSynTextEditorCommand& Command, char& AChar, void*, void*)
{
    if (!AfterProcessing)
        return;
    auto* editor = static_cast<TCustomSynText*>(Sender);
    if (Form()->Visible()) {
        if (Form()->DisplayType() == ctHint) {
            CancelCompletion();
        } else if (Form()->DisplayType() == ctParams) {
            if (Command == 480 || Command == 481 || (Command == ecChar && AChar == '\x1B'))
                CancelCompletion();
            else
                DoExecute(editor);
        }
    } else if (timer_ && !(Command == ecChar && IsTrigger(AChar))) {
        timer_->SetEnabled(false);
    }
}

void TSynCompletionProposal::CancelCompletion()
{
    StopTimer();
    ignoreNextChar_ = false;
    if (Form()->Visible()) {
        // A list had the focus; without this the keys would go nowhere.
        TCustomSynText* editor = Form()->DisplayType() == ctCode ? Form()->CurrentEditor() : nullptr;
        Form()->Hide();
        if (editor && editor->HandleAllocated() && editor->CanFocus())
            editor->SetFocus();
    }
    if (OnCancelled)
        OnCancelled(this);
}

void TSynCompletionProposal::Cancel(TObject*)
{
    CancelCompletion();
}

void TSynCompletionProposal::DeactivateParamHint()
{
    if (Form()->DisplayType() == ctParams)
        CancelCompletion();
}

void TSynCompletionProposal::Validate(TObject*, TShiftState Shift, char EndToken)
{
    TCustomSynText* editor = Form()->CurrentEditor();
    if (!editor)
        return;
    const int p = Form()->Position();
    TCompletionEditScope scope(editor, false);
    const TBufferCoord caret = editor->CaretXY();
    const int length = static_cast<int>(Form()->CurrentString().size());
    const TBufferCoord start = BufferCoord(std::max(caret.Char - length, 1), caret.Line);
    editor->SetBlockBegin(start);
    editor->SetBlockEnd(EndToken != 0 ? caret : editor->WordEndAt(caret));
    const AnsiString selected = editor->SelText();
    AnsiString value = selected;
    const TSynCompletionOptions options = Options();
    const bool keep = (EndToken != 0 && !options.Contains(scoEndCharCompletion)) || p < 0 ||
                      p >= Form()->AssignedList()->Count();
    if (!keep) {
        if (!options.Contains(scoUseInsertList))
            value = Form()->AssignedList()->Strings(p);
        else
            value = InsertList()->Strings(options.Contains(scoLimitToMatchedText) ? Form()->UnfilteredIndex(p) : p);
    }
    if (OnCodeCompletion)
        OnCodeCompletion(this, value, Shift, p, EndToken);
    if (selected != value)
        editor->SetSelText(value);
    const TBufferCoord end = editor->BlockEnd();
    StopTimer();
    ignoreNextChar_ = false;
    Form()->Hide();
    if (editor->HandleAllocated() && editor->CanFocus())
        editor->SetFocus();
    editor->SetCaretXY(end);
    editor->EnsureCursorPosVisible();
    if (OnAfterCodeCompletion)
        OnAfterCodeCompletion(this, value, Shift, p, EndToken);
    scope.Close();
}

void TSynCompletionProposal::FormKeyPress(TObject*, char& Key)
{
    TCustomSynText* editor = Form()->CurrentEditor();
    if (Key == 0 || !editor)
        return;
    const char typed = Key;
    Key = 0;
    editor->CommandProcessor(ecChar, typed, nullptr);
    if (Application)
        Application->ProcessMessages();
    if (IsTrigger(typed) && !Form()->Visible() && Form()->CurrentEditor())
        DoExecute(Form()->CurrentEditor());
}
