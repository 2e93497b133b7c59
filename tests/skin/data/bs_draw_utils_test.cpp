#include "skin/data/bs_draw_utils.h"

#include <gtest/gtest.h>

#include "platform/base/code_page.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/canvas.h"
#include "tests/skin/data/skin_pictures.h"

namespace {

// A white bitmap whose canvas writes black in the test font.
std::unique_ptr<TBitmap> TextPicture(int Width, int Height, int FontHeight = -16)
{
    auto bitmap = NewPicture(Width, Height);
    TCanvas* c = bitmap->Canvas();
    c->Font()->SetName(kTestFontName);
    c->Font()->SetHeight(FontHeight);
    c->Font()->SetColor(clBlack);
    c->Brush()->SetStyle(bsClear);
    return bitmap;
}

// The first row and column holding a pixel other than white.
TPoint FirstInk(TBitmap& B)
{
    TPoint p{-1, -1};
    for (int y = 0; y < B.Height() && p.Y < 0; ++y)
        for (int x = 0; x < B.Width(); ++x)
            if (ColorAt(B, x, y) != 0xFFFFFF) {
                p.Y = y;
                break;
            }
    for (int x = 0; x < B.Width() && p.X < 0; ++x)
        for (int y = 0; y < B.Height(); ++y)
            if (ColorAt(B, x, y) != 0xFFFFFF) {
                p.X = x;
                break;
            }
    return p;
}

// Whether S ends in a lead byte that lost its trail byte. The code page
// calls such a final byte a single byte, so the test is on its value: a
// byte that could open a double-byte character and is not the trail of one.
bool HasLoneLeadByte(const AnsiString& S)
{
    return !S.empty() && IsDBCSLeadByte(S.back()) && ByteTypeAt(S, S.size() - 1) != mbTrailByte;
}

}  // namespace

TEST(BsDrawUtils, LayoutPlacesGlyphAndTextInEveryLayout)
{
    const TRect r{0, 0, 100, 30};
    auto l = CalcGlyphAndTextLayout(0, r, 16, 16, 40, 13, -1, 4);
    EXPECT_EQ(l.GlyphPos, (TPoint{20, 7}));
    EXPECT_EQ(l.TextPos, (TPoint{40, 9}));
    // Without a glyph the spacing goes and the text alone is centred.
    EXPECT_EQ(CalcGlyphAndTextLayout(0, r, 0, 0, 40, 13, -1, 4).TextPos, (TPoint{30, 9}));
    l = CalcGlyphAndTextLayout(3, r, 16, 16, 40, 13, -1, 4);
    EXPECT_EQ(l.TextPos, (TPoint{30, 15 - 16}));
    EXPECT_EQ(l.GlyphPos, (TPoint{42, 15 + 16 - 16}));
    l = CalcGlyphAndTextLayout(1, r, 16, 16, 40, 13, 3, 4);
    EXPECT_EQ(l.GlyphPos, (TPoint{81, 7}));
    EXPECT_EQ(l.TextPos, (TPoint{37, 9}));
    l = CalcGlyphAndTextLayout(2, r, 16, 16, 40, 13, 2, 4);
    EXPECT_EQ(l.GlyphPos, (TPoint{42, 2}));
    EXPECT_EQ(l.TextPos, (TPoint{30, 22}));
    l = CalcGlyphAndTextLayout(7, r, 16, 16, 40, 13, 2, 4);
    EXPECT_EQ(l.GlyphPos, (TPoint{0, 0}));
    EXPECT_EQ(l.TextPos, (TPoint{0, 0}));
}

