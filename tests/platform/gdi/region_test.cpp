#include "platform/gdi/regions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <set>
#include <utility>
#include <vector>

#include "platform/gdi/device_context.h"
#include "tests/support/test_random.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels PixelsOf(const std::vector<TRect>& rects)
{
    Pixels p;
    for (const TRect& r : rects)
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                p.insert({x, y});
    return p;
}

std::vector<uint8_t> RegionData(const std::vector<TRect>& rects)
{
    std::vector<uint8_t> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(TRect));
    RGNDATAHEADER h;
    h.nCount = static_cast<uint32_t>(rects.size());
    std::memcpy(data.data(), &h, sizeof h);
    if (!rects.empty())
        std::memcpy(data.data() + sizeof h, rects.data(), rects.size() * sizeof(TRect));
    return data;
}

HRGN RegionFrom(const std::vector<TRect>& rects)
{
    std::vector<uint8_t> data = RegionData(rects);
    return ExtCreateRegion(nullptr, static_cast<uint32_t>(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
}

std::vector<TRect> RectsOf(HRGN rgn)
{
    uint32_t size = GetRegionData(rgn, 0, nullptr);
    std::vector<uint8_t> data(size);
    EXPECT_EQ(GetRegionData(rgn, size, reinterpret_cast<RGNDATA*>(data.data())), size);
    RGNDATAHEADER h;
    std::memcpy(&h, data.data(), sizeof h);
    std::vector<TRect> rects(h.nCount);
    if (h.nCount)
        std::memcpy(rects.data(), data.data() + sizeof h, h.nCount * sizeof(TRect));
    return rects;
}

// The canonical form: bands in order, rectangles in a band sorted and apart.
void ExpectBanded(const std::vector<TRect>& rects)
{
    for (size_t i = 1; i < rects.size(); ++i) {
        const TRect& a = rects[i - 1];
        const TRect& b = rects[i];
        if (a.Top == b.Top) {
            EXPECT_EQ(a.Bottom, b.Bottom);
            EXPECT_LT(a.Right, b.Left);
        } else {
            EXPECT_LE(a.Bottom, b.Top);
        }
    }
}

}  // namespace

TEST(Regions, AlgebraMatchesAPixelModelOnRandomInput)
{
    TRandom rng(12345);
    auto coord = [&rng] { return rng.Between(0, 30); };
    auto randomRects = [&] {
        std::vector<TRect> rects;
        for (int i = rng.Between(0, 6); i > 0; --i) {
            int x1 = coord(), x2 = coord(), y1 = coord(), y2 = coord();
            rects.push_back({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)});
        }
        return rects;
    };
    HRGN dest = CreateRectRgn(0, 0, 0, 0);
    for (int round = 0; round < 300; ++round) {
        std::vector<TRect> ra = randomRects(), rb = randomRects();
        Pixels pa = PixelsOf(ra), pb = PixelsOf(rb);
        HRGN a = RegionFrom(ra), b = RegionFrom(rb);
        ASSERT_EQ(PixelsOf(RectsOf(a)), pa);
        for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF}) {
            Pixels want;
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 30; ++x) {
                    bool inA = pa.count({x, y}), inB = pb.count({x, y});
                    bool in = mode == RGN_AND ? inA && inB : mode == RGN_OR ? inA || inB : mode == RGN_XOR ? inA != inB
                                                                                                         : inA && !inB;
                    if (in)
                        want.insert({x, y});
                }
            int kind = CombineRgn(dest, a, b, mode);
            std::vector<TRect> got = RectsOf(dest);
            EXPECT_EQ(PixelsOf(got), want) << "mode " << mode << " round " << round;
            ExpectBanded(got);
            EXPECT_EQ(kind, want.empty() ? NULLREGION : got.size() == 1 ? SIMPLEREGION : COMPLEXREGION);
            // Equal pixel sets give equal regions, however they were built.
            std::vector<TRect> rows;
            for (auto [x, y] : want)
                rows.push_back({x, y, x + 1, y + 1});
            HRGN rebuilt = RegionFrom(rows);
            EXPECT_TRUE(EqualRgn(rebuilt, dest));
            DeleteObject(rebuilt);
            int x = coord(), y = coord();
            EXPECT_EQ(PtInRegion(dest, x, y), want.count({x, y}) == 1);
        }
        DeleteObject(a);
        DeleteObject(b);
    }
    DeleteObject(dest);
}

