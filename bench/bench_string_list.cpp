// A string list of 100,000 lines: loading, sorting and searching must all
// stay well below quadratic time.
#include <benchmark/benchmark.h>

#include <random>

#include "platform/base/streams.h"
#include "platform/base/string_list.h"

namespace {

constexpr int kLines = 100000;

// Lines of random GBK words, in no order.
const AnsiString& SampleText()
{
    static const AnsiString text = [] {
        std::mt19937 random(5);
        const char* pieces[] = {"key", "Value", "說", "門", "中", "乗", "_", "x", "42"};
        std::uniform_int_distribution<size_t> pick(0, std::size(pieces) - 1);
        std::uniform_int_distribution<int> length(1, 8);
        AnsiString result;
        for (int line = 0; line < kLines; ++line) {
            for (int n = length(random); n > 0; --n)
                result += pieces[pick(random)];
            result += "\r\n";
        }
        return result;
    }();
    return text;
}

void LoadThenSort(benchmark::State& state)
{
    for (auto _ : state) {
        TStringStream stream(SampleText());
        TStringList list;
        list.LoadFromStream(&stream);
        list.SetSorted(true);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(LoadThenSort)->Unit(benchmark::kMillisecond);

void LoadIntoSortedList(benchmark::State& state)
{
    for (auto _ : state) {
        TStringStream stream(SampleText());
        TStringList list;
        list.Duplicates = static_cast<TDuplicates>(state.range(0));
        list.SetSorted(true);
        list.LoadFromStream(&stream);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(LoadIntoSortedList)->Arg(dupIgnore)->Arg(dupAccept)->Unit(benchmark::kMillisecond);

void FindEveryLine(benchmark::State& state)
{
    TStringList lines;
    lines.SetText(SampleText());
    TStringList sorted;
    sorted.Duplicates = dupAccept;
    sorted.SetSorted(true);
    sorted.AddStrings(&lines);
    for (auto _ : state) {
        int found = 0;
        for (int i = 0; i < lines.Count(); ++i)
            found += sorted.IndexOf(lines[i]) >= 0;
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(FindEveryLine)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