TEST(BsDrawUtils, OneLineCaptionsMoveByTheirFixedOffsets)
{
    // An odd font height raises every one-line caption by a pixel where
    // centring leaves no odd pixel over (11 in 21); an even one leaves it
    // where DrawText puts it.
    for (int height : {-16, -11}) {
        auto plain = TextPicture(60, 21, height);
        TRect r{0, 0, 60, 21};
        plain->Canvas()->TextRect(r, "ab", DT_VCENTER | DT_SINGLELINE);
        const int shift = height == -11 ? 1 : 0;
        for (auto draw : {DrawCaptionLeft, DrawCaptionLeftPlain, DrawCaptionCentered}) {
            auto b = TextPicture(60, 21, height);
            draw(b->Canvas(), "ab", TRect{0, 0, 60, 21});
            EXPECT_EQ(FirstInk(*b).Y, FirstInk(*plain).Y - shift) << height;
        }
        auto clipped = TextPicture(60, 21, height);
        DrawCaptionClipped(clipped->Canvas(), "ab", TRect{0, 0, 60, 21});
        EXPECT_EQ(FirstInk(*clipped), (TPoint{3, 20 / 2 - clipped->Canvas()->TextHeight("ab") / 2 - shift + 2}));
    }
    // A leading 'W' widens the centred form only.
    auto centred = TextPicture(20, 20);
    DrawCaptionCentered(centred->Canvas(), "W", TRect{0, 0, 20, 20});
    auto aligned = TextPicture(20, 20);
    DrawCaptionAligned(aligned->Canvas(), "W", TRect{0, 0, 20, 20}, 2);
    EXPECT_EQ(FirstInk(*aligned).X, 6 + 1);
    EXPECT_EQ(FirstInk(*centred).X, 7 + 1);
    auto right = TextPicture(20, 20);
    DrawCaptionAligned(right->Canvas(), "a", TRect{0, 0, 20, 20}, 1);
    EXPECT_EQ(FirstInk(*right).X, 12 + 1);
    auto none = TextPicture(20, 20);
    DrawCaptionAligned(none->Canvas(), "a", TRect{0, 0, 20, 20}, 3);
    EXPECT_EQ(FirstInk(*none).X, -1);
}

TEST(BsDrawUtils, TruncateTextDropsWholeCharacters)
{
    auto b = TextPicture(10, 10);
    TCanvas* c = b->Canvas();
    AnsiString s = "說門中";  // 16 pixels each, "..." 24
    TruncateText(c, s, 48);
    EXPECT_EQ(s, "說門中");
    TruncateText(c, s, 40);
    EXPECT_EQ(s, "說...");
    s = "說門";
    TruncateText(c, s, 30);
    EXPECT_EQ(s, "...");
    s = "a中";
    TruncateText(c, s, 20);
    EXPECT_EQ(s, "...");
    s = "x說門中";
    TruncateText(c, s, 55);
    EXPECT_EQ(s, "x說...");
    EXPECT_FALSE(HasLoneLeadByte(s.substr(0, s.size() - 3)));
    EXPECT_TRUE(HasLoneLeadByte("說\xD6") && !HasLoneLeadByte("說中") && !HasLoneLeadByte("a"));
    // A lone lead byte draws 8 pixels wide, so at the widths where a text
    // one byte short of a whole character would fit, dropping a byte at a
    // time would keep a lead byte; whole characters go instead.
    for (int width = 32; width < 40; ++width) {
        s = "說門中這";
        TruncateText(c, s, width);
        EXPECT_EQ(s, "...") << width;
        s = "說門中這";
        TruncateText(c, s, width + 16);
        EXPECT_EQ(s, "說...") << width + 16;
        EXPECT_FALSE(HasLoneLeadByte(s.substr(0, s.size() - 3))) << width + 16;
    }

    std::u16string w = u"說門中";
    TruncateTextW(c, w, 40);
    EXPECT_EQ(w, u"說...");
    EXPECT_EQ(GetTextWidthW(c, u"a說"), 24);
    EXPECT_EQ(GetTextHeightW(c, u"a說"), 16);
}

TEST(BsDrawUtils, WrappedCaptionsBreakAndShortenByCharacter)
{
    auto b = TextPicture(10, 10);
    TCanvas* c = b->Canvas();
    EXPECT_EQ(WrapCaptionText(c, "abcdefgh ij", 40, false), "ab...  ij");
    EXPECT_EQ(WrapCaptionText(c, "abc", 8, false), "a ");
    EXPECT_EQ(WrapCaptionText(c, "說門中這乗 x", 64, false), "說...  x");
    EXPECT_EQ(WrapCaptionText(c, "abcdef", 32, true), "abcd ef");
    EXPECT_EQ(WrapCaptionText(c, "說門中", 24, true), "說 門中");
    AnsiString wrapped = WrapCaptionText(c, "中中中中中", 40, true);
    EXPECT_EQ(wrapped, "中中 中中中");

    // The drawn text is that text centred line by line.
    auto drawn = TextPicture(40, 40);
    DrawCaptionWrapped(drawn->Canvas(), "abcdefgh", TRect{0, 0, 40, 40}, false);
    auto expected = TextPicture(40, 40);
    TRect r{0, 0, 40, 40};
    expected->Canvas()->TextRect(r, "ab... ", DT_CENTER | DT_WORDBREAK);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(ColorAt(*drawn, x, y), ColorAt(*expected, x, y)) << x << "," << y;
}

