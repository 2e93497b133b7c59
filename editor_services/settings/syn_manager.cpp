// The settings manager's editor list, its references and the global
// lookups of the manager and the active editor.
#include "editor_services/settings/syn_manager.h"

#include <algorithm>

#include "editor/completion/syn_auto_complete.h"
#include "editor/completion/syn_completion_proposal.h"
#include "editor/syn_custom_text.h"
#include "editor/highlighting/syn_highlighter.h"
#include "editor_services/spelling/syn_auto_correct.h"
#include "editor_services/settings/syn_settings_report.h"
#include "editor_services/spelling/syn_spell_check.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/syn_text_editors_event.h"
#include "editor_services/settings/syn_text_source.h"
#include "platform/base/files.h"
#include "platform/base/ini_files.h"

namespace {

TSynCustomManager* globalManager = nullptr;

bool IsAbsolute(const AnsiString& Name) { return !Name.empty() && Name[0] == '/'; }

}  // namespace

TSynCustomManager* GlobalSynManager() { return globalManager; }

TCustomSynTextEditor* ActiveEditor()
{
    TSynCustomManager* manager = globalManager;
    if (!manager)
        return nullptr;
    TCustomSynTextEditor* lastFocused = LastFocusedSynTextEditor();
    for (int i = 0; i < manager->GetEditorCount(); ++i) {
        TCustomSynTextEditor* editor = manager->GetEditors(i);
        if ((lastFocused && editor == lastFocused) || editor->Focused())
            return editor;
    }
    return nullptr;
}

TSynCustomManager::TSynCustomManager(TComponent* AOwner)
    : TComponent(AOwner),
      SettingsFolder(GetUserConfigDir() + "tandril/"),
      highlighters_(std::make_unique<TSynHighlighters>(this))
{
    globalManager = this;
}

TSynCustomManager::~TSynCustomManager()
{
    if (globalManager == this)
        globalManager = nullptr;
    // The highlighters, templates and completion objects this manager owns
    // go first, while the list that refers to them and Notification are
    // still here.
    DestroyComponents();
    highlighters_->Clear();
}

void TSynCustomManager::Loaded()
{
    TComponent::Loaded();
    componentLoaded_ = true;
    if (AutoLoad)
        LoadSettings();
}

void TSynCustomManager::BeforeDestruction()
{
    if (AutoSave)
        SaveSettings();
    TComponent::BeforeDestruction();
}

int TSynCustomManager::IndexOfEditor(TCustomSynTextEditor* Editor) const
{
    const auto found = std::find(editors_.begin(), editors_.end(), Editor);
    return found == editors_.end() ? -1 : static_cast<int>(found - editors_.begin());
}

int TSynCustomManager::AddEditor(TCustomSynTextEditor* Editor)
{
    if (IndexOfEditor(Editor) >= 0)
        return -1;
    editors_.push_back(Editor);
    const int index = GetEditorCount() - 1;
    Editor->FreeNotification(this);
    if (TSynTextEditorsEvent* hub = GlobalSynTextEditorsEvent())
        hub->AssignEvents(Editor);
    if (editorSource_)
        Editor->Assign(editorSource_);
    if (autoCorrect_)
        autoCorrect_->AddEditor(Editor);
    highlighters_->ApplyToEditor(Editor, highlighters_->IndexOfDefaultLanguage());
    if (OnAddEditor)
        OnAddEditor(this, index);
    return index;
}

void TSynCustomManager::RemoveEditor(TCustomSynTextEditor* Editor) { Unregister(Editor, false); }

void TSynCustomManager::Unregister(TCustomSynTextEditor* Editor, bool Going)
{
    const int index = IndexOfEditor(Editor);
    if (index < 0)
        return;
    // An editor being destroyed is left to the components' own free
    // notifications: it is not to be called any more.
    if (!Going && autoCorrect_)
        autoCorrect_->RemoveEditor(Editor);
    if (!Going && spellCheck_)
        spellCheck_->RemoveEditor(Editor);
    if (OnDeleteEditor)
        OnDeleteEditor(this, index);
    editors_.erase(editors_.begin() + index);
    if (!Going && Editor != synTextEditor_)
        Editor->RemoveFreeNotification(this);
}

