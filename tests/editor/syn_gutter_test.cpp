#include "editor/view/syn_gutter.h"

#include <gtest/gtest.h>

#include "platform/ui/graphics/font.h"

namespace {

TEST(SynGutter, DefaultsAndClampingSetters)
{
    TSynGutter gutter;
    EXPECT_EQ(gutter.Font()->Name(), "Courier New");
    EXPECT_EQ(gutter.Font()->Size(), 8);
    EXPECT_TRUE(gutter.Font()->Style().Empty());
    EXPECT_EQ(gutter.Color(), clBtnFace);
    EXPECT_EQ(gutter.BorderColor(), clWindow);
    EXPECT_EQ(gutter.Width(), 30);
    EXPECT_EQ(gutter.DigitCount(), 4);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 4);
    EXPECT_EQ(gutter.LeftOffset(), 16);
    EXPECT_EQ(gutter.RightOffset(), 2);
    EXPECT_EQ(gutter.Cursor, crDefault);
    EXPECT_TRUE(gutter.Visible());
    EXPECT_TRUE(gutter.UseFontStyle());
    EXPECT_FALSE(gutter.AutoSize() || gutter.ShowLineNumbers() || gutter.LeadingZeros() || gutter.ZeroStart());
    EXPECT_EQ(gutter.BorderStyle(), gbsMiddle);
    EXPECT_EQ(gutter.LineNumberStart(), 1);
    EXPECT_EQ(gutter.GradientStartColor(), clWindow);
    EXPECT_EQ(gutter.GradientEndColor(), clBtnFace);
    EXPECT_EQ(gutter.GradientSteps(), 48);
    EXPECT_EQ(gutter.LeftOffsetColor(), clNone);
    EXPECT_EQ(gutter.RightOffsetColor(), clNone);
    EXPECT_EQ(gutter.LineModifiedColor(), 0x0000FFFF);
    EXPECT_EQ(gutter.LineNormalColor(), 0x0000FF00);

    int changes = 0;
    gutter.OnChange = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });
    gutter.SetWidth(30);
    gutter.SetDigitCount(4);
    gutter.SetLineNumberStart(1);
    EXPECT_EQ(changes, 0);
    gutter.SetDigitCount(1);
    EXPECT_EQ(gutter.DigitCount(), 2);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 2);
    gutter.SetDigitCount(20);
    EXPECT_EQ(gutter.DigitCount(), 12);
    gutter.SetWidth(-3);
    gutter.SetLeftOffset(-1);
    gutter.SetRightOffset(-1);
    gutter.SetGradientSteps(1);
    EXPECT_EQ(gutter.Width(), 0);
    EXPECT_EQ(gutter.LeftOffset(), 0);
    EXPECT_EQ(gutter.RightOffset(), 0);
    EXPECT_EQ(gutter.GradientSteps(), 2);
    gutter.SetLineNumberStart(-5);
    EXPECT_EQ(gutter.LineNumberStart(), 0);
    EXPECT_TRUE(gutter.ZeroStart());
    gutter.SetLineNumberStart(3);
    EXPECT_FALSE(gutter.ZeroStart());
    EXPECT_EQ(changes, 8);
    // A change of the font is a change of the gutter.
    gutter.Font()->SetSize(10);
    EXPECT_EQ(changes, 9);

    TSynGutter copy;
    int copyChanges = 0;
    copy.OnChange = TNotifyEvent::FromCallable([&](TObject*) { ++copyChanges; });
    copy.Assign(&gutter);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_EQ(copy.Font()->Size(), 10);
    EXPECT_EQ(copy.DigitCount(), 12);
    EXPECT_EQ(copy.LineNumberStart(), 3);
    EXPECT_EQ(copy.GradientSteps(), 2);
}

TEST(SynGutter, DigitCountNumbersAndPixelWidth)
{
    TSynGutter gutter;
    EXPECT_EQ(gutter.GetPixelWidth(8), 30);
    gutter.SetWidth(41);
    EXPECT_EQ(gutter.GetPixelWidth(8), 41);
    gutter.SetShowLineNumbers(true);
    EXPECT_EQ(gutter.GetPixelWidth(8), 16 + 2 + 4 * 8 + 4);

    int changes = 0;
    gutter.OnChange = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });
    // Without AutoSize the count stays at DigitCount.
    gutter.AutoSizeDigitCount(12345);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 4);
    gutter.SetAutoSize(true);
    gutter.AutoSizeDigitCount(12345);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 5);
    EXPECT_EQ(changes, 2);
    gutter.AutoSizeDigitCount(99999);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(gutter.GetPixelWidth(8), 16 + 2 + 5 * 8 + 4);
    EXPECT_EQ(gutter.FormatLineNumber(42), "   42");
    gutter.SetLeadingZeros(true);
    EXPECT_EQ(gutter.FormatLineNumber(42), "00042");
    EXPECT_EQ(gutter.FormatLineNumber(123456), "123456");

    // Numbering from 99 makes line 99,902 the number 100,000.
    gutter.SetLineNumberStart(99);
    gutter.AutoSizeDigitCount(99902);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 6);
    EXPECT_EQ(gutter.FormatLineNumber(1), "000099");
    // Numbering from 0: ten lines end at 9, within the least digit count.
    gutter.SetLineNumberStart(0);
    gutter.SetDigitCount(2);
    gutter.AutoSizeDigitCount(10);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 2);
    EXPECT_EQ(gutter.FormatLineNumber(1), "00");
    gutter.SetLeadingZeros(false);
    EXPECT_EQ(gutter.FormatLineNumber(10), " 9");

    gutter.SetVisible(false);
    EXPECT_EQ(gutter.GetPixelWidth(8), 0);
    gutter.AutoSizeDigitCount(100000);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 2);
}

}  // namespace
