#include <gtest/gtest.h>

#include "platform/gdi/clipping.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/text_out.h"
#include "text_test_support.h"

namespace {

// A white canvas with the test font, black text on a transparent background.
struct TTextCanvas : TTestCanvas {
    TTextCanvas(int Width, int Height, const LOGFONT& Log = TestFontLog()) : TTestCanvas(Width, Height), font(DC, Log)
    {
        Fill(kWhite);
        SetBkMode(DC, TRANSPARENT);
    }
    TSelectedFont font;
};

}  // namespace

TEST(ExtTextOut, AdvanceArrayIsHonouredByteForByte)
{
    TTextCanvas canvas(64, 16);
    const char text[] = "a說b";  // 61 D5 66 62
    const int dx[4] = {10, 9, 9, 20};
    ASSERT_TRUE(ExtTextOut(canvas.DC, 0, 0, 0, nullptr, text, 4, dx));
    // a at 0, 說 at 10 and two cells wide, b at 10 + 9 + 9; the trail byte
    // draws nothing of its own.
    EXPECT_EQ(Runs(canvas, 10), (TRuns{{1, 7}, {11, 25}, {29, 35}}));

    canvas.Fill(kWhite);
    ASSERT_TRUE(TextOut(canvas.DC, 0, 0, text, 4));
    EXPECT_EQ(Runs(canvas, 10), (TRuns{{1, 7}, {9, 23}, {25, 31}}));

    // The character extra spaces characters, not bytes, and an advance
    // array replaces it.
    SetTextCharacterExtra(canvas.DC, 3);
    canvas.Fill(kWhite);
    TextOut(canvas.DC, 0, 0, text, 4);
    EXPECT_EQ(Runs(canvas, 10), (TRuns{{1, 7}, {12, 26}, {31, 37}}));
    canvas.Fill(kWhite);
    ExtTextOut(canvas.DC, 0, 0, 0, nullptr, text, 4, dx);
    EXPECT_EQ(Runs(canvas, 10), (TRuns{{1, 7}, {11, 25}, {29, 35}}));
    EXPECT_FALSE(TextOut(canvas.DC, 0, 0, text, -1));
}

