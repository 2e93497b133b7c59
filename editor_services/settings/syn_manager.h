// TSynCustomManager / TSynManager: the one object that keeps the open
// editors, gives each new one the stored settings, the default highlighter
// and its templates, and loads and saves every editor setting: the schemes
// folder with "syntax.ini" and the template files, the "Editor Store"
// section of the editor settings file, and the auto-correct and
// spell-check sections where they are given files.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "editor_services/settings/syn_highlighters.h"
#include "platform/base/component.h"
#include "platform/base/event.h"

class TCustomIniFile;
class TCustomSynTextEditor;
class TSynAutoCorrect;
class TSynTextSource;
class TZavIdiziCheck;

using TSynManagerEditorEvent = TEvent<void(TObject* Sender, int Index)>;
using TSynManagerCreateIniEvent = TEvent<void(TObject* Sender, const AnsiString& FileName, TCustomIniFile*& Ini)>;

class TSynCustomManager : public TComponent {
public:
    explicit TSynCustomManager(TComponent* AOwner);
    ~TSynCustomManager() override;

    // The editor's index, or -1 (and nothing else done) when it is
    // registered already.
    int AddEditor(TCustomSynTextEditor* Editor);
    // Runs by itself when a registered editor is freed.
    void RemoveEditor(TCustomSynTextEditor* Editor);
    int GetEditorCount() const { return static_cast<int>(editors_.size()); }
    TCustomSynTextEditor* GetEditors(int Index) const { return editors_.at(Index); }
    int IndexOfEditor(TCustomSynTextEditor* Editor) const;

    TCustomSynTextEditor* SynTextEditor() const { return synTextEditor_; }
    void SetSynTextEditor(TCustomSynTextEditor* Value);

    TSynHighlighters* Highlighters() const { return highlighters_.get(); }
    void SetHighlighters(TSynHighlighters* Value) { highlighters_->Assign(Value); }
    TSynTextSource* EditorSource() const { return editorSource_; }
    // Loads the "Editor Store" section at once when the manager has been
    // loaded and the section has not been read yet.
    void SetEditorSource(TSynTextSource* Value);
    // Attaches every editor registered after it; its section is loaded at
    // once as the editor store's is.
    TSynAutoCorrect* AutoCorrect() const { return autoCorrect_; }
    void SetAutoCorrect(TSynAutoCorrect* Value);
    // Forgets the editors that are unregistered; its section is loaded at
    // once as the editor store's is.
    TZavIdiziCheck* SpellCheck() const { return spellCheck_; }
    void SetSpellCheck(TZavIdiziCheck* Value);

    // Failures of single files are reported after the whole load or save
    // (ReportSettingsFailures) and never stop the others.
    void LoadSettings();
    void SaveSettings();
    void LoadHighlighters(const AnsiString& Path);
    void SaveHighlighters(const AnsiString& Path);
    void LoadEditorSource();
    void SaveEditorSource();
    void LoadAutoCorrect();
    void SaveAutoCorrect();
    // Loading opens the dictionary the section names; saving also writes
    // the skip list and the user's words of an open dictionary.
    void LoadSpellCheck();
    void SaveSpellCheck();

    // The open-dialog filter: Filter and every scheme's filter, each ended
    // by "|".
    void BuildFilter(AnsiString& AFilter) const;
    // OnCreateIniFile's object, or a TIniFile on FileName.
    std::unique_ptr<TCustomIniFile> CreateIniFile(const AnsiString& FileName);

    // A relative settings name taken inside SettingsFolder; a folder name
    // ends in '/'.
    AnsiString ExpandSettingsDir(const AnsiString& Dir) const;
    AnsiString ExpandSettingsFileName(const AnsiString& FileName) const;

    // Called by the items when a scheme fails to load at first use.
    void ReportSchemeFailure(const AnsiString& Failure);

    // The per-user settings folder that relative names are taken in, with a
    // trailing '/'; the program's own per-user folder by default.
    AnsiString SettingsFolder;
    AnsiString HighlightersPath;
    AnsiString Filter;
    AnsiString EditorSourceIni;
    AnsiString AutoCorrectIni;
    AnsiString SpellCheckIni;
    bool AutoLoad = false;
    bool AutoSave = false;
    TSynManagerEditorEvent OnAddEditor;
    TSynManagerEditorEvent OnDeleteEditor;
    TSynManagerCreateIniEvent OnCreateIniFile;

    // After the component is read: LoadSettings when AutoLoad is set.
    void Loaded() override;

protected:
    void BeforeDestruction() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Moves the free notification from Field's object to Value, and reads
    // Value's section at once when the manager has been loaded and the
    // section has not been read.
    template <typename T>
    void SetSectionMember(T*& Field, T* Value, bool SectionLoaded, const AnsiString& IniName,
                          void (TSynCustomManager::*Load)());
    // Going: the editor is being destroyed and is not touched.
    void Unregister(TCustomSynTextEditor* Editor, bool Going);
    // The three sections' loaders and savers: IniName made absolute and
    // opened, Read or Write run on it; the file is written when Write
    // answers that its component wrote the section.
    void LoadSection(const AnsiString& IniName, std::vector<AnsiString>& Failures,
                     const std::function<void(TCustomIniFile* Ini)>& Read);
    void SaveSection(const AnsiString& IniName, std::vector<AnsiString>& Failures,
                     const std::function<bool(TCustomIniFile* Ini)>& Write);
    void LoadEditorSourceInto(std::vector<AnsiString>& Failures);
    void SaveEditorSourceInto(std::vector<AnsiString>& Failures);
    void LoadAutoCorrectInto(std::vector<AnsiString>& Failures);
    void SaveAutoCorrectInto(std::vector<AnsiString>& Failures);
    void LoadSpellCheckInto(std::vector<AnsiString>& Failures);
    void SaveSpellCheckInto(std::vector<AnsiString>& Failures);
    void LoadHighlightersInto(const AnsiString& Path, std::vector<AnsiString>& Failures);
    void SaveHighlightersInto(const AnsiString& Path, std::vector<AnsiString>& Failures);

    std::vector<TCustomSynTextEditor*> editors_;  // registered, in registration order; each with a free notification
    TCustomSynTextEditor* synTextEditor_ = nullptr;  // not owned; cleared when it goes
    std::unique_ptr<TSynHighlighters> highlighters_;
    TSynTextSource* editorSource_ = nullptr;  // not owned; cleared when it goes
    bool editorSourceLoaded_ = false;
    TSynAutoCorrect* autoCorrect_ = nullptr;  // not owned; cleared when it goes
    bool autoCorrectLoaded_ = false;
    TZavIdiziCheck* spellCheck_ = nullptr;  // not owned; cleared when it goes
    bool spellCheckLoaded_ = false;
    bool componentLoaded_ = false;
};

class TSynManager : public TSynCustomManager {
public:
    using TSynCustomManager::TSynCustomManager;
};

// The manager constructed last that still exists; nullptr when none.
TSynCustomManager* GlobalSynManager();

// The first registered editor that last received the focus or has it
// now; nullptr without a manager or when none qualifies.
TCustomSynTextEditor* ActiveEditor();
