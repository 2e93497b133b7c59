// Putting a large C text into an editor shown with a highlighter: through
// SetText and through its lines' LoadFromFile, the time each takes and, for
// 100 MB, the memory the process keeps and the first paint afterwards, with
// the highlighter and without it.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

#include "bench/bench_support.h"
#include "editor/syn_memo.h"
#include "highlighter/syn_lex_syn.h"
#include "tests/highlighter/c_like_rules.h"
#include "tests/support/test_random.h"

namespace {

constexpr size_t kSmallText = 5 * 1000 * 1000;   // about 125,000 lines
constexpr size_t kLargeText = 100 * 1000 * 1000;  // about 2,500,000 lines

double NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// C source in CR LF lines of about 40 bytes: declarations, statements,
// calls with strings, line comments with Chinese text, and block comments
// that close on the next line.
AnsiString CSource(size_t Bytes)
{
    TRandom random(20261207);
    const char* const names[] = {"count", "buffer", "length", "index", "node", "result", "value", "p", "i", "next"};
    const char* const types[] = {"int", "char", "unsigned long", "struct node *", "static const int"};
    AnsiString text;
    text.reserve(Bytes + 128);
    bool inComment = false;
    while (text.size() < Bytes) {
        const std::string indent(static_cast<size_t>(random.Below(4)) * 4, ' ');
        const std::string name = random.Pick(names);
        if (inComment) {
            text += indent + " * " + name + " \xD5\x66\xE9\x54 stays as it was */";
            inComment = false;
        } else {
            switch (random.Below(7)) {
            case 0: text += indent + random.Pick(types) + " " + name + " = " + std::to_string(random.Below(1000)) + ";"; break;
            case 1: text += indent + "if (" + name + " != 0 && " + random.Pick(names) + "->next) {"; break;
            case 2: text += indent + "printf(\"%d \\\"" + name + "\\\"\\n\", " + name + ");"; break;
            case 3: text += indent + name + "++; // \xD6\xD0\xCE\xC4 " + random.Pick(names); break;
            case 4: text += indent + "/* " + name + " is never negative"; inComment = true; break;
            case 5: text += indent + "return " + name + " * 2;"; break;
            default: text += indent + "}"; break;
            }
        }
        text += "\r\n";
    }
    return text;
}

std::string SavedSource(size_t Bytes)
{
    const std::string path = "/tmp/tandril_bench_" + std::to_string(getpid()) + "_" + std::to_string(Bytes) + ".c";
    const AnsiString text = CSource(Bytes);
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    return path;
}

// A shown editor of 60 rows, with a C highlighter unless told otherwise.
struct TEditorFixture {
    explicit TEditorFixture(bool Highlighted = true)
    {
        BuildCLikeRules(syn);
        syn.PrepareRules();
        host = ShownHeadlessHost(1000, 800);
        memo = new TSynMemo(host.get());
        memo->SetBounds(0, 0, 1000, 800);
        memo->SetParent(host.get());
        memo->HandleNeeded();
        if (Highlighted)
            memo->SetHighlighter(&syn);
        memo->Update();
    }
    ~TEditorFixture()
    {
        memo->SetHighlighter(nullptr);
        host.reset();
    }

