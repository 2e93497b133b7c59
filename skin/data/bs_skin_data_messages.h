// The private messages of the skin library, by number. The numbers are
// fixed: skinned components of separate parts of the program answer each
// other through them. The first group goes from a skin data component to
// every form, by synchronous send with WPARAM = the skin data and LPARAM =
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

// From a skinned popup menu as it closes, to the window that owns it and to
// the control that opened it (WParam and LParam 0).
inline constexpr UINT WM_SKINMENUCLOSED = 1228;
// From a skinned popup menu after an item's command ran, to the opener.
inline constexpr UINT WM_SKINMENUCOMMAND = 1229;

// From a multiple-document parent to each child after a skin change: a
// maximized child fills the parent's client area again.
inline constexpr UINT WM_SKINMDICHILDFIT = 1230;
// From a child's frame to the main form: a child was maximized (1231),
// minimized or restored or destroyed (1232), moved, sized, shown, hidden or
// destroyed (1233, WPARAM its handle when hidden or destroyed, else 0),
// restored (1234), minimized (1235, WPARAM its handle); and, when a child is
// shown, whether a child is maximized (1236, answered 1 or 0).
inline constexpr UINT WM_SKINMDICHILDMAXIMIZED = 1231;
inline constexpr UINT WM_SKINMDICHILDNOTMAXIMIZED = 1232;
inline constexpr UINT WM_SKINMDICHILDCHANGED = 1233;
inline constexpr UINT WM_SKINMDICHILDRESTORED = 1234;
inline constexpr UINT WM_SKINMDICHILDMINIMIZED = 1235;
inline constexpr UINT WM_SKINMDIQUERYMAXIMIZED = 1236;
// From a skinned parent to its children after its stretched image changed:
// a child that shows part of its parent's image repaints (WParam and
// LParam 0).
inline constexpr UINT WM_PARENTIMAGECHANGED = 1284;
// Posted by a skinned button to itself as the mouse enters (also after a
// skin change under the mouse) and leaves, so that its glow layer comes and
// goes after the mouse notification has returned.
inline constexpr UINT WM_SHOWGLOWLAYER = 1424;
inline constexpr UINT WM_HIDEGLOWLAYER = 1425;
// Posted by the notification-area icon to the main form after restoring the
// program (the form's Tag is then -10000).
inline constexpr UINT WM_SKINRESTOREDFROMTRAY = 1426;

// Queries no component of the program sends; a skinned form answers them
// with fixed results and does not pass them on.
// Whether the frame is drawn by the platform on a composited desktop.
inline constexpr UINT WM_SKINFRAMEQUERY = 45490;
inline constexpr LRESULT SkinFrameQueryNotSkinnedAnswer = 0x3234;
inline constexpr LRESULT SkinFrameQueryAnswer = 0x3235;
// Suspends (45491) and resumes (45492) the form's layered border.
inline constexpr UINT WM_SKINSUSPENDLAYERBORDER = 45491;
inline constexpr UINT WM_SKINRESUMELAYERBORDER = 45492;
// To a skinned list view: paint its header into the device context in
// WPARAM.
inline constexpr UINT WM_SKINPAINTHEADER = 45512;
// Paints the whole frame into the device context in WPARAM; answered
// SkinFramePaintAnswer. The skinned views, page control and edit answer it
// for their own frames, so it also tells whether a window is one of them.
inline constexpr UINT WM_SKINPAINTFRAME = 45513;
inline constexpr LRESULT SkinFramePaintAnswer = 0x3233;
inline constexpr UINT WM_SKINCONTROLQUERY = WM_SKINPAINTFRAME;
inline constexpr LRESULT SkinControlQueryAnswer = SkinFramePaintAnswer;
// The same, only when LPARAM is SkinFramePaintExKey; answered with the key.
inline constexpr UINT WM_SKINPAINTFRAMEEX = 48203;
inline constexpr LPARAM SkinFramePaintExKey = 0x41A2;
