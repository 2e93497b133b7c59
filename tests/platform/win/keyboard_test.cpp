#include <gtest/gtest.h>

#include "input_test_support.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/keyboard.h"
#include "platform/win/system_info.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_styles.h"

namespace {

using TKeyboardTest = TInputTest;
using TLines = std::vector<std::string>;

const std::initializer_list<UINT> Keys = {WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR};

std::string Describe(const TLogged& entry)
{
    std::string text = InputMessageName(entry.Message);
    char value[16];
    std::snprintf(value, sizeof value, " %02X", static_cast<unsigned>(entry.WParam));
    return text + value;
}

TLines DescribeAll(const std::vector<TLogged>& entries)
{
    TLines lines;
    for (const TLogged& entry : entries)
        lines.push_back(Describe(entry));
    return lines;
}

TEST_F(TKeyboardTest, KeysAndTheirCharactersReachTheFocus)
{
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    HWND edit = Make("E", WS_CHILD | WS_VISIBLE, form, Bounds(10, 10, 100, 20));
    SetFocus(edit);
    Take({});

    // 說 is D5 66: two characters, the lead byte first, both with the key's lParam.
    InjectText("a說");
    Pump();
    std::vector<TLogged> logged = TakeLogged(Keys);
    EXPECT_EQ(DescribeAll(logged), (TLines{"WM_KEYDOWN 41", "WM_CHAR 61", "WM_KEYUP 41", "WM_KEYDOWN E5",
                                           "WM_CHAR D5", "WM_CHAR 66", "WM_KEYUP E5"}));
    for (const TLogged& entry : logged)
        EXPECT_EQ(entry.Window, "E");
    ASSERT_EQ(logged.size(), 7u);
    EXPECT_EQ(logged[0].LParam, 0x001E0001);  // scan code 0x1E, repeat 1
    EXPECT_EQ(logged[2].LParam, static_cast<LPARAM>(0xC01E0001u));
    EXPECT_EQ(logged[4].LParam, logged[3].LParam);
    EXPECT_EQ(logged[5].LParam, logged[3].LParam);

    // Held down, a key repeats with the previous-state bit; extended keys say so.
    InjectKeyDown(VK_LEFT);
    InjectKeyDown(VK_LEFT);
    InjectKeyUp(VK_LEFT);
    Pump();
    logged = TakeLogged(Keys);
    ASSERT_EQ(logged.size(), 3u);
    EXPECT_EQ(logged[0].LParam, 0x014B0001);
    EXPECT_EQ(logged[1].LParam, 0x414B0001);
    EXPECT_EQ(logged[2].LParam, static_cast<LPARAM>(0xC14B0001u));
}

TEST_F(TKeyboardTest, KeyStatesFollowTheMessagesTaken)
{
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    SHORT shiftInHandler = 0;
    SHORT ctrlInHandler = 0;
    Hook = [&](const std::string&, HWND, UINT message, WPARAM wParam, LPARAM, LRESULT&) {
        if (message == WM_KEYDOWN && wParam == 'C') {
            shiftInHandler = GetKeyState(VK_SHIFT);
            ctrlInHandler = GetKeyState(VK_CONTROL);
        }
        return false;
    };
    InjectKeyStroke('C', InjectCtrl | InjectShift);
    // Until the messages are taken only the asynchronous state knows.
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
    EXPECT_GE(GetAsyncKeyState(VK_CONTROL), 0);  // already released again
    Pump();
    EXPECT_LT(shiftInHandler, 0);
    EXPECT_LT(ctrlInHandler, 0);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    EXPECT_EQ(DescribeAll(TakeLogged({WM_KEYDOWN, WM_CHAR})),
              (TLines{"WM_KEYDOWN 11", "WM_KEYDOWN 10", "WM_KEYDOWN 43", "WM_CHAR 03"}));

    InjectKeyDown(VK_RSHIFT);
    EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    Pump();
    BYTE state[256];
    ASSERT_TRUE(GetKeyboardState(state));
    EXPECT_EQ(state[VK_SHIFT] & 0x80, 0x80);
    EXPECT_EQ(state[VK_RSHIFT] & 0x80, 0x80);
    EXPECT_EQ(state[VK_LSHIFT] & 0x80, 0);
    InjectKeyUp(VK_RSHIFT);
    SHORT capsLock = GetKeyState(VK_CAPITAL) & 1;
    InjectKeyStroke(VK_CAPITAL);
    Pump();
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    EXPECT_EQ(GetKeyState(VK_CAPITAL), capsLock ^ 1);  // toggled, not down
    InjectKeyStroke(VK_CAPITAL);
    Pump();
    EXPECT_EQ(GetKeyState(VK_CAPITAL), capsLock);
    EXPECT_EQ(MapVirtualKey(VK_F12, MAPVK_VK_TO_VSC), 0x58u);
    EXPECT_EQ(MapVirtualKey(0x10, MAPVK_VSC_TO_VK), UINT{'Q'});
    EXPECT_EQ(MapVirtualKey(VK_OEM_2, MAPVK_VK_TO_CHAR), UINT{'/'});
    (void)form;
}

TEST_F(TKeyboardTest, SystemKeysAndTheirDefaultHandling)
{
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    ClearMessageBeeps();

    // Alt with a letter: system messages with the context bit, and a beep
    // for the mnemonic no menu has.
    InjectKeyStroke('X', InjectAlt);
    Pump();
    std::vector<TLogged> logged = TakeLogged({WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_KEYUP, WM_SYSCOMMAND});
    EXPECT_EQ(DescribeAll(logged), (TLines{"WM_SYSKEYDOWN 12", "WM_SYSKEYDOWN 58", "WM_SYSCHAR 78",
                                           "WM_SYSCOMMAND F100", "WM_SYSKEYUP 58", "WM_SYSKEYUP 12"}));
    ASSERT_EQ(logged.size(), 6u);
    EXPECT_TRUE(KeyDataOf(logged[1].LParam).AltDown);
    EXPECT_EQ(logged[3].LParam, 'x');
    EXPECT_EQ(MessageBeeps().size(), 1u);

    // Alt alone asks for the menu.
    InjectKeyStroke(VK_MENU);
    Pump();
    logged = TakeLogged({WM_SYSCOMMAND});
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].WParam, WPARAM{SC_KEYMENU});
    EXPECT_EQ(logged[0].LParam, 0);

    // Without a focus window, keys come to the active window as system keys.
    SetFocus(nullptr);
    InjectKeyStroke('K');
    Pump();
    EXPECT_EQ(DescribeAll(TakeLogged(Keys)), (TLines{"WM_SYSKEYDOWN 4B", "WM_SYSCHAR 6B", "WM_SYSKEYUP 4B"}));

    // Alt+F4 closes the window.
    SetFocus(form);
    InjectKeyStroke(VK_F4, InjectAlt);
    Pump();
    EXPECT_FALSE(IsWindow(form));
}

