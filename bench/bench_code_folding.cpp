// Code folding over large documents: rebuilding every fold range of a C-like
// text with nested braces, strings and comments, at three sizes to show the
// cost grows in step with the text; typing a brace, which finds the ranges
// again at once, and typing a letter on a line with a brace, which leaves
// them as they are; with and without a collapsed block, beside the same
// letter with folding off, on a short line and on one of 3,000 letters or
// 3,000 double-byte characters. Then a C text in a shown, highlighted
// editor with the C scheme's folding: braces, comment marks and a letter
// typed and taken back at the top and in the middle, each with its paint,
// with folding on and off; and the idle time that finds the rest of the
// ranges after a brace at the top, slice by slice. Last, a letter taken
// back by Undo and put in again by Redo among collapsed functions, a find
// among them, and lines pasted in line mode and as a column past the end.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_fold_regions.h"
#include "bench/bench_idle_memo.h"
#include "bench/bench_shown_c_editor.h"
#include "bench/bench_support.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_memo.h"
#include "editor/syn_text_commands.h"
#include "editor_services/search/syn_text_search.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/win/clipboard.h"
#include "platform/win/clipboard_text.h"
#include "tests/highlighter/c_like_rules.h"

namespace {

// Functions of ten lines with blocks nested three deep.
AnsiString CLikeText(int Lines)
{
    static const char* const function[] = {
        "void f() {",
        "    if (ready) {",
        "        s = \"} {\";  // braces in a string",
        "        for (i = 0; i < n; ++i) {",
        "            call(i); /* { */",
        "        }",
        "    } else {",
        "        \xD5\x66();",
        "    }",
        "}",
    };
    AnsiString text;
    for (int i = 0; i < Lines; ++i) {
        text += function[i % 10];
        text += "\r\n";
    }
    return text;
}

struct TFoldingEditor {
    explicit TFoldingEditor(int Lines, bool Folding = true)
    {
        setenv("TANDRIL_BACKEND", "headless", 1);
        memo = std::make_unique<TSynMemo>(nullptr);
        UseBraceFoldRegions(memo->CodeFolding());
        memo->Lines()->SetText(CLikeText(Lines));
        memo->CodeFolding()->SetEnabled(Folding);
    }
    std::unique_ptr<TSynMemo> memo;
};

void BM_RebuildFoldRanges(benchmark::State& State)
{
    TFoldingEditor editor(static_cast<int>(State.range(0)));
    for (auto _ : State) {
        editor.memo->RebuildFoldRanges();
        benchmark::DoNotOptimize(editor.memo->AllFoldRanges()->AllCount());
    }
    State.SetComplexityN(State.range(0));
    State.counters["ranges"] = editor.memo->AllFoldRanges()->AllCount();
}
BENCHMARK(BM_RebuildFoldRanges)->Arg(25000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// A brace typed and taken back again on a line in the middle.
void BM_TypeBraceRescans(benchmark::State& State)
{
    const int lines = static_cast<int>(State.range(0));
    TFoldingEditor editor(lines);
    TSynMemo* memo = editor.memo.get();
    if (State.range(1) != 0)
        memo->Collapse(memo->GetFoldRangeStartingAt(1));
    const int middle = memo->Lines()->Count() / 2 / 10 * 10 + 2;
    for (auto _ : State) {
        memo->SetCaretXY(BufferCoord(1, middle));
        memo->CommandProcessor(ecChar, '{', nullptr);
        memo->CommandProcessor(ecDeleteLastChar, 0, nullptr);
    }
    State.counters["ranges"] = memo->AllFoldRanges()->AllCount();
}
BENCHMARK(BM_TypeBraceRescans)->Args({25000, 0})->Args({100000, 0})->Args({100000, 1})
    ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A letter typed and taken back again on a line that opens a block: the
// fold tokens stay as they were, so the ranges need no new scan. Arguments:
// lines, a block collapsed, folding on, characters added to the line first,
// each Added.
void TypeLetterOnBraceLine(benchmark::State& State, const AnsiString& Added)
{
    TFoldingEditor editor(static_cast<int>(State.range(0)), State.range(2) != 0);
    TSynMemo* memo = editor.memo.get();
    if (State.range(1) != 0)
        memo->Collapse(memo->GetFoldRangeStartingAt(1));
    const int middle = memo->Lines()->Count() / 2 / 10 * 10 + 2;  // "    if (ready) {"
    if (State.range(3) != 0) {
        AnsiString line = "    if (ready";
        for (int64_t i = 0; i < State.range(3); ++i)
            line += Added;
        memo->Lines()->SetStrings(middle - 1, line + ") {");
    }
    for (auto _ : State) {
        memo->SetCaretXY(BufferCoord(9, middle));
        memo->CommandProcessor(ecChar, 'x', nullptr);
        memo->CommandProcessor(ecDeleteLastChar, 0, nullptr);
    }
    State.counters["ranges"] = memo->AllFoldRanges()->AllCount();
}

void BM_TypeLetterOnBraceLine(benchmark::State& State) { TypeLetterOnBraceLine(State, "y"); }
BENCHMARK(BM_TypeLetterOnBraceLine)
    ->ArgNames({"lines", "collapsed", "folding", "longer"})
    ->Args({25000, 0, 1, 0})->Args({100000, 0, 1, 0})->Args({100000, 1, 1, 0})->Args({100000, 0, 0, 0})
    ->Args({100000, 0, 1, 3000})->Args({100000, 0, 0, 3000})
    ->Unit(benchmark::kMicrosecond);

// The same with 3,000 double-byte characters (說) added, which the fold
// scan reads character by character.
void BM_TypeLetterOnWideBraceLine(benchmark::State& State) { TypeLetterOnBraceLine(State, "\xD5\x66"); }
BENCHMARK(BM_TypeLetterOnWideBraceLine)
    ->ArgNames({"lines", "collapsed", "folding", "longer"})
    ->Args({100000, 0, 1, 3000})->Args({100000, 0, 0, 3000})
    ->Unit(benchmark::kMicrosecond);

// A shown editor of 1000 by 800 pixels with the C-like scheme and the C
// scheme's folding.
struct TShownHighlightedEditor : TShownCEditor {
    TShownHighlightedEditor(int Lines, bool Folding) : TShownCEditor(Folding)
    {
        memo->SetText(CFoldText(Lines));
        while (memo->IdleWorkPending())
            memo->IdleSlice();
    }
};

// The line of a function's first block ("    if (ready ...) {") at the top
// of the text or in its middle.
int IfLine(const TSynMemo* Memo, bool Middle) { return Middle ? Memo->Lines()->Count() / 2 / 14 * 14 + 5 : 5; }

// The middle one of Values.
double Median(std::vector<double> Values)
{
    std::sort(Values.begin(), Values.end());
    return Values[Values.size() / 2];
}

double NowMs(clockid_t Clock = CLOCK_MONOTONIC)
{
    timespec now{};
    clock_gettime(Clock, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The processor time this thread has taken, in milliseconds: on a busy
// machine the longest of many short steps shows the work better than the
// time that passed.
double CpuMs() { return NowMs(CLOCK_THREAD_CPUTIME_ID); }

// What is typed and taken back again, character by character, after the
// indentation of a function's first block: a brace that opens or closes a
// block, moving every block below; a comment mark that folds the lines to
// the next one, or one that closes nothing; a letter. The time is that of
// one keystroke with its paint, the keystrokes and Backspaces alike; the
// idle work a keystroke leaves is done between the iterations, untimed, so
// the iterations are counted out rather than grown to a timed total.
// Arguments: what, 0 at the top with the view there or 1 in the middle with
// the view there, folding on.
void BM_TypeInShownHighlighted(benchmark::State& State)
{
    static const char* const typed[] = {"{", "}", "/*", "*/", "x"};
    const char* text = typed[State.range(0)];
    TShownHighlightedEditor editor(100000, State.range(2) != 0);
    TIdleMemo* memo = editor.memo;
    const int line = IfLine(memo, State.range(1) != 0);
    if (State.range(1) != 0) {
        memo->SetTopLine(line - 10);
        memo->Update();
    }
    const AnsiString keys(text);
    const AnsiString before = memo->Lines()->Strings(line - 1);
    for (auto _ : State) {
        memo->SetCaretXY(BufferCoord(5, line));
        const double start = NowMs();
        for (const char key : keys) {
            memo->CommandProcessor(ecChar, key, nullptr);
            memo->Update();
        }
        for (size_t i = 0; i < keys.size(); ++i) {
            memo->CommandProcessor(ecDeleteLastChar, 0, nullptr);
            memo->Update();
        }
        State.SetIterationTime((NowMs() - start) / 1e3 / static_cast<double>(2 * keys.size()));
        while (memo->IdleWorkPending())
            memo->IdleSlice();
    }
    if (memo->Lines()->Strings(line - 1) != before)
        State.SkipWithError("the keystrokes were not taken back");
    State.SetLabel(std::string("'") + text + (State.range(1) == 0 ? "' at the top" : "' in the middle") +
                   (State.range(2) != 0 ? ", folding on" : ", folding off"));
    State.counters["ranges"] = memo->CodeFolding()->Enabled() ? memo->AllFoldRanges()->AllCount() : 0;
}
BENCHMARK(BM_TypeInShownHighlighted)
    ->ArgNames({"what", "middle", "folding"})
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}, {1, 0}})
    ->Unit(benchmark::kMicrosecond)
    ->UseManualTime()
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A brace typed at the top leaves every block below to idle time: the
// slices it takes to find them with their repaints, the longest one, and
// all of them together; in 100,000 lines and in 1.5 million (100 MB).
void BM_IdleScanAfterBrace(benchmark::State& State)
{
    TShownHighlightedEditor editor(static_cast<int>(State.range(0)), true);
    TIdleMemo* memo = editor.memo;
    const int line = IfLine(memo, false);
    double longest = 0;
    int slices = 0;
    for (auto _ : State) {
        State.PauseTiming();
        memo->SetCaretXY(BufferCoord(5, line));
        memo->CommandProcessor(ecChar, '{', nullptr);
        memo->Update();
        State.ResumeTiming();
        slices = 0;
        while (memo->FoldScanPending()) {
            const double start = NowMs();
            memo->IdleSlice();
            longest = std::max(longest, NowMs() - start);
            ++slices;
        }
        State.PauseTiming();
        memo->CommandProcessor(ecDeleteLastChar, 0, nullptr);
        while (memo->FoldScanPending())
            memo->IdleSlice();
        State.ResumeTiming();
    }
    State.counters["slices"] = slices;
    State.counters["longest_slice_ms"] = longest;
}
BENCHMARK(BM_IdleScanAfterBrace)->Arg(100000)->Arg(1500000)->Unit(benchmark::kMillisecond)->Iterations(5);

// The collapsed blocks among the editor's ranges, hidden ones too.
int CollapsedCount(TIdleMemo* Memo)
{
    const TSynTextAllFoldRanges& all = *Memo->AllFoldRanges();
    int count = 0;
    for (int i = 0; i < all.AllCount(); ++i)
        count += all.AllRanges(i)->Collapsed ? 1 : 0;
    return count;
}

// Collapses the first Count functions of a shown highlighted editor's text:
// each function's first line is line 4 of its unit of 14, and they go from
// the last up, so that the lines above stay where they are.
void CollapseFunctionsFromTop(TIdleMemo* Memo, int Count)
{
    for (int unit = Count - 1; unit >= 0; --unit)
        Memo->Collapse(Memo->GetFoldRangeAtLine(unit * 14 + 4));
}

// Every function of the 100,000-line text collapsed, as after collapsing
// them one by one in view, then a brace typed at the start of the first
// #if line: every block below lies a level deeper, so the scan meets every
// collapsed function. The keystroke with its paint, the idle work after it
// slice by slice, and, once the brace is taken back, every block expanded
// with its paint; the blocks are collapsed again between the iterations,
// untimed. Argument: folding on.
void BM_TypeAboveCollapsedFunctions(benchmark::State& State)
{
    TShownHighlightedEditor editor(100000, true);
    TIdleMemo* memo = editor.memo;
    const AnsiString text = memo->Lines()->Text();
    const auto collapseAll = [memo] {
        for (int line = memo->Lines()->Count(); line >= 1; --line)
            if (memo->Lines()->Strings(line - 1).compare(0, 7, "void f(") == 0)
                memo->Collapse(memo->GetFoldRangeAtLine(line));
        memo->SetTopLine(1);
        memo->Update();
    };
    std::vector<double> keystrokes;
    std::vector<double> idles;
    std::vector<double> expansions;
    double longest = 0;
    int slices = 0;
    int collapsed = 0;
    for (auto _ : State) {
        collapseAll();
        collapsed = CollapsedCount(memo);
        memo->SetCaretXY(BufferCoord(1, 3));
        double start = NowMs();
        memo->CommandProcessor(ecChar, '{', nullptr);
        memo->Update();
        keystrokes.push_back(NowMs() - start);
        start = NowMs();
        slices = 0;
        while (memo->IdleWorkPending()) {
            const double slice = NowMs();
            memo->IdleSlice();
            longest = std::max(longest, NowMs() - slice);
            ++slices;
        }
        idles.push_back(NowMs() - start);
        memo->CommandProcessor(ecDeleteLastChar, 0, nullptr);
        while (memo->IdleWorkPending())
            memo->IdleSlice();
        start = NowMs();
        memo->UncollapseAll();
        memo->Update();
        expansions.push_back(NowMs() - start);
        if (memo->AllFoldRanges()->HasCollapsed() || memo->Lines()->Text() != text)
            State.SkipWithError("the text was not expanded as it was");
    }
    State.counters["collapsed"] = collapsed;
    State.counters["keystroke_ms"] = Median(keystrokes);
    State.counters["idle_ms"] = Median(idles);
    State.counters["slices"] = slices;
    State.counters["longest_slice_ms"] = longest;
    State.counters["expand_all_ms"] = Median(expansions);
}
BENCHMARK(BM_TypeAboveCollapsedFunctions)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Functions of seven lines one after another, with no line between them
// or an empty one, after a line of their own; a brace and a quote in each,
// in a comment and in a string.
AnsiString TouchingFunctions(int Count, bool EmptyLines = false)
{
    static const char* const function[] = {
        "void f(int a) {", "    if (a > 0) {", "        call(a); // {", "    } else {",
        "        other(\"}\");", "    }",          "}",
    };
    AnsiString text = "int top;\r\n";
    for (int i = 0; i < Count; ++i) {
        for (const char* line : function)
            text += AnsiString(line) + "\r\n";
        if (EmptyLines)
            text += "\r\n";
    }
    return text;
}

// Every function collapsed, then what is typed at the start of the line
// above them, each key with its paint, and the idle work each key leaves,
// slice by slice; then the keys taken back again, the same. A brace makes
// every function a level deeper, which the scan finds reading the
// collapsed blocks where they stand, and they stay collapsed; an unclosed
// comment takes them all in, and they come into view. Arguments: what
// (0 a brace, 1 a comment), the number of functions, an empty line after
// each (the layout repeats every 8 lines, so that whatever line numbers a
// slice looks at the clock on may all lie in collapsed blocks).
void BM_TypeAboveTouchingCollapsedFunctions(benchmark::State& State)
{
    const bool comment = State.range(0) != 0;
    const AnsiString keys = comment ? "/*" : "{";
    const int count = static_cast<int>(State.range(1));
    TShownCEditor editor(true);
    TIdleMemo* memo = editor.memo;
    const AnsiString text = TouchingFunctions(count, State.range(2) != 0);
    double longestKey = 0;
    double longestSlice = 0;
    double longestKeyCpu = 0;
    double longestSliceCpu = 0;
    int collapsedAfter = 0;
    const auto step = [&](TSynTextEditorCommand Command, char Key) {
        const double start = NowMs();
        const double startCpu = CpuMs();
        memo->CommandProcessor(Command, Key, nullptr);
        memo->Update();
        longestKey = std::max(longestKey, NowMs() - start);
        longestKeyCpu = std::max(longestKeyCpu, CpuMs() - startCpu);
        while (memo->IdleWorkPending()) {
            const double slice = NowMs();
            const double sliceCpu = CpuMs();
            memo->IdleSlice();
            longestSlice = std::max(longestSlice, NowMs() - slice);
            longestSliceCpu = std::max(longestSliceCpu, CpuMs() - sliceCpu);
        }
    };
    for (auto _ : State) {
        State.PauseTiming();
        memo->SetText(text);
        while (memo->IdleWorkPending())
            memo->IdleSlice();
        for (int line = memo->Lines()->Count(); line >= 2; --line)
            if (memo->Lines()->Strings(line - 1).compare(0, 7, "void f(") == 0)
                memo->Collapse(memo->GetFoldRangeAtLine(line));
        memo->SetTopLine(1);
        memo->Update();
        memo->SetCaretXY(BufferCoord(1, 1));
        State.ResumeTiming();
        for (const char key : keys)
            step(ecChar, key);
        collapsedAfter = CollapsedCount(memo);
        for (size_t i = 0; i < keys.size(); ++i)
            step(ecDeleteLastChar, 0);
        if (memo->Text() != text)
            State.SkipWithError("the keys were not taken back");
    }
    if (collapsedAfter != (comment ? 0 : count))
        State.SkipWithError("the blocks were not found again as they should");
    State.SetLabel(comment ? "'/*' above them" : "'{' above them");
    State.counters["collapsed_after_typing"] = collapsedAfter;
    State.counters["longest_key_ms"] = longestKey;
    State.counters["longest_slice_ms"] = longestSlice;
    State.counters["longest_key_cpu_ms"] = longestKeyCpu;
    State.counters["longest_slice_cpu_ms"] = longestSliceCpu;
}
BENCHMARK(BM_TypeAboveTouchingCollapsedFunctions)
    ->ArgNames({"comment", "functions", "empty_lines"})
    ->ArgsProduct({{0}, {1000, 9000}, {0, 1}})
    ->Args({1, 1334, 0})->Args({1, 9091, 0})
    ->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// A letter typed at the start of a line in view among collapsed functions,
// 1,000 lines below the top, then taken back by Undo and put in again by
// Redo, each through its key command and with its paint; the idle work
// each leaves is done untimed. Neither may open a collapsed function.
// Arguments: the lines, the functions collapsed from the top.
void BM_UndoAmongCollapsedFunctions(benchmark::State& State)
{
    TShownHighlightedEditor editor(static_cast<int>(State.range(0)), true);
    TIdleMemo* memo = editor.memo;
    CollapseFunctionsFromTop(memo, static_cast<int>(State.range(1)));
    const int collapsed = CollapsedCount(memo);
    // The text given is no step to take back.
    memo->ClearUndo();
    const auto settle = [memo] {
        while (memo->IdleWorkPending())
            memo->IdleSlice();
    };
    const auto timed = [memo](TSynTextEditorCommand Command) {
        const double start = NowMs();
        memo->CommandProcessor(Command, 0, nullptr);
        memo->Update();
        return NowMs() - start;
    };
    // The second line of a comment, with 200 collapsed functions above it.
    const int line = 1002;
    const AnsiString before = memo->Lines()->Strings(line - 1);
    std::vector<double> undos;
    std::vector<double> redos;
    for (auto _ : State) {
        memo->SetTopLine(1);
        memo->SetCaretXY(BufferCoord(1, line));
        memo->CommandProcessor(ecChar, 'x', nullptr);
        memo->Update();
        settle();
        undos.push_back(timed(ecUndo));
        settle();
        redos.push_back(timed(ecRedo));
        settle();
        State.SetIterationTime((undos.back() + redos.back()) / 2 / 1e3);
        memo->CommandProcessor(ecUndo, 0, nullptr);
        settle();
    }
    if (memo->Lines()->Strings(line - 1) != before || CollapsedCount(memo) != collapsed)
        State.SkipWithError("the letter was not taken back, or collapsed functions were opened");
    State.counters["collapsed"] = collapsed;
    State.counters["undo_ms"] = Median(undos);
    State.counters["redo_ms"] = Median(redos);
}
BENCHMARK(BM_UndoAmongCollapsedFunctions)
    ->ArgNames({"lines", "collapsed"})
    ->Args({100000, 7142})
    ->Args({1500000, 5000})
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A find from the top of the text, as F3 runs it, of a word on the last
// line, among collapsed functions: the search reads every line, so it
// expands the collapsed blocks and collapses them again after it, the
// block the word is in kept open. With its paint. Arguments: the lines,
// the functions collapsed from the top.
void BM_FindAmongCollapsedFunctions(benchmark::State& State)
{
    TShownHighlightedEditor editor(static_cast<int>(State.range(0)), true);
    TIdleMemo* memo = editor.memo;
    TSynTextSearch engine(nullptr);
    memo->SetSearchEngine(&engine);
    memo->Lines()->Add("int last_word_here;");
    CollapseFunctionsFromTop(memo, static_cast<int>(State.range(1)));
    const int collapsed = CollapsedCount(memo);
    int found = 0;
    for (auto _ : State) {
        memo->SetCaretXY(BufferCoord(1, 1));
        const double start = NowMs();
        found = memo->SearchReplace("last_word_here", "", {soMatchCase});
        memo->Update();
        State.SetIterationTime((NowMs() - start) / 1e3);
    }
    if (found != 1 || CollapsedCount(memo) != collapsed)
        State.SkipWithError("the word was not found, or collapsed functions were left open");
    State.counters["collapsed"] = collapsed;
}
BENCHMARK(BM_FindAmongCollapsedFunctions)
    ->ArgNames({"lines", "collapsed"})
    ->Args({100000, 1000})
    ->Args({100000, 7142})
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Three lines pasted with Ctrl+V and its paint: whole lines in line mode
// near the top, with the view there, and a column on the last line, two of
// its lines past the end. The ranges follow the new lines, so the paste
// reads the lines in view and idle time only the edited ones, not the
// whole text again; the slices the idle work takes are counted, untimed,
// and the paste is undone between the iterations. Arguments: the lines, 0
// whole lines or 1 a column.
void BM_PasteLines(benchmark::State& State)
{
    TShownHighlightedEditor editor(static_cast<int>(State.range(0)), true);
    TIdleMemo* memo = editor.memo;
    const bool column = State.range(1) != 0;
    const int count = memo->Lines()->Count();
    memo->SetSelectionMode(column ? smColumn : smLine);
    SetClipboardText(memo->Handle(), {{CF_TEXT, "    if (p) {\r\n        q();\r\n    }"}});
    const auto settle = [memo] {
        int slices = 0;
        for (; memo->IdleWorkPending(); ++slices)
            memo->IdleSlice();
        return slices;
    };
    int slices = 0;
    int added = 0;
    for (auto _ : State) {
        State.PauseTiming();
        memo->SetTopLine(1);
        memo->SetCaretXY(column ? BufferCoord(5, count) : BufferCoord(5, IfLine(memo, false)));
        memo->Update();
        State.ResumeTiming();
        memo->CommandProcessor(ecPaste, 0, nullptr);
        memo->Update();
        State.PauseTiming();
        added = memo->Lines()->Count() - count;
        slices = settle();
        memo->CommandProcessor(ecUndo, 0, nullptr);
        settle();
        State.ResumeTiming();
    }
    if (added != (column ? 2 : 3) || memo->Lines()->Count() != count)
        State.SkipWithError("the lines were not pasted, or not taken back");
    State.SetLabel(column ? "a column past the end" : "whole lines at the top");
    State.counters["idle_slices"] = slices;
    State.counters["ranges"] = memo->AllFoldRanges()->AllCount();
}
BENCHMARK(BM_PasteLines)
    ->ArgNames({"lines", "column"})
    ->ArgsProduct({{100000, 1500000}, {0, 1}})
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

