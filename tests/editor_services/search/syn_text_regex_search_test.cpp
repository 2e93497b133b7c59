// The regular-expression engine against itself with nothing passed over
// and every line converted: random expressions with case classes, inline
// case switches, alternations and Chinese characters find the same matches
// as the same expression made to match every line by its characters, and
// so do random expressions matched on the lines' own bytes, over short
// lines and long ones; classes whose Chinese members come first, and the
// expressions kept to short lines on the bytes; and matches that run long
// or backtrack without end, and the long lines a search must go through in
// one pass. Every match, with its groups, is pcre2's interpreter's on the
// characters, and the bytes never cost much more than the characters.

#include "editor_services/search/syn_text_regex_search.h"

#include <gtest/gtest.h>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <time.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor_services/search/syn_regex_byte_pattern.h"
#include "editor_services/search/syn_regex_subject.h"

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

TEST(TSynTextRegexSearchTest, AClassKeepsItsMeaningWhenItsChineseMembersAreTakenOut)
{
    // 乗 is 81 5C: its trail byte is a backslash.
    const struct {
        const char* Pattern;
        AnsiString Line;
        TMatches Expected;
    } cases[] = {
        // A '^' after the first members stands for itself.
        {"[說^a]", "說a^bcd a", {{1, 2}, {3, 1}, {4, 1}, {9, 1}}},
        {"[說^](x]y)", "ay 說x]y ^x]y", {{4, 5}, {10, 4}}},
        {"[說門^]+", "^門說a", {{1, 5}}},
        // What is left must not read as a named class, a closing bracket
        // or a range.
        {"[說:a:]", "說:a", {{1, 2}, {3, 1}, {4, 1}}},
        {"[說\\]]", "]說", {{1, 1}, {2, 2}}},
        {"[說\\\\]", "\\乗說", {{1, 1}, {4, 2}}},
        {"[說a-]", "-a說b", {{1, 1}, {2, 1}, {3, 2}}},
        {"[!-說]", "a說門", {{1, 1}, {2, 2}}},
    };
    TSynTextRegexSearch engine(nullptr);
    for (const auto& c : cases)
        EXPECT_EQ(FindAll(engine, c.Pattern, c.Line, true), c.Expected) << c.Pattern << " over " << c.Line;
}

TEST(TSynTextRegexSearchTest, ARepeatedGroupHoldingAWholeCharacterCountsAsARepeatedCharacter)
{
    // Such an expression uses the line's bytes only on short lines.
    const struct {
        const char* Pattern;
        bool Repeats;
    } cases[] = {
        {"(.|\\s)*?end", true},
        {"(?:[說門]|.)*z", true},
        {"(說)+", true},
        {"((a)(b|.))+", true},
        {"(?:a(?:b|[說z]))+?", true},
        {"(?>.){2,}", true},
        {"(?:x.)*+", true},
        {"(a|b)+", false},
        {"(.)?x(b)+", false},
        {"(a.*)", false},
    };
    for (const auto& c : cases) {
        const std::optional<TSynBytesRegex> bytes = RegexForBytes(c.Pattern, false);
        ASSERT_TRUE(bytes.has_value()) << c.Pattern;
        EXPECT_EQ(bytes->RepeatsGroups, c.Repeats) << c.Pattern;
    }
}

// An expression of what can be matched on a line's own bytes (and a few
// things that cannot): ASCII and Chinese literals, classes with and
// without Chinese characters, '.', every kind of quantifier, groups,
// lookaheads, alternatives, anchors.
AnsiString RandomByteExpression(TRandom& Random, int Depth)
{
    static const char* const Atoms[] = {"a", "f", "T", "t", "z", "@", "\\\\", "說", "門", "中", "乗", "這",
                                        "\x81\x7A", ".", ".", ".", "[a-f]", "[說門]", "[Tt說]", "[中z]", "\\w",
                                        "\\d", "\\s", "[^a]", "$", ".*", ".+", "(f.*)", "(?:T.+|a)", "[說^a]",
                                        "[門^]", "(?:[說門]|.)", "(.|\\s)", "(?:a|門.)"};
    static const char* const Quantifiers[] = {"*", "+", "?", "{1,2}", "{2}", "*?", "+?", "??", "*+", "++"};
    static const char* const Opens[] = {"(", "(?:", "(?=", "(?!", "(?>"};
    AnsiString expression = Depth == 0 && Random.Chance(15) ? "^" : "";
    for (int i = Random.Between(1, 4); i > 0; --i) {
        if (Depth < 2 && Random.Chance(15))
            expression += Random.Pick(Opens) + RandomByteExpression(Random, Depth + 1) + ")";
        else
            expression += Random.Pick(Atoms);
        if (Random.Chance(30))
            expression += Random.Pick(Quantifiers);
    }
    if (Random.Chance(20))
        expression += "|" + RandomByteExpression(Random, Depth + 1);
    if (Random.Chance(15))
        expression += "$";
    return expression;
}