TEST(Regions, RegionDataIsTheStoredLayout)
{
    HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(15, 15, 5, 5);  // corners in any order
    ASSERT_EQ(CombineRgn(a, a, b, RGN_OR), COMPLEXREGION);
    uint32_t size = GetRegionData(a, 0, nullptr);
    ASSERT_EQ(size, 32u + 3 * 16);
    EXPECT_EQ(GetRegionData(a, size - 1, reinterpret_cast<RGNDATA*>(std::vector<uint8_t>(size).data())), 0u);
    std::vector<int32_t> words(size / 4);
    ASSERT_EQ(GetRegionData(a, size, reinterpret_cast<RGNDATA*>(words.data())), size);
    std::vector<int32_t> expected = {32, 1, 3, 48, 0, 0, 15, 15,  // header and bounds
                                     0, 0, 10, 5, 0, 5, 15, 10, 5, 10, 15, 15};
    EXPECT_EQ(words, expected);
    TRect box;
    EXPECT_EQ(OffsetRgn(a, 2, 3), COMPLEXREGION);
    EXPECT_EQ(GetRgnBox(a, &box), COMPLEXREGION);
    EXPECT_EQ(box, Rect(2, 3, 17, 18));
    TRect probe = Rect(0, 0, 3, 4);
    EXPECT_TRUE(RectInRegion(a, &probe));
    probe = Rect(13, 3, 20, 8);
    EXPECT_FALSE(RectInRegion(a, &probe));
    EXPECT_TRUE(SetRectRgn(a, 0, 0, 0, 0));
    EXPECT_EQ(GetRgnBox(a, &box), NULLREGION);
    EXPECT_EQ(CombineRgn(b, a, nullptr, RGN_COPY), NULLREGION);
    // Header errors are refused, not read past.
    std::vector<uint8_t> data = RegionData({{0, 0, 1, 1}});
    reinterpret_cast<uint32_t*>(data.data())[2] = 1000;
    EXPECT_EQ(ExtCreateRegion(nullptr, static_cast<uint32_t>(data.size()), reinterpret_cast<RGNDATA*>(data.data())),
              nullptr);
    // So is a header of another size or kind (dwSize, then iType).
    for (auto [word, value] : std::initializer_list<std::pair<int, uint32_t>>{{0, 31}, {0, 48}, {1, 0}, {1, 2}}) {
        data = RegionData({{0, 0, 1, 1}});
        reinterpret_cast<uint32_t*>(data.data())[word] = value;
        EXPECT_EQ(ExtCreateRegion(nullptr, static_cast<uint32_t>(data.size()), reinterpret_cast<RGNDATA*>(data.data())),
                  nullptr)
            << "header word " << word << " = " << value;
    }
    HRGN made = RegionFrom({{0, 0, 1, 1}});
    EXPECT_EQ(RectsOf(made), (std::vector<TRect>{{0, 0, 1, 1}}));
    DeleteObject(made);
    DeleteObject(a);
    DeleteObject(b);
}

TEST(Regions, ShapesFillTheirBoxes)
{
    HRGN e = CreateEllipticRgn(10, 10, 30, 20);
    TRect box;
    GetRgnBox(e, &box);
    EXPECT_EQ(box, Rect(10, 10, 30, 20));
    EXPECT_TRUE(PtInRegion(e, 20, 15));
    EXPECT_FALSE(PtInRegion(e, 10, 10));  // corners are outside
    HRGN rr = CreateRoundRectRgn(0, 0, 20, 20, 8, 8);
    EXPECT_FALSE(PtInRegion(rr, 0, 0));
    EXPECT_TRUE(PtInRegion(rr, 10, 0));
    EXPECT_TRUE(PtInRegion(rr, 0, 10));
    // Two overlapping squares drawn the same way round: the overlap is a
    // hole with ALTERNATE and filled with WINDING.
    TPoint squares[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {5, 5}, {15, 5}, {15, 15}, {5, 15}, {5, 5}};
    HRGN alt = CreatePolygonRgn(squares, 10, ALTERNATE);
    HRGN wind = CreatePolygonRgn(squares, 10, WINDING);
    EXPECT_FALSE(PtInRegion(alt, 7, 7));
    EXPECT_TRUE(PtInRegion(wind, 7, 7));
    EXPECT_TRUE(PtInRegion(alt, 2, 2));
    GetRgnBox(wind, &box);
    EXPECT_EQ(box, Rect(0, 0, 15, 15));
    for (HRGN r : {e, rr, alt, wind})
        DeleteObject(r);
}
