// Loading and saving the settings: the schemes folder with "syntax.ini" and
// the template files, and the "Editor Store", "Auto Correct" and "Spell
// Check" sections. Each file is read or
// written on its own; what fails is collected and reported once at the end.
#include <exception>

#include "editor/completion/syn_auto_complete.h"
#include "editor/completion/syn_completion_form.h"
#include "editor/completion/syn_completion_proposal.h"
#include "editor_services/spelling/syn_auto_correct.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/settings/syn_settings_report.h"
#include "editor_services/spelling/syn_spell_check.h"
#include "editor_services/settings/syn_template_file.h"
#include "editor_services/settings/syn_text_source.h"
#include "highlighter/syn_lex_syn.h"
#include "highlighter/syn_scheme_xml20.h"
#include "highlighter/xml_reader.h"
#include "platform/base/atomic_file.h"
#include "platform/base/files.h"
#include "platform/base/ini_files.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"

namespace {

const char kIndexFile[] = "syntax.ini";
const char kIndexSection[] = "syntax";
const char kEditorStoreSection[] = "Editor Store";
const char kAutoCorrectSection[] = "Auto Correct";
const char kSpellCheckSection[] = "Spell Check";

// The scheme's name and extensions from its information element, without
// reading the whole scheme. A file of an older format has no such element
// and gives an empty name; one that is not a document raises.
void ReadSchemeInfo(const AnsiString& FileName, TSynInfo& Info)
{
    TMemoryStream bytes;
    bytes.LoadFromFile(FileName);
    const TXmlDocument document =
        ReadXmlDocument(std::string_view(static_cast<const char*>(bytes.Memory()), bytes.Size()));
    const TXmlNode* coloring = document.Root().FindChild("SyntaxColoring");
    const TXmlNode* info = coloring ? coloring->FindChild("Info") : nullptr;
    if (info)
        TSynLexFormatNativeXml20::Instance().ImportInfo(&Info, *info);
}

// Runs Work; an exception becomes one line of Failures naming File.
template <typename F>
void Collect(std::vector<AnsiString>& Failures, const AnsiString& File, F Work)
{
    try {
        Work();
    } catch (const std::exception& E) {
        Failures.push_back(File + ": " + E.what());
    }
}

}  // namespace

void TSynCustomManager::LoadSettings()
{
    if (ComponentState().Contains(csDesigning))
        return;
    std::vector<AnsiString> failures;
    LoadHighlightersInto(HighlightersPath, failures);
    if (!EditorSourceIni.empty())
        LoadEditorSourceInto(failures);
    if (!AutoCorrectIni.empty())
        LoadAutoCorrectInto(failures);
    if (!SpellCheckIni.empty())
        LoadSpellCheckInto(failures);
    ReportSettingsFailures(failures);
}

void TSynCustomManager::SaveSettings()
{
    if (ComponentState().Contains(csDesigning))
        return;
    std::vector<AnsiString> failures;
    SaveHighlightersInto(HighlightersPath, failures);
    if (!EditorSourceIni.empty())
        SaveEditorSourceInto(failures);
    if (!AutoCorrectIni.empty())
        SaveAutoCorrectInto(failures);
    if (!SpellCheckIni.empty())
        SaveSpellCheckInto(failures);
    ReportSettingsFailures(failures);
}

void TSynCustomManager::LoadHighlighters(const AnsiString& Path)
{
    std::vector<AnsiString> failures;
    LoadHighlightersInto(Path, failures);
    ReportSettingsFailures(failures);
}

void TSynCustomManager::SaveHighlighters(const AnsiString& Path)
{
    std::vector<AnsiString> failures;
    SaveHighlightersInto(Path, failures);
    ReportSettingsFailures(failures);
}

void TSynCustomManager::LoadEditorSource()
{
    std::vector<AnsiString> failures;
    LoadEditorSourceInto(failures);
    ReportSettingsFailures(failures);
}

void TSynCustomManager::SaveEditorSource()
{
    std::vector<AnsiString> failures;
    SaveEditorSourceInto(failures);
    ReportSettingsFailures(failures);
}

void TSynCustomManager::LoadAutoCorrect()
{
    std::vector<AnsiString> failures;
    LoadAutoCorrectInto(failures);
    ReportSettingsFailures(failures);
}

void TSynCustomManager::SaveAutoCorrect()
{
    std::vector<AnsiString> failures;
    SaveAutoCorrectInto(failures);
    ReportSettingsFailures(failures);
}

