// A multiple-document parent of the frame tests' skin on the headless back
// end: the scroll bars worked out again over 200 children (budget 1 ms),
// and one child of 20 maximized, which maximizes the others, then all
// restored (budget 20 ms for the cycle).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/ui/kernel/custom_form.h"
#include "platform/win/headless_backend.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/mdi_test_support.h"
#include "tests/skin/form/test_frame_skin.h"
#include "tests/support/message_pump.h"

namespace {

void BM_UpdateMDIScrollBars200Children(benchmark::State& state)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    TTestSkin skin;
    TTestFrameSkin frameSkin(skin);
    TbsSkinData data(nullptr);
    frameSkin.LoadInto(data);
    TMDIScene scene(&data);
    for (int i = 0; i < 200; ++i)
        scene.AddChild("Child" + std::to_string(i), Bounds(i * 3 - 20, i * 2, 200, 150));
    for (auto _ : state)
        scene.ParentFrame->UpdateMDIScrollBars(true);
    if (!scene.ParentFrame->HScrollBar()->Visible() || !scene.ParentFrame->VScrollBar()->Visible())
        state.SkipWithError("the children did not need both bars");
}
BENCHMARK(BM_UpdateMDIScrollBars200Children)->Unit(benchmark::kMicrosecond);

void BM_MaximizeAllOf20Children(benchmark::State& state)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    TTestSkin skin;
    TTestFrameSkin frameSkin(skin);
    TbsSkinData data(nullptr);
    frameSkin.LoadInto(data);
    TMDIScene scene(&data);
    for (int i = 0; i < 20; ++i)
        scene.AddChild("Child" + std::to_string(i), Bounds(i * 10, i * 8, 200, 150));
    TbsSkinForm* first = TMDIScene::FrameOf(scene.Children.front());
    for (auto _ : state) {
        first->SetFrameWindowState(wsMaximized);
        PumpMessages();
        first->SetFrameWindowState(wsNormal);
        PumpMessages();
    }
    first->SetFrameWindowState(wsMaximized);
    for (TCustomForm* child : scene.Children)
        if (TMDIScene::FrameOf(child)->FormState != wsMaximized)
            state.SkipWithError("a child was left unmaximized");
}
BENCHMARK(BM_MaximizeAllOf20Children)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
