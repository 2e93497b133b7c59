// The skinned views at the notes program's largest scale: a tree of 100,000
// nodes scrolled by a page from its external bar (the bar's change, the
// view's scroll, the repaint with skinned lines and selection, and the bars
// brought back in step), and Down in a report list of 100,000 items (the
// key, the repaint and the bar sync). Budgets: 3 ms and 1 ms. The skin is
// made here: the tree's and the list's colours and a selected item image.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "bench_support.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "skin/data/bs_skin_controls_edits.h"
#include "skin/data/bs_skin_controls_tabs.h"
#include "skin/data/bs_skin_data.h"

namespace {

constexpr int kCount = 100000;

void AddViewSkin(TbsSkinData& Data)
{
    auto picture = std::make_unique<TBitmap>();
    picture->SetPixelFormat(pf32bit);
    picture->SetSize(64, 32);
    for (int y = 0; y < 32; ++y) {
        auto* row = static_cast<uint32_t*>(picture->ScanLine(y));
        for (int x = 0; x < 64; ++x)
            row[x] = 0xFF000000u | uint32_t(x * 1237 + y * 7919);
    }
    Data.ActivePictures.push_back(std::move(picture));

    auto tree = std::make_unique<TbsDataSkinTreeView>("treeview");
    tree->FontName = "Arial";
    tree->FontHeight = 14;
    tree->FontColor = 0x202020;
    tree->BgColor = 0xF0E0D0;
    tree->PictureIndex = 0;
    tree->ExpandImageRect = TRect{0, 0, 11, 11};
    tree->NoExpandImageRect = TRect{11, 0, 22, 11};
    Data.ControlList.push_back(std::move(tree));
    auto list = std::make_unique<TbsDataSkinListView>("listview");
    list->FontName = "Arial";
    list->FontHeight = 14;
    list->FontColor = 0x202020;
    list->BgColor = 0xD0F0E0;
    Data.ControlList.push_back(std::move(list));
    auto item = std::make_unique<TbsDataSkinListBox>("listbox");
    item->PictureIndex = 0;
    item->FocusItemRect = TRect{0, 12, 24, 26};
    item->ActiveItemRect = TRect{24, 12, 48, 26};
    item->ItemTextRect = TRect{3, 3, 21, 11};
    Data.ControlList.push_back(std::move(item));
    Data.Empty = false;
}

TbsSkinScrollBar* VerticalBar(TWinControl* Host, int Left, int Height)
{
    auto* bar = new TbsSkinScrollBar(Host);
    bar->SetKind(sbVertical);
    bar->SetParent(Host);
    bar->SetBounds(Left, 0, 19, Height);
    return bar;
}

void BM_SkinnedTreePageScroll(benchmark::State& state)
{
    auto host = ShownHeadlessHost(320, 480);
    TbsSkinData data(nullptr);
    AddViewSkin(data);
    auto* tree = new TbsSkinTreeView(host.get());
    tree->SetParent(host.get());
    tree->SetBounds(0, 0, 300, 480);
    tree->SetSkinData(&data);
    tree->SetDrawSkin(true);
    tree->Items()->BeginUpdate();
    TTreeNode* folder = nullptr;
    for (int i = 0; i < kCount; ++i) {
        if (i % 100 == 0)
            folder = tree->Items()->Add(nullptr, "folder " + std::to_string(i));
        else
            tree->Items()->AddChild(folder, "article " + std::to_string(i));
    }
    tree->Items()->EndUpdate();
    tree->FullExpand();
    auto* bar = VerticalBar(host.get(), 300, 480);
    tree->SetVScrollBar(bar);
    tree->SetSelected(tree->Items()->GetFirstNode());
    host->Update();
    int step = tree->VisibleCount();
    for (auto _ : state) {
        if (bar->Position() + step > bar->Max() - bar->PageSize() + 1 || bar->Position() + step < 0)
            step = -step;
        bar->SetPosition(bar->Position() + step);
        host->Update();
        benchmark::DoNotOptimize(bar->Position());
    }
}
BENCHMARK(BM_SkinnedTreePageScroll)->Unit(benchmark::kMicrosecond);

void BM_SkinnedReportDown(benchmark::State& state)
{
    auto host = ShownHeadlessHost(420, 480);
    TbsSkinData data(nullptr);
    AddViewSkin(data);
    auto* list = new TbsSkinListView(host.get());
    list->SetParent(host.get());
    list->SetBounds(0, 0, 400, 480);
    list->SetViewStyle(vsReport);
    list->SetRowSelect(true);
    list->SetSkinData(&data);
    list->SetDrawSkin(true);
    for (int c = 0; c < 3; ++c)
        list->Columns()->Add()->SetWidth(120);
    list->Items()->BeginUpdate();
    for (int i = 0; i < kCount; ++i) {
        TListItem* item = list->Items()->Add();
        item->SetCaption("attachment " + std::to_string(i));
        item->SubItems()->Add(std::to_string(i * 1024));
    }
    list->Items()->EndUpdate();
    auto* bar = VerticalBar(host.get(), 400, 480);
    list->SetVScrollBar(bar);
    list->SetItemIndex(0);
    host->Update();
    for (auto _ : state) {
        if (list->ItemIndex() >= kCount - 1)
            list->SetItemIndex(0);
        list->Perform(WM_KEYDOWN, VK_DOWN, 0);
        host->Update();
        benchmark::DoNotOptimize(bar->Position());
    }
}
BENCHMARK(BM_SkinnedReportDown)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
