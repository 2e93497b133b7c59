// Sent messages through a window with two subclasses: the path every paint,
// key and mouse message takes.
#include <benchmark/benchmark.h>

#include "platform/win/win_messages.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

struct TCounter {
    int64_t Calls = 0;

    LRESULT Proc(HWND h, UINT m, WPARAM w, LPARAM l)
    {
        ++Calls;
        return DefSubclassProc(h, m, w, l);
    }
};

LRESULT WindowProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_USER)
        return static_cast<LRESULT>(w) + 1;
    return DefWindowProc(h, m, w, l);
}

void SendThroughTwoSubclasses(benchmark::State& state)
{
    WNDCLASSEX c;
    c.lpszClassName = "TandrilBenchWindow";
    c.lpfnWndProc = &WindowProc;
    RegisterClassEx(c);
    HWND window = CreateWindowEx(0, "TandrilBenchWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr);
    TCounter first, second;
    SetWindowSubclass(window, WNDPROC(&first, &TCounter::Proc), 1);
    SetWindowSubclass(window, WNDPROC(&second, &TCounter::Proc), 2);
    constexpr int Messages = 1000000;
    for (auto _ : state) {
        LRESULT sum = 0;
        for (int i = 0; i < Messages; ++i)
            sum += SendMessage(window, WM_USER, static_cast<WPARAM>(i), 0);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * Messages);
    state.counters["messages/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * Messages, benchmark::Counter::kIsRate);
    DestroyWindow(window);
    UnregisterClass("TandrilBenchWindow");
}
BENCHMARK(SendThroughTwoSubclasses)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
