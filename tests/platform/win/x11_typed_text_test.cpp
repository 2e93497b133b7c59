// Text typed on a real X display through keys that have no key code of
// their own (accented letters of a layout, characters an XTest typing
// tool maps onto a spare key).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/win/focus.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_styles.h"
#include "platform/win/x11_backend.h"
#include "x11_test_support.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

class TX11TypedTextTest : public TX11Test {
protected:
    // Types é, ü, 中, £, a Hebrew letter and € through a spare key, then z,
    // into an edit of a form on the display, and checks what arrives.
    void TypeThroughASpareKey();
};

// A key code the server's keyboard leaves without symbols.
KeyCode SpareKeyCode(Display* display)
{
    int min = 0, max = 0, perCode = 0;
    XDisplayKeycodes(display, &min, &max);
    KeySym* map = XGetKeyboardMapping(display, static_cast<KeyCode>(min), max - min + 1, &perCode);
    KeyCode spare = 0;
    for (int code = max; code >= min && !spare; --code) {
        bool empty = true;
        for (int i = 0; i < perCode; ++i)
            empty = empty && map[(code - min) * perCode + i] == NoSymbol;
        if (empty)
            spare = static_cast<KeyCode>(code);
    }
    XFree(map);
    return spare;
}

// Puts Sym on the key, as a layout switch or a typing tool does, and
// presses and releases it.
void TypeOnKey(Display* display, KeyCode code, KeySym sym)
{
    KeySym syms[2] = {sym, sym};
    XChangeKeyboardMapping(display, code, 2, syms, 1);
    XTestFakeKeyEvent(display, code, True, 0);
    XTestFakeKeyEvent(display, code, False, 0);
}

std::vector<std::string> Describe(const std::vector<TLogged>& entries)
{
    std::vector<std::string> lines;
    for (const TLogged& entry : entries) {
        char line[64] = "";
        if (entry.Message)
            std::snprintf(line, sizeof line, "%s %02X", InputMessageName(entry.Message), static_cast<unsigned>(entry.WParam));
        lines.push_back(line);
    }
    return lines;
}

void TX11TypedTextTest::TypeThroughASpareKey()
{
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    HWND edit = Make("E", WS_CHILD | WS_VISIBLE, form, Bounds(10, 10, 100, 20));
    SetFocus(edit);
    Display* x = Other();
    ASSERT_TRUE(HasXFocus(form));
    KeyCode spare = SpareKeyCode(x);
    ASSERT_NE(spare, 0) << "the server's keyboard has no free key code";
    TakeLogged({});

    // é ü from a layout's own symbols, 中 as a Unicode symbol, then £, a
    // Hebrew letter and €, which GBK has no form for, and a plain key to
    // end on. Xlib reads a key's symbols when the press is taken, so each
    // key is taken before the next remapping, as a typing tool waits
    // between characters.
    std::vector<TLogged> got;
    auto takeUntilKeyUp = [&](WPARAM key) {
        XSync(x, False);
        return PumpUntil([&] {
            for (const TLogged& entry : TakeLogged({WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_UNICHAR}))
                got.push_back(entry);
            return !got.empty() && got.back().Message == WM_KEYUP && got.back().WParam == key;
        });
    };
    for (KeySym sym : {KeySym{XK_eacute}, KeySym{XK_udiaeresis}, KeySym{0x1004E2D}}) {
        TypeOnKey(x, spare, sym);
        ASSERT_TRUE(takeUntilKeyUp(VK_PACKET)) << "nothing came for the key symbol " << std::hex << sym;
        got.push_back({});
    }
    for (KeySym sym : {KeySym{XK_sterling}, KeySym{0x10005D0}, KeySym{0x10020AC}}) {
        TypeOnKey(x, spare, sym);
        ASSERT_TRUE(takeUntilKeyUp(VK_PACKET)) << "nothing came for the key symbol " << std::hex << sym;
        got.push_back({});
    }
    Key(XK_z);
    takeUntilKeyUp('Z');
    KeySym none = NoSymbol;
    XChangeKeyboardMapping(x, spare, 1, &none, 1);
    XSync(x, False);

    // Each character comes as one key without a key code, whose
    // translation gives the GBK bytes; £, the Hebrew letter and the euro
    // sign, which GBK has no form for, type nothing but come as code
    // points, for the program to tell the user.
    EXPECT_EQ(Describe(got), (std::vector<std::string>{
                                 "WM_KEYDOWN E7", "WM_CHAR A8", "WM_CHAR A6", "WM_KEYUP E7", "",  // é
                                 "WM_KEYDOWN E7", "WM_CHAR A8", "WM_CHAR B9", "WM_KEYUP E7", "",  // ü
                                 "WM_KEYDOWN E7", "WM_CHAR D6", "WM_CHAR D0", "WM_KEYUP E7", "",  // 中
                                 "WM_KEYDOWN E7", "WM_UNICHAR A3", "WM_KEYUP E7", "",             // £
                                 "WM_KEYDOWN E7", "WM_UNICHAR 5D0", "WM_KEYUP E7", "",            // א
                                 "WM_KEYDOWN E7", "WM_UNICHAR 20AC", "WM_KEYUP E7", "",           // €
                                 "WM_KEYDOWN 5A", "WM_CHAR 7A", "WM_KEYUP 5A",
                             }));
    for (const TLogged& entry : got)
        EXPECT_TRUE(entry.Window.empty() || entry.Window == "E") << entry.Window;
}

