// What folding costs in memory and in waiting on 1.5 million lines of C
// (100 MB, GBK) in a shown editor with the C-like scheme and the C
// scheme's folding: the peak and the kept memory of loading the text with
// folding on beside folding off, what a collapse and its expansion leave
// behind, and turning folding on with the text loaded, to the first paint
// and through the idle work after it; and the text set in an empty editor
// as an article opens, to the first paint and through the idle work after
// it.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_fold_regions.h"
#include "bench/bench_idle_memo.h"
#include "bench/bench_shown_c_editor.h"
#include "bench/bench_support.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_text_commands.h"
#include "highlighter/syn_lex_syn.h"
#include "tests/highlighter/c_like_rules.h"

namespace {

constexpr int kLines = 1500000;
constexpr double kMB = 1024.0 * 1024.0;

double NowUs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// Bytes the heap hands out now, from its arena and in blocks mapped alone
// (where a large block goes depends on what the heap saw before).
double HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

// The editor, shown, with the highlighter and the C fold regions; folding
// as asked, the text not yet given.
struct TFoldEditor : TShownCEditor {
    using TShownCEditor::TShownCEditor;
    // Paints and hands out idle slices until none is asked for; answers
    // how many, and the longest in Longest (microseconds).
    int Settle(double& Longest)
    {
        memo->Update();
        int slices = 0;
        while (memo->IdleWorkPending()) {
            const double start = NowUs();
            memo->IdleSlice();
            Longest = std::max(Longest, NowUs() - start);
            ++slices;
        }
        return slices;
    }
};

// The heap in use with the text loaded and folding off, for the bytes a
// fold range costs when folding is on.
double heapFoldingOff = 0;

// Loading the text (read into one string first, as from a file) and
// every idle slice after it, from an empty editor: the peak of the
// process's resident set on the way, what stays resident once idle work is
// done, and what the editor holds in the heap then. Argument: folding on.
void BM_LoadFoldMemory100MB(benchmark::State& state)
{
    const bool folding = state.range(0) != 0;
    int ranges = 0;
    double peak = 0;
    double kept = 0;
    double heap = 0;
    for (auto _ : state) {
        AnsiString text = CFoldText(kLines);
        malloc_trim(0);
        const double heapBefore = HeapInUse();
        ResetPeakResident();
        {
            TFoldEditor editor(folding);
            editor.memo->SetText(text);
            double longest = 0;
            editor.Settle(longest);
            peak = PeakResidentBytes();
            kept = ResidentBytes();
            heap = HeapInUse() - heapBefore;
            ranges = folding ? editor.memo->AllFoldRanges()->AllCount() : 0;
            if (editor.memo->Lines()->Count() < kLines)
                state.SkipWithError("the text was not loaded");
            if (folding && ranges == 0)
                state.SkipWithError("no fold range was found");
        }
        malloc_trim(0);
    }
    if (!folding)
        heapFoldingOff = heap;
    state.SetLabel(folding ? "folding on" : "folding off");
    state.counters["peak_mb"] = peak / kMB;
    state.counters["kept_mb"] = kept / kMB;
    state.counters["heap_mb"] = heap / kMB;
    state.counters["ranges"] = ranges;
    if (folding && heapFoldingOff > 0)
        state.counters["bytes_per_range"] = (heap - heapFoldingOff) / ranges;
    state.counters["range_size"] = sizeof(TSynTextFoldRange);
}
BENCHMARK(BM_LoadFoldMemory100MB)
    ->ArgName("folding")
    ->Arg(0)->Arg(1)
    ->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Collapsing the first block of the loaded text and expanding it again,
// each painted and followed by its idle work: the heap kept afterwards
// beyond what the editor held before.
void BM_CollapseExpandMemory100MB(benchmark::State& state)
{
    TFoldEditor editor(true);
    TIdleMemo* memo = editor.memo;
    memo->SetText(CFoldText(kLines));
    double longest = 0;
    editor.Settle(longest);
    const TSynTextAllFoldRanges& all = *memo->AllFoldRanges();
    double kept = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const double before = HeapInUse();
        TSynTextFoldRange* range = all.AllRanges(0);
        memo->Collapse(range);
        editor.Settle(longest);
        if (!all.HasCollapsed())
            state.SkipWithError("nothing was collapsed");
        memo->Uncollapse(range);
        editor.Settle(longest);
        if (all.HasCollapsed())
            state.SkipWithError("the block stayed collapsed");
        malloc_trim(0);
        kept = HeapInUse() - before;
    }
    state.counters["kept_mb"] = kept / kMB;
    state.counters["ranges"] = all.AllCount();
}
BENCHMARK(BM_CollapseExpandMemory100MB)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Folding turned on with the text loaded and shown, the caret on line Arg
// 0: the time to the first paint after it, and the idle work after that,
// each slice with its repaint; and the heap the ranges then hold, over
// their count. With Arg 1, after twenty slices the caret goes to line 1,
// a letter is typed there and the caret is put back, each with its paint;
// the longest of those steps and the slices is counted apart. Folding
// goes off again untimed.
void BM_EnableFolding100MB(benchmark::State& state)
{
    const int line = static_cast<int>(state.range(0));
    const bool typing = state.range(1) != 0;
    TFoldEditor editor(false);
    TIdleMemo* memo = editor.memo;
    memo->SetText(CFoldText(kLines));
    memo->SetCaretXY(BufferCoord(1, line));
    memo->EnsureCursorPosVisible();
    double longest = 0;
    editor.Settle(longest);
    longest = 0;
    double longestStep = 0;
    std::vector<double> enables;
    std::vector<double> idles;
    std::vector<double> sliceCounts;
    int ranges = 0;
    double bytesPerRange = 0;
    const auto step = [&](auto&& Work) {
        const double start = NowUs();
        Work();
        memo->Update();
        longestStep = std::max(longestStep, NowUs() - start);
    };
    for (auto _ : state) {
        const double heapBefore = HeapInUse();
        const double start = NowUs();
        memo->CodeFolding()->SetEnabled(true);
        memo->Update();
        const double painted = NowUs();
        int slices = 0;
        if (typing) {
            for (; slices < 20 && memo->IdleWorkPending(); ++slices)
                step([memo] { memo->IdleSlice(); });
            step([memo] {
                memo->SetCaretXY(BufferCoord(1, 1));
                memo->EnsureCursorPosVisible();
            });
            step([memo] { memo->CommandProcessor(ecChar, 'x', nullptr); });
            step([memo, line] {
                memo->SetCaretXY(BufferCoord(1, line));
                memo->EnsureCursorPosVisible();
            });
        }
        sliceCounts.push_back(slices + editor.Settle(longest));
        enables.push_back((painted - start) / 1000);
        idles.push_back((NowUs() - painted) / 1000);
        state.PauseTiming();
        ranges = memo->AllFoldRanges()->AllCount();
        if (ranges == 0)
            state.SkipWithError("no fold range was found");
        bytesPerRange = (HeapInUse() - heapBefore) / std::max(ranges, 1);
        if (typing) {
            memo->SetCaretXY(BufferCoord(2, 1));
            memo->CommandProcessor(ecDeleteLastChar, 0, nullptr);
            memo->SetCaretXY(BufferCoord(1, line));
            memo->EnsureCursorPosVisible();
        }
        memo->CodeFolding()->SetEnabled(false);
        double ignored = 0;
        editor.Settle(ignored);
        state.ResumeTiming();
    }
    state.counters["enable_ms"] = Median(enables);
    state.counters["idle_ms"] = Median(idles);
    state.counters["slices"] = Median(sliceCounts);
    state.counters["longest_slice_ms"] = longest / 1000;
    state.counters["longest_step_ms"] = longestStep / 1000;
    state.counters["ranges"] = ranges;
    state.counters["bytes_per_range"] = bytesPerRange;
}
BENCHMARK(BM_EnableFolding100MB)
    ->ArgNames({"line", "typing"})
    ->Args({1, 0})->Args({700000, 0})->Args({700000, 1})
    ->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

