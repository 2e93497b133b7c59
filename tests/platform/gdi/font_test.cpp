#include <gtest/gtest.h>

#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/text_measure.h"
#include "text_test_support.h"

TEST(FontObject, GetObjectGivesTheLogicalFontByteForByte)
{
    const int before = GdiObjectCount();
    LOGFONT log;
    std::memset(log.lfFaceName, 0xCC, sizeof log.lfFaceName);  // bytes after the name are kept as given
    std::memcpy(log.lfFaceName, "宋体", sizeof "宋体");
    log.lfHeight = -13;
    log.lfWidth = 3;
    log.lfEscapement = 900;
    log.lfWeight = FW_BOLD;
    log.lfItalic = 1;
    log.lfStrikeOut = 1;
    log.lfCharSet = GB2312_CHARSET;
    log.lfPitchAndFamily = FIXED_PITCH | 0x04 | FF_MODERN;
    HFONT font = CreateFontIndirect(log);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(GetObjectType(font), OBJ_FONT);
    EXPECT_EQ(GetObject(font, 0, nullptr), 60);
    LOGFONT out;
    EXPECT_EQ(GetObject(font, sizeof out, &out), 60);
    EXPECT_EQ(std::memcmp(&out, &log, 60), 0);
    int32_t height = 0;
    EXPECT_EQ(GetObject(font, 4, &height), 4);
    EXPECT_EQ(height, -13);

    HFONT made = CreateFont(-16, 0, 0, 0, FW_NORMAL, 0, 1, 0, ANSI_CHARSET, 0, 0, 0, VARIABLE_PITCH, "Arial");
    ASSERT_EQ(GetObject(made, sizeof out, &out), 60);
    EXPECT_EQ(out.lfHeight, -16);
    EXPECT_EQ(out.lfUnderline, 1);
    EXPECT_EQ(out.lfPitchAndFamily, VARIABLE_PITCH);
    EXPECT_STREQ(out.lfFaceName, "Arial");
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(DeleteObject(made));
    EXPECT_EQ(GdiObjectCount(), before);

    // Stock fonts describe themselves, and a new DC starts with the system font.
    for (int stock : {SYSTEM_FONT, DEFAULT_GUI_FONT, ANSI_VAR_FONT, ANSI_FIXED_FONT, OEM_FIXED_FONT}) {
        ASSERT_EQ(GetObject(GetStockObject(stock), sizeof out, &out), 60) << stock;
        EXPECT_NE(out.lfFaceName[0], 0) << stock;
    }
    GetObject(GetStockObject(ANSI_FIXED_FONT), sizeof out, &out);
    EXPECT_EQ(out.lfPitchAndFamily & PITCH_MASK, FIXED_PITCH);
    TTestCanvas canvas(4, 4);
    EXPECT_EQ(GetCurrentObject(canvas.DC, OBJ_FONT), GetStockObject(SYSTEM_FONT));
}

