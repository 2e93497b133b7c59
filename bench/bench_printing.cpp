// Printing to the PDF printer: 100 pages of 60 lines by 90 columns of code
// mixed with Chinese, in a fixed-pitch font at 10 points on A4, through
// the printer DC to the PDF bytes, beside cairo's own text calls putting
// the same glyphs from the same faces on the same pages. Targets: under
// 1.5x cairo's figure and under 40 KB a page (the fonts go in as subsets).
#include <benchmark/benchmark.h>
#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/font.h"
#include "platform/gdi/printer_dc.h"
#include "platform/gdi/text_font.h"
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

LOGFONT PageFont()
{
    LOGFONT log;
    log.lfHeight = -83;  // 10 points at 600 dpi
    log.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(log.lfFaceName, "Courier New");
    return log;
}

void PrintDocument(benchmark::State& state)
{
    const std::vector<std::string> lines = PageLines();
    const LOGFONT log = PageFont();
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

// One line as cairo takes it: its runs of glyphs from one face, each with
// its text and one cluster per glyph.
struct TCairoRun {
    cairo_scaled_font_t* Font = nullptr;
    std::string Utf8;
    std::vector<cairo_glyph_t> Glyphs;
    std::vector<cairo_text_cluster_t> Clusters;
};

void AppendUtf8(std::string& s, char32_t c)
{
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The page's lines in the printer font's faces, found through the same
// per-character fallback the printer uses, laid out at its advances.
std::vector<std::vector<TCairoRun>> CairoLines(std::map<std::tuple<std::string, int>, cairo_scaled_font_t*>& fonts)
{
    HDC dc = CreatePrinterDC(PageSetupFor(PaperSizes()[0], false));
    HFONT font = CreateFontIndirect(PageFont());
    HGDIOBJ old = SelectObject(dc, font);
    TDCFont printerFont(*DeviceContextOf(dc));
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    std::vector<std::vector<TCairoRun>> result;
    for (const std::string& line : PageLines()) {
        std::vector<TCairoRun> runs;
        TGlyphSource last;
        int x = 0;
        for (const TTextChar& c : DecodeAnsiText(line)) {
            const TGlyphSource source = printerFont.Instance().Source(c.Code);
            auto& scaled = fonts[{source.File, source.Index}];
            if (!scaled) {
                FcPattern* pattern = FcPatternCreate();
                FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(source.File.c_str()));
                FcPatternAddInteger(pattern, FC_INDEX, source.Index);
                cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(pattern);
                FcPatternDestroy(pattern);
                cairo_matrix_t size, identity;
                cairo_matrix_init_scale(&size, source.EmX, source.EmY);
                cairo_matrix_init_identity(&identity);
                scaled = cairo_scaled_font_create(face, &size, &identity, options);
                cairo_font_face_destroy(face);
            }
            if (runs.empty() || source.File != last.File || source.Index != last.Index)
                runs.push_back({scaled, {}, {}, {}});
            last = source;
            const size_t before = runs.back().Utf8.size();
            AppendUtf8(runs.back().Utf8, c.Code);
            runs.back().Glyphs.push_back({source.GlyphIndex, static_cast<double>(x), 0});
            runs.back().Clusters.push_back({static_cast<int>(runs.back().Utf8.size() - before), 1});
            x += printerFont.Advance(c.Code);
        }
        result.push_back(std::move(runs));
    }
    cairo_font_options_destroy(options);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return result;
}

cairo_status_t AppendPdf(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// The reference: the same document straight through cairo's PDF surface,
// one cairo_show_text_glyphs per run, nothing else.
void CairoTextCalls(benchmark::State& state)
{
    std::map<std::tuple<std::string, int>, cairo_scaled_font_t*> fonts;
    std::vector<std::vector<TCairoRun>> lines = CairoLines(fonts);
    const TPageSetup setup = PageSetupFor(PaperSizes()[0], false);
    const double points = 72.0 / PrinterDpi;
    size_t bytes = 0;
    for (auto _ : state) {
        std::string pdf;
        cairo_surface_t* surface =
            cairo_pdf_surface_create_for_stream(AppendPdf, &pdf, setup.Paper.cx * points, setup.Paper.cy * points);
        cairo_t* cr = cairo_create(surface);
        cairo_scale(cr, points, points);
        cairo_set_source_rgb(cr, 0, 0, 0);
        for (int page = 0; page < kPages; ++page) {
            for (int i = 0; i < kLines; ++i) {
                cairo_save(cr);
                cairo_translate(cr, 400, 400 + i * 100 + 70);
                for (TCairoRun& run : lines[static_cast<size_t>((i + page) % kLines)]) {
                    cairo_set_scaled_font(cr, run.Font);
                    cairo_show_text_glyphs(cr, run.Utf8.data(), static_cast<int>(run.Utf8.size()), run.Glyphs.data(),
                                           static_cast<int>(run.Glyphs.size()), run.Clusters.data(),
                                           static_cast<int>(run.Clusters.size()), cairo_text_cluster_flags_t(0));
                }
                cairo_restore(cr);
            }
            cairo_show_page(cr);
        }
        cairo_destroy(cr);
        cairo_surface_finish(surface);
        cairo_surface_destroy(surface);
        bytes = pdf.size();
    }
    for (auto& [key, font] : fonts)
        cairo_scaled_font_destroy(font);
    state.counters["bytes_per_page"] = static_cast<double>(bytes) / kPages;
}
BENCHMARK(CairoTextCalls)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
