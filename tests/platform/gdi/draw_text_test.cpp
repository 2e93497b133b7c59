#include <gtest/gtest.h>

#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/draw_text.h"
#include "text_test_support.h"

namespace {

struct TTextCanvas : TTestCanvas {
    TTextCanvas(int Width, int Height) : TTestCanvas(Width, Height), font(DC, TestFontLog())
    {
        Fill(kWhite);
        SetBkMode(DC, TRANSPARENT);
    }
    TSelectedFont font;
};

TRect CalcRect(HDC DC, const char* Text, TRect R, unsigned Format)
{
    DrawText(DC, Text, -1, &R, Format | DT_CALCRECT);
    return R;
}

}  // namespace

TEST(DrawText, WordBreakKeepsDoubleByteCharactersWholeAndCalcRectIsTheDrawnRect)
{
    TTextCanvas canvas(64, 96);
    const char* chinese = "說門這乗中說門這乗中";
    TRect r{0, 0, 40, 0};
    EXPECT_EQ(DrawText(canvas.DC, chinese, -1, &r, DT_WORDBREAK | DT_CALCRECT), 80);
    EXPECT_EQ(r, (TRect{0, 0, 32, 80}));
    EXPECT_EQ(canvas.Ink(kWhite), TRect{});  // measuring draws nothing
    EXPECT_EQ(DrawText(canvas.DC, chinese, -1, &r, DT_WORDBREAK), 80);
    for (int line = 0; line < 5; ++line)
        EXPECT_EQ(Runs(canvas, line * 16 + 10), (TRuns{{1, 15}, {17, 31}})) << line;
    EXPECT_EQ(canvas.Ink(kWhite), (TRect{1, 2, 31, 77}));

    // Mixed text breaks after spaces and beside double-byte characters; the
    // measured rectangle draws exactly what the wider one drew.
    const char* mixed = "ab 說門這乗中 cd";
    EXPECT_EQ(CalcRect(canvas.DC, mixed, {0, 0, 60, 0}, DT_WORDBREAK), (TRect{0, 0, 56, 48}));
    TTextCanvas wide(64, 48);
    TTextCanvas fitted(64, 48);
    TRect r60{0, 0, 60, 48};
    TRect r56{0, 0, 56, 48};
    DrawText(wide.DC, mixed, -1, &r60, DT_WORDBREAK);
    DrawText(fitted.DC, mixed, -1, &r56, DT_WORDBREAK);
    EXPECT_EQ(wide.Picture(kWhite), fitted.Picture(kWhite));
    EXPECT_EQ(Runs(fitted, 26), (TRuns{{1, 15}, {17, 31}, {33, 47}}));  // 這乗中 on the second line

    // A word wider than the rectangle widens it, and the lines are laid out
    // again at that width.
    const char* longWord = "aaaa bb cccccccccc";
    TRect grown = CalcRect(canvas.DC, longWord, {0, 0, 50, 0}, DT_WORDBREAK);
    EXPECT_EQ(grown, (TRect{0, 0, 80, 32}));
    TTextCanvas check(96, 48);
    DrawText(check.DC, longWord, -1, &grown, DT_WORDBREAK);
    EXPECT_EQ(check.Ink(kWhite), (TRect{1, 2, 79, 29}));

    // As an edit control wraps, the word breaks between characters instead
    // and the rectangle keeps its width.
    EXPECT_EQ(CalcRect(canvas.DC, longWord, {0, 0, 50, 0}, DT_WORDBREAK | DT_EDITCONTROL), (TRect{0, 0, 48, 64}));
}

TEST(DrawText, PrefixMarksTheAccelerator)
{
    struct Case {
        const char* Text;
        unsigned Format;
        int Boxes;
        TRuns Underline;
    };
    const Case cases[] = {
        {"&File", 0, 4, {{0, 8}}},
        {"Fi&le", 0, 4, {{16, 24}}},
        {"a&&b", 0, 3, {}},
        {"&File", DT_HIDEPREFIX, 4, {}},
        {"&File", DT_NOPREFIX, 5, {}},
        {"&說", 0, 1, {{0, 16}}},
        {"ab&", 0, 2, {}},
    };
    for (const Case& c : cases) {
        TTextCanvas canvas(64, 16);
        TRect r{0, 0, 64, 16};
        DrawText(canvas.DC, c.Text, -1, &r, c.Format);
        EXPECT_EQ(Runs(canvas, 10).size(), static_cast<size_t>(c.Boxes)) << c.Text;
        EXPECT_EQ(Runs(canvas, 13), c.Underline) << c.Text;
    }
    TTextCanvas canvas(4, 4);
    EXPECT_EQ(CalcRect(canvas.DC, "&File", {0, 0, 0, 0}, 0), (TRect{0, 0, 32, 16}));
}

