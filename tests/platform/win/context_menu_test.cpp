#include <gtest/gtest.h>

#include "input_test_support.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/message_queue.h"
#include "platform/win/mouse_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_styles.h"

namespace {

using TMenuRequestTest = TInputTest;

struct TSeen {
    std::string Window;
    UINT Message;
    HWND WParamWindow;
    TPoint Point;
    bool operator==(const TSeen&) const = default;
};

std::vector<TSeen> Seen(const std::vector<TLogged>& logged)
{
    std::vector<TSeen> seen;
    for (const TLogged& entry : logged)
        seen.push_back({entry.Window, entry.Message, reinterpret_cast<HWND>(entry.WParam),
                        {GET_X_LPARAM(entry.LParam), GET_Y_LPARAM(entry.LParam)}});
    return seen;
}

TEST_F(TMenuRequestTest, RightClicksAndMenuKeysAskForAContextMenuThatChildrenPassUp)
{
    HWND top = Make("T", WS_POPUP | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    HWND child = Make("C", WS_CHILD | WS_VISIBLE, top, Bounds(10, 10, 100, 50));
    SetActiveWindow(top);
    Pump();
    TakeLogged({});

    InjectClick({150, 140}, 2);
    Pump();
    EXPECT_EQ(Seen(TakeLogged({WM_RBUTTONUP, WM_CONTEXTMENU})),
              (std::vector<TSeen>{{"C", WM_RBUTTONUP, nullptr, {40, 30}},
                                  {"C", WM_CONTEXTMENU, child, {150, 140}},
                                  {"T", WM_CONTEXTMENU, child, {150, 140}}}));

    // A window that shows a menu ends the request there.
    Hook = [](const std::string& name, HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
        result = 1;
        return name == "C" && message == WM_CONTEXTMENU;
    };
    InjectClick({150, 140}, 2);
    Pump();
    EXPECT_EQ(TakeLogged({WM_CONTEXTMENU}).size(), 1u);
    Hook = nullptr;

    // From the keyboard, at (-1, -1): the menu key, and Shift+F10 but not F10.
    SetFocus(child);
    Pump();
    TakeLogged({});
    InjectKeyStroke(VK_APPS);
    InjectKeyStroke(VK_F10, InjectShift);
    InjectKeyStroke(VK_F10);
    Pump();
    std::vector<TLogged> logged = TakeLogged({WM_CONTEXTMENU});
    EXPECT_EQ(Seen(logged), (std::vector<TSeen>{{"C", WM_CONTEXTMENU, child, {-1, -1}},
                                                {"T", WM_CONTEXTMENU, child, {-1, -1}},
                                                {"C", WM_CONTEXTMENU, child, {-1, -1}},
                                                {"T", WM_CONTEXTMENU, child, {-1, -1}}}));
    ASSERT_FALSE(logged.empty());
    EXPECT_EQ(logged[0].LParam, LPARAM{-1});

    // Without a focus window the menu key still reaches the active window.
    SetFocus(nullptr);
    InjectKeyStroke(VK_APPS);
    Pump();
    EXPECT_EQ(Seen(TakeLogged({WM_CONTEXTMENU})), (std::vector<TSeen>{{"T", WM_CONTEXTMENU, top, {-1, -1}}}));
}

TEST_F(TMenuRequestTest, ShiftF10AsksOnlyForTheContextMenuAndF10AloneForTheWindowsMenu)
{
    HWND top = Make("T", WS_POPUP | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    HWND child = Make("C", WS_CHILD | WS_VISIBLE, top, Bounds(10, 10, 100, 50));
    SetActiveWindow(top);
    SetFocus(child);
    Pump();
    TakeLogged({});

    InjectKeyStroke(VK_F10, InjectShift);
    Pump();
    EXPECT_EQ(TakeLogged({WM_CONTEXTMENU, WM_SYSCOMMAND}).size(), 2u);  // the child's, passed to its parent

    // Shift may come up before F10, as a typing tool sends them.
    InjectKeyDown(VK_SHIFT);
    InjectKeyDown(VK_F10);
    InjectKeyUp(VK_SHIFT);
    InjectKeyUp(VK_F10);
    Pump();
    EXPECT_EQ(TakeLogged({WM_CONTEXTMENU, WM_SYSCOMMAND}).size(), 2u);

    InjectKeyStroke(VK_F10);
    Pump();
    std::vector<TLogged> logged = TakeLogged({WM_CONTEXTMENU, WM_SYSCOMMAND});
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].Message, WM_SYSCOMMAND);
    EXPECT_EQ(logged[0].WParam, WPARAM{SC_KEYMENU});
}

TEST_F(TMenuRequestTest, TheSidewaysWheelComesLikeTheWheelAndMessagesKeepTheirCursorAndTime)
{
    HWND top = Make("T", WS_POPUP | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    HWND child = Make("C", WS_CHILD | WS_VISIBLE, top, Bounds(10, 10, 100, 50));
    SetActiveWindow(top);
    SetFocus(child);
    Pump();
    TakeLogged({});

    // Left is negative; a child that does not take it passes it up.
    InjectHorizontalWheel({150, 140}, -WHEEL_DELTA);
    InjectWheel({150, 140}, WHEEL_DELTA);
    Pump();
    std::vector<TLogged> logged = TakeLogged({WM_MOUSEWHEEL, WM_MOUSEHWHEEL});
    ASSERT_EQ(logged.size(), 4u);
    const UINT expected[] = {WM_MOUSEHWHEEL, WM_MOUSEHWHEEL, WM_MOUSEWHEEL, WM_MOUSEWHEEL};
    for (size_t i = 0; i < logged.size(); ++i) {
        EXPECT_EQ(logged[i].Window, i % 2 ? "T" : "C");
        EXPECT_EQ(logged[i].Message, expected[i]);
        EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(logged[i].WParam), i < 2 ? -WHEEL_DELTA : WHEEL_DELTA);
        EXPECT_EQ(logged[i].LParam, PointToLParam(150, 140));
    }

    // A press handled after the mouse moved on still tells where and when
    // it happened.
    DWORD pressTime = GetTickCount();
    std::vector<DWORD> positions;
    std::vector<LONG> times;
    Hook = [&](const std::string&, HWND, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_LBUTTONDOWN || message == WM_MOUSEMOVE) {
            positions.push_back(GetMessagePos());
            times.push_back(GetMessageTime());
        }
        return false;
    };
    InjectMouseDown({150, 140});
    AdvanceClock(40);
    InjectMouseMove({160, 145});
    Pump();
    ASSERT_EQ(positions.size(), 2u);
    EXPECT_EQ(GET_X_LPARAM(positions[0]), 150);
    EXPECT_EQ(GET_Y_LPARAM(positions[0]), 140);
    EXPECT_EQ(times[0], static_cast<LONG>(pressTime));
    EXPECT_EQ(positions[1], static_cast<DWORD>(PointToLParam(160, 145)));
    EXPECT_EQ(times[1], static_cast<LONG>(pressTime + 40));
    InjectMouseUp({160, 145});
    Pump();
}

}  // namespace
