// Code folding over large documents: rebuilding every fold range of a C-like
// text with nested braces, strings and comments, at three sizes to show the
// cost grows in step with the text.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "editor/fold_regions.h"
#include "editor/syn_fold_ranges.h"
#include "editor/syn_memo.h"


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
    explicit TFoldingEditor(int Lines)
    {
        setenv("TANDRIL_BACKEND", "headless", 1);
        memo = std::make_unique<TSynMemo>(nullptr);
        TFoldRegions* regions = memo->CodeFolding()->FoldRegions();
        regions->Add(frtOneChar, false, false, false, "{", "}");
        regions->SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
        regions->SkipRegions()->Add("//", "", "", srtLineEnd);
        regions->SkipRegions()->Add("/*", "*/", "", srtCloseString);
        memo->CodeFolding()->SetHighlighterFoldRegions(false);
        memo->Lines()->SetText(CLikeText(Lines));
        memo->CodeFolding()->SetEnabled(true);
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

}  // namespace

BENCHMARK_MAIN();
