// The spell checker's files: the dictionary's word list, the user's own
// words and the skip list, all one word a line.
#include <string_view>

#include "editor_services/spelling/syn_spell_check.h"
#include "platform/base/atomic_file.h"
#include "platform/base/code_page.h"
#include "platform/base/files.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"
#include "platform/base/sys_utils.h"

namespace {

AnsiString ReadWholeFile(const AnsiString& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    AnsiString bytes(static_cast<size_t>(stream.Size()), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    return bytes;
}

// Appends the words of Text, one a line (LF or CR LF), lower-cased and
// without surrounding blanks.
void AddWords(std::string_view Text, bool UserWords, std::vector<TWordRec>& Words)
{
    while (!Text.empty()) {
        const size_t end = std::min(Text.find('\n'), Text.size());
        AnsiString word = LowerCase(Trim(Text.substr(0, end)));
        if (!word.empty())
            Words.push_back({std::move(word), "", UserWords});
        Text.remove_prefix(std::min(end + 1, Text.size()));
    }
}

}  // namespace

AnsiString TZavIdiziCheck::UserDictionaryFileName() const { return UserDirectory() + language_.Name + ".UserWord.dic"; }

AnsiString TZavIdiziCheck::SkipListFileName() const { return UserDirectory() + language_.Name + ".SkipWord.dic"; }

void TZavIdiziCheck::LoadDictionary(const AnsiString& Name)
{
    if (openDictionary_)
        CloseDictionary();
    dictionary_ = Name;
    language_ = {Name, DictionaryPath() + Name + ".dic"};
    std::vector<TWordRec> words;
    if (FileExists(language_.FileName)) {
        AddWords(ReadWholeFile(language_.FileName), false, words);
    } else if (!SystemWordList.empty() && FileExists(SystemWordList)) {
        language_.FileName = SystemWordList;
        AddWords(Utf8ToGbk(ReadWholeFile(SystemWordList)), false, words);
    } else {
        language_.FileName.clear();
    }
    if (UseUserDictionary && FileExists(UserDictionaryFileName()))
        AddWords(ReadWholeFile(UserDictionaryFileName()), true, words);
    for (TWordRec& word : words)
        word.Hash = HashOf(word.Word);
    words_.Assign(std::move(words));
    if (FileExists(SkipListFileName()))
        skipList_->LoadFromFile(SkipListFileName());
    openDictionary_ = true;
    Modified = false;
    if (OnDictLoad)
        OnDictLoad(this);
}

void TZavIdiziCheck::CloseDictionary()
{
    words_.Clear();
    skipList_->Clear();
    openDictionary_ = false;
    if (OnDictClose)
        OnDictClose(this);
}

void TZavIdiziCheck::SaveUserDictionary()
{
    // Without the user's file read in, writing would lose the words in it.
    if (!UseUserDictionary)
        return;
    // UserDirectory falls back to the settings folder, so an empty stored
    // folder never means a folder without a name.
    const AnsiString folder = UserDirectory();
    if (folder.empty() || !ForceDirectories(folder))
        return;
    AnsiString text;
    for (int i = 0; i < words_.Count(); ++i)
        if (words_.Items(i).UserWord)
            text += words_.Items(i).Word + sLineBreak;
    WriteFileAtomically(UserDictionaryFileName(), text);
    Modified = false;
}

void TZavIdiziCheck::SaveSkipList(const AnsiString& FileName)
{
    for (int i = skipList_->Count() - 1; i >= 0; --i)
        if (Trim(skipList_->Strings(i)).empty())
            skipList_->Delete(i);
    ForceDirectories(ExtractFileDir(FileName));
    WriteFileAtomically(FileName, skipList_->Text());
}
