#include "platform/gdi/resources.h"

#include <gtest/gtest.h>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/raster_image.h"

// The resources come from tests/platform/gdi/data through tandril_resources().

TEST(Resources, FindsCompiledFilesByNameWithoutCase)
{
    const std::span<const uint8_t> text = FindResourceData("TestText");
    EXPECT_EQ(AnsiString(text.begin(), text.end()), "line one\nline two\n");
    const std::span<const uint8_t> again = FindResourceData("tESTtEXT");
    EXPECT_EQ(again.data(), text.data());
    EXPECT_EQ(again.size(), text.size());
    EXPECT_TRUE(FindResourceData("NoSuchThing").empty());
    EXPECT_TRUE(FindResourceData("").empty());
}

TEST(Resources, LoadsBitmapsAndRefusesWhatIsNoPicture)
{
    const int objects = GdiObjectCount();
    HBITMAP bmp = LoadBitmapResource("testpicture");
    BITMAP info;
    ASSERT_EQ(GetObject(bmp, sizeof info, &info), int(sizeof info));
    EXPECT_EQ(info.bmWidth, 3);
    EXPECT_EQ(info.bmHeight, 2);
    EXPECT_EQ(info.bmBitsPixel, 24);
    TRasterImage image = ImageFromBitmap(bmp);
    EXPECT_FALSE(image.HasAlpha);
    EXPECT_EQ(image.Pixels,
              std::vector<uint32_t>({0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFF808080}));
    DeleteObject(bmp);

    HBITMAP png = LoadBitmapResource("TestAlphaPicture");
    ASSERT_EQ(GetObject(png, sizeof info, &info), int(sizeof info));
    EXPECT_EQ(info.bmBitsPixel, 32);
    image = ImageFromBitmap(png);
    EXPECT_TRUE(image.HasAlpha);
    EXPECT_EQ(image.Pixels, std::vector<uint32_t>({0x80FF0000, 0xFF0000FF}));
    DeleteObject(png);

    try {
        LoadBitmapResource("NoSuchThing");
        ADD_FAILURE() << "loaded a missing resource";
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), "Resource NoSuchThing not found");
    }
    EXPECT_THROW(LoadBitmapResource("TestText"), EInvalidGraphic);
    EXPECT_EQ(GdiObjectCount(), objects);
}

TEST(Resources, BitmapsCarryPicturesBothWays)
{
    TRasterImage image = TRasterImage::Sized(2, 2);
    image.Pixels = {0x00000000, 0x7F112233, 0xFF445566, 0x01FFFFFF};
    image.HasAlpha = true;
    HBITMAP with = CreateBitmapFromImage(image);
    TRasterImage back = ImageFromBitmap(with);
    EXPECT_TRUE(back.HasAlpha);
    EXPECT_EQ(back.Pixels, image.Pixels);

    // 24 bits drop the alpha; a 32-bit bitmap whose alpha is 0 throughout reads as opaque.
    HBITMAP without = CreateBitmapFromImage(image, 24);
    std::vector<uint32_t> opaque = image.Pixels;
    for (uint32_t& p : opaque)
        p |= 0xFF000000u;
    EXPECT_EQ(ImageFromBitmap(without).Pixels, opaque);
    image.Pixels = {0x00000000, 0x00112233, 0x00445566, 0x00FFFFFF};
    HBITMAP zeroAlpha = CreateBitmapFromImage(image, 32);
    back = ImageFromBitmap(zeroAlpha);
    EXPECT_FALSE(back.HasAlpha);
    EXPECT_EQ(back.Pixels, opaque);

    for (HBITMAP b : {with, without, zeroAlpha})
        DeleteObject(b);
    EXPECT_TRUE(ImageFromBitmap(with).Empty());
    EXPECT_EQ(CreateBitmapFromImage(TRasterImage()), nullptr);
}
