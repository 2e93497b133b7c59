// The editor's replace-all on a shown memo, as the find driver runs it (one
// paint lock, one undo step): at 10k, 100k and 1M replacements, where the
// time per replacement should stay flat; and over the 100 MB GBK document
// beside the engine's own pass (find every match of every line and build
// the replaced line), which bounds what the editor can reach.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_gbk_document.h"
#include "bench_shown_memo.h"
#include "editor_services/search/syn_text_search.h"

namespace {

// One line in four holds "key", once.
AnsiString KeyedLines(int Matches)
{
    AnsiString text;
    for (int i = 0; i < Matches; ++i)
        text += "    value = \xD6\xD0 + x;\r\nint key = 1;\r\n// note\r\n\r\n";
    return text;
}

void BM_EditorReplaceAll(benchmark::State& State)
{
    const int matches = static_cast<int>(State.range(0));
    auto host = ShownHeadlessHost(800, 600);
    const AnsiString text = KeyedLines(matches);
    TSynTextSearch engine(nullptr);
    int replaced = 0;
    for (auto _ : State) {
        State.PauseTiming();
        auto memo = ShownMemo(*host, text);
        memo->SetSearchEngine(&engine);
        State.ResumeTiming();
        replaced = memo->SearchReplace("key", "door", {soMatchCase, soEntireScope, soReplaceAll});
        State.PauseTiming();
        memo.reset();
        State.ResumeTiming();
    }
    State.counters["replaced"] = replaced;
    State.counters["per_replacement"] =
        benchmark::Counter(static_cast<double>(replaced), benchmark::Counter::kIsIterationInvariantRate |
                                                              benchmark::Counter::kInvert);
}
BENCHMARK(BM_EditorReplaceAll)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

const char* const kSearch = "Ted";
const char* const kReplacement = "Tom";

void BM_EngineReplacePass(benchmark::State& State)
{
    const std::vector<AnsiString>& lines = Document();
    TSynTextSearch engine(nullptr);
    engine.SetOptions({soMatchCase});
    engine.SetPattern(kSearch);
    int64_t replaced = 0;
    for (auto _ : State) {
        replaced = 0;
        for (const AnsiString& line : lines) {
            const int n = engine.FindAll(line);
            if (n == 0)
                continue;
            AnsiString out;
            size_t from = 0;
            for (int i = 0; i < n; ++i) {
                const size_t at = static_cast<size_t>(engine.GetResult(i) - 1);
                out.append(line, from, at - from);
                out += engine.Replace(i, kReplacement);
                from = at + static_cast<size_t>(engine.GetLength(i));
            }
            out.append(line, from);
            benchmark::DoNotOptimize(out);
            replaced += n;
        }
    }
    State.counters["replaced"] = static_cast<double>(replaced);
}
BENCHMARK(BM_EngineReplacePass)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_EditorReplaceAll100MB(benchmark::State& State)
{
    AnsiString text;
    for (const AnsiString& line : Document()) {
        text += line;
        text += "\r\n";
    }
    auto host = ShownHeadlessHost(800, 600);
    TSynTextSearch engine(nullptr);
    int replaced = 0;
    for (auto _ : State) {
        State.PauseTiming();
        auto memo = ShownMemo(*host, text);
        memo->SetSearchEngine(&engine);
        State.ResumeTiming();
        replaced = memo->SearchReplace(kSearch, kReplacement, {soMatchCase, soEntireScope, soReplaceAll});
        State.PauseTiming();
        memo.reset();
        State.ResumeTiming();
    }
    State.counters["replaced"] = replaced;
}
BENCHMARK(BM_EditorReplaceAll100MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
