// The notification-area icon on the headless area: one ModifyIcon, as a
// cycle tick or a changed tip makes it, with a 32 x 32 icon and a tip of
// double-byte characters that has to be cut (budget 0.2 ms).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/ui/graphics/icon.h"
#include "platform/win/backend.h"
#include "skin/form/bs_tray_icon.h"

namespace {

void BM_ModifyIcon(benchmark::State& State)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    TbsTrayIcon tray(nullptr);
    TRasterImage picture = TRasterImage::Sized(32, 32);
    picture.Pixels.assign(picture.Pixels.size(), 0xFF3060C0u);
    picture.HasAlpha = true;
    TIcon icon;
    icon.AssignImage(picture);
    tray.SetIcon(&icon);
    AnsiString hint;
    for (int i = 0; i < 80; ++i)
        hint += "\xD5\x66";
    tray.SetHint(hint);
    if (!tray.AddIcon()) {
        State.SkipWithError("the headless area took no icon");
        return;
    }
    for (auto _ : State)
        benchmark::DoNotOptimize(tray.ModifyIcon());
    tray.DeleteIcon();
}
BENCHMARK(BM_ModifyIcon)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
