// Display monitors, as the back end reports them. A monitor's handle
// stays the same while the back end's list keeps its order.
#pragma once

#include "platform/base/geometry.h"
#include "platform/win/win_types.h"

inline constexpr DWORD MONITOR_DEFAULTTONULL = 0;
inline constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;
inline constexpr DWORD MONITOR_DEFAULTTONEAREST = 2;
inline constexpr DWORD MONITORINFOF_PRIMARY = 1;

struct MONITORINFO {
    DWORD cbSize = sizeof(MONITORINFO);
    TRect rcMonitor;  // the monitor's area on the virtual screen
    TRect rcWork;     // what windows may cover: the monitor less the task bar
    DWORD dwFlags = 0;
};

struct MONITORINFOEX : MONITORINFO {
    MONITORINFOEX() { cbSize = sizeof(MONITORINFOEX); }
    char szDevice[32] = {};
};

// The monitor a window, point or rectangle lies on; when it lies on none,
// Flags decides between 0 and the primary monitor.
HMONITOR MonitorFromWindow(HWND Window, DWORD Flags);
HMONITOR MonitorFromPoint(TPoint Point, DWORD Flags);
HMONITOR MonitorFromRect(const TRect& Rect, DWORD Flags);
// Fills a MONITORINFO, or a MONITORINFOEX when cbSize says so.
bool GetMonitorInfo(HMONITOR Monitor, MONITORINFO* Info);
