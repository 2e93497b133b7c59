// The X11 back end's keyboard: key symbols become VK_ codes, the typed
// text GBK; text an input method commits comes as one VK_PROCESSKEY event,
// a character whose key has no VK_ code as one VK_PACKET event.
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/code_page.h"
#include "platform/win/keyboard.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/x11_internal.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace {

struct TKeyCode {
    UINT VirtualKey = 0;
    bool Extended = false;
};

TKeyCode KeyCodeOf(KeySym sym)
{
    if (sym >= XK_a && sym <= XK_z)
        return {static_cast<UINT>('A' + (sym - XK_a))};
    if (sym >= XK_A && sym <= XK_Z)
        return {static_cast<UINT>('A' + (sym - XK_A))};
    if (sym >= XK_0 && sym <= XK_9)
        return {static_cast<UINT>('0' + (sym - XK_0))};
    if (sym >= XK_F1 && sym <= XK_F24)
        return {static_cast<UINT>(VK_F1 + (sym - XK_F1))};
    if (sym >= XK_KP_0 && sym <= XK_KP_9)
        return {static_cast<UINT>(VK_NUMPAD0 + (sym - XK_KP_0))};
    switch (sym) {
    case XK_BackSpace: return {VK_BACK};
    case XK_Tab: case XK_ISO_Left_Tab: return {VK_TAB};
    case XK_Clear: case XK_KP_Begin: return {VK_CLEAR};
    case XK_Return: return {VK_RETURN};
    case XK_KP_Enter: return {VK_RETURN, true};
    case XK_Pause: return {VK_PAUSE};
    case XK_Scroll_Lock: return {VK_SCROLL};
    case XK_Escape: return {VK_ESCAPE};
    case XK_space: case XK_KP_Space: return {VK_SPACE};
    case XK_Home: return {VK_HOME, true};
    case XK_Left: return {VK_LEFT, true};
    case XK_Up: return {VK_UP, true};
    case XK_Right: return {VK_RIGHT, true};
    case XK_Down: return {VK_DOWN, true};
    case XK_Prior: return {VK_PRIOR, true};
    case XK_Next: return {VK_NEXT, true};
    case XK_End: return {VK_END, true};
    case XK_Insert: return {VK_INSERT, true};
    case XK_Delete: return {VK_DELETE, true};
    case XK_KP_Home: return {VK_HOME};
    case XK_KP_Left: return {VK_LEFT};
    case XK_KP_Up: return {VK_UP};
    case XK_KP_Right: return {VK_RIGHT};
    case XK_KP_Down: return {VK_DOWN};
    case XK_KP_Prior: return {VK_PRIOR};
    case XK_KP_Next: return {VK_NEXT};
    case XK_KP_End: return {VK_END};
    case XK_KP_Insert: return {VK_INSERT};
    case XK_KP_Delete: return {VK_DELETE};
    case XK_KP_Multiply: return {VK_MULTIPLY};
    case XK_KP_Add: return {VK_ADD};
    case XK_KP_Separator: return {VK_SEPARATOR};
    case XK_KP_Subtract: return {VK_SUBTRACT};
    case XK_KP_Decimal: return {VK_DECIMAL};
    case XK_KP_Divide: return {VK_DIVIDE, true};
    case XK_Num_Lock: return {VK_NUMLOCK, true};
    case XK_Caps_Lock: return {VK_CAPITAL};
    case XK_Print: return {VK_SNAPSHOT, true};
    case XK_Menu: return {VK_APPS, true};
    case XK_Super_L: return {VK_LWIN, true};
    case XK_Super_R: return {VK_RWIN, true};
    case XK_Shift_L: return {VK_LSHIFT};
    case XK_Shift_R: return {VK_RSHIFT};
    case XK_Control_L: return {VK_LCONTROL};
    case XK_Control_R: return {VK_RCONTROL, true};
    case XK_Alt_L: case XK_Meta_L: return {VK_LMENU};
    case XK_Alt_R: case XK_Meta_R: case XK_ISO_Level3_Shift: return {VK_RMENU, true};
    case XK_semicolon: return {VK_OEM_1};
    case XK_equal: return {VK_OEM_PLUS};
    case XK_comma: return {VK_OEM_COMMA};
    case XK_minus: return {VK_OEM_MINUS};
    case XK_period: return {VK_OEM_PERIOD};
    case XK_slash: return {VK_OEM_2};
    case XK_grave: return {VK_OEM_3};
    case XK_bracketleft: return {VK_OEM_4};
    case XK_backslash: return {VK_OEM_5};
    case XK_bracketright: return {VK_OEM_6};
    case XK_apostrophe: return {VK_OEM_7};
    case XK_less: return {VK_OEM_102};
    default: return {};
    }
}

