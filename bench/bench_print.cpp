// The print engine on a 10,000-line highlighted C file with Chinese in its
// comments and strings, in the editor's font: counting the pages (the
// highlighter's states, wrapping and pagination) and printing the whole
// file with running heads and line numbers to the PDF printer. Target:
// under 2 s for both together.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

#include "editor_services/printing/syn_text_print.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/string_list.h"
#include "platform/ui/printing/printer.h"
#include "tests/highlighter/c_like_rules.h"

namespace {

constexpr int kLines = 10000;

// C-like lines of every kind the rules know, some too long for a row.
TStringList& SourceLines()
{
    static TStringList lines;
    if (lines.Count() > 0)
        return lines;
    const char* const names[] = {"count", "buffer", "length", "node", "result", "value"};
    unsigned seed = 11;
    for (int i = 0; i < kLines; ++i) {
        seed = seed * 1103515245u + 12345u;
        const std::string name = names[(seed >> 16) % 6] + std::to_string(i);
        switch ((seed >> 8) % 8) {
        case 0: lines.Add("#include <" + name + ".h>"); break;
        case 1: lines.Add("\tstatic const int " + name + " = " + std::to_string(seed % 10000) + ";"); break;
        case 2: lines.Add("\tif (" + name + " == 0 && " + name + "->next != 0) { /* 中文注释 說門 */"); break;
        case 3: lines.Add("\t\tprintf(\"%d: 打印 " + name + "\\n\", " + name + "[i]);"); break;
        case 4: lines.Add("\t/* " + name + " is never negative, 這乗"); break;
        case 5: lines.Add("\t   and never above the limit */"); break;
        case 6:
            lines.Add("\treturn " + name + " * 2 + " + name + " / 3 - " + name + " % 5 + " + name + " * 7 - " + name +
                      " / 11 + " + name + " * 13; // 一行很长的代码");
            break;
        default: lines.Add("\t}"); break;
        }
    }
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

// An engine set up as the document editor sets it up.
void SetUpPrint(TSynTextPrint& Print)
{
    Print.Font()->SetName("Courier New");
    Print.Font()->SetSize(10);
    Print.SetHighlighter(&CHighlighter());
    Print.SetLines(&SourceLines());
    Print.LineNumbers = true;
    Print.Title = "bench.c";
    Print.Header()->Add("$TITLE$", nullptr, taLeftJustify, 1);
    Print.Header()->Add("$PAGENUM$/$PAGECOUNT$", nullptr, taRightJustify, 1);
    Print.Footer()->Add("$DATE$ $TIME$", nullptr, taCenter, 1);
}

void UsePdfPrinter(const std::string& File)
{
    setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
    Printer().Refresh();
    Printer().SetPrinterIndex(Printer().Printers()->Count() - 1);
    Printer().FileName = File;
}

void BM_PrintPaginate(benchmark::State& State)
{
    UsePdfPrinter("/dev/null");
    TSynTextPrint print;
    SetUpPrint(print);
    int pages = 0;
    for (auto _ : State) {
        print.SetLines(&SourceLines());  // counts again, highlighter states too
        pages = print.PageCount();
        benchmark::DoNotOptimize(pages);
    }
    State.counters["pages"] = pages;
}
BENCHMARK(BM_PrintPaginate)->Unit(benchmark::kMillisecond);

// The pages of the PDF file File: its page objects.
int PdfPages(const std::string& File)
{
    std::ifstream in(File, std::ios::binary);
    const std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int pages = 0;
    const std::string page = "/Type /Page";
    for (size_t at = pdf.find(page); at != std::string::npos; at = pdf.find(page, at + 1))
        if (pdf.compare(at + page.size(), 1, "s") != 0)
            ++pages;
    return pages;
}

// Each print takes the file it writes (a print forgets it, so that a later
// one asks again); the pages written are counted after each.
void BM_PrintToPdf(benchmark::State& State)
{
    const std::string file = "/tmp/tandril-bench-print-" + std::to_string(getpid()) + ".pdf";
    UsePdfPrinter(file);
    TSynTextPrint print;
    SetUpPrint(print);
    int pages = 0;
    for (auto _ : State) {
        Printer().FileName = file;
        print.SetLines(&SourceLines());
        print.Print();
        State.PauseTiming();
        pages = PdfPages(file);
        unlink(file.c_str());
        if (pages != print.PageCount())
            State.SkipWithError("the PDF file does not hold every page");
        State.ResumeTiming();
    }
    State.counters["pages"] = pages;
}
BENCHMARK(BM_PrintToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
