// Regular-expression searches over a long line, through the editor as the
// find dialog runs them (match case on), each the time the user waits:
// Chinese characters whose trail bytes are letters, where the line's own
// bytes hold matches starting inside a character, a repeated '.' that must
// fail over the whole line or run to its end, and repeated groups holding
// '.' or a Chinese class that must fail over the line before a match on
// the next; repeats that fail from every start of a line of letters, and a
// replace-all of 10k, 100k and 1M matches, where the time per replacement
// should stay flat. Each checks what it found, and that it did not give up
// as too costly. Beside each, pcre2 by itself on the same lines converted
// to UTF-8 (its JIT, every match), which the editor is held to; and
// pcre2grep -c over the same text as a file (it reads bytes, so it may
// count a match inside a character that the editor must not find).
#include <benchmark/benchmark.h>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "bench_gbk_document.h"
#include "bench_pcre2grep.h"
#include "bench_shown_memo.h"
#include "editor_services/search/syn_regex_subject.h"
#include "editor_services/search/syn_text_regex_search.h"

namespace {

struct TLongLineSearch {
    std::string Name;
    const char* Pattern;
    AnsiString Text;          // its lines ended by CR LF
    const char* Replacement;  // null for a find of the first match
    int Found;                // the matches selected or replaced
    AnsiString Expected;      // the text a find selects, or the last line after a replace-all
};

AnsiString Repeated(const AnsiString& Piece, size_t Count)
{
    AnsiString text;
    text.reserve(Piece.size() * Count);
    for (size_t i = 0; i < Count; ++i)
        text += Piece;
    return text;
}

// Characters drawn from the rows of the code page that hold traditional
// ones (lead bytes 81-A0): over a quarter of them end in a letter.
AnsiString RandomTraditionalCharacters(size_t Count)
{
    TDraws draws;
    AnsiString text;
    while (text.size() < 2 * Count) {
        const auto trail = static_cast<char>(0x40 + draws.Below(0xBF));
        if (trail == '\x7F')
            continue;
        text += static_cast<char>(0x81 + draws.Below(0x20));
        text += trail;
    }
    return text;
}

const std::vector<TLongLineSearch>& Searches()
{
    // 81 7A is a Chinese character whose trail byte is a 'z', 81 79 a 'y',
    // 81 64 a 'd'.
    static const std::vector<TLongLineSearch> searches = [] {
        const AnsiString chinese = Repeated("說", 100000) + "abc";
        const AnsiString mixed = Repeated("說a門b", (10u << 20) / 6) + "中";  // 10 MB, 7 million characters
        // A line with no match between two lines, the last holding one.
        const auto between = [](const AnsiString& Line, const char* Last) { return "abc\r\n" + Line + "\r\n" + Last; };
        const AnsiString abs = Repeated("ab", 49999) + " d";
        // One line in three holds "key", once.
        const auto keyed = [](size_t Matches) {
            return Repeated("    value = \xD6\xD0 + x;\r\nint key = 1;\r\n", Matches) + "// note";
        };
        return std::vector<TLongLineSearch>{
            {"LetterThenAny_100k", "[a-z].*", chinese, nullptr, 1, "abc"},
            {"LetterThenAnyReplaceAll_100k", "[a-z].*", chinese, "x", 1, Repeated("說", 100000) + "x"},
            {"WordThenAny_200k", "\\w.*", Repeated("說", 200000) + "abc", nullptr, 1, "abc"},
            {"WordThenAnyRandom_500k", "\\w.*", RandomTraditionalCharacters(500000) + " end", nullptr, 1, "end"},
            {"ThenClass_100k", "a.*[yz]", Repeated("a", 100000) + "\x81\x7A", nullptr, 0, ""},
            {"ThenLetter_1M", "a.*z", Repeated("a", 1000000) + "\x81\x7A", nullptr, 0, ""},
            {"Any_10MB", ".*", mixed, nullptr, 1, mixed},
            {"WholeLine_10MB", "^.*$", mixed, nullptr, 1, mixed},
            {"LazyGroupThenEnd_50k", "(.|\\s)*?end", between(Repeated("說", 50000) + "\x81\x64", "xy end"), nullptr,
             1, "xy end"},
            {"LazyGroupThenEndReplaceAll_50k", "(.|\\s)*?end", between(Repeated("說", 50000) + "\x81\x64", "xy end"),
             "x", 1, "x"},
            {"GroupThenXy_50k", "(.)*xy", between(Repeated("說", 50000) + "\x81\x79", "xy end"), nullptr, 1, "xy"},
            {"GroupThenXyAfterY_50k", "(.)*xy", between("y" + Repeated("說", 50000) + "\x81\x79", "xy end"), nullptr,
             1, "xy"},
            {"ChineseOrAnyThenZ_30", "(?:[說門]|.)*z", between(Repeated("說", 30) + "\x81\x7A", "xyz"), nullptr, 1,
             "xyz"},
            {"AThenChineseOrAnyThenY_30", "a(?:[說門]|.)*y", between("ya" + Repeated("說", 30) + "\x81\x79", "axy"),
             nullptr, 1, "axy"},
            // Each start of the line runs over its letters and fails.
            {"WordsThenD_100k", "\\w+d", abs, nullptr, 0, ""},
            {"WordsThenDReplaceAll_100k", "\\w+d", abs, "x", 0, abs},
            {"LettersThenD_100k", "[a-z]+d", abs, nullptr, 0, ""},
            {"AbOrAcThenD_100k", "(?:ab|ac)[a-z]*d", abs, nullptr, 0, ""},
            {"AMaybeBThenX_1M", "ab?x", Repeated("a", 1000000) + "x", nullptr, 1, "ax"},
            {"ChineseMaybeThenX_100k", "說文?x", Repeated("說i", 33333) + "x", nullptr, 0, ""},
            // Replace-all of matches spread over lines, and in one line.
            {"ReplaceAllLines_10k", "k\\w+y", keyed(10000), "door", 10000, "// note"},
            {"ReplaceAllLines_100k", "k\\w+y", keyed(100000), "door", 100000, "// note"},
            {"ReplaceAllLines_1M", "k\\w+y", keyed(1000000), "door", 1000000, "// note"},
            {"ReplaceAllOneLine_10k", "k\\w+y", Repeated("key 說 ", 10000), "門", 10000, Repeated("門 說 ", 10000)},
            {"ReplaceAllOneLine_100k", "k\\w+y", Repeated("key 說 ", 100000), "門", 100000,
             Repeated("門 說 ", 100000)},
            {"ReplaceAllOneLine_1M", "k\\w+y", Repeated("key 說 ", 1000000), "門", 1000000,
             Repeated("門 說 ", 1000000)},
        };
    }();
    return searches;
}

void BM_RegexLongLine(benchmark::State& State, const TLongLineSearch& Search)
{
    auto host = ShownHeadlessHost(800, 600);
    TSynSearchOptions options{soMatchCase, soEntireScope};
    if (Search.Replacement)
        options.Include(soReplaceAll);
    int found = -1;
    bool right = true;
    for (auto _ : State) {
        // A new engine each time: the find compiles its pattern, as the
        // user's first find does.
        State.PauseTiming();
        auto memo = ShownMemo(*host, Search.Text);
        auto engine = std::make_unique<TSynTextRegexSearch>(nullptr);
        memo->SetSearchEngine(engine.get());
        State.ResumeTiming();
        try {
            found = memo->SearchReplace(Search.Pattern, Search.Replacement ? Search.Replacement : "", options);
        } catch (const ESynSearchTooCostly&) {
            State.SkipWithError("the search gave up as too costly");
            break;
        }
        State.PauseTiming();
        right = right && found == Search.Found &&
                (Search.Replacement ? memo->Lines()->Strings(memo->Lines()->Count() - 1) : memo->SelText()) ==
                    Search.Expected;
        memo.reset();
        engine.reset();
        State.ResumeTiming();
    }
    if (!right)
        State.SkipWithError("wrong matches");
    State.counters["found"] = found;
    State.counters["text_bytes"] = static_cast<double>(Search.Text.size());
    if (Search.Replacement && found > 0)
        State.counters["per_replacement"] = benchmark::Counter(
            found, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// pcre2 by itself: each line converted to UTF-8 as the editor converts it,
// and every match of the pattern there found by its JIT.
void BM_Pcre2CharactersLongLine(benchmark::State& State, const TLongLineSearch& Search)
{
    std::vector<AnsiString> lines;
    for (size_t from = 0;;) {
        const size_t end = Search.Text.find("\r\n", from);
        lines.push_back(Search.Text.substr(from, end - from));
        if (end == AnsiString::npos)
            break;
        from = end + 2;
    }
    const std::string pattern = GbkToRegexUtf8(Search.Pattern);
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                     PCRE2_UTF | PCRE2_NEVER_BACKSLASH_C, &error, &errorOffset, nullptr);
    pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
    pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
    TSynRegexSubject subject;
    long found = 0;
    for (auto _ : State) {
        found = 0;
        for (const AnsiString& line : lines) {
            subject.Assign(line);
            const std::string_view text = subject.Text();
            const auto* units = reinterpret_cast<PCRE2_SPTR>(text.data());
            for (size_t start = 0;
                 start <= text.size() && pcre2_jit_match(code, units, text.size(), start, 0, data, nullptr) > 0;
                 ++found) {
                const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data);
                benchmark::DoNotOptimize(subject.LineOffset(ovector[0]));
                start = ovector[1] > ovector[0] ? ovector[1] : ovector[1] + 1;
            }
        }
    }
    pcre2_match_data_free(data);
    pcre2_code_free(code);
    // A find stops at the first match; a replace-all counts them all.
    if (Search.Replacement ? found != Search.Found : (found > 0) != (Search.Found > 0))
        State.SkipWithError("wrong matches");
    State.counters["found"] = static_cast<double>(found);
}

void BM_Pcre2grepLongLine(benchmark::State& State, const TLongLineSearch& Search)
{
    // Its lines ended by LF, as pcre2grep reads them.
    AnsiString lines = Search.Text + "\n";
    std::erase(lines, '\r');
    const TBenchTextFile file("long_line", [&](std::ostream& Out) { Out << lines; });
    RunPcre2grep(State, Search.Pattern, file.Path());
}

}  // namespace

int main(int argc, char** argv)
{
    for (const TLongLineSearch& search : Searches()) {
        // As many runs as fill a fifth of a second, so that one disturbed
        // run on a busy machine does not decide the figure.
        benchmark::RegisterBenchmark(("BM_RegexLongLine/" + search.Name).c_str(), BM_RegexLongLine, search)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->MinTime(0.2);
        benchmark::RegisterBenchmark(("BM_Pcre2CharactersLongLine/" + search.Name).c_str(),
                                     BM_Pcre2CharactersLongLine, search)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->MinTime(0.2);
        benchmark::RegisterBenchmark(("BM_Pcre2grepLongLine/" + search.Name).c_str(), BM_Pcre2grepLongLine, search)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
