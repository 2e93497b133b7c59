// The spell checker's settings, checking and attached editors.
#include "editor_services/spelling/syn_spell_check.h"

#include <algorithm>

#include "editor/highlighting/syn_highlighter.h"
#include "editor/syn_custom_text.h"
#include "editor_services/spelling/syn_spell_hash.h"
#include "editor_services/spelling/syn_spell_plugin.h"
#include "editor_services/spelling/syn_spell_text.h"
#include "platform/base/code_page.h"
#include "platform/base/files.h"
#include "platform/base/string_list.h"
#include "platform/base/sys_utils.h"

namespace {

// Word without its leading characters up to Mark's code and its trailing
// Marks.
std::string_view Stripped(std::string_view Word, char Mark)
{
    while (!Word.empty() && static_cast<unsigned char>(Word.front()) <= static_cast<unsigned char>(Mark))
        Word.remove_prefix(1);
    while (!Word.empty() && Word.back() == Mark)
        Word.remove_suffix(1);
    return Word;
}

size_t CharCount(std::string_view Word)
{
    size_t count = 0;
    for (size_t i = 0; i < Word.size(); i += CharLengthAt(Word, i))
        ++count;
    return count;
}

}  // namespace

TZavIdiziCheck::TZavIdiziCheck(TComponent* AOwner)
    : TComponent(AOwner),
      SettingsFolder(GetUserConfigDir() + "tandril/"),
      wordChars_(SpellWordChars(apostrophes_)),
      nonWordChars_(SpellNonWordChars(wordChars_)),
      checkAttribs_(std::make_unique<TStringList>()),
      skipList_(std::make_unique<TStringList>())
{
    for (const char* name : {"Comment", "Text", "String", "Documentation"})
        checkAttribs_->Add(name);
}

TZavIdiziCheck::~TZavIdiziCheck()
{
    while (!editors_.empty())
        RemoveEditor(editors_.back());
}

void TZavIdiziCheck::SetAlgorithm(HashAlgorithms Value)
{
    if (Value == algorithm_)
        return;
    algorithm_ = Value;
    Rehash();
}

void TZavIdiziCheck::SetApostrophes(const AnsiString& Value)
{
    apostrophes_ = Value;
    wordChars_ = SpellWordChars(apostrophes_);
    nonWordChars_ = SpellNonWordChars(wordChars_);
}

void TZavIdiziCheck::SetCheckAttribs(TStrings* Value) { checkAttribs_->Assign(Value); }

void TZavIdiziCheck::SetSkipList(TStrings* Value) { skipList_->Assign(Value); }

void TZavIdiziCheck::SetHashLength(int Value)
{
    if (Value == hashLength_ || Value < 1 || Value > 16)
        return;
    hashLength_ = Value;
    Rehash();
}

void TZavIdiziCheck::SetPenColor(TColor Value)
{
    penColor_ = Value;
    if (TDrawAutoSpellCheckPlugin* plugin = CurrentPlugin())
        plugin->SetPenColor(Value);
}

void TZavIdiziCheck::SetUnderlineStyle(TUnderlineStyle Value)
{
    underlineStyle_ = Value;
    if (TDrawAutoSpellCheckPlugin* plugin = CurrentPlugin())
        plugin->SetUnderlineStyle(Value);
}

AnsiString TZavIdiziCheck::HashOf(const AnsiString& Word) const
{
    return algorithm_ == haSoundEx ? SoundEx(Word, hashLength_) : Metaphone(Word);
}

void TZavIdiziCheck::Rehash()
{
    words_.Rehash([this](const AnsiString& Word) { return HashOf(Word); });
}