// Each match found with its text and its first two groups, as a
// replacement takes them.
std::vector<std::string> MatchesAndGroups(TSynTextRegexSearch& Engine, const AnsiString& Pattern,
                                          const AnsiString& Line, bool MatchCase)
{
    std::vector<std::string> found;
    for (const auto& [start, length] : FindAll(Engine, Pattern, Line, MatchCase))
        found.push_back(std::to_string(start) + "+" + std::to_string(length) + " " +
                        Engine.Replace(static_cast<int>(found.size()), "[$0][$1][$2]"));
    return found;
}

// Each match pcre2's interpreter finds on the line as characters, as
// MatchesAndGroups gives them; nothing when it runs past its limits, kept
// low: it takes its steps far more slowly than the JIT.
std::optional<std::vector<std::string>> InterpreterMatches(const AnsiString& Pattern, const AnsiString& Line,
                                                           bool MatchCase)
{
    const std::string utf8 = GbkToRegexUtf8(Pattern);
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(utf8.data()), utf8.size(),
                                     PCRE2_UTF | PCRE2_NEVER_BACKSLASH_C | (MatchCase ? 0 : PCRE2_CASELESS), &error,
                                     &errorOffset, nullptr);
    if (!code)
        return std::nullopt;
    pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
    pcre2_match_context* context = pcre2_match_context_create(nullptr);
    pcre2_set_match_limit(context, 100000);
    TSynRegexSubject subject;
    subject.Assign(Line);
    const std::string_view text = subject.Text();
    std::optional<std::vector<std::string>> found(std::in_place);
    size_t offset = 0;
    uint32_t flags = 0;
    while (true) {
        const int rc = pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), offset,
                                   flags | PCRE2_NO_JIT, data, context);
        if (rc == PCRE2_ERROR_NOMATCH && flags != 0 && offset < text.size()) {
            do
                ++offset;
            while (offset < text.size() && (static_cast<unsigned char>(text[offset]) & 0xC0) == 0x80);
            flags = 0;
            continue;
        }
        if (rc < 0) {
            if (rc != PCRE2_ERROR_NOMATCH)
                found.reset();
            break;
        }
        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data);
        std::string groups;
        for (int i = 0; i < 3; ++i)
            groups += "[" +
                      (i < rc && ovector[2 * i] != PCRE2_UNSET
                           ? Line.substr(subject.LineOffset(ovector[2 * i]),
                                         subject.LineOffset(ovector[2 * i + 1]) - subject.LineOffset(ovector[2 * i]))
                           : std::string()) +
                      "]";
        const size_t start = subject.LineOffset(ovector[0]);
        found->push_back(std::to_string(start + 1) + "+" + std::to_string(subject.LineOffset(ovector[1]) - start) +
                         " " + groups);
        offset = ovector[1];
        flags = ovector[0] == ovector[1] ? PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED : 0;
    }
    pcre2_match_context_free(context);
    pcre2_match_data_free(data);
    pcre2_code_free(code);
    return found;
}

// The fastest of Runs runs of Search, in milliseconds.
double FastestMs(const std::function<void()>& Search, int Runs)
{
    const auto now = [] {
        timespec time{};
        clock_gettime(CLOCK_MONOTONIC, &time);
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_nsec) / 1e6;
    };
    double fastest = 1e9;
    for (int i = 0; i < Runs; ++i) {
        const double start = now();
        Search();
        fastest = std::min(fastest, now() - start);
    }
    return fastest;
}

// Whether Bytes (a search through the engine) costs more than a
// millisecond and ten times Characters (the same through the character
// route): timed once, and where that says so, again as the fastest of
// five runs each, so that a busy machine's pause in one run does not count.
bool CostsMuchMore(const std::function<void()>& Bytes, const std::function<void()>& Characters)
{
    const auto much = [](double BytesMs, double CharactersMs) { return BytesMs > 1 && BytesMs > 10 * CharactersMs; };
    return much(FastestMs(Bytes, 1), FastestMs(Characters, 1)) && much(FastestMs(Bytes, 5), FastestMs(Characters, 5));
}

