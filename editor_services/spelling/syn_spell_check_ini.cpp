// The spell checker's section of a settings file. Loading twice gives the
// same settings: the attribute list is replaced when the section has a
// count, and the options are set exactly as stored.
#include <algorithm>

#include "editor_services/spelling/syn_spell_check.h"
#include "platform/base/ini_files.h"
#include "platform/base/string_list.h"
#include "platform/base/sys_utils.h"

namespace {

constexpr ZavIdiziCheckOptions kStoredCheckOptions[] = {
    sscoAutoSpellCheck, sscoGoUp,          sscoHideCursor,      sscoHourGlass,
    sscoIgnoreSingleChars, sscoIgnoreWordsWithNumbers, sscoMaintainCase, sscoSelectWord,
    sscoStartFromCursor, sscoSuggestWords, sscoTrimApostrophes,
};

AnsiString OptionsText(TZavIdiziCheckOptions Options)
{
    AnsiString text;
    for (ZavIdiziCheckOptions option : kStoredCheckOptions)
        text += Options.Contains(option) ? '1' : '0';
    return text;
}

TZavIdiziCheckOptions OptionsOf(const AnsiString& Text)
{
    TZavIdiziCheckOptions options;
    for (size_t i = 0; i < std::size(kStoredCheckOptions) && i < Text.size(); ++i)
        if (Text[i] == '1')
            options.Include(kStoredCheckOptions[i]);
    return options;
}

}  // namespace

void TZavIdiziCheck::LoadFromIni(TCustomIniFile* Ini, const AnsiString& Section)
{
    const int algorithm = Ini->ReadInteger(Section, "Algorithm", algorithm_);
    if (algorithm >= haSoundEx && algorithm <= haDiff)
        SetAlgorithm(static_cast<HashAlgorithms>(algorithm));
    SetApostrophes(Ini->ReadString(Section, "Apostrophes", apostrophes_));
    dictionary_ = Ini->ReadString(Section, "Language", "english");
    dictionaryPath_ = Ini->ReadString(Section, "DictionaryPath", DictionaryPath());
    SetHashLength(Ini->ReadInteger(Section, "HashLength", hashLength_));
    if (Ini->ValueExists(Section, "CheckAttribCount")) {
        // A damaged count must not make loading walk billions of absent keys.
        TStringList keys;
        Ini->ReadSection(Section, &keys);
        const int count = std::min(Ini->ReadInteger(Section, "CheckAttribCount", 0), keys.Count());
        checkAttribs_->Clear();
        for (int i = 0; i < count; ++i)
            checkAttribs_->Add(Ini->ReadString(Section, "CheckAttrib" + IntToStr(i), ""));
    }
    Options = OptionsOf(Ini->ReadString(Section, "Options", OptionsText(Options)));
    const int style = Ini->ReadInteger(Section, "UnderlineStyle", underlineStyle_);
    if (style == usCorelWordPerfect || style == usMicrosoftWord)
        SetUnderlineStyle(static_cast<TUnderlineStyle>(style));
    userDirectory_ = Ini->ReadString(Section, "UserDirectory", UserDirectory());
    UseUserDictionary = Ini->ReadBool(Section, "UseUserDictionary", UseUserDictionary);
}

void TZavIdiziCheck::SaveToIni(TCustomIniFile* Ini, const AnsiString& Section) const
{
    Ini->WriteInteger(Section, "Algorithm", algorithm_);
    Ini->WriteString(Section, "Apostrophes", apostrophes_);
    Ini->WriteString(Section, "Language", dictionary_);
    Ini->WriteString(Section, "DictionaryPath", dictionaryPath_);
    Ini->WriteInteger(Section, "HashLength", hashLength_);
    Ini->WriteInteger(Section, "CheckAttribCount", checkAttribs_->Count());
    for (int i = 0; i < checkAttribs_->Count(); ++i)
        Ini->WriteString(Section, "CheckAttrib" + IntToStr(i), checkAttribs_->Strings(i));
    Ini->WriteString(Section, "Options", OptionsText(Options));
    Ini->WriteInteger(Section, "UnderlineStyle", underlineStyle_);
    Ini->WriteString(Section, "UserDirectory", userDirectory_);
    Ini->WriteBool(Section, "UseUserDictionary", UseUserDictionary);
}