    TSynLexSyn syn{nullptr};
    std::unique_ptr<TBenchHost> host;
    TSynMemo* memo = nullptr;
};

// Empties the editor and gives the freed lines back to the system, so that
// no run pays for tidying the heap after another.
void ClearLines(TSynMemo* Memo)
{
    Memo->Lines()->Clear();
    malloc_trim(0);
}

// SetText timed by the benchmark; LoadFromFile of the same text timed beside
// it in every run, for the ratio of the two.
void BM_SetTextAgainstLoadFromFile5MB(benchmark::State& state)
{
    TEditorFixture fixture;
    TSynMemo* memo = fixture.memo;
    const AnsiString text = CSource(kSmallText);
    const std::string path = SavedSource(kSmallText);
    double setMs = 0;
    double loadMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ClearLines(memo);
        state.ResumeTiming();
        const double start = NowMs();
        memo->SetText(text);
        setMs += NowMs() - start;
        state.PauseTiming();
        ClearLines(memo);
        const double loadStart = NowMs();
        memo->Lines()->LoadFromFile(path);
        loadMs += NowMs() - loadStart;
        state.ResumeTiming();
    }
    std::remove(path.c_str());
    const auto runs = static_cast<double>(state.iterations());
    state.counters["lines"] = memo->Lines()->Count();
    state.counters["load_from_file_ms"] = loadMs / runs;
    state.counters["set_text_per_load"] = setMs / loadMs;
}
BENCHMARK(BM_SetTextAgainstLoadFromFile5MB)->Unit(benchmark::kMillisecond)->UseRealTime();

// What one way of putting 100 MB in a fresh process costs: the resident
// growth once the source text is gone, and the first paint.
struct TLargeLoad {
    double ResidentGrowth = 0;
    double FirstPaintMs = 0;
    double PutMs = 0;
};

// Highlighting: 0 none, 1 the C scheme, 2 the C scheme with every line's
// state asked for before the first paint (what a full scan on opening cost).
TLargeLoad LargeLoad(bool ThroughSetText, int Highlighting)
{
    TLargeLoad result;
    TEditorFixture fixture(Highlighting != 0);
    std::string path;
    if (!ThroughSetText)
        path = SavedSource(kLargeText);
    malloc_trim(0);
    const double before = ResidentBytes();
    double start = NowMs();
    if (ThroughSetText) {
        // The program's own copy of the text goes once it is handed over.
        AnsiString text = CSource(kLargeText);
        start = NowMs();
        fixture.memo->SetText(text);
        result.PutMs = NowMs() - start;
    } else {
        fixture.memo->Lines()->LoadFromFile(path);
        result.PutMs = NowMs() - start;
        std::remove(path.c_str());
    }
    start = NowMs();
    if (Highlighting == 2)
        fixture.memo->LineRange(fixture.memo->Lines()->Count() - 1);
    fixture.memo->Update();
    result.FirstPaintMs = NowMs() - start;
    result.ResidentGrowth = ResidentBytes() - before;
    return result;
}

// Each way runs in a process of its own, so that neither finds the heap the
// other left behind. open_ms is what the user waits for: the text put in
// and first painted.
void BM_Put100MB(benchmark::State& state)
{
    const bool setText = state.range(0) == 0;
    const auto highlighting = static_cast<int>(state.range(1));
    const char* const kinds[] = {" plain", " highlighted", " highlighted, all scanned first"};
    state.SetLabel(std::string(setText ? "SetText" : "LoadFromFile") + kinds[highlighting]);
    for (auto _ : state) {
        int pipes[2];
        if (pipe(pipes) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        const pid_t child = fork();
        if (child == 0) {
            close(pipes[0]);
            const TLargeLoad result = LargeLoad(setText, highlighting);
            const ssize_t written = write(pipes[1], &result, sizeof result);
            _exit(written == sizeof result ? 0 : 1);
        }
        close(pipes[1]);
        TLargeLoad result;
        const bool read = ::read(pipes[0], &result, sizeof result) == sizeof result;
        close(pipes[0]);
        waitpid(child, nullptr, 0);
        if (!read) {
            state.SkipWithError("the measuring process failed");
            return;
        }
        state.counters["put_ms"] = result.PutMs;
        state.counters["first_paint_ms"] = result.FirstPaintMs;
        state.counters["open_ms"] = result.PutMs + result.FirstPaintMs;
        state.counters["rss_growth_MB"] = result.ResidentGrowth / 1e6;
    }
}
BENCHMARK(BM_Put100MB)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->ArgNames({"load", "highlighting"})
    ->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
