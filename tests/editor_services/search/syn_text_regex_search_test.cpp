// The regular-expression engine against itself with nothing passed over
// and every line converted: random expressions with case classes, inline
// case switches, alternations and Chinese characters find the same matches
// as the same expression made to match every line by its characters; and
// matches that run long or backtrack without end.

#include "editor_services/search/syn_text_regex_search.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/support/test_random.h"
#include "tests/support/test_seeds.h"

namespace {

using TMatches = std::vector<std::pair<int, int>>;  // 1-based start, length

TMatches FindAll(TSynTextRegexSearch& Engine, const AnsiString& Pattern, const AnsiString& Line, bool MatchCase)
{
    Engine.SetOptions(MatchCase ? TSynSearchOptions{soMatchCase} : TSynSearchOptions{});
    Engine.SetPattern(Pattern);
    TMatches found;
    const int n = Engine.FindAll(Line);
    for (int i = 0; i < n; ++i)
        found.emplace_back(Engine.GetResult(i), Engine.GetLength(i));
    return found;
}

TEST(TSynTextRegexSearchTest, AClassOrSwitchHoldingBothCasesFindsEitherCaseWithMatchCaseOn)
{
    TSynTextRegexSearch engine(nullptr);
    EXPECT_EQ(FindAll(engine, "[Rr]eturn", "  return x; Return", true), (TMatches{{3, 6}, {13, 6}}));
    EXPECT_EQ(FindAll(engine, "[Tt]ed", "說ted", true), (TMatches{{3, 3}}));
    EXPECT_EQ(FindAll(engine, "a[Bb]", "ab aB AB", true), (TMatches{{1, 2}, {4, 2}}));
    // A boundary is a question of characters: the line is converted.
    EXPECT_EQ(FindAll(engine, "[Rr]eturn\\b", "說return", true), (TMatches{{3, 6}}));
    EXPECT_EQ(FindAll(engine, "(?i)error", "ERROR: x", true), (TMatches{{1, 5}}));
    EXPECT_EQ(FindAll(engine, "x(?i)Z", "門xz", true), (TMatches{{3, 2}}));
    // Switched back, the case counts again.
    EXPECT_EQ(FindAll(engine, "(?i)e(?-i)R", "eR ER er Er", true), (TMatches{{1, 2}, {4, 2}}));
}

// An expression drawn from pieces whose required letters come in either
// case: classes of both cases, inline switches, groups, alternations.
AnsiString RandomExpression(TRandom& Random, int Depth)
{
    static const char* const Atoms[] = {"t", "T", "e", "d", "R", "r", "[Tt]", "[tT]", "[Rr]", "[eE]d", "[a-e]",
                                        "說", "門", "[說門]", "[f說]", ".", "\\w", "\\s", " ", "f", "$", "^", "\\\\",
                                        "乗", "\xA3\xC1", "[^e]", "\\b", "[中-門]"};
    AnsiString expression;
    for (int i = Random.Between(1, 4); i > 0; --i) {
        if (Random.Chance(12))
            expression += Random.Chance(60) ? "(?i)" : "(?-i)";
        static const char* const Opens[] = {"(", "(?:", "(?=", "(?>"};
        if (Depth < 2 && Random.Chance(15))
            expression += Random.Pick(Opens) + RandomExpression(Random, Depth + 1) + ")";
        else
            expression += Random.Pick(Atoms);
        if (Random.Chance(15))
            expression += Random.Chance(50) ? "+" : "?";
    }
    if (Random.Chance(20))
        expression += "|" + RandomExpression(Random, Depth + 1);
    return expression;
}

TEST(TSynTextRegexSearchTest, LinesPassedOverCouldNotHaveMatchedRandomExpressions)
{
    // Letters in both cases, and Chinese characters whose trail bytes are
    // letters ('f' in 說, 'T' in 門, 't' in 閠).
    static const char* const Pieces[] = {"t", "T", "e", "E", "d", "D", "r", "R", "f", "說", "門", "\xE9\x74", " ",
                                         "ed", "Ted", "ret", "\\", "乗", "\xA3\xC1", "\xA3\xE1", "\x80", "\xD5"};
    TSynTextRegexSearch engine(nullptr), everyLine(nullptr);
    int found = 0;
    for (const uint32_t seed : SessionSeeds(SeedRange(1, 40), 4)) {
        TRandom random(seed);
        for (int round = 0; round < 500; ++round) {
            const AnsiString pattern = RandomExpression(random, 0);
            // The same expression, with a branch for a byte no line holds:
            // nothing every match holds is left to pass a line over for, and
            // the escape is one only characters answer.
            const AnsiString unfiltered = "(?:" + pattern + ")|\\x01";
            const bool matchCase = random.Chance(70);
            for (int l = 0; l < 4; ++l) {
                AnsiString line;
                for (int i = random.Between(0, 12); i > 0; --i)
                    line += random.Pick(Pieces);
                TMatches expected;
                try {
                    expected = FindAll(everyLine, unfiltered, line, matchCase);
                } catch (const ESynRegexError&) {
                    // A quantifier after what cannot repeat: both refuse it.
                    EXPECT_THROW(FindAll(engine, pattern, line, matchCase), ESynRegexError) << pattern;
                    break;
                }
                ASSERT_EQ(FindAll(engine, pattern, line, matchCase), expected)
                    << "seed " << seed << " pattern [" << pattern << "] line [" << line << "] case " << matchCase;
                found += !expected.empty();
            }
        }
    }
    // Most lines hold matches: the comparison is not between empty lists.
    EXPECT_GT(found, 1000);
}

TEST(TSynTextRegexSearchTest, RepeatedGroupsMatchAcrossLinesOfAMillionCharacters)
{
    TSynTextRegexSearch engine(nullptr);
    AnsiString line;
    for (int i = 0; i < 500000; ++i)
        line += "ab";
    EXPECT_EQ(FindAll(engine, "(a|b)+", line, true), (TMatches{{1, 1000000}}));
    EXPECT_EQ(engine.Replace(0, "[$1]"), "[b]");
    EXPECT_EQ(FindAll(engine, "(\\w|-)+", "x " + line, true), (TMatches{{1, 1}, {3, 1000000}}));
    // Chinese characters one by one, and a string literal running long.
    AnsiString chinese;
    for (int i = 0; i < 200000; ++i)
        chinese += "說門";
    EXPECT_EQ(FindAll(engine, "(.)*", chinese, true), (TMatches{{1, 800000}, {800001, 0}}));
    EXPECT_EQ(FindAll(engine, "\"([^\"\\\\]|\\\\.)*\"", "s = \"" + chinese + "\";", true), (TMatches{{5, 800002}}));
}

TEST(TSynTextRegexSearchTest, AMatchPastTheLimitsRaisesTooCostlyNotInvalid)
{
    TSynTextRegexSearch engine(nullptr);
    // Backtracking without end: pcre2's match limit stops it.
    const AnsiString as(30000, 'a');
    EXPECT_THROW(FindAll(engine, "(a+)+$", as + "b", true), ESynSearchTooCostly);
    // More repeats than the JIT's stack holds: the interpreter tries, and
    // its own limit stops it.
    AnsiString line;
    for (int i = 0; i < 2000000; ++i)
        line += "ab";
    EXPECT_THROW(FindAll(engine, "(a|b)+", line, true), ESynSearchTooCostly);
    // The engine goes on with the next line.
    EXPECT_EQ(FindAll(engine, "(a|b)+", "xab", true), (TMatches{{2, 2}}));
}

}  // namespace
