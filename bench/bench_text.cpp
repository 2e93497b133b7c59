// One screen of editor text: 60 lines of 120 characters, ASCII mixed with
// Chinese, drawn on the editor's grid (one advance per byte) into a 32-bit
// bitmap with ExtTextOut. Target: under 2 ms a screen once the glyphs are
// cached.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/font.h"
#include "platform/gdi/text_out.h"

namespace {

constexpr int kLines = 60;
constexpr int kCharacters = 120;
constexpr int kCellWidth = 8;
constexpr int kCellHeight = 16;

// Lines of 120 characters: words of code with a Chinese comment here and there.
std::vector<std::string> ScreenLines()
{
    std::mt19937 random(11);
    const char* ascii[] = {"int ", "x", " = ", "value", "(", ");", "42", "return ", "{", "}", "// "};
    const char* chinese[] = {"中", "文", "說", "門", "這", "乗", "注", "释", "变", "量"};
    std::uniform_int_distribution<size_t> pickAscii(0, std::size(ascii) - 1);
    std::uniform_int_distribution<size_t> pickChinese(0, std::size(chinese) - 1);
    std::uniform_int_distribution<int> chance(0, 3);
    std::vector<std::string> lines;
    for (int l = 0; l < kLines; ++l) {
        std::string line;
        int count = 0;
        while (count < kCharacters) {
            if (chance(random) == 0) {
                line += chinese[pickChinese(random)];
                ++count;
                continue;
            }
            const char* piece = ascii[pickAscii(random)];
            for (const char* p = piece; *p && count < kCharacters; ++p, ++count)
                line += *p;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void DrawScreen(benchmark::State& state, const char* face)
{
    const std::vector<std::string> lines = ScreenLines();
    size_t longest = 0;
    for (const std::string& line : lines)
        longest = std::max(longest, line.size());
    const std::vector<int> dx(longest, kCellWidth);

    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(kCharacters * 2 * kCellWidth, kLines * kCellHeight, 1, 32, nullptr);
    SelectObject(dc, bitmap);
    LOGFONT log;
    log.lfHeight = -13;
    log.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(log.lfFaceName, face, LF_FACESIZE - 1);
    HFONT font = CreateFontIndirect(log);
    SelectObject(dc, font);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));

    for (auto _ : state) {
        for (int l = 0; l < kLines; ++l) {
            const std::string& line = lines[static_cast<size_t>(l)];
            const TRect row{0, l * kCellHeight, static_cast<int>(line.size()) * kCellWidth, (l + 1) * kCellHeight};
            ExtTextOut(dc, 0, row.Top, ETO_OPAQUE | ETO_CLIPPED, &row, line.data(), static_cast<int>(line.size()),
                       dx.data());
        }
    }
    state.counters["screens/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    DeleteDC(dc);
    DeleteObject(bitmap);
    DeleteObject(font);
}

void ScreenOfTextCourierNew(benchmark::State& state) { DrawScreen(state, "Courier New"); }
void ScreenOfTextTestFont(benchmark::State& state) { DrawScreen(state, "Tandril Test"); }

}  // namespace

BENCHMARK(ScreenOfTextCourierNew)->Unit(benchmark::kMillisecond);
BENCHMARK(ScreenOfTextTestFont)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
