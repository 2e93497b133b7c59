// Window regions: a window shows, paints and is hit only inside its region.
#pragma once

#include "platform/gdi/gdi_object.h"
#include "platform/win/win_types.h"

// Region is in window coordinates (the window rectangle's top-left is 0,
// 0); 0 removes the region. The window owns the region from then on and
// deletes it when it gets another one or is destroyed: the caller must
// not use or delete the handle again. Redraw repaints what changed.
// Answers false (and leaves the region with the caller) for a stale handle.
bool SetWindowRgn(HWND Window, HRGN Region, bool Redraw);
// Copies the window's region into Region and answers its kind; ERROR when
// the window has none.
int GetWindowRgn(HWND Window, HRGN Region);
