#include "skin/data/bs_effects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "platform/ui/graphics/canvas.h"
#include "skin/data/bs_bitmap.h"
#include "tests/skin/data/skin_pictures.h"

namespace {

using V = std::vector<uint32_t>;

// An effect bitmap Width wide holding Pixels row by row.
std::unique_ptr<TbsEffectBmp> Effect(const V& Pixels, int Width = 0)
{
    int w = Width ? Width : int(Pixels.size());
    auto e = TbsEffectBmp::CreateSize(w, int(Pixels.size()) / w);
    for (size_t i = 0; i < Pixels.size(); ++i)
        e->SetPixel(int(i) % w, int(i) / w, Pixels[i]);
    return e;
}

V PixelsOf(const TbsEffectBmp& E)
{
    V pixels;
    for (int y = 0; y < E.Height(); ++y)
        for (int x = 0; x < E.Width(); ++x)
            pixels.push_back(E.GetPixel(x, y));
    return pixels;
}

template <typename F>
V After(V Pixels, F&& Change, int Width = 0)
{
    auto e = Effect(Pixels, Width);
    Change(*e);
    return PixelsOf(*e);
}

using TMorph = void (TbsEffectBmp::*)(const TbsEffectBmp*, double);

// The row 1 .. 5 morphed towards 101 .. 105.
V Morphed(TMorph Morph, double Kf)
{
    return After({1, 2, 3, 4, 5}, [&](TbsEffectBmp& e) { (e.*Morph)(Effect({101, 102, 103, 104, 105}).get(), Kf); });
}

}  // namespace

TEST(Effects, ImageEffectsRoundTiesToEven)
{
    // 127.5 -> 128, 128.5 -> 128, 129; 177.5 -> 178, 255, 128.
    EXPECT_EQ(After({0x000203, 0x64FF01}, [](auto& e) { e.Brightness(0.5); }), (V{0x808081, 0xB2FF80}));
    // 3.5 -> 4, 10.5 -> 10, 17.5 -> 18; 24.5 -> 24, 0, 4.9 -> 5.
    EXPECT_EQ(After({0x050F19, 0x230007}, [](auto& e) { e.Darkness(0.3); }), (V{0x040A12, 0x180005}));
    // 0.3 * 100 + 0.59 * 50 + 0.11 * 200 = 81.5 -> 82.
    EXPECT_EQ(After({0x6432C8}, [](auto& e) { e.Grayscale(); }), (V{0x525252}));
    EXPECT_EQ(After({0x123456}, [](auto& e) { e.Invert(); }), (V{0xEDCBA9}));
    // K counts between 0 and 1.
    EXPECT_EQ(After({0x123456}, [](auto& e) { e.Brightness(0); e.Darkness(-2); }), (V{0x123456}));
    EXPECT_EQ(After({0x123456}, [](auto& e) { e.Brightness(7); }), (V{0xFFFFFF}));
    EXPECT_EQ(After({0x123456}, [](auto& e) { e.Darkness(1); }), (V{0}));

    // Noise is grey, within -Amount div 2 .. Amount - 1 - Amount div 2.
    std::set<uint32_t> seen;
    for (uint32_t p : After(V(200, 0x808080), [](auto& e) { e.AddColorNoise(50); })) {
        ASSERT_EQ(p, (p & 0xFF) * 0x010101u);
        ASSERT_TRUE(p >= 0x676767 && p <= 0x989898) << std::hex << p;
        seen.insert(p);
    }
    EXPECT_GT(seen.size(), 10u);

    // Split blur works top down in place: the last row's lower samples come
    // from row Height - y = 1, already blurred. With an Amount past the
    // image the far samples stay on its last row and column.
    V grid{0, 40, 80, 120, 160, 200, 240, 16, 32};
    EXPECT_EQ(After(grid, [](auto& e) { e.SplitBlur(1); }, 3), (V{80, 100, 100, 109, 113, 58, 111, 83, 113}));
    EXPECT_EQ(After(grid, [](auto& e) { e.SplitBlur(5); }, 3), (V{88, 42, 42, 148, 102, 102, 130, 63, 63}));
    EXPECT_EQ(After(grid, [](auto& e) { e.SplitBlur(0); }, 3), grid);
}

