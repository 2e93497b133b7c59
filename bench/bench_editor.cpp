// The editor's own operations with undo recording: replacing a large text
// and undoing it, and typing one character at a time.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <random>

#include "editor/syn_memo.h"

namespace {

constexpr size_t kTextSize = 10 * 1024 * 1024;
constexpr int kTypedLines = 100;
constexpr int kTypedPerLine = 100;  // 10,000 insertions in all

// About 10 MB of GBK text in CR LF lines of ASCII words and Chinese
// characters (some with ASCII trail bytes).
const AnsiString& SampleText()
{
    static AnsiString text;
    if (text.empty()) {
        std::mt19937 random(20240612);
        std::uniform_int_distribution<int> pick(0, 99);
        const char* words[] = {"int", "return", "value", "x", "if", "(a", "b)", "{", "}", "=", "+", ";", "\t"};
        const char* chinese[] = {"說", "門", "這", "乗", "中", "文", "編", "輯", "字", "行"};
        text.reserve(kTextSize + 128);
        size_t lineStart = 0;
        while (text.size() < kTextSize) {
            const int kind = pick(random);
            if (kind < 60)
                text += words[static_cast<size_t>(kind) % std::size(words)];
            else if (kind < 90)
                text += chinese[static_cast<size_t>(kind) % std::size(chinese)];
            else
                text += ' ';
            if (text.size() - lineStart > 60 + static_cast<size_t>(kind) / 3) {
                text += "\r\n";
                lineStart = text.size();
            }
        }
    }
    return text;
}

std::unique_ptr<TSynMemo> MakeMemo()
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    return std::make_unique<TSynMemo>(nullptr);
}

void BM_SetTextThenUndo(benchmark::State& state)
{
    const AnsiString& text = SampleText();
    auto memo = MakeMemo();
    for (auto _ : state) {
        memo->SetText(text);
        memo->Undo();
        benchmark::DoNotOptimize(memo->Lines()->Count());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_SetTextThenUndo)->Unit(benchmark::kMillisecond);

void BM_TypedCharacters(benchmark::State& state)
{
    auto memo = MakeMemo();
    AnsiString blank;
    for (int i = 1; i < kTypedLines; ++i)
        blank += "\r\n";
    for (auto _ : state) {
        state.PauseTiming();
        memo->SetText(blank);
        memo->ClearUndo();
        state.ResumeTiming();
        for (int line = 1; line <= kTypedLines; ++line) {
            memo->SetCaretXY(BufferCoord(1, line));
            for (int i = 0; i < kTypedPerLine; ++i)
                memo->SetSelText(i % 10 == 9 ? AnsiString(" ") : AnsiString("a"));
        }
        benchmark::DoNotOptimize(memo->UndoList()->ItemCount());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kTypedLines * kTypedPerLine);
}
BENCHMARK(BM_TypedCharacters)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
