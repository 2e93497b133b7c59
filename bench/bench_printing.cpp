// Printing to the PDF printer: 100 pages of 60 lines by 90 columns of code
// mixed with Chinese, in a fixed-pitch font at 10 points on A4, through
// the printer DC to the PDF bytes. Targets: under 1 s for the document and
// under 40 KB a page (the fonts go in as subsets).
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/font.h"
#include "platform/gdi/printer_dc.h"
#include "platform/gdi/text_out.h"

namespace {

constexpr int kPages = 100;
constexpr int kLines = 60;
constexpr int kColumns = 90;

// Lines of 90 bytes: words of code with a Chinese comment here and there,
// a different mix on each line.
std::vector<std::string> PageLines()
{
    const char* ascii[] = {"int ", "x", " = ", "value", "(", ");", "42", "return ", "{", "}", "// "};
    const char* chinese[] = {"中", "文", "說", "門", "這", "乗", "注", "释", "变", "量"};
    std::vector<std::string> lines;
    unsigned seed = 7;
    for (int i = 0; i < kLines; ++i) {
        std::string line;
        while (static_cast<int>(line.size()) < kColumns - 2) {
            seed = seed * 1103515245u + 12345u;
            const unsigned pick = (seed >> 16) % 16;
            line += pick < 11 ? ascii[pick] : chinese[pick - 11];
        }
        lines.push_back(line.substr(0, line.size() > kColumns ? kColumns : line.size()));
    }
    return lines;
}

void PrintDocument(benchmark::State& state)
{
    const std::vector<std::string> lines = PageLines();
    LOGFONT log;
    log.lfHeight = -83;  // 10 points at 600 dpi
    log.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(log.lfFaceName, "Courier New");
    size_t bytes = 0;
    for (auto _ : state) {
        HDC dc = CreatePrinterDC(PageSetupFor(PaperSizes()[0], false));
        HFONT font = CreateFontIndirect(log);
        HGDIOBJ old = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        TPrinterDC* printer = PrinterDCOf(dc);
        printer->StartDoc();
        for (int page = 0; page < kPages; ++page) {
            printer->StartPage();
            for (int i = 0; i < kLines; ++i)
                TextOut(dc, 400, 400 + i * 100, lines[static_cast<size_t>((i + page) % kLines)].c_str(),
                        static_cast<int>(lines[static_cast<size_t>((i + page) % kLines)].size()));
            printer->EndPage();
        }
        std::string pdf;
        printer->EndDoc(pdf);
        bytes = pdf.size();
        SelectObject(dc, old);
        DeleteObject(font);
        DeleteDC(dc);
    }
    state.counters["bytes_per_page"] = static_cast<double>(bytes) / kPages;
}
BENCHMARK(PrintDocument)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
