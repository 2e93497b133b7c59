// The memo under typing: one keystroke at the end of a 10,000-line memo
// (word-wrapped, with a vertical scroll bar), through to its repaint.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/textedit/memo.h"
#include "platform/win/update_region.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"

namespace {

constexpr int kLines = 10000;

// Lines of words and Chinese characters, some long enough to wrap.
AnsiString SampleText()
{
    const char* words[] = {"edit", "memo", "說門", "line", "這乗", "中文", "wrap", "text"};
    AnsiString text;
    for (int line = 0; line < kLines; ++line) {
        for (int word = 0; word < 4 + line % 13; ++word) {
            text += words[(line + word * 3) % 8];
            text += ' ';
        }
        text += "\r\n";
    }
    return text;
}

void BM_KeystrokeAtEndOfLargeMemo(benchmark::State& state)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 500, 400);
    auto* memo = new TMemo(form.get());
    memo->SetBounds(0, 0, 480, 360);
    memo->SetScrollBars(ssVertical);
    memo->SetParent(form.get());
    memo->SetText(SampleText());
    form->Show();
    HWND window = memo->Handle();
    SendMessage(window, WM_SETFOCUS, 0, 0);
    memo->SetSelStart(memo->GetTextLen());
    UpdateWindow(window);
    for (auto _ : state) {
        SendMessage(window, WM_CHAR, 'x', 0);
        UpdateWindow(window);
        state.PauseTiming();
        SendMessage(window, WM_CHAR, '\b', 0);
        UpdateWindow(window);
        state.ResumeTiming();
    }
    benchmark::DoNotOptimize(memo->GetTextLen());
}
BENCHMARK(BM_KeystrokeAtEndOfLargeMemo)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
