// Typing in the middle of a 100 MB text in a shown editor of 1000 by 800
// pixels: the caret runs off the right edge, so that every 24th character
// scrolls the view sideways. The keystrokes that scroll and those that do
// not are timed apart; and the sideways scroll alone, with code folding off
// and on.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "bench/bench_fold_regions.h"
#include "bench/bench_support.h"
#include "editor/syn_memo.h"

namespace {

constexpr size_t kTextSize = 100 * 1000 * 1000;
constexpr int kKeystrokes = 480;

double NowUs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// Lines of a brace-structured C-like text with Chinese in the comments.
AnsiString LargeText()
{
    static const char* const lines[] = {
        "void f() {\r\n",
        "    if (ready) { // \xD5\x66\xE9\x54\r\n",
        "        call(i, \"\xD6\xD0\");\r\n",
        "    }\r\n",
        "}\r\n",
    };
    AnsiString text;
    text.reserve(kTextSize + 64);
    for (size_t i = 0; text.size() < kTextSize; ++i)
        text += lines[i % 5];
    return text;
}

double Median(std::vector<double>& values)
{
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// The shown editor holding the text, the caret at the end of a line in
// the middle.
struct TLargeFixture {
    explicit TLargeFixture(bool Folding)
    {
        host = ShownHeadlessHost(1000, 800);
        memo = new TSynMemo(host.get());
        memo->SetBounds(0, 0, 1000, 800);
        memo->SetParent(host.get());
        memo->HandleNeeded();
        if (Folding) {
            UseBraceFoldRegions(memo->CodeFolding());
            memo->CodeFolding()->SetEnabled(true);
        }
        memo->SetText(LargeText());
        line = memo->Lines()->Count() / 2 + 2;  // a "call" line
        memo->SetCaretXY(BufferCoord(static_cast<int>(memo->Lines()->Strings(line - 1).size()) + 1, line));
        memo->EnsureCursorPosVisible();
        memo->Update();
    }

    std::unique_ptr<TBenchHost> host;
    TSynMemo* memo = nullptr;
    int line = 0;
};

void BM_TypeAcrossRightEdge100MB(benchmark::State& state)
{
    TLargeFixture fixture(state.range(0) != 0);
    TSynMemo* memo = fixture.memo;
    const int line = fixture.line;
    std::vector<double> scrolling;
    std::vector<double> plain;
    for (auto _ : state) {
        for (int i = 0; i < kKeystrokes; ++i) {
            const int left = memo->LeftChar();
            const double start = NowUs();
            memo->CommandProcessor(ecChar, 'a', nullptr);
            memo->Update();
            const double spent = NowUs() - start;
            (memo->LeftChar() != left ? scrolling : plain).push_back(spent);
        }
        state.PauseTiming();
        // Back to the line as it was, at its end.
        const TBufferCoord end = BufferCoord(static_cast<int>(memo->Lines()->Strings(line - 1).size()) + 1, line);
        memo->SetCaretAndSelection(end, BufferCoord(1, line), end);
        memo->SetSelText("        call(i, \"\xD6\xD0\");");
        memo->Update();
        state.ResumeTiming();
    }
    state.SetLabel(state.range(0) ? "folding on" : "folding off");
    state.counters["scrolling_us"] = scrolling.empty() ? 0 : Median(scrolling);
    state.counters["plain_us"] = plain.empty() ? 0 : Median(plain);
    state.counters["scrolls"] = static_cast<double>(scrolling.size());
}
// With folding on, each keystroke rescans the fold ranges: the scroll alone
// is measured below.
BENCHMARK(BM_TypeAcrossRightEdge100MB)->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// The sideways scroll a keystroke at the right edge makes, and its paint,
// on a line that runs past the window.
void BM_ScrollSideways100MB(benchmark::State& state)
{
    TLargeFixture fixture(state.range(0) != 0);
    TSynMemo* memo = fixture.memo;
    memo->SetCaretXY(BufferCoord(1, fixture.line));
    memo->SetSelText(AnsiString(400, 'a'));
    memo->SetLeftChar(100);
    memo->Update();
    int step = 24;
    for (auto _ : state) {
        memo->SetLeftChar(memo->LeftChar() + step);
        memo->Update();
        step = -step;
    }
    state.SetLabel(state.range(0) ? "folding on" : "folding off");
}
BENCHMARK(BM_ScrollSideways100MB)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
