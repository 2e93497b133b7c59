// The scroll bar's geometry and range rules without a window: the plain
// bar's rectangles, the thumb's rounding, skinned places following the
// bar's size, and the clamping of Position by Min, Max and PageSize.
#include <gtest/gtest.h>

#include <climits>

#include "skin/controls/bs_scroll_bar_layout.h"

namespace {

TbsScrollBarLayout Plain(int Width, int Height, TbsScrollRange Range, bool Vertical = false, bool Both = false)
{
    TbsScrollBarLayoutInput in;
    in.Vertical = Vertical;
    in.Width = Width;
    in.Height = Height;
    in.Both = Both;
    in.Range = Range;
    return LayoutScrollBar(in);
}

TbsScrollRange Range(int Min, int Max, int PageSize, int Position)
{
    return TbsScrollRange{Min, Max, PageSize, Position};
}

TEST(ScrollBarLayoutTest, APlainHorizontalBarOf200By19)
{
    TbsScrollBarLayout L = Plain(200, 19, Range(0, 100, 0, 0));
    EXPECT_EQ(L.Parts[sbpDownButton], Rect(1, 1, 17, 18));
    EXPECT_EQ(L.Parts[sbpUpButton], Rect(183, 1, 199, 18));
    EXPECT_EQ(L.Track, Rect(17, 1, 183, 18));
    EXPECT_EQ(L.Thumb(), Rect(17, 1, 33, 18));
    EXPECT_EQ(Plain(200, 19, Range(0, 100, 0, 100)).Thumb(), Rect(167, 1, 183, 18));
    EXPECT_EQ(Plain(200, 19, Range(0, 100, 0, 50)).Thumb(), Rect(92, 1, 108, 18));

    // Beside a vertical bar the corner square stays free.
    TbsScrollBarLayout both = Plain(200, 19, Range(0, 100, 0, 100), false, true);
    EXPECT_EQ(both.Parts[sbpUpButton], Rect(164, 1, 180, 18));
    EXPECT_EQ(both.Thumb(), Rect(148, 1, 164, 18));
    // A vertical bar has no such corner.
    EXPECT_EQ(Plain(19, 200, Range(0, 100, 0, 0), true, true).Parts[sbpUpButton], Rect(1, 183, 18, 199));
}

TEST(ScrollBarLayoutTest, APlainVerticalBar)
{
    TbsScrollBarLayout L = Plain(19, 120, Range(0, 10, 0, 10), true);
    EXPECT_EQ(L.Parts[sbpDownButton], Rect(1, 1, 18, 17));
    EXPECT_EQ(L.Parts[sbpUpButton], Rect(1, 103, 18, 119));
    EXPECT_EQ(L.Track, Rect(1, 17, 18, 103));
    EXPECT_EQ(L.Thumb(), Rect(1, 87, 18, 103));
}

TEST(ScrollBarLayoutTest, RoundingTakesTheEvenNeighbourOfAHalf)
{
    // Track 166 long, thumb 16: the centre runs 150 pixels. A quarter is
    // 37.5 and goes up to 38, three quarters are 112.5 and go down to 112.
    EXPECT_EQ(Plain(200, 19, Range(0, 4, 0, 1)).ThumbOffset, 38);
    EXPECT_EQ(Plain(200, 19, Range(0, 4, 0, 3)).ThumbOffset, 112);
    // A page of 3 of 4 positions is 124.5 pixels long: 124.
    TbsScrollBarLayout page = Plain(200, 19, Range(0, 3, 3, 0));
    EXPECT_EQ(page.Thumb(), Rect(17, 1, 141, 18));
    // A page of 1 is 41.5 pixels: 42.
    EXPECT_EQ(Plain(200, 19, Range(0, 3, 1, 0)).Thumb(), Rect(17, 1, 59, 18));
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(1e12), INT_MAX);
}

