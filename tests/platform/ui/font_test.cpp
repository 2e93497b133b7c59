#include "platform/ui/graphics/font.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/gdi/font.h"

namespace {

LOGFONT LogOf(HFONT Font)
{
    LOGFONT log;
    EXPECT_EQ(GetObject(Font, sizeof log, &log), static_cast<int>(sizeof log));
    return log;
}

}  // namespace

TEST(Font, SizeAndHeightConvertThroughPixelsPerInch)
{
    TFont font;
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(font.Pitch(), fpDefault);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_TRUE(font.Style().Empty());

    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);
    font.SetHeight(-16);
    EXPECT_EQ(font.Size(), 12);
    font.SetHeight(-14);  // 10.5 points rounds away from zero
    EXPECT_EQ(font.Size(), 11);
    font.SetHeight(20);  // a cell height gives a negative size
    EXPECT_EQ(font.Size(), -15);

    TFont large;
    large.SetPixelsPerInch(120);
    large.SetSize(9);
    EXPECT_EQ(large.Height(), -15);

    // Between fonts of different resolutions the point size carries over;
    // between equal ones the height, exactly.
    int changes = 0;
    large.OnChange = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });
    TFont source;
    source.SetName("宋体");
    source.SetHeight(-16);
    source.SetStyle({fsBold, fsStrikeOut});
    source.SetColor(clRed);
    source.SetCharset(GB2312_CHARSET);
    source.SetPitch(fpFixed);
    large.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(large.Size(), 12);
    EXPECT_EQ(large.Height(), -20);
    EXPECT_EQ(large.Name(), "宋体");
    EXPECT_EQ(large.Style(), (TFontStyles{fsBold, fsStrikeOut}));
    EXPECT_EQ(large.Color(), clRed);
    EXPECT_EQ(large.Charset(), GB2312_CHARSET);
    EXPECT_EQ(large.Pitch(), fpFixed);
    font.Assign(&source);
    EXPECT_EQ(font.Height(), -16);
}

TEST(Font, HandleIsMadeFromTheDescriptionAndRemadeAfterAChange)
{
    TFont font;
    int changes = 0;
    font.OnChange = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });
    LOGFONT log = LogOf(font.Handle());
    EXPECT_EQ(log.lfHeight, -11);
    EXPECT_EQ(log.lfWeight, FW_NORMAL);
    EXPECT_EQ(log.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(log.lfPitchAndFamily, DEFAULT_PITCH);
    EXPECT_STREQ(log.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(font.Handle(), font.Handle());

    font.SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
    font.SetPitch(fpVariable);
    font.SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
    font.SetName("");  // an empty name is ignored
    EXPECT_EQ(changes, 2);
    log = LogOf(font.Handle());
    EXPECT_EQ(log.lfWeight, FW_BOLD);
    EXPECT_EQ(log.lfItalic, 1);
    EXPECT_EQ(log.lfUnderline, 1);
    EXPECT_EQ(log.lfStrikeOut, 1);
    EXPECT_EQ(log.lfPitchAndFamily, VARIABLE_PITCH);

    // A face name longer than the field is cut before a double-byte
    // character, never through it; the rest of the field stays zero.
    std::string chars;
    for (int i = 0; i < 16; ++i)
        chars += "說";
    font.SetName(chars);
    log = LogOf(font.Handle());
    EXPECT_EQ(std::string(log.lfFaceName), chars.substr(0, 30));
    EXPECT_EQ(log.lfFaceName[31], 0);
    font.SetName("a" + chars);
    EXPECT_EQ(std::string(font.LogFont().lfFaceName), "a" + chars.substr(0, 30));
}
