#include "input_test_support.h"

#include <algorithm>
#include <cstdlib>

#include "platform/win/capture.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/message_queue.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_class.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "tests/support/message_pump.h"

namespace {

TInputTest* current = nullptr;

}  // namespace

void TInputTest::SetUpTestSuite()
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    static bool registered = [] {
        WNDCLASSEX c;
        c.lpfnWndProc = &TInputTest::Proc;
        c.lpszClassName = "W3Input";
        RegisterClassEx(c);
        c.lpszClassName = "W3InputDbl";
        c.style = CS_DBLCLKS;
        return RegisterClassEx(c) != 0;
    }();
    ASSERT_TRUE(registered);
}

void TInputTest::SetUp()
{
    current = this;
    SetManualClock(true);
    // Far from any press of an earlier test.
    AdvanceClock(10000);
}

void TInputTest::TearDown()
{
    Hook = nullptr;
    for (auto& [window, name] : windows_)
        DestroyWindow(window);
    Pump();
    current = nullptr;
    SetManualClock(false);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
}

HWND TInputTest::Make(const std::string& Name, DWORD Style, HWND Parent, TRect Bounds, DWORD ExStyle,
                      bool DoubleClicks)
{
    windows_.emplace_back(nullptr, Name);
    HWND window = CreateWindowEx(ExStyle, DoubleClicks ? "W3InputDbl" : "W3Input", Name.c_str(), Style, Bounds.Left,
                                 Bounds.Top, Bounds.Width(), Bounds.Height(), Parent, 0, nullptr);
    windows_.back().first = window;
    return window;
}

void TInputTest::Pump()
{
    PumpMessages();
}

std::vector<TLogged> TInputTest::TakeLogged(std::initializer_list<UINT> Only)
{
    std::vector<TLogged> taken;
    for (const TLogged& entry : log_)
        if (std::find(Only.begin(), Only.end(), entry.Message) != Only.end())
            taken.push_back(entry);
    log_.clear();
    return taken;
}

std::vector<std::string> TInputTest::Take(std::initializer_list<UINT> Only)
{
    std::vector<std::string> names;
    for (const TLogged& entry : TakeLogged(Only))
        names.push_back(entry.Window + ":" + InputMessageName(entry.Message));
    return names;
}

TPoint TInputTest::ClientCenter(HWND Window)
{
    TRect client;
    GetClientRect(Window, &client);
    TPoint center{client.Width() / 2, client.Height() / 2};
    ClientToScreen(Window, &center);
    return center;
}

LRESULT TInputTest::Proc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    TInputTest* test = current;
    if (!test)
        return DefWindowProc(Window, Message, WParam, LParam);
    std::string name = "?";
    // The window being made is the last one named.
    for (auto& [window, n] : test->windows_)
        if (window == Window || !window) {
            name = n;
            break;
        }
    test->log_.push_back({name, Message, WParam, LParam});
    LRESULT result = 0;
    if (test->Hook && test->Hook(name, Window, Message, WParam, LParam, result))
        return result;
    return DefWindowProc(Window, Message, WParam, LParam);
}

const char* InputMessageName(UINT Message)
{
    switch (Message) {
#define NAME(m) \
    case m:     \
        return #m
        NAME(WM_MOVE);
        NAME(WM_SIZE);
        NAME(WM_ACTIVATE);
        NAME(WM_SETFOCUS);
        NAME(WM_KILLFOCUS);
        NAME(WM_CLOSE);
        NAME(WM_ACTIVATEAPP);
        NAME(WM_SETCURSOR);
        NAME(WM_MOUSEACTIVATE);
        NAME(WM_GETMINMAXINFO);
        NAME(WM_WINDOWPOSCHANGING);
        NAME(WM_WINDOWPOSCHANGED);
        NAME(WM_NCHITTEST);
        NAME(WM_NCACTIVATE);
        NAME(WM_NCMOUSEMOVE);
        NAME(WM_NCLBUTTONDOWN);
        NAME(WM_NCLBUTTONUP);
        NAME(WM_NCLBUTTONDBLCLK);
        NAME(WM_KEYDOWN);
        NAME(WM_KEYUP);
        NAME(WM_CHAR);
        NAME(WM_SYSKEYDOWN);
        NAME(WM_SYSKEYUP);
        NAME(WM_SYSCHAR);
        NAME(WM_UNICHAR);
        NAME(WM_SYSCOMMAND);
        NAME(WM_MOUSEMOVE);
        NAME(WM_LBUTTONDOWN);
        NAME(WM_LBUTTONUP);
        NAME(WM_LBUTTONDBLCLK);
        NAME(WM_RBUTTONDOWN);
        NAME(WM_RBUTTONUP);
        NAME(WM_MOUSEWHEEL);
        NAME(WM_SIZING);
        NAME(WM_CAPTURECHANGED);
        NAME(WM_MOVING);
        NAME(WM_ENTERSIZEMOVE);
        NAME(WM_EXITSIZEMOVE);
        NAME(WM_DROPFILES);
        NAME(WM_MOUSELEAVE);
        NAME(WM_NCMOUSELEAVE);
#undef NAME
    default:
        return "other";
    }
}
