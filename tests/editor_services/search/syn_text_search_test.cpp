// The plain and the regular-expression search engines on single lines:
// what matches, where, and never inside a double-byte character; the
// regular-expression engine's substitutions, empty matches and errors; and
// a check of both against a scan that walks characters from the line start.

#include "editor_services/search/syn_text_search.h"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/support/test_random.h"
#include "editor_services/search/syn_text_regex_search.h"
#include "platform/base/code_page.h"

namespace {

using TMatches = std::vector<std::pair<int, int>>;  // 1-based start, length

TMatches FindAll(TSynTextSearchCustom& Engine, const AnsiString& Pattern, const AnsiString& Line,
                 TSynSearchOptions Options = {})
{
    Engine.SetOptions(Options);
    Engine.SetPattern(Pattern);
    TMatches found;
    const int n = Engine.FindAll(Line);
    EXPECT_EQ(n, Engine.GetResultCount());
    for (int i = 0; i < n; ++i)
        found.emplace_back(Engine.GetResult(i), Engine.GetLength(i));
    return found;
}

// Both engines, for the cases a plain text means the same to both.
class TBothEngines : public ::testing::TestWithParam<bool> {
protected:
    TBothEngines()
    {
        if (GetParam())
            engine_ = std::make_unique<TSynTextRegexSearch>(nullptr);
        else
            engine_ = std::make_unique<TSynTextSearch>(nullptr);
    }
    TMatches Find(const AnsiString& Pattern, const AnsiString& Line, TSynSearchOptions Options = {})
    {
        return FindAll(*engine_, Pattern, Line, Options);
    }
    std::unique_ptr<TSynTextSearchCustom> engine_;
};

INSTANTIATE_TEST_SUITE_P(Engines, TBothEngines, ::testing::Values(false, true),
                         [](const auto& Info) { return Info.param ? "Regex" : "Plain"; });

TEST_P(TBothEngines, ALetterNeverMatchesATrailByte)
{
    // 說 is D5 66 ('f'), 門 E9 54 ('T'), 這 DF 40 ('@'); the 'f' and 'T'
    // standing alone do match.
    EXPECT_EQ(Find("f", "說f門T"), (TMatches{{3, 1}}));
    EXPECT_EQ(Find("t", "說f門T"), (TMatches{{6, 1}}));
    EXPECT_EQ(Find("T", "門門", {soMatchCase}), TMatches{});
    // A window that ends on a lead byte cuts a character.
    EXPECT_EQ(Find("a\xD6", "a中"), TMatches{});
    // 中 is D6 D0, whose trail byte is itself a lead byte: "中中" holds no
    // character D0 D6.
    EXPECT_EQ(Find("中", "a中中"), (TMatches{{2, 2}, {4, 2}}));
}

TEST_P(TBothEngines, CaselessSearchForAChineseCharacterFindsNoOther)
{
    // 門 is E9 54, and E9 74 is another character: folding its trail byte
    // would equate them.
    const AnsiString other("\xE9\x74");
    EXPECT_EQ(Find("門", other + "門"), (TMatches{{3, 2}}));
    EXPECT_EQ(Find("說a", "\xD5\x46" "A說A"), (TMatches{{4, 3}}));
    EXPECT_EQ(Find("ab門", "AB門"), (TMatches{{1, 4}}));
}

TEST_P(TBothEngines, LongPatternsMatchLikeShortOnes)
{
    AnsiString pattern;
    for (int i = 0; i < 300; ++i)
        pattern += static_cast<char>('a' + i % 7);
    const AnsiString line = "x" + pattern + "說" + pattern;
    EXPECT_EQ(Find(pattern, line), (TMatches{{2, 300}, {304, 300}}));
}

TEST(TSynTextSearchTest, WholeWordsAreBoundedByDelimitersAndChineseCharacters)
{
    TSynTextSearch engine(nullptr);
    EXPECT_EQ(FindAll(engine, "cat", "cat_s concat cat.", {soWholeWord}), (TMatches{{14, 3}}));
    // Without whole words, every occurrence.
    EXPECT_EQ(FindAll(engine, "cat", "cat_s concat cat."), (TMatches{{1, 3}, {10, 3}, {14, 3}}));
    // 說's trail byte 'f' is no letter before the word.
    EXPECT_EQ(FindAll(engine, "cat", "說cat門", {soWholeWord}), (TMatches{{3, 3}}));
    EXPECT_EQ(FindAll(engine, "cat", "fcat", {soWholeWord}), TMatches{});
}

TEST(TSynTextSearchTest, AnEmptyPatternRaisesAndReplacementStaysAsItIs)
{
    TSynTextSearch engine(nullptr);
    EXPECT_THROW(FindAll(engine, "", "abc"), Exception);
    FindAll(engine, "b", "abc");
    EXPECT_EQ(engine.Replace(0, "$0x"), "$0x");
    EXPECT_EQ(engine.GetResult(5), 0);
}

TEST(TSynTextRegexSearchTest, EmptyMatchingPatternsEndAndStepWholeCharacters)
{
    TSynTextRegexSearch engine(nullptr);
    EXPECT_EQ(FindAll(engine, "x*", "axx中"), (TMatches{{1, 0}, {2, 2}, {4, 0}, {6, 0}}));
    EXPECT_EQ(FindAll(engine, "^", "ab"), (TMatches{{1, 0}}));
    EXPECT_EQ(FindAll(engine, "$", "ab"), (TMatches{{3, 0}}));
    EXPECT_EQ(FindAll(engine, "\\b", "ab cd"), (TMatches{{1, 0}, {3, 0}, {4, 0}, {6, 0}}));
    EXPECT_EQ(FindAll(engine, "", "說"), (TMatches{{1, 0}, {3, 0}}));
}

TEST(TSynTextRegexSearchTest, AMatchEndingInsideACharacterGivesWayToOneThatDoesNot)
{
    TSynTextRegexSearch engine(nullptr);
    // ".+?" would stop after the lead byte; the match takes the character.
    EXPECT_EQ(FindAll(engine, "x.+?", "x中"), (TMatches{{1, 3}}));
    // The 'f' inside 說 starts no match; the one after it does.
    EXPECT_EQ(FindAll(engine, "f+", "說ff"), (TMatches{{3, 2}}));
}

TEST(TSynTextRegexSearchTest, ChineseCharactersAreAtomsWhoseTrailBytesAreLiterals)
{
    TSynTextRegexSearch engine(nullptr);
    // 乗 is 81 5C: its trail byte is a backslash.
    EXPECT_EQ(FindAll(engine, "乗n", "乗n"), (TMatches{{1, 3}}));
    EXPECT_EQ(FindAll(engine, "中+", "中中中", {soMatchCase}), (TMatches{{1, 6}}));
    EXPECT_EQ(FindAll(engine, "\\Q乗E\\E", "a乗E"), (TMatches{{2, 3}}));
    EXPECT_EQ(FindAll(engine, "(?#說)a", "a"), (TMatches{{1, 1}}));
}

TEST(TSynTextRegexSearchTest, ReplacementTakesTheGroupsOfTheMatchInItsLine)
{
    TSynTextRegexSearch engine(nullptr);
    EXPECT_EQ(FindAll(engine, "(\\w+)=(\\d+)", "a=1, bb=22"), (TMatches{{1, 3}, {6, 5}}));
    EXPECT_EQ(engine.Replace(1, "$2:$1 ${1}$$ $9$"), "22:bb bb$ $");
    // The look-behind and the word boundary see the line, not the match
    // alone.
    EXPECT_EQ(FindAll(engine, "(?<=(門))x\\b", "門x 說x"), (TMatches{{3, 1}}));
    EXPECT_EQ(engine.Replace(0, "[$1$0]"), "[門x]");
    EXPECT_EQ(FindAll(engine, "^(.)", "ab"), (TMatches{{1, 1}}));
    EXPECT_EQ(engine.Replace(0, "<$1>"), "<a>");
}

TEST(TSynTextRegexSearchTest, AGroupNumberInAReplacementTakesEveryDigitAsThePatternsReferencesDo)
{
    // The pattern refers to its group with the same digits as the
    // replacement, plain and braced: both read all of them.
    const struct {
        const char* Pattern;
        const char* Line;
        const char* Replacement;
        const char* Expected;
    } cases[] = {
        {"(a)\\g{0000001}", "aa", "<$0000001|${0000001}>", "<a|a>"},
        {"(a)\\g0000001", "aa", "<$00000001|${00000001}>", "<a|a>"},
        // Group 1234567 is missing and gives nothing, as group 12 does; no
        // digit is left over as text.
        {"(a)(b)", "ab", "<$1234567|${1234567}|$12|$2>", "<|||b>"},
        {"(a)b", "ab", "<$99999999999999999999999999|${99999999999999999999999999}>", "<|>"},
    };
    TSynTextRegexSearch engine(nullptr);
    for (const auto& c : cases) {
        ASSERT_EQ(FindAll(engine, c.Pattern, c.Line), (TMatches{{1, 2}})) << c.Pattern;
        EXPECT_EQ(engine.Replace(0, c.Replacement), c.Expected) << c.Replacement;
    }
}

TEST(TSynTextRegexSearchTest, AnInvalidPatternRaisesItsError)
{
    TSynTextRegexSearch engine(nullptr);
    try {
        FindAll(engine, "foo(", "foo(");
        FAIL() << "no error";
    } catch (const ESynRegexError& E) {
        EXPECT_NE(E.Message().find("missing closing parenthesis"), AnsiString::npos) << E.Message();
    }
    // The next pattern compiles anew.
    EXPECT_EQ(FindAll(engine, "o+", "foo("), (TMatches{{2, 2}}));
    // One code unit, which would end a match inside a character, is no
    // atom a pattern may use.
    EXPECT_THROW(FindAll(engine, "說\\C", "說中"), ESynRegexError);
}

TEST(TSynTextRegexSearchTest, DotsClassesAndRangesTakeWholeCharacters)
{
    TSynTextRegexSearch engine(nullptr);
    // 說 is D5 66 ('f'), 門 E9 54 ('T'): the class holds two characters,
    // not their four bytes.
    EXPECT_EQ(FindAll(engine, "[說門]", "f說T門x", {soMatchCase}), (TMatches{{2, 2}, {5, 2}}));
    EXPECT_EQ(FindAll(engine, "說.", "說明說中"), (TMatches{{1, 4}, {5, 4}}));
    EXPECT_EQ(FindAll(engine, "^.{3}", "說a門b"), (TMatches{{1, 5}}));
    EXPECT_EQ(FindAll(engine, ".$", "ab說"), (TMatches{{3, 2}}));
    EXPECT_EQ(FindAll(engine, "[^\\x00-\\x7F]+", "ab說門cd中"), (TMatches{{3, 4}, {9, 2}}));
    EXPECT_EQ(FindAll(engine, "[中文]+", "說中文字"), (TMatches{{3, 4}}));
    EXPECT_EQ(FindAll(engine, "[一-龥]+", "ab說門cd"), (TMatches{{3, 4}}));
    // A group repeats characters, and its text goes back in whole.
    EXPECT_EQ(FindAll(engine, "(.)門", "a說門"), (TMatches{{2, 4}}));
    EXPECT_EQ(engine.Replace(0, "<$1>"), "<說>");
}

TEST(TSynTextRegexSearchTest, BoundariesAndLookBehindsSeeCharactersNotTrailBytes)
{
    TSynTextRegexSearch engine(nullptr);
    // 慣 is 91 54 ('T'); the 'T' after it starts a word.
    EXPECT_EQ(FindAll(engine, "\\bT", "慣T", {soMatchCase}), (TMatches{{3, 1}}));
    // 禱 ends in 5C, a backslash byte.
    EXPECT_EQ(FindAll(engine, "(?<!\\\\)\"", "禱\""), (TMatches{{3, 1}}));
    EXPECT_EQ(FindAll(engine, "(?<=f)unc", "說unc"), TMatches{});
    EXPECT_EQ(FindAll(engine, "(?<=f)unc", "func"), (TMatches{{2, 3}}));
}

TEST(TSynTextRegexSearchTest, CaselessMatchingFoldsFullwidthAndGreekLetters)
{
    TSynTextRegexSearch engine(nullptr);
    EXPECT_EQ(FindAll(engine, "ａｂｃ", "ＡＢＣ ａｂｃ"), (TMatches{{1, 6}, {8, 6}}));
    EXPECT_EQ(FindAll(engine, "ａｂｃ", "ＡＢＣ ａｂｃ", {soMatchCase}), (TMatches{{8, 6}}));
    EXPECT_EQ(FindAll(engine, "[α-γ]+", "ΑΒΓ"), (TMatches{{1, 6}}));
    EXPECT_EQ(FindAll(engine, "Abc", "aBC"), (TMatches{{1, 3}}));
}

TEST(TSynTextRegexSearchTest, BytesOutsideGbkMatchOnlyThemselves)
{
    TSynTextRegexSearch engine(nullptr);
    // 0x80 and 0xFF start no character; D6 20 pairs up as the editor counts
    // characters, but is none.
    const AnsiString line("a\x80" "b\xFF\xD6 c");
    EXPECT_EQ(FindAll(engine, AnsiString("\x80"), line), (TMatches{{2, 1}}));
    EXPECT_EQ(FindAll(engine, AnsiString("\xFF"), line), (TMatches{{4, 1}}));
    EXPECT_EQ(FindAll(engine, AnsiString("\xD6 "), line), (TMatches{{5, 2}}));
    EXPECT_EQ(FindAll(engine, " ", line), TMatches{});
    EXPECT_EQ(FindAll(engine, ".", line).size(), 6u);
    EXPECT_EQ(FindAll(engine, "b.", line), (TMatches{{3, 2}}));
}

TEST(TSynTextRegexSearchTest, EveryCharacterIsFoundWhereverItStandsInTheLine)
{
    // Lines are converted and mapped back eight bytes at a time: runs of
    // ASCII of every length, Chinese characters and bytes outside GBK at
    // every offset within those eight must each be one character, at its
    // own bytes.
    static const char* const Pieces[] = {"a", "bc", "defgh", "ijklmnopq", "說", "門", "\x80", "\xFF", "\xD6 ", "中"};
    TSynTextRegexSearch engine(nullptr);
    TRandom random(20261207);
    for (int round = 0; round < 2000; ++round) {
        AnsiString line;
        for (int i = random.Between(0, 12); i > 0; --i)
            line += random.Pick(Pieces);
        // Sometimes a lead byte with nothing after it ends the line.
        if (random.Chance(20))
            line += '\xB5';
        TMatches characters;
        for (size_t i = 0; i < line.size(); i += CharLengthAt(line, i))
            characters.emplace_back(static_cast<int>(i) + 1, static_cast<int>(CharLengthAt(line, i)));
        ASSERT_EQ(FindAll(engine, ".", line), characters) << "line [" << line << "]";
        // The last character, found from the line end.
        if (!characters.empty()) {
            ASSERT_EQ(FindAll(engine, ".$", line), TMatches{characters.back()}) << "line [" << line << "]";
        }
    }
    // A line of bytes that are no characters at all, longer than eight,
    // and an empty line.
    const AnsiString noGbk("\x80\xFF\x80\xFF\x80\xFF\x80\xFF\x80\xFF");
    EXPECT_EQ(FindAll(engine, "\xFF\x80", noGbk), (TMatches{{2, 2}, {4, 2}, {6, 2}, {8, 2}}));
    EXPECT_EQ(FindAll(engine, ".{9}", noGbk), (TMatches{{1, 9}}));
    EXPECT_EQ(FindAll(engine, "^$", ""), (TMatches{{1, 0}}));
}

TEST(TSynTextSearchTest, CaselessPlainSearchFoldsEveryCharacterAsTheExpressionsDo)
{
    // Each double-byte character of the code page, searched for without
    // case in a line of every character with its lead byte: both engines
    // find the same places (ASCII letters follow from the table of bytes).
    TSynTextSearch plain(nullptr);
    TSynTextRegexSearch regex(nullptr);
    int folded = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        AnsiString line;
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            size_t length = 0;
            if (trail != 0x7F && !IsEscapedByte(DecodeGbkChar(std::string_view(pair, 2), 0, length)))
                line.append(pair, 2);
        }
        for (size_t at = 0; at < line.size(); at += 2) {
            const AnsiString character = line.substr(at, 2);
            const TMatches found = FindAll(plain, character, line);
            ASSERT_EQ(found, FindAll(regex, character, line)) << "character [" << character << "]";
            folded += found.size() > 1;
        }
    }
    // The 26 fullwidth letters, 24 Greek, 33 Cyrillic and 10 Roman
    // numerals, each in both cases.
    EXPECT_EQ(folded, 2 * (26 + 24 + 33 + 10));
}

