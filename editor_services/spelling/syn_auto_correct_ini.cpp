// The auto-correct section of a settings file, and the linked item file
// that takes the items' place when it exists.
#include <algorithm>
#include <cstdlib>

#include "editor_services/spelling/syn_auto_correct.h"
#include "editor_services/spelling/syn_auto_correct_text.h"
#include "platform/base/atomic_file.h"
#include "platform/base/code_page.h"
#include "platform/base/files.h"
#include "platform/base/ini_files.h"
#include "platform/base/string_list.h"
#include "platform/base/sys_utils.h"

namespace {

constexpr TAsSynAutoCorrectOption kStoredOptions[] = {ascoCorrectOnMouseDown, ascoIgnoreCase, ascoMaintainCase};

// "0" or "1" per option, in the order of the enumeration.
AnsiString OptionsText(TAsSynAutoCorrectOptions Options)
{
    AnsiString text;
    for (TAsSynAutoCorrectOption option : kStoredOptions)
        text += Options.Contains(option) ? '1' : '0';
    return text;
}

// One past the highest item index that has a key in the section: a damaged
// "Count" must not make loading walk billions of absent keys.
int StoredItemLimit(TCustomIniFile* Ini, const AnsiString& Section)
{
    TStringList keys;
    Ini->ReadSection(Section, &keys);
    int limit = 0;
    for (int i = 0; i < keys.Count(); ++i) {
        const AnsiString key = LowerCase(keys.Strings(i));
        for (const char* prefix : {"original", "correction"}) {
            const AnsiString rest = key.starts_with(prefix) ? key.substr(std::char_traits<char>::length(prefix)) : "";
            if (!rest.empty() && rest.size() < 10 && std::all_of(rest.begin(), rest.end(), [](char c) { return c >= '0' && c <= '9'; }))
                limit = std::max(limit, std::atoi(rest.c_str()) + 1);
        }
    }
    return limit;
}

}  // namespace

AnsiString TCustomSynAutoCorrect::LinkFileName(TCustomIniFile* Ini, const AnsiString& Section) const
{
    const AnsiString link = Ini->ReadString(Section, "Link", "");
    if (link.empty() || link[0] == PathDelim)
        return link;
    return ExtractFilePath(Ini->FileName()) + link;
}

void TCustomSynAutoCorrect::LoadFromIni(TCustomIniFile* Ini, const AnsiString& Section)
{
    items_->Clear();
    // The stored items are joined with the separator they will be split by.
    const int code = Ini->ReadInteger(Section, "ItemSepChar", static_cast<unsigned char>(ItemSepChar));
    if (code >= 0 && code <= 255)
        ItemSepChar = static_cast<char>(code);
    const AnsiString link = LinkFileName(Ini, Section);
    if (!link.empty() && FileExists(link)) {
        items_->LoadFromFile(link);
    } else {
        const int count = std::min(Ini->ReadInteger(Section, "Count", 0), StoredItemLimit(Ini, Section));
        for (int i = 0; i < count; ++i) {
            const AnsiString original = Ini->ReadString(Section, "Original" + IntToStr(i), "");
            const AnsiString correction = Ini->ReadString(Section, "Correction" + IntToStr(i), "");
            if (!original.empty() || !correction.empty())
                items_->Add(original + ItemSepChar + correction);
        }
    }
    Enabled = Ini->ReadBool(Section, "Enabled", Enabled);
    const AnsiString options = Ini->ReadString(Section, "Options", OptionsText(Options));
    Options = {};
    for (size_t i = 0; i < std::size(kStoredOptions) && i < options.size(); ++i)
        if (options[i] == '1')
            Options.Include(kStoredOptions[i]);
}

void TCustomSynAutoCorrect::SaveToIni(TCustomIniFile* Ini, const AnsiString& Section) const
{
    const AnsiString link = LinkFileName(Ini, Section);
    if (!link.empty() && FileExists(link)) {
        WriteFileAtomically(link, items_->Text());
        return;
    }
    Ini->WriteInteger(Section, "Count", items_->Count());
    AnsiString original;
    AnsiString correction;
    for (int i = 0; i < items_->Count(); ++i) {
        SplitAutoCorrectItem(items_->Strings(i), ItemSepChar, original, correction);
        Ini->WriteString(Section, "Original" + IntToStr(i), original);
        Ini->WriteString(Section, "Correction" + IntToStr(i), correction);
    }
    Ini->WriteBool(Section, "Enabled", Enabled);
    Ini->WriteInteger(Section, "ItemSepChar", static_cast<unsigned char>(ItemSepChar));
    Ini->WriteString(Section, "Options", OptionsText(Options));
}