TEST_F(TX11TypedTextTest, CharactersOfKeysWithoutKeyCodesArriveAsGbk)
{
    TypeThroughASpareKey();
}

// Without an input method (the one XMODIFIERS names is not running) Xlib
// looks keys up in the program's own locale, which knows only Latin-1: a
// Unicode key symbol gives its character all the same.
TEST_F(TX11TypedTextTest, CharactersArriveWithoutAnInputMethodToo)
{
    const char* saved = std::getenv("XMODIFIERS");
    std::string before = saved ? saved : "";
    setenv("XMODIFIERS", "@im=tandril-test-no-such-input-method", 1);
    AnsiString error;
    std::unique_ptr<TBackend> plain = OpenX11Backend(DisplayString(Other()), error);
    if (saved)
        setenv("XMODIFIERS", before.c_str(), 1);
    else
        unsetenv("XMODIFIERS");
    ASSERT_NE(plain, nullptr) << error;
    // The suite's back end goes; this one stays until the suite ends.
    SwapBackend(std::move(plain));
    TypeThroughASpareKey();
}

// A typing tool puts a character on a spare key and presses it, then puts
// the next one there (or takes it off), while the program is busy: each
// press types what its key meant when it was pressed, never what the key
// came to mean after it.
TEST_F(TX11TypedTextTest, EachKeyTypesWhatItsKeyMeantWhenItWasPressed)
{
    HWND form = Make("F", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    Display* x = Other();
    ASSERT_TRUE(HasXFocus(form));
    KeyCode spare = SpareKeyCode(x);
    ASSERT_NE(spare, 0) << "the server's keyboard has no free key code";
    const auto remap = [&](KeySym Sym) {
        KeySym syms[2] = {Sym, Sym};
        XChangeKeyboardMapping(x, spare, 2, syms, 1);
    };
    struct TCase {
        const char* What;
        std::vector<KeySym> Pressed;  // the key's symbol at each press; the first one the program has seen
        bool TakenOff;                // the key is emptied after the last press
        AnsiString Typed;
    };
    const TCase cases[] = {
        {"說, then 門 on the same key", {0x1008AAA, 0x1009580}, false, "說門"},
        {"中, then the key emptied", {0x1004E2D}, true, "中"},
    };
    // The tool's keyboard is the one in use: the server tells a switch of
    // keyboards, which the program reads the whole mapping again for.
    Key(XK_Shift_L);
    for (const TCase& c : cases) {
        remap(c.Pressed[0]);
        XSync(x, False);
        for (int round = 0; round < 10; ++round)
            PumpUntil([] { return true; });
        TakeLogged({});
        // Busy: the program takes nothing from the display meanwhile.
        for (size_t i = 0; i < c.Pressed.size(); ++i) {
            if (i > 0)
                remap(c.Pressed[i]);
            XTestFakeKeyEvent(x, spare, True, 0);
            XTestFakeKeyEvent(x, spare, False, 0);
        }
        if (c.TakenOff)
            remap(NoSymbol);
        Key(XK_z);
        AnsiString typed;
        PumpUntil([&] {
            for (const TLogged& entry : TakeLogged({WM_CHAR}))
                typed += static_cast<char>(entry.WParam);
            return !typed.empty() && typed.back() == 'z';
        });
        EXPECT_EQ(typed, c.Typed + "z") << c.What;
    }
    remap(NoSymbol);
    XSync(x, False);
}

}  // namespace