// Shift, Ctrl and Alt by side, as the window manager keeps them.
struct TSidedModifier {
    KeySym Sym;
    UINT VirtualKey;
};
constexpr TSidedModifier SidedModifiers[] = {{XK_Shift_L, VK_LSHIFT},     {XK_Shift_R, VK_RSHIFT},
                                             {XK_Control_L, VK_LCONTROL}, {XK_Control_R, VK_RCONTROL},
                                             {XK_Alt_L, VK_LMENU},        {XK_Alt_R, VK_RMENU}};

bool IsKeypad(KeySym sym)
{
    return sym >= XK_KP_Space && sym <= XK_KP_Equal;
}

void AppendUtf8(std::string& utf8, char32_t c)
{
    if (c < 0x80) {
        utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (c >> 12));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (c >> 18));
        utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// What XLookupString typed (Latin-1), as UTF-8. It looks keys up in the
// program's own locale, which knows no more than Latin-1, so a Unicode key
// symbol (a layout's, or one a typing tool put on a spare key) gives its
// character from the symbol itself.
std::string LookedUpText(const char* text, int length, KeySym sym)
{
    std::string utf8;
    for (int i = 0; i < length; ++i)
        AppendUtf8(utf8, static_cast<unsigned char>(text[i]));
    if (utf8.empty() && sym >= 0x1000100 && sym <= 0x110FFFF)
        AppendUtf8(utf8, static_cast<char32_t>(sym - 0x1000000));
    return utf8;
}

// What a key or the input method typed: the text in GBK, character by
// character. A character GBK has no form for is kept apart rather than
// typed as '?', so that the text stays as it was and the user can be told.
struct TTypedText {
    AnsiString Text;
    std::u32string Untypable;
};

TTypedText GbkOfTyped(std::string_view utf8)
{
    TTypedText typed;
    typed.Text = Utf32ToGbkApart(Utf8ToUtf32(utf8), typed.Untypable);
    return typed;
}

// What the key types, as the keyboard of the window manager types it:
// Delete types nothing, Ctrl with a key only control characters (Ctrl+Enter
// a line feed, Ctrl+Backspace DEL), and no key types a zero byte.
TTypedText KeyText(const std::string& utf8, UINT vk, unsigned state)
{
    bool ctrl = (state & ControlMask) && !(state & Mod1Mask);
    if (vk == VK_DELETE)
        return {};
    if (ctrl && vk == VK_RETURN)
        return {"\n", {}};
    if (ctrl && vk == VK_BACK)
        return {"\x7F", {}};
    TTypedText typed = GbkOfTyped(utf8);
    std::erase_if(typed.Text, [ctrl](char c) {
        auto b = static_cast<unsigned char>(c);
        return b == 0 || (ctrl && b >= 0x20 && b != 0x7F);
    });
    if (ctrl)
        typed.Untypable.clear();
    return typed;
}

// A press and release of VirtualKey that type Typed and nothing else.
void SendText(HWND Surface, UINT VirtualKey, TTypedText Typed)
{
    if (Typed.Text.empty() && Typed.Untypable.empty())
        return;
    TBackendKeyEvent event;
    event.Surface = Surface;
    event.VirtualKey = VirtualKey;
    event.Text = std::move(Typed.Text);
    event.Untypable = std::move(Typed.Untypable);
    BackendEvents().Key(event);
    event.Down = false;
    event.Text.clear();
    event.Untypable.clear();
    BackendEvents().Key(event);
}

}  // namespace

