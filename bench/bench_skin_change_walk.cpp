// The walks of one skin change over a form of 300 skinned controls (panels
// holding buttons and window-less buttons three levels deep, the shape of
// the notes program's main window many times over) and its skin
// components: every windowed control told before the change, every control
// re-reading its description and repainting after it (the budget is
// 20 ms).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "bench_support.h"
#include "platform/ui/graphics/bitmap.h"
#include "skin/controls/bs_graphic_skin_control.h"
#include "skin/controls/bs_skin_control.h"
#include "skin/data/bs_skin_controls.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skin_change_walk.h"
#include "skin/form/bs_skin_component.h"

namespace {

void AddSkin(TbsSkinData& Data)
{
    auto picture = std::make_unique<TBitmap>();
    picture->SetPixelFormat(pf32bit);
    picture->SetSize(64, 32);
    Data.ActivePictures.push_back(std::move(picture));
    for (const char* name : {"panel", "button", "toolbutton"}) {
        auto description = std::make_unique<TbsDataSkinControl>(name);
        description->PictureIndex = 0;
        description->SkinRect = TRect{0, 0, 30, 20};
        Data.ControlList.push_back(std::move(description));
    }
    Data.Empty = false;
}

template <typename T>
T* Add(TWinControl* Parent, const char* Name, TbsSkinData* Data, int Index)
{
    auto* control = new T(Parent);
    control->SetSkinDataName(Name);
    control->SetBoundsRect(TRect{(Index % 10) * 30, (Index / 10 % 10) * 20, (Index % 10) * 30 + 28,
                                 (Index / 10 % 10) * 20 + 18});
    control->SetParent(Parent);
    control->SetSkinData(Data);
    return control;
}

void BM_SkinChangeWalk300Controls(benchmark::State& state)
{
    auto host = ShownHeadlessHost(1280, 800);
    TbsSkinData data(nullptr);
    AddSkin(data);
    // 20 panels, each with 4 windowed buttons and 10 window-less ones: 300.
    int count = 0;
    for (int p = 0; p < 20; ++p) {
        auto* panel = Add<TbsSkinControl>(host.get(), "panel", &data, p);
        ++count;
        for (int i = 0; i < 4; ++i, ++count)
            Add<TbsSkinControl>(panel, "button", &data, i);
        for (int i = 0; i < 10; ++i, ++count)
            Add<TbsGraphicSkinControl>(panel, "toolbutton", &data, 4 + i);
    }
    for (int i = 0; i < 4; ++i)
        new TbsSkinComponent(host.get());
    for (auto _ : state) {
        BeforeChangeControls(&data, host.get());
        BeforeChangeSkinComponents(host.get());
        ++data.LoadCount;
        ChangeControls(&data, host.get());
        ChangeSkinComponents(host.get());
    }
    state.counters["controls"] = count;
}
BENCHMARK(BM_SkinChangeWalk300Controls)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
