// The standard edit-control messages, by which code written for a plain
// multi-line edit control drives an editor, and the edit control's own
// styles, notifications and messages.
#pragma once

#include "platform/win/win_types.h"

inline constexpr UINT EM_GETSEL = 176;
inline constexpr UINT EM_SETSEL = 177;
inline constexpr UINT EM_GETMODIFY = 184;
inline constexpr UINT EM_SETMODIFY = 185;
inline constexpr UINT EM_GETLINECOUNT = 186;
inline constexpr UINT EM_REPLACESEL = 194;
inline constexpr UINT EM_GETLINE = 196;
inline constexpr UINT EM_CANUNDO = 198;
inline constexpr UINT EM_UNDO = 199;
inline constexpr UINT EM_GETFIRSTVISIBLELINE = 206;
inline constexpr UINT EM_CHARFROMPOS = 215;
inline constexpr UINT EM_GETSELTEXT = 1086;

// The messages of the edit control itself (not answered by the editor).
inline constexpr UINT EM_SETRECTNP = 180;
inline constexpr UINT EM_LINEINDEX = 187;
inline constexpr UINT EM_LIMITTEXT = 197;
inline constexpr UINT EM_LINEFROMCHAR = 201;
inline constexpr UINT EM_SETPASSWORDCHAR = 204;
inline constexpr UINT EM_EMPTYUNDOBUFFER = 205;
inline constexpr UINT EM_SETREADONLY = 207;
inline constexpr UINT EM_SETMARGINS = 211;

// Edit control styles (the low word of the window style).
inline constexpr DWORD ES_LEFT = 0x0000;
inline constexpr DWORD ES_CENTER = 0x0001;
inline constexpr DWORD ES_RIGHT = 0x0002;
inline constexpr DWORD ES_MULTILINE = 0x0004;
inline constexpr DWORD ES_PASSWORD = 0x0020;
inline constexpr DWORD ES_AUTOVSCROLL = 0x0040;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_NOHIDESEL = 0x0100;
inline constexpr DWORD ES_READONLY = 0x0800;

// Notifications an edit sends its parent in WM_COMMAND (high word of wParam).
inline constexpr WORD EN_CHANGE = 0x0300;

// EM_SETMARGINS wParam: which margins lParam sets (left in its low word,
// right in its high word).
inline constexpr WPARAM EC_LEFTMARGIN = 0x0001;
inline constexpr WPARAM EC_RIGHTMARGIN = 0x0002;
