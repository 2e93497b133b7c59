// The regular-expression engine held against pcre2 on the characters:
// random expressions with case classes, inline case switches, alternations
// and Chinese characters find the same matches with lines passed over and
// with every line searched; random expressions built to meet every way a
// search has answered otherwise than the characters (characters sharing a
// lead byte, \K and \G beside atomic and possessive groups, possessive
// Chinese characters, verbs, long runs) give pcre2's interpreter's matches
// and groups, with the filter on and off, and cost little more than pcre2
// on the characters; each such way kept as a row; classes whose Chinese
// members come first; matches that run long or backtrack without end, and
// the long lines a search must go through in one pass.

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

#include "editor_services/search/syn_regex_subject.h"

#include "tests/support/test_random.h"
#include "tests/support/test_seeds.h"

namespace {

using TMatches = std::vector<std::pair<int, int>>;  // 1-based start, length

TMatches MatchesOf(TSynTextRegexSearch& Engine, const AnsiString& Pattern, const AnsiString& Line, bool MatchCase)
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
    EXPECT_EQ(MatchesOf(engine, "[Rr]eturn", "  return x; Return", true), (TMatches{{3, 6}, {13, 6}}));
    EXPECT_EQ(MatchesOf(engine, "[Tt]ed", "說ted", true), (TMatches{{3, 3}}));
    EXPECT_EQ(MatchesOf(engine, "a[Bb]", "ab aB AB", true), (TMatches{{1, 2}, {4, 2}}));
    // A boundary is a question of characters: the line is converted.
    EXPECT_EQ(MatchesOf(engine, "[Rr]eturn\\b", "說return", true), (TMatches{{3, 6}}));
    EXPECT_EQ(MatchesOf(engine, "(?i)error", "ERROR: x", true), (TMatches{{1, 5}}));
    EXPECT_EQ(MatchesOf(engine, "x(?i)Z", "門xz", true), (TMatches{{3, 2}}));
    // Switched back, the case counts again.
    EXPECT_EQ(MatchesOf(engine, "(?i)e(?-i)R", "eR ER er Er", true), (TMatches{{1, 2}, {4, 2}}));
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
    everyLine.SetLineFilter(false);
    int found = 0;
    for (const uint32_t seed : SessionSeeds(SeedRange(1, 40), 4)) {
        TRandom random(seed);
        for (int round = 0; round < 500; ++round) {
            const AnsiString pattern = RandomExpression(random, 0);
            const bool matchCase = random.Chance(70);
            for (int l = 0; l < 4; ++l) {
                AnsiString line;
                for (int i = random.Between(0, 12); i > 0; --i)
                    line += random.Pick(Pieces);
                TMatches expected;
                try {
                    expected = MatchesOf(everyLine, pattern, line, matchCase);
                } catch (const ESynRegexError&) {
                    // A quantifier after what cannot repeat: both refuse it.
                    EXPECT_THROW(MatchesOf(engine, pattern, line, matchCase), ESynRegexError) << pattern;
                    break;
                }
                ASSERT_EQ(MatchesOf(engine, pattern, line, matchCase), expected)
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
        EXPECT_EQ(MatchesOf(engine, c.Pattern, c.Line, true), c.Expected) << c.Pattern << " over " << c.Line;
}

AnsiString Repeated(const AnsiString& Piece, size_t Count)
{
    AnsiString text;
    for (size_t i = 0; i < Count; ++i)
        text += Piece;
    return text;
}

// An expression built to meet every way a search has answered otherwise
// than the characters: classes and alternations of characters sharing
// their lead byte (只 D6 BB and 种 D6 D6, 中 D6 D0 and 主 D6 F7), \K and \G
// beside atomic and possessive groups, possessive quantifiers on Chinese
// characters and classes, verbs at the start; and ASCII and Chinese
// literals whose trail bytes are letters, '.', lookarounds, anchors.
AnsiString RandomRouteExpression(TRandom& Random, int Depth)
{
    static const char* const Atoms[] = {"a", "b", "x", "d", "f", "T", "\\\\", "說", "門", "中", "主", "只", "种",
                                        "乗", "這", "\x81\x7A", ".", ".", "[a-f]", "[只种]", "[中主]", "[說門]",
                                        "[Tt說]", "[中z]", "(?:中|主)", "(只|种)", "\\w", "\\d", "\\s", "[^a]", "$",
                                        "\\K", "\\G", "(?>a)", "(?>x)", "(a)", "(?>(中))", "[說^a]", "(.|\\s)",
                                        "@", "z", ".*", ".+", "(f.*)", "(?:T.+|a)", "[門^]", "(?:[說門]|.)",
                                        "(?:a|門.)", "(?:中|主)?+", "(?:b|x)?+", "(?>只|x)?"};
    static const char* const Quantifiers[] = {"*", "+", "?", "{1,2}", "{0,2}", "*?", "+?", "??",
                                              "*+", "++", "?+", "{0,2}+"};
    static const char* const Opens[] = {"(", "(?:", "(?=", "(?!", "(?>"};
    static const char* const Verbs[] = {"(*NO_JIT)", "(*COMMIT)", "(*PRUNE)", "(*NO_START_OPT)", "(*SKIP)"};
    AnsiString expression = Depth == 0 && Random.Chance(10) ? Random.Pick(Verbs) : "";
    if (Depth == 0 && Random.Chance(10))
        expression += "^";
    for (int i = Random.Between(1, 4); i > 0; --i) {
        if (Depth < 2 && Random.Chance(15))
            expression += Random.Pick(Opens) + RandomRouteExpression(Random, Depth + 1) + ")";
        else
            expression += Random.Pick(Atoms);
        if (Random.Chance(30))
            expression += Random.Pick(Quantifiers);
    }
    if (Random.Chance(20))
        expression += "|" + RandomRouteExpression(Random, Depth + 1);
    return expression;
}

// Each match found with its text and its first two groups, as a
// replacement takes them.
std::vector<std::string> MatchesAndGroups(TSynTextRegexSearch& Engine, const AnsiString& Pattern,
                                          const AnsiString& Line, bool MatchCase)
{
    std::vector<std::string> found;
    for (const auto& [start, length] : MatchesOf(Engine, Pattern, Line, MatchCase))
        found.push_back(std::to_string(start) + "+" + std::to_string(length) + " " +
                        Engine.Replace(static_cast<int>(found.size()), "[$0][$1][$2]"));
    return found;
}

// pcre2 by itself on a line as characters: each match as MatchesAndGroups
// gives them, found by its JIT, or by its interpreter as the answer to
// hold the engine to: its steps kept low (it takes them far more slowly
// than the JIT), and without the possessification of repeats, which only
// saves steps where it reads the expression right.
class TCharacterMatcher {
public:
    TCharacterMatcher(const AnsiString& Pattern, bool MatchCase, bool Jit)
    {
        const std::string utf8 = GbkToRegexUtf8(Pattern);
        int error = 0;
        PCRE2_SIZE errorOffset = 0;
        code_ = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(utf8.data()), utf8.size(),
                              PCRE2_UTF | PCRE2_NEVER_BACKSLASH_C | (MatchCase ? 0 : PCRE2_CASELESS) |
                                  (Jit ? 0 : PCRE2_NO_AUTO_POSSESS),
                              &error, &errorOffset, nullptr);
        if (!code_)
            return;
        if (Jit)
            pcre2_jit_compile(code_, PCRE2_JIT_COMPLETE);
        else
            noJit_ = PCRE2_NO_JIT;
        data_ = pcre2_match_data_create_from_pattern(code_, nullptr);
        context_ = pcre2_match_context_create(nullptr);
        // The JIT's stack as the engine's may grow, so that it answers on
        // long lines rather than giving up at once.
        if (Jit) {
            jitStack_ = pcre2_jit_stack_create(32u << 10, 64u << 20, nullptr);
            pcre2_jit_stack_assign(context_, nullptr, jitStack_);
        } else {
            pcre2_set_match_limit(context_, 100000);
        }
    }
    ~TCharacterMatcher()
    {
        pcre2_jit_stack_free(jitStack_);
        pcre2_match_context_free(context_);
        pcre2_match_data_free(data_);
        pcre2_code_free(code_);
    }
    TCharacterMatcher(const TCharacterMatcher&) = delete;
    TCharacterMatcher& operator=(const TCharacterMatcher&) = delete;

    // Nothing where the pattern does not compile or a match runs past the
    // limits.
    std::optional<std::vector<std::string>> Matches(const AnsiString& Line)
    {
        if (!code_)
            return std::nullopt;
        subject_.Assign(Line);
        const std::string_view text = subject_.Text();
        std::optional<std::vector<std::string>> found(std::in_place);
        size_t offset = 0;
        uint32_t flags = 0;
        while (true) {
            const int rc = pcre2_match(code_, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), offset,
                                       flags | noJit_, data_, context_);
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
            const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data_);
            const auto part = [&](int Group) {
                if (Group >= rc || ovector[2 * Group] == PCRE2_UNSET)
                    return std::string();
                const size_t start = subject_.LineOffset(ovector[2 * Group]);
                return Line.substr(start, subject_.LineOffset(ovector[2 * Group + 1]) - start);
            };
            const size_t start = subject_.LineOffset(ovector[0]);
            found->push_back(std::to_string(start + 1) + "+" +
                             std::to_string(subject_.LineOffset(ovector[1]) - start) + " [" + part(0) + "][" +
                             part(1) + "][" + part(2) + "]");
            offset = ovector[1];
            flags = ovector[0] == ovector[1] ? PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED : 0;
        }
        return found;
    }

private:
    pcre2_code* code_ = nullptr;
    pcre2_match_data* data_ = nullptr;
    pcre2_match_context* context_ = nullptr;
    pcre2_jit_stack* jitStack_ = nullptr;
    uint32_t noJit_ = 0;
    TSynRegexSubject subject_;
};

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

