// The benchmark host itself: whatever is put on it must paint when asked,
// or every benchmark built on it would time a repaint that draws nothing.
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/kernel/graphic_control.h"

namespace {

// Counts its paints, with or without a window of its own.
template <class TBase>
class TCounting : public TBase {
public:
    using TBase::TBase;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        this->Canvas()->FillRect(this->ClientRect());
    }
};

template <class TBase>
void BM_HostChildRepaint(benchmark::State& state)
{
    auto host = ShownHeadlessHost(400, 300);
    auto* control = new TCounting<TBase>(host.get());
    control->SetParent(host.get());
    control->SetBounds(0, 0, 400, 300);
    int asked = 0;
    for (auto _ : state) {
        control->Repaint();
        ++asked;
    }
    if (!host->Showing() || control->Paints < asked)
        state.SkipWithError("the host's child did not paint");
    state.counters["paints"] = control->Paints;
}
BENCHMARK(BM_HostChildRepaint<TCustomControl>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HostChildRepaint<TGraphicControl>)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
