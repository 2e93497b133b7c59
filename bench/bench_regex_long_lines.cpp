// Regular-expression searches over a long line, through the editor as the
// find dialog runs them (match case on), each the time the user waits:
// Chinese characters whose trail bytes are letters, where the line's own
// bytes hold matches starting inside a character, a repeated '.' that must
// fail over the whole line or run to its end, and repeated groups holding
// '.' or a Chinese class that must fail over the line before a match on
// the next. Each checks what it found, and that it did not give up as too
// costly. Beside each, pcre2grep -c over the same text as a file (it reads
// bytes, so it may count a match inside a character that the editor must
// not find).
#include <benchmark/benchmark.h>

#include <ostream>
#include <string>
#include <vector>

#include "bench_gbk_document.h"
#include "bench_pcre2grep.h"
#include "bench_shown_memo.h"
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
        };
    }();
    return searches;
}

void BM_RegexLongLine(benchmark::State& State, const TLongLineSearch& Search)
{
    auto host = ShownHeadlessHost(800, 600);
    TSynTextRegexSearch engine(nullptr);
    TSynSearchOptions options{soMatchCase, soEntireScope};
    if (Search.Replacement)
        options.Include(soReplaceAll);
    int found = -1;
    bool right = true;
    for (auto _ : State) {
        State.PauseTiming();
        auto memo = ShownMemo(*host, Search.Text);
        memo->SetSearchEngine(&engine);
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
        State.ResumeTiming();
    }
    if (!right)
        State.SkipWithError("wrong matches");
    State.counters["found"] = found;
    State.counters["text_bytes"] = static_cast<double>(Search.Text.size());
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
        benchmark::RegisterBenchmark(("BM_RegexLongLine/" + search.Name).c_str(), BM_RegexLongLine, search)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1);
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
