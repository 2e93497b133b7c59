// Shortcuts: a key and its modifiers packed in 16 bits, as menus and key
// bindings keep them, and their texts ("Ctrl+Shift+Z" is written
// "Shift+Ctrl+Z").
#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/kernel/control_types.h"
#include "platform/win/win_types.h"
#include "platform/base/ansi_string.h"

struct TMessage;

// The virtual-key code in the low 13 bits, the modifiers in the high three.
using TShortCut = uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scNone = 0;

// Key with the Shift, Ctrl and Alt of Shift (other members are not kept);
// 0 when the high byte of Key is set, which no key has.
TShortCut ShortCut(WORD Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, WORD& Key, TShiftState& Shift);
// The shortcut a WM_KEYDOWN or WM_SYSKEYDOWN message stands for, with the
// modifiers its key data reports; scNone for any other message.
TShortCut KeyMessageShortCut(const TMessage& Message);

// The modifiers ("Shift+", "Ctrl+", "Alt+", in that order) and the key's
// name: "BkSp", "Tab", "Enter", "Esc", "Space", "PgUp", "PgDn", "End",
// "Home", "Left", "Up", "Right", "Down", "Ins", "Del", digits, letters,
// "F1" to "F24", the punctuation keys by their characters and the keypad's
// operators as "Num *" and the like. The keypad digits read as the digits.
// Empty for a key without a name.
AnsiString ShortCutToText(TShortCut ShortCut);
// The other way: modifiers in any order and case ("^" is Ctrl too), then a
// key name of ShortCutToText; 0 when the name is unknown.
TShortCut TextToShortCut(const AnsiString& Text);
