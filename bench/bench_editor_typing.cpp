// Typing in the middle of a 100 MB text in a shown editor of 1000 by 800
// pixels: the caret runs off the right edge, so that every 24th character
// scrolls the view sideways. The keystrokes that scroll and those that do
// not are timed apart; and the sideways scroll alone, with code folding off
// and on. Then Enter at the end of a line and before a line that opens a
// block comment, in a 100 MB C text with the C scheme, and the idle work
// each leaves; Enter above a collapsed block; Ctrl+End right after an
// Enter that leaves a long rescan to idle time; and 10,000 lines deleted
// below a collapsed block.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "bench/bench_fold_regions.h"
#include "bench/bench_idle_memo.h"
#include "bench/bench_large_c_text.h"
#include "bench/bench_shown_c_editor.h"
#include "bench/bench_support.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_memo.h"
#include "editor/syn_text_commands.h"
#include "highlighter/syn_lex_syn.h"
#include "tests/highlighter/c_like_rules.h"

namespace {

constexpr int kKeystrokes = 480;

double NowUs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// The processor time this thread has taken: on a busy machine it shows a
// step's own work better than the time that passed.
double CpuUs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

double Median(std::vector<double>& values)
{
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// The shown editor holding the text, the caret at the end of a line in
// the middle.
struct TLargeFixture {
    explicit TLargeFixture(bool Folding)
    {
        host = ShownHeadlessHost(1000, 800);
        memo = new TSynMemo(host.get());
        memo->SetBounds(0, 0, 1000, 800);
        memo->SetParent(host.get());
        memo->HandleNeeded();
        if (Folding) {
            UseBraceFoldRegions(memo->CodeFolding());
            memo->CodeFolding()->SetEnabled(true);
        }
        memo->SetText(LargeCText());
        line = memo->Lines()->Count() / 2 + 2;  // a "call" line
        memo->SetCaretXY(BufferCoord(static_cast<int>(memo->Lines()->Strings(line - 1).size()) + 1, line));
        memo->EnsureCursorPosVisible();
        memo->Update();
    }

    std::unique_ptr<TBenchHost> host;
    TSynMemo* memo = nullptr;
    int line = 0;
};

void BM_TypeAcrossRightEdge100MB(benchmark::State& state)
{
    TLargeFixture fixture(state.range(0) != 0);
    TSynMemo* memo = fixture.memo;
    const int line = fixture.line;
    std::vector<double> scrolling;
    std::vector<double> plain;
    for (auto _ : state) {
        for (int i = 0; i < kKeystrokes; ++i) {
            const int left = memo->LeftChar();
            const double start = NowUs();
            memo->CommandProcessor(ecChar, 'a', nullptr);
            memo->Update();
            const double spent = NowUs() - start;
            (memo->LeftChar() != left ? scrolling : plain).push_back(spent);
        }
        state.PauseTiming();
        // Back to the line as it was, at its end.
        const TBufferCoord end = BufferCoord(static_cast<int>(memo->Lines()->Strings(line - 1).size()) + 1, line);
        memo->SetCaretAndSelection(end, BufferCoord(1, line), end);
        memo->SetSelText("        call(i, \"\xD6\xD0\");");
        memo->Update();
        state.ResumeTiming();
    }
    state.SetLabel(state.range(0) ? "folding on" : "folding off");
    state.counters["scrolling_us"] = scrolling.empty() ? 0 : Median(scrolling);
    state.counters["plain_us"] = plain.empty() ? 0 : Median(plain);
    state.counters["scrolls"] = static_cast<double>(scrolling.size());
}
// With folding on, each keystroke rescans the fold ranges: the scroll alone
// is measured below.
BENCHMARK(BM_TypeAcrossRightEdge100MB)->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// The sideways scroll a keystroke at the right edge makes, and its paint,
// on a line that runs past the window.
void BM_ScrollSideways100MB(benchmark::State& state)
{
    TLargeFixture fixture(state.range(0) != 0);
    TSynMemo* memo = fixture.memo;
    memo->SetCaretXY(BufferCoord(1, fixture.line));
    memo->SetSelText(AnsiString(400, 'a'));
    memo->SetLeftChar(100);
    memo->Update();
    int step = 24;
    for (auto _ : state) {
        memo->SetLeftChar(memo->LeftChar() + step);
        memo->Update();
        step = -step;
    }
    state.SetLabel(state.range(0) ? "folding on" : "folding off");
}
BENCHMARK(BM_ScrollSideways100MB)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// 1.5 million lines of C, 100 MB, in a shown editor with the C-like scheme
// and the C scheme's folding, every idle slice done.
struct TCFixture : TShownCEditor {
    explicit TCFixture(bool Folding) : TShownCEditor(Folding)
    {
        memo->SetText(CFoldText(1500000));
        Settle();
    }
    void Settle()
    {
        memo->Update();
        while (memo->IdleWorkPending())
            memo->IdleSlice();
    }
};

// Enter with its paint, then the idle work after it, each slice with its
// repaint: the times of each Enter, for their medians, and the longest
// slice of all.
struct TEnterTimes {
    void Measure(TIdleMemo* Memo)
    {
        const double start = NowUs();
        const double startCpu = CpuUs();
        Memo->CommandProcessor(ecLineBreak, 0, nullptr);
        Memo->Update();
        const double entered = NowUs();
        EnterCpus.push_back((CpuUs() - startCpu) / 1000);
        int slices = 0;
        while (Memo->IdleWorkPending()) {
            const double sliceStart = NowUs();
            Memo->IdleSlice();
            Longest = std::max(Longest, NowUs() - sliceStart);
            ++slices;
        }
        Enters.push_back((entered - start) / 1000);
        Idles.push_back((NowUs() - entered) / 1000);
        Slices.push_back(slices);
    }
    void Report(benchmark::State& State)
    {
        State.counters["enter_ms"] = Median(Enters);
        State.counters["enter_cpu_ms"] = Median(EnterCpus);
        State.counters["idle_ms"] = Median(Idles);
        State.counters["slices"] = Median(Slices);
        State.counters["longest_slice_ms"] = Longest / 1000;
    }
    std::vector<double> Enters;
    std::vector<double> EnterCpus;
    std::vector<double> Idles;
    std::vector<double> Slices;
    double Longest = 0;
};

// Enter at the end of line 1,000, the view there, with its paint, and the
// idle work after it, each slice with its repaint; the Enter is taken back
// between the iterations, untimed. Before them, the caret gone there from
// the end of the text, where the text set left it: the idle slices that
// bring the line records to it, the longest CPU time of one. Argument:
// folding on.
void BM_Enter100MB(benchmark::State& state)
{
    TCFixture fixture(state.range(0) != 0);
    TIdleMemo* memo = fixture.memo;
    constexpr int line = 1000;
    const AnsiString before = memo->Lines()->Strings(line - 1);
    const int count = memo->Lines()->Count();
    memo->SetTopLine(line - 10);
    memo->SetCaretXY(BufferCoord(static_cast<int>(before.size()) + 1, line));
    memo->Update();
    double longestToCaret = 0;
    int slicesToCaret = 0;
    for (; memo->IdleWorkPending(); ++slicesToCaret) {
        const double start = CpuUs();
        memo->IdleSlice();
        longestToCaret = std::max(longestToCaret, CpuUs() - start);
    }
    state.counters["slices_to_caret"] = slicesToCaret;
    state.counters["longest_slice_to_caret_cpu_ms"] = longestToCaret / 1000;
    TEnterTimes times;
    for (auto _ : state) {
        state.PauseTiming();
        memo->SetCaretXY(BufferCoord(static_cast<int>(before.size()) + 1, line));
        fixture.Settle();
        state.ResumeTiming();
        times.Measure(memo);
        state.PauseTiming();
        if (memo->Lines()->Count() != count + 1 || memo->CaretY() != line + 1)
            state.SkipWithError("Enter did not break the line");
        memo->Undo();
        fixture.Settle();
        state.ResumeTiming();
    }
    if (memo->Lines()->Strings(line - 1) != before || memo->Lines()->Count() != count)
        state.SkipWithError("the line break was not taken back");
    state.SetLabel(state.range(0) ? "folding on" : "folding off");
    times.Report(state);
}
BENCHMARK(BM_Enter100MB)->ArgName("folding")->Arg(1)->Arg(0)->Iterations(9)->Unit(benchmark::kMillisecond)->UseRealTime();

// 49 letters typed at the start of a line that opens a block comment, the
// first such line from line Arg 0 on, then Enter: the Enter with its paint,
// and the idle work after it, each slice with its repaint. Then all is
// taken back, untimed. Arguments: the line, folding on.
void BM_EnterBeforeComment100MB(benchmark::State& state)
{
    TCFixture fixture(state.range(1) != 0);
    TIdleMemo* memo = fixture.memo;
    int line = static_cast<int>(state.range(0));
    while (memo->Lines()->Strings(line - 1).compare(0, 2, "/*") != 0)
        ++line;
    const AnsiString before = memo->Lines()->Strings(line - 1);
    memo->SetCaretXY(BufferCoord(1, line));
    memo->EnsureCursorPosVisible();
    fixture.Settle();
    TEnterTimes times;
    for (auto _ : state) {
        state.PauseTiming();
        memo->SetCaretXY(BufferCoord(1, line));
        for (int i = 0; i < 49; ++i) {
            memo->CommandProcessor(ecChar, 'a', nullptr);
            memo->Update();
        }
        fixture.Settle();
        state.ResumeTiming();
        times.Measure(memo);
        state.PauseTiming();
        if (memo->Lines()->Strings(line) != before)
            state.SkipWithError("Enter did not move the comment down a line");
        memo->CommandProcessor(ecDeleteLastChar, 0, nullptr);
        memo->SetCaretAndSelection(BufferCoord(50, line), BufferCoord(1, line), BufferCoord(50, line));
        memo->SetSelText("");
        fixture.Settle();
        state.ResumeTiming();
    }
    if (memo->Lines()->Strings(line - 1) != before)
        state.SkipWithError("the line was not put back");
    state.SetLabel(state.range(1) ? "folding on" : "folding off");
    state.counters["line"] = line;
    state.counters["lines"] = memo->Lines()->Count();
    times.Report(state);
}
BENCHMARK(BM_EnterBeforeComment100MB)
    ->ArgNames({"line", "folding"})
    ->Args({1000, 1})->Args({1000, 0})->Args({10, 1})
    ->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

// Enter above a collapsed block, in the text of BM_EnterBeforeComment100MB
// from the first line from line 1000 on that opens a block comment, the
// unit of 14 lines it starts being "the unit":
// 0: Enter before the comment after 49 letters, the first function at least
//    300 lines below collapsed; the scan settles above it.
// 1: Enter inside the #endif just above the comment ("#end" and "if"): the
//    #if block above now runs to the end of the text and every block below
//    lies a level deeper, so the idle scan meets the collapsed function, 300
//    lines below, in another state.
// 2: the same Enter with the unit's function, in view, collapsed: the
//    keystroke's own scan meets it.
// 3: Enter between the "*" and the "/" that end the unit's comment: the
//    comment runs on into the #if line below, whose block, collapsed, the
//    scan finds otherwise.
struct TCollapsedCase {
    int EnterLine;   // from the comment's line
    int EnterChar;   // 0: before the last character of the line
    int Letters;     // typed at the line's start first
    int Collapsed;   // the collapsed block's first line, from the comment's; 0: the function 300 lines below
};
constexpr TCollapsedCase kCollapsedCases[] = {{0, 50, 49, 0}, {-1, 5, 0, 0}, {-1, 5, 0, 3}, {1, 0, 0, 2}};

// The first line of the block a case collapses, from the comment's line.
int CollapsedLine(const TIdleMemo* Memo, int CommentLine, const TCollapsedCase& Case)
{
    if (Case.Collapsed != 0)
        return CommentLine + Case.Collapsed;
    int line = CommentLine + 300;
    while (Memo->Lines()->Strings(line - 1).compare(0, 7, "void f(") != 0)
        ++line;
    return line;
}

// The Enter with its paint, and the idle work after it, each slice with
// its repaint; then all is taken back and the block collapsed again,
// untimed. Besides the times, in how many Enters, once the idle work was
// done: the block was expanded; it was collapsed again (another range
// stands for it: the scan read it and found it as it was); every range was
// found anew (the first range of the text is another object). Arguments:
// the case; folding 2: on, the block collapsed (as the user does, in view),
// 1: on, nothing collapsed, 0: off.
void BM_EnterAboveCollapsed100MB(benchmark::State& state)
{
    const TCollapsedCase& which = kCollapsedCases[state.range(0)];
    const bool folding = state.range(1) != 0;
    const bool collapsing = state.range(1) == 2;
    TCFixture fixture(folding);
    TIdleMemo* memo = fixture.memo;
    int comment = 1000;
    while (memo->Lines()->Strings(comment - 1).compare(0, 2, "/*") != 0)
        ++comment;
    const int enterLine = comment + which.EnterLine;
    const AnsiString before = memo->Lines()->Strings(enterLine - 1);
    const int enterChar = which.EnterChar != 0 ? which.EnterChar : static_cast<int>(before.size());
    const int head = CollapsedLine(memo, comment, which);
    const auto showEnterLine = [&] {
        memo->SetCaretXY(BufferCoord(1, enterLine));
        memo->SetTopLine(enterLine - 10);
        fixture.Settle();
    };
    const auto collapse = [&] {
        TSynTextFoldRange* block = collapsing ? memo->GetFoldRangeAtLine(head) : nullptr;
        if (!block || block->Collapsed)
            return;
        memo->SetTopLine(head - 10);
        fixture.Settle();
        memo->Collapse(memo->GetFoldRangeAtLine(head));  // found again after the scroll's scan
        fixture.Settle();
        showEnterLine();
    };
    showEnterLine();
    collapse();
    if (collapsing && !memo->GetFoldRangeAtLine(head)->Collapsed)
        state.SkipWithError("the block did not collapse");
    const int linesInView = memo->Lines()->Count();
    TEnterTimes times;
    int expanded = 0;
    int recollapsed = 0;
    int rebuilt = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < which.Letters; ++i) {
            memo->CommandProcessor(ecChar, 'a', nullptr);
            memo->Update();
        }
        const AnsiString split = memo->Lines()->Strings(enterLine - 1).substr(static_cast<size_t>(enterChar - 1));
        memo->SetCaretXY(BufferCoord(enterChar, enterLine));
        fixture.Settle();
        const TSynTextFoldRange* first = folding ? memo->AllFoldRanges()->AllRanges(0) : nullptr;
        const TSynTextFoldRange* collapsed = collapsing ? memo->GetFoldRangeAtLine(head) : nullptr;
        state.ResumeTiming();
        times.Measure(memo);
        state.PauseTiming();
        const AnsiString moved = memo->Lines()->Strings(enterLine);
        if (moved.size() < split.size() || moved.compare(moved.size() - split.size(), split.size(), split) != 0) {
            state.SkipWithError("Enter did not split the line");
            break;
        }
        if (collapsing) {
            const TSynTextFoldRange* block = memo->GetFoldRangeAtLine(head + 1);
            expanded += block && block->Collapsed ? 0 : 1;
            recollapsed += block && block->Collapsed && block != collapsed ? 1 : 0;
        }
        if (folding)
            rebuilt += memo->AllFoldRanges()->AllRanges(0) != first ? 1 : 0;
        memo->Undo();  // the Enter, with any indentation it brought
        if (which.Letters > 0) {
            memo->SetCaretAndSelection(BufferCoord(which.Letters + 1, enterLine), BufferCoord(1, enterLine),
                                       BufferCoord(which.Letters + 1, enterLine));
            memo->SetSelText("");
        }
        fixture.Settle();
        collapse();
        memo->SetCaretXY(BufferCoord(1, enterLine));
        state.ResumeTiming();
    }
    if (memo->Lines()->Strings(enterLine - 1) != before || memo->Lines()->Count() != linesInView)
        state.SkipWithError("the text was not put back");
    state.SetLabel(collapsing ? "folding on, collapsed" : folding ? "folding on" : "folding off");
    times.Report(state);
    state.counters["expanded"] = expanded;
    state.counters["recollapsed"] = recollapsed;
    state.counters["rebuilt"] = rebuilt;
}
BENCHMARK(BM_EnterAboveCollapsed100MB)
    ->ArgNames({"case", "folding"})
    ->ArgsProduct({{0, 1, 2, 3}, {2, 1, 0}})
    ->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

