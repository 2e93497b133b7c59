// Text drawn with the installed fonts that scripts/install-deps.sh puts in
// place, the only ones tests/fonts.conf lets the tests see. The golden
// picture depends on those exact fonts (and FreeType's rendering of them);
// on a machine without them the tests fail and name the missing package.
//
// To accept a new picture after reviewing the change, run the test program
// with TANDRIL_REGENERATE_GOLDEN=1 and commit the rewritten file in data/.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/font_matching.h"
#include "platform/gdi/surface.h"
#include "platform/gdi/text_measure.h"
#include "platform/gdi/text_out.h"
#include "tests/support/test_data.h"
#include "text_test_support.h"

namespace {

// The fonts the golden picture was made with, or what is missing.
std::string MissingFonts()
{
    std::string missing;
    if (MatchFace(FontLog("Arial", -13)).Family != "DejaVu Sans")
        missing += "DejaVu Sans (fonts-dejavu-core) ";
    if (MatchFace(FontLog("Courier New", -13)).Family != "DejaVu Sans Mono")
        missing += "DejaVu Sans Mono (fonts-dejavu-core) ";
    if (FallbackFace(U'中', FW_NORMAL, false).Family != "WenQuanYi Micro Hei")
        missing += "WenQuanYi Micro Hei (fonts-wqy-microhei) ";
    return missing;
}

std::string Pgm(TTestCanvas& canvas, int width, int height)
{
    std::string out = "P5\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out += static_cast<char>(canvas.At(x, y) & 0xFF);  // black text on white: every channel alike
    return out;
}

}  // namespace

