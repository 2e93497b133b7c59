#include <gtest/gtest.h>

#include "input_test_support.h"
#include "platform/win/capture.h"
#include "platform/win/clock.h"
#include "platform/win/cursor.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/keyboard.h"
#include "platform/win/mouse_input.h"
#include "platform/win/system_info.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"

namespace {

using TMouseTest = TInputTest;
using TLines = std::vector<std::string>;

const std::initializer_list<UINT> Buttons = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_NCLBUTTONDOWN,
                                             WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK};

TEST_F(TMouseTest, DoubleClicksNeedTheClassStyleAndComeSoonAndNear)
{
    HWND dbl = Make("D", WS_POPUP | WS_VISIBLE, nullptr, Bounds(100, 100, 200, 100), 0, true);
    HWND plain = Make("P", WS_POPUP | WS_VISIBLE, nullptr, Bounds(400, 100, 200, 100));
    TPoint p = ClientCenter(dbl);

    InjectClick(p);
    AdvanceClock(100);
    InjectClick({p.X + 2, p.Y - 2});
    AdvanceClock(100);
    InjectClick(p);  // a third press starts over
    Pump();
    EXPECT_EQ(Take(Buttons), (TLines{"D:WM_LBUTTONDOWN", "D:WM_LBUTTONUP", "D:WM_LBUTTONDBLCLK", "D:WM_LBUTTONUP",
                                     "D:WM_LBUTTONDOWN", "D:WM_LBUTTONUP"}));

    AdvanceClock(GetDoubleClickTime());  // too slow
    InjectClick(p);
    AdvanceClock(100);
    InjectClick({p.X + 10, p.Y});  // too far
    InjectClick(ClientCenter(plain));
    InjectClick(ClientCenter(plain));  // a class without CS_DBLCLKS
    Pump();
    EXPECT_EQ(Take(Buttons), (TLines{"D:WM_LBUTTONDOWN", "D:WM_LBUTTONUP", "D:WM_LBUTTONDOWN", "D:WM_LBUTTONUP",
                                     "P:WM_LBUTTONDOWN", "P:WM_LBUTTONUP", "P:WM_LBUTTONDOWN", "P:WM_LBUTTONUP"}));

    // On the frame every class gets double clicks, with the hit code.
    HWND framed = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 300, 300, 200));
    TRect rect;
    GetWindowRect(framed, &rect);
    TPoint border{rect.Left + 1, rect.Top + 100};
    InjectClick(border);
    InjectClick(border);
    Pump();
    // The first release ends the sizing loop the first press started.
    std::vector<TLogged> logged = TakeLogged(Buttons);
    ASSERT_EQ(logged.size(), 3u);
    EXPECT_EQ(logged[1].Message, UINT{WM_NCLBUTTONDBLCLK});
    EXPECT_EQ(logged[1].WParam, WPARAM{HTLEFT});
    EXPECT_EQ(logged[1].LParam, PointToLParam(border.X, border.Y));
    EXPECT_EQ(logged[2].Message, UINT{WM_NCLBUTTONUP});
}

