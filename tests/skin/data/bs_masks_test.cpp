#include "skin/data/bs_masks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/base/streams.h"
#include "platform/gdi/regions.h"
#include "tests/skin/data/mask_region_fuzz.h"
#include "tests/skin/data/skin_pictures.h"

namespace {

// The region inside Width x Height as rows of '#' and '.'; frees it.
std::vector<std::string> Shape(HRGN Region, int Width, int Height)
{
    std::vector<std::string> rows(size_t(Height), std::string(size_t(Width), '.'));
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            if (PtInRegion(Region, x, y))
                rows[size_t(y)][size_t(x)] = '#';
    DeleteObject(Region);
    return rows;
}

std::vector<uint8_t> BmpFile(TBitmap& Bitmap)
{
    TMemoryStream stream;
    Bitmap.SaveToStream(&stream);
    auto* bytes = static_cast<const uint8_t*>(stream.Memory());
    return {bytes, bytes + stream.Size()};
}

}  // namespace

TEST(Masks, RegionDataOfTheBlackRuns)
{
    // Black from column 3 to the last; dark grey counts as outside.
    std::vector<uint8_t> data = GetRegionDataFromBitmap(MaskPicture({"...#####", ".g.#...."}).get(), 10, 20);
    const int32_t expected[] = {32, 1, 2, 0, 10, 20, 18, 22, 13, 20, 18, 21, 13, 21, 14, 22};
    ASSERT_EQ(data.size(), sizeof expected);
    EXPECT_EQ(std::memcmp(data.data(), expected, sizeof expected), 0);
    data = GetRegionDataFromBitmap(MaskPicture({"#"}).get(), 5, 6);
    const int32_t dot[] = {32, 1, 1, 0, 5, 6, 6, 7, 5, 6, 6, 7};
    ASSERT_EQ(data.size(), sizeof dot);
    EXPECT_EQ(std::memcmp(data.data(), dot, sizeof dot), 0);

    auto white = MaskPicture({"..g", "g.."});
    EXPECT_EQ(GetRegionDataFromBitmap(white.get(), 0, 0).size(), 32u);
    EXPECT_EQ(Shape(CreateRegionFromBitmap(white.get()), 3, 2), (std::vector<std::string>{"...", "..."}));
    TBitmap empty;
    EXPECT_TRUE(GetRegionDataFromBitmap(&empty, 0, 0).empty());
    EXPECT_EQ(CreateRegionFromBitmap(&empty), nullptr);

    // Every other pixel black: 12,000 runs, more than the old run buffer held.
    auto checks = NewPicture(200, 120);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 200; ++x)
            PixelOf(*checks, x, y) = (x + y) % 2 ? ~0u : 0;
    EXPECT_EQ(GetRegionDataFromBitmap(checks.get(), 0, 0).size(), 32u + 12000 * 16);
    std::vector<uint8_t> file = BmpFile(*checks);
    EXPECT_EQ(FuzzMaskToRegion(file.data(), file.size()), 1);
}

TEST(Masks, SkinRegionLaysTheMaskOutAtTheWindowSize)
{
    auto mask = MaskPicture({"..######..", ".########.", "##########", "##########", "##########", "##########",
                             ".########.", "..######.."});
    TRect cl{2, 2, 8, 6};
    std::string full(20, '#');
    EXPECT_EQ(Shape(CreateSkinRegion({2, 2}, {8, 2}, {2, 6}, {8, 6}, cl, {2, 2}, {18, 2}, {2, 10}, {18, 10},
                                     {2, 2, 18, 10}, mask.get(), 20, 12),
                    20, 12),
              (std::vector<std::string>{"..################..", ".##################.", full, full, full, full, full,
                                        full, full, full, ".##################.", "..################.."}));
    // No left middle: the left strip keeps only its fixed pieces (rows 2..4
    // at its top, 4..6 at its bottom) and is cut away between them.
    std::vector<std::string> shape = Shape(CreateSkinRegion({2, 4}, {8, 2}, {2, 4}, {8, 6}, cl, {2, 4}, {18, 2},
                                                            {2, 8}, {18, 10}, {2, 2, 18, 10}, mask.get(), 20, 12),
                                           20, 12);
    EXPECT_EQ(shape[3], full);
    EXPECT_EQ(shape[5], ".." + std::string(18, '#'));
    EXPECT_EQ(shape[9], full);
    // Corner points that do not fit, and no mask: the window stays rectangular.
    EXPECT_EQ(CreateSkinRegion({2, 2}, {8, 2}, {2, 6}, {8, 6}, cl, {9, 2}, {8, 2}, {2, 10}, {18, 10}, {2, 2, 18, 10},
                               mask.get(), 20, 12),
              nullptr);
    TBitmap empty;
    EXPECT_EQ(CreateSkinRegion({2, 2}, {8, 2}, {2, 6}, {8, 6}, cl, {2, 2}, {18, 2}, {2, 10}, {18, 10}, {2, 2, 18, 10},
                               &empty, 20, 12),
              nullptr);
}

TEST(Masks, FuzzEntrySurvivesOddAndBrokenMasks)
{
    auto wide = MaskPicture({"#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#."});
    wide->SetPixelFormat(pf24bit);  // rows padded to 4 bytes
    auto alpha = MaskPicture({"##..", "..##"});
    PixelOf(*alpha, 0, 0) = 0;  // black with alpha 0 is still black
    std::vector<std::vector<uint8_t>> corpus{
        BmpFile(*MaskPicture({"#"})), BmpFile(*MaskPicture({"#g.#..#######", "g#g#.#.......", "#############"})),
        BmpFile(*wide), BmpFile(*alpha)};
    for (size_t i = 0, whole = corpus.size(); i < whole; ++i) {
        std::vector<uint8_t> file = corpus[i];
        corpus.emplace_back(file.begin(), file.begin() + file.size() / 2);  // cut short
        corpus.emplace_back(file.begin(), file.begin() + 54);  // headers only
        for (int32_t value : {0, -3, 0x7FFFFFFF, 40000})
            for (size_t at : {18u, 22u}) {  // width, height
                corpus.push_back(file);
                std::memcpy(corpus.back().data() + at, &value, 4);
            }
        corpus.push_back(file);
        corpus.back()[28] = 4;  // four bits per pixel, no colour table
    }
    corpus.push_back({'B', 'M'});
    corpus.push_back({});
    for (size_t i = 0; i < corpus.size(); ++i)
        EXPECT_NO_THROW(FuzzMaskToRegion(corpus[i].data(), corpus[i].size())) << i;
}
