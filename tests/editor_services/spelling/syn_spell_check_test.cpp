// The spell checker without an editor: the bucketed word list, checking
// words, finding words by characters, the dictionary's files, the user's
// word list byte for byte and the settings section.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "editor_services/spelling/syn_spell_check.h"
#include "editor_services/spelling/syn_spell_hash.h"
#include "editor_services/spelling/syn_spell_text.h"
#include "editor_services/spelling/syn_spell_word_list.h"
#include "platform/base/ini_files.h"
#include "platform/base/string_list.h"
#include "tests/platform/base/temp_folder.h"
#include "tests/support/test_random.h"

namespace {

// Trail bytes that read as 'f' (說 D5 66) and 'T' (門 E9 54), and one that is
// itself a lead byte (中 D6 D0).
const AnsiString SpellShuo = "說";
const AnsiString SpellMen = "門";
const AnsiString SpellZhong = "中";

std::vector<AnsiString> WordsOf(const TSpellWordList& List)
{
    std::vector<AnsiString> words;
    for (int i = 0; i < List.Count(); ++i)
        words.push_back(List.Items(i).Word);
    return words;
}

TEST(SpellWordList, AssignSortsInByteOrderAndMergesEqualWords)
{
    TSpellWordList list;
    list.Assign({{"b", "", false}, {SpellZhong, "", false}, {"", "", true}, {"ab", "", false}, {"a", "", false},
                 {"b", "", true}, {"z", "", false}});
    // Bytes compare unsigned: the GBK word comes after z.
    EXPECT_EQ(WordsOf(list), (std::vector<AnsiString>{"a", "ab", "b", "z", SpellZhong}));
    EXPECT_TRUE(list.Items(2).UserWord);  // one of the two b was the user's
    EXPECT_FALSE(list.Items(0).UserWord);
}

TEST(SpellWordList, FindLooksInTheBucketOfTheFirstByte)
{
    TSpellWordList list;
    list.Assign({{"a", "", false}, {"ba", "", false}, {"bb", "", false}, {"c", "", false}, {SpellZhong, "", false}});
    // "a" is the only word of its bucket and sits at index 0: a bucket whose
    // last index is 0 is not an empty one.
    EXPECT_EQ(list.Find("a"), 0);
    EXPECT_EQ(list.Find("ba"), 1);
    EXPECT_EQ(list.Find("bb"), 2);
    EXPECT_EQ(list.Find("c"), 3);
    EXPECT_EQ(list.Find(SpellZhong), 4);
    for (const char* absent : {"", "b", "bab", "bc", "d", "A", "\xD6"})
        EXPECT_EQ(list.Find(absent), -1) << absent;
    list.Clear();
    EXPECT_EQ(list.Find("a"), -1);
}

TEST(SpellWordList, RandomInsertsKeepOrderAndBuckets)
{
    // Words of two to four letters from a small alphabet, so that many
    // share a first byte and many are inserted twice.
    for (uint32_t seed : {1u, 2u, 3u}) {
        TRandom random(seed);
        TSpellWordList list;
        std::vector<AnsiString> expected;
        for (int step = 0; step < 300; ++step) {
            AnsiString word;
            for (int n = random.Between(1, 3); n > 0; --n)
                word += static_cast<char>(random.Pick({'a', 'b', 'q', '\x81', '\xFE'}));
            const int index = list.Insert({word, "", random.Chance(50)});
            if (std::find(expected.begin(), expected.end(), word) == expected.end())
                expected.insert(std::upper_bound(expected.begin(), expected.end(), word), word);
            ASSERT_EQ(list.Items(index).Word, word) << "seed " << seed << " step " << step;
            ASSERT_EQ(WordsOf(list), expected) << "seed " << seed << " step " << step;
            for (size_t i = 0; i < expected.size(); ++i)
                ASSERT_EQ(list.Find(expected[i]), static_cast<int>(i)) << expected[i] << " seed " << seed;
        }
    }
}

TEST(SpellText, WordsAreFoundByCharacters)
{
    const TSysCharSet chars = SpellWordChars("'`");
    const AnsiString line = SpellShuo + "abc " + SpellMen + SpellZhong + "don't x-ray";
    std::vector<AnsiString> words;
    for (TSpellWordSpan w = NextSpellWord(line, 0, chars); !w.Empty(); w = NextSpellWord(line, w.End, chars))
        words.push_back(line.substr(w.Start, w.End - w.Start));
    // 說's trail byte is an f, 門's a T: neither starts or joins a word.
    EXPECT_EQ(words, (std::vector<AnsiString>{"abc", "don't", "x-ray"}));

    const auto around = [&](const AnsiString& Line, size_t At) {
        const TSpellWordSpan w = SpellWordAround(Line, At, chars);
        return Line.substr(w.Start, w.End - w.Start);
    };
    EXPECT_EQ(around(line, 2), "abc");  // just after 說
    EXPECT_EQ(around(line, 3), "abc");
    EXPECT_EQ(around(line, 5), "abc");  // just after the word
    EXPECT_EQ(around(line, 1), "");     // on 說's trail byte
    EXPECT_EQ(around(line, 6), "");     // on 門
    EXPECT_EQ(around(line, 10), "don't");
    EXPECT_EQ(around(SpellMen + SpellZhong, 4), "");
}

TEST(SpellText, TheNonWordCharactersAreTheRestOfTheBytesAndFollowTheApostrophes)
{
    TZavIdiziCheck checker(nullptr);
    const auto check = [&](const char* Label) {
        for (int c = 1; c < 256; ++c)
            EXPECT_NE(checker.WordChars().test(static_cast<size_t>(c)),
                      checker.NonWordChars().test(static_cast<size_t>(c)))
                << Label << " " << c;
        EXPECT_FALSE(checker.NonWordChars().test(0)) << Label;
    };
    check("default");
    EXPECT_TRUE(checker.NonWordChars().test(' '));
    EXPECT_TRUE(checker.NonWordChars().test('"'));
    EXPECT_FALSE(checker.NonWordChars().test('\''));
    checker.SetApostrophes("\"");
    check("changed");
    EXPECT_FALSE(checker.NonWordChars().test('"'));
    EXPECT_TRUE(checker.NonWordChars().test('\''));
    EXPECT_FALSE(checker.NonWordChars().test('-'));
}

TEST(SpellText, TheAccentTableGivesTheBaseLetters)
{
    TZavIdiziCheck checker(nullptr);
    const std::array<char, 128>& table = checker.AccentTable();
    const auto base = [&](int C) { return table[static_cast<size_t>(C - 128)]; };
    // Both ends of runs, single entries and their neighbours.
    const std::vector<std::pair<int, char>> changed = {
        {138, 'S'}, {140, 'S'}, {141, 'T'}, {142, 'Z'}, {143, 'Z'}, {154, 's'}, {159, 'z'}, {160, ' '},
        {163, 'L'}, {165, 'A'}, {170, 'S'}, {175, 'Z'}, {185, 'a'}, {186, 's'}, {188, 'L'}, {190, 'l'},
        {191, 'z'}, {192, 'R'}, {193, 'A'}, {196, 'A'}, {197, 'L'}, {198, 'C'}, {200, 'C'}, {201, 'E'},
        {204, 'E'}, {205, 'I'}, {206, 'I'}, {207, 'D'}, {208, 'D'}, {209, 'N'}, {210, 'N'}, {211, 'O'},
        {214, 'O'}, {216, 'R'}, {217, 'U'}, {220, 'U'}, {221, 'Y'}, {222, 'T'}, {224, 'r'}, {225, 'a'},
        {228, 'a'}, {229, 'l'}, {230, 'c'}, {232, 'c'}, {233, 'e'}, {236, 'e'}, {237, 'i'}, {238, 'i'},
        {239, 'd'}, {240, 'd'}, {241, 'n'}, {242, 'n'}, {243, 'o'}, {246, 'o'}, {248, 'r'}, {249, 'u'},
        {252, 'u'}, {253, 'y'}, {254, 't'}};
    for (const auto& [c, letter] : changed)
        EXPECT_EQ(base(c), letter) << c;
    int identities = 0;
    for (int c = 128; c < 256; ++c)
        if (base(c) == static_cast<char>(c))
            ++identities;
    // 80 bytes change; the rest (among them 139, 155, 215, 223, 247, 255)
    // stay themselves.
    EXPECT_EQ(identities, 128 - 80);
    for (int c : {128, 139, 155, 161, 215, 223, 247, 255})
        EXPECT_EQ(base(c), static_cast<char>(c)) << c;
}

TEST(SpellCheckEvents, OnAddWordHearsEachUserWordAndTheCheckerIsNeverBusy)
{
    TZavIdiziCheck checker(nullptr);
    checker.SettingsFolder.clear();
    std::vector<AnsiString> heard;
    checker.OnAddWord = TAddWordEvent::FromCallable([&](TObject* Sender, const AnsiString& AWord) {
        EXPECT_EQ(Sender, &checker);
        // The word is in the list when the event comes.
        EXPECT_EQ(checker.Words().Count(), static_cast<int>(heard.size()) + 1);
        heard.push_back(AWord);
    });
    EXPECT_FALSE(checker.Busy());
    checker.AddWord("Zebra");
    checker.AddWord("   ");
    checker.AddWord(" apple ");
    EXPECT_EQ(heard, (std::vector<AnsiString>{"Zebra", " apple "}));
    EXPECT_EQ(WordsOf(checker.Words()), (std::vector<AnsiString>{"apple", "zebra"}));
    EXPECT_FALSE(checker.Busy());
}

TEST(SpellCheckWord, AnEmptyListAcceptsOnlyWhatTheOptionsIgnore)
{
    TZavIdiziCheck checker(nullptr);
    EXPECT_FALSE(checker.CheckWord("a"));
    EXPECT_FALSE(checker.CheckWord("1234"));
    EXPECT_FALSE(checker.CheckWord(SpellZhong));
    checker.Options = {sscoIgnoreSingleChars};
    EXPECT_TRUE(checker.CheckWord("a"));
    EXPECT_TRUE(checker.CheckWord(" a "));
    EXPECT_TRUE(checker.CheckWord(SpellZhong));  // one character, two bytes
    EXPECT_FALSE(checker.CheckWord("ab"));
    EXPECT_FALSE(checker.CheckWord("1234"));
    checker.Options = {sscoIgnoreWordsWithNumbers};
    EXPECT_TRUE(checker.CheckWord("1234"));
    EXPECT_TRUE(checker.CheckWord("abc1"));
    EXPECT_FALSE(checker.CheckWord("a"));
    // Blank words and words of marks alone are always accepted.
    checker.Options = {};
    for (const char* word : {"", "   ", "-", "---", "'", "'''", " -- "})
        EXPECT_TRUE(checker.CheckWord(word)) << word;
}

TEST(SpellCheckWord, ListAndSkipListIgnoreCase)
{
    TZavIdiziCheck checker(nullptr);
    checker.SettingsFolder.clear();
    checker.SystemWordList.clear();
    checker.LoadDictionary("none");
    checker.AddWord("Hello");
    checker.SkipList()->Add("Tandril");
    EXPECT_TRUE(checker.CheckWord("hello"));
    EXPECT_TRUE(checker.CheckWord("HELLO"));
    EXPECT_TRUE(checker.CheckWord("tandril"));
    EXPECT_FALSE(checker.CheckWord("hallo"));
    EXPECT_EQ(checker.FindWord("hello"), 0);
    EXPECT_EQ(checker.FindWord("Hello"), -1);  // the list holds lower case
    // Apostrophes around a word count only when the option trims them.
    EXPECT_FALSE(checker.CheckWord("'hello'"));
    checker.Options = {sscoTrimApostrophes};
    EXPECT_TRUE(checker.CheckWord("'hello'"));
    EXPECT_TRUE(checker.CheckWord("hello''"));
    EXPECT_FALSE(checker.CheckWord("'hello-"));
}

TEST(SpellCheckHashes, FollowTheAlgorithmAndLength)
{
    TZavIdiziCheck checker(nullptr);
    checker.SettingsFolder.clear();
    checker.SystemWordList.clear();
    checker.LoadDictionary("none");
    checker.AddWord("Robert");
    EXPECT_EQ(checker.Words().Items(0).Hash, Metaphone("robert"));
    checker.SetAlgorithm(haSoundEx);
    EXPECT_EQ(checker.Words().Items(0).Hash, "R163");
    checker.SetHashLength(6);
    EXPECT_EQ(checker.Words().Items(0).Hash, "R16300");
    checker.AddWord("Ashcraft");
    EXPECT_EQ(checker.Words().Items(0).Hash, "A26130");
    checker.SetHashLength(17);  // out of range: kept
    EXPECT_EQ(checker.HashLength(), 6);
}

class SpellFilesTest : public TempFolderTest {
protected:
    // A checker that keeps its files in the test's folder and has no
    // system word list unless a test gives one.
    std::unique_ptr<TZavIdiziCheck> NewChecker()
    {
        auto checker = std::make_unique<TZavIdiziCheck>(nullptr);
        checker->SettingsFolder = Folder();
        checker->SystemWordList.clear();
        return checker;
    }
};

TEST_F(SpellFilesTest, TheUserListRoundTripsByteForByte)
{
    auto first = NewChecker();
    first->LoadDictionary("english");
    EXPECT_TRUE(first->OpenDictionary());
    EXPECT_EQ(first->Language().FileName, "");  // the user's words alone
    EXPECT_FALSE(first->Modified);
    first->AddWord("Zebra");
    first->AddWord(" apple ");
    first->AddWord(SpellShuo + "F");
    first->AddWord("zebra");
    EXPECT_TRUE(first->Modified);
    first->SaveUserDictionary();
    EXPECT_FALSE(first->Modified);
    const std::string expected = "apple\r\nzebra\r\n" + SpellShuo + "f\r\n";
    const std::string file = Folder() + "english.UserWord.dic";
    EXPECT_EQ(ReadBytes(file), expected);

    auto second = NewChecker();
    second->LoadDictionary("english");
    EXPECT_TRUE(second->CheckWord("Zebra"));
    EXPECT_TRUE(second->CheckWord(SpellShuo + "F"));
    second->SaveUserDictionary();
    EXPECT_EQ(ReadBytes(file), expected);
}

TEST_F(SpellFilesTest, OnlyTheUsersWordsAreWrittenBack)
{
    WriteBytes(Folder() + "english.dic", "Hello\r\nworld\n\n  spaced  \n" + SpellZhong + "\n");
    WriteBytes(Folder() + "english.UserWord.dic", "world\nmine\n");
    auto checker = NewChecker();
    checker->LoadDictionary("english");
    EXPECT_EQ(checker->Language().FileName, Folder() + "english.dic");
    EXPECT_EQ(WordsOf(checker->Words()), (std::vector<AnsiString>{"hello", "mine", "spaced", "world", SpellZhong}));
    checker->SaveUserDictionary();
    EXPECT_EQ(ReadBytes(Folder() + "english.UserWord.dic"), "mine\r\nworld\r\n");
}

TEST_F(SpellFilesTest, WithoutTheUserDictionaryItsFileIsLeftAlone)
{
    WriteBytes(Folder() + "english.UserWord.dic", "mine\n");
    auto checker = NewChecker();
    checker->UseUserDictionary = false;
    checker->LoadDictionary("english");
    EXPECT_FALSE(checker->CheckWord("mine"));
    checker->AddWord("other");
    checker->SaveUserDictionary();
    EXPECT_EQ(ReadBytes(Folder() + "english.UserWord.dic"), "mine\n");
}

TEST_F(SpellFilesTest, AnEmptyStoredFolderSavesInTheSettingsFolder)
{
    auto checker = NewChecker();
    checker->SettingsFolder = Folder() + "new/settings";
    checker->SetUserDirectory("");
    checker->LoadDictionary("english");
    checker->AddWord("word");
    checker->SaveUserDictionary();
    EXPECT_EQ(ReadBytes(Folder() + "new/settings/english.UserWord.dic"), "word\r\n");
    EXPECT_FALSE(checker->Modified);
}

TEST_F(SpellFilesTest, FoldersAreTakenInTheSettingsFolder)
{
    auto checker = NewChecker();
    EXPECT_EQ(checker->GetDictionaryFolder(), Folder());
    EXPECT_EQ(checker->UserDirectory(), Folder());
    EXPECT_EQ(checker->DictionaryPath(), Folder());
    checker->SetUserDirectory("words");
    checker->SetDictionaryPath("/usr/share/dict");
    EXPECT_EQ(checker->UserDirectory(), Folder() + "words/");
    EXPECT_EQ(checker->DictionaryPath(), "/usr/share/dict/");
}

TEST_F(SpellFilesTest, AUserFolderThatCannotBeMadeGetsNothingWritten)
{
    WriteBytes(Folder() + "file", "x");
    auto checker = NewChecker();
    checker->SetUserDirectory(Folder() + "file/below");
    checker->LoadDictionary("english");
    checker->AddWord("word");
    EXPECT_NO_THROW(checker->SaveUserDictionary());
    EXPECT_TRUE(checker->Modified);
    EXPECT_FALSE(std::filesystem::exists(Folder() + "file/below"));
}

TEST_F(SpellFilesTest, TheSkipListIsSavedWithoutBlankLinesAndReadWithTheDictionary)
{
    auto checker = NewChecker();
    checker->LoadDictionary("english");
    for (const AnsiString& entry : {AnsiString("tandril"), AnsiString(""), AnsiString("  "), SpellZhong, AnsiString("\t")})
        checker->SkipList()->Add(entry);
    checker->SaveSkipList(checker->SkipListFileName());
    EXPECT_EQ(ReadBytes(Folder() + "english.SkipWord.dic"), "tandril\r\n" + SpellZhong + "\r\n");
    EXPECT_EQ(checker->SkipList()->Count(), 2);

    checker->CloseDictionary();
    EXPECT_FALSE(checker->OpenDictionary());
    EXPECT_EQ(checker->SkipList()->Count(), 0);
    EXPECT_FALSE(checker->CheckWord("tandril"));
    checker->LoadDictionary("english");
    EXPECT_TRUE(checker->CheckWord("Tandril"));
}

TEST_F(SpellFilesTest, TheSystemListIsReadAsUtf8WhenTheFolderHasNoList)
{
    WriteBytes(Folder() + "system", "Caf\xC3\xA9\nzoo\n");
    auto checker = NewChecker();
    checker->SystemWordList = Folder() + "system";
    int loads = 0;
    checker->OnDictLoad = TNotifyEvent::FromCallable([&](TObject*) { ++loads; });
    checker->LoadDictionary("english");
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(checker->Language().FileName, Folder() + "system");
    EXPECT_EQ(WordsOf(checker->Words()), (std::vector<AnsiString>{"caf\xA8\xA6", "zoo"}));  // é in GBK is A8 A6
}

TEST_F(SpellFilesTest, TheDefaultDictionaryIsTheSystemsEnglishList)
{
    TZavIdiziCheck checker(nullptr);
    checker.SettingsFolder = Folder();
    checker.LoadDictionary("english");
    EXPECT_EQ(checker.Language().FileName, SSystemWordList);
    EXPECT_GT(checker.Words().Count(), 50000);
    for (const char* word : {"hello", "World", "don't", "café"})
        EXPECT_TRUE(checker.CheckWord(word)) << word;
    EXPECT_FALSE(checker.CheckWord("helo"));
}

class SpellSettingsTest : public TempFolderTest {
protected:
    static constexpr const char* Section = "Spell Check";
};

TEST_F(SpellSettingsTest, TheSectionIsWrittenByteForByte)
{
    TZavIdiziCheck checker(nullptr);
    checker.SettingsFolder = Folder();
    checker.SetDictionaryPath("dicts");
    checker.Options = {sscoAutoSpellCheck, sscoIgnoreWordsWithNumbers, sscoTrimApostrophes};
    checker.SetUnderlineStyle(usCorelWordPerfect);
    checker.UseUserDictionary = false;
    checker.CheckAttribs()->Add(SpellZhong);
    {
        TIniFile ini(Folder() + "EditorOptions.ini");
        checker.SaveToIni(&ini, Section);
    }
    EXPECT_EQ(ReadBytes(Folder() + "EditorOptions.ini"),
              "[Spell Check]\nAlgorithm=2\nApostrophes='`\nLanguage=\nDictionaryPath=dicts\nHashLength=4\n"
              "CheckAttribCount=5\nCheckAttrib0=Comment\nCheckAttrib1=Text\nCheckAttrib2=String\n"
              "CheckAttrib3=Documentation\nCheckAttrib4=" + SpellZhong + "\nOptions=10000100001\n"
              "UnderlineStyle=0\nUserDirectory=\nUseUserDictionary=0\n");
}

TEST_F(SpellSettingsTest, LoadingTwiceGivesTheSameSettings)
{
    TMemIniFile ini(Folder() + "a.ini");
    ini.WriteString(Section, "Algorithm", "0");
    ini.WriteString(Section, "HashLength", "6");
    ini.WriteString(Section, "CheckAttribCount", "2");
    ini.WriteString(Section, "CheckAttrib0", "Comment");
    ini.WriteString(Section, "CheckAttrib1", "Ident");
    ini.WriteString(Section, "Options", "00001");
    ini.WriteString(Section, "UnderlineStyle", "0");
    ini.WriteString(Section, "UseUserDictionary", "0");

    TZavIdiziCheck checker(nullptr);
    checker.SettingsFolder = Folder();
    checker.Options = {sscoGoUp, sscoSuggestWords};
    for (int pass = 0; pass < 2; ++pass) {
        checker.LoadFromIni(&ini, Section);
        TStringList expected;
        expected.Add("Comment");
        expected.Add("Ident");
        EXPECT_TRUE(checker.CheckAttribs()->Equals(&expected)) << checker.CheckAttribs()->Text();
        EXPECT_EQ(checker.Options, TZavIdiziCheckOptions{sscoIgnoreSingleChars});
        EXPECT_EQ(checker.Algorithm(), haSoundEx);
        EXPECT_EQ(checker.HashLength(), 6);
        EXPECT_EQ(checker.UnderlineStyle(), usCorelWordPerfect);
        EXPECT_FALSE(checker.UseUserDictionary);
    }
}

TEST_F(SpellSettingsTest, AbsentKeysKeepTheSettingsAndFillTheFolders)
{
    TMemIniFile empty(Folder() + "empty.ini");
    TZavIdiziCheck checker(nullptr);
    checker.SettingsFolder = Folder();
    checker.Options = {sscoGoUp};
    checker.LoadFromIni(&empty, Section);
    EXPECT_EQ(checker.Options, TZavIdiziCheckOptions{sscoGoUp});
    EXPECT_EQ(checker.CheckAttribs()->Count(), 4);
    EXPECT_EQ(checker.Dictionary(), "english");
    EXPECT_EQ(checker.Apostrophes(), "'`");
    EXPECT_EQ(checker.Algorithm(), haDiff);
    // The folders take the values their getters gave.
    TMemIniFile saved(Folder() + "saved.ini");
    checker.SaveToIni(&saved, Section);
    EXPECT_EQ(saved.ReadString(Section, "DictionaryPath", ""), Folder());
    EXPECT_EQ(saved.ReadString(Section, "UserDirectory", ""), Folder());
}

TEST_F(SpellSettingsTest, ADamagedCountReadsOnlyTheKeysThere)
{
    TMemIniFile ini(Folder() + "a.ini");
    ini.WriteString(Section, "CheckAttribCount", "2000000000");
    ini.WriteString(Section, "CheckAttrib0", "Comment");
    ini.WriteString(Section, "Algorithm", "7");
    ini.WriteString(Section, "UnderlineStyle", "-1");
    TZavIdiziCheck checker(nullptr);
    checker.LoadFromIni(&ini, Section);
    EXPECT_EQ(checker.CheckAttribs()->Strings(0), "Comment");
    EXPECT_LE(checker.CheckAttribs()->Count(), 4);
    EXPECT_EQ(checker.Algorithm(), haDiff);
    EXPECT_EQ(checker.UnderlineStyle(), usMicrosoftWord);
}

}  // namespace
