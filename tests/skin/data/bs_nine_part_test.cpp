#include "skin/data/bs_nine_part.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/skin/data/skin_pictures.h"

namespace {

// A piece of a skin picture with its client and corner points.
struct TPiece {
    TRect R, Cl;
    TPoint LT, RT, LB, RB;
};

// The piece built into a target grown by (DX, DY), the new points moved as
// the skinned controls move them.
std::unique_ptr<TBitmap> Build(TBitmap* Picture, const TPiece& P, int DX, int DY, bool Stretch, bool ClientStretch,
                                TbsStretchType Type, bool View = false)
{
    auto b = NewPicture(1, 1);
    (View ? CreateSkinImageForView : CreateSkinImage)(
        P.LT, P.RT, P.LB, P.RB, P.Cl, P.LT, {P.RT.X + DX, P.RT.Y}, {P.LB.X, P.LB.Y + DY},
        {P.RB.X + DX, P.RB.Y + DY}, {P.Cl.Left, P.Cl.Top, P.Cl.Right + DX, P.Cl.Bottom + DY}, b.get(), Picture, P.R,
        P.R.Width() + DX, P.R.Height() + DY, true, Stretch, Stretch, Stretch, Stretch, ClientStretch, Type);
    return b;
}

}  // namespace

TEST(NinePart, SameSizeTargetReproducesThePieceInEveryMode)
{
    auto picture = CodedPicture(40, 30);
    TPiece p{{4, 2, 24, 18}, {3, 4, 16, 12}, {5, 6}, {14, 6}, {6, 10}, {13, 11}};
    for (auto [stretch, clientStretch, type] : {std::tuple{false, false, stfull}, {true, true, stfull},
                                                {true, true, sthorz}, {false, true, stvert}}) {
        auto b = Build(picture.get(), p, 0, 0, stretch, clientStretch, type);
        ASSERT_EQ(b->Width(), 20);
        ASSERT_EQ(b->Height(), 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_EQ(ColorAt(*b, x, y), Code(x + 4, y + 2)) << x << "," << y << " mode " << type;
    }
}

TEST(NinePart, EdgesTileAndStretch)
{
    auto picture = CodedPicture(30, 20);
    TPiece p{{0, 0, 30, 20}, {4, 4, 26, 16}, {5, 4}, {15, 4}, {4, 16}, {26, 16}};  // top middle 5..15
    // A span of 25: tiles of 10, 10 and 5, the last showing the middle's
    // first 5 columns; then the right corner.
    auto b = Build(picture.get(), p, 15, 7, false, false, stfull);
    for (int k = 0; k < 25; ++k)
        EXPECT_EQ(ColorAt(*b, 5 + k, 1), Code(5 + k % 10, 1)) << k;
    EXPECT_EQ(ColorAt(*b, 30, 3), Code(15, 3));
    for (int k = 0; k < 19; ++k)  // the left middle, rows 4..16, tiled down
        EXPECT_EQ(ColorAt(*b, 2, 4 + k), Code(2, 4 + k % 12)) << k;
    // An exact multiple: whole tiles only.
    b = Build(picture.get(), p, 10, 0, false, false, stfull);
    EXPECT_EQ(ColorAt(*b, 24, 0), Code(14, 0));
    EXPECT_EQ(ColorAt(*b, 25, 0), Code(15, 0));
    // Stretched: every middle column shows, in order, the first and last at the ends.
    b = Build(picture.get(), p, 15, 0, true, false, stfull);
    std::set<int> seen;
    for (int k = 0; k < 25; ++k) {
        seen.insert(CodeX(ColorAt(*b, 5 + k, 2)));
        EXPECT_LE(ColorAt(*b, 4 + k, 2), ColorAt(*b, 5 + k, 2));
    }
    EXPECT_EQ(seen, (std::set<int>{5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(ColorAt(*b, 29, 2), Code(14, 2));
}

TEST(NinePart, ClientFillModesAndViews)
{
    auto picture = CodedPicture(14, 14);
    // A 10 x 10 client at (2, 2) in a target client of 25 x 40.
    TPiece p{{0, 0, 14, 14}, {2, 2, 12, 12}, {2, 2}, {12, 2}, {2, 12}, {12, 12}};
    auto tiled = Build(picture.get(), p, 15, 30, false, false, stfull);
    auto horz = Build(picture.get(), p, 15, 30, false, true, sthorz);
    auto vert = Build(picture.get(), p, 15, 30, false, true, stvert);
    for (int r = 0; r < 40; ++r)
        for (int c = 0; c < 25; ++c) {
            ASSERT_EQ(ColorAt(*tiled, 2 + c, 2 + r), Code(2 + c % 10, 2 + r % 10));
            // sthorz: three copies of the client stretched to 40 rows, the last cut.
            ASSERT_EQ(ColorAt(*horz, 2 + c, 2 + r), Code(2 + c % 10, CodeY(ColorAt(*horz, 2, 2 + r))));
            ASSERT_EQ(ColorAt(*vert, 2 + c, 2 + r), Code(CodeX(ColorAt(*vert, 2 + c, 2)), 2 + r % 10));
        }
    EXPECT_EQ(ColorAt(*horz, 2, 41), Code(2, 11));
    EXPECT_EQ(ColorAt(*vert, 26, 2), Code(11, 2));
    // A view has no right column: top middle, client and bottom middle reach the right side.
    auto view = Build(picture.get(), p, 15, 0, false, false, stfull, true);
    for (int y : {0, 5, 13})
        EXPECT_EQ(ColorAt(*view, 28, y), Code(8, y));
}

TEST(NinePart, OffsetsBorderStripsAndThreeParts)
{
    auto picture = CodedPicture(30, 20);
    auto b = NewPicture(30, 20);
    // A piece of 12 x 10 at (2, 1) with borders 3, 2, 3 and 2: corners stay, the client stretches.
    CreateSkinImageByOffsets(b.get(), picture.get(), {2, 1, 14, 11}, {3, 2, 9, 8}, true);
    EXPECT_EQ(ColorAt(*b, 29, 0), Code(13, 1));
    EXPECT_EQ(ColorAt(*b, 27, 19), Code(11, 10));
    EXPECT_EQ(ColorAt(*b, 3, 2), Code(5, 3));
    EXPECT_EQ(ColorAt(*b, 26, 17), Code(10, 8));

    TPiece p{{0, 0, 30, 20}, {4, 4, 26, 16}, {5, 6}, {15, 6}, {4, 12}, {26, 12}};
    auto left = NewPicture(1, 1), top = NewPicture(1, 1), right = NewPicture(1, 1), bottom = NewPicture(1, 1);
    CreateSkinBorderImages(p.LT, p.RT, p.LB, p.RB, p.Cl, p.LT, {25, 6}, {4, 17}, {36, 17}, {4, 4, 36, 21},
                           left.get(), top.get(), right.get(), bottom.get(), picture.get(), p.R, 40, 25, false, false,
                           false, false);
    EXPECT_EQ((std::vector<int>{top->Width(), top->Height(), bottom->Height(), left->Height(), right->Width()}),
              (std::vector<int>{40, 4, 4, 17, 4}));
    EXPECT_EQ(ColorAt(*top, 25, 0), Code(15, 0));
    EXPECT_EQ(ColorAt(*bottom, 39, 3), Code(29, 19));
    // The left middle (rows 6..12) tiled from the strip's top, under the fixed
    // pieces: rows 4..6 at the top, rows 12..16 at the bottom.
    std::vector<int> rows;
    for (int y = 0; y < 17; ++y)
        rows.push_back(CodeY(ColorAt(*left, 1, y)));
    EXPECT_EQ(rows, (std::vector<int>{4, 5, 8, 9, 10, 11, 6, 7, 8, 9, 10, 11, 6, 12, 13, 14, 15}));

    // Three parts: left 3, middle 5 tiled, right 2.
    CreateHSkinImage(3, 2, b.get(), picture.get(), {1, 1, 11, 5}, 20, 99, false);
    std::vector<int> columns;
    for (int x = 0; x < b->Width(); ++x)
        columns.push_back(CodeX(ColorAt(*b, x, 0)) - 1);
    EXPECT_EQ(b->Height(), 4);
    EXPECT_EQ(columns, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 3, 4, 5, 6, 7, 3, 4, 5, 6, 7, 8, 9}));
    CreateHSkinMiddleImage(3, 2, b.get(), picture.get(), {1, 1, 11, 5}, 7, 0, false);
    EXPECT_EQ(CodeX(ColorAt(*b, 6, 0)), 1 + 4);
    CreateHSkinImage(6, 4, b.get(), picture.get(), {1, 1, 11, 5}, 14, 0, false);  // no middle: column 6 repeats
    EXPECT_EQ(CodeX(ColorAt(*b, 8, 0)), 1 + 6);
    CreateVSkinImage(1, 1, b.get(), picture.get(), {1, 1, 11, 5}, 0, 9, false);
    rows.clear();
    for (int y = 0; y < b->Height(); ++y)
        rows.push_back(CodeY(ColorAt(*b, 0, y)) - 1);
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 2, 1, 2, 1, 2, 1, 3}));
}

