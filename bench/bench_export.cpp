// Exporting a highlighted 10,000-line C file (with Chinese comments and
// strings) to RTF, HTML and TeX: the whole document built in memory, as
// the document editor's export does it before saving. And an editor's
// text with blocks collapsed, which export and printing take out with the
// hidden lines in their place.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bench/bench_fold_regions.h"
#include "editor/syn_memo.h"
#include "editor_services/export/syn_exporter_html.h"
#include "editor_services/export/syn_exporter_rtf.h"
#include "editor_services/export/syn_exporter_tex.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/string_list.h"
#include "tests/highlighter/c_like_rules.h"

namespace {

constexpr int kLines = 10000;

// C lines of every kind the rules colour, in a fixed cycle.
TStringList& SampleFile()
{
    static TStringList lines;
    if (lines.Count() > 0)
        return lines;
    const char* const kinds[] = {
        "#include <stdio.h>",
        "/* 計算緩衝區的長度: 說門這乗 */",
        "static int count_%d = %d;",
        "int length_%d(const char *buffer, unsigned long size)",
        "{",
        "    if (buffer == 0 || size < %d) { return -1; }",
        "    printf(\"%%d: \\\"中文 %d\\\"\\n\", buffer[%d]); // 輸出 ° ± ·",
        "    while (size-- > 0 && *buffer != '\\0') buffer++;",
        "    return (int)(size * %d) + 'x';",
        "}",
    };
    for (int i = 0; i < kLines; ++i) {
        char line[256];
        std::snprintf(line, sizeof line, kinds[i % 10], i, i * 7 % 1000, i % 64);
        lines.Add(line);
    }
    return lines;
}

template <class Exporter>
void BM_Export(benchmark::State& state)
{
    TStringList& lines = SampleFile();
    TSynLexSyn syn(nullptr);
    BuildCLikeRules(syn);
    syn.PrepareRules();
    Exporter exporter(nullptr);
    exporter.SetHighlighter(&syn);
    for (auto _ : state)
        exporter.ExportAll(&lines);
    state.counters["document bytes"] = static_cast<double>(exporter.BufferSize());
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(kLines), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK_TEMPLATE(BM_Export, TSynExporterRTF)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Export, TSynExporterHTML)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Export, TSynExporterTeX)->Unit(benchmark::kMillisecond);

// The HTML export of a 100,000-line C text (7 MB) from an editor with none,
// one or every function collapsed (argument: how many, of 7,142): taking
// the text out, a copy only while blocks are collapsed, then the export.
void BM_ExportWithCollapsedBlocks(benchmark::State& State)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    auto memo = std::make_unique<TSynMemo>(nullptr);
    UseCFoldRegions(memo->CodeFolding());
    memo->CodeFolding()->SetEnabled(true);
    memo->SetText(CFoldText(100000));
    const int lines = memo->Lines()->Count();
    // Each function's first line is line 4 of its unit of 14; from the last
    // up, so that the lines above stay where they are.
    for (int unit = static_cast<int>(State.range(0)) - 1; unit >= 0; --unit)
        memo->Collapse(memo->GetFoldRangeAtLine(unit * 14 + 4));
    TSynLexSyn syn(nullptr);
    BuildCLikeRules(syn);
    syn.PrepareRules();
    TSynExporterHTML exporter(nullptr);
    exporter.SetHighlighter(&syn);
    int exported = 0;
    for (auto _ : State) {
        const TSynRealText text = memo->RealText();
        exporter.ExportAll(text.Lines);
        exported = text.Lines->Count();
    }
    if (exported != lines)
        State.SkipWithError("the export left lines out");
    State.counters["shown lines"] = memo->Lines()->Count();
    State.counters["document bytes"] = static_cast<double>(exporter.BufferSize());
}
BENCHMARK(BM_ExportWithCollapsedBlocks)->Arg(0)->Arg(1)->Arg(7142)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