// The first line from line 1000 on that opens a block comment.
int CommentFrom1000(const TIdleMemo* Memo)
{
    int line = 1000;
    while (Memo->Lines()->Strings(line - 1).compare(0, 2, "/*") != 0)
        ++line;
    return line;
}

// Ctrl+End with its paint, right after an Enter inside the #endif above
// the comment from line 1000 ("#end" and "if"): the #if block above now
// runs to the end of the text and every block below lies a level deeper,
// which the idle scan has yet to find; then, untimed, the idle work until
// the last lines show the blocks found, each slice with its repaint.
// Beside it Ctrl+End with nothing pending. The Enter is taken back between
// the iterations, untimed. Argument: 1 after the Enter, 0 with nothing
// pending.
void BM_CtrlEndAfterDeepeningEnter100MB(benchmark::State& state)
{
    const bool entered = state.range(0) != 0;
    TCFixture fixture(true);
    TIdleMemo* memo = fixture.memo;
    const int line = CommentFrom1000(memo) - 1;
    std::vector<double> times;
    std::vector<double> idles;
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        memo->SetCaretXY(BufferCoord(5, line));
        memo->SetTopLine(line - 10);
        fixture.Settle();
        if (entered) {
            memo->CommandProcessor(ecLineBreak, 0, nullptr);
            memo->Update();
        }
        state.ResumeTiming();
        const double start = NowUs();
        memo->CommandProcessor(ecEditorBottom, 0, nullptr);
        memo->Update();
        times.push_back((NowUs() - start) / 1000);
        state.PauseTiming();
        if (memo->CaretY() != memo->Lines()->Count())
            state.SkipWithError("the caret did not go to the last line");
        const double idle = NowUs();
        while (memo->IdleWorkPending()) {
            const double slice = NowUs();
            memo->IdleSlice();
            longest = std::max(longest, NowUs() - slice);
        }
        idles.push_back((NowUs() - idle) / 1000);
        if (entered)
            memo->Undo();
        fixture.Settle();
        state.ResumeTiming();
    }
    state.SetLabel(entered ? "after the Enter" : "nothing pending");
    state.counters["ctrl_end_ms"] = Median(times);
    state.counters["idle_ms"] = Median(idles);
    state.counters["longest_slice_ms"] = longest / 1000;
}
BENCHMARK(BM_CtrlEndAfterDeepeningEnter100MB)
    ->ArgName("entered")->Arg(1)->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// 10,000 whole lines selected and deleted with their paint, from the line
