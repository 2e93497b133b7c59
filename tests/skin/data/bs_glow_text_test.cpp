#include "skin/data/bs_glow_text.h"

#include <gtest/gtest.h>

#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/canvas.h"
#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_blit_tables.h"
#include "tests/skin/data/skin_pictures.h"

namespace {

// White, with the test font (8 x 16 cells, ink in cell columns 1-6, rows
// 2-12) in black.
std::unique_ptr<TBitmap> Target(int Width, int Height)
{
    auto bitmap = NewPicture(Width, Height);
    TCanvas* c = bitmap->Canvas();
    c->Font()->SetName(kTestFontName);
    c->Font()->SetHeight(-16);
    c->Font()->SetColor(clBlack);
    return bitmap;
}

constexpr uint32_t kWhite = 0xFFFFFF;

// Black at straight alpha A over white, as the skin blend computes it.
uint32_t BlackOverWhite(uint32_t A) { return RowRoutines().BlendPixel(A << 24, 0xFFFFFFFF) & kWhite; }

}  // namespace

TEST(BsGlowText, GlowIsTheLettersInGlowColourBlurredByGlowSize)
{
    auto b = Target(30, 20);
    DrawGlowTextA(b->Canvas(), TRect{0, 0, 30, 20}, "a", 0, clBlue, 2, 0);
    EXPECT_EQ(ColorAt(*b, 3, 3), 0u);          // the text itself
    EXPECT_EQ(ColorAt(*b, 8, 14), 0x0000FFu);  // its copy 2 pixels down and right
    EXPECT_EQ(ColorAt(*b, 7, 3), kWhite);
    EXPECT_EQ(ColorAt(*b, 9, 14), kWhite);
    EXPECT_EQ(ColorAt(*b, 3, 15), kWhite);

    auto blurred = Target(30, 20);
    DrawGlowText(blurred->Canvas(), TRect{0, 0, 30, 20}, u"a", 2, clBlue, 2, 0);
    const uint32_t edge = ColorAt(*blurred, 9, 9);
    EXPECT_NE(edge, kWhite);
    EXPECT_NE(edge, 0x0000FFu);
    EXPECT_GT(edge & 0xFF, (edge >> 16) & 0xFF);
    EXPECT_EQ(ColorAt(*blurred, 20, 9), kWhite);
    EXPECT_EQ(ColorAt(*blurred, 3, 3), 0u);
}

TEST(BsGlowText, HaloIsABlurredRectangleAroundTheText)
{
    // Text rect (20, 20, 80, 60): the narrow halo's rectangle starts at
    // x 23, the wide one's at x 17; two blurs of radius 5 or 6 soften 10
    // or 12 pixels on each side of an edge.
    auto narrow = Target(100, 80);
    DrawVistaGlowTextNarrow(narrow->Canvas(), TRect{20, 20, 80, 60}, u"", clBlack, 0);
    auto wide = Target(100, 80);
    DrawVistaGlowText(wide->Canvas(), TRect{20, 20, 80, 60}, u"", clBlack, 0);
    EXPECT_EQ(ColorAt(*narrow, 50, 40), 0u);
    EXPECT_EQ(ColorAt(*wide, 50, 40), 0u);
    EXPECT_EQ(ColorAt(*narrow, 12, 40), kWhite);
    EXPECT_EQ(ColorAt(*wide, 4, 40), kWhite);
    EXPECT_EQ(ColorAt(*wide, 30, 40), 0u);
    const uint32_t soft = ColorAt(*narrow, 28, 40);
    EXPECT_NE(soft, 0u);
    EXPECT_NE(soft, kWhite);
    EXPECT_LT(ColorAt(*wide, 20, 40), ColorAt(*narrow, 20, 40));
}

TEST(BsGlowText, ReflectionFadesAwayFromTheTextAndStaysInsideItsBitmap)
{
    // The text rect measures (0, 0, 8, 16), as tall as the bitmap: its
    // bottom row lies just past the bitmap and must not be written.
    auto b = Target(16, 40);
    DrawReflectionTextA(b->Canvas(), TRect{0, 0, 16, 16}, "a", clBlack, 0, 0);
    EXPECT_EQ(ColorAt(*b, 3, 12), 0u);
    EXPECT_EQ(ColorAt(*b, 3, 13), kWhite);
    // Mirrored below y 16: ink row 12 lands on 19 with 0.45 of its red,
    // row 7 on 24 with 0.1375, row 2 on 29 with the floor of 0.05.
    EXPECT_EQ(ColorAt(*b, 3, 18), kWhite);
    EXPECT_EQ(ColorAt(*b, 3, 19), BlackOverWhite(114));
    EXPECT_EQ(ColorAt(*b, 3, 24), BlackOverWhite(35));
    EXPECT_EQ(ColorAt(*b, 3, 29), BlackOverWhite(12));
    EXPECT_EQ(ColorAt(*b, 3, 30), kWhite);
    EXPECT_EQ(ColorAt(*b, 10, 19), kWhite);

    auto shifted = Target(16, 40);
    DrawReflectionText(shifted->Canvas(), TRect{0, 0, 16, 16}, u"a", clBlack, 3, 0);
    EXPECT_EQ(ColorAt(*shifted, 3, 22), BlackOverWhite(114));
}

TEST(BsGlowText, GlowPictureWithASmallerMaskGetsAlphaOnlyWhereTheMaskReaches)
{
    auto picture = CodedPicture(4, 2);
    auto mask = MaskPicture({"#."});
    TbsBitmap layer;
    MaskAndPictureToBitmap(picture.get(), mask.get(), &layer);
    ASSERT_EQ(layer.Width(), 4);
    ASSERT_EQ(layer.Height(), 2);
    EXPECT_EQ(*layer.PixelPtr(0, 0), 0u);
    EXPECT_EQ(*layer.PixelPtr(1, 0), 0xFF000000 | Code(1, 0));
    EXPECT_EQ(*layer.PixelPtr(2, 0), 0u);
    EXPECT_EQ(*layer.PixelPtr(3, 1), 0u);
}
