// The list view in the report style: 100,000 items of 4 columns filled,
// a page painted after scrolling, and owner data with a million items, on
// the headless back end.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/ui/itemviews/list_view.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

constexpr int kItems = 100000;

class THost : public TWinControl {
public:
    THost() : TWinControl(nullptr) { SetBounds(0, 0, 500, 600); }

protected:
    bool TopLevel() const override { return true; }
    void CreateParams(TCreateParams& Params) override
    {
        TWinControl::CreateParams(Params);
        Params.Style = WS_POPUP | WS_CLIPCHILDREN;
        Params.WndParent = nullptr;
    }
};

struct TListFixture {
    TListFixture()
    {
        setenv("TANDRIL_BACKEND", "headless", 1);
        host = std::make_unique<THost>();
        host->Show();
        host->HandleNeeded();
        list = new TListView(host.get());
        list->SetBounds(0, 0, 460, 500);
        list->SetViewStyle(vsReport);
        list->SetParent(host.get());
        list->HandleNeeded();
        for (int i = 0; i < 4; ++i)
            list->Columns()->Add()->SetWidth(100);
    }
    // Items as a program adds them, one by one, without an update bracket.
    void Fill()
    {
        TListItems* items = list->Items();
        for (int i = 0; i < kItems; ++i) {
            TListItem* item = items->Add();
            item->SetCaption("\xD5\x66\xE9\x54 item " + std::to_string(i));
            item->SubItems()->Add(std::to_string(i));
            item->SubItems()->Add("kind \xD6\xD0");
            item->SubItems()->Add("2026-12-07");
        }
    }

    std::unique_ptr<THost> host;
    TListView* list = nullptr;
};

void BM_FillReport(benchmark::State& state)
{
    TListFixture fixture;
    for (auto _ : state) {
        state.PauseTiming();
        fixture.list->Items()->Clear();
        state.ResumeTiming();
        fixture.Fill();
    }
    state.counters["items"] = fixture.list->Items()->Count();
    state.counters["item bytes"] = sizeof(TListItem);
}
BENCHMARK(BM_FillReport)->Unit(benchmark::kMillisecond);

void BM_ScrollAndPaintPage(benchmark::State& state)
{
    TListFixture fixture;
    fixture.Fill();
    fixture.list->Update();
    HWND window = fixture.list->Handle();
    int pages = 0;
    for (auto _ : state) {
        SendMessage(window, WM_VSCROLL, ++pages % 1000 ? SB_PAGEDOWN : SB_TOP, 0);
        fixture.list->Update();
    }
    state.counters["rows shown"] = fixture.list->VisibleRowCount();
}
BENCHMARK(BM_ScrollAndPaintPage)->Unit(benchmark::kMicrosecond);

void BM_OwnerDataMillion(benchmark::State& state)
{
    TListFixture fixture;
    fixture.list->SetOwnerData(true);
    fixture.list->OnData = TLVDeletedEvent::FromCallable([](TObject*, TListItem* Item) {
        Item->SetCaption("row " + std::to_string(Item->Index()));
        Item->SubItems()->Add("data");
    });
    HWND window = fixture.list->Handle();
    for (auto _ : state) {
        // The count set, the end reached and a page painted.
        fixture.list->Items()->SetCount(1000000);
        SendMessage(window, WM_VSCROLL, SB_BOTTOM, 0);
        fixture.list->Update();
    }
}
BENCHMARK(BM_OwnerDataMillion)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
