// Find-all over about 100 MB of GBK text, a line at a time as the editor's
// SearchReplace asks, through the plain and the regular-expression engine;
// beside each, pcre2's own JIT matching of the same pattern over the same
// lines, which knows nothing of double-byte characters, the same over the
// lines already converted to UTF-8 (the regular-expression engine's floor),
// and pcre2grep -c over the same text as a file. The counters say how many
// matches each found and how many of pcre2's on the GBK bytes lie inside a
// character (false matches the engines must not report).
#include <benchmark/benchmark.h>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "bench_gbk_document.h"
#include "bench_pcre2grep.h"
#include "editor_services/search/syn_regex_subject.h"
#include "editor_services/search/syn_search_char_starts.h"
#include "editor_services/search/syn_text_regex_search.h"
#include "editor_services/search/syn_text_search.h"

namespace {

size_t DocumentBytes()
{
    size_t bytes = 0;
    for (const AnsiString& line : Document())
        bytes += line.size();
    return bytes;
}

void SearchWithEngine(benchmark::State& State, TSynTextSearchCustom& Engine, const char* Pattern,
                      TSynSearchOptions Options = {soMatchCase})
{
    const std::vector<AnsiString>& lines = Document();
    Engine.SetOptions(Options);
    Engine.SetPattern(Pattern);
    int64_t matches = 0;
    for (auto _ : State) {
        matches = 0;
        for (const AnsiString& line : lines)
            matches += Engine.FindAll(line);
        benchmark::DoNotOptimize(matches);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * DocumentBytes()));
    State.counters["matches"] = static_cast<double>(matches);
}

// pcre2 alone: JIT-compiled, every match of every line. On the GBK lines
// it knows no characters, and counts the matches that start or end inside
// one; on the lines converted to UTF-8 before the timing (OnCharacters),
// it finds the engine's matches at what the engine would cost if
// converting lines and mapping offsets back were free.
void SearchWithPcre2(benchmark::State& State, const char* Pattern, bool OnCharacters = false)
{
    std::vector<std::string> converted;
    if (OnCharacters)
        for (const AnsiString& line : Document())
            converted.push_back(GbkToRegexUtf8(line));
    const std::vector<std::string>& lines = OnCharacters ? converted : Document();
    const std::string pattern = OnCharacters ? GbkToRegexUtf8(Pattern) : std::string(Pattern);
    int error = 0;
    PCRE2_SIZE offset = 0;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                     OnCharacters ? PCRE2_UTF : 0, &error, &offset, nullptr);
    pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
    pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
    int64_t matches = 0, inside = 0;
    for (auto _ : State) {
        matches = inside = 0;
        for (const std::string& line : lines) {
            const auto* subject = reinterpret_cast<PCRE2_SPTR>(line.data());
            PCRE2_SIZE start = 0;
            while (start <= line.size() &&
                   pcre2_jit_match(code, subject, line.size(), start, 0, data, nullptr) > 0) {
                const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data);
                ++matches;
                if (!OnCharacters) {
                    TSynCharStarts starts(line);
                    inside += !starts.IsCharStart(ovector[0]) || !starts.IsCharStart(ovector[1]);
                }
                start = ovector[1] > ovector[0] ? ovector[1] : ovector[1] + 1;
            }
        }
        benchmark::DoNotOptimize(matches);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * DocumentBytes()));
    State.counters["matches"] = static_cast<double>(matches);
    if (!OnCharacters)
        State.counters["inside_chars"] = static_cast<double>(inside);
    pcre2_match_data_free(data);
    pcre2_code_free(code);
}

// The document as a file of lines ended by line feeds, for pcre2grep;
// removed at exit.
const std::string& DocumentFile()
{
    static const TBenchTextFile file("search", [](std::ostream& Out) {
        for (const AnsiString& line : Document())
            Out << line << '\n';
    });
    return file.Path();
}

// pcre2grep over the same text as a file.
void SearchWithPcre2grep(benchmark::State& State, const char* Pattern)
{
    RunPcre2grep(State, Pattern, DocumentFile());
}

const char* const kLiteral = "Ted";
const char* const kChineseLiteral = "說文";
const char* const kExpression = "[Tt]ed|(se|fi)[a-z]+";
// Chinese characters in a class and before a dot: pcre2 alone reads their
// bytes and finds ASCII letters that are trail bytes.
const char* const kChineseExpression = "[說門]文|編.";

void BM_PlainEngineLiteral(benchmark::State& State)
{
    TSynTextSearch engine(nullptr);
    SearchWithEngine(State, engine, kLiteral);
}
// Without match case: ASCII letters fold by a table, double-byte letters
// by the folding of their codes.
void BM_PlainEngineLiteralCaseless(benchmark::State& State)
{
    TSynTextSearch engine(nullptr);
    SearchWithEngine(State, engine, kLiteral, {});
}
void BM_PlainEngineChineseCaseless(benchmark::State& State)
{
    TSynTextSearch engine(nullptr);
    SearchWithEngine(State, engine, kChineseLiteral, {});
}
void BM_RegexEngineLiteral(benchmark::State& State)
{
    TSynTextRegexSearch engine(nullptr);
    SearchWithEngine(State, engine, kLiteral);
}
void BM_Pcre2Literal(benchmark::State& State) { SearchWithPcre2(State, kLiteral); }
void BM_Pcre2CharactersLiteral(benchmark::State& State) { SearchWithPcre2(State, kLiteral, true); }
void BM_Pcre2grepLiteral(benchmark::State& State) { SearchWithPcre2grep(State, kLiteral); }
void BM_RegexEngineExpression(benchmark::State& State)
{
    TSynTextRegexSearch engine(nullptr);
    SearchWithEngine(State, engine, kExpression);
}
void BM_Pcre2Expression(benchmark::State& State) { SearchWithPcre2(State, kExpression); }
void BM_Pcre2CharactersExpression(benchmark::State& State) { SearchWithPcre2(State, kExpression, true); }
void BM_Pcre2grepExpression(benchmark::State& State) { SearchWithPcre2grep(State, kExpression); }
void BM_RegexEngineChinese(benchmark::State& State)
{
    TSynTextRegexSearch engine(nullptr);
    SearchWithEngine(State, engine, kChineseExpression);
}
void BM_Pcre2Chinese(benchmark::State& State) { SearchWithPcre2(State, kChineseExpression); }
void BM_Pcre2CharactersChinese(benchmark::State& State) { SearchWithPcre2(State, kChineseExpression, true); }
void BM_Pcre2grepChinese(benchmark::State& State) { SearchWithPcre2grep(State, kChineseExpression); }

BENCHMARK(BM_PlainEngineLiteral)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_PlainEngineLiteralCaseless)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_PlainEngineChineseCaseless)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_RegexEngineLiteral)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Pcre2Literal)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Pcre2CharactersLiteral)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Pcre2grepLiteral)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_RegexEngineExpression)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Pcre2Expression)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Pcre2CharactersExpression)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Pcre2grepExpression)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_RegexEngineChinese)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Pcre2Chinese)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Pcre2CharactersChinese)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Pcre2grepChinese)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
