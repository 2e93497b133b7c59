// The highlighter list: lookups by language and file name, giving an editor
// an item's highlighter, and reading an item's scheme and template files.
#include "editor_services/settings/syn_highlighters.h"

#include "editor/completion/syn_auto_complete.h"
#include "editor/completion/syn_completion_proposal.h"
#include "editor/syn_custom_text.h"
#include "editor/highlighting/syn_highlighter.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/settings/syn_template_file.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"

namespace {

// Drops the manager's free notification of Old and asks for one of New.
template <typename T>
void Relink(TComponent* Manager, T*& Field, T* Value)
{
    if (Field == Value)
        return;
    if (Field && Manager)
        Field->RemoveFreeNotification(Manager);
    Field = Value;
    if (Field && Manager)
        Field->FreeNotification(Manager);
}

}  // namespace

TSynHighlighterItem::~TSynHighlighterItem()
{
    SetHighlighter(nullptr);
    SetCodeTemplate(nullptr);
    SetCodeInsight(nullptr);
}

TSynCustomManager* TSynHighlighterItem::Manager() const
{
    auto* list = static_cast<TSynHighlighters*>(Collection());
    return list ? list->Manager() : nullptr;
}

void TSynHighlighterItem::SetHighlighter(TSynCustomHighlighter* Value) { Relink(Manager(), highlighter_, Value); }
void TSynHighlighterItem::SetCodeTemplate(TSynAutoComplete* Value) { Relink(Manager(), codeTemplate_, Value); }
void TSynHighlighterItem::SetCodeInsight(TSynCompletionProposal* Value) { Relink(Manager(), codeInsight_, Value); }

void TSynHighlighterItem::Forget(const TComponent* AComponent)
{
    if (AComponent == highlighter_)
        highlighter_ = nullptr;
    if (AComponent == codeTemplate_)
        codeTemplate_ = nullptr;
    if (AComponent == codeInsight_)
        codeInsight_ = nullptr;
}

void TSynHighlighterItem::Assign(TPersistent* Source)
{
    auto* item = dynamic_cast<TSynHighlighterItem*>(Source);
    if (!item) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetHighlighter(item->Highlighter());
    SetCodeTemplate(item->CodeTemplate());
    SetCodeInsight(item->CodeInsight());
    FileName = item->FileName;
}

AnsiString TSynHighlighterItem::GetDisplayName() const
{
    return highlighter_ ? highlighter_->GetFriendlyLanguageName() : AnsiString();
}

void TSynHighlighterItem::LoadItem()
{
    if (IsLoaded)
        return;
    IsLoaded = true;
    LoadFailed = false;
    if (highlighter_ && FileExists(FullPath)) {
        AnsiString reason;
        try {
            if (!highlighter_->LoadFromFile(FullPath))
                reason = "not a scheme file";
        } catch (const Exception& E) {
            reason = E.what();
        }
        if (!reason.empty()) {
            LoadFailed = true;
            if (TSynCustomManager* manager = Manager())
                manager->ReportSchemeFailure(FullPath + ": " + reason);
        } else if (TSynCustomManager* manager = Manager()) {
            // The scheme changed under the editors that show it.
            for (int i = 0; i < manager->GetEditorCount(); ++i)
                if (manager->GetEditors(i)->Highlighter() == highlighter_)
                    manager->GetEditors(i)->RebuildFoldRanges();
        }
    }
    const AnsiString templateFile = ChangeFileExt(FullPath, ".ini");
    if (!FileExists(templateFile))
        return;
    TMemoryStream bytes;
    try {
        bytes.LoadFromFile(templateFile);
    } catch (const Exception& E) {
        if (TSynCustomManager* manager = Manager())
            manager->ReportSchemeFailure(templateFile + ": " + E.what());
        return;
    }
    ReadTemplateFileText(std::string_view(static_cast<const char*>(bytes.Memory()), bytes.Size()),
                         codeTemplate_ ? codeTemplate_->AutoCompleteList() : nullptr,
                         codeInsight_ ? codeInsight_->ItemList() : nullptr,
                         codeInsight_ ? codeInsight_->InsertList() : nullptr);
}

TSynHighlighters::TSynHighlighters(TSynCustomManager* AManager)
    : TCollection(TCollection::Of<TSynHighlighterItem>()), manager_(AManager)
{
}

TPersistent* TSynHighlighters::GetOwner() { return manager_; }

TSynHighlighterItem* TSynHighlighters::GetItem(int Index) const
{
    return Index >= 0 && Index < Count() ? static_cast<TSynHighlighterItem*>(Items(Index)) : nullptr;
}

TSynCustomHighlighter* TSynHighlighters::GetHighlighter(int Index) const
{
    TSynHighlighterItem* item = GetItem(Index);
    return item ? item->Highlighter() : nullptr;
}

int TSynHighlighters::IndexOfLanguage(const AnsiString& Name) const
{
    const AnsiString wanted = LowerCase(Name);
    for (int i = 0; i < Count(); ++i)
        if (TSynCustomHighlighter* h = GetHighlighter(i); h && LowerCase(h->GetFriendlyLanguageName()) == wanted)
            return i;
    return -1;
}

int TSynHighlighters::IndexOfFileName(const AnsiString& FileName) const
{
    const AnsiString wanted = LowerCase(FileName);
    for (int i = 0; i < Count(); ++i)
        if (LowerCase(GetItem(i)->FileName) == wanted)
            return i;
    return -1;
}

void TSynHighlighters::ApplyToEditor(TCustomSynText* Editor, int Index)
{
    if (TSynCustomHighlighter* current = Editor->Highlighter()) {
        for (int i = 0; i < Count(); ++i) {
            TSynHighlighterItem* item = GetItem(i);
            if (item->Highlighter() != current)
                continue;
            if (item->CodeTemplate())
                item->CodeTemplate()->RemoveEditor(Editor);
            if (item->CodeInsight())
                item->CodeInsight()->RemoveEditor(Editor);
        }
    }
    TSynHighlighterItem* item = GetItem(Index);
    if (item)
        item->LoadItem();
    if (!item || item->LoadFailed) {
        Editor->SetHighlighter(nullptr);
        return;
    }
    Editor->SetHighlighter(item->Highlighter());
    if (item->CodeTemplate())
        item->CodeTemplate()->AddEditor(Editor);
    if (item->CodeInsight())
        item->CodeInsight()->AddEditor(Editor);
    Editor->RebuildFoldRanges();
}

void TSynHighlighters::RemoveHighlighter(const TSynCustomHighlighter* Highlighter)
{
    for (int i = Count() - 1; i >= 0; --i) {
        if (GetItem(i)->Highlighter() == Highlighter) {
            GetItem(i)->Forget(Highlighter);
            Delete(i);
        }
    }
}
