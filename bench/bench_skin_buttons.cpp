// Skinned speed buttons: painting the main window's row of 27 tool buttons
// from the skin (the budget is 2 ms), and one 20 ms tick of a button's
// cross-fade, which paints the normal and hot images and morphs them (the
// budget is 0.3 ms). The skin is made here: a tool-button picture with a
// normal, a hot and a pressed image, cross-fading.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/clock.h"
#include "skin/controls/bs_skin_speed_button.h"
#include "skin/data/bs_skin_controls.h"
#include "skin/data/bs_skin_data.h"
#include "tests/support/message_pump.h"

namespace {

constexpr int kButtons = 27;

void AddToolButtonSkin(TbsSkinData& Data)
{
    auto picture = std::make_unique<TBitmap>();
    picture->SetPixelFormat(pf32bit);
    picture->SetSize(69, 22);
    for (int y = 0; y < 22; ++y) {
        auto* row = static_cast<uint32_t*>(picture->ScanLine(y));
        for (int x = 0; x < 69; ++x)
            row[x] = 0xFF000000u | uint32_t(x * 1237 + y * 7919);
    }
    Data.ActivePictures.push_back(std::move(picture));

    auto button = std::make_unique<TbsDataSkinButtonControl>("toolbutton");
    button->PictureIndex = 0;
    button->SkinRect = TRect{0, 0, 23, 22};
    button->ActiveSkinRect = TRect{23, 0, 46, 22};
    button->DownSkinRect = TRect{46, 0, 69, 22};
    button->ClientRect = TRect{3, 3, 20, 19};
    button->Morphing = true;
    Data.ControlList.push_back(std::move(button));
    Data.Empty = false;
}

// A shown form on the headless back end for the buttons.
std::unique_ptr<TCustomForm> ShownForm(int Width, int Height)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    auto form = std::make_unique<TCustomForm>(nullptr);
    form->SetBounds(0, 0, Width, Height);
    form->Show();
    PumpMessages();
    return form;
}

// A 16 x 16 glyph with its transparent corner colour.
std::unique_ptr<TBitmap> MakeGlyph()
{
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetSize(16, 16);
    glyph->Canvas()->Brush()->SetColor(clFuchsia);
    glyph->Canvas()->FillRect(TRect{0, 0, 16, 16});
    glyph->Canvas()->Brush()->SetColor(clNavy);
    glyph->Canvas()->FillRect(TRect{3, 3, 13, 13});
    return glyph;
}

void BM_ToolButtonRowPaint(benchmark::State& state)
{
    auto host = ShownForm(kButtons * 23 + 20, 60);
    TbsSkinData data(nullptr);
    AddToolButtonSkin(data);
    auto glyph = MakeGlyph();
    std::vector<TbsSkinSpeedButton*> row;
    for (int i = 0; i < kButtons; ++i) {
        auto* button = new TbsSkinSpeedButton(host.get());
        button->SetParent(host.get());
        button->SetBounds(i * 23, 2, 23, 22);
        button->SetGlyph(glyph.get());
        button->SetShowCaption(false);
        button->SetFlat(i != kButtons - 1);  // the main window's: all flat but one
        button->SetSkinData(&data);
        row.push_back(button);
    }
    host->Update();
    if (!row[0]->Showing())
        state.SkipWithError("the buttons do not show");
    for (auto _ : state) {
        for (TbsSkinSpeedButton* button : row)
            button->Repaint();
    }
}
BENCHMARK(BM_ToolButtonRowPaint)->Unit(benchmark::kMillisecond);

void BM_ToolButtonCrossFadeTick(benchmark::State& state)
{
    SetManualClock(true);
    auto host = ShownForm(60, 60);
    TbsSkinData data(nullptr);
    AddToolButtonSkin(data);
    auto* button = new TbsSkinSpeedButton(host.get());
    button->SetParent(host.get());
    button->SetBounds(2, 2, 23, 22);
    button->SetSkinData(&data);
    host->Update();
    bool in = false;
    for (auto _ : state) {
        // A fade that has ended turns round, so every tick steps and paints.
        if (!button->Machine().MorphRunning()) {
            state.PauseTiming();
            in = !in;
            button->Perform(in ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0);
            state.ResumeTiming();
        }
        AdvanceClock(20);
        PumpMessages();
        benchmark::DoNotOptimize(button->MorphFactor());
    }
    SetManualClock(false);
}
BENCHMARK(BM_ToolButtonCrossFadeTick)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
