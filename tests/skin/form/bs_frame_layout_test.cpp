// The frame geometry as pure functions over the test skin's FORMINFO: hit
// codes at two sizes, the object placement, the client rectangle of
// WM_NCCALCSIZE, the plain frame and the size limits.
#include "skin/form/bs_frame_layout.h"

#include <gtest/gtest.h>

#include "platform/win/win_messages.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_frame_mask.h"
#include "tests/skin/form/frame_test_support.h"

namespace {

class FrameLayoutTest : public FrameTest {
protected:
    // The frame placed at W x H: metrics, objects and the stretched mask.
    void Place(int W, int H)
    {
        w_ = W;
        h_ = H;
        metrics_ = CalcFrameMetrics(*data_, kPW, kPH, W, H);
        objects_ = SkinObjects(*data_);
        CalcObjectRects(*data_, kPW, kPH, metrics_, objects_, {16, 16});
        mask_.Build(*data_, metrics_, data_->Mask.get(), W, H);
    }
    LRESULT Hit(int X, int Y, TbsFrameState State = {})
    {
        State.W = w_;
        State.H = h_;
        bool onCaption = PtInRect(objects_[0].ObjectRect, {X, Y});
        return FrameHitTest(metrics_, data_->BorderWidth, State, &mask_, {X, Y}, onCaption);
    }
    static TbsFrameState Sizable()
    {
        TbsFrameState state;
        state.CanSize = true;
        return state;
    }

