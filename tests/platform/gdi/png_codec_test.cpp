#include "platform/gdi/png_codec.h"

#include <gtest/gtest.h>

#include "tests/platform/gdi/image_files.h"

namespace {

void ExpectPngRefused(const Bytes& file, const char* reason = nullptr)
{
    try {
        ReadPng(file);
        ADD_FAILURE() << "accepted a broken file";
    } catch (const EInvalidGraphic& e) {
        const AnsiString prefix = "PNG image is not valid: ";
        EXPECT_EQ(e.Message().substr(0, prefix.size()), prefix);
        if (reason) {
            EXPECT_EQ(e.Message(), prefix + reason);
        }
    }
}

}  // namespace

TEST(PngCodec, WritesAndReadsBack)
{
    TRasterImage image = TRasterImage::Sized(3, 2);
    image.Pixels = {0x80FF0000, 0xFF00FF00, 0x000000FF, 0xFFFFFFFF, 0x40102030, 0xFF7F007F};
    image.HasAlpha = true;
    Bytes png = WritePng(image);
    const Bytes signatureAndHeader = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                                      0, 0, 0, 3, 0, 0, 0, 2, 8, 6, 0, 0, 0};
    EXPECT_EQ(Bytes(png.begin(), png.begin() + 29), signatureAndHeader);
    TRasterImage back = ReadImage(png);
    EXPECT_TRUE(back.HasAlpha);
    EXPECT_EQ(back.Width, 3);
    EXPECT_EQ(back.Pixels, image.Pixels);

    // Without alpha the file is RGB and reads back opaque.
    for (uint32_t& p : image.Pixels)
        p |= 0xFF000000u;
    image.HasAlpha = false;
    png = WritePng(image);
    EXPECT_EQ(png[25], 2);
    back = ReadPng(png);
    EXPECT_FALSE(back.HasAlpha);
    EXPECT_EQ(back.Pixels, image.Pixels);

    EXPECT_THROW(WritePng(TRasterImage()), EInvalidGraphic);
}

TEST(PngCodec, ExpandsEveryColourTypeAndDepth)
{
    const uint32_t A = 0xFF000000;
    struct Case {
        TPngSpec spec;
        std::vector<uint32_t> expected;
        bool alpha;
    };
    std::vector<Case> cases = {
        {{3, 1, 1, 0, {0, 1, 0}}, {A, A | 0xFFFFFF, A}, false},
        {{4, 1, 2, 0, {0, 1, 2, 3}}, {A, A | 0x555555, A | 0xAAAAAA, A | 0xFFFFFF}, false},
        {{2, 1, 4, 0, {5, 15}, {}, {0, 5}}, {0x00555555, A | 0xFFFFFF}, true},
        {{2, 1, 16, 0, {0xABAB, 0x1212}}, {A | 0xABABAB, A | 0x121212}, false},
        {{1, 1, 8, 4, {0x80, 0x40}}, {0x40808080}, true},
        {{1, 1, 16, 4, {0xABAB, 0x1111}}, {0x11ABABAB}, true},
        {{2, 1, 8, 2, {1, 2, 3, 4, 5, 6}, {}, {0, 1, 0, 2, 0, 3}}, {0x00010203, A | 0x040506}, true},
        {{1, 1, 16, 2, {0xABAB, 0xCDCD, 0xEFEF}}, {A | 0xABCDEF}, false},
        {{1, 1, 8, 6, {1, 2, 3, 4}}, {0x04010203}, true},
        {{1, 1, 16, 6, {0x1111, 0x2222, 0x3333, 0x4444}}, {0x44112233}, true},
        {{2, 1, 1, 3, {1, 0}, {10, 20, 30, 40, 50, 60}}, {A | 0x28323C, A | 0x0A141E}, false},
        {{4, 1, 2, 3, {0, 1, 2, 3}, {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4}, {0x00, 0x80}},
         {0x00010101, 0x80020202, A | 0x030303, A | 0x040404}, true},
        {{2, 1, 4, 3, {2, 1}, {0, 0, 0, 9, 8, 7, 6, 5, 4}}, {A | 0x060504, A | 0x090807}, false},
        {{1, 1, 8, 3, {0}, {0xAA, 0xBB, 0xCC}}, {A | 0xAABBCC}, false},
    };
    // Interlaced pictures, big enough to fill every pass.
    Case rgb = {{5, 5, 8, 2, {}, {}, {}, true}, {}, false}, grey = {{9, 9, 1, 0, {}, {}, {}, true}, {}, false};
    for (uint16_t y = 0; y < 9; ++y)
        for (uint16_t x = 0; x < 9; ++x) {
            if (x < 5 && y < 5) {
                rgb.spec.Samples.insert(rgb.spec.Samples.end(), {uint16_t(x * 40), uint16_t(y * 40), uint16_t(x + y)});
                rgb.expected.push_back(A | (x * 40 << 16) | (y * 40 << 8) | (x + y));
            }
            grey.spec.Samples.push_back((x * 3 + y) % 2);
            grey.expected.push_back((x * 3 + y) % 2 ? A | 0xFFFFFF : A);
        }
    cases.push_back(rgb);
    cases.push_back(grey);

    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(c.spec.ColorType) << ", depth " << int(c.spec.BitDepth));
        const TRasterImage image = ReadPng(BuildPng(c.spec));
        EXPECT_EQ(image.Width, int(c.spec.Width));
        EXPECT_EQ(image.Height, int(c.spec.Height));
        EXPECT_EQ(image.Pixels, c.expected);
        EXPECT_EQ(image.HasAlpha, c.alpha);
    }
}

TEST(PngCodec, RefusesBrokenAndHostileFiles)
{
    const Bytes good = BuildPng({2, 2, 8, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}});
    ASSERT_NO_THROW(ReadPng(good));
    // IHDR fields sit at fixed offsets: width 16, height 20, depth 24, colour type 25.
    auto patched = [&](std::initializer_list<std::pair<size_t, uint8_t>> changes) {
        Bytes b = good;
        for (auto [offset, value] : changes)
            b[offset] = value;
        FixPngCrcs(b);
        return b;
    };

    ExpectPngRefused({'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0}, "no PNG signature");
    ExpectPngRefused(Bytes(good.begin(), good.begin() + 8), "file is cut short");
    ExpectPngRefused(Bytes(good.begin(), good.end() - 20), "file is cut short");
    ExpectPngRefused(patched({{16, 0}, {17, 0}, {18, 0}, {19, 0}}));              // width 0
    ExpectPngRefused(patched({{16, 0x7F}, {17, 0xFF}, {18, 0xFF}, {19, 0xFF}}));  // width 2^31 - 1
    ExpectPngRefused(patched({{24, 4}}));                                         // RGB of 4 bits
    ExpectPngRefused(patched({{25, 3}}));                                         // palette without PLTE
    ExpectPngRefused(patched({{23, 4}}));                                         // rows missing from the data
    Bytes badCrc = good;
    badCrc[30] ^= 1;
    ExpectPngRefused(badCrc);
    // A huge picture with a few bytes of data is refused before its pixels are allocated.
    ExpectPngRefused(patched({{17, 0x10}, {18, 0}, {19, 0}, {21, 0x10}, {22, 0}, {23, 0}}), "image data is cut short");
    ExpectPngRefused(patched({{18, 0x1F}, {19, 0x40}, {22, 0x1F}, {23, 0x40}}), "image data is cut short");
    // No image data at all.
    Bytes noData(good.begin(), good.begin() + 33);
    const Bytes end = PngChunk("IEND", {});
    noData.insert(noData.end(), end.begin(), end.end());
    ExpectPngRefused(noData);
}
