// TCustomSynAutoCorrect / TSynAutoCorrect: replaces a mistyped word by its
// correction when the user ends the word in an attached editor, and
// optionally corrects the whole caret line when the user clicks into the
// text. Items come from an INI section or from a linked text file.
#pragma once

#include <memory>
#include <vector>

#include "editor/syn_custom_text.h"
#include "platform/base/component.h"
#include "platform/base/event.h"
#include "platform/base/set.h"

class TCustomIniFile;
class TStringList;

enum TAsSynAutoCorrectOption { ascoCorrectOnMouseDown, ascoIgnoreCase, ascoMaintainCase };
using TAsSynAutoCorrectOptions = TSet<TAsSynAutoCorrectOption>;

enum TAutoCorrectAction { aaCorrect, aaAbort };
using TAutoCorrectEvent = TEvent<void(TObject* Sender, const AnsiString& AOriginal, const AnsiString& ACorrection,
                                      int Line, int Column, TAutoCorrectAction& Action)>;

class TCustomSynAutoCorrect : public TComponent {
public:
    explicit TCustomSynAutoCorrect(TComponent* AOwner);
    // Detaches every editor still attached, so none keeps a handler of a
    // component that is gone.
    ~TCustomSynAutoCorrect() override;

    // The settings the settings manager reads and writes.
    bool Enabled = true;
    // One item per line: original, ItemSepChar, correction.
    TStringList* Items() const { return items_.get(); }
    void SetItems(TStrings* Value);
    char ItemSepChar = '\t';
    TAsSynAutoCorrectOptions Options{ascoIgnoreCase, ascoMaintainCase};

    TCustomSynText* Editor() const { return editor_; }
    void SetEditor(TCustomSynText* Value);
    // Hooks the editor's commands and mouse presses; nothing for nullptr or
    // an editor attached already.
    void AddEditor(TCustomSynText* AEditor);
    void RemoveEditor(TCustomSynText* AEditor);

    // One section of a settings file. A "Link" naming an existing file
    // (relative names taken in the settings file's folder) holds the items
    // instead of the section.
    void LoadFromIni(TCustomIniFile* Ini, const AnsiString& Section);
    void SaveToIni(TCustomIniFile* Ini, const AnsiString& Section) const;

    // Before a correction; aaAbort cancels it.
    TAutoCorrectEvent OnAutoCorrect;
    // After every check of a typed word, and after a corrected line.
    TNotifyEvent OnCorrected;

protected:
    virtual void EditorCommandHook(TObject* Sender, bool AfterProcessing, bool& Handled,
                                   TSynTextEditorCommand& Command, char& AChar, void* Data, void* HandlerData);
    virtual void EditorMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Whether a typed command ends the word before the caret; keeps track of
    // a double-byte character typed as two ecChar commands, whose trail byte
    // ends nothing.
    bool EndsWord(TCustomSynText* AEditor, TSynTextEditorCommand Command, char AChar);
    // Forgets an editor that is going; it is not touched any more.
    void Forget(TComponent* AEditor);
    AnsiString LinkFileName(TCustomIniFile* Ini, const AnsiString& Section) const;

    std::unique_ptr<TStringList> items_;
    std::vector<TCustomSynText*> editors_;  // attached, each hooked and free-notified
    TCustomSynText* editor_ = nullptr;      // also in editors_ while set
    TCustomSynText* leadTypedIn_ = nullptr;  // the editor whose last typed byte was a lead byte
};

class TSynAutoCorrect : public TCustomSynAutoCorrect {
public:
    using TCustomSynAutoCorrect::TCustomSynAutoCorrect;
};