bool TZavIdiziCheck::CheckWord(const AnsiString& Word) const
{
    const AnsiString trimmed = Trim(Word);
    std::string_view word = trimmed;
    if (word.empty())
        return true;
    if (Options.Contains(sscoIgnoreSingleChars) && CharCount(word) == 1)
        return true;
    if (Options.Contains(sscoIgnoreWordsWithNumbers) &&
        std::any_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return true;
    if (Stripped(word, '-').empty() || Stripped(word, '\'').empty())
        return true;
    if (Options.Contains(sscoTrimApostrophes))
        word = Stripped(word, '\'');
    const AnsiString lower = LowerCase(word);
    return words_.Find(lower) >= 0 || skipList_->IndexOf(lower) >= 0;
}

int TZavIdiziCheck::AddWord(const AnsiString& Word)
{
    const AnsiString word = LowerCase(Trim(Word));
    if (word.empty())
        return -1;
    Modified = true;
    const int index = words_.Insert({word, HashOf(word), true});
    if (OnAddWord)
        OnAddWord(this, Word);
    return index;
}

void TZavIdiziCheck::GetWordAt(TCustomSynText* Editor, const TBufferCoord& Position, const TSysCharSet& WordChars,
                               AnsiString& Word, bool UseWordChars) const
{
    Word.clear();
    if (!Editor || Position.Line < 1 || Position.Line > Editor->Lines()->Count())
        return;
    const AnsiString line = Editor->Lines()->Strings(Position.Line - 1);
    if (Position.Char < 1 || Position.Char > static_cast<int>(line.size()) + 1)
        return;
    const TSysCharSet chars = UseWordChars || !Editor->Highlighter() ? WordChars : Editor->Highlighter()->GetIdentChars();
    const TSpellWordSpan span = SpellWordAround(line, static_cast<size_t>(Position.Char - 1), chars);
    Word = line.substr(span.Start, span.End - span.Start);
}

int TZavIdiziCheck::IndexOfEditor(TComponent* Editor) const
{
    const auto it = std::find(editors_.begin(), editors_.end(), Editor);
    return it == editors_.end() ? -1 : static_cast<int>(it - editors_.begin());
}

TDrawAutoSpellCheckPlugin* TZavIdiziCheck::CurrentPlugin() const
{
    const int index = IndexOfEditor(editor_);
    return index < 0 ? nullptr : plugins_[static_cast<size_t>(index)];
}

int TZavIdiziCheck::AddEditor(TCustomSynText* Editor)
{
    if (!Editor)
        return -1;
    if (const int index = IndexOfEditor(Editor); index >= 0)
        return index;
    auto* plugin = new TDrawAutoSpellCheckPlugin(Editor, this);  // the editor frees it if it goes first
    plugin->SetPenColor(penColor_);
    plugin->SetUnderlineStyle(underlineStyle_);
    editors_.push_back(Editor);
    plugins_.push_back(plugin);
    Editor->FreeNotification(this);
    return static_cast<int>(editors_.size()) - 1;
}

bool TZavIdiziCheck::RemoveEditor(TCustomSynText* Editor)
{
    const int index = IndexOfEditor(Editor);
    if (!Editor || index < 0)
        return false;
    if (editor_ == Editor)
        editor_ = nullptr;
    delete plugins_[static_cast<size_t>(index)];  // leaves the editor's paint
    editors_.erase(editors_.begin() + index);
    plugins_.erase(plugins_.begin() + index);
    Editor->RemoveFreeNotification(this);
    return true;
}

void TZavIdiziCheck::SetEditor(TCustomSynText* Value)
{
    if (Value == editor_)
        return;
    editor_ = AddEditor(Value) >= 0 ? Value : nullptr;
    if (TDrawAutoSpellCheckPlugin* plugin = CurrentPlugin())
        plugin->SetPenColor(penColor_);
}

void TZavIdiziCheck::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    const int index = IndexOfEditor(AComponent);
    if (index < 0)
        return;
    // The going editor has freed its plug-ins already or will; neither it
    // nor the plug-in is touched.
    if (editor_ == AComponent)
        editor_ = nullptr;
    editors_.erase(editors_.begin() + index);
    plugins_.erase(plugins_.begin() + index);
}

AnsiString TZavIdiziCheck::ExpandFolder(const AnsiString& Stored) const
{
    if (Stored.empty())
        return GetDictionaryFolder();
    const AnsiString folder = Stored[0] == PathDelim ? Stored : IncludeTrailingPathDelimiter(SettingsFolder) + Stored;
    return IncludeTrailingPathDelimiter(folder);
}

AnsiString TZavIdiziCheck::GetDictionaryFolder() const
{
    return SettingsFolder.empty() ? AnsiString() : IncludeTrailingPathDelimiter(SettingsFolder);
}

AnsiString TZavIdiziCheck::DictionaryPath() const { return ExpandFolder(dictionaryPath_); }

AnsiString TZavIdiziCheck::UserDirectory() const { return ExpandFolder(userDirectory_); }
