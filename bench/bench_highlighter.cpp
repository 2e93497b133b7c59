// Tokenizing C source with a rule tree built in code: the whole of a 5 MB,
// 125,000-line file as the editor's first scan does it, and one 60-line
// screen as a repaint does it.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "highlighter/syn_lex_syn.h"
#include "tests/highlighter/c_like_rules.h"

namespace {

constexpr int kLines = 125000;
constexpr size_t kBytes = 5 * 1000 * 1000;

// C-like lines: declarations, statements, calls with string and character
// literals, numbers, operators, line and block comments, preprocessor lines.
const std::vector<std::string>& SampleLines()
{
    static std::vector<std::string> lines;
    if (!lines.empty())
        return lines;
    std::mt19937 random(20240611);
    const char* const idents[] = {"count", "buffer", "length", "index", "node", "result", "value", "p", "i", "next"};
    const char* const types[] = {"int", "char", "unsigned long", "struct node *", "static const int", "void *"};
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    auto ident = [&] { return std::string(idents[pick(10)]); };
    size_t total = 0;
    bool inComment = false;
    for (int i = 0; i < kLines; ++i) {
        std::string indent(static_cast<size_t>(pick(4)) * 4, ' ');
        std::string line;
        if (inComment) {
            line = indent + " * " + ident() + " and " + ident() + " stay as they were */";
            inComment = false;
        } else {
            switch (pick(9)) {
            case 0: line = "#include <" + ident() + ".h>"; break;
            case 1: line = indent + types[pick(6)] + " " + ident() + " = " + std::to_string(pick(100000)) + ";"; break;
            case 2: line = indent + "if (" + ident() + " == " + ident() + " && " + ident() + "->next != 0) {"; break;
            case 3:
                line = indent + "printf(\"%d: \\\"" + ident() + "\\\"\\n\", " + ident() + "[" + ident() + "]);";
                break;
            case 4: line = indent + ident() + " += '\\n' + 'x'; // " + ident() + " " + ident(); break;
            case 5: line = indent + "/* " + ident() + " is never negative"; inComment = true; break;
            case 6:
                line = indent + "return " + ident() + " * " + std::to_string(pick(64)) + " + " + ident() + ";";
                break;
            case 7: line = indent + "while (" + ident() + "++ < " + ident() + ") " + ident() + "--;"; break;
            default: line = indent + "}"; break;
            }
        }
        total += line.size() + 2;
        lines.push_back(std::move(line));
    }
    // Pad the last lines so the file is the size the figures are quoted for.
    for (size_t i = 0; total < kBytes; i = (i + 1) % lines.size(), ++total)
        lines[i] += ' ';
    return lines;
}

TSynLexSyn& CHighlighter()
{
    static TSynLexSyn* syn = [] {
        auto* s = new TSynLexSyn(nullptr);
        BuildCLikeRules(*s);
        s->PrepareRules();
        return s;
    }();
    return *syn;
}

// Visits every token as a painter does: position, length and attributes.
size_t PaintLine(TSynLexSyn& Syn, const std::string& Line, int Index)
{
    size_t seen = 0;
    Syn.SetLine(Line, Index);
    while (!Syn.GetEol()) {
        seen += static_cast<size_t>(Syn.GetTokenPos()) + reinterpret_cast<uintptr_t>(Syn.GetTokenAttribute());
        Syn.Next();
    }
    return seen;
}

void BM_TokenizeWholeFile(benchmark::State& state)
{
    const auto& lines = SampleLines();
    TSynLexSyn& syn = CHighlighter();
    size_t bytes = 0;
    for (const auto& line : lines)
        bytes += line.size() + 2;
    for (auto _ : state) {
        syn.ResetRange();
        size_t seen = 0;
        for (size_t i = 0; i < lines.size(); ++i)
            seen += PaintLine(syn, lines[i], static_cast<int>(i));
        benchmark::DoNotOptimize(seen);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(lines.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_TokenizeWholeFile)->Unit(benchmark::kMillisecond);

// One screen from the states the first scan stored, as a repaint does it.
void BM_TokenizeScreen(benchmark::State& state)
{
    const auto& lines = SampleLines();
    TSynLexSyn& syn = CHighlighter();
    std::vector<void*> states(lines.size());
    syn.ResetRange();
    for (size_t i = 0; i < lines.size(); ++i) {
        PaintLine(syn, lines[i], static_cast<int>(i));
        states[i] = syn.GetRange();
    }
    const size_t top = lines.size() / 2;
    for (auto _ : state) {
        size_t seen = 0;
        for (size_t i = top; i < top + 60; ++i) {
            syn.SetRange(states[i - 1]);
            seen += PaintLine(syn, lines[i], static_cast<int>(i));
        }
        benchmark::DoNotOptimize(seen);
    }
}
BENCHMARK(BM_TokenizeScreen)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
