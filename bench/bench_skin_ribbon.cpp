// The ribbon on the headless back end in its plain look: laying out and
// painting a ribbon of 8 tabs whose page holds 40 speed buttons (budget
// 2 ms), opening and closing the application menu with 20 items (budget
// 5 ms), and one step of a page's scrolling (budget 1 ms).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/ui/kernel/custom_form.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_speed_button.h"
#include "skin/form/bs_ribbon.h"
#include "skin/form/bs_ribbon_app_menu.h"
#include "skin/form/bs_ribbon_page.h"

namespace {

// A shown 800 x 500 form with a ribbon of 8 tabs, the last one selected
// with 40 buttons of 40 pixels, and a menu of 20 items.
struct TRibbonForm {
    TRibbonForm()
    {
        setenv("TANDRIL_BACKEND", "headless", 1);
        Form = std::make_unique<TCustomForm>(nullptr);
        Form->SetBounds(50, 50, 800, 500);
        Ribbon = new TbsRibbon(Form.get());
        Ribbon->SetParent(Form.get());
        for (int i = 0; i < 8; ++i) {
            Page = new TbsRibbonPage(Form.get());
            Page->SetCaption("Tab " + std::to_string(i) + " \xD5\x66");
            Ribbon->Tabs()->Add()->SetPage(Page);
        }
        for (int i = 0; i < 40; ++i) {
            auto* button = new TbsSkinSpeedButton(Form.get());
            button->SetCaption("B" + std::to_string(i));
            button->SetParent(Page);
            button->SetBounds(i * 40, 2, 38, 60);
        }
        Page->UpdateScroll();
        Menu = new TbsAppMenu(Form.get());
        Ribbon->SetAppMenu(Menu);
        for (int i = 0; i < 20; ++i)
            Menu->Items()->Add()->SetCaption("Command " + std::to_string(i));
        Form->Show();
        Ribbon->Repaint();
    }

    std::unique_ptr<TCustomForm> Form;
    TbsRibbon* Ribbon = nullptr;
    TbsRibbonPage* Page = nullptr;
    TbsAppMenu* Menu = nullptr;
};

void BM_RibbonLayoutAndPaint(benchmark::State& state)
{
    TRibbonForm f;
    for (auto _ : state) {
        f.Ribbon->Invalidate();
        f.Page->Invalidate();
        f.Ribbon->Repaint();
    }
}
BENCHMARK(BM_RibbonLayoutAndPaint)->Unit(benchmark::kMicrosecond);

void BM_RibbonOpenAppMenu(benchmark::State& state)
{
    TRibbonForm f;
    for (auto _ : state) {
        f.Ribbon->ShowAppMenu();
        f.Menu->Repaint();
        f.Ribbon->HideAppMenu(nullptr);
    }
}
BENCHMARK(BM_RibbonOpenAppMenu)->Unit(benchmark::kMicrosecond);

// Steps right and left in turn, so every step moves the 40 buttons.
void BM_RibbonPageScrollStep(benchmark::State& state)
{
    TRibbonForm f;
    f.Page->SetScrollOffset(40);
    WPARAM hit = 120;
    for (auto _ : state) {
        SendMessage(f.Page->Handle(), WM_NCLBUTTONUP, hit, 0);
        hit = hit == 120 ? 119 : 120;
    }
}
BENCHMARK(BM_RibbonPageScrollStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
