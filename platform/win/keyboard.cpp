// The keyboard: key states, key messages and key codes.
#include "platform/win/keyboard.h"

#include <cstring>

#include "platform/win/input_internal.h"
#include "platform/win/mouse_input.h"
#include "platform/win/win_messages.h"

namespace {

// Scan codes of the standard keyboard (set 1) by virtual key, in scan
// code order; the navigation keys share theirs with the number pad.
constexpr BYTE ScanToVirtualKey[] = {
    0, VK_ESCAPE, '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', VK_OEM_MINUS, VK_OEM_PLUS, VK_BACK, VK_TAB,
    'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', VK_OEM_4, VK_OEM_6, VK_RETURN, VK_CONTROL, 'A', 'S',
    'D', 'F', 'G', 'H', 'J', 'K', 'L', VK_OEM_1, VK_OEM_7, VK_OEM_3, VK_SHIFT, VK_OEM_5, 'Z', 'X', 'C', 'V',
    'B', 'N', 'M', VK_OEM_COMMA, VK_OEM_PERIOD, VK_OEM_2, VK_RSHIFT, VK_MULTIPLY, VK_MENU, VK_SPACE, VK_CAPITAL,
    VK_F1, VK_F2, VK_F3, VK_F4, VK_F5, VK_F6, VK_F7, VK_F8, VK_F9, VK_F10, VK_NUMLOCK, VK_SCROLL, VK_HOME, VK_UP,
    VK_PRIOR, VK_SUBTRACT, VK_LEFT, VK_NUMPAD5, VK_RIGHT, VK_ADD, VK_END, VK_DOWN, VK_NEXT, VK_INSERT, VK_DELETE,
    0, 0, VK_OEM_102, VK_F11, VK_F12,
};

UINT ScanCodeOf(UINT vk)
{
    switch (vk) {
    case VK_LSHIFT: return 0x2A;
    case VK_LCONTROL: case VK_RCONTROL: return 0x1D;
    case VK_LMENU: case VK_RMENU: return 0x38;
    case VK_NUMPAD7: return 0x47;
    case VK_NUMPAD8: return 0x48;
    case VK_NUMPAD9: return 0x49;
    case VK_NUMPAD4: return 0x4B;
    case VK_NUMPAD6: return 0x4D;
    case VK_NUMPAD1: return 0x4F;
    case VK_NUMPAD2: return 0x50;
    case VK_NUMPAD3: return 0x51;
    case VK_NUMPAD0: return 0x52;
    case VK_DECIMAL: return 0x53;
    case VK_DIVIDE: return 0x35;
    default: break;
    }
    for (UINT scan = 1; scan < sizeof ScanToVirtualKey; ++scan)
        if (ScanToVirtualKey[scan] == vk)
            return scan;
    return 0;
}

UINT CharOf(UINT vk)
{
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return vk;
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9)
        return '0' + (vk - VK_NUMPAD0);
    switch (vk) {
    case VK_BACK: return '\b';
    case VK_TAB: return '\t';
    case VK_RETURN: return '\r';
    case VK_ESCAPE: return 0x1B;
    case VK_SPACE: return ' ';
    case VK_MULTIPLY: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: case VK_OEM_MINUS: return '-';
    case VK_DECIMAL: case VK_OEM_PERIOD: return '.';
    case VK_DIVIDE: case VK_OEM_2: return '/';
    case VK_OEM_1: return ';';
    case VK_OEM_PLUS: return '=';
    case VK_OEM_COMMA: return ',';
    case VK_OEM_3: return '`';
    case VK_OEM_4: return '[';
    case VK_OEM_5: case VK_OEM_102: return '\\';
    case VK_OEM_6: return ']';
    case VK_OEM_7: return '\'';
    default: return 0;
    }
}

// Key messages carry the generic Shift, Ctrl and Alt.
UINT GenericKey(UINT vk)
{
    switch (vk) {
    case VK_LSHIFT: case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL: case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU: case VK_RMENU: return VK_MENU;
    default: return vk;
    }
}

SHORT StateOf(const TKeyStates& keys, int vk)
{
    if (vk < 0 || vk > 255)
        return 0;
    BYTE state = keys.Keys[vk];
    return static_cast<SHORT>(((state & 0x80) ? 0x8000 : 0) | (state & 0x01));
}

UINT lastKeyDown = 0;

}  // namespace

TKeyData KeyDataOf(LPARAM lParam)
{
    WORD flags = HIWORD(static_cast<uintptr_t>(lParam));
    TKeyData data;
    data.ScanCode = flags & 0xFF;
    data.Extended = flags & KF_EXTENDED;
    data.AltDown = flags & KF_ALTDOWN;
    data.WasDown = flags & KF_REPEAT;
    data.Released = flags & KF_UP;
    return data;
}

LPARAM KeyDataParam(const TKeyData& Data)
{
    WORD flags = static_cast<WORD>(Data.ScanCode & 0xFF);
    if (Data.Extended)
        flags |= KF_EXTENDED;
    if (Data.AltDown)
        flags |= KF_ALTDOWN;
    if (Data.WasDown)
        flags |= KF_REPEAT;
    if (Data.Released)
        flags |= KF_UP;
    // Zero-extended: a release must not read as a negative lParam.
    return static_cast<LPARAM>((static_cast<DWORD>(flags) << 16) | 1);
}