void TSynCustomManager::SetSynTextEditor(TCustomSynTextEditor* Value)
{
    if (synTextEditor_ == Value)
        return;
    if (synTextEditor_ && IndexOfEditor(synTextEditor_) < 0)
        synTextEditor_->RemoveFreeNotification(this);
    synTextEditor_ = Value;
    if (synTextEditor_)
        synTextEditor_->FreeNotification(this);
}

template <typename T>
void TSynCustomManager::SetSectionMember(T*& Field, T* Value, bool SectionLoaded, const AnsiString& IniName,
                                         void (TSynCustomManager::*Load)())
{
    if (Field == Value)
        return;
    if (Field)
        Field->RemoveFreeNotification(this);
    Field = Value;
    if (!Field)
        return;
    if (componentLoaded_ && !SectionLoaded && !IniName.empty())
        (this->*Load)();
    Field->FreeNotification(this);
}

void TSynCustomManager::SetEditorSource(TSynTextSource* Value)
{
    SetSectionMember(editorSource_, Value, editorSourceLoaded_, EditorSourceIni, &TSynCustomManager::LoadEditorSource);
}

void TSynCustomManager::SetAutoCorrect(TSynAutoCorrect* Value)
{
    SetSectionMember(autoCorrect_, Value, autoCorrectLoaded_, AutoCorrectIni, &TSynCustomManager::LoadAutoCorrect);
}

void TSynCustomManager::SetSpellCheck(TZavIdiziCheck* Value)
{
    SetSectionMember(spellCheck_, Value, spellCheckLoaded_, SpellCheckIni, &TSynCustomManager::LoadSpellCheck);
}

// A component being destroyed is fit for comparison only: it is matched
// against the references held, never cast or called.
void TSynCustomManager::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == synTextEditor_)
        synTextEditor_ = nullptr;
    for (TCustomSynTextEditor* editor : editors_) {
        if (static_cast<TComponent*>(editor) == AComponent) {
            Unregister(editor, true);
            break;
        }
    }
    if (AComponent == editorSource_)
        editorSource_ = nullptr;
    if (AComponent == autoCorrect_)
        autoCorrect_ = nullptr;
    if (AComponent == spellCheck_)
        spellCheck_ = nullptr;
    const TSynCustomHighlighter* goingHighlighter = nullptr;
    for (int i = 0; i < highlighters_->Count(); ++i) {
        TSynHighlighterItem* item = highlighters_->GetItem(i);
        if (item->Highlighter() && static_cast<TComponent*>(item->Highlighter()) == AComponent)
            goingHighlighter = item->Highlighter();
        else
            item->Forget(AComponent);
    }
    if (goingHighlighter)
        highlighters_->RemoveHighlighter(goingHighlighter);
}

void TSynCustomManager::BuildFilter(AnsiString& AFilter) const
{
    AFilter = Filter;
    if (!AFilter.empty() && AFilter.back() != '|')
        AFilter += '|';
    for (int i = 0; i < highlighters_->Count(); ++i) {
        TSynCustomHighlighter* highlighter = highlighters_->GetHighlighter(i);
        if (!highlighter)
            continue;
        AFilter += highlighter->GetDefaultFilter();
        if (!AFilter.empty() && AFilter.back() != '|')
            AFilter += '|';
    }
}

std::unique_ptr<TCustomIniFile> TSynCustomManager::CreateIniFile(const AnsiString& FileName)
{
    TCustomIniFile* ini = nullptr;
    if (OnCreateIniFile)
        OnCreateIniFile(this, FileName, ini);
    if (ini)
        return std::unique_ptr<TCustomIniFile>(ini);
    return std::make_unique<TIniFile>(FileName);
}

AnsiString TSynCustomManager::ExpandSettingsDir(const AnsiString& Dir) const
{
    AnsiString result = ExpandSettingsFileName(Dir);
    if (!result.empty() && result.back() != '/')
        result += '/';
    return result;
}

AnsiString TSynCustomManager::ExpandSettingsFileName(const AnsiString& FileName) const
{
    return IsAbsolute(FileName) ? FileName : IncludeTrailingPathDelimiter(SettingsFolder) + FileName;
}
