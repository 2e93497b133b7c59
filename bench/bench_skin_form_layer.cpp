// The layered border of a full-HD skinned form on the headless back end:
// one resize step (the four strips cut anew and put on their windows; the
// budget is 6 ms) and one move step (the four windows moved with the form;
// the budget is 0.5 ms).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/kernel/custom_form.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_form_layer_border.h"
#include "skin/form/bs_skin_form.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kSize = 64;

std::unique_ptr<TBitmap> Picture(uint32_t Pixel)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        auto* row = static_cast<uint32_t*>(bitmap->ScanLine(y));
        for (int x = 0; x < kSize; ++x)
            row[x] = Pixel + static_cast<uint32_t>(x + y);
    }
    return bitmap;
}

// A form of 1920 x 1080 with a glow border of a 64 x 64 picture reaching
// 16 pixels out, shown.
struct TLayeredForm {
    TLayeredForm()
    {
        setenv("TANDRIL_BACKEND", "headless", 1);
        Data.ActivePictures.push_back(Picture(0xFF204060));
        Data.ActivePictures.push_back(Picture(0xFF808080));
        TbsDataSkinLayerFrame& layer = Data.LayerFrame;
        layer.PictureIndex = 0;
        layer.MaskPictureIndex = 1;
        layer.LeftTopPoint = {20, 16};
        layer.RightTopPoint = {44, 16};
        layer.LeftBottomPoint = {20, 48};
        layer.RightBottomPoint = {44, 48};
        layer.ClientRect = {16, 16, 48, 48};
        layer.BorderRect = {8, 8, 56, 56};
        layer.AlphaBlendValue = 200;
        Data.Empty = false;
        Form = new TCustomForm(nullptr);
        Form->SetBounds(0, 0, kWidth, kHeight);
        Frame = new TbsSkinForm(Form);
        Frame->SetSkinData(&Data);
        Form->Show();
        Border()->Show();
    }
    ~TLayeredForm() { delete Form; }
    TbsFormLayerBorder* Border() { return Frame->LayerBorder(); }

    TbsSkinData Data{nullptr};
    TCustomForm* Form = nullptr;
    TbsSkinForm* Frame = nullptr;
};

void BM_LayerBorderResizeStep(benchmark::State& state)
{
    TLayeredForm form;
    if (!form.Border()->Showing()) {
        state.SkipWithError("the border did not show");
        return;
    }
    for (auto _ : state)
        form.Border()->Rebuild();
    if (!form.Border()->Showing())
        state.SkipWithError("the border went away");
}
BENCHMARK(BM_LayerBorderResizeStep)->Unit(benchmark::kMillisecond);

void BM_LayerBorderMoveStep(benchmark::State& state)
{
    TLayeredForm form;
    if (!form.Border()->Showing()) {
        state.SkipWithError("the border did not show");
        return;
    }
    int x = 0;
    for (auto _ : state) {
        x = x == 0 ? 1 : 0;
        form.Form->SetBounds(x, 0, kWidth, kHeight);
    }
    // The border reaches 16 pixels to the left of the form.
    if (!form.Border()->Showing() || form.Border()->Placement().Outer.Left != x - 16)
        state.SkipWithError("the border did not follow the form");
}
BENCHMARK(BM_LayerBorderMoveStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