TEST(ExtTextOut, OpaqueRectangleClippingAndAlpha)
{
    TTextCanvas canvas(40, 20);
    canvas.Fill(0xFFFFFFFF);
    SetBkColor(canvas.DC, RGB(255, 0, 0));
    const TRect r{4, 0, 20, 16};
    ASSERT_TRUE(ExtTextOut(canvas.DC, 0, 0, ETO_OPAQUE | ETO_CLIPPED, &r, "abc", 3, nullptr));
    EXPECT_EQ(canvas.At(3, 5), 0xFFFFFFFFu);  // outside: untouched, alpha kept
    EXPECT_EQ(canvas.At(5, 1), 0x00FF0000u);  // the rectangle, red
    EXPECT_EQ(canvas.At(5, 5), 0x00000000u);  // ink of 'a' inside the rectangle, alpha 0
    EXPECT_EQ(canvas.At(1, 5), 0xFFFFFFFFu);  // ink of 'a' outside it is clipped
    EXPECT_EQ(canvas.At(17, 5), 0x00000000u);
    EXPECT_EQ(canvas.At(20, 5), 0xFFFFFFFFu);  // 'c' is cut at the right edge
    EXPECT_EQ(canvas.At(10, 17), 0xFFFFFFFFu);

    // Without ETO_CLIPPED the text runs past the rectangle.
    canvas.Fill(kWhite);
    ExtTextOut(canvas.DC, 0, 0, ETO_OPAQUE, &r, "abc", 3, nullptr);
    EXPECT_EQ(canvas.At(1, 5), 0u);
    EXPECT_EQ(canvas.At(21, 5), 0u);

    // An opaque background mode paints the text's cell in the background colour.
    canvas.Fill(kWhite);
    SetBkMode(canvas.DC, OPAQUE);
    TextOut(canvas.DC, 8, 2, "a", 1);
    EXPECT_EQ(canvas.Ink(kWhite), (TRect{8, 2, 16, 18}));
    EXPECT_EQ(canvas.At(8, 2) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(canvas.At(10, 10) & 0xFFFFFF, 0u);
    SetBkMode(canvas.DC, TRANSPARENT);

    // The clip region limits glyphs as it limits everything else.
    canvas.Fill(kWhite);
    IntersectClipRect(canvas.DC, 0, 0, 12, 20);
    TextOut(canvas.DC, 0, 0, "abc", 3);
    EXPECT_EQ(Runs(canvas, 10), (TRuns{{1, 7}, {9, 12}}));
}

TEST(ExtTextOut, AlignmentAndCurrentPosition)
{
    TTextCanvas canvas(80, 40);
    SetTextAlign(canvas.DC, TA_BASELINE);
    TextOut(canvas.DC, 0, 20, "a", 1);
    EXPECT_EQ(canvas.Ink(kWhite), (TRect{1, 9, 7, 20}));

    canvas.Fill(kWhite);
    SetTextAlign(canvas.DC, TA_BOTTOM | TA_RIGHT);
    TextOut(canvas.DC, 40, 20, "ab", 2);
    EXPECT_EQ(canvas.Ink(kWhite), (TRect{25, 6, 39, 17}));

    canvas.Fill(kWhite);
    SetTextAlign(canvas.DC, TA_TOP | TA_CENTER);
    TextOut(canvas.DC, 40, 0, "ab", 2);
    EXPECT_EQ(Runs(canvas, 10), (TRuns{{33, 39}, {41, 47}}));

    canvas.Fill(kWhite);
    SetTextAlign(canvas.DC, TA_UPDATECP);
    MoveToEx(canvas.DC, 10, 0, nullptr);
    TextOut(canvas.DC, 999, 999, "ab", 2);
    TextOut(canvas.DC, 999, 999, "說", 2);
    TPoint cp;
    GetCurrentPositionEx(canvas.DC, &cp);
    EXPECT_EQ(cp, (TPoint{42, 0}));
    EXPECT_EQ(Runs(canvas, 10), (TRuns{{11, 17}, {19, 25}, {27, 41}}));
}

TEST(ExtTextOut, TestFontStylesArePixelExact)
{
    LOGFONT log = TestFontLog();
    log.lfWeight = FW_BOLD;
    log.lfItalic = 1;
    log.lfUnderline = 1;
    log.lfStrikeOut = 1;
    TTextCanvas canvas(10, 16, log);
    TextOut(canvas.DC, 0, 0, "a", 1);
    EXPECT_EQ(canvas.Picture(kWhite),
              "..........\n"
              "..........\n"
              "..#######.\n"
              "..#######.\n"
              "..#######.\n"
              "..#######.\n"
              "..#######.\n"
              "########..\n"  // strike-out
              ".#######..\n"
              ".#######..\n"
              ".#######..\n"
              ".#######..\n"
              ".#######..\n"
              "########..\n"  // underline
              "..........\n"
              "..........\n");
}

TEST(ExtTextOut, TurnedAndScaledText)
{
    LOGFONT log = TestFontLog();
    log.lfEscapement = 900;
    {
        TTextCanvas canvas(40, 110, log);
        TextOut(canvas.DC, 10, 100, "ab", 2);
        // Upwards from (10, 100), the cell's top edge on the left: 'a' then 'b' above it.
        EXPECT_EQ(canvas.Ink(kWhite), (TRect{12, 85, 23, 99}));
        EXPECT_EQ(canvas.At(15, 92) & 0xFFFFFF, kWhite);  // the gap between the two
        EXPECT_EQ(canvas.At(15, 93) & 0xFFFFFF, 0u);
    }
    // The print preview's mapping draws the font at the scale of the page.
    TTextCanvas canvas(40, 40);
    SetMapMode(canvas.DC, MM_ANISOTROPIC);
    SetWindowExtEx(canvas.DC, 1, 1, nullptr);
    SetViewportExtEx(canvas.DC, 2, 2, nullptr);
    SetViewportOrgEx(canvas.DC, 3, 1, nullptr);
    TextOut(canvas.DC, 0, 0, "a", 1);
    EXPECT_EQ(canvas.Ink(kWhite), (TRect{4, 3, 18, 27}));
}