    static constexpr int kPW = TTestFrameSkin::PW;
    static constexpr int kPH = TTestFrameSkin::PH;
    int w_ = 0;
    int h_ = 0;
    TbsFrameMetrics metrics_;
    std::vector<TbsPlacedObject> objects_;
    TbsFrameMask mask_;
};

TEST_F(FrameLayoutTest, HitCodesAtTwoSizes)
{
    for (TSize size : {TSize{300, 200}, TSize{500, 300}}) {
        SCOPED_TRACE(size.cx);
        Place(size.cx, size.cy);
        int W = size.cx, H = size.cy;
        EXPECT_EQ(Hit(1, 1, Sizable()), HTTOPLEFT);
        EXPECT_EQ(Hit(W - 2, 1, Sizable()), HTTOPRIGHT);
        EXPECT_EQ(Hit(1, H - 2, Sizable()), HTBOTTOMLEFT);
        EXPECT_EQ(Hit(W - 2, H - 2, Sizable()), HTBOTTOMRIGHT);
        EXPECT_EQ(Hit(1, H / 2, Sizable()), HTLEFT);
        EXPECT_EQ(Hit(W - 2, H / 2, Sizable()), HTRIGHT);
        EXPECT_EQ(Hit(W / 2, 1, Sizable()), HTTOP);
        EXPECT_EQ(Hit(W / 2, H - 2, Sizable()), HTBOTTOM);
        EXPECT_EQ(Hit(60, 12, Sizable()), HTCAPTION);
        EXPECT_EQ(Hit(W - 12, 10, Sizable()), HTOBJECT);  // the close button
        EXPECT_EQ(Hit(W / 2, H / 2, Sizable()), HTCLIENT);
        // The last border pixel inside the client's reach is no edge.
        EXPECT_EQ(Hit(W / 2, 8, Sizable()), HTCAPTION);
    }
}

TEST_F(FrameLayoutTest, RolledUpAndFixedFramesNeverSize)
{
    Place(300, 200);
    TbsFrameState rolled = Sizable();
    rolled.RolledUp = true;
    TbsFrameState single;  // bsSingle without AlwaysResize: CanSize false
    TbsFrameState maximized = Sizable();
    maximized.Maximized = true;
    for (TbsFrameState state : {rolled, single, maximized})
        for (TPoint p : {TPoint{1, 1}, TPoint{298, 1}, TPoint{1, 198}, TPoint{298, 198}, TPoint{1, 100},
                         TPoint{298, 100}, TPoint{150, 1}, TPoint{150, 198}}) {
            LRESULT code = Hit(p.X, p.Y, state);
            EXPECT_TRUE(code < HTLEFT || code > HTBOTTOMRIGHT) << p.X << "," << p.Y << " gave " << code;
        }
    EXPECT_EQ(Hit(60, 12, rolled), HTCAPTION);
    EXPECT_EQ(Hit(150, 100, rolled), HTOBJECT);
}

TEST_F(FrameLayoutTest, ObjectUnderTheMouseKeepsTheFrameOutsideTheClient)
{
    Place(300, 200);
    TbsFrameState state = Sizable();
    state.ObjectActive = true;
    EXPECT_EQ(Hit(1, 100, state), HTOBJECT);
    EXPECT_EQ(Hit(150, 100, state), HTCLIENT);
    state.InSizeMove = true;
    EXPECT_EQ(Hit(1, 100, state), HTLEFT);
}

TEST_F(FrameLayoutTest, CaptionAndButtonsFollowTheRightEdge)
{
    Place(300, 200);
    EXPECT_EQ(metrics_.NewClRect, (TRect{4, 26, 296, 196}));
    // The caption spans the top-left and top-right zones: it grows by DX.
    EXPECT_EQ(objects_[0].ObjectRect, (TRect{30, 3, 238, 22}));
    EXPECT_EQ(objects_[1].ObjectRect, (TRect{279, 4, 296, 19}));  // close
    EXPECT_EQ(objects_[2].ObjectRect, (TRect{260, 4, 277, 19}));  // maximize
    EXPECT_EQ(objects_[3].ObjectRect, (TRect{241, 4, 258, 19}));  // minimize
    Place(500, 300);
    EXPECT_EQ(objects_[0].ObjectRect, (TRect{30, 3, 438, 22}));
    EXPECT_EQ(objects_[1].ObjectRect, (TRect{479, 4, 496, 19}));
}

TEST_F(FrameLayoutTest, ButtonsRectInTheLeftHalfStaysPut)
{
    data_->ButtonsRect = {10, 4, 99, 21};
    for (int W : {300, 500}) {
        Place(W, 200);
        EXPECT_EQ(metrics_.NewButtonsRect, (TRect{10, 4, 99, 21}));
        EXPECT_EQ(objects_[1].ObjectRect, (TRect{82, 4, 99, 19}));
    }
    data_->ButtonsRect = {100, 4, 180, 21};  // the half itself moves
    Place(300, 200);
    EXPECT_EQ(metrics_.NewButtonsRect, (TRect{200, 4, 280, 21}));
}

TEST_F(FrameLayoutTest, WithoutButtonsRectTheRowShortensTheCaption)
{
    data_->ButtonsRect = {};
    Place(300, 200);
    EXPECT_EQ(objects_[1].ObjectRect, (TRect{221, 3, 238, 18}));
    EXPECT_EQ(objects_[3].ObjectRect, (TRect{183, 3, 200, 18}));
    EXPECT_EQ(objects_[0].ObjectRect, (TRect{30, 3, 183, 22}));
    data_->ButtonsInLeft = true;
    Place(300, 200);
    EXPECT_EQ(objects_[1].ObjectRect, (TRect{30, 3, 47, 18}));
    EXPECT_EQ(objects_[0].ObjectRect.Left, 30 + 3 * 17 + 3 * 2 + 2);
}

TEST_F(FrameLayoutTest, ObjectsMoveWithTheirCornerZone)
{
    std::vector<TbsPlacedObject> objects(4);
    objects[0].SkinRect = {140, 142, 150, 148};  // bottom-right zone
    objects[1].SkinRect = {5, 142, 15, 148};     // bottom-left zone
    objects[2].SkinRect = {5, 20, 15, 145};      // from top-left into bottom-left
    objects[3].SkinRect = {50, 5, 60, 15};       // the top edge: no zone
    TbsFrameMetrics m = CalcFrameMetrics(*data_, kPW, kPH, 300, 200);
    CalcObjectRects(*data_, kPW, kPH, m, objects, {16, 16});
    EXPECT_EQ(objects[0].ObjectRect, (TRect{240, 192, 250, 198}));
    EXPECT_EQ(objects[1].ObjectRect, (TRect{5, 192, 15, 198}));
    EXPECT_EQ(objects[2].ObjectRect, (TRect{5, 20, 15, 195}));
    EXPECT_EQ(objects[3].ObjectRect, (TRect{50, 5, 60, 15}));
}

TEST_F(FrameLayoutTest, ClientRectOfNcCalcSize)
{
    TRect window{100, 50, 400, 250};
    EXPECT_EQ(DefaultFrameClientRect(window, false), (TRect{103, 72, 397, 247}));
    EXPECT_EQ(DefaultFrameClientRect(window, true), (TRect{103, 68, 397, 247}));
    // From the skin's "clientrect" (4, 26, 196, 146) of a 200 x 150 picture.
    EXPECT_EQ(SkinnedClientRect(window, *data_, kPW, kPH), (TRect{104, 76, 396, 246}));
    // Too small a window gives an empty client, never an inverted one.
    EXPECT_EQ(DefaultFrameClientRect({0, 0, 4, 10}, false), (TRect{3, 22, 3, 22}));
}

TEST_F(FrameLayoutTest, PlainFrameSizesAtItsEdges)
{
    std::vector<TbsPlacedObject> buttons(2);
    buttons[0].Kind = buttons[1].Kind = TbsPlacedObject::okCaptionButton;
    buttons[0].SkinRectInAPicture = buttons[1].SkinRectInAPicture = true;
    buttons[0].Command = cmclose;
    buttons[1].Command = cmsysmenu;
    TRect caption = CalcDefaultObjectRects(300, false, buttons, {16, 16});
    EXPECT_EQ(buttons[0].ObjectRect, (TRect{280, 4, 297, 21}));
    EXPECT_EQ(buttons[1].ObjectRect, (TRect{3, 4, 20, 21}));
    EXPECT_EQ(caption, (TRect{20, 3, 280, 19}));
    TbsFrameState state = Sizable();
    state.W = 300;
    state.H = 200;
    EXPECT_EQ(DefaultFrameHitTest(state, false, caption, {2, 100}), HTLEFT);
    EXPECT_EQ(DefaultFrameHitTest(state, false, caption, {297, 100}), HTOBJECT);  // x = W - 3
    EXPECT_EQ(DefaultFrameHitTest(state, false, caption, {298, 100}), HTRIGHT);   // x = W - 2
    EXPECT_EQ(DefaultFrameHitTest(state, false, caption, {2, 2}), HTTOPLEFT);
    EXPECT_EQ(DefaultFrameHitTest(state, false, caption, {298, 198}), HTBOTTOMRIGHT);
    EXPECT_EQ(DefaultFrameHitTest(state, false, caption, {100, 10}), HTCAPTION);
    EXPECT_EQ(DefaultFrameHitTest(state, false, caption, {290, 10}), HTOBJECT);
    EXPECT_EQ(DefaultFrameHitTest(state, false, caption, {100, 100}), HTCLIENT);
    state.CanSize = false;
    EXPECT_EQ(DefaultFrameHitTest(state, false, caption, {298, 100}), HTOBJECT);
}

TEST_F(FrameLayoutTest, SizeLimits)
{
    TbsSizeLimitsInput in;
    EXPECT_EQ(FrameMinWidth(in), 120);
    EXPECT_EQ(FrameMinHeight(in), 25);
    in.ToolWindow = true;
    EXPECT_EQ(FrameMinHeight(in), 21);
    in.Skinned = true;
    in.PW = kPW;
    in.PH = kPH;
    in.ClientHeight = 120;
    EXPECT_EQ(FrameMinWidth(in), kPW);  // no "formminwidth"
    EXPECT_EQ(FrameMinHeight(in), 30);  // the non-client height
    in.FormMinWidth = 150;
    in.FormMinHeight = 60;
    EXPECT_EQ(FrameMinWidth(in), 150);
    EXPECT_EQ(FrameMinHeight(in), 60);
    in.MinWidth = 170;
    in.MinHeight = 90;
    EXPECT_EQ(FrameMinWidth(in), 170);
    EXPECT_EQ(FrameMinHeight(in), 90);
    in.RolledUp = true;
    EXPECT_EQ(FrameMinHeight(in), 60);
    in.MonitorArea = {0, 0, 1024, 740};
    EXPECT_EQ(FrameMaxWidth(in), 1024);
    in.MaxHeight = 500;
    EXPECT_EQ(FrameMaxHeight(in), 500);
}

}  // namespace