TEST(DrawText, PlacementLinesAndClipping)
{
    {
        TTextCanvas canvas(100, 40);
        TRect r{0, 0, 100, 40};
        EXPECT_EQ(DrawText(canvas.DC, "ab", 2, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER), 28);
        EXPECT_EQ(canvas.Ink(kWhite), (TRect{43, 14, 57, 25}));
        canvas.Fill(kWhite);
        EXPECT_EQ(DrawText(canvas.DC, "ab", 2, &r, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT), 40);
        EXPECT_EQ(canvas.Ink(kWhite), (TRect{85, 26, 99, 37}));
    }
    TTextCanvas canvas(16, 16);
    const TRect zero{0, 0, 0, 0};
    EXPECT_EQ(CalcRect(canvas.DC, "a\r\nb\n\rc\rd\n", zero, 0), (TRect{0, 0, 8, 64}));
    EXPECT_EQ(CalcRect(canvas.DC, "a\n\nbb", zero, 0), (TRect{0, 0, 16, 48}));
    EXPECT_EQ(CalcRect(canvas.DC, "", zero, 0), zero);
    EXPECT_EQ(CalcRect(canvas.DC, "", zero, DT_SINGLELINE), (TRect{0, 0, 0, 16}));
    EXPECT_EQ(CalcRect(canvas.DC, "a\nb", zero, DT_SINGLELINE), (TRect{0, 0, 24, 16}));
    TRect r{2, 3, 2, 3};
    EXPECT_EQ(DrawTextW(canvas.DC, u"a中\nb", -1, &r, DT_CALCRECT), 32);
    EXPECT_EQ(r, (TRect{2, 3, 26, 35}));

    TRect narrow{0, 0, 12, 16};
    DrawText(canvas.DC, "ab", 2, &narrow, 0);
    EXPECT_EQ(Runs(canvas, 10), (TRuns{{1, 7}, {9, 12}}));
    canvas.Fill(kWhite);
    DrawText(canvas.DC, "ab", 2, &narrow, DT_NOCLIP);
    EXPECT_EQ(Runs(canvas, 10), (TRuns{{1, 7}, {9, 15}}));
    EXPECT_EQ(DrawText(nullptr, "ab", 2, &narrow, 0), 0);
}

