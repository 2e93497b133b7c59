// Painting the editor on the headless back end: a full screen of 60 rows by
// 120 columns with a highlighter, the same with code folding over 50,000
// fold ranges, and scrolling a 1,000,000-line document by one line (the
// scroll and the paint of the row it uncovers).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "bench/bench_fold_regions.h"
#include "bench/bench_support.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/view/syn_gutter.h"
#include "editor/syn_memo.h"
#include "platform/ui/graphics/font.h"
#include "tests/editor/word_syn.h"

namespace {

constexpr int kRows = 60;
constexpr int kColumns = 120;
constexpr int kHugeLines = 1000000;

// Keywords, identifiers, blanks, symbols and '#' comments, each with its own
// look, so that a row holds many runs.
class TBenchSyn : public TWordSyn {
public:
    TBenchSyn()
    {
        Comment()->SetForeground(clGreen);
        Comment()->SetStyle({fsItalic});
        Key()->SetForeground(clNavy);
        Key()->SetStyle({fsBold});
        Symbol()->SetForeground(clMaroon);
    }
};

// A source-like line of about a hundred columns, Chinese text included.
AnsiString SampleLine(int Line)
{
    static const char* const lines[] = {
        "    int value_%d = compute(alpha, beta) + 42; # \xD6\xD0\xCE\xC4 comment about the value and more words here",
        "    if (value > limit && count < 1000) { return \xD5\x66\xE9\x54 + offset * scale - bias / 7; }"
        " else { x = y; }",
        "    while (index < length) index = next(index, step, \"text with spaces\") + table[index % 16] * 3;",
    };
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, lines[Line % 3], Line);
    return buffer;
}

// Functions of ten lines holding four fold ranges, nested three deep.
AnsiString FoldingLine(int Line)
{
    static const char* const function[] = {
        "void f() {",
        "    if (ready) {",
        "        s = \"} {\";  // braces in a string",
        "        for (i = 0; i < n; ++i) {",
        "            call(i); /* { */ \xD5\x66();",
        "        }",
        "    } else {",
        "        \xE9\x54();",
        "    }",
        "}",
    };
    return function[(Line - 1) % 10];
}

struct TPaintFixture {
    explicit TPaintFixture(int Lines, AnsiString (*Line)(int) = SampleLine)
    {
        host = ShownHeadlessHost(1400, 1300);
        memo = new TSynMemo(host.get());
        memo->SetBorderStyle(bsNone);
        memo->Font()->SetName("Courier New");
        memo->Font()->SetSize(10);
        memo->Gutter()->SetShowLineNumbers(true);
        memo->Gutter()->SetAutoSize(true);
        memo->SetParent(host.get());
        memo->HandleNeeded();
        memo->SetHighlighter(&syn);
        AnsiString text;
        for (int i = 1; i <= Lines; ++i) {
            text += Line(i);
            text += "\r\n";
        }
        memo->SetText(text);
        // The client area holds the rows and columns; the scroll bars come on top.
        const int width = memo->GutterWidth() + 2 + kColumns * memo->CharWidth();
        const int height = kRows * memo->LineHeight();
        memo->SetBounds(0, 0, width, height);
        memo->SetBounds(0, 0, 2 * width - memo->ClientWidth(), 2 * height - memo->ClientHeight());
        memo->Update();
    }
    ~TPaintFixture()
    {
        memo->SetHighlighter(nullptr);
        host.reset();
    }

    TBenchSyn syn;
    std::unique_ptr<TBenchHost> host;
    TSynMemo* memo = nullptr;
};

void BM_PaintFullScreen(benchmark::State& state)
{
    TPaintFixture fixture(2 * kRows);
    for (auto _ : state) {
        fixture.memo->Invalidate();
        fixture.memo->Update();
    }
    state.counters["rows"] = fixture.memo->LinesInWindow();
    state.counters["columns"] = fixture.memo->CharsInWindow();
}
BENCHMARK(BM_PaintFullScreen)->Unit(benchmark::kMicrosecond);

// The fold marks, the indent guides and the line numbers counting collapsed
// lines, in the middle of a text with 1,000 and with 50,000 fold ranges, one
// in fifty functions collapsed: the time must not grow with the ranges.
void BM_PaintFullScreenWithFoldRanges(benchmark::State& state)
{
    const int kLines = static_cast<int>(state.range(0)) * 10 / 4;
    TPaintFixture fixture(kLines, FoldingLine);
    TSynMemo* memo = fixture.memo;
    UseBraceFoldRegions(memo->CodeFolding());
    memo->CodeFolding()->SetIndentGuides(true);
    memo->CodeFolding()->SetEnabled(true);
    for (int line = kLines - 9; line >= 1; line -= 500)
        memo->Collapse(memo->GetFoldRangeStartingAt(line));
    memo->SetTopLine(memo->Lines()->Count() / 2);
    memo->SetCaretXY(BufferCoord(1, memo->TopLine() + 3));
    memo->Update();
    for (auto _ : state) {
        memo->Invalidate();
        memo->Update();
    }
    state.counters["ranges"] = memo->AllFoldRanges()->AllCount();
}
BENCHMARK(BM_PaintFullScreenWithFoldRanges)->Arg(1000)->Arg(50000)->Unit(benchmark::kMicrosecond);

void BM_ScrollOneLineInHugeDocument(benchmark::State& state)
{
    TPaintFixture fixture(kHugeLines);
    TSynMemo* memo = fixture.memo;
    memo->SetTopLine(kHugeLines / 2);
    memo->Update();
    int step = 1;
    for (auto _ : state) {
        // Down and back up, so that the view stays in the middle.
        memo->SetTopLine(memo->TopLine() + step);
        memo->Update();
        step = -step;
    }
}
BENCHMARK(BM_ScrollOneLineInHugeDocument)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
