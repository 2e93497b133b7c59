// Private messages between the skinned controls.
#pragma once

#include "platform/win/win_messages.h"

// From a skinned parent to its children after its stretched image changed:
// a child that shows part of its parent's image repaints (WParam and
// LParam 0).
inline constexpr UINT WM_PARENTIMAGECHANGED = WM_USER + 260;

// Asked of a window to learn whether it is one of the skinned controls that
// answer it (the views and the edit answer SkinControlQueryAnswer).
inline constexpr UINT WM_SKINCONTROLQUERY = 45513;
inline constexpr LRESULT SkinControlQueryAnswer = 12851;
// To a skinned list view: paint its header into the device context in
// WParam.
inline constexpr UINT WM_SKINPAINTHEADER = 45512;
