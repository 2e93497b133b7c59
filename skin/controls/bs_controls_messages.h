// Private messages between the skinned controls.
#pragma once

#include "platform/win/win_messages.h"

// From a skinned parent to its children after its stretched image changed:
// a child that shows part of its parent's image repaints (WParam and
// LParam 0).
inline constexpr UINT WM_PARENTIMAGECHANGED = WM_USER + 260;
