// TCustomSynTextEditor: the editor every article tab holds. The memo editor
// plus a document name, state and line-break format, document events, the
// place of the last change, its own commands 901 to 913, export, insertion
// of a file, and the process-wide last focused document editor.
#pragma once

#include "editor/syn_memo.h"
#include "platform/base/set.h"

class TStream;
class TSynCustomExporter;
class TSynFileDialog;
class TSynTextPrint;

inline constexpr TSynTextEditorCommand ecGotoLastChange = 901;
inline constexpr TSynTextEditorCommand ecDocUpperCase = 902;
inline constexpr TSynTextEditorCommand ecDocLowerCase = 903;
inline constexpr TSynTextEditorCommand ecDocToggleCase = 904;
inline constexpr TSynTextEditorCommand ecDocTitleCase = 905;
// The data argument is the TSynTextPrint; the character '1' asks the
// user for pages and copies first.
inline constexpr TSynTextEditorCommand ecDocPrint = 906;
inline constexpr TSynTextEditorCommand ecClearBookmarks = 907;
inline constexpr TSynTextEditorCommand ecDeleteWholeWord = 908;
inline constexpr TSynTextEditorCommand ecSelectLine = 909;
inline constexpr TSynTextEditorCommand ecSelectNextWord = 910;
inline constexpr TSynTextEditorCommand ecSelectLastWord = 911;
inline constexpr TSynTextEditorCommand ecSelectNextLine = 912;
inline constexpr TSynTextEditorCommand ecSelectLastLine = 913;

enum TSynDocumentState { smsNormal, smsDocument };
// doSelection: the selection instead of the whole text; doReset: the file
// becomes the editor's document; doDefine: a file dialog names the file.
enum TSynDocumentOption { doSelection, doReset, doDefine };
using TSynDocumentOptions = TSet<TSynDocumentOption>;
using TSynDocumentEvent = TEvent<void(TObject* Sender, TStream* Stream, TSynDocumentOptions Options)>;

class TCustomSynTextEditor : public TSynMemo {
public:
    explicit TCustomSynTextEditor(TComponent* AOwner);
    ~TCustomSynTextEditor() override;
    TCustomSynTextEditor(const TCustomSynTextEditor&) = delete;
    TCustomSynTextEditor& operator=(const TCustomSynTextEditor&) = delete;

    const AnsiString& DocumentName() const { return documentName_; }
    void SetDocumentName(const AnsiString& Value);
    // The line breaks of the text buffer.
    TSynTextFileFormat DocumentFormat() const;
    void SetDocumentFormat(TSynTextFileFormat Value);
    TSynDocumentState DocumentState = smsNormal;  // smsDocument only after an insert or export with doReset
    // The caret when the text last changed; (0, 0) before any change.
    TBufferCoord LastChange{0, 0};

    // Exports the selection or the whole text; an empty name with
    // doDefine asks for one. The exporter's own failures pass on.
    void ExportDocument(AnsiString FileName, TSynCustomExporter* Exporter, TSynDocumentOptions Options);
    // Replaces the selection or the whole text with a file's text (UTF-8
    // and UTF-16 turned into GBK, with a word to the user when a character
    // has no GBK form); false
    // (after telling the user) when the dialog was cancelled or the file
    // could not be read, the text then unchanged.
    bool InsertFile(AnsiString FileName, TSynFileDialog* Dialog, TSynDocumentOptions Options);
    // Gives Print this editor's text, options and highlighter, and the
    // document's name (when it has one) as the title its running heads show.
    void AssignToPrint(TSynTextPrint* Print);

    TSynDocumentEvent OnLoadDocument;
    TSynDocumentEvent OnSaveDocument;
    TNotifyEvent OnCloseDocument;

    virtual void DoLoadDocument(TStream* Stream, TSynDocumentOptions Options);
    virtual void DoSaveDocument(TStream* Stream, TSynDocumentOptions Options);
    virtual void DoCloseDocument();

protected:
    void DoChange() override;
    void DoExecuteCommand(TSynTextEditorCommand Command, char AChar, void* Data) override;
    TSynCommandSteps CommandSteps(TSynTextEditorCommand Command) const override;
    // WM_SETFOCUS makes this the last focused document editor.
    void Dispatch(TMessage& Message) override;

private:
    // Runs the built-in commands one of the document's own commands is
    // made of.
    void RunSteps(TSynTextEditorCommand Command, char AChar, void* Data);
    // Title case of the selection: word starts become capitals, one undo
    // step.
    void TitleCaseSelection();
    // The next (Forward) or previous real word, skipping runs of blanks and
    // punctuation.
    void SelectWord(bool Forward);
    void SelectLineAt(int Line);
    void PrintDocument(char AChar, TSynTextPrint* Print);
    // The file as the editor's document now: name, state, unmodified.
    void ResetDocument(const AnsiString& FileName);

    AnsiString documentName_;
};

class TSynTextEditor : public TCustomSynTextEditor {
public:
    using TCustomSynTextEditor::TCustomSynTextEditor;
};

// The document editor that last had the keyboard focus; nullptr when none
// has, or once that one is gone.
TCustomSynTextEditor* LastFocusedSynTextEditor();
