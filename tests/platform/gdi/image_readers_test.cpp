#include "platform/gdi/raster_image.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/gdi_records.h"
#include "platform/gdi/png_codec.h"
#include "tests/platform/gdi/image_files.h"

namespace {

// The readers' fuzz entry point: any bytes either decode into a whole
// picture or are refused with EInvalidGraphic. Anything else (another
// exception, a sanitizer report) fails the test.
void Replay(const Bytes& file)
{
    try {
        const TRasterImage image = ReadImage(file);
        EXPECT_EQ(image.Pixels.size(), size_t(image.Width) * size_t(image.Height));
    } catch (const EInvalidGraphic&) {
    }
}

std::vector<Bytes> Samples()
{
    TRasterImage image = TRasterImage::Sized(5, 4);
    for (size_t i = 0; i < image.Pixels.size(); ++i)
        image.Pixels[i] = 0x01030507u * uint32_t(i + 1);
    image.HasAlpha = true;
    TPngSpec interlaced = {5, 3, 16, 4, {}, {}, {}, true};
    for (uint16_t i = 0; i < 30; ++i)
        interlaced.Samples.push_back(uint16_t(i * 2111));
    return {WriteBmp(image, 24), WriteBmp(image, 32), WritePng(image), BuildPng(interlaced),
            BuildBmp({.Width = 5, .Height = -3, .BitsPerPixel = 4, .ColorsUsed = 3, .Palette = {1, 2, 3},
                      .Pixels = PackBmpRows({{0, 1, 2, 3, 4}, {2, 2, 2, 2, 2}, {1, 0, 1, 0, 1}}, 4)}),
            BuildBmp({.HeaderSize = 124, .Width = 3, .BitsPerPixel = 16, .Compression = BI_BITFIELDS,
                      .Masks = {0xF00, 0x0F0, 0x00F, 0xF000}, .Pixels = PackBmpRows({{0x1234, 0xFFFF, 0}}, 16)}),
            BuildPng({6, 2, 2, 3, {0, 1, 2, 3, 2, 1, 2, 0, 2, 0, 2, 0}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {0x40}})};
}

}  // namespace

TEST(ImageReaders, RefuseOrDecodeEveryDamagedFile)
{
    EXPECT_THROW(ReadImage({}), EInvalidGraphic);
    EXPECT_THROW(ReadImage(Bytes{'G', 'I', 'F', '8', '9', 'a'}), EInvalidGraphic);
    std::mt19937 random(20240607);
    for (const Bytes& sample : Samples()) {
        ASSERT_NO_THROW(ReadImage(sample));
        // Every cut is refused: a BMP needs all its rows, a PNG its end chunk.
        for (size_t length = 0; length < sample.size(); ++length)
            EXPECT_THROW(ReadImage(Bytes(sample.begin(), sample.begin() + length)), EInvalidGraphic) << length;
        for (int round = 0; round < 1000; ++round) {
            Bytes damaged = sample;
            for (int n = 1 + round % 4; n > 0; --n)
                damaged[random() % damaged.size()] = static_cast<uint8_t>(random());
            if (IsPngSignature(damaged))
                FixPngCrcs(damaged);
            Replay(damaged);
        }
    }
}
