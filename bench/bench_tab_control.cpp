// The tab control with 100 tabs: the tabs put in and laid out, then the
// control painted, on the headless back end in the default font, as one
// row that overflows into its scroller and as rows.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/bench_support.h"
#include "platform/base/string_list.h"
#include "platform/ui/widgets/tab_control.h"

namespace {

constexpr int kTabs = 100;

void LayOutAndPaint(benchmark::State& state, bool MultiLine)
{
    auto host = ShownHeadlessHost(800, 600);
    auto* tabs = new TTabControl(host.get());
    tabs->SetBounds(0, 0, 760, 560);
    tabs->SetMultiLine(MultiLine);
    tabs->SetParent(host.get());
    tabs->HandleNeeded();
    for (auto _ : state) {
        TStringList* list = tabs->Tabs();
        list->BeginUpdate();
        list->Clear();
        for (int i = 0; i < kTabs; ++i)
            list->Add((i % 3 == 0 ? "\xD5\x66\xE9\x54 " : "Page ") + std::to_string(i));  // 說門
        list->EndUpdate();
        tabs->SetTabIndex(kTabs / 2);
        tabs->Invalidate();
        tabs->Update();
    }
    state.counters["rows"] = tabs->RowCount();
}

void BM_SingleRowOf100Tabs(benchmark::State& state) { LayOutAndPaint(state, false); }
BENCHMARK(BM_SingleRowOf100Tabs)->Unit(benchmark::kMicrosecond);

void BM_RowsOf100Tabs(benchmark::State& state) { LayOutAndPaint(state, true); }
BENCHMARK(BM_RowsOf100Tabs)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
