// The keyboard: key states and key codes.
//
// A key press comes to the window with the focus as WM_KEYDOWN and its
// release as WM_KEYUP; while Alt is down (without Ctrl), for F10, and when
// no window has the focus (the active window then gets them), as
// WM_SYSKEYDOWN and WM_SYSKEYUP. A key held down repeats as further key
// downs with the previous-state bit set. TranslateMessage turns a key down
// into the characters the key typed: one WM_CHAR (WM_SYSCHAR for a system
// key) per byte, the lead byte of a double-byte character first, each with
// the key message's lParam.
//
// lParam of key messages: bits 0-15 the repeat count (always 1), 16-23 the
// scan code, 24 the extended-key flag, 29 the context code (Alt down, in
// system key messages only), 30 the previous key state, 31 the transition
// (1 for a release). The KF_ flags name those bits in HIWORD(lParam).
#pragma once

#include <cstdint>

#include "platform/win/virtual_keys.h"
#include "platform/win/win_types.h"

using SHORT = int16_t;

enum : WORD {
    KF_EXTENDED = 0x0100,
    KF_ALTDOWN = 0x2000,
    KF_REPEAT = 0x4000,
    KF_UP = 0x8000,
};

// The key-data bits of a key or character message's lParam, decoded.
struct TKeyData {
    UINT ScanCode = 0;
    bool Extended = false;
    bool AltDown = false;   // the context code
    bool WasDown = false;   // the previous key state
    bool Released = false;  // the transition
};
TKeyData KeyDataOf(LPARAM lParam);
// The lParam of a key message with a repeat count of 1.
LPARAM KeyDataParam(const TKeyData& Data);

// The state of a key as the key messages taken from the queue so far left
// it: the high bit (a negative answer) when the key is down, bit 0 when a
// toggle key (Caps Lock, Num Lock, Scroll Lock) is on. Mouse buttons are
// keys too (VK_LBUTTON ...).
SHORT GetKeyState(int VirtualKey);
// The same as the input that has come in left it, whether or not its
// messages were taken yet.
SHORT GetAsyncKeyState(int VirtualKey);
// Copies the 256 key states GetKeyState answers from (0x80 down, 0x01
// toggled) into State.
bool GetKeyboardState(BYTE* State);

enum : UINT { MAPVK_VK_TO_VSC = 0, MAPVK_VSC_TO_VK = 1, MAPVK_VK_TO_CHAR = 2 };
// Scan codes of the standard keyboard (set 1) and the unshifted character
// of a key on a US layout (upper-case for letters); 0 when there is none.
UINT MapVirtualKey(UINT Code, UINT MapType);
