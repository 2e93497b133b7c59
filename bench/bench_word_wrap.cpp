// Word wrap over large documents: wrapping every line, and keeping the rows
// up to date when one line changes, in the plug-in alone and through the
// editor's typing commands; and a 100 MB text set whole in a shown editor
// with word wrap on, beside the same editor without it.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

#include "bench/bench_large_c_text.h"
#include "bench/bench_support.h"
#include "editor/syn_memo.h"
#include "editor/document/syn_text_string_list.h"
#include "editor/view/syn_word_wrap.h"
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
    int64_t rows = 0;
    for (auto _ : State) {
        // Alternate the width so that every round wraps anew.
        width = width == 40 ? 41 : 40;
        host.width = width;
        plugin.DisplayChanged();
        rows += plugin.RowCount();
    }
    State.SetItemsProcessed(State.iterations() * State.range(0));
    State.counters["rows/s"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsRate);
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
    int64_t rows = 0;  // the rows of the line wrapped anew
    for (auto _ : State) {
        host.lines->SetStrings(middle, texts[round++ & 1]);
        benchmark::DoNotOptimize(plugin.LinesPutted(middle, 1));
        rows += plugin.BufferToDisplayPos({1, middle + 2}).Row - plugin.BufferToDisplayPos({1, middle + 1}).Row;
    }
    State.counters["rows/s"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PutOneLine)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// Typing a character and a line break in the middle of a wrapped document,
// then deleting both: each command costs the same at every document size.
void BM_EditorTypeInWrappedDocument(benchmark::State& State)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    auto memo = std::make_unique<TSynMemo>(nullptr);
    Fill(*memo->Lines(), static_cast<int>(State.range(0)));
    memo->WordWrap()->SetStyle(wwsSpecified);
    memo->WordWrap()->SetPosition(40);
    memo->WordWrap()->SetEnabled(true);
    // The same line at every size: one that starts with white space would
    // take an indent at the line break, so that the two Backspaces leave
    // the typed character behind and the line grows.
    const int middle = memo->Lines()->Count() / 2;
    const AnsiString line = "return value(a, b); 說門 x = y;";
    memo->Lines()->SetStrings(middle, line);
    memo->SetCaretXY(BufferCoord(static_cast<int>(line.size()) + 1, middle + 1));
    for (auto _ : State) {
        memo->CommandProcessor(ecChar, 'a', nullptr);
        memo->CommandProcessor(ecLineBreak, '\0', nullptr);
        memo->CommandProcessor(ecDeleteLastChar, '\0', nullptr);
        memo->CommandProcessor(ecDeleteLastChar, '\0', nullptr);
    }
    if (memo->Lines()->Strings(middle) != line)
        State.SkipWithError("the edits did not cancel out");
    memo->ClearUndo();
    State.counters["commands/s"] = benchmark::Counter(4.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_EditorTypeInWrappedDocument)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

double NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// A 100 MB text of 1.5 M lines, stored without a final line break as the
// program stores an article, set whole in a shown editor of 1000 by 800
// pixels with word wrap at the window's width (as the program turns it on)
// or off, to the first paint; each round in a new editor. Argument: word
// wrap on.
void BM_SetTextWrapped100MB(benchmark::State& State)
{
    const bool wrap = State.range(0) != 0;
    setenv("TANDRIL_BACKEND", "headless", 1);
    AnsiString text = LargeCText();
    text.resize(text.size() - 2);
    std::vector<double> opens;
    int rows = 0;
    for (auto _ : State) {
        State.PauseTiming();
        std::unique_ptr<TBenchHost> host = ShownHeadlessHost(1000, 800);
        auto* memo = new TSynMemo(host.get());
        memo->SetBounds(0, 0, 1000, 800);
        memo->SetParent(host.get());
        memo->HandleNeeded();
        memo->WordWrap()->SetStyle(wwsClientWidth);
        memo->WordWrap()->SetEnabled(wrap);
        memo->Update();
        State.ResumeTiming();
        const double start = NowMs();
        memo->SetText(text);
        memo->Update();
        opens.push_back(NowMs() - start);
        State.PauseTiming();
        rows = memo->DisplayLineCount();
        // Every line is narrower than the window: a row each.
        if (memo->Lines()->Count() < 1000000 || rows != memo->Lines()->Count() || memo->GetWordWrap() != wrap)
            State.SkipWithError("the text was not set, or not wrapped");
        host.reset();
        malloc_trim(0);
        State.ResumeTiming();
    }
    std::sort(opens.begin(), opens.end());
    State.SetLabel(wrap ? "word wrap on" : "word wrap off");
    State.counters["open_ms"] = opens[opens.size() / 2];
    State.counters["rows"] = rows;
}
BENCHMARK(BM_SetTextWrapped100MB)->ArgName("wrap")->Arg(1)->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
