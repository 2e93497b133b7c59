// What the window manager's own files share with one another.
#pragma once

#include <memory>
#include <vector>

#include "platform/win/window.h"
#include "platform/win/window_hooks.h"

// The window table. Adding gives the record its handle; retiring makes the
// handle stale and frees the record now, or when its last pin goes.
HWND AddWindowRecord(std::unique_ptr<TWindow> Window);
void RetireWindowRecord(TWindow* Window);

// Siblings and the z-order. Linking places the window among its parent's
// children as SetWindowPos's InsertAfter says, keeping WS_EX_TOPMOST
// top-level windows above the others. Restacking also moves the windows
// the window owns right above it unless OwnedToo is false, and answers
// whether any order changed.
void LinkWindow(TWindow* Window, TWindow* Parent, HWND InsertAfter);
void UnlinkWindow(TWindow* Window);
bool RestackWindow(TWindow* Window, HWND InsertAfter, bool OwnedToo);

// The back end's surface and the backing bitmap of a top-level window.
void AttachSurface(TWindow& Window);
void DetachSurface(TWindow& Window);
void SurfaceChanged(TWindow& Window, const TWindowPosChange& Change);

// SetWindowPos, also with the flags only the window manager passes
// (SWP_STATECHANGED).
bool SetWindowPosInternal(TWindow* Window, HWND InsertAfter, int X, int Y, int Width, int Height, UINT Flags);

// Puts the window into the SW_MINIMIZE, SW_MAXIMIZE or SW_RESTORE state
// (style bits and the remembered normal rectangle) and answers the window
// rectangle that state gives; SetWindowPos with SWP_STATECHANGED then
// moves it there. Maximizing asks WM_GETMINMAXINFO.
TRect MinMaximize(TWindow& Window, int Command);

// WM_PARENTNOTIFY up the chain of parents, for WM_CREATE or WM_DESTROY.
void SendParentNotify(TWindow* Window, UINT Event);
void RemoveWindowMessages(HWND Window);
// Takes the oldest queued message with exactly these fields out of the
// queue, if one is there.
void RemovePostedMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);

// Snapshots of the observers, so one may remove itself while told.
std::vector<TWindowObserver*> WindowObservers();
