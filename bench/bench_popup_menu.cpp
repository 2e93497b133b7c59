// A popup menu of 500 items opened and painted on the headless back end:
// the whole Popup path (OnPopup, separators tidied, the window made, laid
// out, placed and scrolled to the work area, every shown row painted) up to
// the moment the loop waits for the user, then closed.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/ui/kernel/menu_loop.h"
#include "platform/ui/kernel/menus.h"

namespace {

constexpr int kItems = 500;

void BM_PopupMenuOpenAndPaint(benchmark::State& state)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    TPopupMenu menu(nullptr);
    for (int i = 0; i < kItems; ++i) {
        auto* item = new TMenuItem(&menu);
        item->SetCaption(i % 25 == 24 ? std::string(cLineCaption) : "Item &" + std::to_string(i) + " \xD5\x66\xE9\x54");
        if (i % 7 == 0)
            item->SetShortCut(ShortCut('A' + i % 26, {ssCtrl}));
        item->SetChecked(i % 11 == 0);
        menu.Items()->Add(item);
    }
    // The loop ends as soon as it has nothing left to do: everything is
    // open and painted then.
    SetMenuIdleHook([] { return false; });
    for (auto _ : state)
        menu.Popup(100, 100);
    SetMenuIdleHook(nullptr);
}
BENCHMARK(BM_PopupMenuOpenAndPaint)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
