// Parents, owners, children and the z-order.
#pragma once

#include "platform/win/win_types.h"

using WNDENUMPROC = TEvent<bool(HWND, LPARAM)>;

// A child's parent, a WS_POPUP window's owner, else 0.
HWND GetParent(HWND Window);
// Moves the window under a new parent (0: the desktop), at the top of the
// new siblings' z-order and at the same coordinates relative to the new
// client area. The style is left alone. Returns the old parent, or 0 on
// failure (a stale handle, or a new parent inside the window itself).
HWND SetParent(HWND Window, HWND NewParent);
// GW_ relations; 0 where there is none.
HWND GetWindow(HWND Window, UINT Relation);
// The topmost child (Window 0: the topmost top-level window).
HWND GetTopWindow(HWND Window);
HWND GetAncestor(HWND Window, UINT Flags);
// Whether Window is a descendant of Parent through WS_CHILD links.
bool IsChild(HWND Parent, HWND Window);
// Calls Callback for every descendant of Parent, each child followed by its
// own descendants, until it answers false. Windows made during the walk are
// not visited; windows destroyed during it are skipped.
bool EnumChildWindows(HWND Parent, const WNDENUMPROC& Callback, LPARAM Param);
// Calls Callback for every top-level window, topmost first.
bool EnumWindows(const WNDENUMPROC& Callback, LPARAM Param);
