// The standard edit-control messages, by which code written for a plain
// multi-line edit control drives an editor.
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
