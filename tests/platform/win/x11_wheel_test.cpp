#include <gtest/gtest.h>

#include "platform/win/focus.h"
#include "platform/win/mouse_input.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_styles.h"
#include "x11_test_support.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

using TX11WheelTest = TX11Test;

TEST_F(TX11WheelTest, ButtonsSixAndSevenTurnTheSidewaysWheel)
{
    HWND form = Make("F", WS_POPUP | WS_VISIBLE, nullptr, Bounds(200, 200, 200, 150));
    ASSERT_TRUE(BecomesViewable(form));
    SetActiveWindow(form);
    Display* x = Other();
    XTestFakeMotionEvent(x, 0, 250, 260, 0);
    for (unsigned button : {6u, 7u, 6u}) {
        XTestFakeButtonEvent(x, button, True, 0);
        XTestFakeButtonEvent(x, button, False, 0);
    }
    XSync(x, False);
    std::vector<TLogged> got;
    PumpUntil([&] {
        for (const TLogged& entry : TakeLogged({WM_MOUSEHWHEEL, WM_MOUSEWHEEL, WM_LBUTTONDOWN, WM_RBUTTONDOWN}))
            got.push_back(entry);
        return got.size() >= 3;
    });
    ASSERT_EQ(got.size(), 3u);
    const int deltas[] = {-WHEEL_DELTA, WHEEL_DELTA, -WHEEL_DELTA};
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].Message, UINT{WM_MOUSEHWHEEL});
        EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(got[i].WParam), deltas[i]);
        EXPECT_EQ(got[i].LParam, PointToLParam(250, 260));
    }
}

}  // namespace