// of the comment from line 1000 on, the view there; the idle work after
// it, each slice with its repaint. The lines come back by undo between the
// iterations, untimed. Arguments: folding on, the function above the
// lines collapsed.
void BM_DeleteLines100MB(benchmark::State& state)
{
    const bool folding = state.range(0) != 0;
    const bool collapsing = state.range(1) != 0;
    TCFixture fixture(folding);
    TIdleMemo* memo = fixture.memo;
    const int first = CommentFrom1000(memo);
    const int function = first - 11;  // "void f(" of the unit above
    const AnsiString text = memo->Lines()->Strings(first - 1);
    const int lines = memo->Lines()->Count();
    std::vector<double> deletes;
    std::vector<double> idles;
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        memo->SetTopLine(function - 5);
        fixture.Settle();
        if (collapsing)
            memo->Collapse(memo->GetFoldRangeAtLine(function));
        const int from = collapsing ? first - 9 : first;
        memo->SetCaretAndSelection(BufferCoord(1, from + 10000), BufferCoord(1, from), BufferCoord(1, from + 10000));
        fixture.Settle();
        state.ResumeTiming();
        double start = NowUs();
        memo->SetSelText("");
        memo->Update();
        deletes.push_back((NowUs() - start) / 1000);
        start = NowUs();
        while (memo->IdleWorkPending()) {
            const double slice = NowUs();
            memo->IdleSlice();
            longest = std::max(longest, NowUs() - slice);
        }
        idles.push_back((NowUs() - start) / 1000);
        state.PauseTiming();
        memo->Undo();
        fixture.Settle();
        if (collapsing)
            memo->UncollapseAll();
        fixture.Settle();
        if (memo->Lines()->Count() != lines || memo->Lines()->Strings(first - 1) != text)
            state.SkipWithError("the lines did not come back");
        state.ResumeTiming();
    }
    state.SetLabel(collapsing ? "folding on, collapsed above" : folding ? "folding on" : "folding off");
    state.counters["delete_ms"] = Median(deletes);
    state.counters["idle_ms"] = Median(idles);
    state.counters["longest_slice_ms"] = longest / 1000;
}
BENCHMARK(BM_DeleteLines100MB)
    ->ArgNames({"folding", "collapsed"})->Args({1, 1})->Args({1, 0})->Args({0, 0})
    ->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