void TSynCustomManager::LoadSpellCheck()
{
    std::vector<AnsiString> failures;
    LoadSpellCheckInto(failures);
    ReportSettingsFailures(failures);
}

void TSynCustomManager::SaveSpellCheck()
{
    std::vector<AnsiString> failures;
    SaveSpellCheckInto(failures);
    ReportSettingsFailures(failures);
}

void TSynCustomManager::ReportSchemeFailure(const AnsiString& Failure) { ReportSettingsFailures({Failure}); }

void TSynCustomManager::LoadSection(const AnsiString& IniName, std::vector<AnsiString>& Failures,
                                    const std::function<void(TCustomIniFile* Ini)>& Read)
{
    const AnsiString fileName = ExpandSettingsFileName(IniName);
    Collect(Failures, fileName, [&] { Read(CreateIniFile(fileName).get()); });
}

void TSynCustomManager::SaveSection(const AnsiString& IniName, std::vector<AnsiString>& Failures,
                                    const std::function<bool(TCustomIniFile* Ini)>& Write)
{
    const AnsiString fileName = ExpandSettingsFileName(IniName);
    Collect(Failures, fileName, [&] {
        std::unique_ptr<TCustomIniFile> ini = CreateIniFile(fileName);
        if (Write(ini.get()))
            ini->UpdateFile();
    });
}

void TSynCustomManager::LoadEditorSourceInto(std::vector<AnsiString>& Failures)
{
    LoadSection(EditorSourceIni, Failures, [this](TCustomIniFile* Ini) {
        if (editorSource_)
            editorSource_->LoadFromIni(Ini, kEditorStoreSection);
    });
    editorSourceLoaded_ = true;
}

void TSynCustomManager::SaveEditorSourceInto(std::vector<AnsiString>& Failures)
{
    SaveSection(EditorSourceIni, Failures, [this](TCustomIniFile* Ini) {
        if (editorSource_)
            editorSource_->SaveToIni(Ini, kEditorStoreSection);
        return editorSource_ != nullptr;
    });
}

void TSynCustomManager::LoadAutoCorrectInto(std::vector<AnsiString>& Failures)
{
    LoadSection(AutoCorrectIni, Failures, [this](TCustomIniFile* Ini) {
        if (autoCorrect_)
            autoCorrect_->LoadFromIni(Ini, kAutoCorrectSection);
    });
    autoCorrectLoaded_ = true;
}

void TSynCustomManager::SaveAutoCorrectInto(std::vector<AnsiString>& Failures)
{
    SaveSection(AutoCorrectIni, Failures, [this](TCustomIniFile* Ini) {
        if (autoCorrect_)
            autoCorrect_->SaveToIni(Ini, kAutoCorrectSection);
        return autoCorrect_ != nullptr;
    });
}

void TSynCustomManager::LoadSpellCheckInto(std::vector<AnsiString>& Failures)
{
    LoadSection(SpellCheckIni, Failures, [this](TCustomIniFile* Ini) {
        if (!spellCheck_)
            return;
        spellCheck_->LoadFromIni(Ini, kSpellCheckSection);
        spellCheck_->LoadDictionary(spellCheck_->Dictionary());
    });
    spellCheckLoaded_ = true;
}

void TSynCustomManager::SaveSpellCheckInto(std::vector<AnsiString>& Failures)
{
    SaveSection(SpellCheckIni, Failures, [this](TCustomIniFile* Ini) {
        if (spellCheck_)
            spellCheck_->SaveToIni(Ini, kSpellCheckSection);
        return spellCheck_ != nullptr;
    });
    if (!spellCheck_ || !spellCheck_->OpenDictionary())
        return;
    Collect(Failures, spellCheck_->SkipListFileName(),
            [this] { spellCheck_->SaveSkipList(spellCheck_->SkipListFileName()); });
    Collect(Failures, spellCheck_->UserDictionaryFileName(), [this] { spellCheck_->SaveUserDictionary(); });
}

