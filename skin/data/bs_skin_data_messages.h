// The private messages through which a skin data component tells every form
// of the program that its skin or one of its switches changed. Each goes
// out by synchronous send with WPARAM = the skin data and LPARAM =
// kSkinDataMessageTag.
#pragma once

#include "platform/win/win_types.h"

// Before a skin is replaced: drop descriptions, indexes and pictures taken
// from the skin data.
inline constexpr UINT WM_SKINDATA_BEFORECHANGE = 1225;
// The new skin is in place: look descriptions up again by name.
inline constexpr UINT WM_SKINDATA_CHANGED = 1226;
// The change is over (SkinLoading is false again).
inline constexpr UINT WM_SKINDATA_AFTERCHANGE = 1227;
inline constexpr UINT WM_SKINDATA_RESSTRCHANGED = 1274;
inline constexpr UINT WM_SKINDATA_SKINNABLEFORMCHANGED = 1294;
inline constexpr UINT WM_SKINDATA_LAYEREDBORDERSCHANGED = 1427;
inline constexpr UINT WM_SKINDATA_AEROBLURCHANGED = 1428;

inline constexpr LPARAM kSkinDataMessageTag = 1000;
