// Composing the headless screen: 20 overlapping top-level windows of
// 400 x 300 on a 1280 x 800 screen, one of them layered at alpha 128.
// Each frame every window presents its whole backing and the screen is
// composed again, so the figure is the cost of a full-screen frame.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "platform/gdi/colors.h"
#include "platform/win/headless_backend.h"
#include "platform/win/headless_screen.h"
#include "platform/win/layered_window.h"
#include "platform/win/update_region.h"
#include "platform/win/window_class.h"
#include "platform/win/window_dc.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_styles.h"

namespace {

std::vector<HWND> MakeWindows()
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    WNDCLASSEX c;
    c.lpszClassName = "BenchCompose";
    c.hbrBackground = reinterpret_cast<HBRUSH>(intptr_t{COLOR_HIGHLIGHT + 1});
    RegisterClassEx(c);
    std::vector<HWND> windows;
    for (int i = 0; i < 20; ++i) {
        DWORD exStyle = i == 10 ? WS_EX_LAYERED : 0;
        HWND w = CreateWindowEx(exStyle, "BenchCompose", "", WS_POPUP | WS_BORDER | WS_VISIBLE, 40 * i, 20 * i, 400,
                                300, nullptr, 0, nullptr);
        if (exStyle)
            SetLayeredWindowAttributes(w, 0, 128, LWA_ALPHA);
        UpdateWindow(w);
        windows.push_back(w);
    }
    return windows;
}

void ComposeTwentyWindows(benchmark::State& state)
{
    std::vector<HWND> windows = MakeWindows();
    ComposeScreen();
    for (auto _ : state) {
        for (HWND w : windows)
            ReleaseDC(w, GetWindowDC(w));
        benchmark::DoNotOptimize(ComposeScreen().Pixels.data());
    }
    for (HWND w : windows)
        DestroyWindow(w);
}
BENCHMARK(ComposeTwentyWindows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