TEST(ScrollBarLayoutTest, APageNeverMakesTheThumbShorterThanAButton)
{
    EXPECT_EQ(Plain(200, 19, Range(0, 1000, 1, 0)).Thumb(), Rect(17, 1, 33, 18));
}

TEST(ScrollBarLayoutTest, APageCoveringTheRangePutsTheThumbAtTheEndOrTheStart)
{
    // Horizontal: from the end of the track; vertical: from its start.
    EXPECT_EQ(Plain(200, 19, Range(0, 10, 20, 0)).Thumb().Right, 183);
    EXPECT_EQ(Plain(19, 200, Range(0, 10, 20, 0), true).Thumb().Top, 17);
    EXPECT_DOUBLE_EQ(ScrollFraction(Range(0, 10, 20, 0), false), 1.0);
    EXPECT_DOUBLE_EQ(ScrollFraction(Range(0, 10, 20, 0), true), 0.0);
    EXPECT_DOUBLE_EQ(ScrollFraction(Range(5, 5, 0, 5), false), 0.0);
}

TEST(ScrollBarLayoutTest, SkinnedPlacesFollowTheBarsWidth)
{
    // A 60 x 15 picture: buttons of 15 at both ends, the fixed right part
    // starting at 45 with the up button.
    TbsScrollBarSkinPlaces skin;
    skin.SkinRect = Rect(0, 0, 60, 15);
    skin.RightTopPoint = Point(45, 0);
    skin.TrackArea = Rect(15, 2, 45, 13);
    skin.DownButtonRect = Rect(0, 0, 15, 15);
    skin.UpButtonRect = Rect(45, 0, 60, 15);
    skin.ThumbRect = Rect(100, 0, 110, 7);
    TbsScrollBarLayoutInput in;
    in.Width = 200;
    in.Height = 15;
    in.Range = Range(0, 100, 0, 100);
    in.Skin = &skin;
    TbsScrollBarLayout L = LayoutScrollBar(in);
    EXPECT_EQ(L.Track, Rect(15, 2, 185, 13));
    EXPECT_EQ(L.Parts[sbpDownButton], Rect(0, 0, 15, 15));
    EXPECT_EQ(L.Parts[sbpUpButton], Rect(185, 0, 200, 15));
    // 10 long, 7 high, centred across the 11-pixel track: 2 + 5 - 3.
    EXPECT_EQ(L.Thumb(), Rect(175, 4, 185, 11));

    // A bigger least size, and a length of its own without a page.
    skin.ThumbMinSize = 20;
    EXPECT_EQ(LayoutScrollBar(in).Thumb(), Rect(165, 4, 185, 11));
    skin.ThumbMinPageSize = 30;
    EXPECT_EQ(LayoutScrollBar(in).Thumb(), Rect(155, 4, 185, 11));
}

TEST(ScrollBarLayoutTest, SkinnedPlacesFollowTheBarsHeight)
{
    TbsScrollBarSkinPlaces skin;
    skin.SkinRect = Rect(0, 0, 15, 60);
    skin.LeftBottomPoint = Point(0, 45);
    skin.TrackArea = Rect(2, 15, 13, 45);
    skin.DownButtonRect = Rect(0, 0, 15, 15);
    skin.UpButtonRect = Rect(0, 45, 15, 60);
    skin.ThumbRect = Rect(100, 0, 107, 10);
    TbsScrollBarLayoutInput in;
    in.Vertical = true;
    in.Width = 15;
    in.Height = 100;
    in.Range = Range(0, 10, 0, 0);
    in.Skin = &skin;
    TbsScrollBarLayout L = LayoutScrollBar(in);
    EXPECT_EQ(L.Track, Rect(2, 15, 13, 85));
    EXPECT_EQ(L.Parts[sbpUpButton], Rect(0, 85, 15, 100));
    EXPECT_EQ(L.Thumb(), Rect(4, 15, 11, 25));
}

