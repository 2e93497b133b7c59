// Putting text on the clipboard and reading it back: the one way every
// copy command of the program does it, so that they all fail alike and
// each caller only decides how a failure reaches the user.
#pragma once

#include <initializer_list>
#include <string_view>

#include "platform/base/ansi_string.h"
#include "platform/win/win_types.h"

// Bytes to go on the clipboard under Format, in a block of their own with
// a zero byte after them.
struct TClipboardText {
    UINT Format;
    std::string_view Bytes;
};

// Opens the clipboard for Owner and puts the texts on it in their order in
// place of what it held; the clipboard is closed again whatever happens.
// Answers false when another window has the clipboard open, a block cannot
// be made or the clipboard refuses one. The clipboard then keeps what it
// held, except when it refused a block: the texts set before that one stay.
bool SetClipboardText(HWND Owner, std::initializer_list<TClipboardText> Texts);
// The clipboard's CF_TEXT up to its zero byte into Text (empty when it
// holds none); false, Text untouched, while another window has it open.
bool GetClipboardText(HWND Owner, AnsiString& Text);
