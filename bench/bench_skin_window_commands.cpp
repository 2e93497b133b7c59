// The skinned frame's own maximize and restore at full-HD size on the
// headless back end: a form of the frame tests' skin is maximized to the
// 1920 x 1080 screen's work area and restored again, each time laid out,
// cut to its stretched mask and painted (budget 20 ms for the cycle).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "platform/ui/kernel/custom_form.h"
#include "platform/win/headless_backend.h"
#include "platform/win/monitors.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/test_frame_skin.h"
#include "tests/support/message_pump.h"

namespace {

void BM_MaximizeAndRestore(benchmark::State& state)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    TTestSkin skin;
    TTestFrameSkin frameSkin(skin);
    TbsSkinData data(nullptr);
    frameSkin.LoadInto(data);
    auto form = std::make_unique<TCustomForm>(nullptr);
    form->SetBounds(200, 150, 800, 600);
    auto* frame = new TbsSkinForm(form.get());
    frame->SetSkinData(&data);
    form->Show();
    HeadlessBackend()->SetScreenSize(1920, 1080);
    PumpMessages();
    for (auto _ : state) {
        frame->SetWindowState(wsMaximized);
        PumpMessages();
        frame->SetWindowState(wsNormal);
        PumpMessages();
    }
    frame->SetWindowState(wsMaximized);
    MONITORINFO monitor;
    GetMonitorInfo(MonitorFromWindow(form->Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    if (form->BoundsRect() != monitor.rcWork || monitor.rcMonitor.Width() != 1920 || !frame->SkinUsed)
        state.SkipWithError("the form did not fill the work area with its skinned frame");
}
BENCHMARK(BM_MaximizeAndRestore)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
