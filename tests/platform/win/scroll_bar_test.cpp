#include "platform/win/flat_scroll_bars.h"
#include "platform/win/message_queue.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/window_attributes.h"
#include "paint_test_support.h"

namespace {

// A 116 x 216 popup with a vertical bar: client (0, 0, 100, 216), bar at
// x 100..116 with 16-pixel arrows, so the track runs from y 16 to 200.
class TScrollBarTest : public TPaintTest {
protected:
    struct TScroll {
        WORD Code;
        WORD Pos;
        int TrackPos;
    };

    HWND MakeBar()
    {
        return Make(WS_POPUP | WS_VSCROLL | WS_VISIBLE, Bounds(0, 0, 116, 216), nullptr, RGB(255, 255, 255));
    }

    LRESULT Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) override
    {
        if (m != WM_VSCROLL)
            return TPaintTest::Proc(w, m, wp, lp);
        SCROLLINFO info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(w, SB_VERT, &info);
        scrolls_.push_back({LOWORD(wp), HIWORD(wp), info.nTrackPos});
        if (LOWORD(wp) == SB_LINEDOWN && ++lines_ == 3)
            PostMessage(w, WM_LBUTTONUP, 0, PointToLParam(108, 208));
        return 0;
    }

    std::vector<WORD> Codes() const
    {
        std::vector<WORD> codes;
        for (const TScroll& s : scrolls_)
            codes.push_back(s.Code);
        return codes;
    }

    void Press(HWND w, int x, int y) { SendMessage(w, WM_NCLBUTTONDOWN, HTVSCROLL, PointToLParam(x, y)); }

    std::vector<TScroll> scrolls_;
    int lines_ = 0;
};

TEST_F(TScrollBarTest, SetScrollInfoKeepsValuesInRangeAndHidesABarWithNothingToScroll)
{
    HWND w = MakeBar();
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 0);
    int min = -1, max = -1;
    EXPECT_TRUE(GetScrollRange(w, SB_VERT, &min, &max));
    EXPECT_EQ(max, 100);

    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 99;
    info.nPage = 10;
    info.nPos = 200;
    EXPECT_EQ(SetScrollInfo(w, SB_VERT, &info, true), 90);
    info.fMask = SIF_PAGE;
    info.nPage = 500;
    EXPECT_EQ(SetScrollInfo(w, SB_VERT, &info, true), 0);
    info.fMask = SIF_ALL;
    EXPECT_TRUE(GetScrollInfo(w, SB_VERT, &info));
    EXPECT_EQ(info.nPage, 100u);
    EXPECT_EQ(info.nTrackPos, 0);
    EXPECT_EQ(SetScrollPos(w, SB_VERT, 5, true), 0);

    // Nothing to scroll: hidden, and the client area takes the bar's place;
    // with SIF_DISABLENOSCROLL it would only have been disabled.
    info.fMask = SIF_RANGE;
    info.nMin = 10;
    info.nMax = 5;
    SetScrollInfo(w, SB_VERT, &info, true);
    EXPECT_FALSE(GetWindowLong(w, GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(GetScrollRange(w, SB_VERT, &min, &max));
    EXPECT_EQ(std::make_pair(min, max), std::make_pair(0, 0));
    EXPECT_EQ(ClientOf(w).Width(), 116);
    info.nMin = 0;
    info.nMax = 50;
    info.nPage = 0;
    info.fMask = SIF_RANGE | SIF_PAGE;
    SetScrollInfo(w, SB_VERT, &info, true);
    EXPECT_TRUE(GetWindowLong(w, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(ClientOf(w).Width(), 100);
    info.nMax = 0;
    info.fMask = SIF_RANGE | SIF_DISABLENOSCROLL;
    SetScrollInfo(w, SB_VERT, &info, true);
    EXPECT_TRUE(GetWindowLong(w, GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH));
    EXPECT_TRUE(EnableScrollBar(w, SB_VERT, ESB_ENABLE_BOTH));

    // The flat calls answer the same way.
    EXPECT_FALSE(FlatSB_SetScrollProp(w, WSB_PROP_VSTYLE, FSB_FLAT_MODE, true));
    EXPECT_TRUE(InitializeFlatSB(w));
    EXPECT_TRUE(FlatSB_SetScrollProp(w, WSB_PROP_VSTYLE, FSB_FLAT_MODE, true));
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMax = 20;
    info.nPos = 30;
    EXPECT_EQ(FlatSB_SetScrollInfo(w, SB_VERT, &info, true), 20);
    info.fMask = SIF_POS;
    EXPECT_TRUE(FlatSB_GetScrollInfo(w, SB_VERT, &info));
    EXPECT_EQ(info.nPos, GetScrollPos(w, SB_VERT));
    EXPECT_TRUE(UninitializeFlatSB(w));
    EXPECT_FALSE(UninitializeFlatSB(w));
}

TEST_F(TScrollBarTest, ClicksAndDragsSendTheScrollCodes)
{
    HWND w = MakeBar();
    Pump();
    // The down arrow: one at once, then repeats after 200 and 50 ms for as
    // long as the button is held (the window lets go after the third).
    uint32_t start = GetTickCount();
    Press(w, 108, 208);
    EXPECT_EQ(Codes(), (std::vector<WORD>{SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(GetTickCount() - start, 250u);

    // The page area below the thumb (at 16..32 for position 0).
    scrolls_.clear();
    PostMessage(w, WM_LBUTTONUP, 0, PointToLParam(108, 150));
    Press(w, 108, 150);
    EXPECT_EQ(Codes(), (std::vector<WORD>{SB_PAGEDOWN, SB_ENDSCROLL}));

    // The thumb, taken 4 pixels below its top and dragged 84 pixels down:
    // 84 of the 168 free pixels is position 50 of 0..100.
    scrolls_.clear();
    PostMessage(w, WM_MOUSEMOVE, 0, PointToLParam(108, 104));
    PostMessage(w, WM_LBUTTONUP, 0, PointToLParam(108, 104));
    Press(w, 108, 20);
    ASSERT_EQ(Codes(), (std::vector<WORD>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
    EXPECT_EQ(scrolls_[0].Pos, 50);
    EXPECT_EQ(scrolls_[0].TrackPos, 50);
    EXPECT_EQ(scrolls_[1].Pos, 50);
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 0);  // the window sets the position itself

    // A disabled bar takes no clicks.
    scrolls_.clear();
    EnableScrollBar(w, SB_VERT, ESB_DISABLE_DOWN);
    Press(w, 108, 208);
    EXPECT_TRUE(scrolls_.empty());
}

}  // namespace
