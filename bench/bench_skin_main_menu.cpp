// The skinned main-menu bar on the headless back end, drawn from the test
// skin's bar and item descriptions: laying out and painting a bar of 12
// items (budget 0.5 ms), and pressing one of them, which opens its 30-item
// submenu through the frame's menu manager, painted and closed again each
// time (budget 5 ms).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/ui/kernel/custom_form.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"
#include "tests/skin/form/test_frame_skin.h"
#include "tests/skin/form/test_main_menu_bar_skin.h"

namespace {

// A shown 900 x 300 form with a frame and a bar of 12 items with 30
// sub-items each.
struct TBarForm {
    TBarForm()
    {
        setenv("TANDRIL_BACKEND", "headless", 1);
        test_main_menu_bar_skin::AddTo(Skin);
        FrameSkin.LoadInto(Data);
        Form = std::make_unique<TCustomForm>(nullptr);
        Form->SetBounds(50, 50, 900, 300);
        Frame = new TbsSkinForm(Form.get());
        Frame->SetSkinData(&Data);
        Menu = new TbsSkinMainMenu(Form.get());
        for (int i = 0; i < 12; ++i) {
            auto* item = new TMenuItem(Menu);
            item->SetCaption("&Menu " + std::to_string(i) + " \xD5\x66");
            Menu->Items()->Add(item);
            for (int j = 0; j < 30; ++j) {
                auto* sub = new TMenuItem(Menu);
                sub->SetCaption("Command &" + std::to_string(j));
                item->Add(sub);
            }
        }
        Bar = new TbsSkinMainMenuBar(Form.get());
        Bar->SetParent(Form.get());
        Bar->SetSkinForm(Frame);
        Bar->SetMainMenu(Menu);
        Bar->SetSkinData(&Data);
        Form->Show();
        Bar->Repaint();
    }

    TTestSkin Skin;
    TTestFrameSkin FrameSkin{Skin};
    TbsSkinData Data{nullptr};
    std::unique_ptr<TCustomForm> Form;
    TbsSkinForm* Frame = nullptr;
    TbsSkinMainMenu* Menu = nullptr;
    TbsSkinMainMenuBar* Bar = nullptr;
};

void BM_MainMenuBarLayoutAndPaint(benchmark::State& state)
{
    TBarForm f;
    if (!f.Bar->SkinUsed || !f.Bar->Items(0)->HasSkinData)
        state.SkipWithError("the bar is not skinned");
    for (auto _ : state)
        f.Bar->Repaint();
}
BENCHMARK(BM_MainMenuBarLayoutAndPaint)->Unit(benchmark::kMicrosecond);

void BM_MainMenuBarOpenSubmenu(benchmark::State& state)
{
    TBarForm f;
    for (auto _ : state) {
        f.Bar->Items(3)->MouseDown(mbLeft);
        TbsSkinMenu* menu = f.Frame->SkinMenu();
        if (!menu->ChainOpen() || menu->PopupCount() != 1) {
            state.SkipWithError("the submenu did not open");
            break;
        }
        menu->Popup(0)->Repaint();
        menu->CloseMenu();
    }
}
BENCHMARK(BM_MainMenuBarOpenSubmenu)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
