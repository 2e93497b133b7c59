#include "platform/gdi/colors.h"

#include <gtest/gtest.h>

#include "platform/base/exceptions.h"
#include "platform/base/geometry.h"

TEST(Colors, ColourTextRoundTripsAndRejectsJunk)
{
    EXPECT_EQ(ColorToString(clRed), "clRed");
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(clNone), "clNone");
    EXPECT_EQ(ColorToString(0x00123456), "$00123456");
    EXPECT_EQ(ColorToString(TColorOf(0xFF000020)), "$FF000020");
    EXPECT_EQ(StringToColor("CLWINDOW"), clWindow);
    EXPECT_EQ(StringToColor("$00123456"), 0x00123456);
    EXPECT_EQ(StringToColor("$FF00000F"), clBtnFace);
    EXPECT_EQ(StringToColor("255"), clRed);
    for (TColor c : {clBlack, clMedGray, clDefault, cl3DDkShadow, TColorOf(0x00ABCDEF)})
        EXPECT_EQ(StringToColor(ColorToString(c)), c);
    EXPECT_THROW(StringToColor("clPink"), EConvertError);
    EXPECT_THROW(StringToColor(""), EConvertError);
    EXPECT_THROW(StringToColor("$12G"), EConvertError);
    TColor c = 0;
    EXPECT_FALSE(IdentToColor("red", c));
    AnsiString ident;
    EXPECT_FALSE(ColorToIdent(0x00010203, ident));
}

TEST(Colors, OnlyTheFormsAColourTakesAreColours)
{
    for (TColor c : {clBlack, clWhite, clNone, clDefault, clScrollBar, clMenuBar, TColorOf(0x00ABCDEF)})
        EXPECT_TRUE(IsColorForm(c)) << c;
    // A system colour past the table, high bytes of no form, a system
    // colour with bits in the middle.
    for (uint32_t c : {0xFF00001Fu, 0xFFFFFFFFu, 0x01000000u, 0x12345678u, 0x80000000u, 0x7FFFFFFFu, 0xFF010005u,
                       0x1FFFFFFEu, 0x20000001u})
        EXPECT_FALSE(IsColorForm(TColorOf(c))) << c;
    TColor color = clRed;
    EXPECT_FALSE(TryStringToColor("clPink", color));
    EXPECT_FALSE(TryStringToColor("", color));
    EXPECT_EQ(color, clRed);
    EXPECT_TRUE(TryStringToColor("clInfoBk", color));
    EXPECT_EQ(color, clInfoBk);
    EXPECT_TRUE(TryStringToColor("$12345678", color));
    EXPECT_EQ(color, TColorOf(0x12345678));
}

TEST(Colors, SystemColoursResolveThroughTheDefaultLook)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(240, 240, 240));
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(GetSysColor(99), 0u);
    EXPECT_EQ(RGB(1, 2, 3), 0x00030201u);
    EXPECT_EQ(GetRValue(RGB(1, 2, 3)), 1);
    EXPECT_EQ(GetGValue(RGB(1, 2, 3)), 2);
    EXPECT_EQ(GetBValue(RGB(1, 2, 3)), 3);
}

TEST(Geometry, RectangleHelpers)
{
    TRect r;
    EXPECT_TRUE(IntersectRect(r, Rect(0, 0, 10, 10), Rect(5, 5, 20, 20)));
    EXPECT_EQ(r, Rect(5, 5, 10, 10));
    EXPECT_FALSE(IntersectRect(r, Rect(0, 0, 10, 10), Rect(10, 0, 20, 10)));  // touching is not overlapping
    EXPECT_EQ(r, TRect{});
    EXPECT_TRUE(UnionRect(r, Rect(0, 0, 0, 0), Rect(1, 2, 3, 4)));
    EXPECT_EQ(r, Rect(1, 2, 3, 4));
    EXPECT_TRUE(PtInRect(Bounds(0, 0, 2, 2), Point(1, 1)));
    EXPECT_FALSE(PtInRect(Bounds(0, 0, 2, 2), Point(2, 1)));
    r = Rect(0, 0, 4, 4);
    InflateRect(r, -1, 2);
    OffsetRect(r, 10, 0);
    EXPECT_EQ(r, Rect(11, -2, 13, 6));
    EXPECT_TRUE(IsRectEmpty(Rect(5, 0, 5, 10)));
}