void TX11Backend::HandleKey(XEvent& Event)
{
    XKeyEvent& key = Event.xkey;
    if (!BackendEvents().Key)
        return;
    // A key typed into a window that is gone since (a dialog its own key
    // closed) still went down or up: it counts for the window with the
    // focus now, or Alt would stay held after an Alt+letter closes one.
    TX11Surface* surface = FindSurface(key.window);
    HWND window = surface ? surface->Window : nullptr;
    // Keys an input method makes up have no key and no modifiers of their own.
    if (key.keycode)
        MatchHeldModifiers(key.state);
    bool down = Event.type == KeyPress;
    KeySym sym = NoSymbol;
    std::string utf8;
    bool committed = false;
    if (down && surface && surface->InputContext) {
        std::vector<char> buffer(64);
        Status status = 0;
        int length = Xutf8LookupString(surface->InputContext, &key, buffer.data(), static_cast<int>(buffer.size()),
                                       &sym, &status);
        if (status == XBufferOverflow) {
            buffer.resize(static_cast<size_t>(length) + 1);
            length = Xutf8LookupString(surface->InputContext, &key, buffer.data(),
                                       static_cast<int>(buffer.size()), &sym, &status);
        }
        if (status == XLookupChars || status == XLookupBoth)
            utf8.assign(buffer.data(), static_cast<size_t>(length));
        // Text with no key behind it is what the input method composed.
        committed = status == XLookupChars || (key.keycode == 0 && !utf8.empty());
    } else {
        char buffer[32];
        int length = XLookupString(&key, buffer, sizeof buffer, &sym, nullptr);
        if (down)
            utf8 = LookedUpText(buffer, length, sym);
    }

    if (committed) {
        SendText(window, VK_PROCESSKEY, GbkOfTyped(utf8));
        return;
    }
    if (key.keycode == 0)
        return;
    // Xlib looked the key up in a mapping that may be newer than the key:
    // the text is what the key's own symbol types, with the modifiers its
    // symbol did not take up, as Xlib types it.
    unsigned consumed = 0;
    if (const KeySym mapped = MappedKeySym(key.keycode, key.state, &consumed); keymap_ && mapped != sym) {
        sym = mapped;
        utf8.clear();
        char buffer[32];
        int extra = 0;
        const unsigned left = key.state & ~consumed;
        const int length = down && sym ? XkbTranslateKeySym(display_, &sym, left, buffer, sizeof buffer, &extra) : 0;
        if (down)
            utf8 = LookedUpText(buffer, length, sym);
    }
    // The key's own symbol names letters and symbols whatever Shift does;
    // the keypad follows Num Lock.
    KeySym base = keymap_ ? MappedKeySym(key.keycode, 0, &consumed) : XLookupKeysym(&key, 0);
    TKeyCode code = KeyCodeOf(IsKeypad(sym) ? sym : base);
    if (!code.VirtualKey)
        code = KeyCodeOf(sym);
    if (!code.VirtualKey) {
        // A character with no key code of its own (é on a French layout,
        // 中 from a typing tool): a key press without a key code carries
        // it, and the release was already sent with the press.
        if (down)
            SendText(window, VK_PACKET, KeyText(utf8, VK_PACKET, key.state));
        return;
    }
    TBackendKeyEvent event;
    event.Surface = window;
    event.Down = down;
    event.VirtualKey = code.VirtualKey;
    event.Extended = code.Extended;
    event.ScanCode = MapVirtualKey(code.VirtualKey, MAPVK_VK_TO_VSC);
    if (down) {
        TTypedText typed = KeyText(utf8, code.VirtualKey, key.state);
        event.Text = std::move(typed.Text);
        event.Untypable = std::move(typed.Untypable);
    }
    BackendEvents().Key(event);
}

void TX11Backend::ReportHeldKeys(const char* KeyVector)
{
    if (!BackendEvents().HeldKeys)
        return;
    std::vector<UINT> held;
    for (const TSidedModifier& modifier : SidedModifiers) {
        KeyCode code = XKeysymToKeycode(display_, modifier.Sym);
        if (code && (KeyVector[code / 8] & (1 << (code % 8))))
            held.push_back(modifier.VirtualKey);
    }
    BackendEvents().HeldKeys(held);
}