// Alt+Tab to another program and back: the Alt came up over there. Keys
// held when the focus left, taken or still waiting, no longer count.
TEST_F(TKeyboardTest, KeysHeldWhenTheFocusLeftAreUpWhenItComesBack)
{
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    SHORT capsLock = GetKeyState(VK_CAPITAL) & 1;
    for (bool taken : {true, false}) {
        InjectKeyDown(VK_MENU);
        InjectKeyDown(VK_RSHIFT);
        if (taken)
            Pump();
        InjectSurfaceFocus(form, false);
        EXPECT_GE(GetAsyncKeyState(VK_MENU), 0);
        InjectSurfaceFocus(form, true);
        Pump();
        EXPECT_GE(GetKeyState(VK_MENU), 0);
        EXPECT_GE(GetKeyState(VK_LMENU), 0);
        EXPECT_GE(GetKeyState(VK_SHIFT), 0);
        EXPECT_GE(GetKeyState(VK_RSHIFT), 0);
        EXPECT_EQ(GetKeyState(VK_CAPITAL), capsLock);
        TakeLogged({});

        InjectKeyStroke('D');
        Pump();
        EXPECT_EQ(DescribeAll(TakeLogged({WM_KEYDOWN, WM_CHAR, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSCOMMAND})),
                  (TLines{"WM_KEYDOWN 44", "WM_CHAR 64"}))
            << (taken ? "taken" : "waiting");
    }
}

}  // namespace