void TKeyStates::Apply(UINT VirtualKey, bool IsDown)
{
    UINT vk = VirtualKey & 0xFF;
    BYTE& key = Keys[vk];
    if (IsDown && !(key & 0x80))
        key ^= 0x01;
    key = IsDown ? (key | 0x80) : (key & ~0x80);
    UINT generic = GenericKey(vk);
    if (generic != VK_SHIFT && generic != VK_CONTROL && generic != VK_MENU)
        return;
    UINT left = generic == VK_SHIFT ? VK_LSHIFT : generic == VK_CONTROL ? VK_LCONTROL : VK_LMENU;
    UINT right = left + 1;
    auto setDown = [&](UINT k, bool down) { Keys[k] = down ? (Keys[k] | 0x80) : (Keys[k] & ~0x80); };
    if (vk == generic)
        setDown(left, IsDown);  // a key without a side stands for the left one
    else
        setDown(generic, Down(left) || Down(right));
}

void TKeyStates::Reset(const std::vector<UINT>& Held)
{
    for (UINT vk = 0; vk < 256; ++vk)
        if (vk != VK_LBUTTON && vk != VK_RBUTTON && vk != VK_MBUTTON)
            Keys[vk] &= ~0x80;
    for (UINT vk : Held) {
        // Held again, not pressed again: the toggle stays.
        BYTE toggle = Keys[vk & 0xFF] & 0x01;
        Apply(vk, true);
        Keys[vk & 0xFF] = static_cast<BYTE>((Keys[vk & 0xFF] & ~0x01) | toggle);
    }
}

UINT ButtonKey(int Button)
{
    switch (Button) {
    case 1: return VK_LBUTTON;
    case 2: return VK_RBUTTON;
    case 3: return VK_MBUTTON;
    default: return 0;
    }
}

WPARAM MouseKeyFlags(const TKeyStates& Keys)
{
    WPARAM flags = 0;
    if (Keys.Down(VK_LBUTTON))
        flags |= MK_LBUTTON;
    if (Keys.Down(VK_RBUTTON))
        flags |= MK_RBUTTON;
    if (Keys.Down(VK_MBUTTON))
        flags |= MK_MBUTTON;
    if (Keys.Down(VK_SHIFT))
        flags |= MK_SHIFT;
    if (Keys.Down(VK_CONTROL))
        flags |= MK_CONTROL;
    return flags;
}

bool RouteKeyEvent(const TInputEvent& Event, MSG& Msg, TKeyStates& After)
{
    const TBackendKeyEvent& key = Event.KeyEvent;
    UINT vk = key.VirtualKey & 0xFF;
    bool wasDown = SyncKeys().Down(vk);
    After = SyncKeys();
    After.Apply(vk, key.Down);
    const TInputState& input = InputState();
    HWND target = input.Focus ? input.Focus : input.Active;
    if (!WindowOf(target))
        return false;
    bool alt = After.Down(VK_MENU);
    bool system = !input.Focus || (alt && !After.Down(VK_CONTROL)) || vk == VK_F10 || GenericKey(vk) == VK_MENU;
    if (key.Down)
        Msg.message = system ? WM_SYSKEYDOWN : WM_KEYDOWN;
    else
        Msg.message = system ? WM_SYSKEYUP : WM_KEYUP;
    TKeyData data;
    data.ScanCode = key.ScanCode ? key.ScanCode : ScanCodeOf(vk);
    data.Extended = key.Extended;
    data.AltDown = system && alt;
    data.WasDown = !key.Down || wasDown;
    data.Released = !key.Down;
    Msg.hwnd = target;
    Msg.wParam = GenericKey(vk);
    Msg.lParam = KeyDataParam(data);
    Msg.time = Event.Time;
    Msg.pt = Event.Cursor;
    return true;
}

void KeyMessageTaken(const TInputEvent& Event, const MSG& Msg, const TKeyStates& After)
{
    SyncKeys() = After;
    if (!Event.KeyEvent.Down)
        return;
    bool contextMenuKey = Msg.wParam == VK_F10 && After.Down(VK_SHIFT);
    lastKeyDown = contextMenuKey ? 0 : static_cast<UINT>(Msg.wParam);
    if (!Event.KeyEvent.Text.empty() || !Event.KeyEvent.Untypable.empty())
        RememberKeyText(Msg, Event.KeyEvent.Text, Event.KeyEvent.Untypable);
}

UINT LastKeyDown()
{
    return lastKeyDown;
}

void ForgetLastKeyDown()
{
    lastKeyDown = 0;
}

SHORT GetKeyState(int VirtualKey)
{
    return StateOf(SyncKeys(), VirtualKey);
}

SHORT GetAsyncKeyState(int VirtualKey)
{
    return StateOf(AsyncKeys(), VirtualKey);
}

bool GetKeyboardState(BYTE* State)
{
    if (!State)
        return false;
    std::memcpy(State, SyncKeys().Keys, sizeof SyncKeys().Keys);
    return true;
}

UINT MapVirtualKey(UINT Code, UINT MapType)
{
    switch (MapType) {
    case MAPVK_VK_TO_VSC:
        return ScanCodeOf(Code);
    case MAPVK_VSC_TO_VK:
        return Code < sizeof ScanToVirtualKey ? ScanToVirtualKey[Code] : 0;
    case MAPVK_VK_TO_CHAR:
        return CharOf(Code);
    default:
        return 0;
    }
}
