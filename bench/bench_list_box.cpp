// The list box with many rows: 100,000 strings added one by one to a
// sorted list inside an update bracket, and a page of a long list painted
// on the headless back end.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "bench/bench_support.h"
#include "platform/base/strings.h"
#include "platform/ui/itemviews/list_box.h"

namespace {

constexpr int kStrings = 100000;

// Strings of words and GBK characters in no order, from our own generator.
const std::vector<AnsiString>& Strings()
{
    static const std::vector<AnsiString> strings = [] {
        const char* pieces[] = {"key", "Value", "\xD5\x66", "\xE9\x54", "\xD6\xD0", "\x81\x5C", "_", "x", "42"};
        uint32_t state = 7;
        std::vector<AnsiString> result;
        for (int i = 0; i < kStrings; ++i) {
            AnsiString s;
            for (int n = 0; n < 6; ++n) {
                state = state * 1664525u + 1013904223u;
                s += pieces[(state >> 8) % 9];
            }
            result.push_back(s);
        }
        return result;
    }();
    return strings;
}

struct TListFixture {
    TListFixture()
    {
        host = ShownHeadlessHost(400, 600);
        list = new TListBox(host.get());
        list->SetBounds(0, 0, 300, 500);
        list->SetParent(host.get());
        list->HandleNeeded();
    }

    std::unique_ptr<TBenchHost> host;
    TListBox* list = nullptr;
};

void BM_AddSortedInUpdate(benchmark::State& state)
{
    TListFixture fixture;
    fixture.list->SetSorted(true);
    const std::vector<AnsiString>& strings = Strings();
    for (auto _ : state) {
        state.PauseTiming();
        fixture.list->Clear();
        state.ResumeTiming();
        TStrings* items = fixture.list->Items();
        items->BeginUpdate();
        for (const AnsiString& s : strings)
            items->Add(s);
        items->EndUpdate();
    }
    state.counters["rows"] = fixture.list->Count();
}
BENCHMARK(BM_AddSortedInUpdate)->Unit(benchmark::kMillisecond);

void BM_PaintPage(benchmark::State& state)
{
    TListFixture fixture;
    fixture.list->SetSorted(true);
    TStrings* items = fixture.list->Items();
    items->BeginUpdate();
    for (const AnsiString& s : Strings())
        items->Add(s);
    items->EndUpdate();
    fixture.list->SetItemIndex(kStrings / 2);
    fixture.list->Update();
    for (auto _ : state) {
        fixture.list->Invalidate();
        fixture.list->Update();
    }
    state.counters["rows shown"] = fixture.list->ClientHeight() / fixture.list->ItemHeight();
}
BENCHMARK(BM_PaintPage)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
