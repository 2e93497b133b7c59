// One step of dragging a skinned splitter by a pixel in a window of the
// notes program's size (1280 x 800): the mouse move, the neighbour's new
// width, the realignment of the panels and the repaint of what moved, all
// from the skin (the budget is 4 ms). The window holds a tree-side
// expandable panel, the splitter and the editor-side expandable panel; the
// skin is made here.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "bench_support.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/win/win_messages.h"
#include "skin/controls/bs_skin_ex_panel.h"
#include "skin/controls/bs_skin_splitter.h"
#include "skin/data/bs_skin_controls_panels.h"
#include "skin/data/bs_skin_data.h"

namespace {

void AddSkin(TbsSkinData& Data)
{
    auto picture = std::make_unique<TBitmap>();
    picture->SetPixelFormat(pf32bit);
    picture->SetSize(200, 100);
    for (int y = 0; y < 100; ++y) {
        auto* row = static_cast<uint32_t*>(picture->ScanLine(y));
        for (int x = 0; x < 200; ++x)
            row[x] = 0xFF000000u | uint32_t(x * 1237 + y * 7919);
    }
    Data.ActivePictures.push_back(std::move(picture));

    auto panel = std::make_unique<TbsDataSkinExPanelControl>("expanel");
    panel->PictureIndex = 0;
    panel->SkinRect = TRect{0, 0, 60, 40};
    panel->LeftTopPoint = TPoint{3, 20};
    panel->RightTopPoint = TPoint{57, 20};
    panel->LeftBottomPoint = TPoint{3, 37};
    panel->RightBottomPoint = TPoint{57, 37};
    panel->ClientRect = TRect{3, 20, 57, 37};
    panel->CaptionRect = TRect{3, 4, 57, 16};
    panel->CloseButtonRect = TRect{60, 0, 72, 12};
    panel->VRollButtonRect = TRect{72, 0, 84, 12};
    Data.ControlList.push_back(std::move(panel));

    auto splitter = std::make_unique<TbsDataSkinSplitterControl>("vsplitter");
    splitter->PictureIndex = 0;
    splitter->SkinRect = TRect{100, 0, 108, 40};
    splitter->LeftTopPoint = TPoint{0, 4};
    splitter->LeftBottomPoint = TPoint{0, 36};
    splitter->GripperRect = TRect{110, 0, 114, 20};
    Data.ControlList.push_back(std::move(splitter));
    Data.Empty = false;
}

void BM_SkinnedSplitterDragStep(benchmark::State& state)
{
    auto host = ShownHeadlessHost(1280, 800);
    TbsSkinData data(nullptr);
    AddSkin(data);
    auto* tree = new TbsSkinExPanel(host.get());
    tree->SetAlign(alLeft);
    tree->SetWidth(250);
    tree->SetParent(host.get());
    tree->SetSkinData(&data);
    auto* splitter = new TbsSkinSplitter(host.get());
    splitter->SetAlign(alLeft);
    splitter->SetLeft(260);
    splitter->SetParent(host.get());
    splitter->SetSkinData(&data);
    auto* editor = new TbsSkinExPanel(host.get());
    editor->SetAlign(alClient);
    editor->SetParent(host.get());
    editor->SetSkinData(&data);
    host->Update();

    splitter->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(4, 300));
    // The mouse in the host's coordinates; the splitter follows it.
    int x = splitter->Left() + 4;
    int step = 1;
    int travelled = 0;
    for (auto _ : state) {
        // Back and forth over 100 pixels, one pixel a step.
        if (++travelled % 100 == 0)
            step = -step;
        x += step;
        splitter->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(x - splitter->Left(), 300));
        host->Update();
        benchmark::DoNotOptimize(tree->Width());
    }
    splitter->Perform(WM_LBUTTONUP, 0, PointToLParam(x - splitter->Left(), 300));
}
BENCHMARK(BM_SkinnedSplitterDragStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
