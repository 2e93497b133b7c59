// The tabs bar of a multiple-document form on the headless back end: laying
// out and painting a bar of 50 tabs with close buttons, plain and from the
// test skin's tab description (budget 1 ms each).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "platform/ui/kernel/custom_form.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_mdi_tabs_bar.h"
#include "tests/skin/controls/test_skin.h"
#include "tests/skin/controls/test_skin_tabs.h"

namespace {

struct TTabsBench {
    explicit TTabsBench(bool Skinned)
    {
        host = ShownHeadlessHost(1200, 60);
        test_skin_tabs::AddTo(skin);
        skin.LoadInto(data);
        bar = new TbsSkinMDITabsBar(nullptr);
        bar->SetParent(host.get());
        bar->SetBounds(0, 0, 1200, 24);
        bar->ShowCloseButtons = true;
        bar->SetShowAddButton(true);
        if (Skinned)
            bar->SetSkinData(&data);
        for (int i = 0; i < 50; ++i) {
            auto child = std::make_unique<TCustomForm>(nullptr);
            child->SetCaption("Child \xD5\x66 " + std::to_string(i));
            bar->AddTab(child.get());
            children.push_back(std::move(child));
        }
    }
    ~TTabsBench()
    {
        delete bar;
        children.clear();
    }

    TTestSkin skin;
    TbsSkinData data{nullptr};
    std::unique_ptr<TBenchHost> host;
    TbsSkinMDITabsBar* bar = nullptr;
    std::vector<std::unique_ptr<TCustomForm>> children;
};

void BM_MDITabsBarLayoutAndPaint(benchmark::State& state)
{
    TTabsBench b(state.range(0) != 0);
    for (auto _ : state)
        b.bar->Repaint();
    if (b.bar->TabsSkin().Picture == nullptr && state.range(0) != 0)
        state.SkipWithError("the bar is not skinned");
}
BENCHMARK(BM_MDITabsBarLayoutAndPaint)->Arg(0)->Arg(1)->ArgName("skinned")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
