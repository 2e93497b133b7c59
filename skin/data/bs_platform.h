// What the skin library asks of the platform beyond plain drawing: version
// questions, layered-window updates and the work area of the screen or of
// a window's monitor.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"
#include "platform/win/scroll_bar_info.h"
#include "platform/win/win_types.h"

class TbsBitmap;

// Major version in Major, minor in Minor, as the system reports them.
void GetWindowsVersion(int& Major, int& Minor);

// The version tests on a given version; the forms without arguments ask
// about the running system.
bool IsWindows2000OrLater(int Major, int Minor);
bool IsWindowsXP(int Major, int Minor);
bool IsWindowsVista(int Major, int Minor);
bool IsWindows7(int Major, int Minor);
bool IsWindows2000OrLater();
bool IsWindows2000();
bool IsWindowsXP();
bool IsWindowsVista();
bool IsWindows7();

// The whole window at constant Alpha (0..255).
void SetWindowAlpha(HWND Wnd, int Alpha);
// Gives the layered window Bitmap as its picture, at the window's present
// screen position and the bitmap's size, by per-pixel alpha scaled by
// Alpha. Bitmap must hold premultiplied pixels.
void UpdateLayeredWindowFromBitmap(TbsBitmap* Bitmap, int Alpha, HWND Window);

// GetScrollBarInfo, except that a bar it cannot report on is marked
// invisible (the first state), so a caller that only looks at the states
// draws nothing for it. Answers GetScrollBarInfo's result.
bool GetScrollBarInfoSafe(HWND Wnd, LONG ObjectId, SCROLLBARINFO& Info);

// No desktop compositor blurs behind our windows.
bool IsDwmCompositionEnabled();

// Two or more monitors.
bool IsMultiMonitor();
// The primary screen's work area when WorkArea, else the whole screen.
void GetPrimaryWorkArea(bool WorkArea, TRect& Rect);
// The same for the monitor nearest to Wnd; Rect is left alone when the
// monitor cannot be asked.
void GetMonitorWorkArea(HWND Wnd, bool WorkArea, TRect& Rect);