void TX11Backend::ReportKeysHeldSoFar()
{
    if (!BackendEvents().HeldKeys)
        return;
    std::vector<UINT> held;
    for (const TSidedModifier& modifier : SidedModifiers)
        if (GetAsyncKeyState(static_cast<int>(modifier.VirtualKey)) < 0)
            held.push_back(modifier.VirtualKey);
    BackendEvents().HeldKeys(held);
}

void TX11Backend::MatchHeldModifiers(unsigned State)
{
    if (!BackendEvents().HeldKeys)
        return;
    struct TModifier {
        unsigned Mask;
        UINT Left, Right;
    };
    const TModifier modifiers[] = {
        {ShiftMask, VK_LSHIFT, VK_RSHIFT}, {ControlMask, VK_LCONTROL, VK_RCONTROL}, {altMask_, VK_LMENU, VK_RMENU}};
    bool differs = false;
    std::vector<UINT> held;
    for (const TModifier& modifier : modifiers) {
        const bool left = GetAsyncKeyState(static_cast<int>(modifier.Left)) < 0;
        const bool right = GetAsyncKeyState(static_cast<int>(modifier.Right)) < 0;
        // Without a bit of its own the event cannot tell.
        const bool down = modifier.Mask ? (State & modifier.Mask) != 0 : left || right;
        differs = differs || down != (left || right);
        // The side held stays; a key that went down unseen counts as the left one.
        if (down && (left || !right))
            held.push_back(modifier.Left);
        if (down && right)
            held.push_back(modifier.Right);
    }
    if (differs)
        BackendEvents().HeldKeys(held);
}

void TX11Backend::ReadAltMask()
{
    altMask_ = 0;
    XModifierKeymap* map = XGetModifierMapping(display_);
    if (!map)
        return;
    // Modifier 3 and up are Mod1 to Mod5; each has max_keypermod key codes.
    for (int modifier = Mod1MapIndex; modifier <= Mod5MapIndex; ++modifier)
        for (int i = 0; i < map->max_keypermod; ++i) {
            const KeyCode code = map->modifiermap[modifier * map->max_keypermod + i];
            if (!code)
                continue;
            const KeySym sym = XkbKeycodeToKeysym(display_, code, 0, 0);
            if (KeyCodeOf(sym).VirtualKey == VK_LMENU || KeyCodeOf(sym).VirtualKey == VK_RMENU)
                altMask_ |= 1u << modifier;
        }
    XFreeModifiermap(map);
}

void TX11Backend::WatchKeyboardMapping()
{
    int opcode = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!XkbQueryExtension(display_, &opcode, &xkbEventBase_, &error, &major, &minor)) {
        xkbEventBase_ = -1;
        return;
    }
    const unsigned long changes = XkbMapNotifyMask | XkbNewKeyboardNotifyMask;
    XkbSelectEvents(display_, XkbUseCoreKbd, changes, changes);
    keymap_ = XkbGetMap(display_, XkbAllClientInfoMask, XkbUseCoreKbd);
}

void TX11Backend::HandleKeyboardMapping(const XEvent& Event)
{
    if (!keymap_ || Event.type != xkbEventBase_)
        return;
    XkbEvent change{};
    std::memcpy(&change, &Event, sizeof Event);
    if (change.any.xkb_type == XkbNewKeyboardNotify) {
        // Another keyboard (device) types now: its mapping as a whole.
        XkbGetUpdatedMap(display_, XkbAllClientInfoMask, keymap_);
        ReadAltMask();
        return;
    }
    const XkbMapNotifyEvent& map = change.map;
    if (map.xkb_type != XkbMapNotify || (map.serial == keymapChangeSerial_ && map.time == keymapChangeTime_))
        return;
    keymapChangeSerial_ = map.serial;
    keymapChangeTime_ = map.time;
    XkbMapChangesRec changes{};
    XkbNoteMapChanges(&changes, &change.map, XkbAllClientInfoMask);
    XkbGetMapChanges(display_, keymap_, &changes);
    if (map.changed & XkbModifierMapMask)
        ReadAltMask();
}

unsigned long TX11Backend::MappedKeySym(unsigned Code, unsigned State, unsigned* Consumed) const
{
    KeySym sym = NoSymbol;
    if (!keymap_ || !XkbTranslateKeyCode(keymap_, static_cast<KeyCode>(Code), State, Consumed, &sym))
        return NoSymbol;
    return sym;
}
