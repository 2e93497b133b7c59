// Position, size, z-order and show state of windows.
#pragma once

#include "platform/base/geometry.h"
#include "platform/win/win_types.h"

// Moves, sizes, reorders, shows or hides a window. The window first sees
// WM_WINDOWPOSCHANGING with a WINDOWPOS it may change, then WM_NCCALCSIZE
// when its size or frame changes, then WM_WINDOWPOSCHANGED, whose default
// handling sends WM_MOVE and WM_SIZE. Nothing is sent when nothing changes.
// InsertAfter is a sibling or HWND_TOP, HWND_BOTTOM, HWND_TOPMOST,
// HWND_NOTOPMOST. Owned windows go with their owner in the z-order unless
// SWP_NOOWNERZORDER.
bool SetWindowPos(HWND Window, HWND InsertAfter, int X, int Y, int Width, int Height, UINT Flags);
bool MoveWindow(HWND Window, int X, int Y, int Width, int Height, bool Repaint);
// SW_ commands. Sends WM_SHOWWINDOW when the visibility changes. Showing a
// top-level window also brings it to the top unless the command says not
// to activate; a child keeps its place. Answers whether the window was
// visible before.
bool ShowWindow(HWND Window, int Command);
// Hides the visible popups the window owns, or shows those it hid, through
// WM_SHOWWINDOW with SW_PARENTCLOSING or SW_PARENTOPENING: minimizing and
// restoring the owner does this.
bool ShowOwnedPopups(HWND Owner, bool Show);

// The window rectangle in screen coordinates.
bool GetWindowRect(HWND Window, TRect* Rect);
// The client area in client coordinates: (0, 0, width, height).
bool GetClientRect(HWND Window, TRect* Rect);

// The limits the window may take, after the window's WM_GETMINMAXINFO.
MINMAXINFO GetMinMaxInfo(HWND Window);
