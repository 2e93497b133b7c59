#include "platform/ui/graphics/image_list.h"

#include <gtest/gtest.h>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/ui/graphics/icon.h"
#include "tests/platform/ui/ui_test_pictures.h"

namespace {

// A 2 x 2 pf32bit image: opaque red, transparent, half-transparent blue,
// opaque white (rows top-down).
std::unique_ptr<TBitmap> FourPixels()
{
    auto b = WhiteBitmap(2, 2);
    RawPixel(*b, 0, 0) = 0xFFFF0000;
    RawPixel(*b, 1, 0) = 0x00000000;
    RawPixel(*b, 0, 1) = 0x800000FF;
    RawPixel(*b, 1, 1) = 0xFFFFFFFF;
    return b;
}

}  // namespace

TEST(ImageList, AddsCellsWithTheirAlphaAndMasks)
{
    TImageList list(nullptr);
    EXPECT_EQ(list.Width(), 16);
    EXPECT_EQ(list.BkColor(), clNone);
    list.SetWidth(2);
    list.SetHeight(2);
    int changes = 0;
    list.OnChange = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });

    // Five columns give two cells; a 24-bit image is opaque; a mask's light
    // pixels are transparent.
    TBitmap strip;
    strip.SetPixelFormat(pf24bit);
    strip.SetSize(5, 2);
    strip.Canvas()->SetPixels(2, 0, clRed);
    TBitmap mask;
    mask.SetPixelFormat(pf1bit);
    mask.SetSize(5, 2);
    mask.Canvas()->Brush()->SetColor(clBlack);
    mask.Canvas()->FillRect(Rect(0, 0, 5, 2));
    mask.Canvas()->SetPixels(3, 1, clWhite);
    EXPECT_EQ(list.Add(&strip, &mask), 0);
    EXPECT_EQ(list.Count(), 2);
    TBitmap cell;
    ASSERT_TRUE(list.GetBitmap(1, &cell));
    EXPECT_EQ(cell.PixelFormat(), pf32bit);
    EXPECT_EQ(RawPixel(cell, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(RawPixel(cell, 1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(RawPixel(cell, 1, 1), 0u);

    // 32 bits bring their alpha; a mask colour clears its pixels.
    EXPECT_EQ(list.AddMasked(FourPixels().get(), clWhite), 2);
    ASSERT_TRUE(list.GetBitmap(2, &cell));
    EXPECT_EQ(RawPixel(cell, 0, 1), 0x800000FFu);
    EXPECT_EQ(RawPixel(cell, 1, 1), 0u);
    auto opaque = WhiteBitmap(2, 2);  // drawn on, so its alpha is 0 everywhere
    list.Replace(0, opaque.get(), nullptr);
    ASSERT_TRUE(list.GetBitmap(0, &cell));
    EXPECT_EQ(RawPixel(cell, 0, 0), 0xFFFFFFFFu);

    TIcon icon;
    TRasterImage big = TRasterImage::Sized(4, 4);
    for (int i = 0; i < 16; ++i)
        big.Pixels[i] = 0xFF000000u | i;
    icon.AssignImage(big);
    EXPECT_EQ(list.AddIcon(&icon), 3);
    TIcon back;
    list.GetIcon(3, &back);
    EXPECT_EQ(back.Image().Pixels, (std::vector<uint32_t>{0xFF000000, 0xFF000002, 0xFF000008, 0xFF00000A}));

    EXPECT_EQ(changes, 4);
    EXPECT_FALSE(list.GetBitmap(4, &cell));
    EXPECT_THROW(list.Delete(4), EInvalidOperation);
    EXPECT_THROW(list.Add(nullptr, nullptr), EInvalidOperation);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 3);
    list.SetWidth(3);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ImageList, DrawsBlendedEnabledAndGreyedDisabled)
{
    TImageList list(nullptr);
    list.SetWidth(2);
    list.SetHeight(2);
    list.Add(FourPixels().get(), nullptr);
    auto target = WhiteBitmap(6, 2);
    TCanvas* c = target->Canvas();
    c->Brush()->SetColor(clLime);
    c->FillRect(Rect(0, 0, 6, 2));

    list.Draw(c, 0, 0, 0);
    EXPECT_EQ(c->Pixels(0, 0), clRed);
    EXPECT_EQ(c->Pixels(1, 0), clLime);
    EXPECT_EQ(c->Pixels(0, 1), static_cast<TColor>(0x807F00));  // blue 128 over lime
    EXPECT_EQ(c->Pixels(1, 1), clWhite);

    // Greyed: 96 + brightness / 2; red 76 -> 134, white 255 -> 223, blue
    // 27 -> 109 at half alpha over lime.
    list.Draw(c, 2, 0, 0, false);
    EXPECT_EQ(c->Pixels(2, 0), static_cast<TColor>(0x868686));
    EXPECT_EQ(c->Pixels(3, 0), clLime);
    EXPECT_EQ(c->Pixels(2, 1), static_cast<TColor>(0x37B637));
    EXPECT_EQ(c->Pixels(3, 1), static_cast<TColor>(0xDFDFDF));
    EXPECT_EQ(DisabledPixel(0x80FFFFFF), 0x80DFDFDFu);

    // A background colour fills what is transparent.
    list.SetBkColor(clNavy);
    list.Draw(c, 4, 0, 0);
    EXPECT_EQ(c->Pixels(5, 0), clNavy);
    EXPECT_EQ(c->Pixels(4, 1), static_cast<TColor>(0xC00000));
    list.Draw(c, 0, 0, 7);
    EXPECT_EQ(c->Pixels(0, 0), clRed);
}