TEST(TSynTextRegexSearchTest, MatchesOnTheLinesBytesAreTheCharacterMatchersOnShortAndLongLines)
{
    // Letters that are trail bytes ('f' in 說, 'T' in 門, 't' in E9 74,
    // 'z' in 81 7A), a backslash one (乗), a lead byte whose trail is a
    // lead byte too (中), a lead byte pairing with what follows it, a byte
    // that is no character.
    static const char* const Pieces[] = {"a", "f", "T", "t", "z", "@", " ", "說", "門", "\xE9\x74", "\x81\x7A",
                                         "中", "乗", "這", "\xD5", "\x80", "abc", "7", "^"};
    TSynTextRegexSearch engine(nullptr), characters(nullptr);
    int onBytes = 0, found = 0, longLines = 0;
    for (const uint32_t seed : SessionSeeds(SeedRange(1, 40), 4)) {
        TRandom random(seed);
        for (int round = 0; round < 400; ++round) {
            const AnsiString pattern = RandomByteExpression(random, 0);
            const bool matchCase = random.Chance(70);
            onBytes += RegexForBytes(pattern, !matchCase).has_value();
            for (int l = 0; l < 3; ++l) {
                // One line in six runs long, its letters mostly trail bytes.
                const bool longLine = random.Chance(16);
                longLines += longLine;
                AnsiString line;
                for (int i = longLine ? random.Between(200, 1000) : random.Between(0, 12); i > 0; --i)
                    line += random.Pick(Pieces);
                std::vector<std::string> expected;
                try {
                    // A branch for a byte no line holds, through an escape
                    // only characters answer: the same matches, every line
                    // matched as characters.
                    expected = MatchesAndGroups(characters, "(?:" + pattern + ")|\\x01", line, matchCase);
                } catch (const ESynRegexError&) {
                    EXPECT_THROW(FindAll(engine, pattern, line, matchCase), ESynRegexError) << pattern;
                    break;
                } catch (const ESynSearchTooCostly&) {
                    continue;  // nested repeats over a long line: pcre2 gives up on either
                }
                ASSERT_EQ(MatchesAndGroups(engine, pattern, line, matchCase), expected)
                    << "seed " << seed << " pattern [" << pattern << "] line [" << line << "] case " << matchCase;
                // pcre2's JIT can differ from its interpreter; the engine
                // answers as the interpreter does.
                if (const auto interpreted = InterpreterMatches(pattern, line, matchCase)) {
                    ASSERT_EQ(expected, *interpreted)
                        << "seed " << seed << " pattern [" << pattern << "] line [" << line << "] case " << matchCase;
                }
                EXPECT_FALSE(CostsMuchMore([&] { engine.FindAll(line); },
                                           [&] { characters.FindAll(line); }))
                    << "seed " << seed << " pattern [" << pattern << "] line [" << line << "] case " << matchCase;
                found += !expected.empty();
            }
        }
    }
    // Most expressions are matched on the bytes, and most lines hold
    // matches: the comparison is not between empty lists.
    EXPECT_GT(onBytes, 600);
    EXPECT_GT(found, 1000);
    EXPECT_GT(longLines, 500);
}

AnsiString Repeated(const AnsiString& Piece, size_t Count)
{
    AnsiString text;
    for (size_t i = 0; i < Count; ++i)
        text += Piece;
    return text;
}

// Line with every match replaced by Replacement, its groups filled in.
AnsiString ReplaceAll(TSynTextRegexSearch& Engine, const AnsiString& Pattern, const AnsiString& Line,
                      const AnsiString& Replacement)
{
    AnsiString replaced;
    size_t done = 0;
    const TMatches matches = FindAll(Engine, Pattern, Line, true);
    for (size_t i = 0; i < matches.size(); ++i) {
        const size_t start = static_cast<size_t>(matches[i].first - 1);
        replaced += Line.substr(done, start - done) + Engine.Replace(static_cast<int>(i), Replacement);
        done = start + static_cast<size_t>(matches[i].second);
    }
    return replaced + Line.substr(done);
}

TEST(TSynTextRegexSearchTest, GroupsAreThoseOfTheMatchNotOfAStartThatFailed)
{
    // 門 is E9 54 and 丼 81 53: their trail bytes are 'T' and 'S'.
    const struct {
        const char* Pattern;
        AnsiString Line;
        const char* Replacement;
        AnsiString Expected;
    } cases[] = {
        {"([A-Z])*+說", "門 說", "<$1>", "門 <>"},
        {"(\\w)*+說", "門 說", "<$1>", "門 <>"},
        {"(S)*+說", "\x81\x53x說", "[$1]", "\x81\x53x[]"},
        // A start that failed on a character of its own.
        {"([A-Z])*+說", "T x說", "<$1>", "T x<>"},
        {"(?>([A-Z])*)說", "T x說", "<$1>", "T x<>"},
    };
    TSynTextRegexSearch engine(nullptr);
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceAll(engine, c.Pattern, c.Line, c.Replacement), c.Expected) << c.Pattern << " over " << c.Line;
}

