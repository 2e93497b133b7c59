// The tree view with 100,000 nodes in 500 folders: building the tree in an
// update bracket, expanding every folder, and scrolling a page and painting
// it, on the headless back end.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/bench_support.h"
#include "platform/ui/itemviews/tree_view.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"

namespace {

constexpr int kFolders = 500;
constexpr int kPerFolder = 199;  // with the folders, 100,000 nodes

struct TTreeFixture {
    TTreeFixture()
    {
        host = ShownHeadlessHost(400, 600);
        tree = new TTreeView(host.get());
        tree->SetBounds(0, 0, 300, 500);
        tree->SetParent(host.get());
        tree->HandleNeeded();
    }
    // Folders with articles whose titles mix words and GBK characters.
    void Build()
    {
        TTreeNodes* items = tree->Items();
        items->BeginUpdate();
        for (int f = 0; f < kFolders; ++f) {
            TTreeNode* folder = items->Add(nullptr, "\xD5\x66\xE9\x54 folder " + std::to_string(f));
            for (int a = 0; a < kPerFolder; ++a)
                items->AddChild(folder, "article \xD6\xD0 " + std::to_string(a));
        }
        items->EndUpdate();
    }

    std::unique_ptr<TBenchHost> host;
    TTreeView* tree = nullptr;
};

void BM_BuildTree(benchmark::State& state)
{
    TTreeFixture fixture;
    for (auto _ : state) {
        state.PauseTiming();
        fixture.tree->Items()->Clear();
        state.ResumeTiming();
        fixture.Build();
    }
    state.counters["nodes"] = fixture.tree->Items()->Count();
    state.counters["node bytes"] = sizeof(TTreeNode);
}
BENCHMARK(BM_BuildTree)->Unit(benchmark::kMillisecond);

void BM_ExpandAll(benchmark::State& state)
{
    TTreeFixture fixture;
    for (auto _ : state) {
        // A new tree each time, so that every title is measured anew.
        state.PauseTiming();
        fixture.tree->Items()->Clear();
        fixture.Build();
        state.ResumeTiming();
        // Expanding lays the rows out again and puts the scroll bar in step.
        fixture.tree->FullExpand();
    }
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    GetScrollInfo(fixture.tree->Handle(), SB_VERT, &info);
    state.counters["rows"] = info.nMax + 1;
}
BENCHMARK(BM_ExpandAll)->Unit(benchmark::kMillisecond);

void BM_ScrollAndPaintPage(benchmark::State& state)
{
    TTreeFixture fixture;
    fixture.Build();
    fixture.tree->FullExpand();
    fixture.tree->Update();
    HWND window = fixture.tree->Handle();
    int pages = 0;
    for (auto _ : state) {
        SendMessage(window, WM_VSCROLL, ++pages % 1000 ? SB_PAGEDOWN : SB_TOP, 0);
        fixture.tree->Update();
    }
    state.counters["rows shown"] = fixture.tree->VisibleCount();
}
BENCHMARK(BM_ScrollAndPaintPage)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
