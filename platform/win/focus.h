// Activation and the keyboard focus.
//
// One top-level window at a time is active; the focus is the active window
// or one of its descendants (or nobody). Activating sends, in this order:
// WM_NCACTIVATE(FALSE) and WM_ACTIVATE(WA_INACTIVE) to the window losing
// activation, WM_ACTIVATEAPP to every top-level window when the program as
// a whole gains or loses activation, WM_NCACTIVATE(TRUE) and WM_ACTIVATE
// (WA_ACTIVE, or WA_CLICKACTIVE for a click) to the new one (lParam: the
// other window), then moves the focus: DefWindowProc's WM_ACTIVATE gives
// it to the activated window unless that window put it on one of its own
// descendants. Moving the focus sends WM_KILLFOCUS to the old focus window
// (wParam: the new one) and WM_SETFOCUS to the new one (wParam: the old);
// during WM_KILLFOCUS, GetFocus already answers the new window.
//
// Windows with WS_EX_NOACTIVATE, disabled windows and windows being
// destroyed are never activated. When the active window is hidden,
// minimized (without activation) or destroyed, activation goes to its
// owner, else to the next top-level window in z-order that can take it.
// A window that is hidden, disabled or destroyed loses the focus it holds.
#pragma once

#include "platform/win/win_types.h"

// Activates a top-level window and brings it to the top (a child window
// is refused: the active window stays). Answers the window active before,
// or 0 on failure.
HWND SetActiveWindow(HWND Window);
HWND GetActiveWindow();
// Activates the top-level window holding Window. The program counts as the
// foreground program while one of its windows is active.
bool SetForegroundWindow(HWND Window);
HWND GetForegroundWindow();

// Gives the keyboard focus to Window, activating its top-level window
// first; 0 takes the focus from every window. Fails (answering 0) for a
// stale handle or a window that is disabled or minimized or has such an
// ancestor. Answers the window that had the focus.
HWND SetFocus(HWND Window);
HWND GetFocus();
