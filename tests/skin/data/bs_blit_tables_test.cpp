#include "skin/data/bs_blit_tables.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/base/exceptions.h"
#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_pixel_rows.h"

namespace {

uint32_t Byte(uint32_t P, int I) { return (P >> (8 * I)) & 0xFF; }

// The blends as their formulas state them, byte by byte: alpha 0 keeps the
// destination and 255 copies the source, in both variants' rows.
uint32_t PlainFormula(uint32_t S, uint32_t D)
{
    uint32_t a = S >> 24, out = 0xFF000000;
    if (a == 0 || a == 255)
        return a ? S : D;
    for (int i = 0; i < 3; ++i)
        out |= ((Byte(S, i) * a + Byte(D, i) * (255 - a)) >> 8) << (8 * i);
    return out;
}

uint32_t VectorFormula(uint32_t S, uint32_t D)
{
    int a = int(S >> 24);
    uint32_t out = 0;
    for (int i = 0; i < 4; ++i)
        out |= uint32_t((int(Byte(D, i)) * 256 + (int(Byte(S, i)) - int(Byte(D, i))) * a) >> 8) << (8 * i);
    return out;
}

uint32_t VectorRowFormula(uint32_t S, uint32_t D)
{
    return S >> 24 == 0 ? D : S >> 24 == 255 ? S : VectorFormula(S, D);
}

// Pixel (x, y) is 0xFF000000 | y << 8 | x, to see where each drawn pixel came from.
void FillWithPositions(TbsBitmap& B, int W, int H)
{
    B.SetSize(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            *B.PixelPtr(x, y) = 0xFF000000 | uint32_t(y) << 8 | uint32_t(x);
}

// The source column of each pixel of row Y; -1 where nothing was drawn.
std::vector<int> Columns(const TbsBitmap& B, int Y)
{
    std::vector<int> columns;
    for (int x = 0; x < B.Width(); ++x)
        columns.push_back(*B.PixelPtr(x, Y) ? int(*B.PixelPtr(x, Y) & 0xFF) : -1);
    return columns;
}

}  // namespace

TEST(BlitTables, BlendsFollowTheirFormulas)
{
    std::vector<uint32_t> src, dst;
    for (uint32_t a : {0u, 1u, 2u, 127u, 128u, 129u, 254u, 255u})
        for (uint32_t s : {0u, 1u, 127u, 128u, 254u, 255u})
            for (uint32_t d : {0u, 1u, 128u, 255u}) {
                src.push_back(a << 24 | s << 16 | (255 - s) << 8 | s / 2);
                dst.push_back((d ^ 0x80) << 24 | d << 16 | d / 3 << 8 | (255 - d));
            }
    // Rows at every offset and of lengths that run the vector blocks, the
    // tail, or both.
    for (size_t start = 0; start + 16 <= src.size(); start += 5)
        for (int count : {1, 3, 4, 7, 16}) {
            std::vector<uint32_t> plain(dst.begin() + start, dst.begin() + start + count), vector = plain;
            BlendRowPlain(&src[start], plain.data(), count);
            BlendRowVector(&src[start], vector.data(), count);
            for (size_t i = start; i < start + count; ++i) {
                ASSERT_EQ(plain[i - start], PlainFormula(src[i], dst[i])) << i;
                ASSERT_EQ(vector[i - start], VectorRowFormula(src[i], dst[i])) << i;
                ASSERT_EQ(BlendPixelVector(src[i], dst[i]), VectorFormula(src[i], dst[i])) << i;
            }
        }
    // Where the variants part: 255 over 255 at alpha 128.
    EXPECT_EQ(BlendPixelPlain(0x80FFFFFF, 0xFFFFFFFF), 0xFFFEFEFEu);
    EXPECT_EQ(BlendPixelVector(0x80FFFFFF, 0xFFFFFFFF), 0xBFFFFFFFu);
}

TEST(BlitTables, NearestNeighbourStretchEdgeCases)
{
    TbsBitmap source, target;
    FillWithPositions(source, 8, 4);
    target.SetSize(7, 3);
    auto stretch = [&](TRect Clip, TRect Dst, TRect Src) {
        BlitRoutines().StretchCopyToBitmap(&target, Clip, Dst, Src, &source);
    };
    auto clear = [&] { target.FillRect(Rect(0, 0, 7, 3), 0); };

    // 3 columns onto 7: Trunc(x * 2 / 6); one row onto three repeats it.
    stretch(Rect(0, 0, 7, 3), Rect(0, 0, 7, 3), Rect(1, 2, 4, 3));
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(Columns(target, y), (std::vector<int>{1, 1, 1, 2, 2, 2, 3}));
    // A 1-pixel-wide source fills any width; a 1-pixel-wide target takes the
    // middle column (Left + Right - 1) div 2, a 1-pixel-high one the middle row.
    clear();
    stretch(Rect(0, 0, 5, 1), Rect(0, 0, 5, 1), Rect(6, 0, 7, 4));
    EXPECT_EQ(Columns(target, 0), (std::vector<int>{6, 6, 6, 6, 6, -1, -1}));
    EXPECT_EQ(*target.PixelPtr(0, 0) >> 8 & 0xFF, 1u);
    stretch(Rect(6, 0, 7, 3), Rect(6, 0, 7, 3), Rect(2, 0, 8, 2));
    EXPECT_EQ(*target.PixelPtr(6, 2) & 0xFFFF, 0x0104u);

    // A source rectangle past the bitmap on any side draws nothing at all.
    clear();
    for (TRect src : {Rect(2, 0, 9, 3), Rect(-1, 0, 6, 3), Rect(0, 0, 7, 5), Rect(0, -1, 7, 2)})
        stretch(Rect(0, 0, 7, 3), Rect(0, 0, 7, 3), src);
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(Columns(target, y), std::vector<int>(7, -1));

    // A destination partly off the target keeps the whole rectangle's
    // mapping: unscaled it shifts the source, scaled it skips columns.
    stretch(Rect(-2, -1, 5, 2), Rect(-2, -1, 5, 2), Rect(0, 0, 7, 3));
    EXPECT_EQ(Columns(target, 0), (std::vector<int>{2, 3, 4, 5, 6, -1, -1}));
    EXPECT_EQ(*target.PixelPtr(0, 0) >> 8 & 0xFF, 1u);
    EXPECT_EQ(Columns(target, 2), std::vector<int>(7, -1));
    stretch(Rect(-4, 0, 6, 1), Rect(-4, 0, 6, 1), Rect(0, 0, 4, 1));
    EXPECT_EQ(Columns(target, 0), (std::vector<int>{1, 1, 2, 2, 2, 3, -1}));
    // The clip limits the drawing, not the mapping.
    clear();
    stretch(Rect(3, 0, 4, 1), Rect(0, 0, 7, 1), Rect(1, 0, 4, 1));
    EXPECT_EQ(Columns(target, 0), (std::vector<int>{-1, -1, -1, 2, -1, -1, -1}));

    // 1 x 1 onto 1 x 1 copies the pixel, alpha and all.
    *source.PixelPtr(5, 3) = 0x12345678;
    stretch(Rect(6, 2, 7, 3), Rect(6, 2, 7, 3), Rect(5, 3, 6, 4));
    EXPECT_EQ(*target.PixelPtr(6, 2), 0x12345678u);
}

TEST(BlitTables, BlendKeyAndBottomUpVariants)
{
    TbsBitmap source, target;
    source.SetSize(2, 1);
    *source.PixelPtr(0, 0) = 0x80FF0000;
    *source.PixelPtr(1, 0) = kKeyPixel;
    target.SetSize(4, 2);
    target.FillRect(Rect(0, 0, 4, 2), 0xFF0000FF);
    const TbsBlitRoutines& blits = BlitRoutines();

    // Two columns onto four pick 0, 0, 0, 1: blended, and left alone by the
    // key pixel's alpha 0; keyed, written opaque and left alone by the key.
    blits.StretchBlendToBitmap(&target, Rect(0, 0, 4, 2), Rect(0, 0, 4, 2), Rect(0, 0, 2, 1), &source);
    EXPECT_EQ(*target.PixelPtr(2, 1), RowRoutines().BlendPixel(0x80FF0000, 0xFF0000FF));
    EXPECT_EQ(*target.PixelPtr(3, 1), 0xFF0000FFu);
    blits.StretchKeyToBitmap(&target, Rect(0, 0, 4, 2), Rect(0, 0, 4, 2), Rect(0, 0, 2, 1), &source);
    EXPECT_EQ(*target.PixelPtr(2, 1), 0xFFFF0000u);
    EXPECT_EQ(*target.PixelPtr(3, 1), 0xFF0000FFu);
    // Unscaled routines refuse areas outside either bitmap.
    EXPECT_THROW(blits.CopySameSize(&target, Rect(3, 0, 5, 1), &source, 0, 0), EAssertionFailed);
    EXPECT_THROW(blits.BlendSameSize(&target, Rect(0, 0, 2, 1), &source, 1, 0), EAssertionFailed);
    EXPECT_THROW(blits.KeySameSize(&target, Rect(0, 0, 1, 1), &source, 0, -1), EAssertionFailed);

    // Bottom-up buffers: row 0 is stored last, and the mapping rounds half
    // to even: 3 columns onto 5 map 0, 0.5, 1, 1.5, 2 to 0, 0, 1, 2, 2.
    FillWithPositions(source, 3, 1);
    std::vector<uint32_t> buffer(5 * 2, 0);
    blits.StretchCopyToDIB(buffer.data(), 5, 2, Rect(0, 0, 5, 1), Rect(0, 0, 5, 1), Rect(0, 0, 3, 1), &source);
    EXPECT_EQ(buffer, (std::vector<uint32_t>{0, 0, 0, 0, 0, 0xFF000000, 0xFF000000, 0xFF000001, 0xFF000002,
                                             0xFF000002}));
}
