// Making and destroying windows.
#pragma once

#include "platform/win/win_types.h"

// Creates a window of a registered class. The window sees WM_GETMINMAXINFO
// (sizable and overlapped windows), WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE,
// WM_SIZE and WM_MOVE in that order; its parent then gets WM_PARENTNOTIFY
// (unless WS_EX_NOPARENTNOTIFY), and WS_VISIBLE, WS_MAXIMIZE or
// WS_MINIMIZE in Style show it so. A WS_CHILD window needs a parent; for
// other windows Parent names the owner (its top-level window is taken).
// Id is a child's control id. Param arrives in CREATESTRUCT.
// Returns 0 when the class is unknown, the parent is stale, WM_NCCREATE
// answers FALSE or WM_CREATE answers -1 (the half-made window is then
// destroyed with the usual messages).
HWND CreateWindowEx(DWORD ExStyle, const char* ClassName, const char* WindowName, DWORD Style, int X, int Y,
                    int Width, int Height, HWND Parent, intptr_t Id, void* Param);
inline HWND CreateWindow(const char* ClassName, const char* WindowName, DWORD Style, int X, int Y, int Width,
                         int Height, HWND Parent, intptr_t Id, void* Param)
{
    return CreateWindowEx(0, ClassName, WindowName, Style, X, Y, Width, Height, Parent, Id, Param);
}

// Hides the window, destroys the windows it owns, sends WM_DESTROY to it
// and then to its descendants (parents first), and WM_NCDESTROY to its
// descendants and then to itself (children first). Activation, focus and
// capture held by any of them are dropped, their timers and posted
// messages go, and every handle becomes stale. A window destroyed from
// inside one of its own handlers keeps its record until every call into it
// has returned. False for a stale handle or the desktop; a window whose
// destruction has already begun is left to that.
bool DestroyWindow(HWND Window);

bool IsWindow(HWND Window);
// The desktop: the parent of every top-level window, covering the screen.
HWND GetDesktopWindow();