TEST(Effects, MorphsFollowTheirVectors)
{
    // 10.5 -> 10, 0.5 -> 0, 2.5 -> 2; 127.5 -> 128 twice. Kf counts between 0 and 1.
    EXPECT_EQ(After({0x0A0002, 0x00FF00}, [](auto& e) { e.Morph(Effect({0x0B0103, 0xFF0000}).get(), 0.5); }),
              (V{0x0A0002, 0x808000}));
    EXPECT_EQ(After({5, 6}, [](auto& e) { e.Morph(Effect({1, 2}).get(), 3); }), (V{1, 2}));
    EXPECT_EQ(After({5, 6}, [](auto& e) { e.Morph(Effect({1, 2, 3}).get(), 1); }), (V{5, 6}));  // other size

    EXPECT_EQ(Morphed(&TbsEffectBmp::MorphLeftSlide, 0), (V{105, 2, 3, 4, 5}));
    EXPECT_EQ(Morphed(&TbsEffectBmp::MorphLeftSlide, 1), (V{102, 103, 104, 105, 5}));
    EXPECT_EQ(Morphed(&TbsEffectBmp::MorphRightSlide, 0), (V{1, 2, 3, 4, 101}));
    EXPECT_EQ(Morphed(&TbsEffectBmp::MorphRightSlide, 1), (V{1, 101, 102, 103, 104}));
    EXPECT_EQ(Morphed(&TbsEffectBmp::MorphPush, 0), (V{105, 1, 2, 3, 4}));
    EXPECT_EQ(Morphed(&TbsEffectBmp::MorphPush, 0.4), (V{103, 104, 105, 1, 2}));
    EXPECT_EQ(Morphed(&TbsEffectBmp::MorphPush, 1), (V{101, 102, 103, 104, 105}));
    EXPECT_EQ(Morphed(&TbsEffectBmp::MorphLeftGrad, 0.4), (V{101, 52, 3, 4, 5}));
    EXPECT_EQ(Morphed(&TbsEffectBmp::MorphRightGrad, 0.4), (V{1, 2, 3, 54, 105}));
    EXPECT_EQ(Morphed(&TbsEffectBmp::MorphGrad, 1), (V{101, 102, 103, 104, 105}));
    // At 0.9 of ten columns the band is 1..9 and column 0 keeps its own
    // pixel; across ten rows (step 0) row 0 takes the other one.
    EXPECT_EQ(After(V(10, 1), [](auto& e) { e.MorphGrad(Effect(V(10, 200)).get(), 0.9); }),
              (V{1, 200, 200, 200, 200, 200, 200, 200, 200, 200}));
    EXPECT_EQ(After(V(10, 1), [](auto& e) { e.MorphGrad(Effect(V(10, 200), 1).get(), 0.9); }, 1), V(10, 200));
    // One column: the left gradient takes the other column whole.
    EXPECT_EQ(After({9}, [](auto& e) { e.MorphLeftGrad(Effect({77}).get(), 0.5); }), (V{77}));

    auto empty = TbsEffectBmp::CreateSize(0, 4);
    EXPECT_EQ(empty->Bits(), nullptr);
    empty->Brightness(0.5);
    empty->AddColorNoise(50);
    empty->SplitBlur(1);
    for (TMorph m : {&TbsEffectBmp::Morph, &TbsEffectBmp::MorphGrad, &TbsEffectBmp::MorphLeftGrad,
                     &TbsEffectBmp::MorphRightGrad, &TbsEffectBmp::MorphLeftSlide, &TbsEffectBmp::MorphRightSlide,
                     &TbsEffectBmp::MorphPush})
        ((*empty).*m)(TbsEffectBmp::CreateSize(0, 4).get(), 0.5);
}

