// The idle update of actions: 300 actions in a list, each followed by a
// speed button and a main menu item (600 clients) on a shown form. Steady:
// every OnUpdate finds the state unchanged, as on most idle steps;
// toggling: every action flips Enabled, which reaches both clients.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/widgets/speed_button.h"

namespace {

constexpr int kActions = 300;

class TActionsForm : public TForm {
public:
    explicit TActionsForm(const bool& Enabled) : TForm(nullptr)
    {
        SetBounds(0, 0, 800, 600);
        auto* list = new TActionList(this);
        auto* menu = new TMainMenu(this);
        TMenuItem* sub = nullptr;
        for (int i = 0; i < kActions; ++i) {
            auto* action = new TAction(this);
            action->SetActionList(list);
            action->SetCaption("Command " + std::to_string(i));
            action->OnUpdate = TNotifyEvent::FromCallable([action, &Enabled](TObject*) { action->SetEnabled(Enabled); });
            auto* button = new TSpeedButton(this);
            button->SetBounds(4 + (i % 30) * 26, 4 + (i / 30) * 26, 24, 24);
            button->SetParent(this);
            button->SetAction(action);
            if (i % 30 == 0) {
                sub = new TMenuItem(this);
                sub->SetCaption("Menu " + std::to_string(i / 30));
                menu->Items()->Add(sub);
            }
            auto* item = new TMenuItem(this);
            sub->Add(item);
            item->SetAction(action);
        }
        SetMenu(menu);
    }
};

void BM_IdleUpdateSteady(benchmark::State& State)
{
    bool enabled = true;
    auto form = std::make_unique<TActionsForm>(enabled);
    form->Show();
    for (auto _ : State)
        form->UpdateActions();
}
BENCHMARK(BM_IdleUpdateSteady)->Unit(benchmark::kMicrosecond);

void BM_IdleUpdateToggling(benchmark::State& State)
{
    bool enabled = true;
    auto form = std::make_unique<TActionsForm>(enabled);
    form->Show();
    for (auto _ : State) {
        enabled = !enabled;
        form->UpdateActions();
    }
}
BENCHMARK(BM_IdleUpdateToggling)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
