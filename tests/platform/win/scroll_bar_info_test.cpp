#include "platform/win/scroll_bar_info.h"

#include "paint_test_support.h"
#include "platform/win/scroll_bars.h"

namespace {

// A 116 x 216 popup at (30, 40) with a vertical bar at x 100..116 of the
// window: 16-pixel arrows, the track from y 16 to 200.
class TScrollBarInfoTest : public TPaintTest {
protected:
    HWND MakeBar()
    {
        return Make(WS_POPUP | WS_VSCROLL | WS_VISIBLE, Bounds(30, 40, 116, 216), nullptr, RGB(255, 255, 255));
    }

    static SCROLLBARINFO Info(HWND w, LONG id = OBJID_VSCROLL)
    {
        SCROLLBARINFO info;
        EXPECT_TRUE(GetScrollBarInfo(w, id, &info));
        return info;
    }

    static std::vector<DWORD> States(const SCROLLBARINFO& info)
    {
        return std::vector<DWORD>(std::begin(info.rgstate), std::end(info.rgstate));
    }

    // Records the down arrow's state while the mouse holds it.
    LRESULT Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) override
    {
        if (m != WM_VSCROLL)
            return TPaintTest::Proc(w, m, wp, lp);
        if (LOWORD(wp) == SB_LINEDOWN && pressedState_ == 0) {
            pressedState_ = Info(w).rgstate[SBI_LINE_DOWN];
            PostMessage(w, WM_LBUTTONUP, 0, PointToLParam(108, 208));
        }
        return 0;
    }

    DWORD pressedState_ = 0;
};

TEST_F(TScrollBarInfoTest, ThumbAndArrowsFollowTheScrollInfo)
{
    HWND w = MakeBar();
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 45;
    SetScrollInfo(w, SB_VERT, &si, true);

    // The page is 10% of the 184-pixel track: an 18-pixel thumb, and
    // position 45 of 0..90 puts it 83 of the 166 free pixels down.
    SCROLLBARINFO info = Info(w);
    EXPECT_EQ(info.rcScrollBar, (TRect{130, 40, 146, 256}));
    EXPECT_EQ(info.dxyLineButton, 16);
    EXPECT_EQ(info.xyThumbTop, 99);
    EXPECT_EQ(info.xyThumbBottom, 117);
    EXPECT_EQ(States(info), std::vector<DWORD>(6, 0));

    // A window without the horizontal style shows no such bar.
    SCROLLBARINFO horz = Info(w, OBJID_HSCROLL);
    EXPECT_EQ(horz.rgstate[SBI_BAR], STATE_SYSTEM_INVISIBLE);
    EXPECT_TRUE(IsRectEmpty(horz.rcScrollBar));

    // Refused: a size the caller did not set, a scroll-bar control's bar.
    SCROLLBARINFO bad;
    bad.cbSize = sizeof(SCROLLBARINFO) - 4;
    EXPECT_FALSE(GetScrollBarInfo(w, OBJID_VSCROLL, &bad));
    bad.cbSize = sizeof(SCROLLBARINFO);
    EXPECT_FALSE(GetScrollBarInfo(w, OBJID_CLIENT, &bad));
}

TEST_F(TScrollBarInfoTest, DisabledHiddenAndPressedParts)
{
    HWND w = MakeBar();
    // One arrow off: the rest still works.
    EnableScrollBar(w, SB_VERT, ESB_DISABLE_UP);
    EXPECT_EQ(States(Info(w)), (std::vector<DWORD>{0, STATE_SYSTEM_UNAVAILABLE, 0, 0, 0, 0}));

    // Both off: greyed out without a thumb.
    const DWORD off = STATE_SYSTEM_UNAVAILABLE;
    const DWORD gone = STATE_SYSTEM_INVISIBLE;
    EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH);
    SCROLLBARINFO info = Info(w);
    EXPECT_EQ(States(info), (std::vector<DWORD>{off, off, gone, gone, gone, off}));
    EXPECT_EQ(info.xyThumbTop, 0);
    EXPECT_EQ(info.xyThumbBottom, 0);

    // Nothing to scroll with SIF_DISABLENOSCROLL looks the same; without it
    // the bar goes.
    EnableScrollBar(w, SB_VERT, ESB_ENABLE_BOTH);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_DISABLENOSCROLL;
    si.nMax = 0;
    SetScrollInfo(w, SB_VERT, &si, true);
    EXPECT_EQ(States(Info(w)), (std::vector<DWORD>{off, off, gone, gone, gone, off}));
    si.fMask = SIF_RANGE;
    SetScrollInfo(w, SB_VERT, &si, true);
    EXPECT_EQ(States(Info(w)), (std::vector<DWORD>{gone, 0, 0, 0, 0, 0}));

    // The arrow held down by the mouse is pressed, and only while held.
    si.nMax = 100;
    SetScrollInfo(w, SB_VERT, &si, true);
    Pump();
    SendMessage(w, WM_NCLBUTTONDOWN, HTVSCROLL, PointToLParam(138, 248));
    EXPECT_EQ(pressedState_, STATE_SYSTEM_PRESSED);
    EXPECT_EQ(Info(w).rgstate[SBI_LINE_DOWN], 0u);
}

}  // namespace
