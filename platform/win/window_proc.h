// Calling window procedures: sent messages, the default procedure and
// subclass chains.
//
// A window's procedure is its class's, or one set with SetWindowProc (the
// class library binds its controls that way). Subclassers stack their own
// procedures on top of it through SetWindowSubclass; each passes a message
// on with DefSubclassProc, which calls the next procedure down the chain.
// Any subclasser may remove its procedure at any time, in any order, even
// while that procedure runs: the chain never calls a removed procedure and
// never calls a procedure from below itself.
#pragma once

#include <initializer_list>

#include "platform/win/win_types.h"

// Calls the window's procedure chain and answers its result. Re-entrant;
// 0 for a stale handle.
LRESULT SendMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
// Whether the current message came from another thread: never, as all
// windows live on the one user-interface thread.
bool InSendMessage();

// Calls Proc (DefWindowProc when empty) directly.
LRESULT CallWindowProc(const WNDPROC& Proc, HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);

// The window's own procedure below all subclasses; setting answers the
// previous one. Empty for a stale handle.
WNDPROC GetWindowProc(HWND Window);
WNDPROC SetWindowProc(HWND Window, const WNDPROC& Proc);

// Installs Proc on top of the chain under Id. Installing a (Proc, Id) pair
// that is already in the chain changes nothing.
bool SetWindowSubclass(HWND Window, const WNDPROC& Proc, UINT_PTR Id);
bool RemoveWindowSubclass(HWND Window, const WNDPROC& Proc, UINT_PTR Id);
// From inside a subclass procedure: calls the next procedure down the
// chain (the window's own procedure at the bottom). 0 outside a dispatch.
LRESULT DefSubclassProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);

// The default answer to every message. Each area of the window manager
// contributes the default handling of the messages it owns by registering
// a handler for them; messages without a handler answer 0.
LRESULT DefWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);

using TDefWindowProcHandler = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
// Registers the default handling of a system message (below WM_USER) and
// answers the handler it replaces. An area registers its handlers from a
// static TDefWindowProcRegistration in a source file that also holds calls
// the program makes, so that the linker keeps it.
TDefWindowProcHandler SetDefWindowProcHandler(UINT Message, TDefWindowProcHandler Handler);

struct TDefWindowProcRegistration {
    TDefWindowProcRegistration(std::initializer_list<UINT> Messages, TDefWindowProcHandler Handler)
    {
        for (UINT message : Messages)
            SetDefWindowProcHandler(message, Handler);
    }
};
