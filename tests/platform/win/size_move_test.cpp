#include <gtest/gtest.h>

#include "input_test_support.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/keyboard.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

using TSizeMoveTest = TInputTest;
using TLines = std::vector<std::string>;

TRect WindowRect(HWND window)
{
    TRect rect;
    GetWindowRect(window, &rect);
    return rect;
}

// Presses at From, moves to To and releases there.
void Drag(TPoint from, TPoint to)
{
    InjectMouseDown(from);
    InjectMouseMove(to);
    InjectMouseUp(to);
}

TEST_F(TSizeMoveTest, DraggingTheCaptionMovesByTheDragDistance)
{
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    Take({});
    TPoint caption{250, 110};
    Drag(caption, {caption.X + 50, caption.Y + 30});
    Pump();
    EXPECT_EQ(WindowRect(form), Bounds(150, 130, 300, 200));
    EXPECT_EQ(Take({WM_NCLBUTTONDOWN, WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_GETMINMAXINFO, WM_MOVING,
                    WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE, WM_EXITSIZEMOVE, WM_LBUTTONUP, WM_CAPTURECHANGED}),
              (TLines{"F:WM_NCLBUTTONDOWN", "F:WM_SYSCOMMAND", "F:WM_ENTERSIZEMOVE", "F:WM_GETMINMAXINFO",
                      "F:WM_MOVING", "F:WM_WINDOWPOSCHANGED", "F:WM_MOVE", "F:WM_CAPTURECHANGED",
                      "F:WM_EXITSIZEMOVE"}));

    // A child window moves in its parent's client area; WM_MOVING speaks
    // of the screen.
    HWND panel = Make("P", WS_CHILD | WS_VISIBLE | WS_CAPTION, form, Bounds(10, 10, 120, 80));
    TRect start = WindowRect(panel);
    std::vector<TRect> moving;
    Hook = [&](const std::string& name, HWND, UINT message, WPARAM, LPARAM lParam, LRESULT&) {
        if (name == "P" && message == WM_MOVING)
            moving.push_back(*reinterpret_cast<TRect*>(lParam));
        return false;
    };
    Drag({start.Left + 40, start.Top + 5}, {start.Left + 60, start.Top + 25});
    Pump();
    TRect moved = start;
    OffsetRect(moved, 20, 20);
    EXPECT_EQ(WindowRect(panel), moved);
    ASSERT_FALSE(moving.empty());
    EXPECT_EQ(moving.back(), moved);

    // Escape puts the window back.
    InjectMouseDown(caption = {moved.Left + 40, moved.Top + 5});
    InjectMouseMove({caption.X + 70, caption.Y + 70});
    InjectKeyStroke(VK_ESCAPE);
    Pump();
    EXPECT_EQ(WindowRect(panel), moved);
    InjectMouseUp({caption.X + 70, caption.Y + 70});
    Pump();
}

TEST_F(TSizeMoveTest, SizingObeysTheLimitsAndTheWindowsCorrections)
{
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    bool snap = false;
    Hook = [&](const std::string&, HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        if (message == WM_GETMINMAXINFO) {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {200, 150};
            info->ptMaxTrackSize = {350, 260};
        }
        if (message == WM_SIZING && snap) {
            EXPECT_EQ(wParam, WPARAM{WMSZ_BOTTOMRIGHT});
            auto* rect = reinterpret_cast<TRect*>(lParam);
            rect->Right = rect->Left + (rect->Width() / 100) * 100;
            result = 1;
            return true;
        }
        return false;
    };
    // The bottom-right corner, dragged far out and far in.
    Drag({399, 299}, {699, 699});
    Pump();
    EXPECT_EQ(WindowRect(form), Bounds(100, 100, 350, 260));
    Drag({449, 359}, {149, 149});
    Pump();
    EXPECT_EQ(WindowRect(form), Bounds(100, 100, 200, 150));
    // The left edge keeps the right one where it is.
    Drag({100, 200}, {60, 200});
    Pump();
    EXPECT_EQ(WindowRect(form), Bounds(60, 100, 240, 150));

    snap = true;
    TRect r = WindowRect(form);
    Drag({r.Right - 1, r.Bottom - 1}, {r.Right - 1 + 75, r.Bottom - 1 + 20});
    Pump();
    EXPECT_EQ(WindowRect(form), Bounds(60, 100, 300, 170));
}

TEST_F(TSizeMoveTest, SystemCommandsFromTheFrame)
{
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    TPoint caption{250, 110};
    InjectClick(caption);
    InjectClick(caption);
    Pump();
    EXPECT_TRUE(IsZoomed(form));
    InjectClick(caption);
    Pump();
    AdvanceClock(100);
    InjectClick(caption = {WindowRect(form).Left + 150, WindowRect(form).Top + 10});
    InjectClick(caption);
    Pump();
    EXPECT_FALSE(IsZoomed(form));
    EXPECT_EQ(WindowRect(form), Bounds(100, 100, 300, 200));

    // From the keyboard: arrows move the window, Enter leaves it there.
    for (UINT key : {VK_RIGHT, VK_RIGHT, VK_DOWN, VK_RETURN})
        InjectKeyStroke(key);
    SendMessage(form, WM_SYSCOMMAND, SC_MOVE, 0);
    EXPECT_EQ(WindowRect(form), Bounds(116, 108, 300, 200));
    Pump();

    SendMessage(form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(form));
    SendMessage(form, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(form));
    Take({});
    SendMessage(form, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(Take({WM_CLOSE}), TLines{"F:WM_CLOSE"});
    EXPECT_FALSE(IsWindow(form));
}

}  // namespace