TEST(ScrollBarLayoutTest, HitTestingTriesTheThumbFirst)
{
    TbsScrollBarLayout L = Plain(200, 19, Range(0, 100, 0, 0));
    bool onTrack = true;
    EXPECT_EQ(HitTestScrollBar(L, Point(17, 5), &onTrack), sbpThumb);
    EXPECT_EQ(HitTestScrollBar(L, Point(16, 5)), sbpDownButton);
    EXPECT_EQ(HitTestScrollBar(L, Point(183, 5)), sbpUpButton);
    EXPECT_EQ(HitTestScrollBar(L, Point(100, 5), &onTrack), sbpNone);
    EXPECT_TRUE(onTrack);
    // The one-pixel border is neither.
    EXPECT_EQ(HitTestScrollBar(L, Point(100, 0), &onTrack), sbpNone);
    EXPECT_FALSE(onTrack);
}

TEST(ScrollBarLayoutTest, DraggingTheThumbMapsItsOffsetToAPosition)
{
    TbsScrollBarLayout L = Plain(200, 19, Range(0, 100, 0, 0));
    EXPECT_EQ(DraggedPosition(Range(0, 100, 0, 0), L, 0, 75), 50);
    EXPECT_EQ(DraggedPosition(Range(0, 100, 0, 0), L, 0, 400), 100);
    EXPECT_EQ(DraggedPosition(Range(0, 100, 0, 0), L, 0, -10), 0);
    // With a page the last position is Max - PageSize + 1.
    EXPECT_EQ(DraggedPosition(Range(10, 110, 10, 10), L, 0, 150), 101);
}

TEST(ScrollBarRangeTest, PositionIsClampedByTheRangeAndThePage)
{
    EXPECT_EQ(ClampScrollPosition(Range(0, 100, 10, 0), 95), 91);
    EXPECT_EQ(ClampScrollPosition(Range(0, 100, 0, 0), 95), 95);
    EXPECT_EQ(ClampScrollPosition(Range(0, 100, 0, 0), 120), 100);
    EXPECT_EQ(ClampScrollPosition(Range(10, 100, 0, 0), -5), 10);
    // Whole-int ranges neither overflow nor wrap.
    EXPECT_EQ(ClampScrollPosition(Range(INT_MIN, INT_MAX, INT_MIN, 0), INT_MAX), INT_MAX);
    EXPECT_EQ(PositionAtFraction(Range(INT_MIN, INT_MAX, 0, 0), 1.0), INT_MAX);
}

TEST(ScrollBarRangeTest, ANewMaxKeepsAPositionThatStillFitsAboveMin)
{
    // Min 10, Max 110, page 10: 100 is the last position and stays.
    EXPECT_EQ(PositionAfterMaxChange(Range(10, 110, 10, 100)), 100);
    EXPECT_EQ(PositionAfterMaxChange(Range(10, 105, 10, 100)), 96);
    // A page wider than what is left: back to Min, not below it.
    EXPECT_EQ(PositionAfterMaxChange(Range(10, 12, 10, 100)), 10);
    // With Min 0 the last position is Max - PageSize + 1.
    EXPECT_EQ(PositionAfterMaxChange(Range(0, 100, 10, 95)), 91);
    EXPECT_EQ(PositionAfterMaxChange(Range(0, 50, 0, 95)), 50);
    EXPECT_EQ(PositionAfterMaxChange(Range(0, 50, 0, 30)), 30);
}

TEST(ScrollBarRangeTest, APageMustFitFromThePositionToTheEnd)
{
    EXPECT_FALSE(PageSizeFits(Range(0, 100, 0, 0), 150));
    EXPECT_TRUE(PageSizeFits(Range(0, 100, 0, 0), 101));
    // Counted from Min: at 100 of 10..110 a page of 11 still fits.
    EXPECT_TRUE(PageSizeFits(Range(10, 110, 0, 100), 11));
    EXPECT_FALSE(PageSizeFits(Range(10, 110, 0, 100), 12));
}

}  // namespace
