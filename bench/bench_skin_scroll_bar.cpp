// One step of dragging a skinned scroll bar's thumb: the mouse move, the
// new position, the layout and the repaint of the whole bar from the skin
// (the budget is 0.3 ms). The skin is made here: a horizontal bar picture
// with a thumb of three parts and a glyph.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "bench_support.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/win/win_messages.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/data/bs_skin_controls_bars.h"
#include "skin/data/bs_skin_data.h"

namespace {

constexpr int kBarWidth = 600;

void AddScrollBarSkin(TbsSkinData& Data)
{
    auto picture = std::make_unique<TBitmap>();
    picture->SetPixelFormat(pf32bit);
    picture->SetSize(200, 20);
    for (int y = 0; y < 20; ++y) {
        auto* row = static_cast<uint32_t*>(picture->ScanLine(y));
        for (int x = 0; x < 200; ++x)
            row[x] = 0xFF000000u | uint32_t(x * 1237 + y * 7919);
    }
    Data.ActivePictures.push_back(std::move(picture));

    auto bar = std::make_unique<TbsDataSkinScrollBarControl>("hscrollbar");
    bar->PictureIndex = 0;
    bar->SkinRect = TRect{0, 0, 60, 16};
    bar->LeftTopPoint = TPoint{16, 0};
    bar->RightTopPoint = TPoint{44, 0};
    bar->TrackArea = TRect{16, 0, 44, 16};
    bar->DownButtonRect = TRect{0, 0, 16, 16};
    bar->UpButtonRect = TRect{44, 0, 60, 16};
    bar->ActiveUpButtonRect = TRect{60, 0, 76, 16};
    bar->ThumbRect = TRect{80, 0, 100, 16};
    bar->ActiveThumbRect = TRect{100, 0, 120, 16};
    bar->DownThumbRect = TRect{120, 0, 140, 16};
    bar->ThumbOffset1 = 4;
    bar->ThumbOffset2 = 4;
    bar->GlyphRect = TRect{140, 0, 146, 6};
    Data.ControlList.push_back(std::move(bar));
    Data.Empty = false;
}

void BM_ScrollBarThumbDragStep(benchmark::State& state)
{
    auto host = ShownHeadlessHost(kBarWidth, 40);
    TbsSkinData data(nullptr);
    AddScrollBarSkin(data);
    auto* bar = new TbsSkinScrollBar(host.get());
    bar->SetParent(host.get());
    bar->SetBounds(0, 0, kBarWidth, 16);
    bar->SetSkinData(&data);
    bar->SetRange(0, 1000, 0, 100);
    host->Update();
    // The thumb (about 57 long) starts at the track's left end.
    bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(30, 8));
    int x = 30;
    int step = 7;
    for (auto _ : state) {
        x += step;
        if (x > kBarWidth - 30 || x < 30)
            step = -step;
        bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(x, 8));
        benchmark::DoNotOptimize(bar->Position());
    }
    bar->Perform(WM_LBUTTONUP, 0, PointToLParam(x, 8));
}
BENCHMARK(BM_ScrollBarThumbDragStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