TEST(Effects, PlatformCopiesRotationsAndFlips)
{
    auto e = TbsEffectBmp::CreateFromHandle(CodedPicture(3, 2)->Handle());
    EXPECT_EQ(PixelsOf(*e), (V{Code(0, 0), Code(1, 0), Code(2, 0), Code(0, 1), Code(1, 1), Code(2, 1)}));
    EXPECT_EQ(e->Stride(), 12);
    auto left = TbsEffectBmp::CreateSize(2, 3);
    auto right = TbsEffectBmp::CreateSize(2, 3);
    auto flipped = TbsEffectBmp::CreateSize(3, 2);
    e->RotateLeft(left.get());
    e->RotateRight(right.get());
    e->FlipVert(flipped.get());
    EXPECT_EQ(PixelsOf(*left), (V{Code(2, 0), Code(2, 1), Code(1, 0), Code(1, 1), Code(0, 0), Code(0, 1)}));
    EXPECT_EQ(PixelsOf(*right), (V{Code(0, 1), Code(0, 0), Code(1, 1), Code(1, 0), Code(2, 1), Code(2, 0)}));
    EXPECT_EQ(PixelsOf(*flipped), (V{Code(0, 1), Code(1, 1), Code(2, 1), Code(0, 0), Code(1, 0), Code(2, 0)}));
    e->RotateLeft(flipped.get());  // the wrong size: left alone
    EXPECT_EQ(flipped->GetPixel(0, 0), Code(0, 1));

    auto target = NewPicture(5, 4);
    e->Draw(target->Canvas()->Handle(), 1, 1);
    EXPECT_EQ(ColorAt(*target, 3, 2), Code(2, 1));
    EXPECT_EQ(ColorAt(*target, 4, 3), 0xFFFFFFu);
}

TEST(Effects, BlurAndMaskToAlpha)
{
    // Radius 1: weights 1, 2, 1 across and then down, each divided by 4.
    TbsBitmap dot;
    dot.SetSize(4, 4);
    *dot.PixelPtr(2, 2) = 0x00FFFFFF;
    BlurBitmap(&dot, 1);
    EXPECT_EQ((V{*dot.PixelPtr(2, 2), *dot.PixelPtr(2, 1), *dot.PixelPtr(1, 2), *dot.PixelPtr(1, 1),
                 *dot.PixelPtr(0, 0)}),
              (V{0xFF3F3F3F, 0xFF1F1F1F, 0xFF1F1F1F, 0xFF0F0F0F, 0xFF000000}));

    // The running sums against the weighted sums taken directly, also for
    // radii reaching past the picture.
    std::mt19937 random(7);
    for (int r : {1, 2, 3, 9}) {
        TbsBitmap b;
        b.SetSize(7, 5);
        V original(35);
        for (uint32_t& p : original)
            p = random() & 0x00FFFFFF;
        std::copy(original.begin(), original.end(), b.Bits());
        BlurBitmap(&b, r);
        auto pass = [r](auto Sample, int Count, int At) {
            int sum = 0;
            for (int i = -r; i <= r; ++i)
                sum += (r + 1 - std::abs(i)) * Sample(std::clamp(At + i, 0, Count - 1));
            return sum / ((r + 1) * (r + 1));
        };
        for (int shift : {0, 8, 16})
            for (int i = 0; i < 35; ++i) {
                auto across = [&](int Y) {
                    return pass([&](int X) { return int(original[Y * 7 + X] >> shift & 0xFF); }, 7, i % 7);
                };
                ASSERT_EQ(int(b.Bits()[i] >> shift & 0xFF), pass(across, 5, i / 7)) << r << " at " << i;
            }
    }

    // A mask smaller than the picture: no mask pixel, no alpha.
    TbsBitmap picture, mask;
    picture.SetSize(3, 2);
    std::fill(picture.Bits(), picture.Bits() + 6, 0xFFFF8040);
    mask.SetSize(2, 1);
    mask.Bits()[0] = 0x000A141F;  // (10 + 20 + 31) / 3 = 20
    mask.Bits()[1] = 0xFFFFFFFF;
    MaskToAlpha(&picture, &mask);
    EXPECT_EQ(V(picture.Bits(), picture.Bits() + 4), (V{0x14FF8040, 0xFFFF8040, 0x00FF8040, 0x00FF8040}));
    MaskToAlphaPremultiplied(&picture, &mask);
    EXPECT_EQ(V(picture.Bits(), picture.Bits() + 3), (V{0x14140A05, 0xFFFF8040, 0}));
}
