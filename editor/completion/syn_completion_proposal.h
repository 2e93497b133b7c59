// The completion components that work through the popup form:
// TSynBaseCompletionProposal owns the popup and opens it at a point;
// TSynCompletionProposal attaches to editors and opens it on a shortcut or
// after a trigger character and a delay, and puts the accepted item into
// the text.
#pragma once

#include <memory>
#include <vector>

#include "editor/completion/syn_completion_form.h"
#include "editor/syn_custom_text_types.h"
#include "platform/ui/kernel/shortcuts.h"
#include "platform/win/virtual_keys.h"

class TCustomSynText;
class TTimer;

using TCompletionExecute = TEvent<void(SynCompletionType Kind, TObject* Sender, AnsiString& CurrentInput, int& X,
                                       int& Y, bool& CanExecute)>;
using TCodeCompletionEvent =
    TEvent<void(TObject* Sender, AnsiString& Value, TShiftState Shift, int Index, char EndToken)>;
using TAfterCodeCompletionEvent =
    TEvent<void(TObject* Sender, const AnsiString& Value, TShiftState Shift, int Index, char EndToken)>;

// Where the word that ends at byte index End of Line starts: stepping back
// whole characters while they are printable and not Stop. A double-byte
// character never stops the scan, whatever its trail byte.
size_t TokenStartBefore(const AnsiString& Line, size_t End, const TSysCharSet& Stop);

class TSynBaseCompletionProposal : public TComponent {
public:
    explicit TSynBaseCompletionProposal(TComponent* AOwner);
    ~TSynBaseCompletionProposal() override;

    TSynBaseCompletionProposalForm* Form() const { return form_; }
    SynCompletionType DefaultType() const { return defaultType_; }
    void SetDefaultType(SynCompletionType Value) { defaultType_ = Value; }
    TSynCompletionOptions Options() const { return form_->CompletionOptions(); }
    virtual void SetOptions(TSynCompletionOptions Value);
    TStringList* ItemList() const { return form_->ItemList(); }
    TStringList* InsertList() const { return form_->InsertList(); }
    int NbLinesInWindow() const { return form_->NbLinesInWindow(); }
    void SetNbLinesInWindow(int Value) { form_->SetNbLinesInWindow(Value); }
    int Width() const { return width_; }
    void SetWidth(int Value) { width_ = Value; }
    AnsiString EndOfTokenChr = "()[]. ";
    AnsiString TriggerChars;
    const AnsiString& Title() const { return form_->Title(); }
    void SetTitle(const AnsiString& Value) { form_->SetTitle(Value); }
    TFont* Font() const { return form_->ItemFont(); }
    TFont* TitleFont() const { return form_->TitleFont(); }
    TProposalColumns* Columns() const { return form_->Columns(); }
    bool Visible() const { return form_->Visible(); }

    virtual void DeactivateParamHint() {}
    virtual void HookedEditorCommand(TObject* Sender, bool AfterProcessing, bool& Handled,
                                     TSynTextEditorCommand& Command, char& AChar, void* Data, void* HandlerData);
    // Opens the popup at the screen point; false when OnExecute vetoed it.
    virtual bool ExecuteEx(const AnsiString& CurrentString, int X, int Y, SynCompletionType Kind);
    bool Execute(const AnsiString& CurrentString, int X, int Y) { return ExecuteEx(CurrentString, X, Y, defaultType_); }

    TCompletionExecute OnExecute;

private:
    TSynBaseCompletionProposalForm* form_;  // owned through the component tree
    SynCompletionType defaultType_ = ctCode;
    int width_ = 260;
};

class TSynCompletionProposal : public TSynBaseCompletionProposal {
public:
    explicit TSynCompletionProposal(TComponent* AOwner);
    ~TSynCompletionProposal() override;

    void SetOptions(TSynCompletionOptions Value) override;
    TShortCut ShortCut = ::ShortCut(VK_SPACE, TShiftState{ssCtrl});
    TCustomSynText* Editor() const { return editors_.empty() ? nullptr : editors_.front(); }
    void SetEditor(TCustomSynText* Value) { AddEditor(Value); }
    void AddEditor(TCustomSynText* AEditor);
    void RemoveEditor(TCustomSynText* AEditor);
    int EditorCount() const { return static_cast<int>(editors_.size()); }
    UINT TimerInterval() const { return timerInterval_; }
    void SetTimerInterval(UINT Value);
    TTimer* Timer() const { return timer_; }
    // The word before the one being typed, taken each time the popup is
    // asked for; a parameter hint's OnExecute can tell the function by it.
    const AnsiString& PreviousToken() const { return previousToken_; }

    virtual void DoExecute(TCustomSynText* AEditor);
    bool ExecuteEx(const AnsiString& CurrentString, int X, int Y, SynCompletionType Kind) override;
    void HookedEditorCommand(TObject* Sender, bool AfterProcessing, bool& Handled, TSynTextEditorCommand& Command,
                             char& AChar, void* Data, void* HandlerData) override;
    void DeactivateParamHint() override;
    void CancelCompletion();

    TCodeCompletionEvent OnCodeCompletion;
    TAfterCodeCompletionEvent OnAfterCodeCompletion;
    TNotifyEvent OnCancelled;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void EditorKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    void EditorKeyPress(TObject* Sender, char& Key);
    void TimerTick(TObject* Sender);
    void Validate(TObject* Sender, TShiftState Shift, char EndToken);
    void Cancel(TObject* Sender);
    void FormKeyPress(TObject* Sender, char& Key);
    void StopTimer();
    void Detach(TCustomSynText* AEditor);
    bool IsTrigger(char AChar) const;

    std::vector<TCustomSynText*> editors_;  // free-notified
    TTimer* timer_ = nullptr;               // owned by this component; only with scoUseBuiltInTimer
    UINT timerInterval_ = 1000;
    bool ignoreNextChar_ = false;
    AnsiString previousToken_;
};
