// TSynAutoComplete: expands the keyword before the caret into its template
// from AutoCompleteList on a shortcut, and offers the keywords in a lookup
// list when the word is not one of them.
#pragma once

#include <memory>
#include <vector>

#include "editor/completion/syn_completion_proposal.h"

class TStringList;

class TSynAutoComplete : public TComponent {
public:
    explicit TSynAutoComplete(TComponent* AOwner);
    ~TSynAutoComplete() override;

    // Keyword lines, each optionally followed by a "|description" line and
    // then by its "=template" lines; a "|" in a template marks the caret.
    TStringList* AutoCompleteList() const { return autoCompleteList_.get(); }
    AnsiString EndOfTokenChr = "()[]. ";
    TCustomSynText* Editor() const { return editor_; }
    void SetEditor(TCustomSynText* Value);
    void AddEditor(TCustomSynText* AEditor);
    void RemoveEditor(TCustomSynText* AEditor);
    TShortCut ShortCut = ::ShortCut(VK_SPACE, TShiftState{ssShift});
    TSynCompletionOptions Options() const { return options_; }
    void SetOptions(TSynCompletionOptions Value);
    bool DoLookupWhenNotExact() const { return doLookupWhenNotExact_; }
    void SetDoLookupWhenNotExact(bool Value);
    // The lookup list; present while DoLookupWhenNotExact is set.
    TSynCompletionProposal* Lookup() const { return lookup_; }

    void Execute(const AnsiString& Token, TCustomSynText* AEditor, bool LookupAllowed = true);
    // The word that ends at the editor's caret.
    AnsiString TokenBeforeCaret(TCustomSynText* AEditor) const;

    TNotifyEvent OnBeforeExecute;
    TNotifyEvent OnAfterExecute;

protected:
    virtual void EditorKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    virtual void EditorKeyPress(TObject* Sender, char& Key);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void Expand(int Index, TCustomSynText* AEditor);
    void OpenLookup(TCustomSynText* AEditor);
    void LookupAccepted(TObject* Sender, const AnsiString& Value, TShiftState Shift, int Index, char EndToken);
    TSynCompletionOptions LookupOptions() const;

    std::unique_ptr<TStringList> autoCompleteList_;
    std::vector<TCustomSynText*> editors_;  // free-notified
    TCustomSynText* editor_ = nullptr;
    TSynCompletionOptions options_;
    bool doLookupWhenNotExact_ = true;
    bool noNextKey_ = false;
    TSynCompletionProposal* lookup_ = nullptr;  // owned by this component
};
