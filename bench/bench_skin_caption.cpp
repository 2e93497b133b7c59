// The caption of a skinned frame at full-HD width on the headless back end:
// painting it with glowing text over its stretched active image (budget
// 1 ms), and with the halo and the reflection for comparison.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/custom_form.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_text_objects.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_form.h"

namespace {

constexpr int kWidth = 1920;

std::unique_ptr<TBitmap> PatternPicture(int W, int H)
{
    auto picture = std::make_unique<TBitmap>();
    picture->SetPixelFormat(pf32bit);
    picture->SetSize(W, H);
    for (int y = 0; y < H; ++y) {
        auto* row = static_cast<uint32_t*>(picture->ScanLine(y));
        for (int x = 0; x < W; ++x)
            row[x] = 0xFF000000u | uint32_t(x * 1237 + y * 7919);
    }
    return picture;
}

// A 200 x 150 frame picture whose caption (30, 3, 138, 22) has an active
// image with fixed ends in a picture of its own.
void AddCaptionSkin(TbsSkinData& Data)
{
    Data.Picture = PatternPicture(200, 150);
    Data.ActivePictures.push_back(PatternPicture(120, 40));
    Data.LeftTopPoint = {40, 30};
    Data.RightTopPoint = {130, 30};
    Data.LeftBottomPoint = {40, 140};
    Data.RightBottomPoint = {130, 140};
    Data.ClientRect = {4, 26, 196, 146};
    Data.CaptionRect = {30, 3, 138, 22};
    Data.ButtonsRect = {141, 4, 196, 21};
    auto caption = std::make_unique<TbsDataSkinCaption>("caption");
    caption->SkinRect = {30, 3, 138, 22};
    caption->ActivePictureIndex = 0;
    caption->ActiveSkinRect = {0, 0, 108, 19};
    caption->TextRect = {4, 2, 104, 17};
    caption->FontName = "Arial";
    caption->FontHeight = 14;
    caption->ActiveFontColor = 0x00202020;
    caption->GlowSize = 3;
    caption->GlowActiveColor = 0x0000D0FF;
    caption->ReflectionActiveColor = 0x00FF8000;
    Data.ObjectList.push_back(std::move(caption));
    Data.Empty = false;
}

// A shown full-HD-wide form whose frame carries that caption.
struct TCaptionForm {
    TCaptionForm()
    {
        setenv("TANDRIL_BACKEND", "headless", 1);
        AddCaptionSkin(Data);
        Form = std::make_unique<TCustomForm>(nullptr);
        Form->SetBounds(0, 0, kWidth, 400);
        Form->SetCaption("Tandril notes \xD5\x66\xE9\x54\xD6\xD0 - a caption of ordinary length");
        Frame = new TbsSkinForm(Form.get());
        Frame->SetSkinData(&Data);
        Form->Show();
        for (int i = 0; i < Frame->ObjectCount(); ++i)
            if (auto* c = dynamic_cast<TbsSkinCaptionObject*>(Frame->Objects(i)))
                Caption = c;
        Strip.SetPixelFormat(pf24bit);
        Strip.SetSize(kWidth, 30);
    }

    TbsSkinData Data{nullptr};
    std::unique_ptr<TCustomForm> Form;
    TbsSkinForm* Frame = nullptr;
    TbsSkinCaptionObject* Caption = nullptr;
    TBitmap Strip;
};

void PaintCaption(benchmark::State& state, bool TbsSkinCaptionObject::*Effect)
{
    TCaptionForm f;
    if (!f.Caption || f.Caption->ObjectRect.Width() < 1000) {
        state.SkipWithError("the frame has no full-width caption");
        return;
    }
    f.Caption->*Effect = true;
    for (auto _ : state)
        f.Caption->Draw(f.Strip.Canvas(), true);
}

void BM_CaptionGlowText(benchmark::State& state) { PaintCaption(state, &TbsSkinCaptionObject::GlowEffect); }
BENCHMARK(BM_CaptionGlowText)->Unit(benchmark::kMicrosecond);

void BM_CaptionHaloText(benchmark::State& state) { PaintCaption(state, &TbsSkinCaptionObject::VistaGlowEffect); }
BENCHMARK(BM_CaptionHaloText)->Unit(benchmark::kMicrosecond);

void BM_CaptionReflectionText(benchmark::State& state)
{
    PaintCaption(state, &TbsSkinCaptionObject::ReflectionEffect);
}
BENCHMARK(BM_CaptionReflectionText)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
