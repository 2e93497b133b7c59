// The skin mask stretched to the window: the region SetFormRegion sets and
// the sizing test's inside-the-mask agree with the stretched mask pixel for
// pixel, and points off every strip are outside without being read.
#include "skin/form/bs_frame_mask.h"

#include <gtest/gtest.h>

#include "platform/gdi/regions.h"
#include "skin/form/bs_frame_layout.h"
#include "tests/skin/form/frame_test_support.h"

namespace {

class FrameMaskTest : public FrameTest {
protected:
    void Build(int W, int H)
    {
        TbsFrameMetrics m = CalcFrameMetrics(*data_, TTestFrameSkin::PW, TTestFrameSkin::PH, W, H);
        mask_.Build(*data_, m, data_->Mask.get(), W, H);
    }
    TbsFrameMask mask_;
};

TEST_F(FrameMaskTest, RegionAt500x300IsTheStretchedMask)
{
    constexpr int W = 500, H = 300;
    Build(W, H);
    HRGN region = mask_.CreateRegion();
    ASSERT_NE(region, nullptr);
    int wrong = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            bool expected = TTestFrameSkin::MaskKeeps(x, y, W);
            if (PtInRegion(region, x, y) != expected || mask_.Contains({x, y}) != expected)
                ++wrong;
        }
    EXPECT_EQ(wrong, 0);
    TRect box{};
    GetRgnBox(region, &box);
    EXPECT_EQ(box, (TRect{0, 0, W, H}));
    DeleteObject(region);
}

TEST_F(FrameMaskTest, PointsOffEveryStripAreOutside)
{
    Build(300, 200);
    for (TPoint p : {TPoint{-5, 100}, TPoint{-1, 0}, TPoint{303, 10}, TPoint{300, 100}, TPoint{10, -1},
                     TPoint{100, 204}, TPoint{100, 200}, TPoint{-100000, -100000}, TPoint{100000, 100000}})
        EXPECT_FALSE(mask_.Contains(p)) << p.X << "," << p.Y;
    EXPECT_TRUE(mask_.Contains({299, 199}));
    EXPECT_FALSE(mask_.Contains({0, 0}));  // the rounded corner
}

TEST_F(FrameMaskTest, WithoutAMaskEverythingIsInsideAndNoRegionIsMade)
{
    Build(300, 200);
    mask_.Build(*data_, CalcFrameMetrics(*data_, 200, 150, 300, 200), nullptr, 300, 200);
    EXPECT_TRUE(mask_.Empty());
    EXPECT_TRUE(mask_.Contains({0, 0}));
    EXPECT_EQ(mask_.CreateRegion(), nullptr);
}

}  // namespace