TEST(InstalledFonts, GoldenLineOfMixedText)
{
    const std::string missing = MissingFonts();
    ASSERT_EQ(missing, "") << "missing installed fonts (scripts/install-deps.sh installs them)";
    const int width = 260;
    const int height = 36;
    TTestCanvas canvas(width, height);
    canvas.Fill(kWhite);
    SetBkMode(canvas.DC, TRANSPARENT);
    {
        TSelectedFont font(canvas.DC, FontLog("Arial", -13));
        const char* line = "Tandril 中文 GBK: 說門這乗, 0123";
        ASSERT_TRUE(TextOut(canvas.DC, 2, 1, line, static_cast<int>(std::strlen(line))));
    }
    {
        // The editor's way: bold, on a grid of one cell per byte.
        LOGFONT log = FontLog("Courier New", -13);
        log.lfWeight = FW_BOLD;
        TSelectedFont font(canvas.DC, log);
        const char* line = "int 中文 = 說門;";
        const int length = static_cast<int>(std::strlen(line));
        std::vector<int> dx(static_cast<size_t>(length), 8);
        ASSERT_TRUE(ExtTextOut(canvas.DC, 2, 18, 0, nullptr, line, length, dx.data()));
    }
    const std::string picture = Pgm(canvas, width, height);
    const std::string path = TestData() + "/text_mixed_line.pgm";
    if (std::getenv("TANDRIL_REGENERATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << picture;
        GTEST_SKIP() << "wrote " << path;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path;
    const std::string golden((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(golden == picture) << "the rendering differs from " << path;
}

// Each anti-aliased pixel of the text blends with what lies under that
// pixel, whatever lies under its neighbours: text drawn over a checkerboard
// of three pixels (one with alpha) matches, pixel for pixel, the same text
// drawn over each of the three alone.
TEST(InstalledFonts, TextBlendsWithThePixelUnderEachPixel)
{
    const uint32_t under[3] = {0x00FFFFFF, 0x00204080, 0xFF30C060};
    auto square = [&](int X, int Y) { return under[(X + 2 * Y) % 3]; };
    auto draw = [](TTestCanvas& Canvas, COLORREF Text) {
        SetBkMode(Canvas.DC, TRANSPARENT);
        SetTextColor(Canvas.DC, Text);
        TSelectedFont font(Canvas.DC, FontLog("Arial", -15));
        const char* line = "Wavy @%& 說";
        TextOut(Canvas.DC, 1, 1, line, static_cast<int>(std::strlen(line)));
    };
    for (COLORREF text : {RGB(0, 0, 0), RGB(200, 30, 90)}) {
        TTestCanvas checkered(90, 20);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 90; ++x)
                checkered.At(x, y) = square(x, y);
        draw(checkered, text);
        int blended = 0;
        for (uint32_t pixel : under) {
            TTestCanvas plain(90, 20);
            plain.Fill(pixel);
            draw(plain, text);
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 90; ++x) {
                    if (square(x, y) != pixel)
                        continue;
                    EXPECT_EQ(checkered.At(x, y), plain.At(x, y)) << x << "," << y;
                    const uint32_t got = plain.At(x, y) & 0xFFFFFF;
                    blended += got != (pixel & 0xFFFFFF) && got != ColorToPixel(text);
                }
        }
        EXPECT_GT(blended, 50);  // the text has partly covered pixels to blend
    }
}

TEST(InstalledFonts, SubstitutesMetricsAndFamilies)
{
    const std::string missing = MissingFonts();
    ASSERT_EQ(missing, "") << "missing installed fonts (scripts/install-deps.sh installs them)";
    TTestCanvas canvas(4, 4);
    TEXTMETRIC tm;
    {
        TSelectedFont font(canvas.DC, FontLog("Courier New", -13));
        ASSERT_TRUE(GetTextMetrics(canvas.DC, &tm));
        EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
        EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 13);
        EXPECT_EQ(tm.tmAveCharWidth, tm.tmMaxCharWidth);
        EXPECT_EQ(tm.tmPitchAndFamily & (TMPF_FIXED_PITCH | TMPF_TRUETYPE), TMPF_TRUETYPE);
        int widths[95];
        ASSERT_TRUE(GetCharWidth(canvas.DC, 0x20, 0x7E, widths));
        for (int w : widths)
            EXPECT_EQ(w, tm.tmAveCharWidth);
        int chinese = 0;
        GetCharWidth(canvas.DC, 0xD6D0, 0xD6D0, &chinese);  // 中, drawn from the Chinese face
        EXPECT_GT(chinese, tm.tmAveCharWidth);
        char face[LF_FACESIZE];
        GetTextFace(canvas.DC, sizeof face, face);
        EXPECT_STREQ(face, "DejaVu Sans Mono");
    }
    {
        // A cell height gives that cell; a fixed-pitch request gets a fixed-pitch face.
        LOGFONT log = FontLog("Tahoma", 20);
        log.lfPitchAndFamily = FIXED_PITCH;
        TSelectedFont font(canvas.DC, log);
        GetTextMetrics(canvas.DC, &tm);
        EXPECT_EQ(tm.tmHeight, 20);
        EXPECT_EQ(tm.tmPitchAndFamily & TMPF_FIXED_PITCH, 0);
    }
    {
        TSelectedFont font(canvas.DC, FontLog("Arial", -13));
        GetTextMetrics(canvas.DC, &tm);
        EXPECT_EQ(tm.tmPitchAndFamily & TMPF_FIXED_PITCH, TMPF_FIXED_PITCH);
    }

    const std::vector<TFontFamily> families = GetFontFamilies();
    auto find = [&](const char* name) {
        for (const TFontFamily& f : families)
            if (f.FaceName == name)
                return &f;
        return static_cast<const TFontFamily*>(nullptr);
    };
    ASSERT_NE(find("Courier New"), nullptr);
    EXPECT_EQ(find("Courier New")->PitchAndFamily & PITCH_MASK, FIXED_PITCH);
    ASSERT_NE(find("宋体"), nullptr);
    EXPECT_EQ(find("宋体")->CharSet, GB2312_CHARSET);
    ASSERT_NE(find("WenQuanYi Micro Hei Mono"), nullptr);
    EXPECT_EQ(find("WenQuanYi Micro Hei Mono")->PitchAndFamily & PITCH_MASK, FIXED_PITCH);
    ASSERT_NE(find("DejaVu Sans"), nullptr);
    EXPECT_EQ(find("DejaVu Sans")->PitchAndFamily & PITCH_MASK, VARIABLE_PITCH);
    EXPECT_EQ(find("Tandril Test"), nullptr);
    for (size_t i = 1; i < families.size(); ++i)
        EXPECT_LT(CompareText(families[i - 1].FaceName, families[i].FaceName), 0);
}

TEST(InstalledFonts, FontsOfAbsurdSizesAreMadeBoundedAndDraw)
{
    TTestCanvas canvas(64, 32);
    for (int32_t height : {-53333333, 53333333, INT32_MIN + 1, INT32_MAX}) {
        LOGFONT log = FontLog("Arial", height);
        log.lfWidth = INT32_MAX;
        TSelectedFont font(canvas.DC, log);
        TEXTMETRIC tm;
        ASSERT_TRUE(GetTextMetrics(canvas.DC, &tm)) << height;
        EXPECT_GT(tm.tmHeight, 0) << height;
        EXPECT_LE(tm.tmHeight, 3 * 8192) << height;
        TextOut(canvas.DC, 0, 0, "Ab", 2);
    }
}