// CFoldText with line comments only, one at the end of every line, under
// a banner of stars: a comment mark the fold scan, which knows no line
// comments, reads as a block comment's start that nothing closes.
AnsiString CommentedFoldText(int Lines)
{
    const AnsiString text = CFoldText(Lines - 1);
    AnsiString commented = "//**************** generated: do not edit ****************\r\n";
    commented.reserve(text.size() + static_cast<size_t>(Lines) * 20);
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find("\r\n", at);
        AnsiString line = text.substr(at, end - at);
        for (size_t mark = line.find("/*"); mark != AnsiString::npos; mark = line.find("/*"))
            line.replace(mark, 2, "//");
        for (size_t mark = line.find("*/"); mark != AnsiString::npos; mark = line.find("*/"))
            line.erase(mark, 2);
        commented += line + (line.find("//") == AnsiString::npos ? " // \xD6\xD0\xCE\xC4 noted\r\n" : "\r\n");
        at = end + 2;
    }
    return commented;
}

// The text set in a new, empty editor as the program opens an article (the
// caret ends on its last line), to the first paint, and the idle work
// after it, each slice with its repaint; SetText alone too (the program
// moves the view to the stored caret before the first paint); and whether
// the fold marks and guides the first paint showed were those the idle
// work left. Arguments: folding on, a line comment on every line, a line
// break after the last line (the program saves an article without one).
void BM_SetText100MB(benchmark::State& state)
{
    const bool folding = state.range(0) != 0;
    AnsiString text = state.range(1) != 0 ? CommentedFoldText(kLines) : CFoldText(kLines);
    if (state.range(2) == 0)
        text.resize(text.size() - 2);
    std::vector<double> sets;
    std::vector<double> setOnly;
    std::vector<double> idles;
    std::vector<double> sliceCounts;
    double longest = 0;
    int wrongLooks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = std::make_unique<TFoldEditor>(folding);
        TIdleMemo* memo = editor->memo;
        state.ResumeTiming();
        const double start = NowUs();
        memo->SetText(text);
        const double set = NowUs();
        memo->Update();
        const double painted = NowUs();
        setOnly.push_back((set - start) / 1000);
        const TIdleMemo::TFoldLooks looks = memo->FoldLooks();
        sliceCounts.push_back(editor->Settle(longest));
        sets.push_back((painted - start) / 1000);
        idles.push_back((NowUs() - painted) / 1000);
        state.PauseTiming();
        if (memo->Lines()->Count() < kLines)
            state.SkipWithError("the text was not set");
        if (folding && (memo->AllFoldRanges()->AllCount() == 0 || !memo->LooksLike(looks)))
            ++wrongLooks;
        editor.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
    state.SetLabel(std::string(folding ? "folding on" : "folding off") +
                   (state.range(1) != 0 ? ", a comment on every line" : "") +
                   (state.range(2) != 0 ? "" : ", no line break at the end"));
    state.counters["set_ms"] = Median(sets);
    state.counters["set_text_only_ms"] = Median(setOnly);
    state.counters["idle_ms"] = Median(idles);
    state.counters["slices"] = Median(sliceCounts);
    state.counters["longest_slice_ms"] = longest / 1000;
    state.counters["wrong_looks"] = wrongLooks;
}
BENCHMARK(BM_SetText100MB)
    ->ArgNames({"folding", "comments", "final_break"})
    ->ArgsProduct({{0, 1}, {0, 1}, {1, 0}})
    ->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