// Whether Engine (a search through the engine) costs more than a
// millisecond and ten times Pcre2 (the same by pcre2 on the characters):
// timed once, and where that says so, again as the fastest of five runs
// each, so that a busy machine's pause in one run does not count.
bool CostsMuchMore(const std::function<void()>& Engine, const std::function<void()>& Pcre2)
{
    const auto much = [](double EngineMs, double Pcre2Ms) { return EngineMs > 1 && EngineMs > 10 * Pcre2Ms; };
    return much(FastestMs(Engine, 1), FastestMs(Pcre2, 1)) && much(FastestMs(Engine, 5), FastestMs(Pcre2, 5));
}

TEST(TSynTextRegexSearchTest, RandomExpressionsGivePcre2sMatchesOnTheCharactersWithTheFilterOnAndOff)
{
    // Letters that are trail bytes ('f' in 說, 'T' in 門, 'z' in 81 7A), a
    // backslash one (乗), characters sharing a lead byte (只种, 中主; 中's
    // trail byte is a lead byte too), a lead byte pairing with what follows
    // it, a byte that is no character.
    static const char* const Pieces[] = {"a", "b", "x", "d", "f", "T", " ", "3", "說", "門", "\x81\x7A", "中",
                                         "主", "只", "种", "乗", "這", "\xD5", "\x80", "ab", "axy", "z", "@", "\xE9\x74",
                                         "^", "7"};
    // Long runs of one letter or one character, the item a match needs at
    // their end.
    static const char* const Runs[] = {"a", "ab", "說", "中", "說i"};
    TSynTextRegexSearch engine(nullptr), everyLine(nullptr);
    everyLine.SetLineFilter(false);
    int found = 0, longLines = 0;
    for (const uint32_t seed : SessionSeeds(SeedRange(1, 40), 4)) {
        TRandom random(seed);
        for (int round = 0; round < 400; ++round) {
            const AnsiString pattern = RandomRouteExpression(random, 0);
            const bool matchCase = random.Chance(70);
            TCharacterMatcher interpreter(pattern, matchCase, false), jit(pattern, matchCase, true);
            for (int l = 0; l < 3; ++l) {
                const bool longLine = random.Chance(12);
                longLines += longLine;
                AnsiString line;
                if (longLine)
                    line = Repeated(random.Pick(Runs), static_cast<size_t>(random.Between(500, 3000)));
                for (int i = random.Between(0, longLine ? 2 : 12); i > 0; --i)
                    line += random.Pick(Pieces);
                const auto where = [&] {
                    return "seed " + std::to_string(seed) + " pattern [" + pattern + "] line [" +
                           line.substr(0, 80) + "] (" + std::to_string(line.size()) + " bytes) case " +
                           std::to_string(matchCase);
                };
                std::vector<std::string> expected;
                try {
                    expected = MatchesAndGroups(everyLine, pattern, line, matchCase);
                } catch (const ESynRegexError&) {
                    EXPECT_THROW(MatchesOf(engine, pattern, line, matchCase), ESynRegexError) << pattern;
                    break;
                } catch (const ESynSearchTooCostly&) {
                    continue;  // nested repeats over a long line: pcre2 gives up on either
                }
                ASSERT_EQ(MatchesAndGroups(engine, pattern, line, matchCase), expected) << where();
                if (const auto interpreted = interpreter.Matches(line)) {
                    ASSERT_EQ(expected, *interpreted) << where();
                }
                EXPECT_FALSE(CostsMuchMore([&] { engine.FindAll(line); }, [&] { jit.Matches(line); })) << where();
                found += !expected.empty();
            }
        }
    }
    // Most lines hold matches: the comparison is not between empty lists.
    EXPECT_GT(found, 1000);
    EXPECT_GT(longLines, 300);
}

