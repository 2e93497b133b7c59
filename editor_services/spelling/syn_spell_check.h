// TZavIdiziCheck: the spell checker. It checks words against a word list
// held in memory (the dictionary, the user's own words and a list of words
// to skip), keeps the user's words and the skip list in files of the
// per-user settings folder, and underlines unknown words in the editors
// attached to it, through one TDrawAutoSpellCheckPlugin each.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "editor/document/editor_types.h"
#include "editor/document/text_routines.h"
#include "editor_services/spelling/syn_spell_text.h"
#include "editor_services/spelling/syn_spell_word_list.h"
#include "platform/base/component.h"
#include "platform/base/event.h"
#include "platform/base/set.h"
#include "platform/gdi/colors.h"

class TCustomIniFile;
class TCustomSynText;
class TDrawAutoSpellCheckPlugin;
class TStringList;
class TStrings;

// haDiff hashes as haMetaphone does.
enum HashAlgorithms { haSoundEx, haMetaphone, haDiff };

// In the order of the digits of the stored "Options".
enum ZavIdiziCheckOptions {
    sscoAutoSpellCheck,
    sscoGoUp,
    sscoHideCursor,
    sscoHourGlass,
    sscoIgnoreSingleChars,
    sscoIgnoreWordsWithNumbers,
    sscoMaintainCase,
    sscoSelectWord,
    sscoStartFromCursor,
    sscoSuggestWords,
    sscoTrimApostrophes,
};
using TZavIdiziCheckOptions = TSet<ZavIdiziCheckOptions>;

// The wave of the underline: usMicrosoftWord goes down first.
enum TUnderlineStyle { usCorelWordPerfect, usMicrosoftWord };

// The dictionary that is open: its name and the word-list file it came
// from (empty when only the user's own words were there).
struct TLanguageRec {
    AnsiString Name;
    AnsiString FileName;
};

using TAddWordEvent = TEvent<void(TObject* Sender, const AnsiString& AWord)>;
// Before an unknown word of a checking run is handled: the suggestions,
// the correction and the action chosen (the host's codes) come back.
using TCheckWordEvent = TEvent<void(TObject* Sender, const AnsiString& AWord, TStringList* ASuggestions,
                                    AnsiString& ACorrectWord, int& AAction, bool AUndoEnabled)>;
using TCorrectWordEvent = TEvent<void(TObject* Sender, const AnsiString& AWord, const AnsiString& ACorrectWord)>;
using TSkipWordEvent = TEvent<void(TObject* Sender, const AnsiString& AWord, bool ASkipAll)>;

inline constexpr const char* SSystemWordList = "/usr/share/dict/american-english";

class TZavIdiziCheck : public TComponent {
public:
    explicit TZavIdiziCheck(TComponent* AOwner);
    // Takes its plug-ins out of the editors still attached.
    ~TZavIdiziCheck() override;

    // --- Settings, as the "Spell Check" section stores them ---
    HashAlgorithms Algorithm() const { return algorithm_; }
    // A new value rehashes every word.
    void SetAlgorithm(HashAlgorithms Value);
    // Characters that belong to words besides hyphen, digits and letters.
    const AnsiString& Apostrophes() const { return apostrophes_; }
    void SetApostrophes(const AnsiString& Value);
    // Names of the highlighter attributes whose words are underlined.
    TStringList* CheckAttribs() const { return checkAttribs_.get(); }
    void SetCheckAttribs(TStrings* Value);
    // The name of the dictionary to open, stored as "Language".
    const AnsiString& Dictionary() const { return dictionary_; }
    // The folder of the word-list files, absolute and ending in '/': a
    // relative folder is taken inside SettingsFolder, none stored gives
    // GetDictionaryFolder.
    AnsiString DictionaryPath() const;
    void SetDictionaryPath(const AnsiString& Value) { dictionaryPath_ = Value; }
    // 1 to 16, the length of SoundEx hashes; a new value rehashes.
    int HashLength() const { return hashLength_; }
    void SetHashLength(int Value);
    TColor PenColor() const { return penColor_; }
    // Also given to the current editor's plug-in.
    void SetPenColor(TColor Value);
    TUnderlineStyle UnderlineStyle() const { return underlineStyle_; }
    void SetUnderlineStyle(TUnderlineStyle Value);
    // The folder of the user's word files, made as DictionaryPath is.
    AnsiString UserDirectory() const;
    void SetUserDirectory(const AnsiString& Value) { userDirectory_ = Value; }
    TZavIdiziCheckOptions Options;
    // Whether the user's own words are read with the dictionary and
    // written back; when off, the user's file is left as it is.
    bool UseUserDictionary = true;

    // The per-user settings folder, where word files are kept when no
    // folder is stored; the program's own by default.
    AnsiString SettingsFolder;
    // The word list used when DictionaryPath holds no file for the
    // dictionary: a UTF-8 list, one word a line.
    AnsiString SystemWordList = SSystemWordList;

    // --- The dictionary ---
    bool OpenDictionary() const { return openDictionary_; }
    const TLanguageRec& Language() const { return language_; }
    // Whether user words were added since the user dictionary was read or
    // written.
    bool Modified = false;
    // Words the user chose to skip, looked up without case.
    TStringList* SkipList() const { return skipList_.get(); }
    void SetSkipList(TStrings* Value);
    const TSpellWordList& Words() const { return words_; }

