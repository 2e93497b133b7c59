// The spell checker: checking every word of a 10,000-line text with Chinese
// in it against the default dictionary, found a character at a time as the
// underlining finds them, and loading the default dictionary (Debian's
// English word list, hashed with the default algorithm).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "editor_services/spelling/syn_spell_check.h"
#include "editor_services/spelling/syn_spell_text.h"
#include "platform/base/files.h"
#include "tests/support/test_random.h"

namespace {

// Lines of about 60 bytes: known words, misspelt ones, numbers and Chinese
// characters whose trail bytes are letters (說 is D5 66, 門 E9 54).
std::vector<AnsiString> Document()
{
    static const char* const Pieces[] = {"the", "editor", "Paints", "every", "line", "don't", "teh", "recieve",
                                         "value", "x-ray", "12345", "說", "門", "中文", "well,", "(search)", "Ted"};
    TRandom draws(20240522);  // fixed, so that every run checks the same text
    std::vector<AnsiString> lines;
    for (int i = 0; i < 10000; ++i) {
        AnsiString line;
        while (line.size() < 60) {
            line += Pieces[draws.Index(std::size(Pieces))];
            line += ' ';
        }
        lines.push_back(line);
    }
    return lines;
}

// No word files in the settings folder: the system's list is the dictionary.
void OpenDefaultDictionary(TZavIdiziCheck& Checker)
{
    Checker.SettingsFolder = GetTempDir() + "tandril-bench-spell-absent/";
    Checker.LoadDictionary("english");
}

void BM_SpellCheckText(benchmark::State& state)
{
    TZavIdiziCheck checker(nullptr);
    OpenDefaultDictionary(checker);
    const std::vector<AnsiString> lines = Document();
    int64_t words = 0;
    int64_t unknown = 0;
    for (auto _ : state) {
        words = unknown = 0;
        for (const AnsiString& line : lines) {
            for (TSpellWordSpan w = NextSpellWord(line, 0, checker.WordChars()); !w.Empty();
                 w = NextSpellWord(line, w.End, checker.WordChars())) {
                ++words;
                unknown += !checker.CheckWord(line.substr(w.Start, w.End - w.Start));
            }
        }
        benchmark::DoNotOptimize(unknown);
    }
    state.counters["words"] = static_cast<double>(words);
    state.counters["unknown"] = static_cast<double>(unknown);
}
BENCHMARK(BM_SpellCheckText)->Unit(benchmark::kMillisecond);

void BM_SpellLoadDefaultDictionary(benchmark::State& state)
{
    TZavIdiziCheck checker(nullptr);
    for (auto _ : state)
        OpenDefaultDictionary(checker);
    state.counters["words"] = checker.Words().Count();
}
BENCHMARK(BM_SpellLoadDefaultDictionary)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