TEST(DrawText, EllipsesTabsAndWideText)
{
    TTextCanvas canvas(80, 16);
    TRect r{0, 0, 40, 16};
    EXPECT_EQ(CalcRect(canvas.DC, "abcdefgh", r, DT_SINGLELINE | DT_END_ELLIPSIS), r);
    DrawText(canvas.DC, "abcdefgh", -1, &r, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(Runs(canvas, 10).size(), 5u);  // "ab..."
    canvas.Fill(kWhite);
    DrawText(canvas.DC, "說門這", -1, &r, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(Runs(canvas, 10), (TRuns{{1, 15}, {17, 23}, {25, 31}, {33, 39}}));  // "說..."

    // An empty caption in a box of negative width (a report column dragged
    // to nothing) has nothing to shorten and draws nothing.
    canvas.Fill(kWhite);
    TRect inverted{30, 0, 20, 16};
    DrawText(canvas.DC, "", -1, &inverted, DT_SINGLELINE | DT_END_ELLIPSIS);
    DrawText(canvas.DC, "", -1, &inverted, DT_SINGLELINE | DT_PATH_ELLIPSIS);
    EXPECT_TRUE(Runs(canvas, 10).empty());

    const TRect path{0, 0, 64, 16};
    EXPECT_EQ(CalcRect(canvas.DC, "ab/cd/efg", path, DT_SINGLELINE | DT_PATH_ELLIPSIS), path);  // "a.../efg"
    EXPECT_EQ(CalcRect(canvas.DC, "ab/cd/efg", path, DT_SINGLELINE), (TRect{0, 0, 72, 16}));

    canvas.Fill(kWhite);
    TRect all{0, 0, 80, 16};
    DrawText(canvas.DC, "a\tb", -1, &all, DT_EXPANDTABS);
    EXPECT_EQ(Runs(canvas, 10), (TRuns{{1, 7}, {65, 71}}));
    canvas.Fill(kWhite);
    DrawTextW(canvas.DC, u"a\tb", -1, &all, DT_EXPANDTABS);
    EXPECT_EQ(Runs(canvas, 10), (TRuns{{1, 7}, {65, 71}}));
    canvas.Fill(kWhite);
    DrawText(canvas.DC, "a\tb", -1, &all, 0);
    EXPECT_EQ(Runs(canvas, 10), (TRuns{{1, 7}, {17, 23}}));

    TTextCanvas ansi(64, 16);
    TTextCanvas wide(64, 16);
    DrawText(ansi.DC, "&說門x", -1, &all, 0);
    DrawTextW(wide.DC, u"&說門x", -1, &all, 0);
    EXPECT_EQ(ansi.Picture(kWhite), wide.Picture(kWhite));
}

namespace {

// The test font's boxes show a cut one character off: single-byte
// characters are 8 pixels wide, double-byte ones 16, the dots 24, and tab
// stops are every 64.
std::string Drawn(const std::string& text, int width, unsigned format)
{
    TTextCanvas canvas(200, 16);
    TRect r{0, 0, width, 16};
    DrawText(canvas.DC, text.data(), static_cast<int>(text.size()), &r, format | DT_SINGLELINE | DT_NOCLIP);
    return canvas.Picture(kWhite);
}

}  // namespace

// Each cut drawn is the same as its expected text drawn whole; a text of a
// megabyte is cut where its start alone would be.
TEST(DrawText, EllipsisCutsKeepTheLongestStartThatFits)
{
    struct TCut {
        std::string Text;
        int Width;
        unsigned Format;
        std::string Cut;
    };
    std::string huge;
    while (huge.size() < (1u << 20))
        huge += "說門這乗中";
    const TCut cuts[] = {
        {"說門這乗中說門這乗中", 70, DT_END_ELLIPSIS, "說門..."},
        {"ab說門cd這乗中ef", 60, DT_END_ELLIPSIS, "ab說..."},
        {"說門\t", 60, DT_END_ELLIPSIS | DT_EXPANDTABS, "說門..."},  // only the tab goes
        {"說門這乗中", 5, DT_END_ELLIPSIS, "..."},                      // nothing fits: the dots alone
        {"ab說門", 48, DT_END_ELLIPSIS, "ab說門"},  // exactly as wide as the box: whole
        {"說門這乗", 56, DT_END_ELLIPSIS, "說門..."},  // the cut and the dots exactly as wide
        {"a\t說\tb", 90, DT_END_ELLIPSIS | DT_EXPANDTABS, "a\t..."},
        {"notes/說門/這乗中.txt", 130, DT_PATH_ELLIPSIS, "no.../這乗中.txt"},
        // One more character would push the tab after the dots to the next stop.
        {"notes\\說門\\a\tb中", 100, DT_PATH_ELLIPSIS | DT_EXPANDTABS, "no...\\a\tb中"},
        {"notes/說門/a very long file name.txt", 60, DT_PATH_ELLIPSIS, "note..."},  // the name alone is too wide
        {"abc乗乗乗乗xyz", 70, DT_PATH_ELLIPSIS, "abc乗..."},                     // 乗's trail byte is no '\\'
        {huge, 70, DT_END_ELLIPSIS, "說門..."},
        {"notes/" + huge + "/這乗中.txt", 130, DT_PATH_ELLIPSIS, "no.../這乗中.txt"},
    };
    for (const TCut& c : cuts)
        EXPECT_EQ(Drawn(c.Text, c.Width, c.Format), Drawn(c.Cut, 1000, c.Format & DT_EXPANDTABS))
            << c.Text.substr(0, 40) << " -> " << c.Cut;
}