void TSynCustomManager::LoadHighlightersInto(const AnsiString& Path, std::vector<AnsiString>& Failures)
{
    const AnsiString folder = ExpandSettingsDir(Path);
    std::unique_ptr<TCustomIniFile> index;
    if (FileExists(folder + kIndexFile))
        Collect(Failures, folder + kIndexFile, [&] { index = CreateIniFile(folder + kIndexFile); });

    TSearchRec entry;
    for (int found = FindFirst(folder + "*.xml", faDirectory, entry); found == 0; found = FindNext(entry)) {
        // A folder whose name ends in ".xml" is no scheme.
        if (entry.Attr & faDirectory)
            continue;
        const AnsiString fullPath = folder + entry.Name;
        int itemIndex = highlighters_->IndexOfFileName(entry.Name);
        TSynHighlighterItem* item = highlighters_->GetItem(itemIndex);
        const AnsiString fileName = item ? item->FileName : entry.Name;
        // Every scan makes an item read its file again at next use, also one
        // whose file can no longer be named below: until it is read again,
        // nothing of it is written back over the file.
        if (item) {
            item->IsLoaded = false;
            item->LoadFailed = false;
        }

        TSynInfo info;
        if (auto* lexSyn = item ? dynamic_cast<TSynLexSyn*>(item->Highlighter()) : nullptr)
            info = *lexSyn->Info();
        if (!item || dynamic_cast<TSynLexSyn*>(item->Highlighter())) {
            if (index) {
                info.General.Name = index->ReadString(kIndexSection, fileName + ".Name", "");
                info.General.Extensions = index->ReadString(kIndexSection, fileName + ".Extensions", "");
            }
            if (info.General.Name.empty()) {
                bool readable = true;
                Collect(Failures, fullPath, [&] {
                    readable = false;
                    ReadSchemeInfo(fullPath, info);
                    readable = true;
                });
                // A scheme that is not a readable document stays out of the
                // list, its file untouched.
                if (!readable)
                    continue;
            }
        }

        if (!item) {
            item = static_cast<TSynHighlighterItem*>(highlighters_->Add());
            item->SetHighlighter(new TSynLexSyn(this));
            item->FileName = entry.Name;
        }
        item->FullPath = folder + item->FileName;
        if (auto* lexSyn = dynamic_cast<TSynLexSyn*>(item->Highlighter())) {
            lexSyn->Info()->General.Name = info.General.Name;
            lexSyn->Info()->General.Extensions = info.General.Extensions;
        }
        if (!item->CodeTemplate()) {
            auto* codeTemplate = new TSynAutoComplete(this);
            // Its lookup list takes these (and pretty text); Tab and Enter
            // then accept a keyword there as in the completion list.
            codeTemplate->SetOptions(
                {scoLimitToMatchedText, scoEndCharCompletion, scoCompleteWithTab, scoCompleteWithEnter});
            item->SetCodeTemplate(codeTemplate);
        }
        if (!item->CodeInsight())
            item->SetCodeInsight(new TSynCompletionProposal(this));
    }
    FindClose(entry);
}

void TSynCustomManager::SaveHighlightersInto(const AnsiString& Path, std::vector<AnsiString>& Failures)
{
    const AnsiString folder = ExpandSettingsDir(Path);
    const AnsiString indexFile = folder + kIndexFile;
    std::unique_ptr<TCustomIniFile> index;
    Collect(Failures, indexFile, [&] { index = CreateIniFile(indexFile); });
    for (int i = 0; i < highlighters_->Count(); ++i) {
        TSynHighlighterItem* item = highlighters_->GetItem(i);
        auto* lexSyn = dynamic_cast<TSynLexSyn*>(item->Highlighter());
        if (lexSyn && index) {
            index->WriteString(kIndexSection, item->FileName + ".Name", lexSyn->Info()->General.Name);
            index->WriteString(kIndexSection, item->FileName + ".Extensions", lexSyn->Info()->General.Extensions);
        }
        if (!item->IsLoaded)
            continue;
        // A scheme that could not be read is never written over.
        if (item->Highlighter() && !item->LoadFailed) {
            const AnsiString schemeFile = folder + ChangeFileExt(item->FileName, ".xml");
            Collect(Failures, schemeFile, [&] {
                if (!item->Highlighter()->SaveToFile(schemeFile))
                    throw EWriteError("the scheme could not be written");
            });
        }
        const AnsiString templateFile = folder + ChangeFileExt(item->FileName, ".ini");
        Collect(Failures, templateFile, [&] {
            TSynAutoComplete* codeTemplate = item->CodeTemplate();
            TSynCompletionProposal* codeInsight = item->CodeInsight();
            WriteFileAtomically(templateFile,
                                TemplateFileText(codeTemplate ? codeTemplate->AutoCompleteList() : nullptr,
                                                 codeInsight ? codeInsight->ItemList() : nullptr,
                                                 codeInsight ? codeInsight->InsertList() : nullptr));
        });
    }
    if (index)
        Collect(Failures, indexFile, [&] { index->UpdateFile(); });
}