TEST(BsDrawUtils, ButtonFacesGlyphsAndFrames)
{
    // A two-glyph strip asked for with NumGlyphs 0 counts as one glyph.
    auto glyph = NewPicture(4, 3);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 3; ++y)
            PixelOf(*glyph, x, y) = y == 2 && x == 0 ? 0xFFFFFFFF : 0xFF0000FF;
    auto face = TextPicture(20, 10);
    DrawGlyphAndText(face->Canvas(), TRect{0, 0, 20, 10}, -1, 2, 0, "", glyph.get(), 0, 1, true, false, clRed);
    EXPECT_EQ(FirstInk(*face), (TPoint{8, 5}));
    EXPECT_EQ(ColorAt(*face, 11, 6), 0x0000FFu);
    EXPECT_EQ(ColorAt(*face, 12, 6), 0xFFFFFFu);

    // No glyph and no caption: the focus fills the face, lower when pressed.
    auto focus = TextPicture(20, 20);
    DrawGlyphAndText(focus->Canvas(), TRect{0, 0, 20, 20}, -1, 2, 0, "", nullptr, 1, 1, true, true, clRed);
    EXPECT_EQ(FirstInk(*focus), (TPoint{4, 5}));
    EXPECT_EQ(ColorAt(*focus, 17, 16), 0xFF0000u);
    EXPECT_EQ(ColorAt(*focus, 17, 17), 0xFFFFFFu);

    auto arrows = TextPicture(10, 10);
    DrawArrowImage(arrows->Canvas(), TRect{0, 0, 10, 10}, clBlack, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ColorAt(*arrows, 5 - i, 7 - i), 0u);
        EXPECT_EQ(ColorAt(*arrows, 5 + i, 7 - i), 0u);
        EXPECT_EQ(ColorAt(*arrows, 5 + i + 1, 7 - i), 0xFFFFFFu);
    }

    auto frame = TextPicture(6, 6);
    DrawFrame3D(frame->Canvas(), TRect{1, 1, 5, 5}, clRed, clBlue);
    EXPECT_EQ(ColorAt(*frame, 1, 3), 0xFF0000u);
    EXPECT_EQ(ColorAt(*frame, 3, 1), 0xFF0000u);
    EXPECT_EQ(ColorAt(*frame, 4, 1), 0x0000FFu);
    EXPECT_EQ(ColorAt(*frame, 1, 4), 0x0000FFu);
    EXPECT_EQ(ColorAt(*frame, 0, 4), 0xFFFFFFu);

    auto dots = TextPicture(5, 5);
    DrawFocusRectDotted(dots->Canvas(), TRect{0, 0, 5, 5});
    for (TPoint p : {TPoint{1, 0}, TPoint{3, 0}, TPoint{4, 1}, TPoint{4, 3}, TPoint{3, 4}, TPoint{0, 1}})
        EXPECT_EQ(ColorAt(*dots, p.X, p.Y), 0u);
    for (TPoint p : {TPoint{0, 0}, TPoint{2, 0}, TPoint{4, 0}, TPoint{4, 4}, TPoint{0, 2}})
        EXPECT_EQ(ColorAt(*dots, p.X, p.Y), 0xFFFFFFu);
}

TEST(BsDrawUtils, ColoursAndRectangles)
{
    EXPECT_EQ(MiddleColor(0x0010FF20, 0x00300001), 0x00207F10);
    EXPECT_EQ(DarkerColor(0x00C86432, 50), 0x00643219);
    EXPECT_EQ(DarkerColor(0x00FFFFFF, 0), 0x00FFFFFF);
    EXPECT_TRUE(PointInRect(TRect{0, 0, 10, 10}, TPoint{10, 10}));
    EXPECT_FALSE(PointInRect(TRect{0, 0, 10, 10}, TPoint{11, 10}));
    EXPECT_TRUE(IsNullRect(TRect{5, 5, 5, 9}));
    EXPECT_TRUE(IsZeroSize(TPoint{0, 3}));
    EXPECT_TRUE(RectInRect(TRect{1, 1, 9, 9}, TRect{0, 0, 10, 10}));
    EXPECT_FALSE(RectInRect(TRect{1, 1, 10, 10}, TRect{0, 0, 10, 10}));
    EXPECT_TRUE(RectsOverlapVertically(TRect{0, 5, 3, 20}, TRect{10, 0, 20, 10}));
    EXPECT_FALSE(RectsOverlapVertically(TRect{0, 10, 3, 20}, TRect{10, 0, 20, 10}));
}
