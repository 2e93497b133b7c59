// Word wrap over large documents: wrapping every line, and keeping the rows
// up to date when one line changes.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "editor/syn_text_string_list.h"
#include "editor/syn_word_wrap_plugin.h"

namespace {

struct TWrapHost : ISynWordWrapHost {
    TSynTextStringList* Lines() const override { return lines.get(); }
    TSynCustomHighlighter* Highlighter() const override { return nullptr; }
    int GetWrapAreaWidth() const override { return width; }

    std::unique_ptr<TSynTextStringList> lines = std::make_unique<TSynTextStringList>();
    int width = 40;
};

// Lines of 0 to 160 bytes: words, spaces, tabs and Chinese characters.
void Fill(TSynTextStringList& Lines, int Count)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> length(0, 160);
    std::uniform_int_distribution<int> pick(0, 9);
    const char* pieces[] = {"return ", "value", "\t", "x = y;", " ", "說", "門", "這", "中文", "(a, b)"};
    Lines.BeginUpdate();
    for (int i = 0; i < Count; ++i) {
        AnsiString line;
        const int target = length(random);
        while (static_cast<int>(line.size()) < target)
            line += pieces[pick(random)];
        Lines.Add(line);
    }
    Lines.EndUpdate();
}

void BM_WrapDocument(benchmark::State& State)
{
    TWrapHost host;
    Fill(*host.lines, static_cast<int>(State.range(0)));
    TSynWordWrapPlugin plugin(&host);
    int width = 40;
    for (auto _ : State) {
        // Alternate the width so that every round wraps anew.
        width = width == 40 ? 41 : 40;
        host.width = width;
        plugin.DisplayChanged();
        benchmark::DoNotOptimize(plugin.RowCount());
    }
    State.SetItemsProcessed(State.iterations() * State.range(0));
}
BENCHMARK(BM_WrapDocument)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_PutOneLine(benchmark::State& State)
{
    TWrapHost host;
    Fill(*host.lines, static_cast<int>(State.range(0)));
    TSynWordWrapPlugin plugin(&host);
    const int middle = host.lines->Count() / 2;
    const AnsiString texts[] = {AnsiString(200, 'a'), "short"};
    int round = 0;
    for (auto _ : State) {
        host.lines->SetStrings(middle, texts[round++ & 1]);
        benchmark::DoNotOptimize(plugin.LinesPutted(middle, 1));
    }
}
BENCHMARK(BM_PutOneLine)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
