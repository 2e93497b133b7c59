// Loading and saving a large text through the editor's line list: speed,
// and the memory the loaded lines take.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstring>
#include <memory>
#include <random>

#include "bench/bench_support.h"
#include "editor/document/syn_text_string_list.h"
#include "platform/base/streams.h"

namespace {

constexpr int kLines = 1200000;
constexpr int kAverageLength = 81;  // with CR LF about 100 MB in all

// About 100 MB of GBK text in CR LF lines: ASCII words, Chinese characters
// (some with ASCII trail bytes), tab indentation on a third of the lines.
TMemoryStream& SampleText()
{
    static TMemoryStream stream;
    if (stream.Size() == 0) {
        std::mt19937 random(20240611);
        std::uniform_int_distribution<int> length(0, 2 * kAverageLength);
        std::uniform_int_distribution<int> pick(0, 99);
        const char* words[] = {"int", "return", "value", "x", "if", "(a", "b)", "{", "}", "=", "+", ";"};
        const char* chinese[] = {"說", "門", "這", "乗", "中", "文", "編", "輯", "字", "行"};
        AnsiString text;
        text.reserve(static_cast<size_t>(kLines) * (kAverageLength + 2));
        AnsiString line;
        for (int i = 0; i < kLines; ++i) {
            const size_t target = i + 1 < kLines ? length(random) : kAverageLength;  // the last is not blank
            line.clear();
            if (pick(random) < 33)
                line.append(pick(random) % 4 + 1, '\t');
            while (line.size() < target) {
                const int kind = pick(random);
                line += kind < 60 ? words[kind % 12] : chinese[kind % 10];
                if (kind % 3 == 0)
                    line += ' ';
            }
            text += line;
            text += "\r\n";
        }
        stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
    }
    return stream;
}

// The bytes the heap has handed out and not taken back.
double HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

// The resident set is measured on the first load into a fresh heap, as a
// user opening the file sees it. Later runs in the same process find the
// read buffer of the load placed in heap space that earlier runs freed, and
// that space stays resident after the load for the heap to reuse; the heap's
// own count of bytes in use shows what the lines hold in every run.
void BM_LoadResidentMemory(benchmark::State& state)
{
    TMemoryStream& text = SampleText();
    const double textSize = static_cast<double>(text.Size());
    for (auto _ : state) {
        TSynTextStringList lines;
        malloc_trim(0);
        const double before = ResidentBytes();
        const double heapBefore = HeapInUse();
        lines.LoadFromStream(&text);
        const double after = ResidentBytes();
        state.counters["text_MB"] = textSize / 1e6;
        state.counters["rss_before_MB"] = before / 1e6;
        state.counters["rss_after_MB"] = after / 1e6;
        state.counters["rss_growth_per_text"] = (after - before) / textSize;
        state.counters["heap_growth_per_text"] = (HeapInUse() - heapBefore) / textSize;
        state.counters["bytes_per_line"] = (HeapInUse() - heapBefore) / lines.Count();
    }
}
BENCHMARK(BM_LoadResidentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_LoadFromStream(benchmark::State& state)
{
    TMemoryStream& text = SampleText();
    for (auto _ : state) {
        state.PauseTiming();
        auto lines = std::make_unique<TSynTextStringList>();
        // Gives the freed lines of the last run back, so that no run pays
        // for tidying the heap after another.
        malloc_trim(0);
        state.ResumeTiming();
        lines->LoadFromStream(&text);
        state.PauseTiming();
        lines.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.Size()));
}
BENCHMARK(BM_LoadFromStream)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveToStream(benchmark::State& state)
{
    TMemoryStream& text = SampleText();
    TSynTextStringList lines;
    lines.LoadFromStream(&text);
    std::unique_ptr<TMemoryStream> out;
    for (auto _ : state) {
        state.PauseTiming();
        out = std::make_unique<TMemoryStream>();
        state.ResumeTiming();
        lines.SaveToStream(out.get());
    }
    // The sample ends in a break, which a load drops.
    if (out->Size() != text.Size() - 2 || std::memcmp(out->Memory(), text.Memory(), out->Size()) != 0)
        state.SkipWithError("the saved text differs from the loaded one");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * out->Size()));
}
BENCHMARK(BM_SaveToStream)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
