// The clipboard: data blocks (global memory handles) by format number.
//
// A window opens the clipboard, empties it to become its owner, sets data
// and closes it; closing after a change offers the clipboard to other
// programs through the back end. The clipboard owns every block set on it
// and frees it when emptied or replaced; a block read back with
// GetClipboardData stays the clipboard's. CF_TEXT is GBK text with a zero
// byte at the end; CF_UNICODETEXT is UTF-16 with a zero unit at the end.
// Either is made from the other when asked for and only the other is
// there. When another program holds the clipboard, its text is read
// through the back end as CF_TEXT.
#pragma once

#include "platform/win/global_memory.h"
#include "platform/win/win_types.h"

enum : UINT {
    CF_TEXT = 1,
    CF_UNICODETEXT = 13,
};

// Fails while another window has it open.
bool OpenClipboard(HWND Owner);
bool CloseClipboard();
// Frees all data; the window that opened the clipboard becomes its owner.
bool EmptyClipboard();
// The clipboard must be open. Replaces data of the same format. Answers
// the block, or 0 on failure (the caller then still owns it).
HGLOBAL SetClipboardData(UINT Format, HGLOBAL Data);
// The clipboard must be open.
HGLOBAL GetClipboardData(UINT Format);
bool IsClipboardFormatAvailable(UINT Format);
// The formats in the order they were set; 0 starts, the answer to the last
// ends (with 0). The clipboard must be open.
UINT EnumClipboardFormats(UINT Format);
int CountClipboardFormats();
HWND GetClipboardOwner();
// Whether the clipboard, as last opened, held another program's text that
// did not arrive whole (that program stopped handing it over, or did not
// answer in time); the clipboard then has no text, and a paste should say
// it failed.
bool ClipboardTextIncomplete();
// A format number for the name (0xC000 and up; names compared without
// case). Formats and registered messages share one table of names, so a
// name gives the same number from both.
UINT RegisterClipboardFormat(const char* Name);