    // Opens the dictionary Name: the GBK word list DictionaryPath + Name +
    // ".dic" when it exists, else SystemWordList when it exists, else none;
    // then the user's words (UserDictionaryFileName) and the skip list
    // (SkipListFileName) when they exist. Fires OnDictLoad.
    void LoadDictionary(const AnsiString& Name);
    // Forgets every word and the skip list; fires OnDictClose.
    void CloseDictionary();
    // The user's word Word, in lower case, joins the list and OnAddWord
    // fires; answers its index, -1 for a blank word.
    int AddWord(const AnsiString& Word);
    AnsiString UserDictionaryFileName() const;
    AnsiString SkipListFileName() const;
    // Writes the user's words, one a line in list order, when the user
    // folder exists or can be made; clears Modified.
    void SaveUserDictionary();
    // Drops blank entries from SkipList, then writes it, one a line.
    void SaveSkipList(const AnsiString& FileName);
    // The folder word files are kept in when none is stored.
    AnsiString GetDictionaryFolder() const;

    // --- Checking ---
    // Whether Word is accepted: blank, ignored by Options, made only of
    // hyphens or apostrophes, in the word list or in SkipList.
    bool CheckWord(const AnsiString& Word) const;
    // The index of Word (compared with case) in the word list, or -1.
    int FindWord(const AnsiString& Word) const { return words_.Find(Word); }
    // The word-character set made from Apostrophes, and the bytes 1 to 255
    // outside it.
    const TSysCharSet& WordChars() const { return wordChars_; }
    const TSysCharSet& NonWordChars() const { return nonWordChars_; }
    // The base letter of each byte 128 to 255, at index byte - 128.
    const std::array<char, 128>& AccentTable() const { return SpellAccentTable(); }
    // Whether a checking run through a text is going on. The checker only
    // underlines and answers single words, so it never is.
    bool Busy() const { return false; }
    // The word of Editor around Position: over WordChars when UseWordChars
    // is set or Editor has no highlighter, else over the highlighter's
    // identifier characters; empty when the position lies outside the line.
    void GetWordAt(TCustomSynText* Editor, const TBufferCoord& Position, const TSysCharSet& WordChars,
                   AnsiString& Word, bool UseWordChars) const;

    // --- Editors ---
    // Attaches Editor (a plug-in underlines its unknown words); answers its
    // index, the old one when it was attached, -1 for none.
    int AddEditor(TCustomSynText* Editor);
    // False when Editor was not attached.
    bool RemoveEditor(TCustomSynText* Editor);
    TCustomSynText* Editor() const { return editor_; }
    // Attaches Value when needed and makes it current.
    void SetEditor(TCustomSynText* Value);

    // --- The "Spell Check" section ---
    void LoadFromIni(TCustomIniFile* Ini, const AnsiString& Section);
    void SaveToIni(TCustomIniFile* Ini, const AnsiString& Section) const;

    // The events of a checking run through a text (OnStart, OnCheckWord,
    // OnCorrectWord, OnSkipWord, then OnDone or OnAbort) are for the host
    // that runs one; the checker fires OnAddWord, OnDictLoad and
    // OnDictClose itself.
    TNotifyEvent OnAbort;
    // A user word was added: AWord as given to AddWord.
    TAddWordEvent OnAddWord;
    TCheckWordEvent OnCheckWord;
    TCorrectWordEvent OnCorrectWord;
    TNotifyEvent OnDictClose;
    TNotifyEvent OnDictLoad;
    TNotifyEvent OnDone;
    TSkipWordEvent OnSkipWord;
    TNotifyEvent OnStart;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    AnsiString HashOf(const AnsiString& Word) const;
    void Rehash();
    AnsiString ExpandFolder(const AnsiString& Stored) const;
    int IndexOfEditor(TComponent* Editor) const;
    TDrawAutoSpellCheckPlugin* CurrentPlugin() const;

    HashAlgorithms algorithm_ = haDiff;
    AnsiString apostrophes_ = "'`";
    TSysCharSet wordChars_;     // always SpellWordChars(apostrophes_)
    TSysCharSet nonWordChars_;  // always SpellNonWordChars(wordChars_)
    std::unique_ptr<TStringList> checkAttribs_;
    AnsiString dictionary_;
    AnsiString dictionaryPath_;  // as stored; may be relative or empty
    int hashLength_ = 4;
    TColor penColor_ = clRed;
    TUnderlineStyle underlineStyle_ = usMicrosoftWord;
    AnsiString userDirectory_;  // as stored; may be relative or empty
    bool openDictionary_ = false;
    TLanguageRec language_;
    std::unique_ptr<TStringList> skipList_;
    TSpellWordList words_;  // every hash made by HashOf
    // Attached editors and, at the same index, the plug-in in each; each
    // editor free-notifies this checker, and its plug-in is freed with it.
    std::vector<TCustomSynText*> editors_;
    std::vector<TDrawAutoSpellCheckPlugin*> plugins_;
    TCustomSynText* editor_ = nullptr;  // also in editors_ while set
};
