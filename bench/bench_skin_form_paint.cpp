// A skinned form frame at full-HD size: painting its whole frame (the four
// border strips of the skin picture, three caption buttons drawn into the
// top strip, the strips put on the window; the budget is 3 ms), also
// inactive through the skin's grey effect, and the plain frame without a
// skin.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "platform/gdi/colors.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_default_frame_paint.h"
#include "skin/form/bs_skin_frame_paint.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A frame picture of 200 x 150 (caption band 30 high, borders 8 wide)
// in a skin data of its own.
void AddFrameSkin(TbsSkinData& Data)
{
    Data.Picture = std::make_unique<TBitmap>();
    Data.Picture->SetPixelFormat(pf32bit);
    Data.Picture->SetSize(200, 150);
    for (int y = 0; y < 150; ++y) {
        auto* row = static_cast<uint32_t*>(Data.Picture->ScanLine(y));
        for (int x = 0; x < 200; ++x)
            row[x] = 0xFF000000u | uint32_t(x * 1237 + y * 7919);
    }
    Data.LeftTopPoint = {60, 30};
    Data.RightTopPoint = {140, 30};
    Data.LeftBottomPoint = {8, 142};
    Data.RightBottomPoint = {192, 142};
    Data.ClientRect = {8, 30, 192, 142};
    Data.Empty = false;
}

// Three caption buttons of 17 x 15 at the top right, each filled as a
// skinned button copies its image.
class TCaptionButtons : public TbsFramePaintObjects {
public:
    int Count() const override { return 3; }
    bool Visible(int) const override { return true; }
    TRect ObjectRect(int Index) const override
    {
        int right = kWidth - 8 - Index * 19;
        return TRect{right - 17, 6, right, 21};
    }
    void Draw(int Index, TCanvas* Canvas, TPoint Offset, bool) override
    {
        TRect r = ObjectRect(Index);
        OffsetRect(r, Offset.X, Offset.Y);
        Canvas->Brush()->SetColor(TColor(0x00804020 + Index * 0x10));
        Canvas->FillRect(r);
    }
};

void PaintSkinned(benchmark::State& state, bool Active, bool Grey)
{
    TbsSkinData data(nullptr);
    AddFrameSkin(data);
    data.AutoRenderingInActiveImage = Grey;
    data.InActiveEffect = iegrayscale;
    TBitmap window;
    window.SetPixelFormat(pf32bit);
    window.SetSize(kWidth, kHeight);
    const int dx = kWidth - 200;
    const int dy = kHeight - 150;
    TbsSkinFramePaint frame;
    frame.W = kWidth;
    frame.H = kHeight;
    frame.Skin = &data;
    frame.NewLTPoint = data.LeftTopPoint;
    frame.NewRTPoint = {140 + dx, 30};
    frame.NewLBPoint = {8, 142 + dy};
    frame.NewRBPoint = {192 + dx, 142 + dy};
    frame.NewClRect = {8, 30, 192 + dx, 142 + dy};
    frame.Active = Active;
    TCaptionButtons buttons;
    HDC dc = window.Canvas()->Handle();
    for (auto _ : state) {
        PaintSkinFrame(dc, frame, buttons);
        benchmark::DoNotOptimize(window.Handle());
    }
}

void BM_SkinnedFramePaint(benchmark::State& state) { PaintSkinned(state, true, false); }
BENCHMARK(BM_SkinnedFramePaint)->Unit(benchmark::kMillisecond);

void BM_SkinnedFramePaintInactiveGrey(benchmark::State& state) { PaintSkinned(state, false, true); }
BENCHMARK(BM_SkinnedFramePaintInactiveGrey)->Unit(benchmark::kMillisecond);

void BM_DefaultFramePaint(benchmark::State& state)
{
    TBitmap window;
    window.SetPixelFormat(pf32bit);
    window.SetSize(kWidth, kHeight);
    TFont font;
    font.SetName("Arial");
    font.SetHeight(14);
    font.SetStyle(TFontStyles{fsBold});
    TbsDefaultFrame frame;
    frame.W = kWidth;
    frame.H = kHeight;
    frame.CaptionRect = {20, 3, kWidth - 3 - 5 * 17, 19};
    frame.Caption = "Tandril \xD5\x66\xE9\x54";
    frame.Font = &font;
    TCaptionButtons buttons;
    HDC dc = window.Canvas()->Handle();
    for (auto _ : state) {
        PaintDefaultFrame(dc, frame, buttons);
        benchmark::DoNotOptimize(window.Handle());
    }
}
BENCHMARK(BM_DefaultFramePaint)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
