// Commands through the command processor: typing into a large document and
// indenting every line of it as one block, with the undo of that indent.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "editor/syn_memo.h"

namespace {

constexpr int kTyped = 100000;

std::unique_ptr<TSynMemo> MakeDocument(int Lines)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    auto memo = std::make_unique<TSynMemo>(nullptr);
    AnsiString text;
    for (int i = 0; i < Lines; ++i)
        text += "    value = \xD6\xD0\xD5\x66 + x; // line\r\n";
    memo->SetCaretXY(BufferCoord(1, 1));
    memo->SetText(text);
    memo->ClearUndo();
    return memo;
}

// Typing in the middle of the document, a line break every 80 characters.
void BM_Typing(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto memo = MakeDocument(lines);
        memo->SetCaretXY(BufferCoord(1, lines / 2));
        state.ResumeTiming();
        for (int i = 0; i < kTyped; ++i) {
            if (i % 80 == 79)
                memo->CommandProcessor(ecLineBreak, '\0', nullptr);
            else
                memo->CommandProcessor(ecChar, static_cast<char>('a' + i % 26), nullptr);
        }
        benchmark::DoNotOptimize(memo->Lines()->Count());
        state.PauseTiming();
        memo.reset();
        state.ResumeTiming();
    }
    state.counters["commands/s"] =
        benchmark::Counter(static_cast<double>(kTyped), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Typing)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Block indent of every line, then its undo: two commands per iteration.
void BM_BlockIndentAndUndo(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    auto memo = MakeDocument(lines);
    for (auto _ : state) {
        memo->SetCaretAndSelection(BufferCoord(2, lines), BufferCoord(1, 1), BufferCoord(2, lines));
        memo->CommandProcessor(ecBlockIndent, '\0', nullptr);
        memo->CommandProcessor(ecUndo, '\0', nullptr);
        benchmark::DoNotOptimize(memo->Lines()->Count());
    }
    state.counters["commands/s"] = benchmark::Counter(2, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_BlockIndentAndUndo)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
