// The skinned form frame's geometry at full-HD size: one hit test (the
// budget is 1 us) and one live-resize step, as a size loop takes it at
// every mouse move: the frame metrics, the objects' places and the window
// region from the stretched mask.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "platform/gdi/gdi_object.h"
#include "platform/ui/graphics/bitmap.h"
#include "skin/data/bs_form_info.h"
#include "skin/form/bs_frame_layout.h"
#include "skin/form/bs_frame_mask.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kPW = 200;
constexpr int kPH = 150;

// A 200 x 150 frame skin: caption band 26 high, borders 4, a mask with
// rounded top corners, a caption and three caption buttons.
struct TFrameSkin {
    TFrameSkin()
    {
        Info.LeftTopPoint = {40, 30};
        Info.RightTopPoint = {130, 30};
        Info.LeftBottomPoint = {40, 140};
        Info.RightBottomPoint = {130, 140};
        Info.ClientRect = {4, 26, 196, 146};
        Info.CaptionRect = {30, 3, 138, 22};
        Info.ButtonsRect = {141, 4, 196, 21};
        Info.ButtonsOffset = 2;
        Info.MaskRectArea = {4, 10, 196, 146};
        Info.HitTestLeftTopPoint = {10, 10};
        Info.HitTestRightTopPoint = {190, 10};
        Info.HitTestLeftBottomPoint = {10, 140};
        Info.HitTestRightBottomPoint = {190, 140};
        Info.BorderWidth = 4;
        Mask.SetPixelFormat(pf32bit);
        Mask.SetSize(kPW, kPH);
        for (int y = 0; y < kPH; ++y) {
            auto* row = static_cast<uint32_t*>(Mask.ScanLine(y));
            for (int x = 0; x < kPW; ++x) {
                int dx = x < 6 ? 6 - x : x > kPW - 7 ? x - (kPW - 7) : 0;
                int dy = y < 6 ? 6 - y : 0;
                row[x] = dx * dx + dy * dy > 36 ? 0xFFFFFFFFu : 0xFF000000u;
            }
        }
        Objects.resize(4);
        Objects[0].Kind = TbsPlacedObject::okCaption;
        Objects[0].SkinRect = {30, 3, 138, 22};
        for (int i = 1; i < 4; ++i) {
            Objects[i].Kind = TbsPlacedObject::okCaptionButton;
            Objects[i].SkinRectInAPicture = true;
            Objects[i].SkinRect = {0, 0, 17, 15};
            Objects[i].Command = i == 1 ? cmclose : i == 2 ? cmmaximize : cmminimize;
        }
    }
    TbsFormInfo Info;
    TBitmap Mask;
    std::vector<TbsPlacedObject> Objects;
};

void BM_FrameHitTest(benchmark::State& state)
{
    TFrameSkin skin;
    TbsFrameMetrics m = CalcFrameMetrics(skin.Info, kPW, kPH, kWidth, kHeight);
    TbsFrameMask mask;
    mask.Build(skin.Info, m, &skin.Mask, kWidth, kHeight);
    TbsFrameState frame;
    frame.W = kWidth;
    frame.H = kHeight;
    frame.CanSize = true;
    // Points near the edges, where the mask is read, and inside.
    const TPoint points[] = {{1, 1}, {kWidth - 2, 540}, {960, 1}, {960, kHeight - 2}, {960, 540}, {60, 12}};
    size_t i = 0;
    for (auto _ : state) {
        TPoint p = points[i++ % std::size(points)];
        benchmark::DoNotOptimize(FrameHitTest(m, skin.Info.BorderWidth, frame, &mask, p, false));
    }
}
BENCHMARK(BM_FrameHitTest)->Unit(benchmark::kNanosecond);

void BM_FrameResizeStep(benchmark::State& state)
{
    TFrameSkin skin;
    TbsFrameMask mask;
    int step = 0;
    for (auto _ : state) {
        // Alternate a pixel, as a drag does, so nothing is reused.
        int w = kWidth - (step++ & 1);
        TbsFrameMetrics m = CalcFrameMetrics(skin.Info, kPW, kPH, w, kHeight);
        CalcObjectRects(skin.Info, kPW, kPH, m, skin.Objects, {16, 16});
        mask.Build(skin.Info, m, &skin.Mask, w, kHeight);
        HRGN region = mask.CreateRegion();
        benchmark::DoNotOptimize(region);
        DeleteObject(region);
    }
}
BENCHMARK(BM_FrameResizeStep)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