TEST_F(TMouseTest, CaptureKeepsDeliveringInClientCoordinatesAnywhere)
{
    HWND a = Make("A", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    HWND b = Make("B", WS_POPUP | WS_VISIBLE, nullptr, Bounds(600, 100, 100, 100));
    Hook = [&](const std::string& name, HWND window, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (name == "A" && message == WM_LBUTTONDOWN)
            SetCapture(window);
        if (name == "A" && message == WM_LBUTTONUP)
            ReleaseCapture();
        return false;
    };
    TPoint origin{0, 0};
    ClientToScreen(a, &origin);
    InjectMouseMove(ClientCenter(a));
    Pump();
    Take({});
    InjectMouseDown(ClientCenter(a));
    // Over another window, outside every window, over the frame. (Moves
    // waiting together would merge into the last.)
    for (TPoint p : {Point(650, 150), Point(5, 5), Point(origin.X - 2, origin.Y - 10)}) {
        InjectMouseMove(p);
        Pump();
    }
    InjectKeyDown(VK_SHIFT);
    InjectMouseUp({2000, 2000});
    InjectMouseMove({650, 150});
    InjectKeyUp(VK_SHIFT);
    Pump();
    std::vector<TLogged> logged =
        TakeLogged({WM_MOUSEMOVE, WM_NCMOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_CAPTURECHANGED, WM_SETCURSOR});
    TLines names;
    for (const TLogged& entry : logged)
        names.push_back(entry.Window + ":" + InputMessageName(entry.Message));
    // The release comes after a move to its point.
    EXPECT_EQ(names, (TLines{"A:WM_SETCURSOR", "A:WM_LBUTTONDOWN", "A:WM_MOUSEMOVE", "A:WM_MOUSEMOVE",
                             "A:WM_MOUSEMOVE", "A:WM_MOUSEMOVE", "A:WM_LBUTTONUP", "A:WM_CAPTURECHANGED",
                             "B:WM_SETCURSOR", "B:WM_MOUSEMOVE"}));
    ASSERT_EQ(logged.size(), 10u);
    EXPECT_EQ(logged[2].LParam, PointToLParam(650 - origin.X, 150 - origin.Y));
    EXPECT_EQ(logged[2].WParam, WPARAM{MK_LBUTTON});
    EXPECT_EQ(logged[3].LParam, PointToLParam(5 - origin.X, 5 - origin.Y));
    EXPECT_EQ(logged[4].LParam, PointToLParam(-2, -10));
    EXPECT_EQ(logged[5].WParam, WPARAM{MK_LBUTTON | MK_SHIFT});
    EXPECT_EQ(logged[6].WParam, WPARAM{MK_SHIFT});
    EXPECT_EQ(logged[6].LParam, PointToLParam(2000 - origin.X, 2000 - origin.Y));
    EXPECT_EQ(logged[7].LParam, 0);
    EXPECT_EQ(GetCapture(), nullptr);

    // Capture moves on: the window losing it hears who took it.
    SetCapture(a);
    SetCapture(b);
    std::vector<TLogged> changed = TakeLogged({WM_CAPTURECHANGED});
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].Window, "A");
    EXPECT_EQ(changed[0].LParam, reinterpret_cast<LPARAM>(b));
    EXPECT_EQ(SetCapture(nullptr), nullptr);
    EXPECT_EQ(GetCapture(), b);
    ReleaseCapture();
}

TEST_F(TMouseTest, WheelCursorsAndLeaveTracking)
{
    HWND a = Make("A", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    HWND child = Make("C", WS_CHILD | WS_VISIBLE, a, Bounds(10, 10, 100, 50));
    SetFocus(child);
    Take({});

    // The wheel goes to the focus and up to its parent, in screen coordinates.
    InjectWheel({50, 60}, -WHEEL_DELTA);
    Pump();
    std::vector<TLogged> wheel = TakeLogged({WM_MOUSEWHEEL});
    ASSERT_EQ(wheel.size(), 2u);
    EXPECT_EQ(wheel[0].Window, "C");
    EXPECT_EQ(wheel[1].Window, "A");
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel[0].WParam), -120);
    EXPECT_EQ(wheel[0].LParam, PointToLParam(50, 60));

    // The default cursor follows the hit code.
    TRect rect;
    GetWindowRect(a, &rect);
    TCursorShape shape{};
    InjectMouseMove({rect.Right - 1, rect.Bottom - 1});
    Pump();
    ASSERT_TRUE(CursorShapeOf(GetCursor(), &shape));
    EXPECT_EQ(shape, TCursorShape::SizeNWSE);
    InjectMouseMove({rect.Left + 150, rect.Top + 5});
    Pump();
    ASSERT_TRUE(CursorShapeOf(GetCursor(), &shape));
    EXPECT_EQ(shape, TCursorShape::Arrow);
    EXPECT_EQ(LoadCursor(nullptr, IDC_HSPLIT), LoadCursor(nullptr, IDC_HSPLIT));
    ASSERT_TRUE(CursorShapeOf(LoadCursor(nullptr, IDC_HSPLIT), &shape));
    EXPECT_EQ(shape, TCursorShape::HSplit);

    // Leaving: posted once the mouse messages go elsewhere, or at once.
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = child;
    InjectMouseMove(ClientCenter(child));
    Pump();
    ASSERT_TRUE(TrackMouseEvent(&track));
    track.hwndTrack = a;
    track.dwFlags = TME_LEAVE | TME_NONCLIENT;
    ASSERT_TRUE(TrackMouseEvent(&track));
    Pump();
    EXPECT_EQ(Take({WM_MOUSELEAVE, WM_NCMOUSELEAVE}), (TLines{"A:WM_NCMOUSELEAVE"}));
    InjectMouseMove({ClientCenter(child).X + 1, ClientCenter(child).Y});
    Pump();
    EXPECT_EQ(Take({WM_MOUSELEAVE}), TLines{});
    InjectMouseLeave();
    Pump();
    EXPECT_EQ(Take({WM_MOUSELEAVE, WM_NCMOUSELEAVE}), (TLines{"C:WM_MOUSELEAVE"}));
}

}  // namespace