TEST(NinePart, GlyphsAndBrokenSkinValues)
{
    // Four glyphs 3 wide, each with a white (transparent) bottom-left pixel.
    auto glyphs = NewPicture(12, 2);
    for (int x = 0; x < 12; ++x)
        PixelOf(*glyphs, x, 0) = PixelOf(*glyphs, x, 1) = x % 3 ? 0x10 * (x / 3 + 1) : ~0u;
    auto canvas = NewPicture(8, 2);
    PixelOf(*canvas, 4, 1) = 0x123456;
    DrawGlyph(canvas->Canvas(), 0, 0, glyphs.get(), 4, 1);
    DrawGlyph(canvas->Canvas(), 4, 0, glyphs.get(), 4, 4);
    EXPECT_EQ(ColorAt(*canvas, 1, 0), 0x10u);
    EXPECT_EQ(ColorAt(*canvas, 6, 1), 0x40u);
    EXPECT_EQ(ColorAt(*canvas, 4, 1), 0x123456u);
    DrawGlyph(canvas->Canvas(), 0, 0, glyphs.get(), 0, 1);  // NumGlyphs 0: the whole strip
    EXPECT_EQ(ColorAt(*canvas, 7, 0), 0x30u);
    DrawGlyph(canvas->Canvas(), 0, 0, glyphs.get(), 13, 1);  // cells of no width: nothing
    EXPECT_EQ(ColorAt(*canvas, 7, 0), 0x30u);

    // RBPt.X equal to LTPt.X: B is resized and left untouched.
    auto picture = CodedPicture(30, 20);
    auto b = NewPicture(1, 1);
    CreateSkinImage({5, 4}, {15, 4}, {4, 16}, {5, 16}, {4, 4, 26, 16}, {5, 4}, {15, 4}, {4, 16}, {5, 16},
                    {4, 4, 26, 16}, b.get(), picture.get(), {0, 0, 30, 20}, 33, 21, true, false, false, false, false,
                    false, stfull);
    ASSERT_EQ(b->Width(), 33);
    ASSERT_EQ(b->Height(), 21);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 33; ++x)
            ASSERT_EQ(ColorAt(*b, x, y), 0xFFFFFFu);
    // Zero-width middles and client, spans reaching far past the target, an
    // empty picture: each draws what fits and returns at once.
    TPoint far{1000000000, 4};
    CreateSkinImage({5, 4}, {5, 4}, {4, 4}, {26, 16}, {4, 4, 4, 4}, {5, 4}, far, {4, 4}, far,
                    {-1000000000, 4, 1000000000, 16}, b.get(), picture.get(), {0, 0, 30, 20}, 50, 32, true, false,
                    false, false, false, false, stfull);
    EXPECT_EQ(ColorAt(*b, 4, 3), Code(4, 3));
    EXPECT_EQ(ColorAt(*b, 49, 20), Code(4 + 45 % 22, 8));
    TBitmap empty;
    CreateHSkinImage(2, 2, b.get(), &empty, {0, 0, 10, 5}, 10, 0, false);
    EXPECT_EQ(b->Height(), 5);
}