TEST(TestFont, MetricsWidthsAndLanguage)
{
    TTestCanvas canvas(4, 4);
    TEXTMETRIC tm;
    {
        TSelectedFont font(canvas.DC, TestFontLog());
        ASSERT_TRUE(GetTextMetrics(canvas.DC, &tm));
        EXPECT_EQ(tm.tmHeight, 16);
        EXPECT_EQ(tm.tmAscent, 13);
        EXPECT_EQ(tm.tmDescent, 3);
        EXPECT_EQ(tm.tmInternalLeading, 0);
        EXPECT_EQ(tm.tmExternalLeading, 0);
        EXPECT_EQ(tm.tmAveCharWidth, 8);
        EXPECT_EQ(tm.tmMaxCharWidth, 8);
        EXPECT_EQ(tm.tmWeight, FW_NORMAL);
        EXPECT_EQ(tm.tmOverhang, 0);
        EXPECT_EQ(tm.tmPitchAndFamily, FF_MODERN);  // fixed pitch: the "fixed" bit is clear
        EXPECT_EQ(tm.tmCharSet, GB2312_CHARSET);

        ABC abc[3];
        ASSERT_TRUE(GetCharABCWidths(canvas.DC, 'M', 'M', abc));
        EXPECT_EQ(abc[0].abcA + static_cast<int>(abc[0].abcB) + abc[0].abcC, 8);
        EXPECT_EQ(abc[0].abcA, 1);
        EXPECT_EQ(abc[0].abcB, 6u);
        ASSERT_TRUE(GetCharABCWidths(canvas.DC, 0xD6D0, 0xD6D0, abc));  // 中, lead * 256 + trail
        EXPECT_EQ(abc[0].abcA + static_cast<int>(abc[0].abcB) + abc[0].abcC, 16);
        ASSERT_TRUE(GetCharABCWidths(canvas.DC, 0x8201, 0x8201, abc));  // no such character: one cell
        EXPECT_EQ(abc[0].abcA + static_cast<int>(abc[0].abcB) + abc[0].abcC, 8);
        EXPECT_FALSE(GetCharABCWidths(canvas.DC, 'b', 'a', abc));

        int widths[3] = {};
        ASSERT_TRUE(GetCharWidth32(canvas.DC, ' ', '"', widths));
        EXPECT_EQ(widths[0], 8);
        EXPECT_EQ(widths[2], 8);
        ASSERT_TRUE(GetCharWidth(canvas.DC, 0xE954, 0xE954, widths));  // 門
        EXPECT_EQ(widths[0], 16);

        EXPECT_EQ(GetFontLanguageInfo(canvas.DC), GCP_DBCS);
        char face[32];
        EXPECT_EQ(GetTextFace(canvas.DC, 0, nullptr), 13);
        EXPECT_EQ(GetTextFace(canvas.DC, sizeof face, face), 13);
        EXPECT_STREQ(face, "Tandril Test");
        EXPECT_EQ(GetTextFace(canvas.DC, 5, face), 5);
        EXPECT_STREQ(face, "Tand");
    }
    LOGFONT bold = TestFontLog(-32);
    bold.lfWeight = FW_BOLD;
    bold.lfCharSet = ANSI_CHARSET;
    {
        TSelectedFont font(canvas.DC, bold);
        GetTextMetrics(canvas.DC, &tm);
        EXPECT_EQ(tm.tmHeight, 32);
        EXPECT_EQ(tm.tmAscent, 26);
        EXPECT_EQ(tm.tmAveCharWidth, 16);
        EXPECT_EQ(tm.tmWeight, FW_BOLD);
        EXPECT_EQ(tm.tmCharSet, ANSI_CHARSET);
        EXPECT_EQ(GetFontLanguageInfo(canvas.DC), 0u);
        ABC abc;
        GetCharABCWidths(canvas.DC, 'x', 'x', &abc);
        EXPECT_EQ(abc.abcB, 15u);  // bold widens the ink, not the advance
        EXPECT_EQ(abc.abcC, 0);
    }
    LOGFONT narrow = TestFontLog(20);
    narrow.lfWidth = 5;
    TSelectedFont font(canvas.DC, narrow);
    GetTextMetrics(canvas.DC, &tm);
    EXPECT_EQ(tm.tmHeight, 20);
    EXPECT_EQ(tm.tmAveCharWidth, 5);
    EXPECT_EQ(GetFontLanguageInfo(nullptr), GCP_ERROR);
}

TEST(TestFont, ExtentsCountCharactersNotBytes)
{
    TTestCanvas canvas(4, 4);
    TSelectedFont font(canvas.DC, TestFontLog());
    const char text[] = "a說門";  // 61 D5 66 E9 54: the trail bytes look like 'f' and 'T'
    ASSERT_EQ(sizeof text - 1, 5u);
    TSize size;
    ASSERT_TRUE(GetTextExtentPoint32(canvas.DC, text, 5, &size));
    EXPECT_EQ(size.cx, 40);
    EXPECT_EQ(size.cy, 16);
    // A lead byte cut off at the end is a character of its own.
    ASSERT_TRUE(GetTextExtentPoint32(canvas.DC, text, 4, &size));
    EXPECT_EQ(size.cx, 32);

    int dx[5] = {};
    int fit = -1;
    ASSERT_TRUE(GetTextExtentExPoint(canvas.DC, text, 5, 30, &fit, dx, &size));
    EXPECT_EQ(fit, 3);
    const int expected[5] = {8, 24, 24, 40, 40};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(dx[i], expected[i]) << i;

    ASSERT_TRUE(GetTextExtentPoint32W(canvas.DC, u"a中\U0001F600", 4, &size));
    EXPECT_EQ(size.cx, 40);  // a surrogate pair is one character

    SetTextCharacterExtra(canvas.DC, 2);
    GetTextExtentPoint32(canvas.DC, text, 5, &size);
    EXPECT_EQ(size.cx, 46);
    int widths[1];
    GetCharWidth(canvas.DC, 'a', 'a', widths);
    EXPECT_EQ(widths[0], 8);
    SetTextCharacterExtra(canvas.DC, 0);

    // Logical units: a view at twice the size realizes the font twice as
    // large on the device, and measures the same.
    SetMapMode(canvas.DC, MM_ANISOTROPIC);
    SetWindowExtEx(canvas.DC, 1, 1, nullptr);
    SetViewportExtEx(canvas.DC, 2, 2, nullptr);
    GetTextExtentPoint32(canvas.DC, text, 5, &size);
    EXPECT_EQ(size.cx, 40);
    EXPECT_EQ(size.cy, 16);
    TEXTMETRIC tm;
    GetTextMetrics(canvas.DC, &tm);
    EXPECT_EQ(tm.tmAscent, 13);
}