TEST(TSynTextRegexSearchTest, ShortLinesWhoseBytesHoldALetterTheCharactersLackCostNoHunt)
{
    // 亂 is 81 79, ending in a 'y'; 亃 81 7A, ending in a 'z'. Each line
    // would run the bytes through every way of taking its characters, to
    // pcre2's limit, where the characters find at once that no match can
    // start. In the last row a start is tried at 說's trail byte 'f' (the
    // look-ahead leaves the expression no lead texts); in the row before,
    // the lead texts f and t are looked for at character starts alone.
    const AnsiString noRealY = "\x81\x79";
    const AnsiString noRealZ = "\x81\x7A";
    const struct {
        const char* Pattern;
        AnsiString Line;
        TMatches Expected;
        int GiveUps;
    } cases[] = {
        {"a(?:[說門]|.)*y", "ya" + Repeated("說", 30) + noRealY, {}, 0},
        {"a(?:[說門]|.)*y", "ay end xyz", {{1, 9}}, 0},
        {"a(\\w|.)*y", "y a" + Repeated("b", 200) + noRealY, {}, 0},
        {"a(?:b|\\w)*y", "ya" + Repeated("b", 541) + noRealY, {}, 0},
        {"說(?:[說門]|.)*z", "z" + Repeated("說", 30) + noRealZ, {}, 0},
        {"(?:f|t)(?:a|\\w)*(?:!|\\?)", "說" + Repeated("a", 30) + "x", {}, 0},
        {"(?=[ft])(?:f|t)(?:a|\\w)*(?:!|\\?)", "說" + Repeated("a", 30) + "x", {}, 1},
    };
    // The steps the bytes took where they gave up, for each time.
    std::vector<size_t> gaveUp;
    SynRegexBytesGaveUp = [&](size_t Steps) { gaveUp.push_back(Steps); };
    TSynTextRegexSearch engine(nullptr);
    for (const auto& c : cases) {
        gaveUp.clear();
        for (int line = 0; line < 3; ++line)
            EXPECT_EQ(FindAll(engine, c.Pattern, c.Line, true), c.Expected) << c.Pattern << " over " << c.Line;
        EXPECT_EQ(gaveUp.size(), static_cast<size_t>(3 * c.GiveUps)) << c.Pattern << " over " << c.Line;
        for (const size_t steps : gaveUp)
            EXPECT_LE(steps, 2000 + 50 * c.Line.size()) << c.Pattern << " over " << c.Line;
    }
    SynRegexBytesGaveUp = nullptr;
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

TEST(TSynTextRegexSearchTest, LongLinesFindTheirMatchesAndNeverGiveUp)
{
    // Characters of the rows that hold traditional ones (lead bytes 81-A0):
    // over a quarter end in a letter.
    TRandom random(20261208);
    AnsiString traditional;
    while (traditional.size() < 1000000) {
        const auto trail = static_cast<char>(random.Between(0x40, 0xFE));
        if (trail != '\x7F')
            traditional += AnsiString{static_cast<char>(random.Between(0x81, 0xA0)), trail};
    }
    // 81 7A ends in a 'z', 81 79 in a 'y', 81 64 in a 'd'; ten megabytes,
    // seven million characters.
    const AnsiString noRealZ = "\x81\x7A";
    const AnsiString noRealY = "\x81\x79";
    const AnsiString noRealD = "\x81\x64";
    const AnsiString tenMegabytes = Repeated("說a門b", (10u << 20) / 6) + "中";
    const int ten = static_cast<int>(tenMegabytes.size());
    const struct {
        const char* Pattern;
        AnsiString Line;
        TMatches Expected;
    } cases[] = {
        {"[a-z].*", Repeated("說", 100000) + "abc", {{200001, 3}}},
        {"\\w.*", Repeated("說", 200000) + "abc", {{400001, 3}}},
        {"\\w.*", traditional + " end", {{1000002, 3}}},
        {"a.*[yz]", Repeated("a", 100000) + noRealZ, {}},
        {"a.*z", Repeated("a", 1000000) + noRealZ, {}},
        {".*", tenMegabytes, {{1, ten}, {ten + 1, 0}}},
        {"^.*$", tenMegabytes, {{1, ten}}},
        // Repeated groups: each start would run over the line to the trail
        // byte, or try every way of taking the characters up to it.
        {"(.|\\s)*?end", Repeated("說", 50000) + noRealD, {}},
        {"(.|\\s)*?end", Repeated("說", 50000) + noRealD + " end", {{1, 100006}}},
        {"(.)*xy", Repeated("說", 50000) + noRealY, {}},
        {"(.)*xy", "y" + Repeated("說", 50000) + noRealY, {}},
        {"(?:[說門]|.)*z", Repeated("說", 30) + noRealZ, {}},
        {"a(?:[說門]|.)*y", "ya" + Repeated("說", 30) + noRealY, {}},
    };
    TSynTextRegexSearch engine(nullptr);
    for (const auto& c : cases)
        EXPECT_EQ(FindAll(engine, c.Pattern, c.Line, true), c.Expected) << c.Pattern << " over " << c.Line.size();
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
