#include "platform/gdi/bmp_codec.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gdi/gdi_records.h"
#include "tests/platform/gdi/image_files.h"

namespace {

void ExpectRefused(const Bytes& file, const char* reason)
{
    try {
        ReadBmp(file);
        ADD_FAILURE() << "accepted a file whose " << reason;
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), AnsiString("Bitmap image is not valid: ") + reason);
    }
}

}  // namespace

TEST(BmpCodec, WritesStandardFilesThatReadBack)
{
    TRasterImage image = TRasterImage::Sized(3, 2);
    image.Pixels = {0x80FF0000, 0xFF00FF00, 0x000000FF, 0xFFFFFFFF, 0x40102030, 0xFF7F007F};
    image.HasAlpha = true;

    const Bytes bmp24 = WriteBmp(image, 24);
    const Bytes header24 = {'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
                            40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 24, 0, 0, 0,
                            0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_EQ(bmp24.size(), 78u);
    EXPECT_EQ(Bytes(bmp24.begin(), bmp24.begin() + 54), header24);
    // Bottom row first, padded to 12 bytes with zeros.
    EXPECT_EQ(Bytes(bmp24.begin() + 54, bmp24.begin() + 66),
              Bytes({0xFF, 0xFF, 0xFF, 0x30, 0x20, 0x10, 0x7F, 0x00, 0x7F, 0, 0, 0}));
    TRasterImage back = ReadBmp(bmp24);
    EXPECT_FALSE(back.HasAlpha);
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(back.Pixels.at(i), image.Pixels[i] | 0xFF000000u) << i;

    const Bytes bmp32 = WriteBmp(image, 32);
    ASSERT_EQ(bmp32.size(), 78u);
    EXPECT_EQ(bmp32[28], 32);
    EXPECT_EQ(Bytes(bmp32.begin() + 66, bmp32.begin() + 70), Bytes({0x00, 0x00, 0xFF, 0x80}));
    back = ReadBmp(bmp32);
    EXPECT_TRUE(back.HasAlpha);
    EXPECT_EQ(back.Pixels, image.Pixels);

    // Without alpha the fourth byte is 0, and such a file reads as opaque.
    image = TRasterImage::Sized(1, 1);
    image.Pixels = {0xFF123456};
    const Bytes opaque = WriteBmp(image, 32);
    EXPECT_EQ(Bytes(opaque.begin() + 54, opaque.end()), Bytes({0x56, 0x34, 0x12, 0x00}));
    back = ReadBmp(opaque);
    EXPECT_FALSE(back.HasAlpha);
    EXPECT_EQ(back.Pixels, image.Pixels);

    EXPECT_THROW(WriteBmp(TRasterImage(), 24), EInvalidGraphic);
    EXPECT_THROW(WriteBmp(image, 16), EInvalidGraphic);
}

TEST(BmpCodec, ReadsEveryPixelFormat)
{
    const uint32_t A = 0xFF000000;
    std::vector<uint32_t> greys;
    for (uint32_t i = 0; i < 256; ++i)
        greys.push_back(i * 0x010101);
    struct Case {
        TBmpSpec spec;
        std::vector<uint32_t> expected;  // top-down
        bool alpha = false;
    } cases[] = {
        {{.Width = 9, .Height = 2, .BitsPerPixel = 1, .ColorsUsed = 2, .Palette = {0x102030, 0xA0B0C0},
          .Pixels = PackBmpRows({{1, 0, 0, 0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 1, 0}}, 1)},
         {A | 0x102030, A | 0x102030, A | 0x102030, A | 0x102030, A | 0x102030, A | 0x102030, A | 0x102030,
          A | 0xA0B0C0, A | 0x102030, A | 0xA0B0C0, A | 0x102030, A | 0x102030, A | 0x102030, A | 0x102030,
          A | 0x102030, A | 0x102030, A | 0x102030, A | 0xA0B0C0}},
        // An index past a short palette reads as black.
        {{.Width = 3, .BitsPerPixel = 4, .ColorsUsed = 3, .Palette = {0x010203, 0x040506, 0x070809},
          .Pixels = PackBmpRows({{2, 0, 5}}, 4)},
         {A | 0x070809, A | 0x010203, A}},
        {{.HeaderSize = 12, .Width = 2, .Height = 2, .BitsPerPixel = 8, .Palette = greys,
          .Pixels = PackBmpRows({{0, 7}, {255, 1}}, 8)},
         {A | 0xFFFFFF, A | 0x010101, A, A | 0x070707}},
        {{.Width = 4, .BitsPerPixel = 16, .Pixels = PackBmpRows({{0x7C00, 0x03E0, 0x001F, 0x4210}}, 16)},
         {A | 0xFF0000, A | 0x00FF00, A | 0x0000FF, A | 0x848484}},
        {{.Width = 4, .BitsPerPixel = 16, .Compression = BI_BITFIELDS, .Masks = {0xF800, 0x07E0, 0x001F},
          .Pixels = PackBmpRows({{0xF800, 0x07E0, 0x0821, 0xFFFF}}, 16)},
         {A | 0xFF0000, A | 0x00FF00, A | 0x080408, A | 0xFFFFFF}},
        {{.HeaderSize = 108, .Width = 2, .Height = -2,
          .Pixels = PackBmpRows({{0x112233, 0x445566}, {0x778899, 0xAABBCC}}, 24)},
         {A | 0x112233, A | 0x445566, A | 0x778899, A | 0xAABBCC}},
        {{.Width = 2, .BitsPerPixel = 32, .Pixels = PackBmpRows({{0x00ABCDEF, 0x00010203}}, 32)},
         {A | 0xABCDEF, A | 0x010203}},
        {{.HeaderSize = 124, .Width = 2, .BitsPerPixel = 32, .Compression = BI_BITFIELDS,
          .Masks = {0xFF, 0xFF00, 0xFF0000, 0xFF000000}, .Pixels = PackBmpRows({{0x80332211, 0xFF665544}}, 32)},
         {0x80112233, 0xFF445566}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spec.BitsPerPixel << " bits, header " << c.spec.HeaderSize);
        const TRasterImage image = ReadBmp(BuildBmp(c.spec));
        EXPECT_EQ(image.Width, c.spec.Width);
        EXPECT_EQ(image.Height, std::abs(c.spec.Height));
        EXPECT_EQ(image.Pixels, c.expected);
        EXPECT_EQ(image.HasAlpha, c.alpha);
    }
}

TEST(BmpCodec, RefusesBrokenAndHostileFiles)
{
    const TBmpSpec good = {.Width = 2, .Height = 2, .BitsPerPixel = 8, .ColorsUsed = 2,
                           .Palette = {0x112233, 0x445566}, .Pixels = PackBmpRows({{0, 1}, {1, 0}}, 8)};
    const Bytes file = BuildBmp(good);
    ASSERT_NO_THROW(ReadBmp(file));
    auto with = [&](void (*change)(TBmpSpec&)) {
        TBmpSpec s = good;
        change(s);
        return BuildBmp(s);
    };
    auto patched = [&](size_t offset, uint32_t value) {
        Bytes b(file.begin(), file.begin() + offset);
        Put(b, 4, {value});
        b.insert(b.end(), file.begin() + offset + 4, file.end());
        return b;
    };

    EXPECT_THROW(ReadBmp({}), EInvalidGraphic);
    ExpectRefused({'B', 'M'}, "file is too short");
    ExpectRefused(Bytes(file.begin(), file.begin() + 30), "header is cut short");
    ExpectRefused(patched(14, 64), "unknown header size");
    ExpectRefused(patched(14, 0xFFFFFFFF), "unknown header size");
    ExpectRefused(with([](TBmpSpec& s) { s.Width = 0; }), "width or height is not positive");
    ExpectRefused(with([](TBmpSpec& s) { s.Width = -5; }), "width or height is not positive");
    ExpectRefused(with([](TBmpSpec& s) { s.Height = 0; }), "width or height is not positive");
    ExpectRefused(with([](TBmpSpec& s) { s.Height = INT32_MIN; }), "picture is too large");
    ExpectRefused(with([](TBmpSpec& s) { s.Width = s.Height = 0x7FFFFFFF; }), "picture is too large");
    ExpectRefused(with([](TBmpSpec& s) { s.Width = s.Height = 1 << 16; }), "picture is too large");
    ExpectRefused(with([](TBmpSpec& s) { s.Planes = 2; }), "plane count is not 1");
    ExpectRefused(with([](TBmpSpec& s) { s.BitsPerPixel = 7; }), "unsupported bit count");
    ExpectRefused(with([](TBmpSpec& s) { s.Compression = 1; }), "compressed (RLE) pixels are not supported");
    ExpectRefused(with([](TBmpSpec& s) { s.Compression = BI_BITFIELDS; }), "unsupported compression");
    ExpectRefused(with([](TBmpSpec& s) { s.ColorsUsed = 257; }), "palette is larger than the bit count allows");
    ExpectRefused(with([](TBmpSpec& s) { s.ColorsUsed = 0; }), "palette is cut short");
    ExpectRefused(patched(10, 0xFFFFFFF0), "pixel offset lies beyond the end of the file");
    ExpectRefused(patched(10, 20), "pixel offset points into the headers");
    ExpectRefused(Bytes(file.begin(), file.end() - 1), "pixel data is cut short");
    // A huge picture whose rows are not in the file is refused before its pixels are allocated.
    ExpectRefused(with([](TBmpSpec& s) { s.Width = s.Height = 8000; }), "pixel data is cut short");

    auto masks = [](std::vector<uint32_t> m) {
        return BuildBmp({.Width = 2, .BitsPerPixel = 16, .Compression = BI_BITFIELDS, .Masks = m,
                         .Pixels = PackBmpRows({{1, 2}}, 16)});
    };
    ASSERT_NO_THROW(ReadBmp(masks({0xF800, 0x07E0, 0x001F})));
    ExpectRefused(masks({0xF0F0, 0x0700, 0x000F}), "colour mask is not contiguous");
    ExpectRefused(masks({0xFF00, 0x0FF0, 0x000F}), "colour masks overlap");
    ExpectRefused(masks({0xF0000, 0x07E0, 0x001F}), "colour mask lies outside the pixel");
    const Bytes withMasks = masks({0xF800, 0x07E0, 0x001F});
    ExpectRefused(Bytes(withMasks.begin(), withMasks.begin() + 60), "colour masks are cut short");
}