// What a user means by a plain text: at each character start, the text
// compared character by character (letters of single-byte characters
// without case when caseless), matches taken from the left without overlap.
// With Dot, a '.' in the pattern stands for any one character.
TMatches ReferenceMatches(const AnsiString& Pattern, const AnsiString& Line, bool MatchCase, bool Dot)
{
    TMatches found;
    for (size_t i = 0; i < Line.size();) {
        size_t t = i, p = 0;
        while (p < Pattern.size() && t < Line.size()) {
            const size_t tl = CharLengthAt(Line, t), pl = CharLengthAt(Pattern, p);
            if (pl == 1 && Pattern[p] == '.' && Dot) {
                t += tl;
                ++p;
                continue;
            }
            if (tl != pl)
                break;
            if (tl == 2 ? Line.compare(t, 2, Pattern, p, 2) != 0
                        : (MatchCase ? Line[t] != Pattern[p] : LoCase(Line[t]) != LoCase(Pattern[p])))
                break;
            t += tl;
            p += pl;
        }
        if (p == Pattern.size()) {
            found.emplace_back(static_cast<int>(i) + 1, static_cast<int>(t - i));
            i = t;
        } else {
            i += CharLengthAt(Line, i);
        }
    }
    return found;
}

TEST_P(TBothEngines, MatchesEqualACharacterScanOnRandomGbkText)
{
    // Few bytes, so that patterns occur: letters that are also trail bytes,
    // lead bytes whose trail bytes are letters, and 中's lead-range trail.
    static const char* const Pieces[] = {"a", "A", "t", "T", "f", "說", "門", "\xE9\x74", "中", "\xD6", "\xD0",
                                         "\xD5\x46", " ", "@", "這"};
    TRandom random(20240522);
    for (int round = 0; round < 3000; ++round) {
        AnsiString line, pattern;
        for (int i = random.Between(0, 30); i > 0; --i)
            line += random.Pick(Pieces);
        // Expressions take a '.' for one character of any width.
        for (int i = random.Between(1, 3); i > 0; --i)
            pattern += GetParam() && random.Chance(25) ? "." : random.Pick(Pieces);
        // The regular-expression engine reads the pattern as an expression.
        if (GetParam() && pattern.find_first_of("\\[]()*+?{}|^$") != AnsiString::npos)
            continue;
        // A lead byte ending the pattern is a whole single byte there, never
        // in the middle of a line; the reference cannot say what it means.
        if (ByteTypeAt(pattern, pattern.size() - 1) == mbSingleByte && IsDBCSLeadByte(pattern.back()))
            continue;
        const bool matchCase = random.Chance(50);
        EXPECT_EQ(Find(pattern, line, matchCase ? TSynSearchOptions{soMatchCase} : TSynSearchOptions{}),
                  ReferenceMatches(pattern, line, matchCase, GetParam()))
            << "pattern [" << pattern << "] line [" << line << "] case " << matchCase;
    }
}

}  // namespace