// Line with every match replaced by Replacement, its groups filled in.
AnsiString ReplaceAll(TSynTextRegexSearch& Engine, const AnsiString& Pattern, const AnsiString& Line,
                      const AnsiString& Replacement)
{
    AnsiString replaced;
    size_t done = 0;
    const TMatches matches = MatchesOf(Engine, Pattern, Line, true);
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

TEST(TSynTextRegexSearchTest, LinesThatMadeTheBytesHuntCostLittleMoreThanPcre2OnTheCharacters)
{
    // 亂 is 81 79, ending in a 'y'; 亃 81 7A, ending in a 'z'. Each line
    // holds a letter in its bytes that its characters lack, or runs long
    // before the item every match needs, or fails to match from every one
    // of its starts.
    const AnsiString noRealY = "\x81\x79";
    const AnsiString noRealZ = "\x81\x7A";
    const AnsiString abs = Repeated("ab", 49999) + " d";
    const struct {
        const char* Pattern;
        AnsiString Line;
        TMatches Expected;
    } cases[] = {
        {"a(?:[說門]|.)*y", "ya" + Repeated("說", 30) + noRealY, {}},
        {"a(?:[說門]|.)*y", "ay end xyz", {{1, 9}}},
        {"a(\\w|.)*y", "y a" + Repeated("b", 200) + noRealY, {}},
        {"a(?:b|\\w)*y", "ya" + Repeated("b", 541) + noRealY, {}},
        {"說(?:[說門]|.)*z", "z" + Repeated("說", 30) + noRealZ, {}},
        {"(?:f|t)(?:a|\\w)*(?:!|\\?)", "說" + Repeated("a", 30) + "x", {}},
        {"(?=[ft])(?:f|t)(?:a|\\w)*(?:!|\\?)", "說" + Repeated("a", 30) + "x", {}},
        {"\\w+d", abs, {}},
        {"[a-z]+d", abs, {}},
        {"ab?x", Repeated("a", 1000000) + "x", {{1000000, 2}}},
        {"(?:ab|ac)[a-z]*d", abs, {}},
        {"說文?x", Repeated("說i", 33333) + "x", {}},
    };
    TSynTextRegexSearch engine(nullptr);
    for (const auto& c : cases) {
        EXPECT_EQ(MatchesOf(engine, c.Pattern, c.Line, true), c.Expected)
            << c.Pattern << " over " << c.Line.substr(0, 80);
        TCharacterMatcher pcre2(c.Pattern, true, true);
        EXPECT_FALSE(CostsMuchMore([&] { engine.FindAll(c.Line); }, [&] { pcre2.Matches(c.Line); }))
            << c.Pattern << " over " << c.Line.size() << " bytes";
    }
}

TEST(TSynTextRegexSearchTest, FindsAndReplacesWhatTheCharactersHold)
{
    const struct {
        const char* Pattern;
        AnsiString Line;
        const char* Replacement;
        AnsiString Expected;
    } cases[] = {
        // Characters of a class or alternation sharing their first byte
        // (只 D6 BB, 种 D6 D6; 中 D6 D0, 主 D6 F7), after a repeat.
        {"\\d+[只种]", "有3只猫", "<$0>", "有<3只>猫"},
        {"\\w+[說誠]", "ab說", "<$0>", "<ab說>"},
        {"a*[中主]", "中", "<$0>", "<中>"},
        {"x+(中|主)", "x中", "<$1>", "<中>"},
        {"z+?[乻乤乪]", "zz乪", "<$0>", "<zz乪>"},
        {"(e+[乕乨乶]).", "e乶fix", "<$1>", "<e乶>ix"},
        {".[丼乛]", "a丼", "<$0>", "<a丼>"},
        {"[）^码c]?[侤俋]", "c俋", "<$0>", "<c俋>"},
        // A possessive optional Chinese character after a repeat.
        {"[a-z]+說?+x", "abx", "<$0>", "<abx>"},
        {"B\\w+中?+x", "Bfx", "<$0>", "<Bfx>"},
        {"B\\w+中{0,2}+x", "Bfx", "<$0>", "<Bfx>"},
        {"\\w+(中|主)?+x", "ax", "<$0>", "<ax>"},
        // \K and \G beside atomic and possessive groups.
        {"(?>a)\\Kb", "ab", "<$0>", "a<b>"},
        {"(a)++\\Kb", "aab", "<$0>", "aa<b>"},
        {"(?>a)\\K(a*)", "aaa", "<$1>", "a<aa>"},
        {"\\Gx.|(?>x)", "axy", "<$0>", "a<x>y"},
        // The interpreter runs out of steps where the JIT answers at once;
        // in the second, the atomic group holding a capture leaves the
        // search to the interpreter, and the JIT's answer stands.
        {"a(.(?!x[門y](?=..|、|.)*+){2,})+」", "a}」`$_\"bbBt05y9tT2yss]]", "<$0>", "<a}」>`$_\"bbBt05y9tT2yss]]"},
        {"(?>(a))(.(?!x[門y](?=..|、|.)*+){2,})+」", "a}」`$_\"bbBt05y9tT2yss]]", "<$1$2>",
         "<a}>`$_\"bbBt05y9tT2yss]]"},
        // A verb the JIT takes no part in.
        {"(*NO_JIT)abc", "xabc", "<$0>", "x<abc>"},
        // The search begins at the character where the first text every
        // match starts with stands: 中's bytes D6 D0 stand across 爸 (B0
        // D6) and 小 (D0 A1) before it; a look-behind reads the text before
        // that character, and \G sees where the search began.
        {"中", "爸小中", "<$0>", "爸小<中>"},
        {"說(?<=a說)", "a說", "<$0>", "a<說>"},
        {"a(?<=\\Ga)", "xaa", "<$0>", "xaa"},
        // Where the texts stand at every character, they are looked for no
        // further than the first blocks, and pcre2 finds the rest.
        {"xy|編", Repeated("xy", 200) + "說編xy", "", "說"},
        {"xy|編", "說" + Repeated("xy", 200) + "說" + Repeated(".", 200) + "編", "", "說說" + Repeated(".", 200)},
    };
    TSynTextRegexSearch engine(nullptr);
    for (const auto& c : cases) {
        try {
            EXPECT_EQ(ReplaceAll(engine, c.Pattern, c.Line, c.Replacement), c.Expected)
                << c.Pattern << " over " << c.Line;
        } catch (const Exception& Error) {
            ADD_FAILURE() << c.Pattern << " over " << c.Line << ": " << Error.Message();
        }
    }
}

TEST(TSynTextRegexSearchTest, RepeatedGroupsMatchAcrossLinesOfAMillionCharacters)
{
    TSynTextRegexSearch engine(nullptr);
    AnsiString line;
    for (int i = 0; i < 500000; ++i)
        line += "ab";
    EXPECT_EQ(MatchesOf(engine, "(a|b)+", line, true), (TMatches{{1, 1000000}}));
    EXPECT_EQ(engine.Replace(0, "[$1]"), "[b]");
    EXPECT_EQ(MatchesOf(engine, "(\\w|-)+", "x " + line, true), (TMatches{{1, 1}, {3, 1000000}}));
    // Chinese characters one by one, and a string literal running long.
    AnsiString chinese;
    for (int i = 0; i < 200000; ++i)
        chinese += "說門";
    EXPECT_EQ(MatchesOf(engine, "(.)*", chinese, true), (TMatches{{1, 800000}, {800001, 0}}));
    EXPECT_EQ(MatchesOf(engine, "\"([^\"\\\\]|\\\\.)*\"", "s = \"" + chinese + "\";", true), (TMatches{{5, 800002}}));
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
        EXPECT_EQ(MatchesOf(engine, c.Pattern, c.Line, true), c.Expected) << c.Pattern << " over " << c.Line.size();
}

TEST(TSynTextRegexSearchTest, AMatchPastTheLimitsRaisesTooCostlyNotInvalid)
{
    TSynTextRegexSearch engine(nullptr);
    // Backtracking without end: pcre2's match limit stops it.
    const AnsiString as(30000, 'a');
    EXPECT_THROW(MatchesOf(engine, "(a+)+$", as + "b", true), ESynSearchTooCostly);
    // More repeats than the JIT's stack holds: the interpreter tries, and
    // its own limit stops it.
    AnsiString line;
    for (int i = 0; i < 2000000; ++i)
        line += "ab";
    EXPECT_THROW(MatchesOf(engine, "(a|b)+", line, true), ESynSearchTooCostly);
    // The engine goes on with the next line.
    EXPECT_EQ(MatchesOf(engine, "(a|b)+", "xab", true), (TMatches{{2, 2}}));
}

}  // namespace
